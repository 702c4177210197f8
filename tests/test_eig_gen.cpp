// test_eig_gen.cpp -- eigenvalues of real nonsymmetric matrices: exact
// references (companion matrices of integer polynomials, a pair 3 +- 4i),
// mpmath's for the Frank matrix of order 12, MPFR's trace for random
// matrices, and the accuracy a defective eigenvalue allows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "harness.h"
#include "widefp_linalg.h"

namespace {

using th::Words;

struct Result {
    Words re, im;
    uint64_t most = 0, total = 0;
    int status = 0;
};

// The eigenvalues of the n x n matrix a (doubles, by rows) at precision p.
Result eig(const std::vector<double> &a, uint64_t n, uint64_t p, int balance = 1) {
    Words A(n * n * (p + 1));
    for (uint64_t k = 0; k < n * n; ++k) widefp_float_dtowr(&A[k * (p + 1)], a[k], p);
    Result r;
    r.re.assign(n * (p + 1), 0);
    r.im.assign(n * (p + 1), 0);
    Words work(widefp_matrix_eig_gen_work_size(n, p));
    uint64_t sweeps[2] = {0, 0};
    r.status = widefp_matrix_eig_gen(r.re.data(), r.im.data(), sweeps, A.data(), n, balance,
                                     widefp_matrix_eig_gen_sweep_bound(p), p, work.data());
    r.most = sweeps[0];
    r.total = sweeps[1];
    return r;
}

// log2 of the distance from eigenvalue k of r to (x, y), in MPFR at 4x the bits.
double log2_error(const Result &r, uint64_t k, uint64_t p, const char *x, const char *y) {
    const mpfr_prec_t bits = static_cast<mpfr_prec_t>(256 * p + 64);
    th::Mp a(bits, true), b(bits, true), t(bits, true);
    th::to_mpfr(a, &r.re[k * (p + 1)], p);
    th::to_mpfr(b, &r.im[k * (p + 1)], p);
    mpfr_set_str(t, x, 10, MPFR_RNDN);
    mpfr_sub(a, a, t, MPFR_RNDN);
    mpfr_set_str(t, y, 10, MPFR_RNDN);
    mpfr_sub(b, b, t, MPFR_RNDN);
    mpfr_hypot(a, a, b, MPFR_RNDN);
    if (mpfr_zero_p(a)) return -1e9;
    long e;
    const double d = mpfr_get_d_2exp(&e, a, MPFR_RNDN);
    return static_cast<double>(e) + std::log2(std::fabs(d));
}

// The index of the computed eigenvalue nearest to (x, y) (doubles suffice
// for the well-separated values of these tests).
uint64_t nearest(const Result &r, uint64_t n, uint64_t p, double x, double y) {
    uint64_t best = 0;
    double d = INFINITY;
    for (uint64_t k = 0; k < n; ++k) {
        const double dx = widefp_float_wrtod(&r.re[k * (p + 1)]) - x, dy = widefp_float_wrtod(&r.im[k * (p + 1)]) - y;
        if (std::hypot(dx, dy) < d) d = std::hypot(dx, dy), best = k;
    }
    return best;
}

// The companion matrix (first row -c(2:end), ones below the diagonal) of a
// monic polynomial with coefficients c (highest first).
std::vector<double> companion(const std::vector<double> &c) {
    const uint64_t n = c.size() - 1;
    std::vector<double> a(n * n, 0.0);
    for (uint64_t j = 0; j < n; ++j) a[j] = -c[j + 1];
    for (uint64_t i = 1; i < n; ++i) a[i * n + i - 1] = 1;
    return a;
}

}  // namespace

TEST(EigGen, ComplexPairExactConjugates) {
    for (uint64_t p : {2, 3, 5}) {
        Result r = eig({3, -4, 4, 3}, 2, p);
        ASSERT_EQ(r.status, 0);
        EXPECT_LT(log2_error(r, 0, p, "3", "4"), -64.0 * p + 4) << p;  // positive imaginary part first
        EXPECT_LT(log2_error(r, 1, p, "3", "-4"), -64.0 * p + 4) << p;
        EXPECT_EQ(th::hex(&r.re[0], p + 1), th::hex(&r.re[p + 1], p + 1));
        Words m(r.im.begin() + (p + 1), r.im.end());
        m[0] ^= th::kSign;
        EXPECT_EQ(th::hex(&r.im[0], p + 1), th::hex(m));
    }
}

