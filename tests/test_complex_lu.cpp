// Tests of the complex LU factorisation and determinant
// (widefp_matrix_clu, widefp_matrix_cdet) against GNU MPC/MPFR.
//
// Error bounds.  Let u = 2^-64p.  Each truncating operation errs by less
// than u relative to its exact result, so a complex product a b errs by at
// most 3u |a||b| per part (two products and their sum) and a multiplier
// a(i,k) conj(pivot) / |pivot|^2 by at most 6u |l| per part.  An entry of
// the Schur complement after s steps then carries an error of at most
// (4s + 6) u (|L||U|)_ij per part, and the factors satisfy
//   P A = L U + E,   |E_ij| <= (4n + 8) u (|L||U|)_ij  per part
// (the bound asserted, n = the number of rows).  The determinant of a
// diagonally dominant matrix (condition below 4) satisfies
// |d^ - d| <= (8n^2 + 16n) u |d| (first order); the test prints the
// largest ratios seen.
#include <gtest/gtest.h>
#include <mpc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "harness.h"
#include "widefp_linalg.h"
#include "widefp_rnd.h"

namespace {

using th::Words;

constexpr mpfr_prec_t kBits = 8192;  // the references: exact for these sizes

struct CM {  // a complex matrix by rows, separate parts
    uint64_t m, n, p;
    std::vector<uint64_t> re, im;
    CM(uint64_t m_, uint64_t n_, uint64_t p_) : m(m_), n(n_), p(p_), re(m_ * n_ * (p_ + 1)), im(m_ * n_ * (p_ + 1)) {}
    uint64_t *r(uint64_t i, uint64_t j) { return re.data() + (i * n + j) * (p + 1); }
    uint64_t *c(uint64_t i, uint64_t j) { return im.data() + (i * n + j) * (p + 1); }
};

CM random_matrix(th::Rng &g, uint64_t m, uint64_t n, uint64_t p, double dominance) {
    CM a(m, n, p);
    for (uint64_t i = 0; i < m; ++i)
        for (uint64_t j = 0; j < n; ++j) {
            Words x = th::random_wr(g, p, -3, 0), y = th::random_wr(g, p, -3, 0);
            if (i == j && dominance > 0) {  // add dominance to the real part
                th::Mp t(p), d(p);
                th::to_mpfr(t, x.data(), p);
                mpfr_add_d(t, t, dominance, MPFR_RNDZ);
                x = th::from_mpfr(t, p);
            }
            std::copy(x.begin(), x.end(), a.r(i, j));
            std::copy(y.begin(), y.end(), a.c(i, j));
        }
    return a;
}

struct Mc {
    Mc() { mpc_init2(v, kBits); }
    ~Mc() { mpc_clear(v); }
    Mc(const Mc &) = delete;
    mpc_t v;
};

void to_mpc(mpc_t out, CM &a, uint64_t i, uint64_t j) {
    th::to_mpfr(mpc_realref(out), a.r(i, j), a.p);
    th::to_mpfr(mpc_imagref(out), a.c(i, j), a.p);
}

// det(A) by elimination in MPC at kBits (rounding errors far below 2^-4000).
void mpc_det(mpc_t d, CM &a) {
    const uint64_t n = a.n;
    std::vector<Mc> M(n * n);
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t j = 0; j < n; ++j) to_mpc(M[i * n + j].v, a, i, j);
    Mc t, f;
    mpc_set_ui(d, 1, MPC_RNDNN);
    for (uint64_t k = 0; k < n; ++k) {
        uint64_t q = k;
        while (q < n && mpc_cmp_si(M[q * n + k].v, 0) == 0) ++q;
        if (q == n) {
            mpc_set_ui(d, 0, MPC_RNDNN);
            return;
        }
        if (q != k) {
            for (uint64_t j = 0; j < n; ++j) mpc_swap(M[q * n + j].v, M[k * n + j].v);
            mpc_neg(d, d, MPC_RNDNN);
        }
        mpc_mul(d, d, M[k * n + k].v, MPC_RNDNN);
        for (uint64_t i = k + 1; i < n; ++i) {
            mpc_div(f.v, M[i * n + k].v, M[k * n + k].v, MPC_RNDNN);
            for (uint64_t j = k; j < n; ++j) {
                mpc_mul(t.v, f.v, M[k * n + j].v, MPC_RNDNN);
                mpc_sub(M[i * n + j].v, M[i * n + j].v, t.v, MPC_RNDNN);
            }
        }
    }
}

