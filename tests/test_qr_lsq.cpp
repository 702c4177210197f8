// test_qr_lsq.cpp -- QR with column pivoting and full factors, the full SVD
// and least squares, against MPFR: residuals, orthogonality, the pivot
// order, and solutions against references computed at about twice the
// precision (normal equations, minimum norm through the pseudo-inverse of
// an exact rank factorisation).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "harness.h"
#include "orth_check.h"
#include "widefp_linalg.h"

namespace {

using th::Words;
using oc::MpMat;

uint64_t at(uint64_t i, uint64_t j, uint64_t cols, uint64_t p) { return (i * cols + j) * (p + 1); }

Words random_matrix(th::Rng &rng, uint64_t m, uint64_t n, uint64_t p) {
    Words a(m * n * (p + 1));
    for (uint64_t k = 0; k < m * n; ++k) {
        Words x = th::random_wr(rng, p, -3, 3);
        std::copy(x.begin(), x.end(), a.begin() + k * (p + 1));
    }
    return a;
}

// Small integers (exact at every p) by rows.
Words int_matrix(const std::vector<double> &v, uint64_t p) {
    Words a(v.size() * (p + 1));
    for (size_t k = 0; k < v.size(); ++k) {
        Words x = th::from_double(v[k], p);
        std::copy(x.begin(), x.end(), a.begin() + k * (p + 1));
    }
    return a;
}

// A random m x n integer matrix of rank r (generically): L (m x r) times
// M (r x n), entries of both in -3..3, the product exact.
std::vector<double> rank_matrix(th::Rng &rng, uint64_t m, uint64_t n, uint64_t r) {
    std::vector<double> l(m * r), f(r * n), a(m * n, 0.0);
    for (double &x : l) x = static_cast<double>(rng.range(0, 6)) - 3;
    for (double &x : f) x = static_cast<double>(rng.range(0, 6)) - 3;
    for (uint64_t i = 0; i < m; ++i)
        for (uint64_t j = 0; j < n; ++j)
            for (uint64_t k = 0; k < r; ++k) a[i * n + j] += l[i * r + k] * f[k * n + j];
    return a;
}

// Precisions on both sides of the kernel's thresholds.
uint64_t random_p(th::Rng &rng) {
    static const uint64_t ps[] = {2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 33};
    return ps[rng.below(sizeof ps / sizeof ps[0])];
}

// ---- QR ----------------------------------------------------------------------

struct Qrp {
    uint64_t m, n, p, qcols;
    int pivot;
    Words a0, a, q, r;
    std::vector<int64_t> perm;
};

Qrp qrp(const Words &a0, uint64_t m, uint64_t n, uint64_t p, bool full, int pivot) {
    const uint64_t k = std::min(m, n), qc = full ? m : k, w = p + 1;
    Qrp f{m, n, p, qc, pivot, a0, a0, Words(m * qc * w, 7), Words(qc * n * w, 7), std::vector<int64_t>(n, -1)};
    std::vector<uint64_t> work(widefp_matrix_qrp_work_size(m, n, p), 0x55);
    widefp_matrix_qrp(f.a.data(), f.q.data(), f.r.data(), f.perm.data(), m, n, qc, pivot, p, work.data());
    return f;
}

// The bound of test_qr.cpp: every residual below n (12m + 32) u.
double bound_c(uint64_t m) { return 12.0 * static_cast<double>(m) + 32.0; }
double worst_qr = 0, worst_orth = 0;

void check_qrp(const Qrp &f, const char *what) {
    const uint64_t m = f.m, n = f.n, p = f.p, k = std::min(m, n);
    // a permutation; R upper triangular (exact zeros)
    std::vector<int64_t> sorted = f.perm;
    std::sort(sorted.begin(), sorted.end());
    for (uint64_t j = 0; j < n; ++j) ASSERT_EQ(sorted[j], static_cast<int64_t>(j)) << what;
    for (uint64_t i = 0; i < f.qcols; ++i)
        for (uint64_t j = 0; j < std::min<uint64_t>(i, n); ++j) ASSERT_TRUE(th::is_zero(&f.r[at(i, j, n, p)])) << what;
    MpMat A = oc::from_words(f.a0.data(), m, n, p), AP(m, n, oc::check_prec(p));
    for (uint64_t i = 0; i < m; ++i)
        for (uint64_t j = 0; j < n; ++j) mpfr_set(AP(i, j), A(i, static_cast<size_t>(f.perm[j])), MPFR_RNDN);
    MpMat Q = oc::from_words(f.q.data(), m, f.qcols, p), R = oc::from_words(f.r.data(), f.qcols, n, p);
    MpMat QR = oc::multiply(Q, R);
    th::Mp res(oc::check_prec(p), true), norm(oc::check_prec(p), true), orth(oc::check_prec(p), true);
    th::Mp one(64, true);
    mpfr_set_ui(one, 1, MPFR_RNDN);
    oc::frobenius_diff(QR, AP, res);
    oc::frobenius(A, norm);
    oc::orthogonality(Q, f.qcols, orth);
    const double nn = static_cast<double>(std::max<uint64_t>(n, 1));
    const double e_qr = mpfr_zero_p(norm) ? 0.0 : oc::in_units(res, norm, p) / nn;
    const double e_orth = oc::in_units(orth, one, p) / nn;
    worst_qr = std::max(worst_qr, e_qr);
    worst_orth = std::max(worst_orth, e_orth);
    EXPECT_LE(e_qr, bound_c(m)) << what << " m=" << m << " n=" << n << " p=" << p;
    EXPECT_LE(e_orth, bound_c(m)) << what << " m=" << m << " n=" << n << " p=" << p;
    // Pivoted: |R(j,j)| does not increase (to a few units of rounding).
    for (uint64_t j = 0; j + 1 < k; ++j) {
        th::Mp a(oc::check_prec(p), true), b(oc::check_prec(p), true);
        mpfr_abs(a, R(j, j), MPFR_RNDN);
        mpfr_abs(b, R(j + 1, j + 1), MPFR_RNDN);
        mpfr_mul_2si(a, a, 1, MPFR_RNDN);  // slack far beyond the rounding
        if (f.pivot) {
            EXPECT_LE(mpfr_cmp(b, a), 0) << what;
        }
    }
}

TEST(Qrp, RandomMatricesFullAndEconomyPivotedOrNot) {
    th::Rng rng(0x71);
    struct Shape {
        uint64_t m, n;
    };
    for (Shape s : {Shape{1, 1}, Shape{3, 3}, Shape{5, 3}, Shape{7, 7}, Shape{12, 5}, Shape{3, 6}, Shape{1, 4},
                    Shape{6, 1}, Shape{10, 10}}) {
        for (int rep = 0; rep < 2; ++rep) {
            const uint64_t p = random_p(rng);
            Words a = random_matrix(rng, s.m, s.n, p);
            for (bool full : {false, true})
                for (int pivot : {0, 1}) {
                    Qrp f = qrp(a, s.m, s.n, p, full, pivot);
                    check_qrp(f, pivot ? "pivoted" : "plain");
                    if (!pivot) {
                        for (uint64_t j = 0; j < s.n; ++j) EXPECT_EQ(f.perm[j], static_cast<int64_t>(j));
                    }
                }
        }
    }
    // pivoting: |R(j,j)| strictly ordered up to the slack above
    std::vector<double> graded = {1, 100, 0.01, 10, 1, 1e4, 3, -2, 1, 5, 0.5, 7, 2, 2, 2, 9};
    Words g = int_matrix(std::vector<double>(graded.begin(), graded.end()), 3);
    check_qrp(qrp(g, 4, 4, 3, true, 1), "graded");
    std::printf("largest ||AP-QR||/||A||: %.3f n u, largest |Q^TQ-I|: %.3f n u (bound 12m+32)\n", worst_qr,
                worst_orth);
}

// Octave's pivot orders for two small matrices; the largest column first.
TEST(Qrp, PivotOrderOfSmallMatrices) {
    Qrp f = qrp(int_matrix({1, 2, 3, 4, 5, 7}, 2), 3, 2, 2, true, 1);
    EXPECT_EQ(f.perm, (std::vector<int64_t>{1, 0}));
    f = qrp(int_matrix({1, 2, 3, 4, 5, 6}, 2), 2, 3, 2, false, 1);
    EXPECT_EQ(f.perm, (std::vector<int64_t>{2, 0, 1}));
    // ties: the first of the largest columns
    f = qrp(int_matrix({1, 4, 0, 1, 3, 5}, 2), 2, 3, 2, false, 1);
    EXPECT_EQ(f.perm[0], 1);
    f = qrp(int_matrix({1, 1, 1, 1}, 2), 2, 2, 2, false, 1);
    EXPECT_EQ(f.perm, (std::vector<int64_t>{0, 1}));
}

// A column already zero below the diagonal gets no reflection: an upper
// triangular A gives Q = I and R = A exactly, its signs kept.
TEST(Qrp, TriangularMatrixIsItsOwnR) {
    for (uint64_t p : {2, 6}) {
        Words a = int_matrix({2, -1, 3, 0, -5, 4, 0, 0, 7, 0, 0, 0}, p);
        Qrp f = qrp(a, 4, 3, p, true, 0);
        for (uint64_t i = 0; i < 4; ++i)
            for (uint64_t j = 0; j < 4; ++j) {
                Words e = th::from_double(i == j ? 1 : 0, p);
                EXPECT_TRUE(th::same_value(&f.q[at(i, j, 4, p)], e.data(), p)) << i << "," << j;
            }
        for (uint64_t k = 0; k < 12; ++k) EXPECT_TRUE(th::same_value(&f.r[k * (p + 1)], &a[k * (p + 1)], p)) << k;
    }
}

TEST(Qrp, ImpossibleWorkSizeIsAllOnes) {
    EXPECT_EQ(widefp_matrix_qrp_work_size(3, UINT64_MAX / 2, 2), UINT64_MAX);
    EXPECT_EQ(widefp_matrix_qrp_work_size(3, uint64_t{1} << 40, uint64_t{1} << 30), UINT64_MAX);
    EXPECT_EQ(widefp_matrix_svd_full_work_size(uint64_t{1} << 40, 2, 2), UINT64_MAX);
    EXPECT_EQ(widefp_matrix_lsq_work_size(uint64_t{1} << 40, 2, 1, 2), UINT64_MAX);
}

// ---- full SVD -------------------------------------------------------------------

TEST(SvdFull, CompletesUToAnOrthogonalMatrix) {
    th::Rng rng(0x5f);
    double worst_res = 0, worst_orth = 0, worst_s = 0;
    struct Shape {
        uint64_t m, n;
    };
    for (Shape s : {Shape{4, 2}, Shape{7, 3}, Shape{5, 5}, Shape{9, 1}, Shape{3, 0}, Shape{12, 6}}) {
        const uint64_t p = random_p(rng), m = s.m, n = s.n, w = p + 1;
        Words a0 = random_matrix(rng, m, n, p), a = a0, sv(n * w), u(m * m * w, 9), v(n * n * w);
        uint64_t sweeps[2];
        std::vector<uint64_t> work(widefp_matrix_svd_full_work_size(m, n, p));
        ASSERT_EQ(widefp_matrix_svd_full(sv.data(), u.data(), v.data(), sweeps, a.data(), m, n, 1, 1,
                                         widefp_matrix_svd_sweep_bound(p), p, work.data()),
                  0);
        MpMat U = oc::from_words(u.data(), m, m, p);
        th::Mp orth(oc::check_prec(p), true), one(64, true), res(oc::check_prec(p), true),
            norm(oc::check_prec(p), true);
        mpfr_set_ui(one, 1, MPFR_RNDN);
        oc::orthogonality(U, m, orth);
        // bound of test_svd.cpp plus twice that of the QR completing U
        const double M = static_cast<double>(m), N = static_cast<double>(std::max<uint64_t>(n, 1));
        const double bound = 4 * N * (6 * M + 16) + 64.0 * static_cast<double>(sweeps[1]) + 64 * N + 2 * N * bound_c(m);
        const double e_orth = oc::in_units(orth, one, p);
        worst_orth = std::max(worst_orth, e_orth / bound);
        EXPECT_LE(e_orth, bound) << "m=" << m << " n=" << n << " p=" << p;
        if (n == 0) continue;
        MpMat A = oc::from_words(a0.data(), m, n, p), V = oc::from_words(v.data(), n, n, p);
        MpMat US(m, n, oc::check_prec(p));
        for (uint64_t i = 0; i < m; ++i)
            for (uint64_t j = 0; j < n; ++j) {
                th::to_mpfr(US(i, j), &sv[j * w], p);
                mpfr_mul(US(i, j), US(i, j), U(i, j), MPFR_RNDN);
            }
        MpMat USV = oc::multiply(US, oc::transpose(V));
        oc::frobenius_diff(USV, A, res);
        oc::frobenius(A, norm);
        const double e_res = oc::in_units(res, norm, p);
        worst_res = std::max(worst_res, e_res / bound);
        EXPECT_LE(e_res, bound);
        MpMat ref = oc::jacobi_singular_values(A);
        for (uint64_t j = 0; j < n; ++j) {
            th::Mp d(oc::check_prec(p), true);
            th::to_mpfr(d, &sv[j * w], p);
            mpfr_sub(d, d, ref(j, 0), MPFR_RNDN);
            mpfr_abs(d, d, MPFR_RNDN);
            const double e = oc::in_units(d, norm, p);
            worst_s = std::max(worst_s, e / bound);
            EXPECT_LE(e, bound) << j;
        }
    }
    std::printf("full SVD, largest fraction of the bound: residual %.2g, |U^TU-I| %.2g, singular values %.2g\n",
                worst_res, worst_orth, worst_s);
}

// ---- least squares ----------------------------------------------------------------

// Gaussian elimination with partial pivoting on MPFR matrices: X = A \ B.
MpMat mp_solve(const MpMat &a0, const MpMat &b0) {
    MpMat a(a0), b(b0);
    const size_t n = a.rows(), r = b.cols();
    th::Mp f(a.prec(), true), t(a.prec(), true);
    for (size_t k = 0; k < n; ++k) {
        size_t piv = k;
        for (size_t i = k + 1; i < n; ++i)
            if (mpfr_cmpabs(a(i, k), a(piv, k)) > 0) piv = i;
        for (size_t j = 0; j < n; ++j) mpfr_swap(a(k, j), a(piv, j));
        for (size_t j = 0; j < r; ++j) mpfr_swap(b(k, j), b(piv, j));
        for (size_t i = k + 1; i < n; ++i) {
            mpfr_div(f, a(i, k), a(k, k), MPFR_RNDN);
            for (size_t j = k; j < n; ++j) {
                mpfr_mul(t, f, a(k, j), MPFR_RNDN);
                mpfr_sub(a(i, j), a(i, j), t, MPFR_RNDN);
            }
            for (size_t j = 0; j < r; ++j) {
                mpfr_mul(t, f, b(k, j), MPFR_RNDN);
                mpfr_sub(b(i, j), b(i, j), t, MPFR_RNDN);
            }
        }
    }
    MpMat x(n, r, a.prec());
    for (size_t j = 0; j < r; ++j)
        for (size_t i = n; i-- > 0;) {
            mpfr_set(f, b(i, j), MPFR_RNDN);
            for (size_t l = i + 1; l < n; ++l) {
                mpfr_mul(t, a(i, l), x(l, j), MPFR_RNDN);
                mpfr_sub(f, f, t, MPFR_RNDN);
            }
            mpfr_div(x(i, j), f, a(i, i), MPFR_RNDN);
        }
    return x;
}

struct Lsq {
    Words x;
    uint64_t rank;
};

Lsq lsq(const Words &a0, const Words &b0, uint64_t m, uint64_t n, uint64_t r, uint64_t tol_bits, int minnorm,
        uint64_t p) {
    Words a = a0, b = b0;
    Lsq s{Words(n * r * (p + 1), 3), 0};
    std::vector<uint64_t> work(widefp_matrix_lsq_work_size(m, n, r, p), 0x77);
    s.rank = widefp_matrix_lsq(s.x.data(), a.data(), b.data(), m, n, r, tol_bits, minnorm, p, work.data());
    return s;
}

// The backward error of the factorisations, in units u, with M = max(m, n):
// two QR stages (of A, then of a block of R transposed) of at most
// M (12 M + 32) u each (test_qr.cpp), the products with B and the
// substitutions a few M u more.  With kappa = ||A||_F / sigma_rank and
// rho = ||r|| / (||A||_F ||x||), the perturbation of least squares moves x
// by at most eta (kappa (2 + rho) + kappa^2 rho) relative to ||x|| (first
// order; the assertion allows a factor 2 for the rest).
double eta_units(uint64_t m, uint64_t n) {
    const double M = static_cast<double>(std::max(m, n));
    return 2 * M * (12 * M + 40);
}

double worst_lsq = 0;

// Compares X with the reference and returns the error as a fraction of the bound.
double check_solution(const Lsq &s, const MpMat &ref, const MpMat &A, const MpMat &B, uint64_t m, uint64_t n,
                      uint64_t r, uint64_t rank, uint64_t p, const char *what) {
    const mpfr_prec_t pr = oc::check_prec(p);
    MpMat X = oc::from_words(s.x.data(), n, r, p);
    MpMat sv = oc::jacobi_singular_values(A);
    th::Mp an(pr, true), xn(pr, true), dn(pr, true), rn(pr, true), kappa(pr, true), rho(pr, true);
    oc::frobenius(A, an);
    oc::frobenius(ref, xn);
    oc::frobenius_diff(X, ref, dn);
    MpMat AX = oc::multiply(A, ref);
    oc::frobenius_diff(AX, B, rn);
    mpfr_div(kappa, an, sv(rank - 1, 0), MPFR_RNDN);
    mpfr_mul(rho, an, xn, MPFR_RNDN);
    mpfr_div(rho, rn, rho, MPFR_RNDN);
    const double k = mpfr_get_d(kappa, MPFR_RNDU), rh = mpfr_get_d(rho, MPFR_RNDU);
    const double bound = eta_units(m, n) * (k * (2 + rh) + k * k * rh);
    const double e = oc::in_units(dn, xn, p);
    EXPECT_LE(e, 2 * bound) << what << " m=" << m << " n=" << n << " p=" << p << " kappa=" << k;
    worst_lsq = std::max(worst_lsq, e / bound);
    return e / bound;
}

// Full column rank, tall: against the normal equations A^T A x = A^T b at
// twice the precision; square and full row rank (wide): the minimum norm
// solution A^T (A A^T)^-1 b.
TEST(Lsq, FullRankAgainstNormalEquationsAndMinimumNorm) {
    th::Rng rng(0x15);
    struct Shape {
        uint64_t m, n, r;
    };
    for (Shape s : {Shape{5, 3, 1}, Shape{8, 4, 2}, Shape{12, 5, 1}, Shape{4, 4, 1}, Shape{6, 1, 1},
                    Shape{3, 5, 2}, Shape{2, 7, 1}, Shape{1, 3, 1}}) {
        for (int rep = 0; rep < 2; ++rep) {
            const uint64_t p = random_p(rng), m = s.m, n = s.n, r = s.r;
            Words a = random_matrix(rng, m, n, p), b = random_matrix(rng, m, r, p);
            Lsq x = lsq(a, b, m, n, r, 64 * p, 1, p);
            EXPECT_EQ(x.rank, std::min(m, n));
            MpMat A = oc::from_words(a.data(), m, n, p), B = oc::from_words(b.data(), m, r, p);
            MpMat At = oc::transpose(A);
            MpMat ref = m >= n ? mp_solve(oc::multiply(At, A), oc::multiply(At, B))
                               : oc::multiply(At, mp_solve(oc::multiply(A, At), B));
            check_solution(x, ref, A, B, m, n, r, std::min(m, n), p, m >= n ? "tall" : "wide");
            // the basic solution is the same one for full column rank
            if (m >= n) {
                EXPECT_EQ(lsq(a, b, m, n, r, 64 * p, 0, p).x, x.x);
            }
        }
    }
    std::printf("full rank: largest error %.3g of the bound\n", worst_lsq);
}

// Exact rank r < min(m, n): the rank found, the minimum norm solution
// against A^+ b = M^T (M M^T)^-1 (L^T L)^-1 L^T b written through the
// normal equations of the factors, and the basic solution: zero in the last
// n - r pivoted columns, the same A x.
TEST(Lsq, RankDeficientMinimumNormAndBasic) {
    th::Rng rng(0x2d);
    struct Shape {
        uint64_t m, n, r;
    };
    worst_lsq = 0;
    for (Shape s : {Shape{6, 4, 2}, Shape{4, 4, 3}, Shape{3, 5, 2}, Shape{7, 5, 1}, Shape{5, 5, 4}, Shape{8, 6, 3}}) {
        for (int rep = 0; rep < 2; ++rep) {
            const uint64_t p = random_p(rng), m = s.m, n = s.n;
            // new factors until the product has rank r (its r-th singular
            // value clear of 0 at the reference precision)
            std::vector<double> av;
            MpMat A(m, n, oc::check_prec(p));
            for (;;) {
                av = rank_matrix(rng, m, n, s.r);
                Words aw = int_matrix(av, p);
                MpMat t = oc::from_words(aw.data(), m, n, p);
                MpMat sv = oc::jacobi_singular_values(t);
                th::Mp lim(oc::check_prec(p), true);
                mpfr_set_d(lim, 1e-20, MPFR_RNDN);
                if (mpfr_cmp(sv(s.r - 1, 0), lim) > 0) {
                    for (uint64_t i = 0; i < m; ++i)
                        for (uint64_t j = 0; j < n; ++j) mpfr_set(A(i, j), t(i, j), MPFR_RNDN);
                    break;
                }
            }
            Words a = int_matrix(av, p), b = random_matrix(rng, m, 1, p);
            // the tolerance well above the working precision's rounding
            const uint64_t tol_bits = 64 * p - 40;
            Lsq x = lsq(a, b, m, n, 1, tol_bits, 1, p);
            ASSERT_EQ(x.rank, s.r) << "m=" << m << " n=" << n << " p=" << p;
            MpMat B = oc::from_words(b.data(), m, 1, p);
            // The reference x = A^+ b: r independent rows and columns of A
            // (elimination at the reference precision) give C = A(:, cols)
            // and F = A(rows, :) with A's column and row spaces; x = F^T y
            // with C^T (A F^T y - b) = 0, a regular system of order r.
            std::vector<size_t> rows, cols;
            {
                MpMat e(A);
                std::vector<bool> used(m, false);
                th::Mp f(e.prec(), true), t(e.prec(), true);
                for (size_t j = 0; j < n && rows.size() < s.r; ++j) {
                    size_t piv = m;
                    for (size_t i = 0; i < m; ++i)
                        if (!used[i] && !mpfr_zero_p(e(i, j)) && (piv == m || mpfr_cmpabs(e(i, j), e(piv, j)) > 0))
                            piv = i;
                    if (piv == m) continue;
                    used[piv] = true;
                    rows.push_back(piv);
                    cols.push_back(j);
                    for (size_t i = 0; i < m; ++i)
                        if (!used[i]) {
                            mpfr_div(f, e(i, j), e(piv, j), MPFR_RNDN);
                            for (size_t l = 0; l < n; ++l) {
                                mpfr_mul(t, f, e(piv, l), MPFR_RNDN);
                                mpfr_sub(e(i, l), e(i, l), t, MPFR_RNDN);
                            }
                        }
                }
            }
            ASSERT_EQ(rows.size(), s.r);
            const size_t rr = s.r;
            MpMat C(m, rr, A.prec()), F(rr, n, A.prec());
            for (size_t i = 0; i < m; ++i)
                for (size_t j = 0; j < rr; ++j) mpfr_set(C(i, j), A(i, cols[j]), MPFR_RNDN);
            for (size_t i = 0; i < rr; ++i)
                for (size_t j = 0; j < n; ++j) mpfr_set(F(i, j), A(rows[i], j), MPFR_RNDN);
            MpMat Ct = oc::transpose(C), Ft = oc::transpose(F);
            MpMat y = mp_solve(oc::multiply(Ct, oc::multiply(A, Ft)), oc::multiply(Ct, B));
            MpMat ref = oc::multiply(Ft, y);
            check_solution(x, ref, A, B, m, n, 1, s.r, p, "rank deficient");
            // basic: n - r exact zeros, the same A x to the same bound
            Lsq xb = lsq(a, b, m, n, 1, tol_bits, 0, p);
            EXPECT_EQ(xb.rank, s.r);
            uint64_t zeros = 0;
            for (uint64_t j = 0; j < n; ++j) zeros += th::is_zero(&xb.x[j * (p + 1)]);
            EXPECT_GE(zeros, n - s.r);
            MpMat Xb = oc::from_words(xb.x.data(), n, 1, p);
            MpMat d1 = oc::multiply(A, Xb), d2 = oc::multiply(A, ref);
            th::Mp dn(A.prec(), true), an(A.prec(), true), xn(A.prec(), true), prod(A.prec(), true);
            oc::frobenius_diff(d1, d2, dn);
            oc::frobenius(A, an);
            oc::frobenius(Xb, xn);
            mpfr_mul(prod, an, xn, MPFR_RNDN);
            EXPECT_LE(oc::in_units(dn, prod, p), 1e6 * eta_units(m, n)) << "basic m=" << m << " n=" << n;
        }
    }
    std::printf("rank deficient: largest error %.3g of the bound\n", worst_lsq);
}

// A zero matrix has rank 0 and the zero solution; empty shapes are fine.
TEST(Lsq, ZeroAndEmptyMatrices) {
    const uint64_t p = 2, w = p + 1;
    Words z(4 * 3 * w, 0), b = int_matrix({1, 2, 3, 4}, p);
    Lsq x = lsq(z, b, 4, 3, 1, 64 * p, 1, p);
    EXPECT_EQ(x.rank, 0u);
    for (uint64_t j = 0; j < 3; ++j) EXPECT_TRUE(th::is_zero(&x.x[j * w]));
    Lsq e = lsq(Words(), Words(), 0, 3, 1, 64 * p, 1, p);
    EXPECT_EQ(e.rank, 0u);
    for (uint64_t j = 0; j < 3; ++j) EXPECT_TRUE(th::is_zero(&e.x[j * w]));
    Lsq f = lsq(Words(), b, 4, 0, 1, 64 * p, 1, p);
    EXPECT_EQ(f.rank, 0u);
}

}  // namespace
