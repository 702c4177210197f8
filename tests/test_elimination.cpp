// Tests of the elimination plug-ins' algorithms (LU factorisation, inverse,
// linear solve, determinant) on Hilbert matrices, whose exact inverses and
// determinants are integers and rationals computed here with GMP, and on the
// small matrices where the pivot rule, the row interchanges and the
// zero-pivot behaviour show exactly.
//
// Error bounds.  Let u = 2^-64p: every truncating operation errs by less than
// u (1 + 2^-30) relative to its exact result (a unit of the last place is at
// most 2^-64p of the value; the column product and the quotient add a few
// 2^-64 of a unit).  The input H^ is the Hilbert matrix H rounded to nearest,
// |H^ - H| <= (u/2) H.  Gaussian elimination in this arithmetic gives
//   P H^ = L U + E_lu,        |E_lu| <= gamma_n |L||U|          (factorisation)
//   (H^ + dA) x^ = b,         |dA|   <= gamma_3n |L||U|         (each column solved)
// with gamma_k = k u / (1 - k u).  For the Hilbert matrix (symmetric positive
// definite and totally positive; the pivots meet near-ties that rounding
// decides) the computed factors satisfy |L||U| <= rho P H entrywise with a
// small rho: the LU test below measures it (1.59 at n = 30) and asserts
// rho <= 2.  Hence, to first order in u,
//   inverse and solve:  ||x^ - x|| / ||x|| <= cond (3 n rho + 1/2 + 1/2) u <= 7 n cond u
//     (cond = ||H||oo ||H^-1||oo; the second 1/2 is the rounding of b = H 1),
//   determinant:        |d^ - d| / |d| <= |tr(H^-1 (dA + H^ - H))| + n u
//                                     <= ((n rho + 1/2) tau + n) u <= 3 n tau u,
//     tau = sum_ij |H^-1_ij| H_ji <= n cond (the product of the n pivots adds n u).
// So the asserted bounds are 7 n cond u for wr_inv and wr_solve and 3 n tau u
// (<= 3 n^2 cond u) for wr_det; each test prints the largest ratio seen.  The
// pairs (n, p) tried keep n cond u below 2^-20, where first order holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "harness.h"
#include "kernel/heap.h"
#include "widefp_linalg.h"

namespace {
// The determinant with its work array.
void det(uint64_t *A, uint64_t n, uint64_t p, uint64_t *d) {
    std::vector<uint64_t> work(widefp_matrix_det_work_size(p));
    widefp_matrix_det(d, A, n, p, work.data());
}
}  // namespace

namespace {

using th::Mp;
using th::Words;

constexpr uint64_t kOne = 0x3fffffffffffffffULL;
const double kSlack = 1.0 + std::ldexp(1.0, -30);

// Plain GMP integer with value semantics.
struct Z {
    mpz_t v;
    Z() { mpz_init(v); }
    Z(const Z &o) { mpz_init_set(v, o.v); }
    Z &operator=(const Z &o) {
        mpz_set(v, o.v);
        return *this;
    }
    ~Z() { mpz_clear(v); }
};

// Exact inverse of the n x n Hilbert matrix, by rows (1-based formula).
std::vector<Z> hilbert_inverse(uint64_t n) {
    std::vector<Z> x(n * n);
    Z b;
    for (uint64_t i = 1; i <= n; ++i)
        for (uint64_t j = 1; j <= n; ++j) {
            mpz_ptr v = x[(i - 1) * n + (j - 1)].v;
            mpz_set_ui(v, i + j - 1);
            mpz_bin_uiui(b.v, n + i - 1, n - j);
            mpz_mul(v, v, b.v);
            mpz_bin_uiui(b.v, n + j - 1, n - i);
            mpz_mul(v, v, b.v);
            mpz_bin_uiui(b.v, i + j - 2, i - 1);
            mpz_mul(v, v, b.v);
            mpz_mul(v, v, b.v);
            if ((i + j) & 1) mpz_neg(v, v);
        }
    return x;
}

// det H_n = c_n^4 / c_2n, c_k = 1! 2! ... (k-1)!.
void hilbert_det(mpq_ptr d, uint64_t n) {
    auto c = [](mpz_ptr r, uint64_t k) {
        Z f;
        mpz_set_ui(r, 1);
        for (uint64_t i = 1; i < k; ++i) {
            mpz_fac_ui(f.v, i);
            mpz_mul(r, r, f.v);
        }
    };
    Z num, den;
    c(num.v, n);
    mpz_pow_ui(num.v, num.v, 4);
    c(den.v, 2 * n);
    mpq_set_num(d, num.v);
    mpq_set_den(d, den.v);
    mpq_canonicalize(d);
}

// The Hilbert matrix rounded to nearest at precision p, by rows, with c
// columns reserved per row (the left n hold H).
Words hilbert(uint64_t n, uint64_t c, uint64_t p) {
    Words M(n * c * (p + 1), 0);
    Mp h(p);
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t j = 0; j < n; ++j) {
            mpfr_set_ui(h, 1, MPFR_RNDN);
            mpfr_div_ui(h, h, i + j + 1, MPFR_RNDN);
            Words e = th::from_mpfr(h, p);
            std::copy(e.begin(), e.end(), M.begin() + (i * c + j) * (p + 1));
        }
    return M;
}