void det(uint64_t *dr, uint64_t *di, CM a) {
    std::vector<uint64_t> work(widefp_matrix_cdet_work_size(a.p));
    widefp_matrix_cdet(dr, di, a.re.data(), a.im.data(), a.n, a.p, work.data());
}

TEST(ComplexLU, DeterminantSmallRoundedOnce) {
    // [1+2i 3-i; 2 4i]: det = (1+2i) 4i - (3-i) 2 = -14 + 6i.  The multiplier
    // 2/(1+2i) is inexact, so the truncated result lies just below in
    // magnitude; at p+2 words rounded once to p (as the gateway does) it
    // is exact to nearest.
    const uint64_t p = 2, q = p + 2;
    CM a(2, 2, q);
    const double v[4][2] = {{1, 2}, {3, -1}, {2, 0}, {0, 4}};
    for (int e = 0; e < 4; ++e) {
        widefp_float_dtowr(a.re.data() + e * (q + 1), v[e][0], q);
        widefp_float_dtowr(a.im.data() + e * (q + 1), v[e][1], q);
    }
    Words tr(q + 1), ti(q + 1), dr(p + 1), di(p + 1);
    det(tr.data(), ti.data(), a);
    EXPECT_NE(th::hex(tr), th::hex(th::from_double(-14, q)));  // truncation shows
    // To nearest both parts are exact; the truncated parts lie toward zero,
    // so rounding down gives -14 and rounding up 6.
    for (int mode : {WIDEFP_RNDN, WIDEFP_RNDU, WIDEFP_RNDD}) {
        widefp_rnd_prec(dr.data(), p, tr.data(), q, mode);
        widefp_rnd_prec(di.data(), p, ti.data(), q, mode);
        if (mode != WIDEFP_RNDU) {
            EXPECT_EQ(th::hex(dr), th::hex(th::from_double(-14, p))) << mode;
        }
        if (mode != WIDEFP_RNDD) {
            EXPECT_EQ(th::hex(di), th::hex(th::from_double(6, p))) << mode;
        }
    }
    // A zero column: det = +0 + 0i.
    for (uint64_t i = 0; i < 2; ++i) {
        std::fill(a.r(i, 1), a.r(i, 1) + q + 1, 0);
        std::fill(a.c(i, 1), a.c(i, 1) + q + 1, 0);
    }
    det(tr.data(), ti.data(), a);
    EXPECT_TRUE(th::is_zero(tr.data()) && th::is_zero(ti.data()));
}

TEST(ComplexLU, DeterminantAgainstMpc) {
    th::Rng g(0xc1d);
    double worst = 0;
    for (uint64_t p : {2, 3, 5})
        for (uint64_t n : {1, 2, 3, 5, 8}) {
            CM a = random_matrix(g, n, n, p, n > 2 ? 2.0 * n : 0.0);
            Mc ref;
            mpc_det(ref.v, a);
            Words dr(p + 1), di(p + 1);
            det(dr.data(), di.data(), a);
            Mc got, diff;
            mpc_t &G = got.v;
            th::to_mpfr(mpc_realref(G), dr.data(), p);
            th::to_mpfr(mpc_imagref(G), di.data(), p);
            mpc_sub(diff.v, got.v, ref.v, MPC_RNDNN);
            th::Mp e(kBits, true), r(kBits, true);
            mpc_abs(e, diff.v, MPFR_RNDN);
            mpc_abs(r, ref.v, MPFR_RNDN);
            mpfr_div(e, e, r, MPFR_RNDN);
            const double ratio = std::ldexp(mpfr_get_d(e, MPFR_RNDN), static_cast<int>(64 * p));
            worst = std::max(worst, ratio / (8.0 * n * n + 16.0 * n));
            // n <= 2 is not dominant but a product of at most three operations.
            EXPECT_LE(ratio, 8.0 * n * n + 16.0 * n) << "n " << n << " p " << p;
        }
    std::printf("determinant: largest error / bound %.3g\n", worst);
}

