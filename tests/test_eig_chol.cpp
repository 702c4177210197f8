// test_eig_chol.cpp -- the Cholesky factorisation and the symmetric
// eigenproblem against MPFR: residuals, orthogonality and eigenvalues
// against a cyclic Jacobi solver written here at about twice the bits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "harness.h"
#include "orth_check.h"
#include "widefp_linalg.h"

namespace {

using oc::MpMat;
using oc::jacobi_cs;
using oc::rotate_pair;
using th::Words;

// Bounds, in units u = 2^-64p of ||A||_F (or of 1 for orthogonality):
//  * an inner product accumulated at p+1 words and truncated once is off by
//    at most 2 u of the sum of its terms' magnitudes, whatever its length;
//  * a tridiagonalisation step (norm 2 u, vector 2 u, A v and the update
//    2 u each, entry by entry) is an exact reflection of A + E with
//    ||E||_F <= 12 u ||A||_F; n - 2 steps: 12 n;
//  * the orthogonal factor from the same reflections: 12 n again;
//  * a rotation: r within 2 u, c and s within 3 u, c^2 + s^2 within 8 u of
//    1, its application 2 u per entry: 16 u per rotation of two rows; a
//    sweep rotates a row at most twice: 32 T for T sweeps in all;
//  * a negligible off-diagonal entry dropped is below 2 u ||A||: 2 n.
// The sum, 26 n + 32 T, bounds ||A V - V D||_F / ||A||_F, max |(V^T V -
// I)_ij| and, by Weyl's inequality, |lambda_i - d_i| / ||A||_F.  The test
// also checks T <= 4 n (the sweeps average below 4 per value), so every
// bound is at most c n with c = 26 + 128 = 154.
double bound_units(uint64_t n, uint64_t total_sweeps) {
    return 26.0 * static_cast<double>(n) + 32.0 * static_cast<double>(total_sweeps);
}

double worst_res = 0, worst_orth = 0, worst_val = 0, worst_chol = 0, worst_gen = 0;
uint64_t worst_per_value = 0;

uint64_t at(uint64_t i, uint64_t j, uint64_t n, uint64_t p) { return (i * n + j) * (p + 1); }

// The element x (MPFR) rounded to nearest at precision p.
Words round_to(mpfr_srcptr x, uint64_t p) {
    th::Mp t(p);
    mpfr_set(t, x, MPFR_RNDN);
    return th::from_mpfr(t, p);
}

// A symmetric n x n matrix of precision p by rows from f(i, j) (j <= i),
// computed in MPFR at twice the bits and rounded to nearest.
template <class F>
Words symmetric(uint64_t n, uint64_t p, F f) {
    Words a(n * n * (p + 1));
    th::Mp x(oc::check_prec(p), true);
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t j = 0; j <= i; ++j) {
            f(x.get(), i, j);
            Words e = round_to(x, p);
            std::copy(e.begin(), e.end(), a.begin() + at(i, j, n, p));
            std::copy(e.begin(), e.end(), a.begin() + at(j, i, n, p));
        }
    return a;
}

Words hilbert(uint64_t n, uint64_t p) {
    return symmetric(n, p, [](mpfr_ptr x, uint64_t i, uint64_t j) {
        mpfr_set_ui(x, 1, MPFR_RNDN);
        mpfr_div_ui(x, x, i + j + 1, MPFR_RNDN);
    });
}

