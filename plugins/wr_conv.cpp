// wr_conv -- exact conversions between Octave's numbers and widereal words,
// the masks of the special elements, sign changes and the integer roundings,
// each returning a new array: R = wr_conv(op, p, X, ...).
//
// This is the one place where the class's words are read or made bit by
// bit: the class holds them as an opaque uint64 array and asks here.  Every
// result is exact, except the conversions to double and single (rounded to
// nearest, ties to even, from every word) and to the integer classes
// (halves away from zero, saturated, as Octave converts doubles).  Element
// arrays are uint64 arrays of p+1 words per element (any shape); results of
// words are (p+1)-by-n uint64 matrices.  Nothing is written into an
// argument.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "wr_rnd_common.h"

namespace {

using wr::rnd::Call;

using namespace wr::rnd::format;

const char *const kNaN = "widereal: NaN has no widereal value";

// The unbiased exponent of a finite nonzero element: |x| = 1.F 2^e.
int64_t exponent(const uint64_t *x) { return static_cast<int64_t>(x[0] & kField) - static_cast<int64_t>(kBias); }

// ---- numbers to words ---------------------------------------------------------

// The element of a 64-bit integer of magnitude m and the given sign (p >= 1):
// the top bit of m is the hidden one, the bits below it head word 1.
void from_magnitude(uint64_t *y, uint64_t m, bool negative, uint64_t p) {
    std::fill(y, y + p + 1, 0);
    if (m == 0) return;
    const int t = 63 - __builtin_clzll(m);
    y[0] = (negative ? kSign : 0) | (kBias + static_cast<uint64_t>(t));
    y[1] = t == 0 ? 0 : m << (64 - t);
}

// Element k of a real full numeric or logical array as a double, exact for
// every class but the 64-bit integers (taken apart by from_magnitude).
template <typename T>
double at(const mxArray *a, uint64_t k) {
    return static_cast<double>(static_cast<const T *>(mxGetData(a))[k]);
}
double as_double(const mxArray *a, mxClassID id, uint64_t k) {
    switch (id) {
        case mxDOUBLE_CLASS: return mxGetPr(a)[k];
        case mxSINGLE_CLASS: return at<float>(a, k);
        case mxLOGICAL_CLASS: return mxGetLogicals(a)[k] ? 1.0 : 0.0;
        case mxINT8_CLASS: return at<int8_t>(a, k);
        case mxUINT8_CLASS: return at<uint8_t>(a, k);
        case mxINT16_CLASS: return at<int16_t>(a, k);
        case mxUINT16_CLASS: return at<uint16_t>(a, k);
        case mxINT32_CLASS: return at<int32_t>(a, k);
        case mxUINT32_CLASS: return at<uint32_t>(a, k);
        default: return 0;  // the 64-bit classes do not come here
    }
}

// The class of argument i when it is a real number array this op converts.
mxClassID number_class(const Call &c, int i, const char *what) {
    const mxArray *a = c.raw(i, what);
    const mxClassID id = mxGetClassID(a);
    const bool known = id == mxDOUBLE_CLASS || id == mxSINGLE_CLASS || id == mxLOGICAL_CLASS ||
                       id == mxINT8_CLASS || id == mxUINT8_CLASS || id == mxINT16_CLASS || id == mxUINT16_CLASS ||
                       id == mxINT32_CLASS || id == mxUINT32_CLASS || id == mxINT64_CLASS || id == mxUINT64_CLASS;
    if (!known || mxIsComplex(a))
        c.args().fail("widefp:type", "argument %d (%s) must be a real numeric or logical array, not a %s%s", i,
                      what, mxIsComplex(a) ? "complex " : "", mxGetClassName(a));
    return id;
}

uint64_t element_count(const Call &c, const mxArray *a, int i, const char *what) {
    const uint64_t n = mxGetNumberOfElements(a);
    if (n > wr::max_count) c.args().fail("widefp:size", "argument %d (%s) holds more than 2^31-1 elements", i, what);
    return n;
}

// (op, p, V): the elements of V, exactly.  Sparse arrays count as full ones.
void from_numbers(const Call &c, mxArray *plhs[]) {
    if (c.count() != 3) c.args().fail("widefp:nargin", "fromnum takes (op, p, V)");
    const uint64_t p = c.precision(1);
    const mxClassID id = number_class(c, 2, "V");
    const mxArray *V = c.raw(2, "V");
    const uint64_t n = element_count(c, V, 2, "V");
    const uint64_t w = p + 1;
    if (mxIsSparse(V)) {
        // Only the stored entries: the others are +0, as the new result is.
        const mwIndex *jc = mxGetJc(V), *ir = mxGetIr(V);
        const uint64_t rows = mxGetM(V), cols = mxGetN(V), nz = jc[cols];
        if (id == mxDOUBLE_CLASS)
            for (uint64_t k = 0; k < nz; ++k)
                if (std::isnan(mxGetPr(V)[k])) c.args().fail("widefp:domain", "%s", kNaN);
        uint64_t *R = wr::rnd::new_result(plhs, 0, p, n);
        for (uint64_t j = 0; j < cols; ++j)
            for (mwIndex k = jc[j]; k < jc[j + 1]; ++k)
                widefp_float_dtowr(R + (j * rows + ir[k]) * w, as_double(V, id, k), p);
        return;
    }
    if (id == mxINT64_CLASS || id == mxUINT64_CLASS) {
        uint64_t *R = wr::rnd::new_result(plhs, 0, p, n);
        const void *data = mxGetData(V);
        for (uint64_t k = 0; k < n; ++k) {
            if (id == mxUINT64_CLASS) {
                from_magnitude(R + k * w, static_cast<const uint64_t *>(data)[k], false, p);
            } else {
                const int64_t v = static_cast<const int64_t *>(data)[k];
                const uint64_t m = v < 0 ? uint64_t{0} - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
                from_magnitude(R + k * w, m, v < 0, p);
            }
        }
        return;
    }
    for (uint64_t k = 0; (id == mxDOUBLE_CLASS || id == mxSINGLE_CLASS) && k < n; ++k)
        if (std::isnan(as_double(V, id, k))) c.args().fail("widefp:domain", "%s", kNaN);
    uint64_t *R = wr::rnd::new_result(plhs, 0, p, n);
    for (uint64_t k = 0; k < n; ++k) widefp_float_dtowr(R + k * w, as_double(V, id, k), p);
}

// (op, p, d): one real double, the constructor's commonest call.
void from_scalar(const Call &c, mxArray *plhs[]) {
    if (c.count() != 3) c.args().fail("widefp:nargin", "scalar takes (op, p, d)");
    const uint64_t p = c.precision(1);
    const mxArray *a = c.raw(2, "d");
    if (!mxIsDouble(a) || mxIsComplex(a) || mxGetNumberOfElements(a) != 1)
        c.args().fail("widefp:type", "argument 2 (d) must be a real double scalar");
    const double d = !mxIsSparse(a) ? mxGetPr(a)[0] : mxGetJc(a)[1] == 0 ? 0.0 : mxGetPr(a)[0];
    if (std::isnan(d)) c.args().fail("widefp:domain", "%s", kNaN);
    widefp_float_dtowr(wr::rnd::new_result(plhs, 0, p, 1), d, p);
}

// (op, p, name): the named constant of the library's tables ("pi", "e",
// "ln2", ...), its first p words (cut off, not rounded).
void constant(const Call &c, mxArray *plhs[]) {
    if (c.count() != 3) c.args().fail("widefp:nargin", "const takes (op, p, name)");
    const uint64_t p = c.precision(1);
    const std::string name = c.args().text(2, "name");
    if (name.size() != mxGetNumberOfElements(c.raw(2, "name")))  // a NUL would end it early
        c.args().fail("widefp:syntax", "the name contains a NUL character at character %zu", name.size() + 1);
    if (name.size() > 65535) c.args().fail("widefp:constant", "no constant has a name that long");
    widefp_float_ctowr(name.c_str(), wr::rnd::new_result(plhs, 0, p, 1), p);
}

// ---- words to words ---------------------------------------------------------

// The words of argument 2 at precision p (argument 1), for an op named
// `name` taking `lo`..`hi` arguments.
struct Words {
    Words(const Call &c, const char *name, int lo, int hi, const char *usage) {
        if (c.count() < lo || c.count() > hi) c.args().fail("widefp:nargin", "%s takes %s", name, usage);
        p = c.precision(1);
        w = p + 1;
        X = c.elements(2, p, &n, "W");
    }
    uint64_t p, w, n;
    const uint64_t *X;
};

// (op, p, W): W as a (p+1)-by-n matrix with the fraction words of every zero
// and infinity cleared (the library writes only word 0 of those).
void tidy(const Call &c, mxArray *plhs[]) {
    const Words a(c, c.op(), 3, 3, "(op, p, W)");
    uint64_t *R = wr::rnd::new_result(plhs, 0, a.p, a.n);
    for (uint64_t k = 0; k < a.n; ++k) {
        const uint64_t *x = a.X + k * a.w;
        uint64_t *r = R + k * a.w;
        if (is_zero(x) || is_inf(x))
            r[0] = x[0];
        else
            std::memcpy(r, x, a.w * sizeof(uint64_t));
    }
}

// (op, p, W): -W, |W| or sign(W) (-1, 0 or 1; both zeros give +0).
void signs(const Call &c, mxArray *plhs[], char how) {
    const Words a(c, c.op(), 3, 3, "(op, p, W)");
    uint64_t *R = wr::rnd::new_result(plhs, 0, a.p, a.n);
    for (uint64_t k = 0; k < a.n; ++k) {
        const uint64_t *x = a.X + k * a.w;
        uint64_t *r = R + k * a.w;
        if (how == 's') {
            if (!is_zero(x)) r[0] = (x[0] & kSign) | kBias;
            continue;
        }
        std::memcpy(r, x, a.w * sizeof(uint64_t));
        r[0] = how == 'n' ? x[0] ^ kSign : x[0] & kField;
    }
}

// x rounded to an integer: 'z' toward zero, 'd' down, 'u' up, 'r' to nearest
// with halves away from zero.  Exact: the fraction bits below the binary
// point are cleared, then one unit is added to the magnitude where the
// cleared part asks for it.  A zero result keeps x's sign.
void integral(uint64_t *r, const uint64_t *x, uint64_t p, char how) {
    const uint64_t w = p + 1;
    std::memcpy(r, x, w * sizeof(uint64_t));
    if (is_zero(x) || is_inf(x)) return;
    const bool neg = is_neg(x);
    const int64_t e = exponent(x);
    if (e >= static_cast<int64_t>(64 * p)) return;  // no bits below the point
    bool step;
    if (e < 0) {  // |x| < 1: a zero of x's sign, or one unit
        std::fill(r + 1, r + w, 0);
        r[0] = x[0] & kSign;
        step = how == 'r' ? e == -1 : how == 'd' ? neg : how == 'u' ? !neg : false;
        if (step) r[0] |= kBias;
        return;
    }
    // Fraction bit i (0 the top bit of word 1) is worth 2^(e-1-i): bits e and
    // below lie under the point, bit e is the half.
    const uint64_t first = 1 + static_cast<uint64_t>(e) / 64;  // the word holding bit e
    const unsigned b = static_cast<unsigned>(e % 64);
    const uint64_t below = ~uint64_t{0} >> b;  // bits e.. of that word
    bool fraction = (x[first] & below) != 0;
    for (uint64_t j = first + 1; j < w && !fraction; ++j) fraction = x[j] != 0;
    const bool half = (x[first] >> (63 - b)) & 1;
    r[first] &= ~below;
    std::fill(r + first + 1, r + w, 0);
    step = how == 'r' ? half : how == 'd' ? fraction && neg : how == 'u' ? fraction && !neg : false;
    if (!step) return;
    if (e == 0) {  // 1 + 1 = 2
        r[0] += 1;
        return;
    }
    // One unit is fraction bit e-1; carry toward word 1, then into the
    // exponent (1.11...1 + unit = 10.00...0).
    const uint64_t unit = static_cast<uint64_t>(e - 1);
    uint64_t j = 1 + unit / 64;
    uint64_t add = uint64_t{1} << (63 - unit % 64);
    for (;; --j) {
        r[j] += add;
        if (r[j] >= add) return;  // no carry out of word j
        add = 1;
        if (j == 1) break;
    }
    r[0] += 1;
}

void integers(const Call &c, mxArray *plhs[], char how) {
    const Words a(c, c.op(), 3, 3, "(op, p, W)");
    uint64_t *R = wr::rnd::new_result(plhs, 0, a.p, a.n);
    for (uint64_t k = 0; k < a.n; ++k) integral(R + k * a.w, a.X + k * a.w, a.p, how);
}

// ---- words to numbers ---------------------------------------------------------

// The dimensions of a result of n elements: argument i, a size vector whose
// product is n, or 1-by-n when it is absent.
std::vector<mwSize> dims_of(const Call &c, int i, uint64_t n) {
    if (c.count() <= i) return {1, static_cast<mwSize>(n)};
    const mxArray *a = c.raw(i, "sz");
    const uint64_t m = mxGetNumberOfElements(a);
    if (!mxIsDouble(a) || mxIsComplex(a) || mxIsSparse(a) || m < 2 || m > 64)
        c.args().fail("widefp:size", "argument %d (sz) must be a real double size vector of 2 to 64 entries", i);
    std::vector<mwSize> d(m);
    double product = 1;
    for (uint64_t k = 0; k < m; ++k) {
        const double v = mxGetPr(a)[k];
        if (!(v >= 0 && v <= static_cast<double>(wr::max_count) && v == std::floor(v)))
            c.args().fail("widefp:size", "argument %d (sz): entry %llu is not a count", i,
                          static_cast<unsigned long long>(k + 1));
        d[k] = static_cast<mwSize>(v);
        product *= v;
    }
    if (product != static_cast<double>(n))
        c.args().fail("widefp:size", "argument %d (sz) describes %.17g elements, the words hold %llu", i, product,
                      static_cast<unsigned long long>(n));
    return d;
}

// x rounded to nearest, ties to even, into the binary format of `bits`
// significant bits whose smallest subnormal is 2^emin and largest exponent
// emax; the value returned is that number (exact in a double).  Every word
// counts: the bits past the first 64 of 1.F act as a sticky bit.
double to_ieee(const uint64_t *x, uint64_t p, int bits, int emin, int emax) {
    const double sign = is_neg(x) ? -1.0 : 1.0;
    if (is_zero(x)) return sign * 0.0;
    const int64_t e = exponent(x);
    if (is_inf(x) || e > emax) return sign * HUGE_VAL;
    const int64_t kept = std::min<int64_t>(bits, e - emin + 1);  // fewer for subnormals
    if (kept < 0) return sign * 0.0;                             // below half the smallest
    bool sticky = (x[1] & 1) != 0;
    for (uint64_t j = 2; j <= p && !sticky; ++j) sticky = x[j] != 0;
    const uint64_t S = kSign | (x[1] >> 1);  // 1.F to 64 bits
    if (kept == 0)                             // in [2^(emin-1), 2^emin): above the half?
        return sign * ((S > kSign || sticky) ? std::ldexp(1.0, emin) : 0.0);
    const int sh = 64 - static_cast<int>(kept);
    uint64_t q = S >> sh;
    const uint64_t rest = S & ((uint64_t{1} << sh) - 1), half = uint64_t{1} << (sh - 1);
    if (rest > half || (rest == half && (sticky || (q & 1)))) ++q;  // 2^kept at most: exact
    return sign * std::ldexp(static_cast<double>(q), static_cast<int>(e - 63 + sh));
}

// (op, p, W [, sz]): the nearest doubles or singles.
void to_float(const Call &c, mxArray *plhs[], bool single) {
    const Words a(c, c.op(), 3, 4, "(op, p, W [, sz])");
    const std::vector<mwSize> d = dims_of(c, 3, a.n);
    if (single) {
        plhs[0] = mxCreateNumericArray(d.size(), d.data(), mxSINGLE_CLASS, mxREAL);
        float *s = static_cast<float *>(mxGetData(plhs[0]));
        for (uint64_t k = 0; k < a.n; ++k) s[k] = static_cast<float>(to_ieee(a.X + k * a.w, a.p, 24, -149, 127));
        return;
    }
    plhs[0] = mxCreateNumericArray(d.size(), d.data(), mxDOUBLE_CLASS, mxREAL);
    double *v = mxGetPr(plhs[0]);
    for (uint64_t k = 0; k < a.n; ++k) v[k] = to_ieee(a.X + k * a.w, a.p, 53, -1074, 1023);
}

struct IntClass {
    const char *name;
    mxClassID id;
    unsigned bits;
    bool is_signed;
};
const IntClass kInts[] = {
    {"int8", mxINT8_CLASS, 8, true},       {"uint8", mxUINT8_CLASS, 8, false},
    {"int16", mxINT16_CLASS, 16, true},    {"uint16", mxUINT16_CLASS, 16, false},
    {"int32", mxINT32_CLASS, 32, true},    {"uint32", mxUINT32_CLASS, 32, false},
    {"int64", mxINT64_CLASS, 64, true},    {"uint64", mxUINT64_CLASS, 64, false},
};

// x rounded to the nearest integer (halves away from zero) and saturated:
// *mag the magnitude (all ones when it reaches 2^64), the sign from x.
uint64_t rounded_magnitude(const uint64_t *x) {
    if (is_zero(x)) return 0;
    if (is_inf(x)) return ~uint64_t{0};
    const int64_t e = exponent(x);
    if (e < -1) return 0;
    if (e == -1) return 1;  // [1/2, 1)
    if (e > 63) return ~uint64_t{0};
    // integer part: the hidden bit and fraction bits 0..e-1; bit e the half
    const unsigned u = static_cast<unsigned>(e);
    const uint64_t m = (uint64_t{1} << u) | (u == 0 ? 0 : x[1] >> (64 - u));
    const bool half = (x[1] >> (63 - u)) & 1;
    if (half && m == ~uint64_t{0}) return m;  // 2^64: saturated
    return m + (half ? 1 : 0);
}

// (op, p, W, cls [, sz]): Octave's integer class cls of the elements.
void to_int(const Call &c, mxArray *plhs[]) {
    const Words a(c, c.op(), 4, 5, "(op, p, W, cls [, sz])");
    const mxArray *s = c.raw(3, "cls");
    char name[8] = {0};
    if (!mxIsChar(s) || mxGetNumberOfElements(s) >= sizeof name)
        c.args().fail("widefp:type", "argument 3 (cls) must be the name of an integer class");
    mxGetString(s, name, sizeof name);
    const IntClass *t = nullptr;
    for (const IntClass &k : kInts)
        if (std::strcmp(name, k.name) == 0) t = &k;
    if (!t) c.args().fail("widefp:type", "argument 3 (cls): \"%s\" is not an integer class", name);
    const std::vector<mwSize> d = dims_of(c, 4, a.n);
    plhs[0] = mxCreateNumericArray(d.size(), d.data(), t->id, mxREAL);
    void *out = mxGetData(plhs[0]);
    // the largest magnitudes of either sign
    const uint64_t top = t->is_signed ? (uint64_t{1} << (t->bits - 1)) - 1
                                      : t->bits == 64 ? ~uint64_t{0} : (uint64_t{1} << t->bits) - 1;
    const uint64_t bottom = t->is_signed ? top + 1 : 0;
    for (uint64_t k = 0; k < a.n; ++k) {
        const uint64_t *x = a.X + k * a.w;
        const uint64_t m = rounded_magnitude(x);
        const bool neg = is_neg(x) && m != 0;
        const uint64_t mag = std::min(m, neg ? bottom : top);
        // two's complement of the saturated value, cut to the class's width
        const uint64_t v = neg ? uint64_t{0} - mag : mag;
        switch (t->bits) {
            case 8: static_cast<uint8_t *>(out)[k] = static_cast<uint8_t>(v); break;
            case 16: static_cast<uint16_t *>(out)[k] = static_cast<uint16_t>(v); break;
            case 32: static_cast<uint32_t *>(out)[k] = static_cast<uint32_t>(v); break;
            default: static_cast<uint64_t *>(out)[k] = v; break;
        }
    }
}

// (op, p, W): [zero, inf, neg], 1-by-n logical rows: the zeros (either
// sign), the infinities, the elements with the sign bit set (-0 included).
void special(const Call &c, int nlhs, mxArray *plhs[]) {
    const Words a(c, "special", 3, 3, "(op, p, W)");
    mxLogical *m[3] = {nullptr, nullptr, nullptr};
    for (int i = 0; i < std::max(nlhs, 1) && i < 3; ++i) {
        plhs[i] = mxCreateLogicalMatrix(1, static_cast<mwSize>(a.n));
        m[i] = mxGetLogicals(plhs[i]);
    }
    for (uint64_t k = 0; k < a.n; ++k) {
        const uint64_t *x = a.X + k * a.w;
        m[0][k] = is_zero(x);
        if (m[1]) m[1][k] = is_inf(x);
        if (m[2]) m[2][k] = is_neg(x);
    }
}

}  // namespace

