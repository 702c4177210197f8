// test_div.cpp -- widefp_float_div against MPFR's exact quotient, its error bound, and its special cases.
#include <gtest/gtest.h>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>

#include "harness.h"
#include "kernel/div_dispatch.h"

namespace {

using th::Words;

constexpr uint64_t kInf = th::kExpMask;
constexpr double kBias33 = 8589934592.0;  // 2^33, the upward bias of the guard word

// A plain transcription of the long division, one correction at a time, kept
// as the bit-exact oracle for the optimised kernel.
namespace ref {
using u128 = unsigned __int128;
// r[0..w+1] -= q * (1; y[0..w-1]), the divisor truncated to w fraction words
// placed one word above r's last word.  Requires w >= 1.
void submul(uint64_t *r, const uint64_t *y, uint64_t q, uint64_t w) {
    assert(w >= 1);
    uint64_t carry = 0;
    for (uint64_t j = w; j >= 1; --j) {
        u128 prod = static_cast<u128>(q) * y[j - 1] + carry;
        uint64_t lo = static_cast<uint64_t>(prod);
        uint64_t t = r[j + 1];
        r[j + 1] = t - lo;
        carry = static_cast<uint64_t>(prod >> 64) + (t < lo);
    }
    // (r[0], r[1]) -= q + carry, a two-word subtraction.
    u128 top = (static_cast<u128>(r[0]) << 64) | r[1];
    top -= static_cast<u128>(q) + carry;
    r[0] = static_cast<uint64_t>(top >> 64);
    r[1] = static_cast<uint64_t>(top);
}

// Is (r[0]; r[1..w]) >= (1; y[0..w-1])?
bool at_least_divisor(const uint64_t *r, const uint64_t *y, uint64_t w) {
    if (r[0] != 1) return r[0] > 1;
    for (uint64_t j = 0; j < w; ++j)
        if (r[j + 1] != y[j]) return r[j + 1] > y[j];
    return true;
}

// (r[0]; r[1..w]) -= (1; y[0..w-1]).
void sub_divisor(uint64_t *r, const uint64_t *y, uint64_t w) {
    uint64_t borrow = 0;
    for (uint64_t j = w; j >= 1; --j) {
        uint64_t a = r[j], b = y[j - 1];
        uint64_t d = a - b;
        uint64_t b1 = a < b;
        r[j] = d - borrow;
        borrow = b1 | (d < borrow);
    }
    r[0] -= 1 + borrow;
}

// Adds one to the quotient words quot[1..k].  The quotient never reaches the
// next power of two, so the carry stops inside them.
void carry_into(uint64_t *quot, uint64_t k) {
    for (; k >= 1; --k)
        if (++quot[k] != 0) return;
    assert(false && "quotient carry out of the top word");
}

// Long division of the mantissas 1.x / 1.y; x and y are the p fraction words
// of each operand, p >= 1, and j < p is the first index where they differ.
// Writes the p result fraction words to out only after the last read of x and
// y (out may overlap them) and returns the 64 quotient bits that follow, not
// yet biased.  *q0_one tells whether the quotient is above 1 (x > y).
// scratch holds 2p+5 words.
uint64_t divide_mantissas(uint64_t *out, const uint64_t *x, const uint64_t *y, uint64_t p, uint64_t j,
                          uint64_t *scratch, bool *q0_one) {
    assert(p >= 1 && j < p && x[j] != y[j]);
    uint64_t *rem = scratch;          // p+3 words
    uint64_t *quot = scratch + p + 3;  // p+2 words, quot[i] = q_i for i = 1..p+1

    // Reciprocal estimate R = floor(2^127 / (d + 1)), d = 2^63 | (y[0] >> 1).
    uint64_t R;
    if (y[0] >= 0xfffffffffffffffeULL) {
        R = uint64_t{1} << 63;
    } else {
        uint64_t d1 = ((uint64_t{1} << 63) | (y[0] >> 1)) + 1;
        R = static_cast<uint64_t>((static_cast<u128>(1) << 127) / d1);
    }

    const bool x_greater = x[j] > y[j];
    if (x_greater) {
        rem[0] = 0;
        uint64_t borrow = 0;
        for (uint64_t k = p; k >= 1; --k) {
            uint64_t a = x[k - 1], b = y[k - 1];
            uint64_t d = a - b;
            uint64_t b1 = a < b;
            rem[k] = d - borrow;
            borrow = b1 | (d < borrow);
        }
    } else {
        rem[0] = 1;
        for (uint64_t k = 1; k <= p; ++k) rem[k] = x[k - 1];
    }
    rem[p + 1] = 0;
    rem[p + 2] = 0;
    *q0_one = x_greater;

    uint64_t *r = rem;
    for (uint64_t i = 1; i <= p + 1; ++i, ++r) {
        const uint64_t w = (i <= 2) ? p : p + 2 - i;
        uint64_t q = r[0] * R + static_cast<uint64_t>((static_cast<u128>(r[1]) * R) >> 64);
        submul(r, y, q, w);
        // Shift: the remainder now starts at r[1].
        uint64_t *s = r + 1;
        while (at_least_divisor(s, y, w)) {
            // Once the divisor is shortened, the remainder left by the
            // previous word (below the longer divisor) can exceed 2^64 times
            // the shorter one: the word then reaches 2^64 and carries into
            // the words already stored.
            if (++q == 0) carry_into(quot, i - 1);
            sub_divisor(s, y, w);
        }
        quot[i] = q;
    }

    uint64_t g;
    if (x_greater) {
        for (uint64_t k = 1; k <= p; ++k) out[k - 1] = quot[k];
        g = quot[p + 1];
    } else {
        for (uint64_t k = 1; k <= p; ++k) out[k - 1] = (quot[k] << 1) | (quot[k + 1] >> 63);
        g = quot[p + 1] << 1;
    }
    return g;
}


// The whole division of positive finite operands with unequal fractions.
uint64_t div(uint64_t *result, const uint64_t *x, const uint64_t *y, uint64_t p) {
    uint64_t j = 0;
    while (x[j + 1] == y[j + 1]) ++j;
    std::vector<uint64_t> scratch(2 * p + 5);
    bool q0_one;
    Words out(p);
    uint64_t g = divide_mantissas(out.data(), x + 1, y + 1, p, j, scratch.data(), &q0_one);
    std::copy(out.begin(), out.end(), result + 1);
    int64_t diff = static_cast<int64_t>(x[0] & th::kExpMask) - static_cast<int64_t>(y[0] & th::kExpMask);
    if (!q0_one) --diff;
    result[0] = ((x[0] ^ y[0]) & th::kSign) | static_cast<uint64_t>(diff + static_cast<int64_t>(th::kBias));
    uint64_t guard = g + 0x200000000ULL;
    return guard < g ? ~uint64_t{0} : guard;
}
}  // namespace ref

// Precisions: every p up to 40, then samples up to past 1100 around the
// 720-word threshold and the powers of two.
std::vector<uint64_t> precisions() {
    std::vector<uint64_t> ps;
    for (uint64_t p = 1; p <= 40; ++p) ps.push_back(p);
    for (uint64_t p : {47, 63, 64, 65, 100, 127, 128, 129, 200, 253, 254, 255, 256, 333, 511, 512, 600, 719, 720, 721, 800,
                       1000, 1023, 1024, 1100})
        ps.push_back(p);
    return ps;
}

int trials_for(uint64_t p) {
    if (p <= 8) return 1000;
    if (p <= 40) return 200;
    if (p <= 256) return 30;
    return 8;
}

// The value stored + g/2^64 units of the last place of result, exactly.
void approx_value(mpfr_ptr out, const uint64_t *result, uint64_t g, uint64_t p) {
    mpz_t m;
    mpz_init(m);
    Words w(result + 1, result + 1 + p);
    w.push_back(g);
    mpz_import(m, p + 1, 1, sizeof(uint64_t), 0, 0, w.data());
    mpz_setbit(m, 64 * (p + 1));
    int64_t e = th::unbiased(result);
    int t = mpfr_set_z_2exp(out, m, e - static_cast<int64_t>(64 * (p + 1)), MPFR_RNDN);
    EXPECT_EQ(t, 0);
    mpz_clear(m);
}

// The excess e = stored + (g - 2^33) u - exact quotient of the magnitudes,
// u = 2^-64 units of the last place, compared exactly with the bounds
// lo * D1/D and hi / D (D = 1.Y, D1 = 1.Y[0]); also returned as a double in
// units of u.  Returns false if a bound fails.
struct Excess {
    double units;
    bool above_lo, below_hi;
};

Excess excess_over_bias(const uint64_t *result, uint64_t g, const uint64_t *x, const uint64_t *y, uint64_t p,
                        double lo, double hi, bool hi_inclusive) {
    const mpfr_prec_t big = static_cast<mpfr_prec_t>(128 * p + 256);
    th::Mp mx(p), my(p), approx(static_cast<mpfr_prec_t>(64 * p + 65), true);
    th::to_mpfr(mx, x, p);
    th::to_mpfr(my, y, p);
    mpfr_abs(mx, mx, MPFR_RNDN);
    mpfr_abs(my, my, MPFR_RNDN);
    approx_value(approx, result, g, p);
    mpfr_abs(approx, approx, MPFR_RNDN);
    const long unit_exp = static_cast<long>(th::unbiased(result)) - static_cast<long>(64 * p) - 64;
    th::Mp num(big, true), bias(big, true), lim(big, true);
    mpfr_set_ui_2exp(bias, 1, unit_exp + 33, MPFR_RNDN);
    EXPECT_EQ(mpfr_sub(approx, approx, bias, MPFR_RNDN), 0);
    // num = e * Y, exactly, where Y = D 2^ey
    EXPECT_EQ(mpfr_mul(num, approx, my, MPFR_RNDN), 0);
    EXPECT_EQ(mpfr_sub(num, num, mx, MPFR_RNDN), 0);
    Excess out{};
    // e > lo * D1/D  <=>  num > lo * D1 * 2^ey * u
    Words y1(2, 0);
    y1[0] = y[0] & th::kExpMask;
    y1[1] = y[1];
    th::to_mpfr(lim, y1.data(), 1);
    EXPECT_EQ(mpfr_mul_d(lim, lim, lo, MPFR_RNDN), 0);
    mpfr_mul_2si(lim, lim, unit_exp, MPFR_RNDN);
    out.above_lo = mpfr_cmp(num, lim) > 0;
    // e < hi / D  <=>  num < hi * 2^ey * u
    mpfr_set_d(lim, hi, MPFR_RNDN);
    mpfr_mul_2si(lim, lim, unit_exp + th::unbiased(y), MPFR_RNDN);
    out.below_hi = hi_inclusive ? mpfr_cmp(num, lim) <= 0 : mpfr_cmp(num, lim) < 0;
    th::Mp q(64, true);
    mpfr_div(q, num, my, MPFR_RNDN);
    mpfr_mul_2si(q, q, -unit_exp, MPFR_RNDN);
    out.units = mpfr_get_d(q, MPFR_RNDN);
    return out;
}

// Divisor patterns that stress the estimate and the correction loop.
Words make_divisor(th::Rng &rng, uint64_t p) {
    Words y = th::random_wr(rng, p, -40, 40);
    switch (rng.below(8)) {
        case 0:
            y[1] = 0xfffffffffffffffeULL + rng.below(2);
            break;
        case 1:
            for (uint64_t i = 1; i <= p; ++i) y[i] = ~uint64_t{0};
            break;
        case 2:
            y[1] = rng.below(2);
            break;
        case 3:  // all ones tail below a random first word
            for (uint64_t i = 2; i <= p; ++i) y[i] = ~uint64_t{0} - rng.below(2);
            break;
        default:
            break;
    }
    return y;
}

// Dividend patterns: random, close to the divisor, or an exact multiple.
Words make_dividend(th::Rng &rng, const Words &y, uint64_t p) {
    Words x = th::random_wr(rng, p, -40, 40);
    switch (rng.below(6)) {
        case 0: {  // same fraction except in the last word or two
            std::copy(y.begin() + 1, y.end(), x.begin() + 1);
            x[p] += rng.coin() ? 1 : ~uint64_t{0};
            if (p >= 2 && rng.coin()) x[p - 1] ^= 1;
            break;
        }
        case 1:  // fraction just below the divisor's
            std::copy(y.begin() + 1, y.end(), x.begin() + 1);
            for (uint64_t i = p; i >= 1; --i)
                if (x[i]-- != 0) break;
            break;
        default:
            break;
    }
    return x;
}

// Checks one quotient against the bounds of the long division.  With
// u = 2^-64 units of the last place, s = 1 when the fractions give q0 = 1 and
// s = 2 otherwise (the quotient words are shifted up one bit), D = 1.Y and
// D1 = 1.Y[0]:  the remainder left after the last word is below D1 (at most
// D1/D * s units short), and each of the p-1 words computed with a shortened
// divisor overshoots by less than 1/D * s units, so
//     -s * D1/D  <  stored + (g - 2^33) u - exact  <  s * (p-1)/D.
// A saturated guard word g = 2^64-1 stands for a true g in
// [2^64 - 2^33, 2^64 + ...), which widens the lower side by 2^33 + 1.
// Returns the excess, stored + (g - 2^33) u - exact, in units of u.
double check_quotient(const Words &r, uint64_t g, const Words &x, const Words &y, uint64_t p) {
    const bool x_greater = std::lexicographical_compare(y.begin() + 1, y.end(), x.begin() + 1, x.end());
    const double s = x_greater ? 1.0 : 2.0;
    const bool saturated = g == ~uint64_t{0};
    // lower side: -s D1/D, or -(2^33 + 1) - s D1/D when saturated (D1 <= D)
    const double lo = saturated ? -kBias33 - 1.0 - s : -s;
    // upper side: s (p-1)/D; with the full divisor throughout (p = 1) never above
    const double hi = s * static_cast<double>(p - 1);
    Excess e = excess_over_bias(r.data(), g, x.data(), y.data(), p, lo, hi, p == 1);
    const std::string ctx = "p=" + std::to_string(p) + " x=" + th::hex(x) + " y=" + th::hex(y) + " r=" + th::hex(r) +
                            " g=" + th::hex(g) + " excess=" + std::to_string(e.units);
    EXPECT_GE(g, uint64_t{1} << 33) << ctx;
    Words want(p + 1);
    EXPECT_EQ(ref::div(want.data(), x.data(), y.data(), p), g) << ctx;
    EXPECT_EQ(want, r) << ctx;
    EXPECT_TRUE(e.above_lo) << ctx;
    EXPECT_TRUE(e.below_hi) << ctx;
    return e.units;
}

}  // namespace

