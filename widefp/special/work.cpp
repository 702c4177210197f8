// work.cpp -- working-precision values with error bounds, their elementary functions and the Ziv loop's steps.
#include "special/work.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "elementary/constants_table.h"
#include "kernel/heap.h"

namespace widefp::special {

namespace {

constexpr uint64_t kElemMax = 1023;  // the elementary functions' largest precision

// log2 of the magnitude bound 2^(e+1) of a value with exponent e, as a double.
inline double top(int64_t e) { return static_cast<double>(e) + 1.0; }

}  // namespace

double lg_add(double a, double b) {
    if (a < b) std::swap(a, b);
    if (b == kExact) return a;
    if (a == kUseless) return kUseless;
    return a + std::log2(1.0 + std::exp2(b - a)) + 1e-9;
}

double lg_second_order(double a) {
    if (a == kExact) return kExact;
    if (a > -4) return kUseless;
    return a + std::log2(1.0 + std::exp2(a + 1.0)) + 1e-9;
}

Work::Work(uint64_t q_, uint64_t values) : q(q_), arena_(values * (q_ + 1)), values_(values) {
    WIDEFP_ASSERTD(q >= 2);
}

Num Work::num() {
    WIDEFP_ASSERTD(used_ < values_);
    Num n;
    n.w = arena_.get() + used_ * (q + 1);
    n.re = kExact;
    ++used_;
    std::memset(n.w, 0, (q + 1) * sizeof(uint64_t));
    return n;
}

// ---- setting -------------------------------------------------------------------

void Work::set(Num &c, const uint64_t *x, uint64_t px) {
    c.re = kExact;
    if (is_zero(x) || is_inf(x)) {
        c.w[0] = x[0];
        std::memset(c.w + 1, 0, q * sizeof(uint64_t));
        return;
    }
    if (px <= q) {
        std::memcpy(c.w, x, (px + 1) * sizeof(uint64_t));
        std::memset(c.w + px + 1, 0, (q - px) * sizeof(uint64_t));
        return;
    }
    std::memcpy(c.w, x, (q + 1) * sizeof(uint64_t));
    for (uint64_t j = q + 1; j <= px; ++j)
        if (x[j]) {
            c.re = -64.0 * static_cast<double>(q);
            break;
        }
}

void Work::set_int(Num &c, int64_t n) {
    std::memset(c.w, 0, (q + 1) * sizeof(uint64_t));
    c.re = kExact;
    if (n == 0) return;
    const uint64_t m = n < 0 ? uint64_t{0} - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    const int t = 63 - __builtin_clzll(m);
    c.w[1] = t == 0 ? 0 : m << (64 - t);
    c.w[0] = (n < 0 ? kSign : 0) | (kBias + static_cast<uint64_t>(t));
}

void Work::copy(Num &c, const Num &a) {
    if (c.w != a.w) std::memcpy(c.w, a.w, (q + 1) * sizeof(uint64_t));
    c.re = a.re;
}

void Work::constant(Num &c, Constant which) {
    namespace t = widefp::constants;
    const uint64_t have = which == kPi ? 3136 : which == kLn2 ? 2049 : 1024;
    WIDEFP_ASSERTD(q <= have);
    (void)have;
    if (which == kPi)
        t::copy_pi(c.w, t::kPiWord0, q);
    else
        std::memcpy(c.w, which == kLn2 ? t::ln2 : t::euler_gamma, (q + 1) * sizeof(uint64_t));
    c.re = -64.0 * static_cast<double>(q);
}

// ---- arithmetic ----------------------------------------------------------------

void Work::mul(Num &c, const Num &a, const Num &b) {
    const double re = lg_second_order(lg_add(lg_add(a.re, b.re), op()));
    const bool zero = zero_of(a) || zero_of(b);
    widefp_float_mul(c.w, a.w, b.w, q);
    c.re = zero ? std::max(zero_of(a) ? a.re : kExact, zero_of(b) ? b.re : kExact) : re;
    if (!zero && (is_zero(c.w) || is_inf(c.w))) c.re = kUseless;  // out of the range: not expected here
}

void Work::div(Num &c, const Num &a, const Num &b) {
    WIDEFP_ASSERTD(!zero_of(b));
    const double re = lg_second_order(lg_add(lg_add(a.re, b.re), op()));
    const bool zero = zero_of(a);
    widefp_float_div(c.w, a.w, b.w, q);
    c.re = zero ? a.re : re;
    if (!zero && (is_zero(c.w) || is_inf(c.w))) c.re = kUseless;
}

void Work::imul(Num &c, const Num &a, int64_t k) {
    WIDEFP_ASSERTD(k != 0);
    const double re = zero_of(a) ? a.re : lg_second_order(lg_add(a.re, op()));
    widefp_float_imul(c.w, a.w, k, q);
    c.re = re;
}

void Work::idiv(Num &c, const Num &a, int64_t k) {
    WIDEFP_ASSERTD(k != 0);
    const double re = zero_of(a) ? a.re : lg_second_order(lg_add(a.re, op()));
    widefp_float_idiv(c.w, a.w, k, q);
    c.re = re;
}

void Work::scale(Num &c, const Num &a, int64_t k) {
    copy(c, a);
    if (zero_of(c) || k == 0) return;
    const int64_t e = exp_of(c) + k;
    WIDEFP_ASSERTD(e >= kEmin && e <= kEmax);
    c.w[0] = (c.w[0] & kSign) | static_cast<uint64_t>(e + static_cast<int64_t>(kBias));
}

void Work::add(Num &c, const Num &a, const Num &b) { add_signed(c, a, b, false); }
void Work::sub(Num &c, const Num &a, const Num &b) { add_signed(c, a, b, true); }

void Work::add_signed(Num &c, const Num &a, const Num &b, bool minus) {
    if (zero_of(b)) {
        copy(c, a);
        c.re = std::max(a.re, b.re);
        return;
    }
    if (zero_of(a)) {
        copy(c, b);
        if (minus) negate(c);
        c.re = std::max(a.re, b.re);
        return;
    }
    const bool same = neg_of(a) == (neg_of(b) != minus);
    const int64_t ea = exp_of(a), eb = exp_of(b);
    const double ra = a.re, rb = b.re;
    if (minus)
        widefp_float_sub(c.w, a.w, b.w, q);
    else
        widefp_float_add(c.w, a.w, b.w, q);
    if (same) {
        // |(a+b) - (A+B)| <= max(alpha, beta) |A+B| for terms of one sign.
        c.re = lg_second_order(lg_add(std::max(ra, rb), op()));
        return;
    }
    if (zero_of(c)) {  // the approximations cancel exactly
        c.re = ra == kExact && rb == kExact ? kExact : kUseless;  // a zero of unknown quality
        return;
    }
    if (ra == kExact && rb == kExact) {
        c.re = op();
        return;
    }
    // |(a-b) - (A-B)| <= alpha|A| + beta|B| = M, |A| <= |a|/(1 - alpha); the
    // result c, truncated toward zero from a-b, has |c| >= 2^ec, so
    // |A-B| >= 2^ec - M and the relative error is (2^op + m)/(1 - m), m = M/2^ec.
    const int64_t ec = exp_of(c);
    double m = lg_add(ra + top(ea) - static_cast<double>(ec), rb + top(eb) - static_cast<double>(ec));
    m += std::log2(1.0 + std::exp2(std::max(ra, rb) + 1.0)) + 1e-9;
    if (m > -3) {
        c.re = kUseless;
        return;
    }
    c.re = lg_add(op(), m) - std::log2(1.0 - std::exp2(m)) + 1e-9;
}

void Work::widen_abs(Num &c, double err_abs) const {
    if (err_abs == kExact) return;
    if (zero_of(c)) {
        c.re = kUseless;
        return;
    }
    // |c - X| <= 2^re |V| + err with |V| <= |X| + err and |X| >= 2^ec - err
    // (less the second-order terms, which the factor (1 + 2s) covers).
    const double d = err_abs - static_cast<double>(exp_of(c));
    if (d > -4) {
        c.re = kUseless;
        return;
    }
    c.re = lg_second_order(lg_add(c.re, d)) - std::log2(1.0 - std::exp2(d + 1.0)) + 1e-9;
}

// ---- functions -----------------------------------------------------------------

void Work::sqrt(Num &c, const Num &a) {
    WIDEFP_ASSERTD(!neg_of(a) && !zero_of(a));
    Scratch work(4 * q + 8);
    // The square root kernel (Newton's iteration) stays within 8.5 units of
    // the root's last place: 16 here.
    const double re = lg_second_order(lg_add(a.re - 1.0, op() + 3.0));
    widefp_float_sqrt(c.w, a.w, q, work.get());
    c.re = re;
}

double Work::elementary(int kind, uint64_t *y, const uint64_t *a) {
    if (q <= kElemMax) {
        Scratch work(kind == 1 ? 3 * q + 6 : 2 * q + 5);
        if (kind == 0) {
            widefp_float_exp(y, a, q, work.get());
        } else if (kind == 1) {
            std::unique_ptr<uint64_t[]> cache = widefp::detail::heap_words(widefp_cache_size(q));
            cache[0] = 0;
            widefp_float_log(y, a, q, work.get(), cache.get());
        } else {
            widefp_float_sin(y, a, q, work.get());
        }
        return op();
    }
    // q = 1024: the function at 1,023 words of a's leading part hi, its guard
    // word completing the 1,024 words, and the first terms of the Taylor
    // expansion in the rest lo = a - hi.
    WIDEFP_ASSERTD(q == kElemMax + 1);
    const uint64_t P = kElemMax;
    Scratch s(6 * (q + 1) + 3 * P + 6);
    uint64_t *hi = s.get(), *lo = hi + (q + 1), *t = lo + (q + 1), *u = t + (q + 1), *work = u + 3 * (q + 1);
    std::memcpy(hi, a, (P + 1) * sizeof(uint64_t));  // hi[q] = 0
    widefp_float_sub(lo, a, hi, q);                  // exact
    uint64_t g;
    if (kind == 0) {
        g = widefp_float_exp(y, hi, P, work);
    } else if (kind == 1) {
        std::unique_ptr<uint64_t[]> cache = widefp::detail::heap_words(widefp_cache_size(P));
        cache[0] = 0;
        g = widefp_float_log(y, hi, P, work, cache.get());
    } else {
        g = widefp_float_sin(y, hi, P, work);
    }
    y[q] = is_zero(y) ? 0 : g;
    const double f = 17.0 - 64.0 * static_cast<double>(q);  // 2^16 units of the guard's last bit
    if (is_zero(lo)) return f;
    const double l = static_cast<double>(unbiased_of(lo)) + 1.0;  // log2 of a bound on |lo|
    const double opq = op();
    if (kind == 0) {  // e^a = e^hi (1 + lo + lo^2 (...)): dropped <= lo^2 relative
        widefp_float_mul(t, y, lo, q);
        widefp_float_add(y, y, t, q);
        return lg_add(lg_add(f, opq + 1.0), 2.0 * l + 1.0);
    }
    if (kind == 1) {  // ln a = ln hi + e - e^2/2 + ..., e = lo/hi; dropped <= |e|^3
        widefp_float_div(t, lo, hi, q);  // hi read as 1,024 words: hi[q] = 0
        widefp_float_mul(u, t, t, q);
        u[0] -= (u[0] & kExpMask) > 1 ? 1 : 0;  // e^2 / 2
        widefp_float_sub(t, t, u, q);
        // Absolute: 2^f |ln hi| (|ln hi| <= |ln a| + 2|e|), the steps, |e|^3.
        const double e = l + 1.0;  // |e| < 2|lo|
        const double ln_hi = is_zero(y) ? kExact : top(unbiased_of(y));
        widefp_float_add(y, y, t, q);
        if (is_zero(y)) return kUseless;
        const double ey = static_cast<double>(unbiased_of(y));
        double abs = lg_add(f + lg_add(ln_hi, e + 1.0), opq + e + 2.0);
        abs = lg_add(abs, 3.0 * e);
        abs = lg_add(abs, opq + ey + 1.0);
        const double d = abs - ey;
        return d > -3 ? kUseless : d - std::log2(1.0 - std::exp2(d)) + 1e-9;
    }
    // sin a = sin hi + cos(hi) lo - sin(xi) lo^2/2: cos hi from two words.
    uint64_t h2[3] = {a[0], a[1], a[2]}, c2[3], w2[9];
    widefp_float_cos(c2, h2, 2, w2);
    t[0] = c2[0];
    std::memcpy(t + 1, c2 + 1, 2 * sizeof(uint64_t));
    std::memset(t + 3, 0, (q - 2) * sizeof(uint64_t));
    widefp_float_mul(u, t, lo, q);
    widefp_float_add(y, y, u, q);
    if (is_zero(y)) return kUseless;
    // |cos hi - c2| <= |hi - h2| + 2^-126 <= 2^(ea-127) + 2^-126; |sin a| >= 0.55 |a|.
    const double ea = static_cast<double>(unbiased_of(a));
    double abs = lg_add(f + top(unbiased_of(y)), 2.0 * l);
    abs = lg_add(abs, l + lg_add(ea - 127.0, -126.0));
    abs = lg_add(abs, opq + top(unbiased_of(y)) + 1.0);
    const double d = abs - (ea - 0.87);  // 0.55 |a| >= 2^(ea - 0.87)
    return d > -3 ? kUseless : d - std::log2(1.0 - std::exp2(d)) + 1e-9;
}

void Work::log(Num &c, const Num &a) {
    WIDEFP_ASSERTD(!neg_of(a) && !zero_of(a));
    const double ra = a.re;
    const double f = elementary(1, c.w, a.w);
    if (zero_of(c)) {  // a = 1
        c.re = ra == kExact ? kExact : kUseless;
        return;
    }
    if (ra == kExact) {
        c.re = f;
        return;
    }
    // |ln a - ln A| <= alpha (1 + 2 alpha), against |ln A| >= 2^ec - that.
    const double d = lg_second_order(ra) - static_cast<double>(exp_of(c));
    if (d > -3 || f == kUseless) {
        c.re = kUseless;
        return;
    }
    c.re = lg_add(lg_add(f, f + 1.0 + d), d) - std::log2(1.0 - std::exp2(d)) + 1e-9;
}

void Work::exp(Num &m, int64_t *k, const Num &a, double arg_abs) {
    *k = 0;
    // The absolute error of the argument (|a| < 2^(ea+1), relative to |A|).
    const bool given = arg_abs != kUseless;
    if (zero_of(a)) {
        set_int(m, 1);
        if (given) m.re = lg_second_order(lg_second_order(arg_abs));
        return;
    }
    const int64_t ea = exp_of(a);
    WIDEFP_ASSERTD(ea <= 62 && std::fabs(widefp_float_wrtod(a.w)) < 6.0e18);  // k = a / ln 2 below 2^63
    double delta = given ? arg_abs : a.re == kExact ? kExact : lg_second_order(a.re) + top(ea);
    if (ea < 59) {
        const double f = elementary(0, m.w, a.w);
        m.re = lg_second_order(lg_add(f, lg_second_order(delta)));
        return;
    }
    // a = k ln 2 + r, in two steps at q+1 words (ln 2 has 2,049 words); each
    // product k*L and difference is truncated there: with |k| < 2^62 the
    // reduction costs below 2^(1-64q) absolutely.
    const uint64_t n = q + 1;
    Scratch s(4 * (n + 1));
    uint64_t *L = s.get(), *K = L + (n + 1), *R = K + (n + 1), *A = R + (n + 1);
    std::memcpy(L, widefp::constants::ln2, (n + 1) * sizeof(uint64_t));
    std::memcpy(A, a.w, (q + 1) * sizeof(uint64_t));
    A[n] = 0;
    const double ln2 = 0.69314718055994530942;
    int64_t kk = static_cast<int64_t>(std::llround(widefp_float_wrtod(A) / ln2));
    widefp_float_imul(K, L, kk, n);
    widefp_float_sub(R, A, K, n);
    if (!is_zero(R)) {
        const int64_t k2 = static_cast<int64_t>(std::llround(widefp_float_wrtod(R) / ln2));
        if (k2 != 0) {
            widefp_float_imul(K, L, k2, n);
            widefp_float_sub(R, R, K, n);
            kk += k2;
        }
    }
    *k = kk;
    Num r = {R, kExact};  // read as q words (the last one dropped)
    delta = lg_add(delta, 1.0 - 64.0 * static_cast<double>(q));
    const double f = elementary(0, m.w, r.w);
    m.re = lg_second_order(lg_add(f, lg_second_order(delta)));
}

void Work::sin(Num &c, const Num &t) {
    const double rt = t.re;
    if (zero_of(t)) {
        copy(c, t);
        return;
    }
    const double f = elementary(2, c.w, t.w);
    c.re = lg_second_order(lg_add(f, rt == kExact ? kExact : rt + 1.0));
}

// ---- the Ziv loop -------------------------------------------------------------

ZivStats &ziv_stats() {
    static thread_local ZivStats stats;
    return stats;
}

uint64_t next_precision(uint64_t p, uint64_t q, double re) {
    uint64_t need;
    if (!(re < -2)) {
        need = 2 * q - p + 1;  // nothing known: twice the extra words
    } else {
        const double err = re + 64.0 * static_cast<double>(q) + 1.0;  // bits above the last place
        need = p + static_cast<uint64_t>(std::ceil((std::max(err, 0.0) + 24.0) / 64.0));
    }
    return std::max(need, q + 1 + (q - p) / 2);
}

int round_at_cap(const char *who, uint64_t *y, uint64_t p, int mode, const Approx &a, const uint64_t *frac,
                 uint64_t q) {
    if (a.re < -2) {
        const double err = a.re + 64.0 * static_cast<double>(q) + 1.01;
        if (err <= 64.0 * static_cast<double>(q - p) - 2.0)
            return round_value(y, p, a.neg, a.e, frac, q, 0, mode);
    }
    char text[200];
    std::snprintf(text, sizeof text,
                  "%s: this argument needs more than %llu words of working precision at precision %llu\n", who,
                  static_cast<unsigned long long>(q), static_cast<unsigned long long>(p));
    widefp_fatal("widefp:range", text);
}

// ---- arguments -----------------------------------------------------------------

double log2_abs(const uint64_t *x) {
    return static_cast<double>(unbiased_of(x)) + std::log2(1.0 + std::ldexp(static_cast<double>(x[1]), -64));
}

bool is_integer(const uint64_t *x, uint64_t p) {
    if (is_zero(x)) return true;
    const int64_t e = unbiased_of(x);
    if (e < 0) return false;
    if (e >= 64 * static_cast<int64_t>(p)) return true;
    // fraction bits e .. 64p-1 (bit i of F has weight 2^(e-1-i)) must vanish
    const uint64_t first = static_cast<uint64_t>(e) / 64, bit = static_cast<uint64_t>(e) % 64;
    if (bit && (x[1 + first] << bit)) return false;
    for (uint64_t j = first + (bit ? 1 : 0); j < p; ++j)
        if (x[1 + j]) return false;
    return true;
}

bool nearest_split(const uint64_t *x, uint64_t p, uint64_t *r) {
    const uint64_t sign = x[0] & kSign;
    if (is_zero(x)) {
        set_zero(r, p, sign != 0);
        return false;
    }
    const int64_t e = unbiased_of(x);
    if (e >= 64 * static_cast<int64_t>(p)) {  // an integer
        set_zero(r, p, false);
        return e == 64 * static_cast<int64_t>(p) && (x[p] & 1);
    }
    if (e <= -2) {  // |x| < 1/2
        std::memcpy(r, x, (p + 1) * sizeof(uint64_t));
        return false;
    }
    Scratch s(2 * (p + 1));
    uint64_t *ax = s.get(), *t = ax + (p + 1);
    std::memcpy(ax, x, (p + 1) * sizeof(uint64_t));
    ax[0] &= kExpMask;
    bool odd;
    if (e == -1) {  // |x| in [1/2, 1): n = +-1
        std::memset(t, 0, (p + 1) * sizeof(uint64_t));
        t[0] = kBias;
        odd = true;
        widefp_float_sub(r, ax, t, p);  // |x| - 1, exact
    } else {
        // t = trunc |x|: fraction bits e.. cleared; the bit of weight 1/2 is bit e.
        std::memcpy(t, ax, (p + 1) * sizeof(uint64_t));
        const uint64_t first = static_cast<uint64_t>(e) / 64, bit = static_cast<uint64_t>(e) % 64;
        const uint64_t half_word = 1 + first;  // the word of bit e
        const bool half = (ax[half_word] >> (63 - bit)) & 1;
        if (bit)
            t[half_word] &= ~(~uint64_t{0} >> bit);
        else
            t[half_word] = 0;
        for (uint64_t j = half_word + 1; j <= p; ++j) t[j] = 0;
        // parity: weight 1 is the hidden bit (e = 0) or fraction bit e-1
        if (e == 0) {
            odd = true;
        } else {
            const uint64_t b = static_cast<uint64_t>(e - 1);
            odd = (ax[1 + b / 64] >> (63 - b % 64)) & 1;
        }
        widefp_float_sub(r, ax, t, p);  // the fraction of |x|, exact
        if (half) {                     // n = trunc |x| + 1: r = fraction - 1, exact
            odd = !odd;
            std::memset(t, 0, (p + 1) * sizeof(uint64_t));
            t[0] = kBias;
            widefp_float_sub(r, r, t, p);
        }
    }
    if (sign && !is_zero(r)) r[0] ^= kSign;
    if (is_zero(r)) set_zero(r, p, false);
    return odd;
}

bool trunc_odd(const uint64_t *x, uint64_t p) {
    if (is_zero(x)) return false;
    const int64_t e = unbiased_of(x);
    if (e < 0 || e > 64 * static_cast<int64_t>(p)) return false;
    if (e == 0) return true;  // the hidden bit has weight 1
    const uint64_t b = static_cast<uint64_t>(e - 1);
    return (x[1 + b / 64] >> (63 - b % 64)) & 1;
}

bool integer_to_widereal(const uint64_t *T, uint64_t len, uint64_t *out, uint64_t q) {
    const uint64_t top = T[len - 1];
    const unsigned lz = static_cast<unsigned>(__builtin_clzll(top));
    const unsigned s = lz + 1;  // the shift that drops the leading one: 1..64
    auto word = [&](uint64_t i) -> uint64_t {  // fraction word i, from the top
        const uint64_t hi = i < len ? T[len - 1 - i] : 0;
        const uint64_t lo = i + 1 < len ? T[len - 2 - i] : 0;
        if (s == 64) return lo;
        return (hi << s) | (lo >> (64 - s));
    };
    out[0] = kBias + (64 * len - lz - 1);
    for (uint64_t i = 0; i < q; ++i) out[1 + i] = word(i);
    for (uint64_t i = q; i < len; ++i)
        if (word(i)) return true;
    return false;
}

}  // namespace widefp::special
