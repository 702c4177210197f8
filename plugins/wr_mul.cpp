// wr_mul -- one product rounded to nearest: wr_mul(C, A, B, p).  Any of the
// three may be the same array.
#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_mul", nrhs, prhs, 4);
    const uint64_t p = args.precision(3, 2, wr::max_count);
    uint64_t *C = args.elements(0, 1, p, "C");
    const uint64_t *A = args.elements(1, 1, p, "A");
    const uint64_t *B = args.elements(2, 1, p, "B");
    widefp_float_mul_near(C, A, B, p);
}
