// eig_sym.cpp -- eigenvalues and eigenvectors of a real symmetric matrix:
// Householder tridiagonalisation (inner products and updates accumulated one
// word wider), the transposed orthogonal factor formed from the reflections,
// implicitly shifted QR sweeps with Wilkinson's shift and plane rotations,
// then the values sorted ascending.  The symmetric-definite pencil (A, B)
// goes through the Cholesky factor R of B: C = R^-T A R^-1, x = R^-1 y.
#include "householder.h"
#include "wide.h"

using namespace widefp::linalg;

namespace {

constexpr uint64_t kScratch = 16;  // named scratch elements, p+2 words each

// One decomposition: sizes, arrays, scratch.  Indices are signed for the
// loops that run down to 0.
struct Eig {
    uint64_t p, w, ww;  // precision, words of an element, words of a wide element
    int64_t n;
    Matrix a;           // the matrix by rows, its strict lower triangle destroyed
    uint64_t *d, *e;    // diagonal (the caller's values), off-diagonal
    uint64_t *z;        // Z = V^T by rows (the caller's V), or null
    uint64_t *vb, *pb;  // the reflection vector and A v, contiguous
    uint64_t *acc;      // n accumulators at p+1
    uint64_t *t, *t2, *t3, *r, *c, *s, *x, *g, *mu, *eps, *one, *c2, *s2, *cs, *u1, *u2;
    uint64_t *sq;       // the square root's work at p+1

    uint64_t *D(int64_t i) const { return d + i * w; }
    uint64_t *E(int64_t i) const { return e + i * w; }
    uint64_t *Z(int64_t i, int64_t j) const { return z + (i * n + j) * w; }
    uint64_t *VB(int64_t i) const { return vb + i * w; }
    uint64_t *PB(int64_t i) const { return pb + i * w; }
    uint64_t *ACC(int64_t i) const { return acc + i * ww; }
    void add(uint64_t *z_, const uint64_t *x_, const uint64_t *y_) const { widefp_float_add(z_, x_, y_, p); }
    void sub(uint64_t *z_, const uint64_t *x_, const uint64_t *y_) const { widefp_float_sub(z_, x_, y_, p); }
    void mul(uint64_t *z_, const uint64_t *x_, const uint64_t *y_) const { widefp_float_mul(z_, x_, y_, p); }
    void div(uint64_t *z_, const uint64_t *x_, const uint64_t *y_) const { widefp_float_div(z_, x_, y_, p); }
    bool lt(const uint64_t *x_, const uint64_t *y_) const { return widefp_float_lt(x_, y_, p) != 0; }
    void clear_wide(uint64_t *x_) const { std::memset(x_, 0, ww * sizeof(uint64_t)); }

