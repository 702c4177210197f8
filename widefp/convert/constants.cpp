// constants.cpp -- named mathematical constants, truncated to p fraction words.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "convert/text_in.h"
#include "elementary/constants_table.h"
#include "kernel/guard.h"
#include "widefp.h"

namespace {

struct NamedConstant {
    const char *name;
    const uint64_t *table;  // word 0 and at least 1,024 fraction words
    uint64_t word0;         // pi's word 0 (it shares pi/4's fraction), else 0: the table's
};

namespace t = widefp::constants;

// Compared exactly, in this order; the first match wins.
constexpr NamedConstant kConstants[] = {
    {"PI", t::pi_quarter, t::kPiWord0},
    {"pi", t::pi_quarter, t::kPiWord0},
    {"E", t::e, 0},
    {"e", t::e, 0},
    {"NAPIER", t::e, 0},
    {"napier", t::e, 0},
    {"LN10", t::ln10, 0},
    {"ln10", t::ln10, 0},
    {"LN2", t::ln2, 0},
    {"ln2", t::ln2, 0},
    {"atan_h", t::atan_half, 0},
    {"atan_q", t::atan_quarter, 0},
    {"G", t::euler_gamma, 0},
    {"g", t::euler_gamma, 0},
};

}  // namespace

namespace widefp::convert {

bool copy_constant(const char *name, uint64_t *result, uint64_t p) {
    for (const NamedConstant &c : kConstants)
        if (std::strcmp(name, c.name) == 0) {
            if (static_cast<int64_t>(p) >= 0) {
                std::memcpy(result + 1, c.table + 1, p * sizeof(uint64_t));
                result[0] = c.word0 ? c.word0 : c.table[0];
            }
            return true;
        }
    return false;
}

}  // namespace widefp::convert

// result = the named constant truncated to p fraction words, 0 <= p <= 1024
// (pi to 3,136).
// An unknown name is fatal ("widefp:constant").
extern "C" void widefp_float_ctowr(const char *name, uint64_t *result, uint64_t p) {
    if (!widefp::convert::copy_constant(name, result, p)) {
        const std::string text = widefp::detail::guard("naming an unknown constant", [&] {
            return std::string("Unkown constant: #") + name + '\n';
        });
        widefp_fatal("widefp:constant", text.c_str());
    }
}
