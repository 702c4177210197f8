// wr_pow -- the power: wr_pow(res, x, y, p, work1, work2).
#include "wr_plugin.h"

namespace wr {

// res = x^y truncated to p words (1 <= p <= 1023), as e^(y ln x); work: 3p+6
// words; cache: the reciprocal cache of precision p.  Computed on private
// copies, so res may share memory with x or y (the library writes ln x into
// its result before it reads y).  A negative base with an exponent that is
// not an integer raises widefp:domain through the library's fatal route, res
// untouched.
void power(uint64_t *res, const uint64_t *x, const uint64_t *y, uint64_t p, uint64_t *work, uint64_t *cache) {
    PrivateElements e(p, x, y);
    widefp_float_pow(e.result(), e.x(), e.y(), p, work, cache);
    e.store(res);
}

}  // namespace wr

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    const auto a = wr::elementary_args("wr_pow", nrhs, prhs, true, &widefp_float_pow_work_size, true);
    wr::power(a.res, a.x, a.y, a.p, a.work, a.cache);
}
