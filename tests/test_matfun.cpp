// test_matfun.cpp -- expm, sqrtm, logm, the Hessenberg form and balancing
// against MPFR references at higher precision or closed forms.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "harness.h"
#include "widefp_linalg.h"

namespace {

using th::Words;

// An n-by-n MPFR matrix by rows.
struct MpMat {
    uint64_t n;
    std::vector<__mpfr_struct> v;
    MpMat(uint64_t n_, mpfr_prec_t bits) : n(n_), v(n_ * n_) {
        th::Mp::widen_range();
        for (auto &x : v) mpfr_init2(&x, bits), mpfr_set_zero(&x, 1);
    }
    ~MpMat() {
        for (auto &x : v) mpfr_clear(&x);
    }
    MpMat(const MpMat &) = delete;
    mpfr_ptr operator()(uint64_t i, uint64_t j) { return &v[i * n + j]; }
};

mpfr_prec_t ref_bits(uint64_t p) { return static_cast<mpfr_prec_t>(64 * p + 400); }

void load(MpMat &M, const Words &A, uint64_t p) {
    for (uint64_t e = 0; e < M.n * M.n; ++e) th::to_mpfr(&M.v[e], A.data() + e * (p + 1), p);
}
// C = A B
void mp_mul(MpMat &C, MpMat &A, MpMat &B) {
    th::Mp t(mpfr_get_prec(C(0, 0)), true);
    for (uint64_t i = 0; i < C.n; ++i)
        for (uint64_t j = 0; j < C.n; ++j) {
            mpfr_set_zero(C(i, j), 1);
            for (uint64_t l = 0; l < C.n; ++l) {
                mpfr_mul(t, A(i, l), B(l, j), MPFR_RNDN);
                mpfr_add(C(i, j), C(i, j), t, MPFR_RNDN);
            }
        }
}
// max |X - R| / max |R| in units of 2^-64p.
double rel_units(MpMat &X, MpMat &R, uint64_t p) {
    th::Mp d(ref_bits(p), true), big(ref_bits(p), true), worst(ref_bits(p), true);
    for (uint64_t e = 0; e < R.n * R.n; ++e) {
        mpfr_sub(d, &X.v[e], &R.v[e], MPFR_RNDN);
        mpfr_abs(d, d, MPFR_RNDN);
        if (mpfr_cmp(d, worst) > 0) mpfr_set(worst, d, MPFR_RNDN);
        mpfr_abs(d, &R.v[e], MPFR_RNDN);
        if (mpfr_cmp(d, big) > 0) mpfr_set(big, d, MPFR_RNDN);
    }
    mpfr_div(worst, worst, big, MPFR_RNDN);
    mpfr_mul_2si(worst, worst, static_cast<long>(64 * p), MPFR_RNDN);
    return mpfr_get_d(worst, MPFR_RNDN);
}

Words mat_from_doubles(const std::vector<double> &d, uint64_t p) {
    Words A(d.size() * (p + 1), 0);
    for (size_t e = 0; e < d.size(); ++e) widefp_float_dtowr(A.data() + e * (p + 1), d[e], p);
    return A;
}
Words random_mat(th::Rng &r, uint64_t n, uint64_t p, int64_t emin = -3, int64_t emax = 1) {
    Words A(n * n * (p + 1));
    for (uint64_t e = 0; e < n * n; ++e) {
        Words x = th::random_wr(r, p, emin, emax);
        std::copy(x.begin(), x.end(), A.begin() + static_cast<long>(e * (p + 1)));
    }
    return A;
}
// A symmetric positive definite matrix B B^T + c I with B random (exact at 64p+1 bits rounded).
Words random_spd(th::Rng &r, uint64_t n, uint64_t p, double c, int64_t emax = 1) {
    Words B = random_mat(r, n, p, emax - 4, emax);
    MpMat Bm(n, ref_bits(p)), S(n, ref_bits(p));
    load(Bm, B, p);
    Words A(n * n * (p + 1));
    th::Mp t(ref_bits(p), true);
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t j = 0; j < n; ++j) {
            mpfr_set_d(S(i, j), i == j ? c : 0, MPFR_RNDN);
            for (uint64_t l = 0; l < n; ++l) {
                mpfr_mul(t, Bm(i, l), Bm(j, l), MPFR_RNDN);
                mpfr_add(S(i, j), S(i, j), t, MPFR_RNDN);
            }
        }
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t j = 0; j < n; ++j) {  // symmetric by construction: round the upper triangle once
            th::Mp x(static_cast<mpfr_prec_t>(64 * p + 1), true);
            mpfr_set(x, S(std::min(i, j), std::max(i, j)), MPFR_RNDN);
            Words wv = th::from_mpfr(x, p);
            std::copy(wv.begin(), wv.end(), A.begin() + static_cast<long>((i * n + j) * (p + 1)));
        }
    return A;
}

