// wr_div -- element-wise quotients: wr_div(R, X, Y, count, p).
#include "wr_plugin.h"

namespace wr {

// R_i = X_i / Y_i (truncated) for i < count; p >= 1.  A zero or infinite
// quotient gets all its fraction words cleared (the library writes word 0
// only), so R holds no stale words.  x/0 is an infinity and 0/0 too: callers
// that want those refused check the operands first.  R may be X or Y.
void div(uint64_t *R, const uint64_t *X, const uint64_t *Y, uint64_t count, uint64_t p) {
    const uint64_t w = p + 1;
    for (uint64_t i = 0; i < count; ++i) {
        uint64_t *r = R + i * w;
        widefp_float_div(r, X + i * w, Y + i * w, p);
        const uint64_t e = r[0] & kExpBits;
        if (e == 0 || e == kExpBits) std::memset(r + 1, 0, p * sizeof(uint64_t));
    }
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_div", nrhs, prhs, 5);
    const uint64_t p = args.precision(4, 1, wr::max_count);
    const uint64_t count = args.count(3, "count");
    uint64_t *R = args.elements(0, count, p, "R");
    const uint64_t *X = args.elements(1, count, p, "X");
    const uint64_t *Y = args.elements(2, count, p, "Y");
    wr::div(R, X, Y, count, p);
}
#endif
