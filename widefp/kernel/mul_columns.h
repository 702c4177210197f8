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
#if defined(__x86_64__) && !defined(WIDEFP_NO_ASM)
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
#if defined(__x86_64__) && !defined(WIDEFP_NO_ASM)
    // Two accumulators take the products in turn, so that the carry chains
    // of neighbouring products do not wait on each other; they are merged
    // at the end (each holds part of the column sum, which with the incoming
    // carry fits in three words, so neither can overflow).
    uint64_t l2 = 0, m2 = 0, h2 = 0;
    if (count & 1) {
        mac3(l, m, h, a[0], b[0]);
        ++a;
        --b;
    }
    if (count & 2) {
        mac3(l, m, h, a[0], b[0]);
        mac3(l2, m2, h2, a[1], b[-1]);
        a += 2;
        b -= 2;
    }
    count >>= 2;
    if (count) {
        asm("1:\n\t"
            "movq (%[a]), %%rax\n\t"
            "mulq (%[b])\n\t"
            "addq %%rax, %[l]\n\t"
            "adcq %%rdx, %[m]\n\t"
            "adcq $0, %[h]\n\t"
            "movq 8(%[a]), %%rax\n\t"
            "mulq -8(%[b])\n\t"
            "addq %%rax, %[l2]\n\t"
            "adcq %%rdx, %[m2]\n\t"
            "adcq $0, %[h2]\n\t"
            "movq 16(%[a]), %%rax\n\t"
            "mulq -16(%[b])\n\t"
            "addq %%rax, %[l]\n\t"
            "adcq %%rdx, %[m]\n\t"
            "adcq $0, %[h]\n\t"
            "movq 24(%[a]), %%rax\n\t"
            "mulq -24(%[b])\n\t"
            "addq %%rax, %[l2]\n\t"
            "adcq %%rdx, %[m2]\n\t"
            "adcq $0, %[h2]\n\t"
            "addq $32, %[a]\n\t"
            "subq $32, %[b]\n\t"
            "decq %[c]\n\t"
            "jnz 1b"
            : [l] "+r"(l), [m] "+r"(m), [h] "+r"(h), [l2] "+r"(l2), [m2] "+r"(m2), [h2] "+r"(h2), [a] "+r"(a),
              [b] "+r"(b), [c] "+r"(count)
            :
            : "rax", "rdx", "cc", "memory");
    }
    asm("addq %[l2], %[l]\n\t"
        "adcq %[m2], %[m]\n\t"
        "adcq %[h2], %[h]"
        : [l] "+r"(l), [m] "+r"(m), [h] "+r"(h)
        : [l2] "r"(l2), [m2] "r"(m2), [h2] "r"(h2)
        : "cc");
#else
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
#endif
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

#if defined(__x86_64__) && !defined(WIDEFP_NO_ASM)
#define WIDEFP_ADX_ASM 1
// True when the processor has the ADX and BMI2 instructions (adcx, adox,
// mulx); read once at start-up, constant afterwards.
extern const bool kHaveAdx;
#endif

// w += x + y over n >= 1 words (most significant first); returns the carry
// out (0..2).  With ADX and n even, two carry chains run side by side (CF
// for x, OF for y), so the window is read and written once.  w may lie above
// x or y in memory (w = x + k), as in add_words.
inline uint64_t add2_words(uint64_t *w, const uint64_t *x, const uint64_t *y, uint64_t n) {
    assert(n >= 1);
#if defined(WIDEFP_ADX_ASM)
    if (kHaveAdx && (n & 1) == 0) {
        uint64_t m = n, t0, t1;
        asm volatile(
            "xorl %k[t0], %k[t0]\n\t"  // CF = OF = 0
            "1:\n\t"
            "movq -8(%[w],%[m],8), %[t0]\n\t"
            "movq -16(%[w],%[m],8), %[t1]\n\t"
            "adcx -8(%[x],%[m],8), %[t0]\n\t"
            "adox -8(%[y],%[m],8), %[t0]\n\t"
            "adcx -16(%[x],%[m],8), %[t1]\n\t"
            "adox -16(%[y],%[m],8), %[t1]\n\t"
            "movq %[t0], -8(%[w],%[m],8)\n\t"
            "movq %[t1], -16(%[w],%[m],8)\n\t"
            "lea -2(%[m]), %[m]\n\t"  // lea and jrcxz leave CF and OF alone
            "jrcxz 2f\n\t"
            "jmp 1b\n\t"
            "2:\n\t"
            "movl $0, %k[t0]\n\t"
            "movl $0, %k[t1]\n\t"
            "adcx %[t1], %[t0]\n\t"
            "adox %[t1], %[t0]"
            : [m] "+c"(m), [t0] "=&r"(t0), [t1] "=&r"(t1)
            : [w] "r"(w), [x] "r"(x), [y] "r"(y)
            : "cc", "memory");
        return t0;
    }
#endif
    uint64_t c = 0;
    for (uint64_t i = n; i-- > 0;) {
        u128 s = static_cast<u128>(w[i]) + x[i] + y[i] + c;
        w[i] = static_cast<uint64_t>(s);
        c = static_cast<uint64_t>(s >> 64);
    }
    return c;
}

