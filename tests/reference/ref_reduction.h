// ref_reduction.h -- reference additive reduction by ln 2 or pi/4 (without
// the cancellation passes): the integer multiple always read from the full
// quotient x / C.  The library settles small quotients from a double
// estimate when it is far from an integer; the words must be the same.
#ifndef WIDEFP_TESTS_REF_REDUCTION_H
#define WIDEFP_TESTS_REF_REDUCTION_H

#include <algorithm>
#include <cstdint>

#include "elementary/constants_table.h"
#include "harness.h"

namespace ref {

using th::Words;

inline int ref_reduction(const uint64_t *x, int mode, uint64_t *r, uint64_t p, int64_t *k) {
    namespace cst = widefp::constants;
    const uint64_t *C = mode == 2 ? cst::ln2 : cst::pi_quarter;
    if (x[0] < 0x3ffffffffffffffeULL || widefp_float_lt(x, C, p)) {
        std::copy(x, x + p + 1, r);
        r[p + 1] = 0;
        *k = 0;
        return 0;
    }
    const int64_t E = th::unbiased(x);
    const uint64_t pw = E >= 0 && static_cast<uint64_t>(E) >= 64 * p + 1 ? p + (E + 64) / 64 : 2 * p + 1;
    Words W(pw + 1, 0), Q(pw + 1);
    std::copy(x, x + p + 1, W.begin());
    uint64_t m;
    if (E < 0) {
        Words H(pw + 1);  // pi/2
        cst::copy_pi(H.data(), cst::kPiHalfWord0, pw);
        widefp_float_sub(W.data(), W.data(), mode == 3 ? H.data() : C, pw);
        *k = 1;
        std::copy(W.begin(), W.begin() + p + 2, r);
        return 1;
    }
    widefp_float_div(Q.data(), W.data(), C, pw);
    if (E > 29) {
        uint64_t low;
        m = widefp_modf(Q.data(), Q.data(), &low, pw);
        *k = static_cast<int64_t>(low);
        widefp_float_mul(Q.data(), C, Q.data(), pw);
        if (mode == 3 && (m & 1)) {
            ++m;
            widefp_float_add(Q.data(), Q.data(), C, pw);
        }
    } else {
        const int64_t eq = th::unbiased(Q.data());
        const uint64_t n = eq == 0 ? 1 : (Q[1] >> (64 - eq)) | (uint64_t{1} << eq);
        *k = static_cast<int64_t>(n);
        m = n + (mode == 3 && (n & 1));
        widefp_float_imul(Q.data(), C, static_cast<int64_t>(m), pw);
    }
    widefp_float_sub(W.data(), W.data(), Q.data(), pw);
    std::copy(W.begin(), W.begin() + p + 2, r);
    if (mode == 3) m /= 2;
    return static_cast<int>(m % 4);
}

}  // namespace ref

#endif
