// sincos.cpp -- sine and cosine: reduction by multiples of pi/2, Taylor series on working arrays, sign by quadrant.
#include <cstring>

#include "elementary/constants_table.h"
#include "elementary/elementary.h"
#include "elementary/series_rule.h"
#include "kernel/array_mul_skip.h"
#include "widefp.h"

using namespace widefp::elem;

namespace {

// Arguments from 2^65536 on are refused: the reduction's constants hold
// 2,049 words, and the integer quotient of such an x by pi/4 alone would take
// 1,025 of them beside the 1,025 the fraction of the reduced argument needs
// (pi/4 itself runs to 3,136 words, for the cancellation next to a multiple
// of pi/2).
constexpr int64_t kMaxExponent = 65535;

// The guard word of a result one unit short of a full unit cut off: all ones
// would be the saturation marker, worth two units to the directed roundings.
constexpr uint64_t kAlmostUnit = 0xfffffffffffffffeULL;

// y = the truncation of sin x (sine) or cos x for 0 < |x| < 2^(-32(p+1)),
// where the series at p+1 words stops at its leading term: sin x lies below
// x in magnitude by less than a unit of the word after the last, cos x below
// 1.  The stored words are |x| or 1 less one unit of the last word (|x| =
// m, the smallest magnitude, gives a zero of x's sign: the guard then
// measures against m as for an underflowed product); the guard says that
// almost a unit was cut off.
uint64_t tiny(uint64_t *y, const uint64_t *x, uint64_t p, bool sine) {
    if (!sine) {
        y[0] = kBias - 1;
        for (uint64_t j = 1; j <= p; ++j) y[j] = ~uint64_t{0};
        return kAlmostUnit;
    }
    y[0] = x[0];
    for (uint64_t j = 1; j <= p; ++j) y[j] = x[j];
    uint64_t j = p;
    for (; j >= 1 && y[j] == 0; --j) y[j] = ~uint64_t{0};
    if (j >= 1) {
        --y[j];
    } else if ((y[0] & kExpMask) == 1) {  // x = +-m: below the smallest magnitude
        y[0] &= kSign;
        for (uint64_t i = 1; i <= p; ++i) y[i] = 0;
    } else {  // a power of two: the largest number of the binade below
        --y[0];
    }
    return kAlmostUnit;
}

// w = the working array of |r| (P+1 words), S = its square; returns the term
// count, or -1 when r is below 2^(-32P) (the series is its leading term).
int64_t series_start(const uint64_t *r, uint64_t *w, uint64_t *S, uint64_t P, bool sine) {
    const int64_t E = unbiased(r[0]);
    if ((r[0] & kExpMask) == 0 || E < -32 * static_cast<int64_t>(P)) return -1;
    int64_t N = sine ? widefp_taylor_tranc_sin(P, E) : widefp_taylor_tranc_cos(P, E);  // refuses E >= 0
    // The count for E = -1 assumes |r| <= pi/4; up to 1 a factor r^2 gains
    // less than 2 log2(4/pi) bits: count with 0 bits per factor.
    if (E == -1 && compare_magnitude(r, widefp::constants::pi_quarter, P) > 0)
        N = sine ? widefp::series::sin_terms_c(P, 0) : widefp::series::cos_terms_c(P, 0);
    widefp_widereal_to_array(r, E, w, P + 1);
    widefp_array_mul(S, w, w, P + 1);
    return N;
}

// w = 1 - S/(d(1)) (1 - S/d(2) (1 - ...)), Horner from the innermost term
// (accumulator 1) outward, d(i) = (2i-1)2i (cosine) or 2i(2i+1) (sine);
// then w, a value in [1/2, 1], becomes a widereal of precision P.
void horner(uint64_t *w, const uint64_t *S, int64_t N, uint64_t P, bool sine) {
    w[0] = 1;
    std::memset(w + 1, 0, P * sizeof(uint64_t));
    const uint64_t zs = leading_zero_words(S, P + 1);
    for (int64_t i = N; i >= 1; --i) {
        const uint64_t d = sine ? static_cast<uint64_t>(2 * i) * static_cast<uint64_t>(2 * i + 1)
                                : static_cast<uint64_t>(2 * i - 1) * static_cast<uint64_t>(2 * i);
        uint64_t z = 0;
        widefp_array_idiv(w, w, d, P + 1, &z);
        array_mul_skip(w, S, w, P + 1, zs);  // w*S, without S's zero words
        widefp_array_2s_complement(w, w, P + 1);
    }
    if (w[0] == 0) {
        widefp_sll_onebit(w, P + 1);
        w[0] = kBias - 1;
    } else {
        w[0] = kBias;
    }
}

// The common entry: special values, reduction, series, sign.
uint64_t sin_or_cos(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work, bool sine) {
    const char *who = sine ? "sin" : "cos";
    check_precision(who, p);
    std::memset(work, 0, (2 * p + 4) * sizeof(uint64_t));
    const uint64_t e = x[0] & kExpMask;
    if (e == 0) {  // sin(+-0) = +-0, cos(+-0) = 1
        y[0] = sine ? x[0] : kBias;
        std::memset(y + 1, 0, p * sizeof(uint64_t));
        return 0;
    }
    if (e == kExpMask)
        widefp_fatal("widefp:domain", sine ? "sin : domain error, argument is infinite\n"
                                           : "cos : domain error, argument is infinite\n");
    if (unbiased(x[0]) > kMaxExponent)
        widefp_fatal("widefp:range", sine ? "sin : argument too large (|x| >= 2^65536)\n"
                                          : "cos : argument too large (|x| >= 2^65536)\n");
    const uint64_t P = p + 1;
    if (unbiased(x[0]) < -32 * static_cast<int64_t>(P)) return tiny(y, x, p, sine);
    uint64_t *W = work, *R = work + p + 2;
    const bool negative = (x[0] & kSign) != 0;
    int64_t k = 0;
    const int q = reduce_magnitude(x, p, work, 3, &k);  // |x| = 2m(pi/4) + R, q = m mod 4
    // sin: q odd takes the cosine series, q = 2, 3 flip the sign (and so does x < 0).
    // cos: q odd takes the sine series, q = 1, 2 flip the sign.
    const bool use_sine = sine == ((q & 1) == 0);
    if (use_sine)
        widefp_array_sin(R, W, P);
    else
        widefp_array_cos(R, W, P);
    const bool flip = sine ? ((q >= 2) != negative) : (q == 1 || q == 2);
    if (flip) W[0] ^= kSign;
    std::memcpy(y, W, (p + 1) * sizeof(uint64_t));
    return W[p + 1];
}

}  // namespace

