// elementwise.cpp -- quotients and square roots of whole element arrays.
#include <cstring>

#include "matrix.h"

namespace {

constexpr uint64_t kSignBit = 0x8000000000000000ULL;
constexpr uint64_t kExpBits = 0x7fffffffffffffffULL;

// A zero or infinite result gets its fraction words cleared: the kernel
// writes word 0 only, so the caller's array holds no stale words.
inline void clean_special(uint64_t *r, uint64_t p) {
    const uint64_t e = r[0] & kExpBits;
    if (e == 0 || e == kExpBits) std::memset(r + 1, 0, p * sizeof(uint64_t));
}

}  // namespace

extern "C" void widefp_float_div_all(uint64_t *R, const uint64_t *X, const uint64_t *Y, uint64_t count, uint64_t p) {
    const uint64_t w = p + 1;
    for (uint64_t i = 0; i < count; ++i) {
        uint64_t *r = R + i * w;
        widefp_float_div(r, X + i * w, Y + i * w, p);
        clean_special(r, p);
    }
}

extern "C" uint64_t widefp_float_sqrt_all_negative(const uint64_t *X, uint64_t count, uint64_t p) {
    for (uint64_t i = 0; i < count; ++i) {
        const uint64_t x0 = X[i * (p + 1)];
        if ((x0 & kSignBit) && (x0 & kExpBits)) return i;
    }
    return count;
}

extern "C" uint64_t widefp_float_sqrt_all_work_size(uint64_t p) { return 4 * p + 8; }

extern "C" void widefp_float_sqrt_all(uint64_t *R, const uint64_t *X, uint64_t count, uint64_t p, uint64_t *work) {
    const uint64_t w = p + 1;
    for (uint64_t i = 0; i < count; ++i) {
        uint64_t *r = R + i * w;
        const uint64_t *x = X + i * w;
        if ((x[0] & kExpBits) == 0) {  // sqrt(+-0) = +-0, as in IEEE arithmetic
            const uint64_t sign = x[0] & kSignBit;
            std::memset(r, 0, w * sizeof(uint64_t));
            r[0] = sign;
            continue;
        }
        widefp_float_sqrt(r, x, p, work);
    }
}
