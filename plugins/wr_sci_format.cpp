// wr_sci_format -- scientific notation of a digit array:
// text = wr_sci_format(control, digits, exponent).
//
// control: bits 0-15 the digit array's word count w (2..its length), bits
// 16-31 the digits after the point d, bit 56 exponent letter "E", bit 59 trim
// trailing zeros, bit 63 minus sign.  digits: the digit array (any class of
// 8-byte elements), read and left as it was.  exponent: an int64 scalar.
#include <vector>

#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_sci_format", nrhs, prhs, 3);
    const uint64_t control = args.raw_word(0, "control word");
    const int64_t e = *args.int64s(2, 1, "exponent");
    uint64_t *digits = args.words(1, 1, "digit array");
    const uint64_t have = args.word_count(1, "digit array");
    if (const char *why = wr::format_problem(false, control, have, digits[0], e))
        args.fail("widefp:range", "%s", why);
    std::vector<char> text(wr::kFormatBuffer, '\0');
    widefp_scientific_format_n(control, digits, e, text.data(), wr::kFormatBuffer);
    plhs[0] = mxCreateString(text.data());
}
