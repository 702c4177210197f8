// rounded.cpp -- one product or one difference rounded to nearest (ties to
// even) from the truncated result and its guard word.
#include "matrix.h"
#include "rounding/arith.h"

// The column product's guard word is exact only to within 2p of its units:
// next to a half unit the product is formed exactly (mul_guard_near), so
// that ties go to even and near-ties the right way.
extern "C" void widefp_float_mul_near(uint64_t *c, const uint64_t *a, const uint64_t *b, uint64_t p) {
    const uint64_t g = widefp::rnd::mul_guard_near(c, a, b, p);
    widefp_float_round_near(c, g, p);
}

extern "C" void widefp_float_sub_near(uint64_t *c, const uint64_t *a, const uint64_t *b, uint64_t p) {
    const uint64_t g = widefp_float_sub(c, a, b, p);
    widefp_float_round_near(c, g, p);
}