// Eigenvalues (ascending) of the symmetric matrix a by cyclic Jacobi
// rotations at a's precision, an algorithm independent of the one tested.
MpMat jacobi_values(const MpMat &a0) {
    MpMat a(a0);
    const size_t n = a.rows();
    const mpfr_prec_t pr = a.prec();
    mpfr_t th_, t, c, s, x, y, tol, off;
    mpfr_ptr all[] = {th_, t, c, s, x, y, tol, off};
    for (mpfr_ptr v : all) mpfr_init2(v, pr);
    for (int sweep = 0; sweep < 60; ++sweep) {
        bool rotated = false;
        for (size_t i = 0; i + 1 < n; ++i)
            for (size_t j = i + 1; j < n; ++j) {
                if (mpfr_zero_p(a(i, j))) continue;
                // skip when |a_ij| <= 2^-(pr-8) sqrt(|a_ii a_jj|) + tiny
                mpfr_mul(tol, a(i, i), a(j, j), MPFR_RNDN);
                mpfr_abs(tol, tol, MPFR_RNDN);
                mpfr_sqrt(tol, tol, MPFR_RNDN);
                mpfr_mul_2si(tol, tol, -(pr - 8), MPFR_RNDN);
                mpfr_abs(t, a(i, j), MPFR_RNDN);
                if (mpfr_cmp(t, tol) <= 0 && !mpfr_zero_p(tol)) {
                    mpfr_set_zero(a(i, j), 1);
                    mpfr_set_zero(a(j, i), 1);
                    continue;
                }
                rotated = true;
                mpfr_sub(th_, a(j, j), a(i, i), MPFR_RNDN);
                mpfr_div(th_, th_, a(i, j), MPFR_RNDN);
                mpfr_div_2ui(th_, th_, 1, MPFR_RNDN);
                jacobi_cs(c, s, th_, t, x);
                // A <- J^T A J with J = [c s; -s c] on (i, j)
                for (size_t k = 0; k < n; ++k) rotate_pair(a(k, i), a(k, j), c, s, x, y);  // columns
                for (size_t k = 0; k < n; ++k) rotate_pair(a(i, k), a(j, k), c, s, x, y);  // rows
            }
        if (!rotated) break;
    }
    MpMat v(n, 1, pr);
    std::vector<size_t> order(n);
    for (size_t i = 0; i < n; ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](size_t u, size_t w) { return mpfr_cmp(a(u, u), a(w, w)) < 0; });
    for (size_t i = 0; i < n; ++i) mpfr_set(v(i, 0), a(order[i], order[i]), MPFR_RNDN);
    for (mpfr_ptr x_ : all) mpfr_clear(x_);
    return v;
}

struct Result {
    Words d, v;
    uint64_t sweeps[2];
    int status;
};

Result eig(Words a, uint64_t n, uint64_t p, int vflag = 1, uint64_t max_sweeps = 0) {
    Result r;
    r.d.assign(n * (p + 1), 0);
    r.v.assign(n * n * (p + 1), 0);
    std::vector<uint64_t> work(widefp_matrix_eig_sym_work_size(n, p));
    if (!max_sweeps) max_sweeps = widefp_matrix_eig_sym_sweep_bound(p);
    r.status = widefp_matrix_eig_sym(r.d.data(), vflag ? r.v.data() : nullptr, r.sweeps, a.data(), n, vflag,
                                     max_sweeps, p, work.data());
    return r;
}

