// wr_asin -- the arcsine: wr_asin(res, x, p, work).
#include "wr_plugin.h"

namespace wr {

// res = asin x truncated to p words (1 <= p <= 1023); work: 5p+10 words.
// |x| > 1 raises widefp:domain through the library's fatal route, res
// untouched.
void arcsine(uint64_t *res, const uint64_t *x, uint64_t p, uint64_t *work) {
    call_private(&widefp_float_asin, res, x, p, work);
}

}  // namespace wr

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    const auto a = wr::elementary_args("wr_asin", nrhs, prhs, false, &widefp_float_asin_work_size, false);
    wr::arcsine(a.res, a.x, a.p, a.work);
}
