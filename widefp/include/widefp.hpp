// widefp.hpp -- widefp::real, a C++ number type over the correctly rounded
// layer (widefp_rnd.h).
//
//   #include <widefp.hpp>
//   widefp::real::default_precision(4);          // 4 words: 257 bits
//   widefp::real x("1/3"), y = widefp::pi(4);
//   std::cout << std::setprecision(40) << sqrt(x) * y << '\n';
//
// Values.  A real holds a widereal of precision p (1 <= p <= 1023 fraction
// words of 64 bits: 64p+1 significant bits, a 63-bit exponent, signed zeros
// and infinities, no NaN).  Every real carries its own precision, chosen
// when it is made: real(v, p), or the calling thread's default precision
// (real::default_precision(), initially 2).  Every operation is correctly
// rounded, in the calling thread's rounding mode (widefp::rounding_mode(),
// initially round_mode::nearest), at the precision of its result:
//  - an operation on reals of different precisions gives a result of the
//    larger precision (the other operand is widened exactly first);
//    x += y likewise raises x's precision to y's when y's is larger;
//  - an integer or floating-point operand is converted exactly at the
//    real's precision (integers of up to 64 bits and every double fit);
//  - the functions of one argument round at the argument's precision.
// Assigning a real copies its precision too; assigning a number (x = 2.5)
// keeps x's precision.
//
// Storage: up to precision 4 the words live inside the object (no heap);
// above, one allocation per value.  Copies never share words.  A moved-from
// real holds +0 at precision min(p, 4).
//
// Ordering: no NaN, so any two reals compare; +0 and -0 are equal but
// distinguishable (signbit), so operator<=> returns std::weak_ordering.
//
// Errors: the wrapper checks every operation's domain BEFORE calling the
// library and throws widefp::domain_error (a std::domain_error) where the
// exact result is not a real number: inf - inf, 0 * inf, 0/0, inf/inf, the
// square root or logarithm of a negative number, asin, acos or atanh beyond
// [-1, 1], acosh below 1, a finite negative base to a finite non-integer
// power, sin/cos/tan of an infinity, fmod(x, 0) and fmod(inf, y), fma's
// inf * 0 and inf - inf, a NaN double.  A precision outside 1..1023 (and
// sin/cos/tan of |x| >= 2^65536) throws widefp::range_error (a
// std::out_of_range); bad text throws widefp::syntax_error (a
// std::invalid_argument).  Anything the library itself still finds fatal
// (for instance a failed allocation of its scratch memory) goes through its
// fatal route (widefp.h), which by default ends the process: no C++
// exception crosses the library's C entry points.  Do not install a
// throwing fatal handler for the sake of this class.
//
// Header only: it calls the library's extern "C" entry points and adds no
// symbols to it.
#ifndef WIDEFP_HPP
#define WIDEFP_HPP

#include <algorithm>
#include <compare>
#include <concepts>
#include <cstdint>
#include <cstring>
#include <istream>
#include <limits>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "widefp.h"
#include "widefp_rnd.h"

namespace widefp {

class domain_error : public std::domain_error {
public:
    using std::domain_error::domain_error;
};
class range_error : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};
class syntax_error : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

enum class round_mode : int {
    nearest = WIDEFP_RNDN,  // to nearest, ties to even
    toward_zero = WIDEFP_RNDZ,
    upward = WIDEFP_RNDU,   // toward +infinity
    downward = WIDEFP_RNDD  // toward -infinity
};

class real;

