// eig_cplx.cpp -- eigenvalues and eigenvectors of a general complex matrix:
// balancing (the permutations and power-of-two scaling that
// widefp_matrix_balance finds for the matrix of moduli, applied exactly),
// Householder reduction to complex upper Hessenberg form, then implicit
// single-shift QR sweeps by complex plane rotations (Wilkinson's shift, an
// exceptional shift every tenth stagnant sweep) down to the triangular
// Schur form; eigenvectors by back substitution on it.  Every step
// truncates at the precision of the call.
#include <algorithm>

#include "matrix.h"

using namespace widefp::linalg;

namespace {

constexpr uint64_t kRegisters = 40;  // named scratch elements
constexpr uint64_t kBalP = 2;        // precision of the moduli for the balancing

// A complex number held in two elements of precision p.
struct Cx {
    uint64_t *r, *i;
};

struct Cqr {
    uint64_t p, w;
    int64_t n;
    uint64_t *Ar, *Ai;  // the matrix by rows
    uint64_t *Zr = nullptr, *Zi = nullptr;  // the accumulated unitary factor (vectors only)
    bool vec = false;
    uint64_t *sq;  // the square root's work
    Cx t1, t2, t3, t4, c, s, x, y, mu, u, v, g, f;
    uint64_t *h1, *h2, *h3, *eps, *anorm, *r, *c075;

    Cx A(int64_t i, int64_t j) const {
        const uint64_t o = static_cast<uint64_t>(i * n + j) * w;
        return Cx{Ar + o, Ai + o};
    }
    Cx Z(int64_t i, int64_t j) const {
        const uint64_t o = static_cast<uint64_t>(i * n + j) * w;
        return Cx{Zr + o, Zi + o};
    }
    void add(uint64_t *o, const uint64_t *l, const uint64_t *m) const { widefp_float_add(o, l, m, p); }
    void sub(uint64_t *o, const uint64_t *l, const uint64_t *m) const { widefp_float_sub(o, l, m, p); }
    void mul(uint64_t *o, const uint64_t *l, const uint64_t *m) const { widefp_float_mul(o, l, m, p); }
    void div(uint64_t *o, const uint64_t *l, const uint64_t *m) const { widefp_float_div(o, l, m, p); }
    void root(uint64_t *o, const uint64_t *l) const { widefp_float_sqrt(o, l, p, sq); }
    bool lt(const uint64_t *l, const uint64_t *m) const { return widefp_float_lt(l, m, p) != 0; }
    void ccopy(Cx o, Cx a) const {
        copy(o.r, a.r, p);
        copy(o.i, a.i, p);
    }
    void czero(Cx o) const {
        set_zero(o.r, p);
        set_zero(o.i, p);
    }
    static bool cis_zero(Cx a) { return is_zero(a.r) && is_zero(a.i); }
    void cadd(Cx o, Cx a, Cx b) const {
        add(o.r, a.r, b.r);
        add(o.i, a.i, b.i);
    }
    void csub(Cx o, Cx a, Cx b) const {
        sub(o.r, a.r, b.r);
        sub(o.i, a.i, b.i);
    }
    // o = a b, or conj(a) b with `conj_a`; o may alias a or b (h1..h3 hold
    // the intermediates).
    void cmul(Cx o, Cx a, Cx b, bool conj_a = false) const {
        mul(h1, a.r, b.r);
        mul(h2, a.i, b.i);
        mul(h3, a.r, b.i);
        mul(o.i, a.i, b.r);
        if (conj_a) {
            add(o.r, h1, h2);
            sub(o.i, h3, o.i);
        } else {
            sub(o.r, h1, h2);
            add(o.i, h3, o.i);
        }
    }
    // o += a b (conj(a) b with `conj_a`); o may not alias a or b.
    void cfma(Cx o, Cx a, Cx b, bool conj_a = false) const {
        cmul(t4, a, b, conj_a);
        cadd(o, o, t4);
    }
    // o = |a|^2
    void abs2(uint64_t *o, Cx a) const {
        mul(o, a.r, a.r);
        mul(h3, a.i, a.i);
        add(o, o, h3);
    }
    // o = |re a| + |im a|
    void abs1(uint64_t *o, Cx a) const {
        copy_abs(h1, a.r, p);
        copy_abs(h2, a.i, p);
        add(o, h1, h2);
    }
    // o = a / b (b nonzero); o may alias a, not b.
    void cdiv(Cx o, Cx a, Cx b) const {
        cmul(o, b, a, true);
        abs2(h2, b);
        div(o.r, o.r, h2);
        div(o.i, o.i, h2);
    }
    // o = the principal square root of a; o may alias a.
    void csqrt(Cx o, Cx a) const {
        if (cis_zero(a)) {
            czero(o);
            return;
        }
        abs2(h2, a);
        root(h2, h2);  // |a|
        const bool neg = negative_nonzero(a.r);
        copy_abs(h1, a.r, p);
        add(h2, h2, h1);  // |a| + |re a|
        if (!is_zero(h2)) --h2[0];
        root(h2, h2);  // t = sqrt((|a| + |re a|) / 2) > 0
        div(h1, a.i, h2);
        if (!is_zero(h1)) --h1[0];  // im a / (2t)
        if (!neg) {
            copy(o.r, h2, p);
            copy(o.i, h1, p);
        } else {  // (|im a| / (2t), t with the sign of im a)
            const bool ineg = (a.i[0] & kSignBit) != 0;
            copy_abs(o.r, h1, p);
            copy(o.i, h2, p);
            if (ineg) negate(o.i);
        }
    }
    // |h| <= eps * s
    bool small(const uint64_t *hv, const uint64_t *sc) const {
        if (is_zero(hv)) return true;
        mul(h3, eps, sc);
        return !lt(h3, hv);
    }

