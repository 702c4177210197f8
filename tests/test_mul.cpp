// test_mul.cpp -- floating multiplication against MPFR: the exact Karatsuba
// variant (guard word exact, rounding gives MPFR's rounded product), the
// truncated variant (bounded overestimate), specials, exponent limits and
// aliasing.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>
#include <cstdio>

#include "harness.h"
#include "reference/ref_mul.h"
#include "widefp.h"

namespace {

using th::kBias;
using th::kExpMask;
using th::kSign;
using th::Mp;
using th::Words;

using MulFn = uint64_t (*)(uint64_t *, const uint64_t *, const uint64_t *, uint64_t);

// Exact product of two widerals of precision p.
void exact_product(Mp &out, const Words &x, const Words &y, uint64_t p) {
    Mp a(p), b(p);
    th::to_mpfr(a, x.data(), p);
    th::to_mpfr(b, y.data(), p);
    int inexact = mpfr_mul(out, a, b, MPFR_RNDN);
    ASSERT_EQ(inexact, 0);
}

// (exact - r) in units of 2^-64 of r's last place, exactly (r finite nonzero).
void excess_units(Mp &out, mpfr_srcptr exact, const Words &r, uint64_t p) {
    Mp v(p);
    th::to_mpfr(v, r.data(), p);
    mpfr_sub(out, exact, v, MPFR_RNDN);  // out has enough precision: exact
    mpfr_abs(out, out, MPFR_RNDN);
    long ulp_exp = static_cast<long>(mpfr_get_exp(v)) - 1 - static_cast<long>(64 * p);
    mpfr_mul_2si(out, out, 64 - ulp_exp, MPFR_RNDN);
}

// The guard word that the exact product deserves below the stored r.
uint64_t exact_guard(mpfr_srcptr exact, const Words &r, uint64_t p) {
    Mp d(static_cast<mpfr_prec_t>(4 * (64 * p + 1) + 256), true);
    excess_units(d, exact, r, p);
    mpz_t z;
    mpz_init(z);
    mpfr_get_z(z, d, MPFR_RNDZ);
    EXPECT_LT(mpz_sizeinbase(z, 2), 65u);
    uint64_t g = mpz_get_ui(z);
    if (!mpfr_integer_p(d)) g |= 1;
    mpz_clear(z);
    return g;
}

Words rounded_mpfr(mpfr_srcptr exact, uint64_t p, mpfr_rnd_t rnd) {
    Mp r(p);
    mpfr_set(r, exact, rnd);
    return th::from_mpfr(r, p);
}

// ---- exact variant -----------------------------------------------------------

// The stored fraction is the product truncated to 64p+1 bits and the guard
// word holds the next 64 bits with a sticky bit: exact at any p.
TEST(FloatMulK, TruncationAndGuardExact) {
    th::Rng rng(201);
    for (uint64_t p : {1, 2, 3, 17, 40, 41, 82, 100, 333, 720, 721, 1000, 1441}) {
        const long trials = th::cases(p <= 100 ? 30 : 6);
        for (int t = 0; t < trials; ++t) {
            Words x = th::random_wr(rng, p), y = th::random_wr(rng, p);
            Mp e(static_cast<mpfr_prec_t>(2 * (64 * p + 1)), true);
            exact_product(e, x, y, p);
            Words r(p + 1);
            uint64_t g = widefp_float_mul_k(r.data(), x.data(), y.data(), p);
            Words trunc = rounded_mpfr(e, p, MPFR_RNDZ);
            ASSERT_TRUE(th::same_value(r.data(), trunc.data(), p))
                << "p=" << p << "\nx=" << th::hex(x) << "\ny=" << th::hex(y) << "\ngot " << th::hex(r)
                << "\nwant " << th::hex(trunc);
            ASSERT_EQ(g, exact_guard(e, r, p)) << "p=" << p;
        }
    }
}

// Rounding the result with our rounding functions and the guard word gives
// MPFR's correctly rounded product in all three modes.
TEST(FloatMulK, RoundsLikeMpfr) {
    th::Rng rng(202);
    for (uint64_t p : {720, 721, 900, 1001, 1500}) {
        for (int t = 0; t < 6; ++t) {
            Words x = th::random_wr(rng, p), y = th::random_wr(rng, p);
            if (t == 5) {  // near-ties: the product's tail is mostly ones or zeros
                std::fill(x.begin() + 1, x.end(), ~uint64_t{0});
                std::fill(y.begin() + 2, y.end(), 0);
            }
            Mp e(static_cast<mpfr_prec_t>(2 * (64 * p + 1)), true);
            exact_product(e, x, y, p);
            Words r(p + 1);
            uint64_t g = widefp_float_mul(r.data(), x.data(), y.data(), p);
            struct Mode {
                void (*round)(uint64_t *, uint64_t, uint64_t);
                mpfr_rnd_t rnd;
                const char *name;
            } modes[] = {{widefp_float_round_near, MPFR_RNDN, "near"},
                         {widefp_float_round_plus, MPFR_RNDU, "plus"},
                         {widefp_float_round_minus, MPFR_RNDD, "minus"}};
            for (const Mode &m : modes) {
                Words v = r;
                m.round(v.data(), g, p);
                Words want = rounded_mpfr(e, p, m.rnd);
                ASSERT_TRUE(th::same_value(v.data(), want.data(), p))
                    << m.name << " p=" << p << " t=" << t << " guard=" << th::hex(g);
            }
        }
    }
}

// ---- truncated variant -------------------------------------------------------

// (stored fraction, guard) never lies below the exact product and lies above
// it by at most the correction: 2p units of 2^-64 ulp, halved (p + 1/2) when
// the product's mantissa reached 2 and was shifted.
TEST(FloatMulH, OverestimateWithinCorrection) {
    th::Rng rng(203);
    double worst = 0, least = 1e300;
    uint64_t worst_p = 0;
    size_t saturated = 0;
    for (uint64_t p = 2; p <= 719; p += (p < 50 ? 1 : p < 700 ? 37 : 1)) {
        const long trials = th::cases(p <= 50 ? 20 : 4);
        for (int t = 0; t < trials; ++t) {
            Words x = th::random_wr(rng, p), y = th::random_wr(rng, p);
            if (t == 1) {  // all-ones fractions: the omitted columns at their largest
                std::fill(x.begin() + 1, x.end(), ~uint64_t{0});
                std::fill(y.begin() + 1, y.end(), ~uint64_t{0});
            }
            Mp e(static_cast<mpfr_prec_t>(2 * (64 * p + 1)), true);
            exact_product(e, x, y, p);
            Words r(p + 1);
            uint64_t g = widefp_float_mul_h(r.data(), x.data(), y.data(), p);
            ASSERT_EQ(g, widefp_float_mul(Words(p + 1).data(), x.data(), y.data(), p));
            const bool shifted = th::exp_field(r.data()) != th::exp_field(x.data()) + th::exp_field(y.data()) - kBias;
            Mp d(static_cast<mpfr_prec_t>(4 * (64 * p + 1) + 256), true);
            excess_units(d, e, r, p);  // exact - stored, in 2^-64 ulp
            if (g == 0xffffffffffffffffULL) {
                // saturated: exact within 2p units of stored + one ulp
                mpfr_sub_d(d, d, 18446744073709551616.0, MPFR_RNDN);
                ASSERT_LE(std::abs(mpfr_get_d(d, MPFR_RNDN)), 2.0 * p);
                ++saturated;
                continue;
            }
            mpfr_ui_sub(d, g, d, MPFR_RNDN);  // claimed - exact
            double over = mpfr_get_d(d, MPFR_RNDN);
            ASSERT_GE(mpfr_sgn(d.get()), 0) << "underestimate, p=" << p << " t=" << t;
            const double bound = shifted ? p + 0.5 : 2.0 * p;
            ASSERT_LE(over, bound) << "p=" << p << " t=" << t << " shifted=" << shifted;
            if (over / p > worst) worst = over / p, worst_p = p;
            least = std::min(least, over);
        }
    }
    std::printf("truncated product: overestimate at most %.4f p units of 2^-64 ulp (p=%llu), at least %.4f; "
                "%zu saturated\n",
                worst, static_cast<unsigned long long>(worst_p), least, saturated);
}

TEST(FloatMulH, ExactOutputOfTheColumnProduct) {
    th::Rng rng(207);
    std::vector<uint64_t> ps;
    for (uint64_t p = 2; p <= 1100; p += (p < 70 ? 1 : p < 600 ? 29 : 41)) ps.push_back(p);
    for (uint64_t p : {119, 120, 121, 122, 241, 242, 243, 483, 719}) ps.push_back(p);  // split edges
    // every precision whose triangle halves or their Karatsuba pieces sit
    // at a threshold (columns up to 120 words, schoolbook pieces up to 30)
    for (uint64_t p = 123; p <= 132; ++p) ps.push_back(p);
    for (uint64_t p = 236; p <= 250; ++p) ps.push_back(p);
    for (uint64_t p : ps) {
        for (int t = 0; t < (p < 70 ? 12 : 3); ++t) {
            Words x = th::random_wr(rng, p), y = th::random_wr(rng, p);
            if (t == 1) {
                std::fill(x.begin() + 1, x.end(), ~uint64_t{0});
                std::fill(y.begin() + 1, y.end(), ~uint64_t{0});
            }
            Words want, got(p + 1);
            uint64_t gw = ref::ref_mul_truncated(x, y, p, want);
            uint64_t g = widefp_float_mul_h(got.data(), x.data(), y.data(), p);
            ASSERT_EQ(got, want) << "p=" << p << " t=" << t << "\nx=" << th::hex(x) << "\ny=" << th::hex(y);
            ASSERT_EQ(g, gw) << "p=" << p << " t=" << t;
        }
    }
}

// X = 2^-64p, Y[0] = ~0: S[p] = Y[0] exactly, S[p] + 2p overflows: guard
// saturates, fraction stays the truncated 1 + X + Y, round to nearest adds
// one unit.
TEST(FloatMulH, Saturation) {
    th::Rng rng(204);
    for (uint64_t p : {2, 3, 10, 719}) {
        Words x(p + 1, 0), y(p + 1, 0);
        x[0] = kBias;
        x[p] = 1;
        y[0] = kBias + 5;
        y[1] = ~uint64_t{0};
        y[2] = 0x0123456789abcdefULL;  // keeps 1 + Y below 2 and the tail nonzero
        Words r(p + 1);
        uint64_t g = widefp_float_mul_h(r.data(), x.data(), y.data(), p);
        EXPECT_EQ(g, 0xffffffffffffffffULL) << "p=" << p;
        // fraction = X + Y (the product XY lies below the last word)
        Words f(p + 1, 0);
        f[0] = kBias + 5;
        for (uint64_t i = 1; i <= p; ++i) f[i] = x[i] + y[i];
        EXPECT_EQ(r, f) << "p=" << p;
        Mp e(static_cast<mpfr_prec_t>(2 * (64 * p + 1)), true);
        exact_product(e, x, y, p);
        Words n = r;
        widefp_float_round_near(n.data(), g, p);
        Words want = rounded_mpfr(e, p, MPFR_RNDN);
        EXPECT_TRUE(th::same_value(n.data(), want.data(), p)) << th::hex(n) << "\n" << th::hex(want);
    }
}

// ---- edge cases of both variants ------------------------------------------------

TEST(FloatMul, OneAndAHalfSquared) {
    for (uint64_t p : {2, 5, 719, 720, 721}) {
        Words x(p + 1, 0);
        x[0] = kBias;
        x[1] = 0x8000000000000000ULL;
        for (MulFn f : {widefp_float_mul_h, widefp_float_mul_k, widefp_float_mul}) {
            Words r(p + 1, 0x5555555555555555ULL);
            uint64_t g = f(r.data(), x.data(), x.data(), p);
            Words want(p + 1, 0);
            want[0] = kBias + 1;
            want[1] = uint64_t{1} << 61;
            EXPECT_EQ(r, want) << "p=" << p;
            bool truncated = f == widefp_float_mul_h || (f == widefp_float_mul && p <= 719);
            EXPECT_EQ(g, truncated ? p : 0) << "p=" << p;
        }
    }
}

TEST(FloatMul, InfinitiesAndZeros) {
    const uint64_t p = 3;
    auto make = [&](uint64_t w0) {
        Words v(p + 1, 0x1234);
        v[0] = w0;
        return v;
    };
    const uint64_t inf = kExpMask, zero = 0, one = kBias;
    struct Case {
        uint64_t x, y, want;
    } cases[] = {
        {inf, zero, inf},
        {zero | kSign, inf, inf | kSign},
        {inf | kSign, inf | kSign, inf},
        {inf, one | kSign, inf | kSign},
        {zero, one, zero},
        {one | kSign, zero, zero | kSign},
        {zero | kSign, zero | kSign, zero},
    };
    for (MulFn f : {widefp_float_mul_h, widefp_float_mul_k, widefp_float_mul}) {
        for (const Case &c : cases) {
            Words x = make(c.x), y = make(c.y);
            Words r(p + 1, 0x7777);
            EXPECT_EQ(f(r.data(), x.data(), y.data(), p), 0u);
            EXPECT_EQ(r[0], c.want) << th::hex(c.x) << " * " << th::hex(c.y);
            for (uint64_t i = 1; i <= p; ++i) EXPECT_EQ(r[i], 0x7777u) << "fraction written";
        }
    }
}

// Exponent limits with exact fractions (1.0 * 1.0): the truncated variant's
// guard is 2p, the exact variant's 0.
TEST(FloatMul, ExponentLimits) {
    for (uint64_t p : {2, 720}) {
        for (MulFn f : {widefp_float_mul_h, widefp_float_mul_k}) {
            const uint64_t g0 = f == widefp_float_mul_h ? 2 * p : 0;
            auto run = [&](uint64_t ex, uint64_t ey, uint64_t sign, uint64_t &g) {
                Words x(p + 1, 0), y(p + 1, 0), r(p + 1, 0);
                x[0] = ex | sign;
                y[0] = ey;
                g = f(r.data(), x.data(), y.data(), p);
                return r[0];
            };
            uint64_t g;
            EXPECT_EQ(run(1, kBias, kSign, g), kSign | 1);  // sum = bias + 1: smallest field
            EXPECT_EQ(g, g0);
            // sum = bias: zero, the value half the smallest magnitude; the
            // guard says so (a truncated product adds its sticky bit).
            EXPECT_EQ(run(1, kBias - 1, kSign, g), kSign);
            EXPECT_EQ(g, 0x8000000000000000ULL | (g0 != 0));
            EXPECT_EQ(run(1, kBias - 2, 0, g), 0u);  // sum < bias: zero, below half of it
            EXPECT_EQ(g, 1u);
            EXPECT_EQ(run(5, 7, 0, g), 0u);
            EXPECT_EQ(g, 1u);
            EXPECT_EQ(run(kExpMask - 1, kBias, 0, g), kExpMask - 1);  // largest finite
            EXPECT_EQ(g, g0);
            EXPECT_EQ(run(kExpMask - 1, kBias + 1, kSign, g), kSign | kExpMask);  // field all ones, kept
            EXPECT_EQ(g, g0);
            EXPECT_EQ(run(kExpMask - 1, kBias + 2, kSign, g), kSign | kExpMask);  // overflow
            EXPECT_EQ(g, 0u);
            EXPECT_EQ(run(kExpMask - 1, kExpMask - 1, 0, g), kExpMask);
            EXPECT_EQ(g, 0u);
        }
    }
}

// 1.5 * 1.5 shifts (s = 1): the sum counts the shift.
TEST(FloatMul, ExponentLimitsWithShift) {
    for (uint64_t p : {3, 721}) {
        Words x(p + 1, 0), y(p + 1, 0), r(p + 1);
        x[1] = y[1] = 0x8000000000000000ULL;
        x[0] = 1;
        y[0] = kBias - 1;  // sum = bias + 1 only through the shift
        widefp_float_mul(r.data(), x.data(), y.data(), p);
        EXPECT_EQ(r[0], 1u);
        y[0] = kBias - 2;  // sum = bias: zero
        widefp_float_mul(r.data(), x.data(), y.data(), p);
        EXPECT_EQ(r[0], 0u);
        x[0] = kExpMask - 1;
        y[0] = kBias + 1;  // one past the all-ones field through the shift
        EXPECT_EQ(widefp_float_mul(r.data(), x.data(), y.data(), p), 0u);
        EXPECT_EQ(r[0], kExpMask);
    }
}

// A product that underflows rounds as its true value says, against the
// smallest magnitude m: to nearest it gives m only above m/2, toward zero it
// gives zero, away from zero m (of the product's sign).  The first case is a
// product of 1.3e-11 m, once rounded up to m.
TEST(FloatMul, UnderflowRoundsByTheTrueValue) {
    struct Case {
        Words x, y;
        bool above_half;  // |exact product| > m/2
    };
    const uint64_t ones = ~uint64_t{0};
    const std::vector<Case> cases = {
        {{0x8000000000000003ULL, 0x99e43e9444e20d0dULL, 0x84b7d15bb80100caULL},
         {0xbfffffffffffffd8ULL, 0x1d07d20c23b26ad1ULL, 0xe60b483d4035d97cULL}, false},
        {{1, ones, ones}, {kBias - 3, ones, ones}, false},  // just below m/2 (sum = bias - 1)
        {{1, 0, 1}, {kBias - 1, 0, 0}, true},               // just above m/2 (sum = bias)
        {{1, ones, ones}, {kBias - 2, ones, ones}, true},   // just below m
        {{3, 0x4000000000000000ULL, 0}, {kBias - 3, 0x8000000000000000ULL, 0}, true},  // 1.25*1.5/2 m
        {{0x8000000000000003ULL, 0x4000000000000000ULL, 0}, {kBias - 3, 0x8000000000000000ULL, 0}, true},
    };
    const uint64_t p = 2;
    for (MulFn f : {widefp_float_mul_h, widefp_float_mul_k}) {
        for (const Case &c : cases) {
            Words r(p + 1);
            const uint64_t g = f(r.data(), c.x.data(), c.y.data(), p);
            const uint64_t sign = (c.x[0] ^ c.y[0]) & kSign;
            ASSERT_EQ(r[0], sign) << th::hex(c.x) << " * " << th::hex(c.y);
            ASSERT_NE(g, 0u);
            ASSERT_NE(g, ~uint64_t{0});
            Words m = {sign | 1, 0, 0}, zero = {sign};
            auto rounded = [&](void (*round)(uint64_t *, uint64_t, uint64_t)) {
                Words t = r;
                round(t.data(), g, p);
                return th::is_zero(t.data()) ? zero : t;
            };
            EXPECT_EQ(rounded(widefp_float_round_near), c.above_half ? m : zero) << th::hex(c.x);
            EXPECT_EQ(rounded(sign ? widefp_float_round_plus : widefp_float_round_minus), zero);
            EXPECT_EQ(rounded(sign ? widefp_float_round_minus : widefp_float_round_plus), m);
        }
    }
    // Exactly m/2 (1 * 2^-bias, exact product): a tie, to nearest stays zero.
    Words x = {1, 0, 0}, y = {kBias - 1, 0, 0}, r(3);
    const uint64_t g = widefp_float_mul_k(r.data(), x.data(), y.data(), 2);
    EXPECT_EQ(g, 0x8000000000000000ULL);
    widefp_float_round_near(r.data(), g, 2);
    EXPECT_EQ(r[0], 0u);
}

// Dispatch: the truncated guard carries the correction, the exact one not.
TEST(FloatMul, DispatchAt720) {
    th::Rng rng(205);
    for (uint64_t p : {719, 720}) {
        Words x = th::random_wr(rng, p), y = th::random_wr(rng, p);
        Words r1(p + 1), r2(p + 1);
        uint64_t g1 = widefp_float_mul(r1.data(), x.data(), y.data(), p);
        MulFn variant = p == 719 ? widefp_float_mul_h : widefp_float_mul_k;
        MulFn other = p == 719 ? widefp_float_mul_k : widefp_float_mul_h;
        uint64_t g2 = variant(r2.data(), x.data(), y.data(), p);
        EXPECT_EQ(g1, g2);
        EXPECT_EQ(r1, r2);
        EXPECT_NE(other(r2.data(), x.data(), y.data(), p), g1);
    }
}

// One word is below the half product's range (p >= 2) and goes to the exact
// product: (1 + 2^-64)(1 + (2^63 - 2) 2^-64) lies just below the midpoint of
// its one-word neighbours, where the half product's guard correction would
// make a tie that rounds up.
TEST(FloatMul, OneWordRoundsByTheExactProduct) {
    Words x = {th::kBias, 1}, y = {th::kBias, 0x7ffffffffffffffeULL}, r(2);
    const uint64_t g = widefp_float_mul(r.data(), x.data(), y.data(), 1);
    EXPECT_EQ(g, 0x7ffffffffffffffeULL);
    widefp_float_round_near(r.data(), g, 1);
    EXPECT_EQ(r, (Words{th::kBias, 0x7fffffffffffffffULL}));
}

TEST(FloatMul, Aliasing) {
    th::Rng rng(206);
    for (uint64_t p : {2, 7, 300, 719, 720, 1001}) {
        for (MulFn f : {widefp_float_mul_h, widefp_float_mul_k}) {
            if (f == widefp_float_mul_h && p > 719) continue;
            Words x = th::random_wr(rng, p), y = th::random_wr(rng, p);
            Words want(p + 1), wsq(p + 1);
            uint64_t g = f(want.data(), x.data(), y.data(), p);
            uint64_t gsq = f(wsq.data(), x.data(), x.data(), p);
            Words a = x;
            EXPECT_EQ(f(a.data(), a.data(), y.data(), p), g);
            EXPECT_EQ(a, want) << "result = x, p=" << p;
            Words b = y;
            EXPECT_EQ(f(b.data(), x.data(), b.data(), p), g);
            EXPECT_EQ(b, want) << "result = y, p=" << p;
            Words s = x;
            EXPECT_EQ(f(s.data(), s.data(), s.data(), p), gsq);
            EXPECT_EQ(s, wsq) << "squaring in place, p=" << p;
        }
    }
}

// x*x with one element for both operands takes the square paths; the
// product of x with a separate copy of it takes the general ones: the same
// words and guard word, at every short precision and around every split.
TEST(FloatMul, SquareMatchesProductWithACopy) {
    th::Rng rng(208);
    std::vector<uint64_t> ps;
    for (uint64_t p = 1; p <= 64; ++p) ps.push_back(p);
    for (uint64_t p : {80, 81, 119, 120, 121, 122, 123, 241, 242, 300, 483, 719, 720, 721, 1001}) ps.push_back(p);
    for (uint64_t p : ps) {
        for (MulFn f : {widefp_float_mul_h, widefp_float_mul_k}) {
            if ((f == widefp_float_mul_h && (p < 2 || p > 719)) || (f == widefp_float_mul_k && p < 40 && p % 7))
                continue;
            for (int t = 0; t < 2; ++t) {
                Words x = th::random_wr(rng, p);
                if (t == 1) std::fill(x.begin() + 1, x.end(), ~uint64_t{0});
                Words copy = x, want(p + 1), got(p + 1);
                const uint64_t g = f(want.data(), x.data(), copy.data(), p);
                ASSERT_EQ(f(got.data(), x.data(), x.data(), p), g) << "p=" << p << " t=" << t;
                ASSERT_EQ(got, want) << "p=" << p << " t=" << t;
            }
        }
    }
}

// The Fortran-callable names run the same code.
TEST(FloatMul, FortranAliases) {
    th::Rng rng(208);
    for (uint64_t p : {3, 720}) {
        Words x = th::random_wr(rng, p), y = th::random_wr(rng, p);
        struct Variant {
            MulFn plain;
            uint64_t (*f77)(uint64_t *, const uint64_t *, const uint64_t *, const uint64_t *);
            uint64_t (*f77u)(uint64_t *, const uint64_t *, const uint64_t *, const uint64_t *);
            uint64_t (*f90)(uint64_t *const *, const uint64_t *const *, const uint64_t *const *, const uint64_t *);
            uint64_t (*f90u)(uint64_t *const *, const uint64_t *const *, const uint64_t *const *, const uint64_t *);
        } variants[] = {
            {widefp_float_mul, widefp_float_mul_f77_, widefp_float_mul_f77__, widefp_float_mul_f90_,
             widefp_float_mul_f90__},
            {widefp_float_mul_h, widefp_float_mul_h_f77_, widefp_float_mul_h_f77__, widefp_float_mul_h_f90_,
             widefp_float_mul_h_f90__},
            {widefp_float_mul_k, widefp_float_mul_k_f77_, widefp_float_mul_k_f77__, widefp_float_mul_k_f90_,
             widefp_float_mul_k_f90__},
        };
        for (const Variant &v : variants) {
            Words want(p + 1), r(p + 1);
            uint64_t g = v.plain(want.data(), x.data(), y.data(), p);
            EXPECT_EQ(v.f77(r.data(), x.data(), y.data(), &p), g);
            EXPECT_EQ(r, want);
            EXPECT_EQ(v.f77u(r.data(), x.data(), y.data(), &p), g);
            EXPECT_EQ(r, want);
            uint64_t *pr = r.data();
            const uint64_t *px = x.data(), *py = y.data();
            r.assign(p + 1, 0);
            EXPECT_EQ(v.f90(&pr, &px, &py, &p), g);
            EXPECT_EQ(r, want);
            r.assign(p + 1, 0);
            EXPECT_EQ(v.f90u(&pr, &px, &py, &p), g);
            EXPECT_EQ(r, want);
        }
        // the word-array products: n by reference
        const uint64_t n = p;
        Words a(x.begin() + 1, x.end()), b(y.begin() + 1, y.end());
        Words want(n), r(n);
        EXPECT_EQ(widefp_array_mul_f77_(r.data(), a.data(), b.data(), &n),
                  widefp_array_mul(want.data(), a.data(), b.data(), n));
        EXPECT_EQ(r, want);
        EXPECT_EQ(widefp_array_mul_h_f77__(r.data(), a.data(), b.data(), &n),
                  widefp_array_mul_h(want.data(), a.data(), b.data(), n));
        EXPECT_EQ(r, want);
        EXPECT_EQ(widefp_array_mul_k_f77_(r.data(), a.data(), b.data(), &n),
                  widefp_array_mul_k(want.data(), a.data(), b.data(), n));
        EXPECT_EQ(r, want);
    }
}

}  // namespace
