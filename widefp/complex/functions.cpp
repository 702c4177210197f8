// functions.cpp -- elementary functions of complex widereals.
//
// Each function evaluates its formula at q = p+2 words with the correctly
// rounded real functions (to nearest) and rounds each component once to p.
// The formulas avoid cancellation between terms of the size of the result:
//  - sqrt: t = sqrt((|z| + |x|)/2), the other part y/(2t);
//  - log: log |z| as log1p(x^2 + y^2 - 1)/2 near the unit circle, with
//    x^2 + y^2 - 1 formed exactly at 2p+2 words and rounded once;
//  - log1p: log |1+z| as log1p(x(2+x) + y^2)/2 for |z| < 4;
//  - tan: sin x cos x and sinh y cosh y over cos^2 x + sinh^2 y;
//  - asin, acos, acosh: Kahan's formulas from sqrt(1-z) and sqrt(1+z);
//    atanh: log1p(4|x|/((1-|x|)^2 + y^2))/4 and atan2(2y, (1-x)(1+x) - y^2)/2;
//  - the hyperbolic functions and atan, asinh through the circular ones of
//    iz (sinh z = -i sin iz, ...).
#include <algorithm>
#include <cmath>

#include "complex/work.h"
#include "widefp_complex.h"

namespace widefp::cplx {
namespace {

struct C {
    explicit C(uint64_t q) : re(q), im(q) {}
    Num re, im;
};

struct Ctx {
    uint64_t p, q;
};

inline uint64_t exact_q(uint64_t p) { return std::min<uint64_t>(2 * p + 2, 1023); }

void set_inf(Num &r, bool negative) {
    r.set(HUGE_VAL);
    if (negative) r.negate();
}
void set_zero_signed(Num &r, const Num &sign) {
    r.set(0.0);
    r.sign_of(sign);
}

void sqrt_q(C &r, const C &z) {
    const Num &x = z.re, &y = z.im;
    const uint64_t q = x.q();
    if (y.inf()) {
        set_inf(r.re, false);
        r.im.set(y);
        return;
    }
    if (x.inf()) {
        if (!x.neg()) {
            set_inf(r.re, false);
            set_zero_signed(r.im, y);
        } else {
            r.re.set(0.0);
            set_inf(r.im, y.neg());
        }
        return;
    }
    if (x.zero() && y.zero()) {
        r.re.set(0.0);
        r.im.set(y);
        return;
    }
    Num h(q), t(q);
    op(h, widefp_rnd_hypot, x, y);
    if (!x.neg()) {
        add(t, h, x);
    } else {
        sub(t, h, x);
    }
    t.scale(-1);
    op(t, widefp_rnd_sqrt, t);
    Num t2(q);
    t2.set(t);
    t2.scale(1);
    if (!x.neg()) {
        r.re.set(t);
        div(r.im, y, t2);
    } else {
        Num ay(q);
        ay.set(y);
        ay.absolute();
        div(r.re, ay, t2);
        r.im.set(t);
        r.im.sign_of(y);
    }
}

void exp_q(C &r, const C &z) {
    const uint64_t q = z.re.q();
    if (z.im.zero()) {
        op(r.re, widefp_rnd_exp, z.re);
        r.im.set(z.im);
        return;
    }
    Num e(q), c(q), s(q);
    op(e, widefp_rnd_exp, z.re);
    op(c, widefp_rnd_cos, z.im);
    op(s, widefp_rnd_sin, z.im);
    mul(r.re, e, c);
    mul(r.im, e, s);
}

void log_q(C &r, const C &z, uint64_t p) {
    const Num &x = z.re, &y = z.im;
    const uint64_t q = x.q();
    op(r.im, widefp_rnd_atan2, y, x);
    if (x.zero() && y.zero()) {
        set_inf(r.re, true);
        return;
    }
    if (x.inf() || y.inf()) {
        set_inf(r.re, false);
        return;
    }
    const Num *big = &x, *small = &y;
    if (x.zero() || (!y.zero() && y.e() > x.e())) std::swap(big, small);
    const int64_t eb = big->e();
    if (eb == -1 || eb == 0) {  // 1/2 <= max(|x|, |y|) < 2: near the unit circle
        const uint64_t Q = exact_q(p);
        Num b(Q), s(Q), b2(Q), s2(Q), one(Q);
        b.set(*big);
        s.set(*small);
        one.set(1.0);
        mul(b2, b, b);
        mul(s2, s, s);
        sub(b2, b2, one);  // exact: |b| >= 1/2
        odd_add(b, b2, s2, false, WIDEFP_RNDN);
        Num t(q);
        t.set(b);
        op(r.re, widefp_rnd_log1p, t);
        r.re.scale(-1);
        return;
    }
    Num h(q);
    op(h, widefp_rnd_hypot, x, y);
    op(r.re, widefp_rnd_log, h);
}

void log1p_q(C &r, const C &z) {
    const Num &x = z.re, &y = z.im;
    const uint64_t q = x.q();
    Num w(q), one(q);
    one.set(1.0);
    add(w, one, x);
    op(r.im, widefp_rnd_atan2, y, w);
    if (x.inf() || y.inf()) {
        set_inf(r.re, false);
        return;
    }
    auto top = [](const Num &a, const Num &b) {
        if (a.zero()) return b.zero() ? INT64_MIN : b.e();
        return b.zero() ? a.e() : std::max(a.e(), b.e());
    };
    const int64_t ez = top(x, y), ew = top(w, y);
    if (ez <= 1 && ew >= -1) {  // |z| < 4 and |1+z| not small
        Num t(q), s(q);
        Num two(q);
        two.set(2.0);
        add(t, two, x);
        mul(t, t, x);
        mul(s, y, y);
        add(t, t, s);
        op(r.re, widefp_rnd_log1p, t);
        r.re.scale(-1);
        return;
    }
    if (w.zero() && y.zero()) {
        set_inf(r.re, true);
        return;
    }
    Num h(q);
    op(h, widefp_rnd_hypot, w, y);
    op(r.re, widefp_rnd_log, h);
}

void expm1_q(C &r, const C &z) {
    const Num &x = z.re, &y = z.im;
    const uint64_t q = x.q();
    if (y.zero()) {
        op(r.re, widefp_rnd_expm1, x);
        r.im.set(y);
        return;
    }
    Num e(q), c(q), s(q), h(q);
    op(e, widefp_rnd_expm1, x);
    op(c, widefp_rnd_cos, y);
    mul(e, e, c);
    h.set(y);
    h.scale(-1);
    op(s, widefp_rnd_sin, h);
    mul(s, s, s);
    s.scale(1);
    sub(r.re, e, s);
    op(e, widefp_rnd_exp, x);
    op(s, widefp_rnd_sin, y);
    mul(r.im, e, s);
}

// sin z (cosine: cos z).
void sin_q(C &r, const C &z, bool cosine) {
    const Num &x = z.re, &y = z.im;
    const uint64_t q = x.q();
    Num s(q), c(q), sh(q), ch(q);
    op(s, widefp_rnd_sin, x);
    op(c, widefp_rnd_cos, x);
    op(sh, widefp_rnd_sinh, y);
    op(ch, widefp_rnd_cosh, y);
    if (!cosine) {
        mul(r.re, s, ch);
        mul(r.im, c, sh);
    } else {
        mul(r.re, c, ch);
        mul(r.im, s, sh);
        r.im.negate();
    }
}

void tan_q(C &r, const C &z) {
    const Num &x = z.re, &y = z.im;
    const uint64_t q = x.q();
    Num s(q), c(q);
    op(s, widefp_rnd_sin, x);
    op(c, widefp_rnd_cos, x);
    if (!y.zero() && (y.inf() || y.e() >= 20)) {  // e^(-2|y|) < 2^(-2^21)
        Num e(q), a(q);
        a.set(y);
        a.absolute();
        a.scale(1);
        a.negate();
        op(e, widefp_rnd_exp, a);
        mul(r.re, s, c);
        mul(r.re, r.re, e);
        r.re.scale(2);
        r.im.set(1.0);
        r.im.sign_of(y);
        return;
    }
    Num sh(q), ch(q), d(q), t(q);
    op(sh, widefp_rnd_sinh, y);
    op(ch, widefp_rnd_cosh, y);
    mul(d, c, c);
    mul(t, sh, sh);
    add(d, d, t);
    mul(t, s, c);
    div(r.re, t, d);
    mul(t, sh, ch);
    div(r.im, t, d);
}

// s1 = sqrt(1 - z) and s2 = sqrt(1 + z), or with minus, s1 = sqrt(z - 1):
// the square roots Kahan's inverse functions start from.
void kahan_roots(C &s1, C &s2, const C &z, bool minus) {
    const uint64_t q = z.re.q();
    C w1(q), w2(q);
    Num one(q);
    one.set(1.0);
    if (minus) {
        sub(w1.re, z.re, one);
        w1.im.set(z.im);
    } else {
        sub(w1.re, one, z.re);
        w1.im.set(z.im);
        w1.im.negate();
    }
    add(w2.re, one, z.re);
    w2.im.set(z.im);
    sqrt_q(s1, w1);
    sqrt_q(s2, w2);
}

// Kahan's arcsine (no adjustment to Octave's convention).
void asin_q(C &r, const C &z) {
    const Num &x = z.re;
    const uint64_t q = x.q();
    C s1(q), s2(q);
    Num t1(q), t2(q);
    kahan_roots(s1, s2, z, false);
    mul(t1, s1.re, s2.re);
    mul(t2, s1.im, s2.im);
    sub(t1, t1, t2);
    op(r.re, widefp_rnd_atan2, x, t1);
    mul(t1, s1.re, s2.im);
    mul(t2, s1.im, s2.re);
    sub(t1, t1, t2);
    op(r.im, widefp_rnd_asinh, t1);
}

void acos_q(C &r, const C &z) {
    const uint64_t q = z.re.q();
    C s1(q), s2(q);
    Num t1(q), t2(q);
    kahan_roots(s1, s2, z, false);
    op(r.re, widefp_rnd_atan2, s1.re, s2.re);
    r.re.scale(1);
    mul(t1, s2.re, s1.im);
    mul(t2, s2.im, s1.re);
    sub(t1, t1, t2);
    op(r.im, widefp_rnd_asinh, t1);
}

void acosh_q(C &r, const C &z) {
    const uint64_t q = z.re.q();
    C s1(q), s2(q);
    Num t1(q), t2(q);
    kahan_roots(s1, s2, z, true);
    mul(t1, s1.re, s2.re);
    mul(t2, s1.im, s2.im);
    add(t1, t1, t2);
    op(r.re, widefp_rnd_asinh, t1);
    op(r.im, widefp_rnd_atan2, s1.im, s2.re);
    r.im.scale(1);
}

void atanh_q(C &r, const C &z) {
    const Num &x = z.re, &y = z.im;
    const uint64_t q = x.q();
    Num pi2(q);
    if (x.inf() || y.inf()) {
        set_zero_signed(r.re, x);
        Num one(q), zero(q);
        one.set(1.0);
        op(r.im, widefp_rnd_atan2, one, zero);
        r.im.sign_of(y);
        return;
    }
    Num one(q), ax(q), t(q), d(q), s(q);
    one.set(1.0);
    ax.set(x);
    ax.absolute();
    sub(t, one, ax);
    mul(d, t, t);
    mul(s, y, y);
    add(d, d, s);
    if (d.zero()) {
        set_inf(r.re, x.neg());
    } else {
        t.set(ax);
        t.scale(2);
        div(t, t, d);
        op(r.re, widefp_rnd_log1p, t);
        r.re.scale(-2);
        r.re.sign_of(x);
    }
    Num a(q), b(q);
    sub(a, one, x);
    add(b, one, x);
    mul(a, a, b);
    sub(a, a, s);
    b.set(y);
    b.scale(1);
    op(r.im, widefp_rnd_atan2, b, a);
    r.im.scale(-1);
}

// r = f(iz) mapped back by -i: for f(iz) = u + iv, r = v - iu.
template <class F>
void through_iz(C &r, const C &z, F f) {
    const uint64_t q = z.re.q();
    C w(q), u(q);
    w.re.set(z.im);
    w.re.negate();
    w.im.set(z.re);
    f(u, w);
    r.re.set(u.im);
    r.im.set(u.re);
    r.im.negate();
}

// The public form: parts of precision p in, each component of the value at
// p+2 words rounded once out.
template <class F>
void run(uint64_t *yr, uint64_t *yi, const uint64_t *xr, const uint64_t *xi, uint64_t p, int mode, F f) {
    check_precision(p);
    const uint64_t q = p + 2;
    C z(q), r(q);
    z.re.set(xr, p);
    z.im.set(xi, p);
    f(r, z);
    r.re.out(yr, p, mode);
    r.im.out(yi, p, mode);
}

// Octave takes the conjugate of C99's asin and acos on the real axis right
// of 1, on both sides of the cut.
void octave_cut(C &r, const C &z) {
    Num one(z.re.q());
    one.set(1.0);
    if (z.im.zero() && widefp_float_lt(one.d(), z.re.d(), one.q())) r.im.negate();
}

void log_scaled(C &r, const C &z, uint64_t p, double base) {
    const uint64_t q = z.re.q();
    Num b(q), l(q);
    b.set(base);
    op(l, widefp_rnd_log, b);
    log_q(r, z, p);
    div(r.re, r.re, l);
    div(r.im, r.im, l);
}

bool small_int(const uint64_t *x, uint64_t p, int64_t *n) {
    if (is_zero(x)) {
        *n = 0;
        return true;
    }
    if (is_inf(x) || expo(x) > 30) return false;
    const double d = widefp_float_wrtod(x);
    if (d != std::trunc(d)) return false;
    Num v(p);
    v.set(d);
    if (std::memcmp(v.d(), x, (p + 1) * sizeof(uint64_t)) != 0) return false;
    *n = static_cast<int64_t>(d);
    return true;
}

}  // namespace
}  // namespace widefp::cplx

