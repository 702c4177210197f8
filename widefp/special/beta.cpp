// beta.cpp -- correctly rounded B(a, b) = Gamma(a) Gamma(b) / Gamma(a+b).
//
// B = sign * e^(sa Sa + sb Sb - sc Sc) * Da Db / Dc from the three sets of
// ln|Gamma| pieces (stirling.h), with one exponential; the exponents of the
// D factors are kept apart, so that results near either end of the range are
// formed without overflow.  When a > 0 is far larger than b^2 (and b is not
// a pole), ln(Gamma(a+b) / Gamma(a)) = b ln a + E with |E| <= 4 max(b^2, 1)/a
// replaces the two large Stirling sums that would cancel.  The special
// values follow MPFR's rules (see widefp_special.h); the exact results other
// than zeros and infinities are B(1, b) = 1/b for b a power of two and
// B(2, -1/2) = -4, and no other result is exact or halfway: B(m, b) for an
// integer m > 2 and a dyadic b is a rational whose denominator keeps an odd
// factor, and with no integer argument B is 0 or transcendental.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "special/stirling.h"
#include "widefp_special.h"

using namespace widefp::special;

namespace {

const char *const kWho = "rnd_beta";

// log2 of a bound on |x| (x zero: kExact).
double top_of(const Num &x) { return zero_of(x) ? kExact : static_cast<double>(exp_of(x)) + 1.0; }

// The numeric comparison of two finite or infinite widereals: -1, 0, 1.
int compare(const uint64_t *a, const uint64_t *b, uint64_t p) {
    if (is_zero(a) && is_zero(b)) return 0;
    if (widefp_float_lt(a, b, p)) return -1;
    if (widefp_float_lt(b, a, p)) return 1;
    return 0;
}

// True when x (finite) equals the small integer n.
bool equals_int(const uint64_t *x, uint64_t p, int64_t n) {
    Scratch t(p + 1);
    t.get()[0] = 0;
    if (n != 0) {
        const uint64_t m = n < 0 ? uint64_t{0} - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
        const int b = 63 - __builtin_clzll(m);
        t.get()[1] = b == 0 ? 0 : m << (64 - b);
        t.get()[0] = (n < 0 ? kSign : 0) | (kBias + static_cast<uint64_t>(b));
    }
    return compare(x, t.get(), p) == 0 && !is_inf(x);
}

// 1/x correctly rounded (x finite, nonzero, precision px): exact for a power
// of two; otherwise 1/x is not dyadic and sits at least 2^-(128p+4) of itself
// away from every boundary, so 2p+4 words decide.
int reciprocal(uint64_t *y, const uint64_t *x, uint64_t px, uint64_t p, int mode) {
    const bool neg = is_neg(x);
    bool pow2 = true;
    for (uint64_t j = 1; j <= px; ++j) pow2 = pow2 && x[j] == 0;
    const int64_t ex = unbiased_of(x);
    if (pow2) {
        Scratch one(p);
        return round_value(y, p, neg, -ex, one.get(), p, 0, mode);
    }
    const uint64_t qmax = 2 * std::max(p, px) + 4;
    return ziv_round(kWho, y, p, mode, p + 1, qmax, [&](uint64_t q, uint64_t *frac, Approx &a) {
        Scratch s(3 * (q + 1));
        uint64_t *m = s.get(), *one = m + (q + 1), *r = one + (q + 1);
        std::memcpy(m, x, (std::min(px, q) + 1) * sizeof(uint64_t));
        m[0] = kBias;  // the mantissa of |x|, in [1, 2)
        one[0] = kBias;
        widefp_float_div(r, one, m, q);
        a.neg = neg;
        a.e = unbiased_of(r) - ex;
        a.re = px > q ? 2.0 - 64.0 * static_cast<double>(q) : 1.0 - 64.0 * static_cast<double>(q);
        std::memcpy(frac, r + 1, q * sizeof(uint64_t));
    });
}

// The mode that rounds -v as mode rounds v.
int mirrored(int mode) { return mode == WIDEFP_RNDU ? WIDEFP_RNDD : mode == WIDEFP_RNDD ? WIDEFP_RNDU : mode; }

// B(z, w) for finite nonzero z >= w, neither a pole of the result's rules:
// the general computation.  c = z + w exactly at pc words.
int beta_general(uint64_t *y, const uint64_t *z, const uint64_t *w_, uint64_t pz, uint64_t pw, const uint64_t *c,
                 uint64_t pc, bool c_exact, uint64_t p, int mode) {
    const uint64_t pin = std::max(pz, pw);
    // The Stirling sums of arguments near 2^e are about e 2^e: their last
    // places cost that many bits of the result.
    const double e = std::max({0.0, log2_abs(z), log2_abs(w_)});
    const uint64_t q0 = pin + 1 + static_cast<uint64_t>((e + std::log2(e + 1.0) + 8.0) / 64.0);
    return ziv_round(kWho, y, p, mode, q0, kMaxWork, [&](uint64_t q, uint64_t *frac, Approx &a) {
        Work w(q, 3 * kGammaPartsValues + 16);
        Num av = w.num(), bv = w.num(), cv = w.num(), L = w.num(), D = w.num(), m = w.num();
        w.set(av, z, pz);
        w.set(bv, w_, pw);
        if (c_exact)
            w.set(cv, c, pc);
        else
            w.add(cv, av, bv);  // a + b beyond pc words: truncated at q
        const StirlingPlan plan = stirling_plan(q);
        StirlingCoefs cs(w, plan.K);
        // The larger magnitude, when positive and beyond b^2 2^(64q+12).
        const Num &big = log2_abs(av.w) >= log2_abs(bv.w) ? av : bv;
        const Num &small = &big == &av ? bv : av;
        const double lb = log2_abs(big.w), ls = log2_abs(small.w);
        __int128 eD = 0;
        bool neg;
        double err;  // log2 of an absolute bound on L's error
        if (!neg_of(big) && lb >= 64.0 * static_cast<double>(q) + 12.0 + 2.0 * std::max(0.0, ls)) {
            // B = Gamma(small) e^(-small ln big) e^-E
            GammaParts gs;
            gamma_parts(w, cs, plan, small, gs);
            Num t = w.num();
            if (gs.sgn < 0) w.negate(gs.S);
            w.log(t, big);
            w.mul(t, t, small);
            w.sub(L, gs.S, t);
            // absolute: the two terms' errors, the difference's rounding, E
            err = lg_add(lg_add(gs.S.re + top_of(gs.S), t.re + top_of(t)), lg_add(w.op() + top_of(L), -(64.0 * static_cast<double>(q) + 10.0)));
            eD = gs.eD;
            w.copy(D, gs.D);
            neg = gs.neg;
        } else {
            GammaParts ga, gb, gc;
            gamma_parts(w, cs, plan, av, ga);
            gamma_parts(w, cs, plan, bv, gb);
            gamma_parts(w, cs, plan, cv, gc);
            if (ga.sgn < 0) w.negate(ga.S);
            if (gb.sgn < 0) w.negate(gb.S);
            if (gc.sgn < 0) w.negate(gc.S);
            w.add(L, ga.S, gb.S);
            w.sub(L, L, gc.S);
            err = lg_add(lg_add(ga.S.re + top_of(ga.S), gb.S.re + top_of(gb.S)), gc.S.re + top_of(gc.S));
            err = lg_add(err, w.op() + 1.0 + std::max(top_of(L), std::max(top_of(ga.S), top_of(gb.S))));
            eD = static_cast<__int128>(ga.eD) + gb.eD - gc.eD;
            w.mul(D, ga.D, gb.D);
            w.div(D, D, gc.D);
            neg = (ga.neg != gb.neg) != gc.neg;
        }
        a.neg = neg;
        if (err > -4) {
            a.re = kUseless;
            return;
        }
        if (!zero_of(L) && exp_of(L) >= 62) {
            // |L| >= 2^62: e^L lies 2^62.5 binades away, beyond whatever D adds
            // when |eD| < 2^61; the result is decided as an overflow or an
            // underflow with any fraction.
            if (eD >= (__int128{1} << 61) || eD <= -(__int128{1} << 61)) {
                a.re = kUseless;
                return;
            }
            a.e = neg_of(L) ? kEmin - (int64_t{1} << 61) : kEmax + (int64_t{1} << 61);
            a.re = -64.0 * static_cast<double>(q);
            std::memset(frac, 0, q * sizeof(uint64_t));
            return;
        }
        int64_t k = 0;
        w.exp(m, &k, L, err);
        w.mul(m, m, D);
        a.e = clamp_exponent(static_cast<__int128>(k) + eD + exp_of(m));
        a.re = m.re;
        std::memcpy(frac, m.w + 1, q * sizeof(uint64_t));
    });
}

}  // namespace

