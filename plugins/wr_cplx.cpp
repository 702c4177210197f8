// wr_cplx -- element-wise arithmetic and elementary functions of complex
// widereals, each returning a new array:
//   R = wr_cplx(op, mode, p, X)      op a function name, or "abs", "arg"
//   R = wr_cplx(op, mode, p, X, Y)   op "add", "sub", "mul", "div", "pow"
//
// An operand is a uint64 matrix of p+1 rows (real elements, imaginary part
// +0) or 2(p+1) rows (real part's words above the imaginary part's), one
// column per element.  Binary operations pair the columns of X and Y (equal
// counts, or one of them a single column serving every column of the other).
// R has 2(p+1) rows (p+1 for abs and arg).  A real element inside the real
// function's domain gets the real function's correctly rounded value and
// the imaginary part +0, so that only the elements outside the domain take
// the complex formulas.  Nothing is written into an argument.
#include <cstdio>
#include <cstring>
#include <vector>

#include "widefp_complex.h"
#include "wr_rnd_common.h"

namespace {

using wr::rnd::Call;
using namespace wr::rnd::format;
using Cx1 = void (*)(uint64_t *, uint64_t *, const uint64_t *, const uint64_t *, uint64_t, int);
using Cx2 = void (*)(uint64_t *, uint64_t *, const uint64_t *, const uint64_t *, const uint64_t *, const uint64_t *,
                     uint64_t, int);
using Real1 = int (*)(uint64_t *, const uint64_t *, uint64_t, int);

// Where a real argument has a real value.
enum Domain { kAll, kNonNegative, kAboveMinusOne, kUnitInterval, kAtLeastOne };

struct UnaryOp {
    const char *name;
    Cx1 f;
    Real1 real;
    Domain domain;
};

const UnaryOp kUnary[] = {
    {"sqrt", widefp_cplx_sqrt, widefp_rnd_sqrt, kNonNegative},
    {"exp", widefp_cplx_exp, widefp_rnd_exp, kAll},
    {"expm1", widefp_cplx_expm1, widefp_rnd_expm1, kAll},
    {"log", widefp_cplx_log, widefp_rnd_log, kNonNegative},
    {"log1p", widefp_cplx_log1p, widefp_rnd_log1p, kAboveMinusOne},
    {"log2", widefp_cplx_log2, widefp_rnd_log2, kNonNegative},
    {"log10", widefp_cplx_log10, widefp_rnd_log10, kNonNegative},
    {"sin", widefp_cplx_sin, widefp_rnd_sin, kAll},
    {"cos", widefp_cplx_cos, widefp_rnd_cos, kAll},
    {"tan", widefp_cplx_tan, widefp_rnd_tan, kAll},
    {"asin", widefp_cplx_asin, widefp_rnd_asin, kUnitInterval},
    {"acos", widefp_cplx_acos, widefp_rnd_acos, kUnitInterval},
    {"atan", widefp_cplx_atan, widefp_rnd_atan, kAll},
    {"sinh", widefp_cplx_sinh, widefp_rnd_sinh, kAll},
    {"cosh", widefp_cplx_cosh, widefp_rnd_cosh, kAll},
    {"tanh", widefp_cplx_tanh, widefp_rnd_tanh, kAll},
    {"asinh", widefp_cplx_asinh, widefp_rnd_asinh, kAll},
    {"acosh", widefp_cplx_acosh, widefp_rnd_acosh, kAtLeastOne},
    {"atanh", widefp_cplx_atanh, widefp_rnd_atanh, kUnitInterval},
};

struct BinaryOp {
    const char *name;
    Cx2 f;
    const char *domain;  // the text of its domain error
};
const BinaryOp kBinary[] = {
    {"add", widefp_cplx_add, "widereal: Inf - Inf has no value"},
    {"sub", widefp_cplx_sub, "widereal: Inf - Inf has no value"},
    {"mul", widefp_cplx_mul, "widereal: 0 * Inf or Inf - Inf in a complex product has no value"},
    {"div", widefp_cplx_div, "widereal: 0/0 and Inf/Inf (or 0 * Inf) in a complex quotient have no value"},
    {"pow", widefp_cplx_pow, nullptr},
};

// An operand: its words, element count, and whether it holds imaginary parts.
struct Operand {
    const uint64_t *w = nullptr;
    uint64_t n = 0;
    bool complex = false;
    // Element k's parts (zero: the imaginary part of a real element).
    const uint64_t *re(uint64_t k, uint64_t p) const { return w + k * (complex ? 2 : 1) * (p + 1); }
    const uint64_t *im(uint64_t k, uint64_t p, const uint64_t *zero) const {
        return complex ? w + (2 * k + 1) * (p + 1) : zero;
    }
};

Operand operand(const Call &c, int i, uint64_t p, const char *what) {
    const mxArray *a = c.raw(i, what);
    if (!mxIsUint64(a) || mxIsComplex(a) || mxIsSparse(a) || mxGetNumberOfDimensions(a) != 2)
        c.args().fail("widefp:type", "argument %d (%s) must be a real uint64 matrix of words", i, what);
    const uint64_t rows = mxGetM(a);
    Operand o;
    if (rows == p + 1) {
        o.complex = false;
    } else if (rows == 2 * (p + 1)) {
        o.complex = true;
    } else {
        c.args().fail("widefp:size", "argument %d (%s) has %llu rows, neither p+1 = %llu nor 2(p+1)", i, what,
                      static_cast<unsigned long long>(rows), static_cast<unsigned long long>(p + 1));
    }
    o.n = mxGetN(a);
    if (o.n > wr::max_count) c.args().fail("widefp:size", "argument %d (%s) holds more than 2^31-1 elements", i, what);
    o.w = static_cast<const uint64_t *>(mxGetData(a));
    return o;
}

uint64_t *new_words(mxArray *plhs[], uint64_t rows, uint64_t n) {
    plhs[0] = mxCreateNumericMatrix(static_cast<mwSize>(rows), static_cast<mwSize>(n), mxUINT64_CLASS, mxREAL);
    return static_cast<uint64_t *>(mxGetData(plhs[0]));
}

bool in_domain(Domain d, const uint64_t *x, const uint64_t *one, const uint64_t *minus_one, uint64_t p) {
    switch (d) {
        case kAll:
            return true;
        case kNonNegative:
            return !is_neg(x) || is_zero(x);
        case kAboveMinusOne:
            return !widefp_float_lt(x, minus_one, p);
        case kUnitInterval:
            return !widefp_float_lt(x, minus_one, p) && !widefp_float_lt(one, x, p);
        case kAtLeastOne:
            return !widefp_float_lt(x, one, p);
    }
    return false;
}

void unary(const Call &c, const UnaryOp &u, mxArray *plhs[]) {
    if (c.count() != 4) c.args().fail("widefp:nargin", "%s takes (op, mode, p, X)", u.name);
    const int mode = c.mode();
    const uint64_t p = c.precision(2, 1, 1021);
    const Operand x = operand(c, 3, p, "X");
    const uint64_t w = p + 1;
    std::vector<uint64_t> consts(3 * w);
    uint64_t *zero = consts.data(), *one = zero + w, *minus_one = one + w;
    widefp_float_dtowr(zero, 0.0, p);
    widefp_float_dtowr(one, 1.0, p);
    widefp_float_dtowr(minus_one, -1.0, p);
    uint64_t *R = new_words(plhs, 2 * w, x.n);
    for (uint64_t k = 0; k < x.n; ++k) {
        uint64_t *yr = R + 2 * k * w, *yi = yr + w;
        const uint64_t *xr = x.re(k, p);
        if (!x.complex && in_domain(u.domain, xr, one, minus_one, p)) {
            u.real(yr, xr, p, mode);
            std::memcpy(yi, zero, w * sizeof(uint64_t));
        } else {
            u.f(yr, yi, xr, x.im(k, p, zero), p, mode);
        }
    }
}

void part(const Call &c, bool modulus, mxArray *plhs[]) {
    if (c.count() != 4) c.args().fail("widefp:nargin", "%s takes (op, mode, p, X)", c.op());
    const int mode = c.mode();
    const uint64_t p = c.precision(2, 1, 1021);
    const Operand x = operand(c, 3, p, "X");
    std::vector<uint64_t> zero(p + 1);
    widefp_float_dtowr(zero.data(), 0.0, p);
    uint64_t *R = new_words(plhs, p + 1, x.n);
    for (uint64_t k = 0; k < x.n; ++k) {
        if (modulus)
            widefp_cplx_abs(R + k * (p + 1), x.re(k, p), x.im(k, p, zero.data()), p, mode);
        else
            widefp_cplx_arg(R + k * (p + 1), x.re(k, p), x.im(k, p, zero.data()), p, mode);
    }
}

// Whether the real power a^b is real: a >= 0 (or -0), or b an integer or
// infinite.
bool real_power(const uint64_t *a, const uint64_t *b, uint64_t p) {
    if (!is_neg(a) || is_zero(a) || is_inf(b)) return true;
    std::vector<uint64_t> one(p + 1), r(p + 1);
    widefp_float_dtowr(one.data(), 1.0, p);
    widefp_rnd_fmod(r.data(), b, one.data(), p, WIDEFP_RNDN);
    return is_zero(r.data());
}

// A real operand meets a complex one part by part, as in Octave: x + (c +
// di) = (x + c) + di, x (c + di) = xc + xdi, (a + bi)/x = a/x + (b/x)i, each
// part correctly rounded; the imaginary part of the real operand takes no
// part (its sign of zero included).  Returns false where the complex
// operation applies.
bool mixed(const char *op, bool xc, bool yc, uint64_t *yr, uint64_t *yi, const uint64_t *ar, const uint64_t *ai,
           const uint64_t *br, const uint64_t *bi, uint64_t p, int mode) {
    if (!xc && !yc && std::strcmp(op, "pow") == 0 && real_power(ar, br, p)) {
        widefp_rnd_pow(yr, ar, br, p, mode);
        std::memcpy(yi, ai, (p + 1) * sizeof(uint64_t));  // the +0 of a real operand
        return true;
    }
    if (xc == yc) return false;
    const size_t bytes = (p + 1) * sizeof(uint64_t);
    if (std::strcmp(op, "add") == 0 || std::strcmp(op, "sub") == 0) {
        const bool add = op[0] == 'a';
        (add ? widefp_rnd_add : widefp_rnd_sub)(yr, ar, br, p, mode);
        if (xc) {
            std::memcpy(yi, ai, bytes);
        } else {
            std::memcpy(yi, bi, bytes);
            if (!add) yi[0] ^= kSign;
        }
        return true;
    }
    if (std::strcmp(op, "mul") == 0) {
        if (xc) {
            widefp_rnd_mul(yr, ar, br, p, mode);
            widefp_rnd_mul(yi, ai, br, p, mode);
        } else {
            widefp_rnd_mul(yr, ar, br, p, mode);
            widefp_rnd_mul(yi, ar, bi, p, mode);
        }
        return true;
    }
    if (std::strcmp(op, "div") == 0 && xc) {
        widefp_rnd_div(yr, ar, br, p, mode);
        widefp_rnd_div(yi, ai, br, p, mode);
        return true;
    }
    return false;
}

void binary(const Call &c, const BinaryOp &b, mxArray *plhs[]) {
    if (c.count() != 5) c.args().fail("widefp:nargin", "%s takes (op, mode, p, X, Y)", b.name);
    const int mode = c.mode();
    const uint64_t p = c.precision(2, 1, 1021);
    const Operand x = operand(c, 3, p, "X"), y = operand(c, 4, p, "Y");
    if (x.n != y.n && x.n != 1 && y.n != 1)
        c.args().fail("widefp:size", "X has %llu elements and Y %llu: they must agree or one be single",
                      static_cast<unsigned long long>(x.n), static_cast<unsigned long long>(y.n));
    const uint64_t n = x.n == 1 ? y.n : x.n, w = p + 1;
    std::vector<uint64_t> zero(w);
    widefp_float_dtowr(zero.data(), 0.0, p);
    uint64_t *R = new_words(plhs, 2 * w, n);
    for (uint64_t k = 0; k < n; ++k) {
        const uint64_t i = x.n == 1 ? 0 : k, j = y.n == 1 ? 0 : k;
        uint64_t *yr = R + 2 * k * w, *yi = yr + w;
        const uint64_t *ar = x.re(i, p), *ai = x.im(i, p, zero.data());
        const uint64_t *br = y.re(j, p), *bi = y.im(j, p, zero.data());
        if (mixed(b.name, x.complex, y.complex, yr, yi, ar, ai, br, bi, p, mode)) continue;
        b.f(yr, yi, ar, ai, br, bi, p, mode);
    }
}

}  // namespace

extern "C" void mexFunction(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    (void)nlhs;
    const Call c("wr_cplx", nrhs, prhs, 4, 5);
    const char *op = c.op();
    for (const UnaryOp &u : kUnary)
        if (std::strcmp(op, u.name) == 0) {
            static char text[96];
            std::snprintf(text, sizeof text, "%s: no value at an infinite or undefined complex argument", u.name);
            wr::rnd::domain_text() = text;
            return unary(c, u, plhs);
        }
    for (const BinaryOp &b : kBinary)
        if (std::strcmp(op, b.name) == 0) {
            wr::rnd::domain_text() = b.domain;
            return binary(c, b, plhs);
        }
    if (std::strcmp(op, "abs") == 0) return part(c, true, plhs);
    if (std::strcmp(op, "arg") == 0) return part(c, false, plhs);
    c.unknown_op();
}