Words expm(const Words &A, uint64_t n, uint64_t p) {
    Words E(n * n * (p + 1), 0), work(widefp_matrix_expm_work_size(n, p));
    widefp_matrix_expm(E.data(), A.data(), n, p, work.data());
    return E;
}
int sqrtm(Words &S, const Words &A, uint64_t n, uint64_t p) {
    S.assign(n * n * (p + 1), 0);
    Words work(widefp_matrix_sqrtm_work_size(n, p));
    return widefp_matrix_sqrtm(S.data(), A.data(), n, p, work.data());
}
int logm(Words &L, const Words &A, uint64_t n, uint64_t p) {
    L.assign(n * n * (p + 1), 0);
    Words work(widefp_matrix_logm_work_size(n, p));
    return widefp_matrix_logm(L.data(), A.data(), n, p, work.data());
}

// Bound of the exponential's error (units of u, max-norm relative) for a
// matrix without a hump (widefp_linalg.h): 2^s (2 sqrt(m) + 4) n u with
// 2^s <= 2^25 max(1, ||A||_1) and 2 sqrt(m) + 4 <= 36 for the degrees
// used here, times 4 for the max norm against the 1-norm.
double expm_bound(double norm1, uint64_t n) {
    return 4.0 * std::exp2(std::ceil(std::log2(std::max(1.0, norm1))) + 25) * 36 * static_cast<double>(n);
}

// e^A at 64p+1 bits rounded to nearest from the library's result at p+2 words.
Words expm_rounded(const Words &A, uint64_t n, uint64_t p) {
    const uint64_t q = p + 2;
    Words Aq(n * n * (q + 1)), out(n * n * (p + 1));
    for (uint64_t e = 0; e < n * n; ++e) {
        th::Mp x(static_cast<mpfr_prec_t>(64 * q + 1), true);
        th::to_mpfr(x, A.data() + e * (p + 1), p);
        Words wq = th::from_mpfr(x, q);
        std::copy(wq.begin(), wq.end(), Aq.begin() + static_cast<long>(e * (q + 1)));
    }
    Words Eq(n * n * (q + 1)), work(widefp_matrix_expm_work_size(n, q));
    widefp_matrix_expm(Eq.data(), Aq.data(), n, q, work.data());
    for (uint64_t e = 0; e < n * n; ++e) {
        th::Mp x(static_cast<mpfr_prec_t>(64 * q + 1), true), y(static_cast<mpfr_prec_t>(64 * p + 1), true);
        th::to_mpfr(x, Eq.data() + e * (q + 1), q);
        mpfr_set(y, x, MPFR_RNDN);
        Words wp = th::from_mpfr(y, p);
        std::copy(wp.begin(), wp.end(), out.begin() + static_cast<long>(e * (p + 1)));
    }
    return out;
}

double worst_expm = 0, worst_sqrtm = 0, worst_logm = 0, worst_hess = 0;

