// internal.h -- constants and small helpers shared by the kernel's sources.
#ifndef WIDEFP_KERNEL_INTERNAL_H
#define WIDEFP_KERNEL_INTERNAL_H

#include <cassert>
#include <cstdint>

namespace widefp::detail {

constexpr uint64_t kSign = 0x8000000000000000ULL;     // sign bit of word 0
constexpr uint64_t kExpMask = 0x7fffffffffffffffULL;  // exponent field; all ones is infinity
constexpr uint64_t kBias = 0x3fffffffffffffffULL;     // exponent bias: 1.0 has this field
constexpr uint64_t kHalf = 0x8000000000000000ULL;     // guard word of an exact half unit
constexpr uint64_t kSaturated = 0xffffffffffffffffULL;  // guard word saturation marker

using u128 = unsigned __int128;

inline uint64_t exp_field(const uint64_t *x) { return x[0] & kExpMask; }
inline uint64_t sign_of(const uint64_t *x) { return x[0] & kSign; }

}  // namespace widefp::detail

#endif