// Residual, orthogonality and the values against Jacobi's; returns the values.
void check_eig(const Words &a0, uint64_t n, uint64_t p, const char *what) {
    SCOPED_TRACE(std::string(what) + " n=" + std::to_string(n) + " p=" + std::to_string(p));
    Result r = eig(a0, n, p);
    ASSERT_EQ(r.status, 0);
    EXPECT_LE(r.sweeps[1], 4 * n);
    worst_per_value = std::max(worst_per_value, r.sweeps[0]);
    const double bound = bound_units(n, r.sweeps[1]);
    const mpfr_prec_t pr = oc::check_prec(p);
    MpMat A = oc::from_words(a0.data(), n, n, p), V = oc::from_words(r.v.data(), n, n, p);
    MpMat D = oc::from_words(r.d.data(), n, 1, p);
    for (uint64_t k = 0; k + 1 < n; ++k) EXPECT_LE(mpfr_cmp(D(k, 0), D(k + 1, 0)), 0) << "ascending";
    MpMat AV = oc::multiply(A, V), VD(n, n, pr);
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t k = 0; k < n; ++k) mpfr_mul(VD(i, k), V(i, k), D(k, 0), MPFR_RNDN);
    th::Mp res(pr, true), norm(pr, true), orth(pr, true), one(64, true), err(pr, true), t(pr, true);
    mpfr_set_ui(one, 1, MPFR_RNDN);
    oc::frobenius_diff(AV, VD, res);
    oc::frobenius(A, norm);
    if (mpfr_zero_p(norm)) mpfr_set_ui(norm, 1, MPFR_RNDN);
    double e = oc::in_units(res, norm, p);
    worst_res = std::max(worst_res, e);
    EXPECT_LE(e, bound) << "||AV - VD||";
    oc::orthogonality(V, n, orth);
    e = oc::in_units(orth, one, p);
    worst_orth = std::max(worst_orth, e);
    EXPECT_LE(e, bound) << "V^T V - I";
    MpMat ref = jacobi_values(A);
    mpfr_set_zero(err, 1);
    for (uint64_t k = 0; k < n; ++k) {
        mpfr_sub(t, D(k, 0), ref(k, 0), MPFR_RNDN);
        mpfr_abs(t, t, MPFR_RNDN);
        if (mpfr_cmp(t, err) > 0) mpfr_set(err, t, MPFR_RNDN);
    }
    e = oc::in_units(err, norm, p);
    worst_val = std::max(worst_val, e);
    EXPECT_LE(e, bound) << "eigenvalues";
    // the values alone are the same computation without the rotations of V
    Result r2 = eig(a0, n, p, 0);
    ASSERT_EQ(r2.status, 0);
    EXPECT_EQ(r2.d, r.d) << "values without vectors";
}

TEST(EigSym, Hilbert) {
    for (uint64_t p : {4, 8})
        for (uint64_t n : {6, 10, 14, 20}) {
            if (p == 8 && n == 14) continue;
            check_eig(hilbert(n, p), n, p, "Hilbert");
        }
}

// W21+: diagonal |10 - i|, off-diagonal 1; its two largest values agree to
// about 15 digits.
TEST(EigSym, Wilkinson) {
    for (uint64_t p : {4, 8}) {
        const uint64_t n = 21;
        Words a = symmetric(n, p, [](mpfr_ptr x, uint64_t i, uint64_t j) {
            mpfr_set_si(x, i == j ? std::abs(10 - static_cast<long>(i)) : (i == j + 1 ? 1 : 0), MPFR_RNDN);
        });
        check_eig(a, n, p, "W21+");
        Result r = eig(a, n, p, 0);
        Words top = r.d;
        MpMat D = oc::from_words(r.d.data(), n, 1, p);
        th::Mp gap(oc::check_prec(p), true);
        mpfr_sub(gap, D(20, 0), D(19, 0), MPFR_RNDN);
        EXPECT_GT(mpfr_get_d(gap, MPFR_RNDN), 0);
        EXPECT_LT(mpfr_get_d(gap, MPFR_RNDN), 1e-13);
    }
}

