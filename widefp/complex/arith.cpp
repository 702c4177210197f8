// arith.cpp -- complex addition, subtraction, multiplication and division.
//
// The product's components are differences and sums of two exact products:
// the products are formed exactly at 2p+2 words (a product of two p-word
// significands takes 2p+1), the sum is rounded to odd there and then once
// to p, which gives the correctly rounded component in every mode.  The
// quotient scales the divisor c + di by a power of two so that its larger
// part lies in [1, 2), forms (ac + bd), (bc - ad) and c^2 + d^2 the same
// way, rounds them to p+2 words and divides there.
#include <algorithm>

#include "complex/work.h"
#include "widefp_complex.h"

namespace widefp::cplx {

void check_precision(uint64_t p) {
    if (p < 1 || p > kMaxP) widefp_fatal("widefp:range", "complex widereal functions take 1 <= p <= 1021");
}

// Working precision of the exact products of precision-p factors (capped at
// the rounded layer's 1,023 words: above p = 510 the products are rounded
// to nearest there).
inline uint64_t exact_q(uint64_t p) { return std::min<uint64_t>(2 * p + 2, 1023); }

int odd_add(Num &r, const Num &a, const Num &b, bool subtract, int mode) {
    const uint64_t q = r.q();
    Fn2 f = subtract ? widefp_rnd_sub : widefp_rnd_add;
    const int t = f(r.d(), a.d(), b.d(), q, WIDEFP_RNDZ);
    if (t != 0) {
        if (is_finite_nonzero(r.d())) r.d()[q] |= 1;
    } else if (r.zero()) {
        f(r.d(), a.d(), b.d(), q, mode);  // exact: the zero's sign by the mode
    }
    return t;
}

void mul_exact(uint64_t *yr, uint64_t *yi, const uint64_t *ar, const uint64_t *ai, const uint64_t *br,
               const uint64_t *bi, uint64_t p, int mode) {
    const uint64_t q = exact_q(p);
    Num a(q), b(q), c(q), d(q), ac(q), bd(q), ad(q), bc(q);
    a.set(ar, p);
    b.set(ai, p);
    c.set(br, p);
    d.set(bi, p);
    mul(ac, a, c);
    mul(bd, b, d);
    mul(ad, a, d);
    mul(bc, b, c);
    odd_add(a, ac, bd, true, mode);
    odd_add(b, ad, bc, false, mode);
    a.out(yr, p, mode);
    b.out(yi, p, mode);
}

namespace {

// Both components through temporaries, so that results may alias operands.
struct Pair {
    explicit Pair(uint64_t p) : re(p), im(p) {}
    void store(uint64_t *yr, uint64_t *yi, uint64_t p) const {
        std::memcpy(yr, re.d(), (p + 1) * sizeof(uint64_t));
        std::memcpy(yi, im.d(), (p + 1) * sizeof(uint64_t));
    }
    Num re, im;
};

}  // namespace

}  // namespace widefp::cplx

using namespace widefp::cplx;

extern "C" void widefp_cplx_add(uint64_t *yr, uint64_t *yi, const uint64_t *ar, const uint64_t *ai,
                                const uint64_t *br, const uint64_t *bi, uint64_t p, int mode) {
    check_precision(p);
    Pair r(p);
    widefp_rnd_add(r.re.d(), ar, br, p, mode);
    widefp_rnd_add(r.im.d(), ai, bi, p, mode);
    r.store(yr, yi, p);
}

extern "C" void widefp_cplx_sub(uint64_t *yr, uint64_t *yi, const uint64_t *ar, const uint64_t *ai,
                                const uint64_t *br, const uint64_t *bi, uint64_t p, int mode) {
    check_precision(p);
    Pair r(p);
    widefp_rnd_sub(r.re.d(), ar, br, p, mode);
    widefp_rnd_sub(r.im.d(), ai, bi, p, mode);
    r.store(yr, yi, p);
}

extern "C" void widefp_cplx_mul(uint64_t *yr, uint64_t *yi, const uint64_t *ar, const uint64_t *ai,
                                const uint64_t *br, const uint64_t *bi, uint64_t p, int mode) {
    check_precision(p);
    Pair r(p);
    mul_exact(r.re.d(), r.im.d(), ar, ai, br, bi, p, mode);
    r.store(yr, yi, p);
}

extern "C" void widefp_cplx_div(uint64_t *yr, uint64_t *yi, const uint64_t *ar, const uint64_t *ai,
                                const uint64_t *br, const uint64_t *bi, uint64_t p, int mode) {
    check_precision(p);
    Pair r(p);
    const bool num_inf = is_inf(ar) || is_inf(ai), den_inf = is_inf(br) || is_inf(bi);
    if (num_inf && den_inf) widefp_fatal("widefp:domain", "widereal: Inf/Inf has no value");
    if (den_inf) {  // a finite number over an infinite one: zero
        r.store(yr, yi, p);
        return;
    }
    if (is_zero(br) && is_zero(bi)) {  // (a + bi)/(+-0): each part over the signed zero
        widefp_rnd_div(r.re.d(), ar, br, p, mode);
        widefp_rnd_div(r.im.d(), ai, br, p, mode);
        r.store(yr, yi, p);
        return;
    }
    const uint64_t q = exact_q(p), w = std::min<uint64_t>(p + 2, 1023);
    int64_t k = INT64_MIN;
    if (!is_zero(br)) k = expo(br);
    if (!is_zero(bi)) k = std::max(k, expo(bi));
    Num a(q), b(q), c(q), d(q), t1(q), t2(q), nr(q), ni(q), den(q);
    a.set(ar, p);
    b.set(ai, p);
    c.set(br, p);
    d.set(bi, p);
    c.scale(-k);
    d.scale(-k);
    mul(t1, a, c);
    mul(t2, b, d);
    odd_add(nr, t1, t2, false, WIDEFP_RNDN);
    mul(t1, b, c);
    mul(t2, a, d);
    odd_add(ni, t1, t2, true, WIDEFP_RNDN);
    mul(t1, c, c);
    mul(t2, d, d);
    odd_add(den, t1, t2, false, WIDEFP_RNDN);
    Num x(w), y(w), z(w);
    z.set(den);
    x.set(nr);
    y.set(ni);
    div(x, x, z);
    div(y, y, z);
    x.scale(-k);
    y.scale(-k);
    x.out(r.re.d(), p, mode);
    y.out(r.im.d(), p, mode);
    r.store(yr, yi, p);
}

extern "C" int widefp_cplx_abs(uint64_t *y, const uint64_t *xr, const uint64_t *xi, uint64_t p, int mode) {
    return widefp_rnd_hypot(y, xr, xi, p, mode);
}

extern "C" int widefp_cplx_arg(uint64_t *y, const uint64_t *xr, const uint64_t *xi, uint64_t p, int mode) {
    return widefp_rnd_atan2(y, xi, xr, p, mode);
}
