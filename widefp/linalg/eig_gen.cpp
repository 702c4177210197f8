// eig_gen.cpp -- eigenvalues of a real nonsymmetric matrix: balancing
// (permutations and scaling by powers of two, exact), Householder reduction
// to upper Hessenberg form, then Francis's implicit double-shift QR sweeps in
// real arithmetic on the active block, deflating one real eigenvalue or a
// 2 x 2 block (a real pair or a complex conjugate pair) at a time from the
// bottom.  Every step truncates at the precision of the call.
#include <algorithm>

#include "matrix.h"

using namespace widefp::linalg;

namespace {

constexpr uint64_t kRegisters = 32;  // named scratch elements

struct Hqr {
    uint64_t p, w;
    int64_t n;
    Matrix a;
    Matrix zm;         // the accumulated orthogonal transformations
    bool vec = false;  // keep the full Schur form and zm
    uint64_t *re, *im;
    uint64_t *x, *y, *z, *ww, *v, *u, *t, *s, *r, *q, *pp, *anorm, *eps, *h1, *h2, *h3, *zero, *c075, *c04375;
    uint64_t *sq;  // the square root's work
    uint64_t *e1, *e2, *e3, *e4, *e5, *e6, *e7, *e8, *e9, *e10, *e11, *e12;  // for the vectors

    uint64_t *Z(int64_t i, int64_t j) const { return zm(static_cast<uint64_t>(i), static_cast<uint64_t>(j)); }

    uint64_t *RE(int64_t i) const { return re + i * w; }
    uint64_t *IM(int64_t i) const { return im + i * w; }
    uint64_t *A(int64_t i, int64_t j) const { return a(static_cast<uint64_t>(i), static_cast<uint64_t>(j)); }
    void add(uint64_t *o, const uint64_t *l, const uint64_t *m) const { widefp_float_add(o, l, m, p); }
    void sub(uint64_t *o, const uint64_t *l, const uint64_t *m) const { widefp_float_sub(o, l, m, p); }
    void mul(uint64_t *o, const uint64_t *l, const uint64_t *m) const { widefp_float_mul(o, l, m, p); }
    void div(uint64_t *o, const uint64_t *l, const uint64_t *m) const { widefp_float_div(o, l, m, p); }
    bool lt(const uint64_t *l, const uint64_t *m) const { return widefp_float_lt(l, m, p) != 0; }
    // o = |l| + |m|
    void abs_sum(uint64_t *o, const uint64_t *l, const uint64_t *m) const {
        copy_abs(h1, l, p);
        copy_abs(h2, m, p);
        add(o, h1, h2);
    }
    // |h| <= eps * s
    bool small(const uint64_t *h, const uint64_t *sc) const {
        if (is_zero(h)) return true;
        mul(h3, eps, sc);
        copy_abs(h1, h, p);
        return !lt(h3, h1);
    }
    // o = |o| with the sign of m (a -0 counts as positive)
    void sign_of(uint64_t *o, const uint64_t *m) const {
        o[0] &= ~kSignBit;
        if (negative_nonzero(m)) o[0] |= kSignBit;
    }
    void scale3(const uint64_t *d) const {
        div(pp, pp, d);
        div(q, q, d);
        div(r, r, d);
    }

