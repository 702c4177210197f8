// wr_rnd -- correctly rounded element-wise operations, powers, changes of
// precision and text conversion, each returning a new array:
// [R, t] = wr_rnd(op, mode, p, X [, Y]).
//
// Unary operations map the n elements of X to the n columns of R, binary
// ones pair the elements of X and Y (n each, or one of them a single element
// that serves every element of the other).  Every result is the exact value
// rounded once in the mode; t (when asked for) holds the ternary values.
// Nothing is written into an argument.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "widefp_special.h"
#include "wr_rnd_common.h"

namespace {

using wr::rnd::Call;
using Unary = int (*)(uint64_t *, const uint64_t *, uint64_t, int);
using Binary = int (*)(uint64_t *, const uint64_t *, const uint64_t *, uint64_t, int);

using namespace wr::rnd::format;

struct UnaryOp {
    const char *name;
    Unary f;
    const char *domain;  // the text of its domain error, or nullptr
};
struct BinaryOp {
    const char *name;
    Binary f;
    const char *domain;
};

const UnaryOp kUnary[] = {
    {"sqrt", widefp_rnd_sqrt, "sqrt: a negative number has no real square root (no complex widereals)"},
    {"exp", widefp_rnd_exp, nullptr},
    {"log", widefp_rnd_log, "log: a negative number has no real logarithm"},
    {"sin", widefp_rnd_sin, "sin: an infinity has no sine"},
    {"cos", widefp_rnd_cos, "cos: an infinity has no cosine"},
    {"tan", widefp_rnd_tan, "tan: an infinity has no tangent"},
    {"atan", widefp_rnd_atan, nullptr},
    {"asin", widefp_rnd_asin, "asin: |x| > 1 has no real arcsine"},
    {"acos", widefp_rnd_acos, "acos: |x| > 1 has no real arccosine"},
    {"expm1", widefp_rnd_expm1, nullptr},
    {"log1p", widefp_rnd_log1p, "log1p: x < -1 has no real logarithm"},
    {"log2", widefp_rnd_log2, "log2: a negative number has no real logarithm"},
    {"log10", widefp_rnd_log10, "log10: a negative number has no real logarithm"},
    {"sinh", widefp_rnd_sinh, nullptr},
    {"cosh", widefp_rnd_cosh, nullptr},
    {"tanh", widefp_rnd_tanh, nullptr},
    {"asinh", widefp_rnd_asinh, nullptr},
    {"acosh", widefp_rnd_acosh, "acosh: x < 1 has no real inverse hyperbolic cosine"},
    {"atanh", widefp_rnd_atanh, "atanh: |x| > 1 has no real inverse hyperbolic tangent"},
    {"gamma", widefp_rnd_gamma, "gamma: the negative integers and -Inf are poles (no value)"},
    {"erf", widefp_rnd_erf, nullptr},
    {"erfc", widefp_rnd_erfc, nullptr},
};

const BinaryOp kBinary[] = {
    {"add", widefp_rnd_add, "widereal: Inf - Inf has no value"},
    {"sub", widefp_rnd_sub, "widereal: Inf - Inf has no value"},
    {"mul", widefp_rnd_mul, "widereal: 0 * Inf has no value"},
    {"div", widefp_rnd_div, "widereal: 0/0 and Inf/Inf have no value"},
    {"pow", widefp_rnd_pow, "power: a negative base needs an integer exponent (no complex widereals)"},
    {"atan2", widefp_rnd_atan2, nullptr},
    {"hypot", widefp_rnd_hypot, nullptr},
    {"beta", widefp_rnd_beta, "beta: no value at these poles or infinities"},
    {"fmod", widefp_rnd_fmod, "fmod: fmod (x, 0) and fmod (Inf, y) have no value"},
    {"rem", widefp_rnd_fmod, "rem: rem (x, 0) and rem (Inf, y) have no value (no NaN widereals)"},
    {"mod", widefp_rnd_mod, "mod: infinite operands have no remainder"},
};

// ---- element-wise operations ------------------------------------------------

// The second output, when asked for.
double *ternaries(int nlhs, mxArray *plhs[], uint64_t n) {
    return nlhs > 1 ? wr::rnd::new_row(plhs, 1, n) : nullptr;
}

void unary(const Call &c, const UnaryOp &op, int nlhs, mxArray *plhs[]) {
    if (c.count() != 4) c.args().fail("widefp:nargin", "%s takes (op, mode, p, X)", op.name);
    const int mode = c.mode();
    const uint64_t p = c.precision(2);
    uint64_t n;
    const uint64_t *X = c.elements(3, p, &n, "X");
    uint64_t *R = wr::rnd::new_result(plhs, 0, p, n);
    double *t = ternaries(nlhs, plhs, n);
    wr::rnd::domain_text() = op.domain;
    for (uint64_t k = 0; k < n; ++k) {
        const int r = op.f(R + k * (p + 1), X + k * (p + 1), p, mode);
        if (t) t[k] = r;
    }
}

// Whether Gamma(x) < 0: x negative, finite, not an integer, in (-(n+1), -n)
// for an even n = floor(|x|).  -0 (a pole) is not counted.
bool negative_gamma(const uint64_t *x, uint64_t p) {
    const uint64_t field = x[0] & kField;
    if (!(x[0] & kSign) || field == 0 || field == kField) return false;
    if (field < kBias) return true;  // -1 < x < 0
    // |x| = 1.F 2^e: the units bit is bit e of 1.F (bit 0 the hidden one).
    const uint64_t e = field - kBias;
    if (e >= 64 * p) return false;  // an integer: a pole
    bool fraction = (x[1 + e / 64] & (~uint64_t{0} >> (e % 64))) != 0;
    for (uint64_t j = 2 + e / 64; j <= p && !fraction; ++j) fraction = x[j] != 0;
    const bool odd = e == 0 || ((x[1 + (e - 1) / 64] >> (63 - (e - 1) % 64)) & 1) != 0;
    return fraction && !odd;
}

// ln|Gamma(x)| where Gamma(x) > 0 or x is a pole (+Inf there); a negative
// Gamma(x), whose logarithm is complex, is a domain error, raised before any
// element is computed.
void log_gamma(const Call &c, int nlhs, mxArray *plhs[]) {
    if (c.count() != 4) c.args().fail("widefp:nargin", "lgamma takes (op, mode, p, X)");
    const int mode = c.mode();
    const uint64_t p = c.precision(2);
    uint64_t n;
    const uint64_t *X = c.elements(3, p, &n, "X");
    for (uint64_t k = 0; k < n; ++k)
        if (negative_gamma(X + k * (p + 1), p))
            c.args().fail("widefp:domain",
                          "gammaln: Gamma(x) < 0 at element %llu, its logarithm is complex (no complex widereals)",
                          static_cast<unsigned long long>(k + 1));
    uint64_t *R = wr::rnd::new_result(plhs, 0, p, n);
    double *t = ternaries(nlhs, plhs, n);
    for (uint64_t k = 0; k < n; ++k) {
        int sign;
        const int r = widefp_rnd_lgamma(R + k * (p + 1), &sign, X + k * (p + 1), p, mode);
        if (t) t[k] = r;
    }
}

// The operands' element counts: equal, or one of them 1; the result's.
uint64_t paired(const Call &c, uint64_t nx, uint64_t ny) {
    if (nx != ny && nx != 1 && ny != 1)
        c.args().fail("widefp:size", "X has %llu elements and Y %llu: they must agree or one be single",
                      static_cast<unsigned long long>(nx), static_cast<unsigned long long>(ny));
    return nx == 1 ? ny : nx;
}

// The mode, precision and operands of a call (op, mode, p, X, Y), X and Y
// paired, with the result array R and the ternaries t (or nullptr) made:
// element k reads X + k sx and Y + k sy and writes R + k w.
struct Pair {
    Pair(const Call &c, int nlhs, mxArray *plhs[]) : mode(c.mode()), p(c.precision(2)), w(p + 1) {
        uint64_t nx, ny;
        X = c.operand(3, p, &nx, dx, "X");
        Y = c.operand(4, p, &ny, dy, "Y");
        n = paired(c, nx, ny);
        sx = nx == 1 ? 0 : w;
        sy = ny == 1 ? 0 : w;
        R = wr::rnd::new_result(plhs, 0, p, n);
        t = ternaries(nlhs, plhs, n);
    }
    Pair(const Pair &) = delete;
    Pair &operator=(const Pair &) = delete;
    const int mode;
    const uint64_t p, w;
    std::vector<uint64_t> dx, dy;  // X and Y converted from doubles, when they were
    const uint64_t *X, *Y;
    uint64_t n, sx, sy;
    uint64_t *R;
    double *t;
};

void binary(const Call &c, const BinaryOp &op, int nlhs, mxArray *plhs[]) {
    if (c.count() != 5) c.args().fail("widefp:nargin", "%s takes (op, mode, p, X, Y)", op.name);
    const Pair a(c, nlhs, plhs);
    wr::rnd::domain_text() = op.domain;
    for (uint64_t k = 0; k < a.n; ++k) {
        const int r = op.f(a.R + k * a.w, a.X + k * a.sx, a.Y + k * a.sy, a.p, a.mode);
        if (a.t) a.t[k] = r;
    }
}

// y as an int64 when it is an integer of magnitude below 2^63.
bool small_integer(const uint64_t *y, uint64_t p, int64_t *n) {
    const uint64_t field = y[0] & kField;
    if (field == 0) {
        *n = 0;
        return true;
    }
    if (field == kField || field < kBias || field - kBias > 62) return false;
    const unsigned e = static_cast<unsigned>(field - kBias);  // 0..62: the integer part ends in word 1
    if (e == 0 ? y[1] != 0 : (y[1] << e) != 0) return false;
    for (uint64_t j = 2; j <= p; ++j)
        if (y[j] != 0) return false;
    const uint64_t mag = (uint64_t{1} << e) | (e == 0 ? 0 : y[1] >> (64 - e));
    *n = (y[0] & kSign) ? -static_cast<int64_t>(mag) : static_cast<int64_t>(mag);
    return true;
}

// x .^ y: widefp_rnd_pow_si for the integers y of magnitude below 2^63,
// widefp_rnd_pow for the others (where a negative x needs an integer y).
void power(const Call &c, int nlhs, mxArray *plhs[]) {
    if (c.count() != 5) c.args().fail("widefp:nargin", "power takes (op, mode, p, X, Y)");
    const Pair a(c, nlhs, plhs);
    wr::rnd::domain_text() = "power: a negative base needs an integer exponent (no complex widereals)";
    for (uint64_t k = 0; k < a.n; ++k) {
        const uint64_t *x = a.X + k * a.sx, *y = a.Y + k * a.sy;
        uint64_t *r = a.R + k * a.w;
        int64_t e;
        const int t = small_integer(y, a.p, &e) ? widefp_rnd_pow_si(r, x, e, a.p, a.mode)
                                                : widefp_rnd_pow(r, x, y, a.p, a.mode);
        if (a.t) a.t[k] = t;
    }
}

using IntegerOp = int (*)(uint64_t *, const uint64_t *, int64_t, uint64_t, int);

// f(x, n) for integers n given as an int64 array or as doubles: x .^ n
// (pow_si), or the n-th root (rootn: n nonzero; an even root of a negative
// number is a domain error).
void with_integer(const Call &c, int nlhs, mxArray *plhs[], const char *name, IntegerOp f) {
    if (c.count() != 5) c.args().fail("widefp:nargin", "%s takes (op, mode, p, X, N)", name);
    const int mode = c.mode();
    const uint64_t p = c.precision(2);
    uint64_t nx;
    const uint64_t *X = c.elements(3, p, &nx, "X");
    const mxArray *N = c.raw(4, "N");
    const bool ints = mxIsInt64(N);
    if (!(ints || mxIsDouble(N)) || mxIsComplex(N) || mxIsSparse(N))
        c.args().fail("widefp:type", "argument 4 (N) must be a real int64 or double array");
    const uint64_t nn = mxGetNumberOfElements(N);
    const uint64_t n = paired(c, nx, nn);
    const bool root = f == widefp_rnd_rootn_si;
    std::vector<int64_t> e(nn);
    for (uint64_t k = 0; k < nn; ++k) {
        if (ints) {
            e[k] = static_cast<const int64_t *>(mxGetData(N))[k];
        } else {
            const double d = mxGetPr(N)[k];
            if (!(d >= -9223372036854775808.0 && d < 9223372036854775808.0) ||
                d != static_cast<double>(static_cast<int64_t>(d)))
                c.args().fail("widefp:range", "argument 4 (N): %.17g is not an integer of magnitude below 2^63", d);
            e[k] = static_cast<int64_t>(d);
        }
        if (root && e[k] == 0) c.args().fail("widefp:domain", "rootn: n = 0 has no root");
    }
    const uint64_t w = p + 1, sx = nx == 1 ? 0 : w, sn = nn == 1 ? 0 : 1;
    uint64_t *R = wr::rnd::new_result(plhs, 0, p, n);
    double *t = ternaries(nlhs, plhs, n);
    if (root) wr::rnd::domain_text() = "nthroot: an even root of a negative number is not real (no complex widereals)";
    for (uint64_t k = 0; k < n; ++k) {
        const int r = f(R + k * w, X + k * sx, e[k * sn], p, mode);
        if (t) t[k] = r;
    }
}

// The elements of X (precision q) rounded to precision p.
void prec(const Call &c, int nlhs, mxArray *plhs[]) {
    if (c.count() != 5) c.args().fail("widefp:nargin", "prec takes (op, mode, p, X, q)");
    const int mode = c.mode();
    const uint64_t p = c.precision(2);
    const uint64_t q = c.precision(4);
    uint64_t n;
    const uint64_t *X = c.elements(3, q, &n, "X");
    uint64_t *R = wr::rnd::new_result(plhs, 0, p, n);
    double *t = ternaries(nlhs, plhs, n);
    for (uint64_t k = 0; k < n; ++k) {
        const int r = widefp_rnd_prec(R + k * (p + 1), p, X + k * (q + 1), q, mode);
        if (t) t[k] = r;
    }
}

// ---- text ---------------------------------------------------------------------

// The forms with no value (0/0, Inf-Inf, ...) read as the reader reads them,
// each step truncated (0/0 as Inf), rounded to p; the ternary is unknown.
void reader_value(uint64_t *y, uint64_t p, int mode, const std::string &raw) {
    std::string body;
    for (const char *ch = raw.c_str(); *ch; ++ch)
        if (!std::isspace(static_cast<unsigned char>(*ch))) body.push_back(*ch);
    const uint64_t qf = std::min<uint64_t>(p + 1, 1022);
    std::vector<uint64_t> v(qf + 1, 0);
    widefp_float_etowr_n(body.c_str(), v.data(), qf, nullptr);
    widefp_rnd_prec(y, p, v.data(), qf, mode);
}

// (op, mode, p, S): S a text or a cell array of texts, each one number.
void text(const Call &c, int nlhs, mxArray *plhs[]) {
    if (c.count() != 4) c.args().fail("widefp:nargin", "text takes (op, mode, p, S)");
    const int mode = c.mode();
    const uint64_t p = c.precision(2, 1, 1022);
    const mxArray *S = c.raw(3, "S");
    const bool cell = mxIsCell(S);
    if (!cell && !(mxIsChar(S) && mxGetM(S) <= 1))
        c.args().fail("widefp:type", "argument 3 (S) must be a text of one row or a cell array of texts");
    const uint64_t n = cell ? mxGetNumberOfElements(S) : 1;
    for (uint64_t k = 0; k < n && cell; ++k) {
        const mxArray *s = mxGetCell(S, k);
        if (!s || !mxIsChar(s) || mxGetM(s) > 1)
            c.args().fail("widefp:type", "argument 3 (S): element %llu is not a text of one row",
                          static_cast<unsigned long long>(k + 1));
    }
    uint64_t *R = wr::rnd::new_result(plhs, 0, p, n);
    double *t = ternaries(nlhs, plhs, n);
    for (uint64_t k = 0; k < n; ++k) {
        const mxArray *s = cell ? mxGetCell(S, k) : S;
        const size_t len = mxGetNumberOfElements(s);
        std::string raw(len + 1, '\0');
        mxGetString(s, raw.data(), static_cast<mwSize>(len + 1));
        if (std::strlen(raw.c_str()) != len)
            c.args().fail("widefp:syntax", "the text contains a NUL character at character %zu",
                          std::strlen(raw.c_str()) + 1);
        char message[1024];
        uint64_t *y = R + k * (p + 1);
        const int r = widefp_rnd_from_text(y, raw.c_str(), p, mode, message, sizeof message);
        if (r == WIDEFP_TEXT_SYNTAX || r == WIDEFP_TEXT_CONSTANT)
            c.args().fail(r == WIDEFP_TEXT_CONSTANT ? "widefp:constant" : "widefp:syntax", "%s", message);
        if (r == WIDEFP_TEXT_NAN) reader_value(y, p, mode, raw);
        if (t) t[k] = r == WIDEFP_TEXT_UNDECIDED || r == WIDEFP_TEXT_NAN ? NAN : r;
    }
}

}  // namespace

