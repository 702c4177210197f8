// convert.cpp -- exact and rounded conversions between widereals and C's
// numbers, the integer roundings, scaling by powers of two and the named
// constants rounded.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

#include "convert/text_in.h"
#include "rounding/ziv.h"

namespace {

using namespace widefp::rnd;

// Fraction bit i (0 the top bit of word 1) of a widereal of precision p.
bool any_below(const uint64_t *x, uint64_t p, uint64_t from_word) {
    for (uint64_t j = from_word; j <= p; ++j)
        if (x[j] != 0) return true;
    return false;
}

// y = a 64-bit integer of magnitude m and the given sign (p >= 1): the top
// bit of m is the hidden one, the bits below it head word 1.
void from_magnitude(uint64_t *y, uint64_t m, bool negative, uint64_t p) {
    std::fill(y, y + p + 1, 0);
    if (m == 0) return;
    const int t = 63 - __builtin_clzll(m);
    y[0] = (negative ? kSign : 0) | (kBias + static_cast<uint64_t>(t));
    y[1] = t == 0 ? 0 : m << (64 - t);
}

// x rounded in mode into the binary format of `bits` significant bits
// whose smallest subnormal is 2^emin, largest exponent emax and largest
// finite number top; the value returned is that number (exact in a double).
// Every word counts: the bits past the first 64 of 1.F act as a sticky bit.
double to_ieee(const uint64_t *x, uint64_t p, int mode, int bits, int emin, int emax, double top) {
    const bool neg = is_neg(x);
    const double sign = neg ? -1.0 : 1.0;
    if (is_zero(x)) return sign * 0.0;
    const bool away = away_from_zero(neg, mode);
    const int64_t e = unbiased_of(x);
    if (is_inf(x) || e > emax) return sign * (mode == WIDEFP_RNDN || away || is_inf(x) ? HUGE_VAL : top);
    const int64_t kept = std::min<int64_t>(bits, e - emin + 1);  // fewer for subnormals
    const bool sticky = (x[1] & 1) != 0 || any_below(x, p, 2);
    const double tiny = std::ldexp(1.0, emin);
    if (kept < 0) return sign * (away ? tiny : 0.0);  // below half the smallest
    const uint64_t S = kSign | (x[1] >> 1);            // 1.F to 64 bits
    if (kept == 0) {                                   // in [2^(emin-1), 2^emin)
        const bool up = mode == WIDEFP_RNDN ? S > kSign || sticky : away;
        return sign * (up ? tiny : 0.0);
    }
    const int sh = 64 - static_cast<int>(kept);
    uint64_t q = S >> sh;
    const uint64_t rest = sh == 0 ? 0 : S & ((uint64_t{1} << sh) - 1);
    const uint64_t half = sh == 0 ? 0 : uint64_t{1} << (sh - 1);
    bool up;
    if (mode == WIDEFP_RNDN)
        up = sh == 0 ? false : rest > half || (rest == half && (sticky || (q & 1)));
    else
        up = away && (rest != 0 || sticky);
    if (up) ++q;  // 2^kept at most: exact
    return sign * std::ldexp(static_cast<double>(q), static_cast<int>(e - 63 + sh));
}

// |x| rounded to an integer in mode (the direction taken on x's sign),
// saturated at 2^64 - 1; *big set when it reached 2^64 or more.
uint64_t rounded_magnitude(const uint64_t *x, uint64_t p, int mode, bool *big) {
    *big = false;
    if (is_zero(x)) return 0;
    if (is_inf(x)) {
        *big = true;
        return ~uint64_t{0};
    }
    const int64_t e = unbiased_of(x);
    if (e > 63) {
        *big = true;
        return ~uint64_t{0};
    }
    uint64_t m;
    bool half, sticky;
    if (e < 0) {
        m = 0;
        half = e == -1;
        sticky = e < -1 || x[1] != 0 || any_below(x, p, 2);
    } else {
        // integer part: the hidden bit and fraction bits 0..e-1; bit e the half
        const unsigned u = static_cast<unsigned>(e);
        m = (uint64_t{1} << u) | (u == 0 ? 0 : x[1] >> (64 - u));
        half = (x[1] >> (63 - u)) & 1;
        sticky = (u < 63 && (x[1] << (u + 1)) != 0) || any_below(x, p, 2);
    }
    const bool up = mode == WIDEFP_RNDN ? half && (sticky || (m & 1)) : away_from_zero(is_neg(x), mode) && (half || sticky);
    if (!up) return m;
    if (m == ~uint64_t{0}) {
        *big = true;
        return m;
    }
    return m + 1;
}

// y = x rounded to an integer: 'z' toward zero, 'd' down, 'u' up, 'r' to
// nearest with halves away from zero.  Exact: the fraction bits below the
// binary point are cleared, then one unit is added to the magnitude where
// the cleared part asks for it.  A zero result keeps x's sign.  Returns the
// ternary value.
int integral(uint64_t *r, const uint64_t *x, uint64_t p, char how) {
    check_args("widefp_rnd_floor/ceil/trunc/round", p, WIDEFP_RNDN);
    const uint64_t w = p + 1;
    std::memmove(r, x, w * sizeof(uint64_t));
    if (is_zero(r) || is_inf(r)) return 0;
    const bool neg = is_neg(r);
    const int64_t e = unbiased_of(r);
    if (e >= static_cast<int64_t>(64 * p)) return 0;  // no bits below the point
    const int bigger = neg ? -1 : 1;                   // ternary when the magnitude grows
    bool step;
    if (e < 0) {  // |x| < 1: a zero of x's sign, or one unit
        std::fill(r + 1, r + w, 0);
        r[0] &= kSign;
        step = how == 'r' ? e == -1 : how == 'd' ? neg : how == 'u' ? !neg : false;
        if (step) r[0] |= kBias;
        return step ? bigger : -bigger;
    }
    // Fraction bit i (0 the top bit of word 1) is worth 2^(e-1-i): bits e and
    // below lie under the point, bit e is the half.
    const uint64_t first = 1 + static_cast<uint64_t>(e) / 64;  // the word holding bit e
    const unsigned b = static_cast<unsigned>(e % 64);
    const uint64_t below = ~uint64_t{0} >> b;  // bits e.. of that word
    const bool fraction = (r[first] & below) != 0 || any_below(r, p, first + 1);
    if (!fraction) return 0;
    const bool half = (r[first] >> (63 - b)) & 1;
    r[first] &= ~below;
    std::fill(r + first + 1, r + w, 0);
    step = how == 'r' ? half : how == 'd' ? neg : how == 'u' ? !neg : false;
    if (!step) return -bigger;
    if (e == 0) {  // 1 + 1 = 2
        r[0] += 1;
        return bigger;
    }
    // One unit is fraction bit e-1; carry toward word 1, then into the
    // exponent (1.11...1 + unit = 10.00...0).
    const uint64_t unit = static_cast<uint64_t>(e - 1);
    uint64_t j = 1 + unit / 64;
    uint64_t add = uint64_t{1} << (63 - unit % 64);
    for (;; --j) {
        r[j] += add;
        if (r[j] >= add) return bigger;  // no carry out of word j
        add = 1;
        if (j == 1) break;
    }
    r[0] += 1;
    return bigger;
}

}  // namespace

