// exp_log.cpp -- correctly rounded exp, expm1, log, log1p, log2 and log10, and the kernels they share with the power and the hyperbolic functions.
//
// e^x = 2^k e^r with r = x - k ln 2, |r| <= ln 2 / 2.  e^r - 1 comes from
// r' = r / 2^s: its series (rectangular splitting: the powers r'^i up to
// r'^m, Horner's rule over blocks of m terms, the division by each term's
// index postponed into one 63-bit integer divisor) and then s steps
// u <- u (u + 2), which double the argument and keep the relative error
// of u, so that s costs no precision.  ln(1 + d) for |d| <= 0.42 by
// Newton's step y = y0 + ln(1 + z), z = (1 + d) e^-y0 - 1, from a start of
// a quarter of the words (a long double at the bottom): ln(1 + z) is
// z - z^2/2 + z^3/3 to the precision asked.  ln x = E ln 2 + ln m with
// m in [0.707, 1.414), so that nothing cancels next to 1.  Every kernel
// returns a bound of its relative error derived step by step below; the
// entry points round in a Ziv loop (exp_log.h) after deciding special
// values, exact results and arguments next to 0 or beyond the range.
#include "rounding/exp_log.h"

#include <atomic>
#include <cmath>
#include <cstring>

#include "elementary/constants_table.h"

