// pow.cpp -- correctly rounded power a^b: special values as MPFR has them, exact results, e^(b ln a) in a Ziv loop.
//
// Exact results: an integer b below 2^63 in magnitude goes to pow_si; a
// power of two a = 2^j with b = m 2^-k (m odd) gives 2^(jb) exactly when 2^k
// divides j; any other a^b with b = m 2^-k is exact only when a has an exact
// 2^k-th root a' (found by exact square roots, at most log2(64p+1) of them
// can succeed), and then a^b = a'^m, again through pow_si.  Every other
// result is irrational or has far more bits than 64p+2, so the Ziv loop
// ends.  There, ln|a| is formed at enough more words that |b ln a| times
// its relative error stays below 2^-64W.
#include <cstring>

#include "rounding/exp_log.h"

using namespace widefp::rnd;
using namespace widefp::rnd::el;

namespace {

// Fraction bit i (1-based from the top) of b.
inline bool fraction_bit(const uint64_t *b, uint64_t i) { return (b[1 + (i - 1) / 64] >> (63 - (i - 1) % 64)) & 1; }

// Index (1-based) of b's last set fraction bit, 0 when the fraction is 0.
uint64_t last_fraction_bit(const uint64_t *b, uint64_t p) {
    for (uint64_t j = p; j >= 1; --j)
        if (b[j]) return 64 * j - static_cast<uint64_t>(__builtin_ctzll(b[j]));
    return 0;
}

// For a finite nonzero b: is it an integer, and then is it odd.
struct IntInfo {
    bool integer, odd;
};
IntInfo classify(const uint64_t *b, uint64_t p) {
    const int64_t E = unbiased_of(b);
    if (E < 0) return {false, false};
    const uint64_t last = last_fraction_bit(b, p);
    if (last > static_cast<uint64_t>(E)) return {false, false};
    // The units place is fraction bit E (the hidden one for E = 0).
    const bool odd = E == 0 ? true : static_cast<uint64_t>(E) <= 64 * p && fraction_bit(b, static_cast<uint64_t>(E));
    return {true, odd};
}

// |b| as an integer, for an integer b with exponent at most 62.
int64_t to_int(const uint64_t *b) {
    const int64_t E = unbiased_of(b);
    uint64_t v = uint64_t{1} << E;
    if (E > 0) v |= b[1] >> (64 - E);
    return is_neg(b) ? -static_cast<int64_t>(v) : static_cast<int64_t>(v);
}

inline bool fraction_zero(const uint64_t *x, uint64_t p) {
    for (uint64_t j = 1; j <= p; ++j)
        if (x[j]) return false;
    return true;
}

// Can x = c 2^d (c odd) have an exact square root: d even and c = 1 mod 8.
bool may_be_square(const uint64_t *x, uint64_t p) {
    const uint64_t last = last_fraction_bit(x, p);
    if (last == 0) return (unbiased_of(x) & 1) == 0;
    // c's three low bits are fraction bits last, last-1, last-2 (the hidden
    // bit as bit 0).
    auto bit = [&](int64_t i) { return i == 0 ? true : i < 0 ? false : fraction_bit(x, static_cast<uint64_t>(i)); };
    const int64_t l = static_cast<int64_t>(last);
    const bool b1 = bit(l - 1), b2 = bit(l - 2);
    const int64_t d = unbiased_of(x) - l;
    return !b1 && !b2 && (d & 1) == 0;
}

// A result of magnitude 2^t (t possibly far outside the range) of sign neg.
int power_of_two(uint64_t *y, uint64_t p, bool neg, __int128 t, int mode) {
    if (t > kEmax) return overflow(y, p, neg, mode);
    if (t < kEmin - 1) return underflow(y, p, neg, mode, false);
    Buf b(p);
    uint64_t *f = b.take(p);
    std::memset(f, 0, p * sizeof(uint64_t));
    return round_value(y, p, neg, static_cast<int64_t>(t), f, p, 0, mode);
}

}  // namespace

