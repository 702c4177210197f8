// erf.cpp -- correctly rounded erf(x) and erfc(x).
//
// Moderate |x|: erf x = 2/sqrt(pi) x e^(-x^2) sum_n (2x^2)^n / (1*3*...*(2n+1)),
// a series of positive terms.  Large x: the asymptotic series
// erfc x = e^(-x^2) / (x sqrt(pi)) sum_n (-1)^n (2n-1)!! / (2x^2)^n, whose
// remainder is at most its first omitted term; it reaches a relative error of
// about e^(-x^2), so it serves erfc from x^2 >= (64q+4) ln 2 on and erf (as
// 1 - erfc) from half that.  Below, erfc x = 1 - erf x with the cancellation
// of about x^2 log2(e) bits paid in extra words; erfc(-x) = 1 + erf x.
#include <cmath>
#include <cstring>

#include "special/work.h"
#include "widefp_special.h"

using namespace widefp::special;

namespace {

constexpr double kLn2 = 0.69314718055994530942;
constexpr double kLog2E = 1.4426950408889634074;

// |x| = 1.F 2^e of the argument: log2 |x| and log2 x^2.
struct Arg {
    const uint64_t *x;
    uint64_t p;
    double l2;  // log2 |x|
    double sq() const { return std::exp2(2.0 * l2); }  // x^2 as a double (inf when huge)
};

// 2/sqrt(pi) at the Work's precision.
void two_over_sqrt_pi(Work &w, Num &c) {
    Num pi = w.num(), two = w.num();
    w.constant(pi, Work::kPi);
    w.sqrt(pi, pi);
    w.set_int(two, 2);
    w.div(c, two, pi);
}

// erf |x| by the series of positive terms (x^2 representable; x not tiny).
void erf_series(Work &w, const Num &ax, Num &out) {
    const uint64_t q = w.q;
    Num y = w.num(), t = w.num(), s = w.num(), e = w.num();
    w.mul(y, ax, ax);
    Num mx2 = w.num();
    w.copy(mx2, y);
    w.negate(mx2);
    w.scale(y, y, 1);  // 2 x^2
    // t_n = t_(n-1) y / (2n+1); each term carries n (e_y + 3 units), the sum
    // one unit per addition; stop when the rest, below t_n r / (1 - r) with
    // r = y / (2n+3) <= 1/2, is under 2^-(64q+4) of the sum (>= 1).
    w.set_int(t, 1);
    w.set_int(s, 1);
    const double yd = widefp_float_wrtod(y.w);
    const double target = -(64.0 * static_cast<double>(q) + 4.0);
    uint64_t n = 0;
    for (;;) {
        ++n;
        widefp_float_mul(t.w, t.w, y.w, q);
        widefp_float_idiv(t.w, t.w, static_cast<int64_t>(2 * n + 1), q);
        widefp_float_add(s.w, s.w, t.w, q);
        const double r = yd / static_cast<double>(2 * n + 3);
        if (r <= 0.5 && log2_abs(t.w) + 1.0 - log2_abs(s.w) <= target) break;
    }
    const double terms = static_cast<double>(n);
    s.re = lg_second_order(lg_add(std::log2(terms) + lg_add(y.re, w.op() + 1.6), target + 1.0));
    int64_t k = 0;
    w.exp(e, &k, mx2);
    WIDEFP_ASSERTD(k == 0);
    w.mul(s, s, e);
    two_over_sqrt_pi(w, e);
    w.mul(s, s, e);
    w.mul(out, s, ax);
}

// erfc x for x > 0 by the asymptotic series: out * 2^(*k), the series summed
// to a relative 2^-(64q+4-slack) (slack > 0 when erfc is to be subtracted
// from 1: an absolute 2^-(64q+4) is then enough).  Useless when the series
// cannot get there before its terms grow again.
void erfc_asymptotic(Work &w, const Num &x, Num &out, int64_t *k, double slack = 0) {
    const uint64_t q = w.q;
    Num v = w.num(), a = w.num(), s = w.num(), e = w.num(), one = w.num(), x2 = w.num();
    w.mul(x2, x, x);
    w.scale(v, x2, 1);
    w.set_int(one, 1);
    w.div(v, one, v);  // 1 / (2x^2)
    w.set_int(a, 1);
    w.set_int(s, 1);
    const double target = -(64.0 * static_cast<double>(q) + 4.0) + slack;
    const double x2d = std::exp2(2.0 * log2_abs(x.w));
    uint64_t n = 0;
    bool reached = false;
    // a_n = a_(n-1) (2n-1) v, alternating; with n <= x^2 every term is below
    // the one before, the partial sums lie in [1/2, 1] and the sum's error is
    // at most N (e_v + 5 units) plus the first omitted term.
    while (static_cast<double>(n + 1) <= x2d) {
        ++n;
        widefp_float_mul(a.w, a.w, v.w, q);
        widefp_float_imul(a.w, a.w, static_cast<int64_t>(2 * n - 1), q);
        if (log2_abs(a.w) <= target) {
            reached = true;
            break;
        }
        if (n & 1)
            widefp_float_sub(s.w, s.w, a.w, q);
        else
            widefp_float_add(s.w, s.w, a.w, q);
    }
    if (!reached) {
        out.re = kUseless;
        *k = 0;
        return;
    }
    s.re = lg_second_order(lg_add(std::log2(static_cast<double>(n)) + lg_add(v.re, w.op() + 2.33), target + 1.0));
    // e^(-x^2) / (x sqrt(pi))
    w.negate(x2);
    w.exp(e, k, x2);
    w.mul(s, s, e);
    w.div(s, s, x);
    Num pi = w.num();
    w.constant(pi, Work::kPi);
    w.sqrt(pi, pi);
    w.div(out, s, pi);
}

// A value of sign neg and magnitude 2^c_exp (1 + d) (above) or 2^c_exp (1 - d),
// 0 < d below a quarter unit of precision p on either side of 2^c_exp,
// rounded: 2^c_exp unless the mode moves the magnitude past it (up when
// above, down when below).
int near_value(uint64_t *y, uint64_t p, int mode, bool neg, int64_t c_exp, bool above) {
    const bool away = mode == WIDEFP_RNDN ? false : away_from_zero(neg, mode);
    const int up = neg ? -1 : 1;  // ternary of a result above |v| in magnitude
    if (above) {  // |v| = c + d: c unless rounding away (then c + ulp)
        set_pow2(y, p, neg, c_exp);
        if (!away) return -up;
        y[p] = 1;
        return up;
    }
    // |v| = c - d: c unless rounding toward zero (then the number below c)
    const bool toward = mode != WIDEFP_RNDN && !away;
    if (!toward) {
        set_pow2(y, p, neg, c_exp);
        return up;
    }
    y[0] = (neg ? kSign : 0) | static_cast<uint64_t>(c_exp - 1 + static_cast<int64_t>(kBias));
    for (uint64_t j = 1; j <= p; ++j) y[j] = ~uint64_t{0};
    return -up;
}

// x^2 >= bits * ln 2 and |x| >= 1, judged from log2 |x| with a margin.
bool square_beyond(double l2, double bits) { return l2 >= 0 && 2.0 * l2 - 1e-9 >= std::log2(bits * kLn2); }

}  // namespace

