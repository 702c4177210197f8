// lsq.cpp -- least squares through Householder QR with column pivoting:
// the unique solution of a full column rank system, otherwise the minimum
// norm (or the basic) solution of the system cut to its numerical rank.
// Truncating throughout.
#include "householder.h"

using namespace widefp::linalg;

namespace {

// Element count of the work, before the QR's own work:
// R (k x n), S^T (n x k), T (k x k), y (n), tol, t, s.
unsigned __int128 lsq_elements(uint64_t m, uint64_t n) {
    const unsigned __int128 k = m < n ? m : n;
    return 2 * k * n + k * k + n + 3;
}

uint64_t max_words(uint64_t a, uint64_t b) { return a > b ? a : b; }

}  // namespace

// Work: the elements above, n words for the column order, then the QR's work
// (the larger of those for A and for S^T).
extern "C" uint64_t widefp_matrix_lsq_work_size(uint64_t m, uint64_t n, uint64_t r, uint64_t p) {
    static_cast<void>(r);
    if (m > kMaxCount || n > kMaxCount) return UINT64_MAX;
    const unsigned __int128 e = lsq_elements(m, n);
    const uint64_t k = m < n ? m : n;
    const uint64_t qr = max_words(widefp_matrix_qrp_work_size(m, n, p), widefp_matrix_qrp_work_size(n, k, p));
    if (e > UINT64_MAX) return UINT64_MAX;
    return add_words(add_words(words_for(static_cast<uint64_t>(e), p), n), qr);
}

extern "C" uint64_t widefp_matrix_lsq(uint64_t *X, uint64_t *A, uint64_t *B, uint64_t m, uint64_t n, uint64_t r,
                                      uint64_t tol_bits, int minnorm, uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && m <= kMaxCount && n <= kMaxCount && r <= kMaxCount);
    const uint64_t w = p + 1, k = m < n ? m : n;
    uint64_t *R = work, *St = R + k * n * w, *T = St + n * k * w, *y = T + k * k * w;
    uint64_t *tol = y + n * w, *t = tol + w, *s = t + w;
    int64_t *perm = reinterpret_cast<int64_t *>(s + w);
    uint64_t *qw = s + w + n;
    const Matrix a{A, n, w}, b{B, r, w}, rm{R, n, w}, xm{X, r, w};

    widefp_matrix_qrp(A, nullptr, R, perm, m, n, k, 1, p, qw);

    // Q^T B, one reflection after the other.
    for (uint64_t j = 0; j < k; ++j)
        if (!is_zero(a(j, j)))
            for (uint64_t c = 0; c < r; ++c) house_apply(column(a, j, j), column(b, j, c), m - j, p, s, t);

    // The rank: the leading diagonal entries of R above
    // tol = max(m, n) |R(0,0)| 2^-tol_bits.
    uint64_t rank = 0;
    if (k > 0 && !is_zero(rm(0, 0))) {
        copy_abs(t, rm(0, 0), p);
        widefp_float_imul(tol, t, static_cast<int64_t>(m > n ? m : n), p);
        if ((tol[0] & kExpBits) > tol_bits)
            tol[0] -= tol_bits;
        else
            set_zero(tol, p);
        while (rank < k) {
            copy_abs(t, rm(rank, rank), p);
            if (!widefp_float_lt(tol, t, p)) break;
            ++rank;
        }
    }

    // For the minimum norm: S = R(0:rank-1, :) = T^T Z^T with the QR of S^T.
    const bool reduce = minnorm && rank > 0 && rank < n;
    const Matrix tr{T, rank, w}, sr{St, rank, w};
    if (reduce) {
        for (uint64_t i = 0; i < n; ++i)
            for (uint64_t j = 0; j < rank; ++j) copy(sr(i, j), rm(j, i), p);
        widefp_matrix_qrp(St, nullptr, T, nullptr, n, rank, rank, 0, p, qw);
    }

    for (uint64_t c = 0; c < r; ++c) {
        for (uint64_t i = 0; i < n; ++i) set_zero(y + i * w, p);
        if (reduce) {
            // T^T z = (Q^T B)(0:rank-1, c), then y = Z [z; 0].
            for (uint64_t i = 0; i < rank; ++i) {
                uint64_t *yi = y + i * w;
                copy(yi, b(i, c), p);
                for (uint64_t j = 0; j < i; ++j) {
                    widefp_float_mul(t, tr(j, i), y + j * w, p);
                    widefp_float_sub(yi, yi, t, p);
                }
                widefp_float_div(yi, yi, tr(i, i), p);
            }
            for (uint64_t j = rank; j-- > 0;)
                if (!is_zero(sr(j, j))) house_apply(column(sr, j, j), run(y + j * w, p), n - j, p, s, t);
        } else {
            // R(0:rank-1, 0:rank-1) y = (Q^T B)(0:rank-1, c), the rest 0.
            for (uint64_t i = rank; i-- > 0;) {
                uint64_t *yi = y + i * w;
                copy(yi, b(i, c), p);
                for (uint64_t j = i + 1; j < rank; ++j) {
                    widefp_float_mul(t, rm(i, j), y + j * w, p);
                    widefp_float_sub(yi, yi, t, p);
                }
                widefp_float_div(yi, yi, rm(i, i), p);
            }
        }
        for (uint64_t i = 0; i < n; ++i) copy(xm(static_cast<uint64_t>(perm[i]), c), y + i * w, p);
    }
    return rank;
}
