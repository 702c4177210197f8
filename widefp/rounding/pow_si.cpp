// pow_si.cpp -- correctly rounded integer powers x^n.
//
// x = +-X 2^k with X an odd integer of t bits.  x^n is exact exactly when it
// is representable: for n > 0 when X^n has at most 64p+1 bits, for n < 0
// only for a power of two (1/X^|n| is no binary fraction otherwise).  Small
// enough powers (n (t-1) <= 64p+64) are formed exactly as integers and
// rounded once; the others, never on a rounding boundary, go by binary
// powering at a few more words in a Ziv loop.  The range is settled from
// the exponents first, in 128-bit arithmetic: |n| e may exceed 64 bits.
#include <cstring>
#include <memory>
#include <utility>

#include "kernel/karatsuba.h"
#include "rounding/arith.h"
#include "rounding/ziv.h"

namespace widefp::rnd {

std::atomic<uint64_t> pow_si_retries{0};

namespace {

using i128 = __int128;

// Significant bits of x's significand: 1 for a power of two, 64p+1 at most.
uint64_t significant_bits(const uint64_t *x, uint64_t p) {
    for (uint64_t j = p; j >= 1; --j)
        if (x[j]) return 64 * j + 1 - static_cast<uint64_t>(__builtin_ctzll(x[j]));
    return 1;
}

// e clamped to [kEmin - 2, kEmax + 2]: outside, every value of exponent e
// rounds as one of that end does (overflow; below m/2).
inline int64_t clamp_exponent(i128 e) {
    if (e > kEmax + 2) return kEmax + 2;
    if (e < kEmin - 2) return kEmin - 2;
    return static_cast<int64_t>(e);
}

// ---- exact powers of integers --------------------------------------------------

// An integer of `len` words (most significant first, the first nonzero).
struct Int {
    uint64_t *w;
    uint64_t len;
};

// out = a * b; out has room for a.len + b.len words.  kscratch holds
// karatsuba_scratch_words(m) + 2m words, m the longer length.
void int_mul(Int &out, const Int &a, const Int &b, uint64_t *kscratch) {
    const uint64_t m = a.len > b.len ? a.len : b.len;
    uint64_t *pa = kscratch + karatsuba_scratch_words(m), *pb = pa + m;
    std::memset(pa, 0, 2 * m * sizeof(uint64_t));
    std::memcpy(pa + (m - a.len), a.w, a.len * sizeof(uint64_t));
    std::memcpy(pb + (m - b.len), b.w, b.len * sizeof(uint64_t));
    karatsuba_product(kscratch, pa, pb, m);  // 2m words, the leading 2m - a.len - b.len zero
    const uint64_t *prod = kscratch + (2 * m - a.len - b.len);
    uint64_t len = a.len + b.len, skip = 0;
    while (prod[skip] == 0) ++skip;
    out.len = len - skip;
    std::memcpy(out.w, prod + skip, out.len * sizeof(uint64_t));
}

// x^n for n >= 2 with n (t-1) <= 64p+64, t the significant bits: X^n (at
// most n t <= 128p+128 bits) by binary powering on integers, then rounded.
int pow_exact(uint64_t *y, const uint64_t *x, uint64_t n, uint64_t p, uint64_t t, bool neg, int mode) {
    WIDEFP_ASSERTD(n >= 2 && t >= 2 && n * (t - 1) <= 64 * p + 64);
    const uint64_t cap = 2 * p + 4;  // words of X^n and of each partial power, with room
    Scratch s(3 * cap + karatsuba_scratch_words(cap) + 2 * cap);
    uint64_t *xw = s.get(), *zw = xw + cap, *tw = zw + cap, *ks = tw + cap;
    // X = (1; x[1..J]) shifted right by its trailing zeros: t = 64J + 1 - shift.
    const uint64_t J = (t + 62) / 64, words = J + 1, shift = 64 * J + 1 - t;
    uint64_t *src = tw;
    src[0] = 1;
    std::memcpy(src + 1, x + 1, J * sizeof(uint64_t));
    for (uint64_t j = 0; j < words; ++j)
        xw[j] = shift == 0 ? src[j] : (src[j] >> shift) | (j ? src[j - 1] << (64 - shift) : 0);
    Int X{xw, words};
    while (X.len > 1 && X.w[0] == 0) ++X.w, --X.len;
    Int Z{zw, X.len}, T{tw, 0};
    std::memcpy(Z.w, X.w, X.len * sizeof(uint64_t));
    for (int i = 62 - __builtin_clzll(n); i >= 0; --i) {
        int_mul(T, Z, Z, ks);
        std::swap(Z, T);
        if ((n >> i) & 1) {
            int_mul(T, Z, X, ks);
            std::swap(Z, T);
        }
    }
    // Z = X^n: its leading bit gives the exponent, the bits below it the fraction.
    const unsigned lz = static_cast<unsigned>(__builtin_clzll(Z.w[0]));
    const uint64_t bits = 64 * Z.len - lz;
    const i128 k = static_cast<i128>(unbiased_of(x)) - static_cast<i128>(t - 1);  // x = X 2^k
    const i128 e = k * static_cast<i128>(n) + static_cast<i128>(bits - 1);
    // fraction: Z moved up by lz + 1 bits (the leading 1 dropped), Z.len words
    uint64_t *frac = xw;  // X is no longer needed
    const unsigned up = lz + 1;
    for (uint64_t j = 0; j < Z.len; ++j) {
        const uint64_t hi = up == 64 ? 0 : Z.w[j] << up;
        const uint64_t next = j + 1 < Z.len ? Z.w[j + 1] : 0;
        frac[j] = hi | (up == 64 ? next : next >> (64 - up));
    }
    const uint64_t q = Z.len > p ? Z.len : p;
    for (uint64_t j = Z.len; j < q; ++j) frac[j] = 0;
    return round_value(y, p, neg, clamp_exponent(e), frac, q, 0, mode);
}

// ---- binary powering with an error bound ----------------------------------------

// |x|^n, n != 0, x not a power of two, by left-to-right binary powering of
// the significand at q words, then 1/that for n < 0.  Each kernel product
// of significands in [1, 2) (and the quotient) is truncated with an error
// below one unit of its last place: a relative error |theta| < 2^(1-64q).
// Squaring doubles the relative error carried, so with lambda the largest
// |log(1 + theta)| <= 2^(2-64q) the logarithm of the computed power is off
// by at most 2(m-1) lambda for m = |n| (one more lambda for the quotient):
// L <= (m+1) 2^(3-64q), a relative error |eta| <= 2L <= (m+1) 2^(4-64q).
// With the approximation z in [2^E, 2^(E+1)) and |v| <= 2|z| < 2^(E+2) that
// is |v - z| <= 2^(E - 64q + 6 + log2(m+1)): err = 6 + bits(m) suffices,
// with bits(m) = the bit length of m (m+1 <= 2^bits(m)).  A value that is
// never exact nor a midpoint: the Ziv loop ends.
int pow_ziv(uint64_t *y, const uint64_t *x, int64_t n, uint64_t p, bool neg, int mode) {
    WIDEFP_ASSERTD(n != 0 && significant_bits(x, p) >= 2);
    const uint64_t m = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    const int bits = 64 - __builtin_clzll(m);
    const int64_t err = 6 + bits;
    uint64_t q = p + 1 + static_cast<uint64_t>(err + 4 + 63) / 64;  // the fast test: err <= 64(q - p - 1)
    for (;;) {
        Scratch s(3 * (q + 1));
        uint64_t *xm = s.get(), *z = xm + (q + 1), *one = z + (q + 1);
        xm[0] = kBias;  // |x| moved to exponent 0, at q words
        std::memcpy(xm + 1, x + 1, p * sizeof(uint64_t));
        std::memcpy(z, xm, (q + 1) * sizeof(uint64_t));
        int64_t E = 0;  // the computed power is z 2^E
        for (int i = bits - 2; i >= 0; --i) {
            widefp_float_mul(z, z, z, q);
            E = 2 * E + unbiased_of(z);
            z[0] = kBias;
            if ((m >> i) & 1) {
                widefp_float_mul(z, z, xm, q);
                E += unbiased_of(z);
                z[0] = kBias;
            }
        }
        if (n < 0) {
            one[0] = kBias;
            widefp_float_div(z, one, z, q);
            E = unbiased_of(z) - E;
            z[0] = kBias;
        }
        const i128 total = static_cast<i128>(E) + static_cast<i128>(n) * unbiased_of(x);
        int t;
        if (round_approx(y, p, neg, clamp_exponent(total), z + 1, q, err, mode, &t)) return t;
        pow_si_retries.fetch_add(1, std::memory_order_relaxed);
        q += q / 2 + 1;
    }
}

}  // namespace
}  // namespace widefp::rnd