extern "C" {

uint64_t widefp_float_sincos_work_size(uint64_t p) { return 2 * p + 5; }

// w (precision P) = cos r for |r| <= pi/4 (fraction words 1..P read); up to
// |r| < 1 with more terms.
void widefp_array_cos(const uint64_t *r, uint64_t *w, uint64_t P) {
    check_precision("array_cos", P, kMaxPrecision + 1);
    uint64_t S[kMaxWords];
    const int64_t N = series_start(r, w, S, P, false);
    if (N < 0) {  // cos r = 1 to the last word
        w[0] = kBias;
        std::memset(w + 1, 0, P * sizeof(uint64_t));
        return;
    }
    horner(w, S, N, P, false);
}

// w (precision P) = sin r for |r| <= pi/4, with r's sign; up to |r| < 1 with
// more terms.
void widefp_array_sin(const uint64_t *r, uint64_t *w, uint64_t P) {
    check_precision("array_sin", P, kMaxPrecision + 1);
    uint64_t S[kMaxWords];
    const int64_t N = series_start(r, w, S, P, true);
    if (N < 0) {  // sin r = r to the last word
        std::memmove(w, r, (P + 1) * sizeof(uint64_t));
        return;
    }
    horner(w, S, N, P, true);
    widefp_float_mul(w, r, w, P);  // sin r = r (sin r / r), sign of r
}

// y = sin x, cos x at precision p; return the next word of the
// precision-(p+1) result.  work: 2p+5 words.  y may be x.  Infinite x ends
// in widefp_fatal("widefp:domain", ...), |x| >= 2^65536 in "widefp:range".
// For 0 < |x| < 2^(-32(p+1)) the result is the truncation of the exact value
// (one unit below |x| or 1) with the guard 0xff...fe.
uint64_t widefp_float_sin(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work) {
    return sin_or_cos(y, x, p, work, true);
}

uint64_t widefp_float_cos(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work) {
    return sin_or_cos(y, x, p, work, false);
}

}  // extern "C"