// Quantities of the exact Hilbert matrix used by the bounds.
struct HilbertFacts {
    double cond;  // ||H||oo ||H^-1||oo
    double tau;   // sum_ij |H^-1_ij| H_ij
};
HilbertFacts hilbert_facts(uint64_t n, const std::vector<Z> &x) {
    double norm_h = 0, norm_x = 0, tau = 0;
    for (uint64_t j = 0; j < n; ++j) norm_h += 1.0 / static_cast<double>(j + 1);
    for (uint64_t i = 0; i < n; ++i) {
        double row = 0;
        for (uint64_t j = 0; j < n; ++j) {
            double a = std::fabs(mpz_get_d(x[i * n + j].v));
            row += a;
            tau += a / static_cast<double>(i + j + 1);
        }
        norm_x = std::max(norm_x, row);
    }
    return {norm_h * norm_x, tau};
}

// Relative infinity-norm error of the n x c block at column offset off of
// the element array Xh (by rows, cols columns) against exact values given as
// MPFR numbers, in units of 2^-64p.
double block_error(const Words &Xh, uint64_t cols, uint64_t off, uint64_t n, uint64_t c,
                   const std::vector<Mp *> &exact, uint64_t p) {
    const mpfr_prec_t hp = static_cast<mpfr_prec_t>(64 * p + 600);
    Mp got(p), d(hp, true), err_row(hp, true), ex_row(hp, true), err(hp, true), ex(hp, true);
    for (uint64_t i = 0; i < n; ++i) {
        mpfr_set_zero(err_row, 1);
        mpfr_set_zero(ex_row, 1);
        for (uint64_t j = 0; j < c; ++j) {
            th::to_mpfr(got, Xh.data() + (i * cols + off + j) * (p + 1), p);
            mpfr_sub(d, got, *exact[i * c + j], MPFR_RNDN);
            mpfr_abs(d, d, MPFR_RNDN);
            mpfr_add(err_row, err_row, d, MPFR_RNDN);
            mpfr_abs(d, *exact[i * c + j], MPFR_RNDN);
            mpfr_add(ex_row, ex_row, d, MPFR_RNDN);
        }
        mpfr_max(err, err, err_row, MPFR_RNDN);
        mpfr_max(ex, ex, ex_row, MPFR_RNDN);
    }
    mpfr_div(err, err, ex, MPFR_RNDN);
    mpfr_mul_2si(err, err, static_cast<long>(64 * p), MPFR_RNDN);
    return mpfr_get_d(err, MPFR_RNDU);
}

struct Case {
    uint64_t n, p;
};
// Orders 5..30 and precisions 2..16, keeping n cond 2^-64p below 2^-20
// (cond(H_n) grows like e^(3.5 n)).
std::vector<Case> hilbert_cases() {
    std::vector<Case> cases;
    for (uint64_t n : {5, 8, 12, 17, 23, 30})
        for (uint64_t p : {2, 3, 4, 8, 16}) {
            const double log2_ncond = std::log2(static_cast<double>(n)) + 3.5 * static_cast<double>(n) / std::log(2.0);
            if (log2_ncond + 20 < 64.0 * static_cast<double>(p)) cases.push_back({n, p});
        }
    return cases;
}

std::vector<Mp *> exact_inverse_mpfr(const std::vector<Z> &x, uint64_t n) {
    std::vector<Mp *> v;
    for (uint64_t k = 0; k < n * n; ++k) {
        v.push_back(new Mp(512, true));
        mpfr_set_z(*v.back(), x[k].v, MPFR_RNDN);  // < 2^200: exact
    }
    return v;
}
void release(std::vector<Mp *> &v) {
    for (Mp *m : v) delete m;
    v.clear();
}

