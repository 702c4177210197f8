// Tests of widefp_float_lt and the rounding functions round_near / _plus / _minus / _chop.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness.h"

namespace {

using th::Words;
constexpr uint64_t kOnes = ~uint64_t{0};
constexpr uint64_t kHalf = 0x8000000000000000ULL;

Words number(uint64_t p, int64_t e, uint64_t last, bool neg = false) {
    Words x(p + 1, 0);
    x[0] = static_cast<uint64_t>(static_cast<int64_t>(th::kBias) + e) | (neg ? th::kSign : 0);
    x[p] = last;
    return x;
}

// ---- comparison ---------------------------------------------------------------

TEST(LessThan, EdgeCases) {
    th::Rng rng(51);
    for (uint64_t p : {1, 2, 5}) {
        Words pz(p + 1, 0), nz(p + 1, 0);
        nz[0] = th::kSign;
        pz[1] = 7;  // fractions of zeros are never read
        nz[p] = 9;
        EXPECT_EQ(widefp_float_lt(nz.data(), pz.data(), p), 1);
        EXPECT_EQ(widefp_float_lt(pz.data(), nz.data(), p), 0);
        EXPECT_EQ(widefp_float_lt(pz.data(), pz.data(), p), 0);
        EXPECT_EQ(widefp_float_lt(nz.data(), nz.data(), p), 0);
        Words pz2 = pz;
        pz2[1] = 1;  // two +0 with different junk: not less either way
        EXPECT_EQ(widefp_float_lt(pz.data(), pz2.data(), p), 0);
        EXPECT_EQ(widefp_float_lt(pz2.data(), pz.data(), p), 0);

        Words one = number(p, 0, 0), two = number(p, 1, 0), m1 = number(p, 0, 0, true), m2 = number(p, 1, 0, true);
        EXPECT_EQ(widefp_float_lt(m2.data(), m1.data(), p), 1);
        EXPECT_EQ(widefp_float_lt(m1.data(), m2.data(), p), 0);
        EXPECT_EQ(widefp_float_lt(one.data(), two.data(), p), 1);
        EXPECT_EQ(widefp_float_lt(nz.data(), one.data(), p), 1);
        EXPECT_EQ(widefp_float_lt(pz.data(), one.data(), p), 1);
        EXPECT_EQ(widefp_float_lt(m1.data(), pz.data(), p), 1);
        EXPECT_EQ(widefp_float_lt(nz.data(), m1.data(), p), 0);

        // Numbers differing only in the last fraction word.
        Words a = th::random_wr(rng, p), b = a;
        a[p] = 5;
        b[p] = 6;
        const int neg = (a[0] & th::kSign) != 0;
        EXPECT_EQ(widefp_float_lt(a.data(), b.data(), p), neg ? 0 : 1);
        EXPECT_EQ(widefp_float_lt(b.data(), a.data(), p), neg ? 1 : 0);

        // x < x is 0 for every x, infinities included.
        for (int i = 0; i < 20; ++i) {
            Words x = th::random_wr(rng, p);
            if (i == 0) x[0] |= th::kExpMask;
            EXPECT_EQ(widefp_float_lt(x.data(), x.data(), p), 0);
        }
        // Infinities compare like other values, by their fraction too.
        Words inf1(p + 1, 0), inf2(p + 1, 0);
        inf1[0] = inf2[0] = th::kExpMask;
        inf2[p] = 1;
        EXPECT_EQ(widefp_float_lt(inf1.data(), inf2.data(), p), 1);
        EXPECT_EQ(widefp_float_lt(two.data(), inf1.data(), p), 1);
        inf1[0] |= th::kSign;
        inf2[0] |= th::kSign;
        EXPECT_EQ(widefp_float_lt(inf2.data(), inf1.data(), p), 1);
    }
}

// Random pairs against MPFR's ordering; zeros of opposite signs order -0 < +0.
TEST(LessThan, RandomAgainstMpfr) {
    th::Rng rng(52);
    for (uint64_t p : {1, 2, 3, 8, 40, 721}) {
        th::Mp a(p), b(p);
        const long count = th::cases(p > 100 ? 2000 : 20000);
        for (int i = 0; i < count; ++i) {
            Words x = th::random_wr(rng, p, -3, 3), y;
            switch (rng.below(5)) {
                case 0: y = th::random_wr(rng, p, -3, 3); break;
                case 1: {  // equal up to a late word
                    y = x;
                    const uint64_t j = rng.range(1, p);
                    y[j] = rng.coin() ? rng.word() : x[j] + (rng.coin() ? 1 : -1);
                    if (rng.coin()) y[0] ^= th::kSign;
                    break;
                }
                case 2: y = x; break;
                case 3: {  // a zero on one or both sides
                    y = th::random_wr(rng, p);
                    y[0] &= th::kSign;
                    if (rng.coin()) x[0] &= th::kSign;
                    break;
                }
                default:  // same exponent, other fraction
                    y = th::random_wr(rng, p);
                    y[0] = (y[0] & th::kSign) | th::exp_field(x.data());
                    break;
            }
            if (rng.coin()) std::swap(x, y);
            th::to_mpfr(a, x.data(), p);
            th::to_mpfr(b, y.data(), p);
            int want = mpfr_less_p(a, b);
            if (mpfr_zero_p(a) && mpfr_zero_p(b)) want = mpfr_signbit(a) && !mpfr_signbit(b);
            ASSERT_EQ(widefp_float_lt(x.data(), y.data(), p), want) << th::hex(x) << "\n" << th::hex(y);
        }
    }
}

// ---- rounding -----------------------------------------------------------------

TEST(Rounding, EdgeCases) {
    for (uint64_t p : {1, 2, 4}) {
        SCOPED_TRACE(p);
        // A tie leaves an even last word and rounds an odd one up.
        Words even = number(p, 0, 6), odd = number(p, 0, 7), x;
        x = even;
        widefp_float_round_near(x.data(), kHalf, p);
        EXPECT_EQ(x, even);
        x = odd;
        widefp_float_round_near(x.data(), kHalf, p);
        EXPECT_EQ(x, number(p, 0, 8));
        x = even;
        widefp_float_round_near(x.data(), kHalf - 1, p);
        EXPECT_EQ(x, even);
        x = even;
        widefp_float_round_near(x.data(), kHalf + 1, p);
        EXPECT_EQ(x, odd);

        // 1 + (2^64p - 1) units with g just above a half gives 2 exactly.
        Words ones = number(p, 0, 0);
        std::fill(ones.begin() + 1, ones.end(), kOnes);
        x = ones;
        widefp_float_round_near(x.data(), kHalf + 1, p);
        EXPECT_EQ(x, number(p, 1, 0));
        // The same upward for a positive number, downward for a negative one.
        x = ones;
        widefp_float_round_plus(x.data(), 1, p);
        EXPECT_EQ(x, number(p, 1, 0));
        Words nones = ones;
        nones[0] |= th::kSign;
        x = nones;
        widefp_float_round_plus(x.data(), 1, p);
        EXPECT_EQ(x, nones);
        widefp_float_round_minus(x.data(), 1, p);
        EXPECT_EQ(x, number(p, 1, 0, true));

        // The saturation marker: two units for the directed modes, one to nearest.
        x = even;
        widefp_float_round_plus(x.data(), kOnes, p);
        EXPECT_EQ(x, number(p, 0, 8));
        x = even;
        widefp_float_round_near(x.data(), kOnes, p);
        EXPECT_EQ(x, odd);
        Words neven = number(p, 0, 6, true);
        x = neven;
        widefp_float_round_minus(x.data(), kOnes, p);
        EXPECT_EQ(x, number(p, 0, 8, true));
        x = neven;
        widefp_float_round_plus(x.data(), kOnes, p);
        EXPECT_EQ(x, neven);
        // Two units with all ones but the last bit: wraps to 1 unit above 2.
        x = ones;
        x[p] = kOnes - 1;
        widefp_float_round_plus(x.data(), kOnes, p);
        EXPECT_EQ(x, number(p, 1, 0));
        x = ones;
        widefp_float_round_plus(x.data(), kOnes, p);
        EXPECT_EQ(x, number(p, 1, 1));

        // g = 0 never rounds; chop never rounds.
        for (auto f : {widefp_float_round_near, widefp_float_round_plus, widefp_float_round_minus}) {
            x = odd;
            f(x.data(), 0, p);
            EXPECT_EQ(x, odd);
            x = number(p, 0, 7, true);
            f(x.data(), 0, p);
            EXPECT_EQ(x, number(p, 0, 7, true));
        }
        for (uint64_t g : {uint64_t{0}, uint64_t{1}, kHalf, kHalf + 1, kOnes}) {
            x = odd;
            widefp_float_round_chop(x.data(), g, p);
            EXPECT_EQ(x, odd);
        }

        // An underflowed zero (g = 1): away from zero it becomes the smallest
        // number of its sign; toward zero it stays.
        Words pz(p + 1, 0x1234), nz(p + 1, 0x1234);
        pz[0] = 0;
        nz[0] = th::kSign;
        Words smallest(p + 1, 0), nsmallest(p + 1, 0);
        smallest[0] = 1;
        nsmallest[0] = th::kSign | 1;
        x = pz;
        widefp_float_round_plus(x.data(), 1, p);
        EXPECT_EQ(x, smallest);
        x = pz;
        widefp_float_round_minus(x.data(), 1, p);
        EXPECT_EQ(x, pz);
        x = nz;
        widefp_float_round_minus(x.data(), 1, p);
        EXPECT_EQ(x, nsmallest);
        x = nz;
        widefp_float_round_plus(x.data(), 1, p);
        EXPECT_EQ(x, nz);
        x = pz;
        widefp_float_round_plus(x.data(), kOnes, p);  // two units: smallest + 1 unit
        smallest[p] = 1;
        EXPECT_EQ(x, smallest);
        x = nz;
        widefp_float_round_near(x.data(), kHalf + 5, p);
        EXPECT_EQ(x, nsmallest);

        // The largest finite magnitude rounds up to infinity; infinity stays.
        Words maxf = ones;
        maxf[0] = th::kSign | (th::kExpMask - 1);
        x = maxf;
        widefp_float_round_minus(x.data(), 3, p);
        EXPECT_EQ(x[0], th::kSign | th::kExpMask);
        for (uint64_t j = 1; j <= p; ++j) EXPECT_EQ(x[j], 0u);
        Words inf = ones;
        inf[0] = th::kExpMask;
        x = inf;
        widefp_float_round_plus(x.data(), 1, p);
        EXPECT_EQ(x[0], th::kExpMask);
        x = inf;
        x[p] = 0;
        widefp_float_round_near(x.data(), kOnes, p);
        EXPECT_EQ(x[0], th::kExpMask);
    }
}

// A truncated value x with a guard word g (not the saturation marker) stands
// for the exact value x + g * 2^-64 units; rounding it must agree with
// MPFR's rounding of that value to 64p+1 bits.
TEST(Rounding, RandomAgainstMpfr) {
    th::Rng rng(53);
    for (uint64_t p : {1, 2, 3, 7, 64, 721}) {
        th::Mp exact(static_cast<mpfr_prec_t>(64 * p + 65), true), r(p), unit(static_cast<mpfr_prec_t>(2), true);
        const long count = th::cases(p > 100 ? 1000 : 10000);
        for (int i = 0; i < count; ++i) {
            Words x = th::random_wr(rng, p, -4, 4);
            if (rng.below(4) == 0) std::fill(x.begin() + 1 + rng.below(p), x.end(), kOnes);  // carries
            if (rng.below(8) == 0) x[p] &= ~uint64_t{1};
            uint64_t g;
            switch (rng.below(6)) {
                case 0: g = 0; break;
                case 1: g = kHalf; break;
                case 2: g = kHalf + rng.range(0, 1); break;
                case 3: g = kHalf - 1; break;
                case 4: g = rng.range(1, 3); break;
                default: g = rng.word() >> rng.below(2); break;
            }
            if (g == kOnes) g = kOnes - 1;
            // exact = |x| + g * 2^(e - 64p - 64), with x's sign
            th::to_mpfr(exact, x.data(), p);
            mpfr_set_ui_2exp(unit, 1, th::unbiased(x.data()) - static_cast<int64_t>(64 * p) - 64, MPFR_RNDN);
            th::Mp tail(static_cast<mpfr_prec_t>(64), true);
            mpfr_mul_ui(tail, unit, g, MPFR_RNDN);  // exact: 64-bit g times a power of two
            if (x[0] & th::kSign) mpfr_neg(tail, tail, MPFR_RNDN);
            ASSERT_EQ(mpfr_add(exact, exact, tail, MPFR_RNDN), 0);

            const mpfr_rnd_t modes[3] = {MPFR_RNDN, MPFR_RNDU, MPFR_RNDD};
            void (*ours[3])(uint64_t *, uint64_t, uint64_t) = {widefp_float_round_near, widefp_float_round_plus,
                                                                 widefp_float_round_minus};
            for (int m = 0; m < 3; ++m) {
                mpfr_set(r, exact, modes[m]);
                Words want = th::from_mpfr(r, p), got = x;
                ours[m](got.data(), g, p);
                ASSERT_TRUE(th::same_value(got.data(), want.data(), p))
                    << "mode " << m << " g=" << th::hex(g) << "\nx   =" << th::hex(x) << "\nwant=" << th::hex(want)
                    << "\ngot =" << th::hex(got);
            }
        }
    }
}

}  // namespace
