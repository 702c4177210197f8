// wr_sin -- the sine: wr_sin(res, x, p, work).
#include "wr_plugin.h"

namespace wr {

// res = sin x truncated to p words (1 <= p <= 1023); work: 2p+5 words.
void sine(uint64_t *res, const uint64_t *x, uint64_t p, uint64_t *work) {
    call_private(&widefp_float_sin, res, x, p, work);
}

}  // namespace wr

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    const auto a = wr::elementary_args("wr_sin", nrhs, prhs, false, &widefp_float_sincos_work_size, false);
    wr::sine(a.res, a.x, a.p, a.work);
}
