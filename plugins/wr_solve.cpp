// wr_solve -- solution of A*X = B by elimination with partial pivoting and
// back substitution: wr_solve(M, n, r, p, work).
#include <cstring>

#include "wr_plugin.h"

namespace wr {
namespace {



}  // namespace

// M is n x (n+r) by rows: A in the left n columns, B in the right r.  Forward
// elimination with partial pivoting (first of equal magnitudes wins; rows
// exchanged over columns k..n+r-1) and back substitution over the r right
// columns, every step truncating; on return the right columns hold
// X = A^-1 * B and the left part the upper triangular factor.  A zero pivot
// is divided by, giving infinities.  r = 0 only triangularises A.  work: the
// two elements t0 and t1.  p >= 2.
void solve(uint64_t *M, uint64_t n, uint64_t r, uint64_t p, uint64_t *work) {
    const uint64_t w = p + 1;
    const uint64_t cols = n + r;
    auto el = [=](uint64_t i, uint64_t c) { return M + (i * cols + c) * w; };
    uint64_t *t0 = work;
    uint64_t *t1 = work + w;

    for (uint64_t k = 0; k + 1 < n; ++k) {
        uint64_t q = k;
        copy_abs(t0, el(k, k), p);
        for (uint64_t i = k + 1; i < n; ++i) {
            copy_abs(t1, el(i, k), p);
            if (widefp_float_lt(t0, t1, p)) {
                q = i;
                copy(t0, t1, p);
            }
        }
        if (q != k) {
            for (uint64_t c = k; c < cols; ++c) {
                copy(t1, el(q, c), p);
                copy(el(q, c), el(k, c), p);
                copy(el(k, c), t1, p);
            }
        }
        for (uint64_t i = k + 1; i < n; ++i) {
            widefp_float_div(t0, el(i, k), el(k, k), p);
            for (uint64_t c = k + 1; c < cols; ++c) {
                widefp_float_mul(t1, t0, el(k, c), p);
                widefp_float_sub(el(i, c), el(i, c), t1, p);
            }
            set_zero(el(i, k), p);
        }
    }

    for (uint64_t k = n; k-- > 0;) {
        for (uint64_t c = n; c < cols; ++c) {
            uint64_t *x = el(k, c);
            for (uint64_t j = k + 1; j < n; ++j) {
                widefp_float_mul(t0, el(k, j), el(j, c), p);
                widefp_float_sub(x, x, t0, p);
            }
            widefp_float_div(x, x, el(k, k), p);
        }
    }
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