    void tridiagonalise();
    void form_z();
    bool negligible(int64_t k) const;
    void rotation(const uint64_t *f, const uint64_t *h) const;
    void sweep(int64_t l, int64_t m);
    void sort();
};

// x / 2, exactly (the exponent range is never left here).
void halve(uint64_t *x) {
    if (!is_zero(x)) --x[0];
}

// Step k: the reflection of column k below the diagonal (its vector kept
// there, first entry in [1, 2]; all zero when the column is) turns A into
// H A H on rows and columns k+1..n-1: with p = A v / v0, K = v.p / (2 v0)
// and w = p - K v, A -= v w^T + w v^T on and below the diagonal.
void Eig::tridiagonalise() {
    for (int64_t k = 0; k + 2 < n; ++k) {
        const int64_t m = n - k - 1;
        copy(D(k), a(k, k), p);
        Vec x = column(a, k + 1, k);
        clear_wide(r);
        for (int64_t i = 0; i < m; ++i) wide_fma(r, x[i], x[i], false, p, t);
        widefp_float_sqrt(t, r, p + 1, sq);
        narrow(E(k), t, p);
        if (is_zero(E(k))) {
            set_zero(E(k), p);
            for (int64_t i = 0; i < m; ++i) set_zero(x[i], p);
            continue;
        }
        house_vector(x, static_cast<uint64_t>(m), E(k), true, p, one);
        negate(E(k));
        for (int64_t i = 0; i < m; ++i) {
            copy(VB(i), x[i], p);
            clear_wide(ACC(i));
        }
        // A v from the lower triangle, each entry used for both its places
        for (int64_t i = 0; i < m; ++i) {
            const uint64_t *row = a(k + 1 + i, k + 1);
            for (int64_t j = 0; j < i; ++j) {
                wide_fma(ACC(i), row + j * w, VB(j), false, p, t);
                wide_fma(ACC(j), row + j * w, VB(i), false, p, t);
            }
            wide_fma(ACC(i), row + i * w, VB(i), false, p, t);
        }
        for (int64_t i = 0; i < m; ++i) {
            narrow(PB(i), ACC(i), p);
            div(PB(i), PB(i), VB(0));
        }
        clear_wide(r);
        for (int64_t i = 0; i < m; ++i) wide_fma(r, VB(i), PB(i), false, p, t);
        narrow(g, r, p);
        div(g, g, VB(0));
        halve(g);
        for (int64_t i = 0; i < m; ++i) {  // w = p - K v, in place of p
            mul(t, g, VB(i));
            sub(PB(i), PB(i), t);
        }
        for (int64_t i = 0; i < m; ++i) {
            uint64_t *row = a(k + 1 + i, k + 1);
            for (int64_t j = 0; j <= i; ++j) {
                widen1(r, row + j * w, p);
                wide_fma(r, VB(i), PB(j), true, p, t);
                wide_fma(r, PB(i), VB(j), true, p, t);
                narrow(row + j * w, r, p);
            }
        }
    }
    if (n >= 2) {
        copy(D(n - 2), a(n - 2, n - 2), p);
        copy(E(n - 2), a(n - 1, n - 2), p);
    }
    copy(D(n - 1), a(n - 1, n - 1), p);
    set_zero(E(n - 1), p);
}

// Z = Q^T = H_{n-3} ... H_0, as I H_{n-3} ... H_0: reflection k changes
// rows and columns k+1..n-1 only (the rows above are still those of I).
void Eig::form_z() {
    std::memset(z, 0, static_cast<uint64_t>(n * n) * w * sizeof(uint64_t));
    for (int64_t i = 0; i < n; ++i) set_one(Z(i, i), p);
    for (int64_t k = n - 3; k >= 0; --k) {
        if (is_zero(a(k + 1, k))) continue;
        const int64_t m = n - k - 1;
        for (int64_t i = 0; i < m; ++i) copy(VB(i), a(k + 1 + i, k), p);
        for (int64_t i = k + 1; i < n; ++i) {
            uint64_t *row = Z(i, k + 1);
            clear_wide(r);
            for (int64_t j = 0; j < m; ++j) wide_fma(r, row + j * w, VB(j), false, p, t);
            narrow(g, r, p);
            div(g, g, VB(0));
            for (int64_t j = 0; j < m; ++j) {
                mul(t, g, VB(j));
                sub(row + j * w, row + j * w, t);
            }
        }
    }
}

// |e[k]| <= 2^-64p (|d[k]| + |d[k+1]|).
bool Eig::negligible(int64_t k) const {
    if (is_zero(E(k))) return true;
    copy_abs(t, D(k), p);
    copy_abs(t2, D(k + 1), p);
    add(t, t, t2);
    mul(t, eps, t);
    copy_abs(t2, E(k), p);
    return !lt(t, t2);
}

// The rotation taking (f, h) to (r, 0): r = sqrt(f^2 + h^2) formed at p+1
// and truncated, c = f/r, s = h/r (c = 1, s = 0 when both are zero).
void Eig::rotation(const uint64_t *f, const uint64_t *h) const {
    wide_mul(u1, f, f, p);
    wide_mul(u2, h, h, p);
    widefp_float_add(u1, u1, u2, p + 1);
    if (is_zero(u1)) {
        set_zero(r, p);
        set_one(c, p);
        set_zero(s, p);
        return;
    }
    widefp_float_sqrt(u2, u1, p + 1, sq);
    narrow(r, u2, p);
    div(c, f, r);
    div(s, h, r);
}

// One implicit QR sweep on the unreduced block l..m with the eigenvalue of
// the trailing 2 x 2 block nearer to d[m] as the shift: rotations of rows
// and columns (k, k+1) chase the bulge down; Z's rows take the same ones.
void Eig::sweep(int64_t l, int64_t m) {
    // mu = d[m] - b^2 / (delta + sign(delta) sqrt(delta^2 + b^2)),
    // delta = (d[m-1] - d[m]) / 2, b = e[m-1]
    sub(x, D(m - 1), D(m));
    halve(x);
    rotation(x, E(m - 1));  // r = sqrt(delta^2 + b^2) > 0
    if (x[0] & kSignBit) negate(r);
    add(t, x, r);
    mul(t2, E(m - 1), E(m - 1));
    div(t2, t2, t);
    sub(mu, D(m), t2);
    sub(x, D(l), mu);
    copy(g, E(l), p);
    for (int64_t k = l; k < m; ++k) {
        rotation(x, g);
        if (k > l) copy(E(k - 1), r, p);
        mul(c2, c, c);
        mul(s2, s, s);
        mul(cs, c, s);
        mul(t, cs, E(k));
        add(t, t, t);  // 2 c s b
        sub(t3, D(k + 1), D(k));
        mul(t3, cs, t3);  // c s (a1 - a0)
        // d[k] = c^2 a0 + s^2 a1 + 2 c s b, d[k+1] = s^2 a0 + c^2 a1 - 2 c s b
        mul(u1, c2, D(k));
        mul(u2, s2, D(k + 1));
        add(u1, u1, u2);
        mul(u2, s2, D(k));
        mul(t2, c2, D(k + 1));
        add(u2, u2, t2);
        add(D(k), u1, t);
        sub(D(k + 1), u2, t);
        // e[k] = c s (a1 - a0) + (c^2 - s^2) b
        sub(t2, c2, s2);
        mul(t2, t2, E(k));
        add(E(k), t3, t2);
        if (k + 1 < m) {
            mul(g, s, E(k + 1));
            mul(E(k + 1), c, E(k + 1));
            copy(x, E(k), p);
        }
        if (z) {
            uint64_t *zk = Z(k, 0), *zk1 = Z(k + 1, 0);
            for (int64_t j = 0; j < n; ++j, zk += w, zk1 += w) {
                mul(u1, c, zk);
                mul(u2, s, zk1);
                mul(t2, c, zk1);
                mul(t3, s, zk);
                add(zk, u1, u2);
                sub(zk1, t2, t3);
            }
        }
    }
}

// Values ascending, Z's rows with them (selection: n swaps at most).
void Eig::sort() {
    for (int64_t i = 0; i + 1 < n; ++i) {
        int64_t lo = i;
        for (int64_t j = i + 1; j < n; ++j)
            if (lt(D(j), D(lo))) lo = j;
        if (lo == i) continue;
        swap_elements(D(i), D(lo), p);
        if (z)
            for (int64_t j = 0; j < n; ++j) swap_elements(Z(i, j), Z(lo, j), p);
    }
}

// Column j of V (n x n by rows) times -1 when its entry of largest
// magnitude (the first of them) is negative.
void sign_columns(uint64_t *V, uint64_t n, uint64_t p, uint64_t *t, uint64_t *best) {
    const Matrix v{V, n, p + 1};
    for (uint64_t j = 0; j < n; ++j) {
        uint64_t at = 0;
        copy_abs(best, v(0, j), p);
        for (uint64_t i = 1; i < n; ++i) {
            copy_abs(t, v(i, j), p);
            if (widefp_float_lt(best, t, p)) {
                copy(best, t, p);
                at = i;
            }
        }
        if (negative_nonzero(v(at, j)))
            for (uint64_t i = 0; i < n; ++i)
                if (!is_zero(v(i, j))) negate(v(i, j));
    }
}

}  // namespace

