// Tests of the element-loop plug-ins' algorithms: group sums and products,
// the whole-array sum, scaling, dot and matrix products, the rounded product
// and difference, and the random elements.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "harness.h"
#include "widefp_linalg.h"


namespace {

using th::Mp;
using th::Words;

// Precisions around every threshold the loops meet: one word, the smallest
// product precision, ordinary sizes and both sides of the Karatsuba switch.
const uint64_t kSumPrecisions[] = {1, 2, 3, 4, 7, 16, 33, 100, 719, 721};
const uint64_t kProductPrecisions[] = {2, 3, 4, 5, 8, 16, 40, 100, 719, 720, 729};

// Errors are measured in units of 2^-64p relative to a scale.  One truncated
// operation errs by less than one such unit of its result (a unit of the last
// place is at most 2^-64p of the value); the column product may lose a
// further 2p/2^64 of a unit, which the slack below covers.
const double kUnit = 1.0 + std::ldexp(1.0, -30);

// An array of count random elements; spread sets the exponent range, so that
// a small spread gives cancellation and a wide one operands far below the
// last place of the running sum.
Words random_array(th::Rng &rng, uint64_t count, uint64_t p, int64_t spread) {
    Words a((p + 1) * count);
    for (uint64_t i = 0; i < count; ++i) {
        Words x = th::random_wr(rng, p, -spread, spread);
        std::copy(x.begin(), x.end(), a.begin() + i * (p + 1));
    }
    return a;
}

int64_t pick_spread(th::Rng &rng, uint64_t p) {
    switch (rng.below(4)) {
        case 0: return 2;
        case 1: return 70;
        case 2: return static_cast<int64_t>(32 * p);
        default: return static_cast<int64_t>(70 * p);  // often wholly below the last place
    }
}

// Sequential sum of elements X_first, X_first+stride ... with MPFR rounding
// toward zero at 64p+1 bits: what the plug-ins must reproduce bit for bit.
Words mpfr_truncated_sum(const uint64_t *X, uint64_t first, uint64_t terms, uint64_t p) {
    Mp acc(p), x(p);
    th::to_mpfr(acc, X + first * (p + 1), p);
    for (uint64_t j = 1; j < terms; ++j) {
        th::to_mpfr(x, X + (first + j) * (p + 1), p);
        mpfr_add(acc, acc, x, MPFR_RNDZ);
    }
    return th::from_mpfr(acc, p);
}

TEST(ElementLoops, GroupSumsMatchTruncatedMpfrAdditions) {
    th::Rng rng(101);
    for (uint64_t p : kSumPrecisions) {
        const int rounds = p > 100 ? 3 : 25;
        for (int round = 0; round < rounds; ++round) {
            const uint64_t n = 1 + rng.below(9), count = 1 + rng.below(4);
            Words X = random_array(rng, n * count, p, pick_spread(rng, p));
            // exact cancellation now and then: a group whose second half negates its first
            if (rng.below(5) == 0 && n >= 2) {
                std::copy_n(X.begin(), p + 1, X.begin() + (p + 1));
                X[p + 1] ^= th::kSign;
            }
            Words R((p + 1) * count, 0xdeadbeef);
            widefp_float_sum_groups(R.data(), X.data(), n, count, p);
            for (uint64_t i = 0; i < count; ++i) {
                Words want = mpfr_truncated_sum(X.data(), i * n, n, p);
                ASSERT_TRUE(th::same_value(R.data() + i * (p + 1), want.data(), p))
                    << "p=" << p << " n=" << n << " group " << i << "\n got  "
                    << th::hex(R.data() + i * (p + 1), p + 1) << "\n want " << th::hex(want);
            }
        }
    }
}

TEST(ElementLoops, SumAllMatchesTruncatedMpfrAdditions) {
    th::Rng rng(102);
    for (uint64_t p : kSumPrecisions) {
        const int rounds = p > 100 ? 3 : 20;
        for (int round = 0; round < rounds; ++round) {
            const uint64_t count = 1 + rng.below(40);
            Words X = random_array(rng, count, p, pick_spread(rng, p));
            Words R(p + 1, 0x5555);
            widefp_float_sum_all(R.data(), X.data(), count, p);
            Words want = mpfr_truncated_sum(X.data(), 0, count, p);
            ASSERT_TRUE(th::same_value(R.data(), want.data(), p))
                << "p=" << p << " count=" << count << "\n got  " << th::hex(R) << "\n want "
                << th::hex(want);
        }
    }
}

TEST(ElementLoops, CopiesForSingleElementsAndEmptyCounts) {
    th::Rng rng(103);
    const uint64_t p = 3, w = p + 1;
    Words X = random_array(rng, 6, p, 100);
    // n = 1: every element copied, word for word (fraction words included)
    Words R(6 * w, 7);
    widefp_float_sum_groups(R.data(), X.data(), 1, 6, p);
    EXPECT_EQ(R, X);
    std::fill(R.begin(), R.end(), 7);
    widefp_float_prod_groups(R.data(), X.data(), 1, 6, p);
    EXPECT_EQ(R, X);
    // count 0 and count 1 of the whole-array sum both copy X_0
    for (uint64_t count : {0, 1}) {
        Words r(w, 9);
        widefp_float_sum_all(r.data(), X.data(), count, p);
        EXPECT_EQ(r, Words(X.begin(), X.begin() + w)) << "count " << count;
    }
    // count 0 of the group loops writes nothing
    Words untouched(w, 42);
    widefp_float_sum_groups(untouched.data(), X.data(), 3, 0, p);
    widefp_float_prod_groups(untouched.data(), X.data(), 3, 0, p);
    widefp_float_scale_all(untouched.data(), X.data(), X.data(), 0, p);
    EXPECT_EQ(untouched, Words(w, 42));
    // a dot product of length 0 is +0 with every word cleared
    Words r(w, ~uint64_t{0}), t(w);
    widefp_float_dot(r.data(), X.data(), X.data(), 0, p, t.data());
    EXPECT_EQ(r, Words(w, 0));
    // a matrix product with k = 0 clears all of C
    Words C(2 * 3 * w, 0x77), work(w);
    widefp_matrix_mul(C.data(), X.data(), X.data(), 2, 0, 3, p, work.data());
    EXPECT_EQ(C, Words(2 * 3 * w, 0));
}

// |got - exact| / scale in units of 2^-64p, computed in MPFR.
double relative_to(mpfr_srcptr got, mpfr_srcptr exact, mpfr_srcptr scale, uint64_t p) {
    Mp d(static_cast<mpfr_prec_t>(256 * p + 256), true);
    mpfr_sub(d, got, exact, MPFR_RNDN);
    mpfr_abs(d, d, MPFR_RNDN);
    if (mpfr_zero_p(d)) return 0.0;
    mpfr_div(d, d, scale, MPFR_RNDN);
    mpfr_mul_2si(d, d, static_cast<long>(64 * p), MPFR_RNDN);
    return mpfr_get_d(d, MPFR_RNDU);
}

// Products: R = X_0 * ... * X_{n-1} with n-1 truncations, each shrinking the
// magnitude by a relative amount in [0, u): |R - P| <= (n-1) u |P| and
// |R| <= |P|.  P is formed by MPFR at twice the precision (exactly for the
// short groups used).
TEST(ElementLoops, GroupProductsWithinTruncationBound) {
    th::Rng rng(104);
    for (uint64_t p : kProductPrecisions) {
        double worst = 0;
        const int rounds = p > 100 ? 2 : 12;
        for (int round = 0; round < rounds; ++round) {
            const uint64_t n = 1 + rng.below(6), count = 1 + rng.below(3);
            Words X = random_array(rng, n * count, p, 1000);
            Words R((p + 1) * count);
            widefp_float_prod_groups(R.data(), X.data(), n, count, p);
            for (uint64_t i = 0; i < count; ++i) {
                Mp exact(static_cast<mpfr_prec_t>(2 * (64 * p + 1)), true), x(p), got(p);
                th::to_mpfr(exact, X.data() + i * n * (p + 1), p);
                for (uint64_t j = 1; j < n; ++j) {
                    th::to_mpfr(x, X.data() + (i * n + j) * (p + 1), p);
                    mpfr_mul(exact, exact, x, MPFR_RNDN);
                }
                th::to_mpfr(got, R.data() + i * (p + 1), p);
                Mp mag(static_cast<mpfr_prec_t>(2 * (64 * p + 1)), true);
                mpfr_abs(mag, exact, MPFR_RNDN);
                const double err = relative_to(got, exact, mag, p);
                const double bound = static_cast<double>(n - 1) * kUnit;
                EXPECT_LE(err, bound) << "p=" << p << " n=" << n;
                EXPECT_LE(mpfr_cmpabs(got, exact), 0) << "truncation grew the product, p=" << p;
                if (n > 1) worst = std::max(worst, err / static_cast<double>(n - 1));
            }
        }
        std::printf("  prod p=%-4llu largest error %.3f of the bound (n-1)*u\n",
                    static_cast<unsigned long long>(p), worst);
    }
}

TEST(ElementLoops, ScaleWithinOneTruncation) {
    th::Rng rng(105);
    for (uint64_t p : kProductPrecisions) {
        const uint64_t count = p > 100 ? 3 : 20;
        Words X = random_array(rng, count, p, 500);
        Words s = th::random_wr(rng, p, -500, 500);
        Words R((p + 1) * count);
        widefp_float_scale_all(R.data(), X.data(), s.data(), count, p);
        Mp sm(p), x(p), got(p), exact(static_cast<mpfr_prec_t>(2 * (64 * p + 1)), true);
        th::to_mpfr(sm, s.data(), p);
        for (uint64_t i = 0; i < count; ++i) {
            th::to_mpfr(x, X.data() + i * (p + 1), p);
            mpfr_mul(exact, x, sm, MPFR_RNDN);  // exact at 128p+2 bits
            th::to_mpfr(got, R.data() + i * (p + 1), p);
            Mp mag(static_cast<mpfr_prec_t>(2 * (64 * p + 1)), true);
            mpfr_abs(mag, exact, MPFR_RNDN);
            EXPECT_LE(relative_to(got, exact, mag, p), kUnit) << "p=" << p << " i=" << i;
            EXPECT_LE(mpfr_cmpabs(got, exact), 0);
            if (p >= 720) {  // the exact product: truncation is rounding toward zero
                Mp rz(p);
                mpfr_set(rz, exact, MPFR_RNDZ);
                Words want = th::from_mpfr(rz, p);
                EXPECT_TRUE(th::same_value(R.data() + i * (p + 1), want.data(), p)) << "p=" << p;
            }
        }
    }
}

// Reference dot product of two runs of k elements at twice the precision,
// and the sum of the magnitudes of its terms.
void reference_dot(const uint64_t *x, const uint64_t *y, uint64_t k, uint64_t p, mpfr_ptr exact,
                   mpfr_ptr magnitude) {
    Mp a(p), b(p), t(static_cast<mpfr_prec_t>(2 * (64 * p + 1)), true);
    mpfr_set_zero(exact, 1);
    mpfr_set_zero(magnitude, 1);
    for (uint64_t l = 0; l < k; ++l) {
        th::to_mpfr(a, x + l * (p + 1), p);
        th::to_mpfr(b, y + l * (p + 1), p);
        mpfr_mul(t, a, b, MPFR_RNDN);
        mpfr_add(exact, exact, t, MPFR_RNDN);
        mpfr_abs(t, t, MPFR_RNDN);
        mpfr_add(magnitude, magnitude, t, MPFR_RNDN);
    }
}

// Recursive summation of k truncated products: |r - x.y| <= gamma_k sum|x_i y_i|
// with gamma_k = k u / (1 - k u); the reference's own error at twice the
// precision is far below that.
TEST(ElementLoops, DotProductWithinRecursiveSummationBound) {
    th::Rng rng(106);
    for (uint64_t p : kProductPrecisions) {
        double worst = 0;
        const int rounds = p > 100 ? 2 : 10;
        for (int round = 0; round < rounds; ++round) {
            const uint64_t n = 1 + rng.below(30);
            Words V = random_array(rng, 2 * n, p, round % 2 ? 3 : 60);
            Words r(p + 1, 123), t(p + 1, 456);
            widefp_float_dot(r.data(), V.data(), V.data() + n * (p + 1), n, p, t.data());
            const mpfr_prec_t hp = static_cast<mpfr_prec_t>(2 * (64 * p + 1));
            Mp exact(hp, true), mag(hp, true), got(p);
            reference_dot(V.data(), V.data() + n * (p + 1), n, p, exact, mag);
            th::to_mpfr(got, r.data(), p);
            const double err = relative_to(got, exact, mag, p);
            // gamma_n = n u / (1 - n u): the denominator is 1 to double precision
            const double g = static_cast<double>(n) * kUnit;
            EXPECT_LE(err, g) << "p=" << p << " n=" << n;
            worst = std::max(worst, err / static_cast<double>(n));
        }
        std::printf("  dot p=%-4llu largest error %.3f of the bound n*u*sum|xy|\n",
                    static_cast<unsigned long long>(p), worst);
    }
}

TEST(ElementLoops, MatmulLayoutsAndBound) {
    th::Rng rng(107);
    for (uint64_t p : {2, 3, 5, 16, 720}) {
        const uint64_t m = 1 + rng.below(4), k = 1 + rng.below(7), n = 1 + rng.below(4);
        const uint64_t w = p + 1;
        Words A = random_array(rng, m * k, p, 40), B = random_array(rng, k * n, p, 40);
        Words C(m * n * w, 0xabc), t(w);
        widefp_matrix_mul(C.data(), A.data(), B.data(), m, k, n, p, t.data());
        // each C(i, j) at index j*m+i must be the dot product of row i of A
        // (index i*k+l) and column j of B (index j*k+l), in that exact order
        for (uint64_t i = 0; i < m; ++i)
            for (uint64_t j = 0; j < n; ++j) {
                Words V(2 * k * w), r(w), tt(w);
                std::copy_n(A.begin() + i * k * w, k * w, V.begin());
                std::copy_n(B.begin() + j * k * w, k * w, V.begin() + k * w);
                widefp_float_dot(r.data(), V.data(), V.data() + k * (p + 1), k, p, tt.data());
                EXPECT_EQ(Words(C.begin() + (j * m + i) * w, C.begin() + (j * m + i + 1) * w), r)
                    << "p=" << p << " C(" << i << "," << j << ")";
                const mpfr_prec_t hp = static_cast<mpfr_prec_t>(2 * (64 * p + 1));
                Mp exact(hp, true), mag(hp, true), got(p);
                reference_dot(A.data() + i * k * w, B.data() + j * k * w, k, p, exact, mag);
                th::to_mpfr(got, C.data() + (j * m + i) * w, p);
                EXPECT_LE(relative_to(got, exact, mag, p), static_cast<double>(k) * kUnit);
            }
    }
    // small integers: exact products, checked against the closed form
    const uint64_t p = 2, w = p + 1;
    const double a[2][3] = {{1, 2, 3}, {4, 5, 6}};      // 2 x 3
    const double b[3][2] = {{7, 8}, {9, 10}, {11, 12}};  // 3 x 2
    Words A(6 * w), B(6 * w), C(4 * w), t(w);
    for (int i = 0; i < 2; ++i)
        for (int l = 0; l < 3; ++l) widefp_float_dtowr(A.data() + (i * 3 + l) * w, a[i][l], p);
    for (int l = 0; l < 3; ++l)
        for (int j = 0; j < 2; ++j) widefp_float_dtowr(B.data() + (j * 3 + l) * w, b[l][j], p);
    widefp_matrix_mul(C.data(), A.data(), B.data(), 2, 3, 2, p, t.data());
    const double want[2][2] = {{58, 64}, {139, 154}};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            EXPECT_EQ(widefp_float_wrtod(C.data() + (j * 2 + i) * w), want[i][j]);
}

// The rounded difference: the guard word of a difference is exact up to its
// sticky bit, so the result is MPFR's correctly rounded one at 64p+1 bits.
TEST(ElementLoops, RoundedDifferenceIsCorrectlyRounded) {
    th::Rng rng(108);
    for (uint64_t p : kSumPrecisions) {
        for (int round = 0; round < (p > 100 ? 20 : 200); ++round) {
            Words a = th::random_wr(rng, p, -8, 8);
            Words b = th::random_wr(rng, p, -8 - (round % 3) * 64 * static_cast<int64_t>(p), 8);
            if (round % 5 == 0) {  // near cancellation: b = a with its last words disturbed
                b = a;
                b[p] ^= rng.word();
            }
            Words c(p + 1);
            widefp_float_sub_near(c.data(), a.data(), b.data(), p);
            Mp x(p), y(p), d(p);
            th::to_mpfr(x, a.data(), p);
            th::to_mpfr(y, b.data(), p);
            mpfr_sub(d, x, y, MPFR_RNDN);
            Words want = th::from_mpfr(d, p);
            ASSERT_TRUE(th::same_value(c.data(), want.data(), p))
                << "p=" << p << "\n a " << th::hex(a) << "\n b " << th::hex(b) << "\n got  "
                << th::hex(c) << "\n want " << th::hex(want);
        }
    }
}

// The rounded product is correctly rounded, ties to even: from 720 words by
// the exact guard word, below by the column product's guard word, or the
// exact product where that guard word lies within its error of a half.
TEST(ElementLoops, RoundedProductWithinHalfAUnit) {
    th::Rng rng(109);
    for (uint64_t p : kProductPrecisions) {
        const int rounds = p > 100 ? 6 : 150;
        for (int round = 0; round < rounds; ++round) {
            Words a = th::random_wr(rng, p, -100, 100), b = th::random_wr(rng, p, -100, 100);
            Words c(p + 1);
            widefp_float_mul_near(c.data(), a.data(), b.data(), p);
            Mp x(p), y(p), near(p), got(p), exact(static_cast<mpfr_prec_t>(2 * (64 * p + 1)), true);
            th::to_mpfr(x, a.data(), p);
            th::to_mpfr(y, b.data(), p);
            mpfr_mul(exact, x, y, MPFR_RNDN);
            mpfr_set(near, exact, MPFR_RNDN);
            Words want = th::from_mpfr(near, p);
            ASSERT_TRUE(th::same_value(c.data(), want.data(), p)) << "p=" << p;
            th::to_mpfr(got, c.data(), p);
            Mp mag(static_cast<mpfr_prec_t>(2 * (64 * p + 1)), true);
            mpfr_abs(mag, exact, MPFR_RNDN);
            EXPECT_LE(relative_to(got, exact, mag, p), 0.5 * kUnit) << "p=" << p;
        }
    }
    // exact products round to themselves; 1.5 * 1.5 = 2.25
    const uint64_t p = 3;
    Words a = th::from_double(1.5, p), c(p + 1);
    widefp_float_mul_near(c.data(), a.data(), a.data(), p);
    EXPECT_EQ(c, th::from_double(2.25, p));
    Words b = th::from_double(-0.75, p);
    widefp_float_mul_near(c.data(), b.data(), a.data(), p);
    EXPECT_EQ(c, th::from_double(-1.125, p));
}

// The random elements, replayed from the same rand() sequence.
// The overlaps the library allows give the results of distinct arrays: R = X
// for the group folds and the scaling, r = X_0 for the whole sum, the factor
// s as the last element of R, every operand of the rounded product and
// difference one element (x - x: a zero, whatever its fraction words).
TEST(ElementLoops, AllowedOverlapGivesTheResultOfDistinctArrays) {
    th::Rng rng(77);
    for (uint64_t p : {2u, 3u, 9u, 40u}) {
        const uint64_t w = p + 1, n = 1 + rng.below(4), count = 1 + rng.below(5);
        const Words X = random_array(rng, n * count, p, 4);
        for (auto fold : {&widefp_float_sum_groups, &widefp_float_prod_groups}) {
            Words R(count * w), Y = X;
            fold(R.data(), X.data(), n, count, p);
            fold(Y.data(), Y.data(), n, count, p);
            EXPECT_TRUE(std::equal(R.begin(), R.end(), Y.begin())) << p;
        }
        Words r(w), Y = X;
        widefp_float_sum_all(r.data(), X.data(), n * count, p);
        widefp_float_sum_all(Y.data(), Y.data(), n * count, p);
        EXPECT_TRUE(std::equal(r.begin(), r.end(), Y.begin())) << p;
        Words R(count * w), s(X.end() - w, X.end());
        Y = Words(X.end() - count * w, X.end());  // s is Y's last element
        widefp_float_scale_all(R.data(), Y.data(), s.data(), count, p);
        widefp_float_scale_all(Y.data(), Y.data(), Y.data() + (count - 1) * w, count, p);
        EXPECT_EQ(R, Y) << p;
        for (auto op : {&widefp_float_mul_near, &widefp_float_sub_near}) {
            Words c(w), x(X.begin(), X.begin() + w);
            op(c.data(), x.data(), x.data(), p);
            op(x.data(), x.data(), x.data(), p);
            // a zero's fraction words are not part of its value (x - x keeps x's)
            if ((c[0] & ~th::kSign) == 0) std::fill(x.begin() + 1, x.end(), 0);
            EXPECT_EQ(c, x) << p;
        }
    }
}

TEST(ElementLoops, RandomElementsFollowTheRandSequence) {
    ASSERT_EQ(RAND_MAX, 2147483647) << "the bit properties below assume a 31-bit rand()";
    const double inv_max = 1.0 / 2147483647.0;
    for (uint64_t p : {1, 2, 3, 5, 12}) {
        const uint64_t count = 40, w = p + 1;
        Words R(count * w, 0);
        std::srand(4242 + static_cast<unsigned>(p));
        widefp_float_rand(R.data(), count, p, &std::rand);
        const int next = std::rand();
        std::srand(4242 + static_cast<unsigned>(p));
        for (uint64_t i = 0; i < count; ++i) {
            const uint64_t *x = R.data() + i * w;
            std::vector<int64_t> calls(2 * p + 1);
            for (auto &c : calls) c = std::rand();
            const double d = static_cast<double>(calls[2 * p]) * inv_max;
            // words 2..p: the pairs of calls, as a*2^32 + b: bits 31 and 63 are 0
            for (uint64_t j = 2; j <= p; ++j) {
                EXPECT_EQ(x[j], static_cast<uint64_t>(calls[2 * j - 2]) * 4294967296ULL +
                                    static_cast<uint64_t>(calls[2 * j - 1]));
                EXPECT_EQ(x[j] & 0x8000000080000000ULL, 0u);
            }
            // word 1: d's 52 fraction bits, then the top 12 bits of the first pair;
            // bit 11 is bit 63 of a*2^32 + b, always 0
            const uint64_t first = static_cast<uint64_t>(calls[0]) * 4294967296ULL + static_cast<uint64_t>(calls[1]);
            uint64_t dbits;
            std::memcpy(&dbits, &d, 8);
            EXPECT_EQ(x[1], (dbits << 12) | (first >> 52));
            EXPECT_EQ(x[1] & 0x800u, 0u);
            // word 0: d's exponent, sign clear
            EXPECT_EQ(x[0], 0x3fffffffffffffffULL + ((dbits >> 52) & 0x7ff) - 1023);
            // the value lies in [d, d + 2^-52 * 2^floor(log2 d))
            if (d > 0) {
                Mp v(p), lo(64, true), hi(64, true);
                th::to_mpfr(v, x, p);
                mpfr_set_d(lo, d, MPFR_RNDN);
                int e;
                std::frexp(d, &e);
                mpfr_set_d(hi, d + std::ldexp(1.0, e - 1 - 52), MPFR_RNDN);
                EXPECT_GE(mpfr_cmp(v, lo), 0);
                EXPECT_LT(mpfr_cmp(v, hi), 0);
            }
        }
        // exactly 2p+1 calls per element: the next call continues the sequence
        EXPECT_EQ(next, std::rand()) << "p=" << p;
    }
}

int g_calls = 0;
int g_value = 0;
int fixed_rand() {
    ++g_calls;
    return g_value;
}

TEST(ElementLoops, RandomElementsAtTheEndsOfTheRange) {
    const uint64_t p = 1;
    Words R(3 * (p + 1));
    // r = 0: d = 0, exponent -1023: a small positive number, never zero
    g_value = 0;
    g_calls = 0;
    widefp_float_rand(R.data(), 3, p, &fixed_rand);
    EXPECT_EQ(g_calls, 9) << "p = 1 takes exactly 3 calls per element";
    EXPECT_EQ(R[0], 0x3ffffffffffffc00ULL);
    EXPECT_EQ(R[1], 0u);
    // r = 2^31-1: d = 1.0 exactly; the element lies in [1, 1 + 2^-52)
    g_value = 2147483647;
    g_calls = 0;
    widefp_float_rand(R.data(), 1, p, &fixed_rand);
    EXPECT_EQ(g_calls, 3);
    EXPECT_EQ(R[0], 0x3fffffffffffffffULL);
    EXPECT_EQ(R[1], (0x7fffffff7fffffffULL >> 52));
    // every count of calls: 2p+1 per element
    for (uint64_t q : {2, 7}) {
        Words S(5 * (q + 1));
        g_calls = 0;
        widefp_float_rand(S.data(), 5, q, &fixed_rand);
        EXPECT_EQ(g_calls, static_cast<int>(5 * (2 * q + 1)));
    }
}

}  // namespace