namespace widefp::rnd::el {

ZivStats ziv_stats;

namespace {

const uint64_t *const kLn2 = widefp::constants::ln2;  // 2,049 fraction words
constexpr long double kLn2L = 0.693147180559945309417232121458176568L;

inline int64_t floor_log2(uint64_t v) { return 63 - __builtin_clzll(v); }

// The series of (e^r - 1)/r for |r| < 2^-tau stops after n terms r^j/(j+1)!
// (j < n) when the first term left out is below 2^-(64W+4): n tau plus a
// lower bound of log2 (n+1)! reaches 64W+4.
int64_t series_terms(int64_t tau, uint64_t W) {
    const int64_t need = 64 * static_cast<int64_t>(W) + 4;
    int64_t n = 1, bits = tau + 1;
    while (bits < need) {
        ++n;
        bits += tau + floor_log2(static_cast<uint64_t>(n + 1));
    }
    return n;
}

inline int64_t ceil_sqrt(int64_t v) {
    int64_t m = static_cast<int64_t>(std::sqrt(static_cast<double>(v)));
    while (m * m < v) ++m;
    while (m > 1 && (m - 1) * (m - 1) >= v) --m;
    return m;
}

// The reduction target tau of W words: the one of least estimated cost
// (products of W words, the linear steps of the series, the squarings),
// from timings of the kernels (product 0.65 W^1.77 ns from 5 words on).
// Kept per W after the first call.
int64_t plan_tau(uint64_t W) {
    static std::atomic<uint16_t> cache[kMaxWork + 3];  // the power's logarithm runs to kMaxWork + 2
    if (W <= kMaxWork + 2) {
        const uint16_t c = cache[W].load(std::memory_order_relaxed);
        if (c) return c;
    }
    const double w = static_cast<double>(W);
    const double cm = W < 5 ? 5 + 3.5 * w : 0.65 * std::pow(w, 1.77);
    const double ca = 5 + 1.3 * w, cl = 8 + 2.4 * w, cd = 5 + 5.6 * w;
    double best = HUGE_VAL;
    int64_t best_tau = 8;
    for (int64_t tau = 4; tau <= 400; ++tau) {
        const int64_t n = series_terms(tau, W), steps = n - 1;
        const int64_t m = steps > 0 ? ceil_sqrt(steps) : 1;
        const int64_t blocks = steps > 0 ? (steps + m - 1) / m : 0;
        const double s = static_cast<double>(tau - 1);  // for |r| about 1/4
        const double muls = static_cast<double>((m - 1) + std::max<int64_t>(0, blocks - 1) + 1) + s;
        const double flushes = static_cast<double>(steps) * std::log2(static_cast<double>(n) + 2) / 62;
        const double cost = muls * cm + s * ca + static_cast<double>(steps) * cl + (flushes + 1) * cd;
        if (cost < best) {
            best = cost;
            best_tau = tau;
        }
    }
    if (W <= kMaxWork + 2) cache[W].store(static_cast<uint16_t>(best_tau), std::memory_order_relaxed);
    return best_tau;
}

// |x| 2^-64 Wx in units of 2^(ref - 64W): the rounding error of a result x
// formed at Wx words.
inline double ulps(const uint64_t *x, uint64_t Wx, int64_t ref, uint64_t W) {
    return mag(x, ref + 64 * (static_cast<int64_t>(Wx) - static_cast<int64_t>(W)));
}

}  // namespace

void from_ld(uint64_t *w, uint64_t W, long double v) {
    int e = 0;
    const long double f = std::frexp(std::fabs(v), &e);  // [1/2, 1)
    const uint64_t m = static_cast<uint64_t>(std::ldexp(f, 64));
    w[0] = (v < 0 ? kSign : 0) | static_cast<uint64_t>(static_cast<int64_t>(kBias) + e - 1);
    std::memset(w + 1, 0, W * sizeof(uint64_t));
    w[1] = m << 1;
}

// ---- e^r - 1 ------------------------------------------------------------------
//
// Error bound, in units e = 2^-64W relative.  r' = r 2^-s exactly, |r'| <
// 2^-tau, tau >= 4.  v = sum r'^j/(j+1)! by T_i = R_i + T_(i+1)/(j+i+1) in
// each block (R_i = r'^i, T = G/Q kept as a widereal G over an integer Q):
// every partial sum lies within 2^-tau of its leading term R_i, so an error
// made i levels above the result reaches it damped by 2^-(tau i).  Level 0
// makes at most three roundings (the last sum, a pending division, the
// final division); each deeper level at most 3 + 2m (the product R_i Q,
// the sum, a division, R_i's own i-1 products, the block product by R_m).
// With the tail below 2^-(64W+4): |v err| <= (3.25 + (3+2m) 2^(1-tau)) e.
// u0 = r' v adds one.  A step u <- u (u + 2) maps a relative error d of u
// to d (1 + |u|/|u+2|) + 2e; |u_i|/|u_i+2| = |tanh(r' 2^(i-1))| sums to at
// most |r| over the steps, so after s of them the bound is
// e^|r| (c(u0) + 2s).
double expm1_reduced(uint64_t *u, const uint64_t *r, uint64_t W) {
    WIDEFP_ASSERTD(!is_zero(r) && unbiased_of(r) <= -2);
    const int64_t er = unbiased_of(r);
    const int64_t s = std::max<int64_t>(0, er + 1 + plan_tau(W));
    const int64_t tau = s - er - 1;
    const int64_t n = series_terms(tau, W), steps = n - 1;
    const int64_t m = steps > 0 ? ceil_sqrt(steps) : 1;
    const uint64_t S = W + 1;
    Buf b((static_cast<uint64_t>(m) + 2) * S);
    uint64_t *R = b.take(static_cast<uint64_t>(m) * S), *G = b.take(S), *T = b.take(S);
    auto Ri = [&](int64_t i) { return R + static_cast<uint64_t>(i - 1) * S; };

    copy_wr(R, W, r, W);
    add_exponent(R, -s);
    for (int64_t i = 2; i <= m; ++i) widefp_float_mul(Ri(i), Ri(i - 1), R, W);

    if (steps == 0) {
        set_one(G, W);
    } else {
        constexpr uint64_t kQMax = 0x7fffffffffffffffULL;  // the integer factor of widefp_float_imul
        int64_t size = steps % m ? steps % m : m;
        int64_t jlo = n - size;  // the block of Horner steps j = jlo .. jlo+size-1
        std::memcpy(G, Ri(size), S * sizeof(uint64_t));  // R_size * B_n, B_n = 1
        uint64_t Q = 1;
        for (;;) {
            for (int64_t i = size - 1; i >= 0; --i) {
                const uint64_t f = static_cast<uint64_t>(jlo + i + 1);
                if (Q > kQMax / f) {
                    widefp_float_idiv(G, G, static_cast<int64_t>(Q), W);
                    Q = 1;
                }
                Q *= f;
                if (i > 0)
                    widefp_float_imul(T, Ri(i), static_cast<int64_t>(Q), W);
                else
                    set_u64(T, W, Q);
                widefp_float_add(G, G, T, W);
            }
            if (jlo == 1) break;
            size = m;
            jlo -= m;
            widefp_float_mul(G, G, Ri(m), W);
        }
        if (Q > 1) widefp_float_idiv(G, G, static_cast<int64_t>(Q), W);
    }
    widefp_float_mul(u, R, G, W);
    double c = 3.25 + static_cast<double>(3 + 2 * m) * std::ldexp(1.0, static_cast<int>(1 - std::min<int64_t>(tau, 900))) + 1;
    if (s > 0) {
        set_u64(T, W, 2);
        uint64_t *two = G;
        std::memcpy(two, T, S * sizeof(uint64_t));
        for (int64_t i = 0; i < s; ++i) {
            widefp_float_add(T, u, two, W);
            widefp_float_mul(u, u, T, W);
        }
    }
    return (c + 2 * static_cast<double>(s)) * std::exp(std::ldexp(1.0, static_cast<int>(std::max<int64_t>(er + 1, -900)))) *
           1.0001;
}

// ---- e^x --------------------------------------------------------------------------
//
// k = x / ln 2 rounded (from long doubles, corrected until |r| < 1/2);
// r = x - k L at W+1 words, L = ln 2 cut to W+1 words.  The absolute error
// of r, in units of 2^-64W: |k| 2^-65 (L), the truncations of k L and of the
// difference at W+1 words and of r to W words, and of x to W+1 words.  An
// absolute error dr of r is a relative one of e^r.  e^r = 1 + u, whose
// relative error is |u|/|1+u| <= e^|r| - 1 times u's, plus one rounding.
double exp_core(uint64_t *w, int64_t *k, const uint64_t *x, uint64_t nx, uint64_t W) {
    WIDEFP_ASSERTD(!is_zero(x) && !is_inf(x) && unbiased_of(x) <= 61 && W + 1 <= 2049);
    const uint64_t S = W + 2;
    Buf b(3 * S);
    uint64_t *r = b.take(S), *t = b.take(S), *X = b.take(S);
    const int64_t ex = unbiased_of(x);
    int64_t kk = 0;
    double dr = 0;
    if (ex <= -2) {
        copy_wr(r, W, x, nx);
        if (nx > W) dr = std::ldexp(1.0, static_cast<int>(std::max<int64_t>(ex + 1, -1000)));
    } else {
        copy_wr(X, W + 1, x, nx);
        if (nx > W + 1) dr += std::ldexp(1.0, static_cast<int>(ex + 1 - 64));
        kk = std::llround(to_ld(x, nx) / kLn2L);
        for (int tries = 0;; ++tries) {
            widefp_float_imul(t, kLn2, kk, W + 1);
            widefp_float_sub(r, X, t, W + 1);
            if (is_zero(r) || unbiased_of(r) <= -2 || tries == 4) break;
            kk += is_neg(r) ? -1 : 1;
        }
        dr += std::fabs(static_cast<double>(kk)) * 0x1p-65 + std::ldexp(1.0, static_cast<int>(unbiased_of(t) + 1 - 64)) +
              0x1p-64 + (is_zero(r) ? 0 : std::ldexp(1.0, static_cast<int>(std::max<int64_t>(unbiased_of(r) + 1, -1000))));
    }
    *k = kk;
    if (is_zero(r)) {
        set_one(w, W);
        return dr * 1.01 + 0.01;
    }
    WIDEFP_ASSERTD(unbiased_of(r) <= -2);
    const double cu = expm1_reduced(t, r, W);
    set_one(X, W);
    widefp_float_add(w, t, X, W);
    const double rr = std::ldexp(1.0, static_cast<int>(std::max<int64_t>(unbiased_of(r) + 1, -1000)));
    return (std::exp(rr) - 1) * cu + 1 + dr * 1.01;
}

// ---- ln(1 + d) ------------------------------------------------------------------
//
// With v = e^-y0 - 1 (relative error cv), z = d + v + d v is (1+d)e^-y0 - 1
// and ln(1+d) = y0 + ln(1+z) exactly.  Absolute errors, units e = 2^-64W:
// d v: e|dv|(cv+1); v + dv: adds e|v|cv and e|v+dv|; + d: e|z|.  ln(1+z)
// is z - z^2/2 + z^3/3 within |z|^4/(4(1-|z|)) <= |z|^4/2 (|z| <= 1/2),
// its slope 1/(1+z) <= 1+2|z| carries z's error; z^2/2 and z^3/3 are
// formed at the words that reach the result's last place, with their own
// roundings; the sums round once each.  The bound is computed from the
// values themselves (a posteriori), so a start y0 of any quality is safe:
// when the truncation bound is too large, the step is repeated from y.
double log1p_reduced(uint64_t *y, const uint64_t *d, uint64_t W) {
    WIDEFP_ASSERTD(!is_zero(d) && unbiased_of(d) <= -2);
    const uint64_t S = W + 1;
    Buf b(8 * S);
    uint64_t *y0 = b.take(S), *v = b.take(S), *t = b.take(S), *mv = b.take(S), *z = b.take(S), *h = b.take(S),
             *h3 = b.take(S), *c = b.take(S);
    if (W <= 3) {
        const long double l = std::log1p(to_ld(d, W));
        if (l != 0 && std::isfinite(l))
            from_ld(y0, W, l);
        else
            copy_wr(y0, W, d, W);
    } else {
        const uint64_t W0 = (W + 3) / 4 + 1;
        log1p_reduced(y0, d, W0);
        copy_wr(y0, W, y0, W0);
    }
    const int64_t iW = static_cast<int64_t>(W);
    for (int it = 0;; ++it) {
        if (is_zero(y0) || unbiased_of(y0) > -2) copy_wr(y0, W, d, W);  // ln(1+d) ~ d: |z| < 0.1
        copy_wr(t, W, y0, W);
        t[0] ^= kSign;
        const double cv = expm1_reduced(v, t, W);
        widefp_float_mul(t, d, v, W);
        widefp_float_add(mv, v, t, W);
        widefp_float_add(z, mv, d, W);
        const int64_t ref = unbiased_of(y0);
        const double az = (mag(v, ref) + mag(t, ref)) * (cv + 1) + mag(mv, ref) + mag(z, ref);
        double total, trunc = 0;
        if (is_zero(z)) {
            copy_wr(y, W, y0, W);
            total = az;
        } else {
            const int64_t ez = unbiased_of(z);
            if (ez >= -1 && it < 8) {  // |z| may reach 1/2: start again from d
                copy_wr(y0, W, d, W);
                continue;
            }
            // z^2/2 and z^3/3 at the words that matter 2^-4 below the last
            // place of y (never fewer than one, never more than W).
            auto words = [&](int64_t bits) {
                return static_cast<uint64_t>(std::clamp<int64_t>((bits + 63) / 64, 1, iW));
            };
            const uint64_t Wh = words(64 * iW - ref + 2 * ez + 6), W3 = words(64 * iW - ref + 3 * ez + 7);
            widefp_float_mul(h, z, z, Wh);
            add_exponent(h, -1);
            copy_wr(h, W, h, Wh);
            widefp_float_sub(c, z, h, W);
            const double rc1 = mag(c, ref);
            widefp_float_mul(h3, h, z, W3);
            widefp_float_imul(h3, h3, 2, W3);
            widefp_float_idiv(h3, h3, 3, W3);
            const double rh = ulps(h, Wh, ref, W), rh3 = ulps(h3, W3, ref, W);
            copy_wr(h3, W, h3, W3);
            widefp_float_add(c, c, h3, W);
            widefp_float_add(y, y0, c, W);
            const int64_t tb = 4 * (ez + 1) - 1 - ref + 64 * iW;  // log2 |z|^4/2 in units 2^(ref-64W)
            trunc = ez >= -1 ? HUGE_VAL : std::ldexp(1.0, static_cast<int>(std::clamp<int64_t>(tb, -1000, 1000)));
            const double zb = std::ldexp(1.0, static_cast<int>(std::max<int64_t>(ez + 1, -1000)));
            total = az * (1 + 2 * zb) + trunc + 2 * rh + rc1 + 2 * rh3 + mag(c, ref) + mag(y, ref);
        }
        if (trunc > 0.25 && it < 8) {  // the start was too far: one more step
            copy_wr(y0, W, y, W);
            continue;
        }
        return total * std::ldexp(1.0, static_cast<int>(std::clamp<int64_t>(ref - unbiased_of(y), -1000, 1000))) *
                   1.0001 +
               0.01;
    }
}

// ---- logarithms ---------------------------------------------------------------------
//
// x 2^s = 2^E m, m = 1.F or 1.F/2 in [0.707, 1.414), d = m - 1 exact at W
// words.  Base e: y = E L + ln(1+d), L = ln 2 cut to W words (relative
// 2^-64W) times E truncated (one more): 2|EL| e + cd |ln(1+d)| e + 2^(ey+1) e
// for the sum.  Base 2: y = E + ln(1+d)/L, the quotient (cd + 2) relative.
// Base 10: the natural logarithm divided by ln 10 (the stored constant to
// 1,024 words, 3 ln 2 + ln(5/4) beyond), (c + c10 + 1).  An input error
// rel_in of x is an absolute one of ln x.
double log_core(uint64_t *y, const uint64_t *x, uint64_t nx, int64_t s, uint64_t W, double rel_in, Base base) {
    WIDEFP_ASSERTD(!is_zero(x) && !is_inf(x) && !is_neg(x) && nx >= 1);
    const uint64_t S = W + 1;
    Buf b(5 * S);
    uint64_t *m = b.take(S), *d = b.take(S), *lp = b.take(S), *L = b.take(S), *t = b.take(S);
    copy_wr(m, W, x, nx);
    if (nx > W) rel_in += 1;
    const bool halve = x[1] >= 0x6a09e667f3bcc909ULL;
    m[0] = halve ? kBias - 1 : kBias;
    const int64_t E = unbiased_of(x) + s + (halve ? 1 : 0);
    set_one(t, W);
    widefp_float_sub(d, m, t, W);
    double clp = 0;
    if (is_zero(d))
        lp[0] = 0;
    else
        clp = log1p_reduced(lp, d, W);
    WIDEFP_ASSERTD(E != 0 || !is_zero(d));
    auto input = [&](const uint64_t *r) {
        return rel_in * 1.01 * std::ldexp(1.0, static_cast<int>(std::clamp<int64_t>(-unbiased_of(r), -1000, 1000)));
    };
    if (base == Base::two) {
        double c = 0;
        if (!is_zero(lp)) {
            copy_wr(L, W, kLn2, W);
            widefp_float_div(lp, lp, L, W);
            clp += 2;
        }
        if (E == 0) {
            copy_wr(y, W, lp, W);
            c = clp;
        } else {
            set_i64(L, W, E);
            widefp_float_add(y, L, lp, W);
            c = clp * mag(lp, unbiased_of(y)) + 2;
        }
        return c + input(y) * 1.45 + 0.01;
    }
    double c;
    uint64_t *ln = base == Base::e ? y : t;
    if (E == 0) {
        copy_wr(ln, W, lp, W);
        c = clp;
    } else {
        widefp_float_imul(L, kLn2, E, W);
        widefp_float_add(ln, L, lp, W);
        const int64_t ey = unbiased_of(ln);
        c = 2 * mag(L, ey) + clp * mag(lp, ey) + 2;
    }
    c += input(ln);
    if (base == Base::e) return c + 0.01;
    double c10 = 1;
    if (W <= 1024) {  // the stored constant's fraction words
        copy_wr(L, W, widefp::constants::ln10, W);
    } else {  // ln 10 = 3 ln 2 + ln(1 + 1/4)
        set_one(d, W);
        add_exponent(d, -2);
        const double cq = log1p_reduced(lp, d, W);
        widefp_float_imul(L, kLn2, 3, W);
        widefp_float_add(L, L, lp, W);
        // 2e|3 ln 2| + cq e|ln 1.25| + e|ln 10| over ln 10 = 2.30.
        c10 = 3 + 0.1 * cq;
    }
    widefp_float_div(y, t, L, W);
    return c + c10 + 1 + 0.01;
}

double log2_abs_ln(const uint64_t *x, uint64_t p) {
    Buf b(3 * (p + 1));
    uint64_t *m = b.take(p + 1), *d = b.take(p + 1), *one = b.take(p + 1);
    copy_wr(m, p, x, p);
    const bool halve = x[1] >= 0x6a09e667f3bcc909ULL;
    m[0] = halve ? kBias - 1 : kBias;
    const int64_t E = unbiased_of(x) + (halve ? 1 : 0);
    set_one(one, p);
    widefp_float_sub(d, m, one, p);  // exact
    long double lp = 0;
    if (!is_zero(d)) {
        if (unbiased_of(d) < -60) {  // ln(1+d) = d (1 - d/2 ...): log2 |d| to 2^-60
            if (E == 0) {
                const double f = 1 + static_cast<double>(d[1] >> 11) * 0x1p-53;
                return static_cast<double>(unbiased_of(d)) + std::log2(f);
            }
            lp = to_ld(d, p);
        } else {
            lp = std::log1p(to_ld(d, p));
        }
    }
    const long double v = static_cast<long double>(E) * kLn2L + lp;
    return static_cast<double>(std::log2(std::fabs(v)));
}

// ---- rounding -----------------------------------------------------------------

// A fast test on the first word below the result, then round_approx.  With
// the error below M units of word p (counting the words after it as one
// more unit), the value's position in that word lies in (t0 - M, t0 + 1 + M):
// when that avoids 0, a half and one (the boundaries of all four modes),
// every value of the interval rounds as t0 does.
bool decide(uint64_t *y, uint64_t p, const uint64_t *w, uint64_t W, int64_t shift, double c, int mode,
            int *ternary) {
    if (!(c < 0x1p60)) return false;  // no bound worth a test (an infinity or a NaN included)
    const bool neg = is_neg(w);
    const int64_t e = unbiased_of(w) + shift;
    int64_t err = c <= 0.5 ? 0 : static_cast<int64_t>(std::ceil(std::log2(c * 1.0001))) + 1;
    if (err < 0) err = 0;
    if (W > p) {
        const int64_t below = err - 64 * static_cast<int64_t>(W - p - 1);
        if (below <= 60) {
            const uint64_t M = (below >= 0 ? uint64_t{1} << below : 1) + 2;
            const uint64_t t0 = w[p + 1];
            const bool clear = t0 > M && t0 < ~uint64_t{0} - M && (t0 < kHalf - M || t0 > kHalf + M);
            if (clear) {
                *ternary = round_value(y, p, neg, e, w + 1, p, t0 | 1, mode);
                return true;
            }
        }
    }
    if (err > 64 * static_cast<int64_t>(W) - 2) return false;
    return round_approx(y, p, neg, e, w + 1, W, err, mode, ternary);
}

int round_one_nudged(uint64_t *y, uint64_t p, bool neg, bool above, int mode) {
    Buf b(p);
    uint64_t *f = b.take(p);
    std::memset(f, above ? 0 : 0xff, p * sizeof(uint64_t));
    return above ? round_value(y, p, neg, 0, f, p, 1, mode) : round_value(y, p, neg, -1, f, p, ~uint64_t{0}, mode);
}

int round_nudged(uint64_t *y, uint64_t p, const uint64_t *x, bool above, int mode) {
    return round_beside(y, p, is_neg(x), unbiased_of(x), x + 1, !above, mode);
}

}  // namespace widefp::rnd::el

