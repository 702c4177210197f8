// fmod.cpp -- the remainders x - trunc(x/y) y (sign of x) and x - floor(x/y) y
// (sign of y), formed exactly on integers and rounded once.
//
// x = X 2^bx and y = Y 2^by with X and Y odd integers (the significands
// without their trailing zeros).  For |x| >= |y| the remainder is a
// multiple of 2^L, L = min(bx, by): with x = X' 2^L, y = Y' 2^L it is
// (X' mod Y') 2^L.  When bx >= by that is (X 2^D mod Y) 2^by, D = bx - by
// (up to about 2^63): by one long division of X 2^D when D is short, and
// otherwise through 2^D mod Y by repeated squaring, about 2 log2 D
// products and reductions of Y's length.  When bx < by, Y' = Y 2^(by-bx)
// is at most 64p+1 bits long and one division does.  The remainder has
// fewer bits than Y', so the truncated remainder is exact unless it falls
// below the smallest number; the floored one, Y' - R when the signs
// differ, is rounded once.
#include <cstring>

#include "rounding/ziv.h"

namespace widefp::rnd {
namespace {

// ---- natural numbers: little-endian words, len without leading zero words (0 for zero) ----

inline uint64_t trim(const uint64_t *a, uint64_t len) {
    while (len > 0 && a[len - 1] == 0) --len;
    return len;
}

// The odd part of the significand (1; x[1..p]) of a finite nonzero x into
// out (p+1 words); returns its length and sets *b, x = out 2^b.
uint64_t odd_part(uint64_t *out, const uint64_t *x, uint64_t p, int64_t *b) {
    uint64_t j = p;
    while (j >= 1 && x[j] == 0) --j;
    // trailing zero bits of the significand read as an integer of p+1 words
    const uint64_t tz = j == 0 ? 64 * p : 64 * (p - j) + static_cast<uint64_t>(__builtin_ctzll(x[j]));
    const uint64_t w0 = tz / 64, s = tz % 64;
    auto limb = [&](uint64_t i) -> uint64_t { return i < p ? x[p - i] : i == p ? 1 : 0; };
    uint64_t len = 0;
    for (uint64_t i = 0; i + w0 <= p; ++i) {
        out[i] = s ? (limb(i + w0) >> s) | (limb(i + w0 + 1) << (64 - s)) : limb(i + w0);
        len = i + 1;
    }
    *b = unbiased_of(x) - static_cast<int64_t>(64 * p) + static_cast<int64_t>(tz);
    return trim(out, len);
}

// out = a 2^s; out has room for la + s/64 + 1 words.  Returns the length.
uint64_t shift_left(uint64_t *out, const uint64_t *a, uint64_t la, uint64_t s) {
    const uint64_t w = s / 64, r = s % 64;
    std::memset(out, 0, w * sizeof(uint64_t));
    uint64_t carry = 0;
    for (uint64_t i = 0; i < la; ++i) {
        out[w + i] = r ? (a[i] << r) | carry : a[i];
        carry = r ? a[i] >> (64 - r) : 0;
    }
    out[w + la] = carry;
    return trim(out, w + la + 1);
}

// out = a b (room for la + lb words, not overlapping a or b).
uint64_t multiply(uint64_t *out, const uint64_t *a, uint64_t la, const uint64_t *b, uint64_t lb) {
    std::memset(out, 0, (la + lb) * sizeof(uint64_t));
    for (uint64_t i = 0; i < la; ++i) {
        uint64_t carry = 0;
        for (uint64_t j = 0; j < lb; ++j) {
            const u128 t = static_cast<u128>(a[i]) * b[j] + out[i + j] + carry;
            out[i + j] = static_cast<uint64_t>(t);
            carry = static_cast<uint64_t>(t >> 64);
        }
        out[i + lb] = carry;
    }
    return trim(out, la + lb);
}

// u = u mod v in place (v nonzero, n = v's length); u has room for ulen+1
// words, vn for n.  The long division of Knuth's algorithm D, remainder
// only.  Returns u's new length.
uint64_t reduce(uint64_t *u, uint64_t ulen, const uint64_t *v, uint64_t n, uint64_t *vn) {
    if (ulen < n) return ulen;
    if (n == 1) {
        u128 r = 0;
        for (uint64_t i = ulen; i-- > 0;) r = ((r << 64) | u[i]) % v[0];
        u[0] = static_cast<uint64_t>(r);
        std::memset(u + 1, 0, (ulen - 1) * sizeof(uint64_t));
        return u[0] ? 1 : 0;
    }
    const int s = __builtin_clzll(v[n - 1]);
    for (uint64_t i = n - 1; i > 0; --i) vn[i] = s ? (v[i] << s) | (v[i - 1] >> (64 - s)) : v[i];
    vn[0] = v[0] << s;
    u[ulen] = s ? u[ulen - 1] >> (64 - s) : 0;
    for (uint64_t i = ulen - 1; i > 0; --i) u[i] = s ? (u[i] << s) | (u[i - 1] >> (64 - s)) : u[i];
    u[0] <<= s;
    const uint64_t top = vn[n - 1], next = vn[n - 2];
    for (uint64_t j = ulen - n + 1; j-- > 0;) {
        const u128 num = (static_cast<u128>(u[j + n]) << 64) | u[j + n - 1];
        u128 qhat = num / top, rhat = num % top;
        while ((qhat >> 64) != 0 || qhat * next > ((rhat << 64) | u[j + n - 2])) {
            --qhat;
            rhat += top;
            if (rhat >> 64) break;
        }
        const uint64_t q = static_cast<uint64_t>(qhat);
        uint64_t borrow = 0, carry = 0;
        for (uint64_t i = 0; i < n; ++i) {
            const u128 prod = static_cast<u128>(q) * vn[i] + carry;
            carry = static_cast<uint64_t>(prod >> 64);
            const uint64_t pl = static_cast<uint64_t>(prod), ui = u[i + j];
            const uint64_t d = ui - pl;
            u[i + j] = d - borrow;
            borrow = (ui < pl) | (d < borrow);
        }
        const uint64_t ut = u[j + n];
        const uint64_t d = ut - carry;
        u[j + n] = d - borrow;
        if ((ut < carry) | (d < borrow)) {  // q was one too large: add v back
            uint64_t c = 0;
            for (uint64_t i = 0; i < n; ++i) {
                const u128 t = static_cast<u128>(u[i + j]) + vn[i] + c;
                u[i + j] = static_cast<uint64_t>(t);
                c = static_cast<uint64_t>(t >> 64);
            }
            u[j + n] += c;
        }
    }
    for (uint64_t i = 0; i < n; ++i) u[i] = s ? (u[i] >> s) | (u[i + 1] << (64 - s)) : u[i];
    std::memset(u + n, 0, (ulen + 1 - n) * sizeof(uint64_t));
    return trim(u, n);
}

// The bits pos .. pos+63 of z (len words), zeros outside.
inline uint64_t bits_at(const uint64_t *z, uint64_t len, int64_t pos) {
    if (pos <= -64) return 0;
    if (pos < 0) return len ? z[0] << (-pos) : 0;
    const uint64_t i = static_cast<uint64_t>(pos) / 64, s = static_cast<uint64_t>(pos) % 64;
    const uint64_t lo = i < len ? z[i] : 0, hi = i + 1 < len ? z[i + 1] : 0;
    return s ? (lo >> s) | (hi << (64 - s)) : lo;
}

// y = (-1)^neg z 2^L rounded (z nonzero, len words), with the range applied.
int round_integer(uint64_t *y, uint64_t p, bool neg, const uint64_t *z, uint64_t len, int64_t L, int mode) {
    const int64_t B = 64 * static_cast<int64_t>(len) - __builtin_clzll(z[len - 1]);  // bit length
    const uint64_t q = std::max<uint64_t>(p, static_cast<uint64_t>(B - 1 + 63) / 64);
    Scratch s(q);
    for (uint64_t j = 0; j < q; ++j) s[j] = bits_at(z, len, B - 1 - 64 * static_cast<int64_t>(j + 1));
    return round_value(y, p, neg, L + B - 1, s.get(), q, 0, mode);
}

// The remainder of finite nonzero x and y with |x| >= |y| in exponent:
// r = X' mod Y' and the divisor Y' (both little-endian, lengths rl and
// yl), x = X' 2^L and y = Y' 2^L.
struct Remainder {
    explicit Remainder(uint64_t words) : s(words) {}
    Scratch s;
    uint64_t *r = nullptr, *yv = nullptr;
    uint64_t rl = 0, yl = 0;
    int64_t L = 0;
};

void remainder_of(Remainder &out, const uint64_t *x, const uint64_t *y, uint64_t p);

uint64_t bit_length(uint64_t v) { return v ? 64 - static_cast<uint64_t>(__builtin_clzll(v)) : 0; }

// Words of scratch remainder_of takes, given the shift D of the direct division.
uint64_t remainder_words(uint64_t p, uint64_t direct_shift) {
    const uint64_t n = p + 2;
    return (n + direct_shift / 64 + 3) + n + n + (n + 1) + (2 * n + 1) + (n + 1) + 8;
}

// D at most this many bits goes by one long division of X 2^D.
inline uint64_t direct_limit(uint64_t yl) { return 64 * (192 * yl + 64); }

void remainder_of(Remainder &out, const uint64_t *x, const uint64_t *y, uint64_t p) {
    uint64_t *buf = out.s.get();
    const uint64_t n = p + 2;
    uint64_t *X = buf, *Y = X + n, *vn = Y + n;  // X, Y: p+1 words used
    int64_t bx, by;
    uint64_t xl = odd_part(X, x, p, &bx);
    const uint64_t ylen0 = odd_part(Y, y, p, &by);
    uint64_t *rest = vn + n;
    if (bx < by) {  // Y' = Y 2^(by - bx) <= 64p+1 bits; R = X mod Y'
        uint64_t *Yp = rest, *U = Yp + (n + 1);
        const uint64_t yl = shift_left(Yp, Y, ylen0, static_cast<uint64_t>(by - bx));
        std::memcpy(U, X, xl * sizeof(uint64_t));
        U[xl] = 0;
        out.rl = reduce(U, xl, Yp, yl, vn);
        out.r = U;
        out.yv = Yp;
        out.yl = yl;
        out.L = bx;
        return;
    }
    const uint64_t D = static_cast<uint64_t>(bx) - static_cast<uint64_t>(by);
    out.yv = Y;
    out.yl = ylen0;
    out.L = by;
    if (D <= direct_limit(ylen0)) {
        uint64_t *U = rest;
        const uint64_t ul = shift_left(U, X, xl, D);
        out.rl = reduce(U, ul, Y, ylen0, vn);
        out.r = U;
        return;
    }
    // 2^D mod Y by squaring from D's leading bit, then X 2^D mod Y.
    const uint64_t yl = ylen0;
    uint64_t *S = rest, *T = S + (yl + 1);
    S[0] = 1;
    uint64_t sl = yl == 1 && Y[0] == 1 ? 0 : 1;
    for (int i = static_cast<int>(bit_length(D)) - 1; i >= 0 && sl; --i) {
        uint64_t tl = multiply(T, S, sl, S, sl);
        T[2 * sl] = 0;
        tl = reduce(T, tl, Y, yl, vn);
        if ((D >> i) & 1) {  // T = 2T mod Y: T < Y, so 2T - Y < Y
            T[tl] = 0;
            tl = shift_left(S, T, tl, 1);
            std::memcpy(T, S, tl * sizeof(uint64_t));
            T[tl] = 0;
            tl = reduce(T, tl, Y, yl, vn);
        }
        std::memset(S, 0, (yl + 1) * sizeof(uint64_t));
        std::memcpy(S, T, tl * sizeof(uint64_t));
        sl = tl;
    }
    X[xl] = 0;
    xl = reduce(X, xl, Y, yl, vn);
    uint64_t *U = T;
    uint64_t ul = (xl && sl) ? multiply(U, X, xl, S, sl) : 0;
    U[ul] = 0;
    out.rl = ul ? reduce(U, ul, Y, yl, vn) : 0;
    out.r = U;
}

// The exponent b of x = X 2^b, X odd (x finite, nonzero), and X's length in words.
int64_t low_exponent(const uint64_t *x, uint64_t p, uint64_t *words) {
    uint64_t j = p;
    while (j >= 1 && x[j] == 0) --j;
    const uint64_t tz = j == 0 ? 64 * p : 64 * (p - j) + static_cast<uint64_t>(__builtin_ctzll(x[j]));
    *words = (64 * p + 1 - tz + 63) / 64;
    return unbiased_of(x) - static_cast<int64_t>(64 * p) + static_cast<int64_t>(tz);
}

// The scratch a remainder of x and y needs (the same choice of path as remainder_of).
uint64_t scratch_for(const uint64_t *x, const uint64_t *y, uint64_t p) {
    uint64_t xw, yw;
    const int64_t bx = low_exponent(x, p, &xw), by = low_exponent(y, p, &yw);
    const uint64_t D = bx > by ? static_cast<uint64_t>(bx) - static_cast<uint64_t>(by) : 0;
    return remainder_words(p, D <= direct_limit(yw) ? D : 0);
}

}  // namespace
}  // namespace widefp::rnd

