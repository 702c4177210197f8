// test_rnd_text.cpp -- text input and output, named constants, conversions,
// integer roundings, ldexp/frexp and fma of the rounding layer, bit for bit
// against MPFR at 64p+1 bits in every mode.
#include <gmp.h>
#include <mpfr.h>

#include <cstring>
#include <string>

#include "rnd_check.h"

namespace {

using rc::kModes;
using th::Words;

const uint64_t kPs[] = {1, 2, 3, 5, 8, 17, 40, 100, 1000};

// A random decimal: up to 40 digits, perhaps a point, an exponent in +-400.
std::string random_decimal(th::Rng &r) {
    std::string s = r.coin() ? "-" : "";
    const uint64_t n = r.range(1, 40), point = r.below(n + 1);
    for (uint64_t i = 0; i < n; ++i) {
        if (i == point && r.coin()) s += '.';
        s += static_cast<char>('0' + r.below(10));
    }
    if (r.coin()) s += "e" + std::to_string(static_cast<int64_t>(r.below(801)) - 400);
    return s;
}

void expect_text(const std::string &text, uint64_t p, int mode) {
    th::Mp x(p);
    rc::OurRange range;
    const int tr = mpfr_strtofr(x, text.c_str(), nullptr, 10, rc::to_mpfr(mode));
    const rc::Ref ref{th::from_mpfr(x, p), tr};
    Words y(p + 1, 7);
    const int t = widefp_rnd_from_text(y.data(), text.c_str(), p, mode, nullptr, 0);
    EXPECT_TRUE(rc::same(y, t, ref, p, "from_text(" + text + ") " + rc::mode_name(mode)));
}

TEST(RndText, FromTextMatchesMpfr) {
    th::Rng r(11);
    for (uint64_t p : kPs)
        for (long i = 0; i < th::cases(p >= 100 ? 2 : p >= 17 ? 12 : 40); ++i) {
            const std::string s = random_decimal(r);
            for (int mode : kModes) expect_text(s, p, mode);
        }
    // Exact midpoints between neighbours at p = 1 and 2: (2^(64p+1) + odd) 2^-j.
    mpz_t n;
    mpz_init(n);
    for (uint64_t p : {1, 2})
        for (int i = 0; i < 20; ++i) {
            mpz_set_ui(n, 1);
            mpz_mul_2exp(n, n, 64 * p + 1);
            mpz_add_ui(n, n, 2 * r.below(1000) + 1);
            const unsigned long j = r.below(70);
            mpz_t f;
            mpz_init(f);
            mpz_ui_pow_ui(f, 5, j);
            mpz_mul(n, n, f);
            mpz_clear(f);
            char *d = mpz_get_str(nullptr, 10, n);
            const std::string s = std::string(d) + "e-" + std::to_string(j);
            free(d);
            for (int mode : kModes) expect_text(s, p, mode);
        }
    mpz_clear(n);
}

TEST(RndText, ExpressionsAndFailures) {
    const uint64_t p = 3;
    for (int mode : kModes) {
        Words y(p + 1);
        th::Mp seven(p);
        mpfr_set_ui(seven, 7, MPFR_RNDN);
        // (1+2)/7 and 2*#pi, blanks inside.
        const int t1 = widefp_rnd_from_text(y.data(), " ( 1 + 2 ) / 7 ", p, mode, nullptr, 0);
        auto r1 = rc::reference(p, mode, [&](mpfr_ptr o, mpfr_rnd_t m) { return mpfr_ui_div(o, 3, seven, m); });
        EXPECT_TRUE(rc::same(y, t1, *r1, p, "(1+2)/7"));
        const int t2 = widefp_rnd_from_text(y.data(), "2*#pi", p, mode, nullptr, 0);
        auto r2 = rc::reference(p, mode, [&](mpfr_ptr o, mpfr_rnd_t m) {
            const int t = mpfr_const_pi(o, m);
            mpfr_mul_2ui(o, o, 1, m);
            return t;
        });
        EXPECT_TRUE(rc::same(y, t2, *r2, p, "2*#pi"));
    }
    char msg[200];
    Words y(3, 5);
    const struct {
        const char *text;
        int code;
    } bad[] = {{"1+", WIDEFP_TEXT_SYNTAX},   {"1.2.3", WIDEFP_TEXT_SYNTAX},     {"#nope", WIDEFP_TEXT_CONSTANT},
               {"0/0", WIDEFP_TEXT_NAN},     {"(1-1)/(2-2)", WIDEFP_TEXT_NAN}, {"1/0-1/0", WIDEFP_TEXT_NAN},
               {"0*(1/0)", WIDEFP_TEXT_NAN}};
    for (const auto &b : bad) {
        msg[0] = '\0';
        EXPECT_EQ(widefp_rnd_from_text(y.data(), b.text, 2, WIDEFP_RNDN, msg, sizeof msg), b.code) << b.text;
        EXPECT_TRUE(th::is_zero(y.data()) && !(y[0] & th::kSign) && y[1] == 0 && y[2] == 0) << b.text;
        EXPECT_GT(std::strlen(msg), 0u) << b.text;
    }
    EXPECT_EQ(widefp_rnd_from_text(y.data(), "1/0", 2, WIDEFP_RNDN, nullptr, 0), WIDEFP_TEXT_UNDECIDED);
    EXPECT_TRUE(th::is_inf(y.data()));
}

TEST(RndText, ToTextMatchesMpfr) {
    th::Rng r(12);
    const char styles[] = {'e', 'f', 'g'};
    char ours[400], ref[400], fmt[16];
    for (uint64_t p : {1, 2, 5, 17})
        for (long i = 0; i < th::cases(60); ++i) {
            const Words x = th::random_wr(r, p, -300, 300);
            th::Mp m(p);
            th::to_mpfr(m, x.data(), p);
            const int digits = static_cast<int>(r.below(60));
            for (int s = 0; s < 3; ++s)
                for (int mode : kModes) {
                    std::snprintf(fmt, sizeof fmt, "%%.*R*%c", styles[s]);
                    mpfr_snprintf(ref, sizeof ref, fmt, digits, rc::to_mpfr(mode), m.get());
                    const size_t n = widefp_rnd_to_text(ours, sizeof ours, x.data(), p, s, digits, mode);
                    ASSERT_EQ(std::string(ours), std::string(ref)) << "style " << styles[s] << " mode " << mode;
                    ASSERT_EQ(n, std::strlen(ref));
                }
        }
    // Beyond 2^18 in the binary exponent, the digits come from the approximate path.
    for (long i = 0; i < 20; ++i) {
        Words x = th::random_wr(r, 3, 300000, 400000);
        th::Mp m(3);
        th::to_mpfr(m, x.data(), 3);
        for (int mode : kModes) {
            mpfr_snprintf(ref, sizeof ref, "%.*R*e", 40, rc::to_mpfr(mode), m.get());
            widefp_rnd_to_text(ours, sizeof ours, x.data(), 3, WIDEFP_TEXT_SCI, 40, mode);
            EXPECT_EQ(std::string(ours), std::string(ref));
        }
    }
    // snprintf's contract: cut to size, the full length returned.
    const Words one = th::from_double(-1.5, 2);
    EXPECT_EQ(widefp_rnd_to_text(ours, 4, one.data(), 2, WIDEFP_TEXT_FIX, 3, WIDEFP_RNDN), 6u);
    EXPECT_STREQ(ours, "-1.");
}

TEST(RndText, ConstantsMatchMpfr) {
    for (uint64_t p : kPs)
        for (int mode : kModes) {
            Words y(p + 1);
            const struct {
                const char *name;
                int (*f)(mpfr_ptr, mpfr_rnd_t);
            } cs[] = {{"pi", mpfr_const_pi}, {"ln2", mpfr_const_log2}, {"g", mpfr_const_euler},
                      {"e", [](mpfr_ptr o, mpfr_rnd_t m) {
                           th::Mp one(1);
                           mpfr_set_ui(one, 1, MPFR_RNDN);
                           return mpfr_exp(o, one, m);
                       }},
                      {"ln10", [](mpfr_ptr o, mpfr_rnd_t m) { return mpfr_log_ui(o, 10, m); }}};
            for (const auto &c : cs) {
                const int t = widefp_rnd_const(y.data(), c.name, p, mode);
                auto ref = rc::reference(p, mode, [&](mpfr_ptr o, mpfr_rnd_t m) { return c.f(o, m); });
                EXPECT_TRUE(rc::same(y, t, *ref, p, c.name));
            }
        }
    Words y(3, 9);
    EXPECT_EQ(widefp_rnd_const(y.data(), "tau", 2, WIDEFP_RNDN), WIDEFP_TEXT_CONSTANT);
    EXPECT_TRUE(th::is_zero(y.data()) && y[1] == 0 && y[2] == 0);
}

TEST(RndText, ConversionsMatchMpfr) {
    th::Rng r(13);
    using IntRound = int (*)(uint64_t *, const uint64_t *, uint64_t);
    const IntRound ours[] = {widefp_rnd_floor, widefp_rnd_ceil, widefp_rnd_trunc, widefp_rnd_round};
    int (*const theirs[])(mpfr_ptr, mpfr_srcptr) = {mpfr_floor, mpfr_ceil, mpfr_trunc, mpfr_round};
    for (uint64_t p : {1, 2, 3, 8}) {
        rc::Tally tally("get_d/get_si/floor/ldexp/frexp");
        for (long i = 0; i < th::cases(400); ++i) {
            // exponents around the double range's ends and the integers' size
            const int64_t centre[] = {0, 60, -1074, 1024, -149, 128};
            const int64_t c0 = centre[r.below(6)];
            Words x = th::random_wr(r, p, c0 - 70, c0 + 70);
            if (r.below(4) == 0) {  // a double's tie, perhaps with a sticky bit in the last word
                std::fill(x.begin() + 2, x.end(), 0);
                x[1] = (x[1] & ~uint64_t{0xfff}) | 0x800;
                x[p] |= r.coin();
            }
            th::Mp m(p);
            th::to_mpfr(m, x.data(), p);
            for (int mode : kModes) {
                const mpfr_rnd_t rm = rc::to_mpfr(mode);
                const double d = widefp_rnd_get_d(x.data(), p, mode), dr = mpfr_get_d(m, rm);
                ASSERT_TRUE(std::memcmp(&d, &dr, sizeof d) == 0) << d << " vs " << dr;
                ASSERT_EQ(widefp_rnd_get_flt(x.data(), p, mode), mpfr_get_flt(m, rm));
                ASSERT_EQ(widefp_rnd_get_si(x.data(), p, mode), mpfr_get_si(m, rm));
                ASSERT_EQ(widefp_rnd_get_ui(x.data(), p, mode), mpfr_get_ui(m, rm));
                const int64_t e = static_cast<int64_t>(r.below(200)) - 100 +
                                  (r.coin() ? 0 : (r.coin() ? 1 : -1) * static_cast<int64_t>(th::kBias));
                Words y(p + 1);
                const int t = widefp_rnd_ldexp(y.data(), x.data(), e, p, mode);
                auto ref = rc::reference(p, mode, [&](mpfr_ptr o, mpfr_rnd_t rr) { return mpfr_mul_2si(o, m, e, rr); });
                if (ref) ASSERT_TRUE(rc::same(y, t, *ref, p, "ldexp"));
                tally.cases += 1;
            }
            for (int k = 0; k < 4; ++k) {
                Words y(p + 1);
                const int t = ours[k](y.data(), x.data(), p);
                auto ref = rc::reference(p, WIDEFP_RNDN, [&](mpfr_ptr o, mpfr_rnd_t) { return theirs[k](o, m); });
                ASSERT_TRUE(rc::same(y, t, *ref, p, "floor/ceil/trunc/round " + std::to_string(k)));
            }
            Words y(p + 1);
            const int64_t k = widefp_rnd_frexp(y.data(), x.data(), p);
            th::Mp f(p);
            mpfr_exp_t ek;
            mpfr_frexp(&ek, f, m, MPFR_RNDN);
            EXPECT_EQ(k, ek);
            EXPECT_EQ(th::from_mpfr(f, p), y);
        }
    }
    Words y(3);
    widefp_rnd_from_si(y.data(), INT64_MIN, 2);
    th::Mp m(2);
    th::to_mpfr(m, y.data(), 2);
    EXPECT_EQ(mpfr_get_si(m, MPFR_RNDN), INT64_MIN);
    widefp_rnd_from_ui(y.data(), UINT64_MAX, 2);
    th::to_mpfr(m, y.data(), 2);
    EXPECT_EQ(mpfr_get_ui(m, MPFR_RNDN), UINT64_MAX);
}

TEST(RndText, FmaMatchesMpfr) {
    th::Rng r(14);
    rc::Tally tally("fma");
    for (uint64_t p : kPs)
        for (long i = 0; i < th::cases(p >= 100 ? 10 : 150); ++i) {
            const Words a = th::random_wr(r, p, -80, 80), b = th::random_wr(r, p, -80, 80);
            Words c = th::random_wr(r, p, -240, 160);
            if (r.below(3) == 0) {  // cancellation: c near -ab
                widefp_rnd_mul(c.data(), a.data(), b.data(), p, kModes[r.below(4)]);
                c[0] ^= th::kSign;
            }
            th::Mp ma(p), mb(p), mc(p);
            th::to_mpfr(ma, a.data(), p);
            th::to_mpfr(mb, b.data(), p);
            th::to_mpfr(mc, c.data(), p);
            for (int mode : kModes) {
                Words y(p + 1);
                const int t = widefp_rnd_fma(y.data(), a.data(), b.data(), c.data(), p, mode);
                auto ref = rc::reference(p, mode, [&](mpfr_ptr o, mpfr_rnd_t m) { return mpfr_fma(o, ma, mb, mc, m); });
                ASSERT_TRUE(rc::same(y, t, *ref, p, "fma"));
                ++tally.cases;
            }
        }
}

}  // namespace