// Q diag(D) Q^T with Q a product of reflections from random vectors
// (formed in MPFR), the known values repeated.
TEST(EigSym, KnownValues) {
    th::Rng rng(0xe16);
    const uint64_t n = 12;
    for (uint64_t p : {4, 8}) {
        const mpfr_prec_t pr = oc::check_prec(p);
        MpMat Q(n, n, pr);
        for (uint64_t i = 0; i < n; ++i) mpfr_set_ui(Q(i, i), 1, MPFR_RNDN);
        th::Mp s(pr, true), t(pr, true);
        for (int h = 0; h < 3; ++h) {  // Q <- Q (I - 2 u u^T / u^T u)
            MpMat u(n, 1, pr);
            mpfr_set_zero(s, 1);
            for (uint64_t i = 0; i < n; ++i) {
                mpfr_set_si(u(i, 0), static_cast<long>(rng.below(2001)) - 1000, MPFR_RNDN);
                mpfr_fma(s, u(i, 0), u(i, 0), s, MPFR_RNDN);
            }
            MpMat Qu = oc::multiply(Q, u);
            for (uint64_t i = 0; i < n; ++i)
                for (uint64_t j = 0; j < n; ++j) {
                    mpfr_mul(t, Qu(i, 0), u(j, 0), MPFR_RNDN);
                    mpfr_div(t, t, s, MPFR_RNDN);
                    mpfr_mul_2ui(t, t, 1, MPFR_RNDN);
                    mpfr_sub(Q(i, j), Q(i, j), t, MPFR_RNDN);
                }
        }
        const long dv[n] = {3, 1, 1, 1, -2, 5, 5, 0, 7, -2, 1, 4};
        Words a = symmetric(n, p, [&](mpfr_ptr x, uint64_t i, uint64_t j) {
            mpfr_set_zero(x, 1);
            for (uint64_t k = 0; k < n; ++k) {
                mpfr_mul(t, Q(i, k), Q(j, k), MPFR_RNDN);
                mpfr_mul_si(t, t, dv[k], MPFR_RNDN);
                mpfr_add(x, x, t, MPFR_RNDN);
            }
        });
        check_eig(a, n, p, "Q D Q^T");
        // the rounding of A moves the values by a few units only
        Result r = eig(a, n, p, 0);
        std::vector<long> sorted(dv, dv + n);
        std::sort(sorted.begin(), sorted.end());
        for (uint64_t k = 0; k < n; ++k) {
            th::Mp x(p);
            th::to_mpfr(x, r.d.data() + k * (p + 1), p);
            mpfr_sub_si(x, x, sorted[k], MPFR_RNDN);
            EXPECT_LT(std::fabs(mpfr_get_d(x, MPFR_RNDN)), std::ldexp(1000.0, -64 * static_cast<int>(p))) << k;
        }
    }
}

TEST(EigSym, SmallAndStructured) {
    const uint64_t p = 4, w = p + 1;
    // zero matrix: zero values, V = I
    Result z = eig(Words(5 * 5 * w, 0), 5, p);
    ASSERT_EQ(z.status, 0);
    EXPECT_EQ(z.sweeps[1], 0u);
    for (uint64_t i = 0; i < 5; ++i) {
        EXPECT_TRUE(th::is_zero(z.d.data() + i * w));
        for (uint64_t j = 0; j < 5; ++j)
            EXPECT_EQ(z.v[at(i, j, 5, p)], i == j ? th::kBias : 0u) << i << "," << j;
    }
    // 1 x 1
    Result one = eig(th::from_double(-2.5, p), 1, p);
    EXPECT_EQ(one.d, th::from_double(-2.5, p));
    EXPECT_EQ(one.v, th::from_double(1, p));
    // diagonal: the entries sorted exactly, V a permutation
    const double dg[4] = {3, -1, 0.5, -7};
    Words a(16 * w, 0);
    for (uint64_t i = 0; i < 4; ++i) {
        Words x = th::from_double(dg[i], p);
        std::copy(x.begin(), x.end(), a.begin() + at(i, i, 4, p));
    }
    Result dr = eig(a, 4, p);
    const double sorted[4] = {-7, -1, 0.5, 3};
    const uint64_t from[4] = {3, 1, 2, 0};
    for (uint64_t k = 0; k < 4; ++k) {
        EXPECT_EQ(Words(dr.d.begin() + k * w, dr.d.begin() + (k + 1) * w), th::from_double(sorted[k], p));
        for (uint64_t i = 0; i < 4; ++i) EXPECT_EQ(dr.v[at(i, k, 4, p)], i == from[k] ? th::kBias : 0u);
    }
    // already tridiagonal, random entries; and n = 2, 3 (no reflection at all)
    th::Rng rng(0x7d);
    for (uint64_t n : {2, 3, 9}) {
        Words t(n * n * w, 0);
        for (uint64_t i = 0; i < n; ++i)
            for (uint64_t j = i; j < n && j <= i + 1; ++j) {
                Words x = th::random_wr(rng, p, -3, 3);
                std::copy(x.begin(), x.end(), t.begin() + at(i, j, n, p));
                std::copy(x.begin(), x.end(), t.begin() + at(j, i, n, p));
            }
        check_eig(t, n, p, "tridiagonal");
    }
}

