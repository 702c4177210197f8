// pow.cpp -- power x^y = e^(y ln x) with the sign rule of negative bases; integer and fractional parts, ceil, floor.
#include <cstring>

#include "elementary/elementary.h"
#include "elementary/recip_cache.h"
#include "kernel/internal.h"
#include "widefp.h"

using namespace widefp::elem;

namespace {

inline bool fraction_zero(const uint64_t *x, uint64_t p) {
    uint64_t any = 0;
    for (uint64_t j = 1; j <= p; ++j) any |= x[j];
    return any == 0;
}

// ceil (up = true) or floor of x; see the entry points.
uint64_t round_to_integer(uint64_t *z, const uint64_t *x, uint64_t p, uint64_t *work, bool up) {
    check_precision(up ? "ceil" : "floor", p);
    if (x[0] == 0) {
        std::memset(z, 0, (p + 1) * sizeof(uint64_t));
        return 0;
    }
    const bool negative = (x[0] & kSign) != 0;
    widefp_float_modf(x, z, work, p);
    if (negative == up || (work[0] & kExpMask) == 0) return 0;
    work[0] = kBias;  // 1
    std::memset(work + 1, 0, p * sizeof(uint64_t));
    return up ? widefp_float_add(z, z, work, p) : widefp_float_sub(z, z, work, p);
}

}  // namespace

