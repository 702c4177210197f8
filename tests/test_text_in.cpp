// Tests of the text readers: decimal numbers against MPFR, the expression
// grammar, hexadecimal words, round trips, fatal errors and unsafe input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "reference/ref_decimal.h"
#include "convert/text_in.h"
#include "harness.h"

namespace {

using th::kBias;
using th::kExpMask;
using th::kSign;
using th::Words;

constexpr uint64_t kJunk = 0xdeadbeefcafef00dULL;

Words atowr(const std::string &text, uint64_t p) {
    Words r(p + 1, kJunk);
    widefp_float_atowr(text.c_str(), r.data(), p);
    return r;
}

Words etowr(const std::string &text, uint64_t p, int *code = nullptr, uint64_t fill = kJunk) {
    Words r(p + 1, fill);
    int c = widefp_float_etowr(text.c_str(), r.data(), p);
    if (code) *code = c;
    return r;
}

Words dbl(double d, uint64_t p) { return th::from_double(d, p); }

// MPFR's reading of a decimal text, correctly rounded at `bits`.
void mp_read(mpfr_ptr out, const std::string &text) {
    ASSERT_EQ(mpfr_set_str(out, text.c_str(), 10, MPFR_RNDN), 0) << text;
}

// Exact decimal text of an MPFR value (digits enough for a dyadic value).
std::string exact_decimal(mpfr_srcptr v, size_t digits = 400) {
    mpfr_exp_t e;
    char *s = mpfr_get_str(nullptr, &e, 10, digits, v, MPFR_RNDN);
    std::string d(s);
    mpfr_free_str(s);
    std::string sign;
    if (d[0] == '-') {
        sign = "-";
        d.erase(0, 1);
    }
    return sign + "0." + d + "e" + std::to_string(static_cast<long>(e));
}

// The words of a value that is exactly representable at precision p.
Words words_of(mpfr_srcptr v, uint64_t p) { return th::from_mpfr(v, p); }

// ---------------------------------------------------------------------------
// Decimal reader against MPFR.
//
// Error bound of the method, in units u = 2^-64(p+1) (the last word of the
// n = p+2 word working arrays) on the scaled significand M*R; one unit of
// 2^-64 of the result's last place is at least u because M*R >= 1.
//  - Digits: each place value W is rounded to nearest at every division by
//    10^5 (error <= 0.50001u), then multiplied by a group value v < 10^5:
//    <= 0.50001e5 u per group, over at most 3.86(p+1)+2 groups; the digits
//    left out once W has underflowed are worth < 1.0001e5 u.
//  - Power: T = log2(10)*|E10| from a table truncated to n words: frac off by
//    < |E10| u; y = ln2*frac adds < 1.6u (table, rounding); e^y < 2 doubles
//    that; the series adds <= 2.2u per term over at most 64(p+2)+2 terms.
//  - The product M*R (M < 10, R < 2) adds 0.5u and the scaled errors above.
// The final rounding (half up on the first dropped bit) adds half a unit of
// the last place.  So |result - exact| <= 2^63 + delta units of 2^-64 ulp.
double error_bound64(uint64_t p, double abs_e10) {
    const double P = static_cast<double>(p);
    double digits = 0.50001e5 * (3.86 * (P + 1) + 2) + 1.0001e5;
    double power = 2 * (0.7 * abs_e10 + 1.6) + 2.2 * (64 * (P + 2) + 2);
    double delta = 2 * digits + 10 * power + 1;
    return std::ldexp(1.0, 63) + delta;
}

struct DecimalCase {
    std::string text;
    double abs_e10;  // bound on |E10|
};

DecimalCase random_decimal(th::Rng &rng) {
    DecimalCase c;
    size_t ndig = rng.coin() ? 1 + rng.below(40) : 1 + rng.below(2000);
    std::string digits;
    size_t zeros = rng.below(4) == 0 ? rng.below(ndig) : 0;  // leading zeros
    for (size_t i = 0; i < ndig; ++i) digits += static_cast<char>('0' + (i < zeros ? 0 : rng.below(10)));
    if (digits.find_first_not_of('0') == std::string::npos) digits.back() = '7';
    if (rng.coin()) c.text = rng.coin() ? "-" : "+";
    size_t point = rng.below(ndig + 1);
    if (point == 0 || rng.below(4) == 0) point = ndig;  // MPFR wants a digit before the point
    c.text += digits.substr(0, point);
    if (point < ndig || rng.coin()) c.text += "." + digits.substr(point);
    int64_t x = 0;
    switch (rng.below(3)) {
        case 0: x = static_cast<int64_t>(rng.below(41)) - 20; break;
        case 1: x = static_cast<int64_t>(rng.below(2001)) - 1000; break;
        default: x = static_cast<int64_t>(rng.below(2000001)) - 1000000; break;
    }
    if (x != 0 || rng.coin()) c.text += (rng.coin() ? "e" : "E") + std::to_string(x);
    c.abs_e10 = static_cast<double>(std::llabs(x)) + static_cast<double>(ndig) + 1;
    return c;
}

// The scaling by 10^E10 with the zero words of the series term skipped gives
// the same exponent and words as before, on both sides of the product
// thresholds (119/120 and 719/720 words) and at the longest arrays, for
// small, large and extreme decimal exponents of either sign.
TEST(ConvertPow10, SameWordsAsThePlainSeries) {
    th::Rng rng(313);
    std::vector<uint64_t> ns;
    for (uint64_t n = 3; n <= 60; ++n) ns.push_back(n);
    for (uint64_t n = 115; n <= 135; ++n) ns.push_back(n);
    for (uint64_t n : {719, 720, 1024}) ns.push_back(n);
    size_t cases = 0;
    for (uint64_t n : ns) {
        const long count = th::cases(n <= 60 ? 8 : n <= 135 ? 2 : 1);
        for (int c = 0; c < count; ++c) {
            Words m(n);
            rng.fill(m.data(), n);
            m[0] = 1 + rng.below(9);  // 1 <= M < 10
            int64_t e10;
            switch (c % 4) {
                case 0: e10 = static_cast<int64_t>(rng.below(41)) - 20; break;
                case 1: e10 = static_cast<int64_t>(rng.below(20001)) - 10000; break;
                case 2: e10 = static_cast<int64_t>(rng.below(uint64_t{1} << 62)) - (int64_t{1} << 61); break;
                default: e10 = rng.coin() ? (int64_t{1} << 61) : -(int64_t{1} << 61); break;
            }
            Words want = m, got = m;
            std::vector<uint64_t> work(3 * n);
            const int64_t b_ref = ref::ref_convert_pow10(want.data(), e10, n);
            const int64_t b = widefp::convert::widefp_convert_pow10(got.data(), e10, n, work.data());
            ASSERT_EQ(b, b_ref) << "n=" << n << " e10=" << e10;
            ASSERT_EQ(got, want) << "n=" << n << " e10=" << e10;
            ++cases;
        }
    }
    std::printf("convert_pow10: %zu scalings identical to the plain series\n", cases);
}

TEST(Atowr, RandomTextsAgainstMpfr) {
    th::Rng rng(0xa70a);
    struct Plan {
        uint64_t p;
        int cases;
    };
    std::vector<Plan> plans;
    for (uint64_t p : {1, 2, 3, 4, 7, 8, 15, 16, 31, 33, 54, 64}) plans.push_back({p, 60});
    for (uint64_t p : {100, 128, 200}) plans.push_back({p, 8});
    for (uint64_t p : {255, 511}) plans.push_back({p, 2});
    for (uint64_t p : {717, 718, 1022}) plans.push_back({p, 1});  // n = 719, 720: both product kernels
    for (int i = 0; i < 12; ++i) plans.push_back({1 + rng.below(120), 10});

    double worst = 0;
    int mismatches = 0, total = 0;
    for (const Plan &plan : plans) {
        const uint64_t p = plan.p;
        th::Mp exact(static_cast<mpfr_prec_t>(64 * p + 256), true), rounded(p), ours(p);
        for (int k = 0; k < plan.cases; ++k) {
            DecimalCase c = random_decimal(rng);
            Words r = atowr(c.text, p);
            mp_read(exact, c.text);
            mp_read(rounded, c.text);
            th::to_mpfr(ours, r.data(), p);
            ASSERT_FALSE(th::is_zero(r.data()) || th::is_inf(r.data())) << c.text;
            double err = th::error_in_ulp64(ours, exact, p);
            ASSERT_LE(err, error_bound64(p, c.abs_e10)) << "p=" << p << " text=" << c.text << "\n" << th::hex(r);
            worst = std::max(worst, err);
            ++total;
            if (!mpfr_equal_p(ours, rounded)) {
                ++mismatches;
                // Only a value within the method's error of a midpoint may round the other way.
                EXPECT_LE(th::error_in_ulp64(ours, rounded, p), std::ldexp(1.0, 64) * 1.0000001) << c.text;
            }
        }
    }
    std::printf("atowr: %d texts, largest error %.12f ulp, %d differ from MPFR's correctly rounded result\n",
                total, worst / std::ldexp(1.0, 64), mismatches);
}

TEST(Atowr, SpecialTexts) {
    for (uint64_t p : {1, 3}) {
        for (const char *t : {"0", "000.000", "-0", "", ".", "-", "  ", "0e5", "-0.000e-99999999999999999999"}) {
            Words r = atowr(t, p);
            EXPECT_EQ(r, Words(p + 1, 0)) << "'" << t << "'";  // +0, every word cleared
        }
        EXPECT_EQ(atowr(".5", p), dbl(0.5, p));
        EXPECT_EQ(atowr("0.05e1", p), dbl(0.5, p));
        EXPECT_EQ(atowr("5.", p), dbl(5, p));
        EXPECT_EQ(atowr("5e0", p), dbl(5, p));
        EXPECT_EQ(atowr("1.5E+3", p), dbl(1500, p));
        EXPECT_EQ(atowr("1e", p), dbl(1, p));
        EXPECT_EQ(atowr("1e+", p), dbl(1, p));
        EXPECT_EQ(atowr(" \t-\t 12.5e-3", p)[0], atowr("12.5e-3", p)[0] | kSign);
        EXPECT_EQ(atowr("+2", p), dbl(2, p));
        EXPECT_EQ(atowr("007", p), dbl(7, p));
        // Only one sign is taken: the second ends the number.
        EXPECT_EQ(atowr("--1", p), Words(p + 1, 0));
        // Every character after the exponent letter is an exponent digit:
        // ' ' - '0' = -16, so "1e1 " has exponent 1*10 - 16 = -6.
        EXPECT_EQ(atowr("1e1 ", p), atowr("1e-6", p));
        // Exponent zeros; digits beyond the working precision are ignored.
        EXPECT_EQ(atowr("1e" + std::string(500, '0') + "5", p), atowr("1e5", p));
        EXPECT_EQ(atowr("2." + std::string(70000, '0') + "1", p), dbl(2, p));
    }
}

// Round half up on the first dropped bit, with the leading bit at s = 0, 1 and 3.
TEST(Atowr, RoundingBit) {
    for (uint64_t p : {1, 2, 5}) {
        th::Mp v(p), expect(p);
        th::Mp x(static_cast<mpfr_prec_t>(64 * p + 200), true);
        const long last = -64 * static_cast<long>(p);  // exponent of the last kept bit for 1 <= M < 2
        for (int s : {0, 1, 3}) {
            for (int dir : {+1, -1}) {
                // x = 2^s + half an ulp of [2^s, 2^(s+1)) +- a little
                mpfr_set_ui_2exp(x, 1, s, MPFR_RNDN);
                th::Mp half(static_cast<mpfr_prec_t>(64 * p + 200), true);
                mpfr_set_ui_2exp(half, 1, last + s - 1, MPFR_RNDN);
                mpfr_add(x, x, half, MPFR_RNDN);
                mpfr_set_ui_2exp(half, 1, last + s - 40, MPFR_RNDN);
                if (dir > 0) mpfr_add(x, x, half, MPFR_RNDN); else mpfr_sub(x, x, half, MPFR_RNDN);
                mpfr_set_ui_2exp(expect, 1, s, MPFR_RNDN);
                if (dir > 0) {
                    mpfr_set_ui_2exp(v, 1, last + s, MPFR_RNDN);
                    mpfr_add(expect, expect, v, MPFR_RNDN);
                }
                std::string text = exact_decimal(x, 64 * p + 200);
                EXPECT_EQ(atowr(text, p), words_of(expect, p)) << "p=" << p << " s=" << s << " dir=" << dir;
            }
        }
        // Carry out of fraction word 1: 2 - quarter ulp + a little rounds to 2.
        mpfr_set_ui(x, 2, MPFR_RNDN);
        th::Mp q(static_cast<mpfr_prec_t>(64 * p + 200), true);
        mpfr_set_ui_2exp(q, 1, last - 1, MPFR_RNDN);
        mpfr_sub(x, x, q, MPFR_RNDN);
        mpfr_set_ui_2exp(q, 1, last - 40, MPFR_RNDN);
        mpfr_add(x, x, q, MPFR_RNDN);
        Words two = atowr(exact_decimal(x, 64 * p + 200), p);
        EXPECT_EQ(two, dbl(2, p)) << th::hex(two);
    }
}

// floor(e10 * log2(10)) by MPFR.
int64_t floor_log2_10(int64_t e10) {
    th::Mp t(static_cast<mpfr_prec_t>(400), true), l(static_cast<mpfr_prec_t>(400), true);
    mpfr_set_ui(l, 10, MPFR_RNDN);
    mpfr_log2(l, l, MPFR_RNDN);
    mpfr_mul_si(t, l, static_cast<long>(e10), MPFR_RNDN);
    mpfr_floor(t, t);
    return static_cast<int64_t>(mpfr_get_si(t, MPFR_RNDN));
}

TEST(Atowr, ExponentSaturation) {
    const uint64_t p = 2;
    // Smallest E10 with floor(E10 log2 10) >= 2^62 + 1.
    th::Mp t(static_cast<mpfr_prec_t>(400), true), l(static_cast<mpfr_prec_t>(400), true);
    mpfr_set_ui(l, 10, MPFR_RNDN);
    mpfr_log2(l, l, MPFR_RNDN);
    mpfr_set_ui_2exp(t, 1, 62, MPFR_RNDN);
    mpfr_add_ui(t, t, 1, MPFR_RNDN);
    mpfr_div(t, t, l, MPFR_RNDN);
    mpfr_ceil(t, t);
    const int64_t e0 = mpfr_get_si(t, MPFR_RNDN);

    Words sat(p + 1, ~uint64_t{0});
    sat[0] = kExpMask;
    EXPECT_EQ(atowr("1e" + std::to_string(e0), p), sat);
    Words nsat = sat;
    nsat[0] |= kSign;
    EXPECT_EQ(atowr("-1e" + std::to_string(e0), p), nsat);
    // Just inside: a finite number with exponent floor(E10 log2 10).
    Words big = atowr("1e" + std::to_string(e0 - 2), p);
    EXPECT_EQ(big[0], static_cast<uint64_t>(floor_log2_10(e0 - 2)) + kBias);
    Words tiny = atowr("1e-" + std::to_string(e0 - 2), p);
    EXPECT_EQ(tiny[0], static_cast<uint64_t>(floor_log2_10(-(e0 - 2)) + static_cast<int64_t>(kBias)));
    // Past the underflow threshold: a zero with the sign read.
    Words zero = atowr("1e-" + std::to_string(e0), p);
    EXPECT_EQ(zero, Words(p + 1, 0));
    Words nzero = atowr("-1e-" + std::to_string(e0), p);
    EXPECT_EQ(nzero[0], kSign);
    // Exponents too long for 64 bits saturate (no signed overflow).
    const std::string nines(400, '9');
    EXPECT_EQ(atowr("1e" + nines, p), sat);
    EXPECT_EQ(atowr("-7.5E+" + nines, p), nsat);
    EXPECT_EQ(atowr("1e-" + nines, p), Words(p + 1, 0));
    EXPECT_EQ(atowr("123e9223372036854775807", p), sat);
    EXPECT_EQ(atowr("123e-9223372036854775808", p), Words(p + 1, 0));
    EXPECT_EQ(atowr("0." + std::string(1000, '0') + "1e" + nines, p), sat);
}

// A number printed with enough digits reads back to the same words.
TEST(Atowr, RoundTrip) {
    th::Rng rng(0x7e7e);
    for (uint64_t p : {1, 2, 3, 8, 17, 54, 100, 200}) {
        const long cases = th::cases(p <= 54 ? 40 : 5);
        th::Mp v(p);
        // 64p+1 bits need ceil((64p+1) log10 2) + 1 digits.
        const size_t digits = static_cast<size_t>(std::ceil((64.0 * p + 1) * 0.30103)) + 2;
        for (int k = 0; k < cases; ++k) {
            Words x = th::random_wr(rng, p, -3000, 3000);
            th::to_mpfr(v, x.data(), p);
            std::string text = exact_decimal(v, digits);
            EXPECT_EQ(atowr(text, p), x) << "p=" << p << " " << text;

            // The same through the library's own decimal output.
            std::vector<uint64_t> dig(p + 2);
            int64_t e = 0;
            widefp_convert_pow(x.data(), &e, dig.data(), p);
            std::vector<char> out(digits + 64);
            uint64_t control = (p + 2) | (static_cast<uint64_t>(digits) << 16) | (x[0] & kSign);
            widefp_scientific_format(control, dig.data(), e, out.data());
            EXPECT_EQ(atowr(out.data(), p), x) << "p=" << p << " " << out.data();
        }
    }
}

// ---------------------------------------------------------------------------
// Expression evaluator.

TEST(Etowr, Grammar) {
    const uint64_t p = 2;
    int code = 0;
    EXPECT_EQ(etowr("2+3*4", p, &code), dbl(14, p));
    EXPECT_EQ(code, 10);
    EXPECT_EQ(etowr("(2+3)*4", p), dbl(20, p));
    EXPECT_EQ(etowr("-(1)", p), dbl(-1, p));
    EXPECT_EQ(etowr("--1", p), dbl(1, p));
    EXPECT_EQ(etowr("+-+1", p), dbl(-1, p));
    EXPECT_EQ(etowr("2-3-4", p), dbl(-5, p));
    EXPECT_EQ(etowr("-2*3", p), dbl(-6, p));
    EXPECT_EQ(etowr("8/2/2", p), dbl(2, p));
    EXPECT_EQ(etowr("((((7))))", p), dbl(7, p));
    EXPECT_EQ(etowr("1.5E+3-1e3", p), dbl(500, p));
    EXPECT_EQ(etowr("-0", p), Words({kSign, 0, 0}));
    EXPECT_EQ(etowr("12.5e-3", p), atowr("12.5e-3", p));

    // 2/3*3: divide first, then multiply, each step truncated.
    Words two = dbl(2, p), three = dbl(3, p), q(p + 1);
    widefp_float_div(q.data(), two.data(), three.data(), p);
    widefp_float_mul(q.data(), q.data(), three.data(), p);
    EXPECT_EQ(etowr("2/3*3", p), q);
    // 1/3 is truncated: a guard-word rounding is never applied.
    Words third(p + 1);
    widefp_float_div(third.data(), dbl(1, p).data(), three.data(), p);
    EXPECT_EQ(etowr("1/3", p), third);

    // Named constants and hexadecimal words.
    for (uint64_t q2 : {1, 5, 1022}) {
        Words pi(q2 + 1);
        widefp_float_ctowr("pi", pi.data(), q2);
        Words twopi = pi;  // times 2, exactly (the product kernels need p >= 2)
        ++twopi[0];
        EXPECT_EQ(etowr("#pi*2", q2), twopi);
        Words g(q2 + 1);
        widefp_float_ctowr("g", g.data(), q2);
        EXPECT_EQ(etowr("#g", q2), g);
    }
    EXPECT_EQ(etowr("@4000000000000000", p), Words({0x4000000000000000, 0, 0}));
    EXPECT_EQ(etowr("@:ff", p), Words({0, 0xff, 0}));
    EXPECT_EQ(etowr("@", p), Words({0, 0, 0}));
    EXPECT_EQ(etowr("@3fffffffffffffff:8", 1), Words({0x3fffffffffffffff, 8}));
    EXPECT_EQ(etowr("-@3fffffffffffffff", p), dbl(-1, p));
}

// At p = 1 products are cut from the two-word product, whose last word the
// half product may leave a few units short: the result lies within one unit
// below the exact product's magnitude.
TEST(Etowr, ProductAtOneWord) {
    th::Rng rng(0x1111);
    th::Mp a(1), b(1), ours(1);
    th::Mp exact(static_cast<mpfr_prec_t>(200), true);
    for (int k = 0; k < 200; ++k) {
        Words x = th::random_wr(rng, 1), y = th::random_wr(rng, 1);
        std::string text = "@" + th::hex(x.data(), 1) + ":" + th::hex(x.data() + 1, 1) + "*@" +
                           th::hex(y.data(), 1) + ":" + th::hex(y.data() + 1, 1);
        th::to_mpfr(a, x.data(), 1);
        th::to_mpfr(b, y.data(), 1);
        mpfr_mul(exact, a, b, MPFR_RNDN);  // exact in 200 bits
        Words r = etowr(text, 1);
        th::to_mpfr(ours, r.data(), 1);
        EXPECT_LE(mpfr_cmpabs(ours, exact), 0) << text;
        EXPECT_LT(th::error_in_ulp64(ours, exact, 1), std::ldexp(1.0, 65)) << text;
    }
}

TEST(Etowr, SilentAcceptance) {
    const uint64_t p = 2;
    int code = 0;
    // A blank ends the evaluation; the look-ahead is a (zero) value.
    EXPECT_EQ(etowr("1 + 2", p, &code), dbl(1, p));
    EXPECT_EQ(code, 118);
    EXPECT_EQ(etowr("1)", p, &code), dbl(1, p));
    EXPECT_EQ(code, ')');
    EXPECT_EQ(etowr("3*2)+7", p, &code), dbl(6, p));
    EXPECT_EQ(code, ')');
    EXPECT_EQ(etowr("4,5", p, &code), dbl(4, p));
    EXPECT_EQ(code, 118);
    // A text that starts no token is a zero value.
    EXPECT_EQ(etowr(" 1", p, &code), Words(p + 1, 0));
    EXPECT_EQ(code, 118);
    // Empty text: the result keeps its previous contents.
    EXPECT_EQ(etowr("", p, &code), Words(p + 1, kJunk));
    EXPECT_EQ(code, 10);
    EXPECT_EQ(etowr(")", p, &code), Words(p + 1, kJunk));
    EXPECT_EQ(code, ')');
    // A missing left operand uses the previous contents: 5 * 3.
    Words five = dbl(5, p);
    Words r = five;
    EXPECT_EQ(widefp_float_etowr("*3", r.data(), p), 10);
    EXPECT_EQ(r, dbl(15, p));
    // A missing right operand reads a temporary that starts as zero.
    Words zero(p + 1, 0);
    EXPECT_TRUE(th::same_value(etowr("2*", p).data(), zero.data(), p));
    EXPECT_EQ(etowr("2+", p), dbl(2, p));
    EXPECT_EQ(etowr("2-", p), dbl(2, p));
    // ... and within one chain keeps the previous operand: 1+2+2.
    EXPECT_EQ(etowr("1+2+", p), dbl(5, p));
    // A temporary starts as zero again in every new expression.
    EXPECT_EQ(etowr("(2*3)+(4*)", p), dbl(6, p));
    // Values after a value are read and dropped.
    EXPECT_EQ(etowr("1#pi", p, &code), dbl(1, p));
    EXPECT_EQ(code, 118);
    EXPECT_EQ(etowr("2@4000000000000000*3", p, &code), dbl(2, p));
    EXPECT_EQ(code, 118);
}

// Tokens longer than any fixed buffer.
TEST(Etowr, LongTokens) {
    const uint64_t p = 3;
    EXPECT_EQ(etowr(std::string(100000, '0') + "3", p), dbl(3, p));
    EXPECT_EQ(etowr("1." + std::string(100000, '0') + "1+1", p), dbl(2, p));
    EXPECT_EQ(etowr("@" + std::string(100000, 'f') + ":1", p), Words({~uint64_t{0}, 1, 0, 0}));
    std::string sum = "1";
    for (int i = 0; i < 20000; ++i) sum += "+1";
    EXPECT_EQ(etowr(sum, p), dbl(20001, p));
}

TEST(Etowr, NestingLimit) {
    using widefp::convert::kMaxNesting;
    const uint64_t p = 2;
    std::string ok = std::string(kMaxNesting, '(') + "5" + std::string(kMaxNesting, ')');
    EXPECT_EQ(etowr(ok, p), dbl(5, p));
    EXPECT_EQ(etowr(std::string(kMaxNesting, '-') + "5", p), dbl(5, p));
    EXPECT_EQ(etowr(std::string(kMaxNesting - 1, '-') + "5", p), dbl(-5, p));
    std::string mixed;
    for (int i = 0; i < kMaxNesting / 2; ++i) mixed += "-(";
    EXPECT_EQ(etowr(mixed + "5" + std::string(kMaxNesting / 2, ')'), p), dbl(5, p));
}

// ---------------------------------------------------------------------------
// Hexadecimal words.

TEST(Htowr, Words) {
    Words r(4, kJunk);
    widefp_float_htowr("1:2:3:4:5:6", r.data(), 3);
    EXPECT_EQ(r, Words({1, 2, 3, 4}));
    r.assign(4, kJunk);
    widefp_float_htowr("a::C", r.data(), 3);
    EXPECT_EQ(r, Words({0xa, 0, 0xc, 0}));
    r.assign(4, kJunk);
    widefp_float_htowr("123456789abcdef0123", r.data(), 3);  // only the last 16 digits count
    EXPECT_EQ(r, Words({0x456789abcdef0123, 0, 0, 0}));
    r.assign(4, kJunk);
    widefp_float_htowr("ffffffffffffffff:FFFFFFFFFFFFFFFF:", r.data(), 3);
    EXPECT_EQ(r, Words({~uint64_t{0}, ~uint64_t{0}, 0, 0}));
    r.assign(4, kJunk);
    widefp_float_htowr("", r.data(), 3);
    EXPECT_EQ(r, Words(4, 0));
    r.assign(4, kJunk);
    widefp_float_htowr("1:2", r.data(), ~uint64_t{0});  // negative p: nothing
    EXPECT_EQ(r, Words(4, kJunk));
    // Groups after word p are not read.
    r.assign(2, kJunk);
    widefp_float_htowr("1:2:zz", r.data(), 1);
    EXPECT_EQ(r, Words({1, 2}));
}

// ---------------------------------------------------------------------------
// Fatal errors: the default route prints the exact text and exits with 1.

TEST(FatalDeathTest, DefaultRoute) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    uint64_t r[3] = {0, 0, 0};
    EXPECT_EXIT(widefp_float_etowr("(1+2", r, 2), testing::ExitedWithCode(1), "^Too many \\('s\\.\n$");
    EXPECT_EXIT(widefp_float_etowr("(", r, 2), testing::ExitedWithCode(1), "^Too many \\('s\\.\n$");
    EXPECT_EXIT(widefp_float_etowr("2*(3 )", r, 2), testing::ExitedWithCode(1), "^Too many \\('s\\.\n$");
    EXPECT_EXIT(widefp_float_htowr("12g4", r, 2), testing::ExitedWithCode(1), "^Unexpected character: g\n$");
    EXPECT_EXIT(widefp_float_etowr("#foo", r, 2), testing::ExitedWithCode(1), "^Unkown constant: #foo\n$");
    EXPECT_EXIT(widefp_float_etowr("1+#", r, 2), testing::ExitedWithCode(1), "^Unkown constant: #\n$");
    EXPECT_EXIT(widefp_float_etowr("#", r, 2), testing::ExitedWithCode(1), "^Unkown constant: #\n$");
    EXPECT_EXIT(widefp_float_etowr(std::string(300, '(').c_str(), r, 2), testing::ExitedWithCode(1),
                "^Expression nested too deeply");
    EXPECT_EXIT(widefp_float_etowr((std::string(300, '-') + "1").c_str(), r, 2),
                testing::ExitedWithCode(1), "^Expression nested too deeply");
}