extern "C" void mexFunction(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    const Call c("wr_conv", nrhs, prhs, 3, 5);
    const char *op = c.op();
    if (nlhs > (std::strcmp(op, "special") == 0 ? 3 : 1))
        c.args().fail("widefp:nargout", "%s gives %s", op, std::strcmp(op, "special") == 0 ? "3 outputs" : "1 output");
    if (std::strcmp(op, "scalar") == 0) return from_scalar(c, plhs);
    if (std::strcmp(op, "fromnum") == 0) return from_numbers(c, plhs);
    if (std::strcmp(op, "const") == 0) return constant(c, plhs);
    if (std::strcmp(op, "todouble") == 0) return to_float(c, plhs, false);
    if (std::strcmp(op, "tosingle") == 0) return to_float(c, plhs, true);
    if (std::strcmp(op, "toint") == 0) return to_int(c, plhs);
    if (std::strcmp(op, "special") == 0) return special(c, nlhs, plhs);
    if (std::strcmp(op, "tidy") == 0 || std::strcmp(op, "fromwords") == 0) return tidy(c, plhs);
    if (std::strcmp(op, "neg") == 0) return signs(c, plhs, 'n');
    if (std::strcmp(op, "abs") == 0) return signs(c, plhs, 'a');
    if (std::strcmp(op, "sign") == 0) return signs(c, plhs, 's');
    if (std::strcmp(op, "fix") == 0) return integers(c, plhs, 'z');
    if (std::strcmp(op, "floor") == 0) return integers(c, plhs, 'd');
    if (std::strcmp(op, "ceil") == 0) return integers(c, plhs, 'u');
    if (std::strcmp(op, "round") == 0) return integers(c, plhs, 'r');
    c.unknown_op();
}