TEST(EigGen, CompanionMatrices) {
    // (x-1)(x-2)(x+3)(x^2-2x+5) and (x-1)...(x-8)
    const std::vector<double> c1 = {1, -2, -2, 20, -47, 30};
    const double roots1[][2] = {{1, 0}, {2, 0}, {-3, 0}, {1, 2}, {1, -2}};
    std::vector<double> c2 = {1};
    for (int k = 1; k <= 8; ++k) {  // multiply by (x - k): exact in doubles
        c2.push_back(0);
        for (size_t i = c2.size() - 1; i > 0; --i) c2[i] -= k * c2[i - 1];
    }
    for (uint64_t p : {2, 4, 8}) {
        Result r = eig(companion(c1), 5, p);
        ASSERT_EQ(r.status, 0);
        for (auto &z : roots1) {
            const uint64_t k = nearest(r, 5, p, z[0], z[1]);
            EXPECT_LT(log2_error(r, k, p, std::to_string(static_cast<int>(z[0])).c_str(),
                                 std::to_string(static_cast<int>(z[1])).c_str()),
                      -64.0 * p + 12)
                << p << " root " << z[0] << " " << z[1];
        }
        EXPECT_LE(r.most, 20u);
        Result s = eig(companion(c2), 8, p);
        ASSERT_EQ(s.status, 0);
        for (int root = 1; root <= 8; ++root) {
            const uint64_t k = nearest(s, 8, p, root, 0);
            // the roots of (x-1)...(x-8) have condition numbers up to about 1e5
            EXPECT_LT(log2_error(s, k, p, std::to_string(root).c_str(), "0"), -64.0 * p + 24) << p << " " << root;
        }
    }
}

TEST(EigGen, FrankMatrix) {
    // mpmath, 250 digits, ascending
    const char *ref[] = {
        "0.03102806064401001507954023063583222562542574945468988778401422872214974",
        "0.04950742918527830343875752361590026161797572421567488378644245420276665",
        "0.0812276592404050401192335468493803598181190439276220546347462639334612",
        "0.1436465197692204722502524711336766288617160532515102948314754683916219",
        "0.2847497205584782007783427748868648296492463909905294386011021553629136",
        "0.643505319004855464502305138686118483394289361236466661753541719353615",
        "1.553988709132106898693445095909109553141554009872691573950266099998672",
        "3.511855948580757194226208417378627396270260733296041055992486164412627",
        "6.961533085567122112679257359944820168800148817162732920387105097570717",
        "12.31107740086852612031097091278712123977195282022329789849203963916332",
        "20.19898864587707942808277398444381284424268879831570152985178078234707",
        "32.22889150157216074983891254372873600880662249805304179993499992654106",
    };
    const uint64_t n = 12;
    std::vector<double> a(n * n, 0.0);
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t j = 0; j < n; ++j)
            if (j + 1 >= i) a[i * n + j] = static_cast<double>(n - std::max(i, j));
    for (uint64_t p : {3, 6}) {
        Result r = eig(a, n, p);
        ASSERT_EQ(r.status, 0);
        for (uint64_t k = 0; k < n; ++k) {
            EXPECT_TRUE(th::is_zero(&r.im[k * (p + 1)]));
            const uint64_t j = nearest(r, n, p, std::strtod(ref[k], nullptr), 0);
            // the smallest values are ill-conditioned (about 1e7)
            EXPECT_LT(log2_error(r, j, p, ref[k], "0"), std::max(-64.0 * p + 40, -220.0)) << p << " " << k;
        }
    }
}

TEST(EigGen, DefectiveEigenvalue) {
    // S J S^-1, J the Jordan block of 2 of order 3, S = [1 0 0; 2 1 0; 1 3 1]:
    // the computed values spread around 2 by about (2^-64p)^(1/3).
    const std::vector<double> a = {0, 1, 0, 1, 1, 1, 13, -8, 5};
    for (uint64_t p : {2, 4}) {
        Result r = eig(a, 3, p);
        ASSERT_EQ(r.status, 0) << p;
        double worst = -1e9;
        for (uint64_t k = 0; k < 3; ++k) worst = std::max(worst, log2_error(r, k, p, "2", "0"));
        EXPECT_LT(worst, -64.0 * p / 3 + 8) << p;
        EXPECT_GT(worst, -64.0 * p / 3 - 12) << p;  // no better than the theory allows: the data are exact
        EXPECT_LE(r.most, widefp_matrix_eig_gen_sweep_bound(p) / 2);
    }
}