TEST(Expm, NilpotentIsTheFiniteSeries) {
    th::Rng r(11);
    for (uint64_t p : {2, 3, 5, 9, 17}) {
        const uint64_t n = 4;
        Words A = random_mat(r, n, p, -2, 2);
        for (uint64_t i = 0; i < n; ++i)
            for (uint64_t j = 0; j <= i; ++j) std::fill_n(A.begin() + static_cast<long>((i * n + j) * (p + 1)), p + 1, 0);
        MpMat Am(n, ref_bits(p)), P(n, ref_bits(p)), T(n, ref_bits(p)), R(n, ref_bits(p)), X(n, ref_bits(p));
        load(Am, A, p);
        // R = I + A + A^2/2 + A^3/6, exactly at this precision
        for (uint64_t i = 0; i < n; ++i) mpfr_set_ui(R(i, i), 1, MPFR_RNDN);
        for (uint64_t e = 0; e < n * n; ++e) mpfr_set(&P.v[e], &Am.v[e], MPFR_RNDN);
        for (unsigned k = 1; k < n; ++k) {
            for (uint64_t e = 0; e < n * n; ++e) {
                mpfr_t t;
                mpfr_init2(t, ref_bits(p));
                mpfr_div_ui(t, &P.v[e], 1, MPFR_RNDN);
                mpfr_add(&R.v[e], &R.v[e], t, MPFR_RNDN);
                mpfr_clear(t);
            }
            mp_mul(T, P, Am);
            for (uint64_t e = 0; e < n * n; ++e) mpfr_div_ui(&P.v[e], &T.v[e], k + 1, MPFR_RNDN);
        }
        Words E = expm(A, n, p);
        load(X, E, p);
        const double err = rel_units(X, R, p);
        if (std::getenv("WIDEFP_VERBOSE")) std::printf("nilpotent p=%d: %g\n", (int)p, err);
        worst_expm = std::max(worst_expm, err);
        EXPECT_LE(err, expm_bound(40, n)) << "p=" << p;
        for (uint64_t i = 0; i < n; ++i)
            for (uint64_t j = 0; j < i; ++j) EXPECT_TRUE(th::is_zero(E.data() + (i * n + j) * (p + 1)));
    }
}

