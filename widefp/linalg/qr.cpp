// qr.cpp -- Householder QR factorisation with the reflection vectors stored
// in place of A; Q formed and R written apart on request.  Truncating.
#include "householder.h"

using namespace widefp::linalg;

// Work: t, s and d[0..n-1] (R's diagonal until the end), then the square
// root's work.
extern "C" uint64_t widefp_matrix_qr_work_size(uint64_t n, uint64_t p) {
    return n > UINT64_MAX - 2 ? UINT64_MAX : add_words(words_for(n + 2, p), sqrt_words(p));
}

extern "C" void widefp_matrix_qr(uint64_t *A, uint64_t *Q, uint64_t *R, uint64_t m, uint64_t n, int qflag,
                                 int rflag, uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && m <= kMaxCount && n <= kMaxCount);
    WIDEFP_ASSERTD((!qflag || Q) && (!rflag || R));
    const uint64_t w = p + 1;
    std::memset(work, 0, widefp_matrix_qr_work_size(n, p) * sizeof(uint64_t));
    uint64_t *t = work;
    uint64_t *s = t + w;
    uint64_t *d = s + w;  // d[k] at d + k w
    uint64_t *sqrt_work = d + n * w;
    const Matrix a{A, n, w}, qm{Q, n, w}, rm{R, n, w};
    const uint64_t q = m < n ? m : n;

    // One reflection per column; a zero column is skipped and gives -0.
    for (uint64_t k = 0; k < n; ++k) {
        uint64_t *norm = d + k * w;
        const uint64_t len = k < m ? m - k : 0;
        house_norm(norm, column(a, k, k), len, p, norm, t, sqrt_work);
        if (!is_zero(norm)) {
            house_vector(column(a, k, k), len, norm, false, p, t);
            for (uint64_t j = k + 1; j < n; ++j) house_apply(column(a, k, k), column(a, k, j), len, p, s, t);
        }
        negate(norm);
    }

    // Q, from the last reflection back, before R's diagonal replaces the
    // vectors' first entries.
    if (qflag) {
        for (uint64_t kk = q; kk-- > 0;) {
            for (uint64_t i = 0; i < m; ++i) set_zero(qm(i, kk), p);
            set_one(qm(kk, kk), p);
            if (is_zero(a(kk, kk))) continue;
            for (uint64_t j = kk; j < n; ++j) house_apply(column(a, kk, kk), column(qm, kk, j), m - kk, p, s, t);
        }
    }

    if (rflag) {
        for (uint64_t i = 0; i < q; ++i)
            for (uint64_t j = 0; j < n; ++j) {
                if (i < j)
                    copy(rm(i, j), a(i, j), p);
                else if (i == j)
                    copy(rm(i, j), d + i * w, p);
                else
                    set_zero(rm(i, j), p);
            }
    } else {
        for (uint64_t k = 0; k < q; ++k) copy(a(k, k), d + k * w, p);
    }
}
