// trig.h -- the 1 - cos kernel that the sine, cosine and tangent share with the arctangent.
#ifndef WIDEFP_ROUNDING_TRIG_H
#define WIDEFP_ROUNDING_TRIG_H

#include <cstdint>

#include "rounding/ziv.h"

namespace widefp::rnd {

// C (precision n) = 1 - cos r for a widereal r of precision n, 0 < |r| <=
// 0.8; returns the bound of its relative error in units of 2^-64n (r taken
// as exact); scratch: 4(n+2) words.
double one_minus_cos(uint64_t *C, const uint64_t *r, uint64_t n, uint64_t *scratch);

}  // namespace widefp::rnd

#endif  // WIDEFP_ROUNDING_TRIG_H