TEST(EigSym, SweepLimitReported) {
    Result r = eig(hilbert(8, 4), 8, 4, 1, 1);
    EXPECT_EQ(r.status, 1);
}

// A x = lambda B x: A Hilbert, B = Hilbert + I (||B^-1|| <= 1, so forming
// R^-T A R^-1 loses little).  No bound is derived here: the residual
// A V - B V D (relative to ||A||_F), V^T B V - I and the values are held to
// 1000 n u, several times what is seen.
TEST(EigSym, Generalized) {
    for (uint64_t p : {4, 8}) {
        const uint64_t n = 8;
        Words a = hilbert(n, p);
        Words b = symmetric(n, p, [](mpfr_ptr x, uint64_t i, uint64_t j) {
            mpfr_set_ui(x, 1, MPFR_RNDN);
            mpfr_div_ui(x, x, i + j + 1, MPFR_RNDN);
            if (i == j) mpfr_add_ui(x, x, 1, MPFR_RNDN);
        });
        Words aw = a, bw = b, d(n * (p + 1)), v(n * n * (p + 1));
        std::vector<uint64_t> work(widefp_matrix_eig_sym_gen_work_size(n, p));
        ASSERT_EQ(widefp_matrix_eig_sym_gen(d.data(), v.data(), nullptr, aw.data(), bw.data(), n, 1,
                                            widefp_matrix_eig_sym_sweep_bound(p), p, work.data()),
                  0);
        const mpfr_prec_t pr = oc::check_prec(p);
        MpMat A = oc::from_words(a.data(), n, n, p), B = oc::from_words(b.data(), n, n, p);
        MpMat V = oc::from_words(v.data(), n, n, p), D = oc::from_words(d.data(), n, 1, p);
        MpMat AV = oc::multiply(A, V), BV = oc::multiply(B, V);
        for (uint64_t i = 0; i < n; ++i)
            for (uint64_t k = 0; k < n; ++k) mpfr_mul(BV(i, k), BV(i, k), D(k, 0), MPFR_RNDN);
        th::Mp res(pr, true), norm(pr, true), one(64, true);
        mpfr_set_ui(one, 1, MPFR_RNDN);
        oc::frobenius_diff(AV, BV, res);
        oc::frobenius(A, norm);
        double e = oc::in_units(res, norm, p);
        worst_gen = std::max(worst_gen, e);
        EXPECT_LE(e, 1000.0 * n) << "A V - B V D, p=" << p;
        MpMat VtBV = oc::multiply(oc::transpose(V), oc::multiply(B, V));
        for (uint64_t i = 0; i < n; ++i) mpfr_sub_ui(VtBV(i, i), VtBV(i, i), 1, MPFR_RNDN);
        oc::frobenius(VtBV, res);
        e = oc::in_units(res, one, p);
        worst_gen = std::max(worst_gen, e);
        EXPECT_LE(e, 1000.0 * n) << "V^T B V - I, p=" << p;
        // the values against Jacobi's on L^-1 A L^-T, L the Cholesky factor of B in MPFR
        MpMat L(n, n, pr);
        th::Mp t(pr, true);
        for (uint64_t j = 0; j < n; ++j) {
            mpfr_set(t, B(j, j), MPFR_RNDN);
            for (uint64_t k = 0; k < j; ++k) mpfr_fms(t, L(j, k), L(j, k), t, MPFR_RNDN), mpfr_neg(t, t, MPFR_RNDN);
            mpfr_sqrt(L(j, j), t, MPFR_RNDN);
            for (uint64_t i = j + 1; i < n; ++i) {
                mpfr_set(t, B(i, j), MPFR_RNDN);
                for (uint64_t k = 0; k < j; ++k) mpfr_fms(t, L(i, k), L(j, k), t, MPFR_RNDN), mpfr_neg(t, t, MPFR_RNDN);
                mpfr_div(L(i, j), t, L(j, j), MPFR_RNDN);
            }
        }
        MpMat X(A);  // X = L^-1 A, then C = L^-1 X^T
        for (int pass = 0; pass < 2; ++pass) {
            for (uint64_t i = 0; i < n; ++i)
                for (uint64_t j = 0; j < n; ++j) {
                    for (uint64_t k = 0; k < i; ++k) {
                        mpfr_mul(t, L(i, k), X(k, j), MPFR_RNDN);
                        mpfr_sub(X(i, j), X(i, j), t, MPFR_RNDN);
                    }
                    mpfr_div(X(i, j), X(i, j), L(i, i), MPFR_RNDN);
                }
            MpMat Xt = oc::transpose(X);
            for (uint64_t i = 0; i < n; ++i)
                for (uint64_t j = 0; j < n; ++j) mpfr_set(X(i, j), Xt(i, j), MPFR_RNDN);
        }
        MpMat ref = jacobi_values(X);
        for (uint64_t k = 0; k < n; ++k) {
            mpfr_sub(t, D(k, 0), ref(k, 0), MPFR_RNDN);
            e = oc::in_units(t, norm, p);
            worst_gen = std::max(worst_gen, std::fabs(e));
            EXPECT_LE(std::fabs(e), 1000.0 * n) << "value " << k;
        }
    }
    // B not positive definite
    const uint64_t p = 4;
    Words a(4 * (p + 1), 0), b(4 * (p + 1), 0), d(2 * (p + 1)), v(4 * (p + 1));
    for (uint64_t k : {0, 3}) {
        Words x = th::from_double(1, p);
        std::copy(x.begin(), x.end(), a.begin() + k * (p + 1));
        std::copy(x.begin(), x.end(), b.begin() + k * (p + 1));
    }
    Words m = th::from_double(2, p);
    std::copy(m.begin(), m.end(), b.begin() + 1 * (p + 1));
    std::copy(m.begin(), m.end(), b.begin() + 2 * (p + 1));
    std::vector<uint64_t> work(widefp_matrix_eig_sym_gen_work_size(2, p));
    EXPECT_EQ(widefp_matrix_eig_sym_gen(d.data(), v.data(), nullptr, a.data(), b.data(), 2, 1, 100, p, work.data()), 2);
}

