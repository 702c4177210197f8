// Named constants and every generated table: stated words, names, copying,
// values against MPFR (computed by other routes than the generator's), and
// the fatal route for unknown names.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "elementary/constants_table.h"
#include "harness.h"

namespace {

using th::Words;
namespace tb = widefp::constants;

Words ctowr(const char *name, uint64_t p) {
    Words r(p + 1, 0);
    widefp_float_ctowr(name, r.data(), p);
    return r;
}

TEST(Constants, StatedFirstWords) {
    struct Case {
        const char *name;
        uint64_t w0, w1;
    };
    const Case cases[] = {
        {"pi", 0x4000000000000000ULL, 0x921fb54442d18469ULL},
        {"e", 0x4000000000000000ULL, 0x5bf0a8b145769535ULL},
        {"ln10", 0x4000000000000000ULL, 0x26bb1bbb5551582dULL},
        {"ln2", 0x3ffffffffffffffeULL, 0x62e42fefa39ef357ULL},
        {"atan_h", 0x3ffffffffffffffdULL, 0xdac670561bb4f68aULL},
        {"atan_q", 0x3ffffffffffffffcULL, 0xf5b75f92c80dd62aULL},
        {"g", 0x3ffffffffffffffeULL, 0x2788cfc6fb618f49ULL},
    };
    for (const Case &c : cases) {
        Words r = ctowr(c.name, 1);
        EXPECT_EQ(r[0], c.w0) << c.name;
        EXPECT_EQ(r[1], c.w1) << c.name;
    }
}

TEST(Constants, CopiesExactlyPPlusOneWords) {
    Words r = ctowr("pi", 1023);
    EXPECT_EQ(r[1023], 0xce7379b19172f874ULL);
    for (uint64_t p : {1, 5, 100}) {
        Words buf(p + 3, 0x5a5a5a5a5a5a5a5aULL);
        widefp_float_ctowr("e", buf.data(), p);
        EXPECT_EQ(buf[p], tb::e[p]);
        EXPECT_EQ(buf[p + 1], 0x5a5a5a5a5a5a5a5aULL) << "wrote past word p";
    }
    // p negative as a signed count: nothing is written
    Words buf(2, 7);
    widefp_float_ctowr("pi", buf.data(), ~uint64_t{0});
    EXPECT_EQ(buf, Words(2, 7));
}

// ---- the tables against MPFR ----------------------------------------------------

// An MPFR value of the constant, by a route other than the generator's, with
// precision well past the tables' last word.
constexpr mpfr_prec_t kCheckPrec = 64 * 3139 + 128;  // beyond the longest table
using Route = std::function<void(mpfr_ptr)>;

void pi_by_atan(mpfr_ptr v) {  // 16 atan(1/5) - 4 atan(1/239)
    th::Mp t(kCheckPrec, true);
    mpfr_set_ui(v, 1, MPFR_RNDN);
    mpfr_div_ui(v, v, 5, MPFR_RNDN);
    mpfr_atan(v, v, MPFR_RNDN);
    mpfr_mul_ui(v, v, 16, MPFR_RNDN);
    mpfr_set_ui(t, 1, MPFR_RNDN);
    mpfr_div_ui(t, t, 239, MPFR_RNDN);
    mpfr_atan(t, t, MPFR_RNDN);
    mpfr_mul_ui(t, t, 4, MPFR_RNDN);
    mpfr_sub(v, v, t, MPFR_RNDN);
}
void e_by_sinh_cosh(mpfr_ptr v) {
    th::Mp one(kCheckPrec, true), c(kCheckPrec, true);
    mpfr_set_ui(one, 1, MPFR_RNDN);
    mpfr_sinh_cosh(v, c, one, MPFR_RNDN);
    mpfr_add(v, v, c, MPFR_RNDN);
}
void log_of(mpfr_ptr v, unsigned long k) {
    mpfr_set_ui(v, k, MPFR_RNDN);
    mpfr_log(v, v, MPFR_RNDN);
}
void atan2_of(mpfr_ptr v, unsigned long den) {
    th::Mp y(kCheckPrec, true), x(kCheckPrec, true);
    mpfr_set_ui(y, 1, MPFR_RNDN);
    mpfr_set_ui(x, den, MPFR_RNDN);
    mpfr_atan2(v, y, x, MPFR_RNDN);
}
// Euler's constant has no cheap second route at this precision (the
// digamma function takes minutes); MPFR's constant at another precision and
// rounding than the generator's is the reference.
void gamma_ref(mpfr_ptr v) { mpfr_const_euler(v, MPFR_RNDN); }
void ratio_of_logs(mpfr_ptr v, unsigned long a, unsigned long b) {  // ln a / ln b
    th::Mp t(kCheckPrec, true);
    log_of(v, a);
    log_of(t, b);
    mpfr_div(v, v, t, MPFR_RNDN);
}

// The table value t (exact) must be the constant c truncated at `ulp`:
// 0 <= c - t < ulp, with room for the reference's own error (far below).
void expect_truncation(mpfr_srcptr t, mpfr_srcptr c, long ulp_exp, const char *what) {
    th::Mp diff(kCheckPrec, true), lim(kCheckPrec, true);
    mpfr_sub(diff, c, t, MPFR_RNDN);
    mpfr_mul_2si(diff, diff, -ulp_exp, MPFR_RNDN);  // in units of the last word
    const double units = mpfr_get_d(diff, MPFR_RNDN);
    EXPECT_GT(units, -1e-9) << what << ": above the constant (rounded up?)";
    EXPECT_LT(units, 1.0 - 1e-9) << what << ": more than one unit below the constant";
}

void check_widereal(const uint64_t *table, size_t total, const Route &route, const char *what, long frac = 1023) {
    th::Mp c(kCheckPrec, true), t(kCheckPrec, true);
    route(c);
    th::to_mpfr(t, table, frac);
    const long e = static_cast<long>(th::unbiased(table));
    expect_truncation(t, c, e - 64 * frac, what);
    for (size_t i = frac + 1; i < total; ++i) EXPECT_EQ(table[i], 0u) << what << " word " << i;
}

void check_fixed(const uint64_t *table, const Route &route, const char *what) {
    th::Mp c(kCheckPrec, true), t(kCheckPrec, true);
    route(c);
    mpz_t z;
    mpz_init(z);
    mpz_import(z, 1024, 1, sizeof(uint64_t), 0, 0, table);
    mpfr_set_z_2exp(t, z, -64 * 1023, MPFR_RNDN);
    mpz_clear(z);
    expect_truncation(t, c, -64 * 1023, what);
}

// Every name, read at 1,024 fraction words (the arcsine's precision),
// against MPFR; the names of one constant give the same words.
TEST(Constants, EveryNameAgainstMpfr) {
    struct Case {
        const char *names[4];
        Route route;
    };
    const Case cases[] = {
        {{"pi", "PI"}, pi_by_atan},
        {{"e", "E", "napier", "NAPIER"}, e_by_sinh_cosh},
        {{"ln10", "LN10"}, [](mpfr_ptr v) { log_of(v, 10); }},
        {{"ln2", "LN2"}, [](mpfr_ptr v) { log_of(v, 2); }},
        {{"atan_h"}, [](mpfr_ptr v) { atan2_of(v, 2); }},
        {{"atan_q"}, [](mpfr_ptr v) { atan2_of(v, 4); }},
        {{"g", "G"}, gamma_ref},
    };
    for (const Case &c : cases) {
        const Words r = ctowr(c.names[0], 1024);
        check_widereal(r.data(), 1025, c.route, c.names[0], 1024);
        for (const char *alias : c.names)
            if (alias) {
                EXPECT_EQ(ctowr(alias, 1024), r) << alias;
            }
    }
}

// The stored tables at their full lengths, and the forms derived from them:
// pi and pi/2 from pi/4, ln 2 and ln 10 in fixed point.
TEST(Tables, StoredAndDerivedAgainstMpfr) {
    const long lf = tb::kReductionFracWords, qf = tb::kPiQuarterFracWords;
    auto pi_over = [](unsigned k) { return [k](mpfr_ptr v) { pi_by_atan(v); mpfr_div_2ui(v, v, k, MPFR_RNDN); }; };
    check_widereal(tb::ln2, lf + 3, [](mpfr_ptr v) { log_of(v, 2); }, "ln2", lf);
    check_widereal(tb::pi_quarter, qf + 3, pi_over(2), "pi/4", qf);
    Words w(qf + 1);
    tb::copy_pi(w.data(), tb::kPiHalfWord0, qf);
    check_widereal(w.data(), qf + 1, pi_over(1), "pi/2", qf);
    tb::copy_pi(w.data(), tb::kPiWord0, qf);
    check_widereal(w.data(), qf + 1, pi_over(0), "pi", qf);
    check_widereal(tb::atan_half, 1026, [](mpfr_ptr v) { atan2_of(v, 2); }, "atan_half", 1025);
    check_widereal(tb::atan_quarter, 1026, [](mpfr_ptr v) { atan2_of(v, 4); }, "atan_quarter", 1025);
    EXPECT_EQ(tb::ln2[2], 0x93c7673007e5ed5eULL);
    EXPECT_EQ(tb::pi_quarter[0], 0x3ffffffffffffffeULL);
    EXPECT_EQ(tb::pi_quarter[2], 0x898cc51701b839a2ULL);
    EXPECT_EQ(tb::atan_half[0], 0x3ffffffffffffffdULL);
    EXPECT_EQ(tb::atan_quarter[0], 0x3ffffffffffffffcULL);

    check_fixed(tb::log2_10_fixed, [](mpfr_ptr v) { ratio_of_logs(v, 10, 2); }, "log2_10");
    check_fixed(tb::log10_2_fixed, [](mpfr_ptr v) { ratio_of_logs(v, 2, 10); }, "log10_2");
    EXPECT_EQ(tb::log2_10_fixed[1024], 0u);
    EXPECT_EQ(tb::log10_2_fixed[1024], 0u);
    Words f(1024);
    tb::ln2_fixed(f.data(), 1024);
    check_fixed(f.data(), [](mpfr_ptr v) { log_of(v, 2); }, "ln2 fixed");
    EXPECT_EQ(f[1], 0xb17217f7d1cf79abULL);
    EXPECT_EQ(f[2], 0xc9e3b39803f2f6afULL);
    tb::ln10_fixed(f.data(), 1024);
    check_fixed(f.data(), [](mpfr_ptr v) { log_of(v, 10); }, "ln10 fixed");
    EXPECT_EQ(f[0], 2u);
    EXPECT_EQ(f[1], 0x4d763776aaa2b05bULL);
    Words g(3);  // a short read is the long one's beginning
    tb::ln10_fixed(g.data(), 3);
    EXPECT_EQ(g, Words(f.begin(), f.begin() + 3));
    EXPECT_EQ(tb::log2_10_fixed[1], 0x5269e12f346e2bf9ULL);
    EXPECT_EQ(tb::log10_2_fixed[1], 0x4d104d427de7fbccULL);
}

// ---- unknown names: the fatal route ---------------------------------------------

TEST(ConstantsDeathTest, UnknownNameExitsWithStatusOneAndTheText) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    uint64_t buf[3] = {0, 0, 0};
    EXPECT_EXIT(widefp_float_ctowr("foo", buf, 2), testing::ExitedWithCode(1), "^Unkown constant: #foo\n$");
    EXPECT_EXIT(widefp_float_ctowr("Pi", buf, 2), testing::ExitedWithCode(1), "^Unkown constant: #Pi\n$");
    EXPECT_EXIT(widefp_float_ctowr("gamma", buf, 2), testing::ExitedWithCode(1), "^Unkown constant: #gamma\n$");
    EXPECT_EXIT(widefp_float_ctowr("", buf, 2), testing::ExitedWithCode(1), "^Unkown constant: #\n$");
}

