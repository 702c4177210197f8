// rand.cpp -- random elements from a rand()-like generator of 31-bit values.
#include <bit>

#include "matrix.h"

// R_i lies in [d, d + 2^-52 2^floor(log2 d)) for d = r/(2^31-1); r = 0 gives
// exponent -1023, not zero.  The generator is never seeded here.
extern "C" void widefp_float_rand(uint64_t *R, uint64_t count, uint64_t p, int (*gen)(void)) {
    const double inv_randmax = std::bit_cast<double>(uint64_t{0x3e00000000200000});  // nearest 1/(2^31-1)
    const uint64_t w = p + 1;
    for (uint64_t i = 0; i < count; ++i) {
        uint64_t *x = R + i * w;
        for (uint64_t j = 1; j <= p; ++j) {
            const int64_t a = gen();
            const int64_t b = gen();
            x[j] = (static_cast<uint64_t>(a) << 32) + static_cast<uint64_t>(b);
        }
        const int64_t r = gen();
        const uint64_t bits = std::bit_cast<uint64_t>(static_cast<double>(r) * inv_randmax);
        x[0] = ((bits >> 52) & 0x7ff) - 0x3ff + widefp::linalg::kOne;
        x[1] = (bits << 12) | (x[1] >> 52);
    }
}