// ---- Cholesky ------------------------------------------------------------------

uint64_t chol(Words &a, uint64_t n, uint64_t p) {
    std::vector<uint64_t> work(widefp_matrix_chol_work_size(p));
    return widefp_matrix_chol(a.data(), n, p, work.data());
}

// ||R^T R - A||_F / ||A||_F: each entry is one inner product at p+1
// truncated (2 u of its terms' magnitudes), a division (1 u) or a square
// root (1 u), and sum |r_ki| |r_kj| <= sqrt(a_ii a_jj): at most 4 n u.
TEST(Cholesky, Hilbert) {
    for (uint64_t p : {4, 8})
        for (uint64_t n : {6, 10, 20}) {
            Words a0 = hilbert(n, p), a = a0;
            ASSERT_EQ(chol(a, n, p), 0u) << n;
            const mpfr_prec_t pr = oc::check_prec(p);
            MpMat A = oc::from_words(a0.data(), n, n, p), R = oc::from_words(a.data(), n, n, p);
            for (uint64_t i = 0; i < n; ++i) {
                EXPECT_GT(mpfr_sgn(R(i, i)), 0);
                for (uint64_t j = 0; j < i; ++j) EXPECT_TRUE(mpfr_zero_p(R(i, j)));
            }
            MpMat RtR = oc::multiply(oc::transpose(R), R);
            th::Mp res(pr, true), norm(pr, true);
            oc::frobenius_diff(RtR, A, res);
            oc::frobenius(A, norm);
            const double e = oc::in_units(res, norm, p);
            worst_chol = std::max(worst_chol, e);
            EXPECT_LE(e, 4.0 * static_cast<double>(n)) << "n=" << n << " p=" << p;
        }
}

