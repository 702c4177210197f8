// test_svd.cpp -- the singular value decomposition: reconstruction, orthogonality and singular values against MPFR.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "harness.h"
#include "orth_check.h"
#include "widefp_linalg.h"

namespace {

// The decomposition with its work array.
int svd(uint64_t *A, uint64_t m, uint64_t n, uint64_t p, uint64_t *U, uint64_t *s, uint64_t *V, int uflag,
        int vflag, uint64_t max_sweeps = 0, uint64_t *counts = nullptr) {
    std::vector<uint64_t> work(m && n ? widefp_matrix_svd_work_size(m, n, p) : 0);
    if (!max_sweeps) max_sweeps = widefp_matrix_svd_sweep_bound(p);
    return widefp_matrix_svd(s, U, V, counts, A, m, n, uflag, vflag, max_sweeps, p, work.data());
}

}  // namespace

namespace {

using th::Words;

// Bound, in units of u = 2^-64p, on  ||U diag(s) V^T - A||_F / ||A||_F,  on
// max |(U^T U - I)_ij| and |(V^T V - I)_ij|, and on |s_i - sigma_i| / ||A||_F.
// With M = max(m, n), every truncated inner product of length M is off by at
// most 3M u of the sum of its terms' magnitudes; a Householder reflection
// then moves a column by at most (6M + 16) u of its norm (see test_qr.cpp).
//  * bidiagonalisation: each column meets at most n left and n right
//    reflections: 2n (6M + 16);
//  * U and V are built from the same reflections: n (6M + 16) each;
//  * a plane rotation: t = hypot(f, g) is within 11.5 ulp, cs = f/t and
//    sn = g/t within 13.5 u each, so the rotation is orthogonal to 27 u and
//    its truncated application adds 4 u: 32 u per rotation of a pair of
//    columns.  A sweep rotates each column of U and V at most twice, a
//    deflation or a split once: 64 T + 32 n for T sweeps in all;
//  * each negligible entry dropped is below 2 u of ||A||: 2n.
// The sum, 4n (6M + 16) + 64 T + 64 n, covers every residual (Weyl's
// inequality carries the backward error over to the singular values).
double bound_units(uint64_t m, uint64_t n, uint64_t total_sweeps) {
    const double M = static_cast<double>(std::max(m, n)), N = static_cast<double>(n);
    return 4 * N * (6 * M + 16) + 64.0 * static_cast<double>(total_sweeps) + 64 * N;
}

uint64_t at(uint64_t i, uint64_t j, uint64_t cols, uint64_t p) { return (i * cols + j) * (p + 1); }

struct Svd {
    uint64_t m, n, p, q, cu;
    Words a0, a, u, s, v;
    uint64_t counts[2];
    int status;
};

Svd run(const Words &a0, uint64_t m, uint64_t n, uint64_t p, int uflag = 1, int vflag = 1,
        uint64_t max_sweeps = 0) {
    Svd r;
    r.m = m, r.n = n, r.p = p;
    r.cu = std::min(m, n);
    r.q = std::min(n, m + 1);
    r.a0 = a0;
    r.a = a0;
    r.u.assign(m * r.cu * (p + 1), 0);
    r.s.assign(r.q * (p + 1), 0);
    r.v.assign(n * n * (p + 1), 0);
    if (!max_sweeps) max_sweeps = widefp_matrix_svd_sweep_bound(p);
    r.status = svd(r.a.data(), m, n, p, r.u.data(), r.s.data(), r.v.data(), uflag, vflag, max_sweeps,
                       r.counts);
    return r;
}

double worst_rec = 0, worst_orth = 0, worst_sv = 0;
uint64_t worst_sweeps = 0;

// Reconstruction, orthogonality and (optionally) the singular values against
// a Jacobi reference; all in units of u as above.
void check(const Svd &r, const char *what, bool reference = true) {
    ASSERT_EQ(r.status, 0) << what;
    const uint64_t p = r.p;
    const mpfr_prec_t pr = oc::check_prec(p);
    worst_sweeps = std::max(worst_sweeps, r.counts[0]);
    const double bound = bound_units(r.m, r.n, r.counts[1]);
    oc::MpMat A = oc::from_words(r.a0.data(), r.m, r.n, p);
    oc::MpMat U = oc::from_words(r.u.data(), r.m, r.cu, p);
    oc::MpMat V = oc::from_words(r.v.data(), r.n, r.n, p);
    oc::MpMat S = oc::from_words(r.s.data(), r.q, 1, p);
    // non-negative and decreasing
    for (uint64_t k = 0; k < r.q; ++k) {
        EXPECT_EQ(r.s[k * (p + 1)] & th::kSign, 0u) << what << " s[" << k << "]";
        if (k + 1 < r.q) {
            EXPECT_GE(mpfr_cmp(S(k, 0), S(k + 1, 0)), 0) << what;
        }
    }
    oc::MpMat US(r.m, r.cu, pr);
    for (uint64_t i = 0; i < r.m; ++i)
        for (uint64_t k = 0; k < r.cu; ++k) mpfr_mul(US(i, k), U(i, k), S(k, 0), MPFR_RNDN);
    oc::MpMat Vc(r.n, r.cu, pr);
    for (uint64_t i = 0; i < r.n; ++i)
        for (uint64_t k = 0; k < r.cu; ++k) mpfr_set(Vc(i, k), V(i, k), MPFR_RNDN);
    oc::MpMat B = oc::multiply(US, oc::transpose(Vc));
    th::Mp res(pr, true), norm(pr, true), orth(pr, true), one(64, true);
    mpfr_set_ui(one, 1, MPFR_RNDN);
    oc::frobenius_diff(B, A, res);
    oc::frobenius(A, norm);
    if (mpfr_zero_p(norm)) mpfr_set_ui(norm, 1, MPFR_RNDN);
    double e = oc::in_units(res, norm, p);
    worst_rec = std::max(worst_rec, e);
    EXPECT_LE(e, bound) << what << " reconstruction m=" << r.m << " n=" << r.n << " p=" << p;
    oc::orthogonality(U, r.cu, orth);
    e = oc::in_units(orth, one, p);
    worst_orth = std::max(worst_orth, e);
    EXPECT_LE(e, bound) << what << " U^T U m=" << r.m << " n=" << r.n << " p=" << p;
    oc::orthogonality(V, r.n, orth);
    e = oc::in_units(orth, one, p);
    worst_orth = std::max(worst_orth, e);
    EXPECT_LE(e, bound) << what << " V^T V m=" << r.m << " n=" << r.n << " p=" << p;
    // the singular values beyond min(m, n) (one when m < n) are zero
    for (uint64_t k = r.cu; k < r.q; ++k) {
        e = oc::in_units(S(k, 0), norm, p);
        EXPECT_LE(e, bound) << what << " extra singular value";
    }
    if (!reference) return;
    oc::MpMat sigma = oc::jacobi_singular_values(A);
    for (uint64_t k = 0; k < r.cu; ++k) {
        mpfr_sub(res, S(k, 0), sigma(k, 0), MPFR_RNDN);
        mpfr_abs(res, res, MPFR_RNDN);
        e = oc::in_units(res, norm, p);
        worst_sv = std::max(worst_sv, e);
        EXPECT_LE(e, bound) << what << " sigma_" << k << " m=" << r.m << " n=" << r.n << " p=" << p;
    }
}

Words random_matrix(th::Rng &rng, uint64_t m, uint64_t n, uint64_t p, int64_t emin = -3, int64_t emax = 3) {
    Words a(m * n * (p + 1));
    for (uint64_t k = 0; k < m * n; ++k) {
        Words x = th::random_wr(rng, p, emin, emax);
        std::copy(x.begin(), x.end(), a.begin() + k * (p + 1));
    }
    return a;
}

Words from_doubles(const std::vector<double> &d, uint64_t p) {
    Words a(d.size() * (p + 1));
    for (size_t k = 0; k < d.size(); ++k) widefp_float_dtowr(&a[k * (p + 1)], d[k], p);
    return a;
}

Words hilbert(uint64_t n, uint64_t p) {
    Words a(n * n * (p + 1));
    th::Mp h(p);
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t j = 0; j < n; ++j) {
            mpfr_set_ui(h, 1, MPFR_RNDN);
            mpfr_div_ui(h, h, i + j + 1, MPFR_RNDN);
            Words x = th::from_mpfr(h, p);
            std::copy(x.begin(), x.end(), a.begin() + at(i, j, n, p));
        }
    return a;
}

