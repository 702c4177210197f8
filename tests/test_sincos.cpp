// Sine and cosine against MPFR: tiny, first octant, near every multiple of pi/4, large; specials, identities, refusals.
#include <gtest/gtest.h>

#include "elem_check.h"
#include "reference/ref_series.h"
#include "rnd_check.h"

namespace {

using th::Words;

// Error bound of (y, next word) in units of 2^-64 of y's last place; u is a
// unit of the working arrays' last word (P = p+1 words), worth 2 such units
// for a result in [1/2, 1).  Horner from 1: each step rounds a division and a
// product by u/2 and damps what came before by S/d <= 0.62/2, so the sum has
// 1.2u, the squared argument adds 1.1u, the cut-off tail u: cosine 3.3u,
// doubled by the normalisation, plus the truncated next word: 8.  Sine: the
// quotient sin r / r gets 2u, r read at P words u, the final product u: 4.2u
// relative, times 2, plus 1: 10.  On top comes the reduction: R is exact to
// 2^(E_x + 3 - 64 pw) with pw = 2P+1 (or P + the quotient's words), which
// near a multiple of pi/2 counts relative to the small |R|.
constexpr double kSeriesBound = 10;

double reduction_term(const Words &x, uint64_t p, mpfr_srcptr xm) {
    const int64_t ex = th::unbiased(x.data());
    if (ex < -1) return 0;
    const uint64_t P = p + 1;
    const int64_t pw = ex >= static_cast<int64_t>(64 * P + 1) ? P + (ex + 64) / 64 : 2 * P + 1;
    // |R| = distance of |x| to the nearest multiple of pi/2.
    th::Mp r(64 * p + 64 * 1100, true), h(64 * p + 64 * 1100, true);
    mpfr_const_pi(h, MPFR_RNDN);
    mpfr_div_2ui(h, h, 1, MPFR_RNDN);
    mpfr_abs(r, xm, MPFR_RNDN);
    mpfr_remainder(r, r, h, MPFR_RNDN);
    mpfr_abs(r, r, MPFR_RNDN);
    // 2^(ex + 4 + 64P - 64 pw) / |R|
    mpfr_ui_div(r, 1, r, MPFR_RNDN);
    mpfr_mul_2si(r, r, ex + 4 + 64 * static_cast<long>(P) - 64 * pw, MPFR_RNDN);
    return mpfr_get_d(r, MPFR_RNDU);
}

Words argument(th::Rng &rng, uint64_t p, int kind, mpfr_srcptr quarter_pi) {
    switch (kind) {
        case 0:  // tiny, down past 2^(-32(p+1)) where sin x = x and cos x = 1
            return th::random_wr(rng, p, -64 * static_cast<int64_t>(p) - 70, -20);
        case 1:  // first octant and around it
            return th::random_wr(rng, p, -19, 0);
        case 2:
        case 3: {  // near k pi/4: the nearest p-word number, or off by 2^-j
            th::Mp v(p), d(p);
            const long k = kind == 2 ? static_cast<long>(rng.range(1, 16)) : static_cast<long>(rng.range(1, 1 << 20));
            mpfr_mul_si(v, quarter_pi, rng.coin() ? k : -k, MPFR_RNDN);
            if (rng.coin()) {
                mpfr_set_ui_2exp(d, 1, -static_cast<long>(rng.below(64 * p + 8)), MPFR_RNDN);
                if (rng.coin()) mpfr_neg(d, d, MPFR_RNDN);
                mpfr_add(v, v, d, MPFR_RNDN);
            }
            return th::from_mpfr(v, p);
        }
        default:  // large, up to the limit 2^65536
            return th::random_wr(rng, p, 1, rng.coin() ? 64 * 4 : 65535);
    }
}

TEST(SinCos, AgainstMpfr) {
    th::Rng rng(31);
    ec::Stats ss("sin"), cs("cos");
    double worst_with_reduction = 0;
    for (uint64_t p : ec::precisions()) {
        th::Mp qpi(64 * p + 200, true), exact(64 * p + 200, true), xm(p);
        mpfr_const_pi(qpi, MPFR_RNDN);
        mpfr_div_2ui(qpi, qpi, 2, MPFR_RNDN);
        Words y(p + 1), work(widefp_float_sincos_work_size(p));
        const int n = ec::cases(p, 50);
        for (int i = 0; i < n; ++i) {
            const int kind = i % 5 == 4 && p > 300 ? static_cast<int>(rng.below(4)) : i % 5;  // big p: few huge x
            Words x = argument(rng, p, kind, qpi);
            th::to_mpfr(xm, x.data(), p);
            const double bound = kSeriesBound + reduction_term(x, p, xm);
            for (bool sine : {true, false}) {
                const uint64_t g = (sine ? widefp_float_sin : widefp_float_cos)(y.data(), x.data(), p, work.data());
                (sine ? mpfr_sin : mpfr_cos)(exact, xm, MPFR_RNDN);
                const double e = ec::check(sine ? ss : cs, y, g, exact, p);
                worst_with_reduction = std::max(worst_with_reduction, e - kSeriesBound);
                ASSERT_LE(e, bound) << (sine ? "sin" : "cos") << " p=" << p << " x=" << th::hex(x);
            }
        }
    }
    std::printf("[ accuracy ] sin/cos: largest excess over the series bound %.3g units\n", worst_with_reduction);
}

// Arguments whose series has few terms (|r| between 2^-33 and 2^-26): the
// innermost term must be S/d, not S^2/d, or the error reaches whole units
// of the last word at these precisions.
TEST(SinCos, ShortSeriesKeepTheirLastTerm) {
    th::Rng rng(33);
    ec::Stats st("sin/cos short series");
    for (uint64_t p : {3, 4, 13, 28, 44}) {
        th::Mp exact(64 * p + 200, true), xm(p);
        Words y(p + 1), work(2 * p + 5);
        for (int i = 0; i < 12; ++i) {
            Words x = th::random_wr(rng, p, -33, -27);
            th::to_mpfr(xm, x.data(), p);
            for (bool sine : {true, false}) {
                const uint64_t g = (sine ? widefp_float_sin : widefp_float_cos)(y.data(), x.data(), p, work.data());
                (sine ? mpfr_sin : mpfr_cos)(exact, xm, MPFR_RNDN);
                ASSERT_LE(ec::check(st, y, g, exact, p), kSeriesBound) << p << " " << th::hex(x);
            }
        }
    }
}

TEST(SinCos, SeriesSameWordsAsThePlainSteps) {
    th::Rng rng(34);
    for (uint64_t P : {2, 3, 5, 17, 130}) {
        for (int i = 0; i < 30; ++i) {
            Words r = th::random_wr(rng, P, -16 * static_cast<int64_t>(P), -1), a(P + 1), b(P + 1);
            if (th::unbiased(r.data()) == -1) r[1] &= 0x7fffffffffffffffULL;  // below pi/4
            for (bool sine : {true, false}) {
                (sine ? widefp_array_sin : widefp_array_cos)(r.data(), a.data(), P);
                ref::ref_array_sincos(r.data(), b.data(), P, sine);
                ASSERT_EQ(th::hex(a), th::hex(b)) << sine << " " << th::hex(r);
            }
        }
    }
}

// The series alone on |r| in (pi/4, 1), beyond what the reduction hands it:
// more terms, same accuracy.
TEST(SinCos, SeriesUpToOne) {
    th::Rng rng(35);
    ec::Stats st("array_sin/cos r<1");
    for (uint64_t p : {1, 2, 5, 16, 64, 161}) {
        th::Mp exact(64 * p + 200, true), rm(p + 1);
        Words w(p + 2);
        for (int i = 0; i < 20; ++i) {
            Words r = th::random_wr(rng, p + 1, -1, -1);
            r[1] |= 0xc000000000000000ULL;  // |r| >= 7/8
            th::to_mpfr(rm, r.data(), p + 1);
            for (bool sine : {true, false}) {
                (sine ? widefp_array_sin : widefp_array_cos)(r.data(), w.data(), p + 1);
                (sine ? mpfr_sin : mpfr_cos)(exact, rm, MPFR_RNDN);
                ASSERT_LE(ec::check(st, w, w[p + 1], exact, p), kSeriesBound) << sine << " " << th::hex(r);
            }
        }
    }
}

TEST(SinCos, SpecialValuesAndIdentities) {
    th::Rng rng(32);
    for (uint64_t p : {1, 2, 7, 33}) {
        Words y(p + 1), z(p + 1), work(2 * p + 5), x(p + 1, 0);
        for (uint64_t sign : {uint64_t{0}, th::kSign}) {
            x[0] = sign;
            EXPECT_EQ(widefp_float_sin(y.data(), x.data(), p, work.data()), 0u);
            EXPECT_EQ(y[0], sign);
            EXPECT_EQ(widefp_float_cos(y.data(), x.data(), p, work.data()), 0u);
            EXPECT_EQ(th::hex(y), th::hex(th::from_double(1, p)));
        }
        for (int i = 0; i < 20; ++i) {
            Words a = th::random_wr(rng, p, -40, 40, false), na = a, s(p + 1), c(p + 1);
            na[0] |= th::kSign;
            // Odd and even, bit for bit, guard words included.
            const uint64_t gs = widefp_float_sin(s.data(), a.data(), p, work.data());
            EXPECT_EQ(widefp_float_sin(y.data(), na.data(), p, work.data()), gs);
            y[0] ^= th::kSign;
            EXPECT_EQ(th::hex(y), th::hex(s));
            const uint64_t gc = widefp_float_cos(c.data(), a.data(), p, work.data());
            EXPECT_EQ(widefp_float_cos(y.data(), na.data(), p, work.data()), gc);
            EXPECT_EQ(th::hex(y), th::hex(c));
            // In place.
            z = a;
            widefp_float_cos(z.data(), z.data(), p, work.data());
            EXPECT_EQ(th::hex(z), th::hex(c));
            // sin^2 + cos^2 = 1 to a few units of the last word.
            widefp_float_mul(s.data(), s.data(), s.data(), p);
            widefp_float_mul(c.data(), c.data(), c.data(), p);
            widefp_float_add(s.data(), s.data(), c.data(), p);
            th::Mp v(p), one(p);
            th::to_mpfr(v, s.data(), p);
            mpfr_set_ui(one, 1, MPFR_RNDN);
            EXPECT_LE(th::error_in_ulp64(v, one, p), 8 * 18446744073709551616.0) << th::hex(a);
        }
    }
}

// Next to a multiple of pi/2 at large exponents about 64p bits beyond the
// argument's exponent cancel in the reduction, which must make up for them:
// the result stays within the series bound (and the reduction's 2^-8).  The
// first argument lies within 2^-129 of a multiple (p = 2; its sine once came
// out -2.5742288238562697941471783613...e-40 for -2.5742288238562697941471785106...e-40).
TEST(SinCos, NextToMultiplesOfHalfPiAtLargeExponents) {
    ec::Stats st("sin/cos next to k pi/2");
    auto check = [&](const Words &x, uint64_t p) {
        th::Mp xm(p), exact(64 * p + 200, true);
        th::to_mpfr(xm, x.data(), p);
        Words y(p + 1), work(widefp_float_sincos_work_size(p));
        for (bool sine : {true, false}) {
            const uint64_t g = (sine ? widefp_float_sin : widefp_float_cos)(y.data(), x.data(), p, work.data());
            (sine ? mpfr_sin : mpfr_cos)(exact, xm, MPFR_RNDN);
            ASSERT_LE(ec::check(st, y, g, exact, p), kSeriesBound + 1) << (sine ? "sin" : "cos") << " p=" << p
                                                                          << " x=" << th::hex(x);
        }
    };
    check({0x40000000000003e7ULL, 0x7dd0c764055c996dULL, 0x05e7c21307f82fc2ULL}, 2);
    th::Rng rng(36);
    for (uint64_t p : {1, 2, 3, 5, 8, 16, 31, 64, 160, 1023}) {
        for (int i = 0; i < (p > 64 ? 1 : 6); ++i) {
            const int64_t lo = 64 * static_cast<int64_t>(p);
            const int64_t e = lo + static_cast<int64_t>(rng.below(static_cast<uint64_t>(i % 2 ? 64 : 65535 - lo) + 1));
            Words x = ec::near_pi_multiple(p, e, false);
            if (rng.coin()) x[0] |= th::kSign;
            check(x, p);
        }
    }
}

// Below 2^(-32(p+1)) the stored words are the truncation of the exact value
// (one unit below |x| or 1) and the guard says that almost a unit was cut
// off: each rounding function then gives MPFR's result in its mode (a zero
// guard, claiming an exact result, sent the directed roundings one unit off).
TEST(SinCos, TinyArgumentsRoundAsMpfr) {
    th::Rng rng(37);
    void (*const rounding[4])(uint64_t *, uint64_t, uint64_t) = {widefp_float_round_near, widefp_float_round_chop,
                                                                  widefp_float_round_plus, widefp_float_round_minus};
    for (uint64_t p : {1, 2, 3, 9}) {
        const int64_t top = -32 * static_cast<int64_t>(p + 1) - 1;
        Words y(p + 1), work(widefp_float_sincos_work_size(p));
        for (int i = 0; i < 40; ++i) {
            Words x = th::random_wr(rng, p, top - 70, top);
            if (i % 4 == 1) std::fill(x.begin() + 1, x.end(), 0);  // a power of two
            if (i == 2 || i == 5) x[0] = 1;                           // the bottom binade, m itself
            if (i % 2) x[0] |= th::kSign;
            for (bool sine : {true, false}) {
                const uint64_t g = (sine ? widefp_float_sin : widefp_float_cos)(y.data(), x.data(), p, work.data());
                EXPECT_EQ(g, 0xfffffffffffffffeULL);
                for (int mode : rc::kModes) {
                    Words r = y;
                    rounding[mode](r.data(), g, p);
                    auto ref = rc::reference1(sine ? mpfr_sin : mpfr_cos, x.data(), p, mode);
                    ASSERT_TRUE(ref && th::same_value(r.data(), ref->w.data(), p))
                        << (sine ? "sin " : "cos ") << rc::mode_name(mode) << " p=" << p << " x=" << th::hex(x)
                        << "\n  got " << th::hex(r) << "\n  MPFR " << th::hex(ref->w);
                }
            }
        }
    }
}

TEST(SinCosDeathTest, DefaultRouteEndsTheProcess) {
    Words x(3, 0), y(3), work(9);
    x[0] = th::kExpMask;
    EXPECT_EXIT(widefp_float_cos(y.data(), x.data(), 2, work.data()), testing::ExitedWithCode(1),
                "^cos : domain error, argument is infinite\n$");
}

TEST(SinCos, RefusedArguments) {
    const uint64_t p = 3;
    Words x = th::from_double(1, p), y(p + 1), work(3000);
    x[0] = th::kExpMask | th::kSign;  // -infinity
    EXPECT_EQ(ec::fatal_of([&] { widefp_float_sin(y.data(), x.data(), p, work.data()); }),
              "widefp:domain|sin : domain error, argument is infinite\n");
    x[0] = th::kExpMask;
    EXPECT_EQ(ec::fatal_of([&] { widefp_float_cos(y.data(), x.data(), p, work.data()); }),
              "widefp:domain|cos : domain error, argument is infinite\n");
    x[0] = th::kBias + 65536;  // the first exponent beyond the reduction's reach
    EXPECT_EQ(ec::fatal_of([&] { widefp_float_sin(y.data(), x.data(), p, work.data()); }),
              "widefp:range|sin : argument too large (|x| >= 2^65536)\n");
    x[0] = th::kBias + 65535;  // the last one inside it, at the largest precision
    Words big(1024, 0x9e3779b97f4a7c15ULL);
    big[0] = th::kBias + 65535;
    Words yb(1024), wb(2 * 1023 + 5);
    uint64_t g = 0;
    EXPECT_EQ(ec::fatal_of([&] { g = widefp_float_cos(yb.data(), big.data(), 1023, wb.data()); }), "");
    th::Mp bm(1023), exact(64 * 1023 + 200, true);  // and right: the reduction reached every word
    th::to_mpfr(bm, big.data(), 1023);
    mpfr_cos(exact, bm, MPFR_RNDN);
    ec::Stats st("cos at 2^65535, p = 1023");
    EXPECT_LE(ec::check(st, yb, g, exact, 1023), kSeriesBound + reduction_term(big, 1023, bm));
    EXPECT_EQ(ec::fatal_of([&] { widefp_float_cos(y.data(), x.data(), 1024, work.data()); }).substr(0, 13),
              "widefp:range|");
    EXPECT_EQ(ec::fatal_of([&] { widefp_float_sin(y.data(), x.data(), 0, work.data()); }).substr(0, 13),
              "widefp:range|");
}

}  // namespace
