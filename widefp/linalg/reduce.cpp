// reduce.cpp -- sums and products of groups of consecutive elements, and the
// sum of a whole array, folded strictly left to right with truncation.
#include <cstring>

#include "matrix.h"

namespace {

using ElementOp = uint64_t (*)(uint64_t *, const uint64_t *, const uint64_t *, uint64_t);

// R_i = group i of X folded with op; n = 0 acts as n = 1.  R may start where
// X starts: R_i lies at or before X_{i n}, the first element group i reads,
// and after every element earlier groups read.
void fold_groups(uint64_t *R, const uint64_t *X, uint64_t n, uint64_t count, uint64_t p, ElementOp op) {
    const uint64_t w = p + 1;
    for (uint64_t i = 0; i < count; ++i) {
        uint64_t *r = R + i * w;
        const uint64_t *g = X + i * n * w;
        std::memmove(r, g, w * sizeof(uint64_t));
        for (uint64_t j = 1; j < n; ++j) op(r, r, g + j * w, p);
    }
}

}  // namespace

extern "C" void widefp_float_sum_groups(uint64_t *R, const uint64_t *X, uint64_t n, uint64_t count, uint64_t p) {
    fold_groups(R, X, n, count, p, &widefp_float_add);
}

extern "C" void widefp_float_prod_groups(uint64_t *R, const uint64_t *X, uint64_t n, uint64_t count, uint64_t p) {
    fold_groups(R, X, n, count, p, &widefp_float_mul);
}

extern "C" void widefp_float_sum_all(uint64_t *r, const uint64_t *X, uint64_t count, uint64_t p) {
    const uint64_t w = p + 1;
    std::memmove(r, X, w * sizeof(uint64_t));
    for (uint64_t i = 1; i < count; ++i) widefp_float_add(r, r, X + i * w, p);
}
