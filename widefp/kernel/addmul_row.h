// addmul_row.h -- the row steps of the long division and the integer square root, on complemented remainders.
//
// The remainder is kept complemented: each word holds ~r[k], so that r - s,
// which is ~(~r + s), becomes an addition of s to the stored words and the
// row kernel needs no negation.  A borrow out of the true difference is a
// carry out of the stored sum.
#ifndef WIDEFP_KERNEL_ADDMUL_ROW_H
#define WIDEFP_KERNEL_ADDMUL_ROW_H

#include <cstdint>

#include "kernel/internal.h"

namespace widefp::detail {

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
// Two words of the row below, at byte offsets A (the higher address) and B:
// the high word of the product comes in through hi, passes through h2 and
// leaves through hi again.
#define WIDEFP_ADDMUL_ROW_2(A, B)              \
    "mulx " #A "(%[y]), %[lo], %[h2]\n\t"      \
    "adox %[hi], %[lo]\n\t"                    \
    "mov " #A "(%[r]), %[t]\n\t"               \
    "adcx %[t], %[lo]\n\t"                     \
    "mov %[lo], " #A "(%[r])\n\t"              \
    "mulx " #B "(%[y]), %[lo], %[hi]\n\t"      \
    "adox %[h2], %[lo]\n\t"                    \
    "mov " #B "(%[r]), %[t]\n\t"               \
    "adcx %[t], %[lo]\n\t"                     \
    "mov %[lo], " #B "(%[r])\n\t"

// The same with MULX, the product carries on the overflow flag (ADOX) and
// the sum on the carry flag (ADCX): blocks of sixteen words from the low
// end, then blocks of four, then single words.  Loop control uses MOV, LEA
// and JRCXZ, which leave both flags alone; the pointers walk down from the
// ends.  Each word costs six fused micro-operations (MULX with its load, one
// ADOX, a load, one ADCX, a store), about 1.25 cycles on a five-wide core;
// the long loop is aligned to 32 bytes, which keeps its timing steady.
// Always inlined into its one caller, submul, as when it was local to the
// division (an external inline function would otherwise be called).
[[gnu::always_inline]] inline uint64_t addmul_row_adx(uint64_t *rp, const uint64_t *yp, uint64_t q, uint64_t n, uint64_t *carry) {
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
        WIDEFP_ADDMUL_ROW_2(120, 112)
        WIDEFP_ADDMUL_ROW_2(104, 96)
        WIDEFP_ADDMUL_ROW_2(88, 80)
        WIDEFP_ADDMUL_ROW_2(72, 64)
        WIDEFP_ADDMUL_ROW_2(56, 48)
        WIDEFP_ADDMUL_ROW_2(40, 32)
        WIDEFP_ADDMUL_ROW_2(24, 16)
        WIDEFP_ADDMUL_ROW_2(8, 0)
        "lea -1(%%rcx), %%rcx\n\t"
        "jrcxz 2f\n\t"
        "jmp 1b\n"
        "2:\n\t"
        "mov %[n4], %%rcx\n"
        "3:\n\t"
        "jrcxz 4f\n\t"
        "lea -32(%[y]), %[y]\n\t"
        "lea -32(%[r]), %[r]\n\t"
        WIDEFP_ADDMUL_ROW_2(24, 16)
        WIDEFP_ADDMUL_ROW_2(8, 0)
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
#undef WIDEFP_ADDMUL_ROW_2
#endif

// r[0..w+1] -= q * (1; y[0..w-1]), the divisor's last word at r[w+1], on
// complemented words; adx chooses the MULX/ADCX/ADOX row (only where the
// processor has it).  Requires w >= 1.  Returns true when the difference is
// negative (r then holds it modulo 2^(64(w+2))).
inline bool submul(uint64_t *r, const uint64_t *y, uint64_t q, uint64_t w, bool adx) {
    WIDEFP_ASSERTD(w >= 1);
    uint64_t borrow;
#ifdef WIDEFP_X86_ASM
    const uint64_t carry = adx ? addmul_row_adx(r + 2, y, q, w, &borrow) : addmul_row_portable(r + 2, y, q, w, &borrow);
#else
    static_cast<void>(adx);
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

}  // namespace widefp::detail

#endif
