// wr_sum -- sums of groups of consecutive elements: wr_sum(R, X, n, count, p).
#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_sum", nrhs, prhs, 5);
    const uint64_t p = args.precision(4, 1, wr::max_count);
    const uint64_t n = args.count(2, "n");
    const uint64_t count = args.count(3, "count");
    uint64_t *R = args.elements(0, count, p, "R");
    const uint64_t *X = args.elements(1, wr::group_elements(count, n), p, "X");
    if (R != X) args.require_disjoint(0, 1);  // R = X: each result lands at or before its group
    widefp_float_sum_groups(R, X, n, count, p);
}
