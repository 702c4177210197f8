// svd.cpp -- singular value decomposition: Householder bidiagonalisation,
// forming of U and V, implicitly shifted QR sweeps with plane rotations,
// then signs made non-negative and the values sorted.  Truncating.
#include <algorithm>

#include "householder.h"

using namespace widefp::linalg;

namespace {

constexpr uint64_t kScratch = 20;  // named scratch elements of one decomposition

// One decomposition: the sizes, the arrays and the scratch, with one member
// per step.  Indices are signed: hr and the loops down to 0 need it.
struct Svd {
    uint64_t p, w;
    int64_t m, n, cu, hc, hr, q;
    Matrix a, u, v;
    uint64_t *s, *e, *rows;  // rows: one element per row of A
    bool uflag, vflag;
    uint64_t *t, *t2, *t3, *f, *g, *cs, *sn, *eps, *one, *zero, *scale, *r, *sp, *spm1, *epm1, *sk, *ek, *b,
        *shift, *c;
    uint64_t *sq;  // the square root's work

    uint64_t *S(int64_t i) const { return s + i * w; }
    uint64_t *E(int64_t i) const { return e + i * w; }
    uint64_t *W(int64_t i) const { return rows + i * w; }
    void add(uint64_t *z, const uint64_t *x, const uint64_t *y) const { widefp_float_add(z, x, y, p); }
    void sub(uint64_t *z, const uint64_t *x, const uint64_t *y) const { widefp_float_sub(z, x, y, p); }
    void mul(uint64_t *z, const uint64_t *x, const uint64_t *y) const { widefp_float_mul(z, x, y, p); }
    void div(uint64_t *z, const uint64_t *x, const uint64_t *y) const { widefp_float_div(z, x, y, p); }
    bool lt(const uint64_t *x, const uint64_t *y) const { return widefp_float_lt(x, y, p) != 0; }