    int run(uint64_t *sweeps, uint64_t max_sweeps);
    void pair(int64_t nn);
    void cmul(uint64_t *orr, uint64_t *oi, const uint64_t *ar, const uint64_t *ai, const uint64_t *br,
              const uint64_t *bi) const;
    void cdiv(uint64_t *orr, uint64_t *oi, const uint64_t *ar, const uint64_t *ai, const uint64_t *br,
              const uint64_t *bi) const;
    void vector(int64_t k, uint64_t *xr, uint64_t *xi) const;
    void sweep(int64_t l, int64_t nn, uint64_t its);
};

// The two eigenvalues of the trailing 2 x 2 block at nn-1, nn (t is the sum
// of the exceptional shifts subtracted so far): a real pair, or a complex
// pair with the positive imaginary part first.
void Hqr::pair(int64_t nn) {
    copy(x, A(nn, nn), p);
    copy(y, A(nn - 1, nn - 1), p);
    mul(ww, A(nn, nn - 1), A(nn - 1, nn));
    sub(pp, y, x);
    if (!is_zero(pp)) --pp[0];  // halved
    mul(q, pp, pp);
    add(q, q, ww);
    copy_abs(h1, q, p);
    widefp_float_sqrt(z, h1, p, sq);
    add(x, x, t);
    if (!negative_nonzero(q)) {
        sign_of(z, pp);
        add(z, pp, z);
        add(RE(nn - 1), x, z);
        copy(RE(nn), RE(nn - 1), p);
        if (!is_zero(z)) {
            div(h1, ww, z);
            sub(RE(nn), x, h1);
        }
        set_zero(IM(nn - 1), p);
        set_zero(IM(nn), p);
    } else {
        add(RE(nn - 1), x, pp);
        copy(RE(nn), RE(nn - 1), p);
        copy(IM(nn - 1), z, p);
        copy(IM(nn), z, p);
        negate(IM(nn));
    }
}

// One double-shift sweep on rows and columns l..nn: the shifts are the
// eigenvalues of the trailing 2 x 2 block (x, y, ww set by the caller:
// x = a(nn,nn), y = a(nn-1,nn-1), ww = a(nn,nn-1) a(nn-1,nn)), the sweep
// starts at the lowest m whose first column makes a(m,m-1) negligible, and
// 3-element reflections chase the bulge down.
void Hqr::sweep(int64_t l, int64_t nn, uint64_t its) {
    if (its > 0 && its % 10 == 0) {  // exceptional shift
        add(t, t, x);
        for (int64_t i = 0; i <= nn; ++i) sub(A(i, i), A(i, i), x);
        abs_sum(s, A(nn, nn - 1), A(nn - 1, nn - 2));
        mul(x, c075, s);
        copy(y, x, p);
        mul(ww, s, s);
        mul(ww, c04375, ww);
        negate(ww);
    }
    int64_t m = nn - 2;
    for (;; --m) {
        copy(z, A(m, m), p);
        sub(r, x, z);
        sub(s, y, z);
        mul(h1, r, s);
        sub(h1, h1, ww);
        div(h1, h1, A(m + 1, m));
        add(pp, h1, A(m, m + 1));
        sub(q, A(m + 1, m + 1), z);
        sub(q, q, r);
        sub(q, q, s);
        copy(r, A(m + 2, m + 1), p);
        abs_sum(s, pp, q);
        copy_abs(h1, r, p);
        add(s, s, h1);
        if (is_zero(s)) break;  // a zero first column: nothing to chase
        scale3(s);
        if (m == l) break;
        abs_sum(u, q, r);
        copy_abs(h1, A(m, m - 1), p);
        mul(u, h1, u);
        abs_sum(v, A(m - 1, m - 1), z);
        copy_abs(h1, A(m + 1, m + 1), p);
        add(v, v, h1);
        copy_abs(h1, pp, p);
        mul(v, h1, v);
        if (small(u, v)) break;
    }
    for (int64_t i = m + 2; i <= nn; ++i) {
        set_zero(A(i, i - 2), p);
        if (i != m + 2) set_zero(A(i, i - 3), p);
    }
    for (int64_t k = m; k <= nn - 1; ++k) {
        const bool three = k != nn - 1;
        if (k != m) {
            copy(pp, A(k, k - 1), p);
            copy(q, A(k + 1, k - 1), p);
            if (three)
                copy(r, A(k + 2, k - 1), p);
            else
                set_zero(r, p);
            abs_sum(x, pp, q);
            copy_abs(h1, r, p);
            add(x, x, h1);
            if (!is_zero(x)) scale3(x);
        }
        mul(h1, pp, pp);
        mul(h2, q, q);
        add(h1, h1, h2);
        mul(h2, r, r);
        add(h1, h1, h2);
        widefp_float_sqrt(s, h1, p, sq);
        if (is_zero(s)) continue;
        sign_of(s, pp);
        if (k == m) {
            if (l != m) negate(A(k, k - 1));
        } else {
            mul(A(k, k - 1), s, x);
            negate(A(k, k - 1));
        }
        add(pp, pp, s);
        div(x, pp, s);
        div(y, q, s);
        div(z, r, s);
        div(q, q, pp);
        div(r, r, pp);
        const int64_t jend = vec ? n - 1 : nn;
        for (int64_t j = k; j <= jend; ++j) {  // rows k, k+1 (, k+2)
            mul(h1, q, A(k + 1, j));
            add(pp, A(k, j), h1);
            if (three) {
                mul(h1, r, A(k + 2, j));
                add(pp, pp, h1);
                mul(h1, pp, z);
                sub(A(k + 2, j), A(k + 2, j), h1);
            }
            mul(h1, pp, y);
            sub(A(k + 1, j), A(k + 1, j), h1);
            mul(h1, pp, x);
            sub(A(k, j), A(k, j), h1);
        }
        const int64_t last = std::min(nn, k + 3);
        auto columns = [&](const Matrix &b, int64_t i) {  // columns k, k+1 (, k+2) of row i
            const uint64_t ui = static_cast<uint64_t>(i), uk = static_cast<uint64_t>(k);
            mul(pp, x, b(ui, uk));
            mul(h1, y, b(ui, uk + 1));
            add(pp, pp, h1);
            if (three) {
                mul(h1, z, b(ui, uk + 2));
                add(pp, pp, h1);
                mul(h1, pp, r);
                sub(b(ui, uk + 2), b(ui, uk + 2), h1);
            }
            mul(h1, pp, q);
            sub(b(ui, uk + 1), b(ui, uk + 1), h1);
            sub(b(ui, uk), b(ui, uk), pp);
        };
        for (int64_t i = vec ? 0 : l; i <= last; ++i) columns(a, i);
        if (vec)
            for (int64_t i = 0; i < n; ++i) columns(zm, i);
    }
}

int Hqr::run(uint64_t *sweeps, uint64_t max_sweeps) {
    set_zero(anorm, p);
    for (int64_t i = 0; i < n; ++i)
        for (int64_t j = std::max<int64_t>(i - 1, 0); j < n; ++j) {
            copy_abs(h1, A(i, j), p);
            add(anorm, anorm, h1);
        }
    set_zero(t, p);
    uint64_t its = 0, most = 0, total = 0;
    int64_t nn = n - 1;
    while (nn >= 0) {
        int64_t l = nn;
        for (; l >= 1; --l) {  // the lowest negligible subdiagonal entry
            abs_sum(s, A(l - 1, l - 1), A(l, l));
            if (is_zero(s)) copy(s, anorm, p);
            if (small(A(l, l - 1), s)) {
                set_zero(A(l, l - 1), p);
                break;
            }
        }
        if (l == nn) {
            add(RE(nn), A(nn, nn), t);
            set_zero(IM(nn), p);
            if (vec) copy(A(nn, nn), RE(nn), p);
            --nn;
            its = 0;
            continue;
        }
        if (l == nn - 1) {
            pair(nn);
            if (vec) {  // the block's diagonal without the exceptional shifts
                add(A(nn, nn), A(nn, nn), t);
                add(A(nn - 1, nn - 1), A(nn - 1, nn - 1), t);
            }
            nn -= 2;
            its = 0;
            continue;
        }
        if (its >= max_sweeps) return 1;
        copy(x, A(nn, nn), p);
        copy(y, A(nn - 1, nn - 1), p);
        mul(ww, A(nn, nn - 1), A(nn - 1, nn));
        sweep(l, nn, its);
        ++its;
        ++total;
        most = std::max(most, its);
        if (sweeps) {
            sweeps[0] = most;
            sweeps[1] = total;
        }
    }
    return 0;
}


// o = l m and o = l / m for complex l = (ar, ai), m = (br, bi); o may be
// neither operand (e1..e4 hold the intermediates).
void Hqr::cmul(uint64_t *orr, uint64_t *oi, const uint64_t *ar, const uint64_t *ai, const uint64_t *br,
               const uint64_t *bi) const {
    mul(e1, ar, br);
    mul(e2, ai, bi);
    mul(e3, ar, bi);
    mul(e4, ai, br);
    sub(orr, e1, e2);
    add(oi, e3, e4);
}

void Hqr::cdiv(uint64_t *orr, uint64_t *oi, const uint64_t *ar, const uint64_t *ai, const uint64_t *br,
               const uint64_t *bi) const {
    mul(e1, br, br);
    mul(e2, bi, bi);
    add(e5, e1, e2);  // |m|^2
    mul(e1, ar, br);
    mul(e2, ai, bi);
    add(e6, e1, e2);
    mul(e3, ai, br);
    mul(e4, ar, bi);
    sub(oi, e3, e4);
    div(oi, oi, e5);
    div(orr, e6, e5);
}

// The eigenvector x = (xr, xi) of the quasi-triangular T (in a) for its
// eigenvalue k: zero below the block of k, the null vector of that block
// minus lambda, then back substitution through the blocks above it (a 1 x 1
// block by a division, a 2 x 2 one by Cramer's rule); a zero divisor (lambda
// also an eigenvalue of that block) is replaced by 2^-64p ||T||.
void Hqr::vector(int64_t k, uint64_t *xr, uint64_t *xi) const {
    const uint64_t *lr = RE(k), *li = IM(k);
    for (int64_t i = 0; i < n; ++i) {
        set_zero(xr + i * w, p);
        set_zero(xi + i * w, p);
    }
    auto XR = [&](int64_t i) { return xr + i * w; };
    auto XI = [&](int64_t i) { return xi + i * w; };
    int64_t top = k, j;
    if (k > 0 && !is_zero(A(k, k - 1)))
        top = k - 1;
    else if (k + 1 < n && !is_zero(A(k + 1, k)))
        top = k;
    else
        top = -1;
    if (top < 0) {
        set_one(XR(k), p);
        j = k - 1;
    } else {  // (b, lambda - a) or (lambda - d, c), the larger
        const uint64_t *ta = A(top, top), *tb = A(top, top + 1), *tc = A(top + 1, top), *td = A(top + 1, top + 1);
        sub(e7, lr, ta);
        abs_sum(e8, tb, e7);
        copy_abs(h1, li, p);
        add(e8, e8, h1);
        sub(e9, lr, td);
        abs_sum(e10, tc, e9);
        copy_abs(h1, li, p);
        add(e10, e10, h1);
        if (!lt(e8, e10)) {
            copy(XR(top), tb, p);
            copy(XR(top + 1), e7, p);
            copy(XI(top + 1), li, p);
        } else {
            copy(XR(top), e9, p);
            copy(XI(top), li, p);
            copy(XR(top + 1), tc, p);
        }
        j = top - 1;
    }
    // s = (e11, e12) = sum over m > row of T(row, m) x(m)
    auto dot = [&](int64_t row, uint64_t *sr, uint64_t *si) {
        set_zero(sr, p);
        set_zero(si, p);
        for (int64_t m = row + 1; m < n; ++m) {
            mul(h1, A(row, m), XR(m));
            add(sr, sr, h1);
            mul(h1, A(row, m), XI(m));
            add(si, si, h1);
        }
    };
    auto nonzero = [&](uint64_t *dr, const uint64_t *di) {
        if (is_zero(dr) && is_zero(di)) mul(dr, eps, anorm);
    };
    while (j >= 0) {
        if (j > 0 && !is_zero(A(j, j - 1))) {  // rows j-1, j
            dot(j - 1, x, y);                   // s1
            dot(j, z, ww);                      // s2
            sub(v, A(j - 1, j - 1), lr);        // a11 - lambda = (v, u)
            copy(u, li, p);
            negate(u);
            sub(r, A(j, j), lr);  // a22 - lambda = (r, q)
            copy(q, li, p);
            negate(q);
            cmul(s, pp, v, u, r, q);  // det
            mul(h1, A(j - 1, j), A(j, j - 1));
            sub(s, s, h1);
            nonzero(s, pp);
            // y1 = (a12 s2 - (a22 - lambda) s1) / det
            cmul(e7, e8, r, q, x, y);
            mul(h1, A(j - 1, j), z);
            sub(e7, h1, e7);
            mul(h1, A(j - 1, j), ww);
            sub(e8, h1, e8);
            cdiv(XR(j - 1), XI(j - 1), e7, e8, s, pp);
            // y2 = (a21 s1 - (a11 - lambda) s2) / det
            cmul(e7, e8, v, u, z, ww);
            mul(h1, A(j, j - 1), x);
            sub(e7, h1, e7);
            mul(h1, A(j, j - 1), y);
            sub(e8, h1, e8);
            cdiv(XR(j), XI(j), e7, e8, s, pp);
            j -= 2;
        } else {
            dot(j, x, y);
            sub(v, A(j, j), lr);
            copy(u, li, p);
            negate(u);
            nonzero(v, u);
            negate(x);
            negate(y);
            cdiv(XR(j), XI(j), x, y, v, u);
            j -= 1;
        }
    }
}

}  // namespace