struct Fatal : std::runtime_error {
    std::string id;
    Fatal(const char *i, const char *t) : std::runtime_error(t), id(i) {}
};
void throwing_handler(const char *id, const char *text) { throw Fatal(id, text); }

// With a throwing handler, errors (deep nesting included) arrive as exceptions
// and leave nothing behind.
TEST(Etowr, ErrorsThroughHandler) {
    widefp_set_fatal_handler(&throwing_handler);
    const uint64_t p = 4;
    Words r(p + 1, 0);
    auto expect_error = [&](const std::string &text, const std::string &message) {
        try {
            widefp_float_etowr(text.c_str(), r.data(), p);
            ADD_FAILURE() << "no error for " << text.substr(0, 40);
        } catch (const Fatal &f) {
            EXPECT_EQ(f.id, "widefp:syntax");
            EXPECT_EQ(f.what(), message);
        }
    };
    expect_error(std::string(100000, '(') + "1", widefp::convert::kNestingMessage);
    expect_error(std::string(100000, '-') + "1", widefp::convert::kNestingMessage);
    expect_error("1+(2*(3+4)", "Too many ('s.\n");
    // A name far longer than any buffer is simply not a constant.
    try {
        widefp_float_etowr(("#" + std::string(100000, 'a')).c_str(), r.data(), p);
        ADD_FAILURE() << "no error";
    } catch (const Fatal &f) {
        EXPECT_EQ(std::string(f.what()).rfind("Unkown constant: #aaaa", 0), 0u);
    }
    try {
        widefp_float_htowr("12:x", r.data(), p);
        ADD_FAILURE() << "no error";
    } catch (const Fatal &f) {
        EXPECT_EQ(f.id, "widefp:syntax");
        EXPECT_STREQ(f.what(), "Unexpected character: x\n");
    }
    widefp_set_fatal_handler(nullptr);
}