TEST(Expm, DiagonalRotationAndTwoByTwo) {
    th::Rng r(12);
    for (uint64_t p : {2, 4, 7, 12, 30}) {
        // diagonal: e^d_i on the diagonal, zeros off it
        const uint64_t n = 3;
        std::vector<double> d = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
        d[0] = -3.25, d[4] = 0.5, d[8] = 9.75;
        Words A = mat_from_doubles(d, p), E = expm(A, n, p);
        MpMat R(n, ref_bits(p)), X(n, ref_bits(p));
        for (uint64_t i = 0; i < n; ++i) {
            mpfr_set_d(R(i, i), d[i * 4], MPFR_RNDN);
            mpfr_exp(R(i, i), R(i, i), MPFR_RNDN);
        }
        load(X, E, p);
        for (uint64_t i = 0; i < n; ++i) {
            const double e = th::error_in_ulp64(X(i, i), R(i, i), p) / 18446744073709551616.0;
            worst_expm = std::max(worst_expm, e);
            EXPECT_LE(e, expm_bound(9.75, 1) * 32) << "p=" << p << " i=" << i;  // relative to e^d_i itself
            if (std::getenv("WIDEFP_VERBOSE")) std::printf("diagonal p=%d i=%d: %g\n", (int)p, (int)i, e);
            for (uint64_t j = 0; j < n; ++j) {
                if (i != j) {
                    EXPECT_TRUE(th::is_zero(E.data() + (i * n + j) * (p + 1)));
                }
            }
        }
        // rotation generator [0 -t; t 0]: [cos t, -sin t; sin t, cos t]
        const double t = 2.5;
        Words G = mat_from_doubles({0, -t, t, 0}, p), Eg = expm(G, 2, p);
        MpMat Rg(2, ref_bits(p)), Xg(2, ref_bits(p));
        mpfr_set_d(Rg(0, 0), t, MPFR_RNDN);
        mpfr_sin_cos(Rg(1, 0), Rg(0, 0), Rg(0, 0), MPFR_RNDN);
        mpfr_neg(Rg(0, 1), Rg(1, 0), MPFR_RNDN);
        mpfr_set(Rg(1, 1), Rg(0, 0), MPFR_RNDN);
        load(Xg, Eg, p);
        double e = rel_units(Xg, Rg, p);
        worst_expm = std::max(worst_expm, e);
        EXPECT_LE(e, expm_bound(t, 2)) << "rotation p=" << p;
        // [1 2; 3 4]: eigenvalues l+- = (5 +- sqrt 33)/2,
        // e^A = (e^l+ (A - l- I) - e^l- (A - l+ I)) / (l+ - l-)
        Words B = mat_from_doubles({1, 2, 3, 4}, p), Eb = expm(B, 2, p);
        const mpfr_prec_t hb = ref_bits(p);
        th::Mp s(hb, true), lp(hb, true), lm(hb, true), ep(hb, true), em(hb, true), dl(hb, true), x(hb, true);
        mpfr_sqrt_ui(s, 33, MPFR_RNDN);
        mpfr_add_ui(lp, s, 5, MPFR_RNDN), mpfr_div_2ui(lp, lp, 1, MPFR_RNDN);
        mpfr_ui_sub(lm, 5, s, MPFR_RNDN), mpfr_div_2ui(lm, lm, 1, MPFR_RNDN);
        mpfr_exp(ep, lp, MPFR_RNDN), mpfr_exp(em, lm, MPFR_RNDN);
        mpfr_sub(dl, lp, lm, MPFR_RNDN);
        MpMat Rb(2, hb), Xb(2, hb);
        const double b[4] = {1, 2, 3, 4};
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j) {
                mpfr_ptr out = Rb(i, j);
                // e^l+ (b - l- [i==j]) - e^l- (b - l+ [i==j])
                mpfr_set_d(x, b[i * 2 + j], MPFR_RNDN);
                if (i == j) mpfr_sub(x, x, lm, MPFR_RNDN);
                mpfr_mul(out, x, ep, MPFR_RNDN);
                mpfr_set_d(x, b[i * 2 + j], MPFR_RNDN);
                if (i == j) mpfr_sub(x, x, lp, MPFR_RNDN);
                mpfr_mul(x, x, em, MPFR_RNDN);
                mpfr_sub(out, out, x, MPFR_RNDN);
                mpfr_div(out, out, dl, MPFR_RNDN);
            }
        load(Xb, Eb, p);
        e = rel_units(Xb, Rb, p);
        worst_expm = std::max(worst_expm, e);
        EXPECT_LE(e, expm_bound(6, 2)) << "[1 2; 3 4] p=" << p;
    }
    (void)r;
}

TEST(Sqrtm, SquareIsASymmetricPositiveDefiniteMatrix) {
    th::Rng r(13);
    for (uint64_t p : {2, 3, 4, 6, 11}) {
        for (uint64_t n : {1, 2, 5}) {
            Words A = random_spd(r, n, p, 0.25), S;
            ASSERT_EQ(sqrtm(S, A, n, p), 0) << "p=" << p << " n=" << n;
            MpMat Sm(n, ref_bits(p)), S2(n, ref_bits(p)), Am(n, ref_bits(p));
            load(Sm, S, p);
            load(Am, A, p);
            mp_mul(S2, Sm, Sm);
            const double e = rel_units(S2, Am, p);
            worst_sqrtm = std::max(worst_sqrtm, e);
            // the iteration's own error below 1 u; rounding n u kappa per step
            // (kappa(S) <= ~60 here), some 12 steps
            EXPECT_LE(e, 2000.0 * static_cast<double>(n)) << "p=" << p << " n=" << n;
        }
    }
    // a negative eigenvalue: no convergence, or a singular iterate
    const uint64_t p = 3;
    Words N = mat_from_doubles({-1, 0, 0, 4}, p), S;
    EXPECT_NE(sqrtm(S, N, 2, p), 0);
    Words Z(4 * (p + 1), 0);
    EXPECT_EQ(sqrtm(S, Z, 2, p), 0);
    for (uint64_t e = 0; e < 4; ++e) EXPECT_TRUE(th::is_zero(S.data() + e * (p + 1)));
}

