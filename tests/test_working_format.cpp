// Working arrays: conversions, 1 - x, one-bit shift, integer part, reduction by ln 2 and pi/4 against MPFR.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "elem_check.h"
#include "harness.h"
#include "reference/ref_reduction.h"

namespace {

using th::Words;

// The n-word array as an integer.
void to_mpz(mpz_t z, const uint64_t *a, uint64_t n) { mpz_import(z, n, 1, sizeof(uint64_t), 0, 0, a); }

// The working array as a number: integer word, fraction words.
void array_to_mpfr(mpfr_ptr v, const uint64_t *a, uint64_t n) {
    mpz_t z;
    mpz_init(z);
    to_mpz(z, a, n);
    mpfr_set_z_2exp(v, z, -64 * static_cast<long>(n - 1), MPFR_RNDN);
    mpz_clear(z);
}


TEST(WorkingFormat, ConversionsAgainstExactValues) {
    th::Rng rng(11);
    for (uint64_t n : {2, 3, 4, 7, 33, 1025}) {
        th::Mp exact(64 * 1100, true), got(64 * 1100, true);
        for (int i = 0; i < 60; ++i) {
            Words x = th::random_wr(rng, n + 2, 0, 0, false);
            // Shifts around every word boundary and the end of the array.
            int64_t e = -1 - static_cast<int64_t>(rng.below(64 * n + 3));
            if (i < 4) e = std::array<int64_t, 4>{-1, -64, -64 * static_cast<int64_t>(n - 1), -64 * static_cast<int64_t>(n - 1) - 1}[i];
            Words dst(n, 0xdead);
            mpfr_set_prec(exact, 64 * 1100);
            widefp_widereal_to_array(x.data(), e, dst.data(), n);
            th::to_mpfr(exact, x.data(), n + 2);
            mpfr_mul_2si(exact, exact, e + 64 * static_cast<long>(n - 1), MPFR_RNDN);
            mpfr_floor(exact, exact);
            mpfr_mul_2si(exact, exact, -64 * static_cast<long>(n - 1), MPFR_RNDN);
            array_to_mpfr(got, dst.data(), n);
            ASSERT_TRUE(mpfr_equal_p(got, exact)) << "n=" << n << " e=" << e;
            // Back: an integer word >= 1 normalises into the same value, truncated.
            Words a(n + 1);
            rng.fill(a.data(), n + 1);
            if (a[0] == 0) a[0] = 1 + rng.below(3);
            if (i == 0) a[0] = 3;
            array_to_mpfr(exact, a.data(), n + 1);
            const uint64_t w0 = widefp_array_to_widereal(a.data(), n);
            ASSERT_EQ(w0, a[0]);
            if (i == 0) {
                ASSERT_EQ(w0, 0x4000000000000000ULL);
            }
            th::to_mpfr(got, a.data(), n);
            mpfr_prec_round(exact, 64 * static_cast<long>(n) + 1, MPFR_RNDZ);
            ASSERT_TRUE(mpfr_equal_p(got, exact)) << "n=" << n << " a0 case " << i;
        }
    }
}

TEST(WorkingFormat, ComplementAndShift) {
    th::Rng rng(12);
    mpz_t z, want, one;
    mpz_inits(z, want, one, nullptr);
    for (uint64_t n : {1, 2, 3, 9, 1025}) {
        for (int i = 0; i < 40; ++i) {
            Words a(n);
            rng.fill(a.data(), n);
            if (i == 1)
                for (uint64_t j = n / 2; j < n; ++j) a[j] = 0;  // the carry runs through trailing zeros
            if (i == 2) std::fill(a.begin(), a.end(), 0);
            Words d(n);
            widefp_array_2s_complement(a.data(), d.data(), n);
            a[0] = 0;  // ignored
            to_mpz(z, a.data(), n);
            mpz_set_ui(one, 1);
            mpz_mul_2exp(one, one, 64 * (n - 1));
            mpz_sub(want, one, z);
            to_mpz(z, d.data(), n);
            ASSERT_EQ(mpz_cmp(z, want), 0) << "n=" << n;
            widefp_array_2s_complement(d.data(), d.data(), n);  // in place: 1 - (1 - a) = a (a != 0)
            if (std::any_of(a.begin() + 1, a.end(), [](uint64_t v) { return v != 0; })) {
                ASSERT_EQ(th::hex(d), th::hex(a));
            }
            rng.fill(a.data(), n);
            to_mpz(want, a.data(), n);
            mpz_mul_2exp(want, want, 1);
            mpz_tdiv_r_2exp(want, want, 64 * n);
            widefp_sll_onebit(a.data(), n);
            to_mpz(z, a.data(), n);
            ASSERT_EQ(mpz_cmp(z, want), 0);
        }
    }
    mpz_clears(z, want, one, nullptr);
}

TEST(WorkingFormat, IntegerPart) {
    th::Rng rng(13);
    for (uint64_t p : {1, 2, 3, 4, 17}) {
        th::Mp x(p), ip(p);
        mpz_t z;
        mpz_init(z);
        for (int i = 0; i < 300; ++i) {
            Words w = th::random_wr(rng, p, -3, static_cast<int64_t>(64 * p + 70));
            if (i == 0) w[0] = 0;
            Words out(p + 1, 0xdead);
            uint64_t low = 7;
            const int r = widefp_modf(w.data(), out.data(), &low, p);
            th::to_mpfr(x, w.data(), p);
            mpfr_trunc(ip, x);
            ASSERT_TRUE(th::same_value(out.data(), th::from_mpfr(ip, p).data(), p) || (mpfr_zero_p(ip) && out[0] == 0))
                << th::hex(w);
            mpfr_get_z(z, ip, MPFR_RNDZ);
            mpz_abs(z, z);
            ASSERT_EQ(low, mpz_get_ui(z) & ~uint64_t{0}) << th::hex(w);  // mpz_get_ui: the low limb
            ASSERT_EQ(r, static_cast<int>(low & 0xffff));
            Words alias = w;  // ip may be x itself
            widefp_modf(alias.data(), alias.data(), &low, p);
            ASSERT_EQ(th::hex(alias), th::hex(out));
        }
        mpz_clear(z);
    }
    uint64_t low;
    Words ip(3);
    EXPECT_EQ(widefp_modf(th::from_double(2.75, 2).data(), ip.data(), &low, 2), 2);
    EXPECT_EQ(th::hex(ip), th::hex(th::from_double(2, 2)));
    widefp_modf(th::from_double(-2.75, 2).data(), ip.data(), &low, 2);
    EXPECT_EQ(th::hex(ip), th::hex(th::from_double(-2, 2)));
    EXPECT_EQ(low, 2u);
    widefp_modf(th::from_double(0.75, 2).data(), ip.data(), &low, 2);
    EXPECT_EQ(ip[0], 0u);
    EXPECT_EQ(low, 0u);
}

// The constant of a reduction mode: ln 2 (2) or pi/4 (3).
void reduction_constant(mpfr_ptr c, int mode) {
    if (mode == 2) {
        mpfr_const_log2(c, MPFR_RNDN);
        return;
    }
    mpfr_const_pi(c, MPFR_RNDN);
    mpfr_div_2ui(c, c, 2, MPFR_RNDN);
}

// Reduction against MPFR: k = floor(x/C), r = x - m*C with m = k (ln 2) or k
// rounded up to even (pi/4), the quadrant m/2 mod 4.  The reduced argument
// is truncated to p+1 words after steps at pw = 2p+1 or p + words(x/C)
// words, with C cut at pw words, so
//   |r - r_exact| <= 2 ulp(r at p+1 words) + 2^(E_x + 3 - 64 pw).
TEST(Reduction, AgainstMpfr) {
    th::Rng rng(14);
    double worst = 0;
    // 1,024 words: the exponential's and sine's working precision at p = 1023,
    // where r's last word lies beyond 1,024 words and must still be right.
    for (uint64_t p : {1, 2, 3, 5, 8, 16, 31, 64, 160, 161, 300, 719, 720, 1000, 1023, 1024}) {
        const long cases = th::cases(p >= 700 ? 3 : p >= 100 ? 10 : 60);
        const long bits = 64 * static_cast<long>(p) + 64 * 1100;
        th::Mp x(bits, true), c(bits, true), q(bits, true), r(bits, true), got(bits, true), d(bits, true);
        mpz_t k;
        mpz_init(k);
        for (int mode : {2, 3}) {
            reduction_constant(c, mode);
            for (int i = 0; i < cases; ++i) {
                const int64_t emax = mode == 2 ? 60 : (i % 3 == 0 ? 4 : 64 * static_cast<int64_t>(std::min<uint64_t>(p, 20)));
                Words w = th::random_wr(rng, p, -1, emax, false);
                Words out(p + 2, 0xdead);
                int64_t kk = -1;
                const int quadrant = widefp_add_reduction(w.data(), mode, out.data(), p, &kk);
                th::to_mpfr(x, w.data(), p);
                mpfr_div(q, x, c, MPFR_RNDN);
                mpfr_get_z(k, q, MPFR_RNDD);
                if (mpz_cmp_ui(k, 0) == 0) {  // below C: copied
                    ASSERT_EQ(th::hex(out.data(), p + 1), th::hex(w)) << "p=" << p;
                    ASSERT_EQ(out[p + 1], 0u);
                    ASSERT_EQ(quadrant, 0);
                    continue;
                }
                ASSERT_EQ(static_cast<uint64_t>(kk), mpz_get_ui(k)) << "p=" << p << " x=" << th::hex(w);
                if (mode == 3 && mpz_odd_p(k)) mpz_add_ui(k, k, 1);
                if (mode == 3) {
                    ASSERT_EQ(quadrant, static_cast<int>(mpz_fdiv_ui(k, 8) / 2));
                }
                mpfr_mul_z(r, c, k, MPFR_RNDN);
                mpfr_sub(r, x, r, MPFR_RNDN);
                th::to_mpfr(got, out.data(), p + 1);
                mpfr_sub(d, got, r, MPFR_RNDN);
                mpfr_abs(d, d, MPFR_RNDN);
                const int64_t ex = th::unbiased(w.data());
                const uint64_t pw0 = ex >= 0 && static_cast<uint64_t>(ex) >= 64 * p + 1 ? p + (ex + 64) / 64 : 2 * p + 1;
                const long pwc = static_cast<long>(pw0);
                // bound = 2^(exp(r) + 1 - 64(p+1)) + 2^(ex + 3 - 64 pwc)
                mpfr_set_ui_2exp(q, 1, mpfr_get_exp(r) + 1 - 64 * static_cast<long>(p + 1), MPFR_RNDN);
                mpfr_set_ui_2exp(got, 1, ex + 3 - 64 * pwc, MPFR_RNDN);
                mpfr_add(q, q, got, MPFR_RNDN);
                mpfr_div(d, d, q, MPFR_RNDN);
                worst = std::max(worst, mpfr_get_d(d, MPFR_RNDN));
                ASSERT_LE(mpfr_cmp_ui(d, 1), 0) << "p=" << p << " mode " << mode << " x=" << th::hex(w);
            }
        }
        mpz_clear(k);
    }
    std::printf("largest reduction error: %.3f of the bound\n", worst);
}

// Next to a multiple of pi/2 at large exponents about 64p bits beyond the
// exponent cancel: the reduced argument must still be right to 2^-8 of a unit
// in its word p (beside the truncation of its last word).
TEST(Reduction, NextToMultiplesOfHalfPi) {
    th::Rng rng(16);
    double worst = 0;
    for (uint64_t p : {1, 2, 3, 4, 7, 16, 40, 160, 1023}) {
        const long bits = 64 * static_cast<long>(p) * 3 + 65600;
        th::Mp x(p), h(bits, true), r(bits, true), d(bits, true), got(p + 1);
        mpfr_const_pi(h, MPFR_RNDN);
        mpfr_div_2ui(h, h, 1, MPFR_RNDN);
        for (int i = 0; i < (p > 40 ? 2 : 8); ++i) {
            const int64_t lo = 64 * static_cast<int64_t>(p);
            const int64_t e = lo + static_cast<int64_t>(rng.below(static_cast<uint64_t>(i % 2 ? 64 : 65535 - lo) + 1));
            Words w = ec::near_pi_multiple(p, e, false), out(p + 2);
            int64_t k;
            widefp_add_reduction(w.data(), 3, out.data(), p, &k);
            th::to_mpfr(x, w.data(), p);
            mpfr_remainder(r, x, h, MPFR_RNDN);  // x - n pi/2, n the nearest integer
            th::to_mpfr(got, out.data(), p + 1);
            mpfr_sub(d, got, r, MPFR_RNDN);
            // |d| <= 2^(e_r - 64p - 8) + 2^(e_r - 64(p+1)), e_r the unbiased exponent of r
            mpfr_mul_2si(d, d, 64 * static_cast<long>(p) + 1 - static_cast<long>(mpfr_get_exp(r)), MPFR_RNDN);
            const double units = std::fabs(mpfr_get_d(d, MPFR_RNDN));
            worst = std::max(worst, units);
            ASSERT_LE(units, 0x1p-7 + 0x1p-63) << "p=" << p << " x=" << th::hex(w) << " r ~ 2^" << mpfr_get_exp(r);
        }
    }
    std::printf("largest reduction error next to k pi/2: %.3g units of the word p of r\n", worst);
}

TEST(Reduction, SameWordsAsThePlainSteps) {
    th::Rng rng(15);
    for (uint64_t p : {1, 2, 3, 4, 9, 40}) {
        th::Mp c(64 * p + 200, true), v(p), d(p);
        for (int mode : {2, 3}) {
            reduction_constant(c, mode);
            for (int i = 0; i < 200; ++i) {
                Words x;
                if (i % 2) {  // a multiple of C, off by a little: quotients next to an integer
                    mpfr_mul_ui(v, c, rng.range(1, 1u << 30), MPFR_RNDN);
                    mpfr_set_ui_2exp(d, 1, mpfr_get_exp(v) - static_cast<long>(rng.below(64 * p + 4)), MPFR_RNDN);
                    if (rng.coin()) mpfr_neg(d, d, MPFR_RNDN);
                    if (i % 3) mpfr_add(v, v, d, MPFR_RNDN);
                    x = th::from_mpfr(v, p);
                } else {
                    x = th::random_wr(rng, p, -1, 40, false);
                }
                Words a(p + 2), b(p + 2);
                int64_t ka, kb;
                const int qa = widefp_add_reduction(x.data(), mode, a.data(), p, &ka);
                const int qb = ref::ref_reduction(x.data(), mode, b.data(), p, &kb);
                ASSERT_EQ(th::hex(a), th::hex(b)) << "p=" << p << " mode " << mode << " x=" << th::hex(x);
                ASSERT_EQ(qa, qb);
                ASSERT_EQ(ka, kb);
            }
        }
    }
}

TEST(Reduction, Examples) {
    const uint64_t p = 2;
    Words r(p + 2);
    int64_t k = -1;
    EXPECT_EQ(widefp_add_reduction(th::from_double(0.6, p).data(), 2, r.data(), p, &k), 0);
    EXPECT_EQ(k, 0);
    EXPECT_EQ(th::hex(r.data(), p + 1), th::hex(th::from_double(0.6, p)));
    EXPECT_EQ(widefp_add_reduction(th::from_double(0.7, p).data(), 2, r.data(), p, &k), 1);
    EXPECT_EQ(k, 1);
    EXPECT_NEAR(widefp_float_wrtod(r.data()), 0.7 - std::log(2.0), 1e-16);
    EXPECT_EQ(widefp_add_reduction(th::from_double(3, p).data(), 3, r.data(), p, &k), 2);
    EXPECT_EQ(k, 3);
    EXPECT_NEAR(widefp_float_wrtod(r.data()), 3 - M_PI, 1e-15);
    EXPECT_EQ(widefp_add_reduction(th::from_double(0.9, p).data(), 3, r.data(), p, &k), 1);
    EXPECT_NEAR(widefp_float_wrtod(r.data()), 0.9 - M_PI / 2, 2e-16);
}

// pi/4 truncated to p words is not below the constant as the reduction
// compares it (both at p words): one multiple of pi/2 is taken off, the
// quadrant is 1 and r = x - pi/2, just beyond -pi/4.
TEST(Reduction, QuarterPiTruncatedTakesOneMultiple) {
    for (uint64_t p : {1, 2, 5, 64}) {
        Words x(p + 1), r(p + 2);
        widefp_float_ctowr("pi", x.data(), p);
        x[0] -= 2;  // pi/4
        int64_t k = -1;
        EXPECT_EQ(widefp_add_reduction(x.data(), 3, r.data(), p, &k), 1) << "p = " << p;
        EXPECT_EQ(k, 1);
        EXPECT_NEAR(widefp_float_wrtod(r.data()), -M_PI / 4, 1e-15) << "p = " << p;
    }
}

TEST(ReductionDeathTest, RefusedInputs) {
    Words zero(4, 0);  // no integer part to normalise
    EXPECT_EXIT(widefp_array_to_widereal(zero.data(), 3), testing::ExitedWithCode(1), "integer word is zero");
    Words x = th::from_double(1, 2), r(4);
    int64_t k;
    x[0] = th::kExpMask;
    EXPECT_EXIT(widefp_add_reduction(x.data(), 3, r.data(), 2, &k), testing::ExitedWithCode(1), "infinite");
    Words big(1027, 0);
    big[0] = th::kBias;
    EXPECT_EXIT(widefp_add_reduction(big.data(), 3, big.data(), 1025, &k), testing::ExitedWithCode(1), "precision");
    // Beyond the stored constants: 2^65600 at 1,024 words.
    big[0] = th::kBias + 65600;
    EXPECT_EXIT(widefp_add_reduction(big.data(), 3, r.data(), 1024, &k), testing::ExitedWithCode(1), "too large");
}

}  // namespace
