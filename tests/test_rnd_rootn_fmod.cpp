// Correctly rounded n-th roots and the exact remainders fmod and mod
// against MPFR in the four modes: random operands over the whole range,
// exact roots and their neighbours, roots of powers of two, every kind of
// n (1, 2, 3, even, odd, negative, huge), remainders across small and huge
// exponent gaps (up to the whole range), short and long divisors, special
// values, aliasing and domain errors.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <stdexcept>
#include <string>

#include "rnd_check.h"
#include "rounding/ziv.h"

namespace widefp::rnd {
extern std::atomic<uint64_t> rootn_fallbacks;
}

namespace {

using th::Words;
using widefp::rnd::kEmax;
using widefp::rnd::kEmin;

struct Fatal : std::runtime_error {
    using std::runtime_error::runtime_error;
};
[[noreturn]] void throw_fatal(const char *id, const char *) { throw Fatal(id); }
// Runs f with widefp_fatal throwing; returns the error's identifier, or "".
template <class F>
std::string fatal_of(F &&f) {
    const widefp_fatal_handler old = widefp_set_fatal_handler(&throw_fatal);
    std::string id;
    try {
        f();
    } catch (const Fatal &e) {
        id = e.what();
    }
    widefp_set_fatal_handler(old);
    return id;
}

Words at(Words x, int64_t e) {
    x[0] = (x[0] & th::kSign) | static_cast<uint64_t>(e + static_cast<int64_t>(th::kBias));
    return x;
}
int64_t any_exponent(th::Rng &rng) {
    switch (rng.below(4)) {
        case 0: return kEmin + static_cast<int64_t>(rng.below(200));
        case 1: return kEmax - 1 - static_cast<int64_t>(rng.below(200));
        case 2: return static_cast<int64_t>(rng.word() >> 2) - (int64_t{1} << 61);
        default: return static_cast<int64_t>(rng.below(161)) - 80;
    }
}
// A random significand, often with a short odd part (few significant bits).
Words random_value(th::Rng &rng, uint64_t p, int64_t e, bool neg) {
    Words x(p + 1, 0);
    rng.fill(x.data() + 1, p);
    if (rng.below(3) == 0) {  // keep only the leading bits
        const uint64_t keep = rng.below(64 * p + 1);
        for (uint64_t j = 1; j <= p; ++j) {
            const uint64_t first = 64 * (j - 1);
            if (first >= keep) x[j] = 0;
            else if (keep - first < 64) x[j] &= ~(~uint64_t{0} >> (keep - first));
        }
    }
    x = at(x, e);
    if (neg) x[0] |= th::kSign;
    return x;
}

const std::vector<uint64_t> &some_precisions() {
    static const std::vector<uint64_t> ps = {1, 2, 3, 4, 5, 7, 8, 13, 16, 31, 64, 160, 300, 719, 720, 1000, 1023};
    return ps;
}

// ---- n-th roots ------------------------------------------------------------------

void check_root(rc::Tally &tally, const Words &x, int64_t n, uint64_t p, bool want_exact = false) {
    th::Mp mx(p);
    th::to_mpfr(mx, x.data(), p);
    for (int mode : rc::kModes) {
        Words y(p + 1, 0x5a5a5a5a5a5a5a5aULL), z = x;
        const int t = widefp_rnd_rootn_si(y.data(), x.data(), n, p, mode);
        const auto ref = rc::reference(p, mode, [&](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_rootn_si(o, mx, n, r); });
        ASSERT_TRUE(ref.has_value());
        ++tally.cases;
        tally.exact += t == 0;
        const std::string what = "rootn n=" + std::to_string(n) + " " + rc::mode_name(mode) + " x=" + th::hex(x);
        ASSERT_TRUE(rc::same(y, t, *ref, p, what));
        ASSERT_TRUE(rc::same(z, widefp_rnd_rootn_si(z.data(), z.data(), n, p, mode), *ref, p, "over x: " + what));
        if (want_exact) {
            ASSERT_EQ(t, 0) << what;
        }
    }
}

int64_t random_n(th::Rng &rng) {
    static const int64_t kN[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 16, 17, 100, 1000, 65537, -1, -2, -3, -4, -5, -7, -64,
                                 int64_t{1} << 40, -(int64_t{1} << 40) - 1, INT64_MAX, INT64_MIN};
    return kN[rng.below(sizeof kN / sizeof kN[0])];
}

TEST(RndRootn, RandomAgainstMpfr) {
    rc::Tally tally("rootn_si random");
    th::Rng rng(0x700751);
    for (uint64_t p : some_precisions()) {
        const long count = th::cases(p <= 16 ? 40 : p <= 300 ? 8 : 3);
        for (long i = 0; i < count; ++i) {
            const int64_t n = random_n(rng);
            const bool neg = (n & 1) && rng.coin();
            const int64_t e = rng.coin() ? static_cast<int64_t>(rng.below(41)) - 20 : any_exponent(rng);
            check_root(tally, random_value(rng, p, e, neg), n, p);
            if (HasFatalFailure()) return;
        }
    }
}

// Newton's iteration decides every root of these (full random significands,
// |n| <= 1000, p <= 1022): the exponential's path is left for the rare roots
// within 2^-(64(1023-p)+48) of a boundary, as those of x = 2^(nk)(1 + d) for
// a tiny d of few bits.
TEST(RndRootn, NewtonDecides) {
    th::Rng rng(0x700753);
    const uint64_t before = widefp::rnd::rootn_fallbacks.load();
    long calls = 0;
    for (uint64_t p : some_precisions()) {
        if (p == 1023) continue;
        for (int64_t n : {3, -3, -2, 4, 7, 1000, -1000})
            for (int i = 0; i < 3; ++i) {
                Words x = at(Words(p + 1, 0), any_exponent(rng)), y(p + 1);
                for (uint64_t j = 1; j <= p; ++j) x[j] = rng.word();
                if ((n & 1) && rng.coin()) x[0] |= th::kSign;
                const uint64_t b = widefp::rnd::rootn_fallbacks.load();
                widefp_rnd_rootn_si(y.data(), x.data(), n, p, static_cast<int>(rng.below(4)));
                ++calls;
                if (widefp::rnd::rootn_fallbacks.load() != b) ADD_FAILURE() << "n=" << n << " x=" << th::hex(x);
            }
    }
    EXPECT_EQ(widefp::rnd::rootn_fallbacks.load() - before, 0u) << "of " << calls;
}

// x = 2^(7k) (1 + 511 2^-(64p+9)): the 7th root is 2^k (1 + 73 2^-(64p+9))
// less about 2^-(128p), within that of a p-word number: undecided below 2p
// words (Newton's iteration up to 1,023 words, then the exponential).
TEST(RndRootn, NearlyExactRoots) {
    rc::Tally tally("rootn_si nearly exact");
    for (uint64_t p : {2, 13, 300, 700}) {
        Words x(p + 1, 0);
        x = at(x, 7 * 1000);
        x[p] = 0x1ff;
        check_root(tally, x, 7, p);
        x[0] |= th::kSign;
        check_root(tally, x, 7, p);
        if (HasFatalFailure()) return;
    }
}

// x = Y^n 2^(nk) for a random odd Y of at most (64p+1)/n bits: exact, and
// its neighbours one unit away are the hardest inexact cases.
TEST(RndRootn, ExactRootsAndNeighbours) {
    rc::Tally tally("rootn_si exact and near");
    th::Rng rng(0x700752);
    mpz_t Y, X;
    mpz_inits(Y, X, nullptr);
    for (uint64_t p : some_precisions()) {
        for (int64_t n : {3, 4, 5, 7, 12, 65}) {
            if (p >= 719 && n > 4) continue;
            const long count = th::cases(p <= 64 ? 3 : 1);
            for (long i = 0; i < count; ++i) {
                const uint64_t most = (64 * p + 1) / static_cast<uint64_t>(n);
                if (most < 2) continue;
                const uint64_t bits = 2 + rng.below(most - 1);
                Words w((bits + 63) / 64);
                rng.fill(w.data(), w.size());
                mpz_import(Y, w.size(), 1, 8, 0, 0, w.data());
                mpz_fdiv_r_2exp(Y, Y, bits);
                mpz_setbit(Y, bits - 1);
                mpz_setbit(Y, 0);
                mpz_pow_ui(X, Y, static_cast<unsigned long>(n));
                const int64_t k = static_cast<int64_t>(rng.below(2001)) - 1000;
                th::Mp v(p);
                ASSERT_EQ(mpfr_set_z_2exp(v, X, k * n, MPFR_RNDN), 0);
                const bool neg = (n & 1) && rng.coin();
                if (neg) mpfr_neg(v, v, MPFR_RNDN);
                const Words x = th::from_mpfr(v, p);
                check_root(tally, x, n, p, true);
                if (HasFatalFailure()) return;
                for (int dir : {-1, 1}) {  // one unit away
                    th::Mp u(p);
                    mpfr_set(u, v, MPFR_RNDN);
                    if (dir > 0) mpfr_nextabove(u); else mpfr_nextbelow(u);
                    check_root(tally, th::from_mpfr(u, p), n, p);
                    if (HasFatalFailure()) return;
                }
            }
        }
    }
    mpz_clears(Y, X, nullptr);
}

TEST(RndRootn, PowersOfTwoAndEdges) {
    rc::Tally tally("rootn_si powers of two and edges");
    for (uint64_t p : {1, 2, 9, 300}) {
        for (int64_t e : {int64_t{0}, int64_t{1}, int64_t{-1}, int64_t{6}, int64_t{-6}, int64_t{60}, kEmin, kEmin + 1,
                          kEmax - 1}) {  // (MPFR cannot hold our top binade)
            Words x(p + 1, 0);
            x = at(x, e);
            // (MPFR's roots for n = +-2^k, k large, are out of reach: it crashes over our exponent range)
            for (int64_t n : {int64_t{2}, int64_t{3}, int64_t{-2}, int64_t{-3}, int64_t{6}, int64_t{-6}, int64_t{7},
                              (int64_t{1} << 61) + 1, INT64_MIN + 1, INT64_MAX}) {
                check_root(tally, x, n, p);
                if (HasFatalFailure()) return;
            }
        }
        // 1 + one unit, 1 - one unit with huge n: results next to 1
        Words one(p + 1, 0);
        one = at(one, 0);
        Words up = one;
        up[p] = 1;
        Words down(p + 1, ~uint64_t{0});
        down[0] = 0;
        down = at(down, -1);
        for (const Words &x : {up, down})
            for (int64_t n : {int64_t{3}, int64_t{-3}, (int64_t{1} << 62) + 3, INT64_MIN + 1}) {
                check_root(tally, x, n, p);
                if (HasFatalFailure()) return;
            }
        // the largest and smallest numbers
        Words big(p + 1, ~uint64_t{0});
        big[0] = 0;
        big = at(big, kEmax - 1);
        Words tiny(p + 1, 0);
        tiny = at(tiny, kEmin);
        tiny[p] = 1;
        // (MPFR's rootn(tiny, -2) at 65,473 bits crashes over our exponent range)
        for (int64_t n : {2, 3, -2, -3, 1000}) check_root(tally, big, n, p);
        for (int64_t n : {2, 3, -3, 1000}) check_root(tally, tiny, n, p);
        // n = +-2^61, +-2^62, -2^63 by hand: 2^(2^61) has the exact root 2;
        // (1 + ulp)^(1/2^62) lies just above 1, (1 + ulp)^(-1/2^63) just below
        Words x = at(one, int64_t{1} << 61), y(p + 1);
        EXPECT_EQ(widefp_rnd_rootn_si(y.data(), x.data(), int64_t{1} << 61, p, WIDEFP_RNDU), 0);
        EXPECT_EQ(y, th::from_double(2, p));
        EXPECT_EQ(widefp_rnd_rootn_si(y.data(), x.data(), -(int64_t{1} << 61), p, WIDEFP_RNDD), 0);
        EXPECT_EQ(y, th::from_double(0.5, p));
        EXPECT_EQ(widefp_rnd_rootn_si(y.data(), up.data(), int64_t{1} << 62, p, WIDEFP_RNDN), -1);
        EXPECT_EQ(y, one);
        EXPECT_EQ(widefp_rnd_rootn_si(y.data(), up.data(), int64_t{1} << 62, p, WIDEFP_RNDU), 1);
        EXPECT_EQ(y, up);
        EXPECT_EQ(widefp_rnd_rootn_si(y.data(), up.data(), INT64_MIN, p, WIDEFP_RNDD), -1);
        EXPECT_EQ(y, down);
        EXPECT_EQ(widefp_rnd_rootn_si(y.data(), up.data(), INT64_MIN, p, WIDEFP_RNDN), 1);
        EXPECT_EQ(y, one);
    }
}

TEST(RndRootn, SpecialValuesAndErrors) {
    rc::Tally tally("rootn_si special values");
    const uint64_t p = 3;
    Words pz(p + 1, 0), nz = pz, pinf = pz, ninf = pz;
    nz[0] = th::kSign;
    pinf[0] = th::kExpMask;
    ninf[0] = th::kSign | th::kExpMask;
    for (const Words &x : {pz, nz, pinf})
        for (int64_t n : {1, 2, 3, 4, -1, -2, -3, -4}) check_root(tally, x, n, p);
    for (int64_t n : {1, 3, -1, -3}) check_root(tally, ninf, n, p);
    // rootn(-0, 2) is +0, where sqrt(-0) is -0
    Words y(p + 1);
    widefp_rnd_rootn_si(y.data(), nz.data(), 2, p, WIDEFP_RNDN);
    EXPECT_EQ(y[0], 0u);
    const Words m8 = th::from_double(-8, p), e8 = th::from_double(8, p);
    EXPECT_EQ(fatal_of([&] { widefp_rnd_rootn_si(y.data(), m8.data(), 2, p, 0); }), "widefp:domain");
    EXPECT_EQ(fatal_of([&] { widefp_rnd_rootn_si(y.data(), m8.data(), -4, p, 0); }), "widefp:domain");
    EXPECT_EQ(fatal_of([&] { widefp_rnd_rootn_si(y.data(), ninf.data(), 2, p, 0); }), "widefp:domain");
    EXPECT_EQ(fatal_of([&] { widefp_rnd_rootn_si(y.data(), e8.data(), 0, p, 0); }), "widefp:domain");
    EXPECT_EQ(fatal_of([&] { widefp_rnd_rootn_si(y.data(), e8.data(), 3, 0, 0); }), "widefp:range");
    EXPECT_EQ(fatal_of([&] { widefp_rnd_rootn_si(y.data(), e8.data(), 3, p, 4); }), "widefp:range");
    EXPECT_EQ(widefp_rnd_rootn_si(y.data(), m8.data(), -3, p, 0), 0);
    EXPECT_EQ(y, th::from_double(-0.5, p));
}

// ---- remainders ------------------------------------------------------------------

// mod's reference: fmod's exact value (MPFR, the whole range), then that
// value plus y rounded where the signs differ; zeros take y's sign.
int mpfr_mod_ref(mpfr_ptr out, mpfr_srcptr r, mpfr_srcptr y, mpfr_rnd_t rnd) {
    if (mpfr_zero_p(r)) {
        mpfr_set_zero(out, mpfr_signbit(y) ? -1 : 1);
        return 0;
    }
    if (mpfr_signbit(r) == mpfr_signbit(y)) return mpfr_set(out, r, rnd);
    return mpfr_add(out, r, y, rnd);
}

using Ours2 = int (*)(uint64_t *, const uint64_t *, const uint64_t *, uint64_t, int);

void check_rem(rc::Tally &tf, rc::Tally &tm, const Words &x, const Words &y, uint64_t p) {
    th::Mp mx(p), my(p), exact(p);
    th::to_mpfr(mx, x.data(), p);
    th::to_mpfr(my, y.data(), p);
    th::Mp::widen_range();
    // exact at 64p+1 bits over MPFR's whole range, except far below our smallest number
    const bool exact_ok = mpfr_fmod(exact, mx, my, MPFR_RNDN) == 0;
    for (int mode : rc::kModes) {
        const std::string what = std::string(rc::mode_name(mode)) + " x=" + th::hex(x) + " y=" + th::hex(y);
        {
            Words r(p + 1, 0x5a5a5a5a5a5a5a5aULL), zx = x, zy = y;
            const int t = widefp_rnd_fmod(r.data(), x.data(), y.data(), p, mode);
            const auto ref = rc::reference(p, mode, [&](mpfr_ptr o, mpfr_rnd_t rnd) { return mpfr_fmod(o, mx, my, rnd); });
            ASSERT_TRUE(ref.has_value());
            ++tf.cases;
            tf.exact += t == 0;
            ASSERT_TRUE(rc::same(r, t, *ref, p, "fmod " + what));
            ASSERT_TRUE(rc::same(zx, widefp_rnd_fmod(zx.data(), zx.data(), y.data(), p, mode), *ref, p, "over x"));
            ASSERT_TRUE(rc::same(zy, widefp_rnd_fmod(zy.data(), x.data(), zy.data(), p, mode), *ref, p, "over y"));
        }
        {
            Words r(p + 1, 0x5a5a5a5a5a5a5a5aULL), zx = x;
            const int t = widefp_rnd_mod(r.data(), x.data(), y.data(), p, mode);
            const auto ref = rc::reference(p, mode, [&](mpfr_ptr o, mpfr_rnd_t rnd) { return mpfr_mod_ref(o, exact, my, rnd); });
            if (!ref || !exact_ok) {
                ++tm.unverifiable;
                continue;
            }
            ++tm.cases;
            tm.exact += t == 0;
            ASSERT_TRUE(rc::same(r, t, *ref, p, "mod " + what));
            ASSERT_TRUE(rc::same(zx, widefp_rnd_mod(zx.data(), zx.data(), y.data(), p, mode), *ref, p, "mod over x"));
        }
    }
}

TEST(RndFmod, RandomAgainstMpfr) {
    rc::Tally tf("fmod random"), tm("mod random");
    th::Rng rng(0xf70d);
    for (uint64_t p : some_precisions()) {
        const long count = th::cases(p <= 16 ? 60 : p <= 300 ? 10 : 3);
        for (long i = 0; i < count; ++i) {
            // gaps: small, about the precision, beyond the direct division, the whole range
            int64_t gap;
            switch (rng.below(5)) {
                case 0: gap = static_cast<int64_t>(rng.below(8)); break;
                case 1: gap = static_cast<int64_t>(rng.below(64 * p + 130)); break;
                case 2: gap = static_cast<int64_t>(rng.below(1 << 20)); break;
                case 3: gap = static_cast<int64_t>(rng.word() >> 2); break;
                default: gap = -static_cast<int64_t>(rng.below(100)); break;
            }
            int64_t ey = rng.coin() ? static_cast<int64_t>(rng.below(201)) - 100 : any_exponent(rng);
            if (gap > 0 && ey > kEmax - 1 - gap) ey = kEmax - 1 - gap;
            if (gap < 0 && ey < kEmin - gap) ey = kEmin - gap;
            const Words x = random_value(rng, p, ey + gap, rng.coin()), y = random_value(rng, p, ey, rng.coin());
            check_rem(tf, tm, x, y, p);
            if (HasFatalFailure()) return;
        }
    }
}

// Remainders far below the smallest number (fmod rounds then), equal
// operands, multiples, powers of two, huge gaps with short divisors.
TEST(RndFmod, EdgesAgainstMpfr) {
    rc::Tally tf("fmod edges"), tm("mod edges");
    for (uint64_t p : {1, 2, 5, 1023}) {
        Words a(p + 1, 0), b(p + 1, 0);
        a = at(a, kEmin);
        a[p] = 1;  // m (1 + ulp)
        b = at(b, kEmin);
        check_rem(tf, tm, a, b, p);  // fmod: m ulp, underflows
        Words nb = b;
        nb[0] |= th::kSign;
        check_rem(tf, tm, a, nb, p);
        check_rem(tf, tm, nb, a, p);
        check_rem(tf, tm, a, a, p);
        const Words three = th::from_double(3, p), m7 = th::from_double(-7, p), big = at(th::from_double(1.5, p), kEmax - 1);
        check_rem(tf, tm, big, three, p);
        check_rem(tf, tm, big, m7, p);
        check_rem(tf, tm, at(th::from_double(1, p), kEmax - 1), three, p);  // 2^(kEmax-1) mod 3
        check_rem(tf, tm, at(three, kEmax - 2), b, p);
        check_rem(tf, tm, at(th::from_double(-1.75, p), kEmax - 1), a, p);  // the longest gap, a long divisor
        check_rem(tf, tm, m7, big, p);
        check_rem(tf, tm, th::from_double(6, p), th::from_double(-3, p), p);  // zero results and their signs
        check_rem(tf, tm, th::from_double(-6, p), th::from_double(3, p), p);
        if (HasFatalFailure()) return;
    }
}

TEST(RndFmod, SpecialValuesAndErrors) {
    const uint64_t p = 2;
    Words pz(p + 1, 0), nz = pz, pinf = pz, ninf = pz, r(p + 1);
    nz[0] = th::kSign;
    pinf[0] = th::kExpMask;
    ninf[0] = th::kSign | th::kExpMask;
    const Words five = th::from_double(5.5, p), m5 = th::from_double(-5.5, p), m2 = th::from_double(-2, p);
    EXPECT_EQ(widefp_rnd_fmod(r.data(), five.data(), ninf.data(), p, 0), 0);
    EXPECT_EQ(r, five);
    EXPECT_EQ(widefp_rnd_fmod(r.data(), nz.data(), m2.data(), p, 0), 0);
    EXPECT_EQ(r, nz);
    widefp_rnd_fmod(r.data(), m5.data(), th::from_double(5.5, p).data(), p, WIDEFP_RNDU);
    EXPECT_EQ(r, nz);  // -0: the sign of x in every mode
    EXPECT_EQ(widefp_rnd_mod(r.data(), m5.data(), pz.data(), p, 0), 0);  // mod(x, 0) = x
    EXPECT_EQ(r, m5);
    widefp_rnd_mod(r.data(), nz.data(), five.data(), p, WIDEFP_RNDD);
    EXPECT_EQ(r, pz);  // zeros take y's sign
    widefp_rnd_mod(r.data(), five.data(), th::from_double(-5.5, p).data(), p, 0);
    EXPECT_EQ(r, nz);
    widefp_rnd_mod(r.data(), th::from_double(-1.5, p).data(), five.data(), p, 0);
    EXPECT_EQ(r, th::from_double(4, p));
    for (const Words *y : {&pz, &nz})
        EXPECT_EQ(fatal_of([&] { widefp_rnd_fmod(r.data(), five.data(), y->data(), p, 0); }), "widefp:domain");
    EXPECT_EQ(fatal_of([&] { widefp_rnd_fmod(r.data(), pinf.data(), five.data(), p, 0); }), "widefp:domain");
    EXPECT_EQ(fatal_of([&] { widefp_rnd_mod(r.data(), five.data(), ninf.data(), p, 0); }), "widefp:domain");
    EXPECT_EQ(fatal_of([&] { widefp_rnd_mod(r.data(), ninf.data(), five.data(), p, 0); }), "widefp:domain");
    EXPECT_EQ(fatal_of([&] { widefp_rnd_fmod(r.data(), five.data(), five.data(), 1024, 0); }), "widefp:range");
}

}  // namespace
