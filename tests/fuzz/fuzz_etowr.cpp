// fuzz_etowr -- libFuzzer target: arbitrary bytes as an expression (and as
// decimal and hexadecimal text) at a precision drawn from the input.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "widefp.h"

namespace {

struct FatalError {};

// Syntax errors and unknown constants become exceptions, caught below.
void throwing_handler(const char *, const char *) { throw FatalError{}; }

}  // namespace

// Bytes 0 and 1 choose p (1..1022); the rest is the text (a NUL byte ends it).
// Precisions above 64 are drawn only for texts of at most 6 bytes (byte 0 at
// least 0xfc): a decimal number at p = 1022 takes seconds to read under the
// sanitizers, so longer texts at such p would spend the run on a handful of
// inputs.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const bool installed = (widefp_set_fatal_handler(&throwing_handler), true);
    (void)installed;
    if (size < 2) return 0;
    const uint8_t sel = data[0], b = data[1];
    const size_t len = size - 2;
    uint64_t p;
    if (sel >= 0xfc && len <= 6)
        p = 1 + (((static_cast<uint64_t>(b) << 2) | (sel & 3)) % 1022);
    else
        p = 1 + b % 64;
    const std::string text(reinterpret_cast<const char *>(data + 2), len);
    std::vector<uint64_t> r(p + 1, 0);
    try {
        widefp_float_etowr(text.c_str(), r.data(), p);
    } catch (const FatalError &) {
    }
    // Strict reading reports every syntax error by its status, never fatally.
    size_t stop = 0;
    const int status = widefp_float_etowr_n(text.c_str(), r.data(), p, &stop);
    if (status < WIDEFP_PARSE_OK || status > WIDEFP_PARSE_TOO_DEEP || stop > len) __builtin_trap();
    if (len <= 4096) {
        widefp_float_atowr(text.c_str(), r.data(), p);
        try {
            widefp_float_htowr(text.c_str(), r.data(), p);
        } catch (const FatalError &) {
        }
    }
    return 0;
}
