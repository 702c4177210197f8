// Addition and subtraction of widereal numbers, truncated, with guard word; word-array subtraction.
//
// One body serves both entry points: it orders the operands by magnitude
// (L the larger, S the smaller, d the exponent difference, q = d / 64 whole
// words and s = d % 64 bits) and then adds or subtracts magnitudes in one
// pass from the last fraction word to the first, assembling each misaligned
// word of S from two neighbours on the fly.  The guard word and its sticky
// bit are always formed from the operands before any word of C is written,
// and the word loops only read positions at or below the one they write, so
// C may be the same element as A or B.
#include <cstring>

#include "widefp.h"
#include "kernel/internal.h"

#if defined(WIDEFP_X86_ASM)
#include <x86intrin.h>
#endif

using namespace widefp::detail;

namespace {

// ---- word helpers -------------------------------------------------------

#if defined(WIDEFP_X86_ASM)
inline uint64_t add_carry(uint64_t a, uint64_t b, unsigned char &carry) {
    unsigned long long r;
    carry = _addcarry_u64(carry, a, b, &r);
    return r;
}
inline uint64_t sub_borrow(uint64_t a, uint64_t b, unsigned char &borrow) {
    unsigned long long r;
    borrow = _subborrow_u64(borrow, a, b, &r);
    return r;
}
#else
inline uint64_t add_carry(uint64_t a, uint64_t b, unsigned char &carry) {
    u128 t = static_cast<u128>(a) + b + carry;
    carry = static_cast<unsigned char>(t >> 64);
    return static_cast<uint64_t>(t);
}
inline uint64_t sub_borrow(uint64_t a, uint64_t b, unsigned char &borrow) {
    u128 t = static_cast<u128>(a) - b - borrow;
    borrow = static_cast<unsigned char>((t >> 64) & 1);
    return static_cast<uint64_t>(t);
}
#endif

// ---- word loops -------------------------------------------------------------
//
// The four loops below run from index n-1 down to 0 with a carry or borrow
// (0 or 1) handed from word to word:
//   add_words / sub_words:     c[i] = l[i] +/- w[i] +/- carry
//   add_shifted / sub_shifted: c[i] = l[i] +/- ((w[i+1] >> s) | (w[i] << (64 - s))) +/- carry, 1 <= s <= 63
// and return the carry or borrow out.  Each index reads only w[i], w[i+1]
// and l[i] and writes c[i] after them, so c may be l or w shifted upward.
// On x86-64 four words go per round: the shifts (SHRD) first, then the
// carry chain with ADC/SBB, the carry kept as 0 or -1 between rounds
// (WIDEFP_NO_ASM selects the portable loops alone).

#if defined(WIDEFP_X86_ASM)
#define WIDEFP_ASM_LOOPS 1
#define WIDEFP_WORDS_ROUND(OP)                                                     \
    "1:\n\t"                                                                       \
    "addq %[cy], %[cy]\n\t"                                                        \
    "movq -8(%[l],%[m],8), %[t]\n\t" OP " -8(%[w],%[m],8), %[t]\n\t"               \
    "movq %[t], -8(%[c],%[m],8)\n\t"                                               \
    "movq -16(%[l],%[m],8), %[t]\n\t" OP " -16(%[w],%[m],8), %[t]\n\t"             \
    "movq %[t], -16(%[c],%[m],8)\n\t"                                              \
    "movq -24(%[l],%[m],8), %[t]\n\t" OP " -24(%[w],%[m],8), %[t]\n\t"             \
    "movq %[t], -24(%[c],%[m],8)\n\t"                                              \
    "movq -32(%[l],%[m],8), %[t]\n\t" OP " -32(%[w],%[m],8), %[t]\n\t"             \
    "movq %[t], -32(%[c],%[m],8)\n\t"                                              \
    "sbbq %[cy], %[cy]\n\t"                                                        \
    "subq $4, %[m]\n\t"                                                            \
    "cmpq $4, %[m]\n\t"                                                            \
    "jae 1b\n\t"

// Assembles the aligned words of indices m-1 .. m-4 into lo, x1, x2, x0
// (lo holds w[m] on entry and w[m-4] on exit, through x3).
#define WIDEFP_SHIFT_ROUND                                                         \
    "movq -8(%[w],%[m],8), %[x2]\n\t"                                              \
    "movq %[x2], %[x1]\n\t"                                                        \
    "shrdq %%cl, %[x2], %[lo]\n\t"                                                 \
    "movq -16(%[w],%[m],8), %[x0]\n\t"                                             \
    "movq %[x0], %[x2]\n\t"                                                        \
    "shrdq %%cl, %[x0], %[x1]\n\t"                                                 \
    "movq -24(%[w],%[m],8), %[x3]\n\t"                                             \
    "movq %[x3], %[x0]\n\t"                                                        \
    "shrdq %%cl, %[x3], %[x2]\n\t"                                                 \
    "movq -32(%[w],%[m],8), %[x3]\n\t"                                             \
    "shrdq %%cl, %[x3], %[x0]\n\t"                                                 \
    "addq %[cy], %[cy]\n\t"

#define WIDEFP_SHIFT_TAIL                                                          \
    "sbbq %[cy], %[cy]\n\t"                                                        \
    "movq %[x3], %[lo]\n\t"                                                        \
    "subq $4, %[m]\n\t"                                                            \
    "cmpq $4, %[m]\n\t"                                                            \
    "jae 1b\n\t"
#endif

inline uint64_t add_words(uint64_t *c, const uint64_t *l, const uint64_t *w, uint64_t n, uint64_t carry) {
    uint64_t m = n;
#ifdef WIDEFP_ASM_LOOPS
    if (m >= 4) {
        uint64_t cy = -carry, t;
        __asm__ volatile(WIDEFP_WORDS_ROUND("adcq")
                         : [m] "+r"(m), [cy] "+r"(cy), [t] "=&r"(t)
                         : [l] "r"(l), [w] "r"(w), [c] "r"(c)
                         : "cc", "memory");
        carry = cy & 1;
    }
#endif
    unsigned char cy = static_cast<unsigned char>(carry);
    while (m-- > 0) c[m] = add_carry(l[m], w[m], cy);
    return cy;
}

inline uint64_t sub_words(uint64_t *c, const uint64_t *l, const uint64_t *w, uint64_t n, uint64_t borrow) {
    uint64_t m = n;
#ifdef WIDEFP_ASM_LOOPS
    if (m >= 4) {
        uint64_t cy = -borrow, t;
        __asm__ volatile(WIDEFP_WORDS_ROUND("sbbq")
                         : [m] "+r"(m), [cy] "+r"(cy), [t] "=&r"(t)
                         : [l] "r"(l), [w] "r"(w), [c] "r"(c)
                         : "cc", "memory");
        borrow = cy & 1;
    }
#endif
    unsigned char bw = static_cast<unsigned char>(borrow);
    while (m-- > 0) c[m] = sub_borrow(l[m], w[m], bw);
    return bw;
}

inline uint64_t add_shifted(uint64_t *c, const uint64_t *l, const uint64_t *w, uint64_t n, unsigned s,
                            uint64_t carry) {
    WIDEFP_ASSERTD(s >= 1 && s <= 63);
    uint64_t m = n, lo = w[n];
#ifdef WIDEFP_ASM_LOOPS
    if (m >= 4) {
        uint64_t cy = -carry, x0, x1, x2, x3;
        __asm__ volatile(
            "1:\n\t" WIDEFP_SHIFT_ROUND
            "adcq -8(%[l],%[m],8), %[lo]\n\t"
            "movq %[lo], -8(%[c],%[m],8)\n\t"
            "adcq -16(%[l],%[m],8), %[x1]\n\t"
            "movq %[x1], -16(%[c],%[m],8)\n\t"
            "adcq -24(%[l],%[m],8), %[x2]\n\t"
            "movq %[x2], -24(%[c],%[m],8)\n\t"
            "adcq -32(%[l],%[m],8), %[x0]\n\t"
            "movq %[x0], -32(%[c],%[m],8)\n\t" WIDEFP_SHIFT_TAIL
            : [m] "+r"(m), [lo] "+r"(lo), [cy] "+r"(cy), [x0] "=&r"(x0), [x1] "=&r"(x1), [x2] "=&r"(x2),
              [x3] "=&r"(x3)
            : [l] "r"(l), [w] "r"(w), [c] "r"(c), "c"(s)
            : "cc", "memory");
        carry = cy & 1;
    }
#endif
    unsigned char cy = static_cast<unsigned char>(carry);
    const unsigned ls = 64 - s;
    while (m-- > 0) {
        const uint64_t hi = w[m];
        c[m] = add_carry(l[m], (lo >> s) | (hi << ls), cy);
        lo = hi;
    }
    return cy;
}

inline uint64_t sub_shifted(uint64_t *c, const uint64_t *l, const uint64_t *w, uint64_t n, unsigned s,
                            uint64_t borrow) {
    WIDEFP_ASSERTD(s >= 1 && s <= 63);
    uint64_t m = n, lo = w[n];
#ifdef WIDEFP_ASM_LOOPS
    if (m >= 4) {
        uint64_t cy = -borrow, x0, x1, x2, x3, t;
        __asm__ volatile(
            "1:\n\t" WIDEFP_SHIFT_ROUND
            "movq -8(%[l],%[m],8), %[t]\n\t"
            "sbbq %[lo], %[t]\n\t"
            "movq %[t], -8(%[c],%[m],8)\n\t"
            "movq -16(%[l],%[m],8), %[t]\n\t"
            "sbbq %[x1], %[t]\n\t"
            "movq %[t], -16(%[c],%[m],8)\n\t"
            "movq -24(%[l],%[m],8), %[t]\n\t"
            "sbbq %[x2], %[t]\n\t"
            "movq %[t], -24(%[c],%[m],8)\n\t"
            "movq -32(%[l],%[m],8), %[t]\n\t"
            "sbbq %[x0], %[t]\n\t"
            "movq %[t], -32(%[c],%[m],8)\n\t" WIDEFP_SHIFT_TAIL
            : [m] "+r"(m), [lo] "+r"(lo), [cy] "+r"(cy), [x0] "=&r"(x0), [x1] "=&r"(x1), [x2] "=&r"(x2),
              [x3] "=&r"(x3), [t] "=&r"(t)
            : [l] "r"(l), [w] "r"(w), [c] "r"(c), "c"(s)
            : "cc", "memory");
        borrow = cy & 1;
    }
#endif
    unsigned char bw = static_cast<unsigned char>(borrow);
    const unsigned ls = 64 - s;
    while (m-- > 0) {
        const uint64_t hi = w[m];
        c[m] = sub_borrow(l[m], (lo >> s) | (hi << ls), bw);
        lo = hi;
    }
    return bw;
}

// 1 if any of w[0 .. n-1] is nonzero (whole words OR-ed together).
inline uint64_t sticky(const uint64_t *w, uint64_t n) {
    uint64_t acc = 0;
    for (uint64_t i = 0; i < n; ++i) acc |= w[i];
    return acc != 0;
}

// All ones is the saturation marker; addition and subtraction never return it.
inline uint64_t final_guard(uint64_t g) { return g == kSaturated ? kSaturated - 1 : g; }

// Words 1..p of L into C (no-op when they are the same element).  C may be S,
// whose words are all consumed by then.
inline void copy_fraction(uint64_t *c, const uint64_t *l, uint64_t from, uint64_t to) {
    if (c != l && from <= to) std::memmove(c + from, l + from, (to - from + 1) * sizeof(uint64_t));
}

// Positions j = top .. 1 receive L's word plus the pending carry.
inline unsigned char carry_up(uint64_t *c, const uint64_t *l, uint64_t top, unsigned char carry) {
    uint64_t j = top;
    while (j >= 1 && carry) {
        c[j] = l[j] + 1;
        carry = c[j] == 0;
        --j;
    }
    copy_fraction(c, l, 1, j);
    return carry;
}

// Positions j = top .. 1 receive L's word minus the pending borrow.
inline unsigned char borrow_up(uint64_t *c, const uint64_t *l, uint64_t top, unsigned char borrow) {
    uint64_t j = top;
    while (j >= 1 && borrow) {
        const uint64_t w = l[j];
        c[j] = w - 1;
        borrow = w == 0;
        --j;
    }
    copy_fraction(c, l, 1, j);
    return borrow;
}

// ---- ordering -------------------------------------------------------------

// Compares fraction words 1..p of two operands of equal exponent:
// -1, 0 or 1 as a's fraction is smaller, equal or larger.
inline int compare_m(const uint64_t *a, const uint64_t *b, uint64_t p) {
    for (uint64_t j = 1; j <= p; ++j)
        if (a[j] != b[j]) return a[j] < b[j] ? -1 : 1;
    return 0;
}

// ---- adding magnitudes -----------------------------------------------------

// Writes C's word 0 for a sum of exponent E(L) + inc and returns the guard
// word; an exponent that no longer fits gives the infinity of L's sign.
inline uint64_t add_exponent(uint64_t *c, uint64_t l0, uint64_t inc, uint64_t flip, uint64_t g) {
    if (inc && (l0 & kExpMask) == kExpMask) {  // overflow
        c[0] = l0 ^ flip;
        return 0;
    }
    c[0] = (l0 + inc) ^ flip;
    return final_guard(g);
}

// Carry renormalisation: C's fraction and g shift right together by one
// bit, a 0 entering at the top of word 1; a 1 shifted out of g is kept as
// the sticky bit.
inline uint64_t add_check_shift(uint64_t *c, uint64_t g, uint64_t p) {
    g = (c[p] << 63) | (g >> 1) | (g & 1);
    for (uint64_t j = p; j >= 2; --j) c[j] = (c[j] >> 1) | (c[j - 1] << 63);
    c[1] >>= 1;
    return g;
}

// d = 0, fractions differ: the sum of the significands lies in [2, 4).
uint64_t add_no_shift(uint64_t *c, const uint64_t *l, const uint64_t *s_, uint64_t p, uint64_t flip) {
    const uint64_t l0 = l[0];
    const uint64_t carry = add_words(c + 1, l + 1, s_ + 1, p, 0);
    const uint64_t g = c[p] << 63;
    for (uint64_t j = p; j >= 2; --j) c[j] = (c[j] >> 1) | (c[j - 1] << 63);
    c[1] = (c[1] >> 1) | (static_cast<uint64_t>(carry) << 63);
    return add_exponent(c, l0, 1, flip, g);
}

// d > 64p: S lies wholly below L's last fraction bit.
uint64_t add_loss_trailing(uint64_t *c, const uint64_t *l, const uint64_t *s_, uint64_t d, uint64_t p,
                           uint64_t flip) {
    const uint64_t g = d == 64 * p + 1 ? kHalf | sticky(s_ + 1, p) : 1;
    const uint64_t l0 = l[0];
    copy_fraction(c, l, 1, p);
    c[0] = l0 ^ flip;
    return g;
}

// 1 <= d <= 64p, s != 0.
uint64_t add_hint(uint64_t *c, const uint64_t *l, const uint64_t *s_, uint64_t q, unsigned s, uint64_t p,
                  uint64_t flip) {
    WIDEFP_ASSERTD(s >= 1 && s <= 63 && q < p);
    const uint64_t l0 = l[0];
    const unsigned ls = 64 - s;
    uint64_t g = (s_[p - q] << ls) | sticky(s_ + p - q + 1, q);

    // Positions p .. q+2 take S[p-q .. 2] with their lower neighbours, position
    // q+1 takes S[1] with S's hidden 1.
    unsigned char carry = static_cast<unsigned char>(add_shifted(c + q + 2, l + q + 2, s_ + 1, p - q - 1, s, 0));
    c[q + 1] = add_carry(l[q + 1], (s_[1] >> s) | (uint64_t{1} << ls), carry);
    carry = carry_up(c, l, q, carry);

    if (carry) g = add_check_shift(c, g, p);
    return add_exponent(c, l0, carry, flip, g);
}

// 1 <= d <= 64p, s = 0: S is shifted by q whole words.
uint64_t add_no_local_shift(uint64_t *c, const uint64_t *l, const uint64_t *s_, uint64_t q, uint64_t p,
                            uint64_t flip) {
    WIDEFP_ASSERTD(q >= 1 && q <= p);
    const uint64_t l0 = l[0];
    uint64_t g = s_[p - q + 1] | sticky(s_ + p - q + 2, q - 1);

    unsigned char carry = static_cast<unsigned char>(add_words(c + q + 1, l + q + 1, s_ + 1, p - q, 0));
    c[q] = add_carry(l[q], 1, carry);  // S's hidden 1
    carry = carry_up(c, l, q - 1, carry);

    if (carry) g = add_check_shift(c, g, p);
    return add_exponent(c, l0, carry, flip, g);
}

uint64_t add_magnitudes(uint64_t *c, const uint64_t *l, const uint64_t *s_, uint64_t d, uint64_t p,
                        uint64_t flip) {
    if (d == 0) return add_no_shift(c, l, s_, p, flip);
    if (d > 64 * p) return add_loss_trailing(c, l, s_, d, p, flip);
    const uint64_t q = d >> 6;
    const unsigned s = static_cast<unsigned>(d & 63);
    if (s) return add_hint(c, l, s_, q, s, p, flip);
    return add_no_local_shift(c, l, s_, q, p, flip);
}

// ---- subtracting magnitudes -----------------------------------------------

// Underflow: a signed zero, fraction words left as they are, guard word 1.
inline uint64_t underflow(uint64_t *c, uint64_t sign) {
    c[0] = sign;
    return 1;
}

// Shifts C's fraction words and G left together as one (p+1)-word number by
// w whole words and b bits (b < 64), zeros entering at the bottom.
inline uint64_t sub_shift_left(uint64_t *c, uint64_t G, uint64_t w, unsigned b, uint64_t p) {
    // Word i of the (p+1)-word number: C[1..p], then G, then zeros.
    auto word = [&](uint64_t i) -> uint64_t { return i <= p ? c[i] : (i == p + 1 ? G : 0); };
    if (b == 0) {
        for (uint64_t j = 1; j <= p; ++j) c[j] = word(j + w);
        return w == 0 ? G : 0;
    }
    const unsigned rb = 64 - b;
    if (w == 0) {
        for (uint64_t j = 1; j < p; ++j) c[j] = (c[j] << b) | (c[j + 1] >> rb);
        c[p] = (c[p] << b) | (G >> rb);
        return G << b;
    }
    for (uint64_t j = 1; j <= p; ++j) c[j] = (word(j + w) << b) | (word(j + w + 1) >> rb);
    return 0;
}

// Writes C's word 0 for a difference normalised by a left shift of `shift`
// bits and returns the guard word.
inline uint64_t sub_exponent(uint64_t *c, uint64_t l0, uint64_t shift, uint64_t flip, uint64_t G) {
    const uint64_t sign = (l0 & kSign) ^ flip;
    const uint64_t e = l0 & kExpMask;
    if (shift > e) return underflow(c, sign);
    c[0] = sign | (e - shift);
    return final_guard(G);
}

// Heavy cancellation: shift by a whole number of words and bits.
inline uint64_t sub_cancellation(uint64_t *c, uint64_t G, uint64_t shift, uint64_t p) {
    return sub_shift_left(c, G, shift >> 6, static_cast<unsigned>(shift & 63), p);
}

// The hidden 1 cancelled (d = 0, or a borrow took it): the first nonzero
// fraction word of the difference, or G when all of them cancelled, decides
// the left shift that normalises it.
uint64_t sub_check_cancellation(uint64_t *c, uint64_t l0, uint64_t p, uint64_t flip, uint64_t G) {
    uint64_t m = 1;
    while (m <= p && c[m] == 0) ++m;
    uint64_t top;
    if (m <= p) {
        top = c[m];
    } else {
        // All fraction words cancelled: the value is G alone (d = 1 only).
        WIDEFP_ASSERTD(G == kHalf);
        top = G;
    }
    const unsigned t = 63 - static_cast<unsigned>(__builtin_clzll(top));
    const uint64_t shift = 64 * (m - 1) + (64 - t);
    G = sub_cancellation(c, G, shift, p);
    return sub_exponent(c, l0, shift, flip, G);
}

// d = 0, fractions differ (L's larger): the hidden bits cancel.
uint64_t sub_no_shift(uint64_t *c, const uint64_t *l, const uint64_t *s_, uint64_t p, uint64_t flip) {
    const uint64_t l0 = l[0];
    const uint64_t borrow = sub_words(c + 1, l + 1, s_ + 1, p, 0);
    WIDEFP_ASSERTD(!borrow);
    (void)borrow;
    return sub_check_cancellation(c, l0, p, flip, 0);
}

// d > 64p: S lies wholly below L's last fraction bit; L loses one unit and
// G says how much of it comes back.
uint64_t sub_loss_trailing(uint64_t *c, const uint64_t *l, const uint64_t *s_, uint64_t d, uint64_t p,
                           uint64_t flip) {
    uint64_t g;
    if (d == 64 * p + 1)
        g = kHalf | ((s_[1] >> 63) << 62) | ((s_[1] << 1) != 0 || sticky(s_ + 2, p - 1));
    else if (d == 64 * p + 2)
        g = 0x4000000000000000ULL | sticky(s_ + 1, p);
    else
        g = 2;
    uint64_t G = -g;
    const uint64_t l0 = l[0];
    uint64_t e = l0 & kExpMask;
    if (borrow_up(c, l, p, 1)) {
        // L's fraction was all zeros: the result lies just below a power of two.
        G = sub_shift_left(c, G, 0, 1, p);
        --e;  // no underflow test on this path
    }
    c[0] = ((l0 & kSign) ^ flip) | e;
    return final_guard(G);
}

// 1 <= d <= 64p, s != 0: g holds the 64 bits of aligned S after L's last
// fraction bit, sticky the rest.
uint64_t sub_hint(uint64_t *c, const uint64_t *l, const uint64_t *s_, uint64_t q, unsigned s, uint64_t p,
                  uint64_t flip) {
    WIDEFP_ASSERTD(s >= 1 && s <= 63 && q < p);
    const uint64_t l0 = l[0];
    const unsigned ls = 64 - s;
    uint64_t g = s_[p - q] << ls;
    if (q >= 1) {
        const uint64_t w = s_[p - q + 1];
        g |= (w >> s) | ((w << ls) != 0 || sticky(s_ + p - q + 2, q - 1));
    }

    unsigned char borrow = static_cast<unsigned char>(sub_shifted(c + q + 2, l + q + 2, s_ + 1, p - q - 1, s, g != 0));
    c[q + 1] = sub_borrow(l[q + 1], (s_[1] >> s) | (uint64_t{1} << ls), borrow);  // S's hidden 1
    borrow = borrow_up(c, l, q, borrow);

    const uint64_t G = -g;
    if (!borrow) return sub_exponent(c, l0, 0, flip, G);  // L's hidden 1 survives
    return sub_check_cancellation(c, l0, p, flip, G);
}

// 1 <= d <= 64p, s = 0: S is shifted by q whole words.
uint64_t sub_no_local_shift(uint64_t *c, const uint64_t *l, const uint64_t *s_, uint64_t q, uint64_t p,
                            uint64_t flip) {
    WIDEFP_ASSERTD(q >= 1 && q <= p);
    const uint64_t l0 = l[0];
    const uint64_t g = s_[p - q + 1] | sticky(s_ + p - q + 2, q - 1);

    unsigned char borrow = static_cast<unsigned char>(sub_words(c + q + 1, l + q + 1, s_ + 1, p - q, g != 0));
    c[q] = sub_borrow(l[q], 1, borrow);  // S's hidden 1
    borrow = borrow_up(c, l, q - 1, borrow);

    uint64_t G = -g;
    if (!borrow) return sub_exponent(c, l0, 0, flip, G);
    // The result lies in [1/2, 1): one bit.
    G = sub_shift_left(c, G, 0, 1, p);
    return sub_exponent(c, l0, 1, flip, G);
}

uint64_t sub_magnitudes(uint64_t *c, const uint64_t *l, const uint64_t *s_, uint64_t d, uint64_t p,
                        uint64_t flip) {
    if (d == 0) return sub_no_shift(c, l, s_, p, flip);
    if (d > 64 * p) return sub_loss_trailing(c, l, s_, d, p, flip);
    const uint64_t q = d >> 6;
    const unsigned s = static_cast<unsigned>(d & 63);
    if (s) return sub_hint(c, l, s_, q, s, p, flip);
    return sub_no_local_shift(c, l, s_, q, p, flip);
}

// ---- the shared body ---------------------------------------------------------

// A is zero: C = B, with the sign inverted for a subtraction.
inline uint64_t A_is_zero(uint64_t *c, const uint64_t *b, uint64_t p, uint64_t f) {
    const uint64_t b0 = b[0];
    copy_fraction(c, b, 1, p);
    c[0] = b0 ^ (f << 63);
    return 0;
}

// B is zero: C = A.
inline uint64_t B_is_zero(uint64_t *c, const uint64_t *a, uint64_t p) {
    const uint64_t a0 = a[0];
    copy_fraction(c, a, 1, p);
    c[0] = a0;
    return 0;
}

// An infinity L plus or minus a finite nonzero S: C is L, with the sign
// flip, and exact.  (The word steps would subtract a borrow from the
// infinity's fraction and come out finite.)  Two infinities take the word
// steps: equal ones cancel to +0 or double to the infinity, unequal fractions
// give what the steps give.
inline uint64_t infinite_plus_finite(uint64_t *c, const uint64_t *l, uint64_t p, uint64_t flip) {
    const uint64_t l0 = l[0];
    copy_fraction(c, l, 1, p);
    c[0] = l0 ^ flip;
    return 0;
}

// C = A +/- B truncated to p words; subtract_magnitudes says whether the
// magnitudes are subtracted, f is 1 for the sub entry point (its result sign
// is flipped when the operands are swapped).
uint64_t add_sub(uint64_t *c, const uint64_t *a, const uint64_t *b, uint64_t p, bool subtract_magnitudes,
                 uint64_t f) {
    WIDEFP_ASSERTD(p >= 1);
    if ((a[0] & kExpMask) == 0) return A_is_zero(c, b, p, f);
    if ((b[0] & kExpMask) == 0) return B_is_zero(c, a, p);

    const uint64_t ea = a[0] & kExpMask, eb = b[0] & kExpMask;
    bool swapped;
    if (ea != eb) {
        swapped = ea < eb;
    } else {
        const int order = compare_m(a, b, p);
        if (order == 0) {
            if (subtract_magnitudes) {
                c[0] = 0;  // x - x = +0
                return 0;
            }
            // 2·A
            const uint64_t a0 = a[0];
            if (ea == kExpMask) {
                c[0] = a0;
                return 0;
            }
            copy_fraction(c, a, 1, p);
            c[0] = a0 + 1;
            return 0;
        }
        swapped = order < 0;
    }
    const uint64_t *l = swapped ? b : a;
    const uint64_t *s_ = swapped ? a : b;
    const uint64_t flip = swapped ? f << 63 : 0;
    if ((l[0] & kExpMask) == kExpMask && (s_[0] & kExpMask) != kExpMask)
        return infinite_plus_finite(c, l, p, flip);
    const uint64_t d = swapped ? eb - ea : ea - eb;
    if (subtract_magnitudes) return sub_magnitudes(c, l, s_, d, p, flip);
    return add_magnitudes(c, l, s_, d, p, flip);
}

}  // namespace

extern "C" uint64_t widefp_float_add(uint64_t *c, const uint64_t *a, const uint64_t *b, uint64_t p) {
    return add_sub(c, a, b, p, ((a[0] ^ b[0]) & kSign) != 0, 0);
}

extern "C" uint64_t widefp_float_sub(uint64_t *c, const uint64_t *a, const uint64_t *b, uint64_t p) {
    return add_sub(c, a, b, p, ((a[0] ^ b[0]) & kSign) == 0, 1);
}

extern "C" uint64_t widefp_array_sub(uint64_t *r, const uint64_t *x, const uint64_t *y, uint64_t n) {
    return sub_words(r, x, y, n, 0);
}
