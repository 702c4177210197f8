// ref_decimal.h -- reference decimal scaling: the plain series of
// 10^frac and 2^frac, every product through widefp_array_mul, as the
// conversions were before their series skipped the zero words of the term.
// The conversions must match these word for word.
#ifndef WIDEFP_TESTS_REF_DECIMAL_H
#define WIDEFP_TESTS_REF_DECIMAL_H

#include <algorithm>
#include <cstdint>
#include <vector>

#include "elementary/constants_table.h"
#include "harness.h"

namespace ref {

// widefp_convert_pow as it was before its series skipped the zero words of
// the term, every product through widefp_array_mul: the reference the
// conversion must still match word for word.
inline void ref_convert_pow(const uint64_t *x, int64_t *exponent, uint64_t *digits, uint64_t p) {
    const uint64_t n = p + 2;
    std::vector<uint64_t> work(3 * n);
    uint64_t *y = work.data();
    uint64_t *term = y + n;
    uint64_t *sum = term + n;
    const int64_t b = static_cast<int64_t>(x[0] & th::kExpMask) - static_cast<int64_t>(th::kBias);
    int64_t e;
    if (b >= 0) {
        widefp_array_imul(y, widefp::constants::log10_2_fixed, static_cast<uint64_t>(b), n);
        e = static_cast<int64_t>(y[0]);
    } else {
        widefp_array_imul(y, widefp::constants::log10_2_fixed, static_cast<uint64_t>(-b), n);
        e = static_cast<int64_t>(~y[0]);
        for (uint64_t i = 1; i < n; ++i) y[i] = ~y[i];
        for (uint64_t i = n; i-- > 0;)
            if (++y[i] != 0) break;
    }
    y[0] = 0;
    std::vector<uint64_t> ln10(n);
    widefp::constants::ln10_fixed(ln10.data(), n);
    widefp_array_mul(y, y, ln10.data(), n);
    for (uint64_t i = 0; i < n; ++i) term[i] = sum[i] = y[i];
    sum[0] += 1;
    uint64_t z = 0;
    uint64_t k = 2;
    do {
        widefp_array_mul(term, term, y, n);
        if (z > 0 && term[z - 1] != 0) --z;
        widefp_array_idiv(term, term, k, n, &z);
        widefp_array_add(sum, sum, term, n);
        ++k;
    } while (z != n);
    uint64_t *m = y;
    m[0] = 1;
    for (uint64_t i = 1; i <= p; ++i) m[i] = x[i];
    m[p + 1] = 0;
    widefp_array_mul(digits, sum, m, n);
    if (digits[0] >= 10) {
        uint64_t z10 = 0;
        widefp_array_idiv(digits, digits, 10, n, &z10);
        ++e;
    }
    *exponent = e;
}

// widefp_convert_pow10 as it was before its series skipped the zero words of
// the term, every product through widefp_array_mul: the reference the
// reader's scaling must still match word for word.
inline int64_t ref_convert_pow10(uint64_t *M, int64_t e10, uint64_t n) {
    std::vector<uint64_t> work(3 * n);
    uint64_t *T = work.data();
    uint64_t *y = T + n;
    uint64_t *term = T + 2 * n;
    uint64_t mag = e10 < 0 ? static_cast<uint64_t>(-e10) : static_cast<uint64_t>(e10);
    widefp_array_imul(T, widefp::constants::log2_10_fixed, mag, n);
    int64_t B;
    if (e10 >= 0) {
        B = static_cast<int64_t>(T[0]);
    } else {
        B = -static_cast<int64_t>(T[0]) - 1;
        uint64_t carry = 1;
        for (uint64_t i = n - 1; i >= 1; --i) {
            uint64_t w = ~T[i] + carry;
            carry = (carry && w == 0) ? 1 : 0;
            T[i] = w;
        }
    }
    T[0] = 0;
    std::vector<uint64_t> ln2(n);
    widefp::constants::ln2_fixed(ln2.data(), n);
    widefp_array_mul(y, ln2.data(), T, n);
    uint64_t *R = T;
    std::copy(y, y + n, term);
    std::copy(y, y + n, R);
    R[0] += 1;
    uint64_t z = 0;
    for (uint64_t k = 2; z < n; ++k) {
        widefp_array_mul(term, term, y, n);
        if (z > 0 && term[z - 1] != 0) --z;
        widefp_array_idiv(term, term, k, n, &z);
        uint64_t i = z;
        while (i < n && term[i] == 0) ++i;
        if (i == n) break;
        widefp_array_add(R, R, term, n);
    }
    widefp_array_mul(M, M, R, n);
    return B;
}

}  // namespace ref

#endif
