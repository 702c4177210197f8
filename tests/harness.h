// harness.h -- shared helpers of the unit tests: random widereal operands,
// conversion to and from MPFR numbers of 64p+1 bits, and a hex printer.
// The plain reference algorithms that optimised code is compared against
// live in tests/reference/.
#ifndef WIDEFP_TESTS_HARNESS_H
#define WIDEFP_TESTS_HARNESS_H

#include <gmp.h>
#include <mpfr.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "kernel/internal.h"
#include "widefp.h"

namespace th {

using widefp::detail::kBias;
using widefp::detail::kExpMask;
using widefp::detail::kSign;

// Number of random cases for a loop written for `base` of them: base times
// the environment variable WIDEFP_TEST_MULTIPLIER (default 1; a fraction
// shortens the run, a larger number lengthens it), at least 1.
inline long cases(long base) {
    static const double multiplier = [] {
        const char *s = std::getenv("WIDEFP_TEST_MULTIPLIER");
        const double m = s ? std::strtod(s, nullptr) : 1.0;
        return m > 0 ? m : 1.0;
    }();
    const double n = static_cast<double>(base) * multiplier;
    return n < 1 ? 1 : n > 1e15 ? 1000000000000000L : static_cast<long>(n);
}

using Words = std::vector<uint64_t>;

inline uint64_t exp_field(const uint64_t *x) { return x[0] & kExpMask; }
inline bool is_zero(const uint64_t *x) { return exp_field(x) == 0; }
inline bool is_inf(const uint64_t *x) { return exp_field(x) == kExpMask; }

// Hex dump of n words, for failure messages.
inline std::string hex(const uint64_t *w, size_t n) {
    std::string s;
    char buf[24];
    for (size_t i = 0; i < n; ++i) {
        std::snprintf(buf, sizeof buf, "%s%016llx", i ? " " : "", static_cast<unsigned long long>(w[i]));
        s += buf;
    }
    return s;
}
inline std::string hex(const Words &w) { return hex(w.data(), w.size()); }
inline std::string hex(uint64_t w) { return hex(&w, 1); }

// Random source; fixed seed per test unless WIDEFP_SEED is set.
class Rng {
public:
    explicit Rng(uint64_t seed = 0x5eed) : gen_(seed_from_env(seed)) {}
    uint64_t word() { return gen_(); }
    uint64_t below(uint64_t n) { return n ? gen_() % n : 0; }
    // In lo..hi inclusive.
    uint64_t range(uint64_t lo, uint64_t hi) { return lo + below(hi - lo + 1); }
    bool coin() { return gen_() & 1; }
    // A word of long runs of 0s and 1s (as GMP's rrandomb does).
    uint64_t run_word() {
        uint64_t w = 0;
        int pos = 0;
        bool bit = coin();
        while (pos < 64) {
            int len = 1 + static_cast<int>(below(coin() ? 64 : 8));
            if (len > 64 - pos) len = 64 - pos;
            if (bit) w |= (len == 64 ? ~uint64_t{0} : ((uint64_t{1} << len) - 1)) << pos;
            pos += len;
            bit = !bit;
        }
        return w;
    }
    // Fills n words: plain random, runs of 0s and 1s, or a few special patterns.
    void fill(uint64_t *w, size_t n) {
        switch (below(6)) {
            case 0:
            case 1:
                for (size_t i = 0; i < n; ++i) w[i] = word();
                break;
            case 2:
            case 3:
                for (size_t i = 0; i < n; ++i) w[i] = run_word();
                break;
            case 4: {  // long stretches of all-zero or all-one words
                uint64_t v = coin() ? ~uint64_t{0} : 0;
                for (size_t i = 0; i < n; ++i) {
                    if (below(8) == 0) v = ~v;
                    w[i] = below(16) == 0 ? run_word() : v;
                }
                break;
            }
            default:
                for (size_t i = 0; i < n; ++i) w[i] = 0;
                if (n) w[below(n)] = run_word();
                break;
        }
    }
    std::mt19937_64 &gen() { return gen_; }

private:
    static uint64_t seed_from_env(uint64_t seed) {
        if (const char *s = std::getenv("WIDEFP_SEED")) return std::strtoull(s, nullptr, 0);
        return seed;
    }
    std::mt19937_64 gen_;
};

// A random finite nonzero widereal of precision p with unbiased exponent in
// [emin, emax] and a random sign.
inline Words random_wr(Rng &r, uint64_t p, int64_t emin = -64, int64_t emax = 64, bool allow_negative = true) {
    Words x(p + 1);
    r.fill(x.data() + 1, p);
    int64_t e = emin + static_cast<int64_t>(r.below(static_cast<uint64_t>(emax - emin + 1)));
    x[0] = static_cast<uint64_t>(static_cast<int64_t>(kBias) + e);
    if (allow_negative && r.coin()) x[0] |= kSign;
    return x;
}

inline Words from_double(double d, uint64_t p) {
    Words x(p + 1, 0);
    widefp_float_dtowr(x.data(), d, p);
    return x;
}

// Unbiased exponent of a finite nonzero element.
inline int64_t unbiased(const uint64_t *x) { return static_cast<int64_t>(exp_field(x)) - static_cast<int64_t>(kBias); }

// MPFR number of 64p+1 bits.  The exponent range is widened once so that
// every test exponent fits.
class Mp {
public:
    explicit Mp(uint64_t p) : Mp(static_cast<mpfr_prec_t>(64 * p + 1), true) {}
    Mp(mpfr_prec_t bits, bool) {
        widen_range();
        mpfr_init2(v_, bits);
        mpfr_set_zero(v_, 1);
    }
    ~Mp() { mpfr_clear(v_); }
    Mp(const Mp &) = delete;
    Mp &operator=(const Mp &) = delete;
    mpfr_ptr get() { return v_; }
    mpfr_srcptr get() const { return v_; }
    operator mpfr_ptr() { return v_; }
    operator mpfr_srcptr() const { return v_; }