// Work: the registers, the square root's work, and the larger of the
// balancing's (with its two index arrays) and the Hessenberg reduction's.
extern "C" uint64_t widefp_matrix_eig_gen_work_size(uint64_t n, uint64_t p) {
    if (n > kMaxCount) return UINT64_MAX;
    const uint64_t own = add_words(words_for(kRegisters, p), sqrt_words(p));
    const uint64_t bal = add_words(widefp_matrix_balance_work_size(n), 2 * n);
    return add_words(own, std::max(bal, widefp_matrix_hess_work_size(n, p)));
}

// Simple eigenvalues converge quadratically (a dozen sweeps or so); a
// defective one only linearly, about 2.7 bits a sweep for a Jordan block
// of order 3: the bound allows twice that.
extern "C" uint64_t widefp_matrix_eig_gen_sweep_bound(uint64_t p) { return p > (UINT64_MAX - 50) / 48 ? UINT64_MAX : 50 + 48 * p; }

namespace {

void setup(Hqr &h, uint64_t *re, uint64_t *im, uint64_t *A, uint64_t n, uint64_t p, uint64_t *regs,
           uint64_t *sqw) {
    const uint64_t w = p + 1;
    h.p = p;
    h.w = w;
    h.n = static_cast<int64_t>(n);
    h.a = Matrix{A, n, w};
    h.re = re;
    h.im = im;
    uint64_t **named[] = {&h.x,  &h.y,  &h.z,  &h.ww, &h.v,  &h.u,     &h.t,      &h.s,  &h.r,  &h.q,   &h.pp,
                          &h.anorm, &h.eps, &h.h1, &h.h2, &h.h3, &h.zero, &h.c075, &h.c04375, &h.e1, &h.e2, &h.e3,
                          &h.e4, &h.e5, &h.e6, &h.e7, &h.e8, &h.e9, &h.e10, &h.e11, &h.e12};
    static_assert(sizeof named / sizeof named[0] <= kRegisters);
    for (uint64_t i = 0; i < sizeof named / sizeof named[0]; ++i) {
        *named[i] = regs + i * w;
        set_zero(*named[i], p);
    }
    h.sq = sqw;
    h.eps[0] = kOne - 64 * p;  // 2^-64p
    widefp_float_dtowr(h.c075, 0.75, p);
    widefp_float_dtowr(h.c04375, 0.4375, p);
}

// x *= 2^k, exactly.
void scale_pow2(uint64_t *x, int64_t k) {
    if (is_zero(x) || k == 0) return;
    const uint64_t f = x[0] & kExpBits;
    x[0] = (x[0] & kSignBit) | static_cast<uint64_t>(static_cast<int64_t>(f) + k);
}

}  // namespace

