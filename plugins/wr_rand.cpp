// wr_rand -- random elements from the C library's rand(): wr_rand(R, count, p).
#include <cstdlib>

#include "wr_plugin.h"

namespace {
int c_rand() { return std::rand(); }
}  // namespace

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_rand", nrhs, prhs, 3);
    const uint64_t p = args.precision(2, 1, wr::max_count);
    const uint64_t count = args.count(1, "count");
    uint64_t *R = args.elements(0, count, p, "R");
    widefp_float_rand(R, count, p, &c_rand);
}