    static void widen_range() {
        static bool done = [] {
            mpfr_set_emax(mpfr_get_emax_max());
            mpfr_set_emin(mpfr_get_emin_min());
            return true;
        }();
        (void)done;
    }

private:
    mpfr_t v_;
};

// Exact value of a widereal (finite, zero or infinite) into an MPFR number
// (whose precision must be at least 64p+1 for exactness).
inline void to_mpfr(mpfr_ptr out, const uint64_t *x, uint64_t p) {
    Mp::widen_range();
    int neg = (x[0] & kSign) != 0;
    if (is_zero(x)) {
        mpfr_set_zero(out, neg ? -1 : 1);
        return;
    }
    if (is_inf(x)) {
        mpfr_set_inf(out, neg ? -1 : 1);
        return;
    }
    mpz_t m;
    mpz_init(m);
    mpz_import(m, p, 1, sizeof(uint64_t), 0, 0, x + 1);
    mpz_setbit(m, 64 * p);
    if (neg) mpz_neg(m, m);
    int64_t e = unbiased(x);
    mpfr_set_z_2exp(out, m, e - static_cast<int64_t>(64 * p), MPFR_RNDN);
    mpz_clear(m);
}

// The widereal holding an MPFR value that is representable in 64p+1 bits
// (round it first).  Zeros keep their sign; infinities become exponent
// field 0x7fff...; fraction words of specials are cleared.
inline Words from_mpfr(mpfr_srcptr v, uint64_t p) {
    Words x(p + 1, 0);
    uint64_t sign = mpfr_signbit(v) ? kSign : 0;
    if (mpfr_zero_p(v)) {
        x[0] = sign;
        return x;
    }
    if (mpfr_inf_p(v)) {
        x[0] = sign | kExpMask;
        return x;
    }
    mpz_t m;
    mpz_init(m);
    mpfr_exp_t e = mpfr_get_z_2exp(m, v);  // v = m * 2^e exactly
    mpz_abs(m, m);
    size_t bits = mpz_sizeinbase(m, 2);
    // normalise m to exactly 64p+1 bits
    int64_t shift = static_cast<int64_t>(64 * p + 1) - static_cast<int64_t>(bits);
    if (shift > 0)
        mpz_mul_2exp(m, m, shift);
    else if (shift < 0)
        mpz_tdiv_q_2exp(m, m, -shift);  // callers pass exactly representable values
    e -= shift;
    int64_t unb = static_cast<int64_t>(e) + static_cast<int64_t>(64 * p);
    mpz_clrbit(m, 64 * p);
    size_t count = 0;
    std::vector<uint64_t> tmp(p + 1, 0);
    mpz_export(tmp.data(), &count, 1, sizeof(uint64_t), 0, 0, m);
    // right-align the exported words into x[1..p]
    for (size_t i = 0; i < count; ++i) x[1 + p - count + i] = tmp[i];
    mpz_clear(m);
    x[0] = sign | static_cast<uint64_t>(unb + static_cast<int64_t>(kBias));
    return x;
}

// Same value at precision p: equal word 0 and, unless the value is a zero
// or an infinity (whose fraction words mean nothing), equal fraction words.
inline bool same_value(const uint64_t *a, const uint64_t *b, uint64_t p) {
    if (a[0] != b[0]) return false;
    if (is_zero(a) || is_inf(a)) return true;
    for (uint64_t i = 1; i <= p; ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// Distance |a - b| in units of 2^-64 of the last place of the exact value v
// (v nonzero finite), as a double.  For error-bound assertions.
inline double error_in_ulp64(mpfr_srcptr approx, mpfr_srcptr exact, uint64_t p) {
    Mp d(static_cast<mpfr_prec_t>(64 * p + 200), true);
    mpfr_sub(d, approx, exact, MPFR_RNDN);
    mpfr_abs(d, d, MPFR_RNDN);
    if (mpfr_zero_p(d)) return 0.0;
    // last place of exact: 2^(exp(exact) - 1 - 64p) ; one unit of 2^-64 of it
    mpfr_exp_t ex = mpfr_get_exp(exact);  // exact in [2^(ex-1), 2^ex)
    mpfr_mul_2si(d, d, -(static_cast<long>(ex) - 1 - static_cast<long>(64 * p) - 64), MPFR_RNDN);
    return mpfr_get_d(d, MPFR_RNDN);
}

}  // namespace th

#endif  // WIDEFP_TESTS_HARNESS_H
