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


// ---- numbers to words ---------------------------------------------------------

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
            if (id == mxUINT64_CLASS)
                widefp_rnd_from_ui(R + k * w, static_cast<const uint64_t *>(data)[k], p);
            else
                widefp_rnd_from_si(R + k * w, static_cast<const int64_t *>(data)[k], p);
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
// "ln2", ...), its first p words (cut off: rounded toward zero).
void constant(const Call &c, mxArray *plhs[]) {
    if (c.count() != 3) c.args().fail("widefp:nargin", "const takes (op, p, name)");
    const uint64_t p = c.precision(1);
    const std::string name = c.args().text(2, "name");
    if (name.size() != mxGetNumberOfElements(c.raw(2, "name")))  // a NUL would end it early
        c.args().fail("widefp:syntax", "the name contains a NUL character at character %zu", name.size() + 1);
    if (name.size() > 65535) c.args().fail("widefp:constant", "no constant has a name that long");
    uint64_t *y = wr::rnd::new_result(plhs, 0, p, 1);
    if (widefp_rnd_const(y, name.c_str(), p, WIDEFP_RNDZ) == WIDEFP_TEXT_CONSTANT)
        widefp_float_ctowr(name.c_str(), y, p);  // its error for an unknown name
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

// (op, p, W): the elements rounded to integers, exactly.
void integers(const Call &c, mxArray *plhs[], int (*f)(uint64_t *, const uint64_t *, uint64_t)) {
    const Words a(c, c.op(), 3, 3, "(op, p, W)");
    uint64_t *R = wr::rnd::new_result(plhs, 0, a.p, a.n);
    for (uint64_t k = 0; k < a.n; ++k) f(R + k * a.w, a.X + k * a.w, a.p);
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

// (op, p, W [, sz]): the nearest doubles or singles.
void to_float(const Call &c, mxArray *plhs[], bool single) {
    const Words a(c, c.op(), 3, 4, "(op, p, W [, sz])");
    const std::vector<mwSize> d = dims_of(c, 3, a.n);
    if (single) {
        plhs[0] = mxCreateNumericArray(d.size(), d.data(), mxSINGLE_CLASS, mxREAL);
        float *s = static_cast<float *>(mxGetData(plhs[0]));
        for (uint64_t k = 0; k < a.n; ++k) s[k] = widefp_rnd_get_flt(a.X + k * a.w, a.p, WIDEFP_RNDN);
        return;
    }
    plhs[0] = mxCreateNumericArray(d.size(), d.data(), mxDOUBLE_CLASS, mxREAL);
    double *v = mxGetPr(plhs[0]);
    for (uint64_t k = 0; k < a.n; ++k) v[k] = widefp_rnd_get_d(a.X + k * a.w, a.p, WIDEFP_RNDN);
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
    // the largest magnitude
    const uint64_t top = t->is_signed ? (uint64_t{1} << (t->bits - 1)) - 1
                                      : t->bits == 64 ? ~uint64_t{0} : (uint64_t{1} << t->bits) - 1;
    std::vector<uint64_t> r(a.w);  // the element rounded, halves away from zero
    for (uint64_t k = 0; k < a.n; ++k) {
        widefp_rnd_round(r.data(), a.X + k * a.w, a.p);
        // two's complement of the saturated value, cut to the class's width
        uint64_t v;
        if (t->is_signed)
            v = static_cast<uint64_t>(std::clamp(widefp_rnd_get_si(r.data(), a.p, WIDEFP_RNDZ),
                                                 -static_cast<int64_t>(top) - 1, static_cast<int64_t>(top)));
        else
            v = std::min(widefp_rnd_get_ui(r.data(), a.p, WIDEFP_RNDZ), top);
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
    if (std::strcmp(op, "fix") == 0) return integers(c, plhs, widefp_rnd_trunc);
    if (std::strcmp(op, "floor") == 0) return integers(c, plhs, widefp_rnd_floor);
    if (std::strcmp(op, "ceil") == 0) return integers(c, plhs, widefp_rnd_ceil);
    if (std::strcmp(op, "round") == 0) return integers(c, plhs, widefp_rnd_round);
    c.unknown_op();
}
