// divword.h -- word divisions for the integer divisions of the kernel: 128 by 64 bits, and 192 by 128 bits through an inverse.
#ifndef WIDEFP_KERNEL_DIVWORD_H
#define WIDEFP_KERNEL_DIVWORD_H

#include <cstdint>

#include "kernel/internal.h"

namespace widefp::detail {

// (hi, lo) / d for hi < d (so the quotient fits one word); *rem gets the
// remainder.
inline uint64_t div_word(uint64_t hi, uint64_t lo, uint64_t d, uint64_t *rem) {
    WIDEFP_ASSERTD(hi < d);
#if defined(WIDEFP_X86_ASM)
    uint64_t q, r;
    asm("divq %4" : "=a"(q), "=d"(r) : "a"(lo), "d"(hi), "rm"(d) : "cc");
    *rem = r;
    return q;
#else
    const unsigned __int128 n = (static_cast<unsigned __int128>(hi) << 64) | lo;
    const uint64_t q = static_cast<uint64_t>(n / d);
    *rem = lo - q * d;
    return q;
#endif
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
// v = inverse_3by2(d1, d0); *rem receives the remainder.
inline uint64_t div_3by2(uint64_t n2, uint64_t n1, uint64_t n0, uint64_t d1, uint64_t d0, uint64_t v, u128 *rem) {
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
    if (r >= dd) {
        ++q;
        r -= dd;
    }
    *rem = r;
    return q;
}

// floor((n2, n1, n0) / (d1, d0)) as div_3by2, or 2^64 - 1 when that does not
// fit (the quotient word of a long division, whose true value may reach 2^64).
inline uint64_t estimate_3by2(uint64_t n2, uint64_t n1, uint64_t n0, uint64_t d1, uint64_t d0, uint64_t v) {
    u128 rem;
    return (n2 > d1 || (n2 == d1 && n1 >= d0)) ? ~uint64_t{0} : div_3by2(n2, n1, n0, d1, d0, v, &rem);
}

}  // namespace widefp::detail

#endif
