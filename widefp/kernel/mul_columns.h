// mul_columns.h -- column (product-scanning) accumulation shared by the
// half products and the schoolbook pieces of the Karatsuba engine, and the
// word loops of the engine.  On x86-64 the hot loops are inline assembly
// (two accumulators per column; with BMI2/ADX, pairs of columns and two
// carry chains); -DWIDEFP_NO_ASM selects the portable C loops, which give
// the same words.
#ifndef WIDEFP_KERNEL_MUL_COLUMNS_H
#define WIDEFP_KERNEL_MUL_COLUMNS_H

#include <cstdint>

#include "kernel/internal.h"

namespace widefp::detail {

#if defined(WIDEFP_X86_ASM)
#define WIDEFP_ADX_ASM 1  // the MULX/ADCX/ADOX kernels, used when kHaveAdx
#endif

// (hi, mid, lo) += x*y: the low half of the product into lo, the high half
// into mid, the carries into hi.
inline void mac3(uint64_t &lo, uint64_t &mid, uint64_t &hi, uint64_t x, uint64_t y) {
    u128 t = static_cast<u128>(x) * y;
#if defined(WIDEFP_X86_ASM)
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
#if defined(WIDEFP_X86_ASM)
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

// (lo, mid, hi) += 2*(x, y, z): the cross products of a square's column,
// summed once, come in twice (the whole stays below 2^192, like any column
// sum with its carry).
inline void add_doubled(uint64_t &lo, uint64_t &mid, uint64_t &hi, uint64_t x, uint64_t y, uint64_t z) {
    z = (z << 1) | (y >> 63);
    y = (y << 1) | (x >> 63);
    x <<= 1;
    u128 s = static_cast<u128>(x) + lo;
    lo = static_cast<uint64_t>(s);
    s = static_cast<u128>(y) + mid + static_cast<uint64_t>(s >> 64);
    mid = static_cast<uint64_t>(s);
    hi += z + static_cast<uint64_t>(s >> 64);
}

// Column k of a*a (most significant word first) added into the three-word
// accumulator: the pairs (i, k-i) for i0 <= i <= k-i0, i0 the first index
// in range.  The products a[i]*a[k-i] with i < k-i come in twice: summed
// once and doubled, plus the square a[k/2]^2 when k is even.  The same
// words as column_sum over all the pairs, with about half the products.
inline void square_column(const uint64_t *a, uint64_t i0, uint64_t k, uint64_t &lo, uint64_t &mid, uint64_t &hi) {
    uint64_t x = 0, y = 0, z = 0;
    const uint64_t cross = (k + 1) / 2 - i0;  // i = i0 .. (k-1)/2
    if (cross) column_sum(a + i0, a + (k - i0), cross, x, y, z);
    if ((k & 1) == 0) mac3(lo, mid, hi, a[k / 2], a[k / 2]);
    add_doubled(lo, mid, hi, x, y, z);
}

// schoolbook_full for a*a, by single columns.
inline void schoolbook_square(uint64_t *d, const uint64_t *a, uint64_t m) {
    uint64_t lo = 0, mid = 0, hi = 0;
    for (uint64_t k = 2 * m - 2;; --k) {
        square_column(a, k >= m ? k - (m - 1) : 0, k, lo, mid, hi);
        d[k + 1] = lo;
        lo = mid;
        mid = hi;
        hi = 0;
        if (k == 0) break;
    }
    d[0] = lo;
}

#if defined(WIDEFP_ADX_ASM)
// Adds two neighbouring columns at once: sum a[i]*b[-i] into (l1, m1, h1)
// and sum a[i]*b[-i-1] into (l2, m2, h2), i = 0..count-1.  Each word of a is
// loaded once for both products, and the two carry chains are independent.
// Needs BMI2 (mulx).
inline void column_pair(const uint64_t *a, const uint64_t *b, uint64_t count, uint64_t &l1, uint64_t &m1,
                        uint64_t &h1, uint64_t &l2, uint64_t &m2, uint64_t &h2) {
    uint64_t x1 = l1, y1 = m1, z1 = h1, x2 = l2, y2 = m2, z2 = h2;
    while (count & 3) {
        mac3(x1, y1, z1, a[0], b[0]);
        mac3(x2, y2, z2, a[0], b[-1]);
        ++a;
        --b;
        --count;
    }
    count >>= 2;
    if (count) {
        uint64_t lo, hi;
        asm("1:\n\t"
            "movq (%[a]), %%rdx\n\t"
            "mulx (%[b]), %[lo], %[hi]\n\t"
            "addq %[lo], %[x1]\n\t"
            "adcq %[hi], %[y1]\n\t"
            "adcq $0, %[z1]\n\t"
            "mulx -8(%[b]), %[lo], %[hi]\n\t"
            "addq %[lo], %[x2]\n\t"
            "adcq %[hi], %[y2]\n\t"
            "adcq $0, %[z2]\n\t"
            "movq 8(%[a]), %%rdx\n\t"
            "mulx -8(%[b]), %[lo], %[hi]\n\t"
            "addq %[lo], %[x1]\n\t"
            "adcq %[hi], %[y1]\n\t"
            "adcq $0, %[z1]\n\t"
            "mulx -16(%[b]), %[lo], %[hi]\n\t"
            "addq %[lo], %[x2]\n\t"
            "adcq %[hi], %[y2]\n\t"
            "adcq $0, %[z2]\n\t"
            "movq 16(%[a]), %%rdx\n\t"
            "mulx -16(%[b]), %[lo], %[hi]\n\t"
            "addq %[lo], %[x1]\n\t"
            "adcq %[hi], %[y1]\n\t"
            "adcq $0, %[z1]\n\t"
            "mulx -24(%[b]), %[lo], %[hi]\n\t"
            "addq %[lo], %[x2]\n\t"
            "adcq %[hi], %[y2]\n\t"
            "adcq $0, %[z2]\n\t"
            "movq 24(%[a]), %%rdx\n\t"
            "mulx -24(%[b]), %[lo], %[hi]\n\t"
            "addq %[lo], %[x1]\n\t"
            "adcq %[hi], %[y1]\n\t"
            "adcq $0, %[z1]\n\t"
            "mulx -32(%[b]), %[lo], %[hi]\n\t"
            "addq %[lo], %[x2]\n\t"
            "adcq %[hi], %[y2]\n\t"
            "adcq $0, %[z2]\n\t"
            "addq $32, %[a]\n\t"
            "subq $32, %[b]\n\t"
            "decq %[c]\n\t"
            "jnz 1b"
            : [x1] "+r"(x1), [y1] "+r"(y1), [z1] "+r"(z1), [x2] "+r"(x2), [y2] "+r"(y2), [z2] "+r"(z2), [a] "+r"(a),
              [b] "+r"(b), [c] "+r"(count), [lo] "=&r"(lo), [hi] "=&r"(hi)
            :
            : "rdx", "cc", "memory");
    }
    l1 = x1;
    m1 = y1;
    h1 = z1;
    l2 = x2;
    m2 = y2;
    h2 = z2;
}

// schoolbook_full by pairs of columns (k, k-1), k = 2m-2, 2m-4, ..., 2:
// column k takes the pairs i = i0(k)..i1(k), column k-1 the pairs
// i = i0(k-1)..i1(k-1); the common range i0(k)..i1(k-1) goes through
// column_pair, the one pair that only one of them has is added alone.
// Column k-1 is summed from zero and takes column k's carry afterwards.
inline void schoolbook_full_pairs(uint64_t *d, const uint64_t *a, const uint64_t *b, uint64_t m) {
    uint64_t lo = 0, mid = 0, hi = 0;  // the carry into column k
    for (uint64_t k = 2 * m - 2; k > 0; k -= 2) {
        const uint64_t i0 = k >= m ? k - (m - 1) : 0;  // first pair of column k
        const uint64_t i1 = k - 1 < m ? k - 1 : m - 1;  // last pair of column k-1
        uint64_t l2 = 0, m2 = 0, h2 = 0;
        if (k < m)
            mac3(lo, mid, hi, a[k], b[0]);  // column k alone: i = k
        else
            mac3(l2, m2, h2, a[k - m], b[m - 1]);  // column k-1 alone: i = k-m
        column_pair(a + i0, b + (k - i0), i1 - i0 + 1, lo, mid, hi, l2, m2, h2);
        d[k + 1] = lo;
        asm("addq %[m], %[l2]\n\t"
            "adcq %[h], %[m2]\n\t"
            "adcq $0, %[h2]"
            : [l2] "+r"(l2), [m2] "+r"(m2), [h2] "+r"(h2)
            : [m] "r"(mid), [h] "r"(hi)
            : "cc");
        d[k] = l2;
        lo = m2;
        mid = h2;
        hi = 0;
    }
    mac3(lo, mid, hi, a[0], b[0]);  // column 0
    d[1] = lo;
    d[0] = mid;
}

// Squares of at least this many words go by schoolbook_square_pairs;
// shorter ones by the product of the pairs of columns, which is faster there.
constexpr uint64_t kSquarePairsMin = 28;

// schoolbook_square by pairs of columns (k, k-1), k even: the cross
// products i < k-i of column k and i < k-1-i of column k-1 both end at
// i = k/2 - 1 and go through column_pair from column k's first index on;
// column k-1 may have one more pair in front (i = k-m).  Each column's
// cross sum is doubled, column k takes a[k/2]^2, and the carries pass down.
inline void schoolbook_square_pairs(uint64_t *d, const uint64_t *a, uint64_t m) {
    uint64_t lo = 0, mid = 0, hi = 0;  // the carry into column k
    for (uint64_t k = 2 * m - 2; k > 0; k -= 2) {
        const uint64_t i0 = k >= m ? k - (m - 1) : 0;  // first pair of column k
        uint64_t x1 = 0, y1 = 0, z1 = 0, x2 = 0, y2 = 0, z2 = 0;
        if (k >= m && k - m < k / 2) mac3(x2, y2, z2, a[k - m], a[m - 1]);  // column k-1 alone
        column_pair(a + i0, a + (k - i0), k / 2 - i0, x1, y1, z1, x2, y2, z2);
        mac3(lo, mid, hi, a[k / 2], a[k / 2]);
        add_doubled(lo, mid, hi, x1, y1, z1);
        d[k + 1] = lo;
        lo = mid;
        mid = hi;
        hi = 0;
        add_doubled(lo, mid, hi, x2, y2, z2);
        d[k] = lo;
        lo = mid;
        mid = hi;
        hi = 0;
    }
    mac3(lo, mid, hi, a[0], a[0]);  // column 0
    d[1] = lo;
    d[0] = mid;
}
#endif

// Full 2m-word product of two m-word numbers (most significant word first)
// by columns, least significant column first; a square (a == b) takes the
// symmetric products once.  d must not overlap a or b.
inline void schoolbook_full(uint64_t *d, const uint64_t *a, const uint64_t *b, uint64_t m) {
    WIDEFP_ASSERTD(m >= 1);
#if defined(WIDEFP_ADX_ASM)
    if (kHaveAdx) {
        if (a == b && m >= kSquarePairsMin)
            schoolbook_square_pairs(d, a, m);
        else
            schoolbook_full_pairs(d, a, b, m);
        return;
    }
#endif
    if (a == b) {
        schoolbook_square(d, a, m);
        return;
    }
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

// Triangles of a square (a == b) of at least this many words take each
// symmetric pair once (square_column); shorter ones go as products.
constexpr uint64_t kSquareColumnsMin = 28;

// The columns n-1 down to 0 of the product triangle: column k is
// a[0]*b[k] + a[1]*b[k-1] + ... + a[k]*b[0], added into the running
// three-word accumulator, which starts as (lo, mid, 0); column k's low word
// goes to out[k] and the accumulator moves down one word.  Returns the word
// left after column 0.  Column k reads only a[0..k] and b[0..k] and its word
// is stored after those reads, so out may be a or b.
inline uint64_t triangle_columns(uint64_t *out, const uint64_t *a, const uint64_t *b, uint64_t n, uint64_t lo,
                                 uint64_t mid) {
    WIDEFP_ASSERTD(n >= 1);
    uint64_t hi = 0;
    if (a == b && n >= kSquareColumnsMin) {  // a square: the symmetric pairs once, doubled
        for (uint64_t k = n - 1;; --k) {
            square_column(a, 0, k, lo, mid, hi);
            out[k] = lo;
            lo = mid;
            mid = hi;
            hi = 0;
            if (k == 0) break;
        }
        return lo;
    }
#if defined(WIDEFP_ADX_ASM)
    if (kHaveAdx) {
        // Pairs of columns (k, k-1): the common pairs i = 0..k-1 together,
        // column k's last pair a[k]*b[0] alone; column k-1 is summed from
        // zero and takes column k's carry afterwards.
        uint64_t k = n - 1;
        for (; k >= 1; k -= 2) {
            uint64_t l2 = 0, m2 = 0, h2 = 0;
            mac3(lo, mid, hi, a[k], b[0]);
            column_pair(a, b + k, k, lo, mid, hi, l2, m2, h2);
            out[k] = lo;
            asm("addq %[m], %[l2]\n\t"
                "adcq %[h], %[m2]\n\t"
                "adcq $0, %[h2]"
                : [l2] "+r"(l2), [m2] "+r"(m2), [h2] "+r"(h2)
                : [m] "r"(mid), [h] "r"(hi)
                : "cc");
            out[k - 1] = l2;
            lo = m2;
            mid = h2;
            hi = 0;
            if (k < 2) return lo;  // the last pair was (1, 0)
        }
        mac3(lo, mid, hi, a[0], b[0]);  // column 0 alone (n odd)
        out[0] = lo;
        return mid;
    }
#endif
    for (uint64_t k = n - 1;; --k) {
        column_sum(a, b + k, k + 1, lo, mid, hi);
        out[k] = lo;
        lo = mid;
        mid = hi;
        hi = 0;
        if (k == 0) break;
    }
    return lo;
}

// w += x + y over n >= 1 words (most significant first); returns the carry
// out (0..2).  With ADX two carry chains run side by side (CF
// for x, OF for y), so the window is read and written once.  w may lie above
// x or y in memory (w = x + k), as in add_words.
inline uint64_t add2_words(uint64_t *w, const uint64_t *x, const uint64_t *y, uint64_t n) {
    WIDEFP_ASSERTD(n >= 1);
#if defined(WIDEFP_ADX_ASM)
    if (kHaveAdx) {
        // The lowest n mod 4 words with the same two chains in C, then
        // blocks of four, the chains entering as CF = c1 and OF = c2.
        uint64_t c1 = 0, c2 = 0;
        while (n & 3) {
            const u128 s1 = static_cast<u128>(w[n - 1]) + x[n - 1] + c1;
            const u128 s2 = static_cast<u128>(static_cast<uint64_t>(s1)) + y[n - 1] + c2;
            w[n - 1] = static_cast<uint64_t>(s2);
            c1 = static_cast<uint64_t>(s1 >> 64);
            c2 = static_cast<uint64_t>(s2 >> 64);
            if (--n == 0) return c1 + c2;
        }
        uint64_t m = n, t0, t1, t2, t3;
        asm volatile(
            "negq %[c1]\n\t"       // CF = c1; OF = 0 (c1 is 0 or 1)
            "movq $-1, %[t0]\n\t"
            "adox %[c2], %[t0]\n\t"  // OF = c2 (all ones + c2 carries out)
            "1:\n\t"
            "movq -8(%[w],%[m],8), %[t0]\n\t"
            "movq -16(%[w],%[m],8), %[t1]\n\t"
            "movq -24(%[w],%[m],8), %[t2]\n\t"
            "movq -32(%[w],%[m],8), %[t3]\n\t"
            "adcx -8(%[x],%[m],8), %[t0]\n\t"
            "adox -8(%[y],%[m],8), %[t0]\n\t"
            "adcx -16(%[x],%[m],8), %[t1]\n\t"
            "adox -16(%[y],%[m],8), %[t1]\n\t"
            "adcx -24(%[x],%[m],8), %[t2]\n\t"
            "adox -24(%[y],%[m],8), %[t2]\n\t"
            "adcx -32(%[x],%[m],8), %[t3]\n\t"
            "adox -32(%[y],%[m],8), %[t3]\n\t"
            "movq %[t0], -8(%[w],%[m],8)\n\t"
            "movq %[t1], -16(%[w],%[m],8)\n\t"
            "movq %[t2], -24(%[w],%[m],8)\n\t"
            "movq %[t3], -32(%[w],%[m],8)\n\t"
            "lea -4(%[m]), %[m]\n\t"  // lea and jrcxz leave CF and OF alone
            "jrcxz 2f\n\t"
            "jmp 1b\n\t"
            "2:\n\t"
            "movl $0, %k[t0]\n\t"
            "movl $0, %k[t1]\n\t"
            "adcx %[t1], %[t0]\n\t"
            "adox %[t1], %[t0]"
            : [m] "+c"(m), [t0] "=&r"(t0), [t1] "=&r"(t1), [t2] "=&r"(t2), [t3] "=&r"(t3), [c1] "+r"(c1)
            : [w] "r"(w), [x] "r"(x), [y] "r"(y), [c2] "r"(c2)
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
    WIDEFP_ASSERTD(n >= 1);
    uint64_t c = cin;
#if defined(WIDEFP_X86_ASM)
    while (n & 3) {  // the lowest words alone, then blocks of four
        u128 s = static_cast<u128>(a[n - 1]) + b[n - 1] + c;
        r[n - 1] = static_cast<uint64_t>(s);
        c = static_cast<uint64_t>(s >> 64);
        if (--n == 0) return c;
    }
    uint64_t t, u, v, x;
    asm volatile(
        "negq %[c]\n\t"  // CF = (c != 0)
        "1:\n\t"
        "movq -8(%[a],%[n],8), %[t]\n\t"
        "movq -16(%[a],%[n],8), %[u]\n\t"
        "movq -24(%[a],%[n],8), %[v]\n\t"
        "movq -32(%[a],%[n],8), %[x]\n\t"
        "adcq -8(%[b],%[n],8), %[t]\n\t"
        "adcq -16(%[b],%[n],8), %[u]\n\t"
        "adcq -24(%[b],%[n],8), %[v]\n\t"
        "adcq -32(%[b],%[n],8), %[x]\n\t"
        "movq %[t], -8(%[r],%[n],8)\n\t"
        "movq %[u], -16(%[r],%[n],8)\n\t"
        "movq %[v], -24(%[r],%[n],8)\n\t"
        "movq %[x], -32(%[r],%[n],8)\n\t"
        "leaq -4(%[n]), %[n]\n\t"  // lea and jrcxz leave CF alone
        "jrcxz 2f\n\t"
        "jmp 1b\n\t"
        "2:\n\t"
        "movl $0, %k[c]\n\t"
        "adcq $0, %[c]"
        : [c] "+r"(c), [n] "+c"(n), [t] "=&r"(t), [u] "=&r"(u), [v] "=&r"(v), [x] "=&r"(x)
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
    WIDEFP_ASSERTD(n >= 1);
    uint64_t c = 0;
#if defined(WIDEFP_X86_ASM)
    while (n & 3) {  // the lowest words alone, then blocks of four
        const uint64_t x = a[n - 1], y = b[n - 1], d = x - y;
        r[n - 1] = d - c;
        c = (x < y) | (d < c);
        if (--n == 0) return c;
    }
    uint64_t t, u, v, x;
    asm volatile(
        "negq %[c]\n\t"  // CF = borrow in
        "1:\n\t"
        "movq -8(%[a],%[n],8), %[t]\n\t"
        "movq -16(%[a],%[n],8), %[u]\n\t"
        "movq -24(%[a],%[n],8), %[v]\n\t"
        "movq -32(%[a],%[n],8), %[x]\n\t"
        "sbbq -8(%[b],%[n],8), %[t]\n\t"
        "sbbq -16(%[b],%[n],8), %[u]\n\t"
        "sbbq -24(%[b],%[n],8), %[v]\n\t"
        "sbbq -32(%[b],%[n],8), %[x]\n\t"
        "movq %[t], -8(%[r],%[n],8)\n\t"
        "movq %[u], -16(%[r],%[n],8)\n\t"
        "movq %[v], -24(%[r],%[n],8)\n\t"
        "movq %[x], -32(%[r],%[n],8)\n\t"
        "leaq -4(%[n]), %[n]\n\t"  // lea and jrcxz leave CF alone
        "jrcxz 2f\n\t"
        "jmp 1b\n\t"
        "2:\n\t"
        "movl $0, %k[c]\n\t"
        "adcq $0, %[c]"
        : [c] "+r"(c), [n] "+c"(n), [t] "=&r"(t), [u] "=&r"(u), [v] "=&r"(v), [x] "=&r"(x)
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
