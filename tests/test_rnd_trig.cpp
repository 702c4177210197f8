// Correctly rounded sine, cosine, tangent, arctangent, arcsine, arccosine and
// atan2 against MPFR in the four modes: random arguments over the whole
// ranges, arguments next to multiples of pi/2 and pi/4, the ends of the
// domains, tiny arguments and exact quotients, signed zeros and the special
// values of atan2; the error bounds handed to Ziv's test, measured; refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "elem_check.h"
#include "rnd_check.h"
#include "rounding/ziv.h"

namespace widefp::rnd {  // one attempt of the entry points' loops (trig.cpp, inverse_trig.cpp)
int64_t trig_attempt(uint64_t *out, const uint64_t *x, uint64_t p, uint64_t n, int which);
int64_t inverse_trig_attempt(uint64_t *F, int64_t *e, bool *neg, int which, const uint64_t *a, const uint64_t *b,
                             uint64_t p, uint64_t n);
}  // namespace widefp::rnd

namespace {

using th::Words;

enum Fn { kSin, kCos, kTan, kAtan, kAsin, kAcos, kAtan2 };
const char *const kName[] = {"sin", "cos", "tan", "atan", "asin", "acos", "atan2"};
const rc::Mpfr1 kMpfr[] = {mpfr_sin, mpfr_cos, mpfr_tan, mpfr_atan, mpfr_asin, mpfr_acos, nullptr};

int ours(Fn f, uint64_t *y, const Words &a, const Words &b, uint64_t p, int mode) {
    switch (f) {
        case kSin: return widefp_rnd_sin(y, a.data(), p, mode);
        case kCos: return widefp_rnd_cos(y, a.data(), p, mode);
        case kTan: return widefp_rnd_tan(y, a.data(), p, mode);
        case kAtan: return widefp_rnd_atan(y, a.data(), p, mode);
        case kAsin: return widefp_rnd_asin(y, a.data(), p, mode);
        case kAcos: return widefp_rnd_acos(y, a.data(), p, mode);
        default: return widefp_rnd_atan2(y, a.data(), b.data(), p, mode);
    }
}

// MPFR's result.  atan2 is computed at MPFR's full exponent range and then
// brought to ours by mpfr_check_range: with our smallest exponent,
// mpfr_atan2 to nearest returns the smallest number where the exact result
// is about a quarter of it.
std::optional<rc::Ref> reference(Fn f, const Words &a, const Words &b, uint64_t p, int mode) {
    if (f != kAtan2) return rc::reference1(kMpfr[f], a.data(), p, mode);
    th::Mp A(p), B(p), out(p);
    th::to_mpfr(A, a.data(), p);
    th::to_mpfr(B, b.data(), p);
    int t = mpfr_atan2(out, A, B, rc::to_mpfr(mode));
    {
        rc::OurRange range;
        t = mpfr_check_range(out, t, rc::to_mpfr(mode));
    }
    return rc::Ref{th::from_mpfr(out, p), t};
}

// Counts of a test: cases, and for the arguments that reach Ziv's loop the
// first attempts that decided (random arguments apart from the hard ones,
// built next to rounding boundaries) and the largest error of an
// approximation against the bound it was handed (log2 of error / bound, at
// most 0).
struct Stats {
    rc::Tally tally;
    long attempts[2] = {0, 0}, decided[2] = {0, 0};
    double worst = -1e9;
    explicit Stats(const char *name) : tally(name) {}
    ~Stats() {
        if (attempts[0] + attempts[1])
            std::printf("[ rounding ] %s: first attempt decided %ld of %ld random arguments (%.3f%%), %ld of %ld "
                        "hard ones; largest approximation error 2^%.2f of its bound\n",
                        tally.name, decided[0], attempts[0], attempts[0] ? 100.0 * decided[0] / attempts[0] : 100.0,
                        decided[1], attempts[1], worst);
    }
};

// The first attempt of f at (a, b): the approximation against MPFR at
// twice its precision (error within 2^(e - 64q + err)), and whether
// round_approx decides it in `mode`.
void first_attempt(Stats &st, Fn f, const Words &a, const Words &b, uint64_t p, bool hard = false) {
    if (f == kAtan2 && !(b[0] & th::kSign)) {  // a p-word quotient below 2^(-32p-2) never reaches the loop
        th::Mp A(p), B(p), Q(p);
        th::to_mpfr(A, a.data(), p);
        th::to_mpfr(B, b.data(), p);
        if (mpfr_div(Q, A, B, MPFR_RNDN) == 0 && mpfr_get_exp(Q) - 1 <= -32 * static_cast<long>(p) - 2) return;
    }
    const uint64_t q = p + 1;  // the loops' first working precision
    Words F(q + 1);
    int64_t e, err;
    bool neg;
    if (f <= kTan) {
        err = widefp::rnd::trig_attempt(F.data(), a.data(), p, q, f);
        ASSERT_GE(err, 0);
        neg = th::is_zero(F.data()) ? false : (F[0] & th::kSign) != 0;
        e = th::unbiased(F.data());
        F.erase(F.begin());
    } else {
        err = widefp::rnd::inverse_trig_attempt(F.data(), &e, &neg, f - kAtan, a.data(), b.data(), p, q);
        F.resize(q);
    }
    // The value as an MPFR number: (-1)^neg 1.F 2^e, exponent kept apart.
    th::Mp v(2 * 64 * q + 256, true), exact(2 * 64 * q + 256, true), A(p), B(p);
    Words w(q + 1);
    w[0] = th::kBias | (neg ? th::kSign : 0);
    std::copy(F.begin(), F.end(), w.begin() + 1);
    th::to_mpfr(v, w.data(), q);
    th::to_mpfr(A, a.data(), p);
    th::to_mpfr(B, b.data(), p);
    {
        th::Mp::widen_range();
        if (f == kAtan2)
            mpfr_atan2(exact, A, B, MPFR_RNDN);
        else
            kMpfr[f](exact, A, MPFR_RNDN);
    }
    // (quotients beyond MPFR's exponent range aside)
    const bool measurable = !mpfr_zero_p(exact) && std::llabs(static_cast<long long>(e)) < (1LL << 40);
    mpfr_mul_2si(exact, exact, measurable ? -e : 0, MPFR_RNDN);  // both scaled by 2^-e
    mpfr_sub(v, v, exact, MPFR_RNDN);
    if (measurable && !mpfr_zero_p(v)) {
        // |v| in units of 2^(-64q): below 2^err required
        const double lg = std::log2(std::fabs(mpfr_get_d(v, MPFR_RNDN))) + 64.0 * static_cast<double>(q);
        const double excess = lg - static_cast<double>(err);
        st.worst = std::max(st.worst, excess);
        ASSERT_LE(excess, 0) << kName[f] << " p=" << p << " error 2^" << lg << " above its bound 2^" << err
                             << " a=" << th::hex(a) << " b=" << th::hex(b);
    }
    Words y(p + 1);
    int t;
    ++st.attempts[hard];
    st.decided[hard] += widefp::rnd::round_approx(y.data(), p, neg, e, F.data(), q, err, WIDEFP_RNDN, &t);
}

// All four modes against MPFR (from 300 words on one of them, in turn: a
// call there takes tens of milliseconds), the result over the argument for
// one of them.
void check(Stats &st, Fn f, const Words &a, const Words &b, uint64_t p) {
    static int turn = 0;
    for (int mode : rc::kModes) {
        if (p >= 300 && mode != turn % 4) continue;
        Words y(p + 1);
        const int t = ours(f, y.data(), a, b, p, mode);
        auto ref = reference(f, a, b, p, mode);
        if (!ref) {
            ++st.tally.unverifiable;
            continue;
        }
        ++st.tally.cases;
        st.tally.exact += t == 0;
        ASSERT_TRUE(rc::same(y, t, *ref, p,
                             std::string(kName[f]) + " " + rc::mode_name(mode) + " a=" + th::hex(a) +
                                 (f == kAtan2 ? " b=" + th::hex(b) : std::string())));
        if (mode == static_cast<int>(a[p] & 3)) {  // in place
            Words z = a;
            ASSERT_EQ(ours(f, z.data(), z, b, p, mode), t);
            ASSERT_TRUE(rc::same(z, t, *ref, p, "in place"));
        }
    }
    ++turn;
}

// Cases at precision p: `base` up to 16 words, fewer beyond.
long count(uint64_t p, long base) { return th::cases(p <= 16 ? base : p <= 64 ? base / 4 : p < 300 ? 3 : 2); }

// A p-word value of k pi/2 (k pi/4 when quarter) for a random k of up to
// `bits` bits, or next to it by a few units.
Words round_multiple(th::Rng &rng, uint64_t p, long bits, bool quarter) {
    th::Mp v(64 * p + 256 + bits, true);
    mpz_t k;
    mpz_init(k);
    for (long b = 0; b < bits; b += 64) {
        mpz_mul_2exp(k, k, 64);
        mpz_add_ui(k, k, rng.word());
    }
    mpz_tdiv_r_2exp(k, k, static_cast<mp_bitcnt_t>(bits));
    if (mpz_sgn(k) == 0) mpz_set_ui(k, 1);
    mpfr_const_pi(v, MPFR_RNDN);
    mpfr_mul_z(v, v, k, MPFR_RNDN);
    mpfr_div_2ui(v, v, quarter ? 2 : 1, MPFR_RNDN);
    mpz_clear(k);
    th::Mp x(p);
    mpfr_set(x, v, MPFR_RNDN);
    Words w = th::from_mpfr(x, p);
    if (rng.coin()) w[p] ^= 1 + rng.below(7);  // a few units off
    return w;
}

// Random arguments of sin, cos and tan: around the tiny threshold, small,
// medium, huge up to 2^65535, p-word values of k pi/2 and k pi/4, and values
// within about 2^-64p of a multiple at exponents from 64p on.
Words trig_argument(th::Rng &rng, uint64_t p, int kind, bool tan) {
    const int64_t P = static_cast<int64_t>(p);
    switch (kind) {
        case 0: return th::random_wr(rng, p, -32 * P - 1, -32 * P + 8);
        case 1: return th::random_wr(rng, p, -30, 2);
        case 2: return th::random_wr(rng, p, 2, 64 * P + 64);
        case 3: return th::random_wr(rng, p, 64, 65535);
        case 4: return round_multiple(rng, p, 1 + static_cast<long>(rng.below(64 * p - 8)), tan && rng.coin());
        default: {
            const int64_t e = 64 * P + static_cast<int64_t>(rng.below(rng.coin() ? 64 : 65535 - 64 * p));
            Words x = ec::near_pi_multiple(p, std::min<int64_t>(e, 65535), tan && rng.coin());
            if (rng.coin()) x[0] |= th::kSign;
            return x;
        }
    }
}

TEST(RoundedTrig, SinCosTanBitForBitWithMpfr) {
    th::Rng rng(0x7219);
    Stats s[3] = {Stats("sin"), Stats("cos"), Stats("tan")};
    for (uint64_t p : rc::precisions()) {
        for (long c = 0; c < count(p, 36); ++c) {
            const int kind = static_cast<int>((c + p) % 6);
            for (Fn f : {kSin, kCos, kTan}) {
                Words x = trig_argument(rng, p, kind, f == kTan);
                if (rng.coin()) x[0] ^= th::kSign;
                check(s[f], f, x, x, p);
                if (p < 300 && th::unbiased(x.data()) > -32 * static_cast<int64_t>(p) - 2)
                    first_attempt(s[f], f, x, x, p, kind == 0 || kind >= 4);
            }
        }
    }
}

// Random arguments of the inverse functions: atan over the whole range,
// asin and acos inside (-1, 1) and next to +-1, atan2 with exponents apart
// by anything up to the whole range, of every sign.
TEST(RoundedTrig, InverseFunctionsBitForBitWithMpfr) {
    th::Rng rng(0x1a7a);
    Stats s[4] = {Stats("atan"), Stats("asin"), Stats("acos"), Stats("atan2")};
    const int64_t big = int64_t{1} << 61;
    for (uint64_t p : rc::precisions()) {
        const int64_t P = static_cast<int64_t>(p);
        for (long c = 0; c < count(p, 30); ++c) {
            const int kind = static_cast<int>((c + p) % 5);
            // atan
            Words x = kind == 0   ? th::random_wr(rng, p, -32 * P - 1, -32 * P + 8)
                      : kind == 1 ? th::random_wr(rng, p, -big, big)
                                  : th::random_wr(rng, p, -8, 8);
            check(s[0], kAtan, x, x, p);
            const bool measure = p < 300;  // the approximations' errors, below 300 words
            if (measure && th::unbiased(x.data()) > -32 * P - 2) first_attempt(s[0], kAtan, x, x, p, kind == 0);
            // asin, acos: 1 - 2^-j (1 + d) and its negative next to the ends
            Words u = kind == 0 ? th::random_wr(rng, p, -32 * P - 1, -32 * P + 8) : th::random_wr(rng, p, -40, -1);
            if (kind == 3) {
                th::Mp v(p + 1), d(p);
                Words dw = th::random_wr(rng, p, -1 - static_cast<int64_t>(rng.below(64 * p + 2)), -1, false);
                th::to_mpfr(d, dw.data(), p);
                mpfr_ui_sub(v, 1, d, MPFR_RNDN);
                th::Mp r(p);
                mpfr_set(r, v, MPFR_RNDZ);
                u = th::from_mpfr(r, p);
                if (rng.coin()) u[0] |= th::kSign;
            }
            for (Fn f : {kAsin, kAcos}) {
                check(s[f - kAtan], f, u, u, p);
                if (measure && th::unbiased(u.data()) > -32 * P - 2)
                    first_attempt(s[f - kAtan], f, u, u, p, kind == 0 || kind == 3);
            }
            // atan2
            Words a = th::random_wr(rng, p, -8, 8), b = th::random_wr(rng, p, -8, 8);
            if (kind == 1) a = th::random_wr(rng, p, -big, big), b = th::random_wr(rng, p, -big, big);
            // quotients around 2^(64p+128) (beyond it pi/2 stands for atan) and 2^(-32p-2)
            const uint64_t ea = a[0] & th::kExpMask, sb = b[0] & th::kSign;
            if (kind == 2) b[0] = sb | (ea - 64 * static_cast<uint64_t>(P) - 93 - rng.below(70));
            if (kind == 4) b[0] = sb | (ea + 32 * static_cast<uint64_t>(P) - rng.below(5) + 2);
            check(s[3], kAtan2, a, b, p);
            if (measure) first_attempt(s[3], kAtan2, a, b, p, kind == 2 || kind == 4);
        }
    }
}

// Exact results (ternary 0, signed zeros, cleared fractions) and the special
// values, in every mode; the constants pi/4, pi/2, 3pi/4 and pi at every
// precision.
TEST(RoundedTrig, ExactResultsAndSpecialValues) {
    Stats st("special values");
    for (uint64_t p : {1, 2, 3, 7, 64, 1023}) {
        Words pz(p + 1, 0), nz(p + 1, 0), one = th::from_double(1, p), mone = th::from_double(-1, p);
        Words pinf(p + 1, 0), ninf(p + 1, 0), half = th::from_double(1.5, p), mhalf = th::from_double(-1.5, p);
        nz[0] = th::kSign;
        pinf[0] = th::kExpMask;
        ninf[0] = th::kExpMask | th::kSign;
        pz[p] = 7;  // fractions of zeros and infinities are not read
        ninf[1] = 9;
        for (Fn f : {kSin, kCos, kTan, kAtan, kAsin, kAcos})
            for (const Words *x : {&pz, &nz}) check(st, f, *x, *x, p);
        check(st, kAcos, one, one, p);
        check(st, kAcos, mone, mone, p);
        check(st, kAsin, one, one, p);
        check(st, kAsin, mone, mone, p);
        check(st, kAtan, pinf, pinf, p);
        check(st, kAtan, ninf, ninf, p);
        for (const Words *a : {&pz, &nz, &pinf, &ninf, &half, &mhalf})
            for (const Words *b : {&pz, &nz, &pinf, &ninf, &half, &mhalf}) check(st, kAtan2, *a, *b, p);
        for (Fn f : {kSin, kTan, kAtan, kAsin}) {  // zeros keep their sign, exactly
            Words y(p + 1, 5), want(p + 1, 0);
            want[0] = th::kSign;
            EXPECT_EQ(ours(f, y.data(), nz, nz, p, WIDEFP_RNDU), 0);
            EXPECT_EQ(th::hex(y), th::hex(want)) << kName[f];
        }
        Words y(p + 1, 5);
        EXPECT_EQ(widefp_rnd_cos(y.data(), nz.data(), p, WIDEFP_RNDD), 0);
        EXPECT_EQ(th::hex(y), th::hex(one));
        EXPECT_EQ(widefp_rnd_acos(y.data(), one.data(), p, WIDEFP_RNDD), 0);
        EXPECT_EQ(th::hex(y), th::hex(Words(p + 1, 0)));
    }
    // pi/4, pi/2, 3pi/4, pi at every precision and in every mode, against
    // MPFR's pi at 66,000 bits times 1, 2, 3 or 4 and rounded once.
    rc::Tally all("pi/4, pi/2, 3pi/4, pi at p = 1..1023");
    th::Mp pi(66000, true), v(66000, true);
    mpfr_const_pi(pi, MPFR_RNDN);
    for (uint64_t p = 1; p <= 1023; ++p) {
        Words inf(p + 1, 0), minf(p + 1, 0), mone = th::from_double(-1, p), y(p + 1);
        inf[0] = th::kExpMask;
        minf[0] = th::kExpMask | th::kSign;
        for (int mode : rc::kModes) {
            for (int k = 1; k <= 4; ++k) {  // k pi/4
                const int t = k == 1   ? widefp_rnd_atan2(y.data(), inf.data(), inf.data(), p, mode)
                              : k == 2 ? widefp_rnd_atan(y.data(), inf.data(), p, mode)
                              : k == 3 ? widefp_rnd_atan2(y.data(), inf.data(), minf.data(), p, mode)
                                       : widefp_rnd_acos(y.data(), mone.data(), p, mode);
                mpfr_mul_ui(v, pi, static_cast<unsigned long>(k), MPFR_RNDN);
                mpfr_div_2ui(v, v, 2, MPFR_RNDN);
                auto ref = rc::reference(p, mode, [&](mpfr_ptr out, mpfr_rnd_t r) { return mpfr_set(out, v, r); });
                ++all.cases;
                ASSERT_TRUE(rc::same(y, t, *ref, p, std::to_string(k) + " pi/4 " + rc::mode_name(mode)));
            }
        }
    }
}

// Tiny arguments decided from x alone, around the threshold 2^(-32p-2) and
// at the bottom of the range (where the neighbour toward zero underflows);
// atan2 of quotients that are p-word numbers below 2^(-32p-2) (atan t just
// below t), of quotients next to them, and of quotients beyond the range.
TEST(RoundedTrig, TinyArgumentsAndExactQuotients) {
    th::Rng rng(0x717);
    Stats st("tiny arguments, exact quotients");
    for (uint64_t p : {1, 2, 3, 8, 31}) {
        const int64_t P = static_cast<int64_t>(p);
        for (int i = 0; i < 24; ++i) {
            Words x = th::random_wr(rng, p, -32 * P - 3, -32 * P - 1);
            if (i % 3 == 1) std::fill(x.begin() + 1, x.end(), 0);  // a power of two
            if (i % 4 == 2) x[0] = (x[0] & th::kSign) | (1 + rng.below(2));
            for (Fn f : {kSin, kCos, kTan, kAtan, kAsin, kAcos}) check(st, f, x, x, p);
            // a = b * t with t = 2^-k (1 + j 2^-m) of p words: exact; or a unit off
            Words b = th::random_wr(rng, p, -100, 100);
            if (i % 2) std::fill(b.begin() + 1 + p / 2, b.end(), 0);  // room for t's bits in a's mantissa
            th::Mp A(p), B(p), T(64 * p + 200, true);
            th::to_mpfr(B, b.data(), p);
            const long k = 32 * P + 3 + static_cast<long>(rng.below(i % 5 == 0 ? 1u << 20 : 40));
            mpfr_set_ui_2exp(T, 1 + 2 * rng.below(8), -k, MPFR_RNDN);
            if (rng.coin()) mpfr_neg(T, T, MPFR_RNDN);
            mpfr_mul(T, T, B, MPFR_RNDN);
            mpfr_set(A, T, MPFR_RNDN);
            Words a = th::from_mpfr(A, p);
            if (i % 6 == 5) a[p] ^= 1;
            if (i % 7 == 3) {  // a quotient far below the range
                a[0] = (a[0] & th::kSign) | (1 + rng.below(3));
                b[0] = (b[0] & th::kSign) | (th::kExpMask - 2);
            }
            check(st, kAtan2, a, b, p);
            b[0] ^= th::kSign;  // pi - t: nothing exact
            check(st, kAtan2, a, b, p);
        }
    }
}

TEST(RoundedTrig, Refusals) {
    const uint64_t p = 2;
    Words y(p + 1), inf(p + 1, 0), big = th::from_double(1, p), over = th::from_double(1, p);
    inf[0] = th::kExpMask | th::kSign;
    big[0] = th::kBias + 65535;  // the last binade accepted
    over[0] = th::kBias + 65536;
    over[1] = 1;
    for (auto f : {widefp_rnd_sin, widefp_rnd_cos, widefp_rnd_tan}) {
        EXPECT_EQ(ec::fatal_of([&] { f(y.data(), inf.data(), p, 0); }).substr(0, 14), "widefp:domain|");
        EXPECT_EQ(ec::fatal_of([&] { f(y.data(), over.data(), p, 0); }).substr(0, 13), "widefp:range|");
        EXPECT_EQ(ec::fatal_of([&] { f(y.data(), big.data(), p, 0); }), "");
    }
    Words above = th::from_double(1, p), two = th::from_double(-2, p);
    above[p] = 1;  // 1 + ulp
    for (auto f : {widefp_rnd_asin, widefp_rnd_acos})
        for (const Words *x : {&above, &two, &inf})
            EXPECT_EQ(ec::fatal_of([&] { f(y.data(), x->data(), p, 0); }).substr(0, 14), "widefp:domain|");
    Words one = th::from_double(1, 1024), yy(1025);
    EXPECT_EQ(ec::fatal_of([&] { widefp_rnd_sin(yy.data(), one.data(), 1024, 0); }).substr(0, 13), "widefp:range|");
    EXPECT_EQ(ec::fatal_of([&] { widefp_rnd_atan2(y.data(), one.data(), one.data(), 0, 0); }).substr(0, 13),
              "widefp:range|");
    EXPECT_EQ(ec::fatal_of([&] { widefp_rnd_acos(y.data(), one.data(), 1, 4); }).substr(0, 13), "widefp:range|");
}

}  // namespace