TEST(Logm, UndoesTheExponentialOfASymmetricMatrix) {
    th::Rng r(14);
    for (uint64_t p : {2, 3, 5, 8}) {
        for (uint64_t n : {1, 3, 4}) {
            Words A = random_spd(r, n, p, 0.0, -1);
            // A symmetric with norm below n/4: e^A has condition below e^(n/2)
            Words E = expm_rounded(A, n, p), L;
            ASSERT_EQ(logm(L, E, n, p), 0) << "p=" << p << " n=" << n;
            MpMat Lm(n, ref_bits(p)), Am(n, ref_bits(p));
            load(Lm, L, p);
            load(Am, A, p);
            const double e = rel_units(Lm, Am, p);
            worst_logm = std::max(worst_logm, e);
            th::Mp big(ref_bits(p), true), t(ref_bits(p), true);
            for (uint64_t k = 0; k < n * n; ++k) {
                mpfr_abs(t, &Am.v[k], MPFR_RNDN);
                if (mpfr_cmp(t, big) > 0) mpfr_set(big, t, MPFR_RNDN);
            }
            const double a = mpfr_get_d(big, MPFR_RNDN);
            // e^A rounded (1/2 u relative to ||e^A|| <= e^(n/4)) passes to the
            // log through its condition, about 1 / max|A_ij| near I; the
            // roots and the series add some 100 n u.
            EXPECT_LE(e, 100.0 * static_cast<double>(n) * (1 + 1 / a)) << "p=" << p << " n=" << n;
        }
    }
    const uint64_t p = 2;
    Words I = mat_from_doubles({1, 0, 0, 1}, p), L;
    EXPECT_EQ(logm(L, I, 2, p), 0);
    for (uint64_t e = 0; e < 4; ++e) EXPECT_TRUE(th::is_zero(L.data() + e * (p + 1)));
    // log of [2 1; 0 2] = [log 2, 1/2; 0, log 2]
    for (uint64_t q : {2, 6}) {
        Words J = mat_from_doubles({2, 1, 0, 2}, q);
        ASSERT_EQ(logm(L, J, 2, q), 0);
        MpMat R(2, ref_bits(q)), X(2, ref_bits(q));
        mpfr_const_log2(R(0, 0), MPFR_RNDN);
        mpfr_set(R(1, 1), R(0, 0), MPFR_RNDN);
        mpfr_set_d(R(0, 1), 0.5, MPFR_RNDN);
        load(X, L, q);
        const double e = rel_units(X, R, q);
        worst_logm = std::max(worst_logm, e);
        EXPECT_LE(e, 200.0) << "q=" << q;
    }
}

TEST(Hess, OrthogonalFactorHessenbergFormAndResidual) {
    th::Rng r(15);
    for (uint64_t p : {2, 3, 4, 9}) {
        for (uint64_t n : {1, 2, 3, 6}) {
            Words A = random_mat(r, n, p), H = A, P(A.size()), work(widefp_matrix_hess_work_size(n, p));
            widefp_matrix_hess(H.data(), P.data(), n, 1, p, work.data());
            for (uint64_t i = 0; i < n; ++i)
                for (uint64_t j = 0; j + 1 < i; ++j) EXPECT_TRUE(th::is_zero(H.data() + (i * n + j) * (p + 1)));
            MpMat Pm(n, ref_bits(p)), Pt(n, ref_bits(p)), Hm(n, ref_bits(p)), T(n, ref_bits(p)),
                R(n, ref_bits(p)), Am(n, ref_bits(p)), I(n, ref_bits(p));
            load(Pm, P, p);
            load(Hm, H, p);
            load(Am, A, p);
            for (uint64_t i = 0; i < n; ++i) {
                mpfr_set_ui(I(i, i), 1, MPFR_RNDN);
                for (uint64_t j = 0; j < n; ++j) mpfr_set(Pt(i, j), Pm(j, i), MPFR_RNDN);
            }
            mp_mul(T, Pm, Hm);
            mp_mul(R, T, Pt);
            mp_mul(T, Pt, Pm);
            const double bound = 6.0 * static_cast<double>(n * n) * 4 + 16;
            const double e1 = rel_units(R, Am, p), e2 = rel_units(T, I, p);
            worst_hess = std::max({worst_hess, e1, e2});
            EXPECT_LE(e1, bound) << "residual p=" << p << " n=" << n;
            EXPECT_LE(e2, bound) << "orthogonality p=" << p << " n=" << n;
            for (uint64_t j = 0; j < n; ++j) {  // first row and column of P those of I
                EXPECT_EQ(mpfr_cmp_ui(Pm(0, j), j == 0), 0);
                EXPECT_EQ(mpfr_cmp_ui(Pm(j, 0), j == 0), 0);
            }
        }
    }
}

