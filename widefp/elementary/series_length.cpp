// series_length.cpp -- number of series terms for a working precision and a reduced-argument exponent.
#include <cstdio>

#include "elementary/series_rule.h"
#include "widefp.h"

namespace {

namespace s = widefp::series;
using Rule = int64_t (*)(uint64_t, int64_t);

// The rule needs an argument below 1: an exponent >= 0 would read before the
// tables and never end the estimate loops.  Its loops run about 64p / log2(p)
// times: precisions beyond 2^24 words (far past any series) are refused too.
void check_arguments(const char *who, uint64_t p, int64_t e) {
    char text[120];
    if (e > -1) {
        std::snprintf(text, sizeof text, "%s : reduced argument exponent %lld is not negative\n", who,
                      static_cast<long long>(e));
        widefp_fatal("widefp:range", text);
    }
    if (p > (uint64_t{1} << 24)) {
        std::snprintf(text, sizeof text, "%s : precision %llu too large\n", who, static_cast<unsigned long long>(p));
        widefp_fatal("widefp:range", text);
    }
}

// The count for p and e: 0 when `zero` (the early test), precisions 1..159
// from the table (exponents below -32 use column -32), from 160 words on the
// rule itself.
int64_t lookup(const char *who, bool zero, const int64_t (&table)[s::kRows][s::kCols], Rule rule, uint64_t p,
               int64_t e) {
    check_arguments(who, p, e);
    if (zero) return 0;
    if (p >= 1 && p < static_cast<uint64_t>(s::kRows)) return table[p - 1][e < -s::kCols ? s::kCols - 1 : -e - 1];
    return rule(p, e);
}

int64_t calc(const char *who, Rule rule, uint64_t p, int64_t e) {
    check_arguments(who, p, e);
    return rule(p, e);
}

}  // namespace

extern "C" {

int64_t widefp_taylor_tranc_sin(uint64_t p, int64_t e) {
    return lookup("taylor_tranc_sin", e < -32 * static_cast<int64_t>(p), s::sin_table, s::sin_terms, p, e);
}

int64_t widefp_taylor_tranc_cos(uint64_t p, int64_t e) {
    return lookup("taylor_tranc_cos", e < -32 * static_cast<int64_t>(p), s::cos_table, s::cos_terms, p, e);
}

int64_t widefp_taylor_tranc_exp(uint64_t p, int64_t e) {
    return lookup("taylor_tranc_exp", e < -2 - 64 * static_cast<int64_t>(p), s::exp_table, s::exp_terms, p, e);
}

int64_t widefp_taylor_tranc_log(uint64_t p, int64_t e) {
    const bool zero = 0.8774437510817346 - 32.0 * static_cast<double>(p) > static_cast<double>(e);
    return lookup("taylor_tranc_log", zero, s::log_table, s::log_terms, p, e);
}

int64_t widefp_taylor_tranc_atan(uint64_t p, int64_t e) {
    return lookup("taylor_tranc_atan", e <= -2 - 32 * static_cast<int64_t>(p), s::atan_table, s::atan_terms, p, e);
}

int64_t widefp_taylor_tranc_sin_calc(uint64_t p, int64_t e) { return calc("taylor_tranc_sin_calc", s::sin_terms, p, e); }
int64_t widefp_taylor_tranc_cos_calc(uint64_t p, int64_t e) { return calc("taylor_tranc_cos_calc", s::cos_terms, p, e); }
int64_t widefp_taylor_tranc_exp_calc(uint64_t p, int64_t e) { return calc("taylor_tranc_exp_calc", s::exp_terms, p, e); }
int64_t widefp_taylor_tranc_log_calc(uint64_t p, int64_t e) { return calc("taylor_tranc_log_calc", s::log_terms, p, e); }
int64_t widefp_taylor_tranc_atan_calc(uint64_t p, int64_t e) {
    return calc("taylor_tranc_atan_calc", s::atan_terms, p, e);
}

}  // extern "C"
