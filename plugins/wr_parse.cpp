// wr_parse -- evaluates an arithmetic expression into a widereal:
// wr_parse(text, res, p).
//
// The whole text, blanks at its end aside, must be one well-formed
// expression (numbers, #constants, @hexadecimal words, + - * /, unary signs,
// parentheses; no blanks inside).  Anything else is an error naming the
// character where reading stopped, and res is left as it was.
#include <algorithm>
#include <string>

#include "wr_plugin.h"

namespace wr {

namespace {

bool is_name_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The text around `stop` on one line with a marker under the stop position.
std::string show_stop(const std::string &text, size_t stop) {
    constexpr size_t kBefore = 40, kAfter = 30;
    size_t from = stop > kBefore ? stop - kBefore : 0;
    size_t to = std::min(text.size(), stop + kAfter);
    std::string line = from > 0 ? "..." : "";
    size_t marker = line.size() + (stop - from);
    for (size_t i = from; i < to; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        line += (c >= 0x20 && c < 0x7f) ? static_cast<char>(c) : '?';
    }
    if (to < text.size()) line += "...";
    return "  " + line + "\n  " + std::string(marker, ' ') + "^";
}

}  // namespace

// Evaluates text at precision p into res.  On a syntax error res is
// untouched, *status holds the widefp_float_etowr_n code and *message says
// what and where.
bool parse(const std::string &text, uint64_t *res, uint64_t p, std::string *message, int *status) {
    size_t stop = 0;
    *status = widefp_float_etowr_n(text.c_str(), res, p, &stop);
    if (*status == WIDEFP_PARSE_OK) return true;
    std::string what = widefp_parse_message(*status);
    if (*status == WIDEFP_PARSE_UNKNOWN_CONSTANT) {
        size_t end = stop + 1;
        while (end < text.size() && is_name_char(text[end])) ++end;
        what += ": " + text.substr(stop, std::min<size_t>(end - stop, 200));
    }
    *message = what + " at character " + std::to_string(stop + 1) + ", reading stopped here:\n" +
               show_stop(text, stop);
    return false;
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_parse", nrhs, prhs, 3);
    const uint64_t p = args.precision(2, 1, 1022);
    uint64_t *res = args.elements(1, 1, p, "res");
    // The whole text is read (no fixed-size buffer that would cut it short).
    const std::string text = args.text(0, "text");
    if (text.size() != mxGetNumberOfElements(prhs[0]))
        args.fail("widefp:syntax", "the text contains a NUL character at character %zu",
                  text.size() + 1);
    std::string message;
    int status = 0;
    if (!wr::parse(text, res, p, &message, &status))
        args.fail(status == WIDEFP_PARSE_UNKNOWN_CONSTANT ? "widefp:constant" : "widefp:syntax", "%s",
                  message.c_str());
}
#endif
