// wide.h -- inner products accumulated one word wider than their operands,
// for the Cholesky factorisation and the symmetric eigenproblem.
//
// A product of two elements of precision p is stored at precision p+1: the
// truncated product and, as its last word, the guard word of the
// multiplication, which describes the bits cut off to within 2p units of
// that word (see widefp.h).  Sums of such products are accumulated at p+1
// with truncation, so that an inner product of length n below 2^31 is off by
// less than 2^-64p of the sum of its terms' magnitudes (one unit of
// precision p) until it is truncated back to p: the error no longer grows
// with n.
#ifndef WIDEFP_LINALG_WIDE_H
#define WIDEFP_LINALG_WIDE_H

#include "matrix.h"

namespace widefp::linalg {

// Precision p+1 copies: out (p+2 words) = x (precision p), exactly.
inline void widen1(uint64_t *out, const uint64_t *x, uint64_t p) {
    copy(out, x, p);
    out[p + 1] = 0;
}

// out (precision p+1) = x * y (precision p), within 2p units of the last
// word and not above the exact product in magnitude: the guard word g
// bounds the value T cut off by g - 2p <= T < g, so g - 2p (0 when g < 2p)
// is used, which keeps exact products exact.
inline void wide_mul(uint64_t *out, const uint64_t *x, const uint64_t *y, uint64_t p) {
    const uint64_t g = widefp_float_mul(out, x, y, p);
    const uint64_t e = out[0] & kExpBits;
    out[p + 1] = (e == 0 || e == kExpBits || g < 2 * p) ? 0 : g - 2 * p;
}

// acc (precision p+1) += x * y, or -= with `subtract`; t: scratch of p+2 words.
inline void wide_fma(uint64_t *acc, const uint64_t *x, const uint64_t *y, bool subtract, uint64_t p, uint64_t *t) {
    wide_mul(t, x, y, p);
    if (subtract) negate(t);
    widefp_float_add(acc, acc, t, p + 1);
}

// out (precision p) = acc (precision p+1) truncated; out may be acc.
inline void narrow(uint64_t *out, const uint64_t *acc, uint64_t p) {
    if (out != acc) std::memmove(out, acc, (p + 1) * sizeof(uint64_t));
    if (is_zero(out)) std::memset(out + 1, 0, p * sizeof(uint64_t));
}

// Words of the square root's work at precision p+1.
inline uint64_t wide_sqrt_words(uint64_t p) { return sqrt_words(p + 1); }

}  // namespace widefp::linalg

#endif  // WIDEFP_LINALG_WIDE_H
