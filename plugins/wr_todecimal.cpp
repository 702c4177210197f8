// wr_todecimal -- decimal significand and exponent of a widereal, the input of
// the formatters: wr_todecimal(digits, exponent, x, p).
//
// digits (p+2 words) receives the digit array, a fixed-point number in [1, 10)
// whose integer word is the leading decimal digit; exponent (an int64 array)
// receives the signed decimal exponent E, so that |x| = digits * 10^E.  Zero
// and infinity have no such form: the caller formats them itself.
#include <cstring>
#include <vector>

#include "wr_plugin.h"

namespace wr {

// Computes into temporaries and copies both results only at the end.
// x finite and nonzero, 1 <= p <= 1022.
void todecimal(uint64_t *digits, int64_t *exponent, const uint64_t *x, uint64_t p) {
    std::vector<uint64_t> tmp(p + 2, 0);
    int64_t e = 0;
    widefp_convert_pow(x, &e, tmp.data(), p);
    std::memcpy(digits, tmp.data(), (p + 2) * sizeof(uint64_t));
    *exponent = e;
}

// Whether x (word 0) is a finite nonzero number.
inline bool finite_nonzero(uint64_t word0) {
    const uint64_t field = word0 & 0x7fffffffffffffffULL;
    return field != 0 && field != 0x7fffffffffffffffULL;
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_todecimal", nrhs, prhs, 4);
    const uint64_t p = args.precision(3, 1, 1022);
    uint64_t *digits = args.words(0, p + 2, "digit array");
    int64_t *exponent = args.int64s(1, 1, "exponent");
    const uint64_t *x = args.elements(2, 1, p, "x");
    args.require_disjoint(0, 1);  // the two results
    if (!wr::finite_nonzero(x[0]))
        args.fail("widefp:domain", "x must be finite and nonzero (zero and infinity have no decimal exponent)");
    int64_t e = 0;
    wr::todecimal(digits, &e, x, p);
    std::memcpy(exponent, &e, sizeof e);
}
#endif
