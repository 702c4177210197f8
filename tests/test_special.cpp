// Correctly rounded Gamma, ln|Gamma|, erf, erfc and Beta against MPFR in the
// four modes, bit for bit with the ternary value; the special values, poles
// and domain errors as MPFR has them; the tangent numbers behind Stirling's
// series; the cap of the working precision.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "rnd_check.h"
#include "special/tangent.h"
#include "special/work.h"
#include "widefp_special.h"

namespace {

using th::Words;
namespace sp = widefp::special;

[[noreturn]] void throwing_handler(const char *id, const char *text) {
    throw std::runtime_error(std::string(id) + "|" + text);
}

// The identifier of the fatal error that f() raises, "" when it returns.
template <class F>
std::string fatal_of(F &&f) {
    widefp_set_fatal_handler(&throwing_handler);
    std::string what;
    try {
        f();
    } catch (const std::runtime_error &e) {
        what = e.what();
        what = what.substr(0, what.find('|'));
    }
    widefp_set_fatal_handler(nullptr);
    return what;
}

int mpfr_lgamma1(mpfr_ptr y, mpfr_srcptr x, mpfr_rnd_t r) {
    int s;
    return mpfr_lgamma(y, &s, x, r);
}

using Ours1 = int (*)(uint64_t *, const uint64_t *, uint64_t, int);
int ours_lgamma(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    int s;
    return widefp_rnd_lgamma(y, &s, x, p, mode);
}

// x rounded to p words (nearest) from an MPFR value.
Words rounded(mpfr_srcptr v, uint64_t p) {
    th::Mp r(p);
    mpfr_set(r, v, MPFR_RNDN);
    return th::from_mpfr(r, p);
}

// c + d 2^-k u (u random in [1, 2), d = +-1) at precision p: next to c.
Words near(th::Rng &rng, uint64_t p, double c, int64_t k) {
    th::Mp v(p + 2), u(p + 2);
    Words w = th::random_wr(rng, p + 1, 0, 0, false);
    th::to_mpfr(u, w.data(), p + 1);
    mpfr_mul_2si(u, u, -k, MPFR_RNDN);
    mpfr_set_d(v, c, MPFR_RNDN);
    if (rng.coin()) mpfr_neg(u, u, MPFR_RNDN);
    mpfr_add(v, v, u, MPFR_RNDN);
    return rounded(v, p);
}

// Precisions of the random tests and their case counts.
struct Level {
    uint64_t p;
    long n;
};
std::vector<Level> levels(long base, bool p64 = true) {
    std::vector<Level> v;
    for (uint64_t p = 1; p <= 8; ++p) v.push_back({p, th::cases(base)});
    v.push_back({16, th::cases(base / 2)});
    v.push_back({31, th::cases(base / 6)});
    if (p64) v.push_back({64, th::cases(base / 24)});
    return v;
}

// Ours against MPFR in the modes of `modes` (bit i: mode i), and once more
// with the result written over the argument.
::testing::AssertionResult check1(rc::Tally &tally, const char *name, Ours1 ours, rc::Mpfr1 f, const Words &x,
                                  uint64_t p, unsigned modes = 15) {
    for (int mode : rc::kModes) {
        if (!(modes >> mode & 1)) continue;
        auto ref = rc::reference1(f, x.data(), p, mode);
        if (!ref) {
            ++tally.unverifiable;
            continue;
        }
        Words y(p + 1), z = x;
        const int t = ours(y.data(), x.data(), p, mode);
        ++tally.cases;
        tally.exact += t == 0;
        const std::string what = std::string(name) + " " + rc::mode_name(mode) + " x=" + th::hex(x);
        auto r = rc::same(y, t, *ref, p, what);
        if (!r) return r;
        const int t2 = ours(z.data(), z.data(), p, mode);
        r = rc::same(z, t2, *ref, p, what + " (result over x)");
        if (!r) return r;
    }
    return ::testing::AssertionSuccess();
}

// The first-attempt rate and the largest error of the Ziv loops since the
// last report.
void report_ziv(const char *name) {
    sp::ZivStats &s = sp::ziv_stats();
    std::printf("[ special  ] %s: %llu roundings, first attempt decided %llu (%.2f%%), %llu attempts, "
                "largest working precision %llu words, largest decided error %llu bits\n",
                name, static_cast<unsigned long long>(s.loops), static_cast<unsigned long long>(s.first),
                s.loops ? 100.0 * static_cast<double>(s.first) / static_cast<double>(s.loops) : 0.0,
                static_cast<unsigned long long>(s.attempts), static_cast<unsigned long long>(s.max_q),
                static_cast<unsigned long long>(s.max_err));
    s = sp::ZivStats{};
}

bool negative_integer(const Words &x, uint64_t p) {
    th::Mp m(p);
    th::to_mpfr(m, x.data(), p);
    return mpfr_integer_p(m) && mpfr_sgn(m.get()) <= 0;
}

// ---- Gamma ----------------------------------------------------------------------

Words gamma_argument(th::Rng &rng, uint64_t p, int kind) {
    switch (kind) {
        case 0: return th::random_wr(rng, p, -4, 6);             // moderate, both signs
        case 1: return th::random_wr(rng, p, -300, -20);         // tiny: 1/x - gamma + ...
        case 2: {                                                // next to a pole 0, -1, ..., -60
            const int64_t k = 1 + static_cast<int64_t>(rng.below(64 * p + 8));
            return near(rng, p, -static_cast<double>(rng.below(61)), k);
        }
        case 3: {  // large: up to the overflow and underflow thresholds
            Words x = th::random_wr(rng, p, 40, 56);
            return x;
        }
        default: {  // positive integers: (n-1)! exact, a tie or rounded
            const double n = static_cast<double>(1 + rng.below(rng.coin() ? 40 : 3000));
            return th::from_double(n, p);
        }
    }
}

TEST(Gamma, BitForBitWithMpfr) {
    th::Rng rng(501);
    rc::Tally tally("gamma");
    for (const Level &l : levels(80)) {
        for (long c = 0; c < l.n; ++c) {
            Words x = gamma_argument(rng, l.p, static_cast<int>(c % 5));
            if (negative_integer(x, l.p)) continue;
            ASSERT_TRUE(check1(tally, "gamma", widefp_rnd_gamma, mpfr_gamma, x, l.p));
        }
    }
    // p = 160 (MPFR's first call there computes its Bernoulli numbers: ~1 s)
    for (long c = 0; c < th::cases(2) / 2; ++c) {
        Words x = th::random_wr(rng, 160, -2, 5);
        ASSERT_TRUE(check1(tally, "gamma", widefp_rnd_gamma, mpfr_gamma, x, 160, 1u << (c % 4)));
    }
    report_ziv("gamma");
}

// Gamma(x) >= 2^(2^62) overflows; MPFR's range ends one binade below ours,
// so x whose Gamma lies in our top binade is skipped (counted), beyond it the
// overflow is checked against MPFR's ln Gamma.
TEST(Gamma, OverflowAndUnderflowThresholds) {
    th::Rng rng(502);
    const uint64_t p = 2;
    long overflowed = 0, top = 0, compared = 0;
    rc::Tally negative("gamma, large negative");
    th::Mp lg(static_cast<mpfr_prec_t>(300), true), lim(static_cast<mpfr_prec_t>(300), true);
    for (long c = 0; c < th::cases(60); ++c) {
        Words x = th::random_wr(rng, p, 56, 56, false);  // [2^56, 2^57): Gamma near 2^(2^62)
        th::Mp mx(p);
        th::to_mpfr(mx, x.data(), p);
        int s;
        mpfr_lgamma(lg, &s, mx, MPFR_RNDN);
        mpfr_const_log2(lim, MPFR_RNDN);
        mpfr_mul_2si(lim, lim, 62, MPFR_RNDN);  // ln 2^(2^62)
        for (int mode : rc::kModes) {
            Words y(p + 1);
            const int t = widefp_rnd_gamma(y.data(), x.data(), p, mode);
            if (mpfr_cmp(lg, lim) > 0) {  // beyond the range
                ++overflowed;
                const bool inf = mode == WIDEFP_RNDN || mode == WIDEFP_RNDU;
                EXPECT_EQ(y[0], inf ? th::kExpMask : th::kExpMask - 1) << th::hex(x);
                EXPECT_EQ(t, inf ? 1 : -1);
                continue;
            }
            auto ref = rc::reference1(mpfr_gamma, x.data(), p, mode);
            if (!ref) {
                ++top;
                continue;
            }
            ++compared;
            ASSERT_TRUE(rc::same(y, t, *ref, p, "gamma x=" + th::hex(x)));
        }
        // -x: underflow below -8.6e16, else MPFR with our smallest exponent
        x[0] |= th::kSign;
        if (!negative_integer(x, p)) {
            ASSERT_TRUE(check1(negative, "gamma", widefp_rnd_gamma, mpfr_gamma, x, p));
        }
    }
    std::printf("[ special  ] gamma near 2^(2^62): %ld overflows, %ld compared, %ld in the top binade (skipped)\n",
                overflowed, compared, top);
    EXPECT_GT(overflowed, 0);
    EXPECT_GT(compared, 0);
}

// ---- ln|Gamma| ------------------------------------------------------------------

// The zeros of ln|Gamma| below -2, to double precision.
const double kLgammaZeros[] = {-2.457024738220800, -2.747682646727412, -3.143580888349980, -3.955294284858597,
                               -4.039361839740536, -4.991544640560048, -5.008218168743618};

Words lgamma_argument(th::Rng &rng, uint64_t p, int kind) {
    switch (kind) {
        case 0: return th::random_wr(rng, p, -4, 7);
        case 1: {  // next to 1 and 2, where the result vanishes
            const int64_t k = 1 + static_cast<int64_t>(rng.below(64 * p + 4));
            return near(rng, p, rng.coin() ? 1.0 : 2.0, k);
        }
        case 2: {  // next to a zero below -2 (cancellation of about 50 bits)
            const double z = kLgammaZeros[rng.below(7)];
            return near(rng, p, z, 40 + static_cast<int64_t>(rng.below(20)));
        }
        case 3: return th::random_wr(rng, p, -400, 400);  // tiny to large, both signs
        default: {  // beyond 2^(64q+16): x (ln x - 1) alone
            Words x = th::random_wr(rng, p, 0, 0, false);
            x[0] = th::kBias + 64 * (p + 3) + rng.below(1000000);
            return x;
        }
    }
}

TEST(Lgamma, BitForBitWithMpfrAndSign) {
    th::Rng rng(503);
    rc::Tally tally("lgamma");
    for (const Level &l : levels(80)) {
        for (long c = 0; c < l.n; ++c) {
            Words x = lgamma_argument(rng, l.p, static_cast<int>(c % 5));
            if (negative_integer(x, l.p)) continue;
            ASSERT_TRUE(check1(tally, "lgamma", ours_lgamma, mpfr_lgamma1, x, l.p));
            // the sign of Gamma
            th::Mp mx(l.p), r(l.p);
            th::to_mpfr(mx, x.data(), l.p);
            int s_mpfr = 0, s_ours = 0;
            mpfr_lgamma(r, &s_mpfr, mx, MPFR_RNDN);
            Words y(l.p + 1);
            widefp_rnd_lgamma(y.data(), &s_ours, x.data(), l.p, WIDEFP_RNDN);
            ASSERT_EQ(s_ours, s_mpfr) << th::hex(x);
        }
    }
    for (long c = 0; c < th::cases(2) / 2; ++c) {
        Words x = lgamma_argument(rng, 160, static_cast<int>(c % 2));
        ASSERT_TRUE(check1(tally, "lgamma", ours_lgamma, mpfr_lgamma1, x, 160, 1u << (c % 4)));
    }
    report_ziv("lgamma");
}

// ---- erf and erfc ------------------------------------------------------------------

Words erf_argument(th::Rng &rng, uint64_t p, int kind, bool complement) {
    switch (kind) {
        case 0: return th::random_wr(rng, p, -6, 2);  // moderate, both signs
        case 1: {                                      // tiny, down to where the result is decided at once
            const int64_t e = -static_cast<int64_t>(rng.below(64 * p + 12)) - 8;
            return th::random_wr(rng, p, e, e);
        }
        case 2: {  // large: the asymptotic series and up to the thresholds of 1 and 2
            const double top = std::sqrt((64.0 * static_cast<double>(p) + 8.0) * 0.6931471805599453) + 1.0;
            th::Mp v(p);
            mpfr_set_d(v, 1.5 + (top - 1.5) * static_cast<double>(rng.below(1 << 20)) / (1 << 20), MPFR_RNDN);
            Words x = rounded(v, p);
            x[p] ^= rng.word();
            if (complement && rng.below(3) == 0) x[0] |= th::kSign;
            return x;
        }
        default: {
            if (!complement) return th::random_wr(rng, p, 3, 40);  // decided at once: +-1 or its neighbour
            // next to the underflow threshold of erfc, sqrt(2^62 ln 2) ~ 1.788e9
            th::Mp v(p);
            mpfr_set_d(v, 1.787e9 + 3e6 * static_cast<double>(rng.below(1000)) / 1000.0, MPFR_RNDN);
            Words x = rounded(v, p);
            x[p] ^= rng.word() >> 8;
            return x;
        }
    }
}

TEST(Erf, BitForBitWithMpfr) {
    th::Rng rng(504);
    rc::Tally tally("erf");
    for (const Level &l : levels(100)) {
        for (long c = 0; c < l.n; ++c) {
            Words x = erf_argument(rng, l.p, static_cast<int>(c % 4), false);
            ASSERT_TRUE(check1(tally, "erf", widefp_rnd_erf, mpfr_erf, x, l.p));
        }
    }
    for (uint64_t p : {160, 300}) {
        for (long c = 0; c < th::cases(4); ++c) {
            Words x = erf_argument(rng, p, static_cast<int>(c % 3), false);
            ASSERT_TRUE(check1(tally, "erf", widefp_rnd_erf, mpfr_erf, x, p, 1u << (c % 4)));
        }
    }
    for (long c = 0; c < th::cases(2) / 2; ++c) {  // p = 1023: about 2 s per case, full runs only
        Words x = th::random_wr(rng, 1023, -3, 0);
        ASSERT_TRUE(check1(tally, "erf", widefp_rnd_erf, mpfr_erf, x, 1023, 1u << (c % 4)));
    }
    report_ziv("erf");
}

TEST(Erfc, BitForBitWithMpfr) {
    th::Rng rng(505);
    rc::Tally tally("erfc");
    for (const Level &l : levels(100)) {
        for (long c = 0; c < l.n; ++c) {
            Words x = erf_argument(rng, l.p, static_cast<int>(c % 4), true);
            ASSERT_TRUE(check1(tally, "erfc", widefp_rnd_erfc, mpfr_erfc, x, l.p));
        }
    }
    for (uint64_t p : {160, 300}) {
        for (long c = 0; c < th::cases(4); ++c) {
            Words x = erf_argument(rng, p, static_cast<int>(c % 3), true);
            ASSERT_TRUE(check1(tally, "erfc", widefp_rnd_erfc, mpfr_erfc, x, p, 1u << (c % 4)));
        }
    }
    for (long c = 0; c < th::cases(2) / 2; ++c) {
        Words x = th::random_wr(rng, 1023, -3, 0);
        ASSERT_TRUE(check1(tally, "erfc", widefp_rnd_erfc, mpfr_erfc, x, 1023, 1u << (c % 4)));
    }
    report_ziv("erfc");
}

// ---- Beta ---------------------------------------------------------------------------

// The reference for B where MPFR's beta gives NaN because its Gamma values
// overflow: e^(lgamma a + lgamma b - lgamma(a+b)) with the signs, at two
// working precisions; empty unless both round alike.
std::optional<rc::Ref> beta_by_lgamma(const Words &a, const Words &b, uint64_t p, int mode) {
    std::optional<rc::Ref> out;
    // ln Gamma of x ~ 2^e is about e 2^e: e more bits keep its last place
    const int64_t e = std::max<int64_t>({0, th::unbiased(a.data()), th::unbiased(b.data())});
    for (mpfr_prec_t extra : {100, 300}) {
        const mpfr_prec_t prec = static_cast<mpfr_prec_t>(64 * p + 1 + e) + extra;
        th::Mp ma(p), mb(p), s(static_cast<mpfr_prec_t>(2 * (64 * p + 1) + 4000), true);
        th::Mp l(prec, true), t(prec, true);
        th::to_mpfr(ma, a.data(), p);
        th::to_mpfr(mb, b.data(), p);
        mpfr_add(s, ma, mb, MPFR_RNDN);
        int sa, sb, sc;
        auto ref = rc::reference(p, mode, [&](mpfr_ptr y, mpfr_rnd_t r) {
            mpfr_lgamma(l, &sa, ma, MPFR_RNDN);
            mpfr_lgamma(t, &sb, mb, MPFR_RNDN);
            mpfr_add(l, l, t, MPFR_RNDN);
            mpfr_lgamma(t, &sc, s, MPFR_RNDN);
            mpfr_sub(l, l, t, MPFR_RNDN);
            mpfr_exp(l, l, MPFR_RNDN);
            if (sa * sb * sc < 0) mpfr_neg(l, l, MPFR_RNDN);
            return mpfr_set(y, l, r);
        });
        if (!ref) return std::nullopt;
        if (out && (out->w != ref->w || rc::sgn(out->t) != rc::sgn(ref->t))) return std::nullopt;
        out = ref;
    }
    return out;
}

std::pair<Words, Words> beta_arguments(th::Rng &rng, uint64_t p, int kind) {
    auto small_dyadic = [&](int den) {
        return th::from_double(static_cast<double>(static_cast<int64_t>(rng.below(24)) - 12) / den, p);
    };
    switch (kind) {
        case 0: return {th::random_wr(rng, p, -3, 5, false), th::random_wr(rng, p, -3, 5, false)};
        case 1: return {th::random_wr(rng, p, -3, 4), th::random_wr(rng, p, -3, 4)};  // negative non-integers
        case 2: return {small_dyadic(1 + static_cast<int>(rng.below(2))), small_dyadic(2)};  // integers, halves
        case 3: {  // a far larger than b: the cancelling sums and the shortcut
            Words a = th::random_wr(rng, p, 0, 0, false);
            a[0] = th::kBias + 20 + rng.below(64 * p + 200);
            return {a, th::random_wr(rng, p, -3, 3)};
        }
        case 4: return {th::random_wr(rng, p, 20, 60, false), th::random_wr(rng, p, 20, 60, false)};  // tiny results
        default: return {th::random_wr(rng, p, -200, -10), th::random_wr(rng, p, -200, 2)};  // large results
    }
}

TEST(Beta, BitForBitWithMpfr) {
    th::Rng rng(506);
    rc::Tally tally("beta");
    long by_lgamma = 0, domain = 0;
    for (const Level &l : levels(80)) {
        for (long c = 0; c < l.n; ++c) {
            auto [a, b] = beta_arguments(rng, l.p, static_cast<int>(c % 6));
            th::Mp ma(l.p), mb(l.p), r(l.p);
            th::to_mpfr(ma, a.data(), l.p);
            th::to_mpfr(mb, b.data(), l.p);
            mpfr_beta(r, ma, mb, MPFR_RNDN);
            const bool mpfr_nan = mpfr_nan_p(r);
            for (int mode : rc::kModes) {
                Words y(l.p + 1);
                std::optional<rc::Ref> ref;
                if (mpfr_nan) {
                    // MPFR's rules give NaN at the poles; its computation gives
                    // NaN where its Gamma values overflow: ours is checked
                    // against ln Gamma there.
                    const std::string id =
                        fatal_of([&] { widefp_rnd_beta(y.data(), a.data(), b.data(), l.p, mode); });
                    if (!id.empty()) {
                        ASSERT_EQ(id, "widefp:domain") << "beta a=" << th::hex(a) << " b=" << th::hex(b);
                        ++domain;
                        continue;
                    }
                    if (mpfr_cmp_ui(ma, 1) == 0 || mpfr_cmp_ui(mb, 1) == 0) {  // B(1, x) = 1/x, exact or not
                        th::Mp &other = mpfr_cmp_ui(ma, 1) == 0 ? mb : ma;
                        ref = rc::reference(l.p, mode, [&](mpfr_ptr r, mpfr_rnd_t m) { return mpfr_ui_div(r, 1, other, m); });
                    } else {
                        ref = beta_by_lgamma(a, b, l.p, mode);
                    }
                    ++by_lgamma;
                } else {
                    ref = rc::reference2(mpfr_beta, a.data(), b.data(), l.p, mode);
                }
                if (!ref) {
                    ++tally.unverifiable;
                    continue;
                }
                const int t = widefp_rnd_beta(y.data(), a.data(), b.data(), l.p, mode);
                ++tally.cases;
                tally.exact += t == 0;
                ASSERT_TRUE(rc::same(y, t, *ref, l.p,
                                     std::string("beta ") + rc::mode_name(mode) + " a=" + th::hex(a) + " b=" + th::hex(b)));
                Words z = b;  // the result over the second operand, swapped operands
                const int t2 = widefp_rnd_beta(z.data(), z.data(), a.data(), l.p, mode);
                ASSERT_TRUE(rc::same(z, t2, *ref, l.p, "beta, swapped, result over b"));
            }
        }
    }
    std::printf("[ special  ] beta: %ld checked against ln Gamma or 1/x (MPFR's NaN from overflow), %ld domain errors\n",
                by_lgamma, domain);
    report_ziv("beta");
}

// ---- special values, poles, exact results -------------------------------------------

// Every pair of a small set of values: zeros, infinities, integers, halves.
TEST(Special, ValuesAndDomainErrorsAsMpfr) {
    const uint64_t p = 2;
    const double v[] = {0.0, -0.0, 1, 2, 3, 4, -1, -2, -3, 0.5, -0.5, -1.5, 1.5, 2.5, -2.5, 0.25, -0.25,
                        INFINITY, -INFINITY};
    rc::Tally tally("special values");
    long domain = 0;
    auto one = [&](const char *name, auto ours, auto ref_f, const Words &x) {
        for (int mode : rc::kModes) {
            Words y(p + 1);
            th::Mp mx(p), r(p);
            th::to_mpfr(mx, x.data(), p);
            const bool nan = [&] {
                rc::OurRange range;
                ref_f(r.get(), mx.get(), MPFR_RNDN);
                return mpfr_nan_p(r) != 0;
            }();
            if (nan) {
                EXPECT_EQ(fatal_of([&] { ours(y.data(), x.data(), p, mode); }), "widefp:domain") << name << th::hex(x);
                ++domain;
                continue;
            }
            auto ref = rc::reference1(ref_f, x.data(), p, mode);
            ASSERT_TRUE(ref.has_value());
            const int t = ours(y.data(), x.data(), p, mode);
            ++tally.cases;
            tally.exact += t == 0;
            EXPECT_TRUE(rc::same(y, t, *ref, p, std::string(name) + " x=" + th::hex(x)));
        }
    };
    for (double d : v) {
        const Words x = th::from_double(d, p);
        one("gamma", widefp_rnd_gamma, mpfr_gamma, x);
        one("lgamma", ours_lgamma, mpfr_lgamma1, x);
        one("erf", widefp_rnd_erf, mpfr_erf, x);
        one("erfc", widefp_rnd_erfc, mpfr_erfc, x);
        // lgamma's sign at the poles and infinities
        th::Mp mx(p), r(p);
        th::to_mpfr(mx, x.data(), p);
        int s_mpfr = 0, s_ours = 0;
        mpfr_lgamma(r, &s_mpfr, mx, MPFR_RNDN);
        Words y(p + 1);
        widefp_rnd_lgamma(y.data(), &s_ours, x.data(), p, WIDEFP_RNDN);
        EXPECT_EQ(s_ours, s_mpfr) << "lgamma sign at " << d;
        for (double e : v) {
            const Words b = th::from_double(e, p);
            th::Mp mb(p);
            th::to_mpfr(mb, b.data(), p);
            th::Mp rb(p);
            mpfr_beta(rb, mx, mb, MPFR_RNDN);
            for (int mode : rc::kModes) {
                if (mpfr_nan_p(rb)) {
                    EXPECT_EQ(fatal_of([&] { widefp_rnd_beta(y.data(), x.data(), b.data(), p, mode); }),
                              "widefp:domain")
                        << "beta(" << d << ", " << e << ")";
                    ++domain;
                    continue;
                }
                auto ref = rc::reference2(mpfr_beta, x.data(), b.data(), p, mode);
                ASSERT_TRUE(ref.has_value());
                const int t = widefp_rnd_beta(y.data(), x.data(), b.data(), p, mode);
                ++tally.cases;
                tally.exact += t == 0;
                EXPECT_TRUE(rc::same(y, t, *ref, p, "beta(" + std::to_string(d) + ", " + std::to_string(e) + ")"));
            }
        }
    }
    std::printf("[ special  ] %ld domain errors where MPFR gives NaN\n", domain);
}

// Exact results have ternary 0 and are exact: (n-1)! while it fits (and
// rounded once it does not), B(1, +-2^k) = +-2^-k, B(2, -1/2) = -4, B(m, -n).
TEST(Special, ExactResults) {
    rc::Tally tally("exact cases");
    for (uint64_t p : {1, 2, 5, 16}) {
        for (int n = 1; n <= 60; ++n) {
            const Words x = th::from_double(n, p);
            ASSERT_TRUE(check1(tally, "gamma", widefp_rnd_gamma, mpfr_gamma, x, p));
        }
        for (int k = -70; k <= 70; k += 7) {
            for (double s : {1.0, -1.0}) {
                if (k == 0 && s < 0) continue;  // B(1, -1) = 1 by MPFR's rule for B(n, -n): above
                const Words one = th::from_double(1, p), b = th::from_double(s * std::ldexp(1.0, k), p);
                for (int mode : rc::kModes) {
                    Words y(p + 1);
                    // 1/b (MPFR's beta gives NaN from 2^63 on: its Gamma overflows)
                    auto ref = rc::reference2(
                        [](mpfr_ptr r, mpfr_srcptr, mpfr_srcptr v, mpfr_rnd_t m) { return mpfr_ui_div(r, 1, v, m); },
                        one.data(), b.data(), p, mode);
                    ASSERT_TRUE(ref.has_value());
                    const int t = widefp_rnd_beta(y.data(), one.data(), b.data(), p, mode);
                    EXPECT_EQ(t, 0);
                    ++tally.cases;
                    ++tally.exact;
                    EXPECT_TRUE(rc::same(y, t, *ref, p, "beta(1, " + std::to_string(s) + " 2^" + std::to_string(k) + ")"));
                }
            }
        }
        const Words two = th::from_double(2, p), mhalf = th::from_double(-0.5, p);
        Words y(p + 1);
        EXPECT_EQ(widefp_rnd_beta(y.data(), mhalf.data(), two.data(), p, WIDEFP_RNDZ), 0);
        EXPECT_TRUE(th::same_value(y.data(), th::from_double(-4, p).data(), p));
    }
    // B(m, -n), n >= m: (-1)^m B(m, 1+n-m), against MPFR
    for (uint64_t p : {1, 3}) {
        for (int m = 1; m <= 6; ++m)
            for (int n = m; n <= 9; ++n)
                for (int mode : rc::kModes) {
                    const Words a = th::from_double(m, p), b = th::from_double(-n, p);
                    Words y(p + 1);
                    const int t = widefp_rnd_beta(y.data(), a.data(), b.data(), p, mode);
                    auto ref = rc::reference2(mpfr_beta, a.data(), b.data(), p, mode);
                    ASSERT_TRUE(ref.has_value());
                    ++tally.cases;
                    ASSERT_TRUE(rc::same(y, t, *ref, p, "beta(" + std::to_string(m) + ", -" + std::to_string(n) + ")"));
                }
    }
}

// Arguments at the ends of the exponent range: Gamma(x) ~ 1/x near the
// smallest number, ln|Gamma| there, erf and erfc of it, B(x, 1) = 1/x.
TEST(Special, ArgumentsAtTheEndsOfTheRange) {
    rc::Tally tally("range ends");
    for (uint64_t p : {1, 2, 9}) {
        th::Rng rng(507 + p);
        for (int c = 0; c < 12; ++c) {
            Words x = th::random_wr(rng, p, 0, 0);
            x[0] = (x[0] & th::kSign) | (1 + rng.below(c < 6 ? 2 : 200));  // exponent field 1, 2, ...
            if (c % 3 == 0)
                for (uint64_t j = 1; j <= p; ++j) x[j] = 0;
            ASSERT_TRUE(check1(tally, "gamma", widefp_rnd_gamma, mpfr_gamma, x, p));
            ASSERT_TRUE(check1(tally, "lgamma", ours_lgamma, mpfr_lgamma1, x, p));
            ASSERT_TRUE(check1(tally, "erf", widefp_rnd_erf, mpfr_erf, x, p));
            ASSERT_TRUE(check1(tally, "erfc", widefp_rnd_erfc, mpfr_erfc, x, p));
            const Words one = th::from_double(1, p);
            for (int mode : rc::kModes) {
                Words y(p + 1);
                // 1/x: MPFR's beta forms x + 1 exactly first, and for x this
                // small the number it allocates exceeds any memory.
                auto ref = rc::reference2(
                    [](mpfr_ptr r, mpfr_srcptr v, mpfr_srcptr, mpfr_rnd_t m) { return mpfr_ui_div(r, 1, v, m); },
                    x.data(), one.data(), p, mode);
                if (!ref) {
                    ++tally.unverifiable;
                    continue;
                }
                const int t = widefp_rnd_beta(y.data(), x.data(), one.data(), p, mode);
                ++tally.cases;
                ASSERT_TRUE(rc::same(y, t, *ref, p, "beta(x, 1) x=" + th::hex(x)));
            }
        }
    }
}

TEST(Special, PrecisionAndModeChecks) {
    const Words x = th::from_double(1.5, 2);
    Words y(3);
    int s;
    EXPECT_EQ(fatal_of([&] { widefp_rnd_gamma(y.data(), x.data(), 0, 0); }), "widefp:range");
    EXPECT_EQ(fatal_of([&] { widefp_rnd_lgamma(y.data(), &s, x.data(), 1024, 0); }), "widefp:range");
    EXPECT_EQ(fatal_of([&] { widefp_rnd_erf(y.data(), x.data(), 2, 4); }), "widefp:range");
    EXPECT_EQ(fatal_of([&] { widefp_rnd_erfc(y.data(), x.data(), 2, -1); }), "widefp:range");
    EXPECT_EQ(fatal_of([&] { widefp_rnd_beta(y.data(), x.data(), x.data(), 2, 7); }), "widefp:range");
}

// ---- the working precision's error bounds --------------------------------------------

// log2 |v - exact| / |exact| for a value of precision q (-inf when equal).
double actual_error(const sp::Num &v, uint64_t q, mpfr_srcptr exact) {
    th::Mp a(q), d(static_cast<mpfr_prec_t>(64 * q + 400), true);
    th::to_mpfr(a, v.w, q);
    mpfr_sub(d, a, exact, MPFR_RNDN);
    if (mpfr_zero_p(d)) return -HUGE_VAL;
    mpfr_div(d, d, exact, MPFR_RNDN);
    long e;
    const double m = mpfr_get_d_2exp(&e, d, MPFR_RNDN);
    return std::log2(std::fabs(m)) + static_cast<double>(e);
}

// Every operation's claimed bound holds against MPFR, at q = 1024 too (where
// the elementary functions join their guard word and a Taylor step): values
// with and without errors, sums that cancel, logarithms next to 1.
TEST(Work, BoundsHoldAgainstMpfr) {
    th::Rng rng(508);
    long checked = 0;
    double tightest = HUGE_VAL;  // smallest margin between bound and error, in bits
    for (uint64_t q : {2, 3, 7, 40, 1024}) {
        const long n = q == 1024 ? th::cases(3) : th::cases(40);
        for (long c = 0; c < n; ++c) {
            sp::Work w(q, 16);
            const mpfr_prec_t hp = static_cast<mpfr_prec_t>(64 * q + 300);
            // a and b exact at q words; a2 = a truncated to q-1 words as an
            // inexact value, next to 1 for the logarithm now and then.
            Words xa = th::random_wr(rng, q, -3, 3), xb = th::random_wr(rng, q, -3, 3);
            if (c % 4 == 1) {  // b next to a: cancellation
                xb = xa;
                xb[q] ^= rng.word() & 0xffff;
                if (rng.coin() && q > 2) xb[q - 1] ^= 1;
            }
            sp::Num a = w.num(), b = w.num(), r = w.num();
            w.set(a, xa.data(), q);
            w.set(b, xb.data(), q);
            th::Mp ma(q), mb(q), ex(hp, true), t(hp, true);
            th::to_mpfr(ma, xa.data(), q);
            th::to_mpfr(mb, xb.data(), q);
            // a as an inexact value: a * (1 + 2^-k) rounded, claimed 2^(1-k)
            if (c % 2) {
                sp::Num e = w.num();
                const int k = 20 + static_cast<int>(rng.below(64 * q - 40));
                Words one = th::from_double(1, q), tiny = th::from_double(1, q);
                tiny[0] = th::kBias - static_cast<uint64_t>(k);
                widefp_float_add(one.data(), one.data(), tiny.data(), q);
                w.set(e, one.data(), q);
                w.mul(a, a, e);  // a's exact value stays the MPFR one: a's error covers the factor
                a.re = sp::lg_add(a.re, 1.0 - k);
            }
            auto check = [&](const char *what, const sp::Num &v, mpfr_srcptr exact) {
                if (v.re == sp::kUseless || mpfr_zero_p(exact)) return;
                const double err = actual_error(v, q, exact);
                ++checked;
                tightest = std::min(tightest, v.re - err);
                EXPECT_LE(err, v.re) << what << " q=" << q << " a=" << th::hex(xa) << " b=" << th::hex(xb);
            };
            w.mul(r, a, b), mpfr_mul(ex, ma, mb, MPFR_RNDN), check("mul", r, ex);
            w.div(r, a, b), mpfr_div(ex, ma, mb, MPFR_RNDN), check("div", r, ex);
            w.add(r, a, b), mpfr_add(ex, ma, mb, MPFR_RNDN), check("add", r, ex);
            w.sub(r, a, b), mpfr_sub(ex, ma, mb, MPFR_RNDN), check("sub", r, ex);
            mpfr_abs(t, ma, MPFR_RNDN);
            sp::Num aa = w.num();
            w.copy(aa, a);
            aa.w[0] &= ~th::kSign;
            w.sqrt(r, aa), mpfr_sqrt(ex, t, MPFR_RNDN), check("sqrt", r, ex);
            w.log(r, aa), mpfr_log(ex, t, MPFR_RNDN), check("log", r, ex);
            int64_t k = 0;
            w.exp(r, &k, a), mpfr_exp(ex, ma, MPFR_RNDN), mpfr_mul_2si(ex, ex, -k, MPFR_RNDN), check("exp", r, ex);
            if (std::fabs(widefp_float_wrtod(xa.data())) < 1.6) w.sin(r, a), mpfr_sin(ex, ma, MPFR_RNDN), check("sin", r, ex);
            // log next to 1: 1 + a 2^-j
            Words near1 = th::from_double(1, q), d = xa;
            d[0] = (xa[0] & th::kSign) | (th::kBias - 1 - rng.below(64 * q - 8));
            widefp_float_add(near1.data(), near1.data(), d.data(), q);
            sp::Num l = w.num();
            w.set(l, near1.data(), q);
            th::to_mpfr(t, near1.data(), q);
            w.log(r, l), mpfr_log(ex, t, MPFR_RNDN), check("log near 1", r, ex);
        }
    }
    std::printf("[ special  ] working precision: %ld bounds hold, tightest by %.2f bits\n", checked, tightest);
}

// ---- the tangent numbers -----------------------------------------------------------------

// T_k = E_(2k-1), the zigzag numbers, from Seidel's triangle (additions only):
// a route independent of both the generator and the library's recurrence.
TEST(Tangent, TableAndComputedNumbersAreTheZigzagNumbers) {
    const uint64_t K = 400;  // past the table (352): the computed ones too
    const sp::Tangents computed(K);
    const sp::Tangents table(sp::kTangentTable);
    const uint64_t n = 2 * K;
    // Row m: a_0 = 0, a_i = a_(i-1) + prev_(m-i) (prev: row m-1); E_m = a_m.
    std::vector<mpz_t> row(n + 1), prev(n + 1);
    for (auto &r : row) mpz_init(r);
    for (auto &r : prev) mpz_init(r);
    mpz_set_ui(row[0], 1);
    for (uint64_t m = 1; m < n; ++m) {
        for (uint64_t i = 0; i < m; ++i) mpz_set(prev[i], row[i]);
        mpz_set_ui(row[0], 0);
        for (uint64_t i = 1; i <= m; ++i) mpz_add(row[i], row[i - 1], prev[m - i]);
        if (m & 1) {  // m = 2k-1: T_k
            const uint64_t k = (m + 1) / 2;
            size_t count = 0;
            std::vector<uint64_t> w(mpz_sizeinbase(row[m], 2) / 64 + 2, 0);
            mpz_export(w.data(), &count, -1, 8, 0, 0, row[m]);
            w.resize(count);
            uint64_t len;
            const uint64_t *c = computed.get(k, &len);
            ASSERT_EQ(std::vector<uint64_t>(c, c + len), w) << "computed T_" << k;
            if (k <= sp::kTangentTable) {
                const uint64_t *t = table.get(k, &len);
                ASSERT_EQ(std::vector<uint64_t>(t, t + len), w) << "table T_" << k;
            }
        }
    }
    for (auto &r : row) mpz_clear(r);
    for (auto &r : prev) mpz_clear(r);
}

// ---- the cap of the working precision ---------------------------------------------------

// At the cap an approximation within a quarter unit is rounded (at most one
// unit from the correctly rounded result); a worse one is a range error.
TEST(Special, WorkingPrecisionCap) {
    const uint64_t p = 3, cap = 5;
    Words y(p + 1);
    auto run = [&](double re) {
        return sp::ziv_round("cap test", y.data(), p, WIDEFP_RNDN, p + 1, cap,
                             [&](uint64_t q, uint64_t *frac, sp::Approx &a) {
                                 for (uint64_t j = 0; j < q; ++j) frac[j] = j == p ? 0x8000000000000000ULL : 0;
                                 a.neg = false;
                                 a.e = 3;
                                 a.re = re - 64.0 * static_cast<double>(q);  // a tie: never decided
                             });
    };
    EXPECT_EQ(fatal_of([&] { run(20.0); }), "");
    EXPECT_EQ(y[0], th::kBias + 3);  // 8 (a tie, to even)
    EXPECT_EQ(fatal_of([&] { run(64.0 * 2 + 10.0); }), "widefp:range");
    // A real one: erfc(6) loses about 55 bits to cancellation, more than
    // p = 1023 leaves at 1,024 words.  About 2 s: full runs only.
    if (th::cases(4) / 4 > 0) {
        const Words x = th::from_double(6.0, 1023);
        Words z(1024);
        EXPECT_EQ(fatal_of([&] { widefp_rnd_erfc(z.data(), x.data(), 1023, WIDEFP_RNDN); }), "widefp:range");
    }
}

}  // namespace