extern "C" int widefp_matrix_eig_gen(uint64_t *re, uint64_t *im, uint64_t *sweeps, uint64_t *A, uint64_t n,
                                     int balance, uint64_t max_sweeps, uint64_t p, uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && n <= kMaxCount);
    if (sweeps) sweeps[0] = sweeps[1] = 0;
    if (n == 0) return 0;
    const uint64_t w = p + 1;
    uint64_t *regs = work, *sqw = regs + kRegisters * w, *rest = sqw + sqrt_words(p);
    if (balance) {
        int64_t *d = reinterpret_cast<int64_t *>(rest), *perm = d + n;
        widefp_matrix_balance(A, d, perm, n, 1, 1, p, rest + 2 * n);
    }
    widefp_matrix_hess(A, nullptr, n, 0, p, rest);
    Hqr h{};
    setup(h, re, im, A, n, p, regs, sqw);
    return h.run(sweeps, max_sweeps);
}

// Work: that of the values, the orthogonal factor (n^2 elements), the
// vector (2n elements) and the balancing's record (2n words).
extern "C" uint64_t widefp_matrix_eig_gen_vec_work_size(uint64_t n, uint64_t p) {
    if (n > kMaxCount) return UINT64_MAX;
    return add_words(widefp_matrix_eig_gen_work_size(n, p), add_words(words_for(n * n + 2 * n, p), 2 * n));
}

