// wr_solve -- solution of A*X = B by elimination with partial pivoting and
// back substitution: wr_solve(M, n, r, p, work).
#include <cstring>

#include "wr_plugin.h"

namespace wr {
// M is n x (n+r) by rows: A in the left n columns, B in the right r.  Forward
// elimination with partial pivoting (first of equal magnitudes wins; rows
// exchanged over columns k..n+r-1) and back substitution over the r right
// columns, every step truncating; on return the right columns hold
// X = A^-1 * B and the left part the upper triangular factor.  A zero pivot
// is divided by, giving infinities.  r = 0 only triangularises A.  work: the
// two elements t0 and t1.  p >= 2.
void solve(uint64_t *M, uint64_t n, uint64_t r, uint64_t p, uint64_t *work) {
    solve_in_place(RowMatrix{M, n + r, p + 1}, n, p, work, work + p + 1);
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_solve", nrhs, prhs, 5);
    const uint64_t p = args.precision(3, 2, wr::max_count);
    const uint64_t n = args.count(1, "n");
    const uint64_t r = args.count(2, "r");
    uint64_t *M = args.elements(0, n * (n + r), p, "M");
    uint64_t *work = args.elements(4, 2, p, "work");
    wr::solve(M, n, r, p, work);
}
#endif
