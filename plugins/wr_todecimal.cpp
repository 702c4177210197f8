// wr_todecimal -- decimal significand and exponent of a widereal, the input of
// the formatters: wr_todecimal(digits, exponent, x, p).
//
// digits (p+2 words) receives the digit array, a fixed-point number in [1, 10)
// whose integer word is the leading decimal digit; exponent (an int64 array)
// receives the signed decimal exponent E, so that |x| = digits * 10^E.  Zero
// and infinity have no such form: the caller formats them itself.  x may share
// memory with either result (the library reads it before writing them).
#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_todecimal", nrhs, prhs, 4);
    const uint64_t p = args.precision(3, 1, 1022);
    uint64_t *digits = args.words(0, p + 2, "digit array");
    int64_t *exponent = args.int64s(1, 1, "exponent");
    const uint64_t *x = args.elements(2, 1, p, "x");
    args.require_disjoint(0, 1);  // the two results
    const uint64_t field = x[0] & 0x7fffffffffffffffULL;
    if (field == 0 || field == 0x7fffffffffffffffULL)
        args.fail("widefp:domain", "x must be finite and nonzero (zero and infinity have no decimal exponent)");
    widefp_convert_pow(x, exponent, digits, p);
}
