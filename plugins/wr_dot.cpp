// wr_dot -- dot product of the two halves of an element array: wr_dot(r, V, n, p, t).
#include <cstring>

#include "wr_plugin.h"

namespace wr {

// r = sum of V_i * V_{n+i} for i < n, from i = 0 upward, starting from +0
// (all words zero) and truncating after every product and every addition.
// t is the one work element the products are formed in; p >= 2.
void dot(uint64_t *r, const uint64_t *V, uint64_t n, uint64_t p, uint64_t *t) {
    const uint64_t w = p + 1;
    std::memset(r, 0, w * sizeof(uint64_t));
    const uint64_t *y = V + n * w;
    for (uint64_t i = 0; i < n; ++i) {
        widefp_float_mul(t, V + i * w, y + i * w, p);
        widefp_float_add(r, r, t, p);
    }
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_dot", nrhs, prhs, 5);
    const uint64_t p = args.precision(3, 2, wr::max_count);
    const uint64_t n = args.count(2, "n");
    uint64_t *r = args.elements(0, 1, p, "r");
    const uint64_t *V = args.elements(1, 2 * n, p, "V");
    uint64_t *t = args.elements(4, 1, p, "t");
    wr::dot(r, V, n, p, t);
}
#endif
