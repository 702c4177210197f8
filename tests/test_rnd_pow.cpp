// Correctly rounded power a^b against MPFR at 64p+1 bits in all four modes: random bases and exponents (results over
// the whole range, near 1 and next to the range thresholds, our top binade through e^(b ln a - s ln 2)), exact
// results (integer exponents, 2^k-th roots), negative bases with odd exponents beyond 2^64, special values.
#include <gtest/gtest.h>

#include "rnd_exp_check.h"

namespace {

using th::Words;

int count(uint64_t p, int base) {
    const int n = p <= 16 ? base : p <= 64 ? base / 3 : p <= 300 ? 2 : 1;
    return static_cast<int>(th::cases(std::max(1, n)));
}

Words rounded(mpfr_srcptr v, uint64_t p, mpfr_rnd_t r = MPFR_RNDN) {
    th::Mp t(p);
    mpfr_set(t, v, r);
    return th::from_mpfr(t, p);
}

// a^b in all four modes: MPFR, or e^(b ln|a|) scaled where the result lies
// in our top binade (MPFR overflows there).
void check_pow(rc::Tally &tally, const Words &a, const Words &b, uint64_t p) {
    for (int mode : rc::kModes) {
        std::optional<rc::Ref> ref = rc::reference2(mpfr_pow, a.data(), b.data(), p, mode);
        if (!ref) {  // |a^b| = e^(b ln|a|), negative for a < 0 and an odd b: the mirrored mode on |a^b|
            th::Mp bm(p), h(p + 1);
            th::to_mpfr(bm, b.data(), p);
            mpfr_div_2ui(h, bm, 1, MPFR_RNDN);
            const bool neg = (a[0] & th::kSign) && mpfr_integer_p(bm) && !mpfr_integer_p(h);
            const int m = !neg ? mode : mode == WIDEFP_RNDU ? WIDEFP_RNDD : mode == WIDEFP_RNDD ? WIDEFP_RNDU : mode;
            ref = rx::exp_scaled_ref(p, m, rx::kScale, [&](mpfr_ptr T, mpfr_prec_t prec) {
                th::Mp x(p), l(prec + 70, true);
                th::to_mpfr(x, a.data(), p);
                mpfr_abs(x, x, MPFR_RNDN);
                mpfr_log(l, x, MPFR_RNDN);
                mpfr_mul(T, l, bm, MPFR_RNDN);
            });
            if (ref && neg) ref->w[0] |= th::kSign, ref->t = -ref->t;
        }
        if (!ref) {
            ++tally.unverifiable;
            continue;
        }
        Words y(p + 1, 0x3c3c3c3c3c3c3c3cULL);
        const int t = widefp_rnd_pow(y.data(), a.data(), b.data(), p, mode);
        ++tally.cases;
        if (ref->t == 0) ++tally.exact;
        ASSERT_TRUE(rc::same(y, t, *ref, p,
                             std::string("pow ") + rc::mode_name(mode) + " a=" + th::hex(a.data(), std::min<size_t>(p + 1, 3)) +
                                 " b=" + th::hex(b.data(), std::min<size_t>(p + 1, 3))));
        if (mode == WIDEFP_RNDZ) {  // the result on either operand
            Words x = a, z = b;
            ASSERT_EQ(widefp_rnd_pow(x.data(), x.data(), b.data(), p, mode), t);
            ASSERT_EQ(widefp_rnd_pow(z.data(), a.data(), z.data(), p, mode), t);
            ASSERT_EQ(x, y);
            ASSERT_EQ(z, y);
        }
    }
}

// A base and an exponent of kind k.
void operands(th::Rng &rng, uint64_t p, int k, Words &a, Words &b) {
    const int64_t P = static_cast<int64_t>(p);
    th::Mp v(64 * p + 200, true), l(64 * p + 200, true);
    switch (k) {
        case 0:  // any base, moderate exponent
            a = th::random_wr(rng, p, -64, 64, false);
            b = th::random_wr(rng, p, -8, 6);
            break;
        case 1: {  // a base next to 1, |b ln a| up to 2^61: results over the whole range
            a = th::random_wr(rng, p, -static_cast<int64_t>(rng.range(1, 64 * p)), -1);
            th::to_mpfr(v, a.data(), p);
            mpfr_add_ui(v, v, 1, MPFR_RNDN);
            a = rounded(v, p);
            th::to_mpfr(v, a.data(), p);
            if (mpfr_cmp_ui(v, 1) == 0) mpfr_nextabove(v), a = rounded(v, p);
            mpfr_log(l, v, MPFR_RNDN);
            mpfr_ui_div(v, 1, l, MPFR_RNDN);
            mpfr_mul_2si(v, v, static_cast<long>(rng.range(0, 61)), MPFR_RNDN);
            if (rng.coin()) mpfr_neg(v, v, MPFR_RNDN);
            b = rounded(v, p);
            break;
        }
        case 2: {  // a negative base, an integer exponent (odd or even, up to 2^(64p))
            a = th::random_wr(rng, p, -8, 8, false);
            a[0] |= th::kSign;
            const int64_t e = static_cast<int64_t>(rng.range(0, rng.coin() ? 6 : 64 * p));
            b = th::random_wr(rng, p, e, e);
            // keep the integer part only
            mpfr_set_ui(v, 0, MPFR_RNDN);
            th::Mp bb(p);
            th::to_mpfr(bb, b.data(), p);
            mpfr_trunc(bb, bb);
            if (mpfr_zero_p(bb)) mpfr_set_si(bb, 3, MPFR_RNDN);
            b = th::from_mpfr(bb, p);
            break;
        }
        case 3: {  // a^b exact: a = c^(2^j) 2^(2^j i), b = m / 2^j (m odd)
            const unsigned j = static_cast<unsigned>(rng.range(1, 3));
            const uint64_t c = rng.range(1, 15) | 1;
            mpfr_set_ui(v, c, MPFR_RNDN);
            mpfr_pow_ui(v, v, 1u << j, MPFR_RNDN);
            mpfr_mul_2si(v, v, (static_cast<long>(rng.range(0, 40)) - 20) << j, MPFR_RNDN);
            a = rounded(v, p);
            mpfr_set_si(v, (static_cast<long>(rng.range(0, 30)) - 15) * 2 + 1, MPFR_RNDN);
            mpfr_div_2ui(v, v, j, MPFR_RNDN);
            b = rounded(v, p);
            break;
        }
        default: {  // b ln a next to the range thresholds: 2^62 ln 2 or -(2^62-2) ln 2
            a = th::random_wr(rng, p, -40, 40, false);
            if (th::unbiased(a.data()) == 0) a[0] += 1;
            th::to_mpfr(v, a.data(), p);
            mpfr_log(l, v, MPFR_RNDN);
            th::Mp t(64 * p + 200, true);
            mpfr_const_log2(t, MPFR_RNDN);
            if (rng.coin())
                mpfr_mul_2si(t, t, 62, MPFR_RNDN);
            else
                mpfr_mul_si(t, t, -(static_cast<long>(th::kBias) - 1), MPFR_RNDN);
            mpfr_div(v, t, l, MPFR_RNDN);  // b = T / ln a, then moved by a few units
            Words bw = rounded(v, p);
            th::Mp bm(p);
            th::to_mpfr(bm, bw.data(), p);
            for (int i = static_cast<int>(rng.below(5)); i > 0; --i) rng.coin() ? mpfr_nextabove(bm) : mpfr_nextbelow(bm);
            b = th::from_mpfr(bm, p);
            (void)P;
            break;
        }
    }
}

TEST(RndPow, RandomAgainstMpfr) {
    rx::ZivReport report("pow random");
    rc::Tally tally("pow random");
    th::Rng rng(0x90);
    for (uint64_t p : rc::precisions()) {
        const int n = count(p, 30);
        for (int i = 0; i < n; ++i) {
            Words a, b;
            operands(rng, p, i % 5, a, b);
            ASSERT_NO_FATAL_FAILURE(check_pow(tally, a, b, p));
        }
    }
}

// Every pair of a set of special and small operands, MPFR's rules for
// zeros, infinities, 1 and -1 included; a negative base with a non-integer
// exponent is refused where MPFR returns NaN.
TEST(RndPow, SpecialValues) {
    rc::Tally tally("pow special values");
    for (uint64_t p : {1, 2, 3}) {
        auto d = [p](double v) { return th::from_double(v, p); };
        Words inf(p + 1, 0), minf(p + 1, 0), odd64(p + 1, 0), even70(p + 1, 0);
        inf[0] = th::kExpMask;
        minf[0] = th::kSign | th::kExpMask;
        odd64[0] = th::kBias + 64;  // 2^64 + 1
        odd64[1] = 1;
        even70[0] = th::kBias + 70;
        std::vector<Words> values = {d(0.0), d(-0.0), inf, minf, d(1), d(-1), d(0.5), d(-0.5), d(2), d(-2),
                                     d(3),   d(-3),   d(2.5), d(-2.5), d(0.75), d(0x1p100), d(-0x1p-100), odd64, even70};
        Words m = odd64;
        m[0] |= th::kSign;
        values.push_back(m);
        for (const Words &a : values)
            for (const Words &b : values) {
                th::Mp ma(p), mb(p), r(p);
                th::to_mpfr(ma, a.data(), p);
                th::to_mpfr(mb, b.data(), p);
                mpfr_pow(r, ma, mb, MPFR_RNDN);
                Words y(p + 1);
                if (mpfr_nan_p(r)) {
                    EXPECT_EQ(ec::fatal_of([&] { widefp_rnd_pow(y.data(), a.data(), b.data(), p, WIDEFP_RNDN); }),
                              "widefp:domain|rnd_pow : domain error\n")
                        << th::hex(a) << " " << th::hex(b);
                    continue;
                }
                ASSERT_NO_FATAL_FAILURE(check_pow(tally, a, b, p));
            }
    }
}

// Integer exponents of 2^64 and beyond on negative bases: the sign follows
// the units bit, wherever it lies in the exponent's words; bases -1, -2 and
// -(1 + 2^-64p) (results +-1, +-inf or +-0, finite).
TEST(RndPow, NegativeBaseHugeOddExponents) {
    rc::Tally tally("pow negative base, exponents from 2^64");
    for (uint64_t p : {1, 2, 3, 4, 9}) {
        for (int64_t E : {int64_t{64}, int64_t{65}, int64_t{100}, 64 * static_cast<int64_t>(p), 64 * static_cast<int64_t>(p) + 1}) {
            for (bool odd : {true, false}) {
                Words b(p + 1, 0);
                b[0] = th::kBias + static_cast<uint64_t>(E);
                if (odd && E <= 64 * static_cast<int64_t>(p)) b[1 + (E - 1) / 64] |= uint64_t{1} << (63 - (E - 1) % 64);
                for (int base = 0; base < 3; ++base) {
                    Words a = th::from_double(base == 0 ? -1.0 : base == 1 ? -2.0 : -1.0, p);
                    if (base == 2) a[p] = 1;  // -(1 + 2^-64p)
                    for (bool nb : {false, true}) {
                        Words bb = b;
                        if (nb) bb[0] |= th::kSign;
                        ASSERT_NO_FATAL_FAILURE(check_pow(tally, a, bb, p));
                    }
                }
            }
        }
    }
}

// Exact results: integer exponents (within and beyond 2^63 on powers of
// two), 2^k-th roots of exact powers, powers of two to fractional
// exponents; each against MPFR, ternary 0 included.
TEST(RndPow, ExactResults) {
    rc::Tally tally("pow exact");
    th::Rng rng(0xe4);
    for (uint64_t p : {1, 2, 5, 16}) {
        const long exact0 = tally.exact;
        auto d = [p](double v) { return th::from_double(v, p); };
        ASSERT_NO_FATAL_FAILURE(check_pow(tally, d(9), d(0.5), p));      // 3
        ASSERT_NO_FATAL_FAILURE(check_pow(tally, d(81), d(0.25), p));    // 3
        ASSERT_NO_FATAL_FAILURE(check_pow(tally, d(81), d(-0.75), p));   // 1/27, inexact
        ASSERT_NO_FATAL_FAILURE(check_pow(tally, d(0x1p-40), d(2.5), p));  // 2^-100
        ASSERT_NO_FATAL_FAILURE(check_pow(tally, d(8), d(1.0 / 3), p));    // inexact: 1/3 is no dyadic exponent
        ASSERT_NO_FATAL_FAILURE(check_pow(tally, d(2.25), d(1.5), p));     // 3.375
        ASSERT_NO_FATAL_FAILURE(check_pow(tally, d(-3), d(5), p));         // -243
        ASSERT_NO_FATAL_FAILURE(check_pow(tally, d(-0.5), d(-7), p));      // -128
        ASSERT_NO_FATAL_FAILURE(check_pow(tally, d(0.5), d(0x1p61), p));   // 2^-2^61, in the range
        ASSERT_NO_FATAL_FAILURE(check_pow(tally, d(4), d(0x1p61), p));     // 2^2^62: overflow
        ASSERT_NO_FATAL_FAILURE(check_pow(tally, d(0.25), d(0x1.fffffffffffffp61), p));  // below m/2
        for (int i = 0; i < 20; ++i) {
            Words a, b;
            operands(rng, p, 3, a, b);
            ASSERT_NO_FATAL_FAILURE(check_pow(tally, a, b, p));
        }
        EXPECT_GE(tally.exact - exact0, 4 * (7 + 5)) << "p=" << p;
    }
}

}  // namespace
