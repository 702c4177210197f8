// constants.cpp -- named mathematical constants, truncated to p fraction words.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "convert/tables.h"
#include "convert/text_in.h"
#include "kernel/guard.h"
#include "widefp.h"

namespace {

struct NamedConstant {
    const char *name;
    const uint64_t *table;  // word 0 and 1,024 fraction words
};

namespace t = widefp::tables::named;

// Compared exactly, in this order; the first match wins.
constexpr NamedConstant kConstants[] = {
    {"PI", t::pi},       {"pi", t::pi},         {"E", t::e},          {"e", t::e},
    {"NAPIER", t::e},    {"napier", t::e},      {"LN10", t::ln10},    {"ln10", t::ln10},
    {"LN2", t::ln2},     {"ln2", t::ln2},       {"atan_h", t::atan_h}, {"atan_q", t::atan_q},
    {"G", t::gamma},     {"g", t::gamma},
};

}  // namespace

namespace widefp::convert {

const uint64_t *find_constant(const char *name) {
    for (const NamedConstant &c : kConstants)
        if (std::strcmp(name, c.name) == 0) return c.table;
    return nullptr;
}

}  // namespace widefp::convert

// Copies words 0..p of the named constant's table into result; p <= 1023
// (the arcsine alone reads p = 1024).
// An unknown name is fatal ("widefp:constant").
extern "C" void widefp_float_ctowr(const char *name, uint64_t *result, uint64_t p) {
    const uint64_t *table = widefp::convert::find_constant(name);
    if (!table) {
        const std::string text = widefp::detail::guard("naming an unknown constant", [&] {
            return std::string("Unkown constant: #") + name + '\n';
        });
        widefp_fatal("widefp:constant", text.c_str());
    }
    if (static_cast<int64_t>(p) < 0) return;
    std::memcpy(result, table, (p + 1) * sizeof(uint64_t));
}