void print_worst(const char *what) {
    std::printf("%s: largest reconstruction %.2f u, orthogonality %.2f u, singular value %.2f u; most sweeps for one "
                "value %llu\n",
                what, worst_rec, worst_orth, worst_sv, static_cast<unsigned long long>(worst_sweeps));
    worst_rec = worst_orth = worst_sv = 0;
    worst_sweeps = 0;
}

TEST(Svd, RandomMatrices) {
    th::Rng rng(0x5fd);
    struct Shape {
        uint64_t m, n;
    };
    for (uint64_t p : {2, 3, 4, 8}) {
        for (Shape s : {Shape{1, 1}, Shape{2, 2}, Shape{3, 3}, Shape{4, 3}, Shape{6, 6}, Shape{9, 5}, Shape{1, 4},
                        Shape{5, 1}, Shape{2, 3}, Shape{4, 7}}) {
            Words a = random_matrix(rng, s.m, s.n, p);
            check(run(a, s.m, s.n, p), "random");
        }
    }
    Words a = random_matrix(rng, 30, 30, 2);
    check(run(a, 30, 30, 2), "random 30x30");
    a = random_matrix(rng, 12, 10, 5, -40, 40);  // widely spread magnitudes
    check(run(a, 12, 10, 5), "graded");
    print_worst("random");
}

