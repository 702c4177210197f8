// array_mul_skip.h -- the n-word array product when the first operand is
// known to start with zero words (the shrinking terms of the series).
#ifndef WIDEFP_KERNEL_ARRAY_MUL_SKIP_H
#define WIDEFP_KERNEL_ARRAY_MUL_SKIP_H

#include <cstdint>

namespace widefp::detail {

// The same words and return value as widefp_array_mul(result, a, b, n),
// given a[0..za-1] == 0 (za <= n): the word products of those zero words
// add nothing to any column, to the carry estimate of the half product or
// to the exact product, so they are left out.  result may be a or b.
uint64_t array_mul_skip(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t n, uint64_t za);

}  // namespace widefp::detail

#endif
