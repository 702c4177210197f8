// wr_matmul -- matrix product C = A*B: wr_matmul(C, A, B, m, k, n, p, t).
// A (m x k) by rows, B (k x n) and C (m x n) by columns.
#include "wr_plugin.h"

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
    args.require_disjoint({0, 1, 7});  // A and B are only read: they may be one array
    args.require_disjoint({0, 2, 7});
    widefp_matrix_mul(C, A, B, m, k, n, p, t);
}
