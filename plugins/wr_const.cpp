// wr_const -- a named constant truncated to p words: wr_const(name, res, p).
// An unknown name leaves res untouched (the library checks the name first).
#include <string>

#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_const", nrhs, prhs, 3);
    const uint64_t p = args.precision(2, 1, 1023);
    uint64_t *res = args.elements(1, 1, p, "res");
    std::string name = args.text(0, "name");
    if (name.size() != mxGetNumberOfElements(prhs[0]))  // a NUL would end the name early
        args.fail("widefp:syntax", "the name contains a NUL character at character %zu", name.size() + 1);
    if (name.size() > 65535) name.resize(65535);  // as far as a 65,536-byte buffer holds
    widefp_float_ctowr(name.c_str(), res, p);
}