// ---- LU: P H = L U to working precision ------------------------------------

// Checks P A = L U entrywise against gamma_(n+2) |L||U| for the factors that
// wr::lu left in F (m x n by rows) with row permutation idx; returns the
// largest ratio residual / (min(m,n) u |L||U|) and the entrywise growth
// max (|L||U|)_ij / |(P A)_ij| over nonzero entries.
struct LuCheck {
    double residual_ratio = 0;
    double growth = 0;
};
LuCheck check_lu(const Words &A, const Words &F, const std::vector<int64_t> &idx, uint64_t m,
                 uint64_t n, uint64_t p) {
    const uint64_t w = p + 1, r = std::min(m, n);
    const mpfr_prec_t hp = static_cast<mpfr_prec_t>(128 * p + 800);
    Mp l(p), uu(p), a(p), prod(hp, true), lu(hp, true), alu(hp, true), res(hp, true), ratio(hp, true);
    LuCheck out;
    // the index array is a permutation
    std::vector<int64_t> sorted(idx);
    std::sort(sorted.begin(), sorted.end());
    for (uint64_t i = 0; i < m; ++i) EXPECT_EQ(sorted[i], static_cast<int64_t>(i));
    for (uint64_t i = 0; i < m; ++i)
        for (uint64_t j = 0; j < n; ++j) {
            mpfr_set_zero(lu, 1);
            mpfr_set_zero(alu, 1);
            for (uint64_t k = 0; k <= std::min(i, j) && k < r; ++k) {
                if (k == i)
                    mpfr_set_ui(l, 1, MPFR_RNDN);
                else
                    th::to_mpfr(l, F.data() + (i * n + k) * w, p);
                th::to_mpfr(uu, F.data() + (k * n + j) * w, p);
                mpfr_mul(prod, l, uu, MPFR_RNDN);
                mpfr_add(lu, lu, prod, MPFR_RNDN);
                mpfr_abs(prod, prod, MPFR_RNDN);
                mpfr_add(alu, alu, prod, MPFR_RNDN);
            }
            th::to_mpfr(a, A.data() + (static_cast<uint64_t>(idx[i]) * n + j) * w, p);
            mpfr_sub(res, a, lu, MPFR_RNDN);
            mpfr_abs(res, res, MPFR_RNDN);
            if (mpfr_zero_p(res)) continue;
            mpfr_div(ratio, res, alu, MPFR_RNDN);
            mpfr_mul_2si(ratio, ratio, static_cast<long>(64 * p), MPFR_RNDN);
            double q = mpfr_get_d(ratio, MPFR_RNDU) / static_cast<double>(r);
            out.residual_ratio = std::max(out.residual_ratio, q);
            EXPECT_LE(q * static_cast<double>(r), static_cast<double>(r + 2) * kSlack)
                << "P A = L U residual at (" << i << "," << j << "), m=" << m << " n=" << n << " p=" << p;
            if (!mpfr_zero_p(a)) {
                mpfr_div(ratio, alu, a, MPFR_RNDN);
                mpfr_abs(ratio, ratio, MPFR_RNDN);
                out.growth = std::max(out.growth, mpfr_get_d(ratio, MPFR_RNDU));
            }
        }
    return out;
}

TEST(Elimination, LuOfHilbertMatricesReproducesPA) {
    double worst = 0, growth = 0;
    for (Case c : hilbert_cases()) {
        const uint64_t n = c.n, p = c.p;
        Words A = hilbert(n, n, p), F = A, work((n + 2) * (p + 1));
        std::vector<int64_t> idx(n, -7);
        widefp_matrix_lu(F.data(), idx.data(), n, n, p, work.data());
        LuCheck k = check_lu(A, F, idx, n, n, p);
        worst = std::max(worst, k.residual_ratio);
        growth = std::max(growth, k.growth);
        // the growth that the inverse, solve and determinant bounds rely on
        EXPECT_LE(k.growth, 2.0) << "n=" << n << " p=" << p;
    }
    std::printf("  Hilbert LU: largest residual %.3f of n u |L||U|; largest |L||U| / PH %.4f\n", worst,
                growth);
}