// ---------------------------------------------------------------------------
// Strict reading with its report, as the parse plug-in calls it: the whole
// text must be read.

// widefp_float_etowr_report: true on success, else the report in *msg.
bool parse(const char *text, uint64_t *res, uint64_t p, std::string *msg, int *status) {
    char buf[1024];
    *status = widefp_float_etowr_report(text, res, p, buf, sizeof buf);
    if (*status != WIDEFP_PARSE_OK) *msg = buf;
    return *status == WIDEFP_PARSE_OK;
}

TEST(WrParse, WholeTextOrError) {
    const uint64_t p = 2;
    Words res = dbl(9, p);
    std::string msg;
    int status = 0;
    EXPECT_TRUE(parse("1+2  \t", res.data(), p, &msg, &status));
    EXPECT_EQ(res, dbl(3, p));
    for (const char *bad : {"1 + 2", "1)", "1#pi", "4,5", " 1", "2@3", "x", "", "*2", "(1", "#nope"}) {
        res = dbl(9, p);
        EXPECT_FALSE(parse(bad, res.data(), p, &msg, &status)) << bad;
        EXPECT_EQ(res, dbl(9, p)) << bad;
        EXPECT_NE(msg.find('^'), std::string::npos) << msg;
    }
    parse("12+34 + 5", res.data(), p, &msg, &status);
    EXPECT_NE(msg.find("character 6"), std::string::npos) << msg;
    // a short buffer receives the report's beginning, terminated
    char small[8];
    std::memset(small, 'x', sizeof small);
    EXPECT_EQ(widefp_float_etowr_report("12+34 + 5", res.data(), p, small, sizeof small), status);
    ASSERT_EQ(strnlen(small, sizeof small), 7u);
    EXPECT_EQ(std::string(small), msg.substr(0, 7));
}