TEST(ComplexLU, PivotRuleAndResidual) {
    th::Rng g(0x1c0);
    double worst = 0;
    struct Shape {
        uint64_t m, n;
    };
    for (uint64_t p : {2, 4})
        for (Shape s : {Shape{1, 1}, Shape{4, 4}, Shape{7, 7}, Shape{6, 3}, Shape{3, 6}}) {
            const uint64_t m = s.m, n = s.n, k = std::min(m, n);
            CM a = random_matrix(g, m, n, p, 0.0), f = a;
            std::vector<int64_t> index(m);
            std::vector<uint64_t> work(widefp_matrix_clu_work_size(p));
            widefp_matrix_clu(f.re.data(), f.im.data(), index.data(), m, n, p, work.data());
            std::vector<int64_t> sorted(index);
            std::sort(sorted.begin(), sorted.end());
            for (uint64_t i = 0; i < m; ++i) ASSERT_EQ(sorted[i], static_cast<int64_t>(i));
            Mc x, y, t, acc;
            th::Mp e(kBits, true), bound(kBits, true), mx(kBits, true), my(kBits, true);
            const double u = std::ldexp(1.0, -static_cast<int>(64 * p));
            for (uint64_t i = 0; i < m; ++i)
                for (uint64_t j = 0; j < n; ++j) {
                    // (L U)_ij and (|L||U|)_ij, L unit lower m x k, U upper k x n.
                    mpc_set_ui(acc.v, 0, MPC_RNDNN);
                    mpfr_set_ui(bound, 0, MPFR_RNDN);
                    for (uint64_t l = 0; l <= std::min({i, j, k - 1}); ++l) {
                        if (l == i)
                            mpc_set_ui(x.v, 1, MPC_RNDNN);
                        else
                            to_mpc(x.v, f, i, l);
                        to_mpc(y.v, f, l, j);
                        if (l < i) {  // partial pivoting: |l_il| <= 1 (+ rounding)
                            mpc_abs(mx, x.v, MPFR_RNDN);
                            EXPECT_LE(mpfr_get_d(mx, MPFR_RNDN), 1 + 8 * u);
                        }
                        mpc_mul(t.v, x.v, y.v, MPC_RNDNN);
                        mpc_add(acc.v, acc.v, t.v, MPC_RNDNN);
                        mpc_abs(mx, x.v, MPFR_RNDN);
                        mpc_abs(my, y.v, MPFR_RNDN);
                        mpfr_mul(mx, mx, my, MPFR_RNDN);
                        mpfr_add(bound, bound, mx, MPFR_RNDN);
                    }
                    to_mpc(x.v, a, static_cast<uint64_t>(index[i]), j);
                    mpc_sub(acc.v, acc.v, x.v, MPC_RNDNN);
                    const double b = mpfr_get_d(bound, MPFR_RNDN) * (4.0 * m + 8) * u;
                    for (mpfr_ptr part : {mpc_realref(acc.v), mpc_imagref(acc.v)}) {
                        mpfr_abs(e, part, MPFR_RNDN);
                        const double err = mpfr_get_d(e, MPFR_RNDN);
                        EXPECT_LE(err, b) << m << "x" << n << " p " << p << " (" << i << "," << j << ")";
                        if (b > 0) worst = std::max(worst, err / b);
                    }
                }
        }
    std::printf("LU residual: largest |PA - LU| / bound %.3g\n", worst);
}

TEST(ComplexLU, PivotByModulus) {
    // Column [1; 2i; -1-i]: |2i| = 2 is the largest modulus; then [.. ; ..]
    // the second column decides between the remaining rows.
    const uint64_t p = 2;
    CM a(3, 2, p);
    const double v[3][2][2] = {{{1, 0}, {1, 1}}, {{0, 2}, {0, 0}}, {{-1, -1}, {3, 0}}};
    for (uint64_t i = 0; i < 3; ++i)
        for (uint64_t j = 0; j < 2; ++j) {
            widefp_float_dtowr(a.r(i, j), v[i][j][0], p);
            widefp_float_dtowr(a.c(i, j), v[i][j][1], p);
        }
    std::vector<int64_t> index(3);
    std::vector<uint64_t> work(widefp_matrix_clu_work_size(p));
    widefp_matrix_clu(a.re.data(), a.im.data(), index.data(), 3, 2, p, work.data());
    EXPECT_EQ(index[0], 1);
    // After step 1 rows 0 and 2 hold 1+i and 3 in column 2 (the first
    // column's multipliers times 0): row 2 wins.
    EXPECT_EQ(index[1], 2);
    EXPECT_EQ(index[2], 0);
    // Multiplier of row 0: 1 / 2i = -0.5i.
    EXPECT_TRUE(th::is_zero(a.r(2, 0)));
    EXPECT_EQ(th::hex(a.c(2, 0), p + 1), th::hex(th::from_double(-0.5, p)));
}

}  // namespace
