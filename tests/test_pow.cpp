// Power: random bases and exponents against MPFR (bases near 1, results near
// overflow, negative bases with integer exponents), aliasing, zero bases,
// domain errors; modf, ceil and floor.
#include <gtest/gtest.h>

#include <cmath>

#include "elem_check.h"

namespace {

using th::Words;

Words pow_of(const Words &x, const Words &y, uint64_t p, uint64_t *g) {
    Words z(p + 1, 0x77), work(3 * p + 6), cache(widefp_cache_size(p), 0);
    *g = widefp_float_pow(z.data(), x.data(), y.data(), p, work.data(), cache.data());
    return z;
}

Words rounded(mpfr_srcptr v, uint64_t p) {
    th::Mp r(p);
    mpfr_set(r, v, MPFR_RNDZ);
    return th::from_mpfr(r, p);
}

// Error bound in units of 2^-64 ulp.  ln x comes with its next word, within
// 8(N+8) units of 2^-64(p+1) (the logarithm's bound); the product y ln x at
// p+1 words adds 2 units, so z = y ln x is off by |z|(8N+66) such units; the
// exponential turns that into the same relative error and adds 4 units of
// its own (at p words with its next word, corrected to first order for the
// last word of y ln x).  Doubled for the units of the result's last place.
double pow_bound(uint64_t p, double z) {
    const double N = static_cast<double>(widefp_taylor_tranc_log_calc(p + 1, -2));
    return 2 * (std::fabs(z) * (8 * N + 66) + 4);
}

TEST(Pow, RandomAgainstMpfr) {
    th::Rng rng(0x909);
    ec::Stats st("pow");
    for (uint64_t p : ec::precisions()) {
        for (int c = 0; c < ec::cases(p, 24); ++c) {
            th::Mp v(p + 3), lnx(p + 3);
            Words x, y;
            const bool slow = p > 161;  // keep the logarithm's series short there
            switch (c % 3) {
                case 0: {  // a base near 1 and |y ln x| up to 2^59: results near overflow
                    x = th::random_wr(rng, p, -static_cast<int64_t>(rng.range(slow ? 20 : 1, 64 * p)), -1, true);
                    th::to_mpfr(v, x.data(), p);
                    mpfr_add_ui(v, v, 1, MPFR_RNDN);
                    x = rounded(v, p);
                    th::to_mpfr(v, x.data(), p);
                    mpfr_log(lnx, v, MPFR_RNDN);
                    mpfr_ui_div(v, 1, lnx, MPFR_RNDN);
                    mpfr_mul_2si(v, v, static_cast<long>(rng.range(0, 59)), MPFR_RNDN);
                    if (rng.coin()) mpfr_neg(v, v, MPFR_RNDN);
                    y = rounded(v, p);
                    break;
                }
                case 1:  // any base, moderate exponent
                    x = th::random_wr(rng, p, -64, 64, false);
                    if (slow) std::fill(x.begin() + 1, x.end(), 0), x[p] = rng.word();
                    y = th::random_wr(rng, p, -8, 6);
                    break;
                default: {  // a negative base, an integer exponent
                    x = th::random_wr(rng, p, -8, 8, false);
                    if (slow) std::fill(x.begin() + 1, x.end(), 0), x[p] = rng.word();
                    x[0] |= th::kSign;
                    y = th::from_double(static_cast<double>(static_cast<int64_t>(rng.range(0, 80)) - 40), p);
                    break;
                }
            }
            uint64_t g;
            Words z = pow_of(x, y, p, &g);
            th::Mp xm(p), ym(p), exact(p + 3), zz(p + 3);
            th::to_mpfr(xm, x.data(), p);
            th::to_mpfr(ym, y.data(), p);
            mpfr_pow(exact, xm, ym, MPFR_RNDN);
            mpfr_abs(zz, xm, MPFR_RNDN);
            mpfr_log(zz, zz, MPFR_RNDN);
            mpfr_mul(zz, zz, ym, MPFR_RNDN);
            const double bound = pow_bound(p, mpfr_get_d(zz, MPFR_RNDN));
            ASSERT_LE(ec::check(st, z, g, exact, p), bound) << "p=" << p << " x=" << th::hex(x) << " y=" << th::hex(y);
            // In place, on the base and on the exponent.
            if (slow) continue;
            Words a = x, b = y, work(3 * p + 6), cache(widefp_cache_size(p), 0);
            ASSERT_EQ(widefp_float_pow(a.data(), a.data(), y.data(), p, work.data(), cache.data()), g);
            ASSERT_EQ(widefp_float_pow(b.data(), x.data(), b.data(), p, work.data(), cache.data()), g);
            ASSERT_EQ(a, z);
            ASSERT_EQ(b, z);
        }
    }
}

TEST(Pow, IntegerExponentsAgainstRepeatedProducts) {
    th::Rng rng(0x1e);
    for (uint64_t p : {2, 3, 8}) {
        for (int n = 2; n <= 12; ++n) {
            Words x = th::random_wr(rng, p, -3, 3), prod = x;
            for (int k = 1; k < n; ++k) widefp_float_mul(prod.data(), prod.data(), x.data(), p);
            uint64_t g;
            Words z = pow_of(x, th::from_double(n, p), p, &g);
            th::Mp a(p), b(p);
            th::to_mpfr(a, z.data(), p);
            th::to_mpfr(b, prod.data(), p);
            // n-1 truncated products lose up to n ulps; the power a few.
            EXPECT_LE(th::error_in_ulp64(a, b, p) / 18446744073709551616.0, n + 2.0) << "p=" << p << " n=" << n;
            EXPECT_EQ((z[0] & th::kSign) != 0, (x[0] & th::kSign) && n % 2) << "sign of x^" << n;
        }
    }
}

TEST(Pow, SpecialValues) {
    for (uint64_t p : {1, 2, 4}) {
        uint64_t g;
        auto d = [p](double v) { return th::from_double(v, p); };
        // (-2)^3 = -8 and (-2)^2 = 4 to the last word, also in place; 2^10.
        EXPECT_NEAR(widefp_float_wrtod(pow_of(d(-2), d(3), p, &g).data()), -8.0, 1e-15);
        EXPECT_NEAR(widefp_float_wrtod(pow_of(d(-2), d(2), p, &g).data()), 4.0, 1e-15);
        EXPECT_NEAR(widefp_float_wrtod(pow_of(d(2), d(10), p, &g).data()), 1024.0, 1e-12);
        EXPECT_EQ(pow_of(d(-3.5), d(0), p, &g), d(1.0));  // x^0 = 1 = 1^y
        EXPECT_EQ(pow_of(d(1), d(1e300), p, &g), d(1.0));
        // Zero bases of either sign: 0 for y > 0, a clean +inf otherwise.
        Words inf(p + 1, 0);
        inf[0] = th::kExpMask;
        for (double zero : {0.0, -0.0}) {
            EXPECT_EQ(pow_of(d(zero), d(2), p, &g), Words(p + 1, 0));
            EXPECT_EQ(pow_of(d(zero), d(3), p, &g), Words(p + 1, 0));
            EXPECT_EQ(pow_of(d(zero), d(0), p, &g), inf);
            EXPECT_EQ(pow_of(d(zero), d(-1), p, &g), inf);
        }
        // Overflow and underflow of y ln x, infinite exponents.
        EXPECT_EQ(pow_of(d(10), d(std::ldexp(1.0, 62)), p, &g), inf);
        EXPECT_EQ(pow_of(d(10), d(-std::ldexp(1.0, 62)), p, &g), Words(p + 1, 0));
        Words yinf = inf, minf = inf;
        minf[0] |= th::kSign;
        EXPECT_EQ(pow_of(inf, d(2), p, &g), inf);  // infinite bases
        EXPECT_EQ(pow_of(inf, d(-1), p, &g), Words(p + 1, 0));
        EXPECT_EQ(pow_of(minf, d(3), p, &g), minf);
        EXPECT_EQ(pow_of(minf, d(0), p, &g), d(1.0));
        EXPECT_EQ(pow_of(d(-2), yinf, p, &g), inf);
        yinf[0] |= th::kSign;
        EXPECT_EQ(pow_of(d(2), yinf, p, &g), Words(p + 1, 0));
    }
}

// Results near the top of the range are finite: (2^(2^61))^1 (it was +inf:
// the exponential gave up from |y ln x| = 2^60 on), and random bases and
// exponents with y ln x up to the overflow threshold 2^62 ln 2, each within
// the error bound of e^(y ln x) against MPFR (whose largest exponent holds
// them; e^(y ln x) 2^-61 and our result 2^-61 compared beyond).
TEST(Pow, LargeResultsAreFinite) {
    th::Rng rng(0x62);
    ec::Stats st("pow near overflow");
    for (uint64_t p : {1, 2, 3, 7, 16}) {
        for (int i = 0; i < 12; ++i) {
            Words x(p + 1, 0), y = th::from_double(1, p);
            if (i == 0) {
                x[0] = 0x5fffffffffffffffULL;  // 2^(2^61)
            } else {  // |y ln x| in [2^60, 2^62 ln 2)
                x = th::random_wr(rng, p, 1, 20, false);
                th::Mp lx(64 * p + 100, true), t(64 * p + 100, true), ym(p);
                th::to_mpfr(lx, x.data(), p);
                mpfr_log(lx, lx, MPFR_RNDN);
                mpfr_set_ui_2exp(t, 1, 60, MPFR_RNDN);
                mpfr_mul_d(t, t, 1 + 0.38 * static_cast<double>(rng.below(1000)) / 1000, MPFR_RNDN);  // up to 1.38 * 2^60 < 2^62 ln 2 / 2
                mpfr_mul_2ui(t, t, rng.coin(), MPFR_RNDN);
                mpfr_div(ym, t, lx, MPFR_RNDZ);
                y = th::from_mpfr(ym, p);
            }
            uint64_t g;
            Words z = pow_of(x, y, p, &g);
            ASSERT_FALSE(th::is_inf(z.data())) << "p=" << p << " x=" << th::hex(x) << " y=" << th::hex(y);
            th::Mp xm(p), ym(p), exact(64 * p + 200, true), zz(p + 3);
            th::to_mpfr(xm, x.data(), p);
            th::to_mpfr(ym, y.data(), p);
            mpfr_log(zz, xm, MPFR_RNDN);
            mpfr_mul(zz, zz, ym, MPFR_RNDN);
            const double t = mpfr_get_d(zz, MPFR_RNDN);
            mpfr_pow(exact, xm, ym, MPFR_RNDN);  // inside MPFR's range: exponent below 2^62
            ASSERT_FALSE(mpfr_inf_p(exact));
            ASSERT_LE(ec::check(st, z, g, exact, p), pow_bound(p, t)) << "p=" << p << " x=" << th::hex(x);
        }
    }
}

// Odd integer exponents of 2^64 and more on negative bases keep the sign,
// wherever the units bit lies in the exponent's words: -(1 + 2^-64p) to
// 2^64 + 1, 2^100 + 1, 2^(64p) + 1, and -1 to them; even ones give +.
TEST(Pow, NegativeBaseHugeOddExponents) {
    ec::Stats st("pow of a negative base, odd and even exponents from 2^64");
    for (uint64_t p : {1, 2, 3, 4, 9}) {
        for (int64_t E : {int64_t{64}, int64_t{65}, int64_t{100}, 64 * static_cast<int64_t>(p)}) {
            if (E > 64 * static_cast<int64_t>(p)) continue;
            for (bool odd : {true, false}) {
                Words y(p + 1, 0);
                y[0] = th::kBias + static_cast<uint64_t>(E);  // 2^E (+ 1)
                if (odd) y[1 + (E - 1) / 64] |= uint64_t{1} << (63 - (E - 1) % 64);
                for (bool unit : {true, false}) {
                    Words x = th::from_double(-1, p);
                    if (!unit) x[p] = 1;
                    uint64_t g;
                    Words z = pow_of(x, y, p, &g);
                    EXPECT_EQ((z[0] & th::kSign) != 0, odd) << "p=" << p << " E=" << E << " unit=" << unit;
                    th::Mp xm(p), ym(p), exact(64 * p + 200, true);
                    th::to_mpfr(xm, x.data(), p);
                    th::to_mpfr(ym, y.data(), p);
                    mpfr_pow(exact, xm, ym, MPFR_RNDN);
                    EXPECT_LE(ec::check(st, z, g, exact, p), pow_bound(p, unit ? 0 : mpfr_get_d(ym, MPFR_RNDN) * std::ldexp(1.0, -64 * static_cast<int>(p))));
                }
            }
        }
    }
}

// y ln x beyond the range: a product that underflowed leaves x^y next to 1
// (1 and a little, or one unit below 1 and almost one more: a guard 0 there
// claimed an exact 1), one that overflowed a result beyond the range (+0
// with a guard that rounds upward to the smallest number).
TEST(Pow, ProductBeyondTheRange) {
    for (uint64_t p : {1, 2, 5}) {
        Words x = th::from_double(2, p), y(p + 1, 0), work(3 * p + 6), cache(widefp_cache_size(p), 0);
        y[0] = 2;  // 2^(2 - bias): y ln 2 underflows
        uint64_t g;
        Words z = pow_of(x, y, p, &g);
        widefp_float_round_plus(z.data(), g, p);
        Words one_up = th::from_double(1, p);
        one_up[p] = 1;
        EXPECT_EQ(th::hex(z), th::hex(one_up)) << "rounded up: 1 + one unit";
        y[0] |= th::kSign;
        z = pow_of(x, y, p, &g);
        widefp_float_round_chop(z.data(), g, p);
        Words below(p + 1, ~uint64_t{0});
        below[0] = th::kBias - 1;
        EXPECT_EQ(th::hex(z), th::hex(below)) << "cut: one unit below 1";
        for (auto round : {widefp_float_round_near, widefp_float_round_plus}) {
            z = pow_of(x, y, p, &g);
            round(z.data(), g, p);
            EXPECT_EQ(th::hex(z), th::hex(th::from_double(1, p))) << "to nearest and upward: 1";
        }
        // 0.5^(2^(2^62-2)): y ln x overflows, x^y lies far below the smallest number.
        x = th::from_double(0.5, p);
        y.assign(p + 1, 0);
        y[0] = th::kExpMask - 1;
        z = pow_of(x, y, p, &g);
        EXPECT_EQ(z[0], 0u);
        EXPECT_NE(g, 0u);
        widefp_float_round_plus(z.data(), g, p);
        EXPECT_EQ(z[0], 1u) << "rounded up: the smallest number";
    }
}

TEST(Pow, DomainAndRange) {
    const uint64_t p = 2;
    Words work(3 * p + 6), cache(widefp_cache_size(p), 0), z(p + 1, 0x55);
    Words x = th::from_double(-8, p), y = th::from_double(1.0 / 3, p);
    EXPECT_EQ(ec::fatal_of([&] { widefp_float_pow(z.data(), x.data(), y.data(), p, work.data(), cache.data()); }),
              "widefp:domain|pow : domain error, base is negative.\n");
    EXPECT_EQ(z, Words(p + 1, 0x55));
    EXPECT_EQ(ec::fatal_of([&] { widefp_float_pow(z.data(), x.data(), y.data(), 0, work.data(), cache.data()); })
                  .substr(0, 13),
              "widefp:range|");
    EXPECT_EXIT(widefp_float_pow(z.data(), x.data(), y.data(), p, work.data(), cache.data()),
                testing::ExitedWithCode(1), "^pow : domain error, base is negative.\n$");
}

TEST(Modf, CeilFloorAndSplits) {
    const uint64_t p = 3;
    auto d = [](double v) { return th::from_double(v, p); };
    struct Case {
        double x, ip, fp, ceil, floor;
    } cases[] = {{-2.5, -2, -0.5, -2, -3}, {0.25, 0, 0.25, 1, 0}, {2.5, 2, 0.5, 3, 2}, {3, 3, 0, 3, 3},
                 {-3, -3, 0, -3, -3},     {0, 0, 0, 0, 0},       {-0.0, 0, 0, 0, 0},  {-0.75, 0, -0.75, 0, -1},
                 {std::ldexp(1.0, 200) + 1, std::ldexp(1.0, 200) + 1, 0, std::ldexp(1.0, 200) + 1, std::ldexp(1.0, 200) + 1}};
    for (const Case &c : cases) {
        Words ip(p + 1), fp(p + 1), z(p + 1), work(p + 1);
        widefp_float_modf(d(c.x).data(), ip.data(), fp.data(), p);
        EXPECT_EQ(widefp_float_wrtod(ip.data()), c.ip) << c.x;
        EXPECT_EQ(widefp_float_wrtod(fp.data()), c.fp) << c.x;
        widefp_float_ceil(z.data(), d(c.x).data(), p, work.data());
        EXPECT_EQ(widefp_float_wrtod(z.data()), c.ceil) << c.x;
        widefp_float_floor(z.data(), d(c.x).data(), p, work.data());
        EXPECT_EQ(widefp_float_wrtod(z.data()), c.floor) << c.x;
        // In place: the result on the operand.
        Words a = d(c.x), b = d(c.x);
        widefp_float_modf(a.data(), a.data(), fp.data(), p);
        EXPECT_EQ(widefp_float_wrtod(a.data()), c.ip) << c.x;
        widefp_float_modf(b.data(), ip.data(), b.data(), p);
        EXPECT_EQ(widefp_float_wrtod(b.data()), c.fp) << c.x;
        a = d(c.x);
        widefp_float_ceil(a.data(), a.data(), p, work.data());
        EXPECT_EQ(widefp_float_wrtod(a.data()), c.ceil) << c.x;
        a = d(c.x);
        widefp_float_floor(a.data(), a.data(), p, work.data());
        EXPECT_EQ(widefp_float_wrtod(a.data()), c.floor) << c.x;
    }
    // Infinities: modf gives +-inf and +-0; ceil and floor keep them.
    Words inf(p + 1, 0), ip(p + 1), fp(p + 1, 9), z(p + 1), work(p + 1);
    inf[0] = th::kSign | th::kExpMask;
    widefp_float_modf(inf.data(), ip.data(), fp.data(), p);
    EXPECT_EQ(ip, inf);
    EXPECT_EQ(fp, Words({th::kSign, 0, 0, 0}));
    widefp_float_floor(z.data(), inf.data(), p, work.data());
    EXPECT_EQ(z, inf);
}

}  // namespace
