// wr_order -- the order of widereal values: three-way comparisons, stable
// sorting permutations, dense ranks, positions of extremes and of the
// largest magnitude, and medians, each returning a new array.
//
//   [C, ok] = wr_order("cmp", X, px, Y, py [, sx, sy])
//   P = wr_order("sort", X, p, len, count, descend)
//   R = wr_order("rank", X, p)
//   I = wr_order("extreme", X, p, len, count, largest)
//   k = wr_order("maxabs", X, p)
//   M = wr_order("median", X, p, len, count, mode)
//
// Values are compared as numbers: +0 equals -0, -Inf and Inf are the ends,
// and elements of different precisions compare by value (the shorter one
// read as if its missing words were zero).  The words of a zero or an
// infinity beyond its exponent field never count.  Nothing is written into
// an argument.
#include <algorithm>
#include <numeric>
#include <new>
#include <vector>

#include "wr_rnd_common.h"

namespace {

using wr::rnd::Call;

using namespace wr::rnd::format;

// -1, 0 or 1: the sign of x (both zeros give 0).
int sign_of(const uint64_t *x) {
    if ((x[0] & kField) == 0) return 0;
    return (x[0] & kSign) ? -1 : 1;
}

// Order of the magnitudes of two nonzero elements of precisions px, py.
int compare_magnitude(const uint64_t *x, uint64_t px, const uint64_t *y, uint64_t py) {
    const uint64_t fx = x[0] & kField, fy = y[0] & kField;
    if (fx != fy) return fx < fy ? -1 : 1;
    if (fx == kField) return 0;  // two infinities
    const uint64_t n = std::min(px, py);
    for (uint64_t i = 1; i <= n; ++i)
        if (x[i] != y[i]) return x[i] < y[i] ? -1 : 1;
    for (uint64_t i = n + 1; i <= px; ++i)
        if (x[i]) return 1;
    for (uint64_t i = n + 1; i <= py; ++i)
        if (y[i]) return -1;
    return 0;
}

// -1, 0 or 1 as x < y, x == y, x > y.
int compare(const uint64_t *x, uint64_t px, const uint64_t *y, uint64_t py) {
    const int sx = sign_of(x), sy = sign_of(y);
    if (sx != sy) return sx < sy ? -1 : 1;
    if (sx == 0) return 0;
    const int m = compare_magnitude(x, px, y, py);
    return sx > 0 ? m : -m;
}

// A flag argument: a real scalar (numeric or logical) 0 or 1.
bool flag(const Call &c, int i, const char *what) {
    const mxArray *a = c.raw(i, what);
    if (!(mxIsNumeric(a) || mxIsLogical(a)) || mxIsComplex(a) || mxIsSparse(a) || mxGetNumberOfElements(a) != 1)
        c.args().fail("widefp:type", "argument %d (%s) must be a real scalar, 0 or 1", i, what);
    const double d = mxGetScalar(a);
    if (d != 0 && d != 1) c.args().fail("widefp:range", "argument %d (%s) = %.17g is neither 0 nor 1", i, what, d);
    return d != 0;
}

// (op, X, p, len, count, ...): count groups of len consecutive elements.
struct Groups {
    uint64_t p, w, len, count;
    const uint64_t *X;
    const uint64_t *at(uint64_t group, uint64_t j) const { return X + (group * len + j) * w; }
};
Groups groups(const Call &c, int nargs) {
    if (c.count() != nargs)
        c.args().fail("widefp:nargin", "%s takes %d arguments (op, X, p, len, count%s)", c.op(), nargs,
                      nargs == 6 ? ", ..." : "");
    Groups g;
    g.p = c.precision(2);
    g.w = g.p + 1;
    g.len = c.count_arg(3, "len");
    g.count = c.count_arg(4, "count");
    uint64_t n;
    g.X = c.elements(1, g.p, &n, "X");
    if (static_cast<unsigned __int128>(g.len) * g.count != n)
        c.args().fail("widefp:size", "X holds %llu elements, not len*count = %llu*%llu",
                      static_cast<unsigned long long>(n), static_cast<unsigned long long>(g.len),
                      static_cast<unsigned long long>(g.count));
    return g;
}

// The dimensions given by argument i (a real vector of counts whose
// product is n) or, when it is empty and `array` is a double array, that
// array's own; trailing ones beyond the second dimension dropped.
std::vector<uint64_t> shape(const Call &c, int i, const mxArray *array, uint64_t n) {
    const mxArray *a = c.raw(i, "size");
    std::vector<uint64_t> d;
    if (mxGetNumberOfElements(a) == 0 && mxIsDouble(array)) {
        const mwSize nd = mxGetNumberOfDimensions(array);
        const mwSize *dims = mxGetDimensions(array);
        d.assign(dims, dims + nd);
    } else {
        if (!mxIsDouble(a) || mxIsComplex(a) || mxIsSparse(a) || mxGetNumberOfElements(a) < 2)
            c.args().fail("widefp:type", "argument %d (size) must be a real double row of at least two dimensions", i);
        const double *v = mxGetPr(a);
        unsigned __int128 total = 1;
        for (size_t k = 0; k < mxGetNumberOfElements(a); ++k) {
            if (!(v[k] >= 0 && v[k] == std::floor(v[k]) && v[k] <= wr::max_count))
                c.args().fail("widefp:range", "argument %d (size): %.17g is not a dimension", i, v[k]);
            d.push_back(static_cast<uint64_t>(v[k]));
            total = total * d.back() > wr::max_count ? wr::max_count + 1 : total * d.back();
        }
        if (total != n)
            c.args().fail("widefp:size", "argument %d (size) counts %llu elements, the array holds %llu", i,
                          static_cast<unsigned long long>(total), static_cast<unsigned long long>(n));
    }
    while (d.size() > 2 && d.back() == 1) d.pop_back();
    return d;
}

// Whether an operand of cmp can be read without help: an element array
// (uint64) or a real full double array.
bool plain(const mxArray *a) { return mxIsUint64(a) || (mxIsDouble(a) && !mxIsComplex(a) && !mxIsSparse(a)); }

// ("cmp", X, px, Y, py [, sx, sy]): X and Y element arrays of precisions px
// and py, or real doubles (their precision argument then unused); n
// elements each, or one of them a single element compared with every
// element of the other.  With the sizes sx and sy (empty for a double,
// whose own size counts) the result has the common size, and a second
// output tells whether the sizes allowed the comparison: equal, or one of
// them a single element.  When they do not (they would broadcast), or an
// operand is a double that is complex or sparse, the result is empty and
// the second output false; so is it when the rows of an element array
// are not p+1 (a complex array's words).
void cmp(const Call &c, int nlhs, mxArray *plhs[]) {
    if (c.count() != 5 && c.count() != 7) c.args().fail("widefp:nargin", "cmp takes (op, X, px, Y, py [, sx, sy])");
    const mxArray *ax = c.raw(1, "X"), *ay = c.raw(3, "Y");
    const bool sized = c.count() == 7;
    auto refuse = [&]() {
        plhs[0] = mxCreateDoubleMatrix(0, 0, mxREAL);
        if (nlhs > 1) plhs[1] = mxCreateLogicalScalar(false);
    };
    if (sized && (!plain(ax) || !plain(ay))) return refuse();
    // The class's words come one column of p+1 rows per element; a complex
    // array has twice as many rows and is left to the caller.
    if (sized && ((mxIsUint64(ax) && mxGetM(ax) != c.precision(2) + 1) ||
                  (mxIsUint64(ay) && mxGetM(ay) != c.precision(4) + 1)))
        return refuse();
    std::vector<uint64_t> dx, dy;
    const bool x_double = mxIsDouble(ax), y_double = mxIsDouble(ay);
    const uint64_t px = x_double ? 1 : c.precision(2), py = y_double ? 1 : c.precision(4);
    uint64_t nx, ny;
    const uint64_t *X = c.operand(1, px, &nx, dx, "X");
    const uint64_t *Y = c.operand(3, py, &ny, dy, "Y");
    std::vector<uint64_t> dims;
    if (sized) {
        const std::vector<uint64_t> sx = shape(c, 5, ax, nx), sy = shape(c, 6, ay, ny);
        if (sx == sy || ny == 1)
            dims = sx;
        else if (nx == 1)
            dims = sy;
        else
            return refuse();
    } else if (nx != ny && nx != 1 && ny != 1) {
        c.args().fail("widefp:size", "X has %llu elements and Y %llu: they must agree or one be single",
                      static_cast<unsigned long long>(nx), static_cast<unsigned long long>(ny));
    }
    const uint64_t n = nx == 1 ? ny : nx;
    const uint64_t sx = nx == 1 ? 0 : px + 1, sy = ny == 1 ? 0 : py + 1;
    double *C;
    if (sized) {
        std::vector<mwSize> d(dims.begin(), dims.end());
        plhs[0] = mxCreateNumericArray(d.size(), d.data(), mxDOUBLE_CLASS, mxREAL);
        C = mxGetPr(plhs[0]);
        if (nlhs > 1) plhs[1] = mxCreateLogicalScalar(true);
    } else {
        C = wr::rnd::new_row(plhs, 0, n);
    }
    for (uint64_t k = 0; k < n; ++k) C[k] = compare(X + k * sx, px, Y + k * sy, py);
}

// ("sort", X, p, len, count, descend): the len-by-count positions (1..len)
// that put each group in ascending (descending) order, equal elements in
// their original order.
void sort(const Call &c, mxArray *plhs[]) {
    const Groups g = groups(c, 6);
    const bool descend = flag(c, 5, "descend");
    plhs[0] = mxCreateDoubleMatrix(static_cast<mwSize>(g.len), static_cast<mwSize>(g.count), mxREAL);
    double *P = mxGetPr(plhs[0]);
    std::vector<uint32_t> order(g.len);
    for (uint64_t i = 0; i < g.count; ++i) {
        std::iota(order.begin(), order.end(), 0);
        const uint64_t *base = g.at(i, 0);
        const uint64_t w = g.w, p = g.p;
        if (descend)
            std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
                return compare(base + a * w, p, base + b * w, p) > 0;
            });
        else
            std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
                return compare(base + a * w, p, base + b * w, p) < 0;
            });
        for (uint64_t j = 0; j < g.len; ++j) P[i * g.len + j] = order[j] + 1.0;
    }
}

