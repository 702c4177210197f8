// elem_check.h -- accuracy bookkeeping of the elementary-function tests: error
// of a result with its next word against MPFR, agreement of round-to-nearest,
// and the plain reciprocal series the optimised kernels are compared with.
#ifndef WIDEFP_TESTS_ELEM_CHECK_H
#define WIDEFP_TESTS_ELEM_CHECK_H

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <cstring>
#include <string>

#include "harness.h"

namespace ec {

using th::Words;

// Precisions of the random tests: every threshold, few cases past 160 words.
inline const std::vector<uint64_t> &precisions() {
    static const std::vector<uint64_t> ps = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16,
                                             31, 64, 160, 161, 300, 719, 720, 1000, 1023};
    return ps;
}
// Random cases at precision p: `base` up to 16 words, then fewer.
inline int cases(uint64_t p, int base) {
    int n = p <= 16 ? base : p <= 161 ? base / 4 : p <= 300 ? 2 : 1;
    return std::max(1, n) * th::multiplier();
}

// v truncated to precision P (P+1 words).
inline Words truncated(mpfr_srcptr v, uint64_t P) {
    th::Mp t(P);
    mpfr_set(t, v, MPFR_RNDZ);
    return th::from_mpfr(t, P);
}

// Largest error and round-to-nearest disagreements of one function, printed
// when the test ends.
struct Stats {
    const char *name;
    double worst = 0;
    uint64_t worst_p = 0;
    int cases = 0, rn_differ = 0;
    explicit Stats(const char *n) : name(n) {}
    ~Stats() {
        std::printf("[ accuracy ] %s: %d cases, largest error %.4g units of 2^-64 ulp (p = %llu, %.3g ulp), "
                    "round-to-nearest differs from MPFR in %d\n",
                    name, cases, worst, static_cast<unsigned long long>(worst_p), worst / 18446744073709551616.0,
                    rn_differ);
    }
};

// Error of y (p words) followed by its next word g against `exact` (computed
// with at least 64p+129 bits), in units of 2^-64 of the last place of y;
// counts whether rounding y to nearest with g equals MPFR's RNDN.
inline double check(Stats &st, const Words &y, uint64_t g, mpfr_srcptr exact, uint64_t p) {
    Words w(y.begin(), y.begin() + p + 1);
    w.push_back(g);
    th::Mp a(p + 1);
    th::to_mpfr(a, w.data(), p + 1);
    const double e = th::error_in_ulp64(a, exact, p);
    Words r(y.begin(), y.begin() + p + 1);
    widefp_float_round_near(r.data(), g, p);
    th::Mp m(p);
    mpfr_set(m, exact, MPFR_RNDN);
    const Words ref = th::from_mpfr(m, p);
    ++st.cases;
    if (!th::same_value(r.data(), ref.data(), p)) {
        ++st.rn_differ;
        if (std::getenv("WIDEFP_SHOW_RN")) std::printf("rn differs: p=%llu y=%s g=%016llx\n", (unsigned long long)p, th::hex(y).c_str(), (unsigned long long)g);
    }
    if (e > st.worst) {
        st.worst = e;
        st.worst_p = p;
    }
    return e;
}

// out (n words) = sum of (+-S)^i/(2i+1), i = 0..N, by Horner's rule on full
// working arrays with widefp_invadd: the steps as first written, the model
// of the trimmed series of the logarithm and arctangent.
inline void plain_series(uint64_t *out, const uint64_t *S, int64_t N, uint64_t *cache, int sign, uint64_t n) {
    std::memset(out, 0, n * sizeof(uint64_t));
    widefp_invadd(out, static_cast<uint64_t>(N) + 1, cache, 1, n);
    for (int64_t j = N; j >= 1; --j) {
        widefp_array_mul(out, out, S, n);
        widefp_invadd(out, static_cast<uint64_t>(j), cache, sign, n);
    }
}

// Runs f with a fatal handler that throws; returns "identifier|text" of the
// fatal error, or "" when f returned normally.
template <class F>
std::string fatal_of(F f) {
    widefp_fatal_handler old = widefp_set_fatal_handler([](const char *id, const char *text) {
        throw std::runtime_error(std::string(id) + "|" + text);
    });
    std::string what;
    try {
        f();
    } catch (const std::runtime_error &e) {
        what = e.what();
    }
    widefp_set_fatal_handler(old);
    return what;
}

}  // namespace ec

#endif  // WIDEFP_TESTS_ELEM_CHECK_H