TEST(FloatDiv, BoundAgainstMpfrAtManyPrecisions) {
    th::Rng rng(0xd1d1);
    double worst_above = 0, worst_below = 0, worst_abs = 0, worst_ratio = 0;
    long n_total = 0, n_rnd_differs = 0, n_saturated = 0;
    for (uint64_t p : precisions()) {
        const long trials = th::cases(trials_for(p));
        for (int t = 0; t < trials; ++t) {
            Words y = make_divisor(rng, p);
            Words x = make_dividend(rng, y, p);
            Words r(p + 1);
            uint64_t g = widefp_float_div(r.data(), x.data(), y.data(), p);
            ++n_total;
            ASSERT_EQ(r[0] & th::kSign, (x[0] ^ y[0]) & th::kSign);
            if (std::equal(x.begin() + 1, x.end(), y.begin() + 1)) {
                EXPECT_EQ(g, 0u);
                for (uint64_t i = 1; i <= p; ++i) EXPECT_EQ(r[i], 0u);
                EXPECT_EQ(th::exp_field(r.data()), th::exp_field(x.data()) - th::exp_field(y.data()) + th::kBias);
                continue;
            }
            if (g == ~uint64_t{0}) {
                ++n_saturated;
                check_quotient(r, g, x, y, p);
            } else {
                const double ex = check_quotient(r, g, x, y, p);
                const bool x_greater =
                    std::lexicographical_compare(y.begin() + 1, y.end(), x.begin() + 1, x.end());
                const double s = x_greater ? 1.0 : 2.0;
                worst_above = std::max(worst_above, ex);
                worst_below = std::min(worst_below, ex);
                worst_abs = std::max(worst_abs, kBias33 + ex);
                if (p >= 2) worst_ratio = std::max(worst_ratio, ex / (s * static_cast<double>(p - 1)));
            }
            {
                th::Mp mx(p), my(p), q(p);
                th::to_mpfr(mx, x.data(), p);
                th::to_mpfr(my, y.data(), p);
                mpfr_div(q, mx, my, MPFR_RNDN);
                Words want = th::from_mpfr(q, p);
                widefp_float_round_near(r.data(), g, p);
                if (!th::same_value(r.data(), want.data(), p)) ++n_rnd_differs;
            }
        }
    }
    std::printf("[ div      ] %ld quotients; largest |stored + g u - exact|: %.6f units of 2^-64 ulp; before the "
                "2^33 bias: from %.4f to %.4f units; largest overshoot / (s(p-1)): %.6f; saturated guards: %ld\n",
                n_total, worst_abs, worst_below, worst_above, worst_ratio, n_saturated);
    std::printf("[ div      ] round_near differs from MPFR RNDN in %ld of %ld quotients\n", n_rnd_differs, n_total);
}

