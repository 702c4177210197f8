// wr_dot -- dot product of the two halves of an element array: wr_dot(r, V, n, p, t).
#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_dot", nrhs, prhs, 5);
    const uint64_t p = args.precision(3, 2, wr::max_count);
    const uint64_t n = args.count(2, "n");
    uint64_t *r = args.elements(0, 1, p, "r");
    const uint64_t *V = args.elements(1, 2 * n, p, "V");
    uint64_t *t = args.elements(4, 1, p, "t");
    args.require_disjoint({0, 1, 4});
    widefp_float_dot(r, V, V + n * (p + 1), n, p, t);
}
