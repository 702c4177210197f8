// wr_lu -- LU factorisation with partial pivoting, Crout's column ordering:
// wr_lu(A, m, n, index, p, work).
#include <algorithm>
#include <cstring>

#include "wr_plugin.h"

namespace wr {
// A is m x n by rows.  work holds m+2 elements: col (a copy of the current
// column, m elements), the accumulator s and the scratch t.  For each column
// j: col = A(:, j); for each row i, col[i] -= sum over k < min(i, j) of
// A(i, k) * col[k] (accumulated from +0, truncating), A(i, j) = col[i]; then
// the pivot is the first row from j down whose |col| is strictly the largest;
// rows are exchanged over all n columns (and in index); the entries below a
// nonzero pivot are multiplied by 1/pivot.  A zero pivot leaves its column as
// computed.  On return A holds U on and above the diagonal and the
// multipliers of the unit lower triangular L below it; index[i] is the
// original number of the row now in position i, so P*A = L*U.  p >= 2.
void lu(uint64_t *A, uint64_t m, uint64_t n, int64_t *index, uint64_t p, uint64_t *work) {
    const uint64_t w = p + 1;
    auto a = [=](uint64_t i, uint64_t j) { return A + (i * n + j) * w; };
    uint64_t *col = work;
    uint64_t *s = work + m * w;
    uint64_t *t = s + w;

    for (uint64_t i = 0; i < m; ++i) index[i] = static_cast<int64_t>(i);
    for (uint64_t j = 0; j < n; ++j) {
        for (uint64_t i = 0; i < m; ++i) copy(col + i * w, a(i, j), p);
        for (uint64_t i = 0; i < m; ++i) {
            const uint64_t kk = std::min(i, j);
            set_zero(s, p);
            for (uint64_t k = 0; k < kk; ++k) {
                widefp_float_mul(t, a(i, k), col + k * w, p);
                widefp_float_add(s, s, t, p);
            }
            widefp_float_sub(col + i * w, col + i * w, s, p);
            copy(a(i, j), col + i * w, p);
        }
        if (j >= m) continue;  // no row j: nothing to pivot or scale

        uint64_t piv = j;
        copy_abs(s, col + j * w, p);
        for (uint64_t i = j + 1; i < m; ++i) {
            copy_abs(t, col + i * w, p);
            if (widefp_float_lt(s, t, p)) {
                piv = i;
                copy(s, t, p);
            }
        }
        if (piv != j) {
            for (uint64_t c = 0; c < n; ++c) {
                copy(t, a(piv, c), p);
                copy(a(piv, c), a(j, c), p);
                copy(a(j, c), t, p);
            }
            std::swap(index[piv], index[j]);
        }
        const uint64_t *pivot = a(j, j);
        if ((pivot[0] & ~kSignBit) != 0) {
            set_one(t, p);
            widefp_float_div(s, t, pivot, p);
            for (uint64_t i = j + 1; i < m; ++i) widefp_float_mul(a(i, j), a(i, j), s, p);
        }
    }
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_lu", nrhs, prhs, 6);
    const uint64_t p = args.precision(4, 2, wr::max_count);
    const uint64_t m = args.count(1, "m");
    const uint64_t n = args.count(2, "n");
    uint64_t *A = args.elements(0, m * n, p, "A");
    int64_t *index = args.int64s(3, m, "index");
    uint64_t *work = args.elements(5, m + 2, p, "work");
    wr::lu(A, m, n, index, p, work);
}
#endif
