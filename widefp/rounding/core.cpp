// core.cpp -- rounding of exact values and of approximations with an error bound, range and specials.
#include <cstdio>
#include <cstring>

#include "rounding/ziv.h"

namespace widefp::rnd {

void bad_args(const char *who, uint64_t p, int mode) {
    char text[160];
    if (p < 1 || p > kMaxP) {
        std::snprintf(text, sizeof text, "%s: precision %llu outside 1..1023\n", who, static_cast<unsigned long long>(p));
        widefp_fatal("widefp:range", text);
    }
    std::snprintf(text, sizeof text, "%s: rounding mode %d is none of 0..3\n", who, mode);
    widefp_fatal("widefp:range", text);
}

void domain_error(const char *who) {
    char text[160];
    std::snprintf(text, sizeof text, "%s : domain error\n", who);
    widefp_fatal("widefp:domain", text);
}

int set_zero(uint64_t *y, uint64_t p, bool neg, int ternary) {
    y[0] = neg ? kSign : 0;
    std::memset(y + 1, 0, p * sizeof(uint64_t));
    return ternary;
}

int set_inf(uint64_t *y, uint64_t p, bool neg, int ternary) {
    y[0] = (neg ? kSign : 0) | kExpMask;
    std::memset(y + 1, 0, p * sizeof(uint64_t));
    return ternary;
}

void set_pow2(uint64_t *y, uint64_t p, bool neg, int64_t e) {
    WIDEFP_ASSERTD(e >= kEmin && e <= kEmax);
    y[0] = (neg ? kSign : 0) | static_cast<uint64_t>(e + static_cast<int64_t>(kBias));
    std::memset(y + 1, 0, p * sizeof(uint64_t));
}

int overflow(uint64_t *y, uint64_t p, bool neg, int mode) {
    const int up = neg ? -1 : 1;  // the sign of a result larger in magnitude than v
    if (mode == WIDEFP_RNDN || away_from_zero(neg, mode)) return set_inf(y, p, neg, up);
    y[0] = (neg ? kSign : 0) | (kExpMask - 1);  // the largest finite magnitude
    for (uint64_t j = 1; j <= p; ++j) y[j] = ~uint64_t{0};
    return -up;
}

int underflow(uint64_t *y, uint64_t p, bool neg, int mode, bool above_half) {
    const int up = neg ? -1 : 1;
    const bool to_min = mode == WIDEFP_RNDN ? above_half : away_from_zero(neg, mode);
    if (!to_min) return set_zero(y, p, neg, -up);
    set_pow2(y, p, neg, kEmin);
    return up;
}

int round_value(uint64_t *y, uint64_t p, bool neg, int64_t e, const uint64_t *frac, uint64_t q, uint64_t g,
                int mode) {
    WIDEFP_ASSERTD(p >= 1 && q >= p);
    // Classify the tail below word p-1: 0 zero, 1 below half, 2 half, 3 above half.
    int cls;
    if (q == p) {
        cls = g == 0 ? 0 : g < kHalf ? 1 : g == kHalf ? 2 : 3;
    } else {
        uint64_t rest = g;
        for (uint64_t j = p + 1; j < q; ++j) rest |= frac[j];
        const uint64_t t0 = frac[p];
        if (t0 == kHalf)
            cls = rest ? 3 : 2;
        else if (t0 > kHalf)
            cls = 3;
        else
            cls = (t0 | rest) ? 1 : 0;
    }
    bool inc;
    if (cls == 0)
        inc = false;
    else if (mode == WIDEFP_RNDN)
        inc = cls == 3 || (cls == 2 && (frac[p - 1] & 1));
    else
        inc = away_from_zero(neg, mode);
    const int up = neg ? -1 : 1;
    const int ternary = cls == 0 ? 0 : inc ? up : -up;

    if (y + 1 != frac) std::memmove(y + 1, frac, p * sizeof(uint64_t));
    bool zero_fraction = false;
    if (inc) {
        uint64_t j = p;
        while (j >= 1 && ++y[j] == 0) --j;
        if (j == 0) {  // carried out of the fraction: 2^(e+1)
            ++e;
            zero_fraction = true;
        }
    }
    if (e > kEmax) return overflow(y, p, neg, mode);
    if (e < kEmin) {
        // Below the range after rounding: to nearest, the result is the
        // smallest number exactly when v > m/2, that is when the rounded value
        // exceeds m/2 or equals it from below.
        bool above_half = false;
        if (e == kEmin - 1) {
            bool fraction_nonzero = false;
            if (!zero_fraction)
                for (uint64_t j = 1; j <= p && !fraction_nonzero; ++j) fraction_nonzero = y[j] != 0;
            above_half = fraction_nonzero || ternary == -up;
        }
        return underflow(y, p, neg, mode, above_half);
    }
    y[0] = (neg ? kSign : 0) | static_cast<uint64_t>(e + static_cast<int64_t>(kBias));
    return ternary;
}

// ---- the value just beside |x| -------------------------------------------
// For |x| <= 2^(-32p-2) the terms after the first are below a quarter of a
// unit in the last place: sin x = x - x^3/6 and atan x = x - x^3/3 lie just
// below |x| in magnitude, tan x = x + x^3/3 just above, cos x = 1 - x^2/2
// just below 1.  The value is written as |x| less (or plus) a tail too small
// to reach the next word, so that round_value decides every mode, the
// ternary value and an underflow below the smallest number.

// (-1)^neg 1.F 2^e (F = frac, p words) less (below) or plus a tail below a
// unit of the word after F, rounded; e may lie outside the range.
int round_beside(uint64_t *y, uint64_t p, bool neg, int64_t e, const uint64_t *frac, bool below, int mode) {
    Scratch s(p + 1);
    uint64_t *F = s.get();
    std::memcpy(F, frac, p * sizeof(uint64_t));
    F[p] = 0;
    if (!below) return round_value(y, p, neg, e, F, p + 1, 1, mode);
    uint64_t j = p;
    while (j > 0 && F[j] == 0) F[j--] = ~uint64_t{0};
    if (F[j] != 0) {
        --F[j];
    } else {  // a power of two: the binade below, all ones
        F[0] = ~uint64_t{0};
        --e;
    }
    return round_value(y, p, neg, e, F, p + 1, ~uint64_t{0}, mode);
}

namespace {

// The general test: rounds both ends of the interval exactly and compares.
bool round_interval(uint64_t *y, uint64_t p, bool neg, int64_t e, const uint64_t *frac, uint64_t q, int64_t err,
                    int mode, int *ternary) {
    const uint64_t n = q + 1;  // the ends are exact at q+1 words
    Scratch s(4 * (n + 1));
    uint64_t *x = s.get(), *d = x + (n + 1), *lo = d + (n + 1), *hi = lo + (n + 1);
    x[0] = kBias;  // 1.F
    std::memcpy(x + 1, frac, q * sizeof(uint64_t));
    d[0] = static_cast<uint64_t>(static_cast<int64_t>(kBias) - 64 * static_cast<int64_t>(q) + err);
    widefp_float_sub(lo, x, d, n);
    widefp_float_add(hi, x, d, n);
    // Round both ends into x and d (reused), then compare.
    const int tl = round_value(x, p, neg, e + unbiased_of(lo), lo + 1, n, 0, mode);
    const int th = round_value(d, p, neg, e + unbiased_of(hi), hi + 1, n, 0, mode);
    if (tl == 0 || tl != th) return false;
    if (x[0] != d[0]) return false;
    if (!is_zero(x) && !is_inf(x) && std::memcmp(x + 1, d + 1, p * sizeof(uint64_t)) != 0) return false;
    std::memcpy(y, x, (p + 1) * sizeof(uint64_t));
    *ternary = tl;
    return true;
}

}  // namespace

bool round_approx(uint64_t *y, uint64_t p, bool neg, int64_t e, const uint64_t *frac, uint64_t q, int64_t err,
                  int mode, int *ternary) {
    WIDEFP_ASSERTD(p >= 1 && q >= p && err >= 0 && err <= 64 * static_cast<int64_t>(q) - 2);
    // Fast test: the error stays within one unit of the first tail word, and
    // that word is away from the rounding boundaries (0, a half and one unit
    // of the last kept place) by more than two of its units.
    if (q > p && err <= 64 * static_cast<int64_t>(q - p - 1)) {
        const uint64_t t0 = frac[p];
        const bool near = t0 <= 1 || t0 >= ~uint64_t{0} - 1 || (t0 >= kHalf - 2 && t0 <= kHalf + 1);
        if (!near) {
            *ternary = round_value(y, p, neg, e, frac, p, t0 | 1, mode);
            return true;
        }
    }
    if (q == p) return false;  // no bit beyond the result: nothing decides
    return round_interval(y, p, neg, e, frac, q, err, mode, ternary);
}

bool round_approx_wr(uint64_t *y, uint64_t p, const uint64_t *w, uint64_t g, uint64_t q, int64_t err, int mode,
                     int *ternary) {
    WIDEFP_ASSERTD(!is_zero(w) && !is_inf(w));
    Scratch s(q + 1);
    std::memcpy(s.get(), w + 1, q * sizeof(uint64_t));
    s.get()[q] = g;
    return round_approx(y, p, is_neg(w), unbiased_of(w), s.get(), q + 1, err, mode, ternary);
}

}  // namespace widefp::rnd