// Exact quotients with unequal fractions come back with the bare bias 2^33
// (error exactly 2^33 units), so the directed roundings move them.
TEST(FloatDiv, ExactQuotientsCarryTheBias) {
    th::Rng rng(0xe7ac7);
    for (uint64_t p : {1, 2, 3, 5, 17, 100, 720}) {
        for (int t = 0; t < 20; ++t) {
            // y and z with short mantissas; x = y * z is exact in p words
            th::Mp my(p), mz(p), mx(p);
            mpfr_set_ui_2exp(my, (rng.word() >> 34) | 1, -static_cast<long>(rng.below(40)), MPFR_RNDN);
            mpfr_set_ui_2exp(mz, (rng.word() >> 34) | 1, static_cast<long>(rng.below(40)), MPFR_RNDN);
            if (p == 1) mpfr_set_ui(mz, 3 + 2 * rng.below(1000), MPFR_RNDN);
            ASSERT_EQ(mpfr_mul(mx, my, mz, MPFR_RNDN), 0);
            Words x = th::from_mpfr(mx, p), y = th::from_mpfr(my, p), r(p + 1);
            if (std::equal(x.begin() + 1, x.end(), y.begin() + 1)) continue;
            uint64_t g = widefp_float_div(r.data(), x.data(), y.data(), p);
            Words want = th::from_mpfr(mz, p);
            EXPECT_TRUE(th::same_value(r.data(), want.data(), p)) << p << " " << th::hex(r) << " " << th::hex(want);
            EXPECT_EQ(g, uint64_t{1} << 33) << p;
        }
    }
    // 1.875 / 1.25 = 1.5
    for (uint64_t p : {1, 4}) {
        Words x = th::from_double(1.875, p), y = th::from_double(1.25, p), r(p + 1);
        const uint64_t g = widefp_float_div(r.data(), x.data(), y.data(), p);
        EXPECT_EQ(g, 0x200000000ULL);
        EXPECT_TRUE(th::same_value(r.data(), th::from_double(1.5, p).data(), p));
        // round to nearest leaves it; the directed roundings move it one unit
        Words n = r, up = r, down = r;
        widefp_float_round_near(n.data(), g, p);
        EXPECT_EQ(n, r);
        widefp_float_round_plus(up.data(), g, p);
        EXPECT_EQ(up[p], r[p] + 1);
        down[0] |= th::kSign;
        widefp_float_round_minus(down.data(), g, p);
        EXPECT_EQ(down[p], r[p] + 1);
    }
}

