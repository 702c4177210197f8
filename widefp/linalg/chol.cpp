// chol.cpp -- Cholesky factorisation A = R^T R of a symmetric positive
// definite matrix, row by row, the inner products accumulated one word
// wider and truncated once.
#include "widefp_rnd.h"
#include "wide.h"

using namespace widefp::linalg;

// Work: an accumulator and a product at p+1 words, then the square root's
// work at p+1 (used beyond the rounded layer's largest precision).
extern "C" uint64_t widefp_matrix_chol_work_size(uint64_t p) {
    if (p > UINT64_MAX / 16) return UINT64_MAX;
    return add_words(2 * (p + 2), wide_sqrt_words(p));
}

extern "C" uint64_t widefp_matrix_chol(uint64_t *A, uint64_t n, uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && n <= kMaxCount);
    const uint64_t w = p + 1;
    const Matrix a{A, n, w};
    uint64_t *acc = work, *t = work + (p + 2), *sq = t + (p + 2);
    for (uint64_t j = 0; j < n; ++j) {
        // pivot: A(j,j) - sum of R(k,j)^2 over k < j
        widen1(acc, a(j, j), p);
        for (uint64_t k = 0; k < j; ++k) wide_fma(acc, a(k, j), a(k, j), true, p, t);
        if (is_zero(acc) || (acc[0] & kSignBit)) return j + 1;
        // the root truncated at p+1, then to p: the truncation of the exact
        // root, so that an exact square has its exact root (from p = 1023 on
        // within 9 units of word p+1)
        if (p + 1 <= 1023)
            widefp_rnd_sqrt(t, acc, p + 1, WIDEFP_RNDZ);
        else
            widefp_float_sqrt(t, acc, p + 1, sq);
        narrow(a(j, j), t, p);
        for (uint64_t i = j + 1; i < n; ++i) {
            widen1(acc, a(j, i), p);
            for (uint64_t k = 0; k < j; ++k) wide_fma(acc, a(k, j), a(k, i), true, p, t);
            narrow(acc, acc, p);
            widefp_float_div(a(j, i), acc, a(j, j), p);
            if (is_zero(a(j, i))) std::memset(a(j, i) + 1, 0, p * sizeof(uint64_t));
        }
    }
    for (uint64_t i = 1; i < n; ++i)
        for (uint64_t j = 0; j < i; ++j) set_zero(a(i, j), p);
    return 0;
}
