// test_qr.cpp -- the Householder QR factorisation: residuals against exact MPFR products, and its special cases.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "harness.h"
#include "orth_check.h"
#include "widefp_linalg.h"

namespace {

// The factorisation with its work array.
void qr(uint64_t *A, uint64_t m, uint64_t n, uint64_t p, uint64_t *Q, uint64_t *R, int qflag, int rflag) {
    std::vector<uint64_t> work(widefp_matrix_qr_work_size(n, p));
    widefp_matrix_qr(A, Q, R, m, n, qflag, rflag, p, work.data());
}

using th::Words;

// Bound constant c in  ||QR - A||_F <= c n u ||A||_F  and
// max |(Q^T Q - I)_ij| <= c n u,  u = 2^-64p.
// Every operation truncates: a product or sum is low by less than one unit of
// its last place (two for a saturated truncated product), so an inner
// product of length m is off by at most 3m u times the sum of the magnitudes
// of its terms.  One reflection a <- a - (v^T a / v_k) v, with ||v||^2 = 2 v_k
// and v_k in [1, 2], thus moves a column by at most (2 * 3m + 8) u ||a||
// (the inner product, the division, the update products and sums, counted
// twice through ||v||^2 / v_k = 2); the normalisation of v and the square
// root of the column norm (8.5 ulp) add a few units more.  Each column of R
// goes through at most n reflections, each column of Q through at most n,
// so both residuals stay below n (6m + 16) u, and Q^T Q - I, as the product
// of two such columns, below twice that.  Hence c = 12 m + 32.
double bound_c(uint64_t m) { return 12.0 * static_cast<double>(m) + 32.0; }

struct Factors {
    uint64_t m, n, p;
    Words a0, a, q, r;
};

uint64_t at(uint64_t i, uint64_t j, uint64_t cols, uint64_t p) { return (i * cols + j) * (p + 1); }

Factors factor(const Words &a0, uint64_t m, uint64_t n, uint64_t p, int qflag = 1, int rflag = 1) {
    Factors f{m, n, p, a0, a0, Words(m * n * (p + 1), 0), Words(std::min(m, n) * n * (p + 1), 0)};
    qr(f.a.data(), m, n, p, f.q.data(), f.r.data(), qflag, rflag);
    return f;
}

// Largest residuals seen, in units of n u (relative to ||A||_F for QR - A).
double worst_qr = 0, worst_orth = 0;

void check_residuals(const Factors &f, const char *what) {
    const uint64_t q = std::min(f.m, f.n);
    oc::MpMat A = oc::from_words(f.a0.data(), f.m, f.n, f.p);
    oc::MpMat Q = oc::from_words(f.q.data(), f.m, q, f.p, f.n);  // the first q columns
    oc::MpMat R = oc::from_words(f.r.data(), q, f.n, f.p);
    oc::MpMat QR = oc::multiply(Q, R);
    th::Mp res(oc::check_prec(f.p), true), norm(oc::check_prec(f.p), true), orth(oc::check_prec(f.p), true);
    oc::frobenius_diff(QR, A, res);
    oc::frobenius(A, norm);
    oc::orthogonality(Q, q, orth);
    th::Mp one(64, true);
    mpfr_set_ui(one, 1, MPFR_RNDN);
    const double nn = static_cast<double>(f.n);
    double e_qr = mpfr_zero_p(norm) ? 0.0 : oc::in_units(res, norm, f.p) / nn;
    double e_orth = oc::in_units(orth, one, f.p) / nn;
    worst_qr = std::max(worst_qr, e_qr);
    worst_orth = std::max(worst_orth, e_orth);
    EXPECT_LE(e_qr, bound_c(f.m)) << what << " m=" << f.m << " n=" << f.n << " p=" << f.p;
    EXPECT_LE(e_orth, bound_c(f.m)) << what << " m=" << f.m << " n=" << f.n << " p=" << f.p;
}

Words random_matrix(th::Rng &rng, uint64_t m, uint64_t n, uint64_t p) {
    Words a(m * n * (p + 1));
    for (uint64_t k = 0; k < m * n; ++k) {
        Words x = th::random_wr(rng, p, -3, 3);
        std::copy(x.begin(), x.end(), a.begin() + k * (p + 1));
    }
    return a;
}

// Hilbert matrix entries 1/(i+j+1), rounded to nearest at precision p.
Words hilbert(uint64_t m, uint64_t n, uint64_t p) {
    Words a(m * n * (p + 1));
    th::Mp h(p);
    for (uint64_t i = 0; i < m; ++i)
        for (uint64_t j = 0; j < n; ++j) {
            mpfr_set_ui(h, 1, MPFR_RNDN);
            mpfr_div_ui(h, h, i + j + 1, MPFR_RNDN);
            Words x = th::from_mpfr(h, p);
            std::copy(x.begin(), x.end(), a.begin() + at(i, j, n, p));
        }
    return a;
}

TEST(Qr, RandomMatricesResidualsWithinBound) {
    th::Rng rng(0x9e);
    struct Shape {
        uint64_t m, n;
    };
    for (uint64_t p : {2, 3, 4, 8, 17}) {
        for (Shape s : {Shape{1, 1}, Shape{2, 2}, Shape{3, 3}, Shape{5, 3}, Shape{7, 7}, Shape{12, 5}, Shape{3, 5},
                        Shape{15, 15}}) {
            Words a = random_matrix(rng, s.m, s.n, p);
            check_residuals(factor(a, s.m, s.n, p), "random");
        }
    }
    for (uint64_t p : {2, 4}) {
        Words a = random_matrix(rng, 30, 30, p);
        check_residuals(factor(a, 30, 30, p), "random 30x30");
        a = random_matrix(rng, 40, 30, p);
        check_residuals(factor(a, 40, 30, p), "random 40x30");
    }
    std::printf("random: largest ||QR-A||/||A||: %.3f n u, largest |Q^TQ-I|: %.3f n u (bound c = 12m+32)\n",
                worst_qr, worst_orth);
    worst_qr = worst_orth = 0;
}

TEST(Qr, HilbertMatricesResidualsWithinBound) {
    for (uint64_t p : {2, 8}) {
        for (uint64_t n : {4, 12, 30}) check_residuals(factor(hilbert(n, n, p), n, n, p), "hilbert");
        check_residuals(factor(hilbert(30, 20, p), 30, 20, p), "hilbert 30x20");
    }
    std::printf("hilbert: largest ||QR-A||/||A||: %.3f n u, largest |Q^TQ-I|: %.3f n u\n", worst_qr, worst_orth);
    worst_qr = worst_orth = 0;
}

// The layout of the results under the two flags: R's diagonal replaces the
// reflection vectors' first entries in A only without the R flag; Q is not
// touched without the Q flag; R is upper triangular.
TEST(Qr, FlagsSelectWhatIsWritten) {
    th::Rng rng(3);
    const uint64_t m = 6, n = 4, p = 3, w = p + 1;
    Words a = random_matrix(rng, m, n, p);
    Factors both = factor(a, m, n, p, 1, 1);
    Words pattern_q(m * n * w, 0xabcdefULL), pattern_r(n * n * w, 0x13579bULL);
    Words a_noflags = a;
    qr(a_noflags.data(), m, n, p, pattern_q.data(), pattern_r.data(), 0, 0);
    for (uint64_t x : pattern_q) ASSERT_EQ(x, 0xabcdefULL);
    for (uint64_t x : pattern_r) ASSERT_EQ(x, 0x13579bULL);
    for (uint64_t i = 0; i < m; ++i)
        for (uint64_t j = 0; j < n; ++j) {
            const uint64_t *x = &a_noflags[at(i, j, n, p)], *y = &both.a[at(i, j, n, p)];
            if (i == j) {
                // without the R flag the diagonal holds R's; with it, v_k's first entry in [1, 2]
                EXPECT_TRUE(th::same_value(x, &both.r[at(i, j, n, p)], p));
                EXPECT_TRUE(th::unbiased(y) == 0 || (th::unbiased(y) == 1 && y[1] == 0 && y[2] == 0 && y[3] == 0));
                EXPECT_EQ(y[0] & th::kSign, 0u);
            } else {
                EXPECT_TRUE(th::same_value(x, y, p));
                if (i < j) {
                    EXPECT_TRUE(th::same_value(y, &both.r[at(i, j, n, p)], p));
                }
            }
            if (i > j && i < n) {
                EXPECT_EQ(both.r[at(i, j, n, p)], 0u);
            }
        }
    // The Q flag alone gives the same Q, the R flag alone the same R.
    Factors qonly = factor(a, m, n, p, 1, 0), ronly = factor(a, m, n, p, 0, 1);
    EXPECT_EQ(qonly.q, both.q);
    EXPECT_EQ(ronly.r, both.r);
    EXPECT_EQ(ronly.a, both.a);
}

TEST(Qr, IdentityGivesMinusIdentityTwice) {
    for (uint64_t p : {2, 5}) {
        const uint64_t w = p + 1;
        Words a(4 * w, 0);
        a[at(0, 0, 2, p)] = th::kBias;
        a[at(1, 1, 2, p)] = th::kBias;
        Factors f = factor(a, 2, 2, p);
        for (uint64_t i = 0; i < 2; ++i)
            for (uint64_t j = 0; j < 2; ++j) {
                const uint64_t *qij = &f.q[at(i, j, 2, p)], *rij = &f.r[at(i, j, 2, p)];
                if (i == j) {
                    EXPECT_EQ(qij[0], th::kSign | th::kBias) << th::hex(qij, w);
                    EXPECT_EQ(rij[0], th::kSign | th::kBias) << th::hex(rij, w);
                    for (uint64_t k = 1; k <= p; ++k) EXPECT_EQ(qij[k] | rij[k], 0u);
                } else {
                    EXPECT_TRUE(th::is_zero(qij)) << th::hex(qij, w);
                    EXPECT_TRUE(th::is_zero(rij)) << th::hex(rij, w);
                }
            }
    }
}

TEST(Qr, ZeroFirstColumnSkipsTheReflection) {
    th::Rng rng(11);
    const uint64_t m = 4, n = 3, p = 2, w = p + 1;
    Words a = random_matrix(rng, m, n, p);
    for (uint64_t i = 0; i < m; ++i) std::fill_n(a.begin() + at(i, 0, n, p), w, 0);
    Factors f = factor(a, m, n, p);
    EXPECT_EQ(f.r[at(0, 0, n, p)], th::kSign) << "R(0,0) = -0";
    EXPECT_EQ(f.q[at(0, 0, n, p)], th::kBias) << "Q(0,0) = 1";
    for (uint64_t k = 1; k <= p; ++k) EXPECT_EQ(f.q[at(0, 0, n, p) + k], 0u);
    for (uint64_t i = 0; i < m; ++i) EXPECT_TRUE(th::is_zero(&f.a[at(i, 0, n, p)]));
    // R's first row is A's first row, untouched by a reflection
    for (uint64_t j = 1; j < n; ++j) EXPECT_TRUE(th::same_value(&f.r[at(0, j, n, p)], &a[at(0, j, n, p)], p));
    check_residuals(f, "zero column");
    // Without the R flag the diagonal of A receives the -0.
    Factors g = factor(a, m, n, p, 0, 0);
    EXPECT_EQ(g.a[at(0, 0, n, p)], th::kSign);
}

TEST(Qr, MoreColumnsThanRowsReducesTheFirstMColumns) {
    th::Rng rng(12);
    const uint64_t m = 2, n = 4, p = 3;
    Words a = random_matrix(rng, m, n, p);
    Factors f = factor(a, m, n, p);
    check_residuals(f, "wide");  // through Q's first m columns and R's m rows
}

}  // namespace

namespace {

// A work size that does not fit in 64 bits is reported as UINT64_MAX, which
// no allocation grants.
TEST(Qr, ImpossibleWorkSizeIsAllOnes) {
    EXPECT_EQ(widefp_matrix_qr_work_size(uint64_t{1} << 40, uint64_t{1} << 30), UINT64_MAX);
    EXPECT_EQ(widefp_matrix_qr_work_size(UINT64_MAX, 2), UINT64_MAX);
    EXPECT_EQ(widefp_matrix_qr_work_size(3, 2), 5 * 3 + 4 * 4u);
}

}  // namespace