    void reduce(uint64_t *vr, uint64_t *vi);
    void shift(int64_t nn, uint64_t its);
    void sweep(int64_t l, int64_t nn);
    int run(uint64_t *re, uint64_t *im, uint64_t *sweeps, uint64_t max_sweeps);
    void rotate_rows(int64_t k, int64_t j0, int64_t j1) const;
    void rotate_cols(uint64_t *Br, uint64_t *Bi, int64_t k, int64_t i0, int64_t i1) const;
    void vectors(uint64_t *Vr, uint64_t *Vi, uint64_t *xr, uint64_t *xi, const int64_t *d, const int64_t *perm);
};

// Householder reduction to upper Hessenberg form, H = Q^H A Q, Q accumulated
// in Z when vectors are wanted; vr, vi: scratch of n elements each.  The
// reflection of column k is I - tau v v^H with v = x + phase(x1) ||x|| e1,
// v^H v = 2 (||x||^2 + |x1| ||x||), taking x to -phase(x1) ||x|| e1.
void Cqr::reduce(uint64_t *vr, uint64_t *vi) {
    auto V = [&](int64_t i) { return Cx{vr + i * w, vi + i * w}; };
    for (int64_t k = 0; k + 2 < n; ++k) {
        const int64_t len = n - k - 1;
        bool below = false;
        set_zero(r, p);  // ||x||^2
        for (int64_t i = 0; i < len; ++i) {
            ccopy(V(i), A(k + 1 + i, k));
            if (i > 0 && !cis_zero(V(i))) below = true;
            abs2(g.r, V(i));
            add(r, r, g.r);
        }
        if (!below) continue;
        root(f.r, r);  // ||x||
        abs2(g.i, V(0));
        root(g.i, g.i);  // |x1|
        if (is_zero(g.i)) {
            set_one(u.r, p);
            set_zero(u.i, p);
        } else {
            div(u.r, V(0).r, g.i);
            div(u.i, V(0).i, g.i);
        }
        mul(t1.r, u.r, f.r);  // phase(x1) ||x||
        mul(t1.i, u.i, f.r);
        cadd(V(0), V(0), t1);
        mul(g.i, g.i, f.r);
        add(g.i, g.i, r);
        ++g.i[0];  // v^H v
        set_one(h1, p);
        ++h1[0];
        div(f.i, h1, g.i);  // tau = 2 / v^H v
        // column k: -phase(x1) ||x|| e1
        copy(A(k + 1, k).r, t1.r, p);
        copy(A(k + 1, k).i, t1.i, p);
        negate(A(k + 1, k).r);
        negate(A(k + 1, k).i);
        for (int64_t i = k + 2; i < n; ++i) czero(A(i, k));
        for (int64_t j = k + 1; j < n; ++j) {  // from the left: y -= v (tau v^H y)
            czero(s);
            for (int64_t i = 0; i < len; ++i) cfma(s, V(i), A(k + 1 + i, j), true);
            mul(s.r, s.r, f.i);
            mul(s.i, s.i, f.i);
            for (int64_t i = 0; i < len; ++i) {
                cmul(t2, V(i), s);
                csub(A(k + 1 + i, j), A(k + 1 + i, j), t2);
            }
        }
        auto right = [&](auto at, int64_t i) {  // row i from the right: z -= (tau z v) v^H
            czero(s);
            for (int64_t m = 0; m < len; ++m) cfma(s, at(i, k + 1 + m), V(m));
            mul(s.r, s.r, f.i);
            mul(s.i, s.i, f.i);
            for (int64_t m = 0; m < len; ++m) {
                cmul(t2, V(m), s, true);  // conj(v) s
                csub(at(i, k + 1 + m), at(i, k + 1 + m), t2);
            }
        };
        for (int64_t i = 0; i < n; ++i) right([&](int64_t a, int64_t b) { return A(a, b); }, i);
        if (vec)
            for (int64_t i = 0; i < n; ++i) right([&](int64_t a, int64_t b) { return Z(a, b); }, i);
    }
}

// The shift mu for the active block ending at nn: the eigenvalue of the
// trailing 2 x 2 block nearer its last diagonal entry, or every tenth sweep
// without deflation h(nn,nn) + 0.75 (|re| + |im|)(h(nn,nn-1)).
void Cqr::shift(int64_t nn, uint64_t its) {
    const Cx a = A(nn - 1, nn - 1), b = A(nn - 1, nn), cc = A(nn, nn - 1), d = A(nn, nn);
    if (its > 0 && its % 10 == 0) {
        abs1(mu.r, cc);
        mul(mu.r, mu.r, c075);
        add(mu.r, mu.r, d.r);
        copy(mu.i, d.i, p);
        return;
    }
    csub(x, a, d);  // delta = (a - d) / 2
    if (!is_zero(x.r)) --x.r[0];
    if (!is_zero(x.i)) --x.i[0];
    cmul(y, b, cc);  // bc
    cmul(t1, x, x);
    cadd(t1, t1, y);
    csqrt(t1, t1);  // disc, on the side of delta
    mul(h1, x.r, t1.r);
    mul(h2, x.i, t1.i);
    add(h1, h1, h2);
    if (negative_nonzero(h1)) {
        negate(t1.r);
        negate(t1.i);
    }
    cadd(t1, x, t1);
    if (cis_zero(t1)) {
        ccopy(mu, d);
        return;
    }
    cdiv(t2, y, t1);
    csub(mu, d, t2);
}

// Rows k, k+1, columns j0..j1: (a, b) -> (c a + s b, -conj(s) a + conj(c) b).
void Cqr::rotate_rows(int64_t k, int64_t j0, int64_t j1) const {
    for (int64_t j = j0; j <= j1; ++j) {
        const Cx a = A(k, j), b = A(k + 1, j);
        cmul(t1, c, a);
        cfma(t1, s, b);
        cmul(t2, s, a, true);
        cmul(t3, c, b, true);
        csub(b, t3, t2);
        ccopy(a, t1);
    }
}

// Columns k, k+1 of rows i0..i1 of B (n columns): (a, b) -> (conj(c) a +
// conj(s) b, -s a + c b), the product with the rotation's adjoint.
void Cqr::rotate_cols(uint64_t *Br, uint64_t *Bi, int64_t k, int64_t i0, int64_t i1) const {
    for (int64_t i = i0; i <= i1; ++i) {
        const uint64_t o = static_cast<uint64_t>(i * n + k) * w;
        const Cx a{Br + o, Bi + o}, b{Br + o + w, Bi + o + w};
        cmul(t1, c, a, true);
        cfma(t1, s, b, true);
        cmul(t2, s, a);
        cmul(t3, c, b);
        csub(b, t3, t2);
        ccopy(a, t1);
    }
}

// One implicit single-shift sweep on rows and columns l..nn with the shift
// mu: the rotation of the first column of H - mu I, then those chasing the
// bulge h(k+1, k-1) down.  A rotation of (x, y) is c = conj(x)/r,
// s = conj(y)/r, r = sqrt(|x|^2 + |y|^2), which takes (x, y) to (r, 0).
void Cqr::sweep(int64_t l, int64_t nn) {
    for (int64_t k = l; k < nn; ++k) {
        if (k == l) {
            csub(x, A(l, l), mu);
            ccopy(y, A(l + 1, l));
        } else {
            ccopy(x, A(k, k - 1));
            ccopy(y, A(k + 1, k - 1));
        }
        abs2(r, x);
        abs2(h2, y);
        add(r, r, h2);
        root(r, r);
        if (is_zero(r)) continue;
        div(c.r, x.r, r);
        div(c.i, x.i, r);
        negate(c.i);
        div(s.r, y.r, r);
        div(s.i, y.i, r);
        negate(s.i);
        if (k > l) {
            copy(A(k, k - 1).r, r, p);
            set_zero(A(k, k - 1).i, p);
            czero(A(k + 1, k - 1));
        }
        rotate_rows(k, k, vec ? n - 1 : nn);
        rotate_cols(Ar, Ai, k, vec ? 0 : l, std::min(nn, k + 2));
        if (vec) rotate_cols(Zr, Zi, k, 0, n - 1);
    }
}

int Cqr::run(uint64_t *re, uint64_t *im, uint64_t *sweeps, uint64_t max_sweeps) {
    set_zero(anorm, p);
    for (int64_t i = 0; i < n; ++i)
        for (int64_t j = std::max<int64_t>(i - 1, 0); j < n; ++j) {
            abs1(g.r, A(i, j));
            add(anorm, anorm, g.r);
        }
    uint64_t its = 0, most = 0, total = 0;
    int64_t nn = n - 1;
    while (nn >= 0) {
        int64_t l = nn;
        for (; l >= 1; --l) {  // the lowest negligible subdiagonal entry
            abs1(g.r, A(l - 1, l - 1));
            abs1(g.i, A(l, l));
            add(g.r, g.r, g.i);
            if (is_zero(g.r)) copy(g.r, anorm, p);
            abs1(g.i, A(l, l - 1));
            if (small(g.i, g.r)) {
                czero(A(l, l - 1));
                break;
            }
        }
        if (l == nn) {
            copy(re + nn * w, A(nn, nn).r, p);
            copy(im + nn * w, A(nn, nn).i, p);
            --nn;
            its = 0;
            continue;
        }
        if (its >= max_sweeps) return 1;
        shift(nn, its);
        sweep(l, nn);
        most = std::max(most, ++its);
        ++total;
        if (sweeps) sweeps[0] = most, sweeps[1] = total;
    }
    return 0;
}

// x *= 2^k, exactly.
void scale_pow2(uint64_t *x, int64_t k) {
    if (is_zero(x) || k == 0) return;
    const uint64_t e = x[0] & kExpBits;
    x[0] = (x[0] & kSignBit) | static_cast<uint64_t>(static_cast<int64_t>(e) + k);
}

// The eigenvectors from the triangular T (in A) and Z: for eigenvalue k,
// x(k) = 1, x(j) = -sum_{m=j+1..k} T(j,m) x(m) / (T(j,j) - T(k,k)) (a zero
// divisor replaced by 2^-64p ||T||), v = DD Z x, scaled to unit 2-norm with
// its entry of largest modulus (the first) real and positive.
void Cqr::vectors(uint64_t *Vr, uint64_t *Vi, uint64_t *xr, uint64_t *xi, const int64_t *d, const int64_t *perm) {
    auto X = [&](int64_t i) { return Cx{xr + i * w, xi + i * w}; };
    auto Vo = [&](int64_t i, int64_t k) {
        const uint64_t o = static_cast<uint64_t>(i * n + k) * w;
        return Cx{Vr + o, Vi + o};
    };
    for (int64_t k = 0; k < n; ++k) {
        set_one(X(k).r, p);
        set_zero(X(k).i, p);
        for (int64_t j = k - 1; j >= 0; --j) {
            czero(s);
            for (int64_t m = j + 1; m <= k; ++m) cfma(s, A(j, m), X(m));
            csub(v, A(j, j), A(k, k));
            if (cis_zero(v)) mul(v.r, eps, anorm);
            cdiv(X(j), s, v);
            negate(X(j).r);
            negate(X(j).i);
        }
        for (int64_t i = 0; i < n; ++i) {
            const Cx o = Vo(perm[i], k);
            czero(o);
            for (int64_t m = 0; m <= k; ++m) cfma(o, Z(i, m), X(m));
            scale_pow2(o.r, d[i]);
            scale_pow2(o.i, d[i]);
        }
        set_zero(f.r, p);  // ||v||^2
        set_zero(f.i, p);  // the largest |v_i|^2
        int64_t big = 0;
        for (int64_t i = 0; i < n; ++i) {
            abs2(g.r, Vo(i, k));
            add(f.r, f.r, g.r);
            if (lt(f.i, g.r)) {
                copy(f.i, g.r, p);
                big = i;
            }
        }
        root(f.r, f.r);
        root(f.i, f.i);
        mul(f.r, f.r, f.i);  // ||v|| |v_big|
        ccopy(u, Vo(big, k));
        div(u.r, u.r, f.r);
        div(u.i, u.i, f.r);
        for (int64_t i = 0; i < n; ++i) cmul(Vo(i, k), u, Vo(i, k), true);
        set_zero(Vo(big, k).i, p);
    }
}

// Balancing: DD = Pi diag(2^d) from widefp_matrix_balance on the moduli
// (at two words), then A(i,j) <- 2^(d[j]-d[i]) A(perm[i], perm[j]) by
// symmetric exchanges.  mw: n^2 elements of precision 2; ix: 2n words.
void balance(uint64_t *Ar, uint64_t *Ai, int64_t *d, int64_t *perm, uint64_t n, uint64_t p, uint64_t *mw,
             int64_t *ix, uint64_t *bw) {
    const uint64_t w = p + 1, bwid = kBalP + 1;
    uint64_t *t = mw + n * n * bwid;  // two elements after the moduli
    uint64_t *sqw = bw;               // the balancing's work serves the roots first
    for (uint64_t k = 0; k < n * n; ++k) {
        uint64_t *m = mw + k * bwid;
        for (int part = 0; part < 2; ++part) {
            const uint64_t *a = (part ? Ai : Ar) + k * w;
            uint64_t *o = t + part * bwid;
            for (uint64_t q = 0; q < bwid; ++q) o[q] = q <= p ? a[q] : 0;
            widefp_float_mul(o, o, o, kBalP);
        }
        widefp_float_add(m, t, t + bwid, kBalP);
        widefp_float_sqrt(m, m, kBalP, sqw);
    }
    widefp_matrix_balance(mw, d, perm, n, 1, 1, kBalP, bw);
    int64_t *at = ix, *where = ix + n;  // original index at each position, and its inverse
    for (uint64_t i = 0; i < n; ++i) at[i] = where[i] = static_cast<int64_t>(i);
    auto swap_rc = [&](uint64_t i, uint64_t j) {
        for (uint64_t c = 0; c < n; ++c) {
            swap_elements(Ar + (i * n + c) * w, Ar + (j * n + c) * w, p);
            swap_elements(Ai + (i * n + c) * w, Ai + (j * n + c) * w, p);
        }
        for (uint64_t r = 0; r < n; ++r) {
            swap_elements(Ar + (r * n + i) * w, Ar + (r * n + j) * w, p);
            swap_elements(Ai + (r * n + i) * w, Ai + (r * n + j) * w, p);
        }
    };
    for (uint64_t i = 0; i < n; ++i) {
        const uint64_t j = static_cast<uint64_t>(where[perm[i]]);
        if (j == i) continue;
        swap_rc(i, j);
        std::swap(at[i], at[j]);
        where[at[i]] = static_cast<int64_t>(i);
        where[at[j]] = static_cast<int64_t>(j);
    }
    for (uint64_t i = 0; i < n; ++i)
        for (uint64_t j = 0; j < n; ++j) {
            scale_pow2(Ar + (i * n + j) * w, d[j] - d[i]);
            scale_pow2(Ai + (i * n + j) * w, d[j] - d[i]);
        }
}

}  // namespace

