// wr_solve -- solution of A*X = B by elimination with partial pivoting and
// back substitution: wr_solve(M, n, r, p, work).  M = [A | B], n x (n+r) by rows.
#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_solve", nrhs, prhs, 5);
    const uint64_t p = args.precision(3, 2, wr::max_count);
    const uint64_t n = args.count(1, "n");
    const uint64_t r = args.count(2, "r");
    uint64_t *M = args.elements(0, n * (n + r), p, "M");
    uint64_t *work = args.words(4, widefp_matrix_solve_work_size(p), "work");
    args.require_disjoint(0, 4);
    widefp_matrix_solve(M, n, r, p, work);
}
