// exp_log.h -- kernels of the correctly rounded exponentials and logarithms,
// shared with the power and the hyperbolic functions: e^r - 1 for a reduced
// r, e^x as w * 2^k, ln(1 + d) near 0 and ln x, each at any working
// precision W up to kMaxWork words with a rigorous relative error bound; the
// Ziv loop that rounds them; and the results decided next to 1 or next to
// the argument.
//
// Error bounds are doubles c in units of 2^-64W: the approximation a of the
// exact value v (nonzero) satisfies |v - a| <= c 2^-64W |v|.
#ifndef WIDEFP_ROUNDING_EXP_LOG_H
#define WIDEFP_ROUNDING_EXP_LOG_H

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

#include "rounding/ziv.h"

namespace widefp::rnd::el {

// The largest working precision: ln 2 is stored to 2,049 fraction words and
// the reduction of e^x reads W+1 of them.  Correct rounding of a p-word
// result is expected to need at most about 2p+2 words in the worst case of
// all arguments; a case still undecided at kMaxWork words (none is known)
// is rounded from that approximation (see settle in ziv()).
constexpr uint64_t kMaxWork = 2047;

// Scratch of n words: on the stack up to kLocal words (4 KiB), the heap
// above.  Not zeroed: every word is written before it is read.  take()
// hands out consecutive pieces.
class Buf {
public:
    static constexpr uint64_t kLocal = 512;
    explicit Buf(uint64_t n) : cap_(n) {
        if (n > kLocal) {
            heap_ = heap_words(n);
            p_ = heap_.get();
        } else {
            p_ = local_;
        }
    }
    Buf(const Buf &) = delete;
    Buf &operator=(const Buf &) = delete;
    uint64_t *take(uint64_t n) {
        WIDEFP_ASSERTD(used_ + n <= cap_);
        uint64_t *r = p_ + used_;
        used_ += n;
        return r;
    }

private:
    uint64_t local_[kLocal];
    std::unique_ptr<uint64_t[]> heap_;
    uint64_t *p_;
    uint64_t used_ = 0, cap_;
};

// ---- small widereal helpers (precision W: W fraction words) ----------------

inline void set_one(uint64_t *w, uint64_t W) {
    w[0] = kBias;
    std::memset(w + 1, 0, W * sizeof(uint64_t));
}
// w = +-q exactly, q > 0.
inline void set_u64(uint64_t *w, uint64_t W, uint64_t q, bool neg = false) {
    const int lz = __builtin_clzll(q);
    w[0] = (neg ? kSign : 0) | (kBias + static_cast<uint64_t>(63 - lz));
    std::memset(w + 1, 0, W * sizeof(uint64_t));
    if (lz < 63) w[1] = q << (lz + 1);
}
// w = v exactly (v an integer, nonzero when not 0: 0 gives +0).
inline void set_i64(uint64_t *w, uint64_t W, int64_t v) {
    if (v == 0) {
        w[0] = 0;
        std::memset(w + 1, 0, W * sizeof(uint64_t));
        return;
    }
    set_u64(w, W, v < 0 ? uint64_t{0} - static_cast<uint64_t>(v) : static_cast<uint64_t>(v), v < 0);
}
// dst (W fraction words) = src (n fraction words), cut or widened with zeros.
inline void copy_wr(uint64_t *dst, uint64_t W, const uint64_t *src, uint64_t n) {
    if (dst != src) std::memcpy(dst, src, (std::min(W, n) + 1) * sizeof(uint64_t));
    if (W > n) std::memset(dst + n + 1, 0, (W - n) * sizeof(uint64_t));
}
// Moves the exponent of a finite nonzero w by s (the result inside the range).
inline void add_exponent(uint64_t *w, int64_t s) {
    w[0] = (w[0] & kSign) | static_cast<uint64_t>(static_cast<int64_t>(w[0] & kExpMask) + s);
}
// An upper bound of |w| / 2^ref (w finite; 0 for a zero), clamped into the
// range of doubles.
inline double mag(const uint64_t *w, int64_t ref) {
    if (is_zero(w)) return 0;
    const int64_t d = unbiased_of(w) + 1 - ref;
    return std::ldexp(1.0, static_cast<int>(std::clamp<int64_t>(d, -1000, 1000)));
}
// w as a long double (its leading 64 bits; beyond the long double range
// an infinity or a zero of its sign).
inline long double to_ld(const uint64_t *w, uint64_t n) {
    if (is_zero(w)) return 0;
    const uint64_t m = kSign | (n ? w[1] >> 1 : 0);
    const int64_t e = is_inf(w) ? 20000 : std::clamp<int64_t>(unbiased_of(w), -20000, 20000);
    const long double v = std::ldexp(static_cast<long double>(m), static_cast<int>(e - 63));
    return is_neg(w) ? -v : v;
}
// w (W words) = v, a finite nonzero long double, exactly.
void from_ld(uint64_t *w, uint64_t W, long double v);

// ---- kernels -----------------------------------------------------------------

// u = e^r - 1 at W words for a nonzero r (W words) with |r| < 1/2, to a
// relative error bound returned (units 2^-64W).
double expm1_reduced(uint64_t *u, const uint64_t *r, uint64_t W);

// e^x = w * 2^k, w at W words (W+1 <= 2,049), for a finite nonzero x of nx
// fraction words with |x| < 2^62; returns the relative error bound of w.
double exp_core(uint64_t *w, int64_t *k, const uint64_t *x, uint64_t nx, uint64_t W);

// y = ln(1 + d) at W words for a nonzero d (W words, exact) with
// -0.3 <= d <= 0.42; returns the relative error bound.
double log1p_reduced(uint64_t *y, const uint64_t *d, uint64_t W);

// Bases of the logarithms of log_core.
enum class Base { e, two, ten };

// y = log(x * 2^s) to the given base at W words, x a finite positive
// widereal of nx fraction words whose value x * 2^s is not 1.  rel_in
// (units 2^-64W) bounds a relative error that x carries as an input; the
// caller keeps it 0 unless |ln(x 2^s)| >= 1/4.  Returns the relative error
// bound.
double log_core(uint64_t *y, const uint64_t *x, uint64_t nx, int64_t s, uint64_t W, double rel_in,
                Base base = Base::e);

// log2 |ln |x|| for a finite nonzero x of p words with |x| != 1, to about
// 2^-40 absolute (for the range decisions of the power).
double log2_abs_ln(const uint64_t *x, uint64_t p);

// ---- rounding -----------------------------------------------------------------

// Rounds the approximation w * 2^shift (w finite nonzero, W words, relative
// error bound c) to p words when that decides; see round_approx.
bool decide(uint64_t *y, uint64_t p, const uint64_t *w, uint64_t W, int64_t shift, double c, int mode,
            int *ternary);

// Counts of the Ziv loops for the tests' reports: calls, those decided at
// the first working precision, the largest working precision used, the
// largest error bound met (bits above the last place of the approximation).
struct ZivStats {
    std::atomic<uint64_t> calls{0}, first{0}, most_words{0}, most_error_bits{0};
};
extern ZivStats ziv_stats;

// The Ziv loop: eval(a, W, &shift) writes an approximation a (W+1 words)
// of the exact value / 2^shift and returns its relative error bound; W
// starts at p+1 and grows by half until the result is decided.  At
// kMaxWork words the approximation is rounded as it stands.
template <class Eval>
int ziv(uint64_t *y, uint64_t p, int mode, Eval &&eval) {
    uint64_t W = p + 1;
    ziv_stats.calls.fetch_add(1, std::memory_order_relaxed);
    for (;;) {
        if (W > ziv_stats.most_words.load(std::memory_order_relaxed))
            ziv_stats.most_words.store(W, std::memory_order_relaxed);
        Buf b(W + 1);
        uint64_t *a = b.take(W + 1);
        int64_t shift = 0;
        const double c = eval(a, W, &shift);
        int bits = 0;
        if (std::isfinite(c)) std::frexp(c, &bits);  // c < 2^bits
        if (bits > 0 && static_cast<uint64_t>(bits) > ziv_stats.most_error_bits.load(std::memory_order_relaxed))
            ziv_stats.most_error_bits.store(bits, std::memory_order_relaxed);
        int t;
        const bool finite = !is_zero(a) && !is_inf(a);
        if (finite && decide(y, p, a, W, shift, c, mode, &t)) {
            if (W == p + 1) ziv_stats.first.fetch_add(1, std::memory_order_relaxed);
            return t;
        }
        if (W >= kMaxWork && finite)
            return round_value(y, p, is_neg(a), unbiased_of(a) + shift, a + 1, W, 1, mode);
        W = std::min(kMaxWork, W + std::max<uint64_t>(2, W / 2));
    }
}

// +-(1 + t) (above) or +-(1 - t) (below) for some 0 < t < 2^-(64p+2),
// rounded.
int round_one_nudged(uint64_t *y, uint64_t p, bool neg, bool above, int mode);
// x (1 + t) (above) or x (1 - t) (below) for a finite nonzero widereal x of
// precision p and some 0 < t < 2^-(64p+3), rounded.  y may be x.
int round_nudged(uint64_t *y, uint64_t p, const uint64_t *x, bool above, int mode);

}  // namespace widefp::rnd::el

#endif  // WIDEFP_ROUNDING_EXP_LOG_H