extern "C" {

// ip = x truncated toward zero, fp = x - ip, both at precision p; returns the
// guard word of the subtraction (0 when none is made).  Either result may be
// x.  modf(+-inf) gives ip = +-inf, fp = +-0.
uint64_t widefp_float_modf(const uint64_t *x, uint64_t *ip, uint64_t *fp, uint64_t p) {
    check_precision("modf", p);
    const uint64_t x0 = x[0];
    const uint64_t ex = x0 & kExpMask;
    if (ex < kBias) {  // |x| < 1, zero included
        if (fp != x) std::memcpy(fp, x, (p + 1) * sizeof(uint64_t));
        std::memset(ip, 0, (p + 1) * sizeof(uint64_t));
        return 0;
    }
    if (ex == kExpMask) {
        ip[0] = x0;
        std::memset(ip + 1, 0, p * sizeof(uint64_t));
        std::memset(fp, 0, (p + 1) * sizeof(uint64_t));
        fp[0] = x0 & kSign;
        return 0;
    }
    uint64_t copy[1024];
    const uint64_t *src = x;
    if (ip == x) {
        std::memcpy(copy, x, (p + 1) * sizeof(uint64_t));
        src = copy;
    }
    const uint64_t E = ex - kBias;
    const uint64_t full = E / 64;  // fraction words holding integer bits only
    const unsigned bits = static_cast<unsigned>(E % 64);
    ip[0] = x0;
    for (uint64_t j = 1; j <= p; ++j) {
        if (j <= full)
            ip[j] = src[j];
        else if (j == full + 1 && bits)
            ip[j] = src[j] & (~uint64_t{0} << (64 - bits));
        else
            ip[j] = 0;
    }
    return widefp_float_sub(fp, src, ip, p);
}

// z = the least integer not below x (ceil) or the greatest not above x
// (floor), at precision p; returns the guard word of the final addition or
// subtraction, 0 when none is made.  work: p+1 words.  z may be x.
uint64_t widefp_float_ceil(uint64_t *z, const uint64_t *x, uint64_t p, uint64_t *work) {
    return round_to_integer(z, x, p, work, true);
}
uint64_t widefp_float_floor(uint64_t *z, const uint64_t *x, uint64_t p, uint64_t *work) {
    return round_to_integer(z, x, p, work, false);
}
uint64_t widefp_float_ceil_work_size(uint64_t p) { return p + 1; }

// z = x^y at precision p, 1 <= p <= 1023; returns the next word of the
// exponential.  y ln x and its exponential are formed at p+1 words, so that
// large results keep their last words; the range is the exponential's
// (results up to the largest widereal are finite).  0^y is 0 for y > 0 and
// +inf otherwise; a negative base needs an integer exponent (an infinite
// exponent counts as even; the parity of any finite one is read from its
// units bit), else a domain error.  work: 3p+6 words; cache as the
// logarithm's.  z may be x or y.
uint64_t widefp_float_pow(uint64_t *z, const uint64_t *x, const uint64_t *y, uint64_t p, uint64_t *work,
                          uint64_t *cache) {
    check_precision("pow", p);
    require_cache_rows(cache, p + 2, "pow : reciprocal cache built for another precision.\n");
    const uint64_t P = p + 1;
    std::memset(work, 0, (2 * p + 4) * sizeof(uint64_t));
    uint64_t L[1025], Y[1025];  // ln|x|, then y ln|x| and its exponential; y widened to P words
    std::memcpy(Y, y, (p + 1) * sizeof(uint64_t));
    Y[P] = 0;
    const uint64_t ey = Y[0] & kExpMask;

    if ((x[0] & kExpMask) == 0) {  // base zero, either sign
        const bool positive = ey != 0 && !(Y[0] & kSign);
        std::memset(z, 0, (p + 1) * sizeof(uint64_t));
        if (!positive) z[0] = kExpMask;
        return 0;
    }
    bool odd = false;
    if ((x[0] & kSign) && ey != kExpMask) {
        uint64_t *ip = work, *F = work + p + 2, *H = work + 2 * p + 4;
        widefp_float_modf(Y, ip, F, p);
        if ((F[0] & kExpMask) != 0) widefp_fatal("widefp:domain", "pow : domain error, base is negative.\n");
        widefp_float_idiv(F, ip, 2, p);
        widefp_float_modf(F, ip, H, p);
        odd = (H[0] & kExpMask) != 0;
    }
    std::memcpy(L, x, (p + 1) * sizeof(uint64_t));
    L[0] &= ~kSign;
    L[P] = widefp_float_log(L, L, p, work, cache);
    uint64_t g = 0;
    if (ey == 0 || (L[0] & kExpMask) == 0) {  // x^0 = 1^y = 1
        std::memset(L, 0, (P + 1) * sizeof(uint64_t));
        L[0] = kBias;
    } else {
        const bool finite = (L[0] & kExpMask) != kExpMask, negative = ((L[0] ^ Y[0]) & kSign) != 0;
        widefp_float_mul(L, L, Y, P);
        const uint64_t el = L[0] & kExpMask;
        if (finite && (el == 0 || el == kExpMask)) {
            // t = y ln x beyond the range, e^t inexact: next to 1 for a product
            // that underflowed (stored and guard as the exponential's next to
            // 1), beyond the range for one that overflowed (+inf, or +0 with a
            // guard below half of the smallest number).
            std::memset(z + 1, el == 0 && negative ? 0xff : 0, p * sizeof(uint64_t));
            if (el == 0) {
                z[0] = negative ? kBias - 1 : kBias;
                g = negative ? kSaturated - 1 : 1;
            } else {
                z[0] = negative ? 0 : kExpMask;
                g = negative ? 1 : 0;
            }
            if (odd) z[0] |= kSign;
            return g;
        }
        if (p < 3) {  // the exponential at p+1 words directly
            // The word after p is the guard; the exponential's own guard tells
            // whether anything follows it: below the range it is the guard,
            // after a word 0 it makes it 1 (inexact), and a word of all ones
            // followed by more is not the saturation marker.
            const uint64_t gx = widefp_float_exp(L, L, P, work);
            if ((L[0] & kExpMask) == 0)
                L[P] = gx;
            else if (L[P] == 0 && gx != 0)
                L[P] = 1;
            else if (L[P] == kSaturated)
                L[P] = kSaturated - 1;
        } else {
            // e^(h + l) = e^h (1 + l), h = y ln x cut to p words (the
            // exponential at p words gives e^h to p+1) and l < 2^(60-64p) the
            // rest: from p = 3 on l^2 lies below the last word of p+1.
            std::memcpy(Y, L, (p + 1) * sizeof(uint64_t));
            Y[P] = 0;
            widefp_float_sub(Y, L, Y, P);
            L[P] = widefp_float_exp(L, L, p, work);
            const uint64_t e = L[0] & kExpMask;
            if (e != 0 && e != kExpMask) {
                widefp_float_mul(Y, L, Y, P);
                widefp_float_add(L, L, Y, P);
            }
        }
        g = L[P];
    }
    std::memcpy(z, L, (p + 1) * sizeof(uint64_t));
    if (odd) z[0] |= kSign;
    return g;
}

// Work words of widefp_float_pow at precision p.
uint64_t widefp_float_pow_work_size(uint64_t p) { return 3 * p + 6; }

}  // extern "C"