// r = a + b + cin over n >= 1 words (most significant first, the carry
// running from index n-1 down to 0); returns the carry out.  r may be a or
// b, or lie above them in memory (r = a + k): each pair of words is read
// before the words of the same indices are written and the walk goes
// downward.
inline uint64_t add_words(uint64_t *r, const uint64_t *a, const uint64_t *b, uint64_t n, uint64_t cin) {
    assert(n >= 1);
    uint64_t c = cin;
    if (n & 1) {  // the lowest word alone, then pairs
        u128 s = static_cast<u128>(a[n - 1]) + b[n - 1] + c;
        r[n - 1] = static_cast<uint64_t>(s);
        c = static_cast<uint64_t>(s >> 64);
        if (--n == 0) return c;
    }
#if defined(__x86_64__) && !defined(WIDEFP_NO_ASM)
    uint64_t t, u;
    asm volatile(
        "negq %[c]\n\t"  // CF = (c != 0)
        "1:\n\t"
        "movq -8(%[a],%[n],8), %[t]\n\t"
        "movq -16(%[a],%[n],8), %[u]\n\t"
        "adcq -8(%[b],%[n],8), %[t]\n\t"
        "adcq -16(%[b],%[n],8), %[u]\n\t"
        "movq %[t], -8(%[r],%[n],8)\n\t"
        "movq %[u], -16(%[r],%[n],8)\n\t"
        "decq %[n]\n\t"
        "decq %[n]\n\t"
        "jnz 1b\n\t"
        "movl $0, %k[c]\n\t"
        "adcq $0, %[c]"
        : [c] "+r"(c), [n] "+r"(n), [t] "=&r"(t), [u] "=&r"(u)
        : [a] "r"(a), [b] "r"(b), [r] "r"(r)
        : "cc", "memory");
#else
    for (uint64_t i = n; i-- > 0;) {
        u128 s = static_cast<u128>(a[i]) + b[i] + c;
        r[i] = static_cast<uint64_t>(s);
        c = static_cast<uint64_t>(s >> 64);
    }
#endif
    return c;
}

// r = a - b over n >= 1 words (most significant first); returns the borrow
// out.  Same aliasing rule as add_words.
inline uint64_t sub_words(uint64_t *r, const uint64_t *a, const uint64_t *b, uint64_t n) {
    assert(n >= 1);
    uint64_t c = 0;
    if (n & 1) {
        c = a[n - 1] < b[n - 1];
        r[n - 1] = a[n - 1] - b[n - 1];
        if (--n == 0) return c;
    }
#if defined(__x86_64__) && !defined(WIDEFP_NO_ASM)
    uint64_t t, u;
    asm volatile(
        "negq %[c]\n\t"  // CF = borrow in
        "1:\n\t"
        "movq -8(%[a],%[n],8), %[t]\n\t"
        "movq -16(%[a],%[n],8), %[u]\n\t"
        "sbbq -8(%[b],%[n],8), %[t]\n\t"
        "sbbq -16(%[b],%[n],8), %[u]\n\t"
        "movq %[t], -8(%[r],%[n],8)\n\t"
        "movq %[u], -16(%[r],%[n],8)\n\t"
        "decq %[n]\n\t"
        "decq %[n]\n\t"
        "jnz 1b\n\t"
        "movl $0, %k[c]\n\t"
        "adcq $0, %[c]"
        : [c] "+r"(c), [n] "+r"(n), [t] "=&r"(t), [u] "=&r"(u)
        : [a] "r"(a), [b] "r"(b), [r] "r"(r)
        : "cc", "memory");
#else
    for (uint64_t i = n; i-- > 0;) {
        uint64_t x = a[i], y = b[i];
        uint64_t d = x - y;
        uint64_t b1 = x < y;
        r[i] = d - c;
        c = b1 | (d < c);
    }
#endif
    return c;
}

}  // namespace widefp::detail

#endif
