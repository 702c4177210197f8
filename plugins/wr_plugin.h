// wr_plugin.h -- argument fetching, validation and count conversion shared by
// every plug-in.
//
// A plug-in validates everything before it touches memory: the argument
// count, that each array is real, numeric and not sparse, that it holds at
// least the words that will be read or written, that counts lie in
// 0..2^31-1 and that p is within the operation's limits.  A failure raises an
// Octave error "widefp:<kind>" naming the argument (Octave puts the
// plug-in's name before the message); Octave
// keeps running.
//
// Overlap: Octave hands a plug-in the same data for one variable passed
// twice, so every plug-in checks (Args::require_disjoint) the arrays whose
// words must not overlap for its computation, or copies an operand first.
//
// With WIDEFP_NO_MEX defined the Octave-facing part is left out.
#ifndef WIDEFP_WR_PLUGIN_H
#define WIDEFP_WR_PLUGIN_H

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "widefp.h"
#include "widefp_linalg.h"

namespace wr {

// Count conversion of the calling convention: a double d becomes an unsigned
// 64-bit count.  d >= 2^63 gives trunc(d - 2^63) with bit 63 set; otherwise
// trunc(d) as a signed 64-bit integer reinterpreted as unsigned (3.9 -> 3,
// -1 -> 0xffffffffffffffff).  Values that no 64-bit integer holds (NaN,
// beyond +-2^64) are not meaningful counts; they map to the all-ones word so
// that every range check rejects them, instead of invoking undefined
// behaviour in the conversion.
inline uint64_t count_from_double(double d) {
    constexpr double two63 = 9223372036854775808.0;
    if (std::isnan(d) || d >= 2.0 * two63 || d <= -two63 - 1024.0) return ~uint64_t{0};
    if (d >= two63) return static_cast<uint64_t>(static_cast<int64_t>(d - two63)) | (uint64_t{1} << 63);
    return static_cast<uint64_t>(static_cast<int64_t>(d));
}

// Largest count a plug-in accepts (counts are 32-bit signed in the loops).
constexpr uint64_t max_count = (uint64_t{1} << 31) - 1;

// Words taken by `elements` elements of precision p, or UINT64_MAX when the
// product does not fit.
inline uint64_t element_words(uint64_t elements, uint64_t p) {
    unsigned __int128 w = static_cast<unsigned __int128>(elements) * (static_cast<unsigned __int128>(p) + 1);
    return w > UINT64_MAX ? UINT64_MAX : static_cast<uint64_t>(w);
}

// Zeroed scratch of `words` 64-bit words from the heap (zeroed, so that no
// stale word can reach a result through the fraction of a zero), freed when
// it goes out of scope.  A size that does not fit (UINT64_MAX marks an
// overflowed count) or memory that cannot be had goes through the fatal
// route as "widefp:memory" (an Octave error in a plug-in); no exception.
inline std::unique_ptr<uint64_t[]> heap_words(uint64_t words) {
    uint64_t *block = nullptr;
    if (words != UINT64_MAX && words <= SIZE_MAX / sizeof(uint64_t))
        block = new (std::nothrow) uint64_t[words ? words : 1]();
    if (!block) {
        char text[96];
        std::snprintf(text, sizeof text, "no memory for %llu scratch words\n",
                      static_cast<unsigned long long>(words));
        widefp_fatal("widefp:memory", text);
    }
    return std::unique_ptr<uint64_t[]>(block);
}

// Elements read by `count` groups of n consecutive elements (a group of n = 0
// still reads its first element).
inline uint64_t group_elements(uint64_t count, uint64_t n) {
    return count == 0 ? 0 : (count - 1) * n + (n ? n : 1);
}

// ---- the formatters' limits (wr_sci_format, wr_fix_format): the control
// word's fields against the digit array and the 65,536-byte output buffer.
constexpr uint64_t kFormatBuffer = 65536;  // output buffer of the formatters, NUL included

inline uint64_t control_w(uint64_t control) { return control & 0xffff; }
inline uint64_t control_d(uint64_t control) { return (control >> 16) & 0xffff; }

// Why a formatter call cannot be made, or nullptr when it can.  `have` is the
// number of words in the digit array, `lead` its word 0 (read only when the
// array holds a word), e the decimal exponent.
inline const char *format_problem(bool fixed, uint64_t control, uint64_t have, uint64_t lead, int64_t e) {
    const uint64_t w = control_w(control);
    const uint64_t d = control_d(control);
    if (w < 2) return "the control word's word count w (bits 0-15) must be at least 2";
    if (w > have) return "the control word's word count w (bits 0-15) exceeds the digit array";
    if (lead > 9) return "the digit array's integer word must be a decimal digit 0..9";
    if (!fixed) {
        // sign, digit, point, d+1 digits, letter, sign, up to 19 exponent digits, NUL
        if (d + 26 > kFormatBuffer) return "too many digits for the 65,536-byte text (d <= 65510)";
        return nullptr;
    }
    // sign, "0.", d digits, NUL
    if (d + 4 > kFormatBuffer) return "too many digits for the 65,536-byte text (d <= 65532)";
    // sign, E+2 integer digits (after a carry), point, d digits, NUL
    if (e >= 0 && static_cast<uint64_t>(e) + d + 5 > kFormatBuffer)
        return "the number's integer digits and d do not fit the 65,536-byte text";
    return nullptr;
}

// ---- elementary-function plug-ins: overlap test and private copies --------
// Octave hands copies of one variable to a plug-in as the same memory.  A
// word range: `n` words from `w`.
struct Span {
    const uint64_t *w;
    uint64_t n;
};
inline bool overlap(Span a, Span b) {
    if (a.n == 0 || b.n == 0) return false;
    const auto a0 = reinterpret_cast<uintptr_t>(a.w), b0 = reinterpret_cast<uintptr_t>(b.w);
    return a0 < b0 + b.n * sizeof(uint64_t) && b0 < a0 + a.n * sizeof(uint64_t);
}

// Private copies of the operands and a private result element for one call
// of a library function that clears its work array at entry: the call reads
// the copies (so a work array sharing memory with an operand, or a result
// sharing memory with an operand, changes nothing), and res receives the
// result only when the call has returned (a domain error raised from inside
// the call leaves res as it was).
class PrivateElements {
public:
    PrivateElements(uint64_t p, const uint64_t *x, const uint64_t *y = nullptr)
        : w_(p + 1), buf_(3 * w_) {
        std::memcpy(buf_.data() + w_, x, w_ * sizeof(uint64_t));
        if (y) std::memcpy(buf_.data() + 2 * w_, y, w_ * sizeof(uint64_t));
    }
    uint64_t *result() { return buf_.data(); }
    const uint64_t *x() const { return buf_.data() + w_; }
    const uint64_t *y() const { return buf_.data() + 2 * w_; }
    void store(uint64_t *res) const { std::memcpy(res, buf_.data(), w_ * sizeof(uint64_t)); }

private:
    uint64_t w_;
    std::vector<uint64_t> buf_;
};

// One call of an elementary function on private elements: f(result, x, p,
// work) or, with a cache, f(result, x, p, work, cache).
using UnaryWork = uint64_t (*)(uint64_t *, const uint64_t *, uint64_t, uint64_t *);
using UnaryCache = uint64_t (*)(uint64_t *, const uint64_t *, uint64_t, uint64_t *, uint64_t *);
inline void call_private(UnaryWork f, uint64_t *res, const uint64_t *x, uint64_t p, uint64_t *work) {
    PrivateElements e(p, x);
    f(e.result(), e.x(), p, work);
    e.store(res);
}
inline void call_private(UnaryCache f, uint64_t *res, const uint64_t *x, uint64_t p, uint64_t *work,
                         uint64_t *cache) {
    PrivateElements e(p, x);
    f(e.result(), e.x(), p, work, cache);
    e.store(res);
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
#include <cstdarg>
#include <cstdio>
#include <string>

#include "mex.h"

namespace wr {

namespace detail {
[[noreturn]] inline void raise(const char *id, const char *text) {
    mexErrMsgIdAndTxt(id, "%s", text);
    std::abort();  // not reached: mexErrMsgIdAndTxt does not return
}
inline void fatal_to_octave(const char *identifier, const char *text) {
    // The library's texts end with a newline; Octave prints the message as is.
    std::string msg(text);
    while (!msg.empty() && msg.back() == '\n') msg.pop_back();
    raise(identifier && *identifier ? identifier : "widefp:error", msg.c_str());
}
}  // namespace detail

inline void install_fatal_handler() { widefp_set_fatal_handler(&detail::fatal_to_octave); }

// Argument access for one call of one plug-in.
class Args {
public:
    Args(const char *plugin, int nrhs, const mxArray *prhs[], int expected)
        : plugin_(plugin), nrhs_(nrhs), prhs_(prhs) {
        install_fatal_handler();
        if (nrhs != expected)
            fail("widefp:nargin", "expected %d arguments, got %d", expected, nrhs);
    }
    // Optional trailing arguments: accepts min..max arguments.
    Args(const char *plugin, int nrhs, const mxArray *prhs[], int min_args, int max_args)
        : plugin_(plugin), nrhs_(nrhs), prhs_(prhs) {
        install_fatal_handler();
        if (nrhs < min_args || nrhs > max_args)
            fail("widefp:nargin", "expected %d to %d arguments, got %d", min_args, max_args,
                 nrhs);
    }

    int count() const { return nrhs_; }

    [[noreturn]] void fail(const char *id, const char *fmt, ...) const {
        char buf[512];
        va_list ap;
        va_start(ap, fmt);
        std::vsnprintf(buf, sizeof buf, fmt, ap);
        va_end(ap);
        detail::raise(id, buf);
    }

    // Raw words of a real, numeric, non-sparse array holding at least `words`
    // 64-bit words.  `what` names the argument in messages.
    // The words [0, words) are recorded as the part of the array this call
    // uses, for the overlap checks below.
    uint64_t *words(int i, uint64_t words, const char *what) const {
        const mxArray *a = numeric_array(i, what);
        uint64_t have = available_words(a);
        if (have < words)
            fail("widefp:size", "argument %d (%s) holds %llu words, needs %llu", i, what,
                 static_cast<unsigned long long>(have), static_cast<unsigned long long>(words));
        return static_cast<uint64_t *>(record(i, mxGetData(a), words, what));
    }

    // An int64 array of at least `count` entries (an index or an exponent
    // array the plug-in writes integers into); any other class is refused.
    int64_t *int64s(int i, uint64_t count, const char *what) const {
        const mxArray *a = arg(i);
        if (!mxIsInt64(a) || mxIsComplex(a) || mxIsSparse(a))
            fail("widefp:type", "argument %d (%s) must be an int64 array", i, what);
        const uint64_t have = mxGetNumberOfElements(a);
        if (have < count)
            fail("widefp:size", "argument %d (%s) holds %llu words, needs %llu", i, what,
                 static_cast<unsigned long long>(have), static_cast<unsigned long long>(count));
        return static_cast<int64_t *>(record(i, mxGetData(a), count, what));
    }

    // Whether the words used of arguments i and j (both fetched before, by
    // words, elements or int64s) share memory.  Octave hands the same data
    // to a plug-in whenever the caller passes one variable twice, or a copy
    // of it not yet written to.
    bool overlap(int i, int j) const {
        const Used &a = used(i), &b = used(j);
        if (a.words == 0 || b.words == 0) return false;
        const uintptr_t a0 = reinterpret_cast<uintptr_t>(a.data), b0 = reinterpret_cast<uintptr_t>(b.data);
        return a0 < b0 + 8 * b.words && b0 < a0 + 8 * a.words;
    }

    // Raises widefp:alias naming both arguments when they overlap where the
    // computation cannot allow it.
    void require_disjoint(int i, int j) const {
        if (overlap(i, j))
            fail("widefp:alias", "arguments %d (%s) and %d (%s) share memory; pass distinct arrays", i,
                 used(i).what, j, used(j).what);
    }
    // require_disjoint for every pair of the arguments listed.
    void require_disjoint(std::initializer_list<int> list) const {
        for (auto i = list.begin(); i != list.end(); ++i)
            for (auto j = i + 1; j != list.end(); ++j) require_disjoint(*i, *j);
    }

    // The number of whole 64-bit words array argument i holds.
    uint64_t word_count(int i, const char *what) const { return available_words(numeric_array(i, what)); }

    // An element array of at least `elements` elements of precision p.
    uint64_t *elements(int i, uint64_t elements, uint64_t p, const char *what) const {
        return words(i, element_words(elements, p), what);
    }

    // A count in lo..hi (hi at most max_count unless stated), by the count conversion.
    // A vector is refused: it is a mistake, not a count read from its first element.
    uint64_t count(int i, const char *what, uint64_t lo = 0, uint64_t hi = max_count) const {
        const mxArray *a = arg(i);
        if (!mxIsNumeric(a) || mxIsComplex(a) || mxIsSparse(a) || mxGetNumberOfElements(a) != 1)
            fail("widefp:type", "argument %d (%s) must be a real numeric scalar", i, what);
        double d = mxGetScalar(a);
        uint64_t n = count_from_double(d);
        if (n < lo || n > hi)
            fail("widefp:range", "argument %d (%s) = %.17g is outside %llu..%llu", i, what, d,
                 static_cast<unsigned long long>(lo), static_cast<unsigned long long>(hi));
        return n;
    }

    // The precision p, within the operation's limits.
    uint64_t precision(int i, uint64_t lo, uint64_t hi) const { return count(i, "p", lo, hi); }

    // The first 64-bit word of an array, passed bit for bit.
    uint64_t raw_word(int i, const char *what) const { return *words(i, 1, what); }

    // A character string argument.
    std::string text(int i, const char *what) const {
        const mxArray *a = arg(i);
        if (!mxIsChar(a)) fail("widefp:type", "argument %d (%s) must be a string", i, what);
        size_t n = mxGetNumberOfElements(a);
        std::string s(n + 1, '\0');
        mxGetString(a, s.data(), static_cast<mwSize>(n + 1));
        s.resize(std::strlen(s.c_str()));
        return s;
    }

    const char *plugin() const { return plugin_; }

private:
    struct Used {
        const void *data = nullptr;
        uint64_t words = 0;
        const char *what = "";
    };
    static constexpr int kMaxArgs = 16;
    void *record(int i, void *data, uint64_t words, const char *what) const {
        if (i < kMaxArgs) used_[i] = Used{data, words, what};
        return data;
    }
    const Used &used(int i) const {
        static const Used none;
        return i >= 0 && i < kMaxArgs ? used_[i] : none;
    }

    const mxArray *arg(int i) const {
        if (i >= nrhs_) fail("widefp:nargin", "argument %d is missing", i);
        return prhs_[i];
    }
    const mxArray *numeric_array(int i, const char *what) const {
        const mxArray *a = arg(i);
        if (!mxIsNumeric(a) || mxIsComplex(a) || mxIsSparse(a))
            fail("widefp:type", "argument %d (%s) must be a real, non-sparse numeric array", i,
                 what);
        return a;
    }
    static uint64_t available_words(const mxArray *a) {
        unsigned __int128 bytes =
            static_cast<unsigned __int128>(mxGetNumberOfElements(a)) * mxGetElementSize(a);
        return static_cast<uint64_t>(bytes / 8);
    }

    const char *plugin_;
    int nrhs_;
    const mxArray **prhs_;
    mutable Used used_[kMaxArgs];  // what each fetched array argument uses
};

// ---- elementary-function plug-ins: alias and cache checks, arguments -------
// Raises widefp:alias when argument i (span a) shares memory with any of the
// other spans (the reciprocal cache is state kept across calls: nothing else
// may live in it).
inline void require_apart(const Args &args, int i, const char *what, Span a,
                          std::initializer_list<Span> others) {
    for (const Span &b : others)
        if (overlap(a, b))
            args.fail("widefp:alias",
                      "argument %d (%s) shares memory with another argument; pass a separate array", i,
                      what);
}

// The arguments of an elementary-function plug-in, in order: res, x, [y,] p,
// work[, cache].  p is 1..1023; work must hold work_words(p) words; the
// cache 500*(p+2) words, all zero or left by earlier calls at the same p,
// and apart from every other argument.  Raises widefp:nargin, type, size,
// range, cache or alias before anything is written.
struct ElementaryArgs {
    uint64_t p;
    uint64_t *res;
    const uint64_t *x;
    const uint64_t *y;  // the power's exponent, else nullptr
    uint64_t *work;
    uint64_t *cache;  // nullptr for the functions without one
};
inline ElementaryArgs elementary_args(const char *plugin, int nrhs, const mxArray *prhs[], bool two_operands,
                                      uint64_t (*work_words)(uint64_t), bool cached) {
    const int operands = two_operands ? 2 : 1;
    const int ip = 1 + operands;  // p follows the operands
    Args args(plugin, nrhs, prhs, ip + 2 + (cached ? 1 : 0));
    ElementaryArgs a{};
    a.p = args.precision(ip, 1, 1023);
    const uint64_t w = a.p + 1;
    a.res = args.elements(0, 1, a.p, "res");
    a.x = args.elements(1, 1, a.p, two_operands ? "x (base)" : "x");
    if (two_operands) a.y = args.elements(2, 1, a.p, "y (exponent)");
    const uint64_t nwork = work_words(a.p);
    a.work = args.words(ip + 1, nwork, cached ? "work1" : "work");
    if (!cached) return a;
    const int ic = ip + 2;
    const char *what = "work2, the reciprocal cache";
    const uint64_t ncache = widefp_cache_size(a.p);
    a.cache = args.words(ic, ncache, what);
    require_apart(args, ic, what, Span{a.cache, ncache},
                  {Span{a.res, w}, Span{a.x, w}, Span{a.y, a.y ? w : 0}, Span{a.work, nwork}});
    if (widefp_cache_check(a.cache, args.word_count(ic, what), a.p) != 0)
        args.fail("widefp:cache", "argument %d (%s) is neither all zero nor filled at p = %llu", ic, what,
                  static_cast<unsigned long long>(a.p));
    return a;
}

}  // namespace wr

#else

namespace wr {
inline void install_fatal_handler() {}
}  // namespace wr

#endif  // WIDEFP_NO_MEX

#endif  // WIDEFP_WR_PLUGIN_H
