// ziv.h -- the core of the correctly rounded layer: rounding an exactly known
// value or an approximation with an error bound to p words in one of the four
// modes, the range (overflow, underflow) and special results, and scratch.
//
// Values inside the layer are written (-1)^neg * 1.F * 2^e with F a word array
// of q fraction words (most significant first) and e an unbiased int64
// exponent that may lie outside the widereal range; only the final rounding
// applies the range.  A widereal w of precision q gives neg = sign bit,
// e = unbiased(w), F = w + 1.
#ifndef WIDEFP_ROUNDING_ZIV_H
#define WIDEFP_ROUNDING_ZIV_H

#include <cstdint>
#include <memory>

#include "kernel/heap.h"
#include "kernel/internal.h"
#include "widefp.h"
#include "widefp_rnd.h"

namespace widefp::rnd {

using namespace widefp::detail;

// Widereal exponent range (unbiased): finite numbers have 1.F * 2^e with
// kEmin <= e <= kEmax.
constexpr int64_t kEmin = 1 - static_cast<int64_t>(kBias);  // -(2^62 - 2)
constexpr int64_t kEmax = static_cast<int64_t>(kBias);      // 2^62 - 1
// Largest precision of the layer's entry points.
constexpr uint64_t kMaxP = 1023;

// Ends in widefp_fatal("widefp:range", ...) unless 1 <= p <= 1023, and in
// widefp_fatal("widefp:range", ...) for a mode other than the four.  `who`
// names the entry point in the message.
[[noreturn]] void bad_args(const char *who, uint64_t p, int mode);
inline void check_args(const char *who, uint64_t p, int mode) {
    if (p - 1 >= kMaxP || static_cast<unsigned>(mode) > 3u) [[unlikely]]
        bad_args(who, p, mode);
}
// widefp_fatal("widefp:domain", "<who>: domain error\n").
[[noreturn]] void domain_error(const char *who);

// Unbiased exponent of a finite nonzero widereal.
inline int64_t unbiased_of(const uint64_t *x) {
    return static_cast<int64_t>(x[0] & kExpMask) - static_cast<int64_t>(kBias);
}
inline bool is_zero(const uint64_t *x) { return (x[0] & kExpMask) == 0; }
inline bool is_inf(const uint64_t *x) { return (x[0] & kExpMask) == kExpMask; }
inline bool is_neg(const uint64_t *x) { return (x[0] & kSign) != 0; }

// Special results, fraction words cleared; each returns the ternary value
// it is given (0 for exact specials).
int set_zero(uint64_t *y, uint64_t p, bool neg, int ternary = 0);
int set_inf(uint64_t *y, uint64_t p, bool neg, int ternary = 0);
// y = +-2^e exactly (e inside the range).
void set_pow2(uint64_t *y, uint64_t p, bool neg, int64_t e);
// The result of an overflow of sign neg: infinity to nearest and away from
// zero, the largest finite number toward zero; returns the ternary value.
int overflow(uint64_t *y, uint64_t p, bool neg, int mode);
// The result of a nonzero value v below the smallest normal m in
// magnitude: `above_half` is 1 when |v| > m/2, 0 when |v| <= m/2 (exactly
// m/2 rounds to zero to nearest).  Returns the ternary value.
int underflow(uint64_t *y, uint64_t p, bool neg, int mode, bool above_half);

// True when rounding a value of sign neg in `mode` moves its magnitude up
// (away from zero) for a discarded part that is not exactly decided by the
// nearest rule: RNDU for positives, RNDD for negatives.
inline bool away_from_zero(bool neg, int mode) {
    return mode == WIDEFP_RNDU ? !neg : mode == WIDEFP_RNDD ? neg : false;
}

// The exactly known value (-1)^neg * 1.F * 2^e, F = frac[0..q-1], with the
// part below frac[q-1] classified by g as a guard word is (0 exact, below
// 2^63 less than half a unit, 2^63 exactly half, above more than half; any
// nonzero tail makes it nonzero), rounded to p <= q words into y with the
// range applied.  frac may lie inside y (frac == y + 1): it is read before y
// is written.  Returns the ternary value.
int round_value(uint64_t *y, uint64_t p, bool neg, int64_t e, const uint64_t *frac, uint64_t q, uint64_t g,
                int mode);

// (-1)^neg * 1.F * 2^e (F = frac, p words) less (below) or plus a tail
// below a unit of the word after F, rounded with the range applied: the
// value of f(x) = x(1 -+ t) for a tiny t, decided in every mode with its
// ternary value.  e may lie outside the range; frac may lie inside y.
int round_beside(uint64_t *y, uint64_t p, bool neg, int64_t e, const uint64_t *frac, bool below, int mode);

// A finite nonzero widereal y (precision p) holding a truncated result
// whose discarded part the guard word g classifies exactly (as for
// round_value), rounded in place; the exponent must lie inside the range
// with room for the carry (an exponent field reaching all ones overflows).
// Returns the ternary value.
inline int round_in_place(uint64_t *y, uint64_t p, uint64_t g, int mode) {
    if (g == 0) return 0;
    const bool neg = (y[0] & kSign) != 0;
    const int up = neg ? -1 : 1;
    bool inc;
    if (mode == WIDEFP_RNDN)
        inc = g > kHalf || (g == kHalf && (y[p] & 1));
    else
        inc = away_from_zero(neg, mode);
    if (!inc) return -up;
    uint64_t j = p;
    while (j >= 1 && ++y[j] == 0) --j;
    if (j == 0 && (++y[0] & kExpMask) == kExpMask) return overflow(y, p, neg, mode);
    return up;
}

// An approximation x = (-1)^neg * 1.F * 2^e (F = frac[0..q-1]) of a value v
// of the same sign with |v - x| <= 2^(e - 64q + err), 0 <= err <= 64q - 2
// (err counts bits above the last place of x).  When every value of that
// interval rounds to the same p-word result with the same nonzero ternary
// sign (p <= q), writes it to y, sets *ternary and returns true; otherwise
// returns false and leaves y alone.  frac must not lie inside y.
bool round_approx(uint64_t *y, uint64_t p, bool neg, int64_t e, const uint64_t *frac, uint64_t q, int64_t err,
                  int mode, int *ternary);

// round_approx for a widereal w of precision q followed by its next word g
// (the convention of the elementary functions): the approximation is the
// (q+1)-word value w.g, err counted in units of g's last bit.  w finite
// and nonzero.
bool round_approx_wr(uint64_t *y, uint64_t p, const uint64_t *w, uint64_t g, uint64_t q, int64_t err, int mode,
                     int *ternary);

// Scratch of n words: on the stack up to kLocal words, the heap above
// (a failed allocation goes to widefp_fatal("widefp:memory", ...)).
// Zeroed.
class Scratch {
public:
    static constexpr uint64_t kLocal = 256;
    explicit Scratch(uint64_t n) {
        if (n > kLocal) {
            heap_ = heap_words(n);
            p_ = heap_.get();
        } else {
            for (uint64_t i = 0; i < n; ++i) local_[i] = 0;
            p_ = local_;
        }
    }
    Scratch(const Scratch &) = delete;
    Scratch &operator=(const Scratch &) = delete;
    uint64_t *get() { return p_; }
    operator uint64_t *() { return p_; }

private:
    uint64_t local_[kLocal];
    std::unique_ptr<uint64_t[]> heap_;
    uint64_t *p_;
};

}  // namespace widefp::rnd

#endif  // WIDEFP_ROUNDING_ZIV_H
