// wr_prod -- products of groups of consecutive elements: wr_prod(R, X, n, count, p).
#include <cstring>

#include "wr_plugin.h"

namespace wr {

// R_i = X_{i*n} * X_{i*n+1} * ... * X_{i*n+n-1} for i < count, multiplied
// strictly left to right with truncation after every product; p >= 2.  n = 0
// behaves like n = 1 (a copy of X_{i*n}).
void prod(uint64_t *R, const uint64_t *X, uint64_t n, uint64_t count, uint64_t p) {
    fold_groups(R, X, n, count, p, &widefp_float_mul);
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_prod", nrhs, prhs, 5);
    const uint64_t p = args.precision(4, 2, wr::max_count);
    const uint64_t n = args.count(2, "n");
    const uint64_t count = args.count(3, "count");
    const uint64_t x_elements = wr::group_elements(count, n);
    uint64_t *R = args.elements(0, count, p, "R");
    const uint64_t *X = args.elements(1, x_elements, p, "X");
    wr::prod(R, X, n, count, p);
}
#endif