// Bound on the sweeps spent on one eigenvalue.  Wilkinson's shift makes the
// last off-diagonal entry converge (globally, and cubically once small: a
// handful of sweeps reach the 64p bits the relative test asks for); even one
// bit per sweep would finish within 64p + 64 sweeps, and twice that plus
// 1000 only stops an iteration that stalled.
extern "C" uint64_t widefp_matrix_eig_sym_sweep_bound(uint64_t p) { return 2 * (64 * p + 64) + 1000; }

// Work: e, the reflection vector and A v (n elements each), n accumulators
// and the named scratch at p+1, then the square root's work at p+1.
extern "C" uint64_t widefp_matrix_eig_sym_work_size(uint64_t n, uint64_t p) {
    if (n > UINT64_MAX / 8 || p > UINT64_MAX / 16) return UINT64_MAX;
    return add_words(add_words(words_for(3 * n, p), words_for(n + kScratch, p + 1)), wide_sqrt_words(p));
}

extern "C" int widefp_matrix_eig_sym(uint64_t *d, uint64_t *V, uint64_t *sweeps, uint64_t *A, uint64_t n, int vflag,
                                     uint64_t max_sweeps, uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && n <= kMaxCount && (!vflag || V));
    if (sweeps) sweeps[0] = sweeps[1] = 0;
    if (n == 0) return 0;
    std::memset(work, 0, widefp_matrix_eig_sym_work_size(n, p) * sizeof(uint64_t));
    Eig q;
    q.p = p;
    q.w = p + 1;
    q.ww = p + 2;
    q.n = static_cast<int64_t>(n);
    q.a = Matrix{A, n, q.w};
    q.d = d;
    q.z = vflag ? V : nullptr;
    q.e = work;
    q.vb = q.e + n * q.w;
    q.pb = q.vb + n * q.w;
    q.acc = q.pb + n * q.w;
    uint64_t *named = q.acc + n * q.ww;
    uint64_t **slots[kScratch] = {&q.t, &q.t2, &q.t3, &q.r,   &q.c,   &q.s,  &q.x,  &q.g,
                                  &q.mu, &q.eps, &q.one, &q.c2, &q.s2, &q.cs, &q.u1, &q.u2};
    for (uint64_t i = 0; i < kScratch; ++i) *slots[i] = named + i * q.ww;
    q.sq = named + kScratch * q.ww;
    q.eps[0] = kOne - 64 * p;  // 2^-64p
    set_one(q.one, p);

    q.tridiagonalise();
    if (q.z) q.form_z();

    uint64_t count = 0;
    for (int64_t m = q.n - 1; m > 0;) {
        if (q.negligible(m - 1)) {  // d[m] has converged
            set_zero(q.E(m - 1), p);
            --m;
            count = 0;
            continue;
        }
        int64_t l = m - 1;
        while (l > 0 && !q.negligible(l - 1)) --l;
        if (l > 0) set_zero(q.E(l - 1), p);
        if (count >= max_sweeps) return 1;
        q.sweep(l, m);
        ++count;
        if (sweeps) {
            if (count > sweeps[0]) sweeps[0] = count;
            ++sweeps[1];
        }
    }
    q.sort();
    if (q.z) {
        for (uint64_t i = 0; i < n; ++i)  // V = Z^T
            for (uint64_t j = i + 1; j < n; ++j) swap_elements(q.Z(i, j), q.Z(j, i), p);
        sign_columns(V, n, p, q.t, q.t2);
    }
    return 0;
}

