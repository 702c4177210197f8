// ref_series.h -- reference power series of the elementary functions, as
// first written: Horner's scheme on full products.  The library leaves out
// zero words; the words must be the same.
#ifndef WIDEFP_TESTS_REF_SERIES_H
#define WIDEFP_TESTS_REF_SERIES_H

#include <algorithm>
#include <cstdint>

#include "harness.h"

namespace ref {

using th::Words;

// The series as first written, on full products; the library leaves out
// the argument's zero words.  Same words required.
inline void ref_array_exp(const uint64_t *r, uint64_t *w, uint64_t P) {
    const int64_t E = th::unbiased(r);
    const int64_t N = widefp_taylor_tranc_exp(P, E);
    Words A(P + 1);
    widefp_widereal_to_array(r, E, A.data(), P + 1);
    std::fill(w, w + P + 1, 0);
    w[0] = 1;
    for (int64_t j = N; j >= 1; --j) {
        uint64_t z = 0;
        widefp_array_idiv(w, w, static_cast<uint64_t>(j), P + 1, &z);
        widefp_array_mul(w, w, A.data(), P + 1);
        w[0] += 1;
    }
    w[0] = th::kBias;
}

// The series as first written on full products, Horner from 1; the library
// leaves out the zero words of r^2.  Same words required.
inline void ref_array_sincos(const uint64_t *r, uint64_t *w, uint64_t P, bool sine) {
    const int64_t E = th::unbiased(r);
    const int64_t N = sine ? widefp_taylor_tranc_sin(P, E) : widefp_taylor_tranc_cos(P, E);
    Words S(P + 1);
    widefp_widereal_to_array(r, E, w, P + 1);
    widefp_array_mul(S.data(), w, w, P + 1);
    std::fill(w, w + P + 1, 0);
    w[0] = 1;
    for (int64_t i = N; i >= 1; --i) {
        uint64_t z = 0;
        widefp_array_idiv(w, w, sine ? (2 * i) * (2 * i + 1) : (2 * i - 1) * (2 * i), P + 1, &z);
        widefp_array_mul(w, w, S.data(), P + 1);
        widefp_array_2s_complement(w, w, P + 1);
    }
    if (w[0] == 0) {
        widefp_sll_onebit(w, P + 1);
        w[0] = th::kBias - 1;
    } else {
        w[0] = th::kBias;
    }
    if (sine) widefp_float_mul(w, r, w, P);
}

// The logarithm's (sign 1) or arctangent's (sign -1) series kernel as first
// written: Horner's rule on full working arrays of P+1 words with
// widefp_invadd, then the factor t.  out: P+1 words.
inline void ref_log_atan_series(const uint64_t *t, uint64_t *out, uint64_t P, int sign) {
    const uint64_t n = P + 1;
    const int64_t E = th::unbiased(t);
    const int64_t N = sign == 1 ? widefp_taylor_tranc_log(P, E) : widefp_taylor_tranc_atan(P, E);
    Words cache(500 * n, 0), S(n);
    widefp_widereal_to_array(t, E, out, n);
    widefp_array_mul(S.data(), out, out, n);
    std::fill(out, out + n, 0);
    widefp_invadd(out, static_cast<uint64_t>(N) + 1, cache.data(), 1, n);
    for (int64_t j = N; j >= 1; --j) {
        widefp_array_mul(out, out, S.data(), n);
        widefp_invadd(out, static_cast<uint64_t>(j), cache.data(), sign, n);
    }
    if (sign == 1) {
        out[0] = th::kBias + 1;
    } else {
        widefp_sll_onebit(out, n);
        out[0] = th::kBias - 1;
    }
    widefp_float_mul(out, out, t, P);
}

}  // namespace ref

#endif