namespace real_impl {

inline thread_local int tl_precision = 2;
inline thread_local int tl_mode = WIDEFP_RNDN;
inline int mode() noexcept { return tl_mode; }

inline void check_precision(long long p) {
    if (p < 1 || p > 1023) throw range_error("widefp::real: precision " + std::to_string(p) + " outside 1..1023");
}

// Classification by word 0, in the layout widefp.h documents: bit 63 the
// sign, bits 0..62 the exponent biased by 2^62 - 1, 0 for a zero and all
// ones for an infinity.
constexpr uint64_t kExpField = 0x7fffffffffffffffULL;
constexpr uint64_t kBias = 0x3fffffffffffffffULL;
inline bool is_zero(const uint64_t *w) noexcept { return (w[0] & kExpField) == 0; }
inline bool is_inf(const uint64_t *w) noexcept { return (w[0] & kExpField) == kExpField; }
inline bool is_neg(const uint64_t *w) noexcept { return (w[0] >> 63) != 0; }
// Finite nonzero x: 2^E <= |x| < 2^(E+1).
inline int64_t exponent(const uint64_t *w) noexcept { return static_cast<int64_t>((w[0] & kExpField) - kBias); }
// |x| against 1: -1, 0, 1.
inline int cmp_abs_one(const uint64_t *w, uint64_t p) noexcept {
    if (is_zero(w)) return -1;
    if (is_inf(w)) return 1;
    const int64_t e = exponent(w);
    if (e != 0) return e > 0 ? 1 : -1;
    for (uint64_t j = 1; j <= p; ++j)
        if (w[j]) return 1;
    return 0;
}
// An integer (zeros and infinities count as such).
inline bool is_integer(const uint64_t *w, uint64_t p) noexcept {
    if (is_zero(w) || is_inf(w)) return true;
    const int64_t e = exponent(w);
    if (e < 0) return false;
    if (static_cast<uint64_t>(e) >= 64 * p) return true;
    const uint64_t full = static_cast<uint64_t>(e) / 64, bits = static_cast<uint64_t>(e) % 64;
    // Fraction bits e+1 onwards: the rest of word full+1, then whole words.
    if (w[full + 1] << bits) return false;
    for (uint64_t j = full + 2; j <= p; ++j)
        if (w[j]) return false;
    return true;
}

[[noreturn]] inline void domain(const char *what) { throw domain_error(std::string("widefp::real: ") + what); }
inline void check_not_negative(const uint64_t *w, const char *fn) {
    if (is_neg(w) && !is_zero(w)) domain((std::string(fn) + " of a negative number").c_str());
}
inline void check_trig(const uint64_t *w) {
    if (is_inf(w)) domain("sin, cos or tan of an infinity");
    if (!is_zero(w) && exponent(w) >= 65536) throw range_error("widefp::real: sin, cos or tan of |x| >= 2^65536");
}

// Words for a value of precision p: inside for p <= 4, else on the heap.
class buffer {
public:
    explicit buffer(uint64_t p) : w_(p <= 4 ? small_ : (big_.reset(new uint64_t[p + 1]), big_.get())) {}
    uint64_t *get() noexcept { return w_; }

private:
    uint64_t small_[5];
    std::unique_ptr<uint64_t[]> big_;
    uint64_t *w_;
};

// x (precision q) at precision P >= q: x itself, or an exact widened copy.
class widened {
public:
    widened(const uint64_t *x, uint64_t q, uint64_t P) : buf_(q == P ? 0 : P), w_(x) {
        if (q != P) {
            widefp_rnd_prec(buf_.get(), P, x, q, WIDEFP_RNDN);
            w_ = buf_.get();
        }
    }
    const uint64_t *get() const noexcept { return w_; }

private:
    buffer buf_;
    const uint64_t *w_;
};

template <class T>
concept number = (std::integral<T> && sizeof(T) <= 8) || std::floating_point<T>;

// v exactly at precision p into w (p + 1 words).
template <number T>
void set_words(uint64_t *w, T v, uint64_t p) {
    if constexpr (std::same_as<T, bool>) {
        widefp_rnd_from_ui(w, v ? 1 : 0, p);
    } else if constexpr (std::integral<T> && std::is_signed_v<T>) {
        widefp_rnd_from_si(w, static_cast<int64_t>(v), p);
    } else if constexpr (std::integral<T>) {
        widefp_rnd_from_ui(w, static_cast<uint64_t>(v), p);
    } else if constexpr (sizeof(T) <= sizeof(double)) {
        if (v != v) domain("a NaN has no widereal value");
        widefp_float_dtowr(w, static_cast<double>(v), p);
    } else {
        // long double: the sum of two doubles, both exact, added exactly
        // (64 significant bits fit in 65).
        if (v != v) domain("a NaN has no widereal value");
        const double hi = static_cast<double>(v), lo = static_cast<double>(v - static_cast<T>(hi));
        widefp_float_dtowr(w, hi, p);
        if (lo != 0) {
            buffer b(p);
            widefp_float_dtowr(b.get(), lo, p);
            widefp_rnd_add(w, w, b.get(), p, WIDEFP_RNDN);
        }
    }
}

// v as words at precision p, on the stack for p <= 4.
class operand {
public:
    template <number T>
    operand(T v, uint64_t p) : buf_(p) {
        set_words(buf_.get(), v, p);
    }
    const uint64_t *get() noexcept { return buf_.get(); }

private:
    buffer buf_;
};

using binary_fn = int (*)(uint64_t *, const uint64_t *, const uint64_t *, uint64_t, int);
using unary_fn = int (*)(uint64_t *, const uint64_t *, uint64_t, int);

// Domain checks of the arithmetic.
inline void check_add(const uint64_t *a, const uint64_t *b) {
    if (is_inf(a) && is_inf(b) && is_neg(a) != is_neg(b)) domain("inf - inf");
}
inline void check_sub(const uint64_t *a, const uint64_t *b) {
    if (is_inf(a) && is_inf(b) && is_neg(a) == is_neg(b)) domain("inf - inf");
}
inline void check_mul(const uint64_t *a, const uint64_t *b) {
    if ((is_inf(a) && is_zero(b)) || (is_zero(a) && is_inf(b))) domain("0 * inf");
}
inline void check_div(const uint64_t *a, const uint64_t *b) {
    if (is_zero(a) && is_zero(b)) domain("0 / 0");
    if (is_inf(a) && is_inf(b)) domain("inf / inf");
}

struct access;

}  // namespace real_impl

inline round_mode rounding_mode() noexcept { return static_cast<round_mode>(real_impl::tl_mode); }
// Sets the calling thread's rounding mode; returns the previous one.
inline round_mode rounding_mode(round_mode m) {
    const int v = static_cast<int>(m);
    if (v < 0 || v > 3) throw range_error("widefp::rounding_mode: not a rounding mode");
    const round_mode old = rounding_mode();
    real_impl::tl_mode = v;
    return old;
}

class real {
public:
    // The calling thread's default precision (initially 2); the setter
    // returns the previous one.
    static int default_precision() noexcept { return real_impl::tl_precision; }
    static int default_precision(int p) {
        real_impl::check_precision(p);
        const int old = real_impl::tl_precision;
        real_impl::tl_precision = p;
        return old;
    }

