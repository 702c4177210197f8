// wr_div -- element-wise quotients: wr_div(R, X, Y, count, p).
#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_div", nrhs, prhs, 5);
    const uint64_t p = args.precision(4, 1, wr::max_count);
    const uint64_t count = args.count(3, "count");
    uint64_t *R = args.elements(0, count, p, "R");
    const uint64_t *X = args.elements(1, count, p, "X");
    const uint64_t *Y = args.elements(2, count, p, "Y");
    // R = X or R = Y is element by element; a partial overlap is not.
    if (R != X) args.require_disjoint(0, 1);
    if (R != Y) args.require_disjoint(0, 2);
    widefp_float_div_all(R, X, Y, count, p);
}