TEST(FloatDiv, EqualFractionsAreExact) {
    for (uint64_t p : {1, 2, 9}) {
        Words x = th::from_double(3.0, p), y = th::from_double(-1.5, p), r(p + 1, 0xabcd);
        EXPECT_EQ(widefp_float_div(r.data(), x.data(), y.data(), p), 0u);
        EXPECT_TRUE(th::same_value(r.data(), th::from_double(-2.0, p).data(), p)) << th::hex(r);
        for (uint64_t i = 1; i <= p; ++i) EXPECT_EQ(r[i], 0u);
        // long random fractions, equal in every word
        th::Rng rng(p);
        Words a = th::random_wr(rng, p), b = a;
        b[0] = th::kBias + 5;
        a[0] = th::kBias - 7;
        EXPECT_EQ(widefp_float_div(r.data(), a.data(), b.data(), p), 0u);
        EXPECT_EQ(r[0], th::kBias - 12);
    }
}

TEST(FloatDiv, Specials) {
    const uint64_t p = 3;
    auto el = [&](uint64_t w0) {
        Words v(p + 1, 0x1234);
        v[0] = w0;
        return v;
    };
    const uint64_t S = th::kSign;
    struct Case {
        uint64_t x0, y0, want0;
    } cases[] = {
        {0, 0, kInf},                      // 0 / 0: infinity
        {S, 0, S | kInf},                  // -0 / +0
        {th::kBias, S, S | kInf},          // 1 / -0
        {0, th::kBias, 0},                 // 0 / 1
        {S, th::kBias, S},                 // -0 / 1
        {0, kInf, 0},                      // 0 / inf
        {kInf, kInf, kInf},                // inf / inf
        {S | kInf, 0, S | kInf},           // -inf / 0
        {kInf, S | th::kBias, S | kInf},   // inf / -1
        {th::kBias, S | kInf, S},          // 1 / -inf
        {S | (th::kBias + 9), kInf, S},    // x / inf
    };
    for (const Case &c : cases) {
        Words x = el(c.x0), y = el(c.y0), r = el(0x5555);
        EXPECT_EQ(widefp_float_div(r.data(), x.data(), y.data(), p), 0u) << th::hex(c.x0) << " / " << th::hex(c.y0);
        EXPECT_EQ(r[0], c.want0) << th::hex(c.x0) << " / " << th::hex(c.y0);
        for (uint64_t i = 1; i <= p; ++i) EXPECT_EQ(r[i], 0x1234u) << "only word 0 is written";
    }
}

