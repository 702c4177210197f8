// wr_const -- a named constant truncated to p words: wr_const(name, res, p).
#include <cstring>
#include <vector>

#include "wr_plugin.h"

namespace wr {

// Evaluates the constant into a temporary and copies it into res only when the
// name was accepted, so an unknown name leaves res untouched.  1 <= p <= 1023.
void constant(const char *name, uint64_t *res, uint64_t p) {
    std::vector<uint64_t> tmp(p + 1, 0);
    widefp_float_ctowr(name, tmp.data(), p);
    std::memcpy(res, tmp.data(), (p + 1) * sizeof(uint64_t));
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_const", nrhs, prhs, 3);
    const uint64_t p = args.precision(2, 1, 1023);
    uint64_t *res = args.elements(1, 1, p, "res");
    std::string name = args.text(0, "name");
    if (name.size() != mxGetNumberOfElements(prhs[0]))  // a NUL would end the name early
        args.fail("widefp:syntax", "the name contains a NUL character at character %zu", name.size() + 1);
    if (name.size() > 65535) name.resize(65535);  // as far as a 65,536-byte buffer holds
    wr::constant(name.c_str(), res, p);
}
#endif
