// wr_inv -- inverse by elimination on [A | I] with partial pivoting and back
// substitution: wr_inv(M, n, p, work).
#include <cstring>

#include "wr_plugin.h"

namespace wr {
// M is n x 2n by rows; the left half holds A.  The right half becomes the
// identity, then forward elimination with partial pivoting (first of equal
// magnitudes wins; rows exchanged over columns k..2n-1) runs over every
// column right of the pivot, each multiplier t0 = M(i,k)/M(k,k), each update
// M(i,c) -= t0*M(k,c), truncating; then back substitution column by column of
// the right half.  A zero pivot is divided by, giving infinities.  work: the
// two elements t0 and t1.  p >= 2.
void inv(uint64_t *M, uint64_t n, uint64_t p, uint64_t *work) {
    const RowMatrix a{M, 2 * n, p + 1};
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t c = 0; c < n; ++c) {
            if (i == c)
                set_one(a(i, n + c), p);
            else
                set_zero(a(i, n + c), p);
        }
    solve_in_place(a, n, p, work, work + p + 1);
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_inv", nrhs, prhs, 4);
    const uint64_t p = args.precision(2, 2, wr::max_count);
    const uint64_t n = args.count(1, "n");
    uint64_t *M = args.elements(0, 2 * n * n, p, "M");
    uint64_t *work = args.elements(3, 2, p, "work");
    wr::inv(M, n, p, work);
}
#endif
