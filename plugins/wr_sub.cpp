// wr_sub -- one difference rounded to nearest: wr_sub(C, A, B, p).
#include "wr_plugin.h"

namespace wr {

// C = A - B rounded to nearest (ties to even) from the truncated difference
// and its guard word.
void sub(uint64_t *C, const uint64_t *A, const uint64_t *B, uint64_t p) {
    uint64_t g = widefp_float_sub(C, A, B, p);
    widefp_float_round_near(C, g, p);
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_sub", nrhs, prhs, 4);
    const uint64_t p = args.precision(3, 1, wr::max_count);
    uint64_t *C = args.elements(0, 1, p, "C");
    const uint64_t *A = args.elements(1, 1, p, "A");
    const uint64_t *B = args.elements(2, 1, p, "B");
    wr::sub(C, A, B, p);
}
#endif
