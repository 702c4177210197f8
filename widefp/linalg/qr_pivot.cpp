// qr_pivot.cpp -- Householder QR with optional column pivoting and an
// economy or full Q, and the full singular value decomposition (the economy
// factors completed by an orthonormal complement).  Truncating throughout.
#include <utility>

#include "householder.h"

using namespace widefp::linalg;

namespace {

// Sum of the squares of x[0..len-1] from +0 in order (truncated).
void sum_squares(uint64_t *acc, Vec x, uint64_t len, uint64_t p, uint64_t *t) {
    set_zero(acc, p);
    for (uint64_t i = 0; i < len; ++i) {
        widefp_float_mul(t, x[i], x[i], p);
        widefp_float_add(acc, acc, t, p);
    }
}

void swap_columns(const Matrix &a, uint64_t rows, uint64_t x, uint64_t y, uint64_t p) {
    for (uint64_t i = 0; i < rows; ++i) swap_elements(a(i, x), a(i, y), p);
}

}  // namespace

// Work: t, s, one, d[0..n-1] (R's diagonal), c[0..n-1] (squared norms of
// the remaining columns), then the square root's work.
extern "C" uint64_t widefp_matrix_qrp_work_size(uint64_t m, uint64_t n, uint64_t p) {
    static_cast<void>(m);
    return n > UINT64_MAX / 4 ? UINT64_MAX : add_words(words_for(2 * n + 3, p), sqrt_words(p));
}

extern "C" void widefp_matrix_qrp(uint64_t *A, uint64_t *Q, uint64_t *R, int64_t *perm, uint64_t m, uint64_t n,
                                  uint64_t qcols, int pivot, uint64_t p, uint64_t *work) {
    const uint64_t kk = m < n ? m : n;
    WIDEFP_ASSERTD(p >= 2 && m <= kMaxCount && n <= kMaxCount && kk <= qcols && qcols <= m);
    const uint64_t w = p + 1;
    std::memset(work, 0, widefp_matrix_qrp_work_size(m, n, p) * sizeof(uint64_t));
    uint64_t *t = work, *s = t + w, *one = s + w;
    uint64_t *d = one + w;   // d[k] at d + k w
    uint64_t *c = d + n * w;  // c[j] at c + j w
    uint64_t *sqrt_work = c + n * w;
    const Matrix a{A, n, w}, qm{Q, qcols, w}, rm{R, n, w};
    if (perm)
        for (uint64_t j = 0; j < n; ++j) perm[j] = static_cast<int64_t>(j);

    for (uint64_t k = 0; k < kk; ++k) {
        const uint64_t len = m - k;
        if (pivot) {
            // the first column of largest norm over rows k..m-1 (norms
            // recomputed at each step: nothing is lost to downdating)
            uint64_t best = k;
            for (uint64_t j = k; j < n; ++j) {
                sum_squares(c + j * w, column(a, k, j), len, p, t);
                if (j > k && widefp_float_lt(c + best * w, c + j * w, p)) best = j;
            }
            if (best != k) {
                swap_columns(a, m, k, best, p);
                if (perm) std::swap(perm[k], perm[best]);
            }
        }
        // No reflection when the column is already zero below the diagonal:
        // R keeps the entry with its sign, the vector is all zero.
        const Vec x = column(a, k, k);
        bool tail_zero = true;
        for (uint64_t i = 1; i < len && tail_zero; ++i) tail_zero = is_zero(x[i]);
        uint64_t *norm = d + k * w;
        if (tail_zero) {
            copy(norm, x[0], p);
            set_zero(x[0], p);
            continue;
        }
        house_norm(norm, x, len, p, norm, t, sqrt_work);
        house_vector(x, len, norm, false, p, one);
        for (uint64_t j = k + 1; j < n; ++j) house_apply(x, column(a, k, j), len, p, s, t);
        negate(norm);
    }

    // Q's columns from the identity's, the last reflection first.
    if (Q) {
        for (uint64_t j = kk; j < qcols; ++j) {
            for (uint64_t i = 0; i < m; ++i) set_zero(qm(i, j), p);
            set_one(qm(j, j), p);
        }
        for (uint64_t k = kk; k-- > 0;) {
            for (uint64_t i = 0; i < m; ++i) set_zero(qm(i, k), p);
            set_one(qm(k, k), p);
            if (is_zero(a(k, k))) continue;
            for (uint64_t j = k; j < qcols; ++j) house_apply(column(a, k, k), column(qm, k, j), m - k, p, s, t);
        }
    }

    if (R)
        for (uint64_t i = 0; i < qcols; ++i)
            for (uint64_t j = 0; j < n; ++j) {
                if (i < j && i < kk)
                    copy(rm(i, j), a(i, j), p);
                else if (i == j && i < kk)
                    copy(rm(i, j), d + i * w, p);
                else
                    set_zero(rm(i, j), p);
            }
}

// Work: the economy U (m x n) and its copy for the QR, then the larger of
// the decomposition's and the QR's work.
extern "C" uint64_t widefp_matrix_svd_full_work_size(uint64_t m, uint64_t n, uint64_t p) {
    if (m > kMaxCount || n > kMaxCount) return UINT64_MAX;
    const uint64_t a = widefp_matrix_svd_work_size(m, n, p), b = widefp_matrix_qrp_work_size(m, n, p);
    return add_words(words_for(2 * m * n, p), a > b ? a : b);
}

extern "C" int widefp_matrix_svd_full(uint64_t *s, uint64_t *U, uint64_t *V, uint64_t *sweeps, uint64_t *A,
                                      uint64_t m, uint64_t n, int uflag, int vflag, uint64_t max_sweeps, uint64_t p,
                                      uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && m >= n && m <= kMaxCount);
    const uint64_t w = p + 1, mn = m * n;
    if (n == 0) {  // no columns: no values, U the identity
        if (sweeps) sweeps[0] = sweeps[1] = 0;
        const Matrix um{U, m, w};
        for (uint64_t i = 0; uflag && i < m; ++i)
            for (uint64_t j = 0; j < m; ++j)
                if (i == j)
                    set_one(um(i, j), p);
                else
                    set_zero(um(i, j), p);
        return 0;
    }
    if (!uflag) return widefp_matrix_svd(s, nullptr, V, sweeps, A, m, n, 0, vflag, max_sweeps, p, work);
    uint64_t *ue = work, *ac = ue + mn * w, *rest = ac + mn * w;
    const int status = widefp_matrix_svd(s, ue, V, sweeps, A, m, n, 1, vflag, max_sweeps, p, rest);
    if (status != 0) return status;
    const Matrix um{U, m, w}, uem{ue, n, w};
    // The columns of the full Q of U beyond the n-th span the complement of
    // U's columns; U's own columns stay as the decomposition made them.
    std::memcpy(ac, ue, mn * w * sizeof(uint64_t));
    widefp_matrix_qrp(ac, U, nullptr, nullptr, m, n, m, 0, p, rest);
    for (uint64_t i = 0; i < m; ++i)
        for (uint64_t j = 0; j < n; ++j) copy(um(i, j), uem(i, j), p);
    return 0;
}