extern "C" {

int widefp_rnd_erf(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    static const char *who = "rnd_erf";
    check_args(who, p, mode);
    const bool neg = is_neg(x);
    if (is_zero(x)) return set_zero(y, p, neg);
    if (is_inf(x)) {
        set_pow2(y, p, neg, 0);
        return 0;
    }
    const double l2 = log2_abs(x);
    // erfc|x| < e^(-x^2) <= 2^-(64p+3): +-1 or its neighbour toward zero.
    if (square_beyond(l2, 64.0 * static_cast<double>(p) + 3.0)) return near_value(y, p, mode, neg, 0, false);
    Scratch xc(p + 1);
    std::memcpy(xc.get(), x, (p + 1) * sizeof(uint64_t));
    xc.get()[0] &= ~kSign;
    return ziv_round(who, y, p, mode, p + 1, kMaxWork, [&](uint64_t q, uint64_t *frac, Approx &a) {
        Work w(q, 24);
        Num ax = w.num(), r = w.num();
        w.set(ax, xc.get(), p);
        const int64_t ex = exp_of(ax);
        if (2 * ex + 2 <= -(64 * static_cast<int64_t>(q) + 8)) {
            // erf x = 2/sqrt(pi) x (1 - x^2/3 + ...): the rest below x^2/3.
            two_over_sqrt_pi(w, r);
            w.mul(r, r, ax);
            r.re = lg_second_order(lg_add(r.re, 2.0 * static_cast<double>(ex) + 1.0));
        } else if (square_beyond(l2, (64.0 * static_cast<double>(q) + 5.0) / 2.0)) {
            Num c = w.num(), one = w.num();
            int64_t k = 0;
            erfc_asymptotic(w, ax, c, &k, std::max(0.0, std::exp2(2.0 * l2) * kLog2E + l2 - 1.0));
            if (c.re == kUseless) {
                a.re = kUseless;
                return;
            }
            w.scale(c, c, k);  // below 2^-30: inside the range
            w.set_int(one, 1);
            w.sub(r, one, c);
        } else {
            erf_series(w, ax, r);
        }
        a.neg = neg;
        a.e = exp_of(r);
        a.re = r.re;
        std::memcpy(frac, r.w + 1, q * sizeof(uint64_t));
    });
}

int widefp_rnd_erfc(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    static const char *who = "rnd_erfc";
    check_args(who, p, mode);
    const bool neg = is_neg(x);
    if (is_zero(x)) {
        set_pow2(y, p, false, 0);
        return 0;
    }
    if (is_inf(x)) {
        if (!neg) return set_zero(y, p, false);
        set_pow2(y, p, false, 1);
        return 0;
    }
    const double l2 = log2_abs(x);
    // 1 -+ d with d < 1.13 |x| < 2^-(64p+2)
    if (l2 < -(64.0 * static_cast<double>(p) + 3.0)) return near_value(y, p, mode, false, 0, neg);
    if (neg) {
        // 2 - erfc|x|, erfc|x| < 2^-(64p+2): 2 or the number below it.
        if (square_beyond(l2, 64.0 * static_cast<double>(p) + 2.0)) return near_value(y, p, mode, false, 1, false);
    } else if (square_beyond(l2, 4611686018427387904.0)) {
        // x^2 >= 2^62 ln 2: erfc x < e^(-x^2) <= 2^-(2^62), at most half the
        // smallest number.
        return underflow(y, p, false, mode, false);
    }
    Scratch xc(p + 1);
    std::memcpy(xc.get(), x, (p + 1) * sizeof(uint64_t));
    xc.get()[0] &= ~kSign;
    // 1 - erf x loses about x^2 log2(e) + log2(x sqrt(pi)) bits; e^(-x^2)
    // costs log2(x^2) bits of its argument's last place: a word more from
    // x^2 >= 2^32 on.
    const double lost = neg ? 0.0 : std::max(0.0, std::exp2(2.0 * l2) * kLog2E + l2 + 0.83);
    const uint64_t q0 = p + 1 + (2.0 * l2 >= 32.0 ? 1 : 0);
    return ziv_round(who, y, p, mode, q0, kMaxWork, [&](uint64_t q, uint64_t *frac, Approx &a) {
        int64_t k = 0;
        Approx &r = a;
        if (!neg && square_beyond(l2, 64.0 * static_cast<double>(q) + 5.0)) {
            Work w(q, 24);
            Num ax = w.num(), c = w.num();
            w.set(ax, xc.get(), p);
            erfc_asymptotic(w, ax, c, &k);
            r.neg = false;
            r.e = k + exp_of(c);
            r.re = c.re;
            std::memcpy(frac, c.w + 1, q * sizeof(uint64_t));
            return;
        }
        // 1 -+ erf|x| at q plus the words the cancellation takes.
        uint64_t qe = q + static_cast<uint64_t>(std::ceil((lost + 8.0) / 64.0));
        if (qe > kMaxWork) qe = kMaxWork;
        Work w(qe, 24);
        Num ax = w.num(), e = w.num(), one = w.num();
        w.set(ax, xc.get(), p);
        if (square_beyond(l2, (64.0 * static_cast<double>(qe) + 5.0) / 2.0)) {
            erfc_asymptotic(w, ax, e, &k, std::max(0.0, std::exp2(2.0 * l2) * kLog2E + l2 - 1.0));
            if (e.re == kUseless) {
                a.re = kUseless;
                return;
            }
            w.scale(e, e, k);
            w.set_int(one, 1);
            w.sub(e, one, e);
        } else if (2 * exp_of(ax) + 2 <= -(64 * static_cast<int64_t>(qe) + 8)) {
            two_over_sqrt_pi(w, e);
            w.mul(e, e, ax);
            e.re = lg_second_order(lg_add(e.re, 2.0 * static_cast<double>(exp_of(ax)) + 1.0));
        } else {
            erf_series(w, ax, e);
        }
        w.set_int(one, 1);
        if (neg)
            w.add(e, one, e);
        else
            w.sub(e, one, e);
        if (zero_of(e) || e.re == kUseless) {
            a.re = kUseless;
            return;
        }
        r.neg = false;
        r.e = exp_of(e);
        // the first q of qe words: the rest adds one unit of 2^-64q
        r.re = qe > q ? lg_add(e.re, -64.0 * static_cast<double>(q)) : e.re;
        std::memcpy(frac, e.w + 1, q * sizeof(uint64_t));
    });
}

}  // extern "C"
