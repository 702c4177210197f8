// gamma.cpp -- correctly rounded Gamma(x) and ln|Gamma(x)|.
#include <cmath>
#include <cstring>

#include "special/stirling.h"
#include "widefp_special.h"

using namespace widefp::special;

namespace {

// Gamma(x) >= 2^(2^62) from x = 8.418e16 < 2^57 on; below -2^57 every
// non-integer x gives |Gamma(x)| <= pi / (|sin(pi x)| Gamma(1-x)) far below
// the smallest number (|sin(pi x)| >= 2^-64p).
constexpr int64_t kGammaOverflowExp = 57;

// (n-1)! for a positive integer n: exactly rounded and true when its odd
// part has at most 64p+2 bits (then the result may be exact or a tie, which
// an approximation could never decide); false otherwise.
bool exact_factorial(uint64_t *y, uint64_t n, uint64_t p, int mode, int *ternary) {
    if (n > 8192) return false;  // the odd part of 8191! has 93,000 bits
    // The odd part stays below p+2 words (longer ones leave); its widereal
    // copy (q+1 <= p+3 words) follows it.
    Scratch s(2 * p + 6);
    uint64_t *f = s.get(), len = 1;
    f[0] = 1;
    uint64_t twos = 0;  // factors of two taken out
    for (uint64_t k = 2; k < n; ++k) {
        uint64_t m = k;
        const int tz = __builtin_ctzll(m);
        m >>= tz;
        twos += static_cast<uint64_t>(tz);
        uint64_t c = 0;
        for (uint64_t i = 0; i < len; ++i) {
            const u128 t = static_cast<u128>(f[i]) * m + c;
            f[i] = static_cast<uint64_t>(t);
            c = static_cast<uint64_t>(t >> 64);
        }
        if (c) f[len++] = c;
        if (64 * (len - 1) > 64 * p + 2) return false;  // the odd part is too long
    }
    const uint64_t bits = 64 * len - static_cast<uint64_t>(__builtin_clzll(f[len - 1]));
    if (bits > 64 * p + 2) return false;
    const uint64_t q = len > p ? len : p;
    uint64_t *frac = f + len + 1;  // room for word 0 and q words
    integer_to_widereal(f, len, frac - 1, q);
    const int64_t e = unbiased_of(frac - 1) + static_cast<int64_t>(twos);
    *ternary = round_value(y, p, false, e, frac, q, 0, mode);
    return true;
}

// The sign of Gamma(x) for a finite x that is not a pole: sin(pi x) =
// (-1)^n sin(pi r) for x = n + r.
bool gamma_negative(const uint64_t *x, uint64_t p) {
    if (!is_neg(x)) return false;
    Scratch r(p + 1);
    const bool odd = nearest_split(x, p, r.get());
    return odd != is_neg(r.get());
}

}  // namespace

