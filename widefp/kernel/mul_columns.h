// mul_columns.h -- column (product-scanning) accumulation shared by the
// half products and the schoolbook pieces of the Karatsuba engine.
#ifndef WIDEFP_KERNEL_MUL_COLUMNS_H
#define WIDEFP_KERNEL_MUL_COLUMNS_H

#include <cstdint>

#include "kernel/internal.h"

namespace widefp::detail {

// (hi, mid, lo) += x*y: the low half of the product into lo, the high half
// into mid, the carries into hi.
inline void mac3(uint64_t &lo, uint64_t &mid, uint64_t &hi, uint64_t x, uint64_t y) {
    u128 t = static_cast<u128>(x) * y;
#if defined(__x86_64__)
    asm("addq %[tl], %[lo]\n\t"
        "adcq %[th], %[mid]\n\t"
        "adcq $0, %[hi]"
        : [lo] "+r"(lo), [mid] "+r"(mid), [hi] "+r"(hi)
        : [tl] "r"(static_cast<uint64_t>(t)), [th] "r"(static_cast<uint64_t>(t >> 64))
        : "cc");
#else
    u128 s = static_cast<u128>(lo) + static_cast<uint64_t>(t);
    lo = static_cast<uint64_t>(s);
    s = static_cast<u128>(mid) + static_cast<uint64_t>(t >> 64) + static_cast<uint64_t>(s >> 64);
    mid = static_cast<uint64_t>(s);
    hi += static_cast<uint64_t>(s >> 64);
#endif
}

// Adds the column a[0]*b[0] + a[1]*b[-1] + ... (count products, a walking up
// and b walking down) into the three-word accumulator (lo, mid, hi).
inline void column_sum(const uint64_t *a, const uint64_t *b, uint64_t count, uint64_t &lo, uint64_t &mid,
                       uint64_t &hi) {
    uint64_t l = lo, m = mid, h = hi;
    switch (count & 3) {  // the odd products first, then blocks of four
        case 3:
            mac3(l, m, h, a[0], b[0]);
            ++a;
            --b;
            [[fallthrough]];
        case 2:
            mac3(l, m, h, a[0], b[0]);
            ++a;
            --b;
            [[fallthrough]];
        case 1:
            mac3(l, m, h, a[0], b[0]);
            ++a;
            --b;
            [[fallthrough]];
        default:
            break;
    }
    for (count >>= 2; count; --count) {
        mac3(l, m, h, a[0], b[0]);
        mac3(l, m, h, a[1], b[-1]);
        mac3(l, m, h, a[2], b[-2]);
        mac3(l, m, h, a[3], b[-3]);
        a += 4;
        b -= 4;
    }
    lo = l;
    mid = m;
    hi = h;
}

// Sum of the high halves only of a[0]*b[0] + a[1]*b[-1] + ... (count
// products), as a two-word number: the carry estimate of a half product.
inline u128 column_high_sum(const uint64_t *a, const uint64_t *b, uint64_t count) {
    u128 s0 = 0, s1 = 0;
    while (count >= 2) {
        s0 += static_cast<uint64_t>((static_cast<u128>(a[0]) * b[0]) >> 64);
        s1 += static_cast<uint64_t>((static_cast<u128>(a[1]) * b[-1]) >> 64);
        a += 2;
        b -= 2;
        count -= 2;
    }
    if (count) s0 += static_cast<uint64_t>((static_cast<u128>(a[0]) * b[0]) >> 64);
    return s0 + s1;
}

// Full 2m-word product of two m-word numbers (most significant word first)
// by columns, least significant column first.  d must not overlap a or b.
inline void schoolbook_full(uint64_t *d, const uint64_t *a, const uint64_t *b, uint64_t m) {
    assert(m >= 1);
    uint64_t lo = 0, mid = 0, hi = 0;
    for (uint64_t k = 2 * m - 2;; --k) {
        uint64_t i0 = k >= m ? k - (m - 1) : 0;
        uint64_t i1 = k < m ? k : m - 1;
        column_sum(a + i0, b + (k - i0), i1 - i0 + 1, lo, mid, hi);
        d[k + 1] = lo;
        lo = mid;
        mid = hi;
        hi = 0;
        if (k == 0) break;
    }
    d[0] = lo;
}

// r = a + b + cin over n >= 1 words (most significant first, the carry
// running from index n-1 down to 0); returns the carry out.  r may be a or
// b, or lie above them in memory (r = a + k): each word is read before the
// word of the same index is written and the walk goes downward.
inline uint64_t add_words(uint64_t *r, const uint64_t *a, const uint64_t *b, uint64_t n, uint64_t cin) {
#if defined(__x86_64__)
    uint64_t t;
    asm volatile(
        "negq %[c]\n\t"  // CF = (cin != 0)
        "1:\n\t"
        "movq -8(%[a],%[n],8), %[t]\n\t"
        "adcq -8(%[b],%[n],8), %[t]\n\t"
        "movq %[t], -8(%[r],%[n],8)\n\t"
        "decq %[n]\n\t"
        "jnz 1b\n\t"
        "movl $0, %k[c]\n\t"
        "adcq $0, %[c]"
        : [c] "+r"(cin), [n] "+r"(n), [t] "=&r"(t)
        : [a] "r"(a), [b] "r"(b), [r] "r"(r)
        : "cc", "memory");
    return cin;
#else
    uint64_t c = cin;
    for (uint64_t i = n; i-- > 0;) {
        u128 s = static_cast<u128>(a[i]) + b[i] + c;
        r[i] = static_cast<uint64_t>(s);
        c = static_cast<uint64_t>(s >> 64);
    }
    return c;
#endif
}

// r = a - b over n >= 1 words (most significant first); returns the borrow
// out.  Same aliasing rule as add_words.
inline uint64_t sub_words(uint64_t *r, const uint64_t *a, const uint64_t *b, uint64_t n) {
#if defined(__x86_64__)
    uint64_t t, c = 0;
    asm volatile(
        "clc\n\t"
        "1:\n\t"
        "movq -8(%[a],%[n],8), %[t]\n\t"
        "sbbq -8(%[b],%[n],8), %[t]\n\t"
        "movq %[t], -8(%[r],%[n],8)\n\t"
        "decq %[n]\n\t"
        "jnz 1b\n\t"
        "adcq $0, %[c]"
        : [c] "+r"(c), [n] "+r"(n), [t] "=&r"(t)
        : [a] "r"(a), [b] "r"(b), [r] "r"(r)
        : "cc", "memory");
    return c;
#else
    uint64_t borrow = 0;
    for (uint64_t i = n; i-- > 0;) {
        uint64_t x = a[i], y = b[i];
        uint64_t d = x - y;
        uint64_t b1 = x < y;
        r[i] = d - borrow;
        borrow = b1 | (d < borrow);
    }
    return borrow;
#endif
}

}  // namespace widefp::detail

#endif
