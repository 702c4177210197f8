// wr_inv -- inverse by elimination on [A | I] with partial pivoting and back
// substitution: wr_inv(M, n, p, work).
#include <cstring>

#include "wr_plugin.h"

namespace wr {
namespace {



}  // namespace

// M is n x 2n by rows; the left half holds A.  The right half becomes the
// identity, then forward elimination with partial pivoting (first of equal
// magnitudes wins; rows exchanged over columns k..2n-1) runs over every
// column right of the pivot, each multiplier t0 = M(i,k)/M(k,k), each update
// M(i,c) -= t0*M(k,c), truncating; then back substitution column by column of
// the right half.  A zero pivot is divided by, giving infinities.  work: the
// two elements t0 and t1.  p >= 2.
void inv(uint64_t *M, uint64_t n, uint64_t p, uint64_t *work) {
    const uint64_t w = p + 1;
    const uint64_t cols = 2 * n;
    auto el = [=](uint64_t i, uint64_t c) { return M + (i * cols + c) * w; };
    uint64_t *t0 = work;
    uint64_t *t1 = work + w;

    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t c = 0; c < n; ++c) {
            if (i == c)
                set_one(el(i, n + c), p);
            else
                set_zero(el(i, n + c), p);
        }

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
        for (uint64_t c = 0; c < n; ++c) {
            uint64_t *x = el(k, n + c);
            for (uint64_t j = k + 1; j < n; ++j) {
                widefp_float_mul(t0, el(k, j), el(j, n + c), p);
                widefp_float_sub(x, x, t0, p);
            }
            widefp_float_div(x, x, el(k, k), p);
        }
    }
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