    // +0.
    real() : p_(static_cast<uint32_t>(real_impl::tl_precision)) {
        init_storage();
        zero();
    }
    // v exactly, at precision p.
    template <real_impl::number T>
    real(T v) : real(v, real_impl::tl_precision) {}
    template <real_impl::number T>
    real(T v, int p) {
        real_impl::check_precision(p);
        p_ = static_cast<uint32_t>(p);
        init_storage();
        guard g(this);
        real_impl::set_words(w_, v, p_);
        g.release();
    }
    // The value of a decimal number or expression ("1/3", "2^-70 + #pi"),
    // rounded once in the thread's mode; 1 <= p <= 1022 (text at p = 1023
    // throws range_error).  A value within 2^-65472 of a rounding boundary
    // that its exact arithmetic cannot separate from it may come out one
    // unit off (see widefp_rnd_from_text).
    explicit real(std::string_view text, int p = real_impl::tl_precision) {
        real_impl::check_precision(p);
        if (p > 1022) throw range_error("widefp::real: text is read at precisions 1..1022");
        p_ = static_cast<uint32_t>(p);
        init_storage();
        guard g(this);
        const std::string s(text);
        char message[200];
        const int r = widefp_rnd_from_text(w_, s.c_str(), p_, real_impl::mode(), message, sizeof message);
        if (r == WIDEFP_TEXT_NAN) throw domain_error(std::string("widefp::real: ") + message);
        if (r != WIDEFP_TEXT_UNDECIDED && (r < -1 || r > 1))
            throw syntax_error(std::string("widefp::real: ") + message);
        g.release();
    }
    explicit real(const char *text, int p = real_impl::tl_precision)
        : real(text ? std::string_view(text) : throw syntax_error("widefp::real: a null text"), p) {}
    explicit real(const std::string &text, int p = real_impl::tl_precision) : real(std::string_view(text), p) {}

    real(const real &o) : p_(o.p_) {
        init_storage();
        std::memcpy(w_, o.w_, (p_ + 1) * sizeof(uint64_t));
    }
    real(real &&o) noexcept : p_(o.p_) {
        if (o.w_ != o.buf_) {
            w_ = o.w_;
            cap_ = o.cap_;
            o.reset_small();
        } else {
            w_ = buf_;
            cap_ = 4;
            std::memcpy(buf_, o.buf_, sizeof buf_);
            o.zero();
        }
    }
    ~real() {
        if (w_ != buf_) delete[] w_;
    }
    real &operator=(const real &o) {
        if (this != &o) {
            reserve(o.p_);
            p_ = o.p_;
            std::memcpy(w_, o.w_, (p_ + 1) * sizeof(uint64_t));
        }
        return *this;
    }
    real &operator=(real &&o) noexcept {
        if (this == &o) return *this;
        if (o.w_ != o.buf_) {
            if (w_ != buf_) delete[] w_;
            w_ = o.w_;
            cap_ = o.cap_;
            p_ = o.p_;
            o.reset_small();
        } else {
            p_ = o.p_;  // fits: every real has room for 4 words
            std::memcpy(w_, o.buf_, sizeof buf_);
            o.zero();
        }
        return *this;
    }
    // v exactly at this real's precision.
    template <real_impl::number T>
    real &operator=(T v) {
        real_impl::operand x(v, p_);
        std::memcpy(w_, x.get(), (p_ + 1) * sizeof(uint64_t));
        return *this;
    }

    int precision() const noexcept { return static_cast<int>(p_); }
    // Rounds the value to precision p in the thread's mode.
    void set_precision(int p) {
        real_impl::check_precision(p);
        if (static_cast<uint32_t>(p) == p_) return;
        real t(raw{}, p);
        widefp_rnd_prec(t.w_, t.p_, w_, p_, real_impl::mode());
        *this = std::move(t);
    }
    // The p + 1 words (widefp.h's layout) for the library's C functions.
    const uint64_t *data() const noexcept { return w_; }
    uint64_t *data() noexcept { return w_; }

