// mul.cpp -- floating multiplication: truncated column product (short), exact Karatsuba product (long).
#include <cstring>
#include <memory>

#include "kernel/heap.h"
#include "kernel/internal.h"
#include "kernel/karatsuba.h"
#include "kernel/mul_columns.h"
#include "widefp.h"

namespace widefp::detail {
namespace {

// Infinite or zero operands: writes word 0 of the result (the fraction is
// left alone) and returns true.  Reads both words 0 before writing.
inline bool mul_special(uint64_t *result, const uint64_t *x, const uint64_t *y) {
    const uint64_t ex = exp_field(x), ey = exp_field(y);
    const uint64_t sign = (x[0] ^ y[0]) & kSign;
    if (ex == kExpMask || ey == kExpMask) {
        result[0] = sign | kExpMask;
        return true;
    }
    if (ex == 0 || ey == 0) {
        result[0] = sign;
        return true;
    }
    return false;
}

// S[0..p-1] += X[0..p-1] + Y[0..p-1]; returns the carry c (0..2).
inline uint64_t add_fractions(uint64_t *s, const uint64_t *x, const uint64_t *y, uint64_t p) {
    uint64_t c = 0;
    for (uint64_t i = p; i-- > 0;) {
        u128 t = static_cast<u128>(s[i]) + x[i] + y[i] + c;
        s[i] = static_cast<uint64_t>(t);
        c = static_cast<uint64_t>(t >> 64);
    }
    return c;
}

// Stores the mantissa I.S[0..p-1] (I = 1 + c) into result[1..p], shifted
// right once when I >= 2; returns the bit that drops out of S[p-1] (0 when
// no shift).  s is scratch, never the result's memory.
inline uint64_t store_fraction(uint64_t *result, const uint64_t *s, uint64_t c, uint64_t p) {
    if (c == 0) {
        std::memcpy(result + 1, s, p * sizeof(uint64_t));
        return 0;
    }
    uint64_t prev = (1 + c) & 1;  // the low bit of I = 1 + c enters the top
    for (uint64_t i = 0; i < p; ++i) {
        uint64_t w = s[i];
        result[1 + i] = (prev << 63) | (w >> 1);
        prev = w & 1;
    }
    return prev;
}

// Word 0 of the product and the returned guard word, from the biased
// exponents, the sign, the normalisation shift s and the product's guard.
inline uint64_t finish_exponent(uint64_t *result, uint64_t ex, uint64_t ey, uint64_t sign, uint64_t s,
                                uint64_t guard, uint64_t p) {
    const uint64_t sum = ex + ey + s;  // ex, ey <= 0x7ffffffffffffffe: no wrap
    if (sum <= kBias) {                // underflow to a signed zero
        result[0] = sign;
        return underflow_guard(result, sum < kBias, guard, p);  // sum = bias: v in [m/2, m)
    }
    const uint64_t e = sum - kBias;
    if (e >= kSign) {  // overflow to infinity
        result[0] = sign | kExpMask;
        return 0;
    }
    result[0] = sign | e;
    return guard;
}

// Half-product scratch up to this many words stays on the stack (the whole
// range p < kKaratsubaThreshold that the dispatch sends here); longer ones
// use the heap.
constexpr uint64_t kHalfStackWords = kKaratsubaThreshold;

// The truncated product of two finite nonzero operands, S being p+1 words of
// scratch.  Fixed > 0 is p known at compile time (the short precisions,
// whose loops then unroll completely).
template <uint64_t Fixed>
inline uint64_t truncated_product(uint64_t *result, const uint64_t *x, const uint64_t *y, uint64_t p_arg,
                                  uint64_t *S) {
    const uint64_t p = Fixed ? Fixed : p_arg;
    const uint64_t ex = exp_field(x), ey = exp_field(y);
    const uint64_t sign = (x[0] ^ y[0]) & kSign;
    const uint64_t *X = x + 1;
    const uint64_t *Y = y + 1;

    // X*Y truncated to p+1 words: carry estimate from the high halves of
    // column p (pairs i = 1..p-1), then columns p-1..0 exactly.
    u128 est = column_high_sum(X + 1, Y + (p - 1), p - 1);
    if (!Fixed && p > kTriangleColumns) {
        // Long: the exact columns as a triangle split by Karatsuba, then
        // the estimate added at the bottom (S holds the exact sum either way).
        std::unique_ptr<uint64_t[]> scratch = widefp::detail::heap_words(upper_triangle_scratch_words(p));
        upper_triangle(S, X, Y, p, scratch.get());
        u128 t = static_cast<u128>(S[p]) + static_cast<uint64_t>(est);
        S[p] = static_cast<uint64_t>(t);
        t = static_cast<u128>(S[p - 1]) + static_cast<uint64_t>(est >> 64) + static_cast<uint64_t>(t >> 64);
        S[p - 1] = static_cast<uint64_t>(t);
        for (uint64_t j = p - 1, c = static_cast<uint64_t>(t >> 64); c && j-- > 0;) c = ++S[j] == 0;
    } else if (!Fixed) {
        S[0] = triangle_columns(S + 1, X, Y, p, static_cast<uint64_t>(est), static_cast<uint64_t>(est >> 64));
    } else {  // short fixed lengths: the loops unroll completely
        uint64_t lo = static_cast<uint64_t>(est), mid = static_cast<uint64_t>(est >> 64), hi = 0;
        for (uint64_t k = p - 1;; --k) {
            column_sum(X, Y + k, k + 1, lo, mid, hi);
            S[k + 1] = lo;
            lo = mid;
            mid = hi;
            hi = 0;
            if (k == 0) break;
        }
        S[0] = lo;
    }

    const uint64_t c = add_fractions(S, X, Y, p);
    const uint64_t s = c != 0;
    // Guard word with the correction 2p for the columns left out.
    u128 t = (static_cast<u128>(s ? (S[p - 1] & 1) : 0) << 64) + S[p] + 2 * static_cast<u128>(p);
    if (s) t = (t >> 1) | (t & 1);
    store_fraction(result, S, c, p);
    const uint64_t guard = (t >> 64) ? kSaturated : static_cast<uint64_t>(t);
    return finish_exponent(result, ex, ey, sign, s, guard, p);
}

template <uint64_t Fixed>
uint64_t truncated_fixed(uint64_t *result, const uint64_t *x, const uint64_t *y) {
    uint64_t S[Fixed + 1];
    return truncated_product<Fixed>(result, x, y, Fixed, S);
}

}  // namespace
}  // namespace widefp::detail

