// wr_rand -- random elements from the C library's rand(): wr_rand(R, count, p).
#include <bit>
#include <cstdlib>

#include "wr_plugin.h"

namespace wr {

// For each R_i in order: fraction words 1..p = a*2^32 + b from two calls of
// gen each; then one more call r gives d = r * (double nearest 1/(2^31-1)),
// whose exponent becomes the element's and whose 52 fraction bits replace the
// top of word 1 (the old top 12 bits move to the bottom).  R_i lies in
// [d, d + 2^-52 * 2^floor(log2 d)); r = 0 gives exponent -1023, not zero.
// Each element takes 2p+1 calls of gen; the generator is never seeded here.
void rand(uint64_t *R, uint64_t count, uint64_t p, int (*gen)()) {
    const double inv_randmax = std::bit_cast<double>(uint64_t{0x3e00000000200000});
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
        x[0] = ((bits >> 52) & 0x7ff) - 0x3ff + 0x3fffffffffffffffULL;
        x[1] = (bits << 12) | (x[1] >> 52);
    }
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_rand", nrhs, prhs, 3);
    const uint64_t p = args.precision(2, 1, wr::max_count);
    const uint64_t count = args.count(1, "count");
    uint64_t *R = args.elements(0, count, p, "R");
    wr::rand(R, count, p, &std::rand);
}
#endif
