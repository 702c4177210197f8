// wr_format.h -- limits shared by the formatter plug-ins wr_sci_format and
// wr_fix_format: the control word's fields against the digit array and the
// 65,536-byte output buffer.
#ifndef WIDEFP_WR_FORMAT_H
#define WIDEFP_WR_FORMAT_H

#include <cstdint>
#include <string>
#include <vector>

namespace wr {

constexpr uint64_t kFormatBuffer = 65536;  // output buffer of the formatters, NUL included

inline uint64_t control_w(uint64_t control) { return control & 0xffff; }
inline uint64_t control_d(uint64_t control) { return (control >> 16) & 0xffff; }

// Why a formatter call cannot be made, or nullptr when it can.  `have` is the
// number of words in the digit array, `lead` its word 0 (read only when the
// array holds a word), e the decimal exponent.
inline const char *format_problem(bool fixed, uint64_t control, uint64_t have, uint64_t lead, int64_t e) {
    const uint64_t w = control_w(control);
    const uint64_t d = control_d(control);
    if (w < 2) return "the control word's word count w (bits 0-15) must be at least 2";
    if (w > have) return "the control word's word count w (bits 0-15) exceeds the digit array";
    if (lead > 9) return "the digit array's integer word must be a decimal digit 0..9";
    if (!fixed) {
        // sign, digit, point, d+1 digits, letter, sign, up to 19 exponent digits, NUL
        if (d + 26 > kFormatBuffer) return "too many digits for the 65,536-byte text (d <= 65510)";
        return nullptr;
    }
    // sign, "0.", d digits, NUL
    if (d + 4 > kFormatBuffer) return "too many digits for the 65,536-byte text (d <= 65532)";
    // sign, E+2 integer digits (after a carry), point, d digits, NUL
    if (e >= 0 && static_cast<uint64_t>(e) + d + 5 > kFormatBuffer)
        return "the number's integer digits and d do not fit the 65,536-byte text";
    return nullptr;
}

}  // namespace wr

#endif