using namespace widefp::detail;

// Precondition: p >= 2.
uint64_t widefp_float_mul_h(uint64_t *result, const uint64_t *x, const uint64_t *y, uint64_t p) {
    WIDEFP_ASSERTD(p >= 2);
    if (mul_special(result, x, y)) return 0;
    switch (p) {
        case 2:
            return truncated_fixed<2>(result, x, y);
        case 3:
            return truncated_fixed<3>(result, x, y);
        case 4:
            return truncated_fixed<4>(result, x, y);
        default:
            break;
    }
    uint64_t local[kHalfStackWords];
    std::unique_ptr<uint64_t[]> heap;
    uint64_t *S = local;
    if (p + 1 > kHalfStackWords) {
        heap = widefp::detail::heap_words(p + 1);
        S = heap.get();
    }
    return truncated_product<0>(result, x, y, p, S);
}

// Precondition: p >= 1.
uint64_t widefp_float_mul_k(uint64_t *result, const uint64_t *x, const uint64_t *y, uint64_t p) {
    WIDEFP_ASSERTD(p >= 1);
    if (mul_special(result, x, y)) return 0;
    const uint64_t ex = exp_field(x), ey = exp_field(y);
    const uint64_t sign = (x[0] ^ y[0]) & kSign;
    const uint64_t *X = x + 1;
    const uint64_t *Y = y + 1;

    KaratsubaScratch scratch(p);
    uint64_t *P = scratch.get();
    karatsuba_product(P, X, Y, p);

    const uint64_t c = add_fractions(P, X, Y, p);
    const uint64_t s = c != 0;
    uint64_t sticky = 0;
    for (uint64_t i = p + 1; i < 2 * p; ++i) sticky |= P[i];
    uint64_t guard;
    if (s) {
        guard = ((P[p - 1] & 1) << 63) | (P[p] >> 1);
        sticky |= P[p] & 1;
    } else {
        guard = P[p];
    }
    if (sticky) guard |= 1;
    store_fraction(result, P, c, p);
    return finish_exponent(result, ex, ey, sign, s, guard, p);
}

// The half product needs p >= 2; one word goes to the exact product.
uint64_t widefp_float_mul(uint64_t *result, const uint64_t *x, const uint64_t *y, uint64_t p) {
    if (p < 2 || p >= kKaratsubaThreshold) return widefp_float_mul_k(result, x, y, p);
    return widefp_float_mul_h(result, x, y, p);
}
