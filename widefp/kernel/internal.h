// internal.h -- constants, precondition checks and small helpers shared by the library's sources.
#ifndef WIDEFP_KERNEL_INTERNAL_H
#define WIDEFP_KERNEL_INTERNAL_H

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// ---- precondition checks ---------------------------------------------------
// WIDEFP_ASSERTD(cond) states a precondition or invariant.  It is checked
// when WIDEFP_CHECKED is defined (the sanitizer build defines it) and costs
// nothing otherwise: the condition is then not evaluated.  A failed check
// prints the condition and its place and aborts.
#ifdef WIDEFP_CHECKED
#define WIDEFP_ASSERTD(cond) \
    ((cond) ? static_cast<void>(0) : ::widefp::detail::assert_failed(#cond, __FILE__, __LINE__))
#else
#define WIDEFP_ASSERTD(cond) static_cast<void>(sizeof(static_cast<bool>(cond)))
#endif

// ---- inline assembly ---------------------------------------------------------
// WIDEFP_X86_ASM: the x86-64 assembly blocks, intrinsics and the processor
// feature test are compiled in.  -DWIDEFP_NO_ASM leaves every one of them
// out, so that the portable loops run (the sanitizer build does this).
#if defined(__x86_64__) && !defined(WIDEFP_NO_ASM)
#define WIDEFP_X86_ASM 1
#endif

namespace widefp::detail {

[[noreturn]] inline void assert_failed(const char *cond, const char *file, int line) {
    std::fprintf(stderr, "widefp: internal check failed: %s (%s:%d)\n", cond, file, line);
    std::abort();
}

// ---- number format -----------------------------------------------------------
constexpr uint64_t kSign = 0x8000000000000000ULL;     // sign bit of word 0
constexpr uint64_t kExpMask = 0x7fffffffffffffffULL;  // exponent field; all ones is infinity
constexpr uint64_t kBias = 0x3fffffffffffffffULL;     // exponent bias: 1.0 has this field
constexpr uint64_t kHalf = 0x8000000000000000ULL;     // guard word of an exact half unit
constexpr uint64_t kSaturated = 0xffffffffffffffffULL;  // guard word saturation marker

// ---- thresholds --------------------------------------------------------------
// Products of this many words and more go to the Karatsuba engine (below it,
// the column products; their scratch then fits on the stack).
constexpr uint64_t kKaratsubaThreshold = 720;

// ---- processor features ------------------------------------------------------
#ifdef WIDEFP_X86_ASM
// True when the processor has the ADX and BMI2 instructions (adcx, adox,
// mulx); tested once at start-up (cpu.cpp), constant afterwards.
extern const bool kHaveAdx;
#else
constexpr bool kHaveAdx = false;
#endif

using u128 = unsigned __int128;

inline uint64_t exp_field(const uint64_t *x) { return x[0] & kExpMask; }
inline uint64_t sign_of(const uint64_t *x) { return x[0] & kSign; }

// The guard word of a product or quotient that underflowed to zero,
// measured against the smallest magnitude m (exponent field 1, fraction 0),
// so that rounding the zero decides as the true value v says: to nearest
// gives m only when v > m/2, toward zero gives zero, away from zero gives m
// (the guard is never 0).  With v = 1.F/2 * m, in [m/2, m), the guard is
// v/m: a half plus F shifted right once, the bits below it and the result's
// own guard sticky; a smaller v (below_half) gives 1.  result[1..p] holds F.
inline uint64_t underflow_guard(const uint64_t *result, bool below_half, uint64_t guard, uint64_t p) {
    if (below_half) return 1;
    uint64_t rest = guard | (result[1] & 1);
    for (uint64_t j = 2; j <= p; ++j) rest |= result[j];
    const uint64_t g = kHalf | (result[1] >> 1) | (rest != 0);
    return g == kSaturated ? kSaturated - 1 : g;  // all ones is the saturation marker
}

// ---- hypot in the caller's work area ------------------------------------------
// sqrt(a^2 + b^2), every step truncated (widefp_mex_hypot's value), in work
// of truncated_hypot_work_size(p) words: the square root's 4p+8, saturated
// at UINT64_MAX.  result may alias a or b; p >= 2.
uint64_t truncated_hypot_work_size(uint64_t p);
void truncated_hypot(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t p, uint64_t *work);

}  // namespace widefp::detail

#endif