// ("rank", X, p): 1-by-n dense ranks, 1 for the smallest value; equal
// values share a rank.
void rank(const Call &c, mxArray *plhs[]) {
    if (c.count() != 3) c.args().fail("widefp:nargin", "rank takes (op, X, p)");
    const uint64_t p = c.precision(2), w = p + 1;
    uint64_t n;
    const uint64_t *X = c.elements(1, p, &n, "X");
    double *R = wr::rnd::new_row(plhs, 0, n);
    std::vector<uint32_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](uint32_t a, uint32_t b) { return compare(X + a * w, p, X + b * w, p) < 0; });
    double r = 0;
    for (uint64_t j = 0; j < n; ++j) {
        if (j == 0 || compare(X + order[j] * w, p, X + order[j - 1] * w, p) != 0) r += 1;
        R[order[j]] = r;
    }
}

// ("extreme", X, p, len, count, largest): 1-by-count positions (1..len) of
// the first largest (smallest) element of each group; 0 for an empty group.
void extreme(const Call &c, mxArray *plhs[]) {
    const Groups g = groups(c, 6);
    const int want = flag(c, 5, "largest") ? 1 : -1;
    double *I = wr::rnd::new_row(plhs, 0, g.count);
    for (uint64_t i = 0; i < g.count; ++i) {
        uint64_t best = 0;
        for (uint64_t j = 1; j < g.len; ++j)
            if (compare(g.at(i, j), g.p, g.at(i, best), g.p) == want) best = j;
        I[i] = g.len ? best + 1.0 : 0.0;
    }
}