TEST(Svd, HilbertMatrices) {
    for (uint64_t p : {2, 4}) {
        for (uint64_t n : {4, 8, 12}) check(run(hilbert(n, p), n, n, p), "hilbert");
    }
    check(run(hilbert(20, 8), 20, 20, 8), "hilbert 20");
    print_worst("hilbert");
}

// Rank-deficient matrices with exact integer entries: A = X Y with X m x k,
// Y k x n; the trailing singular values are zero to within the bound.
TEST(Svd, RankDeficient) {
    th::Rng rng(44);
    for (uint64_t p : {2, 3}) {
        for (uint64_t rank : {1, 2}) {
            const uint64_t m = 6, n = 4;
            std::vector<double> x(m * rank), y(rank * n), a(m * n, 0.0);
            for (double &v : x) v = static_cast<double>(static_cast<int>(rng.below(19)) - 9);
            for (double &v : y) v = static_cast<double>(static_cast<int>(rng.below(19)) - 9);
            for (uint64_t i = 0; i < m; ++i)
                for (uint64_t j = 0; j < n; ++j)
                    for (uint64_t k = 0; k < rank; ++k) a[i * n + j] += x[i * rank + k] * y[k * n + j];
            Svd r = run(from_doubles(a, p), m, n, p);
            check(r, rank == 1 ? "rank one" : "rank two");
            for (uint64_t k = rank; k < n; ++k) {
                // zero within a few units of eps times the largest
                th::Mp sk(p), s0(p);
                th::to_mpfr(sk, &r.s[k * (p + 1)], p);
                th::to_mpfr(s0, &r.s[0], p);
                EXPECT_LE(oc::in_units(sk, s0, p), bound_units(m, n, r.counts[1])) << "rank " << rank;
            }
        }
    }
    print_worst("rank-deficient");
}

