// wr_scale -- every element times one number: wr_scale(R, X, s, count, p).
#include "wr_plugin.h"

namespace wr {

// R_i = X_i * s (truncated) for i < count; p >= 2.
void scale(uint64_t *R, const uint64_t *X, const uint64_t *s, uint64_t count, uint64_t p) {
    const uint64_t w = p + 1;
    for (uint64_t i = 0; i < count; ++i) widefp_float_mul(R + i * w, X + i * w, s, p);
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_scale", nrhs, prhs, 5);
    const uint64_t p = args.precision(4, 2, wr::max_count);
    const uint64_t count = args.count(3, "count");
    uint64_t *R = args.elements(0, count, p, "R");
    const uint64_t *X = args.elements(1, count, p, "X");
    const uint64_t *s = args.elements(2, 1, p, "s");
    wr::scale(R, X, s, count, p);
}
#endif