// Y[0] at the top: the reciprocal is 2^63 without a division.
TEST(FloatDiv, DivisorJustBelowTwo) {
    th::Rng rng(0xfe);
    for (uint64_t p : {1, 2, 3, 7, 50}) {
        for (uint64_t top : {0xfffffffffffffffeULL, 0xffffffffffffffffULL}) {
            for (int t = 0; t < 40; ++t) {
                Words y = th::random_wr(rng, p, -3, 3);
                y[1] = top;
                if (t % 3 == 0)
                    for (uint64_t i = 2; i <= p; ++i) y[i] = ~uint64_t{0};
                Words x = th::random_wr(rng, p, -3, 3), r(p + 1);
                if (t % 4 == 0) {
                    x[1] = ~uint64_t{0};
                    for (uint64_t i = 2; i <= p; ++i) x[i] = ~uint64_t{0};
                }
                if (std::equal(x.begin() + 1, x.end(), y.begin() + 1)) continue;
                uint64_t g = widefp_float_div(r.data(), x.data(), y.data(), p);
                check_quotient(r, g, x, y, p);
            }
        }
    }
}

TEST(FloatDiv, OverflowAndUnderflow) {
    const uint64_t p = 2;
    Words r(p + 1);
    // x with exponent field 1 and mantissa 1.25 by 1.5: q0 = 0, diff = -bias,
    // underflow of v = 0.8333 m (m the smallest magnitude): the guard is v/m
    Words x = th::from_double(1.25, p), y = th::from_double(-1.5, p);
    x[0] = 1;
    EXPECT_EQ(widefp_float_div(r.data(), x.data(), y.data(), p), 0xd555555555555555ULL);
    EXPECT_EQ(r[0], th::kSign);
    // the fraction words still hold the quotient's fraction: 2 * (1.25/1.5) = 1.666...
    EXPECT_EQ(r[1], 0xaaaaaaaaaaaaaaaaULL);
    EXPECT_EQ(r[2], 0xaaaaaaaaaaaaaaaaULL);
    // divided by 1 instead: exponent field 1
    Words one = th::from_double(1.0, p);
    EXPECT_EQ(widefp_float_div(r.data(), x.data(), one.data(), p), 0x200000000ULL);
    EXPECT_EQ(r[0], 1u);
    EXPECT_EQ(r[1], 0x4000000000000000ULL);
    // the largest exponent field stays finite; one above overflows with guard 0
    Words big = th::from_double(1.5, p), small = th::from_double(1.25, p);
    big[0] = 0x7ffffffffffffffeULL;
    small[0] = th::kBias;  // 1.25 * 2^0
    EXPECT_NE(widefp_float_div(r.data(), big.data(), small.data(), p), 0u);
    EXPECT_EQ(r[0], 0x7ffffffffffffffeULL);
    small[0] = th::kBias - 1;  // diff = bias + 1
    EXPECT_EQ(widefp_float_div(r.data(), big.data(), small.data(), p), 0u);
    EXPECT_EQ(r[0], kInf);
    // q0 = 0 pulls the exponent back below the overflow
    small = th::from_double(-1.75, p);
    small[0] = th::kSign | (th::kBias - 1);
    EXPECT_NE(widefp_float_div(r.data(), big.data(), small.data(), p), 0u);
    EXPECT_EQ(r[0], th::kSign | 0x7ffffffffffffffeULL);
    // tiny / huge: underflow with guard word 1
    Words tiny = th::from_double(1.5, p);
    tiny[0] = th::kSign | 5;
    big[0] = th::kBias + 10;
    EXPECT_EQ(widefp_float_div(r.data(), tiny.data(), big.data(), p), 1u);
    EXPECT_EQ(r[0], th::kSign);
    // equal fractions go through the same exponent checks
    Words a = th::from_double(1.5, p), b = th::from_double(1.5, p);
    a[0] = 0x7ffffffffffffffeULL;
    b[0] = 1;
    EXPECT_EQ(widefp_float_div(r.data(), a.data(), b.data(), p), 0u);
    EXPECT_EQ(r[0], kInf);
    a[0] = 1;
    b[0] = th::kBias + 1;  // exactly m/2: a tie
    EXPECT_EQ(widefp_float_div(r.data(), a.data(), b.data(), p), 0x8000000000000000ULL);
    EXPECT_EQ(r[0], 0u);
}