// ---- entry points ---------------------------------------------------------------

using namespace widefp::rnd;
using namespace widefp::rnd::el;

namespace {

inline bool is_one(const uint64_t *x, uint64_t p) {
    if (x[0] != kBias) return false;
    for (uint64_t j = 1; j <= p; ++j)
        if (x[j]) return false;
    return true;
}

inline bool fraction_zero(const uint64_t *x, uint64_t p) {
    for (uint64_t j = 1; j <= p; ++j)
        if (x[j]) return false;
    return true;
}

// x = 10^k for an integer k >= 1 (x > 1 finite): returns k, else 0.  x =
// O 2^a with O odd; 10^k = 5^k 2^k, so a = k and O = 5^k, checked on the
// significand's words.
int64_t power_of_ten(const uint64_t *x, uint64_t p) {
    const int64_t E = unbiased_of(x);
    if (E < 3) return 0;
    uint64_t j = p;
    while (j >= 1 && x[j] == 0) --j;
    if (j == 0) return 0;  // a power of two
    const int64_t tz = 64 * static_cast<int64_t>(p - j) + __builtin_ctzll(x[j]);
    const int64_t bits = 64 * static_cast<int64_t>(p) + 1 - tz;  // of O
    const int64_t k = E - (bits - 1);                            // x = O 2^(E - bits + 1)
    if (k < 1 || static_cast<int64_t>(std::floor(static_cast<double>(k) * 2.321928094887362)) + 1 != bits) return 0;
    // 5^k in n words (most significant first), then O aligned the same way.
    const uint64_t n = static_cast<uint64_t>(bits + 63) / 64;
    Buf b(2 * n);
    uint64_t *f = b.take(n), *o = b.take(n);
    std::memset(f, 0, n * sizeof(uint64_t));
    f[n - 1] = 1;
    for (int64_t left = k; left > 0; left -= 27) {
        uint64_t m = 1;
        for (int64_t i = 0; i < std::min<int64_t>(left, 27); ++i) m *= 5;
        widefp_array_imul(f, f, m, n);
    }
    // O = (1.F) >> (tz bits) as n words: the significand's bits from the
    // hidden one down to the last set bit.
    std::memset(o, 0, n * sizeof(uint64_t));
    for (int64_t i = 0; i < bits; ++i) {  // bit i of O counted from the top
        const int64_t pos = i - 1;           // position in F, -1 the hidden bit
        const uint64_t bit = pos < 0 ? 1 : (x[1 + pos / 64] >> (63 - pos % 64)) & 1;
        const int64_t at = bits - 1 - i;  // weight
        if (bit) o[n - 1 - static_cast<uint64_t>(at / 64)] |= uint64_t{1} << (at % 64);
    }
    return std::memcmp(f, o, n * sizeof(uint64_t)) == 0 ? k : 0;
}

// The logarithms: specials, exact results, then the Ziv loop.
int log_entry(const char *who, uint64_t *y, const uint64_t *x, uint64_t p, int mode, Base base) {
    check_args(who, p, mode);
    if (is_zero(x)) return set_inf(y, p, true);
    if (is_neg(x)) domain_error(who);
    if (is_inf(x)) return set_inf(y, p, false);
    if (is_one(x, p)) return set_zero(y, p, false);
    if (base == Base::two && fraction_zero(x, p)) {  // 2^E: E exactly
        const int64_t E = unbiased_of(x);
        Buf b(p + 1);
        uint64_t *t = b.take(p + 1);
        set_i64(t, p, E);
        std::memcpy(y, t, (p + 1) * sizeof(uint64_t));
        return 0;
    }
    if (base == Base::ten) {
        if (const int64_t k = power_of_ten(x, p)) {
            Buf b(p + 1);
            uint64_t *t = b.take(p + 1);
            set_i64(t, p, k);
            std::memcpy(y, t, (p + 1) * sizeof(uint64_t));
            return 0;
        }
    }
    return ziv(y, p, mode, [&](uint64_t *a, uint64_t W, int64_t *) { return log_core(a, x, p, 0, W, 0, base); });
}

}  // namespace

