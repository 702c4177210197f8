// wr_lu -- LU factorisation with partial pivoting, Crout's column ordering:
// wr_lu(A, m, n, index, p, work).  A by rows; index an int64 array.
#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_lu", nrhs, prhs, 6);
    const uint64_t p = args.precision(4, 2, wr::max_count);
    const uint64_t m = args.count(1, "m");
    const uint64_t n = args.count(2, "n");
    uint64_t *A = args.elements(0, m * n, p, "A");
    int64_t *index = args.int64s(3, m, "index");
    uint64_t *work = args.words(5, widefp_matrix_lu_work_size(m, p), "work");
    args.require_disjoint({0, 3, 5});
    widefp_matrix_lu(A, index, m, n, p, work);
}
