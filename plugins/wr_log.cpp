// wr_log -- the natural logarithm: wr_log(res, x, p, work1, work2).
#include "wr_plugin.h"

namespace wr {

// res = ln x truncated to p words (1 <= p <= 1023); work: 3p+6 words; cache:
// the reciprocal cache of precision p.  x <= 0 (either zero, any negative
// number) raises widefp:domain through the library's fatal route, res
// untouched.
void logarithm(uint64_t *res, const uint64_t *x, uint64_t p, uint64_t *work, uint64_t *cache) {
    call_private(&widefp_float_log, res, x, p, work, cache);
}

}  // namespace wr

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    const auto a = wr::elementary_args("wr_log", nrhs, prhs, false, &widefp_float_log_work_size, true);
    wr::logarithm(a.res, a.x, a.p, a.work, a.cache);
}
