// wr_cos -- the cosine: wr_cos(res, x, p, work).
#include "wr_plugin.h"

namespace wr {

// res = cos x truncated to p words (1 <= p <= 1023); work: 2p+5 words.
void cosine(uint64_t *res, const uint64_t *x, uint64_t p, uint64_t *work) {
    call_private(&widefp_float_cos, res, x, p, work);
}

}  // namespace wr

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    const auto a = wr::elementary_args("wr_cos", nrhs, prhs, false, &widefp_float_sincos_work_size, false);
    wr::cosine(a.res, a.x, a.p, a.work);
}
