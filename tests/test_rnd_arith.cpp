// Correctly rounded product, quotient, square root, hypot and integer power
// against MPFR in the four modes (random operands over the whole range and
// constructed hard cases: exact results, exact ties, results one unit of
// the tail from a boundary, range edges, signed zeros, aliasing); the error
// bounds of the truncated kernels that the fast paths trust; the rounded
// product of the element loops, subnormal doubles and the sign of x/0.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

#include "rnd_check.h"
#include "rounding/arith.h"
#include "rounding/ziv.h"
#include "widefp_linalg.h"

namespace {

using th::Words;
using widefp::rnd::kEmax;
using widefp::rnd::kEmin;
using Ours2 = int (*)(uint64_t *, const uint64_t *, const uint64_t *, uint64_t, int);

// ---- operands ----------------------------------------------------------------------

Words at(Words x, int64_t e) {
    x[0] = (x[0] & th::kSign) | static_cast<uint64_t>(e + static_cast<int64_t>(th::kBias));
    return x;
}
// An exponent anywhere, or within 200 of either end of the range.
int64_t any_exponent(th::Rng &rng) {
    switch (rng.below(4)) {
        case 0: return kEmin + static_cast<int64_t>(rng.below(200));
        case 1: return kEmax - static_cast<int64_t>(rng.below(200));
        case 2: return static_cast<int64_t>(rng.word() >> 2) - (int64_t{1} << 61);
        default: return static_cast<int64_t>(rng.below(161)) - 80;
    }
}
// A random odd integer of exactly `bits` bits.
void random_odd(mpz_t z, th::Rng &rng, uint64_t bits) {
    Words w((bits + 63) / 64);
    rng.fill(w.data(), w.size());
    mpz_import(z, w.size(), 1, 8, 0, 0, w.data());
    mpz_fdiv_r_2exp(z, z, bits);
    mpz_setbit(z, bits - 1);
    mpz_setbit(z, 0);
}
// The widereal +-z 2^e (z nonzero, of at most 64p+1 bits).
Words wr_of(mpz_srcptr z, int64_t e, bool neg, uint64_t p) {
    th::Mp v(p);
    EXPECT_EQ(mpfr_set_z_2exp(v, z, e, MPFR_RNDN), 0);
    if (neg) mpfr_neg(v, v, MPFR_RNDN);
    return th::from_mpfr(v, p);
}
struct Z {  // an mpz_t that clears itself
    mpz_t v;
    Z() { mpz_init(v); }
    ~Z() { mpz_clear(v); }
    operator mpz_ptr() { return v; }
};

// ---- the comparison ---------------------------------------------------------------

// MPFR's result, or where MPFR cannot give it (an operand or the result in
// our top binade, beyond MPFR's range) the double of MPFR's result for the
// value halved, unless that lies at the bottom of the range; our overflow
// when even the half overflows.  Empty when neither can be had.
using Fn = std::function<int(mpfr_ptr, mpfr_rnd_t)>;
std::optional<rc::Ref> reference(uint64_t p, int mode, bool neg, const Fn &full, const Fn &half) {
    if (full)
        if (auto r = rc::reference(p, mode, full)) return r;
    if (!half) return std::nullopt;
    if (auto h = rc::reference(p, mode, half)) {
        if (th::is_zero(h->w.data()) || th::unbiased(h->w.data()) <= kEmin) return std::nullopt;
        h->w[0] += 1;
        return h;
    }
    const bool away = mode == WIDEFP_RNDN || mode == (neg ? WIDEFP_RNDD : WIDEFP_RNDU);
    Words w(p + 1, away ? 0 : ~uint64_t{0});
    w[0] = (neg ? th::kSign : 0) | (away ? th::kExpMask : th::kExpMask - 1);
    return rc::Ref{w, (away != neg) ? 1 : -1};
}

bool top(const Words &x) { return !th::is_zero(x.data()) && !th::is_inf(x.data()) && th::unbiased(x.data()) == kEmax; }
// x with its exponent lowered by d, if it stays inside the range.
std::optional<Words> lowered(const Words &x, int d) {
    if (d == 0 || th::is_zero(x.data()) || th::is_inf(x.data())) return x;
    if (th::unbiased(x.data()) - d < kEmin) return std::nullopt;
    Words y = x;
    y[0] -= static_cast<uint64_t>(d);
    return y;
}

// ours(y, a, b) in the four modes against MPFR, and again over a, over b.
// f(a / 2^da, b / 2^db) = f(a, b) / 2 gives the reference where MPFR cannot
// hold an operand or the result.
void check2(rc::Tally &tally, Ours2 ours, rc::Mpfr2 theirs, const Words &a, const Words &b, uint64_t p, int da,
            int db, bool neg) {
    th::Mp ma(p), mb(p), ha(p), hb(p);
    th::to_mpfr(ma, a.data(), p);
    th::to_mpfr(mb, b.data(), p);
    const auto la = lowered(a, da), lb = lowered(b, db);
    const bool full = !top(a) && !top(b), half = la && lb && !top(*la) && !top(*lb);
    if (half) th::to_mpfr(ha, la->data(), p), th::to_mpfr(hb, lb->data(), p);
    for (int mode : rc::kModes) {
        Words y(p + 1, 0x5a5a5a5a5a5a5a5aULL), za = a, zb = b;
        const int t = ours(y.data(), a.data(), b.data(), p, mode);
        auto ref = reference(p, mode, neg, full ? Fn([&](mpfr_ptr o, mpfr_rnd_t r) { return theirs(o, ma, mb, r); }) : Fn(),
                             half ? Fn([&](mpfr_ptr o, mpfr_rnd_t r) { return theirs(o, ha, hb, r); }) : Fn());
        if (!ref) {
            ++tally.unverifiable;
            continue;
        }
        ++tally.cases;
        tally.exact += t == 0;
        const std::string what = std::string(tally.name) + " " + rc::mode_name(mode) + " a=" + th::hex(a) + " b=" + th::hex(b);
        ASSERT_TRUE(rc::same(y, t, *ref, p, what));
        ASSERT_TRUE(rc::same(za, ours(za.data(), za.data(), b.data(), p, mode), *ref, p, "over a: " + what));
        ASSERT_TRUE(rc::same(zb, ours(zb.data(), a.data(), zb.data(), p, mode), *ref, p, "over b: " + what));
    }
}
bool sign_xor(const Words &a, const Words &b) { return ((a[0] ^ b[0]) & th::kSign) != 0; }
// Halving a product: the factor in the top binade if one is.
void check_mul(rc::Tally &tally, const Words &a, const Words &b, uint64_t p) {
    const bool second = top(b) && !top(a);
    check2(tally, widefp_rnd_mul, mpfr_mul, a, b, p, second ? 0 : 1, second ? 1 : 0, sign_xor(a, b));
}

// A few cases per precision: many at small p, few at the top.
long cases_for(uint64_t p, long base) { return th::cases(p <= 16 ? base : p <= 160 ? base / 4 : base / 16 + 1); }

// ---- multiplication ------------------------------------------------------------------

// Operands whose product is exact, an exact tie (odd significands with a
// product of exactly 64p+2 bits), or next to a boundary: A = T B^-1 mod
// 2^(64p) puts the low 64p bits of A B at T, a zero or half tail moved by
// a few units of the guard word or by one unit of the product's last bit.
std::pair<Words, Words> hard_product(th::Rng &rng, uint64_t p, int kind) {
    const uint64_t bits = 64 * p + 1;
    Z A, B, M;
    const int64_t ea = static_cast<int64_t>(rng.below(41)) - 20, eb = static_cast<int64_t>(rng.below(41)) - 20;
    if (kind == 0) {  // exact
        const uint64_t ka = 1 + rng.below(bits - 1);
        random_odd(A, rng, ka);
        random_odd(B, rng, 1 + rng.below(bits - ka));
    } else if (kind == 1) {  // tie
        for (;;) {
            const uint64_t ka = 2 + rng.below(bits - 1);
            random_odd(A, rng, ka);
            random_odd(B, rng, bits + 2 - ka);
            mpz_mul(M, A, B);
            if (mpz_sizeinbase(M, 2) == bits + 1) break;
        }
    } else {  // near a boundary
        random_odd(B, rng, bits);
        Z T, mod;
        mpz_setbit(mod, bits - 1);
        if (rng.coin()) mpz_setbit(T, bits - 2);
        Z d;
        mpz_set_ui(d, rng.coin() ? 1 : 1 + rng.below(8 * p));
        if (rng.coin()) mpz_mul_2exp(d, d, 64 * (p - 1));  // units of the guard word
        rng.coin() ? mpz_add(T, T, d) : mpz_sub(T, T, d);
        mpz_invert(M, B, mod);
        mpz_mul(A, T, M);
        mpz_fdiv_r(A, A, mod);
        mpz_setbit(A, bits - 1);
    }
    return {wr_of(A, ea - static_cast<int64_t>(mpz_sizeinbase(A, 2)), rng.coin(), p),
            wr_of(B, eb - static_cast<int64_t>(mpz_sizeinbase(B, 2)), rng.coin(), p)};
}

TEST(RoundedMul, BitForBitWithMpfr) {
    th::Rng rng(21);
    rc::Tally tally("mul");
    for (uint64_t p : rc::precisions()) {
        for (long c = 0, n = cases_for(p, 200); c < n && !HasFailure(); ++c) {
            Words a = th::random_wr(rng, p), b = th::random_wr(rng, p);
            const int kind = static_cast<int>(c % 6);
            if (kind < 3) {
                std::tie(a, b) = hard_product(rng, p, kind);
            } else if (kind == 3) {  // exponent sums at and beyond both ends of the range
                const int64_t ea = any_exponent(rng) / 2, end = rng.coin() ? kEmax : kEmin;
                a = at(a, ea);
                b = at(b, std::clamp(end - ea + static_cast<int64_t>(rng.below(5)) - 2, kEmin, kEmax));
            } else if (kind == 4) {
                a = at(a, any_exponent(rng));
                b = at(b, any_exponent(rng));
            }
            check_mul(tally, a, b, p);
            if (c % 16 == 0) check_mul(tally, a, a, p);  // a square, y over both
        }
    }
}

// ---- division ----------------------------------------------------------------------

// Quotients next to a boundary: X 2^s = B Y + delta, B = -delta Y^-1 mod
// 2^s with s = 64p+1 (B/2^s in [1, 2)) or 64p+2 (in [1/2, 1)), so that X/Y
// lies delta/(Y 2^s) from B/2^s, a midpoint for odd delta, a representable
// number for even delta; delta of one unit of the last bit up to a few
// units of the guard word.  Or an exact quotient T = X/Y.
std::pair<Words, Words> hard_quotient(th::Rng &rng, uint64_t p) {
    const uint64_t bits = 64 * p + 1;
    Z X, Y, B, M, d, mod;
    for (;;) {
        if (rng.below(4) == 0) {  // exact
            const uint64_t kt = 1 + rng.below(bits - 1);
            random_odd(B, rng, kt);
            random_odd(Y, rng, 1 + rng.below(bits - kt));
            mpz_mul(X, B, Y);
            break;
        }
        random_odd(Y, rng, bits);
        const uint64_t s = bits + rng.below(2);
        mpz_set_ui(mod, 0);
        mpz_setbit(mod, s);
        mpz_set_ui(d, 1 + rng.below(8 * p));
        if (rng.coin()) mpz_mul_2exp(d, d, 64 * p - 63);
        if (rng.coin()) mpz_neg(d, d);
        mpz_invert(M, Y, mod);
        mpz_mul(B, d, M);
        mpz_neg(B, B);
        mpz_fdiv_r(B, B, mod);
        if (s == bits) mpz_setbit(B, s);
        if (mpz_sizeinbase(B, 2) != bits + 1) continue;
        mpz_mul(X, B, Y);
        mpz_add(X, X, d);
        mpz_fdiv_q_2exp(X, X, s);  // exact by construction
        if (mpz_sizeinbase(X, 2) - mpz_scan1(X, 0) <= bits) break;
    }
    const int64_t ex = static_cast<int64_t>(rng.below(41)) - 20, ey = static_cast<int64_t>(rng.below(41)) - 20;
    return {wr_of(X, ex - static_cast<int64_t>(mpz_sizeinbase(X, 2)), rng.coin(), p),
            wr_of(Y, ey - static_cast<int64_t>(mpz_sizeinbase(Y, 2)), rng.coin(), p)};
}

TEST(RoundedDiv, BitForBitWithMpfr) {
    th::Rng rng(22);
    rc::Tally tally("div");
    for (uint64_t p : rc::precisions()) {
        for (long c = 0, n = cases_for(p, 160); c < n && !HasFailure(); ++c) {
            Words a = th::random_wr(rng, p), b = th::random_wr(rng, p);
            const int kind = static_cast<int>(c % 4);
            if (kind == 0) {
                std::tie(a, b) = hard_quotient(rng, p);
            } else if (kind == 1) {  // exponent differences at and beyond both ends
                const int64_t eb = any_exponent(rng) / 2, end = rng.coin() ? kEmax : kEmin;
                b = at(b, eb);
                a = at(a, std::clamp(end + eb + static_cast<int64_t>(rng.below(5)) - 2, kEmin, kEmax));
            } else if (kind == 2) {
                a = at(a, any_exponent(rng));
                b = at(b, any_exponent(rng));
            }
            check2(tally, widefp_rnd_div, mpfr_div, a, c % 32 ? b : a, p, 1, 0, c % 32 && sign_xor(a, b));
        }
    }
}

// ---- square root and hypot ------------------------------------------------------------

// Squares and roots one unit of the tail from a midpoint or a representable
// number: K^2 = X 2^m + delta for delta = 1 mod 8 (K from the 2-adic square
// root of delta, Newton's iteration on the inverse root), m = 64p+2 (K of
// 64p+2 bits: sqrt(X) next to a midpoint) or 64p (next to K itself).
Words hard_square(th::Rng &rng, uint64_t p) {
    const uint64_t bits = 64 * p + 1;
    Z K, X, y, t, mod;
    for (;;) {
        if (rng.below(3) == 0) {  // an exact square
            random_odd(K, rng, 1 + rng.below(bits / 2));
            mpz_mul(X, K, K);
            break;
        }
        const uint64_t m = rng.coin() ? bits + 1 : bits - 1;
        const long delta = 8 * static_cast<long>(rng.below(4 * p)) * (rng.coin() ? 1 : -1) + 1;
        mpz_set_ui(mod, 0);
        mpz_setbit(mod, m + 1);
        mpz_set_ui(y, 1);  // delta y^2 = 1 mod 8, doubling the bits a step
        for (uint64_t k = 3; k < m + 1; k = 2 * k - 1) {
            mpz_mul(t, y, y);
            mpz_mul_si(t, t, delta);
            mpz_ui_sub(t, 3, t);
            mpz_mul(y, y, t);
            mpz_fdiv_q_2exp(y, y, 1);
            mpz_fdiv_r(y, y, mod);
        }
        mpz_mul_si(K, y, delta);  // K^2 = delta mod 2^m
        mpz_fdiv_r_2exp(K, K, m);
        if (m == bits + 1) {
            if (!mpz_tstbit(K, m - 1)) mpz_ui_sub(K, 0, K), mpz_add(K, K, mod), mpz_fdiv_r_2exp(K, K, m);
        } else {
            mpz_setbit(K, m);
        }
        mpz_mul(X, K, K);
        mpz_sub_ui(X, X, static_cast<unsigned long>(delta > 0 ? delta : 0));
        if (delta < 0) mpz_add_ui(X, X, static_cast<unsigned long>(-delta));
        if (!mpz_divisible_2exp_p(X, m)) continue;
        mpz_fdiv_q_2exp(X, X, m);
        if (mpz_sizeinbase(X, 2) - mpz_scan1(X, 0) <= bits) break;
    }
    const int64_t e = 2 * (static_cast<int64_t>(rng.below(41)) - 20);  // even: the root keeps its digits
    return wr_of(X, e - 2 * static_cast<int64_t>((mpz_sizeinbase(X, 2) + 1) / 2), false, p);
}

int ours_sqrt(uint64_t *y, const uint64_t *a, const uint64_t *, uint64_t p, int mode) {
    return widefp_rnd_sqrt(y, a, p, mode);
}
int mpfr_sqrt2(mpfr_ptr y, mpfr_srcptr a, mpfr_srcptr, mpfr_rnd_t r) { return mpfr_sqrt(y, a, r); }

TEST(RoundedSqrt, BitForBitWithMpfr) {
    th::Rng rng(23);
    rc::Tally tally("sqrt");
    for (uint64_t p : rc::precisions()) {
        for (long c = 0, n = cases_for(p, 300); c < n && !HasFailure(); ++c) {
            Words x = c % 2 ? hard_square(rng, p) : th::random_wr(rng, p, -80, 80, false);
            if (c % 4 == 2) x = at(x, any_exponent(rng));
            check2(tally, ours_sqrt, mpfr_sqrt2, x, x, p, 2, 2, false);  // sqrt(x/4) = sqrt(x)/2
        }
    }
}

TEST(RoundedHypot, BitForBitWithMpfr) {
    th::Rng rng(24);
    rc::Tally tally("hypot");
    for (uint64_t p : rc::precisions()) {
        for (long c = 0, n = cases_for(p, 200); c < n && !HasFailure(); ++c) {
            Words a = th::random_wr(rng, p, -80, 80), b = th::random_wr(rng, p, -80, 80);
            switch (c % 5) {
                case 0: {  // Pythagorean: (u^2 - v^2, 2uv) 2^e, exact hypot u^2 + v^2
                    Z u, v, s, d;
                    random_odd(u, rng, 2 + rng.below(32 * p - 1));
                    random_odd(v, rng, 1 + rng.below(mpz_sizeinbase(u, 2) - 1));
                    mpz_mul(s, u, u);
                    mpz_submul(s, v, v);
                    mpz_mul(d, u, v);
                    mpz_mul_2exp(d, d, 1);
                    const int64_t e = static_cast<int64_t>(rng.below(200)) - 100;
                    a = wr_of(s, e, rng.coin(), p);
                    b = wr_of(d, e, rng.coin(), p);
                    break;
                }
                case 1:  // b at and around a quarter unit of a's last place
                    b = at(b, th::unbiased(a.data()) - 32 * static_cast<int64_t>(p) - 4 + static_cast<int64_t>(rng.below(8)));
                    break;
                case 2:  // near the top of the range and beyond
                    a = at(a, kEmax - static_cast<int64_t>(rng.below(3)));
                    b = at(b, kEmax - static_cast<int64_t>(rng.below(70)));
                    break;
                case 3:
                    a = at(a, any_exponent(rng));
                    b = at(b, any_exponent(rng));
                    break;
                default:
                    break;
            }
            check2(tally, widefp_rnd_hypot, mpfr_hypot, a, c % 32 ? b : a, p, 1, 1, false);
        }
    }
}

// ---- integer powers ------------------------------------------------------------------

TEST(RoundedPowSi, BitForBitWithMpfr) {
    th::Rng rng(25);
    rc::Tally tally("pow_si");
    long exact_path = 0, ties = 0, calls[2] = {0, 0}, retried[2] = {0, 0};  // [0]: uniformly random significands
    for (uint64_t p : rc::precisions()) {
        for (long c = 0, count = cases_for(p, 150); c < count && !HasFailure(); ++c) {
            Words x = th::random_wr(rng, p, -3, 3);
            int64_t n = static_cast<int64_t>(rng.below(41)) - 20;
            switch (c % 6) {
                case 0: {  // few significant bits: exact, a tie (X^n of 64p+2 bits) or just past
                    Z X, P;
                    random_odd(X, rng, 2 + rng.below(12));
                    n = 1 + static_cast<int64_t>(rng.below((64 * p + 70) / (mpz_sizeinbase(X, 2) - 1)));
                    for (bool tie = c % 12 != 0; !tie;) {  // powers of 64p+2 bits: a tie in every mode
                        random_odd(X, rng, 2 + rng.below(12));
                        const double per = std::log2(mpz_get_d(X));  // bits per factor
                        for (n = static_cast<int64_t>((64 * p + 1) / per) - 1; !tie && n < (64 * p + 1) / per + 2; ++n) {
                            mpz_pow_ui(P, X, static_cast<unsigned long>(n));
                            tie = mpz_sizeinbase(P, 2) == 64 * p + 2;
                        }
                        n -= tie;
                        ties += tie;
                    }
                    x = wr_of(X, static_cast<int64_t>(rng.below(11)) - 5, rng.coin(), p);
                    if (rng.below(4) == 0) n = -n;
                    ++exact_path;
                    break;
                }
                case 1: {  // |n| up to 2^63 with x near 1, the result inside the range or at its ends
                    const int sh = static_cast<int>(rng.below(64));
                    n = static_cast<int64_t>(rng.word() >> sh) * (rng.coin() ? 1 : -1);
                    x = at(x, rng.coin() ? 0 : -1);
                    for (uint64_t j = 1; j <= p && j <= 2; ++j) x[j] = x[0] & 1 ? 0 : ~uint64_t{0};
                    if (rng.coin()) x[1] = x[1] & ~uint64_t{0} >> (rng.below(63) + 1);
                    if (c % 12 == 1) n = rng.coin() ? INT64_MIN : INT64_MAX;
                    break;
                }
                case 2:  // results at the ends of the range
                    n = static_cast<int64_t>(1 + rng.below(1000)) * (rng.coin() ? 1 : -1);
                    x = at(x, (rng.coin() ? kEmax : kEmin) / n + static_cast<int64_t>(rng.below(3)) - 1);
                    break;
                case 3:  // a power of two, n e at the ends of the range
                    x.assign(p + 1, 0);
                    n = rng.coin() ? 2 : -3;
                    x = at(x, (rng.coin() ? kEmax : kEmin) / n + static_cast<int64_t>(rng.below(3)) - 1);
                    break;
                case 4:  // uniformly random significand
                    for (uint64_t j = 1; j <= p; ++j) x[j] = rng.word();
                    break;
                default:  // the harness's patterns: runs of ones and zeros, bases next to 1 or 2
                    break;
            }
            th::Mp mx(p);
            th::to_mpfr(mx, x.data(), p);
            for (int mode : rc::kModes) {
                Words y(p + 1, 0x5a5a5a5a5a5a5a5aULL), z = x;
                const uint64_t r0 = widefp::rnd::pow_si_retries.load();
                const int t = widefp_rnd_pow_si(y.data(), x.data(), n, p, mode);
                retried[c % 6 != 4] += widefp::rnd::pow_si_retries.load() != r0;
                ++calls[c % 6 != 4];
                // Our top binade lies beyond MPFR's range: such bases and results are left out.
                auto ref = top(x) ? std::nullopt
                                  : rc::reference(p, mode, [&](mpfr_ptr o, mpfr_rnd_t r) { return mpfr_pow_si(o, mx, n, r); });
                if (!ref) {
                    ++tally.unverifiable;
                    continue;
                }
                ++tally.cases;
                tally.exact += t == 0;
                const std::string what = "pow_si " + std::string(rc::mode_name(mode)) + " n=" + std::to_string(n) + " x=" + th::hex(x);
                ASSERT_TRUE(rc::same(y, t, *ref, p, what));
                ASSERT_TRUE(rc::same(z, widefp_rnd_pow_si(z.data(), z.data(), n, p, mode), *ref, p, "over x: " + what));
            }
        }
    }
    std::printf("[ rounding ] pow_si: %ld few-bit bases (%ld exact ties); a second Ziv attempt in %ld of %ld calls with "
                "uniformly random significands, in %ld of %ld others (bases next to 1 or 2 have powers next to "
                "representable numbers)\n",
                exact_path, ties, retried[0], calls[0], retried[1], calls[1]);
    EXPECT_GT(ties, 10);
}

// ---- special values --------------------------------------------------------------------

TEST(RoundedArith, SpecialValues) {
    const uint64_t p = 2;
    Words pz(p + 1, 0), nz = pz, pinf = pz, ninf = pz, one = th::from_double(1, p), m3 = th::from_double(-3, p);
    nz[0] = th::kSign;
    pinf[0] = th::kExpMask;
    ninf[0] = th::kExpMask | th::kSign;
    auto word0 = [&](auto f) {
        Words y(p + 1, 7);
        EXPECT_EQ(f(y.data()), 0);
        for (uint64_t j = 1; j <= p; ++j) EXPECT_EQ(y[j], 0u);
        return y[0];
    };
    for (int mode : rc::kModes) {
        EXPECT_EQ(word0([&](uint64_t *y) { return widefp_rnd_div(y, one.data(), nz.data(), p, mode); }), ninf[0]);
        EXPECT_EQ(word0([&](uint64_t *y) { return widefp_rnd_div(y, m3.data(), nz.data(), p, mode); }), pinf[0]);
        EXPECT_EQ(word0([&](uint64_t *y) { return widefp_rnd_div(y, nz.data(), ninf.data(), p, mode); }), pz[0]);
        EXPECT_EQ(word0([&](uint64_t *y) { return widefp_rnd_mul(y, nz.data(), one.data(), p, mode); }), nz[0]);
        EXPECT_EQ(word0([&](uint64_t *y) { return widefp_rnd_mul(y, ninf.data(), m3.data(), p, mode); }), pinf[0]);
        EXPECT_EQ(word0([&](uint64_t *y) { return widefp_rnd_sqrt(y, nz.data(), p, mode); }), nz[0]);
        EXPECT_EQ(word0([&](uint64_t *y) { return widefp_rnd_sqrt(y, pinf.data(), p, mode); }), pinf[0]);
        EXPECT_EQ(word0([&](uint64_t *y) { return widefp_rnd_hypot(y, nz.data(), nz.data(), p, mode); }), pz[0]);
        EXPECT_EQ(word0([&](uint64_t *y) { return widefp_rnd_hypot(y, ninf.data(), m3.data(), p, mode); }), pinf[0]);
        for (int64_t n : {INT64_MIN, int64_t{-3}, int64_t{-2}, int64_t{0}, int64_t{3}, int64_t{4}, INT64_MAX})
            for (const Words *x : {&pz, &nz, &pinf, &ninf}) {
                th::Mp mx(p), want(p);
                th::to_mpfr(mx, x->data(), p);
                mpfr_pow_si(want, mx, n, MPFR_RNDN);
                EXPECT_EQ(word0([&](uint64_t *y) { return widefp_rnd_pow_si(y, x->data(), n, p, mode); }),
                          th::from_mpfr(want, p)[0])
                    << n << " " << th::hex(*x);
            }
    }
    Words y(p + 1);
    EXPECT_EXIT(widefp_rnd_mul(y.data(), pz.data(), ninf.data(), p, 0), ::testing::ExitedWithCode(1), "domain");
    EXPECT_EXIT(widefp_rnd_div(y.data(), nz.data(), pz.data(), p, 0), ::testing::ExitedWithCode(1), "domain");
    EXPECT_EXIT(widefp_rnd_div(y.data(), pinf.data(), ninf.data(), p, 0), ::testing::ExitedWithCode(1), "domain");
    EXPECT_EXIT(widefp_rnd_sqrt(y.data(), m3.data(), p, 0), ::testing::ExitedWithCode(1), "domain");
    EXPECT_EXIT(widefp_rnd_sqrt(y.data(), ninf.data(), p, 0), ::testing::ExitedWithCode(1), "domain");
    EXPECT_EXIT(widefp_rnd_pow_si(y.data(), one.data(), 2, 1024, 0), ::testing::ExitedWithCode(1), "precision");
}

// ---- the kernels' error bounds ----------------------------------------------------------

// The fast paths trust two claims: the half product's exact tail lies in
// [G - 2p, G) units of its guard word G, the quotient's in (next - 2p,
// next + 2), next = G - 2^33.  Checked against MPFR on random and hard
// operands, counting how often the guard word alone decides the rounding.
TEST(TruncatedKernels, GuardWordsWithinTheirBounds) {
    th::Rng rng(26);
    long mul_cases[2] = {0, 0}, mul_decided[2] = {0, 0}, div_cases[2] = {0, 0}, div_decided[2] = {0, 0};  // [1]: hard
    double mul_lo = 0, mul_hi = -1e300, div_lo = 1e300, div_hi = -1e300;  // tail - G (mul), tail - next (div)
    for (uint64_t p : rc::precisions()) {
        if (p < 2 || p >= 720) continue;
        for (long c = 0, n = cases_for(p, 400); c < n; ++c) {
            const bool hard = c % 2;
            auto [a, b] = hard ? (c % 4 == 1 ? hard_product(rng, p, 1 + rng.below(2)) : hard_quotient(rng, p))
                               : std::pair{th::random_wr(rng, p, 0, 0), th::random_wr(rng, p, 0, 0)};
            for (uint64_t j = 1; !hard && j <= p; ++j) a[j] = rng.word(), b[j] = rng.word();  // uniformly random
            a = at(a, 0);
            b = at(b, 0);
            th::Mp ma(p), mb(p), t(p), v(static_cast<mpfr_prec_t>(128 * p + 256), true);
            th::to_mpfr(ma, a.data(), p);
            th::to_mpfr(mb, b.data(), p);
            for (int op = 0; op < 2; ++op) {
                Words r(p + 1);
                const uint64_t g = op ? widefp_float_div(r.data(), a.data(), b.data(), p)
                                      : widefp_float_mul_h(r.data(), a.data(), b.data(), p);
                if (g == widefp::detail::kSaturated || (op && g == 0)) continue;
                (op ? mpfr_div : mpfr_mul)(v, ma, mb, MPFR_RNDZ);  // exact, or below by far less than 2^-64 units
                th::to_mpfr(t, r.data(), p);
                mpfr_abs(v, v, MPFR_RNDN);
                mpfr_abs(t, t, MPFR_RNDN);
                mpfr_sub(v, v, t, MPFR_RNDN);  // the exact tail
                mpfr_mul_2si(v, v, 64 * static_cast<long>(p) + 64 - th::unbiased(r.data()), MPFR_RNDN);
                mpfr_sub_ui(v, v, op ? g - (uint64_t{1} << 33) : g, MPFR_RNDN);
                const double off = mpfr_get_d(v, MPFR_RNDN);  // tail - G or tail - next, in units of G
                const long lo = -2 * static_cast<long>(p);
                if (op) {
                    ++div_cases[hard];
                    div_lo = std::min(div_lo, off);
                    div_hi = std::max(div_hi, off);
                    ASSERT_TRUE(mpfr_cmp_si(v, lo) > 0 && mpfr_cmp_si(v, 2) < 0) << "div p=" << p << " off=" << off;
                    const uint64_t next = g - (uint64_t{1} << 33);
                    div_decided[hard] += (next >= 2 * p && next <= th::kSign - 2) || next >= th::kSign + 2 * p;
                } else {
                    ++mul_cases[hard];
                    mul_lo = std::min(mul_lo, off);
                    mul_hi = std::max(mul_hi, off);
                    ASSERT_TRUE(mpfr_cmp_si(v, lo) >= 0 && mpfr_cmp_si(v, 0) < 0) << "mul p=" << p << " off=" << off;
                    mul_decided[hard] += (g > 2 * p && g <= th::kSign) || g > th::kSign + 2 * p;
                }
            }
        }
    }
    std::printf("[ rounding ] half product: guard decided %ld of %ld random, %ld of %ld near a boundary; tail - G in "
                "[%.1f, %.2f]\n", mul_decided[0], mul_cases[0], mul_decided[1], mul_cases[1], mul_lo, mul_hi);
    std::printf("[ rounding ] quotient: guard decided %ld of %ld random, %ld of %ld near a boundary; tail - next in "
                "[%.1f, %.2f]\n", div_decided[0], div_cases[0], div_decided[1], div_cases[1], div_lo, div_hi);
}

// ---- kernel mends ---------------------------------------------------------------------------

// widefp_float_mul_near rounds to nearest with ties to even, as MPFR: exact
// ties and near-ties from 2 to 719 words (where the column product's guard
// word misses them), and an underflowed product of exactly half the
// smallest number, which rounds to zero.  The plain rounding of the column
// product's guard word gets some of these cases wrong.
TEST(KernelMends, RoundedProductTiesToEven) {
    th::Rng rng(27);
    long cases = 0, plain_wrong = 0;
    for (uint64_t p : {2, 3, 5, 8, 16, 31, 64, 160, 300, 719, 720, 1000}) {
        for (long c = 0, n = cases_for(p, 60); c < n && !HasFailure(); ++c) {
            auto [a, b] = hard_product(rng, p, 1 + c % 2);
            Words y(p + 1), plain(p + 1), z = a;
            widefp_float_mul_near(y.data(), a.data(), b.data(), p);
            widefp_float_round_near(plain.data(), widefp_float_mul(plain.data(), a.data(), b.data(), p), p);
            auto ref = rc::reference2(mpfr_mul, a.data(), b.data(), p, WIDEFP_RNDN);
            ASSERT_TRUE(ref.has_value());
            ++cases;
            plain_wrong += !th::same_value(plain.data(), ref->w.data(), p);
            ASSERT_TRUE(th::same_value(y.data(), ref->w.data(), p)) << "p=" << p << " a=" << th::hex(a) << " b=" << th::hex(b);
            widefp_float_mul_near(z.data(), z.data(), b.data(), p);
            ASSERT_TRUE(th::same_value(z.data(), ref->w.data(), p)) << "over a, p=" << p;
        }
    }
    for (uint64_t p : {2, 9}) {  // 2^-(2^61) * 2^(kEmin - 1 + 2^61) = m/2: a tie with zero
        Words a(p + 1, 0), b(p + 1, 0), y(p + 1);
        a = at(a, -(int64_t{1} << 61));
        b = at(b, kEmin - 1 + (int64_t{1} << 61));
        widefp_float_mul_near(y.data(), a.data(), b.data(), p);
        EXPECT_EQ(y[0], 0u);
        a[p] = 1;  // just above the tie: the smallest number
        widefp_float_mul_near(y.data(), a.data(), b.data(), p);
        EXPECT_EQ(y[0], 1u);
    }
    std::printf("[ rounding ] rounded product: %ld hard cases as MPFR; the plain guard rounding missed %ld\n", cases,
                plain_wrong);
    EXPECT_GT(plain_wrong, 0);
}

// Subnormal doubles round to nearest with ties to even (value of words 0
// and 1): MPFR's integer nearest to the value over 2^-1074.
TEST(KernelMends, SubnormalDoublesToNearestEven) {
    th::Rng rng(28);
    long ties = 0;
    for (long c = 0, n = th::cases(100000); c < n; ++c) {
        Words x(2);
        x[1] = c % 3 ? rng.word() : (rng.word() << rng.below(64)) | (c % 2 ? 0 : uint64_t{1} << rng.below(64));
        const int64_t e = -1080 + static_cast<int64_t>(rng.below(58));  // -1080..-1023
        x = at(x, e);
        if (rng.coin()) x[0] |= th::kSign;
        th::Mp v(static_cast<mpfr_prec_t>(200), true), f(static_cast<mpfr_prec_t>(200), true);
        th::to_mpfr(v, x.data(), 1);
        mpfr_mul_2si(v, v, 1074, MPFR_RNDN);
        mpfr_frac(f, v, MPFR_RNDN);
        ties += mpfr_cmpabs_ui(f, 0) > 0 && mpfr_cmp_d(f.get(), mpfr_signbit(f.get()) ? -0.5 : 0.5) == 0;
        mpfr_rint(v, v, MPFR_RNDN);  // ties to even
        const double want = std::ldexp(mpfr_get_d(v, MPFR_RNDN), -1074), got = widefp_float_wrtod(x.data());
        ASSERT_EQ(std::signbit(got), (x[0] & th::kSign) != 0);
        ASSERT_EQ(got, want) << "e=" << e << " w=" << th::hex(x[1]);
    }
    EXPECT_GT(ties, 100);
    auto d = [](int64_t e, uint64_t w) { return widefp_float_wrtod(at(Words{0, w}, e).data()); };
    EXPECT_EQ(d(-1075, 1ULL << 63), std::ldexp(1.0, -1074));  // 0.75 * 2^-1074
    EXPECT_EQ(d(-1075, 0), 0.0);                               // a tie with zero
    EXPECT_EQ(d(-1074, 1ULL << 63), std::ldexp(2.0, -1074));  // 1.5: to even
    EXPECT_EQ(d(-1073, 1ULL << 62), std::ldexp(2.0, -1074));  // 2.5: to even
    EXPECT_EQ(d(-1023, ~uint64_t{0}), DBL_MIN);                // rounds up into the normal range
}

// The quotient of x by a zero is an infinity signed as a product (IEEE
// 754: 1/(-0) = -inf), in the truncating element loop and the rounded layer.
TEST(KernelMends, DivisionByZeroSignedAsAProduct) {
    const uint64_t p = 2;
    const double xs[] = {1.0, -1.0, 0.0, -0.0}, ys[] = {0.0, -0.0};
    for (double xd : xs)
        for (double yd : ys) {
            Words x = th::from_double(xd, p), y = th::from_double(yd, p), r(p + 1, 3);
            widefp_float_div_all(r.data(), x.data(), y.data(), 1, p);
            const uint64_t want = th::kExpMask | ((x[0] ^ y[0]) & th::kSign);
            EXPECT_EQ(r[0], want) << xd << "/" << yd;
            if (xd != 0) {
                EXPECT_EQ(widefp_rnd_div(r.data(), x.data(), y.data(), p, WIDEFP_RNDN), 0);
                EXPECT_EQ(r[0], want) << xd << "/" << yd;
            }
        }
}

}  // namespace
