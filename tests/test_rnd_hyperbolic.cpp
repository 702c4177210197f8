// Correctly rounded sinh, cosh, tanh, asinh, acosh, atanh against MPFR at 64p+1 bits in all four modes: random
// arguments over each function's range, each side of the decisions next to 0 and 1 and of the overflow, special
// values and refusals.  Where MPFR cannot hold the result (our top binade) or is wrong (MPFR 4.2: cosh overflows
// just below our top binade, asinh of |x| near 2^(2^62) squares x beyond its range), the reference comes from
// e^(|x| - ln 2) or ln|x| + ln 2 computed by MPFR at 64p+320 bits.
#include <gtest/gtest.h>

#include "rnd_exp_check.h"

namespace {

using th::Words;

int count(uint64_t p, int base) {
    const int n = p <= 16 ? base : p <= 64 ? base / 3 : p <= 300 ? 2 : 1;
    return static_cast<int>(th::cases(std::max(1, n)));
}

struct Unary {
    const char *name;
    rx::Fn ours;
    rc::Mpfr1 theirs;
};
const Unary kSinh = {"sinh", widefp_rnd_sinh, mpfr_sinh}, kCosh = {"cosh", widefp_rnd_cosh, mpfr_cosh},
            kTanh = {"tanh", widefp_rnd_tanh, mpfr_tanh}, kAsinh = {"asinh", widefp_rnd_asinh, mpfr_asinh},
            kAcosh = {"acosh", widefp_rnd_acosh, mpfr_acosh}, kAtanh = {"atanh", widefp_rnd_atanh, mpfr_atanh};

inline int mirrored(int mode) { return mode == WIDEFP_RNDU ? WIDEFP_RNDD : mode == WIDEFP_RNDD ? WIDEFP_RNDU : mode; }

// A reference r(mode) of |f(x)| made that of f(x) = -|f(x)| when neg.
rx::Other signed_ref(bool neg, std::function<std::optional<rc::Ref>(int)> r) {
    return [neg, r](int mode) -> std::optional<rc::Ref> {
        std::optional<rc::Ref> v = r(neg ? mirrored(mode) : mode);
        if (v && neg) v->w[0] |= th::kSign, v->t = -v->t;
        return v;
    };
}

// The references where MPFR's cannot serve (see the top of the file).
rx::Other other_for(const Unary &f, const Words &x, uint64_t p) {
    if (th::is_inf(x.data()) || th::is_zero(x.data())) return nullptr;
    const bool neg = (x[0] & th::kSign) != 0;
    const int64_t e = th::unbiased(x.data());
    if ((&f == &kSinh || &f == &kCosh) && e >= 61) {  // e^|x|/2: MPFR overflows or its cosh does
        if (rx::top_binade(x)) return signed_ref(neg && &f == &kSinh, [p](int mode) { return rx::overflow_ref(p, mode, false); });
        return signed_ref(neg && &f == &kSinh, [x, p](int mode) {
            return rx::exp_scaled_ref(p, mode, rx::kScale, [&](mpfr_ptr T, mpfr_prec_t prec) {
                th::Mp l(prec, true);
                th::to_mpfr(T, x.data(), p);
                mpfr_abs(T, T, MPFR_RNDN);
                mpfr_const_log2(l, MPFR_RNDN);
                mpfr_sub(T, T, l, MPFR_RNDN);
            });
        });
    }
    if (&f == &kTanh && rx::top_binade(x))  // +-1 nudged toward 0, as for +-2^100
        return [neg, p](int mode) { return rc::reference1(mpfr_tanh, th::from_double(neg ? -0x1p100 : 0x1p100, p).data(), p, mode); };
    if ((&f == &kAsinh || &f == &kAcosh) && e >= (int64_t{1} << 61) - 2) {  // ln 2|x|; 1/(4x^2) is far below
        return signed_ref(neg, [x, p](int mode) {
            return rx::approx_ref(p, mode, [&](mpfr_ptr out, mpfr_prec_t H) {
                Words h = x;  // |x|/2, inside MPFR's range
                h[0] = (h[0] & ~th::kSign) - 1;
                th::Mp v(p), l(H + 20, true);
                th::to_mpfr(v, h.data(), p);
                mpfr_log(out, v, MPFR_RNDN);
                mpfr_const_log2(l, MPFR_RNDN);
                mpfr_mul_2ui(l, l, 1, MPFR_RNDN);
                mpfr_add(out, out, l, MPFR_RNDN);
            });
        });
    }
    return nullptr;
}

void check(rc::Tally &tally, const Unary &f, const Words &x, uint64_t p) {
    rx::check_modes(tally, f.name, f.ours, f.theirs, x, p, other_for(f, x, p));
}

// A random number of exponent emin..2^62-1.
Words any_exponent(th::Rng &rng, uint64_t p, int64_t emin, bool negative_too) {
    Words x = th::random_wr(rng, p, 0, 0, negative_too);
    const int64_t top = static_cast<int64_t>(th::kBias);
    const int64_t e = emin + static_cast<int64_t>(rng.below(static_cast<uint64_t>(top - emin + 1)));
    x[0] = (x[0] & th::kSign) | static_cast<uint64_t>(e + static_cast<int64_t>(th::kBias));
    return x;
}

// An argument of f of kind k (0..5).
Words argument(th::Rng &rng, const Unary &f, uint64_t p, int k) {
    const int64_t P = static_cast<int64_t>(p);
    th::Mp c(64 * p + 200, true);
    if (k == 0 && &f != &kAcosh) return th::random_wr(rng, p, -(32 * P + 6), -(32 * P - 2));  // the decision next to 0
    if (k == 1 && &f != &kAcosh) return th::random_wr(rng, p, -32 * P, -2);
    if (&f == &kSinh || &f == &kCosh) {
        if (k == 2) return th::random_wr(rng, p, -1, 12);
        if (k == 3) return th::random_wr(rng, p, 13, 61);
        // next to the overflow, (2^62 + 1) ln 2, or to the top binade's start 2^62 ln 2
        mpfr_const_log2(c, MPFR_RNDN);
        mpfr_mul_ui(c, c, (uint64_t{1} << 62) + (rng.coin() ? 1 : 0), MPFR_RNDN);
        Words x = rx::next_to(rng, c, p, 64 * P + 8);
        if (rng.coin()) x[0] |= th::kSign;
        return x;
    }
    if (&f == &kTanh) {
        if (k == 2) return th::random_wr(rng, p, -1, 6);
        if (k == 3) return th::random_wr(rng, p, 7, 100);
        // next to the decision next to 1, (32p+2) ln 2
        mpfr_const_log2(c, MPFR_RNDN);
        mpfr_mul_ui(c, c, 32 * p + 2, MPFR_RNDN);
        Words x = rx::next_to(rng, c, p, 64 * P + 8);
        if (rng.coin()) x[0] |= th::kSign;
        return x;
    }
    if (&f == &kAsinh) {
        if (k <= 3) return th::random_wr(rng, p, -1, 64 * P + 8);
        return any_exponent(rng, p, 64 * P, true);
    }
    if (&f == &kAcosh) {
        if (k <= 2) {  // next to 1, above
            mpfr_set_ui(c, 1, MPFR_RNDN);
            Words x = rx::next_to(rng, c, p, 64 * P + 8);
            x[0] &= ~th::kSign;
            if (th::unbiased(x.data()) < 0) x[0] += 1;  // into [1, 2)
            return x;
        }
        if (k == 3) return th::random_wr(rng, p, 0, 64 * P + 8, false);
        return any_exponent(rng, p, 0, false);
    }
    // atanh
    if (k == 2) return th::random_wr(rng, p, -1, -1);
    mpfr_set_si(c, rng.coin() ? 1 : -1, MPFR_RNDN);  // next to +-1, inside
    Words x = rx::next_to(rng, c, p, 64 * P + 8);
    if (th::unbiased(x.data()) >= 0) x[0] -= 1;
    return x;
}

TEST(RndHyperbolic, RandomAgainstMpfr) {
    rx::ZivReport report("hyperbolic random");
    rc::Tally tally("sinh, cosh, tanh, asinh, acosh, atanh random");
    th::Rng rng(0x4b);
    for (uint64_t p : rc::precisions()) {
        const int n = count(p, 30);
        for (int i = 0; i < n; ++i)
            for (const Unary *f : {&kSinh, &kCosh, &kTanh, &kAsinh, &kAcosh, &kAtanh})
                ASSERT_NO_FATAL_FAILURE(check(tally, *f, argument(rng, *f, p, (i + static_cast<int>(f - &kSinh)) % 6), p));
    }
}

// Each side of the thresholds: the decisions next to 0 (|x| about
// 2^-(32p+2)) and, for tanh, next to 1; the switch of the formulas at
// |x| = 1/2 and 1; the overflow of sinh and cosh; the smallest and largest
// numbers; acosh next to 1 and atanh next to +-1 within a few units.
TEST(RndHyperbolic, HardCases) {
    rx::ZivReport report("hyperbolic hard cases");
    rc::Tally tally("hyperbolic hard cases");
    for (uint64_t p : {1, 2, 3, 7, 16, 64}) {
        const int64_t P = static_cast<int64_t>(p);
        std::vector<Words> xs;
        for (int64_t e = -(32 * P + 4); e <= -(32 * P - 1); ++e)
            for (uint64_t f : {uint64_t{0}, ~uint64_t{0}}) {
                Words x(p + 1, f);
                x[0] = static_cast<uint64_t>(e + static_cast<int64_t>(th::kBias));
                xs.push_back(x);
            }
        th::Mp v(p), c(64 * p + 200, true);
        auto around = [&](mpfr_srcptr centre) {  // three numbers each side of centre
            mpfr_set(v, centre, MPFR_RNDN);
            for (int j = 0; j < 3; ++j) mpfr_nextbelow(v);
            for (int j = 0; j < 7; ++j, mpfr_nextabove(v)) xs.push_back(th::from_mpfr(v, p));
        };
        for (double d : {0.5, 1.0}) {
            mpfr_set_d(c, d, MPFR_RNDN);
            around(c);
        }
        mpfr_const_log2(c, MPFR_RNDN);
        mpfr_mul_ui(c, c, 32 * p + 2, MPFR_RNDN);
        around(c);
        for (uint64_t k : {uint64_t{1} << 62, (uint64_t{1} << 62) + 1}) {
            mpfr_const_log2(c, MPFR_RNDN);
            mpfr_mul_ui(c, c, k, MPFR_RNDN);
            around(c);
        }
        Words big(p + 1, ~uint64_t{0}), tiny(p + 1, 0);
        big[0] = th::kExpMask - 1;
        tiny[0] = 1;
        xs.push_back(big);
        xs.push_back(tiny);
        const size_t n = xs.size();
        for (size_t i = 0; i < n; ++i) {
            Words m = xs[i];
            m[0] |= th::kSign;
            xs.push_back(m);
        }
        for (const Words &x : xs)
            for (const Unary *f : {&kSinh, &kCosh, &kTanh, &kAsinh}) ASSERT_NO_FATAL_FAILURE(check(tally, *f, x, p));
        for (const Words &x : xs) {
            if ((x[0] & th::kSign) == 0 && th::unbiased(x.data()) >= 0) {
                ASSERT_NO_FATAL_FAILURE(check(tally, kAcosh, x, p));
            }
            if (th::unbiased(x.data()) < 0) {
                ASSERT_NO_FATAL_FAILURE(check(tally, kAtanh, x, p));
            }
        }
        // atanh next to +-1: 1 - k units (k = 1..3) of either sign.
        mpfr_set_ui(v, 1, MPFR_RNDN);
        for (int j = 0; j < 3; ++j) {
            mpfr_nextbelow(v);
            Words x = th::from_mpfr(v, p);
            ASSERT_NO_FATAL_FAILURE(check(tally, kAtanh, x, p));
            x[0] |= th::kSign;
            ASSERT_NO_FATAL_FAILURE(check(tally, kAtanh, x, p));
        }
    }
}

// cosh 2^-32p = 1 + 2^-(64p+1) + 2^-(128p+3)/3: a midpoint and a little,
// at the largest precisions (the loop reaches about 2p words).
TEST(RndHyperbolic, DeepHardCases) {
    rx::ZivReport report("cosh deep hard cases");
    rc::Tally tally("cosh deep hard cases");
    for (uint64_t p : {720, 1023}) {
        Words x(p + 1, 0);
        x[0] = th::kBias - 32 * p;
        ASSERT_NO_FATAL_FAILURE(check(tally, kCosh, x, p));
    }
}

TEST(RndHyperbolic, SpecialValuesAndRefusals) {
    rc::Tally tally("hyperbolic special values");
    for (uint64_t p : {1, 2, 5}) {
        auto d = [p](double v) { return th::from_double(v, p); };
        Words inf(p + 1, 0), minf(p + 1, 0);
        inf[0] = th::kExpMask;
        minf[0] = th::kSign | th::kExpMask;
        const long exact0 = tally.exact, cases0 = tally.cases;
        for (const Words &x : {d(0.0), d(-0.0), inf, minf})
            for (const Unary *f : {&kSinh, &kCosh, &kTanh, &kAsinh}) ASSERT_NO_FATAL_FAILURE(check(tally, *f, x, p));
        for (const Words &x : {d(0.0), d(-0.0), d(1), d(-1)}) ASSERT_NO_FATAL_FAILURE(check(tally, kAtanh, x, p));
        for (const Words &x : {d(1), inf}) ASSERT_NO_FATAL_FAILURE(check(tally, kAcosh, x, p));
        EXPECT_EQ(tally.exact - exact0, tally.cases - cases0) << "every result here is exact";
        Words y(p + 1), above_one = d(1);
        above_one[p] = 1;
        for (const Words &x : {d(0.5), d(0.0), d(-0.0), d(-1), minf, d(0x1p-1000)})
            EXPECT_EQ(ec::fatal_of([&] { widefp_rnd_acosh(y.data(), x.data(), p, WIDEFP_RNDN); }).substr(0, 14),
                      "widefp:domain|");
        for (const Words &x : {d(2), d(-2), inf, minf, above_one})
            EXPECT_EQ(ec::fatal_of([&] { widefp_rnd_atanh(y.data(), x.data(), p, WIDEFP_RNDN); }).substr(0, 14),
                      "widefp:domain|");
        for (const Unary *f : {&kSinh, &kCosh, &kTanh, &kAsinh, &kAcosh, &kAtanh}) {
            EXPECT_EQ(ec::fatal_of([&] { f->ours(y.data(), d(0.25).data(), 1024, WIDEFP_RNDN); }).substr(0, 13),
                      "widefp:range|");
            EXPECT_EQ(ec::fatal_of([&] { f->ours(y.data(), d(0.25).data(), p, -1); }).substr(0, 13), "widefp:range|");
        }
    }
}

}  // namespace
