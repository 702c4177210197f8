// Tests of the IEEE double conversions widefp_float_dtowr / widefp_float_wrtod.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>

#include "harness.h"

namespace {

using th::Words;
constexpr uint64_t kJunk = 0xa5a5a5a5a5a5a5a5ULL;

uint64_t bits_of(double d) {
    uint64_t b;
    std::memcpy(&b, &d, sizeof b);
    return b;
}
double double_of(uint64_t b) {
    double d;
    std::memcpy(&d, &b, sizeof d);
    return d;
}

// An element with unbiased exponent e (any 63-bit field), word 1 = w and
// junk in the further words, which wrtod must not read.
Words element(int64_t e, uint64_t w, bool neg = false, uint64_t p = 3) {
    Words x(p + 1, kJunk);
    x[0] = static_cast<uint64_t>(static_cast<int64_t>(th::kBias) + e) | (neg ? th::kSign : 0);
    x[1] = w;
    return x;
}

// dtowr into an element prefilled with junk; checks that every fraction word
// beyond word 1 is cleared and that the value is exactly d (MPFR).
Words convert(double d, uint64_t p) {
    Words x(p + 1, kJunk);
    widefp_float_dtowr(x.data(), d, p);
    for (uint64_t j = 2; j <= p; ++j) EXPECT_EQ(x[j], 0u) << "word " << j << " of " << d;
    if (std::isfinite(d)) {
        th::Mp got(p), want(static_cast<mpfr_prec_t>(64), true);
        th::to_mpfr(got, x.data(), p);
        mpfr_set_d(want, d, MPFR_RNDN);
        EXPECT_TRUE(mpfr_equal_p(got, want) && mpfr_signbit(got) == mpfr_signbit(want)) << d;
    }
    return x;
}

TEST(DoubleToWidereal, EdgeCases) {
    for (uint64_t p : {1, 2, 4}) {
        Words one = convert(1.0, p);
        EXPECT_EQ(one[0], th::kBias);
        EXPECT_EQ(one[1], 0u);
        EXPECT_EQ(bits_of(widefp_float_wrtod(one.data())), bits_of(1.0));

        Words nz = convert(-0.0, p);
        EXPECT_EQ(nz[0], th::kSign);
        EXPECT_EQ(nz[1], 0u);
        EXPECT_EQ(bits_of(widefp_float_wrtod(nz.data())), bits_of(-0.0));
        Words pz = convert(0.0, p);
        EXPECT_EQ(pz[0], 0u);
        EXPECT_EQ(pz[1], 0u);

        // Smallest subnormal 2^-1074: exponent field bias - 1074, fraction 0.
        Words tiny = convert(std::ldexp(1.0, -1074), p);
        EXPECT_EQ(tiny[0], th::kBias - 1074);
        EXPECT_EQ(tiny[1], 0u);
        Words ntiny = convert(-std::ldexp(3.0, -1074), p);
        EXPECT_EQ(ntiny[0], th::kSign | (th::kBias - 1073));
        EXPECT_EQ(ntiny[1], 0x8000000000000000ULL);
        // Largest subnormal and smallest normal.
        Words big_sub = convert(std::ldexp(1.0, -1022) - std::ldexp(1.0, -1074), p);
        EXPECT_EQ(big_sub[0], th::kBias - 1023);
        EXPECT_EQ(big_sub[1], 0xfffffffffffff000ULL << 1);
        Words dmax = convert(-DBL_MAX, p);
        EXPECT_EQ(dmax[0], th::kSign | (th::kBias + 1023));
        EXPECT_EQ(dmax[1], 0xfffffffffffff000ULL);
    }
}

TEST(DoubleToWidereal, InfinityAndNaN) {
    for (uint64_t p : {1, 3}) {
        for (double inf : {HUGE_VAL, -HUGE_VAL}) {
            Words x = convert(inf, p);
            EXPECT_EQ(x[0], (inf < 0 ? th::kSign : 0) | th::kExpMask);
            EXPECT_EQ(x[1], 0u);  // fraction cleared
            EXPECT_EQ(bits_of(widefp_float_wrtod(x.data())), bits_of(inf));
        }
        for (uint64_t nan_bits : {0x7ff8000000000000ULL, 0xfff0000000000001ULL, 0x7fffffffffffffffULL}) {
            Words x(p + 1, kJunk);
            testing::internal::CaptureStderr();
            widefp_float_dtowr(x.data(), double_of(nan_bits), p);
            const std::string err = testing::internal::GetCapturedStderr();
            EXPECT_EQ(err, "Warning: Can't convert NaN to a widereal number.\n");
            EXPECT_EQ(x, Words(p + 1, kJunk)) << "element touched";
        }
    }
}

// Every class of double goes to a widereal and back unchanged.
TEST(DoubleToWidereal, RoundTripOfEveryClass) {
    th::Rng rng(41);
    std::vector<double> values = {0.0, -0.0, DBL_MAX, -DBL_MAX, DBL_MIN, -DBL_MIN,
                                  std::ldexp(1.0, -1074), -std::ldexp(1.0, -1074), 1.0, -1.0, 0.1, -3.0};
    for (long i = 0, n = th::cases(20000); i < n; ++i) {
        uint64_t b = rng.word();
        switch (i % 4) {
            case 0: b &= 0x800fffffffffffffULL; break;                               // subnormal
            case 1: b = (b & 0x800fffffffffffffULL) | (rng.range(1, 0x7fe) << 52); break;  // normal
            case 2: b = (b & 0x800fffffffffffffULL) | (uint64_t{rng.coin() ? 1u : 0x7feu} << 52); break;
            default: b = (b & 0x8000000000000000ULL) | (rng.range(0, 0x7fe) << 52) | (rng.coin() ? 0 : 1); break;
        }
        values.push_back(double_of(b));
    }
    for (uint64_t p : {1, 2, 5}) {
        for (double d : values) {
            Words x = convert(d, p);
            ASSERT_EQ(bits_of(widefp_float_wrtod(x.data())), bits_of(d)) << th::hex(x);
        }
    }
}

TEST(WiderealToDouble, EdgeCases) {
    // A tie in the first dropped bit goes away from zero.
    EXPECT_EQ(widefp_float_wrtod(element(0, 1u << 11).data()), 1.0 + DBL_EPSILON);
    EXPECT_EQ(widefp_float_wrtod(element(0, 1u << 11, true).data()), -(1.0 + DBL_EPSILON));
    EXPECT_EQ(widefp_float_wrtod(element(0, (1u << 11) - 1).data()), 1.0);
    EXPECT_EQ(widefp_float_wrtod(element(0, 0xfffffffffffff800ULL).data()), 2.0);  // carry into the exponent
    // Largest double and beyond.
    EXPECT_EQ(widefp_float_wrtod(element(1023, 0xfffffffffffff800ULL).data()), HUGE_VAL);
    EXPECT_EQ(widefp_float_wrtod(element(1023, 0xfffffffffffff800ULL, true).data()), -HUGE_VAL);
    EXPECT_EQ(widefp_float_wrtod(element(1023, 0xfffffffffffff7ffULL).data()), DBL_MAX);
    EXPECT_EQ(widefp_float_wrtod(element(1024, 0).data()), HUGE_VAL);
    EXPECT_EQ(widefp_float_wrtod(element(0x3fffffffffffffffLL, 0, true).data()), -HUGE_VAL);
    // Subnormal range.
    EXPECT_EQ(widefp_float_wrtod(element(-1022, 0).data()), DBL_MIN);
    EXPECT_EQ(widefp_float_wrtod(element(-1023, 0).data()), std::ldexp(1.0, -1023));
    EXPECT_EQ(widefp_float_wrtod(element(-1074, 0).data()), std::ldexp(1.0, -1074));
    EXPECT_EQ(widefp_float_wrtod(element(-1074, 0x8000000000000000ULL).data()), std::ldexp(1.0, -1073));
    EXPECT_EQ(widefp_float_wrtod(element(-1023, ~uint64_t{0}).data()), DBL_MIN);  // rounds up to normal
    EXPECT_EQ(widefp_float_wrtod(element(-1075, ~uint64_t{0}).data()), std::ldexp(1.0, -1074));  // to nearest
    for (int64_t e : {-1075LL, -1076LL, -5000LL, -0x3ffffffffffffffeLL}) {
        if (e != -1075) {
            EXPECT_EQ(bits_of(widefp_float_wrtod(element(e, ~uint64_t{0}).data())), bits_of(0.0)) << e;
        }
        EXPECT_EQ(bits_of(widefp_float_wrtod(element(e, 0, true).data())), bits_of(-0.0)) << e;  // -1075: a tie, to even
    }
    // Zeros of either sign (junk fraction), infinities whatever their fraction.
    Words z(4, kJunk), nzero(4, kJunk), inf(4, kJunk), ninf(4, kJunk);
    z[0] = 0;
    nzero[0] = th::kSign;
    inf[0] = th::kExpMask;
    ninf[0] = th::kSign | th::kExpMask;
    EXPECT_EQ(bits_of(widefp_float_wrtod(z.data())), bits_of(0.0));
    EXPECT_EQ(bits_of(widefp_float_wrtod(nzero.data())), bits_of(-0.0));
    EXPECT_EQ(widefp_float_wrtod(inf.data()), HUGE_VAL);
    EXPECT_EQ(widefp_float_wrtod(ninf.data()), -HUGE_VAL);
}

// The expected double of an element, from MPFR: the value of sign, exponent
// and word 1 (64 fraction bits), rounded to nearest with ties away from zero
// in the normal range; in the subnormal range to nearest with ties to even
// (the nearest integer multiple of 2^-1074); zero below 2^-1075.
double oracle(const uint64_t *x) {
    const int64_t e = th::unbiased(x);
    const bool neg = (x[0] & th::kSign) != 0;
    if (e <= -1076) return neg ? -0.0 : 0.0;
    th::Mp v(static_cast<mpfr_prec_t>(65), true), t(static_cast<mpfr_prec_t>(65), true);
    Words top = {x[0], x[1]};
    th::to_mpfr(v, top.data(), 1);
    if (e <= -1023) {
        mpfr_mul_2si(v, v, 1074, MPFR_RNDN);
        mpfr_rint(v, v, MPFR_RNDN);
        return std::ldexp(mpfr_get_d(v, MPFR_RNDN), -1074);
    }
    // Nearest, ties away: compare the distances to the two neighbours.
    const double lo = mpfr_get_d(v, MPFR_RNDZ), hi = mpfr_get_d(v, MPFR_RNDA);
    if (lo == hi) return lo;
    th::Mp dlo(200, true), dhi(200, true);
    mpfr_set_d(t, lo, MPFR_RNDN);
    mpfr_sub(dlo, v, t, MPFR_RNDN);
    if (std::isinf(hi))
        mpfr_set_si_2exp(t, neg ? -1 : 1, 1024, MPFR_RNDN);  // one place above the largest double
    else
        mpfr_set_d(t, hi, MPFR_RNDN);
    mpfr_sub(dhi, t, v, MPFR_RNDN);
    return mpfr_cmpabs(dhi, dlo) <= 0 ? hi : lo;
}

TEST(WiderealToDouble, RandomAgainstMpfr) {
    th::Rng rng(43);
    int subnormal = 0, ties = 0;
    for (long i = 0, n = th::cases(200000); i < n; ++i) {
        int64_t e;
        switch (i % 5) {
            case 0: e = static_cast<int64_t>(rng.range(0, 2300)) - 1150; break;
            case 1: e = static_cast<int64_t>(rng.range(0, 60)) - 1085; break;
            case 2: e = static_cast<int64_t>(rng.range(0, 10)) + 1018; break;
            case 3: e = static_cast<int64_t>(rng.range(0, 4)) - 1024; break;
            default: e = static_cast<int64_t>(rng.range(0, 100)) - 50; break;
        }
        uint64_t w = rng.coin() ? rng.word() : rng.run_word();
        if (rng.below(4) == 0) w = (w & ~0xfffULL) | 0x800;  // exact tie
        Words x = element(e, w, rng.coin(), 1 + rng.below(3));
        if (e <= -1023 && e >= -1074) ++subnormal;
        if ((w & 0xfff) == 0x800) ++ties;
        const double want = oracle(x.data()), got = widefp_float_wrtod(x.data());
        ASSERT_EQ(bits_of(got), bits_of(want)) << "e=" << e << " w=" << th::hex(w);
    }
    EXPECT_GT(subnormal, 1000);
    EXPECT_GT(ties, 1000);
}

}  // namespace
