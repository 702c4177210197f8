// wr_parse -- evaluates an arithmetic expression into a widereal:
// wr_parse(text, res, p).
//
// The whole text, blanks at its end aside, must be one well-formed
// expression (numbers, #constants, @hexadecimal words, + - * /, unary signs,
// parentheses; no blanks inside).  Anything else is an error naming the
// character where reading stopped, and res is left as it was.
#include <string>

#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_parse", nrhs, prhs, 3);
    const uint64_t p = args.precision(2, 1, 1022);
    uint64_t *res = args.elements(1, 1, p, "res");
    // The whole text is read (no fixed-size buffer that would cut it short).
    const std::string text = args.text(0, "text");
    if (text.size() != mxGetNumberOfElements(prhs[0]))
        args.fail("widefp:syntax", "the text contains a NUL character at character %zu",
                  text.size() + 1);
    char message[1024];
    const int status = widefp_float_etowr_report(text.c_str(), res, p, message, sizeof message);
    if (status != WIDEFP_PARSE_OK)
        args.fail(status == WIDEFP_PARSE_UNKNOWN_CONSTANT ? "widefp:constant" : "widefp:syntax", "%s", message);
}
