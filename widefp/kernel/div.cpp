// div.cpp -- widereal division: long division in 64-bit quotient words against a shortening divisor.
#include <memory>

#include "kernel/div_dispatch.h"
#include "kernel/divword.h"
#include "kernel/heap.h"
#include "kernel/internal.h"
#include "widefp.h"

using namespace widefp::detail;

namespace {

// Scratch up to this many words lives on the stack, beyond it on the heap.
constexpr uint64_t kStackWords = 512;

#ifdef WIDEFP_X86_ASM
// With MULX (BMI2) and ADCX/ADOX (ADX) the row subtraction runs two carry
// chains at once; div_select_adx(false) turns that off (for the tests).
bool g_adx_allowed = true;
#endif

// The remainder is kept complemented: each scratch word holds ~r[k], so
// that r - s, which is ~(~r + s), becomes an addition of s to the stored
// words and the row kernel needs no negation.  A borrow out of the true
// difference is a carry out of the stored sum.

// rp[0..n-1] += the low words of q * yp[0..n-1] plus the high word of each
// product into the word above, from rp[n-1] up to rp[0]; n >= 1.  Returns the
// high word left for the word above rp[0] and sets *carry to the carry out
// of rp[0].  On complemented words this subtracts the row.
inline uint64_t addmul_row_portable(uint64_t *rp, const uint64_t *yp, uint64_t q, uint64_t n, uint64_t *carry) {
    uint64_t hi = 0, cf = 0;
    for (uint64_t j = n; j-- > 0;) {
        const u128 prod = static_cast<u128>(q) * yp[j] + hi;
        const uint64_t lo = static_cast<uint64_t>(prod);
        hi = static_cast<uint64_t>(prod >> 64);
        const u128 s = static_cast<u128>(rp[j]) + lo + cf;
        rp[j] = static_cast<uint64_t>(s);
        cf = static_cast<uint64_t>(s >> 64);
    }
    *carry = cf;
    return hi;
}

#ifdef WIDEFP_X86_ASM
// The same with MULX, the product carries on the overflow flag (ADOX) and
// the sum on the carry flag (ADCX): blocks of sixteen words from the low
// end, then blocks of four, then single words.  Loop control uses MOV, LEA
// and JRCXZ, which leave both flags alone; the pointers walk down from the
// ends.  Each word costs six fused micro-operations (MULX with its load, one
// ADOX, a load, one ADCX, a store), about 1.25 cycles on a five-wide core;
// the long loop is aligned to 32 bytes, which keeps its timing steady.
inline uint64_t addmul_row_adx(uint64_t *rp, const uint64_t *yp, uint64_t q, uint64_t n, uint64_t *carry) {
    const uint64_t n1 = n & 3, n4 = (n >> 2) & 3, n16 = n >> 4;
    const uint64_t *y = yp + n;
    uint64_t *r = rp + n;
    uint64_t hi = 0, lo, h2, t, cf;
    asm volatile(
        "xor %%r11d, %%r11d\n\t"
        "mov %[n16], %%rcx\n\t"
        "test %%rcx, %%rcx\n\t"  // clears CF and OF
        "jz 2f\n\t"
        ".p2align 5\n"
        "1:\n\t"
        "lea -128(%[y]), %[y]\n\t"
        "lea -128(%[r]), %[r]\n\t"
        "mulx 120(%[y]), %[lo], %[h2]\n\t"
        "adox %[hi], %[lo]\n\t"
        "mov 120(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 120(%[r])\n\t"
        "mulx 112(%[y]), %[lo], %[hi]\n\t"
        "adox %[h2], %[lo]\n\t"
        "mov 112(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 112(%[r])\n\t"
        "mulx 104(%[y]), %[lo], %[h2]\n\t"
        "adox %[hi], %[lo]\n\t"
        "mov 104(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 104(%[r])\n\t"
        "mulx 96(%[y]), %[lo], %[hi]\n\t"
        "adox %[h2], %[lo]\n\t"
        "mov 96(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 96(%[r])\n\t"
        "mulx 88(%[y]), %[lo], %[h2]\n\t"
        "adox %[hi], %[lo]\n\t"
        "mov 88(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 88(%[r])\n\t"
        "mulx 80(%[y]), %[lo], %[hi]\n\t"
        "adox %[h2], %[lo]\n\t"
        "mov 80(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 80(%[r])\n\t"
        "mulx 72(%[y]), %[lo], %[h2]\n\t"
        "adox %[hi], %[lo]\n\t"
        "mov 72(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 72(%[r])\n\t"
        "mulx 64(%[y]), %[lo], %[hi]\n\t"
        "adox %[h2], %[lo]\n\t"
        "mov 64(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 64(%[r])\n\t"
        "mulx 56(%[y]), %[lo], %[h2]\n\t"
        "adox %[hi], %[lo]\n\t"
        "mov 56(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 56(%[r])\n\t"
        "mulx 48(%[y]), %[lo], %[hi]\n\t"
        "adox %[h2], %[lo]\n\t"
        "mov 48(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 48(%[r])\n\t"
        "mulx 40(%[y]), %[lo], %[h2]\n\t"
        "adox %[hi], %[lo]\n\t"
        "mov 40(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 40(%[r])\n\t"
        "mulx 32(%[y]), %[lo], %[hi]\n\t"
        "adox %[h2], %[lo]\n\t"
        "mov 32(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 32(%[r])\n\t"
        "mulx 24(%[y]), %[lo], %[h2]\n\t"
        "adox %[hi], %[lo]\n\t"
        "mov 24(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 24(%[r])\n\t"
        "mulx 16(%[y]), %[lo], %[hi]\n\t"
        "adox %[h2], %[lo]\n\t"
        "mov 16(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 16(%[r])\n\t"
        "mulx 8(%[y]), %[lo], %[h2]\n\t"
        "adox %[hi], %[lo]\n\t"
        "mov 8(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 8(%[r])\n\t"
        "mulx 0(%[y]), %[lo], %[hi]\n\t"
        "adox %[h2], %[lo]\n\t"
        "mov 0(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 0(%[r])\n\t"
        "lea -1(%%rcx), %%rcx\n\t"
        "jrcxz 2f\n\t"
        "jmp 1b\n"
        "2:\n\t"
        "mov %[n4], %%rcx\n"
        "3:\n\t"
        "jrcxz 4f\n\t"
        "lea -32(%[y]), %[y]\n\t"
        "lea -32(%[r]), %[r]\n\t"
        "mulx 24(%[y]), %[lo], %[h2]\n\t"
        "adox %[hi], %[lo]\n\t"
        "mov 24(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 24(%[r])\n\t"
        "mulx 16(%[y]), %[lo], %[hi]\n\t"
        "adox %[h2], %[lo]\n\t"
        "mov 16(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 16(%[r])\n\t"
        "mulx 8(%[y]), %[lo], %[h2]\n\t"
        "adox %[hi], %[lo]\n\t"
        "mov 8(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 8(%[r])\n\t"
        "mulx 0(%[y]), %[lo], %[hi]\n\t"
        "adox %[h2], %[lo]\n\t"
        "mov 0(%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], 0(%[r])\n\t"
        "lea -1(%%rcx), %%rcx\n\t"
        "jmp 3b\n"
        "4:\n\t"
        "mov %[n1], %%rcx\n"
        "5:\n\t"
        "jrcxz 6f\n\t"
        "lea -8(%[y]), %[y]\n\t"
        "lea -8(%[r]), %[r]\n\t"
        "mulx (%[y]), %[lo], %[h2]\n\t"
        "adox %[hi], %[lo]\n\t"
        "mov %[h2], %[hi]\n\t"
        "mov (%[r]), %[t]\n\t"
        "adcx %[t], %[lo]\n\t"
        "mov %[lo], (%[r])\n\t"
        "lea -1(%%rcx), %%rcx\n\t"
        "jmp 5b\n"
        "6:\n\t"
        "adox %%r11, %[hi]\n\t"  // the last product carry
        "setc %b[cf]\n\t"
        : [y] "+r"(y), [r] "+r"(r), [hi] "+r"(hi), [lo] "=&r"(lo), [h2] "=&r"(h2), [t] "=&r"(t), [cf] "=&r"(cf)
        : [n1] "r"(n1), [n4] "r"(n4), [n16] "r"(n16), "d"(q)
        : "rcx", "r11", "cc", "memory");
    *carry = cf & 1;
    return hi;
}
#endif

// r[0..w+1] -= q * (1; y[0..w-1]), the divisor truncated to w fraction words
// placed one word above r's last word, on complemented words.  Requires
// w >= 1.  Returns true when the difference is negative (r then holds it
// modulo 2^(64(w+2))).
inline bool submul(uint64_t *r, const uint64_t *y, uint64_t q, uint64_t w) {
    WIDEFP_ASSERTD(w >= 1);
    uint64_t borrow;
#ifdef WIDEFP_X86_ASM
    const uint64_t carry = kHaveAdx && g_adx_allowed ? addmul_row_adx(r + 2, y, q, w, &borrow)
                                     : addmul_row_portable(r + 2, y, q, w, &borrow);
#else
    const uint64_t carry = addmul_row_portable(r + 2, y, q, w, &borrow);
#endif
    // (r[0], r[1]) -= q + carry + borrow, a two-word subtraction: a two-word
    // addition on the complements, which carries out when it goes negative.
    const u128 top = (static_cast<u128>(r[0]) << 64) | r[1];
    const u128 sum = top + (static_cast<u128>(q) + carry + borrow);
    r[0] = static_cast<uint64_t>(sum >> 64);
    r[1] = static_cast<uint64_t>(sum);
    return sum < top;
}

// Complements r[0..n-1] in place (for the rare steps written on true words).
inline void complement(uint64_t *r, uint64_t n) {
    for (uint64_t k = 0; k < n; ++k) r[k] = ~r[k];
}

// r[0..w+1] += (1; y[0..w-1]) placed as in submul (undoes one unit of q).
// Returns true when the sum carries out of r[0]: a negative remainder has
// come back to zero or above.
inline bool add_divisor_back(uint64_t *r, const uint64_t *y, uint64_t w) {
    uint64_t carry = 0;
    for (uint64_t j = w; j >= 1; --j) {
        u128 s = static_cast<u128>(r[j + 1]) + y[j - 1] + carry;
        r[j + 1] = static_cast<uint64_t>(s);
        carry = static_cast<uint64_t>(s >> 64);
    }
    const u128 top = (static_cast<u128>(r[0]) << 64) | r[1];
    const u128 sum = top + 1 + carry;
    r[0] = static_cast<uint64_t>(sum >> 64);
    r[1] = static_cast<uint64_t>(sum);
    return sum < top;
}

// Raises the estimate q (never above the true quotient word) to the exact
// word floor((r0, r1, r2) / (1, y0)) for a divisor of one word, or to
// 2^64 - 1 if that is larger.
inline uint64_t refine_one_word(uint64_t q, uint64_t r0, uint64_t r1, uint64_t r2, uint64_t y0) {
    // t = (r0, r1, r2) - q (1, y0) over three words; t >= 0.
    const u128 b = static_cast<u128>(q) * y0;
    const uint64_t p2 = static_cast<uint64_t>(b);
    const u128 s1 = static_cast<u128>(static_cast<uint64_t>(b >> 64)) + q;
    const uint64_t p1 = static_cast<uint64_t>(s1), p0 = static_cast<uint64_t>(s1 >> 64);
    uint64_t t2 = r2 - p2, bw = r2 < p2;
    uint64_t t1 = r1 - p1 - bw;
    bw = (r1 < p1) | ((r1 - p1) < bw);
    uint64_t t0 = r0 - p0 - bw;
    // while t >= (1, y0): q += 1, t -= (1, y0)
    for (;;) {
        const bool ge = t0 != 0 || t1 > 1 || (t1 == 1 && t2 >= y0);
        if (!ge || q == ~uint64_t{0}) return q;
        ++q;
        const uint64_t b2 = t2 < y0;
        t2 -= y0;
        const uint64_t u1 = t1 - 1;
        const uint64_t b1 = (t1 < 1) | (u1 < b2);
        t1 = u1 - b2;
        t0 -= b1;
    }
}

// floor((2^192 - 1) / (d1, d0)) - 2^64 for a divisor with the top bit of d1
// set: the inverse that turns a 3-by-2-word division into multiplications.
inline uint64_t inverse_3by2(uint64_t d1, uint64_t d0) {
    WIDEFP_ASSERTD(d1 >> 63);
    // floor((2^128 - 1) / d1) - 2^64 is at least the wanted value and at most
    // a few above it.
    uint64_t rest;
    uint64_t v = div_word(~d1, ~uint64_t{0}, d1, &rest);
    for (;;) {
        // (2^64 + v) (d1, d0) >= 2^192 ?
        const u128 a = static_cast<u128>(v) * d0;
        const u128 b = static_cast<u128>(v) * d1;
        const u128 w1 = static_cast<u128>(static_cast<uint64_t>(a >> 64)) + static_cast<uint64_t>(b) + d0;
        const u128 w2 = static_cast<u128>(static_cast<uint64_t>(b >> 64)) + d1 + static_cast<uint64_t>(w1 >> 64);
        if ((w2 >> 64) == 0) return v;
        --v;
    }
}

// floor((n2, n1, n0) / (d1, d0)) for (n2, n1) < (d1, d0), d1's top bit set,
// v = inverse_3by2(d1, d0).
inline uint64_t div_3by2(uint64_t n2, uint64_t n1, uint64_t n0, uint64_t d1, uint64_t d0, uint64_t v) {
    const u128 qq = static_cast<u128>(v) * n2 + ((static_cast<u128>(n2) << 64) | n1);
    uint64_t q = static_cast<uint64_t>(qq >> 64);
    const uint64_t q0 = static_cast<uint64_t>(qq);
    // the two leading words of n - q d
    const uint64_t r1 = n1 - d1 * q;
    u128 r = ((static_cast<u128>(r1) << 64) | n0) - ((static_cast<u128>(d1) << 64) | d0);
    r -= static_cast<u128>(d0) * q;
    ++q;
    const u128 dd = (static_cast<u128>(d1) << 64) | d0;
    if (static_cast<uint64_t>(r >> 64) >= q0) {
        --q;
        r += dd;
    }
    if (r >= dd) ++q;
    return q;
}

// The quotient word of a remainder whose leading words, shifted right one
// bit, are (n2, n1, n0), by the leading divisor words (d1, d0) with inverse
// v: floor((n2, n1, n0) / (d1, d0)), or 2^64 - 1 when that does not fit.
inline uint64_t estimate_3by2(uint64_t n2, uint64_t n1, uint64_t n0, uint64_t d1, uint64_t d0, uint64_t v) {
    return (n2 > d1 || (n2 == d1 && n1 >= d0)) ? ~uint64_t{0} : div_3by2(n2, n1, n0, d1, d0, v);
}

// Is (r[0]; r[1..w]) >= (1; y[0..w-1])?  r holds complemented words.
inline bool at_least_divisor(const uint64_t *r, const uint64_t *y, uint64_t w) {
    if (~r[0] != 1) return ~r[0] > 1;
    for (uint64_t j = 0; j < w; ++j)
        if (~r[j + 1] != y[j]) return ~r[j + 1] > y[j];
    return true;
}

// (r[0]; r[1..w]) -= (1; y[0..w-1]).
inline void sub_divisor(uint64_t *r, const uint64_t *y, uint64_t w) {
    uint64_t borrow = 0;
    for (uint64_t j = w; j >= 1; --j) {
        uint64_t a = r[j], b = y[j - 1];
        uint64_t d = a - b;
        uint64_t b1 = a < b;
        r[j] = d - borrow;
        borrow = b1 | (d < borrow);
    }
    r[0] -= 1 + borrow;
}

// Adds one to the quotient words quot[1..k].  The quotient never reaches the
// next power of two, so the carry stops inside them.
inline void carry_into(uint64_t *quot, uint64_t k) {
    for (; k >= 1; --k)
        if (++quot[k] != 0) return;
    WIDEFP_ASSERTD(false && "quotient carry out of the top word");
}

// Long division of the mantissas 1.x / 1.y; x and y are the p fraction words
// of each operand, p >= 1, and j < p is the first index where they differ.
// Writes the p result fraction words to out only after the last read of x and
// y (out may overlap them) and returns the 64 quotient bits that follow, not
// yet biased.  *q0_one tells whether the quotient is above 1 (x > y).
// scratch holds 2p+5 words.
uint64_t divide_mantissas(uint64_t *out, const uint64_t *x, const uint64_t *y, uint64_t p, uint64_t j,
                          uint64_t *scratch, bool *q0_one) {
    WIDEFP_ASSERTD(p >= 1 && j < p && x[j] != y[j]);
    uint64_t *rem = scratch;          // p+3 words
    uint64_t *quot = scratch + p + 3;  // p+2 words, quot[i] = q_i for i = 1..p+1

    // Reciprocal estimate R = floor(2^127 / (d + 1)), d = 2^63 | (y[0] >> 1).
    uint64_t R;
    if (y[0] >= 0xfffffffffffffffeULL) {
        R = uint64_t{1} << 63;
    } else {
        uint64_t rest;
        R = div_word(uint64_t{1} << 63, 0, ((uint64_t{1} << 63) | (y[0] >> 1)) + 1, &rest);
    }

    // Leading divisor words halved, and their inverse (used while at least
    // two divisor words are in play, so only when p >= 2).
    const uint64_t d1 = (uint64_t{1} << 63) | (y[0] >> 1);
    const uint64_t d0 = p >= 2 ? (y[0] << 63) | (y[1] >> 1) : 0;
    const uint64_t v = p >= 2 ? inverse_3by2(d1, d0) : 0;

    // The first remainder, complemented (see addmul_row_portable).
    const bool x_greater = x[j] > y[j];
    if (x_greater) {
        rem[0] = ~uint64_t{0};
        uint64_t borrow = 0;
        for (uint64_t k = p; k >= 1; --k) {
            uint64_t a = x[k - 1], b = y[k - 1];
            uint64_t d = a - b;
            uint64_t b1 = a < b;
            rem[k] = ~(d - borrow);
            borrow = b1 | (d < borrow);
        }
    } else {
        rem[0] = ~uint64_t{1};
        for (uint64_t k = 1; k <= p; ++k) rem[k] = ~x[k - 1];
    }
    rem[p + 1] = ~uint64_t{0};
    rem[p + 2] = ~uint64_t{0};
    *q0_one = x_greater;

    uint64_t *r = rem;
    for (uint64_t i = 1; i <= p + 1; ++i, ++r) {
        const uint64_t w = (i <= 2) ? p : p + 2 - i;
        // The word is the quotient of the leading remainder words by the
        // leading divisor words, or one less: one add-back settles the
        // latter, and the correction loop below has nothing left to do
        // except when the true word reaches 2^64.  With more than one
        // divisor word this quotient comes from the 3-by-2 inverse (both
        // halved so that the divisor's top bit is set); with one, from the
        // reciprocal estimate raised step by step.
        const uint64_t r0 = ~r[0], r1 = ~r[1], r2 = ~r[2];
        WIDEFP_ASSERTD(r0 <= 1);
        uint64_t q;
        if (w >= 2) {
            const uint64_t r3 = ~r[3];
            q = estimate_3by2((r0 << 63) | (r1 >> 1), (r1 << 63) | (r2 >> 1), (r2 << 63) | (r3 >> 1), d1, d0, v);
        } else {
            q = r0 * R + static_cast<uint64_t>((static_cast<u128>(r1) * R) >> 64);
            q = refine_one_word(q, r0, r1, r2, y[0]);
        }
        if (submul(r, y, q, w)) {
            // q was too large: the remainder went negative
            complement(r, w + 2);
            do {
                --q;
            } while (!add_divisor_back(r, y, w));
            complement(r, w + 2);
        }
        // Shift: the remainder now starts at r[1].
        uint64_t *s = r + 1;
        while (at_least_divisor(s, y, w)) {
            // Once the divisor is shortened, the remainder left by the
            // previous word (below the longer divisor) can exceed 2^64 times
            // the shorter one: the word then reaches 2^64 and carries into
            // the words already stored.
            if (++q == 0) carry_into(quot, i - 1);
            complement(s, w + 1);
            sub_divisor(s, y, w);
            complement(s, w + 1);
        }
        quot[i] = q;
    }

    uint64_t g;
    if (x_greater) {
        for (uint64_t k = 1; k <= p; ++k) out[k - 1] = quot[k];
        g = quot[p + 1];
    } else {
        for (uint64_t k = 1; k <= p; ++k) out[k - 1] = (quot[k] << 1) | (quot[k + 1] >> 63);
        g = quot[p + 1] << 1;
    }
    return g;
}

}  // namespace