// An underflowed quotient rounds as its true value says, as MPFR rounds it
// with its smallest exponent at our smallest magnitude m = 2^(1-bias).
// Quotients near m/2 (from equal mantissas exactly m/2) and just below m.
TEST(FloatDiv, UnderflowRoundsByTheTrueValue) {
    th::Rng rng(0xd1f0);
    th::Mp::widen_range();
    const mpfr_exp_t old_emin = mpfr_get_emin();
    const mpfr_rnd_t modes[] = {MPFR_RNDN, MPFR_RNDU, MPFR_RNDD, MPFR_RNDZ};
    void (*const rounds[])(uint64_t *, uint64_t, uint64_t) = {widefp_float_round_near, widefp_float_round_plus,
                                                              widefp_float_round_minus, widefp_float_round_chop};
    long underflows = 0;
    for (uint64_t p : {1, 2, 3, 9, 40}) {
        th::Mp a(p), b(p), c(p);
        for (long t = 0; t < th::cases(60); ++t) {
            Words x = th::random_wr(rng, p), y = th::random_wr(rng, p), q(p + 1);
            if (t % 5 == 0) std::copy(x.begin() + 1, x.end(), y.begin() + 1);
            const uint64_t ex = 1 + rng.below(1000);  // ey - ex = bias - 1 .. bias + 1
            x[0] = (x[0] & th::kSign) | ex;
            y[0] = (y[0] & th::kSign) | (ex + th::kBias - 1 + static_cast<uint64_t>(t % 3));
            const uint64_t g = widefp_float_div(q.data(), x.data(), y.data(), p);
            if (!th::is_zero(q.data())) continue;
            ++underflows;
            ASSERT_NE(g, 0u);
            th::to_mpfr(a, x.data(), p);
            th::to_mpfr(b, y.data(), p);
            for (int k = 0; k < 4; ++k) {
                Words r = q;
                rounds[k](r.data(), g, p);
                mpfr_set_emin(2 - static_cast<mpfr_exp_t>(th::kBias));
                mpfr_div(c, a, b, modes[k]);
                mpfr_set_emin(old_emin);
                ASSERT_TRUE(th::same_value(r.data(), th::from_mpfr(c, p).data(), p))
                    << "p=" << p << " mode " << k << ": " << th::hex(x) << " / " << th::hex(y);
            }
        }
    }
    EXPECT_GT(underflows, th::cases(60) * 2);
}

