// wr_stats -- running products, means, variances and standard deviations
// of groups of elements, accumulated with two extra words and rounded once,
// each returning a new array: R = wr_stats(op, mode, p, X, len, count [, w]).
//
// The terms are widened to q = p+2 words (at most 1023) and accumulated
// there, every step rounded toward zero.  The last step before the final
// rounding (the division of a mean or a variance, the square root of a
// standard deviation) is rounded to odd: toward zero with the last bit set
// when inexact, so that rounding it to p words is rounding its exact value
// once.  With u = 2^(-64q):
//   - a mean of n terms x_i: the sum is within (n-1) u sum |x_i| of the
//     exact one, so the mean within (n-1) u sum |x_i| / n;
//   - a variance: the deviations d_i = x_i - m~ from the computed mean m~
//     give sum d_i^2 = S + n (m~ - m)^2 with S the exact sum of squared
//     deviations; each d_i, its square and each addition add a relative
//     error below u, so sum d_i^2 is within (n+2) u (1 + (n+2) u) of its
//     exact value, besides the n (m~ - m)^2.
// Nothing is written into an argument.
#include <new>
#include <vector>

#include "wr_rnd_common.h"

namespace {

using wr::rnd::Call;
using Words = std::vector<uint64_t>;

using namespace wr::rnd::format;


// The last bit of y (precision q) set when the operation that made it, with
// ternary value t, was inexact: rounding to odd after rounding toward zero.
void make_odd(uint64_t *y, uint64_t q, int t) {
    if (t != 0 && !is_zero(y) && finite(y)) y[q] |= 1;
}

// (op, mode, p, X, len, count [, w]): count groups of len consecutive
// elements.
struct Groups {
    int mode;
    uint64_t p, w, q, len, count;
    const uint64_t *X;
    const uint64_t *at(uint64_t group, uint64_t j) const { return X + (group * len + j) * w; }
};
Groups groups(const Call &c, int nargs) {
    if (c.count() != nargs)
        c.args().fail("widefp:nargin", "%s takes (op, mode, p, X, len, count%s)", c.op(), nargs == 7 ? ", w" : "");
    Groups g;
    g.mode = c.mode();
    g.p = c.precision(2);
    g.w = g.p + 1;
    g.q = wr::rnd::wide(g.p);
    g.len = c.count_arg(4, "len");
    g.count = c.count_arg(5, "count");
    uint64_t n;
    g.X = c.elements(3, g.p, &n, "X");
    if (static_cast<unsigned __int128>(g.len) * g.count != n)
        c.args().fail("widefp:size", "X holds %llu elements, not len*count = %llu*%llu",
                      static_cast<unsigned long long>(n), static_cast<unsigned long long>(g.len),
                      static_cast<unsigned long long>(g.count));
    return g;
}

// Work elements at q words.
struct Work {
    explicit Work(uint64_t q) : acc(q + 1), t(q + 1), m(q + 1), n(q + 1) {}
    Words acc, t, m, n;
};

void cumprod(const Call &c, mxArray *plhs[]) {
    const Groups g = groups(c, 6);
    uint64_t *R = wr::rnd::new_result(plhs, 0, g.p, g.len * g.count);
    Work k(g.q);
    wr::rnd::domain_text() = kZeroTimesInf;
    for (uint64_t i = 0; i < g.count; ++i) {
        std::fill(k.acc.begin(), k.acc.end(), 0);
        k.acc[0] = kBias;  // 1
        for (uint64_t j = 0; j < g.len; ++j) {
            wr::rnd::widen(k.t.data(), g.q, g.at(i, j), g.p);
            widefp_rnd_mul(k.acc.data(), k.acc.data(), k.t.data(), g.q, WIDEFP_RNDZ);
            widefp_rnd_prec(R + (i * g.len + j) * g.w, g.p, k.acc.data(), g.q, g.mode);
        }
    }
}

// k.m = the sum of group i at q words, each step toward zero; whether it is
// an exact zero made of -0 terms only (or, toward -Inf, of any terms not
// all +0), as a sum signs its zeros.
bool group_sum(const Groups &g, uint64_t i, Work &k, int mode) {
    std::fill(k.m.begin(), k.m.end(), 0);
    bool all_plus = true, all_minus = true;
    wr::rnd::domain_text() = kInfMinusInf;
    for (uint64_t j = 0; j < g.len; ++j) {
        const uint64_t *x = g.at(i, j);
        if (!is_zero(x) || (x[0] & kSign)) all_plus = false;
        if (!is_zero(x) || !(x[0] & kSign)) all_minus = false;
        wr::rnd::widen(k.t.data(), g.q, x, g.p);
        widefp_rnd_add(k.m.data(), k.m.data(), k.t.data(), g.q, WIDEFP_RNDZ);
    }
    return mode == WIDEFP_RNDD ? !all_plus : all_minus;
}

void mean(const Call &c, mxArray *plhs[]) {
    const Groups g = groups(c, 6);
    if (g.len == 0 && g.count > 0) c.args().fail("widefp:domain", "mean: an empty set has no mean");
    uint64_t *R = wr::rnd::new_result(plhs, 0, g.p, g.count);
    Work k(g.q);
    widefp_float_dtowr(k.n.data(), static_cast<double>(g.len), g.q);
    for (uint64_t i = 0; i < g.count; ++i) {
        const bool minus = group_sum(g, i, k, g.mode);
        uint64_t *y = R + i * g.w;
        if (is_zero(k.m.data())) {
            y[0] = minus ? kSign : 0;
            continue;
        }
        make_odd(k.acc.data(), g.q, widefp_rnd_div(k.acc.data(), k.m.data(), k.n.data(), g.q, WIDEFP_RNDZ));
        widefp_rnd_prec(y, g.p, k.acc.data(), g.q, g.mode);
    }
}

// Variance (root false) or standard deviation (root true) of each group,
// normalised by len - 1 + w (by 1 for a single element).
void spread(const Call &c, mxArray *plhs[], bool root) {
    const Groups g = groups(c, 7);
    const char *name = root ? "std" : "var";
    const uint64_t wflag = c.count_arg(6, "w", 0, 1);
    if (g.len == 0 && g.count > 0) c.args().fail("widefp:domain", "%s: an empty set has no %s", name,
                                                 root ? "standard deviation" : "variance");
    for (uint64_t i = 0; i < g.len * g.count; ++i)
        if (!finite(g.X + i * g.w))
            c.args().fail("widefp:domain", "%s: element %llu is infinite, the spread has no value", name,
                          static_cast<unsigned long long>(i + 1));
    uint64_t *R = wr::rnd::new_result(plhs, 0, g.p, g.count);
    if (g.len < 2) return;  // +0
    Work k(g.q);
    const uint64_t q = g.q;
    for (uint64_t i = 0; i < g.count; ++i) {
        group_sum(g, i, k, WIDEFP_RNDZ);
        widefp_float_dtowr(k.n.data(), static_cast<double>(g.len), q);
        widefp_rnd_div(k.m.data(), k.m.data(), k.n.data(), q, WIDEFP_RNDZ);  // the mean
        std::fill(k.acc.begin(), k.acc.end(), 0);
        for (uint64_t j = 0; j < g.len; ++j) {
            wr::rnd::widen(k.t.data(), q, g.at(i, j), g.p);
            widefp_rnd_sub(k.t.data(), k.t.data(), k.m.data(), q, WIDEFP_RNDZ);
            widefp_rnd_mul(k.t.data(), k.t.data(), k.t.data(), q, WIDEFP_RNDZ);
            widefp_rnd_add(k.acc.data(), k.acc.data(), k.t.data(), q, WIDEFP_RNDZ);
        }
        uint64_t *y = R + i * g.w;
        if (is_zero(k.acc.data())) continue;  // +0
        widefp_float_dtowr(k.n.data(), static_cast<double>(g.len - 1 + wflag), q);
        int t = widefp_rnd_div(k.t.data(), k.acc.data(), k.n.data(), q, WIDEFP_RNDZ);
        if (root) t = widefp_rnd_sqrt(k.t.data(), k.t.data(), q, WIDEFP_RNDZ) | t;
        make_odd(k.t.data(), q, t);
        widefp_rnd_prec(y, g.p, k.t.data(), q, g.mode);
    }
}

// The operation named by the first argument; a failed allocation of the
// working arrays becomes an Octave error, never an exception leaving the
// plug-in.
void run(mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    const Call c("wr_stats", nrhs, prhs, 6, 7);
    const char *op = c.op();
    if (std::strcmp(op, "cumprod") == 0) return cumprod(c, plhs);
    if (std::strcmp(op, "mean") == 0) return mean(c, plhs);
    if (std::strcmp(op, "var") == 0) return spread(c, plhs, false);
    if (std::strcmp(op, "std") == 0) return spread(c, plhs, true);
    c.unknown_op();
}

}  // namespace

extern "C" void mexFunction(int, mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    try {
        run(plhs, nrhs, prhs);
    } catch (const std::bad_alloc &) {
        wr::detail::raise("widefp:memory", "wr_stats: no memory for the working arrays");
    }
}