TEST(Elimination, LuOfRandomRectangularMatrices) {
    th::Rng rng(201);
    double worst = 0;
    for (uint64_t p : {2, 3, 5, 16}) {
        for (auto [m, n] : {std::pair<uint64_t, uint64_t>{6, 6}, {7, 4}, {3, 8}, {1, 5}, {5, 1}, {9, 9}}) {
            Words A((m * n) * (p + 1));
            for (uint64_t k = 0; k < m * n; ++k) {
                Words x = th::random_wr(rng, p, -4, 4);
                std::copy(x.begin(), x.end(), A.begin() + k * (p + 1));
            }
            Words F = A, work((m + 2) * (p + 1), 0x1234);
            std::vector<int64_t> idx(m, -7);
            widefp_matrix_lu(F.data(), idx.data(), m, n, p, work.data());
            worst = std::max(worst, check_lu(A, F, idx, m, n, p).residual_ratio);
            // multipliers are at most 1 in magnitude under partial pivoting
            for (uint64_t i = 0; i < m; ++i)
                for (uint64_t k = 0; k < std::min(i, n); ++k)
                    EXPECT_LE(std::fabs(widefp_float_wrtod(F.data() + (i * n + k) * (p + 1))), 1.0);
        }
    }
    std::printf("  random LU: largest residual %.3f of n u |L||U|\n", worst);
}

// ---- inverse, solve and determinant of Hilbert matrices ----------------------

TEST(Elimination, InverseOfHilbertMatricesWithinBound) {
    double worst = 0;
    for (Case c : hilbert_cases()) {
        const uint64_t n = c.n, p = c.p;
        std::vector<Z> x = hilbert_inverse(n);
        HilbertFacts f = hilbert_facts(n, x);
        Words M = hilbert(n, 2 * n, p), work(2 * (p + 1));
        // garbage in the right half: it must be overwritten by the identity first
        for (uint64_t i = 0; i < n; ++i) M[(i * 2 * n + n + i) * (p + 1)] = 0x7654321;
        widefp_matrix_inv(M.data(), n, p, work.data());
        std::vector<Mp *> ex = exact_inverse_mpfr(x, n);
        const double err = block_error(M, 2 * n, n, n, n, ex, p);
        release(ex);
        const double bound = 7.0 * static_cast<double>(n) * f.cond;
        EXPECT_LE(err, bound * kSlack) << "n=" << n << " p=" << p;
        worst = std::max(worst, err / (static_cast<double>(n) * f.cond));
        // left half: upper triangular, zeros below the diagonal
        for (uint64_t i = 1; i < n; ++i)
            for (uint64_t j = 0; j < i; ++j) EXPECT_EQ(M[(i * 2 * n + j) * (p + 1)], 0u);
    }
    std::printf("  Hilbert inverse: largest error %.4f of n cond u (bound 7)\n", worst);
}

TEST(Elimination, SolveHilbertSystemsWithinBound) {
    double worst = 0;
    for (Case c : hilbert_cases()) {
        const uint64_t n = c.n, p = c.p, cols = n + 2, w = p + 1;
        std::vector<Z> x = hilbert_inverse(n);
        HilbertFacts f = hilbert_facts(n, x);
        // [H | e_0 | b] with b = H 1 rounded to nearest from the stored H
        Words M = hilbert(n, cols, p), work(2 * w);
        Mp acc(static_cast<mpfr_prec_t>(64 * p + 400), true), h(p), one(p);
        mpfr_set_ui(one, 1, MPFR_RNDN);
        for (uint64_t i = 0; i < n; ++i) {
            if (i == 0) std::copy_n(th::from_mpfr(one, p).begin(), w, M.begin() + (i * cols + n) * w);
            mpfr_set_zero(acc, 1);
            for (uint64_t j = 0; j < n; ++j) {
                th::to_mpfr(h, M.data() + (i * cols + j) * w, p);
                mpfr_add(acc, acc, h, MPFR_RNDN);  // exact at this precision
            }
            mpfr_set(h, acc, MPFR_RNDN);
            Words b = th::from_mpfr(h, p);
            std::copy(b.begin(), b.end(), M.begin() + (i * cols + n + 1) * w);
        }
        widefp_matrix_solve(M.data(), n, 2, p, work.data());
        // column n: the first column of H^-1; column n+1: all ones
        std::vector<Mp *> first, ones;
        for (uint64_t i = 0; i < n; ++i) {
            first.push_back(new Mp(512, true));
            mpfr_set_z(*first.back(), x[i * n].v, MPFR_RNDN);
            ones.push_back(new Mp(64, true));
            mpfr_set_ui(*ones.back(), 1, MPFR_RNDN);
        }
        const double e0 = block_error(M, cols, n, n, 1, first, p);
        const double e1 = block_error(M, cols, n + 1, n, 1, ones, p);
        release(first);
        release(ones);
        const double bound = 7.0 * static_cast<double>(n) * f.cond;
        EXPECT_LE(e0, bound * kSlack) << "n=" << n << " p=" << p << " (column e_0)";
        EXPECT_LE(e1, bound * kSlack) << "n=" << n << " p=" << p << " (column H 1)";
        worst = std::max({worst, e0 / (static_cast<double>(n) * f.cond), e1 / (static_cast<double>(n) * f.cond)});
    }
    std::printf("  Hilbert solve: largest error %.4f of n cond u (bound 7)\n", worst);
}

