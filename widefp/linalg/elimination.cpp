// elimination.cpp -- Gaussian elimination with partial pivoting: LU
// factorisation (Crout's column order), inverse, linear solve, determinant.
// Every operation truncates.
#include <algorithm>

#include "matrix.h"

namespace {

using namespace widefp::linalg;

// The pivot among x[k..n-1]: the first i of strictly largest magnitude; t0
// receives |x[i]|, t1 is scratch.
uint64_t pivot_row(Vec x, uint64_t k, uint64_t n, uint64_t p, uint64_t *t0, uint64_t *t1) {
    uint64_t q = k;
    copy_abs(t0, x[k], p);
    for (uint64_t i = k + 1; i < n; ++i) {
        copy_abs(t1, x[i], p);
        if (widefp_float_lt(t0, t1, p)) {
            q = i;
            copy(t0, t1, p);
        }
    }
    return q;
}

// Exchanges rows q and k over columns from..cols-1 through the scratch
// element t.  (Zero results of the arithmetic leave their fraction words as
// they were, so what scratch elements hold is part of the bit pattern of a
// zero result: the steps keep one order of scratch use.)
void exchange_rows(const Matrix &a, uint64_t q, uint64_t k, uint64_t from, uint64_t p, uint64_t *t) {
    for (uint64_t c = from; c < a.cols; ++c) {
        copy(t, a(q, c), p);
        copy(a(q, c), a(k, c), p);
        copy(a(k, c), t, p);
    }
}

// For each row i > k: t0 = a(i,k)/a(k,k), a(i,c) -= t0*a(k,c) for c > k,
// a(i,k) = 0.
void eliminate_below(const Matrix &a, uint64_t k, uint64_t n, uint64_t p, uint64_t *t0, uint64_t *t1) {
    for (uint64_t i = k + 1; i < n; ++i) {
        widefp_float_div(t0, a(i, k), a(k, k), p);
        for (uint64_t c = k + 1; c < a.cols; ++c) {
            widefp_float_mul(t1, t0, a(k, c), p);
            widefp_float_sub(a(i, c), a(i, c), t1, p);
        }
        set_zero(a(i, k), p);
    }
}

// Forward elimination of the n x n left part across all columns, then back
// substitution of columns n..cols-1 through the upper triangle.
void solve_in_place(const Matrix &a, uint64_t n, uint64_t p, uint64_t *t0, uint64_t *t1) {
    for (uint64_t k = 0; k + 1 < n; ++k) {
        const uint64_t q = pivot_row(column(a, 0, k), k, n, p, t0, t1);
        if (q != k) exchange_rows(a, q, k, k, p, t1);
        eliminate_below(a, k, n, p, t0, t1);
    }
    for (uint64_t k = n; k-- > 0;) {
        for (uint64_t c = n; c < a.cols; ++c) {
            uint64_t *x = a(k, c);
            for (uint64_t j = k + 1; j < n; ++j) {
                widefp_float_mul(t0, a(k, j), a(j, c), p);
                widefp_float_sub(x, x, t0, p);
            }
            widefp_float_div(x, x, a(k, k), p);
        }
    }
}

}  // namespace

extern "C" uint64_t widefp_matrix_lu_work_size(uint64_t m, uint64_t p) {
    return m > UINT64_MAX - 2 ? UINT64_MAX : words_for(m + 2, p);
}

// Work: col (a copy of the current column, m elements), the accumulator s
// and the scratch t.  For each column j: col[i] -= sum over k < min(i, j) of
// A(i,k) col[k] (from +0), A(i,j) = col[i]; pivot over col[j..m-1]; rows
// exchanged over all n columns; entries below a nonzero pivot times
// 1/pivot.  A zero pivot leaves its column as computed.
extern "C" void widefp_matrix_lu(uint64_t *A, int64_t *index, uint64_t m, uint64_t n, uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && m <= kMaxCount && n <= kMaxCount);
    const uint64_t w = p + 1;
    const Matrix a{A, n, w};
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

        const uint64_t piv = pivot_row(run(col, p), j, m, p, s, t);
        if (piv != j) {
            exchange_rows(a, piv, j, 0, p, t);
            std::swap(index[piv], index[j]);
        }
        const uint64_t *pivot = a(j, j);
        if (!is_zero(pivot)) {
            set_one(t, p);
            widefp_float_div(s, t, pivot, p);
            for (uint64_t i = j + 1; i < m; ++i) widefp_float_mul(a(i, j), a(i, j), s, p);
        }
    }
}

extern "C" uint64_t widefp_matrix_inv_work_size(uint64_t p) { return words_for(2, p); }
extern "C" uint64_t widefp_matrix_solve_work_size(uint64_t p) { return words_for(2, p); }
extern "C" uint64_t widefp_matrix_det_work_size(uint64_t p) { return words_for(2, p); }

extern "C" void widefp_matrix_inv(uint64_t *M, uint64_t n, uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && n <= kMaxCount);
    const Matrix a{M, 2 * n, p + 1};
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t c = 0; c < n; ++c) {
            if (i == c)
                set_one(a(i, n + c), p);
            else
                set_zero(a(i, n + c), p);
        }
    solve_in_place(a, n, p, work, work + p + 1);
}

extern "C" void widefp_matrix_solve(uint64_t *M, uint64_t n, uint64_t r, uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && n <= kMaxCount && r <= kMaxCount);
    solve_in_place(Matrix{M, n + r, p + 1}, n, p, work, work + p + 1);
}

// The product of the pivots is formed in the work array and copied to d at
// the end, so d may be any element of A.
extern "C" void widefp_matrix_det(uint64_t *d, uint64_t *A, uint64_t n, uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && n <= kMaxCount);
    uint64_t *t0 = work;
    uint64_t *t1 = work + p + 1;
    const Matrix a{A, n, p + 1};
    uint64_t swaps = 0;
    for (uint64_t k = 0; k + 1 < n; ++k) {
        const uint64_t q = pivot_row(column(a, 0, k), k, n, p, t0, t1);
        if (t0[0] == 0) {  // no nonzero candidate: singular
            set_zero(d, p);
            return;
        }
        if (q != k) {
            exchange_rows(a, q, k, k, p, t1);
            ++swaps;
        }
        eliminate_below(a, k, n, p, t0, t1);
    }
    set_one(t0, p);
    for (uint64_t k = 0; k < n; ++k) widefp_float_mul(t0, t0, a(k, k), p);
    if (swaps & 1) negate(t0);
    copy(d, t0, p);
}
