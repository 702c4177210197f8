// test_real_eigen -- widefp::real in Eigen's dense decompositions: the
// Hilbert matrix of order 12 at 4 words (cond about 1.7e16), its solves
// against an MPFR elimination at four times the bits and the library's own
// solve, its eigenvalues and singular values against mpmath's (100 digits),
// its Cholesky factor's residual computed exactly in MPFR.
#include <gtest/gtest.h>

#include <Eigen/Cholesky>
#include <Eigen/Eigenvalues>
#include <Eigen/LU>
#include <Eigen/QR>
#include <Eigen/SVD>

#include <cstdio>
#include <deque>
#include <vector>

#include "harness.h"
#include "widefp_eigen.hpp"
#include "widefp_linalg.h"

namespace {

using widefp::real;
using Mat = Eigen::Matrix<real, Eigen::Dynamic, Eigen::Dynamic>;
using Vec = Eigen::Matrix<real, Eigen::Dynamic, 1>;

constexpr int kP = 4, kN = 12;
constexpr mpfr_prec_t kRefBits = 4 * (64 * kP + 1);
// 2^-256 times cond(H12) and a growth allowance of 1000: the bound on the
// relative error of a solve.  A step done at a lower precision (2^-128)
// misses it by 20 orders of magnitude.
const double kUnit = std::ldexp(1.0, -64 * kP);
const double kSolveBound = 1000 * 1.7e16 * kUnit;
// Absolute bound on eigenvalues, singular values and the Cholesky residual:
// 50 n units of ||H|| (< 2).  Tolerances at 2^-128 (the precision of 2
// words) leave JacobiSVD's singular values 6.7e-74 off: beyond it.
const double kBackwardBound = 50 * kN * 2 * kUnit;

// The eigenvalues of the exact H12, ascending (mpmath, 100 digits).  The
// rounded entries move them by less than n 2^-257.
const char *const kEigenvalues[kN] = {
    "1.047946397962226691925994761796668512344072228932124081890940738355061680944637045702111620098608239e-16",
    "2.649021493444886721056139325710665201425710671735133070882210449768535047480619372188232476349192295e-14",
    "3.111354897226916735224590679029454807514364654126854236311845452502488491226062529194379541972082304e-12",
    "2.251964553490076892299386543277724552642565445941563481248989196337741396239970592556295584455609519e-10",
    "1.122861066751703031290978421045009123883303967881855456746509205078789444567427008515983312348768318e-8",
    "4.082376110386177344195597615315635191136569970900800834289629126172391766872349177563278826039308195e-7",
    "1.116335748322442773536348058984485632313722472210433928012690652913669227322975032494557438343400783e-5",
    "2.330890890217806611181226605005701819970332961970238047489228211001264656809137053509039762862000028e-4",
    "3.722312237891166250385996747397875875371618403079100750387596086090914431013535158946261561209931441e-3",
    "4.47385487521810745474879031512312043456548816574450943984446764148894429819699274211160296112759646e-2",
    "0.3802752459550370977932601186194522130377441052048155608755257549517177429491897801525598227193716179",
    "1.795372059561997308725147249185634935968847971781747218917866466473103863892050416103112611615030928",
};

// n MPFR numbers of kRefBits bits (a deque: Mp neither copies nor moves).
std::deque<th::Mp> mp_array(size_t n) {
    std::deque<th::Mp> v;
    for (size_t i = 0; i < n; ++i) v.emplace_back(kRefBits, true);
    return v;
}

// |x - ref| / scale as a double.
double distance(const real &x, mpfr_srcptr ref, double scale) {
    th::Mp d(kRefBits + 64 * kP, true);
    th::to_mpfr(d, x.data(), static_cast<uint64_t>(x.precision()));
    mpfr_sub(d, d, ref, MPFR_RNDN);
    return std::fabs(mpfr_get_d(d, MPFR_RNDN)) / scale;
}

class RealEigen : public ::testing::Test {
protected:
    void SetUp() override { old_ = real::default_precision(kP); }
    void TearDown() override { real::default_precision(old_); }