    void bidiagonalise();
    void final_bidiagonal();
    void form_u();
    void form_v();
    int64_t negligible_super(int64_t q) const;
    int64_t negligible_diag(int64_t k, int64_t q) const;
    void deflate(int64_t k, int64_t q);
    void split(int64_t k, int64_t q);
    void qr_sweep(int64_t k, int64_t q);
    void fix_sign_and_sort(int64_t k, int64_t qq);
    void rotate(const Matrix &mat, int64_t nrows, int64_t x, int64_t y) const;
    void rotation(const uint64_t *x, const uint64_t *y) const;
    bool negligible(const uint64_t *x, uint64_t *y) const;
};

// Column reflections k < hc zero A below the diagonal; row reflections k < hr
// zero row k right of the superdiagonal.  The column vectors are copied into
// U, the row vectors into V, for forming them later.
void Svd::bidiagonalise() {
    const int64_t kend = hc > hr ? hc : hr;
    for (int64_t k = 0; k < kend; ++k) {
        if (k < hc) {
            house_norm(S(k), column(a, k, k), m - k, p, t, t2, sq);
            house_vector(column(a, k, k), m - k, S(k), true, p, one);
            negate(S(k));
        }
        for (int64_t j = k + 1; j < n; ++j) {
            if (k < hc && !is_zero(S(k))) house_apply(column(a, k, k), column(a, k, j), m - k, p, t, t2);
            copy(E(j), a(k, j), p);
        }
        if (uflag && k < hc)
            for (int64_t i = k; i < m; ++i) copy(u(i, k), a(i, k), p);
        if (k < hr) {
            house_norm(E(k), run(E(k + 1), p), n - k - 1, p, t, t2, sq);
            house_vector(run(E(k + 1), p), n - k - 1, E(k), true, p, one);
            negate(E(k));
            if (k + 1 < m && !is_zero(E(k))) {
                for (int64_t i = k + 1; i < m; ++i) set_zero(W(i), p);
                for (int64_t j = k + 1; j < n; ++j)
                    for (int64_t i = k + 1; i < m; ++i) {
                        mul(t2, E(j), a(i, j));
                        add(W(i), W(i), t2);
                    }
                for (int64_t j = k + 1; j < n; ++j) {
                    div(t, E(j), E(k + 1));
                    negate(t);
                    for (int64_t i = k + 1; i < m; ++i) {
                        mul(t2, t, W(i));
                        add(a(i, j), a(i, j), t2);
                    }
                }
            }
            if (vflag)
                for (int64_t i = k + 1; i < n; ++i) copy(v(i, k), E(i), p);
        }
    }
}

// The bidiagonal matrix of order q: diagonal s, superdiagonal e.
void Svd::final_bidiagonal() {
    if (hc < n) copy(S(hc), a(hc, hc), p);
    if (m < q) set_zero(S(q - 1), p);
    if (hr + 1 < q) copy(E(hr), a(hr, q - 1), p);
    set_zero(E(q - 1), p);
}

// U from the column vectors, last reflection first.  U is all zero before
// (cleared at entry), which rows 0..k-1 of column k rely on.
void Svd::form_u() {
    for (int64_t j = hc; j < cu; ++j) {
        for (int64_t i = 0; i < m; ++i) set_zero(u(i, j), p);
        set_one(u(j, j), p);
    }
    for (int64_t k = hc - 1; k >= 0; --k) {
        if (!is_zero(S(k))) {
            for (int64_t j = k + 1; j < cu; ++j) house_apply(column(u, k, k), column(u, k, j), m - k, p, t, t2);
            for (int64_t i = k; i < m; ++i) negate(u(i, k));
            add(u(k, k), one, u(k, k));
            for (int64_t i = 0; i + 2 <= k; ++i) set_zero(u(i, k), p);
        } else {
            for (int64_t i = 0; i < m; ++i) set_zero(u(i, k), p);
            set_one(u(k, k), p);
        }
    }
}

// V from the row vectors; every later column takes each reflection (also
// when m < n).
void Svd::form_v() {
    for (int64_t k = n - 1; k >= 0; --k) {
        if (k < hr && !is_zero(E(k)))
            for (int64_t j = k + 1; j < n; ++j)
                house_apply(column(v, k + 1, k), column(v, k + 1, j), n - k - 1, p, t, t2);
        for (int64_t i = 0; i < n; ++i) set_zero(v(i, k), p);
        set_one(v(k, k), p);
    }
}

// The rotation taking (x, y) to (t, 0): t = hypot(x, y), cs = x/t, sn = y/t.
void Svd::rotation(const uint64_t *x, const uint64_t *y) const {
    widefp::detail::truncated_hypot(t, x, y, p, sq);
    div(cs, x, t);
    div(sn, y, t);
}

// Plane rotation of columns x and y over rows 0..nrows-1:
// (x, y) <- (cs x + sn y, cs y - sn x).
void Svd::rotate(const Matrix &mat, int64_t nrows, int64_t x, int64_t y) const {
    for (int64_t i = 0; i < nrows; ++i) {
        mul(t, cs, mat(i, x));
        mul(t2, sn, mat(i, y));
        add(t, t, t2);
        mul(t2, cs, mat(i, y));
        mul(t3, sn, mat(i, x));
        sub(mat(i, y), t2, t3);
        copy(mat(i, x), t, p);
    }
}

// |x| <= eps y, tested as not (eps y < |x|); y is consumed.
bool Svd::negligible(const uint64_t *x, uint64_t *y) const {
    mul(y, eps, y);
    copy_abs(t3, x, p);
    return !lt(y, t3);
}

// The last k <= q-2 whose e[k] is negligible against its neighbours on the
// diagonal (word 0 of e[k] then cleared), or -1.
int64_t Svd::negligible_super(int64_t qn) const {
    int64_t k;
    for (k = qn - 2; k >= 0; --k) {
        copy_abs(t, S(k), p);
        copy_abs(t2, S(k + 1), p);
        add(t, t, t2);
        if (negligible(E(k), t)) {
            E(k)[0] = 0;
            break;
        }
    }
    return k;
}

// The last ks in k+1..q-1 whose s[ks] is negligible against the
// superdiagonal entries beside it (word 0 of s[ks] then cleared), or k.
int64_t Svd::negligible_diag(int64_t k, int64_t qn) const {
    int64_t ks;
    for (ks = qn - 1; ks > k; --ks) {
        copy_abs(t, E(ks), p);
        if (ks != k + 1) {
            copy_abs(t2, E(ks - 1), p);
            add(t, t, t2);
        } else {
            add(t, t, zero);
        }
        if (negligible(S(ks), t)) {
            S(ks)[0] = 0;
            break;
        }
    }
    return ks;
}

// s[q-1] is negligible: rotations from the right chase e[q-2] up to row k.
void Svd::deflate(int64_t k, int64_t qn) {
    copy(f, E(qn - 2), p);
    set_zero(E(qn - 2), p);
    for (int64_t j = qn - 2; j >= k; --j) {
        rotation(S(j), f);
        copy(S(j), t, p);
        if (j != k) {
            mul(f, sn, E(j - 1));
            negate(f);
            mul(E(j - 1), cs, E(j - 1));
        }
        if (vflag) rotate(v, n, j, qn - 1);
    }
}

// s[k-1] is negligible: rotations from the left chase e[k-1] down to q-1.
void Svd::split(int64_t k, int64_t qn) {
    copy(f, E(k - 1), p);
    set_zero(E(k - 1), p);
    for (int64_t j = k; j < qn; ++j) {
        rotation(S(j), f);
        copy(S(j), t, p);
        mul(f, sn, E(j));
        negate(f);
        mul(E(j), cs, E(j));
        if (uflag && j < cu) rotate(u, m, j, k - 1);
    }
}

// One QR sweep on rows k..q-1 with the shift from the trailing 2 x 2 block,
// the values scaled by the largest of five magnitudes.
void Svd::qr_sweep(int64_t k, int64_t qn) {
    copy_abs(scale, S(qn - 1), p);
    const uint64_t *cand[4] = {S(qn - 2), E(qn - 2), S(k), E(k)};
    for (const uint64_t *x : cand) {
        copy_abs(t, x, p);
        if (lt(scale, t)) copy(scale, t, p);
    }
    div(r, one, scale);
    mul(sp, S(qn - 1), r);
    mul(spm1, S(qn - 2), r);
    mul(epm1, E(qn - 2), r);
    mul(sk, S(k), r);
    mul(ek, E(k), r);
    add(t, spm1, sp);
    sub(t2, spm1, sp);
    mul(b, t, t2);
    mul(t, epm1, epm1);
    add(b, b, t);
    mul(t, sp, epm1);
    mul(c, t, t);
    set_zero(shift, p);
    if (!is_zero(b) || !is_zero(c)) {
        mul(t, b, b);
        add(t, t, c);
        widefp_float_sqrt(shift, t, p, sq);
        if (negative_nonzero(b)) negate(shift);
        add(t, b, shift);
        div(shift, c, t);
    }
    add(t, sk, sp);
    sub(t2, sk, sp);
    mul(f, t, t2);
    add(f, f, shift);
    mul(g, sk, ek);
    for (int64_t j = k; j <= qn - 2; ++j) {
        rotation(f, g);
        if (j != k) copy(E(j - 1), t, p);
        mul(t, cs, S(j));
        mul(t2, sn, E(j));
        add(f, t, t2);
        mul(t, cs, E(j));
        mul(t2, sn, S(j));
        sub(E(j), t, t2);
        mul(g, sn, S(j + 1));
        mul(S(j + 1), cs, S(j + 1));
        if (vflag) rotate(v, n, j, j + 1);
        rotation(f, g);
        copy(S(j), t, p);
        mul(t, cs, E(j));
        mul(t2, sn, S(j + 1));
        add(f, t, t2);
        mul(t, cs, S(j + 1));
        mul(t2, sn, E(j));
        sub(S(j + 1), t, t2);
        mul(g, sn, E(j + 1));
        mul(E(j + 1), cs, E(j + 1));
        if (uflag && j < m - 1) rotate(u, m, j, j + 1);
    }
    copy(E(qn - 2), f, p);
}

// s[k] has converged: made non-negative (+0 for either zero; the whole
// column of V changes sign, all n rows), then moved down past smaller
// values, its columns of U and V with it.
void Svd::fix_sign_and_sort(int64_t k, int64_t qq) {
    if (S(k)[0] & kSignBit) {
        negate(S(k));
        if (vflag)
            for (int64_t i = 0; i < n; ++i) negate(v(i, k));
    } else if (S(k)[0] == 0) {
        set_zero(S(k), p);
        if (vflag)
            for (int64_t i = 0; i < n; ++i) negate(v(i, k));
    }
    while (k < qq && lt(S(k), S(k + 1))) {
        swap_elements(S(k), S(k + 1), p);
        if (vflag && k < n - 1)
            for (int64_t i = 0; i < n; ++i) swap_elements(v(i, k), v(i, k + 1), p);
        if (uflag && k < m - 1)
            for (int64_t i = 0; i < m; ++i) swap_elements(u(i, k), u(i, k + 1), p);
        ++k;
    }
}

}  // namespace