// ("maxabs", X, p): the position (1..n) of the first element of largest
// magnitude, a 1-by-0 array when X is empty.
void maxabs(const Call &c, mxArray *plhs[]) {
    if (c.count() != 3) c.args().fail("widefp:nargin", "maxabs takes (op, X, p)");
    const uint64_t p = c.precision(2), w = p + 1;
    uint64_t n;
    const uint64_t *X = c.elements(1, p, &n, "X");
    double *k = wr::rnd::new_row(plhs, 0, n ? 1 : 0);
    if (n == 0) return;
    uint64_t best = 0;
    for (uint64_t j = 1; j < n; ++j) {
        const uint64_t *x = X + j * w, *b = X + best * w;
        if (sign_of(x) != 0 && (sign_of(b) == 0 || compare_magnitude(x, p, b, p) > 0)) best = j;
    }
    *k = best + 1.0;
}

// ("median", X, p, len, count, mode): the middle element of each sorted
// group, or for an even len the mean of the two middle ones rounded once in
// the mode: the halves (exact) added and rounded once.  Only an element of
// the lowest binade (exponent field 1) does not halve exactly; then the
// rounded sum is halved, which is the same unless that sum is itself below
// twice the smallest normal number.  An empty group is a domain error.
void median(const Call &c, mxArray *plhs[]) {
    const Groups g = groups(c, 6);
    const mxArray *a = c.raw(5, "mode");
    if (!mxIsNumeric(a) || mxIsComplex(a) || mxIsSparse(a) || mxGetNumberOfElements(a) != 1)
        c.args().fail("widefp:type", "argument 5 (mode) must be a real numeric scalar");
    const double dm = mxGetScalar(a);
    if (!(dm == 0 || dm == 1 || dm == 2 || dm == 3))
        c.args().fail("widefp:range", "argument 5 (mode) = %.17g is none of 0 (nearest), 1 (zero), 2 (up), 3 (down)",
                      dm);
    const int mode = static_cast<int>(dm);
    if (g.len == 0 && g.count > 0) c.args().fail("widefp:domain", "median: an empty set has no median");
    const uint64_t p = g.p, w = g.w;
    uint64_t *M = wr::rnd::new_result(plhs, 0, p, g.count);
    std::vector<uint32_t> order(g.len);
    std::vector<uint64_t> half(w, 0), s(w), u(w), v(w);
    half[0] = kBias - 1;  // 1/2
    for (uint64_t i = 0; i < g.count; ++i) {
        const uint64_t *base = g.at(i, 0);
        auto less = [&](uint32_t x, uint32_t y) { return compare(base + x * w, p, base + y * w, p) < 0; };
        std::iota(order.begin(), order.end(), 0);
        const uint64_t mid = g.len / 2;
        std::nth_element(order.begin(), order.begin() + mid, order.end(), less);
        const uint64_t *hi = base + order[mid] * w;
        uint64_t *out = M + i * w;
        if (g.len % 2) {
            std::memcpy(out, hi, w * sizeof(uint64_t));
            continue;
        }
        const uint64_t *lo = base + *std::max_element(order.begin(), order.begin() + mid, less) * w;
        wr::rnd::domain_text() = "median: the middle values -Inf and Inf have no mean";
        if ((lo[0] & kField) != 1 && (hi[0] & kField) != 1) {  // both halve exactly
            widefp_rnd_mul(u.data(), lo, half.data(), p, mode);
            widefp_rnd_mul(v.data(), hi, half.data(), p, mode);
            widefp_rnd_add(out, u.data(), v.data(), p, mode);
        } else {
            widefp_rnd_add(s.data(), lo, hi, p, mode);
            widefp_rnd_mul(out, s.data(), half.data(), p, mode);
        }
    }
}

// The operation named by the first argument; a failed allocation of the
// working arrays becomes an Octave error, never an exception leaving the
// plug-in.
void run(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    const Call c("wr_order", nrhs, prhs, 3, 7);
    const char *op = c.op();
    if (std::strcmp(op, "cmp") == 0) return cmp(c, nlhs, plhs);
    if (std::strcmp(op, "sort") == 0) return sort(c, plhs);
    if (std::strcmp(op, "rank") == 0) return rank(c, plhs);
    if (std::strcmp(op, "extreme") == 0) return extreme(c, plhs);
    if (std::strcmp(op, "maxabs") == 0) return maxabs(c, plhs);
    if (std::strcmp(op, "median") == 0) return median(c, plhs);
    c.unknown_op();
}

}  // namespace

extern "C" void mexFunction(int nlhs, mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    try {
        run(nlhs, plhs, nrhs, prhs);
    } catch (const std::bad_alloc &) {
        wr::detail::raise("widefp:memory", "wr_order: no memory for the working arrays");
    }
}
