// rounded.cpp -- one product or one difference rounded to nearest (ties to
// even) from the truncated result and its guard word.
#include "matrix.h"

extern "C" void widefp_float_mul_near(uint64_t *c, const uint64_t *a, const uint64_t *b, uint64_t p) {
    const uint64_t g = widefp_float_mul(c, a, b, p);
    widefp_float_round_near(c, g, p);
}

extern "C" void widefp_float_sub_near(uint64_t *c, const uint64_t *a, const uint64_t *b, uint64_t p) {
    const uint64_t g = widefp_float_sub(c, a, b, p);
    widefp_float_round_near(c, g, p);
}
