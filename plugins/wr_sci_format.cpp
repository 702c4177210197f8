// wr_sci_format -- scientific notation of a digit array:
// text = wr_sci_format(control, digits, exponent).
//
// control: bits 0-15 the digit array's word count w (2..its length), bits
// 16-31 the digits after the point d, bit 56 exponent letter "E", bit 59 trim
// trailing zeros, bit 63 minus sign.  digits: the digit array (any class of
// 8-byte elements), read and left as it was.  exponent: an int64 scalar.
#include <string>
#include <vector>

#include "wr_plugin.h"

namespace wr {

// The text of digits * 10^e under the control word; the digit array is read,
// not changed.  The caller has checked format_problem(false, ...).
std::string sci_format(uint64_t control, const uint64_t *digits, int64_t e) {
    std::vector<char> buf(kFormatBuffer, '\0');
    widefp_scientific_format_n(control, digits, e, buf.data(), kFormatBuffer);
    return std::string(buf.data());
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_sci_format", nrhs, prhs, 3);
    const uint64_t control = args.raw_word(0, "control word");
    const int64_t e = *args.int64s(2, 1, "exponent");
    uint64_t *digits = args.words(1, 1, "digit array");
    const uint64_t have = args.word_count(1, "digit array");
    if (const char *why = wr::format_problem(false, control, have, digits[0], e))
        args.fail("widefp:range", "%s", why);
    plhs[0] = mxCreateString(wr::sci_format(control, digits, e).c_str());
}
#endif
