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
#include "reference/ref_series.h"

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
    return static_cast<int>(th::cases(std::max(1, n)));
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

// Error (as check) of y = f(x) against MPFR's mf(x); f(y, x) returns the
// next word.  Also asserts that f on its own operand gives the same words,
// and for an odd f (odd = true) that f(-x) = -f(x) bit for bit.
template <class F>
double check_fn(Stats &st, F f, int (*mf)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t), const Words &x, uint64_t p,
                bool odd) {
    Words y(p + 1), z = x;
    const uint64_t g = f(y.data(), x.data());
    if (odd) z[0] ^= th::kSign;
    EXPECT_EQ(f(z.data(), z.data()), g) << "in place, x=" << th::hex(x);
    if (odd) z[0] ^= th::kSign;
    EXPECT_EQ(z, y) << "in place, x=" << th::hex(x);
    th::Mp xm(p), exact(p + 3);
    th::to_mpfr(xm, x.data(), p);
    mf(exact, xm, MPFR_RNDN);
    return check(st, y, g, exact, p);
}

// The logarithm's (sign 1) or arctangent's (sign -1) series kernel against
// its plain steps (ref::ref_log_atan_series).  Returns the distance in ulps
// of P words and the term count.
inline double trimmed_vs_plain(const Words &t, uint64_t P, int sign, int64_t *terms) {
    const uint64_t n = P + 1;
    const int64_t E = th::unbiased(t.data());
    const int64_t N = sign == 1 ? widefp_taylor_tranc_log(P, E) : widefp_taylor_tranc_atan(P, E);
    Words cache2(500 * n, 0), fast(n), out(n);
    ref::ref_log_atan_series(t.data(), out.data(), P, sign);
    if (sign == 1)
        widefp_array_log(t.data(), fast.data(), cache2.data(), P);
    else
        widefp_atan_horner(t.data(), fast.data(), cache2.data(), P);
    th::Mp a(P), b(P);
    th::to_mpfr(a, fast.data(), P);
    th::to_mpfr(b, out.data(), P);
    *terms = N;
    return th::error_in_ulp64(a, b, P) / 18446744073709551616.0;
}

// A widereal of p words with unbiased exponent e >= 64p next to a multiple
// of pi/2 (of pi/4 when quarter is set): M 2^s with s = e - 64p and M (of
// 64p+1 bits) the numerator of a convergent of the continued fraction of
// beta = pi/2^(s+1) (pi/2^(s+2)), or of the intermediate fraction that first
// reaches 64p+1 bits; |x - k pi/2| = 2^s |M - k beta| lies then near
// 2^s/k, about 2^-64p.
inline Words near_pi_multiple(uint64_t p, int64_t e, bool quarter) {
    const long bits = 64 * static_cast<long>(p), s = static_cast<long>(e) - bits;
    const long L = 2 * (bits + s) + 128;  // beta to L bits: B / 2^L
    th::Mp pi(L + 64, true);
    mpfr_const_pi(pi, MPFR_RNDZ);
    mpfr_mul_2si(pi, pi, L - s - 1 - (quarter ? 1 : 0), MPFR_RNDZ);
    mpz_t num, den, a, r, h, h1, h2, kk, k1, k2, top, t;
    mpz_inits(num, den, a, r, h, h1, h2, kk, k1, k2, top, t, nullptr);
    mpfr_get_z(num, pi, MPFR_RNDZ);
    mpz_set_ui(den, 1);
    mpz_mul_2exp(den, den, static_cast<mp_bitcnt_t>(L));
    mpz_set_ui(top, 1);
    mpz_mul_2exp(top, top, static_cast<mp_bitcnt_t>(bits));
    mpz_set_ui(h2, 0), mpz_set_ui(h1, 1), mpz_set_ui(k2, 1), mpz_set_ui(k1, 0);
    // num/den = B/2^L: a = floor(num/den), then den/(num - a den) and so on.
    for (;;) {
        mpz_fdiv_qr(a, r, num, den);
        mpz_mul(h, a, h1), mpz_add(h, h, h2);
        mpz_mul(kk, a, k1), mpz_add(kk, kk, k2);
        if (mpz_cmp(h, top) >= 0) {  // the least t with h2 + t h1 >= 2^64p
            mpz_sub(t, top, h2);
            mpz_cdiv_q(t, t, h1);
            mpz_mul(h, t, h1), mpz_add(h, h, h2);
            mpz_mul(kk, t, k1), mpz_add(kk, kk, k2);
            break;
        }
        mpz_swap(h2, h1), mpz_swap(h1, h);
        mpz_swap(k2, k1), mpz_swap(k1, kk);
        mpz_swap(num, den), mpz_swap(den, r);
    }
    th::Mp x(p);
    mpfr_set_z_2exp(x, h, s, MPFR_RNDN);  // exact: h has 64p+1 bits
    mpz_clears(num, den, a, r, h, h1, h2, kk, k1, k2, top, t, nullptr);
    return th::from_mpfr(x, p);
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