TEST(EigGen, TraceOfRandomMatrices) {
    th::Rng rng(2027);
    for (uint64_t n : {1, 2, 7, 30}) {
        for (uint64_t p : {2, 4}) {
            std::vector<double> a(n * n);
            for (auto &x : a) x = std::ldexp(static_cast<double>(rng.word() >> 11), -53) * 2 - 1;
            for (int balance : {0, 1}) {
                Result r = eig(a, n, p, balance);
                ASSERT_EQ(r.status, 0);
                EXPECT_LE(r.most, 30u);
                const mpfr_prec_t bits = static_cast<mpfr_prec_t>(128 * p);
                th::Mp s(bits, true), si(bits, true), t(bits, true);
                for (uint64_t k = 0; k < n; ++k) {
                    th::to_mpfr(t, &r.re[k * (p + 1)], p);
                    mpfr_add(s, s, t, MPFR_RNDN);
                    th::to_mpfr(t, &r.im[k * (p + 1)], p);
                    mpfr_add(si, si, t, MPFR_RNDN);
                    mpfr_set_d(t, a[k * n + k], MPFR_RNDN);
                    mpfr_sub(s, s, t, MPFR_RNDN);
                }
                // sum of eigenvalues = trace; the imaginary parts cancel exactly
                EXPECT_TRUE(mpfr_zero_p(si));
                mpfr_abs(s, s, MPFR_RNDN);
                if (!mpfr_zero_p(s)) {
                    long e;
                    mpfr_get_d_2exp(&e, s, MPFR_RNDN);
                    EXPECT_LT(static_cast<double>(e), -64.0 * p + 2 * std::log2(n + 1.0) + 8) << n << " " << p;
                }
            }
        }
    }
}

TEST(EigGen, EmptyAndTriangular) {
    Words work(widefp_matrix_eig_gen_work_size(0, 2));
    EXPECT_EQ(widefp_matrix_eig_gen(nullptr, nullptr, nullptr, nullptr, 0, 1, 10, 2, work.data()), 0);
    Result r = eig({5, 1, 2, 0, -1, 3, 0, 0, 7}, 3, 2);  // isolated by the permutations: exact
    ASSERT_EQ(r.status, 0);
    std::vector<double> v;
    for (uint64_t k = 0; k < 3; ++k) v.push_back(widefp_float_wrtod(&r.re[k * 3]));
    std::sort(v.begin(), v.end());
    EXPECT_EQ(v, (std::vector<double>{-1, 5, 7}));
}

