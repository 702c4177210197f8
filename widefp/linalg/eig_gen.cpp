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

constexpr uint64_t kRegisters = 20;  // named scratch elements

struct Hqr {
    uint64_t p, w;
    int64_t n;
    Matrix a;
    uint64_t *re, *im;
    uint64_t *x, *y, *z, *ww, *v, *u, *t, *s, *r, *q, *pp, *anorm, *eps, *h1, *h2, *h3, *zero, *c075, *c04375;
    uint64_t *sq;  // the square root's work

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
        for (int64_t j = k; j <= nn; ++j) {  // rows k, k+1 (, k+2)
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
        for (int64_t i = l; i <= last; ++i) {  // columns k, k+1 (, k+2)
            mul(pp, x, A(i, k));
            mul(h1, y, A(i, k + 1));
            add(pp, pp, h1);
            if (three) {
                mul(h1, z, A(i, k + 2));
                add(pp, pp, h1);
                mul(h1, pp, r);
                sub(A(i, k + 2), A(i, k + 2), h1);
            }
            mul(h1, pp, q);
            sub(A(i, k + 1), A(i, k + 1), h1);
            sub(A(i, k), A(i, k), pp);
        }
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
            --nn;
            its = 0;
            continue;
        }
        if (l == nn - 1) {
            pair(nn);
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

}  // namespace

// Work: the registers, the square root's work, and the larger of the
// balancing's (with its two index arrays) and the Hessenberg reduction's.
extern "C" uint64_t widefp_matrix_eig_gen_itch(uint64_t n, uint64_t p) {
    if (n > kMaxCount) return UINT64_MAX;
    const uint64_t own = add_words(words_for(kRegisters, p), sqrt_words(p));
    const uint64_t bal = add_words(widefp_matrix_balance_itch(n), 2 * n);
    return add_words(own, std::max(bal, widefp_matrix_hess_itch(n, p)));
}

// Simple eigenvalues converge quadratically (a dozen sweeps or so); a
// defective one only linearly, about 2.7 bits a sweep for a Jordan block
// of order 3: the bound allows twice that.
extern "C" uint64_t widefp_matrix_eig_gen_sweep_bound(uint64_t p) { return p > (UINT64_MAX - 50) / 48 ? UINT64_MAX : 50 + 48 * p; }

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
    h.p = p;
    h.w = w;
    h.n = static_cast<int64_t>(n);
    h.a = Matrix{A, n, w};
    h.re = re;
    h.im = im;
    uint64_t **named[] = {&h.x, &h.y, &h.z, &h.ww, &h.v, &h.u, &h.t, &h.s, &h.r, &h.q, &h.pp,
                          &h.anorm, &h.eps, &h.h1, &h.h2, &h.h3, &h.zero, &h.c075, &h.c04375};
    for (uint64_t i = 0; i < sizeof named / sizeof named[0]; ++i) {
        *named[i] = regs + i * w;
        set_zero(*named[i], p);
    }
    h.sq = sqw;
    h.eps[0] = kOne - 64 * p;  // 2^-64p
    widefp_float_dtowr(h.c075, 0.75, p);
    widefp_float_dtowr(h.c04375, 0.4375, p);
    return h.run(sweeps, max_sweeps);
}
