// work.h -- working numbers of the complex functions: widereals of a
// working precision q held on the stack (small q) or the heap, with the
// correctly rounded real operations at q (to nearest) as short calls.
#ifndef WIDEFP_COMPLEX_WORK_H
#define WIDEFP_COMPLEX_WORK_H

#include <cstdint>
#include <cstring>
#include <memory>

#include "kernel/heap.h"
#include "widefp.h"
#include "widefp_rnd.h"

namespace widefp::cplx {

constexpr uint64_t kSign = uint64_t{1} << 63;
constexpr uint64_t kField = kSign - 1;
constexpr uint64_t kBias = 0x3fffffffffffffffu;
constexpr uint64_t kMaxP = 1021;

inline bool is_zero(const uint64_t *x) { return (x[0] & kField) == 0; }
inline bool is_inf(const uint64_t *x) { return (x[0] & kField) == kField; }
inline bool is_neg(const uint64_t *x) { return (x[0] & kSign) != 0; }
inline bool is_finite_nonzero(const uint64_t *x) { return !is_zero(x) && !is_inf(x); }
// Unbiased exponent of a finite nonzero x (x = 1.f 2^e).
inline int64_t expo(const uint64_t *x) { return static_cast<int64_t>(x[0] & kField) - static_cast<int64_t>(kBias); }

void check_precision(uint64_t p);

// A widereal of precision q.
class Num {
public:
    explicit Num(uint64_t q) : q_(q) {
        if (q + 1 <= kInline) {
            d_ = in_;
            std::memset(in_, 0, sizeof in_);
        } else {
            heap_ = widefp::detail::heap_words(q + 1);
            d_ = heap_.get();
        }
    }
    Num(const Num &) = delete;
    Num &operator=(const Num &) = delete;
    uint64_t *d() { return d_; }
    const uint64_t *d() const { return d_; }
    uint64_t q() const { return q_; }
    bool zero() const { return is_zero(d_); }
    bool inf() const { return is_inf(d_); }
    bool neg() const { return is_neg(d_); }
    int64_t e() const { return expo(d_); }
    // x of precision px, rounded to nearest at q (exact when px <= q).
    void set(const uint64_t *x, uint64_t px) { widefp_rnd_prec(d_, q_, x, px, WIDEFP_RNDN); }
    void set(const Num &x) { widefp_rnd_prec(d_, q_, x.d(), x.q(), WIDEFP_RNDN); }
    void set(double v) { widefp_float_dtowr(d_, v, q_); }
    void negate() { d_[0] ^= kSign; }
    void absolute() { d_[0] &= ~kSign; }
    void sign_of(const uint64_t *s) { d_[0] = (d_[0] & ~kSign) | (s[0] & kSign); }
    void sign_of(const Num &s) { sign_of(s.d()); }
    // Times 2^k, finite nonzero values only (no range check: |k| is small).
    void scale(int64_t k) {
        if (is_finite_nonzero(d_)) d_[0] = (d_[0] & kSign) | static_cast<uint64_t>(static_cast<int64_t>(d_[0] & kField) + k);
    }
    // Rounded once to precision p into y.
    int out(uint64_t *y, uint64_t p, int mode) const { return widefp_rnd_prec(y, p, d_, q_, mode); }

private:
    static constexpr uint64_t kInline = 24;
    uint64_t q_;
    uint64_t *d_;
    uint64_t in_[kInline];
    std::unique_ptr<uint64_t[]> heap_;
};

// r = f(a) / f(a, b) at r's precision, to nearest.  All share the precision.
using Fn1 = int (*)(uint64_t *, const uint64_t *, uint64_t, int);
using Fn2 = int (*)(uint64_t *, const uint64_t *, const uint64_t *, uint64_t, int);
inline void op(Num &r, Fn1 f, const Num &a) { f(r.d(), a.d(), r.q(), WIDEFP_RNDN); }
inline void op(Num &r, Fn2 f, const Num &a, const Num &b) { f(r.d(), a.d(), b.d(), r.q(), WIDEFP_RNDN); }
inline void add(Num &r, const Num &a, const Num &b) { op(r, widefp_rnd_add, a, b); }
inline void sub(Num &r, const Num &a, const Num &b) { op(r, widefp_rnd_sub, a, b); }
inline void mul(Num &r, const Num &a, const Num &b) { op(r, widefp_rnd_mul, a, b); }
inline void div(Num &r, const Num &a, const Num &b) { op(r, widefp_rnd_div, a, b); }

// r = a + b (sub: a - b) rounded to odd at r's precision: truncated, with
// the last bit set when inexact.  An exact zero takes the sign that the
// mode gives it.  Returns the ternary value of the truncation.
int odd_add(Num &r, const Num &a, const Num &b, bool subtract, int mode);

// The complex product (ar + ai i)(br + bi i) of precision-p parts, each
// component correctly rounded in the mode to precision p of yr / yi
// (distinct from the operands).
void mul_exact(uint64_t *yr, uint64_t *yi, const uint64_t *ar, const uint64_t *ai, const uint64_t *br,
               const uint64_t *bi, uint64_t p, int mode);

}  // namespace widefp::cplx

#endif  // WIDEFP_COMPLEX_WORK_H