// AA = DD^-1 A DD exactly: AA(i, j) = A(perm i, perm j) 2^(d_j - d_i).
void check_balance_exact(const Words &A, const Words &AA, const std::vector<int64_t> &d,
                         const std::vector<int64_t> &perm, uint64_t n, uint64_t p) {
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t j = 0; j < n; ++j) {
            Words x(A.begin() + static_cast<long>((perm[i] * n + perm[j]) * (p + 1)),
                    A.begin() + static_cast<long>((perm[i] * n + perm[j] + 1) * (p + 1)));
            if (!th::is_zero(x.data())) x[0] += static_cast<uint64_t>(d[j] - d[i]);
            EXPECT_TRUE(th::same_value(x.data(), AA.data() + (i * n + j) * (p + 1), p)) << i << "," << j;
        }
}

std::vector<int64_t> run_balance(Words &AA, std::vector<int64_t> &perm, uint64_t n, uint64_t p, int permute = 1,
                                 int scale = 1) {
    std::vector<int64_t> d(n);
    perm.assign(n, -1);
    Words work(widefp_matrix_balance_work_size(n));
    widefp_matrix_balance(AA.data(), d.data(), perm.data(), n, permute, scale, p, work.data());
    return d;
}

TEST(Balance, ExactSimilarityAndOctavesChoices) {
    const uint64_t p = 3;
    // Octave: [DD, AA] = balance ([1 100; 0.01 1]) gives DD = diag (16, 1/4).
    Words A = mat_from_doubles({1, 100, 0.01, 1}, p), AA = A;
    std::vector<int64_t> perm;
    std::vector<int64_t> d = run_balance(AA, perm, 2, p);
    EXPECT_EQ(d, (std::vector<int64_t>{4, -2}));
    EXPECT_EQ(perm, (std::vector<int64_t>{0, 1}));
    check_balance_exact(A, AA, d, perm, 2, p);
    // Octave: [S, P, AA] = balance ([1 0 0; 2 3 4; 5 0 6]): P = [2 3 1], AA = [3 4 2; 0 6 5; 0 0 1].
    Words B = mat_from_doubles({1, 0, 0, 2, 3, 4, 5, 0, 6}, p), BB = B;
    d = run_balance(BB, perm, 3, p);
    EXPECT_EQ(perm, (std::vector<int64_t>{1, 2, 0}));
    EXPECT_EQ(d, (std::vector<int64_t>{0, 0, 0}));
    check_balance_exact(B, BB, d, perm, 3, p);
    // random badly scaled matrices: exact similarity, norms evened out
    th::Rng r(16);
    for (uint64_t n : {3, 5, 7}) {
        Words C = random_mat(r, n, p, -40, 40), CC = C;
        d = run_balance(CC, perm, n, p);
        check_balance_exact(C, CC, d, perm, n, p);
        CC = C;
        d = run_balance(CC, perm, n, p, 0, 1);
        for (uint64_t i = 0; i < n; ++i) EXPECT_EQ(perm[i], static_cast<int64_t>(i));
        check_balance_exact(C, CC, d, perm, n, p);
        CC = C;
        d = run_balance(CC, perm, n, p, 1, 0);
        for (uint64_t i = 0; i < n; ++i) EXPECT_EQ(d[i], 0);
        check_balance_exact(C, CC, d, perm, n, p);
    }
}

TEST(Matfun, Report) {
    std::printf("largest errors (units of 2^-64p, max-norm relative): expm %.3g, sqrtm (S^2 - A) %.3g, "
                "logm(expm(A)) - A %.3g, hess %.3g\n",
                worst_expm, worst_sqrtm, worst_logm, worst_hess);
}

}  // namespace
