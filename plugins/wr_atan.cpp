// wr_atan -- the arctangent: wr_atan(res, x, p, work1, work2).
#include "wr_plugin.h"

namespace wr {

// res = atan x truncated to p words (1 <= p <= 1023); work: 2p+4 words;
// cache: the reciprocal cache of precision p.
void arctangent(uint64_t *res, const uint64_t *x, uint64_t p, uint64_t *work, uint64_t *cache) {
    call_private(&widefp_float_atan, res, x, p, work, cache);
}

}  // namespace wr

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    const auto a = wr::elementary_args("wr_atan", nrhs, prhs, false, &widefp_float_atan_work_size, true);
    wr::arctangent(a.res, a.x, a.p, a.work, a.cache);
}
