// wr_det -- determinant by elimination with partial pivoting: wr_det(A, n, p, det).
// A (n x n by rows) is overwritten; det may be an element of A.
#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_det", nrhs, prhs, 4);
    const uint64_t p = args.precision(2, 2, wr::max_count);
    const uint64_t n = args.count(1, "n");
    uint64_t *A = args.elements(0, n * n, p, "A");
    uint64_t *d = args.elements(3, 1, p, "det");
    auto work = wr::heap_words(widefp_matrix_det_work_size(p));
    widefp_matrix_det(d, A, n, p, work.get());
}