TEST(FloatDiv, ResultMayAliasEitherOperand) {
    th::Rng rng(0xa11a5);
    for (uint64_t p : {1, 2, 5, 64, 721}) {
        for (int t = 0; t < 4; ++t) {
            Words x = th::random_wr(rng, p), y = th::random_wr(rng, p), want(p + 1);
            uint64_t gw = widefp_float_div(want.data(), x.data(), y.data(), p);
            Words a = x;
            EXPECT_EQ(widefp_float_div(a.data(), a.data(), y.data(), p), gw);
            EXPECT_EQ(a, want);
            Words b = y;
            EXPECT_EQ(widefp_float_div(b.data(), x.data(), b.data(), p), gw);
            EXPECT_EQ(b, want);
            Words c = x;
            EXPECT_EQ(widefp_float_div(c.data(), c.data(), c.data(), p), 0u);
            EXPECT_TRUE(th::same_value(c.data(), th::from_double(1.0, p).data(), p));
        }
    }
}

// p = 1 over many operands, the case with w = 1 throughout.
TEST(FloatDiv, OneWord) {
    th::Rng rng(0x1);
    for (long t = 0, n = th::cases(20000); t < n; ++t) {
        Words y = make_divisor(rng, 1);
        Words x = make_dividend(rng, y, 1), r(2);
        if (x[1] == y[1]) continue;
        uint64_t g = widefp_float_div(r.data(), x.data(), y.data(), 1);
        check_quotient(r, g, x, y, 1);
        if (HasFailure()) break;
    }
}