TEST(Elimination, DeterminantOfHilbertMatricesWithinBound) {
    double worst = 0;
    for (Case c : hilbert_cases()) {
        const uint64_t n = c.n, p = c.p;
        std::vector<Z> x = hilbert_inverse(n);
        HilbertFacts f = hilbert_facts(n, x);
        Words A = hilbert(n, n, p), d(p + 1, 0x99);
        det(A.data(), n, p, d.data());
        mpq_t q;
        mpq_init(q);
        hilbert_det(q, n);
        Mp exact(static_cast<mpfr_prec_t>(64 * p + 300), true), got(p), e(static_cast<mpfr_prec_t>(64 * p + 300), true);
        mpfr_set_q(exact, q, MPFR_RNDN);
        mpq_clear(q);
        th::to_mpfr(got, d.data(), p);
        mpfr_sub(e, got, exact, MPFR_RNDN);
        mpfr_div(e, e, exact, MPFR_RNDN);
        mpfr_abs(e, e, MPFR_RNDN);
        mpfr_mul_2si(e, e, static_cast<long>(64 * p), MPFR_RNDN);
        const double err = mpfr_get_d(e, MPFR_RNDU);
        EXPECT_LE(err, 3.0 * static_cast<double>(n) * f.tau * kSlack) << "n=" << n << " p=" << p;
        EXPECT_LE(f.tau, static_cast<double>(n) * f.cond);
        worst = std::max(worst, err / (static_cast<double>(n) * f.tau));
    }
    std::printf("  Hilbert det: largest error %.4f of n tau u (bound 3)\n", worst);
}

// ---- exact edge cases --------------------------------------------------------

// A small matrix of doubles by rows at precision p.
Words matrix(std::initializer_list<double> v, uint64_t p) {
    Words M;
    for (double d : v) {
        Words e = th::from_double(d, p);
        M.insert(M.end(), e.begin(), e.end());
    }
    return M;
}
// The doubles of an element array.
std::vector<double> values(const Words &M, uint64_t p) {
    std::vector<double> v;
    for (size_t k = 0; k + p < M.size(); k += p + 1) v.push_back(widefp_float_wrtod(M.data() + k));
    return v;
}

TEST(Elimination, LuPivotRuleAndInterchanges) {
    const uint64_t p = 2, w = p + 1;
    // rows (0, 1) and (1, 0): row 1 is chosen, L = U = identity
    Words A = matrix({0, 1, 1, 0}, p), work(4 * w);
    std::vector<int64_t> idx(2);
    widefp_matrix_lu(A.data(), idx.data(), 2, 2, p, work.data());
    EXPECT_EQ(idx, (std::vector<int64_t>{1, 0}));
    EXPECT_EQ(values(A, p), (std::vector<double>{1, 0, 0, 1}));
    EXPECT_EQ(A[0], kOne);
    EXPECT_EQ(A[3 * w], kOne);
    // equal magnitudes of opposite sign: the upper one wins (here -2 over 2)
    Words B = matrix({1, -2, 2}, p), work3(5 * w);
    std::vector<int64_t> idx3(3);
    widefp_matrix_lu(B.data(), idx3.data(), 3, 1, p, work3.data());
    EXPECT_EQ(idx3, (std::vector<int64_t>{1, 0, 2}));
    EXPECT_EQ(values(B, p), (std::vector<double>{-2, -0.5, -1}));
    Words C = matrix({2, -2, 1}, p);
    widefp_matrix_lu(C.data(), idx3.data(), 3, 1, p, work3.data());
    EXPECT_EQ(idx3, (std::vector<int64_t>{0, 1, 2}));
    // a zero pivot: no scaling below it, U has a zero on the diagonal
    Words Z0 = matrix({0, 1, 0, 2}, p);
    widefp_matrix_lu(Z0.data(), idx.data(), 2, 2, p, work.data());
    EXPECT_EQ(idx, (std::vector<int64_t>{0, 1}));
    EXPECT_EQ(values(Z0, p), (std::vector<double>{0, 1, 0, 2}));
    // 1 x 1: unchanged, identity permutation
    th::Rng rng(202);
    Words x = th::random_wr(rng, p), y = x, work1(3 * w);
    std::vector<int64_t> idx1(1, 5);
    widefp_matrix_lu(y.data(), idx1.data(), 1, 1, p, work1.data());
    EXPECT_EQ(y, x);
    EXPECT_EQ(idx1[0], 0);
}

