// wr_rnd_reduce -- sums, products, running sums, dot and matrix products and
// 2-norms accumulated with two extra words and rounded once, each returning
// a new array: R = wr_rnd_reduce(op, mode, p, X, ...).
//
// The terms are widened to q = p+2 words (at most 1023, the library's
// limit) and accumulated there, every step rounded toward zero; each result
// element is then rounded once to p words in the mode.  With u = 2^(-64q)
// the accumulated value of n terms t_i lies within (n-1) u / (1 - (n-1) u)
// times sum |t_i| of the exact one (a dot product: n u / (1 - n u) times
// sum |x_i y_i|), inside the exponent range.  An exact zero result has the
// sign IEEE arithmetic gives it: -0 when every term is -0, or, rounding
// toward -infinity, when any term is not +0.  Nothing is written into an
// argument.
#include <vector>

#include "wr_rnd_common.h"

namespace {

using wr::rnd::Call;
using Words = std::vector<uint64_t>;

using namespace wr::rnd::format;


// Which signed zeros the terms of one accumulation were.
struct ZeroSigns {
    bool all_plus = true, all_minus = true;  // every term +0 (-0); true when there is none
    bool any = false;
    void add(bool is_zero, bool negative) {
        any = true;
        if (!is_zero || negative) all_plus = false;
        if (!is_zero || !negative) all_minus = false;
    }
    bool minus(int mode) const { return mode == WIDEFP_RNDD ? !all_plus : any && all_minus; }
};

// y (precision p) = the accumulator acc (precision q) rounded, an exact zero
// signed by the terms.
void finish(uint64_t *y, uint64_t p, const uint64_t *acc, uint64_t q, int mode, const ZeroSigns &z) {
    if (is_zero(acc)) {
        std::memset(y, 0, (p + 1) * sizeof(uint64_t));
        y[0] = z.minus(mode) ? kSign : 0;
        return;
    }
    widefp_rnd_prec(y, p, acc, q, mode);
}

// Accumulation of one group at q words.
class Acc {
public:
    explicit Acc(uint64_t q) : q_(q), acc_(q + 1), t_(q + 1), u_(q + 1) {}
    void clear() {
        std::fill(acc_.begin(), acc_.end(), 0);
        z_ = ZeroSigns{};
    }
    void one() {
        clear();
        acc_[0] = kBias;
    }
    // acc += x (precision p)
    void add(const uint64_t *x, uint64_t p) {
        wr::rnd::widen(t_.data(), q_, x, p);
        z_.add(is_zero(x), x[0] & kSign);
        wr::rnd::domain_text() = kInfMinusInf;
        widefp_rnd_add(acc_.data(), acc_.data(), t_.data(), q_, WIDEFP_RNDZ);
    }
    // acc *= x
    void mul(const uint64_t *x, uint64_t p) {
        wr::rnd::widen(t_.data(), q_, x, p);
        wr::rnd::domain_text() = kZeroTimesInf;
        widefp_rnd_mul(acc_.data(), acc_.data(), t_.data(), q_, WIDEFP_RNDZ);
    }
    // acc += x * y
    void add_product(const uint64_t *x, const uint64_t *y, uint64_t p) {
        wr::rnd::widen(t_.data(), q_, x, p);
        wr::rnd::widen(u_.data(), q_, y, p);
        wr::rnd::domain_text() = kZeroTimesInf;
        widefp_rnd_mul(t_.data(), t_.data(), u_.data(), q_, WIDEFP_RNDZ);
        z_.add(is_zero(t_.data()), t_[0] & kSign);
        wr::rnd::domain_text() = kInfMinusInf;
        widefp_rnd_add(acc_.data(), acc_.data(), t_.data(), q_, WIDEFP_RNDZ);
    }
    void round(uint64_t *y, uint64_t p, int mode) const { finish(y, p, acc_.data(), q_, mode, z_); }
    void round_product(uint64_t *y, uint64_t p, int mode) const { widefp_rnd_prec(y, p, acc_.data(), q_, mode); }
    // y = sqrt(acc) rounded: the root at q toward zero, its last bit set when
    // inexact (rounding to odd), then rounded to p, so that the root of the
    // accumulated value is rounded once.
    void round_root(uint64_t *y, uint64_t p, int mode) {
        const int t = widefp_rnd_sqrt(t_.data(), acc_.data(), q_, WIDEFP_RNDZ);
        if (t != 0 && !is_zero(t_.data()) && finite(t_.data())) t_[q_] |= 1;
        widefp_rnd_prec(y, p, t_.data(), q_, mode);
    }

private:
    uint64_t q_;
    Words acc_, t_, u_;
    ZeroSigns z_;
};

// (op, mode, p, X, len, count): count groups of len consecutive elements.
struct Groups {
    int mode;
    uint64_t p, len, count;
    const uint64_t *X;
};
Groups groups(const Call &c) {
    if (c.count() != 6) c.args().fail("widefp:nargin", "%s takes (op, mode, p, X, len, count)", c.op());
    Groups g;
    g.mode = c.mode();
    g.p = c.precision(2);
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

void sum(const Call &c, mxArray *plhs[], bool running) {
    const Groups g = groups(c);
    const uint64_t w = g.p + 1;
    uint64_t *R = wr::rnd::new_result(plhs, 0, g.p, running ? g.len * g.count : g.count);
    Acc acc(wr::rnd::wide(g.p));
    for (uint64_t i = 0; i < g.count; ++i) {
        acc.clear();
        for (uint64_t j = 0; j < g.len; ++j) {
            acc.add(g.X + (i * g.len + j) * w, g.p);
            if (running) acc.round(R + (i * g.len + j) * w, g.p, g.mode);
        }
        if (!running) acc.round(R + i * w, g.p, g.mode);
    }
}

void prod(const Call &c, mxArray *plhs[]) {
    const Groups g = groups(c);
    const uint64_t w = g.p + 1;
    uint64_t *R = wr::rnd::new_result(plhs, 0, g.p, g.count);
    Acc acc(wr::rnd::wide(g.p));
    for (uint64_t i = 0; i < g.count; ++i) {
        acc.one();
        for (uint64_t j = 0; j < g.len; ++j) acc.mul(g.X + (i * g.len + j) * w, g.p);
        acc.round_product(R + i * w, g.p, g.mode);
    }
}

void norm2(const Call &c, mxArray *plhs[]) {
    const Groups g = groups(c);
    const uint64_t w = g.p + 1;
    uint64_t *R = wr::rnd::new_result(plhs, 0, g.p, g.count);
    Acc acc(wr::rnd::wide(g.p));
    for (uint64_t i = 0; i < g.count; ++i) {
        acc.clear();
        for (uint64_t j = 0; j < g.len; ++j) {
            const uint64_t *x = g.X + (i * g.len + j) * w;
            acc.add_product(x, x, g.p);
        }
        acc.round_root(R + i * w, g.p, g.mode);
    }
}

// (op, mode, p, X, Y, len, count): count dot products of groups of len.
void dot(const Call &c, mxArray *plhs[]) {
    if (c.count() != 7) c.args().fail("widefp:nargin", "dot takes (op, mode, p, X, Y, len, count)");
    const int mode = c.mode();
    const uint64_t p = c.precision(2);
    const uint64_t len = c.count_arg(5, "len");
    const uint64_t count = c.count_arg(6, "count");
    uint64_t nx, ny;
    const uint64_t *X = c.elements(3, p, &nx, "X");
    const uint64_t *Y = c.elements(4, p, &ny, "Y");
    if (nx != ny || static_cast<unsigned __int128>(len) * count != nx)
        c.args().fail("widefp:size", "X and Y must both hold len*count elements");
    const uint64_t w = p + 1;
    uint64_t *R = wr::rnd::new_result(plhs, 0, p, count);
    Acc acc(wr::rnd::wide(p));
    for (uint64_t i = 0; i < count; ++i) {
        acc.clear();
        for (uint64_t j = 0; j < len; ++j) acc.add_product(X + (i * len + j) * w, Y + (i * len + j) * w, p);
        acc.round(R + i * w, p, mode);
    }
}

// (op, mode, p, A, B, m, k, n): C = A*B, all three by columns as Octave
// keeps them.  Finite operands go through the library's product kernel at
// q words (each step truncated, as the loop below), the others through the
// loop, which meets 0 * Inf and Inf - Inf as domain errors.
void matmul(const Call &c, mxArray *plhs[]) {
    if (c.count() != 8) c.args().fail("widefp:nargin", "matmul takes (op, mode, p, A, B, m, k, n)");
    const int mode = c.mode();
    const uint64_t p = c.precision(2);
    const uint64_t m = c.count_arg(5, "m"), k = c.count_arg(6, "k"), n = c.count_arg(7, "n");
    uint64_t na, nb;
    const uint64_t *A = c.elements(3, p, &na, "A");
    const uint64_t *B = c.elements(4, p, &nb, "B");
    if (static_cast<unsigned __int128>(m) * k != na || static_cast<unsigned __int128>(k) * n != nb)
        c.args().fail("widefp:size", "A must hold m*k elements and B k*n");
    const unsigned __int128 mn = static_cast<unsigned __int128>(m) * n;
    if (mn > wr::max_count) c.args().fail("widefp:size", "the product has more than 2^31-1 elements");
    const uint64_t w = p + 1, q = wr::rnd::wide(p), wq = q + 1;
    uint64_t *C = wr::rnd::new_result(plhs, 0, p, m * n);
    if (m * n == 0) return;
    bool all_finite = true;
    for (uint64_t i = 0; i < na && all_finite; ++i) all_finite = finite(A + i * w);
    for (uint64_t i = 0; i < nb && all_finite; ++i) all_finite = finite(B + i * w);
    if (!all_finite || k == 0) {
        Acc acc(q);
        for (uint64_t j = 0; j < n; ++j)
            for (uint64_t i = 0; i < m; ++i) {
                acc.clear();
                for (uint64_t l = 0; l < k; ++l) acc.add_product(A + (l * m + i) * w, B + (j * k + l) * w, p);
                acc.round(C + (j * m + i) * w, p, mode);
            }
        return;
    }
    Words Aq(wr::element_words(na, q)), Bq(wr::element_words(nb, q)), Cq(wr::element_words(m * n, q)),
        work(widefp_matrix_mul_work_size(q));
    for (uint64_t i = 0; i < m; ++i)  // A by rows
        for (uint64_t l = 0; l < k; ++l) wr::rnd::widen(Aq.data() + (i * k + l) * wq, q, A + (l * m + i) * w, p);
    for (uint64_t i = 0; i < nb; ++i) wr::rnd::widen(Bq.data() + i * wq, q, B + i * w, p);
    widefp_matrix_mul(Cq.data(), Aq.data(), Bq.data(), m, k, n, q, work.data());
    for (uint64_t j = 0; j < n; ++j)
        for (uint64_t i = 0; i < m; ++i) {
            const uint64_t *e = Cq.data() + (j * m + i) * wq;
            if (!is_zero(e)) {
                widefp_rnd_prec(C + (j * m + i) * w, p, e, q, mode);
                continue;
            }
            ZeroSigns z;  // an exact zero: the signs of its products
            for (uint64_t l = 0; l < k; ++l) {
                const uint64_t *a = A + (l * m + i) * w, *b = B + (j * k + l) * w;
                z.add(is_zero(a) || is_zero(b), (a[0] ^ b[0]) & kSign);
            }
            finish(C + (j * m + i) * w, p, e, q, mode, z);
        }
}

}  // namespace

extern "C" void mexFunction(int, mxArray *plhs[], int nrhs, const mxArray *prhs[]) {
    const Call c("wr_rnd_reduce", nrhs, prhs, 6, 8);
    const char *op = c.op();
    if (std::strcmp(op, "sum") == 0) return sum(c, plhs, false);
    if (std::strcmp(op, "cumsum") == 0) return sum(c, plhs, true);
    if (std::strcmp(op, "prod") == 0) return prod(c, plhs);
    if (std::strcmp(op, "norm2") == 0) return norm2(c, plhs);
    if (std::strcmp(op, "dot") == 0) return dot(c, plhs);
    if (std::strcmp(op, "matmul") == 0) return matmul(c, plhs);
    c.unknown_op();
}
