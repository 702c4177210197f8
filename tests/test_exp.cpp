// Exponential against MPFR over the whole argument range; special values, identities, refused precisions.
#include <gtest/gtest.h>

#include "elem_check.h"
#include "reference/ref_series.h"
#include "rnd_exp_check.h"

namespace {

using th::Words;

// Error bound of (y, next word), in units of 2^-64 of y's last place.  The
// series runs at P = p+1 words: each of its N steps rounds one division and
// one product to half a unit u of the working array, and the factor r/j < 0.7
// damps what came before, so e^R carries at most 0.85u/(1-0.7) < 3u plus the
// cut-off tail (< u) and the reduction's 2 units of R's last word (< u/2^63).
// One u is one unit of the next word; reading the next word truncated adds
// one more: 5 units for x > 0.  For x < 0 the division 1/e^R at p+1 words
// doubles the relative error in units of a result in (1/2, 1] and truncates
// once more: 2*4 + 1 + 1 = 10.
constexpr double kBoundPositive = 5, kBoundNegative = 10;

// A random argument from one of the regions where the exponential changes
// character.
Words argument(th::Rng &rng, uint64_t p, int kind, th::Mp &ln2) {
    Words x;
    switch (kind) {
        case 0:  // tiny, down to where e^x is 1 to the last word
            x = th::random_wr(rng, p, -64 * static_cast<int64_t>(p) - 70, -20);
            break;
        case 1:  // near 0 and up to ln 2
            x = th::random_wr(rng, p, -19, -1);
            break;
        case 2:
        case 3: {  // within a few words of a multiple of ln 2 (the reduction's boundaries)
            th::Mp v(p), d(p);
            mpfr_mul_si(v, ln2, static_cast<long>(rng.range(1, 1000)) * (rng.coin() ? 1 : -1), MPFR_RNDN);
            mpfr_set_ui_2exp(d, 1, -static_cast<long>(rng.below(64 * p + 8)), MPFR_RNDN);
            if (rng.coin()) mpfr_neg(d, d, MPFR_RNDN);
            mpfr_add(v, v, d, MPFR_RNDZ);
            x = th::from_mpfr(v, p);
            break;
        }
        default:  // large: up to 2^60, far inside the range
            x = th::random_wr(rng, p, 0, 59);
            break;
    }
    return x;
}

TEST(Exp, AgainstMpfr) {
    th::Rng rng(21);
    ec::Stats pos("exp x>0"), neg("exp x<0");
    for (uint64_t p : ec::precisions()) {
        th::Mp ln2(64 * p + 200, true), exact(64 * p + 200, true), xm(p);
        mpfr_const_log2(ln2, MPFR_RNDN);
        Words y(p + 1), work(widefp_float_exp_work_size(p));
        const int n = ec::cases(p, 60);
        for (int i = 0; i < n; ++i) {
            Words x = argument(rng, p, i % 5, ln2);
            const uint64_t g = widefp_float_exp(y.data(), x.data(), p, work.data());
            th::to_mpfr(xm, x.data(), p);
            mpfr_exp(exact, xm, MPFR_RNDN);
            const bool negative = (x[0] & th::kSign) != 0;
            const double e = ec::check(negative ? neg : pos, y, g, exact, p);
            ASSERT_LE(e, negative ? kBoundNegative : kBoundPositive) << "p=" << p << " x=" << th::hex(x);
        }
    }
}

// The series alone, for reduced arguments in [ln 2, 1) as well, where the
// sum reaches 2 and is renormalised.
TEST(Exp, SeriesUpToOne) {
    th::Rng rng(22);
    ec::Stats st("array_exp r<1");
    for (uint64_t p : {1, 2, 5, 16, 64, 161}) {
        th::Mp exact(64 * p + 200, true), rm(p + 1);
        Words w(p + 2);
        for (int i = 0; i < 20; ++i) {
            Words r = th::random_wr(rng, p + 1, -3, -1, false);
            if (i == 0) r[0] = th::kBias - 1;  // 1/2
            widefp_array_exp(r.data(), w.data(), p + 1);
            th::to_mpfr(rm, r.data(), p + 1);
            mpfr_exp(exact, rm, MPFR_RNDN);
            ASSERT_LE(ec::check(st, w, w[p + 1], exact, p), kBoundPositive) << th::hex(r);
        }
    }
}

TEST(Exp, SeriesSameWordsAsThePlainSteps) {
    th::Rng rng(24);
    for (uint64_t P : {2, 3, 5, 17, 130}) {
        for (int i = 0; i < 30; ++i) {
            Words r = th::random_wr(rng, P, -64 * static_cast<int64_t>(P), -1, false), a(P + 1), b(P + 1);
            if (th::unbiased(r.data()) == -1) r[1] &= 0x3fffffffffffffffULL;  // below ln 2
            widefp_array_exp(r.data(), a.data(), P);
            ref::ref_array_exp(r.data(), b.data(), P);
            ASSERT_EQ(th::hex(a), th::hex(b)) << th::hex(r);
        }
    }
}

TEST(Exp, SpecialValuesAndIdentities) {
    for (uint64_t p : {1, 3, 40}) {
        Words y(p + 1), work(2 * p + 5), x(p + 1, 0);
        for (uint64_t sign : {uint64_t{0}, th::kSign}) {  // e^+-0 = 1 exactly
            x[0] = sign;
            EXPECT_EQ(widefp_float_exp(y.data(), x.data(), p, work.data()), 0u);
            EXPECT_EQ(th::hex(y), th::hex(th::from_double(1, p)));
        }
        // |x| = 2^-(64p+66): the truncation of 1 + x (1, a little more) and of
        // 1 - x (one unit below 1, almost one more unit).
        x[0] = th::kBias - 64 * p - 66;
        EXPECT_EQ(widefp_float_exp(y.data(), x.data(), p, work.data()), 1u);
        EXPECT_EQ(th::hex(y), th::hex(th::from_double(1, p)));
        x[0] |= th::kSign;
        EXPECT_EQ(widefp_float_exp(y.data(), x.data(), p, work.data()), ~uint64_t{0} - 1);
        Words below_one(p + 1, ~uint64_t{0});
        below_one[0] = th::kBias - 1;
        EXPECT_EQ(th::hex(y), th::hex(below_one));
        for (uint64_t w0 : {th::kBias + 62, th::kExpMask}) {  // 2^62 (> 2^62 ln 2) and infinity
            x[0] = w0;
            EXPECT_EQ(widefp_float_exp(y.data(), x.data(), p, work.data()), 0u);
            EXPECT_EQ(y[0], th::kExpMask);
            x[0] = w0 | th::kSign;
            EXPECT_EQ(widefp_float_exp(y.data(), x.data(), p, work.data()), w0 == th::kExpMask ? 0u : 1u);  // e^-inf = 0 exactly
            EXPECT_EQ(y[0], 0u);
            for (uint64_t j = 1; j <= p; ++j) EXPECT_EQ(y[j], 0u);
        }
        widefp_float_exp(y.data(), th::from_double(1, p).data(), p, work.data());
        EXPECT_EQ(y[0], 0x4000000000000000ULL);
        widefp_float_exp(y.data(), th::from_double(-1, p).data(), p, work.data());
        EXPECT_EQ(y[0], 0x3ffffffffffffffdULL);
        // Just below 2^60: finite, exponent field bias + floor(x / ln 2).
        x = th::from_double(0x1p60, p);
        x[0] -= 1;
        for (uint64_t j = 1; j <= p; ++j) x[j] = ~uint64_t{0};
        widefp_float_exp(y.data(), x.data(), p, work.data());
        th::Mp q(64 * p + 100, true), l2(64 * p + 100, true);
        th::to_mpfr(q, x.data(), p);
        mpfr_const_log2(l2, MPFR_RNDN);
        mpfr_div(q, q, l2, MPFR_RNDN);
        EXPECT_EQ(y[0], th::kBias + mpfr_get_ui(q, MPFR_RNDD));
        // In place, and e^a * e^b = e^(a+b) to a few units of the last word.
        th::Rng rng(23 + p);
        Words a = th::random_wr(rng, p, -3, 5), b = th::random_wr(rng, p, -3, 5), s(p + 1), ea(p + 1), eb(p + 1);
        widefp_float_add(s.data(), a.data(), b.data(), p);
        widefp_float_exp(ea.data(), a.data(), p, work.data());
        widefp_float_exp(eb.data(), b.data(), p, work.data());
        widefp_float_mul(ea.data(), ea.data(), eb.data(), p);
        Words alias = s;
        widefp_float_exp(alias.data(), alias.data(), p, work.data());
        widefp_float_exp(s.data(), s.data(), p, work.data());
        EXPECT_EQ(th::hex(alias), th::hex(s));
        th::Mp u(p), v(p);
        th::to_mpfr(u, ea.data(), p);
        th::to_mpfr(v, s.data(), p);
        // a+b is truncated (relative 2^-64p, times |a+b| < 64) before exp.
        EXPECT_LE(th::error_in_ulp64(u, v, p), 70.0 * 18446744073709551616.0) << th::hex(a) << " " << th::hex(b);
    }
}

// The truncated result with its guard word, rounded by the four rounding
// functions, equals MPFR's rounding of e^x at 64p+1 bits with our smallest
// exponent (results in our top binade compared from e^(x - 2^61 ln 2)).
void expect_roundings(const Words &x, uint64_t p) {
    Words t(p + 1), work(2 * p + 5);
    const uint64_t g = widefp_float_exp(t.data(), x.data(), p, work.data());
    using RoundFn = void (*)(uint64_t *, uint64_t, uint64_t);
    const struct {
        RoundFn f;
        int mode;
    } rs[] = {{widefp_float_round_near, WIDEFP_RNDN}, {widefp_float_round_chop, WIDEFP_RNDZ},
              {widefp_float_round_plus, WIDEFP_RNDU}, {widefp_float_round_minus, WIDEFP_RNDD}};
    for (const auto &r : rs) {
        Words y = t;
        r.f(y.data(), g, p);
        std::optional<rc::Ref> ref = rc::reference1(mpfr_exp, x.data(), p, r.mode);
        if (!ref) ref = rx::exp_scaled_ref(p, r.mode, rx::kScale, [&](mpfr_ptr T, mpfr_prec_t) { th::to_mpfr(T, x.data(), p); });
        ASSERT_TRUE(ref.has_value());
        if (th::is_inf(t.data())) {  // an overflow, infinite as the products' are: e^x above the largest number
            if (r.mode == WIDEFP_RNDU) {
                ASSERT_TRUE(th::is_inf(ref->w.data())) << "p=" << p << " x=" << th::hex(x);
            }
            continue;
        }
        ASSERT_TRUE(th::same_value(y.data(), ref->w.data(), p))
            << rc::mode_name(r.mode) << " p=" << p << " x=" << th::hex(x) << "\n  ours " << th::hex(y) << " (guard "
            << th::hex(g) << ")\n  MPFR " << th::hex(ref->w);
    }
}

// Arguments next to 0, where e^x is 1 and a little or one unit below 1 and
// almost one more: every rounding of the truncated result with its guard
// word is MPFR's (a guard 0 there claimed an exact 1).
TEST(Exp, TinyArgumentsRoundAsTheExactValue) {
    for (uint64_t p : {1, 2, 3, 9}) {
        const int64_t P = static_cast<int64_t>(p);
        for (int64_t e = -(64 * P + 72); e <= -(64 * P + 56); ++e)
            for (uint64_t f : {uint64_t{0}, ~uint64_t{0}, uint64_t{0x5555555555555555}})
                for (uint64_t s : {uint64_t{0}, th::kSign}) {
                    Words x(p + 1, f);
                    x[0] = s | static_cast<uint64_t>(e + static_cast<int64_t>(th::kBias));
                    ASSERT_NO_FATAL_FAILURE(expect_roundings(x, p));
                }
    }
}

// The range of the result is the widereal one: e^x is finite up to
// x < 2^62 ln 2 (about 3.2e18; it was +inf from 2^60 on) and reaches the
// smallest number down to -(2^62-2) ln 2, below which it is +0 with the
// guard word of an underflowed product.  Random arguments over [2^59, 2^62)
// of either sign and arguments next to each threshold; every rounding by the
// guard word against MPFR.
TEST(Exp, RangeThresholds) {
    th::Rng rng(25);
    for (uint64_t p : {1, 2, 4, 13}) {
        for (int i = 0; i < 40; ++i) ASSERT_NO_FATAL_FAILURE(expect_roundings(th::random_wr(rng, p, 59, 61), p));
        th::Mp l(64 * p + 200, true), c(64 * p + 200, true), v(p);
        mpfr_const_log2(l, MPFR_RNDN);
        for (long k : {static_cast<long>(th::kBias) + 1, -static_cast<long>(th::kBias) + 1, -static_cast<long>(th::kBias)}) {
            mpfr_mul_si(c, l, k, MPFR_RNDN);  // 2^62 ln 2, -(2^62-2) ln 2 (the smallest number), half of it
            mpfr_set(v, c, MPFR_RNDN);
            for (int j = 0; j < 3; ++j) mpfr_nextbelow(v);
            for (int j = 0; j < 7; ++j, mpfr_nextabove(v)) ASSERT_NO_FATAL_FAILURE(expect_roundings(th::from_mpfr(v, p), p));
        }
        // 2^60 and 2^61: finite now, to the error bound.
        for (double d : {0x1p60, 0x1p61, -0x1p60, -0x1p61}) {
            Words x = th::from_double(d, p), y(p + 1), work(2 * p + 5);
            widefp_float_exp(y.data(), x.data(), p, work.data());
            EXPECT_FALSE(th::is_inf(y.data()) || th::is_zero(y.data())) << d;
        }
    }
}

TEST(ExpDeathTest, RefusedPrecisionsAndArguments) {
    Words x = th::from_double(1, 2), y(1030), work(3000);
    EXPECT_EQ(ec::fatal_of([&] { widefp_float_exp(y.data(), x.data(), 0, work.data()); }).substr(0, 13),
              "widefp:range|");
    EXPECT_NE(ec::fatal_of([&] { widefp_float_exp(y.data(), x.data(), 1024, work.data()); }).find("precision 1024"),
              std::string::npos);
    // The series alone refuses an argument of 1 or more (the term count would run away).
    EXPECT_NE(ec::fatal_of([&] { widefp_array_exp(th::from_double(1.5, 3).data(), y.data(), 3); }).find("not negative"),
              std::string::npos);
}

}  // namespace