extern "C" int widefp_matrix_eig_gen_vec(uint64_t *re, uint64_t *im, uint64_t *Vr, uint64_t *Vi, uint64_t *sweeps,
                                         uint64_t *A, uint64_t n, int balance, uint64_t max_sweeps, uint64_t p,
                                         uint64_t *work) {
    WIDEFP_ASSERTD(p >= 2 && n <= kMaxCount);
    if (sweeps) sweeps[0] = sweeps[1] = 0;
    if (n == 0) return 0;
    const uint64_t w = p + 1;
    uint64_t *regs = work, *sqw = regs + kRegisters * w, *zw = sqw + sqrt_words(p);
    uint64_t *xr = zw + n * n * w, *xi = xr + n * w;
    int64_t *d = reinterpret_cast<int64_t *>(xi + n * w), *perm = d + n;
    uint64_t *rest = reinterpret_cast<uint64_t *>(perm + n);
    for (uint64_t i = 0; i < n; ++i) {
        d[i] = 0;
        perm[i] = static_cast<int64_t>(i);
    }
    if (balance) widefp_matrix_balance(A, d, perm, n, 1, 1, p, rest);
    widefp_matrix_hess(A, zw, n, 1, p, rest);
    Hqr h{};
    setup(h, re, im, A, n, p, regs, sqw);
    h.zm = Matrix{zw, n, w};
    h.vec = true;
    const int status = h.run(sweeps, max_sweeps);
    if (status != 0) return status;
    const Matrix vr{Vr, n, w}, vi{Vi, n, w};
    for (uint64_t k = 0; k < n; ++k) {
        if (negative_nonzero(h.IM(static_cast<int64_t>(k))) && k > 0) {  // the conjugate of the one before
            for (uint64_t i = 0; i < n; ++i) {
                copy(vr(i, k), vr(i, k - 1), p);
                copy(vi(i, k), vi(i, k - 1), p);
                if (!is_zero(vi(i, k))) negate(vi(i, k));
            }
            continue;
        }
        h.vector(static_cast<int64_t>(k), xr, xi);
        // v = DD Z x, in column k
        for (uint64_t i = 0; i < n; ++i) {
            uint64_t *orr = vr(static_cast<uint64_t>(perm[i]), k), *oi = vi(static_cast<uint64_t>(perm[i]), k);
            set_zero(orr, p);
            set_zero(oi, p);
            for (uint64_t m = 0; m < n; ++m) {
                widefp_float_mul(h.h1, zw + (i * n + m) * w, xr + m * w, p);
                widefp_float_add(orr, orr, h.h1, p);
                widefp_float_mul(h.h1, zw + (i * n + m) * w, xi + m * w, p);
                widefp_float_add(oi, oi, h.h1, p);
            }
            scale_pow2(orr, d[i]);
            scale_pow2(oi, d[i]);
        }
        // unit 2-norm, the entry of largest magnitude real and positive
        set_zero(h.s, p);
        set_zero(h.x, p);
        uint64_t big = 0;
        for (uint64_t i = 0; i < n; ++i) {
            widefp_float_mul(h.h1, vr(i, k), vr(i, k), p);
            widefp_float_mul(h.h2, vi(i, k), vi(i, k), p);
            widefp_float_add(h.h1, h.h1, h.h2, p);
            widefp_float_add(h.s, h.s, h.h1, p);
            if (widefp_float_lt(h.x, h.h1, p)) {
                copy(h.x, h.h1, p);
                big = i;
            }
        }
        widefp_float_sqrt(h.s, h.s, p, h.sq);  // ||v||
        widefp_float_sqrt(h.x, h.x, p, h.sq);  // |v_big|
        widefp_float_mul(h.x, h.x, h.s, p);
        copy(h.y, vr(big, k), p);  // c = conj(v_big) / (|v_big| ||v||)
        copy(h.z, vi(big, k), p);
        negate(h.z);
        widefp_float_div(h.y, h.y, h.x, p);
        widefp_float_div(h.z, h.z, h.x, p);
        for (uint64_t i = 0; i < n; ++i) {
            h.cmul(h.u, h.v, vr(i, k), vi(i, k), h.y, h.z);
            copy(vr(i, k), h.u, p);
            copy(vi(i, k), h.v, p);
        }
        set_zero(vi(big, k), p);
    }
    return 0;
}