// Bound on the QR sweeps spent between two convergences.  Once small, the
// last superdiagonal entry converges at least quadratically with this shift:
// a handful of sweeps reach the 64p bits the relative test asks for (random,
// Hilbert, graded and rank-deficient matrices up to 30 x 30 and p up to 8
// never need more than 7).  Even one bit per sweep would finish within
// 64p + 64 sweeps; twice that plus 1000 only stops an iteration that stalled.
extern "C" uint64_t widefp_matrix_svd_sweep_bound(uint64_t p) { return 2 * (64 * p + 64) + 1000; }

// Work: e (n elements), one element per row of A (m), the named scratch,
// then the square root's work, which the rotations' hypot shares.
extern "C" uint64_t widefp_matrix_svd_work_size(uint64_t m, uint64_t n, uint64_t p) {
    if (m > UINT64_MAX / 4 || n > UINT64_MAX / 4) return UINT64_MAX;
    return add_words(words_for(m + n + kScratch, p), std::max(sqrt_words(p), widefp::detail::truncated_hypot_work_size(p)));
}

extern "C" int widefp_matrix_svd(uint64_t *s, uint64_t *U, uint64_t *V, uint64_t *sweeps, uint64_t *A, uint64_t m,
                                 uint64_t n, int uflag, int vflag, uint64_t max_sweeps, uint64_t p,
                                 uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && m <= kMaxCount && n <= kMaxCount);
    WIDEFP_ASSERTD((!uflag || U) && (!vflag || V));
    if (sweeps) sweeps[0] = sweeps[1] = 0;
    if (m == 0 || n == 0) return 0;
    const uint64_t w = p + 1;
    std::memset(work, 0, widefp_matrix_svd_work_size(m, n, p) * sizeof(uint64_t));

    Svd d;
    d.p = p;
    d.w = w;
    d.m = static_cast<int64_t>(m);
    d.n = static_cast<int64_t>(n);
    d.cu = d.m < d.n ? d.m : d.n;
    d.hc = d.m - 1 < d.n ? d.m - 1 : d.n;
    d.hr = d.n - 2 < d.m ? d.n - 2 : d.m;
    if (d.hr < 0) d.hr = 0;
    d.q = d.n < d.m + 1 ? d.n : d.m + 1;
    d.a = Matrix{A, n, w};
    d.u = Matrix{U, static_cast<uint64_t>(d.cu), w};
    d.v = Matrix{V, n, w};
    d.s = s;
    d.uflag = uflag != 0;
    d.vflag = vflag != 0;
    d.e = work;
    d.rows = d.e + n * w;
    uint64_t **named[kScratch] = {&d.t,    &d.t2, &d.t3, &d.f,    &d.g,    &d.cs, &d.sn,
                                  &d.eps,  &d.one, &d.zero, &d.scale, &d.r, &d.sp, &d.spm1,
                                  &d.epm1, &d.sk, &d.ek,   &d.b,     &d.shift, &d.c};
    for (uint64_t i = 0; i < kScratch; ++i) *named[i] = d.rows + (m + i) * w;
    d.sq = d.rows + (m + kScratch) * w;
    d.eps[0] = kOne - 64 * p;  // 2^-64p, one unit in the last place of 1
    set_one(d.one, p);
    // U and V need no contents on entry: forming U relies on zeros it never writes.
    if (d.uflag) std::memset(U, 0, m * static_cast<uint64_t>(d.cu) * w * sizeof(uint64_t));
    if (d.vflag) std::memset(V, 0, n * n * w * sizeof(uint64_t));

    d.bidiagonalise();
    d.final_bidiagonal();
    if (d.uflag) d.form_u();
    if (d.vflag) d.form_v();

    const int64_t qq = d.q - 1;
    uint64_t count = 0;  // sweeps since the last convergence
    // The trailing block k+1..q-1 of the bidiagonal matrix (e[k] negligible):
    // s[q-1] converged, a negligible diagonal entry deflated or split off,
    // or one more sweep.
    for (int64_t q = d.q; q > 0;) {
        const int64_t k = d.negligible_super(q);
        if (k == q - 2) {
            d.fix_sign_and_sort(k + 1, qq);
            count = 0;
            --q;
            continue;
        }
        const int64_t ks = d.negligible_diag(k, q);
        if (ks == q - 1) {
            d.deflate(k + 1, q);
        } else if (ks != k) {
            d.split(ks + 1, q);
        } else {
            if (count >= max_sweeps) return 1;
            d.qr_sweep(k + 1, q);
            ++count;
            if (sweeps) {
                if (count > sweeps[0]) sweeps[0] = count;
                ++sweeps[1];
            }
        }
    }
    return 0;
}
