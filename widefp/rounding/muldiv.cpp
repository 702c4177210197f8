// muldiv.cpp -- correctly rounded multiplication and division.
//
// Both start from the kernel's truncated result and its guard word, which
// decide the rounding unless the guard word lies within the kernel's error
// bound of a rounding boundary (a zero tail, a half unit, a whole unit);
// then the exact product, or the quotient corrected by its exact remainder,
// decides.  The exponents are combined here: where the kernel's own range
// handling could apply, it works on operands moved to exponent 0.
//
// The half product's error.  widefp_float_mul_h forms the columns 0..p-1 of
// the fraction product exactly, of column p only the high halves of its p-1
// word products, and leaves out the columns beyond.  In units u of the
// guard word (2^-64 of the last place) the part left out is at least 0 and
// below (p-1) (the low halves) + (p-2) + (p-3)/2^64 + ... < 2p-2.  The
// kernel adds 2p to the guard word G, so the exact tail is G - d with
// 2 < d <= 2p; a product in [2, 4) moves down one bit (unit 2u, the bit
// shifted out ORed in as sticky), which leaves the exact tail in
// [G - p - 1/2, G - 1/2).  Either way the exact tail lies in [G - 2p, G)
// units of G's last bit, a tail below 0 meaning that the stored words are
// one unit above the truncated exact product; a saturated G (all ones)
// says nothing beyond a tail near a whole unit.
//
// The quotient's error.  widefp_float_div develops the p+1 quotient words
// q_1..q_{p+1} by long division: steps 1 and 2 use the whole divisor Y,
// step k >= 3 the divisor cut to p+2-k fraction words, short of Y by less
// than 2^(-64(p+2-k)).  The remainder left after the last step lies in
// [0, Y_1) (Y_1 <= Y, the divisor cut to one word), and each cut step adds
// q_k 2^(-64k) times the part missing, below 2^(-64(p+1)) (a word that
// carries into the stored ones counts 2^64 at most).  So X/Y - Q lies in
// (-(p-1)v, v), Q the developed words and v = 2^(-64(p+1)): in units of the
// guard word's last bit (v, or v/2 for a quotient below 1 whose words move
// up one bit) the exact tail lies in (next - 2p, next + 2), next being the
// guard word less its bias of 2^33.  A guard word 0 is an exact quotient
// (equal significands); a saturated one says only next >= 2^64 - 2^33.
#include <cmath>
#include <cstring>
#include <memory>

#include "kernel/karatsuba.h"
#include "rounding/arith.h"
#include "rounding/ziv.h"