using namespace widefp::rnd;

extern "C" int widefp_rnd_pow_si(uint64_t *y, const uint64_t *x, int64_t n, uint64_t p, int mode) {
    check_args("rnd_pow_si", p, mode);
    // ---- special values and short cases: x^0 = 1 for every x ----
    if (n == 0) {
        set_pow2(y, p, false, 0);
        return 0;
    }
    const bool neg = is_neg(x) && (n & 1);
    if (is_zero(x)) return n > 0 ? set_zero(y, p, neg) : set_inf(y, p, neg);
    if (is_inf(x)) return n > 0 ? set_inf(y, p, neg) : set_zero(y, p, neg);
    if (n == 1) {
        if (y != x) std::memcpy(y, x, (p + 1) * sizeof(uint64_t));
        return 0;
    }
    if (n == 2) return widefp_rnd_mul(y, x, x, p, mode);
    if (n == -1) {
        Scratch one(p + 1);
        one[0] = kBias;
        return widefp_rnd_div(y, one, x, p, mode);
    }

    // ---- the range from the exponents: |x|^n lies in [2^(ne), 2^(n(e+1))) for
    // n > 0 and in (2^(n(e+1)), 2^(ne)] for n < 0, the ends only for powers of two ----
    const int64_t e = unbiased_of(x);
    const uint64_t t = significant_bits(x, p);
    const i128 lo = static_cast<i128>(n) * e, hi = static_cast<i128>(n) * (e + 1);
    if (t == 1) {  // +-2^(ne) exactly
        if (lo > kEmax) return overflow(y, p, neg, mode);
        if (lo < kEmin) return underflow(y, p, neg, mode, false);  // 2^(ne) <= m/2
        set_pow2(y, p, neg, static_cast<int64_t>(lo));
        return 0;
    }
    const i128 low = n > 0 ? lo : hi, high = n > 0 ? hi : lo;
    if (low > kEmax) return overflow(y, p, neg, mode);                 // |x|^n > 2^(kEmax+1)
    if (high <= kEmin - 1) return underflow(y, p, neg, mode, false);  // |x|^n < 2^(kEmin-1) = m/2

    if (n > 0 && static_cast<i128>(n) * static_cast<i128>(t - 1) <= static_cast<i128>(64 * p + 64))
        return pow_exact(y, x, static_cast<uint64_t>(n), p, t, neg, mode);
    return pow_ziv(y, x, n, p, neg, mode);
}
