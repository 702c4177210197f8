// wr_rnd_common.h -- what the value-returning gateways (wr_rnd, wr_rnd_reduce)
// share: the checks of the operation name, the rounding mode, the precision
// and the element arrays, the result arrays they create, and the texts of
// their domain errors.
//
// A gateway of this family never writes into an argument: every result is a
// new array made for plhs.  Element arrays are uint64 arrays of p+1 words
// per element (any shape); results are (p+1)-by-n uint64 matrices, one
// column per element.  Every argument is checked before any memory is
// touched, and a failed check is an Octave error "widefp:<kind>".
#ifndef WIDEFP_WR_RND_COMMON_H
#define WIDEFP_WR_RND_COMMON_H

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "widefp_rnd.h"
#include "wr_plugin.h"

namespace wr::rnd {

// The library's largest precision for the rounded operations.
constexpr uint64_t kMaxP = 1023;

// The text of the domain error of the operation running now (nullptr: the
// library's own text).  Set by a gateway before it calls the library.
inline const char *&domain_text() {
    static const char *text = nullptr;
    return text;
}

inline void fatal_with_domain_text(const char *identifier, const char *text) {
    const char *mine = domain_text();
    if (mine && identifier && std::strcmp(identifier, "widefp:domain") == 0)
        wr::detail::raise("widefp:domain", mine);
    wr::detail::fatal_to_octave(identifier, text);
}

// The word format: word 0 holds the sign bit and the exponent field,
// biased so that 1 has kBias; field 0 is a zero, kField an infinity.
namespace format {
constexpr uint64_t kSign = uint64_t{1} << 63;
constexpr uint64_t kField = kSign - 1;
constexpr uint64_t kBias = 0x3fffffffffffffffu;
inline bool is_zero(const uint64_t *x) { return (x[0] & kField) == 0; }
inline bool is_inf(const uint64_t *x) { return (x[0] & kField) == kField; }
inline bool is_neg(const uint64_t *x) { return (x[0] & kSign) != 0; }
inline bool finite(const uint64_t *x) { return !is_inf(x); }
// The domain errors of accumulations.
inline const char *const kInfMinusInf = "widereal: Inf - Inf has no value";
inline const char *const kZeroTimesInf = "widereal: 0 * Inf has no value";
}  // namespace format

// The rounding mode a gateway keeps for the callers that pass [] (the
// class's setting, so that its hot paths need not ask for it); -1 in
// gateways that keep none.
inline int &held_mode() {
    static int mode = -1;
    return mode;
}

// Argument access for one call of a value-returning gateway: op, mode, p
// first, then the operands.
class Call {
public:
    Call(const char *gateway, int nrhs, const mxArray *prhs[], int min_args, int max_args)
        : args_(gateway, nrhs, prhs, min_args, max_args), prhs_(prhs), nrhs_(nrhs) {
        domain_text() = nullptr;
        widefp_set_fatal_handler(&fatal_with_domain_text);
        const mxArray *a = prhs[0];
        if (!mxIsChar(a) || mxGetNumberOfElements(a) == 0 || mxGetNumberOfElements(a) >= sizeof op_)
            args_.fail("widefp:type", "argument 0 (op) must be the name of an operation");
        mxGetString(a, op_, sizeof op_);
    }

    const wr::Args &args() const { return args_; }
    const char *op() const { return op_; }
    int count() const { return nrhs_; }
    // Argument i as Octave passed it.
    const mxArray *raw(int i, const char *what) const {
        if (i >= nrhs_) args_.fail("widefp:nargin", "argument %d (%s) is missing", i, what);
        return prhs_[i];
    }
    [[noreturn]] void unknown_op() const { args_.fail("widefp:type", "unknown operation \"%s\"", op_); }

    // The rounding mode, argument 1: 0 (nearest), 1 (toward zero), 2 (up)
    // or 3 (down); [] stands for the mode the gateway holds, where it holds
    // one (held_mode() >= 0).
    int mode() const {
        const mxArray *a = prhs_[1];
        if (held_mode() >= 0 && mxIsDouble(a) && mxGetNumberOfElements(a) == 0) return held_mode();
        if (!mxIsNumeric(a) || mxIsComplex(a) || mxIsSparse(a) || mxGetNumberOfElements(a) != 1)
            args_.fail("widefp:type", "argument 1 (mode) must be a real numeric scalar");
        const double d = mxGetScalar(a);
        if (!(d == 0 || d == 1 || d == 2 || d == 3))
            args_.fail("widefp:range", "argument 1 (mode) = %.17g is none of 0 (nearest), 1 (zero), 2 (up), 3 (down)",
                       d);
        return static_cast<int>(d);
    }

