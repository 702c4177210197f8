// ref_asin.h -- reference arcsine: the steps as first written, every one
// at full precision (the library shortens the early Newton steps).
#ifndef WIDEFP_TESTS_REF_ASIN_H
#define WIDEFP_TESTS_REF_ASIN_H

#include <algorithm>
#include <cstdint>

#include "harness.h"

namespace ref {

using th::Words;

// The steps as first written, at full precision throughout (0 < x < 1).
inline Words ref_asin(const Words &x, uint64_t p) {
    const uint64_t P = p + 1;
    Words X(x), A(P + 1, 0), B(P + 1, 0), C(P + 1), D(P + 1, 0), pi(P + 1);
    X.push_back(0);
    A[0] = B[0] = th::kBias;
    Words r32(P + 1, 0);
    r32[0] = th::kBias - 1;
    r32[1] = 0xbb67ae8584caa73cULL;
    const bool reflect = widefp_float_lt(r32.data(), X.data(), P);
    if (reflect) {
        widefp_float_sub(B.data(), A.data(), X.data(), P);
        widefp_float_add(C.data(), A.data(), X.data(), P);
        widefp_float_mul(D.data(), B.data(), C.data(), P);
        std::fill(B.begin(), B.end(), 0);
        B[0] = th::kBias - ((0x4000000000000000ULL - D[0]) >> 1);
        for (uint64_t k = 1; k < 64 * P; k *= 2) {
            widefp_float_mul(C.data(), B.data(), B.data(), P);
            widefp_float_add(C.data(), C.data(), D.data(), P);
            widefp_float_div(B.data(), C.data(), B.data(), P);
            B[0] -= 1;
        }
        widefp_float_mul(X.data(), B.data(), X.data(), P);
        X[0] += 1;
    }
    std::fill(B.begin(), B.end(), 0);
    B[0] = th::kBias;
    widefp_float_mul(C.data(), X.data(), X.data(), P);
    Words *s_old = &A, *s_new = &D;
    for (int64_t k = 2;; k += 2) {
        widefp_float_mul(B.data(), B.data(), C.data(), P);
        widefp_float_idiv(B.data(), B.data(), k, P);
        widefp_float_imul(B.data(), B.data(), k - 1, P);
        widefp_float_idiv(s_new->data(), B.data(), k + 1, P);
        widefp_float_add(s_new->data(), s_old->data(), s_new->data(), P);
        if (std::equal(s_new->begin(), s_new->begin() + p + 1, s_old->begin()) &&
            (*s_new)[p + 1] - (*s_old)[p + 1] < (uint64_t{1} << 56))
            break;
        std::swap(s_old, s_new);
    }
    widefp_float_mul(X.data(), s_old->data(), X.data(), P);
    if (reflect) {
        widefp_float_ctowr("pi", pi.data(), P);
        widefp_float_sub(X.data(), pi.data(), X.data(), P);
        X[0] -= 1;
    }
    return X;
}

}  // namespace ref

#endif