    // Conversions rounded in the thread's mode (integers toward zero, as
    // C's conversions, saturated).
    explicit operator double() const { return widefp_rnd_get_d(w_, p_, real_impl::mode()); }
    explicit operator float() const { return widefp_rnd_get_flt(w_, p_, real_impl::mode()); }
    // Through double: rounded to 53 bits.
    explicit operator long double() const { return widefp_rnd_get_d(w_, p_, real_impl::mode()); }
    template <std::integral T>
    requires(sizeof(T) <= 8) explicit operator T() const {
        if constexpr (std::same_as<T, bool>) {
            return !real_impl::is_zero(w_);
        } else if constexpr (std::is_signed_v<T>) {
            const int64_t v = widefp_rnd_get_si(w_, p_, WIDEFP_RNDZ);
            return static_cast<T>(std::clamp<int64_t>(v, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
        } else {
            const uint64_t v = widefp_rnd_get_ui(w_, p_, WIDEFP_RNDZ);
            return static_cast<T>(std::min<uint64_t>(v, std::numeric_limits<T>::max()));
        }
    }
    double to_double() const { return static_cast<double>(*this); }

    real &operator+=(const real &b) { return in_place<widefp_rnd_add, real_impl::check_add>(b); }
    real &operator-=(const real &b) { return in_place<widefp_rnd_sub, real_impl::check_sub>(b); }
    real &operator*=(const real &b) { return in_place<widefp_rnd_mul, real_impl::check_mul>(b); }
    real &operator/=(const real &b) { return in_place<widefp_rnd_div, real_impl::check_div>(b); }
    template <real_impl::number T>
    real &operator+=(T v) {
        return in_place_n<widefp_rnd_add, real_impl::check_add>(v);
    }
    template <real_impl::number T>
    real &operator-=(T v) {
        return in_place_n<widefp_rnd_sub, real_impl::check_sub>(v);
    }
    template <real_impl::number T>
    real &operator*=(T v) {
        return in_place_n<widefp_rnd_mul, real_impl::check_mul>(v);
    }
    template <real_impl::number T>
    real &operator/=(T v) {
        return in_place_n<widefp_rnd_div, real_impl::check_div>(v);
    }

    // -x, exact: the sign flipped.
    real operator-() const & {
        real r(*this);
        r.w_[0] ^= 1ULL << 63;
        return r;
    }
    real operator-() && {
        w_[0] ^= 1ULL << 63;
        return std::move(*this);
    }
    real operator+() const & { return *this; }

private:
    friend struct real_impl::access;
    struct raw {};
    // Uninitialised words at precision p (already checked).
    real(raw, uint64_t p) : p_(static_cast<uint32_t>(p)) { init_storage(); }

    // Frees the words if a constructor throws after taking them.
    struct guard {
        real *r;
        explicit guard(real *x) : r(x) {}
        void release() { r = nullptr; }
        ~guard() {
            if (r && r->w_ != r->buf_) delete[] r->w_;
        }
    };

    void init_storage() {
        if (p_ <= 4) {
            w_ = buf_;
            cap_ = 4;
        } else {
            w_ = new uint64_t[p_ + 1];
            cap_ = p_;
        }
    }
    void zero() noexcept { std::memset(w_, 0, (p_ + 1) * sizeof(uint64_t)); }
    void reset_small() noexcept {
        w_ = buf_;
        cap_ = 4;
        p_ = std::min<uint32_t>(p_, 4);
        zero();
    }
    // Room for precision p; the words are kept only when no allocation.
    void reserve(uint32_t p) {
        if (p <= cap_) return;
        uint64_t *n = new uint64_t[p + 1];
        if (w_ != buf_) delete[] w_;
        w_ = n;
        cap_ = p;
    }
    template <real_impl::binary_fn f, auto check>
    real &in_place(const real &b) {
        check(w_, b.w_);
        if (p_ == b.p_) [[likely]] {
            f(w_, w_, b.w_, p_, real_impl::mode());
        } else if (p_ > b.p_) {
            real_impl::widened wb(b.w_, b.p_, p_);
            f(w_, w_, wb.get(), p_, real_impl::mode());
        } else {
            real_impl::widened wa(w_, p_, b.p_);
            if (b.p_ > cap_) {
                // wa is a separate copy here, so the old words may go.
                reserve(b.p_);
            }
            p_ = b.p_;
            f(w_, wa.get(), b.w_, p_, real_impl::mode());
        }
        return *this;
    }
    template <real_impl::binary_fn f, auto check, class T>
    real &in_place_n(T v) {
        real_impl::operand x(v, p_);
        check(w_, x.get());
        f(w_, w_, x.get(), p_, real_impl::mode());
        return *this;
    }

    uint32_t p_;
    uint32_t cap_;
    uint64_t *w_;
    uint64_t buf_[5];
};

namespace real_impl {

// The class's private constructor and words for the free functions below.
struct access {
    static real make(uint64_t p) { return real(real::raw{}, p); }
    static uint64_t p(const real &x) noexcept { return x.p_; }
    static uint64_t *w(real &x) noexcept { return x.w_; }
    static const uint64_t *w(const real &x) noexcept { return x.w_; }
};

// One named result, so that it is built in the caller's storage.
template <binary_fn f, auto check>
inline real binary(const real &a, const real &b) {
    const uint64_t pa = access::p(a), pb = access::p(b);
    check(access::w(a), access::w(b));
    real r = access::make(std::max(pa, pb));
    if (pa == pb) [[likely]] {
        f(access::w(r), access::w(a), access::w(b), pa, mode());
    } else {
        const uint64_t P = access::p(r);
        widened wa(access::w(a), pa, P), wb(access::w(b), pb, P);
        f(access::w(r), wa.get(), wb.get(), P, mode());
    }
    return r;
}
// a op v, v converted at a's precision (v first when swapped).
template <binary_fn f, auto check, class T>
real binary_n(const real &a, T v, bool swapped) {
    const uint64_t p = access::p(a);
    operand x(v, p);
    const uint64_t *l = swapped ? x.get() : access::w(a), *r_ = swapped ? access::w(a) : x.get();
    check(l, r_);
    real r = access::make(p);
    f(access::w(r), l, r_, p, mode());
    return r;
}
// a op b into b's words (b an rvalue at least as precise as a).
template <binary_fn f, auto check>
real &binary_into_right(const real &a, real &b) {
    check(access::w(a), access::w(b));
    const uint64_t p = access::p(b);
    widened wa(access::w(a), access::p(a), p);
    f(access::w(b), wa.get(), access::w(b), p, mode());
    return b;
}

template <unary_fn f>
real unary(const real &x) {
    const uint64_t p = access::p(x);
    real r = access::make(p);
    f(access::w(r), access::w(x), p, mode());
    return r;
}

}  // namespace real_impl

// ---- arithmetic ------------------------------------------------------------
#define WIDEFP_REAL_OPERATOR(op, fn, check)                                                              \
    inline real operator op(const real &a, const real &b) { return real_impl::binary<fn, check>(a, b); } \
    inline real operator op(real &&a, const real &b) {                                                   \
        a op## = b;                                                                                      \
        return std::move(a);                                                                             \
    }                                                                                                    \
    inline real operator op(real &&a, real &&b) {                                                        \
        a op## = b;                                                                                      \
        return std::move(a);                                                                             \
    }                                                                                                    \
    inline real operator op(const real &a, real &&b) {                                                   \
        if (b.precision() < a.precision()) return real_impl::binary<fn, check>(a, b);                    \
        return std::move(real_impl::binary_into_right<fn, check>(a, b));                                 \
    }                                                                                                    \
    template <real_impl::number T>                                                                       \
    real operator op(const real &a, T v) {                                                               \
        return real_impl::binary_n<fn, check>(a, v, false);                                              \
    }                                                                                                    \
    template <real_impl::number T>                                                                       \
    real operator op(real &&a, T v) {                                                                    \
        a op## = v;                                                                                      \
        return std::move(a);                                                                             \
    }                                                                                                    \
    template <real_impl::number T>                                                                       \
    real operator op(T v, const real &a) {                                                               \
        return real_impl::binary_n<fn, check>(a, v, true);                                               \
    }                                                                                                    \
    template <real_impl::number T>                                                                       \
    real operator op(T v, real &&a) {                                                                    \
        real_impl::operand x(v, real_impl::access::p(a));                                                \
        check(x.get(), a.data());                                                                        \
        fn(a.data(), x.get(), a.data(), real_impl::access::p(a), real_impl::mode());                     \
        return std::move(a);                                                                             \
    }
WIDEFP_REAL_OPERATOR(+, widefp_rnd_add, real_impl::check_add)
WIDEFP_REAL_OPERATOR(-, widefp_rnd_sub, real_impl::check_sub)
WIDEFP_REAL_OPERATOR(*, widefp_rnd_mul, real_impl::check_mul)
WIDEFP_REAL_OPERATOR(/, widefp_rnd_div, real_impl::check_div)
#undef WIDEFP_REAL_OPERATOR

// ---- comparisons -----------------------------------------------------------
namespace real_impl {
// Three-way comparison of a and b at precision p.
inline int compare(const uint64_t *a, const uint64_t *b, uint64_t p) noexcept {
    if (is_zero(a) && is_zero(b)) return 0;
    if (widefp_float_lt(a, b, p)) return -1;
    return widefp_float_lt(b, a, p) ? 1 : 0;
}
inline int compare(const real &a, const real &b) {
    const uint64_t pa = access::p(a), pb = access::p(b);
    if (pa == pb) return compare(access::w(a), access::w(b), pa);
    const uint64_t P = std::max(pa, pb);
    widened wa(access::w(a), pa, P), wb(access::w(b), pb, P);
    return compare(wa.get(), wb.get(), P);
}
template <number T>
int compare(const real &a, T v) {
    if constexpr (std::floating_point<T>)
        if (v != v) return 2;  // unordered: a NaN
    operand x(v, access::p(a));
    return compare(access::w(a), x.get(), access::p(a));
}
inline std::weak_ordering order(int c) {
    return c < 0 ? std::weak_ordering::less : c > 0 ? std::weak_ordering::greater : std::weak_ordering::equivalent;
}
}  // namespace real_impl

inline bool operator==(const real &a, const real &b) { return real_impl::compare(a, b) == 0; }
inline std::weak_ordering operator<=>(const real &a, const real &b) {
    return real_impl::order(real_impl::compare(a, b));
}
// Against a number: exact; a NaN double is unordered (== false, every
// relation false).
template <real_impl::number T>
bool operator==(const real &a, T v) {
    return real_impl::compare(a, v) == 0;
}
template <real_impl::number T>
std::partial_ordering operator<=>(const real &a, T v) {
    const int c = real_impl::compare(a, v);
    return c == 2 ? std::partial_ordering::unordered : real_impl::order(c);
}

// ---- classification and precision -----------------------------------------
inline bool isfinite(const real &x) noexcept { return !real_impl::is_inf(x.data()); }
inline bool isinf(const real &x) noexcept { return real_impl::is_inf(x.data()); }
inline bool isnan(const real &) noexcept { return false; }
inline bool isnormal(const real &x) noexcept { return !real_impl::is_inf(x.data()) && !real_impl::is_zero(x.data()); }
inline bool signbit(const real &x) noexcept { return real_impl::is_neg(x.data()); }
inline bool iszero(const real &x) noexcept { return real_impl::is_zero(x.data()); }
inline int precision(const real &x) noexcept { return x.precision(); }

// ---- functions ---------------------------------------------------------------
#define WIDEFP_REAL_UNARY(name, fn, check)                 \
    inline real name(const real &x) {                      \
        [[maybe_unused]] const uint64_t *w = x.data();     \
        [[maybe_unused]] const uint64_t p = x.precision(); \
        check;                                             \
        return real_impl::unary<fn>(x);                    \
    }
WIDEFP_REAL_UNARY(sqrt, widefp_rnd_sqrt, real_impl::check_not_negative(w, "sqrt"))
WIDEFP_REAL_UNARY(exp, widefp_rnd_exp, )
WIDEFP_REAL_UNARY(expm1, widefp_rnd_expm1, )
WIDEFP_REAL_UNARY(log, widefp_rnd_log, real_impl::check_not_negative(w, "log"))
WIDEFP_REAL_UNARY(log2, widefp_rnd_log2, real_impl::check_not_negative(w, "log2"))
WIDEFP_REAL_UNARY(log10, widefp_rnd_log10, real_impl::check_not_negative(w, "log10"))
WIDEFP_REAL_UNARY(log1p, widefp_rnd_log1p,
                  if (real_impl::is_neg(w) && real_impl::cmp_abs_one(w, p) > 0) real_impl::domain("log1p below -1"))
WIDEFP_REAL_UNARY(sin, widefp_rnd_sin, real_impl::check_trig(w))
WIDEFP_REAL_UNARY(cos, widefp_rnd_cos, real_impl::check_trig(w))
WIDEFP_REAL_UNARY(tan, widefp_rnd_tan, real_impl::check_trig(w))
WIDEFP_REAL_UNARY(asin, widefp_rnd_asin, if (real_impl::cmp_abs_one(w, p) > 0) real_impl::domain("asin beyond [-1, 1]"))
WIDEFP_REAL_UNARY(acos, widefp_rnd_acos, if (real_impl::cmp_abs_one(w, p) > 0) real_impl::domain("acos beyond [-1, 1]"))
WIDEFP_REAL_UNARY(atan, widefp_rnd_atan, )
WIDEFP_REAL_UNARY(sinh, widefp_rnd_sinh, )
WIDEFP_REAL_UNARY(cosh, widefp_rnd_cosh, )
WIDEFP_REAL_UNARY(tanh, widefp_rnd_tanh, )
WIDEFP_REAL_UNARY(asinh, widefp_rnd_asinh, )
WIDEFP_REAL_UNARY(acosh, widefp_rnd_acosh,
                  if (real_impl::is_neg(w) || real_impl::cmp_abs_one(w, p) < 0) real_impl::domain("acosh below 1"))
WIDEFP_REAL_UNARY(atanh, widefp_rnd_atanh,
                  if (real_impl::cmp_abs_one(w, p) > 0) real_impl::domain("atanh beyond [-1, 1]"))
#undef WIDEFP_REAL_UNARY

namespace real_impl {
using exact_fn = int (*)(uint64_t *, const uint64_t *, uint64_t);
inline real exact(const real &x, exact_fn f) {
    const uint64_t p = access::p(x);
    real r = access::make(p);
    f(access::w(r), access::w(x), p);
    return r;
}
inline int cbrt_fn(uint64_t *y, const uint64_t *x, uint64_t p, int m) { return widefp_rnd_rootn_si(y, x, 3, p, m); }
inline void no_check(const uint64_t *, const uint64_t *) {}
inline void check_fmod(const uint64_t *x, const uint64_t *y) {
    if (is_zero(y)) domain("fmod(x, 0)");
    if (is_inf(x)) domain("fmod(inf, y)");
}
}  // namespace real_impl

inline real abs(const real &x) {
    real r(x);
    r.data()[0] &= ~(1ULL << 63);
    return r;
}
inline real abs(real &&x) {
    x.data()[0] &= ~(1ULL << 63);
    return std::move(x);
}
inline real fabs(const real &x) { return abs(x); }
inline real cbrt(const real &x) { return real_impl::unary<real_impl::cbrt_fn>(x); }
inline real floor(const real &x) { return real_impl::exact(x, widefp_rnd_floor); }
inline real ceil(const real &x) { return real_impl::exact(x, widefp_rnd_ceil); }
inline real trunc(const real &x) { return real_impl::exact(x, widefp_rnd_trunc); }
// Halves away from zero, as C's round.
inline real round(const real &x) { return real_impl::exact(x, widefp_rnd_round); }

// Two-argument functions: the larger precision, as the operators.
inline real hypot(const real &a, const real &b) {
    return real_impl::binary<widefp_rnd_hypot, real_impl::no_check>(a, b);
}
inline real atan2(const real &a, const real &b) {
    return real_impl::binary<widefp_rnd_atan2, real_impl::no_check>(a, b);
}
inline real fmod(const real &a, const real &b) {
    return real_impl::binary<widefp_rnd_fmod, real_impl::check_fmod>(a, b);
}
inline real pow(const real &a, const real &b) {
    if (real_impl::is_neg(a.data()) && !real_impl::is_zero(a.data()) && !real_impl::is_inf(a.data()) &&
        !real_impl::is_integer(b.data(), static_cast<uint64_t>(b.precision())))
        real_impl::domain("pow of a negative base with a non-integer exponent");
    return real_impl::binary<widefp_rnd_pow, real_impl::no_check>(a, b);
}
// x^n for an integer n, exact when representable.
template <std::integral T>
requires(sizeof(T) <= 8 && !std::same_as<T, bool>) real pow(const real &x, T n) {
    if constexpr (std::is_unsigned_v<T> && sizeof(T) == 8) {
        if (n > static_cast<uint64_t>(INT64_MAX)) return pow(x, real(n, x.precision()));
    }
    const uint64_t p = static_cast<uint64_t>(x.precision());
    real r = real_impl::access::make(p);
    widefp_rnd_pow_si(r.data(), x.data(), static_cast<int64_t>(n), p, real_impl::mode());
    return r;
}
template <std::floating_point T>
real pow(const real &x, T y) {
    return pow(x, real(y, x.precision()));
}
template <real_impl::number T>
real pow(T v, const real &y) {
    return pow(real(v, y.precision()), y);
}
#define WIDEFP_REAL_MIXED2(name)                \
    template <real_impl::number T>              \
    real name(const real &a, T v) {             \
        return name(a, real(v, a.precision())); \
    }                                           \
    template <real_impl::number T>              \
    real name(T v, const real &b) {             \
        return name(real(v, b.precision()), b); \
    }
WIDEFP_REAL_MIXED2(hypot)
WIDEFP_REAL_MIXED2(atan2)
WIDEFP_REAL_MIXED2(fmod)
#undef WIDEFP_REAL_MIXED2

// a b + c rounded once, at the largest of the three precisions.
inline real fma(const real &a, const real &b, const real &c) {
    const uint64_t *x = a.data(), *y = b.data(), *z = c.data();
    if ((real_impl::is_inf(x) && real_impl::is_zero(y)) || (real_impl::is_zero(x) && real_impl::is_inf(y)))
        real_impl::domain("fma: 0 * inf");
    if ((real_impl::is_inf(x) || real_impl::is_inf(y)) && real_impl::is_inf(z) &&
        (real_impl::is_neg(x) != real_impl::is_neg(y)) != real_impl::is_neg(z))
        real_impl::domain("fma: inf - inf");
    const uint64_t P = std::max({a.precision(), b.precision(), c.precision()});
    real_impl::widened wa(x, a.precision(), P), wb(y, b.precision(), P), wc(z, c.precision(), P);
    real r = real_impl::access::make(P);
    widefp_rnd_fma(r.data(), wa.get(), wb.get(), wc.get(), P, real_impl::mode());
    return r;
}
// x 2^e, rounded only when it overflows or underflows.
inline real ldexp(const real &x, int64_t e) {
    const uint64_t p = static_cast<uint64_t>(x.precision());
    real r = real_impl::access::make(p);
    widefp_rnd_ldexp(r.data(), x.data(), e, p, real_impl::mode());
    return r;
}
inline real ldexp(const real &x, int e) { return ldexp(x, static_cast<int64_t>(e)); }
// x = m 2^e, 1/2 <= |m| < 1 (zeros and infinities: m = x, e = 0).  The
// exponent takes 63 bits; the int form throws range_error beyond int.
inline real frexp(const real &x, int64_t *e) {
    const uint64_t p = static_cast<uint64_t>(x.precision());
    real r = real_impl::access::make(p);
    *e = widefp_rnd_frexp(r.data(), x.data(), p);
    return r;
}
inline real frexp(const real &x, int *e) {
    int64_t k;
    real r = frexp(x, &k);
    if (k < std::numeric_limits<int>::min() || k > std::numeric_limits<int>::max())
        throw range_error("widefp::frexp: the exponent does not fit an int");
    *e = static_cast<int>(k);
    return r;
}

// ---- constants -------------------------------------------------------------
namespace real_impl {
inline real constant(const char *name, int p) {
    check_precision(p);
    real r = access::make(static_cast<uint64_t>(p));
    widefp_rnd_const(access::w(r), name, static_cast<uint64_t>(p), mode());
    return r;
}
}  // namespace real_impl
// Rounded in the thread's mode.
inline real pi(int p = real::default_precision()) { return real_impl::constant("pi", p); }
inline real e(int p = real::default_precision()) { return real_impl::constant("e", p); }
inline real ln2(int p = real::default_precision()) { return real_impl::constant("ln2", p); }
inline real ln10(int p = real::default_precision()) { return real_impl::constant("ln10", p); }
inline real euler(int p = real::default_precision()) { return real_impl::constant("g", p); }

// ---- text --------------------------------------------------------------------
namespace real_impl {
inline std::string to_text(const real &x, int style, int64_t digits, int m) {
    digits = std::min<int64_t>(digits, 100000);
    char small[128];
    const uint64_t p = static_cast<uint64_t>(x.precision());
    const size_t n = widefp_rnd_to_text(small, sizeof small, x.data(), p, style, digits, m);
    if (n < sizeof small) return std::string(small, n);
    std::string s(n, '\0');
    widefp_rnd_to_text(s.data(), n + 1, x.data(), p, style, digits, m);
    return s;
}
// Significant decimal digits that read back to the same value at p.
inline int64_t read_back_digits(int p) { return static_cast<int64_t>((64.0 * p + 1) * 0.30102999566398120) + 2; }
}  // namespace real_impl

// digits significant digits (as %.*g), rounded in the thread's mode.
inline std::string to_string(const real &x, int digits) {
    return real_impl::to_text(x, WIDEFP_TEXT_GEN, digits < 1 ? 1 : digits, real_impl::mode());
}
// Enough digits to read back to x (rounded to nearest).
inline std::string to_string(const real &x) {
    return real_impl::to_text(x, WIDEFP_TEXT_GEN, real_impl::read_back_digits(x.precision()), WIDEFP_RNDN);
}

// As a double on the stream: std::fixed (%f), std::scientific (%e), else
// %g with the stream's precision (6 by default, 0 taken as 1); showpos,
// uppercase, width and fill apply.  Rounded in the thread's mode.
// Infinities print as "Inf" and "-Inf".
inline std::ostream &operator<<(std::ostream &os, const real &x) {
    const std::ios_base::fmtflags f = os.flags();
    const std::ios_base::fmtflags ff = f & std::ios_base::floatfield;
    const int style = ff == std::ios_base::fixed        ? WIDEFP_TEXT_FIX
                      : ff == std::ios_base::scientific ? WIDEFP_TEXT_SCI
                                                        : WIDEFP_TEXT_GEN;
    std::streamsize prec = os.precision();
    if (prec < 0) prec = 6;
    std::string s = real_impl::to_text(x, style, prec, real_impl::mode());
    if ((f & std::ios_base::showpos) && s[0] != '-') s.insert(s.begin(), '+');
    if (f & std::ios_base::uppercase)
        for (char &c : s) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    return os << s;
}

// Reads one decimal number ([+-]digits[.digits][(e|E)[+-]digits], or Inf)
// and rounds it at x's precision in the thread's mode; failbit and x
// unchanged when there is none.
inline std::istream &operator>>(std::istream &is, real &x) {
    std::istream::sentry sentry(is);
    if (!sentry) return is;
    std::string tok;
    auto peek = [&] { return is.rdbuf()->sgetc(); };
    auto take = [&] { tok.push_back(static_cast<char>(is.rdbuf()->sbumpc())); };
    const int eof = std::char_traits<char>::eof();
    bool digits = false;
    if (peek() == '+' || peek() == '-') take();
    if (peek() == 'i' || peek() == 'I') {
        for (const char *s = "inf"; *s && peek() != eof && (peek() | 32) == *s; ++s) take();
        if (tok.size() >= 3 && (tok.back() | 32) == 'f') {
            std::ios_base::iostate state = peek() == eof ? std::ios_base::eofbit : std::ios_base::goodbit;
            const double inf = std::numeric_limits<double>::infinity();
            x = tok[0] == '-' ? -inf : inf;
            is.setstate(state);
            return is;
        }
    } else {
        while (peek() >= '0' && peek() <= '9') take(), digits = true;
        if (peek() == '.') {
            take();
            while (peek() >= '0' && peek() <= '9') take(), digits = true;
        }
        if (digits && (peek() == 'e' || peek() == 'E')) {
            take();
            if (peek() == '+' || peek() == '-') take();
            bool exp_digits = false;
            while (peek() >= '0' && peek() <= '9') take(), exp_digits = true;
            digits = exp_digits;
        }
    }
    std::ios_base::iostate state = peek() == eof ? std::ios_base::eofbit : std::ios_base::goodbit;
    if (digits && x.precision() <= 1022) {  // text is read at precisions up to 1022
        const uint64_t p = static_cast<uint64_t>(x.precision());
        real r = real_impl::access::make(p);
        const int t = widefp_rnd_from_text(r.data(), tok.c_str(), p, real_impl::mode(), nullptr, 0);
        if (t == WIDEFP_TEXT_UNDECIDED || (t >= -1 && t <= 1))
            x = std::move(r);
        else
            state |= std::ios_base::failbit;
    } else {
        state |= std::ios_base::failbit;
    }
    is.setstate(state);
    return is;
}

}  // namespace widefp

// numeric_limits at the calling thread's default precision: digits,
// digits10, max_digits10, epsilon(), min(), max() ... follow
// real::default_precision() when they are read (digits and its kin are
// objects that convert to int).  The exponent range exceeds an int: the
// exponent members are saturated.
template <>
class std::numeric_limits<widefp::real> {
public:
    struct digits_type {
        operator int() const noexcept { return 64 * widefp::real::default_precision() + 1; }
    };
    struct digits10_type {
        operator int() const noexcept {
            return static_cast<int>(64.0 * widefp::real::default_precision() * 0.30102999566398120);
        }
    };
    struct max_digits10_type {
        operator int() const noexcept {
            return static_cast<int>(widefp::real_impl::read_back_digits(widefp::real::default_precision()));
        }
    };
    static constexpr bool is_specialized = true;
    static constexpr bool is_signed = true;
    static constexpr bool is_integer = false;
    static constexpr bool is_exact = false;
    static constexpr bool has_infinity = true;
    static constexpr bool has_quiet_NaN = false;
    static constexpr bool has_signaling_NaN = false;
    static constexpr std::float_denorm_style has_denorm = std::denorm_absent;
    static constexpr bool has_denorm_loss = false;
    static constexpr std::float_round_style round_style = std::round_to_nearest;
    static constexpr bool is_iec559 = false;
    static constexpr bool is_bounded = true;
    static constexpr bool is_modulo = false;
    static constexpr int radix = 2;
    static constexpr digits_type digits{};
    static constexpr digits10_type digits10{};
    static constexpr max_digits10_type max_digits10{};
    static constexpr int min_exponent = std::numeric_limits<int>::min();
    static constexpr int min_exponent10 = std::numeric_limits<int>::min();
    static constexpr int max_exponent = std::numeric_limits<int>::max();
    static constexpr int max_exponent10 = std::numeric_limits<int>::max();
    static constexpr bool traps = false;
    static constexpr bool tinyness_before = false;