// Quotients just below a short number Q' (k words): x = Q' * y - 2^-64(p+k),
// rounded onto x's grid by construction.  The quotient words after Q' are all
// ones, and with the shortened divisor a word can reach 2^64 and must carry
// into the words already stored.
// One pass of the construction below with the row kernel chosen by adx.
void carry_cases(bool adx, int &tried, double &worst) {
    const bool old = widefp::detail::div_select_adx(adx);
    th::Rng rng(0xca77);
    for (uint64_t p : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 17, 31, 64, 130}) {
        for (uint64_t k = 1; k <= p; k += (p <= 12 ? 1 : p / 6)) {
            for (int t = 0; t < (p <= 12 ? 24 : 6); ++t) {
                Words y(p + 1), x(p + 1, 0), r(p + 1);
                y[0] = th::kBias;
                rng.fill(y.data() + 1, p);
                if (t % 2)
                    for (uint64_t i = 2; i <= p; ++i) y[i] = ~uint64_t{0} - rng.below(3);
                y[p] |= 1;
                mpz_t n, m, mod, xx;
                mpz_inits(n, m, mod, xx, nullptr);
                mpz_import(n, p, 1, sizeof(uint64_t), 0, 0, y.data() + 1);
                mpz_setbit(n, 64 * p);  // D = n 2^-64p
                mpz_set_ui(mod, 0);
                mpz_setbit(mod, 64 * k);
                ASSERT_NE(mpz_invert(m, n, mod), 0);
                mpz_setbit(m, 64 * k);  // Q' = m 2^-64k, with m n = 1 mod 2^64k
                mpz_mul(xx, m, n);
                mpz_sub_ui(xx, xx, 1);  // Q' D - 2^-64(p+k), a multiple of 2^-64p
                mpz_tdiv_q_2exp(xx, xx, 64 * k);
                uint64_t e = 0;
                if (mpz_sizeinbase(xx, 2) > 64 * p + 1) {
                    if (mpz_odd_p(xx)) {
                        mpz_clears(n, m, mod, xx, nullptr);
                        continue;
                    }
                    mpz_tdiv_q_2exp(xx, xx, 1);
                    e = 1;
                }
                mpz_clrbit(xx, 64 * p);
                size_t count = 0;
                Words tmp(p, 0);
                mpz_export(tmp.data(), &count, 1, sizeof(uint64_t), 0, 0, xx);
                for (size_t i = 0; i < count; ++i) x[1 + p - count + i] = tmp[i];
                x[0] = th::kBias + e;
                mpz_clears(n, m, mod, xx, nullptr);
                if (std::equal(x.begin() + 1, x.end(), y.begin() + 1)) continue;
                uint64_t g = widefp_float_div(r.data(), x.data(), y.data(), p);
                double ex = check_quotient(r, g, x, y, p);
                if (g != ~uint64_t{0}) worst = std::max(worst, std::fabs(ex));
                ++tried;
                if (::testing::Test::HasFailure()) {
                    widefp::detail::div_select_adx(old);
                    return;
                }
            }
        }
    }
    widefp::detail::div_select_adx(old);
}

TEST(FloatDiv, QuotientWordsCarryIntoStoredWords) {
    int tried = 0;
    double worst = 0;
    for (bool adx : {true, false}) carry_cases(adx, tried, worst);
    std::printf("[ div      ] %d quotients with runs of all-ones words (both row kernels); largest |excess| %.4f "
                "units\n", tried, worst);
}

// The portable row kernel (used where MULX/ADX are missing) gives the same
// words as the reference.
TEST(FloatDiv, PortableKernelMatches) {
    const bool old = widefp::detail::div_select_adx(false);
    th::Rng rng(0x9047);
    for (uint64_t p : {1, 2, 3, 4, 5, 6, 7, 8, 9, 13, 40, 100, 721}) {
        for (int t = 0; t < (p <= 13 ? 200 : 10); ++t) {
            Words y = make_divisor(rng, p);
            Words x = make_dividend(rng, y, p), r(p + 1);
            if (std::equal(x.begin() + 1, x.end(), y.begin() + 1)) continue;
            uint64_t g = widefp_float_div(r.data(), x.data(), y.data(), p);
            Words want(p + 1);
            ASSERT_EQ(ref::div(want.data(), x.data(), y.data(), p), g) << p << " x=" << th::hex(x) << " y=" << th::hex(y);
            ASSERT_EQ(want, r) << p;
        }
    }
    widefp::detail::div_select_adx(old);
}

// Every row length around the block sizes of the row kernels (sixteen-word
// blocks, four-word blocks, single words), and the stack/heap boundary of
// the scratch, with both kernels, against the reference; the divisors and
// dividends include the patterns that send the estimate above the true word
// (the add-back path) and the runs that make a word carry into stored ones.
TEST(FloatDiv, RowKernelsAtEveryBlockBoundary) {
    th::Rng rng(0xb10c);
    std::vector<uint64_t> ps;
    for (uint64_t p = 1; p <= 70; ++p) ps.push_back(p);
    for (uint64_t p : {95, 96, 97, 253, 254, 255}) ps.push_back(p);
    long n = 0;
    for (bool adx : {true, false}) {
        const bool old = widefp::detail::div_select_adx(adx);
        for (uint64_t p : ps) {
            for (int t = 0; t < (p <= 70 ? 12 : 3); ++t) {
                Words y = make_divisor(rng, p);
                Words x = make_dividend(rng, y, p), r(p + 1);
                if (std::equal(x.begin() + 1, x.end(), y.begin() + 1)) continue;
                const uint64_t g = widefp_float_div(r.data(), x.data(), y.data(), p);
                Words want(p + 1);
                ASSERT_EQ(ref::div(want.data(), x.data(), y.data(), p), g)
                    << (adx ? "adx " : "portable ") << p << " x=" << th::hex(x) << " y=" << th::hex(y);
                ASSERT_EQ(want, r) << (adx ? "adx " : "portable ") << p;
                ++n;
            }
        }
        widefp::detail::div_select_adx(old);
    }
    EXPECT_GT(n, 1500);
}
