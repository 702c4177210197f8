// Complex arithmetic and functions against GNU MPC: add, sub and mul bit for
// bit in the four modes, div and the functions within their stated bounds
// (per component c: |error| <= k u(c) + 2^-100 u(larger component), k = 1,
// or 1/2 for div to nearest, plus 2^-120 u(c)), on random arguments and on
// the points on both sides of the branch cuts.  The largest errors seen are
// printed.
#include <gtest/gtest.h>
#include <mpc.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "harness.h"
#include "widefp_complex.h"
#include "widefp_rnd.h"

namespace {

using th::Words;
using Cx1 = void (*)(uint64_t *, uint64_t *, const uint64_t *, const uint64_t *, uint64_t, int);
using Cx2 = void (*)(uint64_t *, uint64_t *, const uint64_t *, const uint64_t *, const uint64_t *, const uint64_t *,
                     uint64_t, int);

const uint64_t kPs[] = {1, 2, 4, 8, 17, 64};
const int kModes[] = {WIDEFP_RNDN, WIDEFP_RNDZ, WIDEFP_RNDU, WIDEFP_RNDD};

mpfr_rnd_t mp_rnd(int mode) {
    switch (mode) {
        case WIDEFP_RNDZ: return MPFR_RNDZ;
        case WIDEFP_RNDU: return MPFR_RNDU;
        case WIDEFP_RNDD: return MPFR_RNDD;
        default: return MPFR_RNDN;
    }
}

struct Mc {
    explicit Mc(mpfr_prec_t bits) { mpc_init2(v, bits); }
    ~Mc() { mpc_clear(v); }
    Mc(const Mc &) = delete;
    mpc_t v;
};

struct Z {
    Words re, im;
};

Z random_z(th::Rng &r, uint64_t p, int64_t emin = -6, int64_t emax = 6) {
    Z z{th::random_wr(r, p, emin, emax), th::random_wr(r, p, emin, emax)};
    return z;
}

void to_mpc(mpc_t out, const Z &z, uint64_t p) {
    th::to_mpfr(mpc_realref(out), z.re.data(), p);
    th::to_mpfr(mpc_imagref(out), z.im.data(), p);
}

// Largest errors seen, in units of the component's own last place and of the
// larger component's.
struct Worst {
    double own = 0, big = 0;
};

// |ours - ref| <= k u(ref) + 2^-100 U, U the last place of the larger
// component of the reference; updates the worst errors.
::testing::AssertionResult within(const uint64_t *ours, mpfr_srcptr ref, mpfr_srcptr other, uint64_t p, double k,
                                  Worst &w) {
    const mpfr_prec_t bits = static_cast<mpfr_prec_t>(64 * p + 400);
    th::Mp a(bits, true), d(bits, true), u(bits, true), U(bits, true);
    th::to_mpfr(a, ours, p);
    if (mpfr_inf_p(ref) || mpfr_inf_p(a)) {
        if (mpfr_inf_p(ref) && mpfr_inf_p(a) && mpfr_signbit(ref) == mpfr_signbit(a))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "infinity mismatch";
    }
    mpfr_sub(d, a, ref, MPFR_RNDN);
    mpfr_abs(d, d, MPFR_RNDN);
    auto ulp = [&](mpfr_ptr out, mpfr_srcptr v) {
        if (mpfr_zero_p(v) || mpfr_inf_p(v)) {
            mpfr_set_zero(out, 1);
            return;
        }
        mpfr_set_ui_2exp(out, 1, mpfr_get_exp(v) - 1 - static_cast<long>(64 * p), MPFR_RNDN);
    };
    ulp(u, ref);
    ulp(U, mpfr_cmpabs(ref, other) >= 0 || mpfr_inf_p(other) ? ref : other);
    if (!mpfr_zero_p(u)) w.own = std::max(w.own, mpfr_get_d(d, MPFR_RNDN) / mpfr_get_d(u, MPFR_RNDN));
    if (!mpfr_zero_p(U)) {
        th::Mp t(bits, true);
        mpfr_div(t, d, U, MPFR_RNDN);
        w.big = std::max(w.big, mpfr_get_d(t, MPFR_RNDN));
    }
    th::Mp bound(bits, true);
    mpfr_mul_d(bound, u, k + std::ldexp(1.0, -120), MPFR_RNDU);
    mpfr_mul_2si(U, U, -100, MPFR_RNDN);
    mpfr_add(bound, bound, U, MPFR_RNDU);
    if (mpfr_zero_p(ref) && mpfr_zero_p(d)) {
        if (mpfr_signbit(ref) != mpfr_signbit(a)) return ::testing::AssertionFailure() << "sign of zero";
        return ::testing::AssertionSuccess();
    }
    if (mpfr_cmp(d, bound) <= 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "error " << mpfr_get_d(d, MPFR_RNDN) << " above bound "
                                         << mpfr_get_d(bound, MPFR_RNDN) << " (value "
                                         << mpfr_get_d(ref, MPFR_RNDN) << ")";
}

std::string show(const Z &z, uint64_t p) {
    return "z = " + std::to_string(widefp_float_wrtod(z.re.data())) + " + " +
           std::to_string(widefp_float_wrtod(z.im.data())) + "i p=" + std::to_string(p) +
           " re " + th::hex(z.re.data(), std::min<size_t>(p + 1, 3)) + " im " +
           th::hex(z.im.data(), std::min<size_t>(p + 1, 3));
}

// ---- add, sub, mul: bit for bit --------------------------------------------

using MpcOp2 = int (*)(mpc_ptr, mpc_srcptr, mpc_srcptr, mpc_rnd_t);

void exact_op(Cx2 ours, MpcOp2 theirs, const char *name) {
    th::Rng r(0xc0ffee);
    for (uint64_t p : kPs) {
        const int n = p > 17 ? 60 : 300;
        for (int i = 0; i < n; ++i) {
            Z a = random_z(r, p, -40, 40), b = random_z(r, p, -40, 40);
            if (i % 7 == 0) {  // cancelling products: b close to a multiple of conj-rotated a
                b.re = a.im;
                b.im = a.re;
                b.im[p] ^= 1;
            }
            const int mode = kModes[i % 4];
            Words yr(p + 1), yi(p + 1);
            ours(yr.data(), yi.data(), a.re.data(), a.im.data(), b.re.data(), b.im.data(), p, mode);
            const mpfr_prec_t bits = static_cast<mpfr_prec_t>(64 * p + 1);
            Mc x(bits), y(bits), z(bits);
            to_mpc(x.v, a, p);
            to_mpc(y.v, b, p);
            theirs(z.v, x.v, y.v, MPC_RND(mp_rnd(mode), mp_rnd(mode)));
            const Words er = th::from_mpfr(mpc_realref(z.v), p), ei = th::from_mpfr(mpc_imagref(z.v), p);
            ASSERT_TRUE(th::same_value(yr.data(), er.data(), p) && th::same_value(yi.data(), ei.data(), p))
                << name << " mode " << mode << " " << show(a, p) << " times " << show(b, p);
        }
    }
}

TEST(ComplexArith, AddSubMulAreCorrectlyRounded) {
    exact_op(widefp_cplx_add, mpc_add, "add");
    exact_op(widefp_cplx_sub, mpc_sub, "sub");
    exact_op(widefp_cplx_mul, mpc_mul, "mul");
}

TEST(ComplexArith, MulSignedZerosAndAliasing) {
    const uint64_t p = 2;
    Words one = th::from_double(1, p), zero = th::from_double(0, p), mzero = th::from_double(-0.0, p);
    Words yr(p + 1), yi(p + 1);
    // (1 + 1i)(1 - 1i) = 2 + 0i: the imaginary part 1*(-1) + 1*1 is an exact zero, +0 (-0 rounding down)
    Words mone = th::from_double(-1, p);
    widefp_cplx_mul(yr.data(), yi.data(), one.data(), one.data(), one.data(), mone.data(), p, WIDEFP_RNDN);
    EXPECT_EQ(widefp_float_wrtod(yr.data()), 2.0);
    EXPECT_FALSE(std::signbit(widefp_float_wrtod(yi.data())));
    widefp_cplx_mul(yr.data(), yi.data(), one.data(), one.data(), one.data(), mone.data(), p, WIDEFP_RNDD);
    EXPECT_TRUE(std::signbit(widefp_float_wrtod(yi.data())));
    // in place: z = z * z
    Words a = th::from_double(3, p), b = th::from_double(4, p);
    widefp_cplx_mul(a.data(), b.data(), a.data(), b.data(), a.data(), b.data(), p, WIDEFP_RNDN);
    EXPECT_EQ(widefp_float_wrtod(a.data()), -7.0);
    EXPECT_EQ(widefp_float_wrtod(b.data()), 24.0);
    (void)zero;
    (void)mzero;
}

TEST(ComplexArith, DivWithinBound) {
    th::Rng r(0xd1f);
    Worst w[2];
    for (uint64_t p : kPs) {
        const int n = p > 17 ? 60 : 300;
        for (int i = 0; i < n; ++i) {
            Z a = random_z(r, p, -40, 40), b = random_z(r, p, -40, 40);
            const int mode = kModes[i % 4];
            Words yr(p + 1), yi(p + 1);
            widefp_cplx_div(yr.data(), yi.data(), a.re.data(), a.im.data(), b.re.data(), b.im.data(), p, mode);
            const mpfr_prec_t bits = static_cast<mpfr_prec_t>(64 * p + 400);
            Mc x(bits), y(bits), z(bits);
            to_mpc(x.v, a, p);
            to_mpc(y.v, b, p);
            mpc_div(z.v, x.v, y.v, MPC_RNDNN);
            const double k = mode == WIDEFP_RNDN ? 0.5 : 1.0;
            Worst &ww = w[mode == WIDEFP_RNDN ? 0 : 1];
            ASSERT_TRUE(within(yr.data(), mpc_realref(z.v), mpc_imagref(z.v), p, k, ww)) << "div re " << show(a, p);
            ASSERT_TRUE(within(yi.data(), mpc_imagref(z.v), mpc_realref(z.v), p, k, ww)) << "div im " << show(a, p);
        }
    }
    std::printf("div: largest error %.6g ulp to nearest, %.6g ulp directed\n", w[0].own, w[1].own);
}

// ---- functions ---------------------------------------------------------------

using Ref1 = std::function<void(mpc_ptr, mpc_srcptr)>;

struct Fn {
    const char *name;
    Cx1 ours;
    Ref1 ref;
    bool octave_cut;  // asin, acos: conjugate on the real axis right of 1
};

Ref1 plain(int (*f)(mpc_ptr, mpc_srcptr, mpc_rnd_t)) {
    return [f](mpc_ptr out, mpc_srcptr z) { f(out, z, MPC_RNDNN); };
}

const Fn &fn(int k) {
    static const Fn fns[] = {
        {"sqrt", widefp_cplx_sqrt, plain(mpc_sqrt), false},
        {"exp", widefp_cplx_exp, plain(mpc_exp), false},
        {"expm1", widefp_cplx_expm1,
         [](mpc_ptr out, mpc_srcptr z) {
             mpc_exp(out, z, MPC_RNDNN);
             mpc_sub_ui(out, out, 1, MPC_RNDNN);
         },
         false},
        {"log", widefp_cplx_log, plain(mpc_log), false},
        {"log1p", widefp_cplx_log1p,
         [](mpc_ptr out, mpc_srcptr z) {
             Mc t(mpc_get_prec(out) + 20000);
             mpc_add_ui(t.v, z, 1, MPC_RNDNN);  // exact for the exponents used
             mpc_log(out, t.v, MPC_RNDNN);
         },
         false},
        {"log2", widefp_cplx_log2,
         [](mpc_ptr out, mpc_srcptr z) {
             mpc_log(out, z, MPC_RNDNN);
             th::Mp l(mpc_get_prec(out) + 64, true);
             mpfr_const_log2(l, MPFR_RNDN);
             mpc_div_fr(out, out, l, MPC_RNDNN);
         },
         false},
        {"log10", widefp_cplx_log10, plain(mpc_log10), false},
        {"sin", widefp_cplx_sin, plain(mpc_sin), false},
        {"cos", widefp_cplx_cos, plain(mpc_cos), false},
        {"tan", widefp_cplx_tan, plain(mpc_tan), false},
        {"asin", widefp_cplx_asin, plain(mpc_asin), true},
        {"acos", widefp_cplx_acos, plain(mpc_acos), true},
        {"atan", widefp_cplx_atan, plain(mpc_atan), false},
        {"sinh", widefp_cplx_sinh, plain(mpc_sinh), false},
        {"cosh", widefp_cplx_cosh, plain(mpc_cosh), false},
        {"tanh", widefp_cplx_tanh, plain(mpc_tanh), false},
        {"asinh", widefp_cplx_asinh, plain(mpc_asinh), false},
        {"acosh", widefp_cplx_acosh, plain(mpc_acosh), false},
        {"atanh", widefp_cplx_atanh, plain(mpc_atanh), false},
    };
    return fns[k];
}
constexpr int kFns = 19;

// One argument: ours in `mode` against the reference, bound 1 u + 2^-100 U.
::testing::AssertionResult check1(const Fn &f, const Z &z, uint64_t p, int mode, Worst &w) {
    Words yr(p + 1), yi(p + 1);
    f.ours(yr.data(), yi.data(), z.re.data(), z.im.data(), p, mode);
    const mpfr_prec_t bits = static_cast<mpfr_prec_t>(64 * p + 400);
    Mc x(bits), y(bits);
    to_mpc(x.v, z, p);
    f.ref(y.v, x.v);
    if (f.octave_cut && mpfr_zero_p(mpc_imagref(x.v)) && mpfr_cmp_ui(mpc_realref(x.v), 1) > 0)
        mpc_conj(y.v, y.v, MPC_RNDNN);
    auto a = within(yr.data(), mpc_realref(y.v), mpc_imagref(y.v), p, 1.0, w);
    if (!a) return a << " " << f.name << " re mode " << mode << " " << show(z, p);
    auto b = within(yi.data(), mpc_imagref(y.v), mpc_realref(y.v), p, 1.0, w);
    if (!b) return b << " " << f.name << " im mode " << mode << " " << show(z, p);
    return ::testing::AssertionSuccess();
}

TEST(ComplexFunctions, RandomArgumentsWithinBound) {
    th::Rng r(0xfe11);
    for (int k = 0; k < kFns; ++k) {
        const Fn &f = fn(k);
        Worst w;
        for (uint64_t p : kPs) {
            const int n = p > 17 ? 12 : 60;
            for (int i = 0; i < n; ++i) {
                Z z = random_z(r, p, -6, 4);
                if (i % 5 == 0) {  // near the unit circle and near +-1
                    z.re = th::random_wr(r, p, -1, -1);
                    z.im = th::random_wr(r, p, -1, -1);
                }
                if (i % 9 == 0) z.im = th::random_wr(r, p, -60, -30);
                ASSERT_TRUE(check1(f, z, p, kModes[i % 4], w));
            }
        }
        std::printf("%-6s largest error %.4g ulp of the component, %.3g ulp of the larger\n", f.name, w.own, w.big);
    }
}

TEST(ComplexFunctions, BranchCutsBothSides) {
    const uint64_t p = 2;
    const double xs[] = {2, -2, 0.5, -0.5, 1.5, -3};
    for (int k = 0; k < kFns; ++k) {
        const Fn &f = fn(k);
        Worst w;
        for (double x : xs)
            for (double y : {0.0, -0.0}) {
                // the real axis, both sides
                Z z{th::from_double(x, p), th::from_double(y, p)};
                EXPECT_TRUE(check1(f, z, p, WIDEFP_RNDN, w));
                // the imaginary axis, both sides
                Z v{th::from_double(y, p), th::from_double(x, p)};
                EXPECT_TRUE(check1(f, v, p, WIDEFP_RNDN, w));
            }
    }
}

TEST(ComplexFunctions, OctaveValuesOnTheRealAxis) {
    const uint64_t p = 1;
    auto run = [&](Cx1 f, double x, double y) {
        Words a = th::from_double(x, p), b = th::from_double(y, p), yr(p + 1), yi(p + 1);
        f(yr.data(), yi.data(), a.data(), b.data(), p, WIDEFP_RNDN);
        return std::pair<double, double>(widefp_float_wrtod(yr.data()), widefp_float_wrtod(yi.data()));
    };
    // Octave: asin (2) = 1.5708 - 1.3170i, acos (2) = 0 + 1.3170i,
    // atanh (2) = 0.5493 + 1.5708i, acosh (0.5) = 0 + 1.0472i, log (-1) = pi i.
    EXPECT_LT(run(widefp_cplx_asin, 2, 0).second, 0);
    EXPECT_GT(run(widefp_cplx_asin, 2, -0.0).second, 0);
    EXPECT_GT(run(widefp_cplx_acos, 2, 0).second, 0);
    EXPECT_GT(run(widefp_cplx_atanh, 2, 0).second, 1.57);
    EXPECT_NEAR(run(widefp_cplx_acosh, 0.5, 0).second, 1.0471975511965976, 1e-15);
    EXPECT_NEAR(run(widefp_cplx_log, -1, 0).second, M_PI, 1e-15);
    EXPECT_NEAR(run(widefp_cplx_log, -1, -0.0).second, -M_PI, 1e-15);
    EXPECT_EQ(run(widefp_cplx_sqrt, -4, -0.0).second, -2);
    EXPECT_TRUE(std::isinf(run(widefp_cplx_log, 0, 0).first));
}

TEST(ComplexFunctions, PowWithinBound) {
    th::Rng r(0x90e);
    Worst w;
    for (uint64_t p : kPs) {
        const int n = p > 17 ? 12 : 60;
        for (int i = 0; i < n; ++i) {
            Z a = random_z(r, p, -3, 3), b = random_z(r, p, -3, 3);
            if (i % 4 == 0) {  // a Gaussian power
                b.re = th::from_double(static_cast<double>(static_cast<int>(r.below(41)) - 20), p);
                b.im = th::from_double(0, p);
            }
            Words yr(p + 1), yi(p + 1);
            widefp_cplx_pow(yr.data(), yi.data(), a.re.data(), a.im.data(), b.re.data(), b.im.data(), p,
                            WIDEFP_RNDN);
            const mpfr_prec_t bits = static_cast<mpfr_prec_t>(64 * p + 400);
            Mc x(bits), y(bits), z(bits);
            to_mpc(x.v, a, p);
            to_mpc(y.v, b, p);
            mpc_pow(z.v, x.v, y.v, MPC_RNDNN);
            ASSERT_TRUE(within(yr.data(), mpc_realref(z.v), mpc_imagref(z.v), p, 1.0, w)) << "pow " << show(a, p);
            ASSERT_TRUE(within(yi.data(), mpc_imagref(z.v), mpc_realref(z.v), p, 1.0, w)) << "pow " << show(a, p);
        }
    }
    std::printf("pow: largest error %.4g ulp of the component, %.3g ulp of the larger\n", w.own, w.big);
}

TEST(ComplexTiming, MulAndExpAtFourWords) {
    const uint64_t p = 4;
    th::Rng r(7);
    Z a = random_z(r, p, -2, 2), b = random_z(r, p, -2, 2);
    Words yr(p + 1), yi(p + 1);
    const mpfr_prec_t bits = 64 * p + 1;
    Mc x(bits), y(bits), z(bits);
    to_mpc(x.v, a, p);
    to_mpc(y.v, b, p);
    auto time = [](auto &&f, int n) {
        const auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < n; ++i) f();
        return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - t0).count() / n;
    };
    const double m1 = time([&] { widefp_cplx_mul(yr.data(), yi.data(), a.re.data(), a.im.data(), b.re.data(),
                                                 b.im.data(), p, WIDEFP_RNDN); }, 200000);
    const double m2 = time([&] { mpc_mul(z.v, x.v, y.v, MPC_RNDNN); }, 200000);
    const double e1 = time([&] { widefp_cplx_exp(yr.data(), yi.data(), a.re.data(), a.im.data(), p, WIDEFP_RNDN); },
                           20000);
    const double e2 = time([&] { mpc_exp(z.v, x.v, MPC_RNDNN); }, 20000);
    std::printf("p = 4: mul %.0f ns (MPC %.0f ns), exp %.0f ns (MPC %.0f ns)\n", m1, m2, e1, e2);
}

}  // namespace
