// wr_inv -- inverse by elimination on [A | I] with partial pivoting and back
// substitution: wr_inv(M, n, p, work).  M is n x 2n by rows.
#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_inv", nrhs, prhs, 4);
    const uint64_t p = args.precision(2, 2, wr::max_count);
    const uint64_t n = args.count(1, "n");
    uint64_t *M = args.elements(0, 2 * n * n, p, "M");
    uint64_t *work = args.words(3, widefp_matrix_inv_work_size(p), "work");
    args.require_disjoint(0, 3);
    widefp_matrix_inv(M, n, p, work);
}