// Work: the registers and the square root's work; the unitary factor (2n^2
// elements) and a vector (2n elements); the balancing's record (4n words),
// the moduli (n^2 + 2 elements of three words) and the balancing's own work.
extern "C" uint64_t widefp_matrix_eig_cplx_work_size(uint64_t n, uint64_t p) {
    if (n > kMaxCount || p > UINT64_MAX / 8) return UINT64_MAX;
    uint64_t s = add_words(words_for(kRegisters, p), sqrt_words(p));
    s = add_words(s, words_for(2 * n * n + 2 * n, p));
    s = add_words(s, words_for(n * n + 2, kBalP, 4 * n));
    return add_words(s, std::max(widefp_matrix_balance_work_size(n), sqrt_words(kBalP)));
}

extern "C" int widefp_matrix_eig_cplx(uint64_t *re, uint64_t *im, uint64_t *Vr, uint64_t *Vi, uint64_t *sweeps,
                                      uint64_t *Ar, uint64_t *Ai, uint64_t n, int balance_flag, uint64_t max_sweeps,
                                      uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && n <= kMaxCount && ((Vr == nullptr) == (Vi == nullptr)));
    if (sweeps) sweeps[0] = sweeps[1] = 0;
    if (n == 0) return 0;
    const uint64_t w = p + 1;
    uint64_t *regs = work, *sqw = regs + kRegisters * w, *zr = sqw + sqrt_words(p), *zi = zr + n * n * w;
    uint64_t *xr = zi + n * n * w, *xi = xr + n * w;
    int64_t *d = reinterpret_cast<int64_t *>(xi + n * w), *perm = d + n, *ix = perm + n;
    uint64_t *mw = reinterpret_cast<uint64_t *>(ix + 2 * n), *bw = mw + (n * n + 2) * (kBalP + 1);
    for (uint64_t i = 0; i < n; ++i) {
        d[i] = 0;
        perm[i] = static_cast<int64_t>(i);
    }
    Cqr h{};
    h.p = p;
    h.w = w;
    h.n = static_cast<int64_t>(n);
    h.Ar = Ar;
    h.Ai = Ai;
    h.sq = sqw;
    Cx *pairs[] = {&h.t1, &h.t2, &h.t3, &h.t4, &h.c, &h.s, &h.x, &h.y, &h.mu, &h.u, &h.v, &h.g, &h.f};
    uint64_t **singles[] = {&h.h1, &h.h2, &h.h3, &h.eps, &h.anorm, &h.r, &h.c075};
    static_assert(2 * (sizeof pairs / sizeof pairs[0]) + sizeof singles / sizeof singles[0] <= kRegisters);
    uint64_t *next = regs;
    for (Cx *q : pairs) {
        q->r = next;
        q->i = next + w;
        next += 2 * w;
    }
    for (uint64_t **q : singles) {
        *q = next;
        next += w;
    }
    std::memset(regs, 0, kRegisters * w * sizeof(uint64_t));
    h.eps[0] = kOne - 64 * p;  // 2^-64p
    widefp_float_dtowr(h.c075, 0.75, p);
    if (balance_flag) balance(Ar, Ai, d, perm, n, p, mw, ix, bw);
    if (Vr) {
        h.vec = true;
        h.Zr = zr;
        h.Zi = zi;
        std::memset(zr, 0, 2 * n * n * w * sizeof(uint64_t));
        for (uint64_t i = 0; i < n; ++i) set_one(zr + (i * n + i) * w, p);
    }
    h.reduce(xr, xi);
    const int status = h.run(re, im, sweeps, max_sweeps);
    if (status != 0 || !Vr) return status;
    h.vectors(Vr, Vi, xr, xi, d, perm);
    return 0;
}