using namespace widefp::rnd;

extern "C" {

int widefp_rnd_fmod(uint64_t *r, const uint64_t *x, const uint64_t *y, uint64_t p, int mode) {
    check_args("rnd_fmod", p, mode);
    // ---- special operands: fmod(x, 0) and fmod(inf, y) have no value ----
    if (is_zero(y) || is_inf(x)) domain_error("rnd_fmod");
    if (is_zero(x) || is_inf(y) || unbiased_of(x) < unbiased_of(y)) {  // |x| < |y|: x itself
        if (r != x) std::memcpy(r, x, (p + 1) * sizeof(uint64_t));
        return 0;
    }
    const bool neg = is_neg(x);
    Remainder rem(scratch_for(x, y, p));
    remainder_of(rem, x, y, p);
    if (rem.rl == 0) return set_zero(r, p, neg);
    return round_integer(r, p, neg, rem.r, rem.rl, rem.L, mode);
}

int widefp_rnd_mod(uint64_t *r, const uint64_t *x, const uint64_t *y, uint64_t p, int mode) {
    check_args("rnd_mod", p, mode);
    if (is_inf(x) || is_inf(y)) domain_error("rnd_mod");
    if (is_zero(y)) {  // mod(x, 0) = x
        if (r != x) std::memcpy(r, x, (p + 1) * sizeof(uint64_t));
        return 0;
    }
    const bool ny = is_neg(y);
    if (is_zero(x)) return set_zero(r, p, ny);
    if (unbiased_of(x) < unbiased_of(y)) {  // |x| < |y|: x, or x + y where the signs differ
        if (is_neg(x) == ny) {
            if (r != x) std::memcpy(r, x, (p + 1) * sizeof(uint64_t));
            return 0;
        }
        return widefp_rnd_add(r, x, y, p, mode);
    }
    Remainder rem(scratch_for(x, y, p));
    remainder_of(rem, x, y, p);
    if (rem.rl == 0) return set_zero(r, p, ny);
    if (is_neg(x) == ny) return round_integer(r, p, ny, rem.r, rem.rl, rem.L, mode);
    // Y' - R, Y' > R
    uint64_t borrow = 0;
    for (uint64_t i = 0; i < rem.yl; ++i) {
        const uint64_t a = rem.yv[i], b = i < rem.rl ? rem.r[i] : 0;
        const uint64_t d = a - b;
        rem.r[i] = d - borrow;
        borrow = (a < b) | (d < borrow);
    }
    uint64_t len = rem.yl;
    while (len > 0 && rem.r[len - 1] == 0) --len;
    return round_integer(r, p, ny, rem.r, len, rem.L, mode);
}

}  // extern "C"
