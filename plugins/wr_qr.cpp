// wr_qr -- Householder QR factorisation: wr_qr(A, m, n, p, Q, R, qflag, rflag).
// A, Q (m x n) and R (min(m,n) x n) by rows; flags truncated to 32-bit
// integers, nonzero means yes.
#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_qr", nrhs, prhs, 8);
    const uint64_t m = args.count(1, "m");
    const uint64_t n = args.count(2, "n");
    const uint64_t p = args.precision(3, 2, wr::max_count);
    const int qflag = static_cast<int32_t>(static_cast<uint32_t>(args.count(6, "Q flag", 0, UINT64_MAX)));
    const int rflag = static_cast<int32_t>(static_cast<uint32_t>(args.count(7, "R flag", 0, UINT64_MAX)));
    const uint64_t q = m < n ? m : n;
    uint64_t *A = args.elements(0, m * n, p, "A");
    uint64_t *Q = args.elements(4, qflag ? m * n : 0, p, "Q");
    uint64_t *R = args.elements(5, rflag ? q * n : 0, p, "R");
    args.require_disjoint({0, 4, 5});
    auto work = wr::heap_words(widefp_matrix_qr_work_size(n, p));
    widefp_matrix_qr(A, Q, R, m, n, qflag, rflag, p, work.get());
}