extern "C" {

int widefp_rnd_gamma(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    static const char *who = "rnd_gamma";
    check_args(who, p, mode);
    // ---- special values, poles, exact values and the range ----
    if (is_zero(x)) return set_inf(y, p, is_neg(x));
    if (is_inf(x)) {
        if (is_neg(x)) domain_error(who);
        return set_inf(y, p, false);
    }
    const bool integer = is_integer(x, p);
    if (integer && is_neg(x)) domain_error(who);
    const int64_t ex = unbiased_of(x);
    if (ex >= kGammaOverflowExp) {
        if (!is_neg(x)) return overflow(y, p, false, mode);
        return underflow(y, p, gamma_negative(x, p), mode, false);
    }
    if (ex <= -(64 * static_cast<int64_t>(p) + 4)) {
        // Gamma(x) = 1/x - gamma + O(x): for x = +-2^ex the value lies within
        // a relative 0.58 |x| < 2^-(64p+3) of 1/x = +-2^-ex, below it in
        // magnitude for x > 0 and above for x < 0, which no approximation
        // could decide.  (Other tiny x have a 1/x that is not dyadic.)
        bool pow2 = true;
        for (uint64_t j = 1; j <= p; ++j) pow2 = pow2 && x[j] == 0;
        if (pow2) {
            const bool neg = is_neg(x);
            const int up = neg ? -1 : 1;  // the ternary of a result above |v|
            if (neg) {                    // |v| = 2^-ex (1 + d): 2^-ex unless away from zero
                const bool away = away_from_zero(true, mode);
                set_pow2(y, p, true, -ex);
                if (!away) return -up;
                y[p] = 1;
                return up;
            }
            // |v| = 2^-ex (1 - d): 2^-ex unless toward zero
            if (mode == WIDEFP_RNDN || mode == WIDEFP_RNDU) {
                set_pow2(y, p, false, -ex);
                return up;
            }
            y[0] = static_cast<uint64_t>(-ex - 1 + static_cast<int64_t>(kBias));
            for (uint64_t j = 1; j <= p; ++j) y[j] = ~uint64_t{0};
            return -up;
        }
    }
    if (integer && ex < 14) {
        const uint64_t n = ex == 0 ? 1 : (x[1] >> (64 - ex)) | (uint64_t{1} << ex);
        int t;
        if (exact_factorial(y, n, p, mode, &t)) return t;
    }
    // ---- Gamma(x) = e^(+-S) D, the exponent of D kept apart ----
    Scratch xc(p + 1);  // x may be y
    std::memcpy(xc.get(), x, (p + 1) * sizeof(uint64_t));
    const uint64_t q0 = p + 1 + (ex >= 40 ? 1 : 0);
    return ziv_round(who, y, p, mode, q0, kMaxWork, [&](uint64_t q, uint64_t *frac, Approx &a) {
        Work w(q, kGammaPartsValues + 8);
        const StirlingPlan plan = stirling_plan(q);
        StirlingCoefs cs(w, plan.K);
        Num xv = w.num(), m = w.num();
        w.set(xv, xc.get(), p);
        GammaParts g;
        gamma_parts(w, cs, plan, xv, g);
        if (g.sgn < 0) w.negate(g.S);
        int64_t k = 0;
        w.exp(m, &k, g.S);
        w.mul(m, m, g.D);
        a.neg = g.neg;
        a.e = clamp_exponent(static_cast<__int128>(k) + g.eD + exp_of(m));
        a.re = m.re;
        std::memcpy(frac, m.w + 1, q * sizeof(uint64_t));
    });
}

int widefp_rnd_lgamma(uint64_t *y, int *sign, const uint64_t *x, uint64_t p, int mode) {
    static const char *who = "rnd_lgamma";
    check_args(who, p, mode);
    // ---- special values and poles ----
    if (is_zero(x) || is_inf(x)) {
        *sign = is_neg(x) ? -1 : 1;
        return set_inf(y, p, false);
    }
    const bool integer = is_integer(x, p);
    if (integer && is_neg(x)) {
        *sign = 1;
        return set_inf(y, p, false);
    }
    const int64_t ex = unbiased_of(x);
    // ln Gamma(1) = ln Gamma(2) = 0, the only exact results.
    bool one_or_two = false;
    if (integer && (ex == 0 || ex == 1)) {
        one_or_two = true;
        for (uint64_t j = 1; j <= p; ++j) one_or_two = one_or_two && x[j] == 0;
    }
    if (one_or_two) {
        *sign = 1;
        return set_zero(y, p, false);
    }
    const int s = gamma_negative(x, p) ? -1 : 1;
    // Near 1 and 2 the result is about -0.58 (x-1) or 0.42 (x-2): that many
    // more bits from the start.  Near the zeros below -2 the double
    // estimate gives the first guess.
    double extra = 0;
    if (!is_neg(x) && ex >= -1 && ex <= 1) {
        Scratch d(p + 1), one(p + 1);
        one.get()[0] = kBias + (log2_abs(x) >= 1.5 ? 1 : 0);  // 1 or 2
        widefp_float_sub(d.get(), x, one.get(), p);           // exact
        if (!is_zero(d.get())) extra = std::max(0.0, -log2_abs(d.get()));
    } else if (is_neg(x) && ex < 10) {
        const double l = std::fabs(std::lgamma(widefp_float_wrtod(x)));
        if (l < 0.25) extra = std::min(60.0, -std::log2(l > 0 ? l : 1e-300));
    }
    Scratch xc(p + 1);
    std::memcpy(xc.get(), x, (p + 1) * sizeof(uint64_t));
    const uint64_t q0 = p + 1 + static_cast<uint64_t>(std::ceil(extra / 64.0));
    const int t = ziv_round(who, y, p, mode, q0, kMaxWork, [&](uint64_t q, uint64_t *frac, Approx &a) {
        Work w(q, kGammaPartsValues + 8);
        Num xv = w.num(), l = w.num();
        w.set(xv, xc.get(), p);
        if (!is_neg(xc.get()) && ex >= 64 * static_cast<int64_t>(q) + 16) {
            // ln Gamma(x) = x (ln x - 1) (1 + d), |d| <= 2/x <= 2^(1-ex): x's
            // mantissa times (ln x - 1), x's exponent kept apart.
            Num one = w.num(), m = w.num();
            w.log(l, xv);
            w.set_int(one, 1);
            w.sub(l, l, one);
            w.scale(m, xv, -ex);
            w.mul(l, l, m);
            a.neg = false;
            a.e = ex + exp_of(l);
            a.re = lg_second_order(lg_add(l.re, 1.0 - static_cast<double>(ex)));
            std::memcpy(frac, l.w + 1, q * sizeof(uint64_t));
            return;
        }
        const StirlingPlan plan = stirling_plan(q);
        StirlingCoefs cs(w, plan.K);
        GammaParts g;
        gamma_parts(w, cs, plan, xv, g);
        w.log(l, g.D);  // ln D = ln Dm + eD ln 2
        if (g.eD != 0) {
            Num t = w.num();
            w.constant(t, Work::kLn2);
            w.imul(t, t, g.eD);
            w.add(l, l, t);
        }
        if (g.sgn < 0)
            w.sub(l, l, g.S);
        else
            w.add(l, l, g.S);
        if (zero_of(l) || l.re == kUseless) {
            a.re = kUseless;
            return;
        }
        a.neg = neg_of(l);
        a.e = exp_of(l);
        a.re = l.re;
        std::memcpy(frac, l.w + 1, q * sizeof(uint64_t));
    });
    *sign = s;
    return t;
}

}  // extern "C"