struct FatalError : std::runtime_error {
    std::string id;
    FatalError(const char *i, const char *t) : std::runtime_error(t), id(i) {}
};
[[noreturn]] void throwing_handler(const char *id, const char *text) { throw FatalError(id, text); }

class ThrowingHandler : public testing::Test {
protected:
    void SetUp() override { previous_ = widefp_set_fatal_handler(&throwing_handler); }
    void TearDown() override { widefp_set_fatal_handler(previous_); }
    widefp_fatal_handler previous_ = nullptr;
};

TEST_F(ThrowingHandler, ExceptionCarriesTheTextAndResultIsUntouched) {
    const char *names[] = {"foo", "Pi", "pI", "gamma", "", "pi ", "#pi", "PI\n"};
    for (const char *name : names) {
        Words r(4, 0x1234);
        try {
            widefp_float_ctowr(name, r.data(), 3);
            ADD_FAILURE() << "accepted " << name;
        } catch (const FatalError &err) {
            EXPECT_EQ(std::string(err.what()), std::string("Unkown constant: #") + name + "\n");
            EXPECT_EQ(err.id, "widefp:constant");
        }
        EXPECT_EQ(r, Words(4, 0x1234)) << name;
    }
    // a long name is carried whole
    std::string longname(5000, 'x');
    try {
        widefp_float_ctowr(longname.c_str(), nullptr, 3);
        ADD_FAILURE();
    } catch (const FatalError &err) {
        EXPECT_EQ(std::string(err.what()), "Unkown constant: #" + longname + "\n");
    }
    widefp_float_ctowr("g", Words(2).data(), 1);  // a good name still works under the handler
}

}  // namespace