TEST(Svd, DiagonalOneThreeTwo) {
    const uint64_t p = 3, w = p + 1;
    Svd r = run(from_doubles({1, 0, 0, 0, 3, 0, 0, 0, 2}, p), 3, 3, p);
    check(r, "diag(1,3,2)");
    const double expect[] = {3, 2, 1};
    for (int k = 0; k < 3; ++k) {
        Words sk(r.s.begin() + k * w, r.s.begin() + (k + 1) * w);
        th::Mp ms(p), me(p);
        th::to_mpfr(ms, sk.data(), p);
        mpfr_set_d(me, expect[k], MPFR_RNDN);
        EXPECT_LE(th::error_in_ulp64(ms, me, p) / 18446744073709551616.0, 20.0) << k;
    }
    // U and V are signed permutations with U diag(s) V^T = A: entry (i, k)
    // of both is +-1 exactly where A's diagonal entry i is s[k]
    const int perm[] = {1, 2, 0};  // s[k] sits in row perm[k]
    for (uint64_t k = 0; k < 3; ++k)
        for (uint64_t i = 0; i < 3; ++i) {
            double uik = widefp_float_wrtod(&r.u[at(i, k, 3, p)]), vik = widefp_float_wrtod(&r.v[at(i, k, 3, p)]);
            if (static_cast<int>(i) == perm[k]) {
                EXPECT_NEAR(std::abs(uik), 1.0, 1e-15);
                EXPECT_NEAR(uik * vik, 1.0, 1e-15);
            } else {
                EXPECT_NEAR(uik, 0.0, 1e-15);
                EXPECT_NEAR(vik, 0.0, 1e-15);
            }
        }
}

TEST(Svd, OneByOne) {
    const uint64_t p = 2, w = p + 1;
    for (double a : {2.5, -2.5, 0.0}) {
        Svd r = run(from_doubles({a}, p), 1, 1, p);
        ASSERT_EQ(r.status, 0);
        Words expect = th::from_double(std::abs(a), p);
        EXPECT_TRUE(th::same_value(r.s.data(), expect.data(), p)) << a;
        EXPECT_EQ(r.u[0], th::kBias);
        EXPECT_EQ(r.v[0], a > 0 ? th::kBias : (th::kSign | th::kBias)) << a;
        for (uint64_t k = 1; k < w; ++k) EXPECT_EQ(r.u[k] | r.v[k], 0u);
    }
    // -0: negated to +0
    Words negzero(w, 0);
    negzero[0] = th::kSign;
    Svd r = run(negzero, 1, 1, p);
    EXPECT_EQ(r.s[0], 0u);
    EXPECT_EQ(r.v[0], th::kSign | th::kBias);
}

TEST(Svd, ZeroColumnGivesATrailingZero) {
    th::Rng rng(8);
    for (uint64_t p : {2, 4}) {
        const uint64_t m = 5, n = 4;
        for (uint64_t zc : {0, 2, 3}) {
            Words a = random_matrix(rng, m, n, p);
            for (uint64_t i = 0; i < m; ++i) std::fill_n(a.begin() + at(i, zc, n, p), p + 1, 0);
            Svd r = run(a, m, n, p);
            check(r, "zero column");
            EXPECT_TRUE(th::is_zero(&r.s[(n - 1) * (p + 1)])) << "column " << zc;
            for (uint64_t k = 0; k + 1 < n; ++k) EXPECT_FALSE(th::is_zero(&r.s[k * (p + 1)]));
        }
    }
}

// A 2x2 matrix on which the last superdiagonal entry needs several sweeps.
TEST(Svd, SlowlyConvergingTwoByTwo) {
    for (uint64_t p : {2, 4, 8}) {
        Words a = from_doubles({1.0, 1.0, 0.0, 1.0 + 0x1p-20}, p);
        Svd r = run(a, 2, 2, p);
        check(r, "2x2");
        EXPECT_GE(r.counts[0], 3u) << "p=" << p;
        // reconstruction within a few units relative to the largest singular value
        oc::MpMat A = oc::from_words(r.a0.data(), 2, 2, p), U = oc::from_words(r.u.data(), 2, 2, p),
                  V = oc::from_words(r.v.data(), 2, 2, p), S = oc::from_words(r.s.data(), 2, 1, p);
        oc::MpMat US(2, 2, A.prec());
        for (int i = 0; i < 2; ++i)
            for (int k = 0; k < 2; ++k) mpfr_mul(US(i, k), U(i, k), S(k, 0), MPFR_RNDN);
        oc::MpMat B = oc::multiply(US, oc::transpose(V));
        th::Mp res(A.prec(), true);
        oc::frobenius_diff(B, A, res);
        double e = oc::in_units(res, S(0, 0), p);
        std::printf("2x2 at p = %llu: %llu sweeps, residual %.2f u of s[0]\n", static_cast<unsigned long long>(p),
                    static_cast<unsigned long long>(r.counts[0]), e);
        EXPECT_LE(e, 64 + 64.0 * static_cast<double>(r.counts[1]));
    }
}