TEST(Elimination, InverseExactCases) {
    const uint64_t p = 3, w = p + 1;
    Words work(2 * w);
    // identity: identity in the right half, left half untouched
    Words I = matrix({1, 0, 0, 7, 7, 7, 0, 1, 0, 7, 7, 7, 0, 0, 1, 7, 7, 7}, p);
    widefp_matrix_inv(I.data(), 3, p, work.data());
    EXPECT_EQ(values(I, p), (std::vector<double>{1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1}));
    // a permutation matrix: its inverse is its transpose, exactly
    const int perm[4] = {2, 0, 3, 1};
    Words P(4 * 8 * w, 0);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            widefp_float_dtowr(P.data() + (i * 8 + j) * w, perm[i] == j ? 1.0 : 0.0, p);
    widefp_matrix_inv(P.data(), 4, p, work.data());
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(widefp_float_wrtod(P.data() + (i * 8 + 4 + j) * w), perm[j] == i ? 1.0 : 0.0);
    // opposite-sign tie in the first column: row 1 (-2) is the pivot, so the
    // triangular factor's first row is (-2, 1, 0); the inverse is exact
    Words T = matrix({1, 0, 0, 0, 0, 0, -2, 1, 0, 0, 0, 0, 2, 0, 1, 0, 0, 0}, p);
    widefp_matrix_inv(T.data(), 3, p, work.data());
    std::vector<double> t = values(T, p);
    EXPECT_EQ(std::vector<double>(t.begin(), t.begin() + 3), (std::vector<double>{-2, 1, 0}));
    EXPECT_EQ((std::vector<double>{t[3], t[4], t[5], t[9], t[10], t[11], t[15], t[16], t[17]}),
              (std::vector<double>{1, 0, 0, 2, 1, 0, -2, 0, 1}));
    // n = 1
    Words one = matrix({4, 9}, p);
    widefp_matrix_inv(one.data(), 1, p, work.data());
    EXPECT_EQ(values(one, p), (std::vector<double>{4, 0.25}));
    // a zero pivot is divided by: infinities spread through the inverse
    Words S = matrix({1, 2, 0, 0, 2, 4, 0, 0}, p);
    widefp_matrix_inv(S.data(), 2, p, work.data());
    std::vector<double> s = values(S, p);
    const double inf = HUGE_VAL;
    EXPECT_EQ((std::vector<double>{s[2], s[3], s[6], s[7]}), (std::vector<double>{-inf, inf, inf, -inf}));
}

