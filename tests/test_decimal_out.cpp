// Decimal output: digit generation against GMP's exact expansion, both
// notations against an exact round-half-up model, and the decimal significand
// of widefp_convert_pow against MPFR.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "convert/decimal.h"
#include "reference/ref_decimal.h"
#include "harness.h"
#include "wr_plugin.h"

namespace {

using th::Words;

constexpr uint64_t kUpper = uint64_t{1} << 56;
constexpr uint64_t kTrim = uint64_t{1} << 59;
constexpr uint64_t kNeg = uint64_t{1} << 63;

uint64_t control(uint64_t w, uint64_t d, uint64_t flags = 0) { return w | (d << 16) | flags; }

// RAII mpz.
struct Z {
    mpz_t v;
    Z() { mpz_init(v); }
    ~Z() { mpz_clear(v); }
    Z(const Z &) = delete;
    Z &operator=(const Z &) = delete;
};

void to_z(mpz_t out, const uint64_t *w, size_t n) { mpz_import(out, n, 1, sizeof(uint64_t), 0, 0, w); }

Words from_z(const mpz_t v, size_t n) {
    Words out(n, 0);
    size_t count = 0;
    std::vector<uint64_t> tmp(n + 2, 0);
    mpz_export(tmp.data(), &count, 1, sizeof(uint64_t), 0, 0, v);
    EXPECT_LE(count, n);
    for (size_t i = 0; i < count && i < n; ++i) out[n - count + i] = tmp[i];
    return out;
}

// A digit array of w words holding the decimal significand "d.ddd..." rounded
// up to the array's last bit: its expansion begins with exactly these digits.
Words digits_of(const std::string &dec, size_t w) {
    std::string all;
    size_t frac_digits = 0;
    bool point = false;
    for (char c : dec) {
        if (c == '.') {
            point = true;
            continue;
        }
        all += c;
        if (point) ++frac_digits;
    }
    Z num, den, q;
    mpz_set_str(num.v, all.c_str(), 10);
    mpz_mul_2exp(num.v, num.v, 64 * (w - 1));
    mpz_ui_pow_ui(den.v, 10, frac_digits);
    mpz_cdiv_q(q.v, num.v, den.v);
    Words out = from_z(q.v, w);
    if (out[0] > 9) {  // 9.99... rounded up past the last word: the largest array below 10
        out.assign(w, ~uint64_t{0});
        out[0] = 9;
    }
    return out;
}

std::string exact_digits(const mpz_t n, uint64_t count) {
    std::vector<char> buf(mpz_sizeinbase(n, 10) + 2);
    mpz_get_str(buf.data(), 10, n);
    std::string s(buf.data());
    if (count == 0 && s == "0") s.clear();
    if (s.size() < count) s.insert(0, count - s.size(), '0');
    return s;
}

// ---- reference model of both notations: exact round half up -------------

// R = floor(v * 10^shift + 1/2) for the array value v (w words).
void round_half_up(mpz_t r, const Words &a, int64_t shift) {
    const size_t w = a.size();
    Z num, den, t;
    to_z(num.v, a.data(), w);
    mpz_set_ui(den.v, 1);
    mpz_mul_2exp(den.v, den.v, 64 * (w - 1));
    if (shift >= 0) {
        mpz_ui_pow_ui(t.v, 10, static_cast<unsigned long>(shift));
        mpz_mul(num.v, num.v, t.v);
    } else {
        mpz_ui_pow_ui(t.v, 10, static_cast<unsigned long>(-shift));
        mpz_mul(den.v, den.v, t.v);
    }
    // floor((2 num + den) / (2 den))
    mpz_mul_2exp(num.v, num.v, 1);
    mpz_add(num.v, num.v, den.v);
    mpz_mul_2exp(den.v, den.v, 1);
    mpz_fdiv_q(r, num.v, den.v);
}

std::string trim_fraction(std::string s, bool trim) {
    if (trim && s.find('.') != std::string::npos)
        while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s;
}

std::string model_sci(uint64_t ctl, const Words &a, int64_t e) {
    const uint64_t d = (ctl >> 16) & 0xffff;
    Z r, lim;
    round_half_up(r.v, a, static_cast<int64_t>(d));
    mpz_ui_pow_ui(lim.v, 10, d + 1);
    if (mpz_cmp(r.v, lim.v) >= 0 && a[0] >= 9) {  // 9.99.. rounded up to 10.00..
        mpz_tdiv_q_ui(r.v, r.v, 10);
        ++e;
    }
    std::string digits = exact_digits(r.v, d + 1);
    std::string s = (ctl & kNeg) ? "-" : "";
    s += digits.substr(0, 1);
    if (d > 0) s += trim_fraction("." + digits.substr(1), (ctl & kTrim) != 0);
    if (s.size() >= 1 && s.back() == '.') s.pop_back();
    s += (ctl & kUpper) ? "E" : "e";
    s += e >= 0 ? "+" : "-";
    s += std::to_string(e >= 0 ? static_cast<unsigned long long>(e) : 0ULL - static_cast<unsigned long long>(e));
    return s;
}

std::string model_fix(uint64_t ctl, const Words &a, int64_t e) {
    const uint64_t d = (ctl >> 16) & 0xffff;
    Z r;
    round_half_up(r.v, a, e + static_cast<int64_t>(d));
    // the integer part has at least E+1 characters (leading zeros of a zero lead kept)
    const uint64_t width = d + 1 + (e > 0 ? static_cast<uint64_t>(e) : 0);
    std::string digits = exact_digits(r.v, width);
    std::string s = (ctl & kNeg) ? "-" : "";
    s += digits.substr(0, digits.size() - d) + "." + digits.substr(digits.size() - d);
    return trim_fraction(s, (ctl & kTrim) != 0);
}

// The bounded formatters into the formatter plug-ins' 65,536-byte buffer.
std::string bounded(decltype(&widefp_scientific_format_n) f, uint64_t ctl, const Words &a, int64_t e) {
    std::vector<char> buf(wr::kFormatBuffer, '\0');
    f(ctl, a.data(), e, buf.data(), buf.size());
    return buf.data();
}
std::string sci(uint64_t ctl, Words a, int64_t e) { return bounded(widefp_scientific_format_n, ctl, a, e); }
std::string fix(uint64_t ctl, Words a, int64_t e) { return bounded(widefp_fixed_format_n, ctl, a, e); }

// ---- wrl_hex2dec -------------------------------------------------------------

TEST(Hex2Dec, ExactExpansionAndRemainder) {
    th::Rng rng(11);
    const uint64_t counts[] = {0, 1, 18, 19, 20, 37, 38, 39, 57, 100, 777};
    for (int iter = 0; iter < 400; ++iter) {
        const size_t w = 1 + rng.below(iter < 300 ? 12 : 60);
        Words a(w);
        rng.fill(a.data(), w);
        const uint64_t count = iter < 2 * 11 ? counts[iter % 11] : rng.below(1300);
        Z frac, scaled, q, rem, mod;
        to_z(frac.v, a.data() + 1, w - 1);  // word 0 is ignored
        mpz_ui_pow_ui(scaled.v, 10, count);
        mpz_mul(scaled.v, scaled.v, frac.v);
        mpz_fdiv_q_2exp(q.v, scaled.v, 64 * (w - 1));
        mpz_fdiv_r_2exp(rem.v, scaled.v, 64 * (w - 1));

        std::string out(count + 1, '#');
        char *end = widefp::wrl_hex2dec(a.data(), w, out.data(), count);
        ASSERT_EQ(end, out.data() + count);
        EXPECT_EQ(out[count], '#') << "wrote past count";
        ASSERT_EQ(out.substr(0, count), exact_digits(q.v, count)) << "w=" << w << " count=" << count;
        // the array keeps the exact remainder of the expansion
        to_z(mod.v, a.data() + 1, w - 1);
        EXPECT_EQ(mpz_cmp(mod.v, rem.v), 0) << "w=" << w << " count=" << count;
    }
}

TEST(Hex2Dec, EndsInZerosAfterTheArraysPrecision) {
    // A fraction of one word has at most 64 decimal digits; then only zeros.
    Words a = {7, 0xffffffffffffffffULL};
    std::string out(100, '#');
    widefp::wrl_hex2dec(a.data(), 2, out.data(), 100);
    EXPECT_EQ(out.substr(0, 4), "9999");
    EXPECT_EQ(out.substr(64), std::string(36, '0'));
    EXPECT_NE(out[63], '0');
}

// ---- scientific notation --------------------------------------------------------

TEST(Scientific, Examples) {
    EXPECT_EQ(sci(control(3, 4), digits_of("1.23456", 3), 5), "1.2346e+5");
    EXPECT_EQ(sci(control(3, 4), digits_of("9.99996", 3), 0), "1.0000e+1");
    EXPECT_EQ(sci(control(3, 4, kTrim), digits_of("2.5", 3), -3), "2.5e-3");
    EXPECT_EQ(sci(control(3, 0), digits_of("9.7", 3), 3), "1e+4");
    EXPECT_EQ(sci(control(3, 0), digits_of("3.2", 3), -12), "3e-12");
    EXPECT_EQ(sci(control(3, 4, kUpper), digits_of("1.5", 3), 0), "1.5000E+0");
    EXPECT_EQ(sci(control(3, 4, kTrim), digits_of("9.99996", 3), 0), "1e+1");
    EXPECT_EQ(sci(control(2, 0), digits_of("2.5", 2), 0), "3e+0");
    EXPECT_EQ(sci(control(2, 2, kNeg), digits_of("0", 2), 0), "-0.00e+0");
    EXPECT_EQ(sci(control(3, 3), digits_of("1.2345", 3), -1), "1.235e-1");  // 5 followed by zeros
    EXPECT_EQ(sci(control(3, 3), digits_of("1.2344999", 3), 0), "1.234e+0");
    EXPECT_EQ(sci(control(3, 2), digits_of("3.999", 3), 0), "4.00e+0");  // carry stops at the lead
    EXPECT_EQ(sci(control(3, 5, kTrim), digits_of("1.000004", 3), 7), "1e+7");
    EXPECT_EQ(sci(control(3, 5, kTrim), digits_of("1.2030004", 3), 7), "1.203e+7");
}

TEST(Scientific, ExponentExtremes) {
    EXPECT_EQ(sci(control(3, 1), digits_of("1.2", 3), INT64_MIN), "1.2e-9223372036854775808");
    EXPECT_EQ(sci(control(3, 1), digits_of("1.2", 3), INT64_MAX), "1.2e+9223372036854775807");
    // a carry past the largest exponent is written, not wrapped
    EXPECT_EQ(sci(control(3, 1), digits_of("9.96", 3), INT64_MAX), "1.0e+9223372036854775808");
}

TEST(Scientific, RandomArraysAgainstModel) {
    th::Rng rng(21);
    for (int iter = 0; iter < 3000; ++iter) {
        const size_t w = 2 + rng.below(8);
        Words a(w);
        rng.fill(a.data() + 1, w - 1);
        a[0] = rng.below(10);
        if (iter % 4 == 0) {  // long runs of nines: carries through the whole text
            std::string s = std::to_string(rng.below(10)) + ".";
            size_t nines = rng.below(40);
            s += std::string(nines, '9') + std::to_string(rng.below(10)) + std::to_string(rng.below(10));
            a = digits_of(s, w);
        }
        const uint64_t d = rng.below(iter % 10 == 0 ? 300 : 45);
        uint64_t flags = (rng.coin() ? kUpper : 0) | (rng.coin() ? kTrim : 0) | (rng.coin() ? kNeg : 0);
        const int64_t e = static_cast<int64_t>(rng.below(2000001)) - 1000000;
        const uint64_t ctl = control(w, d, flags);
        ASSERT_EQ(sci(ctl, a, e), model_sci(ctl, a, e)) << th::hex(a) << " d=" << d << " e=" << e;
    }
}

// ---- fixed notation ----------------------------------------------------------------

TEST(Fixed, Examples) {
    EXPECT_EQ(fix(control(3, 2), digits_of("1.23456", 3), 2), "123.46");
    EXPECT_EQ(fix(control(3, 2), digits_of("7", 3), -3), "0.01");
    EXPECT_EQ(fix(control(3, 2), digits_of("4.9", 3), -3), "0.00");
    EXPECT_EQ(fix(control(3, 2), digits_of("9.9996", 3), 1), "100.00");
    EXPECT_EQ(fix(control(3, 2, kTrim), digits_of("1.5", 3), 0), "1.5");
    EXPECT_EQ(fix(control(3, 2, kTrim), digits_of("1", 3), 0), "1");
    EXPECT_EQ(fix(control(3, 2, kNeg), Words(3, 0), 0), "-0.00");
    EXPECT_EQ(fix(control(3, 3), digits_of("5", 3), -4), "0.001");
    EXPECT_EQ(fix(control(3, 3), digits_of("4", 3), -4), "0.000");
    EXPECT_EQ(fix(control(3, 0), digits_of("6", 3), -1), "1");
    EXPECT_EQ(fix(control(3, 0), digits_of("3", 3), -1), "0");
    EXPECT_EQ(fix(control(3, 1), digits_of("9.9999", 3), 2), "1000.0");
    EXPECT_EQ(fix(control(3, 2), digits_of("9.96", 3), -2), "0.10");
    EXPECT_EQ(fix(control(2, 0), digits_of("2.5", 2), 0), "3");
    EXPECT_EQ(fix(control(3, 0), digits_of("1.23456", 3), 3), "1235");
    EXPECT_EQ(fix(control(3, 3), digits_of("9.9996", 3), -1), "1.000");  // carry to E = 0
}

TEST(Fixed, CaseABelowTheLastPlace) {
    // The digit array is not read beyond word 0.
    Words a = {9, 0xdeadbeef, 0x12345678};
    EXPECT_EQ(fix(control(3, 2), a, -3), "0.01");
    EXPECT_EQ(fix(control(3, 2), a, -4), "0.00");
    EXPECT_EQ(fix(control(3, 2, kNeg), a, -40), "-0.00");
    EXPECT_EQ(fix(control(3, 2, kTrim), a, -40), "0");
    EXPECT_EQ(fix(control(3, 0, kTrim), a, -40), "0");  // trimming never removes integer digits
    EXPECT_EQ(fix(control(3, 0, kNeg | kTrim), a, INT64_MIN), "-0");
    EXPECT_EQ(fix(control(3, 0, kTrim), a, -1), "1");
}

TEST(Fixed, TrimKeepsIntegerZeros) {
    EXPECT_EQ(fix(control(3, 0, kTrim), digits_of("1", 3), 2), "100");
    EXPECT_EQ(fix(control(3, 3, kTrim), digits_of("1", 3), 2), "100");
    EXPECT_EQ(fix(control(3, 3, kTrim), digits_of("1.0203", 3), 2), "102.03");
}

TEST(Fixed, RandomArraysAgainstModel) {
    th::Rng rng(31);
    for (int iter = 0; iter < 3000; ++iter) {
        const size_t w = 2 + rng.below(8);
        Words a(w);
        rng.fill(a.data() + 1, w - 1);
        a[0] = rng.below(10);
        if (iter % 4 == 0) {
            std::string s = std::to_string(rng.below(10)) + ".";
            s += std::string(rng.below(40), '9') + std::to_string(rng.below(10)) + std::to_string(rng.below(10));
            a = digits_of(s, w);
        }
        const uint64_t d = rng.below(iter % 10 == 0 ? 200 : 30);
        const uint64_t flags = (rng.coin() ? kTrim : 0) | (rng.coin() ? kNeg : 0);
        const int64_t e = static_cast<int64_t>(rng.below(100)) - 60;
        const uint64_t ctl = control(w, d, flags);
        ASSERT_EQ(fix(ctl, a, e), model_fix(ctl, a, e)) << th::hex(a) << " d=" << d << " e=" << e;
    }
}

TEST(Formatters, LongestTexts) {
    // The largest texts the plug-ins' 65,536-byte buffer admits in each notation.
    Words a = digits_of("9.99", 3);
    std::string s = sci(control(3, 65510, kNeg), a, INT64_MIN);
    EXPECT_EQ(s.size(), 3u + 65510 + 2 + 19);
    a = digits_of("9.99", 3);
    s = fix(control(3, 65532, kNeg), a, -65540);
    EXPECT_EQ(s.size() + 1, 65536u);
    // 9.999... with more nines than digits written: the carry adds an integer digit
    a.assign(3500, ~uint64_t{0});
    a[0] = 9;
    s = fix(control(3500, 100, kNeg), a, 65431);
    EXPECT_EQ(s.size() + 1, 65536u);
    EXPECT_EQ(s.substr(0, 3), "-10");
    EXPECT_EQ(s.substr(s.size() - 3), "000");
}

// The bounded formatters: the same text as the plain ones within the size
// those report, nothing beyond `size`, and the digit array left as it was.
TEST(Formatters, BoundedAndSized) {
    th::Rng rng(77);
    for (int k = 0; k < 300; ++k) {
        const uint64_t w = 2 + rng.below(6), d = rng.below(k < 250 ? 60 : 3000);
        Words a(w);
        rng.fill(a.data(), w);
        a[0] = rng.below(10);
        const Words orig = a;
        const int64_t e = static_cast<int64_t>(rng.below(200)) - 100;
        const uint64_t ctl = control(w, d, rng.coin() ? kTrim : 0);
        for (bool fixed : {false, true}) {
            const uint64_t bound = fixed ? widefp_fixed_format_size(ctl, e) : widefp_scientific_format_size(ctl, e);
            std::vector<char> plain(bound + 16, 'z'), out(bound, 'z');
            Words consumed = a;
            (fixed ? widefp_fixed_format : widefp_scientific_format)(ctl, consumed.data(), e, plain.data());
            for (size_t i = bound; i < plain.size(); ++i) ASSERT_EQ(plain[i], 'z') << "wrote past the size";
            auto bounded = fixed ? widefp_fixed_format_n : widefp_scientific_format_n;
            const uint64_t need = bounded(ctl, a.data(), e, out.data(), bound);
            ASSERT_EQ(std::string(out.data()), std::string(plain.data()));
            ASSERT_EQ(need, std::strlen(plain.data()) + 1);
            std::fill(out.begin(), out.end(), 'z');
            ASSERT_EQ(bounded(ctl, a.data(), e, out.data(), need - 1), need);
            ASSERT_EQ(out[0], '\0');
            ASSERT_EQ(out[need - 1], 'z');
            ASSERT_EQ(a, orig);
        }
    }
    Words bad = {10, 0};
    char out[8] = "x";
    EXPECT_EQ(widefp_scientific_format_n(control(2, 1), bad.data(), 0, out, sizeof out), 0u);
    EXPECT_EQ(widefp_fixed_format_n(control(1, 1), bad.data(), 0, out, sizeof out), 0u);
}

TEST(Formatters, PluginLimits) {
    using wr::format_problem;
    EXPECT_EQ(format_problem(false, control(3, 65510), 3, 9, INT64_MIN), nullptr);
    EXPECT_NE(format_problem(false, control(3, 65511), 3, 9, 0), nullptr);
    EXPECT_NE(format_problem(false, control(4, 1), 3, 1, 0), nullptr);   // w beyond the array
    EXPECT_NE(format_problem(false, control(1, 1), 3, 1, 0), nullptr);   // w below 2
    EXPECT_NE(format_problem(true, control(3, 1), 3, 10, 0), nullptr);   // not a digit
    EXPECT_EQ(format_problem(true, control(3, 65532), 3, 9, -70000), nullptr);
    EXPECT_NE(format_problem(true, control(3, 65533), 3, 9, -70000), nullptr);
    EXPECT_EQ(format_problem(true, control(3, 100), 3, 9, 65431), nullptr);
    EXPECT_NE(format_problem(true, control(3, 100), 3, 9, 65432), nullptr);
    EXPECT_NE(format_problem(true, control(3, 0), 3, 9, INT64_MAX), nullptr);
}

// ---- widefp_convert_pow ------------------------------------------------------------

Words convert(const Words &x, uint64_t p, int64_t *e) {
    Words d(p + 2, 0);
    widefp_convert_pow(x.data(), e, d.data(), p);
    return d;
}

TEST(ConvertPow, Edges) {
    for (uint64_t p : {1, 2, 7}) {
        int64_t e = 99;
        Words d = convert(th::from_double(1.0, p), p, &e);
        EXPECT_EQ(e, 0);
        EXPECT_EQ(d[0], 1u);
        for (uint64_t i = 1; i < p + 2; ++i) EXPECT_EQ(d[i], 0u);

        d = convert(th::from_double(2.0, p), p, &e);
        EXPECT_EQ(e, 0);
        EXPECT_TRUE(d[0] == 2 || (d[0] == 1 && d[1] == ~uint64_t{0}));

        Words half = convert(th::from_double(0.5, p), p, &e);
        EXPECT_EQ(e, -1);
        EXPECT_TRUE(half[0] == 5 || (half[0] == 4 && half[1] == ~uint64_t{0}));
        int64_t e2 = 0;
        EXPECT_EQ(convert(th::from_double(-0.5, p), p, &e2), half);
        EXPECT_EQ(e2, -1);

        d = convert(th::from_double(12.0, p), p, &e);
        EXPECT_EQ(e, 1);
        EXPECT_EQ(d[0], 1u);
        EXPECT_EQ(d[1] >> 56, 0x33u);  // 0.2 = 0x3333...
    }
}

// Relative error of digits * 10^E against |x|, in units of 2^-64(p+1).  The
// ratio digits * 10^E / |x| = (digits / m) * exp(E ln 10 - B ln 2), m the
// mantissa of x, keeps every intermediate in range whatever the exponent.
double relative_error(const Words &x, const Words &d, int64_t e, uint64_t p) {
    const mpfr_prec_t prec = static_cast<mpfr_prec_t>(64 * (p + 4) + 128);
    th::Mp m(prec, true), ratio(prec, true), t(prec, true), s(prec, true);
    Words mant = x;
    mant[0] = th::kBias;  // the mantissa in [1, 2)
    th::to_mpfr(m, mant.data(), p);
    Z n;
    to_z(n.v, d.data(), p + 2);
    mpfr_set_z_2exp(ratio, n.v, -static_cast<long>(64 * (p + 1)), MPFR_RNDN);  // exact
    mpfr_div(ratio, ratio, m, MPFR_RNDN);
    mpfr_log_ui(t, 10, MPFR_RNDN);
    mpfr_mul_si(t, t, e, MPFR_RNDN);
    mpfr_const_log2(s, MPFR_RNDN);
    mpfr_mul_si(s, s, th::unbiased(x.data()), MPFR_RNDN);
    mpfr_sub(t, t, s, MPFR_RNDN);
    mpfr_exp(t, t, MPFR_RNDN);
    mpfr_mul(ratio, ratio, t, MPFR_RNDN);
    mpfr_sub_ui(ratio, ratio, 1, MPFR_RNDN);
    mpfr_abs(ratio, ratio, MPFR_RNDN);
    mpfr_mul_2si(ratio, ratio, static_cast<long>(64 * (p + 1)), MPFR_RNDN);
    return mpfr_get_d(ratio, MPFR_RNDN);
}

// Terms of the series e^y for y < ln 10 until they fall below a quarter unit.
double series_terms(uint64_t p) {
    const double ln10 = std::log(10.0);
    double log2_term = 0;  // log2 of ln10^k / k!
    int k = 0;
    while (log2_term > -64.0 * static_cast<double>(p + 1) - 2) {
        ++k;
        log2_term += std::log2(ln10 / k);
    }
    return k + 2;
}

// Error bound in units u = 2^-64(p+1) of the digit array:
//  - log10(2) truncated to the working length, times |B|, moves frac by
//    |B|+1 units; y = frac*ln(10) carries ln(10)*(|B|+1) units plus the
//    table's unit and the product's rounding (1.5);
//  - each series term adds a product and a division rounding (one unit),
//    and earlier errors shrink by y/k, so the sum is off by at most 2K units;
//  - the final product and the division by 10 add at most 1.5 units.
double error_bound(int64_t b, uint64_t p) {
    const double ab = std::fabs(static_cast<double>(b));
    return std::log(10.0) * (ab + 1) + 1.5 + 2 * series_terms(p) + 1.5;
}

TEST(ConvertPow, RelativeErrorAgainstMpfr) {
    th::Rng rng(41);
    struct Run {
        uint64_t p;
        int cases;
    };
    const Run runs[] = {{1, 300}, {2, 300}, {3, 200}, {5, 100}, {8, 60},  {17, 40},
                        {54, 20}, {100, 6}, {255, 3}, {719, 1}, {720, 1}, {1022, 1}};
    double worst_small = 0, worst_unit = 0, worst_ratio = 0;
    for (const Run &run : runs) {
        const uint64_t p = run.p;
        for (int c = 0; c < run.cases; ++c) {
            int64_t emin = -70, emax = 70;
            switch (c % 4) {
                case 1: emin = -5000; emax = 5000; break;
                case 2: emin = -4000000; emax = 4000000; break;
                case 3: emin = emax = (c % 8 == 3) ? 0 : -1; break;
            }
            Words x = th::random_wr(rng, p, emin, emax);
            const int64_t b = th::unbiased(x.data());
            int64_t e = 0;
            Words d = convert(x, p, &e);
            ASSERT_GE(d[0], 1u);
            ASSERT_LE(d[0], 9u);
            const double err = relative_error(x, d, e, p);
            const double bound = error_bound(b, p);
            ASSERT_LE(err, bound) << "p=" << p << " B=" << b << " x=" << th::hex(x);
            worst_ratio = std::max(worst_ratio, err / bound);
            if (std::llabs(b) <= 70) worst_small = std::max(worst_small, err);
            if (std::llabs(b) <= 1) worst_unit = std::max(worst_unit, err);
        }
    }
    std::printf("convert_pow: largest relative error in units of 2^-64(p+1): %.2f for |B| <= 1, "
                "%.2f for |B| <= 70; largest error / bound: %.3f\n",
                worst_unit, worst_small, worst_ratio);
}

// |x| / 10^e rounded up to the last unit of a (p+2)-word digit array.
Words exact_ceiling(const Words &x, uint64_t p, int64_t e) {
    Z m, t;
    Words mi(x.begin(), x.end());
    mi[0] = 1;
    to_z(m.v, mi.data(), p + 1);  // |x| = m * 2^(B - 64p)
    const int64_t sh = th::unbiased(x.data()) + 64;  // digits = m * 2^sh / 10^e
    mpz_ui_pow_ui(t.v, 10, static_cast<unsigned long>(e < 0 ? -e : e));
    if (e < 0) mpz_mul(m.v, m.v, t.v);
    Z num, den;
    mpz_set(num.v, m.v);
    mpz_set_ui(den.v, 1);
    if (sh >= 0) mpz_mul_2exp(num.v, num.v, static_cast<mp_bitcnt_t>(sh));
    else mpz_mul_2exp(den.v, den.v, static_cast<mp_bitcnt_t>(-sh));
    if (e > 0) mpz_mul(den.v, den.v, t.v);
    mpz_cdiv_q(num.v, num.v, den.v);
    return from_z(num.v, p + 2);
}

// Values that are exactly decimal ties print as the notations say (a
// rounding digit of 5 rounds up), and every value rounds to the exact
// nearest of its d-digit neighbours, ties up: short binary fractions (2.5,
// 6.5, 2.125, ...), integers ending in 5 and zeros, their tiny and huge
// relatives, at every digit count within the array's precision.
TEST(ConvertPow, DecimalTiesRoundUp) {
    th::Rng rng(2025);
    int ties = 0, checked = 0;
    auto check = [&](const Words &x, uint64_t p, uint64_t max_d) {
        int64_t e = 0;
        Words d = convert(x, p, &e);
        // The exact decimal expansion of |x| = m * 2^s: m * 2^s, or m * 5^-s
        // digits with the point moved -s places.
        Z n, t;
        Words mi(x.begin(), x.end());
        mi[0] = 1;
        to_z(n.v, mi.data(), p + 1);
        const int64_t s = th::unbiased(x.data()) - 64 * static_cast<int64_t>(p);
        if (s >= 0) {
            mpz_mul_2exp(n.v, n.v, static_cast<mp_bitcnt_t>(s));
        } else {
            mpz_ui_pow_ui(t.v, 5, static_cast<unsigned long>(-s));
            mpz_mul(n.v, n.v, t.v);
        }
        std::string all = exact_digits(n.v, 1);
        const int64_t e10 = static_cast<int64_t>(all.size()) + (s < 0 ? s : 0);  // point after e10 digits
        all.erase(all.find_last_not_of('0') + 1);
        for (uint64_t nd = 0; nd <= max_d; ++nd) {
            Z r;
            std::string head = all.substr(0, std::min<size_t>(all.size(), nd + 1));
            head.append(nd + 1 - head.size(), '0');
            mpz_set_str(r.v, head.c_str(), 10);
            int64_t ee = e10 - 1;
            if (all.size() > nd + 1 && all[nd + 1] >= '5') {
                mpz_add_ui(r.v, r.v, 1);
                ties += all.size() == nd + 2 && all[nd + 1] == '5';
            }
            std::string digits = exact_digits(r.v, nd + 1);
            if (digits.size() > nd + 1) {
                digits.pop_back();
                ++ee;
            }
            std::string want = digits.substr(0, 1) + (nd ? "." + digits.substr(1) : "") + "e" +
                               (ee >= 0 ? "+" : "-") + std::to_string(ee >= 0 ? ee : -ee);
            ASSERT_EQ(sci(control(p + 2, nd), d, e), want) << "p=" << p << " x=" << th::hex(x);
            ++checked;
        }
    };
    for (double v : {2.5, 1.5, 6.5, 2.125, 0.5, 12345.0, 125e3, 0.375, 1e22}) {
        for (uint64_t p : {1, 2, 5}) check(th::from_double(v, p), p, 20);
    }
    for (int k = 0; k < 400; ++k) {
        const uint64_t p = 1 + rng.below(k < 300 ? 4 : 40);
        Words x(p + 1, 0);
        x[1] = rng.word() << rng.range(8, 63);  // a short binary fraction
        if (k % 3 == 0) x[1 + rng.below(p)] = rng.word() << 40;
        const int64_t b = k % 4 == 0 ? static_cast<int64_t>(rng.below(200)) - 100 : static_cast<int64_t>(rng.below(70)) - 20;
        x[0] = static_cast<uint64_t>(static_cast<int64_t>(th::kBias) + b) | (rng.coin() ? th::kSign : 0);
        check(x, p, std::min<uint64_t>(19 * p, 60));
    }
    std::printf("decimal ties: %d exact ties among %d roundings, all as the notation says\n", ties, checked);
    EXPECT_GT(ties, 150);
}

// The series with the zero words of its term skipped gives every digit word
// and the exponent as before, on both sides of the product thresholds
// (array lengths 119/120 and 719/720) and at the longest arrays.
TEST(ConvertPow, SameWordsAsThePlainSeries) {
    th::Rng rng(97);
    std::vector<uint64_t> ps;
    for (uint64_t p = 1; p <= 58; ++p) ps.push_back(p);
    for (uint64_t p = 113; p <= 133; ++p) ps.push_back(p);
    for (uint64_t p : {717, 718, 1022}) ps.push_back(p);
    size_t cases = 0;
    for (uint64_t p : ps) {
        const int count = p <= 58 ? 8 : p <= 133 ? 2 : 1;
        for (int c = 0; c < count; ++c) {
            int64_t emin = -70, emax = 70;
            switch (c % 4) {
                case 1: emin = -5000; emax = 5000; break;
                case 2: emin = -4000000000000000000; emax = 4000000000000000000; break;
                case 3: emin = emax = (c % 8 == 3) ? 0 : -1; break;
            }
            Words x = th::random_wr(rng, p, emin, emax);
            int64_t e = 0, e_ref = 0;
            Words d = convert(x, p, &e);
            Words want(p + 2, 0);
            ref::ref_convert_pow(x.data(), &e_ref, want.data(), p);
            ASSERT_EQ(e, e_ref) << "p=" << p << " x=" << th::hex(x);
            // Where the power is small enough, the series' words give way to
            // |x| / 10^E rounded up exactly.
            if (d != want) {
                ASSERT_EQ(d, exact_ceiling(x, p, e)) << "p=" << p << " x=" << th::hex(x);
            }
            ++cases;
        }
    }
    std::printf("convert_pow: %zu conversions identical to the plain series\n", cases);
}

TEST(ConvertPow, HugeExponents) {
    th::Rng rng(43);
    for (uint64_t p : {1, 3, 20}) {
        for (int64_t b : {INT64_C(0x3fffffffffffffff), -INT64_C(0x3ffffffffffffffe), INT64_C(1) << 40,
                          -(INT64_C(1) << 50)}) {
            Words x = th::random_wr(rng, p, 0, 0);
            x[0] = static_cast<uint64_t>(static_cast<int64_t>(th::kBias) + b);
            int64_t e = 0;
            Words d = convert(x, p, &e);
            ASSERT_GE(d[0], 1u);
            ASSERT_LE(d[0], 9u);
            const double err = relative_error(x, d, e, p);
            EXPECT_LE(err, error_bound(b, p)) << "p=" << p << " B=" << b;
        }
    }
}

TEST(ConvertPow, XMaySharePlaceWithTheResults) {
    const uint64_t p = 4;
    Words x = th::from_double(-123.456, p);
    Words d(p + 2, 0);
    int64_t e = 0;
    widefp_convert_pow(x.data(), &e, d.data(), p);
    EXPECT_EQ(e, 2);
    EXPECT_EQ(sci(control(p + 2, 5), d, e), "1.23456e+2");
    // x in the digit array's place, then in the exponent's
    Words both(p + 2, 0);
    std::copy(x.begin(), x.end(), both.begin());
    int64_t e2 = 0;
    widefp_convert_pow(both.data(), &e2, both.data(), p);
    EXPECT_EQ(e2, e);
    EXPECT_EQ(both, d);
    std::copy(x.begin(), x.end(), both.begin());
    widefp_convert_pow(both.data(), reinterpret_cast<int64_t *>(both.data()), d.data(), p);
    EXPECT_EQ(static_cast<int64_t>(both[0]), e);
}

TEST(ConvertPow, DigitsOfPiThroughBothSteps) {
    const uint64_t p = 54;
    Words x(p + 1);
    widefp_float_ctowr("pi", x.data(), p);
    Words d(p + 2);
    int64_t e = 0;
    widefp_convert_pow(x.data(), &e, d.data(), p);
    std::string s = sci(control(p + 2, 60), d, e);
    EXPECT_EQ(s, "3.141592653589793238462643383279502884197169399375105820974945e+0");
}

}  // namespace
