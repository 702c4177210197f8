// scale.cpp -- multiplication and division of a widereal by a signed 64-bit integer.
#include "kernel/divword.h"
#include "kernel/internal.h"
#include "widefp.h"

using namespace widefp::detail;

namespace {

inline uint64_t magnitude(int64_t k) {
    return k < 0 ? uint64_t{0} - static_cast<uint64_t>(k) : static_cast<uint64_t>(k);
}

}  // namespace

extern "C" {

// result = x * k, truncated to p words; returns the guard word, which holds
// the cut-off bits exactly.  result may alias x.
uint64_t widefp_float_imul(uint64_t *result, const uint64_t *x, int64_t k, uint64_t p) {
    const uint64_t x0 = x[0];
    const uint64_t ex = x0 & kExpMask;
    if (k == 0) {
        result[0] = x0 & kSign;
        return 0;
    }
    const uint64_t sign = (x0 ^ static_cast<uint64_t>(k)) & kSign;
    if (ex == 0) {
        result[0] = sign;
        return 0;
    }
    const uint64_t m = magnitude(k);

    uint64_t carry = 0;
    for (uint64_t j = p; j >= 1; --j) {
        u128 t = static_cast<u128>(x[j]) * m + carry;
        result[j] = static_cast<uint64_t>(t);
        carry = static_cast<uint64_t>(t >> 64);
    }
    const uint64_t top = m + carry;  // integer part, 1 <= top < 2^64
    uint64_t guard = 0;
    unsigned t = 0;
    if (top != 1) {
        t = 63u - static_cast<unsigned>(__builtin_clzll(top));
        guard = result[p] << (64 - t);
        for (uint64_t j = p; j > 1; --j) result[j] = (result[j] >> t) | (result[j - 1] << (64 - t));
        result[1] = (result[1] >> t) | (top << (64 - t));
    }
    const uint64_t e = ex + t;
    if (e & kSign) {
        result[0] = sign | kExpMask;
        return 0;
    }
    result[0] = sign | e;
    return guard;
}

// result = x / k (k != 0), truncated to p words; returns the guard word: the
// exact leading cut-off bits and a sticky bit 0.  result may alias x.
uint64_t widefp_float_idiv(uint64_t *result, const uint64_t *x, int64_t k, uint64_t p) {
    WIDEFP_ASSERTD(k != 0);
    const uint64_t x0 = x[0];
    const uint64_t ex = x0 & kExpMask;
    const uint64_t sign = (x0 & kSign) ^ (k < 0 ? kSign : 0);
    if (ex == 0) {
        result[0] = sign;
        return 0;
    }
    if (ex == kExpMask) {  // an infinite dividend stays infinite
        result[0] = sign | kExpMask;
        return 0;
    }
    const uint64_t m = magnitude(k);
    if (m == 1) {
        for (uint64_t j = 1; j <= p; ++j) result[j] = x[j];
        result[0] = sign | ex;
        return 0;
    }

    // Divide (1, x[1..p], 0) by m.  The quotient q1..q(p+1) is kept one word
    // behind its final place: word j-1 of the result is completed once q(j)
    // is known, so the pass runs in place.
    uint64_t r = 1;
    auto step = [&](uint64_t word) { return div_word(r, word, m, &r); };
    const uint64_t q1 = step(x[1]);  // >= 2 since m <= 2^63
    const unsigned t = 63u - static_cast<unsigned>(__builtin_clzll(q1));
    const unsigned lt = 64 - t;  // 1..63
    uint64_t prev = q1;
    for (uint64_t j = 2; j <= p; ++j) {
        uint64_t q = step(x[j]);
        result[j - 1] = (prev << lt) | (q >> t);
        prev = q;
    }
    const uint64_t qlast = step(0);
    result[p] = (prev << lt) | (qlast >> t);
    uint64_t guard = (qlast << lt) | (r != 0 ? 1 : 0);

    if (ex < lt) {
        result[0] = sign;
        return 1;
    }
    result[0] = sign | (ex - lt);
    return guard;
}

}  // extern "C"
