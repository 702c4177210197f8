// wr_sum_all -- the sum of a whole element array: wr_sum_all(R, X, count, p).
#include <cstring>

#include "wr_plugin.h"

namespace wr {

// R_0 = X_0 + X_1 + ... + X_{count-1}, left to right, truncating.  The copy
// of X_0 is made whatever the count, so count 0 and count 1 both copy X_0.
void sum_all(uint64_t *R, const uint64_t *X, uint64_t count, uint64_t p) {
    const uint64_t w = p + 1;
    std::memmove(R, X, w * sizeof(uint64_t));
    for (uint64_t i = 1; i < count; ++i) widefp_float_add(R, R, X + i * w, p);
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_sum_all", nrhs, prhs, 4);
    const uint64_t p = args.precision(3, 1, wr::max_count);
    const uint64_t count = args.count(2, "count");
    uint64_t *R = args.elements(0, 1, p, "R");
    const uint64_t *X = args.elements(1, count ? count : 1, p, "X");
    wr::sum_all(R, X, count, p);
}
#endif
