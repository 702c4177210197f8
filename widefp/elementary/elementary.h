// elementary.h -- limits and small helpers shared by the elementary functions.
#ifndef WIDEFP_ELEMENTARY_ELEMENTARY_H
#define WIDEFP_ELEMENTARY_ELEMENTARY_H

#include <cstdint>

#include "kernel/internal.h"

namespace widefp::elem {

using namespace widefp::detail;

// Largest precision of an elementary function: the series run at p+1 words
// on working arrays of p+2 words, and the stack arrays hold 1,026 words.
constexpr uint64_t kMaxPrecision = 1023;
constexpr uint64_t kMaxWords = kMaxPrecision + 3;  // 1,026

// Unbiased exponent of a word 0, sign ignored (zero gives a large negative).
inline int64_t unbiased(uint64_t w0) {
    return static_cast<int64_t>(w0 & kExpMask) - static_cast<int64_t>(kBias);
}

// Ends in widefp_fatal("widefp:range", ...) unless 1 <= p <= max; `who`
// names the function in the message.
void check_precision(const char *who, uint64_t p, uint64_t max = kMaxPrecision);

}  // namespace widefp::elem

#endif