namespace {

// log2 of max over (i, j) of |(A V - V D)_ij| / ||A||_F (MPFR at 4x the
// bits) for the vectors of the n x n a at p, with the checks every vector
// must pass: unit 2-norm, its entry of largest magnitude real (and
// positive), a conjugate pair's vectors exact conjugates.
double log2_residual(const std::vector<double> &a, uint64_t n, uint64_t p, int balance = 1) {
    const uint64_t w = p + 1;
    Words A(n * n * w), re(n * w), im(n * w), vr(n * n * w), vi(n * n * w);
    for (uint64_t k = 0; k < n * n; ++k) widefp_float_dtowr(&A[k * w], a[k], p);
    Words work(widefp_matrix_eig_gen_vec_work_size(n, p));
    const int status = widefp_matrix_eig_gen_vec(re.data(), im.data(), vr.data(), vi.data(), nullptr, A.data(), n,
                                                 balance, widefp_matrix_eig_gen_sweep_bound(p), p, work.data());
    EXPECT_EQ(status, 0);
    const mpfr_prec_t bits = static_cast<mpfr_prec_t>(256 * p + 64);
    th::Mp sr(bits, true), si(bits, true), t(bits, true), u(bits, true), lr(bits, true), li(bits, true);
    th::Mp worst(bits, true), fro(bits, true), nrm(bits, true);
    for (double x : a) {
        mpfr_set_d(t, x, MPFR_RNDN);
        mpfr_fma(fro, t, t, fro, MPFR_RNDN);
    }
    mpfr_sqrt(fro, fro, MPFR_RNDN);
    for (uint64_t j = 0; j < n; ++j) {
        th::to_mpfr(lr, &re[j * w], p);
        th::to_mpfr(li, &im[j * w], p);
        mpfr_set_zero(nrm, 1);
        double big = -1;
        uint64_t at = 0;
        for (uint64_t i = 0; i < n; ++i) {
            mpfr_set_zero(sr, 1);
            mpfr_set_zero(si, 1);
            for (uint64_t m = 0; m < n; ++m) {
                mpfr_set_d(u, a[i * n + m], MPFR_RNDN);
                th::to_mpfr(t, &vr[(m * n + j) * w], p);
                mpfr_fma(sr, u, t, sr, MPFR_RNDN);
                th::to_mpfr(t, &vi[(m * n + j) * w], p);
                mpfr_fma(si, u, t, si, MPFR_RNDN);
            }
            th::Mp xr(bits, true), xi(bits, true);
            th::to_mpfr(xr, &vr[(i * n + j) * w], p);
            th::to_mpfr(xi, &vi[(i * n + j) * w], p);
            mpfr_fma(nrm, xr, xr, nrm, MPFR_RNDN);
            mpfr_fma(nrm, xi, xi, nrm, MPFR_RNDN);
            const double mag = std::hypot(mpfr_get_d(xr, MPFR_RNDN), mpfr_get_d(xi, MPFR_RNDN));
            if (mag > big * (1 + 1e-9)) big = mag, at = i;
            // (sr, si) -= (xr + i xi)(lr + i li)
            mpfr_mul(t, xr, lr, MPFR_RNDN);
            mpfr_sub(sr, sr, t, MPFR_RNDN);
            mpfr_mul(t, xi, li, MPFR_RNDN);
            mpfr_add(sr, sr, t, MPFR_RNDN);
            mpfr_mul(t, xr, li, MPFR_RNDN);
            mpfr_sub(si, si, t, MPFR_RNDN);
            mpfr_mul(t, xi, lr, MPFR_RNDN);
            mpfr_sub(si, si, t, MPFR_RNDN);
            mpfr_hypot(t, sr, si, MPFR_RNDN);
            if (mpfr_cmp(t, worst) > 0) mpfr_set(worst, t, MPFR_RNDN);
        }
        EXPECT_TRUE(th::is_zero(&vi[(at * n + j) * w])) << "column " << j;
        EXPECT_GT(widefp_float_wrtod(&vr[(at * n + j) * w]), 0.0) << "column " << j;
        mpfr_sqrt(nrm, nrm, MPFR_RNDN);
        mpfr_sub_ui(nrm, nrm, 1, MPFR_RNDN);
        EXPECT_LT(std::fabs(mpfr_get_d(nrm, MPFR_RNDN)), std::ldexp(8.0 * n, -64 * static_cast<int>(p))) << j;
        if (j > 0 && widefp_float_wrtod(&im[j * w]) < 0)
            for (uint64_t i = 0; i < n; ++i) {
                EXPECT_EQ(th::hex(&vr[(i * n + j) * w], w), th::hex(&vr[(i * n + j - 1) * w], w));
                Words m(&vi[(i * n + j) * w], &vi[(i * n + j) * w] + w);
                if (!th::is_zero(m.data())) m[0] ^= th::kSign;
                EXPECT_EQ(th::hex(m), th::hex(&vi[(i * n + j - 1) * w], w));
            }
    }
    if (mpfr_zero_p(worst)) return -1e9;
    mpfr_div(worst, worst, fro, MPFR_RNDN);
    long e;
    const double d = mpfr_get_d_2exp(&e, worst, MPFR_RNDN);
    return static_cast<double>(e) + std::log2(std::fabs(d));
}

}  // namespace

// ||A V - V D||_max <= 16 n^2 2^-64p ||A||_F for matrices whose vectors are
// well conditioned (random ones, companion matrices with simple roots, a
// badly scaled one that the balancing evens out, a rotation).
TEST(EigGen, VectorResiduals) {
    th::Rng rng(4242);
    for (uint64_t p : {2, 4}) {
        const double bound = -64.0 * p;
        for (uint64_t n : {1, 2, 5, 12}) {
            std::vector<double> a(n * n);
            for (auto &x : a) x = std::ldexp(static_cast<double>(rng.word() >> 11), -53) * 2 - 1;
            for (int balance : {0, 1})
                EXPECT_LT(log2_residual(a, n, p, balance), bound + 4 + 2 * std::log2(n)) << n << " " << p;
        }
        EXPECT_LT(log2_residual(companion({1, -2, -2, 20, -47, 30}), 5, p), bound + 9) << p;
        EXPECT_LT(log2_residual({0, 1, -1, 0}, 2, p), bound + 2) << p;
        EXPECT_LT(log2_residual({5, 1, 2, 0, -1, 3, 0, 0, 7}, 3, p), bound + 5) << p;  // triangular
        // D B D^-1 with D = diag(2^(10k)): entries from 2^-40 to 2^40
        const uint64_t n = 5;
        std::vector<double> b(n * n);
        for (uint64_t i = 0; i < n; ++i)
            for (uint64_t j = 0; j < n; ++j)
                b[i * n + j] = std::ldexp(static_cast<double>(rng.word() >> 11), -53 + 10 * (int(i) - int(j)));
        EXPECT_LT(log2_residual(b, n, p), bound + 10) << p;
    }
}
