// Arcsine: random arguments against MPFR (near 0, on both sides of sqrt(3)/2,
// near +-1), odd symmetry bit for bit, special values, domain errors, and
// asin(sin x) = x.
#include <gtest/gtest.h>

#include <cmath>

#include "elem_check.h"
#include "reference/ref_asin.h"

namespace {

using th::Words;

Words asin_of(const Words &x, uint64_t p, uint64_t *g) {
    Words y(p + 1), work(5 * p + 10);
    *g = widefp_float_asin(y.data(), x.data(), p, work.data());
    return y;
}

// b(1 + s d) truncated to p words, d in [2^-k, 2^(1-k)).
Words around(th::Rng &rng, double b, int s, int64_t k, uint64_t p) {
    th::Mp v(p + 2);
    Words d = th::random_wr(rng, p, -k, -k, false);
    th::to_mpfr(v, d.data(), p);
    if (s < 0) mpfr_neg(v, v, MPFR_RNDN);
    mpfr_add_ui(v, v, 1, MPFR_RNDN);
    mpfr_mul_d(v, v, b, MPFR_RNDN);
    return ec::truncated(v, p);
}

// Error bound in units of 2^-64 ulp.  The series stops once a term adds less
// than 2^56 units of the last word of p+1; the terms after it shrink by at
// least 3/4 each, so the neglected tail is below 2^58 units relative to the
// sum, 2^59 of the result.  Each term adds one truncation of the sum (at
// most about 154(p+1) terms) and a few units through the term itself; the
// square root, the reflection and the last product a few more.
double asin_bound(uint64_t p) { return 1152921504606846976.0 + 400.0 * (p + 1) + 1000; }

TEST(Asin, RandomAgainstMpfr) {
    th::Rng rng(0xa51);
    ec::Stats st("asin");
    for (uint64_t p : ec::precisions()) {
        // Past 64 words only arguments whose series is short: tiny ones, and
        // those next to 1, whose reflection is tiny.
        const bool slow = p > 64;
        for (int c = 0; c < ec::cases(p, 24); ++c) {
            Words x;
            switch (slow ? 2 * (c % 2) : c % 4) {
                case 0: x = th::random_wr(rng, p, slow ? -300 : -64, slow ? -24 : -1); break;
                case 1: x = around(rng, std::sqrt(3.0) / 2, rng.coin() ? 1 : -1, rng.range(4, 64 * p), p); break;
                case 2: x = around(rng, 1, -1, rng.range(slow ? 48 : 1, 64 * p), p); break;
                default: x = th::random_wr(rng, p, -1, -1); break;
            }
            if (rng.coin()) x[0] |= th::kSign;
            Words work(5 * p + 10);
            auto f = [&](uint64_t *y, const uint64_t *a) { return widefp_float_asin(y, a, p, work.data()); };
            ASSERT_LE(ec::check_fn(st, f, mpfr_asin, x, p, true), asin_bound(p)) << "p=" << p << " x=" << th::hex(x);
        }
    }
}

TEST(Asin, ShortenedStepsFollowThePlainSteps) {
    th::Rng rng(0xa52);
    for (uint64_t p : {1, 3, 9}) {
        for (double b : {0.3, 0.8, 0.866, 0.9, 0.999}) {
            Words x = around(rng, b, 1, 20, p), y(p + 1), work(5 * p + 10);
            y.push_back(widefp_float_asin(y.data(), x.data(), p, work.data()));
            th::Mp a(p + 1), r(p + 1);
            th::to_mpfr(a, y.data(), p + 1);
            th::to_mpfr(r, ref::ref_asin(x, p).data(), p + 1);
            // Trimmed terms and early Newton steps cost a unit per term; the
            // stopping test may then fire one term apart (below 2^56 units).
            const double d = th::error_in_ulp64(a, r, p);
            EXPECT_LE(d, 72057594037927936.0 + 200.0 * (p + 1) + 64) << "p=" << p << " x~" << b;
        }
    }
}

TEST(Asin, SpecialValuesAndDomain) {
    for (uint64_t p : {1, 2, 1023}) {
        uint64_t g = 3;
        for (uint64_t sign : {uint64_t{0}, th::kSign}) {
            Words zero(p + 1, 0), one = th::from_double(1.0, p);
            zero[0] = sign;
            EXPECT_EQ(asin_of(zero, p, &g), zero);
            EXPECT_EQ(g, 0u);
            // +-1: pi/2 to p+1 words (at p = 1023 that reads pi at 1,024 words).
            one[0] |= sign;
            th::Mp pi(p + 3);
            mpfr_const_pi(pi, MPFR_RNDZ);
            mpfr_div_2ui(pi, pi, 1, MPFR_RNDZ);
            Words want = ec::truncated(pi, p + 1);
            want[0] |= sign;
            EXPECT_EQ(asin_of(one, p, &g), Words(want.begin(), want.begin() + p + 1));
            EXPECT_EQ(g, want[p + 1]);
        }
    }
    // asin 0.5 = pi/6 by the series; asin 0.9 through the reflection.
    uint64_t g;
    EXPECT_NEAR(widefp_float_wrtod(asin_of(th::from_double(0.5, 2), 2, &g).data()), M_PI / 6, 2.3e-16);
    EXPECT_NEAR(widefp_float_wrtod(asin_of(th::from_double(0.9, 2), 2, &g).data()), std::asin(0.9), 1e-15);
    // Beyond +-1, infinities included: the domain message, the result untouched.
    const uint64_t p = 2;
    Words above = th::from_double(1.0, p), y(p + 1, 0x55), work(5 * p + 10);
    above[p] = 1;
    Words inf(p + 1, 0);
    inf[0] = th::kSign | th::kExpMask;
    for (const Words &x : {above, th::from_double(-2.0, p), inf}) {
        EXPECT_EQ(ec::fatal_of([&] { widefp_float_asin(y.data(), x.data(), p, work.data()); }),
                  "widefp:domain|asin : domain error.\n");
        EXPECT_EQ(y, Words(p + 1, 0x55));
    }
    EXPECT_EXIT(widefp_float_asin(y.data(), above.data(), p, work.data()), testing::ExitedWithCode(1),
                "^asin : domain error.\n$");
    Words w(5 * 1024 + 10);
    EXPECT_EQ(ec::fatal_of([&] { widefp_float_asin(y.data(), th::from_double(0.5, 1024).data(), 1024, w.data()); })
                  .substr(0, 13),
              "widefp:range|");
}

TEST(Asin, OfTheSine) {
    th::Rng rng(0x515);
    for (uint64_t p : {1, 2, 5, 12}) {
        for (int c = 0; c < 6; ++c) {
            Words x = th::random_wr(rng, p, -10, -1), s(p + 1), work(2 * p + 5);
            widefp_float_sin(s.data(), x.data(), p, work.data());
            uint64_t g;
            Words a = asin_of(s, p, &g);
            th::Mp am(p), xm(p);
            th::to_mpfr(am, a.data(), p);
            th::to_mpfr(xm, x.data(), p);
            // sin x truncated by an ulp, magnified by 1/cos x < 2, plus asin's own.
            EXPECT_LE(th::error_in_ulp64(am, xm, p) / 18446744073709551616.0, 4.0) << "p=" << p;
        }
    }
}

}  // namespace
