// wr_parse -- evaluates an arithmetic expression into a widereal:
// wr_parse(text, res, p).
#include <algorithm>
#include <string>
#include <vector>

#include "../widefp/convert/text_in.h"
#include "wr_plugin.h"

namespace wr {

namespace {

bool is_trailing_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

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

// Evaluates text at precision p.  The expression is evaluated into a copy of
// res (so an operand that is missing reads res's previous contents, as the
// library does) and copied into res only when it has read the whole text,
// trailing blanks aside.  Otherwise res is untouched and *message tells
// where reading stopped.  Syntax errors of the library go through the fatal
// route.
bool parse(const std::string &text, uint64_t *res, uint64_t p, std::string *message) {
    std::vector<uint64_t> tmp(res, res + p + 1);
    size_t stop = 0;
    widefp::convert::evaluate(text.c_str(), tmp.data(), p, &stop);
    size_t i = stop;
    while (i < text.size() && is_trailing_blank(text[i])) ++i;
    if (i < text.size()) {
        *message = "unexpected text at character " + std::to_string(stop + 1) +
                   ", reading stopped here:\n" + show_stop(text, stop);
        return false;
    }
    std::copy(tmp.begin(), tmp.end(), res);
    return true;
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
    if (!wr::parse(text, res, p, &message)) args.fail("widefp:syntax", "%s", message.c_str());
}
#endif