using namespace widefp::cplx;

#define UNARY(name, body)                                                                                \
    extern "C" void widefp_cplx_##name(uint64_t *yr, uint64_t *yi, const uint64_t *xr, const uint64_t *xi, \
                                       uint64_t p, int mode) {                                           \
        run(yr, yi, xr, xi, p, mode, [p](C &r, const C &z) { (void)p; body; });                           \
    }

UNARY(sqrt, sqrt_q(r, z))
UNARY(exp, exp_q(r, z))
UNARY(expm1, expm1_q(r, z))
UNARY(log, log_q(r, z, p))
UNARY(log1p, log1p_q(r, z))
UNARY(log2, log_scaled(r, z, p, 2.0))
UNARY(log10, log_scaled(r, z, p, 10.0))
UNARY(sin, sin_q(r, z, false))
UNARY(cos, sin_q(r, z, true))
UNARY(tan, tan_q(r, z))
UNARY(asin, asin_q(r, z); octave_cut(r, z))
UNARY(acos, acos_q(r, z); octave_cut(r, z))
UNARY(atan, through_iz(r, z, atanh_q))
UNARY(sinh, through_iz(r, z, [](C &u, const C &w) { sin_q(u, w, false); }))
UNARY(cosh, C w(p + 2); w.re.set(z.im); w.re.negate(); w.im.set(z.re); sin_q(r, w, true))
UNARY(tanh, through_iz(r, z, tan_q))
UNARY(asinh, through_iz(r, z, asin_q))
UNARY(acosh, acosh_q(r, z))
UNARY(atanh, atanh_q(r, z))