namespace widefp::rnd {
namespace {

// Results up to this precision keep their temporaries on the stack.
constexpr uint64_t kStackP = 64;
// The division's guard word: the next 64 quotient bits plus this bias.
constexpr uint64_t kDivBias = uint64_t{1} << 33;

// p+1 words of temporary (not initialised): on the stack up to kStackP,
// from the heap above.
class Temp {
public:
    explicit Temp(uint64_t p) {
        if (p > kStackP) {
            heap_ = heap_words(p + 1);
            ptr_ = heap_.get();
        } else {
            ptr_ = local_;
        }
    }
    Temp(const Temp &) = delete;
    Temp &operator=(const Temp &) = delete;
    uint64_t *get() { return ptr_; }

private:
    uint64_t local_[kStackP + 1];
    std::unique_ptr<uint64_t[]> heap_;
    uint64_t *ptr_;
};

// dst = x moved to exponent 0 (sign and fraction kept).
inline void at_exponent_zero(uint64_t *dst, const uint64_t *x, uint64_t p) {
    std::memcpy(dst + 1, x + 1, p * sizeof(uint64_t));
    dst[0] = (x[0] & kSign) | kBias;
}

// Rounds y, a truncated finite result with its exponent inside the range,
// whose discarded part is nonzero and below (above false) or above half a
// unit.  Returns the ternary value.
inline int round_inexact(uint64_t *y, uint64_t p, bool above, int mode) {
    const bool neg = is_neg(y);
    const int up = neg ? -1 : 1;
    if (!(mode == WIDEFP_RNDN ? above : away_from_zero(neg, mode))) return -up;
    uint64_t j = p;
    while (j >= 1 && ++y[j] == 0) --j;
    if (j == 0 && (++y[0] & kExpMask) == kExpMask) return overflow(y, p, neg, mode);
    return up;
}

// ---- multiplication ----------------------------------------------------------

// From the exact truncated product and its exact guard word.  Finite
// nonzero operands; y may be either of them.
int mul_exact(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode) {
    const int64_t e = unbiased_of(a) + unbiased_of(b);
    Scratch s(2 * (p + 1));
    uint64_t *sa = s.get(), *sb = sa + (p + 1);
    at_exponent_zero(sa, a, p);
    at_exponent_zero(sb, b, p);
    const uint64_t g = widefp_float_mul_k(y, sa, sb, p);
    return round_value(y, p, is_neg(y), unbiased_of(y) + e, y + 1, p, g, mode);
}

// One word: (2^64 + x)(2^64 + z) = 2^128 + (x + z) 2^64 + xz exactly.
int mul_one_word(uint64_t *y, const uint64_t *a, const uint64_t *b, int mode) {
    const bool neg = is_neg(a) != is_neg(b);
    const int64_t e = unbiased_of(a) + unbiased_of(b);
    const u128 xz = static_cast<u128>(a[1]) * b[1];
    const u128 mid = static_cast<u128>(a[1]) + b[1] + static_cast<uint64_t>(xz >> 64);
    uint64_t f = static_cast<uint64_t>(mid), g = static_cast<uint64_t>(xz);
    const uint64_t carry = static_cast<uint64_t>(mid >> 64);  // the significand is 1 + carry + f/2^64
    if (carry == 0) return round_short(y, 1, neg, e, &f, g, mode);
    g = (f << 63) | (g >> 1) | (g & 1);
    f = ((carry + 1) << 63) | (f >> 1);
    return round_short(y, 1, neg, e + 1, &f, g, mode);
}

// Two words, exactly: with X = (x1, x2) and Z = (z1, z2) as 128-bit
// integers, (2^128 + X)(2^128 + Z) = 2^256 + (X + Z) 2^128 + XZ, XZ of four
// words P3..P0; the fraction is the two words above 2^128, P1 the guard
// word, P0 sticky.
int mul_two_words(uint64_t *y, const uint64_t *a, const uint64_t *b, int mode) {
    const bool neg = is_neg(a) != is_neg(b);
    const int64_t e = unbiased_of(a) + unbiased_of(b);
    const uint64_t x1 = a[1], x2 = a[2], z1 = b[1], z2 = b[2];
    const u128 ll = static_cast<u128>(x2) * z2, lh = static_cast<u128>(x2) * z1, hl = static_cast<u128>(x1) * z2,
               hh = static_cast<u128>(x1) * z1;
    const uint64_t p0 = static_cast<uint64_t>(ll);
    u128 t = (ll >> 64) + static_cast<uint64_t>(lh) + static_cast<uint64_t>(hl);
    const uint64_t p1 = static_cast<uint64_t>(t);
    t = (t >> 64) + (lh >> 64) + (hl >> 64) + static_cast<uint64_t>(hh);
    const uint64_t p2 = static_cast<uint64_t>(t);
    const uint64_t p3 = static_cast<uint64_t>(hh >> 64) + static_cast<uint64_t>(t >> 64);
    t = static_cast<u128>(x2) + z2 + p2;
    uint64_t f[2];
    f[1] = static_cast<uint64_t>(t);
    t = static_cast<u128>(x1) + z1 + p3 + static_cast<uint64_t>(t >> 64);
    f[0] = static_cast<uint64_t>(t);
    const uint64_t carry = static_cast<uint64_t>(t >> 64);  // the significand is 1 + carry + ...
    if (carry == 0) return round_short(y, 2, neg, e, f, p1 | (p0 != 0), mode);
    const uint64_t g = (f[1] << 63) | (p1 >> 1) | ((p1 & 1) | (p0 != 0));
    f[1] = (f[0] << 63) | (f[1] >> 1);
    f[0] = ((carry + 1) << 63) | (f[0] >> 1);
    return round_short(y, 2, neg, e + 1, f, g, mode);
}

// The half product into t (y, or a temporary when y is an operand) and its
// guard word decide, or the exact product does.  2 <= p < 720, the exponent
// sum inside the range.
int mul_half(uint64_t *y, uint64_t *t, const uint64_t *a, const uint64_t *b, uint64_t p, int mode) {
    WIDEFP_ASSERTD(p >= 2 && p < kKaratsubaThreshold && t != a && t != b);
    const uint64_t g = widefp_float_mul_h(t, a, b, p);
    const uint64_t bound = 2 * p;  // the exact tail lies in [g - 2p, g)
    bool above;
    if (g > bound && g <= kHalf)
        above = false;
    else if (g > kHalf + bound && g != kSaturated)
        above = true;
    else
        return mul_exact(y, a, b, p, mode);  // t is neither operand: both intact
    if (t != y) std::memcpy(y, t, (p + 1) * sizeof(uint64_t));
    return round_inexact(y, p, above, mode);
}

int mul_rounded(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode) {
    if (p == 1) return mul_one_word(y, a, b, mode);
    if (p == 2) return mul_two_words(y, a, b, mode);
    const int64_t e = unbiased_of(a) + unbiased_of(b);
    // The kernel's range applies from exponent sums below kEmin or at kEmax
    // (the product's own bit may carry it over).
    if (p >= kKaratsubaThreshold || e < kEmin || e >= kEmax) return mul_exact(y, a, b, p, mode);
    if (y != a && y != b) return mul_half(y, y, a, b, p, mode);
    Temp t(p);
    return mul_half(y, t.get(), a, b, p, mode);
}

// ---- division ----------------------------------------------------------------

// k * m[0..n-1] subtracted from r[0..n-1] (k >= 0) modulo 2^(64n).
void sub_multiple(uint64_t *r, const uint64_t *m, uint64_t k, uint64_t n) {
    uint64_t hi = 0, borrow = 0;
    for (uint64_t j = n; j-- > 0;) {
        const u128 prod = static_cast<u128>(k) * m[j] + hi;
        hi = static_cast<uint64_t>(prod >> 64);
        const uint64_t lo = static_cast<uint64_t>(prod), rj = r[j];
        const uint64_t d = rj - lo;
        r[j] = d - borrow;
        borrow = (rj < lo) | (d < borrow);
    }
}

// k * m[0..n-1] added to r[0..n-1] (k >= 0) modulo 2^(64n).
void add_multiple(uint64_t *r, const uint64_t *m, uint64_t k, uint64_t n) {
    uint64_t hi = 0, carry = 0;
    for (uint64_t j = n; j-- > 0;) {
        const u128 prod = static_cast<u128>(k) * m[j] + hi;
        hi = static_cast<uint64_t>(prod >> 64);
        const u128 s = static_cast<u128>(r[j]) + static_cast<uint64_t>(prod) + carry;
        r[j] = static_cast<uint64_t>(s);
        carry = static_cast<uint64_t>(s >> 64);
    }
}

// q[0..n-1] += k (a signed step that stays inside the n words).
void add_signed(uint64_t *q, int64_t k, uint64_t n) {
    if (k >= 0) {
        u128 s = static_cast<u128>(q[n - 1]) + static_cast<uint64_t>(k);
        q[n - 1] = static_cast<uint64_t>(s);
        for (uint64_t j = n - 1; (s >> 64) && j-- > 0;) s = static_cast<u128>(q[j]) + 1, q[j] = static_cast<uint64_t>(s);
    } else {
        const uint64_t d = 0 - static_cast<uint64_t>(k), w = q[n - 1];
        q[n - 1] = w - d;
        for (uint64_t j = n - 1, b = w < d; b && j-- > 0;) b = q[j]-- == 0;
    }
}

// The quotient decided by its exact remainder.  t holds the kernel's
// truncated quotient of a/b and `next` the 64 bits after it to within 2^34
// units.  With Xi = 1.a 2^(64p), Yi = 1.b 2^(64p) (integers of p+1 words)
// and Qi = 1.t.next (p+2 words), the quotient truncated to p+1 fraction
// words is Qi + k for the integer k with 0 <= R - k Yi < Yi, where
// R = Xi 2^(64(p+1)+c) - Qi Yi and c = 1 when the significands' quotient is
// below 1 (its words moved up one bit).  |R| < 2^35 Yi, so the low p+2
// words of R, in two's complement, hold it whole; k comes from R's leading
// words, then single steps settle it.  shift: added to t's exponent.
int div_exact(uint64_t *y, const uint64_t *t, uint64_t next, const uint64_t *a, const uint64_t *b, uint64_t p,
              int64_t shift, int mode) {
    const uint64_t n = p + 2;
    Scratch s(3 * n + karatsuba_scratch_words(n));
    uint64_t *q = s.get(), *yi = q + n, *r = yi + n, *prod = r + n;
    q[0] = 1;
    std::memcpy(q + 1, t + 1, p * sizeof(uint64_t));
    q[p + 1] = next;
    yi[0] = 0;
    yi[1] = 1;
    std::memcpy(yi + 2, b + 1, p * sizeof(uint64_t));
    karatsuba_product(prod, q, yi, n);  // the 2n-word product; its low n words matter
    const int64_t c = unbiased_of(a) - unbiased_of(b) - unbiased_of(t);
    WIDEFP_ASSERTD(c == 0 || c == 1);
    r[0] = a[p] << c;
    std::memset(r + 1, 0, (n - 1) * sizeof(uint64_t));
    sub_multiple(r, prod + n, 1, n);

    // R / 2^(64p) is the signed word r[1] (r[0] only extends its sign), and
    // Yi / 2^(64p) = 1.b: k is the floor of their quotient or one beside it.
    const double ratio = static_cast<double>(static_cast<int64_t>(r[1])) / (1.0 + std::ldexp(static_cast<double>(b[1]), -64));
    const int64_t k = static_cast<int64_t>(std::floor(ratio));
    if (k >= 0)
        sub_multiple(r, yi, static_cast<uint64_t>(k), n);
    else
        add_multiple(r, yi, 0 - static_cast<uint64_t>(k), n);
    add_signed(q, k, n);
    while (r[0] >> 63) {  // R < 0
        add_multiple(r, yi, 1, n);
        add_signed(q, -1, n);
    }
    for (;;) {  // R >= Yi?
        uint64_t j = 0;
        while (j < n && r[j] == yi[j]) ++j;
        if (j < n && r[j] < yi[j]) break;
        sub_multiple(r, yi, 1, n);
        add_signed(q, 1, n);
    }
    WIDEFP_ASSERTD(q[0] == 1);
    uint64_t rest = 0;
    for (uint64_t j = 0; j < n; ++j) rest |= r[j];
    return round_value(y, p, is_neg(a) != is_neg(b), unbiased_of(t) + shift, q + 1, p, q[p + 1] | (rest != 0),
                       mode);
}

// One word, exactly: with X = 2^64 + x, Z = 2^64 + z and c = 1 when X < Z,
// X 2^c / Z = 1 + R0/Z with R0 = X 2^c - Z in [0, Z).  The two words of
// R0 2^128 / Z come from two 3-by-2 steps by D = Z 2^63 (normalised), on
// (R0 2^63, 0, 0); the last remainder is the sticky part.
int div_one_word(uint64_t *y, const uint64_t *a, const uint64_t *b, int mode) {
    const bool neg = is_neg(a) != is_neg(b);
    const uint64_t x = a[1], z = b[1];
    const bool c = x < z;
    const u128 r0 = c ? (static_cast<u128>(1) << 64) + (static_cast<u128>(x) << 1) - z : static_cast<u128>(x - z);
    const uint64_t d1 = kHalf | (z >> 1), d0 = z << 63, v = inverse_3by2(d1, d0);
    u128 rem;
    const uint64_t f = div_3by2(static_cast<uint64_t>(r0 >> 1), static_cast<uint64_t>(r0) << 63, 0, d1, d0, v, &rem);
    const uint64_t g = div_3by2(static_cast<uint64_t>(rem >> 64), static_cast<uint64_t>(rem), 0, d1, d0, v, &rem);
    return round_short(y, 1, neg, unbiased_of(a) - unbiased_of(b) - c, &f, g | (rem != 0), mode);
}

// The kernel's quotient of a/b into t (y, or a temporary when y is an
// operand) with the exponent moved by shift (a and b are then copies at
// exponent 0); its guard word decides, or the remainder does.
int div_with(uint64_t *y, uint64_t *t, const uint64_t *a, const uint64_t *b, uint64_t p, int64_t shift, int mode) {
    WIDEFP_ASSERTD(p >= 2 && t != a && t != b);
    const uint64_t g = widefp_float_div(t, a, b, p);
    if (g == 0) return round_value(y, p, is_neg(t), unbiased_of(t) + shift, t + 1, p, 0, mode);
    uint64_t next = kSaturated - (kDivBias >> 1);  // within 2^32 of a saturated guard's bits
    if (g != kSaturated) {
        next = g - kDivBias;
        const uint64_t bound = 2 * p;  // the exact tail lies in (next - 2p, next + 2)
        bool above, decided = true;
        if (next >= bound && next <= kHalf - 2)
            above = false;
        else if (next >= kHalf + bound)
            above = true;
        else
            decided = false;
        if (decided) {
            if (shift != 0)
                return round_value(y, p, is_neg(t), unbiased_of(t) + shift, t + 1, p, above ? kHalf + 1 : 1, mode);
            if (t != y) std::memcpy(y, t, (p + 1) * sizeof(uint64_t));
            return round_inexact(y, p, above, mode);
        }
    }
    return div_exact(y, t, next, a, b, p, shift, mode);
}

int div_rounded(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode) {
    if (p == 1) return div_one_word(y, a, b, mode);
    const int64_t e = unbiased_of(a) - unbiased_of(b);
    // The kernel's range applies when the quotient's exponent (e or e - 1)
    // leaves the range.
    if (e > kEmin && e <= kEmax) {
        if (y != a && y != b) return div_with(y, y, a, b, p, 0, mode);
        Temp t(p);
        return div_with(y, t.get(), a, b, p, 0, mode);
    }
    Scratch s(3 * (p + 1));
    uint64_t *sa = s.get(), *sb = sa + (p + 1), *t = sb + (p + 1);
    at_exponent_zero(sa, a, p);
    at_exponent_zero(sb, b, p);
    return div_with(y, t, sa, sb, p, e, mode);
}

}  // namespace

uint64_t mul_guard_near(uint64_t *c, const uint64_t *a, const uint64_t *b, uint64_t p) {
    // Specials, one word, the exact Karatsuba range, and products that may
    // underflow (whose guard word the kernel builds from the fraction and
    // the product's guard): the exact product.
    if (p < 2 || p >= kKaratsubaThreshold || is_zero(a) || is_zero(b) || is_inf(a) || is_inf(b) ||
        (a[0] & kExpMask) + (b[0] & kExpMask) <= kBias + 1)
        return widefp_float_mul_k(c, a, b, p);
    Temp temp(c == a || c == b ? p : 0);
    uint64_t *t = c == a || c == b ? temp.get() : c;
    const uint64_t g = widefp_float_mul_h(t, a, b, p);
    // The exact tail lies in [g - 2p, g): only for kHalf < g <= kHalf + 2p
    // may it lie on either side of a half.  Below, a tail under g <= kHalf is
    // under a half (also when the stored words are one unit too large: the
    // exact product then rounds to them all the same); above, a saturated g
    // rounds up as the exact tail, within 2p of a whole unit or past it, does.
    if (g > kHalf && g <= kHalf + 2 * p) return widefp_float_mul_k(c, a, b, p);
    if (t != c) std::memcpy(c, t, (p + 1) * sizeof(uint64_t));
    return g == kHalf ? kHalf - 1 : g;
}

}  // namespace widefp::rnd

using namespace widefp::rnd;

extern "C" {

int widefp_rnd_mul(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode) {
    check_args("rnd_mul", p, mode);
    // ---- special operands ----
    const bool neg = is_neg(a) != is_neg(b);
    if (is_inf(a) || is_inf(b)) {
        if (is_zero(a) || is_zero(b)) domain_error("rnd_mul");
        return set_inf(y, p, neg);
    }
    if (is_zero(a) || is_zero(b)) return set_zero(y, p, neg);
    return mul_rounded(y, a, b, p, mode);
}

int widefp_rnd_div(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode) {
    check_args("rnd_div", p, mode);
    // ---- special operands: x/0 is an infinity signed as a product is ----
    const bool neg = is_neg(a) != is_neg(b);
    if (is_inf(a)) {
        if (is_inf(b)) domain_error("rnd_div");
        return set_inf(y, p, neg);
    }
    if (is_zero(b)) {
        if (is_zero(a)) domain_error("rnd_div");
        return set_inf(y, p, neg);
    }
    if (is_zero(a) || is_inf(b)) return set_zero(y, p, neg);
    return div_rounded(y, a, b, p, mode);
}

}  // extern "C"