    // A precision (or count) argument in lo..hi.
    uint64_t precision(int i, uint64_t lo = 1, uint64_t hi = kMaxP) const { return args_.count(i, "p", lo, hi); }
    uint64_t count_arg(int i, const char *what, uint64_t lo = 0, uint64_t hi = wr::max_count) const {
        return args_.count(i, what, lo, hi);
    }

    // The element array argument i of precision p: a real uint64 array whose
    // number of words is a multiple of p+1.  *n receives its element count.
    const uint64_t *elements(int i, uint64_t p, uint64_t *n, const char *what) const {
        if (i >= nrhs_) args_.fail("widefp:nargin", "argument %d (%s) is missing", i, what);
        const mxArray *a = prhs_[i];
        if (!mxIsUint64(a) || mxIsComplex(a) || mxIsSparse(a))
            args_.fail("widefp:type", "argument %d (%s) must be a real uint64 array of words", i, what);
        const uint64_t words = mxGetNumberOfElements(a);
        if (words % (p + 1) != 0)
            args_.fail("widefp:size", "argument %d (%s) holds %llu words, not a multiple of p+1 = %llu", i, what,
                       static_cast<unsigned long long>(words), static_cast<unsigned long long>(p + 1));
        *n = words / (p + 1);
        if (*n > wr::max_count)
            args_.fail("widefp:size", "argument %d (%s) holds more than 2^31-1 elements", i, what);
        return static_cast<const uint64_t *>(mxGetData(a));
    }

    // An operand of precision p: an element array as elements() takes it,
    // or a real double array (any shape, one element per double), converted
    // exactly into `store`.  NaN raises widefp:domain.
    const uint64_t *operand(int i, uint64_t p, uint64_t *n, std::vector<uint64_t> &store, const char *what) const {
        if (i >= nrhs_) args_.fail("widefp:nargin", "argument %d (%s) is missing", i, what);
        const mxArray *a = prhs_[i];
        if (!mxIsDouble(a)) return elements(i, p, n, what);
        if (mxIsComplex(a) || mxIsSparse(a))
            args_.fail("widefp:type", "argument %d (%s) must be real uint64 words or real full doubles", i, what);
        *n = mxGetNumberOfElements(a);
        if (*n > wr::max_count) args_.fail("widefp:size", "argument %d (%s) holds more than 2^31-1 elements", i, what);
        const double *d = mxGetPr(a);
        for (uint64_t k = 0; k < *n; ++k)
            if (std::isnan(d[k])) args_.fail("widefp:domain", "widereal: NaN has no widereal value");
        store.assign(wr::element_words(*n, p), 0);
        for (uint64_t k = 0; k < *n; ++k) widefp_float_dtowr(store.data() + k * (p + 1), d[k], p);
        return store.data();
    }

private:
    wr::Args args_;
    const mxArray **prhs_;
    int nrhs_;
    char op_[24] = {0};
};

// A new (p+1)-by-n uint64 result matrix (zeroed) in plhs[i]; its words.
inline uint64_t *new_result(mxArray *plhs[], int i, uint64_t p, uint64_t n) {
    plhs[i] = mxCreateNumericMatrix(static_cast<mwSize>(p + 1), static_cast<mwSize>(n), mxUINT64_CLASS, mxREAL);
    return static_cast<uint64_t *>(mxGetData(plhs[i]));
}

// A new 1-by-n double row in plhs[i] (the ternary values).
inline double *new_row(mxArray *plhs[], int i, uint64_t n) {
    plhs[i] = mxCreateDoubleMatrix(1, static_cast<mwSize>(n), mxREAL);
    return mxGetPr(plhs[i]);
}

// Working precision of the accumulating operations for results of
// precision p: two words more, within the library's limit.
inline uint64_t wide(uint64_t p) { return p + 2 <= kMaxP ? p + 2 : kMaxP; }

// The element x of precision p as an element of precision q >= p: the
// library's change of precision, exact.
inline void widen(uint64_t *y, uint64_t q, const uint64_t *x, uint64_t p) {
    widefp_rnd_prec(y, q, x, p, WIDEFP_RNDN);
}

}  // namespace wr::rnd

#endif  // WIDEFP_WR_RND_COMMON_H
