// Conversion between widereal and IEEE double.
#include <cstdio>
#include <cstring>

#include "widefp.h"
#include "kernel/internal.h"

using namespace widefp::detail;

extern "C" void widefp_float_dtowr(uint64_t *result, double d, uint64_t p) {
    WIDEFP_ASSERTD(p >= 1);
    uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    const uint64_t sign = bits & kSign;
    const uint64_t b = (bits >> 52) & 0x7ff;
    uint64_t f = bits & ((uint64_t{1} << 52) - 1);

    if (b == 0x7ff) {
        if (f != 0) {
            std::fputs("Warning: Can't convert NaN to a widereal number.\n", stderr);
            return;
        }
        // An IEEE infinity becomes the infinity of its sign, fraction cleared.
        result[0] = sign | kExpMask;
        std::memset(result + 1, 0, p * sizeof(uint64_t));
        return;
    }
    if (b == 0) {
        if (f == 0) {
            result[0] = sign;
            std::memset(result + 1, 0, p * sizeof(uint64_t));
            return;
        }
        // Subnormal: normalise so that the leading 1 becomes the hidden bit.
        uint64_t e = 0x3ffffffffffffc01ULL;  // exponent -1022
        uint64_t w = f << 12;
        int lz = __builtin_clzll(w);
        w <<= lz + 1;
        e -= static_cast<uint64_t>(lz + 1);
        result[0] = sign | e;
        result[1] = w;
    } else {
        result[0] = sign | (b + 0x3ffffffffffffc00ULL);
        result[1] = f << 12;
    }
    if (p >= 2) std::memset(result + 2, 0, (p - 1) * sizeof(uint64_t));
}

extern "C" double widefp_float_wrtod(const uint64_t *x) {
    const uint64_t sign = x[0] & kSign;
    const int64_t e = static_cast<int64_t>(x[0] & kExpMask) - static_cast<int64_t>(kBias);
    const uint64_t w = x[1];
    uint64_t bits;
    if (e > 1023 || (e == 1023 && w >= 0xfffffffffffff800ULL)) {
        bits = sign | 0x7ff0000000000000ULL;
    } else if (e >= -1022) {
        // Ties away from zero, decided by the first dropped bit alone.
        uint64_t frac = (w >> 12) + ((w >> 11) & 1);
        int64_t be = e + 1023;
        if (frac >> 52) {
            frac = 0;
            ++be;
        }
        bits = sign | (static_cast<uint64_t>(be) << 52) | frac;
    } else if (e >= -1075) {
        // Subnormal: the value (2^64 + w) 2^(e-64) in units of 2^-1074 is
        // (2^64 + w) / 2^s, s = -1010 - e in 13..65, rounded to nearest with
        // ties to even (2^-1075 itself, a tie with zero, gives zero).  The
        // words after word 1 are not read: the value rounded is that of
        // words 0 and 1.  A carry into bit 52 gives DBL_MIN.
        const unsigned s = static_cast<unsigned>(-1010 - e);
        const u128 m = (u128{1} << 64) | w;
        uint64_t q = static_cast<uint64_t>(m >> s);
        const u128 rest = m & ((u128{1} << s) - 1), half = u128{1} << (s - 1);
        if (rest > half || (rest == half && (q & 1))) ++q;
        bits = sign | q;
    } else {
        bits = sign;
    }
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}
