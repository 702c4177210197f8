// test_sqrt.cpp -- widefp_float_sqrt and widefp_mex_hypot against MPFR, their error bounds and special cases.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

#include "harness.h"

namespace {

using th::Words;

constexpr double kTwo64 = 18446744073709551616.0;

// Error bound of the square root, in units of the last place of the exact
// root.  With u = 2^-64p the fraction unit of the (p+1)-word fixed-point
// numbers:
//  * the double start is good to 2^-51.4, so the quadratic term left after
//    the last Newton step is below 2^-64(p+1), negligible;
//  * the last step y' = trunc(rnd((3 - rnd(rnd(y^2) M)) y) / 2): each
//    rounded product is off by at most u/2 (plus the half product's
//    2(p+1)*2^-64 u); with y <= 1 and M y <= 2 the three roundings give
//    (M y u/2 + y u/2 + u/2) / 2 <= u, and the truncation of the halving
//    u/2 more: |dy| <= 1.5u;
//  * the root t = rnd(y M) with M < 4: |dt| <= 4 * 1.5u + u/2 = 6.5u;
//  * when t lands at 2 the normalising right shift truncates one more unit
//    of 2^(h+1-64p), i.e. 2 ulp of the exact root.
constexpr double kSqrtBoundUlp = 8.5;
// Hypot: each truncated square is low by less than 2 units of its own last
// place (the truncated product may also report saturation), the truncated
// sum by less than 1: a relative error below 3*2^-64p in a^2 + b^2, i.e.
// below 1.5*2^-64p relative, < 3 ulp, in the root; plus the root's own bound.
constexpr double kHypotBoundUlp = kSqrtBoundUlp + 3.0;

std::vector<uint64_t> precisions() {
    std::vector<uint64_t> ps;
    for (uint64_t p = 2; p <= 20; ++p) ps.push_back(p);
    for (uint64_t p : {31, 32, 33, 47, 63, 64, 65, 100, 127, 128, 129, 200, 255, 256, 400, 511, 512, 600, 717, 718,
                       719, 720, 721, 800, 1000})
        ps.push_back(p);
    return ps;
}

int trials_for(uint64_t p) {
    if (p <= 8) return 300;
    if (p <= 20) return 60;
    if (p <= 256) return 10;
    return 3;
}

uint64_t sqrt_of(Words &r, const Words &x, uint64_t p) {
    Words work(4 * p + 8, 0xdeadbeefdeadbeefULL);
    r.assign(p + 1, 0);
    return widefp_float_sqrt(r.data(), x.data(), p, work.data());
}

// Error of the stored result against sqrt(x), in ulp of the exact root.
double sqrt_error_ulp(const Words &r, const Words &x, uint64_t p) {
    th::Mp mx(p), mr(p);
    th::Mp exact(static_cast<mpfr_prec_t>(64 * p + 192), true);
    th::to_mpfr(mx, x.data(), p);
    th::to_mpfr(mr, r.data(), p);
    mpfr_sqrt(exact, mx, MPFR_RNDN);
    return th::error_in_ulp64(mr, exact, p) / kTwo64;
}

double hypot_error_ulp(const Words &r, const Words &a, const Words &b, uint64_t p) {
    th::Mp ma(p), mb(p), mr(p);
    th::Mp exact(static_cast<mpfr_prec_t>(64 * p + 192), true);
    th::to_mpfr(ma, a.data(), p);
    th::to_mpfr(mb, b.data(), p);
    th::to_mpfr(mr, r.data(), p);
    mpfr_hypot(exact, ma, mb, MPFR_RNDN);
    return th::error_in_ulp64(mr, exact, p) / kTwo64;
}

// Random positive operands with odd and even exponents and the mantissas
// next to 1, 2 (and so M next to 1, 2, 4) that stress the normalisation.
Words random_operand(th::Rng &rng, uint64_t p) {
    Words x = th::random_wr(rng, p, -1000, 1000, false);
    switch (rng.below(8)) {
        case 0:  // mantissa just below 2
            for (uint64_t j = 1; j <= p; ++j) x[j] = ~uint64_t{0};
            x[p] -= rng.below(1000);
            break;
        case 1:  // mantissa just above 1
            for (uint64_t j = 1; j <= p; ++j) x[j] = 0;
            x[p] = rng.below(1000);
            break;
        default:
            break;
    }
    return x;
}

TEST(Sqrt, RandomAgainstMpfrWithinDerivedBound) {
    th::Rng rng(0x5a17);
    double worst = 0;
    uint64_t worst_p = 0;
    for (uint64_t p : precisions()) {
        for (long trial = 0, n = th::cases(trials_for(p)); trial < n; ++trial) {
            Words x = random_operand(rng, p), r;
            sqrt_of(r, x, p);
            ASSERT_EQ(r[0] & th::kSign, 0u);
            double err = sqrt_error_ulp(r, x, p);
            if (err > worst) worst = err, worst_p = p;
            ASSERT_LE(err, kSqrtBoundUlp) << "p=" << p << " x=" << th::hex(x) << " r=" << th::hex(r);
        }
    }
    std::printf("largest sqrt error: %.4f ulp (at p = %llu), bound %.1f ulp\n", worst,
                static_cast<unsigned long long>(worst_p), kSqrtBoundUlp);
}

TEST(Sqrt, ResultMayAliasOperandAndWorkAreaContentsDoNotMatter) {
    th::Rng rng(77);
    for (uint64_t p : {2, 3, 9, 64, 720}) {
        for (int trial = 0; trial < 10; ++trial) {
            Words x = random_operand(rng, p), r;
            sqrt_of(r, x, p);
            Words work(4 * p + 8);
            rng.fill(work.data(), work.size());
            Words y = x;
            widefp_float_sqrt(y.data(), y.data(), p, work.data());
            EXPECT_TRUE(th::same_value(y.data(), r.data(), p)) << "p=" << p;
        }
    }
}

TEST(Sqrt, SquaresOfSmallIntegersAndPowersOfFour) {
    for (uint64_t p : {2, 5, 40}) {
        Words r;
        sqrt_of(r, th::from_double(4.0, p), p);  // e = 2, M = 1, y0 = 1 exactly
        EXPECT_EQ(r[0], th::kBias + 1);
        for (uint64_t j = 1; j <= p; ++j) EXPECT_EQ(r[j], 0u);
        sqrt_of(r, th::from_double(1.0, p), p);
        EXPECT_EQ(r[0], th::kBias);
        for (uint64_t j = 1; j <= p; ++j) EXPECT_EQ(r[j], 0u);
        // sqrt(9) and sqrt(2^-200) lie within the bound of 3 and 2^-100
        for (double v : {9.0, 0x1p-200, 0x1p+301, 1e300}) {
            Words x = th::from_double(v, p);
            sqrt_of(r, x, p);
            EXPECT_LE(sqrt_error_ulp(r, x, p), kSqrtBoundUlp) << v;
        }
    }
}

TEST(Sqrt, SqrtTwoHasExponentOfOneAndFractionOfRootTwoMinusOne) {
    for (uint64_t p : {2, 3, 7, 100}) {
        Words x = th::from_double(2.0, p), r;
        sqrt_of(r, x, p);
        EXPECT_EQ(r[0], th::kBias);
        EXPECT_EQ(r[1], 0x6a09e667f3bcc908ULL);  // leading fraction bits of sqrt(2)
        EXPECT_LE(sqrt_error_ulp(r, x, p), kSqrtBoundUlp);
    }
}

TEST(Sqrt, ZeroAndInfinity) {
    for (uint64_t p : {2, 4}) {
        Words x(p + 1, 0), r(p + 1, 0x1234);
        Words work(4 * p + 8, 7);
        EXPECT_EQ(widefp_float_sqrt(r.data(), x.data(), p, work.data()), 0u);
        EXPECT_EQ(r[0], 0u);
        for (uint64_t j = 1; j <= p; ++j) EXPECT_EQ(r[j], 0x1234u) << "fraction of a zero root is not written";
        x[0] = th::kExpMask;
        x[1] = 99;
        EXPECT_EQ(widefp_float_sqrt(r.data(), x.data(), p, work.data()), 0u);
        EXPECT_EQ(r[0], th::kExpMask);
        for (uint64_t j = 1; j <= p; ++j) EXPECT_EQ(r[j], 0u);
    }
}

// M just below 4 (mantissa just below 2, odd exponent) is where t could land
// at 2, M just above 1 where it could land just below 1.  Every outcome must
// carry the exponent of one of the two neighbouring binades and be within the
// bound.  (The reciprocal root approaches from below and is truncated, so in
// practice t stays in [1, 2): the counts printed are 0 for all operands
// tried, several million in an offline search included.)
TEST(Sqrt, RootsNextToOneAndTwoStayNormalised) {
    int above = 0, below = 0;
    for (uint64_t p = 2; p <= 64; ++p) {
        for (uint64_t k = 0; k < 64; ++k) {
            for (int64_t e : {-7, 1, 3, 1001}) {  // odd exponents: M = 2 * mantissa
                Words x(p + 1, ~uint64_t{0}), r;
                x[p] -= k;
                x[0] = static_cast<uint64_t>(static_cast<int64_t>(th::kBias) + e);
                sqrt_of(r, x, p);
                const uint64_t h_field = static_cast<uint64_t>(static_cast<int64_t>(th::kBias) + (e >> 1));
                if (r[0] == h_field + 1) ++above;
                else ASSERT_EQ(r[0], h_field);
                ASSERT_LE(sqrt_error_ulp(r, x, p), kSqrtBoundUlp) << "p=" << p << " k=" << k;
            }
            for (int64_t e : {-6, 0, 2}) {  // even exponents, mantissa just above 1
                Words x(p + 1, 0), r;
                x[p] = k;
                x[0] = static_cast<uint64_t>(static_cast<int64_t>(th::kBias) + e);
                sqrt_of(r, x, p);
                const uint64_t h_field = static_cast<uint64_t>(static_cast<int64_t>(th::kBias) + (e >> 1));
                if (r[0] == h_field - 1) ++below;
                else ASSERT_EQ(r[0], h_field);
                ASSERT_LE(sqrt_error_ulp(r, x, p), kSqrtBoundUlp) << "p=" << p << " k=" << k;
            }
        }
    }
    std::printf("roots normalised from integer word 2: %d, from integer word 0: %d\n", above, below);
}

// At the ends of the exponent range (beyond MPFR's) the exponent is halved
// exactly and the fraction is that of the same mantissa at a small exponent.
TEST(Sqrt, ExtremeExponents) {
    th::Rng rng(5);
    const uint64_t p = 3;
    for (int trial = 0; trial < 50; ++trial) {
        Words x = random_operand(rng, p), r_small, r_big;
        for (int64_t e : {int64_t{0x3fffffffffffffff}, int64_t{0x3ffffffffffffffe}, -int64_t{0x3ffffffffffffffe},
                          -int64_t{0x3ffffffffffffffd}}) {
            Words small = x, big = x;
            small[0] = th::kBias + (e & 1);
            big[0] = static_cast<uint64_t>(static_cast<int64_t>(th::kBias) + e);
            sqrt_of(r_small, small, p);
            sqrt_of(r_big, big, p);
            int64_t shift = e >> 1;
            ASSERT_EQ(static_cast<int64_t>(r_big[0]) - static_cast<int64_t>(r_small[0]), shift);
            for (uint64_t j = 1; j <= p; ++j) ASSERT_EQ(r_big[j], r_small[j]);
        }
    }
}

// ---- the domain error ----

[[noreturn]] void throwing_handler(const char *id, const char *text) {
    throw std::runtime_error(std::string(id) + "|" + text);
}

TEST(SqrtDeathTest, NegativeOperandPrintsWordZeroAndExitsWithStatusOne) {
    const uint64_t p = 2;
    Words work(4 * p + 8), r(p + 1);
    Words negzero(p + 1, 0);
    negzero[0] = th::kSign;
    // Standard output is sent to standard error inside the child so that
    // both texts can be matched in order.
    EXPECT_EXIT(
        {
            dup2(2, 1);
            widefp_float_sqrt(r.data(), negzero.data(), p, work.data());
        },
        testing::ExitedWithCode(1), "8000000000000000\nsqrt : domain error\n");
    Words minus_one = th::from_double(-1.0, p);
    EXPECT_EXIT(
        {
            dup2(2, 1);
            widefp_float_sqrt(r.data(), minus_one.data(), p, work.data());
        },
        testing::ExitedWithCode(1), "bfffffffffffffff\nsqrt : domain error\n");
}

TEST(Sqrt, NegativeOperandGoesThroughTheFatalRoute) {
    const uint64_t p = 2;
    Words work(4 * p + 8), r(p + 1, 0x55);
    Words x = th::from_double(-2.5, p);
    widefp_set_fatal_handler(&throwing_handler);
    testing::internal::CaptureStdout();
    std::string what;
    try {
        widefp_float_sqrt(r.data(), x.data(), p, work.data());
    } catch (const std::runtime_error &err) {
        what = err.what();
    }
    std::string out = testing::internal::GetCapturedStdout();
    widefp_set_fatal_handler(nullptr);
    EXPECT_EQ(what, "widefp:domain|sqrt : domain error\n");
    EXPECT_EQ(out, "c000000000000000\n");
    for (uint64_t w : r) EXPECT_EQ(w, 0x55u) << "no result is written";
}

// ---- hypot ----

TEST(Hypot, ThreeFourFive) {
    for (uint64_t p : {2, 3, 10, 300, 720}) {
        Words a = th::from_double(3.0, p), b = th::from_double(4.0, p), r(p + 1);
        widefp_mex_hypot(r.data(), a.data(), b.data(), p);
        Words five = th::from_double(5.0, p);
        double err = hypot_error_ulp(r, a, b, p);
        EXPECT_LE(err, kSqrtBoundUlp) << "p=" << p << " r=" << th::hex(r);  // squares and sum exact
        EXPECT_EQ(r[0], five[0]);
    }
}

TEST(Hypot, RandomPairsAgainstMpfr) {
    th::Rng rng(0x4e9);
    double worst = 0;
    for (uint64_t p : precisions()) {
        for (int trial = 0; trial < std::max(2, trials_for(p) / 3); ++trial) {
            Words a = th::random_wr(rng, p, -300, 300);
            Words b = th::random_wr(rng, p, -300, 300);
            if (rng.below(4) == 0) b[0] = a[0] ^ (rng.coin() ? th::kSign : 0);  // same exponent
            Words r(p + 1);
            widefp_mex_hypot(r.data(), a.data(), b.data(), p);
            double err = hypot_error_ulp(r, a, b, p);
            worst = std::max(worst, err);
            ASSERT_LE(err, kHypotBoundUlp) << "p=" << p << " a=" << th::hex(a) << " b=" << th::hex(b);
            // aliasing: result given as a or as b
            Words ra = a, rb = b;
            widefp_mex_hypot(ra.data(), ra.data(), b.data(), p);
            widefp_mex_hypot(rb.data(), a.data(), rb.data(), p);
            ASSERT_TRUE(th::same_value(ra.data(), r.data(), p));
            ASSERT_TRUE(th::same_value(rb.data(), r.data(), p));
        }
    }
    std::printf("largest hypot error: %.4f ulp, bound %.1f ulp\n", worst, kHypotBoundUlp);
}

// A work area that cannot be had is reported through the fatal route.
TEST(Hypot, WorkAreaFailureGoesThroughTheFatalRoute) {
    Words a = th::from_double(3.0, 2), r(3, 0x66);
    widefp_set_fatal_handler(&throwing_handler);
    std::string what;
    try {
        widefp_mex_hypot(r.data(), a.data(), a.data(), uint64_t{1} << 62);
    } catch (const std::runtime_error &err) {
        what = err.what();
    }
    widefp_set_fatal_handler(nullptr);
    EXPECT_EQ(what.substr(0, 14), "widefp:memory|");
    EXPECT_EQ(r, Words(3, 0x66));
}

TEST(Hypot, ZeroOperands) {
    const uint64_t p = 4;
    Words z(p + 1, 0), a = th::from_double(-7.0, p), r(p + 1);
    widefp_mex_hypot(r.data(), z.data(), z.data(), p);
    EXPECT_EQ(r[0], 0u);
    widefp_mex_hypot(r.data(), a.data(), z.data(), p);
    EXPECT_LE(hypot_error_ulp(r, a, z, p), kSqrtBoundUlp) << th::hex(r);
    Words r2(p + 1);
    widefp_mex_hypot(r2.data(), z.data(), a.data(), p);
    EXPECT_TRUE(th::same_value(r.data(), r2.data(), p)) << th::hex(r2);
}

// The hypot that takes the caller's work area (the SVD's rotations) clears
// what it reads: stale words there change nothing, zero operands included.
TEST(Hypot, CallersWorkAreaWithStaleWords) {
    th::Rng rng(0x57a1e);
    for (uint64_t p : {2, 7, 60}) {
        Words work(widefp::detail::truncated_hypot_work_size(p));
        Words z(p + 1, 0);
        for (int trial = 0; trial < 20; ++trial) {
            Words a = th::random_wr(rng, p, -100, 100), b = trial % 2 ? th::random_wr(rng, p, -100, 100) : z;
            std::fill(work.begin(), work.end(), 0xa5a5a5a5a5a5a5a5ULL);
            Words r(p + 1);
            widefp::detail::truncated_hypot(r.data(), a.data(), b.data(), p, work.data());
            ASSERT_LE(hypot_error_ulp(r, a, b, p), kHypotBoundUlp) << "p=" << p << " a=" << th::hex(a);
        }
        // hypot(0, 0): no stale word reaches the zero's fraction
        std::fill(work.begin(), work.end(), 0xa5a5a5a5a5a5a5a5ULL);
        Words r(p + 1, 0x77);
        widefp::detail::truncated_hypot(r.data(), z.data(), z.data(), p, work.data());
        EXPECT_EQ(r, z) << "p=" << p;
    }
}

}  // namespace