    static Mat hilbert() {
        Mat h(kN, kN);
        for (int i = 0; i < kN; ++i)
            for (int j = 0; j < kN; ++j) h(i, j) = real(1) / (i + j + 1);
        return h;
    }

private:
    int old_ = 2;
};

TEST_F(RealEigen, NumTraitsFollowTheDefaultPrecision) {
    using NT = Eigen::NumTraits<real>;
    th::Mp v(kRefBits, true);
    th::to_mpfr(v, NT::epsilon().data(), kP);
    EXPECT_EQ(mpfr_cmp_ui_2exp(v, 1, -256), 0);
    th::to_mpfr(v, NT::dummy_precision().data(), kP);
    EXPECT_EQ(mpfr_cmp_ui_2exp(v, 1, -192), 0);
    EXPECT_EQ(NT::epsilon().precision(), kP);
    EXPECT_EQ(NT::digits(), 257);
    EXPECT_EQ(NT::digits10(), 77);
    EXPECT_TRUE(isinf(NT::infinity()) && !isinf(NT::highest()) && NT::lowest() == -NT::highest());
    EXPECT_FALSE(isfinite(NT::quiet_NaN()));
    real::default_precision(1023);
    EXPECT_EQ(NT::digits10(), 19709);  // floor(65473 log10 2)
    real::default_precision(16);
    EXPECT_EQ(NT::digits10(), 308);
}

TEST_F(RealEigen, HilbertSolvesAgreeWithMpfr) {
    const Mat h = hilbert();
    const Vec b = h * Vec::Ones(kN);
    // Reference: elimination with partial pivoting in MPFR at four times the
    // bits, on the same (rounded) matrix and right-hand side.
    std::deque<th::Mp> a = mp_array(kN * (kN + 1)), x = mp_array(kN);
    th::Mp m(kRefBits, true), t(kRefBits, true);
    for (int i = 0; i < kN; ++i) {
        for (int j = 0; j < kN; ++j) th::to_mpfr(a[i * (kN + 1) + j], h(i, j).data(), kP);
        th::to_mpfr(a[i * (kN + 1) + kN], b(i).data(), kP);
    }
    for (int k = 0; k < kN; ++k) {
        int piv = k;
        for (int i = k + 1; i < kN; ++i)
            if (mpfr_cmpabs(a[i * (kN + 1) + k], a[piv * (kN + 1) + k]) > 0) piv = i;
        for (int j = 0; j <= kN; ++j) mpfr_swap(a[k * (kN + 1) + j], a[piv * (kN + 1) + j]);
        for (int i = k + 1; i < kN; ++i) {
            mpfr_div(m, a[i * (kN + 1) + k], a[k * (kN + 1) + k], MPFR_RNDN);
            for (int j = k; j <= kN; ++j) {
                mpfr_mul(t, m, a[k * (kN + 1) + j], MPFR_RNDN);
                mpfr_sub(a[i * (kN + 1) + j], a[i * (kN + 1) + j], t, MPFR_RNDN);
            }
        }
    }
    for (int i = kN - 1; i >= 0; --i) {
        mpfr_set(m, a[i * (kN + 1) + kN], MPFR_RNDN);
        for (int j = i + 1; j < kN; ++j) {
            mpfr_mul(t, a[i * (kN + 1) + j], x[j], MPFR_RNDN);
            mpfr_sub(m, m, t, MPFR_RNDN);
        }
        mpfr_div(x[i], m, a[i * (kN + 1) + i], MPFR_RNDN);
    }

    // The library's own solve on [H | b], by rows.
    std::vector<uint64_t> words(kN * (kN + 1) * (kP + 1)), work(widefp_matrix_solve_work_size(kP));
    for (int i = 0; i < kN; ++i)
        for (int j = 0; j <= kN; ++j) {
            const real &v = j < kN ? h(i, j) : b(i);
            std::copy(v.data(), v.data() + kP + 1, words.begin() + (i * (kN + 1) + j) * (kP + 1));
        }
    widefp_matrix_solve(words.data(), kN, 1, kP, work.data());
    Vec lib(kN);
    for (int i = 0; i < kN; ++i)
        std::copy_n(words.begin() + (i * (kN + 1) + kN) * (kP + 1), kP + 1, lib(i).data());

    const Vec lu = h.partialPivLu().solve(b), qr = h.householderQr().solve(b);
    const Vec *solutions[3] = {&lu, &qr, &lib};
    const char *names[3] = {"PartialPivLU", "HouseholderQR", "widefp_matrix_solve"};
    for (int s = 0; s < 3; ++s) {
        double worst = 0;
        for (int i = 0; i < kN; ++i) {
            EXPECT_EQ((*solutions[s])(i).precision(), kP);
            worst = std::max(worst, distance((*solutions[s])(i), x[i], 1.0));  // |x| ~ 1
        }
        std::printf("H12 x = b, %-20s largest error %.3g (bound %.3g)\n", names[s], worst, kSolveBound);
        EXPECT_LT(worst, kSolveBound) << names[s];
    }
}

TEST_F(RealEigen, HilbertEigenvaluesAndSingularValuesAgreeWithMpmath) {
    const Mat h = hilbert();
    Eigen::SelfAdjointEigenSolver<Mat> eig(h, Eigen::EigenvaluesOnly);
    ASSERT_EQ(eig.info(), Eigen::Success);
    const Vec sv = Eigen::JacobiSVD<Mat>(h).singularValues();  // descending
    double worst_eig = 0, worst_sv = 0;
    th::Mp ref(kRefBits, true);
    for (int i = 0; i < kN; ++i) {
        mpfr_set_str(ref, kEigenvalues[i], 10, MPFR_RNDN);
        worst_eig = std::max(worst_eig, distance(eig.eigenvalues()(i), ref, 1.0));
        worst_sv = std::max(worst_sv, distance(sv(kN - 1 - i), ref, 1.0));
    }
    mpfr_set_str(ref, kEigenvalues[0], 10, MPFR_RNDN);
    std::printf("H12 eigenvalues: largest error %.3g, of the smallest relative %.3g; singular values %.3g "
                "(bound %.3g)\n",
                worst_eig, distance(eig.eigenvalues()(0), ref, mpfr_get_d(ref, MPFR_RNDN)), worst_sv,
                kBackwardBound);
    EXPECT_LT(worst_eig, kBackwardBound);
    EXPECT_LT(worst_sv, kBackwardBound);
}

TEST_F(RealEigen, CholeskyResidualIsSmall) {
    const Mat h = hilbert();
    Eigen::LLT<Mat> llt(h);
    ASSERT_EQ(llt.info(), Eigen::Success);
    const Mat l = llt.matrixL();
    // L L^T - H exactly (the products of 257-bit numbers fit 1028 bits; the
    // sums are rounded far below the bound).
    th::Mp s(kRefBits, true), t(kRefBits, true), lik(kRefBits, true), ljk(kRefBits, true);
    double worst = 0;
    for (int i = 0; i < kN; ++i)
        for (int j = 0; j <= i; ++j) {
            mpfr_set_zero(s, 1);
            for (int k = 0; k <= j; ++k) {
                th::to_mpfr(lik, l(i, k).data(), kP);
                th::to_mpfr(ljk, l(j, k).data(), kP);
                mpfr_mul(t, lik, ljk, MPFR_RNDN);
                mpfr_add(s, s, t, MPFR_RNDN);
            }
            th::to_mpfr(t, h(i, j).data(), kP);
            mpfr_sub(s, s, t, MPFR_RNDN);
            worst = std::max(worst, std::fabs(mpfr_get_d(s, MPFR_RNDN)));
        }
    std::printf("H12 = L L^T: largest residual %.3g (bound %.3g)\n", worst, kBackwardBound);
    EXPECT_LT(worst, kBackwardBound);
    EXPECT_GT(worst, 0.0);  // computed in 257 bits, not exactly
}

}  // namespace