extern "C" void widefp_cplx_pow(uint64_t *yr, uint64_t *yi, const uint64_t *ar, const uint64_t *ai,
                                const uint64_t *br, const uint64_t *bi, uint64_t p, int mode) {
    check_precision(p);
    int64_t n;
    if (is_zero(bi) && small_int(br, p, &n)) {  // a Gaussian power: repeated multiplication
        const uint64_t q = p + 2;
        C acc(q), base(q);
        acc.re.set(1.0);
        acc.im.set(0.0);
        base.re.set(ar, p);
        base.im.set(ai, p);
        uint64_t m = static_cast<uint64_t>(n < 0 ? -n : n);
        while (m) {
            if (m & 1) mul_exact(acc.re.d(), acc.im.d(), acc.re.d(), acc.im.d(), base.re.d(), base.im.d(), q,
                                 WIDEFP_RNDN);
            m >>= 1;
            if (m) mul_exact(base.re.d(), base.im.d(), base.re.d(), base.im.d(), base.re.d(), base.im.d(), q,
                             WIDEFP_RNDN);
        }
        if (n < 0) {  // 1/w = conj(w)/|w|^2
            if (acc.re.zero() && acc.im.zero())
                widefp_fatal("widefp:domain", "power: 0 ^ n with n < 0 has no complex value");
            Num d(q), t(q);
            mul(d, acc.re, acc.re);
            mul(t, acc.im, acc.im);
            add(d, d, t);
            div(acc.re, acc.re, d);
            div(acc.im, acc.im, d);
            acc.im.negate();
        }
        acc.re.out(yr, p, mode);
        acc.im.out(yi, p, mode);
        return;
    }
    if (is_zero(ar) && is_zero(ai)) {
        if (is_zero(br) || is_neg(br))
            widefp_fatal("widefp:domain", "power: 0 ^ b with real (b) <= 0 and b not 0 has no value");
        Num z(p);
        z.out(yr, p, mode);
        z.out(yi, p, mode);
        return;
    }
    uint64_t q = p + 2;
    for (int round = 0; round < 2; ++round) {
        C a(q), b(q), l(q), t(q), r(q);
        a.re.set(ar, p);
        a.im.set(ai, p);
        b.re.set(br, p);
        b.im.set(bi, p);
        log_q(l, a, p);
        mul_exact(t.re.d(), t.im.d(), b.re.d(), b.im.d(), l.re.d(), l.im.d(), q, WIDEFP_RNDN);
        int64_t e = INT64_MIN;
        if (t.re.zero() && t.im.zero()) e = INT64_MIN;
        if (!t.re.zero() && !t.re.inf()) e = t.re.e();
        if (!t.im.zero() && !t.im.inf()) e = std::max(e, t.im.e());
        const uint64_t need = std::min<uint64_t>(p + 2 + (e > 0 ? static_cast<uint64_t>(e) / 64 + 1 : 0), 1023);
        if (round == 0 && need > q) {
            q = need;
            continue;
        }
        exp_q(r, t);
        r.re.out(yr, p, mode);
        r.im.out(yi, p, mode);
        return;
    }
}