// A = R0^T R0 with integer R0 whose 4th diagonal entry is 0: the pivots are
// exact, the 4th is zero; with A(5,5) - 1 instead the 4th is made 1 and the
// 5th negative.  Also the lower triangle is never read.
TEST(Cholesky, FailingPivot) {
    const uint64_t p = 4, n = 6, w = p + 1;
    const long r0[n][n] = {{2, 1, -1, 3, 0, 1}, {0, 1, 2, 0, 1, -1}, {0, 0, 3, 1, 1, 2},
                           {0, 0, 0, 0, 2, 1},  {0, 0, 0, 0, 1, 1},  {0, 0, 0, 0, 0, 2}};
    for (int variant = 0; variant < 2; ++variant) {
        long r[n][n];
        std::copy(&r0[0][0], &r0[0][0] + n * n, &r[0][0]);
        if (variant == 1) r[3][3] = 1;
        Words a(n * n * w, 0);
        for (uint64_t i = 0; i < n; ++i)
            for (uint64_t j = i; j < n; ++j) {
                long s = 0;
                for (uint64_t k = 0; k < n; ++k) s += r[k][i] * r[k][j];
                if (variant == 1 && i == 4 && j == 4) s -= 5;  // pivot 5: 1 - 5 < 0
                Words x = th::from_double(static_cast<double>(s), p);
                std::copy(x.begin(), x.end(), a.begin() + at(i, j, n, p));
                Words junk = th::from_double(1e30, p);  // below the diagonal: never read
                if (j > i) std::copy(junk.begin(), junk.end(), a.begin() + at(j, i, n, p));
            }
        const uint64_t k = chol(a, n, p);
        EXPECT_EQ(k, variant == 0 ? 4u : 5u);
        for (uint64_t i = 0; i + 1 < k; ++i)
            for (uint64_t j = i; j + 1 < k; ++j)
                EXPECT_EQ(Words(a.begin() + at(i, j, n, p), a.begin() + at(i, j, n, p) + w),
                          th::from_double(static_cast<double>(r[i][j]), p))
                    << i << "," << j;
    }
    Words b(4 * w, 0);  // [1 2; 2 1]
    for (uint64_t k = 0; k < 4; ++k) {
        Words x = th::from_double(k == 0 || k == 3 ? 1 : 2, p);
        std::copy(x.begin(), x.end(), b.begin() + k * w);
    }
    EXPECT_EQ(chol(b, 2, p), 2u);
    Words m = th::from_double(-1, p);
    EXPECT_EQ(chol(m, 1, p), 1u);
    Words zero(w, 0);
    EXPECT_EQ(chol(zero, 1, p), 1u);
}

TEST(EigChol, Summary) {
    std::printf("largest errors (units of 2^-64p): eig residual %.1f, orthogonality %.1f, values %.1f; "
                "generalized %.1f; Cholesky residual %.2f; most sweeps for one value %llu\n",
                worst_res, worst_orth, worst_val, worst_gen, worst_chol,
                static_cast<unsigned long long>(worst_per_value));
}

}  // namespace