// Work: the Cholesky factorisation's or the eigenproblem's, and an
// accumulator with its product at p+1 for the substitutions.
extern "C" uint64_t widefp_matrix_eig_sym_gen_work_size(uint64_t n, uint64_t p) {
    const uint64_t a = widefp_matrix_eig_sym_work_size(n, p), b = widefp_matrix_chol_work_size(p);
    return add_words(a > b ? a : b, words_for(2, p + 1));
}

namespace {

// M = R^-T M (R upper triangular, n x n by rows): row i becomes
// (M_i - sum over k < i of R(k, i) M_k) / R(i, i), accumulated at p+1.
void forward_rt(const Matrix &m, const Matrix &rr, uint64_t n, uint64_t p, uint64_t *acc, uint64_t *t) {
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t j = 0; j < n; ++j) {
            widen1(acc, m(i, j), p);
            for (uint64_t k = 0; k < i; ++k) wide_fma(acc, rr(k, i), m(k, j), true, p, t);
            narrow(acc, acc, p);
            widefp_float_div(m(i, j), acc, rr(i, i), p);
        }
}

}  // namespace

extern "C" int widefp_matrix_eig_sym_gen(uint64_t *d, uint64_t *V, uint64_t *sweeps, uint64_t *A, uint64_t *B,
                                         uint64_t n, int vflag, uint64_t max_sweeps, uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && n <= kMaxCount && (!vflag || V));
    if (sweeps) sweeps[0] = sweeps[1] = 0;
    if (n == 0) return 0;
    const uint64_t w = p + 1;
    uint64_t *acc = work, *t = work + (p + 2), *rest = work + 2 * (p + 2);
    if (widefp_matrix_chol(B, n, p, rest) != 0) return 2;
    const Matrix a{A, n, w}, r{B, n, w};
    forward_rt(a, r, n, p, acc, t);  // X = R^-T A
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t j = i + 1; j < n; ++j) swap_elements(a(i, j), a(j, i), p);
    forward_rt(a, r, n, p, acc, t);  // C = R^-T X^T = R^-T A R^-1
    const int status = widefp_matrix_eig_sym(d, V, sweeps, A, n, vflag, max_sweeps, p, rest);
    if (status != 0 || !vflag) return status;
    // x = R^-1 y: row i of V becomes (V_i - sum over k > i of R(i, k) V_k) / R(i, i)
    const Matrix v{V, n, w};
    for (uint64_t i = n; i-- > 0;)
        for (uint64_t j = 0; j < n; ++j) {
            widen1(acc, v(i, j), p);
            for (uint64_t k = i + 1; k < n; ++k) wide_fma(acc, r(i, k), v(k, j), true, p, t);
            narrow(acc, acc, p);
            widefp_float_div(v(i, j), acc, r(i, i), p);
        }
    sign_columns(V, n, p, acc, t);
    return 0;
}
