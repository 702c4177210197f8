// products.cpp -- every element times one number, the dot product and the
// matrix product, truncating after every product and every addition.
#include <cstring>

#include "matrix.h"

extern "C" void widefp_float_scale_all(uint64_t *R, const uint64_t *X, const uint64_t *s, uint64_t count,
                                       uint64_t p) {
    const uint64_t w = p + 1;
    for (uint64_t i = 0; i < count; ++i) widefp_float_mul(R + i * w, X + i * w, s, p);
}

using widefp::linalg::kMaxCount;

extern "C" uint64_t widefp_float_dot_work_size(uint64_t p) { return widefp::linalg::words_for(1, p); }

// work: the element each product is formed in before it is added.
extern "C" void widefp_float_dot(uint64_t *r, const uint64_t *x, const uint64_t *y, uint64_t n, uint64_t p,
                                 uint64_t *work) {
    const uint64_t w = p + 1;
    std::memset(r, 0, w * sizeof(uint64_t));
    for (uint64_t i = 0; i < n; ++i) {
        widefp_float_mul(work, x + i * w, y + i * w, p);
        widefp_float_add(r, r, work, p);
    }
}

extern "C" uint64_t widefp_matrix_mul_work_size(uint64_t p) { return widefp::linalg::words_for(1, p); }

// Rows of A and columns of B are contiguous runs of k elements; i outermost,
// then j, then l.
extern "C" void widefp_matrix_mul(uint64_t *C, const uint64_t *A, const uint64_t *B, uint64_t m, uint64_t k,
                                  uint64_t n, uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && m <= kMaxCount && k <= kMaxCount && n <= kMaxCount);
    const uint64_t w = p + 1;
    std::memset(C, 0, m * n * w * sizeof(uint64_t));
    for (uint64_t i = 0; i < m; ++i) {
        const uint64_t *arow = A + i * k * w;
        for (uint64_t j = 0; j < n; ++j) {
            const uint64_t *bcol = B + j * k * w;
            uint64_t *c = C + (j * m + i) * w;
            for (uint64_t l = 0; l < k; ++l) {
                widefp_float_mul(work, arow + l * w, bcol + l * w, p);
                widefp_float_add(c, c, work, p);
            }
        }
    }
}