// wr_rnd("mode") gives the mode held for calls passing [] as their mode,
// wr_rnd("mode", m) sets it (0..3) and locks the gateway in memory, so that
// clear keeps the setting.
static void held(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_rnd", nrhs, prhs, 1, 2);
    if (nlhs > 1) args.fail("widefp:nargout", "mode gives 1 output");
    if (nrhs == 2) {
        const mxArray *a = prhs[1];
        const double d = mxIsDouble(a) && !mxIsComplex(a) && mxGetNumberOfElements(a) == 1 ? mxGetScalar(a) : -1;
        if (!(d == 0 || d == 1 || d == 2 || d == 3))
            args.fail("widefp:range", "the mode must be 0 (nearest), 1 (zero), 2 (up) or 3 (down)");
        if (!mexIsLocked()) mexLock();
        wr::rnd::held_mode() = static_cast<int>(d);
    }
    plhs[0] = mxCreateDoubleScalar(wr::rnd::held_mode());
}

extern "C" void mexFunction(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    if (wr::rnd::held_mode() < 0) wr::rnd::held_mode() = 0;
    if (nrhs >= 1 && nrhs <= 2 && mxIsChar(prhs[0]) && mxGetNumberOfElements(prhs[0]) == 4) {
        char name[5];
        mxGetString(prhs[0], name, sizeof name);
        if (std::strcmp(name, "mode") == 0) return held(nlhs, plhs, nrhs, prhs);
    }
    const Call c("wr_rnd", nrhs, prhs, 4, 5);
    const char *op = c.op();
    for (const UnaryOp &u : kUnary)
        if (std::strcmp(op, u.name) == 0) return unary(c, u, nlhs, plhs);
    for (const BinaryOp &b : kBinary)
        if (std::strcmp(op, b.name) == 0) return binary(c, b, nlhs, plhs);
    if (std::strcmp(op, "power") == 0) return power(c, nlhs, plhs);
    if (std::strcmp(op, "lgamma") == 0) return log_gamma(c, nlhs, plhs);
    if (std::strcmp(op, "pow_si") == 0) return with_integer(c, nlhs, plhs, "pow_si", widefp_rnd_pow_si);
    if (std::strcmp(op, "rootn") == 0) return with_integer(c, nlhs, plhs, "rootn", widefp_rnd_rootn_si);
    if (std::strcmp(op, "prec") == 0) return prec(c, nlhs, plhs);
    if (std::strcmp(op, "text") == 0) return text(c, nlhs, plhs);
    c.unknown_op();
}
