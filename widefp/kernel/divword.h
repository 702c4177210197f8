// divword.h -- one 128-by-64-bit word division, for the integer divisions of the kernel.
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

}  // namespace widefp::detail

#endif
