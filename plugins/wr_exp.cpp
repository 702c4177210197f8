// wr_exp -- the exponential: wr_exp(res, x, p, work).
#include "wr_plugin.h"

namespace wr {

// res = e^x truncated to p words (1 <= p <= 1023); work: 2p+5 words.
void exponential(uint64_t *res, const uint64_t *x, uint64_t p, uint64_t *work) {
    call_private(&widefp_float_exp, res, x, p, work);
}

}  // namespace wr

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    const auto a = wr::elementary_args("wr_exp", nrhs, prhs, false, &widefp_float_exp_work_size, false);
    wr::exponential(a.res, a.x, a.p, a.work);
}
