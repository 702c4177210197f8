// wr_sqrt -- element-wise square roots: wr_sqrt(R, X, count, p, work).
#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_sqrt", nrhs, prhs, 5);
    const uint64_t p = args.precision(3, 2, wr::max_count);
    const uint64_t count = args.count(2, "count");
    uint64_t *R = args.elements(0, count, p, "R");
    const uint64_t *X = args.elements(1, count, p, "X");
    uint64_t *work = args.words(4, widefp_float_sqrt_all_work_size(p), "work");
    if (R != X) args.require_disjoint(0, 1);  // R = X is element by element
    args.require_disjoint(4, 0);
    args.require_disjoint(4, 1);
    const uint64_t bad = widefp_float_sqrt_all_negative(X, count, p);
    if (bad < count)
        args.fail("widefp:domain", "square root of a negative number (element %llu)",
                  static_cast<unsigned long long>(bad));
    widefp_float_sqrt_all(R, X, count, p, work);
}