extern "C" int widefp_rnd_pow(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode) {
    check_args("rnd_pow", p, mode);
    const bool na = is_neg(a), nb = is_neg(b);
    auto one = [&](bool neg) {
        set_pow2(y, p, neg, 0);
        return 0;
    };
    // ---- special values ----
    if (is_zero(b)) return one(false);                           // x^0 = 1
    if (!na && a[0] == kBias && fraction_zero(a, p)) return one(false);  // 1^y = 1
    const bool a_unit = (a[0] & kExpMask) == kBias && fraction_zero(a, p);  // |a| = 1
    const bool a_below_one = is_zero(a) || (!is_inf(a) && unbiased_of(a) < 0);
    if (is_inf(b)) {
        if (a_unit) return one(false);  // (-1)^(+-inf) = 1
        return a_below_one == nb ? set_inf(y, p, false) : set_zero(y, p, false);
    }
    const IntInfo bi = classify(b, p);
    const bool odd = bi.integer && bi.odd;
    if (is_zero(a)) return nb ? set_inf(y, p, odd && na) : set_zero(y, p, odd && na);
    if (is_inf(a)) return nb ? set_zero(y, p, odd && na) : set_inf(y, p, odd && na);
    if (na && !bi.integer) domain_error("rnd_pow");

    // ---- exact results ----
    const int64_t eb = unbiased_of(b), ea = unbiased_of(a);
    const bool neg = na && odd;  // the result's sign
    if (bi.integer && eb <= 62) return widefp_rnd_pow_si(y, a, to_int(b), p, mode);
    if (a_unit) return one(neg);
    const uint64_t last = last_fraction_bit(b, p);
    if (fraction_zero(a, p)) {  // |a| = 2^ea, ea != 0: a^b = 2^(ea b)
        const bool up = (ea > 0) != nb;
        if (bi.integer) return up ? overflow(y, p, neg, mode) : underflow(y, p, neg, mode, false);  // |ea b| >= 2^63
        const int64_t k = static_cast<int64_t>(last) - eb;  // b = m 2^-k, m odd
        if (k <= 62 && ea % (int64_t{1} << k) == 0) {
            const int64_t em = eb + k;  // m = b 2^k has exponent em
            if (em > 62) return up ? overflow(y, p, neg, mode) : underflow(y, p, neg, mode, false);
            Buf t(p + 1);
            uint64_t *m = t.take(p + 1);
            std::memcpy(m, b, (p + 1) * sizeof(uint64_t));
            add_exponent(m, k);
            return power_of_two(y, p, neg, static_cast<__int128>(ea >> k) * to_int(m), mode);
        }
    } else if (!bi.integer) {  // a > 0, b = m 2^-k: exact only through an exact 2^k-th root of a
        const int64_t k = static_cast<int64_t>(last) - eb;
        Buf t(2 * (p + 1));
        uint64_t *r = t.take(p + 1), *m = t.take(p + 1);
        std::memcpy(r, a, (p + 1) * sizeof(uint64_t));
        bool exact = true;
        // (No root taken here is a power of two: a is none.)
        for (int64_t i = 0; i < k && exact; ++i)
            exact = may_be_square(r, p) && widefp_rnd_sqrt(r, r, p, WIDEFP_RNDN) == 0;
        if (exact && eb + k <= 62) {
            std::memcpy(m, b, (p + 1) * sizeof(uint64_t));
            add_exponent(m, k);
            return widefp_rnd_pow_si(y, r, to_int(m), p, mode);
        }
    }

    // ---- e^(b ln|a|) ----
    const double f = 1 + static_cast<double>(b[1] >> 11) * 0x1p-53;
    const double lt = static_cast<double>(eb) + std::log2(f) + log2_abs_ln(a, p);  // log2 |b ln|a||
    const bool t_pos = (ea >= 0) != nb;                                              // |a| > 1 iff ea >= 0 here
    // e^t for t >= 2^61.75 > 2^62 ln 2 overflows, for t <= -2^61.75 lies
    // below a quarter of the smallest number; |t| < 2^-(64p+3.9) leaves
    // 1 + t within a quarter unit of 1.
    if (lt >= 61.75) return t_pos ? overflow(y, p, neg, mode) : underflow(y, p, neg, mode, false);
    if (lt < -static_cast<double>(64 * p + 4)) return round_one_nudged(y, p, neg, t_pos, mode);
    const uint64_t extra = static_cast<uint64_t>(std::max(0.0, std::ceil((lt + 14) / 64)));
    return ziv(y, p, mode, [&](uint64_t *w, uint64_t W, int64_t *shift) {
        const uint64_t WL = W + extra, S = WL + 1;
        Buf buf(3 * S);
        uint64_t *A = buf.take(S), *L = buf.take(S), *B = buf.take(S);
        copy_wr(A, p, a, p);
        A[0] &= ~kSign;
        // t = b ln|a| at WL words: relative error cL + 1, an absolute one of
        // |t| (cL + 1) 2^-64WL, in units of 2^-64W a relative one of e^t.
        const double cL = log_core(L, A, p, 0, WL, 0);
        copy_wr(B, WL, b, p);
        widefp_float_mul(L, L, B, WL);
        WIDEFP_ASSERTD(unbiased_of(L) <= 61);
        const int64_t el = std::max<int64_t>(unbiased_of(L) + 1 - 64 * static_cast<int64_t>(extra), -1000);
        const double dt = std::ldexp((cL + 1) * 1.0001, static_cast<int>(el));
        const double c = exp_core(w, shift, L, WL, W);
        if (neg) w[0] |= kSign;
        return c + dt * 1.01;
    });
}
