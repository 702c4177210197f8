// wr_prod -- products of groups of consecutive elements: wr_prod(R, X, n, count, p).
#include <cstring>

#include "wr_plugin.h"

namespace wr {

// R_i = X_{i*n} * X_{i*n+1} * ... * X_{i*n+n-1} for i < count, multiplied
// strictly left to right with truncation after every product; p >= 2.  n = 0
// behaves like n = 1 (a copy of X_{i*n}).
void prod(uint64_t *R, const uint64_t *X, uint64_t n, uint64_t count, uint64_t p) {
    const uint64_t w = p + 1;
    for (uint64_t i = 0; i < count; ++i) {
        uint64_t *r = R + i * w;
        const uint64_t *g = X + i * n * w;
        std::memmove(r, g, w * sizeof(uint64_t));
        for (uint64_t j = 1; j < n; ++j) widefp_float_mul(r, r, g + j * w, p);
    }
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_prod", nrhs, prhs, 5);
    const uint64_t p = args.precision(4, 2, wr::max_count);
    const uint64_t n = args.count(2, "n");
    const uint64_t count = args.count(3, "count");
    const uint64_t x_elements = count == 0 ? 0 : (count - 1) * n + (n ? n : 1);
    uint64_t *R = args.elements(0, count, p, "R");
    const uint64_t *X = args.elements(1, x_elements, p, "X");
    wr::prod(R, X, n, count, p);
}
#endif
