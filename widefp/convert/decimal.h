// decimal.h -- internal digit generator shared by the decimal formatters.
#ifndef WIDEFP_CONVERT_DECIMAL_H
#define WIDEFP_CONVERT_DECIMAL_H

#include <cstdint>

namespace widefp {

// Writes exactly `count` decimal digit characters at `out`: the first `count`
// digits after the point of the fixed-point array `digits` (w words, word 0
// the integer part, ignored on entry), truncated.  The array is consumed: it
// keeps the exact remainder of the expansion.  Returns out + count.
// Precondition: w >= 1.
char *wrl_hex2dec(uint64_t *digits, uint64_t w, char *out, uint64_t count);

}  // namespace widefp

#endif