// Strict reading: every malformed text is refused with the offset where
// reading stopped, and the result is not touched; well-formed texts give
// what the lenient reader gives.
TEST(EtowrN, MalformedTextsRefused) {
    const uint64_t p = 2;
    struct Bad {
        const char *text;
        int status;
        size_t stop;
    };
    const Bad bad[] = {
        {"", WIDEFP_PARSE_MISSING_OPERAND, 0},    {"-", WIDEFP_PARSE_MISSING_OPERAND, 1},
        {"+", WIDEFP_PARSE_MISSING_OPERAND, 1},   {"()", WIDEFP_PARSE_MISSING_OPERAND, 1},
        {"(-)", WIDEFP_PARSE_MISSING_OPERAND, 2}, {"*", WIDEFP_PARSE_MISSING_OPERAND, 0},
        {"/", WIDEFP_PARSE_MISSING_OPERAND, 0},   {"2*", WIDEFP_PARSE_MISSING_OPERAND, 2},
        {"2+", WIDEFP_PARSE_MISSING_OPERAND, 2},  {"2+*3", WIDEFP_PARSE_MISSING_OPERAND, 2},
        {".", WIDEFP_PARSE_BAD_NUMBER, 0},        {"1.2.3", WIDEFP_PARSE_BAD_NUMBER, 3},
        {"1..5", WIDEFP_PARSE_BAD_NUMBER, 2},     {"..5", WIDEFP_PARSE_BAD_NUMBER, 1},
        {"1e+-5", WIDEFP_PARSE_BAD_NUMBER, 3},    {"2*1e", WIDEFP_PARSE_BAD_NUMBER, 4},
        {"1 + 2", WIDEFP_PARSE_UNEXPECTED, 1},    {"1)", WIDEFP_PARSE_UNEXPECTED, 1},
        {"1#pi", WIDEFP_PARSE_UNEXPECTED, 1},     {"x", WIDEFP_PARSE_UNEXPECTED, 0},
        {"(1+2", WIDEFP_PARSE_UNBALANCED, 4},     {"2*(3 )", WIDEFP_PARSE_UNEXPECTED, 4},
        {"1+#foo", WIDEFP_PARSE_UNKNOWN_CONSTANT, 2},
    };
    for (const Bad &b : bad) {
        Words r(p + 1, kJunk);
        size_t stop = 99;
        EXPECT_EQ(widefp_float_etowr_n(b.text, r.data(), p, &stop), b.status) << "'" << b.text << "'";
        EXPECT_EQ(stop, b.stop) << "'" << b.text << "'";
        EXPECT_EQ(r, Words(p + 1, kJunk)) << "'" << b.text << "'";
    }
    Words r(p + 1, kJunk);
    const std::string deep = std::string(300, '(') + "1" + std::string(300, ')');
    EXPECT_EQ(widefp_float_etowr_n(deep.c_str(), r.data(), p, nullptr), WIDEFP_PARSE_TOO_DEEP);
    for (const char *good : {"2+3*4", "-(1)", "--1", ".5e-3", "5.", "1E+3/-4", "#pi*2", "@4000000000000000", "7 \t\n"}) {
        size_t stop = 99;
        ASSERT_EQ(widefp_float_etowr_n(good, r.data(), p, &stop), WIDEFP_PARSE_OK) << good;
        EXPECT_EQ(r, etowr(good, p)) << good;
        EXPECT_EQ(stop, std::string(good).find_last_not_of(" \t\n") + 1) << good;
    }
}

// At p = 1 a product with a zero or infinite operand writes a cleared
// fraction, never a word left on the stack.
TEST(Etowr, OneWordProductOfZeroOrInfinity) {
    for (const char *text : {"2*0", "0*2", "3/0*0", "2*(1/0)", "0*(1/0)"}) {
        Words r = etowr(text, 1);
        EXPECT_EQ(r[1], 0u) << text;
    }
}

}  // namespace
