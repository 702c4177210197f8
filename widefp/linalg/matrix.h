// matrix.h -- element helpers and the matrix view shared by the element loops
// and the linear-algebra routines.
#ifndef WIDEFP_LINALG_MATRIX_H
#define WIDEFP_LINALG_MATRIX_H

#include <cstdint>
#include <cstring>

#include "kernel/internal.h"
#include "widefp.h"
#include "widefp_linalg.h"

namespace widefp::linalg {

constexpr uint64_t kSignBit = detail::kSign;     // sign of word 0
constexpr uint64_t kExpBits = detail::kExpMask;  // exponent field
constexpr uint64_t kOne = detail::kBias;         // word 0 of 1.0

inline bool is_zero(const uint64_t *x) { return (x[0] & kExpBits) == 0; }
// Sign bit set and not -0.
inline bool negative_nonzero(const uint64_t *x) { return (x[0] & kSignBit) && x[0] != kSignBit; }
inline void negate(uint64_t *x) { x[0] ^= kSignBit; }
inline void set_zero(uint64_t *x, uint64_t p) { std::memset(x, 0, (p + 1) * sizeof(uint64_t)); }
inline void set_one(uint64_t *x, uint64_t p) {
    set_zero(x, p);
    x[0] = kOne;
}
inline void copy(uint64_t *dst, const uint64_t *src, uint64_t p) {
    std::memcpy(dst, src, (p + 1) * sizeof(uint64_t));
}
inline void copy_abs(uint64_t *dst, const uint64_t *src, uint64_t p) {
    copy(dst, src, p);
    dst[0] &= ~kSignBit;
}
inline void swap_elements(uint64_t *a, uint64_t *b, uint64_t p) {
    for (uint64_t i = 0; i <= p; ++i) {
        uint64_t t = a[i];
        a[i] = b[i];
        b[i] = t;
    }
}

// Counts the loops take (32-bit signed in the plug-ins' convention).
constexpr uint64_t kMaxCount = (uint64_t{1} << 31) - 1;

// Words of `elements` elements of precision p plus `extra` words, or
// UINT64_MAX when that does not fit.
inline uint64_t words_for(uint64_t elements, uint64_t p, uint64_t extra = 0) {
    unsigned __int128 w = static_cast<unsigned __int128>(elements) * (static_cast<unsigned __int128>(p) + 1) + extra;
    return w > UINT64_MAX - 1 ? UINT64_MAX : static_cast<uint64_t>(w);
}
// Work of widefp_float_sqrt at precision p.
inline uint64_t sqrt_words(uint64_t p) { return p > UINT64_MAX / 8 ? UINT64_MAX : 4 * (p + 2); }
inline uint64_t add_words(uint64_t a, uint64_t b) { return a > UINT64_MAX - 1 - b ? UINT64_MAX : a + b; }

// A matrix of `cols` columns stored by rows in an element array of stride w
// = p + 1 words per element.
struct Matrix {
    uint64_t *base;
    uint64_t cols;
    uint64_t w;
    uint64_t *operator()(uint64_t i, uint64_t j) const { return base + (i * cols + j) * w; }
};

// Elements spaced `stride` words apart: a column of a Matrix, or a run of
// consecutive elements.
struct Vec {
    uint64_t *base;
    uint64_t stride;
    uint64_t *operator[](uint64_t i) const { return base + i * stride; }
};
inline Vec column(const Matrix &a, uint64_t row, uint64_t j) { return Vec{a(row, j), a.cols * a.w}; }
inline Vec run(uint64_t *x, uint64_t p) { return Vec{x, p + 1}; }

}  // namespace widefp::linalg

#endif  // WIDEFP_LINALG_MATRIX_H
