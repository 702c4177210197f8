// widefp::real against MPFR at 64p+1 bits: operators and functions on
// random operands in the four modes, the mixed-precision and mixed-number
// rules, copies, moves and storage, streams, numeric_limits, domain errors.
#include <gtest/gtest.h>

#include <functional>
#include <iomanip>
#include <sstream>
#include <thread>

#include "rnd_check.h"
#include "widefp.hpp"

namespace {

using th::Words;
using widefp::real;
using Mfn = std::function<int(mpfr_ptr, mpfr_rnd_t)>;

const uint64_t kPs[] = {1, 2, 4, 9, 33};
const widefp::round_mode kRm[] = {widefp::round_mode::nearest, widefp::round_mode::toward_zero,
                                  widefp::round_mode::upward, widefp::round_mode::downward};

real of(const Words &w, uint64_t p) {
    real r(0, static_cast<int>(p));
    std::memcpy(r.data(), w.data(), (p + 1) * 8);
    return r;
}
Words words(const real &x) { return Words(x.data(), x.data() + x.precision() + 1); }
struct Mpv : th::Mp {  // the exact value of a real
    explicit Mpv(const real &x) : th::Mp(static_cast<uint64_t>(x.precision())) {
        th::to_mpfr(get(), x.data(), x.precision());
    }
};

// Ours equals MPFR's value rounded at p in mode m (ternary values aside).
::testing::AssertionResult agrees(const real &ours, uint64_t p, int m, const Mfn &f, const std::string &what) {
    if (static_cast<uint64_t>(ours.precision()) != p)
        return ::testing::AssertionFailure() << what << ": precision " << ours.precision() << " != " << p;
    auto ref = rc::reference(p, m, f);
    if (!ref) return ::testing::AssertionSuccess();
    return rc::same(words(ours), rc::sgn(ref->t), *ref, p, what + " " + rc::mode_name(m));
}

// Operands: exponents in [lo, hi], signs when asked.
Words operand(th::Rng &r, uint64_t p, int64_t lo, int64_t hi, bool neg) { return th::random_wr(r, p, lo, hi, neg); }

struct Unary {
    const char *name;
    real (*ours)(const real &);
    rc::Mpfr1 mpfr;
    int64_t lo, hi;
    bool neg;
};
// The arithmetic and functions on random operands, every mode, p = 1..33.
TEST(RealType, FunctionsMatchMpfr) {
    using namespace widefp;
    const Unary un[] = {
        {"sqrt", sqrt, mpfr_sqrt, -20, 20, false},
        {"cbrt", cbrt, mpfr_cbrt, -20, 20, true},
        {"exp", exp, mpfr_exp, -8, 6, true},
        {"expm1", expm1, mpfr_expm1, -70, 6, true},
        {"log", log, mpfr_log, -20, 20, false},
        {"log1p", log1p, mpfr_log1p, -70, -1, true},
        {"log2", log2, mpfr_log2, -20, 20, false},
        {"log10", log10, mpfr_log10, -20, 20, false},
        {"sin", sin, mpfr_sin, -10, 10, true},
        {"cos", cos, mpfr_cos, -10, 10, true},
        {"tan", tan, mpfr_tan, -10, 10, true},
        {"asin", asin, mpfr_asin, -10, -1, true},
        {"acos", acos, mpfr_acos, -10, -1, true},
        {"atan", atan, mpfr_atan, -10, 10, true},
        {"sinh", sinh, mpfr_sinh, -10, 5, true},
        {"cosh", cosh, mpfr_cosh, -10, 5, true},
        {"tanh", tanh, mpfr_tanh, -10, 5, true},
        {"asinh", asinh, mpfr_asinh, -10, 10, true},
        {"acosh", acosh, mpfr_acosh, 0, 10, false},
        {"atanh", atanh, mpfr_atanh, -10, -1, true},
        {"floor", floor, mpfr_rint_floor, -3, 70, true},
        {"ceil", ceil, mpfr_rint_ceil, -3, 70, true},
        {"trunc", trunc, mpfr_rint_trunc, -3, 70, true},
        {"round", round, mpfr_rint_round, -3, 70, true},
        {"abs", abs, mpfr_abs, -3, 3, true},
        {"neg", [](const real &x) { return -x; }, mpfr_neg, -3, 3, true},
    };
    th::Rng rng(11);
    for (const Unary &u : un)
        for (uint64_t p : kPs)
            for (int m = 0; m < 4; ++m) {
                rounding_mode(kRm[m]);
                for (int i = 0; i < 10; ++i) {
                    const real x = of(operand(rng, p, u.lo, u.hi, u.neg), p);
                    Mpv a(x);
                    EXPECT_TRUE(agrees(
                        u.ours(x), p, m, [&](mpfr_ptr o, mpfr_rnd_t r) { return u.mpfr(o, a, r); }, u.name));
                }
            }
    struct Binary {
        const char *name;
        std::function<real(const real &, const real &)> ours;
        rc::Mpfr2 mpfr;
        bool positive_first;
    };
    const Binary bin[] = {
        {"+", [](const real &a, const real &b) { return a + b; }, mpfr_add, false},
        {"-", [](const real &a, const real &b) { return a - b; }, mpfr_sub, false},
        {"*", [](const real &a, const real &b) { return a * b; }, mpfr_mul, false},
        {"/", [](const real &a, const real &b) { return a / b; }, mpfr_div, false},
        {"+=",
         [](const real &a, const real &b) {
             real c(a);
             return c += b;
         },
         mpfr_add, false},
        {"rvalue -", [](const real &a, const real &b) { return a - real(b); }, mpfr_sub, false},
        {"rvalue /", [](const real &a, const real &b) { return real(a) / b; }, mpfr_div, false},
        {"hypot", [](const real &a, const real &b) { return hypot(a, b); }, mpfr_hypot, false},
        {"atan2", [](const real &a, const real &b) { return atan2(a, b); }, mpfr_atan2, false},
        {"fmod", [](const real &a, const real &b) { return fmod(a, b); }, mpfr_fmod, false},
        {"pow", [](const real &a, const real &b) { return pow(a, b); }, mpfr_pow, true},
    };
    for (const Binary &f : bin)
        for (uint64_t p : kPs)
            for (int m = 0; m < 4; ++m) {
                rounding_mode(kRm[m]);
                for (int i = 0; i < 10; ++i) {
                    const real x = of(operand(rng, p, -6, 6, !f.positive_first), p);
                    const real y = of(operand(rng, p, -6, 3, true), p);
                    Mpv a(x), b(y);
                    EXPECT_TRUE(agrees(
                        f.ours(x, y), p, m, [&](mpfr_ptr o, mpfr_rnd_t r) { return f.mpfr(o, a, b, r); }, f.name));
                }
                // fma, integer powers, ldexp and frexp.
                const real x = of(operand(rng, p, -6, 6, true), p), y = of(operand(rng, p, -6, 6, true), p),
                           z = of(operand(rng, p, -12, 12, true), p);
                Mpv a(x), b(y), c(z);
                const long n = static_cast<long>(rng.below(41)) - 20;
                EXPECT_TRUE(agrees(
                    fma(x, y, z), p, m, [&](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_fma(o, a, b, c, r); }, "fma"));
                EXPECT_TRUE(agrees(
                    pow(x, n), p, m, [&](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_pow_si(o, a, n, r); }, "pow_si"));
                EXPECT_TRUE(agrees(
                    ldexp(x, n), p, m, [&](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_mul_2si(o, a, n, r); }, "ldexp"));
                int64_t e;
                const real fr = frexp(x, &e);
                EXPECT_EQ(e, mpfr_get_exp(a));
                EXPECT_TRUE(agrees(
                    fr, p, m, [&](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_mul_2si(o, a, -e, r); }, "frexp"));
                EXPECT_EQ(x.to_double(), mpfr_get_d(a, rc::to_mpfr(m)));
                EXPECT_EQ(x < y, mpfr_less_p(a, b) != 0);
                EXPECT_TRUE(x >= x && !(x > x) && (x <= y) == (mpfr_lessequal_p(a, b) != 0));
            }
    rounding_mode(round_mode::nearest);
}

// Mixed precisions give the larger one; numbers are converted exactly.
TEST(RealType, MixedOperands) {
    th::Rng rng(12);
    for (int m = 0; m < 4; ++m) {
        widefp::rounding_mode(kRm[m]);
        const real a = of(operand(rng, 2, -4, 4, true), 2), b = of(operand(rng, 9, -4, 4, true), 9);
        Mpv x(a), y(b);
        EXPECT_TRUE(agrees(
            a * b, 9, m, [&](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_mul(o, x, y, r); }, "2*9"));
        EXPECT_TRUE(agrees(
            b - a, 9, m, [&](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_sub(o, y, x, r); }, "9-2"));
        EXPECT_TRUE(agrees(
            real(a) / b, 9, m, [&](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_div(o, x, y, r); }, "2/9 rvalue"));
        EXPECT_TRUE(agrees(
            a / real(b), 9, m, [&](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_div(o, x, y, r); }, "2/9 into right"));
        real c(a);
        c += b;
        EXPECT_TRUE(agrees(
            c, 9, m, [&](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_add(o, x, y, r); }, "+= grows"));
        EXPECT_TRUE(agrees(
            b + 0.1, 9, m, [&](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_add_d(o, y, 0.1, r); }, "+ double"));
        EXPECT_TRUE(agrees(
            7 - a, 2, m, [&](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_si_sub(o, 7, x, r); }, "int -"));
        EXPECT_TRUE(agrees(
            7 - real(a), 2, m, [&](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_si_sub(o, 7, x, r); }, "int - rvalue"));
        EXPECT_TRUE(agrees(
            -3LL / b, 9, m, [&](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_si_div(o, -3, y, r); }, "int /"));
        EXPECT_TRUE(agrees(
            a * UINT64_MAX, 2, m, [&](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_mul_ui(o, x, UINT64_MAX, r); }, "* u64"));
        real d(b);
        d /= 3;
        EXPECT_TRUE(agrees(
            d, 9, m, [&](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_div_ui(o, y, 3, r); }, "/= int"));
    }
    widefp::rounding_mode(widefp::round_mode::nearest);
    // Exact conversions: every double, the extreme integers, ordering of
    // mixed operands.
    EXPECT_EQ(real(5e-324, 1).to_double(), 5e-324);
    EXPECT_EQ(real(INT64_MIN, 1), real("-9223372036854775808", 1));
    EXPECT_EQ(real(0.1, 1), real("0.1000000000000000055511151231257827021181583404541015625", 2));
    const real third("1/3", 2), third9("1/3", 9);
    EXPECT_LT(third, third9);  // rounded to nearest at p = 2: below 1/3
    EXPECT_TRUE(real(0.0) == -real(0.0) && signbit(-real(0.0)) && !signbit(real(0.0)));
    EXPECT_TRUE(third < 0.34 && 0.33 < third && third != 1 && 1 > third);
}

TEST(RealType, CopiesMovesAndStorage) {
    for (int p : {4, 5, 33}) {
        real a("2/7", p);
        const real keep(a);
        real b(a);
        b *= 3;
        EXPECT_EQ(a, keep);
        EXPECT_NE(b, a);
        const bool inside = reinterpret_cast<const char *>(a.data()) >= reinterpret_cast<const char *>(&a) &&
                            reinterpret_cast<const char *>(a.data()) < reinterpret_cast<const char *>(&a + 1);
        EXPECT_EQ(inside, p <= 4) << p;
        real c(std::move(a));
        EXPECT_EQ(c, keep);
        EXPECT_EQ(c.precision(), p);
        EXPECT_TRUE(iszero(a) && !signbit(a) && a.precision() == std::min(p, 4));
        a = keep;  // the moved-from real is usable
        EXPECT_EQ(a, keep);
        real d(1, 2);
        d = std::move(c);
        EXPECT_EQ(d, keep);
        EXPECT_EQ(d.precision(), p);
        d = 1.5;  // a number keeps the precision
        EXPECT_EQ(d.precision(), p);
        EXPECT_EQ(d.data() == keep.data(), false);
    }
    EXPECT_EQ(sizeof(real), 56u);
}

TEST(RealType, Streams) {
    th::Rng rng(13);
    const char *fmt[3] = {"%.*R*e", "%.*R*f", "%.*R*g"};
    for (uint64_t p : {1, 4, 9})
        for (int m = 0; m < 4; ++m) {
            widefp::rounding_mode(kRm[m]);
            for (int i = 0; i < 6; ++i) {
                const real x = of(operand(rng, p, -30, 30, true), p);
                Mpv a(x);
                const int digits = static_cast<int>(rng.below(40));
                for (int s = 0; s < 3; ++s) {
                    std::ostringstream os;
                    if (s == 0) os << std::scientific;
                    if (s == 1) os << std::fixed;
                    if (i == 0) os << std::showpos;
                    os << std::setprecision(digits) << x;
                    char ref[512];
                    const std::string f = (i == 0 ? std::string("%+") : std::string("%")) + (fmt[s] + 1);
                    mpfr_snprintf(ref, sizeof ref, f.c_str(), digits, rc::to_mpfr(m), a.get());
                    EXPECT_EQ(os.str(), ref) << f << " p=" << p;
                }
            }
        }
    widefp::rounding_mode(widefp::round_mode::nearest);
    std::ostringstream os;
    os << real(1) / 3;  // defaultfloat, precision 6
    EXPECT_EQ(os.str(), "0.333333");
    // Reading back: to_string has enough digits; bad tokens set failbit.
    const real x("#pi/7", 9);
    real y(0, 9);
    std::istringstream is(widefp::to_string(x) + " 12abc");
    is >> y;
    EXPECT_EQ(y, x);
    real z(0, 3);
    is >> z;
    EXPECT_EQ(z, 12);
    is >> z;
    EXPECT_TRUE(is.fail());
    EXPECT_EQ(z, 12);
    std::istringstream("-Inf") >> z;
    EXPECT_TRUE(isinf(z) && signbit(z) && z.precision() == 3);
    EXPECT_EQ(widefp::to_string(real(2) / 3, 5), "0.66667");
}

TEST(RealType, LimitsAndConstants) {
    real::default_precision(3);
    using L = std::numeric_limits<real>;
    EXPECT_EQ(int(L::digits), 193);
    EXPECT_EQ(int(L::digits10), 57);
    EXPECT_EQ(int(L::max_digits10), 60);
    EXPECT_FALSE(L::has_quiet_NaN || L::is_exact);
    th::Mp v(3);
    mpfr_set_ui_2exp(v, 1, -192, MPFR_RNDN);
    EXPECT_EQ(words(L::epsilon()), th::from_mpfr(v, 3));
    mpfr_set_ui_2exp(v, 1, 2 - (int64_t{1} << 62), MPFR_RNDN);
    EXPECT_EQ(words(L::min()), th::from_mpfr(v, 3));
    EXPECT_TRUE(isfinite(L::max()) && isinf(L::max() * 2) && L::max() - L::max() / 2 == L::max() / 2);
    EXPECT_EQ(L::max() + ldexp(L::max(), -194), L::max());
    EXPECT_TRUE(isinf(L::infinity()) && L::lowest() == -L::max() && L::max().precision() == 3);
    real::default_precision(2);
    EXPECT_EQ(int(L::digits), 129);
    EXPECT_EQ(int(L::digits10), 38);
    EXPECT_EQ(int(L::max_digits10), 40);
    // Constants in every mode.
    for (uint64_t p : kPs)
        for (int m = 0; m < 4; ++m) {
            widefp::rounding_mode(kRm[m]);
            const int q = static_cast<int>(p);
            EXPECT_TRUE(agrees(widefp::pi(q), p, m, mpfr_const_pi, "pi"));
            EXPECT_TRUE(agrees(widefp::ln2(q), p, m, mpfr_const_log2, "ln2"));
            EXPECT_TRUE(agrees(widefp::euler(q), p, m, mpfr_const_euler, "euler"));
            EXPECT_TRUE(agrees(
                widefp::e(q), p, m,
                [](mpfr_ptr o, mpfr_rnd_t r) {
                    th::Mp one(1);
                    mpfr_set_ui(one, 1, r);
                    return mpfr_exp(o, one, r);
                },
                "e"));
            EXPECT_TRUE(agrees(
                widefp::ln10(q), p, m, [](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_log_ui(o, 10, r); }, "ln10"));
            EXPECT_TRUE(agrees(
                real("1/3 + 0.1", q), p, m,
                [](mpfr_ptr o, mpfr_rnd_t r) {
                    th::Mp t(400);
                    mpfr_set_ui(t, 13, MPFR_RNDN);  // 1/3 + 1/10 = 13/30
                    return mpfr_div_ui(o, t, 30, r);
                },
                "text"));
        }
    widefp::rounding_mode(widefp::round_mode::nearest);
}

// Precision and mode are the calling thread's.
TEST(RealType, ThreadSettings) {
    real::default_precision(7);
    widefp::rounding_mode(widefp::round_mode::upward);
    std::thread t([] {
        EXPECT_EQ(real::default_precision(), 2);
        EXPECT_EQ(widefp::rounding_mode(), widefp::round_mode::nearest);
        real::default_precision(3);
        EXPECT_EQ(real(1).precision(), 3);
    });
    t.join();
    EXPECT_EQ(real().precision(), 7);
    EXPECT_GT(real(1, 1) / 3, real("1/3", 9));  // rounded up
    widefp::rounding_mode(widefp::round_mode::nearest);
    real::default_precision(2);
}

TEST(RealType, DomainErrorsThrow) {
    const real inf = std::numeric_limits<real>::infinity(), zero, two(2), neg(-2);
    EXPECT_THROW(inf - inf, widefp::domain_error);
    EXPECT_THROW(inf + -inf, widefp::domain_error);
    EXPECT_THROW(zero * inf, widefp::domain_error);
    EXPECT_THROW(zero / 0, widefp::domain_error);
    EXPECT_THROW(inf / inf, widefp::domain_error);
    EXPECT_THROW(sqrt(neg), std::domain_error);
    EXPECT_THROW(log(neg), widefp::domain_error);
    EXPECT_THROW(log1p(real(-1.5)), widefp::domain_error);
    EXPECT_THROW(asin(real(1.0000001)), widefp::domain_error);
    EXPECT_THROW(acosh(real(0.5)), widefp::domain_error);
    EXPECT_THROW(atanh(-inf), widefp::domain_error);
    EXPECT_THROW(pow(neg, real(0.5)), widefp::domain_error);
    const real odd = ldexp(real(1, 2), 65) + 1;  // an integer beyond the first word
    EXPECT_EQ(pow(real(-1), odd), -1);
    EXPECT_THROW(pow(real(-1), odd + 0.5), widefp::domain_error);
    EXPECT_THROW(pow(neg, real(2.5)), widefp::domain_error);
    EXPECT_THROW(sin(inf), widefp::domain_error);
    EXPECT_THROW(fmod(two, zero), widefp::domain_error);
    EXPECT_THROW(fma(inf, two, -inf), widefp::domain_error);
    EXPECT_THROW(real(std::nan("")), widefp::domain_error);
    EXPECT_THROW(cos(ldexp(two, 70000)), widefp::range_error);
    EXPECT_THROW(real(1, 0), std::out_of_range);
    EXPECT_THROW(real::default_precision(1024), widefp::range_error);
    EXPECT_THROW(real("1+"), std::invalid_argument);
    EXPECT_THROW(real("#nosuch"), widefp::syntax_error);
    // The edges that are results, not errors.
    EXPECT_EQ(sqrt(-zero), zero);
    EXPECT_TRUE(signbit(sqrt(-zero)));
    EXPECT_EQ(pow(neg, real(3)), -8);
    EXPECT_EQ(pow(-inf, real(0.5)), inf);
    EXPECT_EQ(acosh(real(1)), 0);
    EXPECT_EQ(log(zero), -inf);
    EXPECT_EQ(two / zero, inf);
    EXPECT_EQ(sqrt(real(4)), 2);  // still working
}

}  // namespace