TEST(Elimination, SolveExactCases) {
    const uint64_t p = 2, w = p + 1;
    Words work(2 * w);
    // r = 0 only triangularises: the same left part as the inverse computes
    th::Rng rng(203);
    const uint64_t n = 5;
    Words A(n * n * w), M2(n * 2 * n * w);
    for (uint64_t k = 0; k < n * n; ++k) {
        Words x = th::random_wr(rng, p, -3, 3);
        std::copy(x.begin(), x.end(), A.begin() + k * w);
        std::copy(x.begin(), x.end(), M2.begin() + ((k / n) * 2 * n + k % n) * w);
    }
    Words T = A;
    widefp_matrix_solve(T.data(), n, 0, p, work.data());
    widefp_matrix_inv(M2.data(), n, p, work.data());
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t j = 0; j < n; ++j)
            EXPECT_TRUE(th::same_value(T.data() + (i * n + j) * w, M2.data() + (i * 2 * n + j) * w, p))
                << i << "," << j;
    // three right-hand columns: [[2, 1], [1, 3]] X = [[5, 1, 0], [10, 2, 1]]
    Words S = matrix({2, 1, 5, 1, 0, 1, 3, 10, 2, 1}, p);
    widefp_matrix_solve(S.data(), 2, 3, p, work.data());
    std::vector<double> s = values(S, p);
    EXPECT_EQ((std::vector<double>{s[2], s[3], s[4], s[7], s[8], s[9]}),
              (std::vector<double>{1, 0.2, -0.2, 3, 0.6, 0.4}));
    EXPECT_EQ((std::vector<double>{s[0], s[1], s[5], s[6]}), (std::vector<double>{2, 1, 0, 2.5}));
    // n = 1, r = 1
    Words one = matrix({4, 2}, p);
    widefp_matrix_solve(one.data(), 1, 1, p, work.data());
    EXPECT_EQ(values(one, p), (std::vector<double>{4, 0.5}));
}


TEST(Elimination, DeterminantExactCases) {
    const uint64_t p = 2, w = p + 1;
    Words d(w, 0xdead);
    Words I = matrix({1, 0, 0, 1}, p);
    det(I.data(), 2, p, d.data());
    EXPECT_EQ(d, th::from_double(1, p));
    Words X = matrix({0, 1, 1, 0}, p);
    det(X.data(), 2, p, d.data());
    EXPECT_EQ(d, th::from_double(-1, p));
    // zero first column: all words zero
    Words Z = matrix({0, 1, 2, 0, 3, 4, 0, 5, 7}, p);
    std::fill(d.begin(), d.end(), 0xdead);
    det(Z.data(), 3, p, d.data());
    EXPECT_EQ(d, Words(w, 0));
    // a zero last pivot gives zero through the product
    Words S = matrix({1, 2, 2, 4}, p);
    det(S.data(), 2, p, d.data());
    EXPECT_EQ(widefp_float_wrtod(d.data()), 0.0);
    // n = 1: the element itself; n = 0: one
    th::Rng rng(204);
    Words x = th::random_wr(rng, p, -1000, 1000);
    Words x1 = x;
    det(x1.data(), 1, p, d.data());
    EXPECT_EQ(d, x);
    det(nullptr, 0, p, d.data());
    EXPECT_EQ(d, th::from_double(1, p));
    // permutation matrices: the sign of the permutation; tie of opposite signs
    const int perm[4] = {1, 3, 0, 2};  // a 4-cycle: odd
    Words P(16 * w);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) widefp_float_dtowr(P.data() + (i * 4 + j) * w, perm[i] == j ? 1.0 : 0.0, p);
    det(P.data(), 4, p, d.data());
    EXPECT_EQ(d, th::from_double(-1, p));
    Words T = matrix({1, 0, 0, -2, 1, 0, 2, 0, 1}, p);
    det(T.data(), 3, p, d.data());
    EXPECT_EQ(widefp_float_wrtod(d.data()), 1.0);
    // d may be an element of A (here A(1,1)): the product lands there at the end
    Words B = matrix({3, 1, 4, 1}, p);
    det(B.data(), 2, p, B.data() + 3 * w);
    EXPECT_EQ(widefp_float_wrtod(B.data() + 3 * w), -1.0);
}

}  // namespace

namespace {

// Heap scratch that cannot be had goes through the fatal route
// ("widefp:memory"), never as an exception of its own; what it grants is
// zeroed.
struct Fatal : std::runtime_error {
    std::string id;
    Fatal(const char *i, const char *t) : std::runtime_error(t), id(i) {}
};
[[noreturn]] void throw_fatal(const char *id, const char *text) { throw Fatal(id, text); }

TEST(Scratch, FailureGoesThroughTheFatalRoute) {
    widefp_fatal_handler previous = widefp_set_fatal_handler(&throw_fatal);
    for (uint64_t words : {UINT64_MAX, widefp_matrix_svd_work_size(2, uint64_t{1} << 40, uint64_t{1} << 30)}) {
        try {
            widefp::detail::heap_words(words);
            ADD_FAILURE() << words << " words granted";
        } catch (const Fatal &e) {
            EXPECT_EQ(e.id, "widefp:memory");
        }
    }
    widefp_set_fatal_handler(previous);
    auto w = widefp::detail::heap_words(1000);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(w[i], 0u);
}

}  // namespace