extern "C" {

void widefp_rnd_from_si(uint64_t *y, int64_t v, uint64_t p) {
    check_args("widefp_rnd_from_si", p, WIDEFP_RNDN);
    const uint64_t m = v < 0 ? uint64_t{0} - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
    from_magnitude(y, m, v < 0, p);
}

void widefp_rnd_from_ui(uint64_t *y, uint64_t v, uint64_t p) {
    check_args("widefp_rnd_from_ui", p, WIDEFP_RNDN);
    from_magnitude(y, v, false, p);
}

double widefp_rnd_get_d(const uint64_t *x, uint64_t p, int mode) {
    check_args("widefp_rnd_get_d", p, mode);
    return to_ieee(x, p, mode, 53, -1074, 1023, DBL_MAX);
}

float widefp_rnd_get_flt(const uint64_t *x, uint64_t p, int mode) {
    check_args("widefp_rnd_get_flt", p, mode);
    return static_cast<float>(to_ieee(x, p, mode, 24, -149, 127, FLT_MAX));
}

int64_t widefp_rnd_get_si(const uint64_t *x, uint64_t p, int mode) {
    check_args("widefp_rnd_get_si", p, mode);
    bool big;
    const uint64_t m = rounded_magnitude(x, p, mode, &big);
    if (is_neg(x)) return big || m >= (uint64_t{1} << 63) ? INT64_MIN : -static_cast<int64_t>(m);
    return big || m > static_cast<uint64_t>(INT64_MAX) ? INT64_MAX : static_cast<int64_t>(m);
}

uint64_t widefp_rnd_get_ui(const uint64_t *x, uint64_t p, int mode) {
    check_args("widefp_rnd_get_ui", p, mode);
    bool big;
    const uint64_t m = rounded_magnitude(x, p, mode, &big);
    return is_neg(x) ? 0 : m;
}

int widefp_rnd_floor(uint64_t *y, const uint64_t *x, uint64_t p) { return integral(y, x, p, 'd'); }
int widefp_rnd_ceil(uint64_t *y, const uint64_t *x, uint64_t p) { return integral(y, x, p, 'u'); }
int widefp_rnd_trunc(uint64_t *y, const uint64_t *x, uint64_t p) { return integral(y, x, p, 'z'); }
int widefp_rnd_round(uint64_t *y, const uint64_t *x, uint64_t p) { return integral(y, x, p, 'r'); }

int widefp_rnd_ldexp(uint64_t *y, const uint64_t *x, int64_t e, uint64_t p, int mode) {
    check_args("widefp_rnd_ldexp", p, mode);
    if (is_zero(x) || is_inf(x)) {
        const bool neg = is_neg(x);
        return is_zero(x) ? set_zero(y, p, neg) : set_inf(y, p, neg);
    }
    // Beyond the range by more than a binade or two is as good as any distance.
    const __int128 sum = static_cast<__int128>(unbiased_of(x)) + e;
    const int64_t ee = sum < kEmin - 2 ? kEmin - 2 : sum > kEmax + 1 ? kEmax + 1 : static_cast<int64_t>(sum);
    return round_value(y, p, is_neg(x), ee, x + 1, p, 0, mode);
}

int64_t widefp_rnd_frexp(uint64_t *y, const uint64_t *x, uint64_t p) {
    check_args("widefp_rnd_frexp", p, WIDEFP_RNDN);
    std::memmove(y, x, (p + 1) * sizeof(uint64_t));
    if (is_zero(x) || is_inf(x)) return 0;
    const int64_t k = unbiased_of(y) + 1;
    y[0] = (y[0] & kSign) | (kBias - 1);
    return k;
}

int widefp_rnd_const(uint64_t *y, const char *name, uint64_t p, int mode) {
    check_args("widefp_rnd_const", p, mode);
    Scratch s(p + 2);
    uint64_t *t = s.get();
    if (!name || !widefp::convert::copy_constant(name, t, p + 1)) return set_zero(y, p, false, WIDEFP_TEXT_CONSTANT);
    // The tables hold 1,024 fraction words or more, truncated: the constant
    // (never a binary fraction) lies above them, so the guard word gets a
    // sticky bit.
    return round_value(y, p, is_neg(t), unbiased_of(t), t + 1, p, t[p + 1] | 1, mode);
}

}  // extern "C"
