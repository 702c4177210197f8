// series_rule.h -- the estimates of the number of series terms, shared by the
// library (the _calc functions and the lookups from 160 words on) and by the
// generator of the stored tables, so that both compute the same numbers.
#ifndef WIDEFP_ELEMENTARY_SERIES_RULE_H
#define WIDEFP_ELEMENTARY_SERIES_RULE_H

#include <cmath>
#include <cstdint>

namespace widefp::series {

// Rows p = 1..160, columns e = -1..-32.
constexpr int kRows = 160, kCols = 32;

// The stored tables (series_tables.cpp, written by gen/gen_series_lengths.cpp):
// entry [p-1][-e-1] is the rule's value for p and e.
extern const int64_t sin_table[kRows][kCols];
extern const int64_t cos_table[kRows][kCols];
extern const int64_t exp_table[kRows][kCols];
extern const int64_t log_table[kRows][kCols];
extern const int64_t atan_table[kRows][kCols];

inline double lg(double v) { return std::log(v) / 0.6931471805599453; }

// -e-1 as an exact double; exponents below -2^40 behave as -2^40 (every
// estimate is 0 there for any precision a caller can use).
inline double depth(int64_t e) { return static_cast<double>(-(e < -(int64_t{1} << 40) ? -(int64_t{1} << 40) : e) - 1); }

// Each rule needs e <= -1: the caller checks.  T is 64p+1 (64p for the
// arctangent), formed as an integer.
// Sine and cosine with c bits gained per factor r^2.
inline int64_t sin_terms_c(uint64_t p, double c) {
    const double T = static_cast<double>(64 * p + 1);
    double s = c + 1 + 1.5849625007211563;
    int64_t n = 0;
    while (T > s) {
        ++n;
        s = s + (lg(static_cast<double>(2 * n + 3)) + (lg(static_cast<double>(2 * n + 2)) + c));
    }
    return n;
}

inline double sincos_gain(int64_t e) { return e == -1 ? 0.6970077410553626 : 2 * depth(e); }
inline int64_t sin_terms(uint64_t p, int64_t e) { return sin_terms_c(p, sincos_gain(e)); }

inline int64_t cos_terms_c(uint64_t p, double c) {
    const double T = static_cast<double>(64 * p + 1);
    double s = c + 1;
    int64_t n = 0;
    while (T > s) {
        ++n;
        s = s + (lg(static_cast<double>(2 * n + 2)) + (lg(static_cast<double>(2 * n + 1)) + c));
    }
    return n;
}

inline int64_t cos_terms(uint64_t p, int64_t e) { return cos_terms_c(p, sincos_gain(e)); }

// Exponential with c bits gained per factor of the argument.
inline int64_t exp_terms_c(uint64_t p, double c) {
    const double T = static_cast<double>(64 * p + 1);
    double s = c;
    int64_t n = 0;
    while (T > s) {
        ++n;
        s = s + (lg(static_cast<double>(n)) + c);
    }
    return n;
}

inline int64_t exp_terms(uint64_t p, int64_t e) { return exp_terms_c(p, e == -1 ? 0.5287663729448976 : depth(e)); }

inline int64_t log_terms(uint64_t p, int64_t e) {
    if (e == -1) return 0;
    const double T = static_cast<double>(64 * p + 1);
    const double d = depth(e);
    if (!(T > 2 * d + 4.754887502163469 - 2)) return 0;
    double a = 4 * d;
    int64_t n = 0;
    double s;
    do {
        ++n;
        s = std::log(static_cast<double>(9 * (2 * n + 3))) + a - 2;
        a = a + 2 * d;
    } while (T > s);
    return n;
}

inline int64_t atan_terms(uint64_t p, int64_t e) {
    if (e > -3) return 0;
    const double T = static_cast<double>(64 * p);
    const double d = depth(e);
    if (!(T > 2 * d + 1.5849625007211563)) return 0;
    double a = 4 * d;
    int64_t n = 0;
    double s;
    do {
        ++n;
        s = lg(static_cast<double>(2 * n + 3)) + a;
        a = a + 2 * d;
    } while (T > s);
    return n;
}

}  // namespace widefp::series

#endif
