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
