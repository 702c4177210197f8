// wr_todouble -- the nearest IEEE double of a widereal: wr_todouble(x).
// Reads words 0 and 1 of the element only, whatever its precision.
#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_todouble", nrhs, prhs, 1);
    const uint64_t *x = args.words(0, 2, "x");
    plhs[0] = mxCreateDoubleScalar(widefp_float_wrtod(x));
}
