// wr_sum_all -- the sum of a whole element array: wr_sum_all(R, X, count, p).
#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_sum_all", nrhs, prhs, 4);
    const uint64_t p = args.precision(3, 1, wr::max_count);
    const uint64_t count = args.count(2, "count");
    uint64_t *R = args.elements(0, 1, p, "R");
    const uint64_t *X = args.elements(1, count ? count : 1, p, "X");
    if (R != X) args.require_disjoint(0, 1);  // R = X_0 is a running sum in place
    widefp_float_sum_all(R, X, count, p);
}