extern "C" {

int widefp_rnd_exp(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    check_args("rnd_exp", p, mode);
    const bool neg = is_neg(x);
    if (is_zero(x)) {
        set_pow2(y, p, false, 0);
        return 0;
    }
    if (is_inf(x)) return neg ? set_zero(y, p, false) : set_inf(y, p, false);
    const int64_t ex = unbiased_of(x);
    // e^x reaches 2^(2^62) from x = 2^62 ln 2 < 2^62 on, and lies below a
    // quarter of the smallest number from x = -2^62 ln 2 down.
    if (ex >= 62) return neg ? underflow(y, p, false, mode, false) : overflow(y, p, false, mode);
    // |x| < 2^-(64p+3): 1 + x lies within a quarter unit of 1 either way.
    if (ex <= -(64 * static_cast<int64_t>(p) + 4)) return round_one_nudged(y, p, false, !neg, mode);
    return ziv(y, p, mode, [&](uint64_t *a, uint64_t W, int64_t *shift) { return exp_core(a, shift, x, p, W); });
}

int widefp_rnd_expm1(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    check_args("rnd_expm1", p, mode);
    const bool neg = is_neg(x);
    if (is_zero(x)) return set_zero(y, p, neg);
    if (is_inf(x)) {
        if (!neg) return set_inf(y, p, false);
        set_pow2(y, p, true, 0);
        return 0;
    }
    const int64_t ex = unbiased_of(x);
    if (ex >= 62 && !neg) return overflow(y, p, false, mode);
    // e^x - 1 = x (1 + x/2 + ...): relative change below 2^-(64p+3).
    if (ex <= -(64 * static_cast<int64_t>(p) + 4)) return round_nudged(y, p, x, !neg, mode);
    // e^x < 2^-(64p+3): -1 + e^x within a quarter of the spacing below 1.
    if (neg && (ex >= 62 || to_ld(x, p) < -static_cast<long double>(64 * p + 3) * kLn2L))
        return round_one_nudged(y, p, true, false, mode);
    return ziv(y, p, mode, [&](uint64_t *a, uint64_t W, int64_t *shift) {
        if (ex <= -2) {
            Buf b(W + 1);
            uint64_t *r = b.take(W + 1);
            copy_wr(r, W, x, p);
            return expm1_reduced(a, r, W);
        }
        int64_t k;
        const double c = exp_core(a, &k, x, p, W);
        // 2^k w - 1 = 2^k w (1 - 2^-k/w): beyond 64W+8 the 1 is below
        // 2^-(64W+7) relative.
        if (k > 64 * static_cast<int64_t>(W) + 8) {
            *shift = k;
            return c + 0.01;
        }
        add_exponent(a, k);
        Buf b(W + 1);
        uint64_t *one = b.take(W + 1);
        set_one(one, W);
        const int64_t ew = unbiased_of(a);
        widefp_float_sub(a, a, one, W);
        // x >= 1/2: e^x/(e^x-1) < 2.55; x <= -1/2: e^x/(1-e^x) < 1.55.
        return c * std::ldexp(1.0, static_cast<int>(ew + 1 - unbiased_of(a))) + 1;
    });
}

int widefp_rnd_log(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    return log_entry("rnd_log", y, x, p, mode, Base::e);
}
int widefp_rnd_log2(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    return log_entry("rnd_log2", y, x, p, mode, Base::two);
}
int widefp_rnd_log10(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    return log_entry("rnd_log10", y, x, p, mode, Base::ten);
}

int widefp_rnd_log1p(uint64_t *y, const uint64_t *x, uint64_t p, int mode) {
    check_args("rnd_log1p", p, mode);
    const bool neg = is_neg(x);
    if (is_zero(x)) return set_zero(y, p, neg);
    if (is_inf(x)) {
        if (neg) domain_error("rnd_log1p");
        return set_inf(y, p, false);
    }
    const int64_t ex = unbiased_of(x);
    if (neg && ex >= 0) {  // x <= -1
        if (ex > 0 || !fraction_zero(x, p)) domain_error("rnd_log1p");
        return set_inf(y, p, true);  // ln 0
    }
    // ln(1+x) = x (1 - x/2 + ...): below |x| in magnitude for x > 0, above for x < 0.
    if (ex <= -(64 * static_cast<int64_t>(p) + 4)) return round_nudged(y, p, x, neg, mode);
    const long double xd = to_ld(x, p);
    const bool near = xd >= -0.29L && xd <= 0.41L;  // 1 + x in [0.71, 1.41]: ln(1+x) by the kernel directly
    return ziv(y, p, mode, [&](uint64_t *a, uint64_t W, int64_t *) {
        Buf b(W + 2);
        uint64_t *s = b.take(W + 2);
        if (near) {
            copy_wr(s, W, x, p);
            return log1p_reduced(a, s, W);
        }
        // 1 + x at W+1 words (relative error below 2^-64(W+1)); |ln(1+x)| > 1/3.
        Buf c(W + 2);
        uint64_t *one = c.take(W + 2);
        set_one(one, W + 1);
        copy_wr(s, W + 1, x, p);
        widefp_float_add(s, s, one, W + 1);
        return log_core(a, s, W + 1, 0, W, 0x1p-60);
    });
}

}  // extern "C"
