// working_format.cpp -- the fixed-point working arrays of the elementary functions: conversions, 1 - x, shifts, integer part.
#include <cstdio>

#include "elementary/elementary.h"
#include "widefp.h"

namespace widefp::elem {

void check_precision(const char *who, uint64_t p, uint64_t max) {
    if (p >= 1 && p <= max) return;
    char text[160];
    std::snprintf(text, sizeof text, "%s : precision %llu out of range (1 to %llu words)\n", who,
                  static_cast<unsigned long long>(p), static_cast<unsigned long long>(max));
    widefp_fatal("widefp:range", text);
}

}  // namespace widefp::elem

using namespace widefp::elem;

extern "C" {

// dst (n words) = (1.f) * 2^e truncated, for e < 0.  Reads x[1..n-1-q]
// (q = whole words of the shift).  For e >= 0 the words of x are copied.
void widefp_widereal_to_array(const uint64_t *x, int64_t e, uint64_t *dst, uint64_t n) {
    if (n == 0) return;
    if (e >= 0) {
        for (uint64_t j = 0; j < n; ++j) dst[j] = x[j];
        return;
    }
    const uint64_t s = e == INT64_MIN ? uint64_t{1} << 63 : static_cast<uint64_t>(-e);
    const uint64_t q = s / 64, b = s % 64;
    if (s >= 64 * (n - 1)) {
        for (uint64_t j = 0; j < n; ++j) dst[j] = 0;
        if (s == 64 * (n - 1)) dst[n - 1] = 1;
        return;
    }
    if (b != 0) {
        for (uint64_t j = 0; j <= q; ++j) dst[j] = 0;
        dst[q + 1] = (uint64_t{1} << (64 - b)) | (x[1] >> b);
        for (uint64_t j = q + 2; j < n; ++j) dst[j] = (x[j - q - 1] << (64 - b)) | (x[j - q] >> b);
    } else {
        for (uint64_t j = 0; j < q; ++j) dst[j] = 0;
        dst[q] = 1;
        for (uint64_t j = q + 1; j < n; ++j) dst[j] = x[j - q];
    }
}

// a (n+1 words, a[0] >= 1) normalised in place into a widereal of precision
// n; returns the new word 0 (sign clear).
uint64_t widefp_array_to_widereal(uint64_t *a, uint64_t n) {
    if (a[0] == 0) widefp_fatal("widefp:range", "array_to_widereal : integer word is zero\n");
    if (a[0] == 1) return a[0] = kBias;
    const int l = 63 - __builtin_clzll(a[0]);
    for (uint64_t j = n; j >= 1; --j) a[j] = (a[j] >> l) | (a[j - 1] << (64 - l));
    return a[0] = kBias + static_cast<uint64_t>(l);
}

// dst = 1 - src over n words; src's integer word is ignored.  dst may be src.
void widefp_array_2s_complement(const uint64_t *src, uint64_t *dst, uint64_t n) {
    if (n == 0) return;
    dst[0] = 0;
    uint64_t carry = 1;
    for (uint64_t j = n - 1; j >= 1; --j) {
        const uint64_t v = ~src[j] + carry;
        carry = carry && v == 0;
        dst[j] = v;
    }
    dst[0] += carry;
}

void widefp_sll_onebit(uint64_t *a, uint64_t n) {
    if (n == 0) return;
    for (uint64_t j = 0; j + 1 < n; ++j) a[j] = (a[j] << 1) | (a[j + 1] >> 63);
    a[n - 1] <<= 1;
}

// ip = integer part of x toward zero (p+1 words; may be x itself); *low =
// that integer mod 2^64, hidden bit included; returns it mod 2^16.
int widefp_modf(const uint64_t *x, uint64_t *ip, uint64_t *low, uint64_t p) {
    const int64_t e = unbiased(x[0]);
    if ((x[0] & kExpMask) == 0 || e < 0) {
        for (uint64_t j = 0; j <= p; ++j) ip[j] = 0;
        *low = 0;
        return 0;
    }
    const uint64_t E = static_cast<uint64_t>(e), q = E / 64, b = E % 64;
    // Word i of the mantissa: the hidden 1 for i = 0, x[i] up to p, then 0.
    auto word = [&](uint64_t i) -> uint64_t { return i == 0 ? 1 : (i <= p ? x[i] : 0); };
    const uint64_t lo = b ? (word(q) << b) | (word(q + 1) >> (64 - b)) : word(q);
    if (E < 64 * p) {
        ip[0] = x[0];
        for (uint64_t j = 1; j <= q; ++j) ip[j] = x[j];
        uint64_t j = q + 1;
        if (b) {
            ip[j] = x[j] & (~uint64_t{0} << (64 - b));
            ++j;
        }
        for (; j <= p; ++j) ip[j] = 0;
    } else if (ip != x) {
        for (uint64_t j = 0; j <= p; ++j) ip[j] = x[j];
    }
    *low = lo;
    return static_cast<int>(lo & 0xffff);
}

}  // extern "C"
