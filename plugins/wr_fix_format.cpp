// wr_fix_format -- fixed notation of a digit array:
// text = wr_fix_format(control, digits, exponent).
//
// control: bits 0-15 the digit array's word count w (2..its length), bits
// 16-31 the digits after the point d, bit 56 exponent letter "E", bit 59 trim
// trailing zeros, bit 63 minus sign.  Like the library's formatters the call
// consumes the digit array (it keeps the remainder of the expansion); an
// argument error leaves it untouched.
#include <string>
#include <vector>

#include "wr_plugin.h"

namespace wr {

// The text of digits * 10^e under the control word; consumes the digit array.
// The caller has checked format_problem(true, ...).
std::string fix_format(uint64_t control, uint64_t *digits, int64_t e) {
    std::vector<char> buf(kFormatBuffer, '\0');
    widefp_fixed_format(control, digits, e, buf.data());
    return std::string(buf.data());
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_fix_format", nrhs, prhs, 3);
    const uint64_t control = args.raw_word(0, "control word");
    const int64_t e = static_cast<int64_t>(args.raw_word(2, "exponent"));
    uint64_t *digits = args.words(1, 1, "digit array");
    const uint64_t have = args.word_count(1, "digit array");
    if (const char *why = wr::format_problem(true, control, have, digits[0], e))
        args.fail("widefp:range", "%s", why);
    plhs[0] = mxCreateString(wr::fix_format(control, digits, e).c_str());
}
#endif