namespace widefp::detail {
bool div_select_adx(bool use) {
#ifdef WIDEFP_X86_ASM
    const bool old = kHaveAdx && g_adx_allowed;
    g_adx_allowed = use;
    return old;
#else
    static_cast<void>(use);
    return false;
#endif
}
}  // namespace widefp::detail

extern "C" {

// result = x / y truncated to p fraction words; returns the guard word (the
// next 64 quotient bits biased up by 2^33, saturating).  result may alias x or y.
uint64_t widefp_float_div(uint64_t *result, const uint64_t *x, const uint64_t *y, uint64_t p) {
    const uint64_t x0 = x[0], y0 = y[0];
    const uint64_t sign = (x0 ^ y0) & kSign;
    const uint64_t ex = x0 & kExpMask, ey = y0 & kExpMask;
    if (ey == 0 || ex == kExpMask) {
        result[0] = sign | kExpMask;
        return 0;
    }
    if (ex == 0 || ey == kExpMask) {
        result[0] = sign;
        return 0;
    }

    int64_t diff = static_cast<int64_t>(ex) - static_cast<int64_t>(ey);
    uint64_t guard, next = 0;  // next: the 64 quotient bits after the fraction, unbiased
    uint64_t j = 0;
    while (j < p && x[j + 1] == y[j + 1]) ++j;
    if (j == p) {
        for (uint64_t k = 1; k <= p; ++k) result[k] = 0;
        guard = 0;
    } else {
        const uint64_t words = 2 * p + 5;
        uint64_t stack_buf[kStackWords];
        std::unique_ptr<uint64_t[]> heap_buf;
        uint64_t *scratch = stack_buf;
        if (words > kStackWords) {
            heap_buf = widefp::detail::heap_words(words);
            scratch = heap_buf.get();
        }
        bool q0_one;
        next = divide_mantissas(result + 1, x + 1, y + 1, p, j, scratch, &q0_one);
        if (!q0_one) --diff;
        guard = next + 0x200000000ULL;
        if (guard < next) guard = kSaturated;
    }

    const int64_t bias = static_cast<int64_t>(kBias);
    if (diff > bias) {
        result[0] = sign | kExpMask;
        return 0;
    }
    if (diff <= -bias) {  // underflow to a signed zero, rounded later by the true value
        result[0] = sign;
        // diff = -bias: v = 1.F/2 * m.  Unequal mantissas give a quotient
        // other than 1, so F or the bits after it are nonzero and v > m/2.
        return underflow_guard(result, diff < -bias, next, p);
    }
    result[0] = sign | static_cast<uint64_t>(diff + bias);
    return guard;
}

}  // extern "C"
