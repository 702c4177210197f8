// wr_matmul -- matrix product C = A*B: wr_matmul(C, A, B, m, k, n, p, t).
#include <cstring>

#include "wr_plugin.h"

namespace wr {

// A (m x k) is stored by rows, B (k x n) and C (m x n) by columns, so every
// C(i, j) is the product of two contiguous runs of k elements.  C is cleared
// first; then for i < m (outermost), j < n, l < k (innermost):
// t = A(i, l) * B(l, j), C(i, j) = C(i, j) + t, truncating each step.
// t is the one work element; p >= 2.
void matmul(uint64_t *C, const uint64_t *A, const uint64_t *B, uint64_t m, uint64_t k, uint64_t n,
            uint64_t p, uint64_t *t) {
    const uint64_t w = p + 1;
    std::memset(C, 0, m * n * w * sizeof(uint64_t));
    for (uint64_t i = 0; i < m; ++i) {
        const uint64_t *arow = A + i * k * w;
        for (uint64_t j = 0; j < n; ++j) {
            const uint64_t *bcol = B + j * k * w;
            uint64_t *c = C + (j * m + i) * w;
            for (uint64_t l = 0; l < k; ++l) {
                widefp_float_mul(t, arow + l * w, bcol + l * w, p);
                widefp_float_add(c, c, t, p);
            }
        }
    }
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_matmul", nrhs, prhs, 8);
    const uint64_t p = args.precision(6, 2, wr::max_count);
    const uint64_t m = args.count(3, "m");
    const uint64_t k = args.count(4, "k");
    const uint64_t n = args.count(5, "n");
    uint64_t *C = args.elements(0, m * n, p, "C");
    const uint64_t *A = args.elements(1, m * k, p, "A");
    const uint64_t *B = args.elements(2, k * n, p, "B");
    uint64_t *t = args.elements(7, 1, p, "t");
    wr::matmul(C, A, B, m, k, n, p, t);
}
#endif
