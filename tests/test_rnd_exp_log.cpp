// Correctly rounded exp, expm1, log, log1p, log2, log10 against MPFR at 64p+1 bits in all four modes: random
// arguments over each function's range, exact results, arguments next to 0 and 1, the range thresholds
// (our top binade through e^(x - s ln 2)), special values and refusals.
#include <gtest/gtest.h>

#include <thread>

#include "rnd_exp_check.h"

namespace {

using th::Words;

// Random cases at precision p: many up to 16 words, then fewer.
int count(uint64_t p, int base) {
    const int n = p <= 16 ? base : p <= 64 ? base / 3 : p <= 300 ? 2 : 1;
    return static_cast<int>(th::cases(std::max(1, n)));
}

// v rounded to nearest at p words (v an MPFR value).
Words near(mpfr_srcptr v, uint64_t p) {
    th::Mp r(p);
    mpfr_set(r, v, MPFR_RNDN);
    return th::from_mpfr(r, p);
}

// An argument of exp or expm1 of kind k.
Words exp_argument(th::Rng &rng, uint64_t p, int k) {
    const int64_t P = static_cast<int64_t>(p);
    th::Mp c(64 * p + 200, true);
    switch (k) {
        case 0:  // around the threshold of the decision next to 0
            return th::random_wr(rng, p, -(64 * P + 8), -(64 * P - 2));
        case 1:
            return th::random_wr(rng, p, -64 * P, -3);
        case 2:
            return th::random_wr(rng, p, -2, 12);
        case 3: {  // next to j ln 2 (cancellation in the reduction)
            mpfr_const_log2(c, MPFR_RNDN);
            mpfr_mul_si(c, c, static_cast<long>(rng.range(1, 1 << 20)) * (rng.coin() ? 1 : -1), MPFR_RNDN);
            return rx::next_to(rng, c, p, 64 * P + 8);
        }
        case 4:
            return th::random_wr(rng, p, 13, 61);
        default: {  // next to the ends of the range: 2^62 ln 2 (overflow), -(2^62-2) ln 2
            // (the smallest number) and -(2^62-1) ln 2 (half of it)
            const int which = static_cast<int>(rng.below(3));
            mpfr_const_log2(c, MPFR_RNDN);
            mpfr_mul_2si(c, c, 62, MPFR_RNDN);
            if (which > 0) {
                th::Mp l(64 * p + 200, true);
                mpfr_const_log2(l, MPFR_RNDN);
                mpfr_mul_ui(l, l, which == 1 ? 2 : 1, MPFR_RNDN);
                mpfr_sub(c, c, l, MPFR_RNDN);
                mpfr_neg(c, c, MPFR_RNDN);
            }
            return rx::next_to(rng, c, p, 64 * P + 8);
        }
    }
}

// An argument of a logarithm of kind k (log1p: shifted to x - 1 by the caller).
Words log_argument(th::Rng &rng, uint64_t p, int k) {
    const int64_t P = static_cast<int64_t>(p);
    th::Mp one(64, true);
    mpfr_set_ui(one, 1, MPFR_RNDN);
    switch (k) {
        case 0:
            return th::random_wr(rng, p, -100, 100, false);
        case 1: {  // any exponent of the range
            Words x = th::random_wr(rng, p, 0, 0, false);
            const int64_t e = static_cast<int64_t>(rng.range(1, th::kExpMask - 1)) - static_cast<int64_t>(th::kBias);
            x[0] = static_cast<uint64_t>(e + static_cast<int64_t>(th::kBias));
            return x;
        }
        case 2:  // next to 1
            return rx::next_to(rng, one, p, 64 * P + 8);
        default: {  // next to 2^j (log2) or 10^j (log10)
            th::Mp c(64 * p + 200, true);
            mpfr_set_ui(c, rng.coin() ? 2 : 10, MPFR_RNDN);
            mpfr_pow_si(c, c, static_cast<long>(rng.range(0, 40)) - (rng.coin() ? 20 : 0), MPFR_RNDN);
            return rx::next_to(rng, c, p, 64 * P + 8);
        }
    }
}

Words log1p_argument(th::Rng &rng, uint64_t p, int k) {
    const int64_t P = static_cast<int64_t>(p);
    th::Mp m1(64, true);
    mpfr_set_si(m1, -1, MPFR_RNDN);
    switch (k) {
        case 0:  // around the threshold of the decision next to 0
            return th::random_wr(rng, p, -(64 * P + 8), -(64 * P - 2));
        case 1:
            return th::random_wr(rng, p, -64 * P, -2);
        case 2: {  // next to -1, above it
            Words x = rx::next_to(rng, m1, p, 64 * P);
            th::Mp v(p);
            th::to_mpfr(v, x.data(), p);
            if (mpfr_cmp_si(v, -1) <= 0) mpfr_nextabove(v), x = th::from_mpfr(v, p);
            return x;
        }
        case 3:
            return th::random_wr(rng, p, -1, 64, false);
        default:
            return log_argument(rng, p, 1);  // any exponent (negatives of exponent >= 0 excluded)
    }
}

struct Unary {
    const char *name;
    rx::Fn ours;
    rc::Mpfr1 theirs;
};
const Unary kExp = {"exp", widefp_rnd_exp, mpfr_exp}, kExpm1 = {"expm1", widefp_rnd_expm1, mpfr_expm1},
            kLog = {"log", widefp_rnd_log, mpfr_log}, kLog1p = {"log1p", widefp_rnd_log1p, mpfr_log1p},
            kLog2 = {"log2", widefp_rnd_log2, mpfr_log2}, kLog10 = {"log10", widefp_rnd_log10, mpfr_log10};

// The reference where MPFR's cannot serve: arguments in our top binade
// (MPFR cannot take them: the logarithms from log(x/2) + log 2, exp's
// overflow, for x < 0 the same rounding at -2^100) and e^x in our top
// binade (from e^(x - s ln 2) 2^s; e^x - 1 there differs from e^x far below
// the last place).
rx::Other other_for(const Unary &f, const Words &x, uint64_t p) {
    if (th::is_inf(x.data()) || th::is_zero(x.data())) return nullptr;
    const bool neg = (x[0] & th::kSign) != 0;
    const bool exp_like = &f == &kExp || &f == &kExpm1;
    if (rx::top_binade(x)) {
        if (exp_like) {
            return [&f, neg, p](int mode) -> std::optional<rc::Ref> {
                if (!neg) return rx::overflow_ref(p, mode, false);
                return rc::reference1(f.theirs, th::from_double(-0x1p100, p).data(), p, mode);
            };
        }
        return [&f, x, p](int mode) {
            return rx::approx_ref(p, mode, [&](mpfr_ptr out, mpfr_prec_t H) {
                th::Mp v(p), l(H + 20, true);
                Words h = x;  // x/2
                h[0] -= 1;
                th::to_mpfr(v, h.data(), p);
                mpfr_set_ui(l, 2, MPFR_RNDN);
                if (&f == &kLog2) {
                    mpfr_log2(out, v, MPFR_RNDN);
                    mpfr_add_ui(out, out, 1, MPFR_RNDN);
                } else if (&f == &kLog10) {
                    mpfr_log10(l, l, MPFR_RNDN);
                    mpfr_log10(out, v, MPFR_RNDN);
                    mpfr_add(out, out, l, MPFR_RNDN);
                } else {
                    mpfr_log(l, l, MPFR_RNDN);
                    mpfr_log(out, v, MPFR_RNDN);
                    mpfr_add(out, out, l, MPFR_RNDN);
                }
            });
        };
    }
    if (exp_like && !neg && th::unbiased(x.data()) >= 61)
        return [x, p](int mode) {
            return rx::exp_scaled_ref(p, mode, rx::kScale, [&](mpfr_ptr T, mpfr_prec_t) { th::to_mpfr(T, x.data(), p); });
        };
    return nullptr;
}

void check(rc::Tally &tally, const Unary &f, const Words &x, uint64_t p) {
    rx::check_modes(tally, f.name, f.ours, f.theirs, x, p, other_for(f, x, p));
}

TEST(RndExpLog, RandomAgainstMpfr) {
    rx::ZivReport report("exp, expm1, log, log1p, log2, log10 random");
    rc::Tally tally("exp, expm1, log, log1p, log2, log10 random");
    th::Rng rng(0xe1);
    for (uint64_t p : rc::precisions()) {
        const int n = count(p, 30);
        for (int i = 0; i < n; ++i) {
            const int k = i % 6;
            Words x = exp_argument(rng, p, k);
            ASSERT_NO_FATAL_FAILURE(check(tally, kExp, x, p));
            x = exp_argument(rng, p, (i + 3) % 6);
            ASSERT_NO_FATAL_FAILURE(check(tally, kExpm1, x, p));
            for (const Unary *f : {&kLog, &kLog2, &kLog10}) {
                x = log_argument(rng, p, (i + (f == &kLog ? 0 : f == &kLog2 ? 1 : 2)) % 4);
                ASSERT_NO_FATAL_FAILURE(check(tally, *f, x, p));
            }
            x = log1p_argument(rng, p, k % 5);
            if ((x[0] & th::kSign) && th::unbiased(x.data()) >= 0) x[0] &= ~th::kSign;
            ASSERT_NO_FATAL_FAILURE(check(tally, kLog1p, x, p));
        }
    }
}

// Exact results and special values: all four modes against MPFR, and the
// count of exact results (ternary 0) they must give.
TEST(RndExpLog, ExactAndSpecial) {
    rc::Tally tally("exp family exact and special");
    for (uint64_t p : {1, 2, 3, 8, 17, 64}) {
        auto d = [p](double v) { return th::from_double(v, p); };
        Words inf(p + 1, 0), minf(p + 1, 0);
        inf[0] = th::kExpMask;
        minf[0] = th::kSign | th::kExpMask;
        const long exact0 = tally.exact, cases0 = tally.cases;
        for (const Words &x : {d(0.0), d(-0.0), inf, minf}) {
            ASSERT_NO_FATAL_FAILURE(check(tally, kExp, x, p));
            ASSERT_NO_FATAL_FAILURE(check(tally, kExpm1, x, p));
        }
        for (const Words &x : {d(0.0), d(-0.0), d(1.0), inf})
            for (const Unary *f : {&kLog, &kLog2, &kLog10})
                ASSERT_NO_FATAL_FAILURE(check(tally, *f, x, p));
        for (const Words &x : {d(0.0), d(-0.0), d(-1.0), inf})
            ASSERT_NO_FATAL_FAILURE(check(tally, kLog1p, x, p));
        // log2 of powers of two across the range, log10 of every representable 10^k.
        th::Rng rng(p);
        for (int i = 0; i < 12; ++i) {
            Words x(p + 1, 0);
            x[0] = i < 2 ? (i ? th::kExpMask - 1 : 1) : rng.range(1, th::kExpMask - 1);
            ASSERT_NO_FATAL_FAILURE(check(tally, kLog2, x, p));
        }
        // 10^k for k up to 30, the largest representable k (5^k of 64p+1 bits
        // at most) and twenty others between.
        th::Mp ten(64 * p + 1, true);
        long kmax = static_cast<long>(std::floor((64.0 * static_cast<double>(p) + 1) / std::log2(5.0)));
        while (mpfr_ui_pow_ui(ten, 10, static_cast<unsigned long>(kmax + 1), MPFR_RNDN) == 0) ++kmax;
        EXPECT_NE(mpfr_ui_pow_ui(ten, 10, static_cast<unsigned long>(kmax + 1), MPFR_RNDN), 0);
        std::vector<long> ks;
        for (long k = 1; k <= std::min(30L, kmax); ++k) ks.push_back(k);
        for (int i = 0; i < 20; ++i) ks.push_back(static_cast<long>(rng.range(1, static_cast<uint64_t>(kmax))));
        ks.push_back(kmax);
        for (long k : ks) {
            ASSERT_EQ(mpfr_ui_pow_ui(ten, 10, static_cast<unsigned long>(k), MPFR_RNDN), 0);
            ASSERT_NO_FATAL_FAILURE(check(tally, kLog10, th::from_mpfr(ten, p), p));
        }
        EXPECT_EQ(tally.exact - exact0, tally.cases - cases0) << "p=" << p << ": every result here is exact";
    }
}

// Arguments at the edges: each side of the decisions next to 0 and 1, next
// to 1 within a few units, the range thresholds, near misses of the exact
// results.
TEST(RndExpLog, HardCases) {
    rx::ZivReport report("exp family hard cases");
    rc::Tally tally("exp family hard cases");
    for (uint64_t p : {1, 2, 3, 5, 16, 64}) {
        const int64_t P = static_cast<int64_t>(p);
        std::vector<Words> small;
        for (int64_t e = -(64 * P + 6); e <= -(64 * P - 1); ++e)
            for (uint64_t f : {uint64_t{0}, ~uint64_t{0}})
                for (uint64_t s : {uint64_t{0}, th::kSign}) {
                    Words x(p + 1, f);
                    x[0] = s | static_cast<uint64_t>(e + static_cast<int64_t>(th::kBias));
                    small.push_back(x);
                }
        for (const Words &x : small) {
            ASSERT_NO_FATAL_FAILURE(check(tally, kExp, x, p));
            ASSERT_NO_FATAL_FAILURE(check(tally, kExpm1, x, p));
            ASSERT_NO_FATAL_FAILURE(check(tally, kLog1p, x, p));
        }
        // 1 +- a few units, and the same for 2^j, 10^j (log, log2, log10).
        for (double c : {1.0, 2.0, 0.5, 1024.0, 10.0, 1000.0, 0.1}) {
            th::Mp v(p);
            mpfr_set_d(v, c, MPFR_RNDN);
            if (c == 0.1) {  // 1/10 rounded
                th::Mp t(64, true);
                mpfr_set_ui(t, 10, MPFR_RNDN);
                mpfr_ui_div(v, 1, t, MPFR_RNDN);
            }
            for (int j = 0; j < 3; ++j) mpfr_nextbelow(v);
            for (int j = 0; j < 7; ++j, mpfr_nextabove(v)) {
                const Words x = th::from_mpfr(v, p);
                for (const Unary *f : {&kLog, &kLog2, &kLog10})
                    ASSERT_NO_FATAL_FAILURE(check(tally, *f, x, p));
                th::Mp m(p + 1);
                mpfr_sub_ui(m, v, 1, MPFR_RNDN);
                ASSERT_NO_FATAL_FAILURE(check(tally, kLog1p, near(m, p), p));
            }
        }
        // x = -1 + one unit: log1p of the smallest 1 + x.
        {
            th::Mp v(p);
            mpfr_set_si(v, -1, MPFR_RNDN);
            mpfr_nextabove(v);
            ASSERT_NO_FATAL_FAILURE(check(tally, kLog1p, th::from_mpfr(v, p), p));
        }
        // The range thresholds of exp and expm1 and the decision of expm1 next
        // to -1 ((64p+3) ln 2), three numbers each side.
        th::Mp c(64 * p + 200, true), l(64 * p + 200, true);
        mpfr_const_log2(l, MPFR_RNDN);
        for (int which = 0; which < 4; ++which) {
            if (which == 0) mpfr_mul_2si(c, l, 62, MPFR_RNDN);
            if (which == 1) mpfr_mul_si(c, l, -(static_cast<long>(th::kBias) - 1), MPFR_RNDN);
            if (which == 2) mpfr_mul_si(c, l, -static_cast<long>(th::kBias), MPFR_RNDN);
            if (which == 3) mpfr_mul_si(c, l, -(64 * P + 3), MPFR_RNDN);
            th::Mp v(p);
            mpfr_set(v, c, MPFR_RNDN);
            for (int j = 0; j < 3; ++j) mpfr_nextbelow(v);
            for (int j = 0; j < 7; ++j, mpfr_nextabove(v)) {
                const Words x = th::from_mpfr(v, p);
                ASSERT_NO_FATAL_FAILURE(check(tally, kExp, x, p));
                ASSERT_NO_FATAL_FAILURE(check(tally, kExpm1, x, p));
            }
        }
        // The largest and smallest numbers.
        Words big(p + 1, ~uint64_t{0}), tiny(p + 1, 0);
        big[0] = th::kExpMask - 1;
        tiny[0] = 1;
        for (const Words &x : {big, tiny}) {
            for (const Unary *f : {&kLog, &kLog2, &kLog10, &kLog1p})
                ASSERT_NO_FATAL_FAILURE(check(tally, *f, x, p));
            Words n = x;
            n[0] |= th::kSign;
            for (const Words &z : {x, n}) {
                ASSERT_NO_FATAL_FAILURE(check(tally, kExp, z, p));
                ASSERT_NO_FATAL_FAILURE(check(tally, kExpm1, z, p));
            }
        }
    }
}

// The hardest cases of the largest precisions: e^x, e^x - 1, ln(1+x) of
// x = +-2^-k next to 0, where the result lies within about 2^-128p of a
// midpoint or of a number (1 + 2^-(64p+1) + 2^-(128p+3) and the like):
// the loop must reach about 2p words and decide there.
TEST(RndExpLog, DeepHardCases) {
    rx::ZivReport report("exp family deep hard cases");
    rc::Tally tally("exp family deep hard cases");
    for (uint64_t p : {720, 1023}) {
        const int64_t P = static_cast<int64_t>(p);
        auto pow2 = [p](int64_t e, bool neg) {
            Words x(p + 1, 0);
            x[0] = (neg ? th::kSign : 0) | static_cast<uint64_t>(e + static_cast<int64_t>(th::kBias));
            return x;
        };
        ASSERT_NO_FATAL_FAILURE(check(tally, kExp, pow2(-(64 * P + 1), false), p));
        ASSERT_NO_FATAL_FAILURE(check(tally, kExp, pow2(-(64 * P + 2), true), p));
        ASSERT_NO_FATAL_FAILURE(check(tally, kExpm1, pow2(-64 * P, false), p));
        ASSERT_NO_FATAL_FAILURE(check(tally, kLog1p, pow2(-64 * P, false), p));
        ASSERT_NO_FATAL_FAILURE(check(tally, kLog1p, pow2(-64 * P, true), p));
    }
}

// The kernels' error bounds hold: |a - v| <= c 2^-64W |v| for e^r - 1,
// e^x = w 2^k, ln(1 + d) and ln x to the three bases, against MPFR at
// 64W+128 bits, at working precisions from 2 words to beyond the stored
// ln 10 (1,100 words: ln 10 formed from ln 2 and ln 1.25).  Prints the
// largest ratio of error to bound.
TEST(RndExpLog, KernelErrorBounds) {
    namespace el = widefp::rnd::el;
    th::Rng rng(0x6b);
    double worst = 0;
    int n = 0;
    auto check_bound = [&](const char *what, const Words &a, uint64_t W, int64_t shift, double c, mpfr_srcptr v) {
        th::Mp am(W), d(64 * W + 128, true);
        th::to_mpfr(am, a.data(), W);
        mpfr_mul_2si(am, am, static_cast<long>(shift), MPFR_RNDN);
        mpfr_sub(d, am, v, MPFR_RNDN);
        mpfr_div(d, d, v, MPFR_RNDN);
        mpfr_abs(d, d, MPFR_RNDN);
        mpfr_mul_2si(d, d, 64 * static_cast<long>(W), MPFR_RNDN);
        const double ratio = mpfr_get_d(d, MPFR_RNDU) / c;
        worst = std::max(worst, ratio);
        ++n;
        ASSERT_LE(ratio, 1.0) << what << " W=" << W;
    };
    for (uint64_t W : {2, 3, 5, 17, 40, 1100}) {
        const int cases = W > 100 ? 1 : 12;
        const mpfr_prec_t H = static_cast<mpfr_prec_t>(64 * W + 128);
        for (int i = 0; i < cases; ++i) {
            Words a(W + 1), r = th::random_wr(rng, W, -60, -2), x = th::random_wr(rng, W, -20, 56);
            th::Mp v(H, true), m(W);
            double c = el::expm1_reduced(a.data(), r.data(), W);
            th::to_mpfr(m, r.data(), W);
            mpfr_expm1(v, m, MPFR_RNDN);
            ASSERT_NO_FATAL_FAILURE(check_bound("expm1_reduced", a, W, 0, c, v));
            int64_t k = 0;
            c = el::exp_core(a.data(), &k, x.data(), W, W);
            th::to_mpfr(m, x.data(), W);
            mpfr_exp(v, m, MPFR_RNDN);  // inside MPFR's range: |x| < 2^57
            ASSERT_NO_FATAL_FAILURE(check_bound("exp_core", a, W, k, c, v));
            Words d = th::random_wr(rng, W, -40, -3);
            c = el::log1p_reduced(a.data(), d.data(), W);
            th::to_mpfr(m, d.data(), W);
            mpfr_log1p(v, m, MPFR_RNDN);
            ASSERT_NO_FATAL_FAILURE(check_bound("log1p_reduced", a, W, 0, c, v));
            Words y = th::random_wr(rng, W, -200, 200, false);
            th::to_mpfr(m, y.data(), W);
            const el::Base bases[3] = {el::Base::e, el::Base::two, el::Base::ten};
            int (*const refs[3])(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t) = {mpfr_log, mpfr_log2, mpfr_log10};
            for (int b = 0; b < 3; ++b) {
                c = el::log_core(a.data(), y.data(), W, 0, W, 0, bases[b]);
                refs[b](v, m, MPFR_RNDN);
                ASSERT_NO_FATAL_FAILURE(check_bound("log_core", a, W, 0, c, v));
            }
        }
    }
    std::printf("[ kernels ] %d approximations, largest error %.3g of the bound\n", n, worst);
}

// The functions keep no state but the kernels' per-precision plan (an
// atomic table): four threads computing exp, log, pow and sinh at once,
// at precisions met here first, give the words of a serial run.
TEST(RndExpLog, Concurrent) {
    const std::vector<uint64_t> ps = {37, 41, 43, 47};
    th::Rng rng(0xc0);
    std::vector<Words> args;
    for (uint64_t p : ps)
        for (int i = 0; i < 6; ++i) args.push_back(th::random_wr(rng, p, -4, 6));
    auto run = [&](int which, std::vector<Words> &out) {
        for (size_t i = 0; i < args.size(); ++i) {
            const uint64_t p = ps[i / 6];
            Words x = args[i], y(p + 1);
            x[0] &= which == 1 || which == 2 ? ~th::kSign : ~uint64_t{0};
            if (which == 0) widefp_rnd_exp(y.data(), x.data(), p, static_cast<int>(i % 4));
            if (which == 1) widefp_rnd_log(y.data(), x.data(), p, static_cast<int>(i % 4));
            if (which == 2) widefp_rnd_pow(y.data(), x.data(), th::from_double(-1.2345, p).data(), p, static_cast<int>(i % 4));
            if (which == 3) widefp_rnd_sinh(y.data(), x.data(), p, static_cast<int>(i % 4));
            out.push_back(y);
        }
    };
    std::vector<Words> together[4], alone[4];
    {
        std::vector<std::thread> threads;
        for (int w = 0; w < 4; ++w) threads.emplace_back(run, w, std::ref(together[w]));
        for (std::thread &t : threads) t.join();
    }
    for (int w = 0; w < 4; ++w) {
        run(w, alone[w]);
        EXPECT_EQ(together[w], alone[w]) << "function " << w;
    }
}

TEST(RndExpLog, Refusals) {
    const uint64_t p = 2;
    Words y(p + 1), m2 = th::from_double(-2, p), mt = th::from_double(-0x1p-300, p), minf(p + 1, 0);
    minf[0] = th::kSign | th::kExpMask;
    for (rx::Fn f : {widefp_rnd_log, widefp_rnd_log2, widefp_rnd_log10})
        for (const Words &x : {m2, mt, minf})
            EXPECT_EQ(ec::fatal_of([&] { f(y.data(), x.data(), p, WIDEFP_RNDN); }).substr(0, 14), "widefp:domain|");
    Words below = th::from_double(-1, p);
    below[p] = 1;  // -1 - one unit
    for (const Words &x : {m2, below, minf})
        EXPECT_EQ(ec::fatal_of([&] { widefp_rnd_log1p(y.data(), x.data(), p, WIDEFP_RNDN); }).substr(0, 14),
                  "widefp:domain|");
    const Words one = th::from_double(1, p);
    for (rx::Fn f : {widefp_rnd_exp, widefp_rnd_expm1, widefp_rnd_log, widefp_rnd_log1p, widefp_rnd_log2,
                     widefp_rnd_log10}) {
        EXPECT_EQ(ec::fatal_of([&] { f(y.data(), one.data(), 0, WIDEFP_RNDN); }).substr(0, 13), "widefp:range|");
        EXPECT_EQ(ec::fatal_of([&] { f(y.data(), one.data(), 1024, WIDEFP_RNDN); }).substr(0, 13), "widefp:range|");
        EXPECT_EQ(ec::fatal_of([&] { f(y.data(), one.data(), p, 4); }).substr(0, 13), "widefp:range|");
    }
}

}  // namespace