extern "C" {

int widefp_rnd_beta(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode) {
    check_args(kWho, p, mode);
    // z >= w, as MPFR orders them (equal zeros keep their order).
    const uint64_t *z = a, *w = b;
    if (compare(a, b, p) < 0) std::swap(z, w);
    const bool zneg = is_neg(z), wneg = is_neg(w);

    // ---- zeros and infinities ----
    if (is_inf(z) || is_inf(w)) {
        if (is_inf(z) && !zneg) {  // z = +inf
            if (!is_zero(w) && !wneg) return set_zero(y, p, false);
            if (is_zero(w) || is_inf(w) || is_integer(w, p)) domain_error(kWho);
            // w < 0, not an integer: MPFR's sign, - when trunc(w) is odd
            // (+ on (-1, 0), - on (-2, -1), ...)
            return set_inf(y, p, trunc_odd(w, p));
        }
        // w = -inf: +-0 for a positive integer z, its parity the sign
        if (is_inf(z) || is_zero(z) || zneg || !is_integer(z, p)) domain_error(kWho);
        Scratch r(p + 1);
        return set_zero(y, p, nearest_split(z, p, r.get()));
    }
    if (is_zero(z) || is_zero(w)) {
        if (!is_zero(z)) return set_inf(y, p, wneg);  // z > 0, w = +-0
        if (!is_zero(w)) {                            // z = +-0, w < 0
            if (is_integer(w, p)) domain_error(kWho);
            return set_inf(y, p, zneg);
        }
        if (zneg != wneg) domain_error(kWho);
        return set_inf(y, p, zneg);
    }

    // ---- integer arguments at or below zero ----
    const bool w_integer = is_integer(w, p);
    if (w_integer && wneg) {
        if (zneg || !is_integer(z, p)) domain_error(kWho);
        // z + w > 0 is a domain error; z = -w gives 1/z; otherwise
        // B(z, w) = (-1)^z B(z, 1 - w - z), 1 - w - z >= 1 exact at p+1 words.
        Scratch zw(p + 2), zz(p + 2), ww(p + 2), one(p + 2), r(p + 1);
        std::memcpy(zz.get(), z, (p + 1) * sizeof(uint64_t));
        std::memcpy(ww.get(), w, (p + 1) * sizeof(uint64_t));
        widefp_float_add(zw.get(), zz.get(), ww.get(), p + 1);
        if (!is_zero(zw.get()) && !is_neg(zw.get())) domain_error(kWho);
        if (is_zero(zw.get())) return reciprocal(y, z, p, p, mode);
        one.get()[0] = kBias;
        widefp_float_sub(zw.get(), one.get(), zw.get(), p + 1);  // 1 - w - z, exact
        const bool odd = nearest_split(z, p, r.get());
        // B(z, n) with z, n positive integers: 1/n, 1/z or the general case
        int t;
        const int m = odd ? mirrored(mode) : mode;
        if (equals_int(z, p, 1))
            t = reciprocal(y, zw.get(), p + 1, p, m);
        else if (equals_int(zw.get(), p + 1, 1))
            t = reciprocal(y, z, p, p, m);
        else {
            Scratch c(p + 3), zc(p + 3), nc(p + 3);
            std::memcpy(zc.get(), z, (p + 1) * sizeof(uint64_t));
            std::memcpy(nc.get(), zw.get(), (p + 2) * sizeof(uint64_t));
            widefp_float_add(c.get(), zc.get(), nc.get(), p + 2);  // z + n < 2^(64p+3): exact
            t = beta_general(y, zc.get(), nc.get(), p + 2, p + 2, c.get(), p + 2, true, p, m);
        }
        if (odd) {
            y[0] ^= kSign;
            t = -t;
        }
        return t;
    }
    if (is_integer(z, p) && zneg) domain_error(kWho);

    // ---- z + w: exact when their bits overlap, else not an integer ----
    // Exact at 2p+2 words when the exponents lie at most 64p+2 apart; farther
    // apart the sum is not an integer (the smaller one's bits lie below the
    // larger one's last place) and serves truncated.
    const int64_t ew = unbiased_of(w);
    const uint64_t pc = 2 * p + 2;
    Scratch c(pc + 1), zc(pc + 1), wc(pc + 1);
    std::memcpy(zc.get(), z, (p + 1) * sizeof(uint64_t));
    std::memcpy(wc.get(), w, (p + 1) * sizeof(uint64_t));
    const uint64_t g = widefp_float_add(c.get(), zc.get(), wc.get(), pc);
    if (is_inf(c.get())) return underflow(y, p, false, mode, false);  // z + w beyond the range
    const bool c_exact = g == 0;
    if (c_exact && !w_integer && (is_zero(c.get()) || is_neg(c.get())) && is_integer(c.get(), pc))
        return set_zero(y, p, false);

    // ---- exact results ----
    if (equals_int(z, p, 1)) return reciprocal(y, w, p, p, mode);
    if (equals_int(w, p, 1)) return reciprocal(y, z, p, p, mode);
    if (equals_int(z, p, 2) && wneg && ew == -1) {
        bool half = true;
        for (uint64_t j = 1; j <= p; ++j) half = half && w[j] == 0;
        if (half) {  // B(2, -1/2) = -4
            set_pow2(y, p, true, 2);
            return 0;
        }
    }
    return beta_general(y, zc.get(), wc.get(), p, p, c.get(), pc, c_exact, p, mode);
}

}  // extern "C"