// Without the flags U and V are untouched and s is the same.
TEST(Svd, FlagsSelectWhatIsWritten) {
    th::Rng rng(21);
    const uint64_t m = 5, n = 4, p = 3;
    Words a = random_matrix(rng, m, n, p);
    Svd full = run(a, m, n, p);
    Words aa = a, u(m * n * (p + 1), 0x77), s(n * (p + 1)), v(n * n * (p + 1), 0x99);
    ASSERT_EQ(svd(aa.data(), m, n, p, u.data(), s.data(), v.data(), 0, 0), 0);
    for (uint64_t x : u) ASSERT_EQ(x, 0x77u);
    for (uint64_t x : v) ASSERT_EQ(x, 0x99u);
    EXPECT_EQ(s, full.s);
    Svd uonly = run(a, m, n, p, 1, 0), vonly = run(a, m, n, p, 0, 1);
    EXPECT_EQ(uonly.s, full.s);
    EXPECT_EQ(uonly.u, full.u);
    EXPECT_EQ(vonly.v, full.v);
}

// The bound on the sweeps: a lower bound than needed fails with status 1,
// the exact number needed succeeds with the very same result as the default.
TEST(Svd, SweepBoundStopsTheIteration) {
    const uint64_t p = 4;
    Words a = from_doubles({1.0, 1.0, 0.0, 1.0 + 0x1p-20}, p);
    Svd ref = run(a, 2, 2, p);
    ASSERT_EQ(ref.status, 0);
    ASSERT_GE(ref.counts[0], 2u);
    EXPECT_LT(ref.counts[0] * 10, widefp_matrix_svd_sweep_bound(p));
    Svd fail0 = run(a, 2, 2, p, 1, 1, 1);  // one sweep allowed
    EXPECT_EQ(fail0.status, 1);
    Svd fail = run(a, 2, 2, p, 1, 1, ref.counts[0] - 1);
    EXPECT_EQ(fail.status, 1);
    Svd ok = run(a, 2, 2, p, 1, 1, ref.counts[0]);
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.s, ref.s);
    EXPECT_EQ(ok.u, ref.u);
    EXPECT_EQ(ok.v, ref.v);
    // a random 8x8 matrix: the bound applies per singular value
    th::Rng rng(5);
    Words b = random_matrix(rng, 8, 8, p);
    Svd rb = run(b, 8, 8, p);
    ASSERT_EQ(rb.status, 0);
    EXPECT_EQ(run(b, 8, 8, p, 1, 1, rb.counts[0]).status, 0);
    EXPECT_EQ(run(b, 8, 8, p, 1, 1, rb.counts[0] - 1).status, 1);
}

TEST(Svd, EmptyMatrixTouchesNothing) {
    const uint64_t p = 2;
    Words a(3, 5), u(3, 6), s(3, 7), v(3, 8);
    EXPECT_EQ(svd(a.data(), 0, 1, p, u.data(), s.data(), v.data(), 1, 1), 0);
    EXPECT_EQ(svd(a.data(), 1, 0, p, u.data(), s.data(), v.data(), 1, 1), 0);
    EXPECT_EQ(a, Words(3, 5));
    EXPECT_EQ(s, Words(3, 7));
    EXPECT_EQ(v, Words(3, 8));
}

}  // namespace

namespace {

// A work size that does not fit in 64 bits is reported as UINT64_MAX, which
// no allocation grants.
TEST(Svd, ImpossibleWorkSizeIsAllOnes) {
    EXPECT_EQ(widefp_matrix_svd_work_size(2, uint64_t{1} << 40, uint64_t{1} << 30), UINT64_MAX);
    EXPECT_EQ(widefp_matrix_svd_work_size(UINT64_MAX, 1, 2), UINT64_MAX);
}

}  // namespace
