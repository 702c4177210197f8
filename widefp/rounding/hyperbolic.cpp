// hyperbolic.cpp -- correctly rounded sinh, cosh, tanh, asinh, acosh and atanh on the kernels of exp_log.cpp.
//
// Each is an odd or even function of |x| formed without cancellation:
//   sinh x = u (u+2) / (2 (u+1)), u = e^|x| - 1, for |x| < 1/2; (E - 1/E)/2,
//            E = e^|x|, beyond, and E/2 once 1/E is below the last place;
//   cosh x = (E + 1/E)/2, E/2 likewise;
//   tanh x = u / (u+2), u = e^2|x| - 1;
//   asinh x = ln(1 + t), t = |x| + x^2/(1 + sqrt(1 + x^2)) for |x| < 1,
//            ln(|x| + sqrt(x^2 + 1)) beyond, ln 2|x| once 1/(4x^2) is below
//            the last place;
//   acosh x = ln(1 + t), t = d + sqrt(d (d+2)), d = x - 1, ln 2x likewise;
//   atanh x = ln(1 + t)/2, t = 2|x| / (1 - |x|).
// ln(1 + t) goes to the kernel of ln(1 + d) while 1 + t < 1.41, to the
// logarithm of 1 + t beyond (then at least 1/3, so that a relative error
// of 1 + t is one of the result).  The relative error bounds, in units of
// 2^-64W, add those of the steps: a sum of terms of one sign or a product
// or quotient adds one rounding; the truncated square root is within 8.5
// units of its last place; a sum 1 + r or a difference scales r's error by
// |r| over the result.  Arguments next to 0 are decided from x (the first
// term after x is below 2^-(64p+3) relative), results next to 1 and beyond
// the range likewise.
#include <cstring>

#include "rounding/exp_log.h"

using namespace widefp::rnd;
using namespace widefp::rnd::el;

namespace {

constexpr long double kLn2L = 0.693147180559945309417232121458176568L;

// The square root at W words with its work area.
void sqrt_w(uint64_t *r, const uint64_t *x, uint64_t W) {
    Buf b(4 * W + 8);
    widefp_float_sqrt(r, x, W, b.take(4 * W + 8));
}

// ln(1 + t) at W words for a positive t (W words) with relative error ct:
// the kernel below 1.41 (the slope t/((1+t) ln(1+t)) <= 1.27 there), the
// logarithm of 1 + t beyond.
double log1p_pos(uint64_t *a, const uint64_t *t, double ct, uint64_t W) {
    if (unbiased_of(t) <= -3 || to_ld(t, W) <= 0.41L) return log1p_reduced(a, t, W) + 1.27 * ct;
    Buf b(2 * (W + 1));
    uint64_t *one = b.take(W + 1), *s = b.take(W + 1);
    set_one(one, W);
    widefp_float_add(s, t, one, W);
    return log_core(a, s, W, 0, W, ct + 1);
}

// |x| at W words.
void abs_to(uint64_t *X, const uint64_t *x, uint64_t p, uint64_t W) {
    copy_wr(X, W, x, p);
    X[0] &= ~kSign;
}

}  // namespace