    // The smallest normal number 2^(2 - 2^62).
    static widefp::real min() { return widefp::ldexp(widefp::real(1), static_cast<int64_t>(2 - (int64_t{1} << 62))); }
    // (2 - 2^(-64p)) 2^(2^62 - 1).
    static widefp::real max() {
        const int p = widefp::real::default_precision();
        widefp::real two(2, p), ulp = epsilon();
        // 2 - ulp is exact; scaling it is exact too.
        widefp::real m(0, p);
        widefp_rnd_sub(m.data(), two.data(), ulp.data(), static_cast<uint64_t>(p), WIDEFP_RNDN);
        return widefp::ldexp(m, static_cast<int64_t>((int64_t{1} << 62) - 1));
    }
    static widefp::real lowest() { return -max(); }
    // 2^(-64p): the gap between 1 and the next number.
    static widefp::real epsilon() {
        return widefp::ldexp(widefp::real(1), static_cast<int64_t>(-64 * widefp::real::default_precision()));
    }
    static widefp::real round_error() { return widefp::real(0.5); }
    static widefp::real infinity() { return widefp::real(std::numeric_limits<double>::infinity()); }
    // No NaN: +0, as for the types without one.
    static widefp::real quiet_NaN() { return widefp::real(); }
    static widefp::real signaling_NaN() { return widefp::real(); }
    static widefp::real denorm_min() { return min(); }
};

#endif  // WIDEFP_HPP
