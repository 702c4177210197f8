// householder.h -- the Householder reflection steps shared by the QR
// factorisation and the bidiagonalisation of the SVD.
#ifndef WIDEFP_LINALG_HOUSEHOLDER_H
#define WIDEFP_LINALG_HOUSEHOLDER_H

#include "matrix.h"

namespace widefp::linalg {

// norm = sqrt(x[0]^2 + ... + x[len-1]^2): squares (formed in t) summed in
// acc from +0 in order, then one square root (no scaling); acc may be norm.
// sqrt_work: the square root's work (sqrt_words(p)).  p >= 2.
void house_norm(uint64_t *norm, Vec x, uint64_t len, uint64_t p, uint64_t *acc, uint64_t *t, uint64_t *sqrt_work);

// Turns x into the reflection vector of its own column: when norm is not
// zero, norm takes the sign of x[0] (with minus_zero_negative a -0 counts as
// negative, otherwise as positive), x[i] /= norm and x[0] += 1, so x[0]
// lands in [1, 2].  A zero norm leaves x as it is.  one: an element set to 1.
void house_vector(Vec x, uint64_t len, uint64_t *norm, bool minus_zero_negative, uint64_t p, uint64_t *one);

// Applies the reflection of vector v (first entry v[0] != 0) to y:
// s = -(sum v[i] y[i]) / v[0], then y[i] += s v[i].  s, t: scratch elements.
void house_apply(Vec v, Vec y, uint64_t len, uint64_t p, uint64_t *s, uint64_t *t);

}  // namespace widefp::linalg

#endif  // WIDEFP_LINALG_HOUSEHOLDER_H