extern "C" {

int widefp_rnd_sinh(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    check_args("rnd_sinh", p, mode);
    const bool neg = is_neg(x);
    if (is_zero(x)) return set_zero(y, p, neg);
    if (is_inf(x)) return set_inf(y, p, neg);
    const int64_t ex = unbiased_of(x);
    if (ex >= 62) return overflow(y, p, neg, mode);                                       // e^|x|/2 >= 2^(2^62)
    if (ex <= -(32 * static_cast<int64_t>(p) + 2)) return round_nudged(y, p, x, true, mode);  // x + x^3/6
    return ziv(y, p, mode, [&](uint64_t *a, uint64_t W, int64_t *shift) {
        const uint64_t S = W + 1;
        Buf b(5 * S);
        uint64_t *X = b.take(S), *u = b.take(S), *t = b.take(S), *one = b.take(S), *q = b.take(S);
        abs_to(X, x, p, W);
        set_one(one, W);
        double c;
        if (ex <= -2) {
            const double cu = expm1_reduced(u, X, W);
            set_u64(t, W, 2);
            widefp_float_add(t, u, t, W);  // u + 2
            widefp_float_mul(t, u, t, W);  // u (u + 2)
            widefp_float_add(q, u, one, W);
            widefp_float_div(a, t, q, W);
            add_exponent(a, -1);
            // u(u+2): cu (1 + 0.41) + 2; over u+1: + 0.64 cu + 1 (|u| <= 0.65).
            c = 2.1 * cu + 4;
        } else {
            int64_t k;
            const double ce = exp_core(a, &k, X, W, W);
            if (k > 32 * static_cast<int64_t>(W) + 8) {  // 1/E^2 < 2^-(64W+14)
                *shift = k - 1;
                c = ce + 0.01;
            } else {
                add_exponent(a, k);
                widefp_float_div(q, one, a, W);
                widefp_float_sub(a, a, q, W);
                add_exponent(a, -1);
                // E >= e^(1/2): E/(E-1/E) <= 1.58, (1/E)/(E-1/E) <= 0.58.
                c = 2.2 * ce + 2;
            }
        }
        if (neg) a[0] |= kSign;
        return c;
    });
}

int widefp_rnd_cosh(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    check_args("rnd_cosh", p, mode);
    if (is_zero(x)) {
        set_pow2(y, p, false, 0);
        return 0;
    }
    if (is_inf(x)) return set_inf(y, p, false);
    const int64_t ex = unbiased_of(x);
    if (ex >= 62) return overflow(y, p, false, mode);
    if (ex <= -(32 * static_cast<int64_t>(p) + 2)) return round_one_nudged(y, p, false, true, mode);  // 1 + x^2/2
    return ziv(y, p, mode, [&](uint64_t *a, uint64_t W, int64_t *shift) {
        const uint64_t S = W + 1;
        Buf b(3 * S);
        uint64_t *X = b.take(S), *one = b.take(S), *q = b.take(S);
        abs_to(X, x, p, W);
        int64_t k;
        const double ce = exp_core(a, &k, X, W, W);
        if (k > 32 * static_cast<int64_t>(W) + 8) {
            *shift = k - 1;
            return ce + 0.01;
        }
        add_exponent(a, k);
        set_one(one, W);
        widefp_float_div(q, one, a, W);
        widefp_float_add(a, a, q, W);
        add_exponent(a, -1);
        return ce + 2;  // E and 1/E (ce + 1) weigh together 1; the sum
    });
}

int widefp_rnd_tanh(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    check_args("rnd_tanh", p, mode);
    const bool neg = is_neg(x);
    if (is_zero(x)) return set_zero(y, p, neg);
    if (is_inf(x)) {
        set_pow2(y, p, neg, 0);
        return 0;
    }
    const int64_t ex = unbiased_of(x);
    if (ex <= -(32 * static_cast<int64_t>(p) + 2)) return round_nudged(y, p, x, false, mode);  // x - x^3/3
    // 1 - tanh|x| < 2 e^-2|x| < 2^-(64p+3) beyond (32p+2) ln 2.
    if (ex >= 62 || std::fabs(to_ld(x, p)) > static_cast<long double>(32 * p + 2) * kLn2L)
        return round_one_nudged(y, p, neg, false, mode);
    return ziv(y, p, mode, [&](uint64_t *a, uint64_t W, int64_t *) {
        const uint64_t S = W + 1;
        Buf b(4 * S);
        uint64_t *X = b.take(S), *u = b.take(S), *t = b.take(S), *one = b.take(S);
        abs_to(X, x, p, W);
        add_exponent(X, 1);  // 2|x|
        double cu;
        if (ex + 1 <= -2) {
            cu = expm1_reduced(u, X, W);
        } else {
            int64_t k;
            const double ce = exp_core(u, &k, X, W, W);
            add_exponent(u, k);  // k <= 64p+5
            const int64_t eE = unbiased_of(u);
            set_one(one, W);
            widefp_float_sub(u, u, one, W);
            cu = ce * std::ldexp(1.0, static_cast<int>(eE + 1 - unbiased_of(u))) + 1;
        }
        set_u64(t, W, 2);
        widefp_float_add(t, u, t, W);
        widefp_float_div(a, u, t, W);
        if (neg) a[0] |= kSign;
        return 2 * cu + 2;
    });
}

int widefp_rnd_asinh(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    check_args("rnd_asinh", p, mode);
    const bool neg = is_neg(x);
    if (is_zero(x)) return set_zero(y, p, neg);
    if (is_inf(x)) return set_inf(y, p, neg);
    const int64_t ex = unbiased_of(x);
    if (ex <= -(32 * static_cast<int64_t>(p) + 2)) return round_nudged(y, p, x, false, mode);  // x - x^3/6
    return ziv(y, p, mode, [&](uint64_t *a, uint64_t W, int64_t *) {
        const uint64_t S = W + 1;
        Buf b(5 * S);
        uint64_t *X = b.take(S), *s = b.take(S), *r = b.take(S), *one = b.take(S), *t = b.take(S);
        abs_to(X, x, p, W);
        double c;
        if (ex >= 32 * static_cast<int64_t>(W) + 4) {
            // asinh|x| = ln 2|x| + ln((1 + sqrt(1 + 1/x^2))/2), the second
            // term below 1/(4x^2) < 2^-(64W+10) relative.
            c = log_core(a, X, W, 1, W, 0) + 0.01;
        } else {
            set_one(one, W);
            widefp_float_mul(s, X, X, W);    // x^2: 1
            widefp_float_add(r, s, one, W);  // 1 + x^2: 2
            sqrt_w(r, r, W);                 // 1 + 8.5
            if (ex <= -1) {
                widefp_float_add(r, r, one, W);  // 1 + sqrt: 10.5
                widefp_float_div(t, s, r, W);    // 12.5
                widefp_float_add(t, t, X, W);    // 13.5
                c = log1p_pos(a, t, 14, W);
            } else {
                widefp_float_add(t, X, r, W);  // 10.5; ln of at least 1 + sqrt 2
                c = log_core(a, t, W, 0, W, 11);
            }
        }
        if (neg) a[0] |= kSign;
        return c;
    });
}

int widefp_rnd_acosh(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    check_args("rnd_acosh", p, mode);
    if (is_neg(x) || is_zero(x) || (!is_inf(x) && unbiased_of(x) < 0)) domain_error("rnd_acosh");
    if (is_inf(x)) return set_inf(y, p, false);
    const int64_t ex = unbiased_of(x);
    bool one_exactly = ex == 0;
    for (uint64_t j = 1; j <= p && one_exactly; ++j) one_exactly = x[j] == 0;
    if (one_exactly) return set_zero(y, p, false);
    return ziv(y, p, mode, [&](uint64_t *a, uint64_t W, int64_t *) {
        const uint64_t S = W + 1;
        Buf b(4 * S);
        uint64_t *X = b.take(S), *d = b.take(S), *r = b.take(S), *t = b.take(S);
        copy_wr(X, W, x, p);
        // acosh x = ln 2x - ln(2x/(x + sqrt(x^2-1))), the second term below
        // 1/(2x^2) < 2^-(64W+9) relative.
        if (ex >= 32 * static_cast<int64_t>(W) + 4) return log_core(a, X, W, 1, W, 0) + 0.01;
        set_one(t, W);
        widefp_float_sub(d, X, t, W);  // exact while x < 2^(64p); else 1
        const double cd = ex < 64 * static_cast<int64_t>(p) ? 0 : 1;
        set_u64(t, W, 2);
        widefp_float_add(r, d, t, W);  // d + 2
        widefp_float_mul(r, r, d, W);  // d (d + 2): 2 cd + 2
        sqrt_w(r, r, W);               // cd + 1 + 8.5
        widefp_float_add(t, d, r, W);  // cd + 10.5
        return log1p_pos(a, t, cd + 11, W);
    });
}

int widefp_rnd_atanh(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    check_args("rnd_atanh", p, mode);
    const bool neg = is_neg(x);
    if (is_zero(x)) return set_zero(y, p, neg);
    if (is_inf(x) || unbiased_of(x) >= 0) {
        bool unit = !is_inf(x) && unbiased_of(x) == 0;
        for (uint64_t j = 1; j <= p && unit; ++j) unit = x[j] == 0;
        if (!unit) domain_error("rnd_atanh");
        return set_inf(y, p, neg);  // atanh(+-1) = +-inf
    }
    const int64_t ex = unbiased_of(x);
    if (ex <= -(32 * static_cast<int64_t>(p) + 2)) return round_nudged(y, p, x, true, mode);  // x + x^3/3
    return ziv(y, p, mode, [&](uint64_t *a, uint64_t W, int64_t *) {
        const uint64_t S = W + 1;
        Buf b(4 * S);
        uint64_t *X = b.take(S), *d = b.take(S), *t = b.take(S), *one = b.take(S);
        abs_to(X, x, p, W);
        set_one(one, W);
        widefp_float_sub(d, one, X, W);  // 1 - |x|: 1
        std::memcpy(t, X, S * sizeof(uint64_t));
        add_exponent(t, 1);
        widefp_float_div(t, t, d, W);  // 2|x| / (1 - |x|): 2
        const double c = log1p_pos(a, t, 3, W);
        add_exponent(a, -1);
        if (neg) a[0] |= kSign;
        return c;
    });
}

}  // extern "C"
