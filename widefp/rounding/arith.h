// arith.h -- internals of the correctly rounded arithmetic: the rounding of
// short exact results, and what other parts of the library share (the
// product whose guard word is exact about the half, for the rounded products
// of the element loops).
#ifndef WIDEFP_ROUNDING_ARITH_H
#define WIDEFP_ROUNDING_ARITH_H

#include <atomic>
#include <cstdint>

#include "kernel/divword.h"
#include "rounding/ziv.h"

namespace widefp::rnd {

// ---- one-word division steps (as in the division kernel) --------------------------

// floor((2^192 - 1) / (d1, d0)) - 2^64 for d1's top bit set.
inline uint64_t inverse_3by2(uint64_t d1, uint64_t d0) {
    uint64_t rest;
    uint64_t v = div_word(~d1, ~uint64_t{0}, d1, &rest);  // at least the wanted value, a few above at most
    for (;;) {  // (2^64 + v)(d1, d0) >= 2^192 ?
        const u128 a = static_cast<u128>(v) * d0;
        const u128 b = static_cast<u128>(v) * d1;
        const u128 w1 = static_cast<u128>(static_cast<uint64_t>(a >> 64)) + static_cast<uint64_t>(b) + d0;
        const u128 w2 = static_cast<u128>(static_cast<uint64_t>(b >> 64)) + d1 + static_cast<uint64_t>(w1 >> 64);
        if ((w2 >> 64) == 0) return v;
        --v;
    }
}

// floor((n2, n1, n0) / (d1, d0)) for (n2, n1) < (d1, d0), v its inverse;
// *rem receives the remainder.
inline uint64_t div_3by2(uint64_t n2, uint64_t n1, uint64_t n0, uint64_t d1, uint64_t d0, uint64_t v, u128 *rem) {
    const u128 qq = static_cast<u128>(v) * n2 + ((static_cast<u128>(n2) << 64) | n1);
    uint64_t q = static_cast<uint64_t>(qq >> 64);
    const uint64_t q0 = static_cast<uint64_t>(qq);
    const uint64_t r1 = n1 - d1 * q;
    u128 r = ((static_cast<u128>(r1) << 64) | n0) - ((static_cast<u128>(d1) << 64) | d0);
    r -= static_cast<u128>(d0) * q;
    ++q;
    const u128 dd = (static_cast<u128>(d1) << 64) | d0;
    if (static_cast<uint64_t>(r >> 64) >= q0) {
        --q;
        r += dd;
    }
    if (r >= dd) {
        ++q;
        r -= dd;
    }
    *rem = r;
    return q;
}

// floor((n2, n1, n0) / (d1, d0)), or 2^64 - 1 when that does not fit.
inline uint64_t estimate_3by2(uint64_t n2, uint64_t n1, uint64_t n0, uint64_t d1, uint64_t d0, uint64_t v) {
    u128 rem;
    return (n2 > d1 || (n2 == d1 && n1 >= d0)) ? ~uint64_t{0} : div_3by2(n2, n1, n0, d1, d0, v, &rem);
}


// y = (-1)^neg 1.f 2^e rounded to p words, f (p words, not inside y) with
// an exact guard word g as round_value takes it: round_value's result, the
// common case written out for the one- and two-word paths.
inline int round_short(uint64_t *y, uint64_t p, bool neg, int64_t e, const uint64_t *f, uint64_t g, int mode) {
    if (e <= kEmin || e >= kEmax) return round_value(y, p, neg, e, f, p, g, mode);
    y[0] = (neg ? kSign : 0) | static_cast<uint64_t>(e + static_cast<int64_t>(kBias));
    for (uint64_t j = 0; j < p; ++j) y[j + 1] = f[j];
    if (g == 0) return 0;
    const int up = neg ? -1 : 1;
    if (!(mode == WIDEFP_RNDN ? g > kHalf || (g == kHalf && (f[p - 1] & 1)) : away_from_zero(neg, mode))) return -up;
    uint64_t j = p;
    while (j >= 1 && ++y[j] == 0) --j;
    if (j == 0) ++y[0];  // 2^(e+1), inside the range
    return up;
}

// c = a*b truncated to p words (p >= 1) as widefp_float_mul stores it,
// specials, range and aliasing alike, returning a guard word that
// widefp_float_round_near rounds correctly: below kHalf, kHalf or above it
// exactly as the exact product's tail is (an underflowed product: as the
// kernel's exact underflow guard is).  Where widefp_float_mul's guard word
// lies within its error bound of the half, the product is formed exactly.
uint64_t mul_guard_near(uint64_t *c, const uint64_t *a, const uint64_t *b, uint64_t p);

// Attempts of widefp_rnd_pow_si's Ziv loop beyond the first, since the
// start (statistics for the tests; relaxed increments on the retry path only).
extern std::atomic<uint64_t> pow_si_retries;

}  // namespace widefp::rnd

#endif  // WIDEFP_ROUNDING_ARITH_H
