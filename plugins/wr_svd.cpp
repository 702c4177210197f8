// wr_svd -- singular value decomposition: wr_svd(A, m, n, p, U, s, V, uflag, vflag[, max_sweeps]).
// A (m x n, by rows, destroyed) = U diag(s) V^T; U (m x min(m,n)) and V
// (n x n) by rows, written only under their flags (truncated to 32-bit
// integers, nonzero means yes).  The optional tenth argument bounds the QR
// sweeps spent on one singular value; past it the call raises
// "widefp:convergence" and the arrays hold an unfinished state.
#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_svd", nrhs, prhs, 9, 10);
    const uint64_t m = args.count(1, "m");
    const uint64_t n = args.count(2, "n");
    const uint64_t p = args.precision(3, 2, wr::max_count);
    const int uflag = static_cast<int32_t>(static_cast<uint32_t>(args.count(7, "U flag", 0, UINT64_MAX)));
    const int vflag = static_cast<int32_t>(static_cast<uint32_t>(args.count(8, "V flag", 0, UINT64_MAX)));
    const uint64_t bound =
        args.count() > 9 ? args.count(9, "sweep bound", 0, UINT64_MAX) : widefp_matrix_svd_sweep_bound(p);
    const uint64_t cu = m < n ? m : n;
    const uint64_t q = (m == 0 || n == 0) ? 0 : (n < m + 1 ? n : m + 1);
    uint64_t *A = args.elements(0, m * n, p, "A");
    uint64_t *U = args.elements(4, uflag ? m * cu : 0, p, "U");
    uint64_t *s = args.elements(5, q, p, "s");
    uint64_t *V = args.elements(6, vflag ? n * n : 0, p, "V");
    args.require_disjoint({0, 4, 5, 6});
    auto work = wr::heap_words(q ? widefp_matrix_svd_work_size(m, n, p) : 1);
    if (widefp_matrix_svd(s, U, V, nullptr, A, m, n, uflag, vflag, bound, p, work.get()) != 0)
        args.fail("widefp:convergence", "no convergence within %llu QR sweeps for one singular value",
                  static_cast<unsigned long long>(bound));
}
