// wr_svd -- singular value decomposition: wr_svd(A, m, n, p, U, s, V, uflag, vflag[, max_sweeps]).
//
// A = U diag(s) V^T for an m x n matrix A (by rows, destroyed): Householder
// reduction to bidiagonal form, optional generation of U (m x min(m,n)) and
// V (n x n), then implicitly shifted QR sweeps on the bidiagonal matrix with
// plane rotations until every superdiagonal entry is negligible relative to
// its neighbours at eps = 2^-64p; finally the singular values are made
// non-negative and sorted in decreasing order (q = min(n, m+1) of them).
// U must be all zero on entry when uflag is set.  Every operation truncates.
//
// The optional tenth argument lowers (or raises) the bound on the number of
// QR sweeps spent on one singular value (see svd_sweep_bound); when a
// singular value has not converged within the bound the call raises
// "widefp:convergence" and A, U, s and V hold an unfinished state.
#include <cstring>
#include <memory>
#include <new>

#include "wr_plugin.h"

namespace wr {

namespace {

inline void negate(uint64_t *x) { x[0] ^= kSignBit; }
// Negative in the sense of the shift and of the diagonal tests: sign bit set
// and not -0.
inline bool negative_nonzero(const uint64_t *x) { return (x[0] & kSignBit) && x[0] != kSignBit; }


// One matrix of `cols` columns stored by rows in an element array.
struct Mat {
    uint64_t *base;
    uint64_t cols;
    uint64_t w;  // p + 1
    uint64_t *operator()(uint64_t i, uint64_t j) const { return base + (i * cols + j) * w; }
};

}  // namespace

// Bound on the QR sweeps spent between two convergences (the counter is reset
// whenever a singular value converges).  With the shift used here the last
// superdiagonal entry converges at least quadratically once it is small: from
// the start a handful of sweeps reach the 64p bits the relative test asks
// for (random, Hilbert, graded and rank-deficient matrices up to 30 x 30 and
// p up to 8 never need more than 7).  Even an iteration that gained only one
// bit per sweep would finish within 64p + 64 sweeps; the bound is twice that
// plus a margin of 1000, so it only stops an iteration that has stalled.  A
// sweep costs O((m + n) q) products, so reaching the bound takes seconds,
// not hours.
uint64_t svd_sweep_bound(uint64_t p) { return 2 * (64 * p + 64) + 1000; }

// The decomposition.  Preconditions: p >= 2; A holds m*n elements, s
// min(n, m+1), U m*min(m,n) (all zero) when uflag, V n*n when vflag.
// Returns 0 on success, 1 when some singular value needed more than
// max_sweeps sweeps (the arrays then hold an unfinished state).  When
// counts is given, counts[0] receives the largest number of sweeps spent on
// one singular value and counts[1] the total number of sweeps.  Throws std::bad_alloc (before touching any argument) when
// the scratch cannot be had.  An empty matrix (m or n zero) has nothing to
// decompose: the arrays are left untouched.
int svd(uint64_t *A, uint64_t m, uint64_t n, uint64_t p, uint64_t *U, uint64_t *s, uint64_t *V, int uflag,
        int vflag, uint64_t max_sweeps, uint64_t *counts) {
    const uint64_t w = p + 1;
    if (counts) counts[0] = counts[1] = 0;
    if (m == 0 || n == 0) return 0;

    // ---- scratch, before anything else ----
    auto e_block = heap_words(element_words(n, p));
    auto work_block = heap_words(element_words(m, p));
    auto tmp_block = heap_words(element_words(20, p));
    auto sqrt_block = heap_words(p > UINT64_MAX / 8 ? UINT64_MAX : 4 * (p + 2));
    uint64_t *sq = sqrt_block.get();
    uint64_t *tb = tmp_block.get();
    uint64_t *t = tb, *t2 = tb + w, *t3 = tb + 2 * w, *f = tb + 3 * w, *g = tb + 4 * w, *cs = tb + 5 * w;
    uint64_t *sn = tb + 6 * w, *eps = tb + 7 * w, *one = tb + 8 * w, *zero = tb + 9 * w, *scale = tb + 10 * w;
    uint64_t *r = tb + 11 * w, *sp = tb + 12 * w, *spm1 = tb + 13 * w, *epm1 = tb + 14 * w, *sk = tb + 15 * w;
    uint64_t *ek = tb + 16 * w, *b = tb + 17 * w, *shift = tb + 18 * w, *c = tb + 19 * w;

    const int64_t ms = static_cast<int64_t>(m), ns = static_cast<int64_t>(n);
    const int64_t cu = ms < ns ? ms : ns;
    const int64_t hc = (ms - 1) < ns ? ms - 1 : ns;
    int64_t hr = (ns - 2) < ms ? ns - 2 : ms;
    if (hr < 0) hr = 0;
    int64_t q = ns < ms + 1 ? ns : ms + 1;

    Mat a{A, n, w}, u{U, static_cast<uint64_t>(cu), w}, v{V, n, w};
    auto S = [&](int64_t i) { return s + i * w; };
    auto E = [&](int64_t i) { return e_block.get() + i * w; };
    auto W = [&](int64_t i) { return work_block.get() + i * w; };
    auto add = [&](uint64_t *z, const uint64_t *x, const uint64_t *y) { widefp_float_add(z, x, y, p); };
    auto sub = [&](uint64_t *z, const uint64_t *x, const uint64_t *y) { widefp_float_sub(z, x, y, p); };
    auto mul = [&](uint64_t *z, const uint64_t *x, const uint64_t *y) { widefp_float_mul(z, x, y, p); };
    auto div = [&](uint64_t *z, const uint64_t *x, const uint64_t *y) { widefp_float_div(z, x, y, p); };
    auto lt = [&](const uint64_t *x, const uint64_t *y) { return widefp_float_lt(x, y, p) != 0; };
    auto hypot = [&](uint64_t *z, const uint64_t *x, const uint64_t *y) { widefp_mex_hypot(z, x, y, p); };
    auto sqrt = [&](uint64_t *z, const uint64_t *x) { widefp_float_sqrt(z, x, p, sq); };

    set_zero(eps, p);
    eps[0] = kOne - 64 * p;
    set_one(one, p);
    set_zero(zero, p);

    // ---- 1. reduction to bidiagonal form ----
    const int64_t kend = hc > hr ? hc : hr;
    for (int64_t k = 0; k < kend; ++k) {
        if (k < hc) {
            set_zero(t, p);
            for (int64_t i = k; i < ms; ++i) {
                mul(t2, a(i, k), a(i, k));
                add(t, t, t2);
            }
            sqrt(S(k), t);
            if (!is_zero(S(k))) {
                if (a(k, k)[0] & kSignBit) negate(S(k));
                for (int64_t i = k; i < ms; ++i) div(a(i, k), a(i, k), S(k));
                add(a(k, k), a(k, k), one);
            }
            negate(S(k));
        }
        for (int64_t j = k + 1; j < ns; ++j) {
            if (k < hc && !is_zero(S(k))) {
                set_zero(t, p);
                for (int64_t i = k; i < ms; ++i) {
                    mul(t2, a(i, k), a(i, j));
                    add(t, t, t2);
                }
                div(t, t, a(k, k));
                negate(t);
                for (int64_t i = k; i < ms; ++i) {
                    mul(t2, t, a(i, k));
                    add(a(i, j), a(i, j), t2);
                }
            }
            copy(E(j), a(k, j), p);
        }
        if (uflag && k < hc)
            for (int64_t i = k; i < ms; ++i) copy(u(i, k), a(i, k), p);
        if (k < hr) {
            set_zero(t, p);
            for (int64_t i = k + 1; i < ns; ++i) {
                mul(t2, E(i), E(i));
                add(t, t, t2);
            }
            sqrt(E(k), t);
            if (!is_zero(E(k))) {
                if (E(k + 1)[0] & kSignBit) negate(E(k));
                for (int64_t i = k + 1; i < ns; ++i) div(E(i), E(i), E(k));
                add(E(k + 1), E(k + 1), one);
            }
            negate(E(k));
            if (k + 1 < ms && !is_zero(E(k))) {
                for (int64_t i = k + 1; i < ms; ++i) set_zero(W(i), p);
                for (int64_t j = k + 1; j < ns; ++j)
                    for (int64_t i = k + 1; i < ms; ++i) {
                        mul(t2, E(j), a(i, j));
                        add(W(i), W(i), t2);
                    }
                for (int64_t j = k + 1; j < ns; ++j) {
                    div(t, E(j), E(k + 1));
                    negate(t);
                    for (int64_t i = k + 1; i < ms; ++i) {
                        mul(t2, t, W(i));
                        add(a(i, j), a(i, j), t2);
                    }
                }
            }
            if (vflag)
                for (int64_t i = k + 1; i < ns; ++i) copy(v(i, k), E(i), p);
        }
    }

    // ---- 2. the final bidiagonal matrix of order q ----
    if (hc < ns) copy(S(hc), a(hc, hc), p);
    if (ms < q) set_zero(S(q - 1), p);
    if (hr + 1 < q) copy(E(hr), a(hr, q - 1), p);
    set_zero(E(q - 1), p);

    // ---- 3. generate U ----
    if (uflag) {
        for (int64_t j = hc; j < cu; ++j) {
            for (int64_t i = 0; i < ms; ++i) set_zero(u(i, j), p);
            set_one(u(j, j), p);
        }
        for (int64_t k = hc - 1; k >= 0; --k) {
            if (!is_zero(S(k))) {
                for (int64_t j = k + 1; j < cu; ++j) {
                    set_zero(t, p);
                    for (int64_t i = k; i < ms; ++i) {
                        mul(t2, u(i, k), u(i, j));
                        add(t, t, t2);
                    }
                    div(t, t, u(k, k));
                    negate(t);
                    for (int64_t i = k; i < ms; ++i) {
                        mul(t2, t, u(i, k));
                        add(u(i, j), u(i, j), t2);
                    }
                }
                for (int64_t i = k; i < ms; ++i) negate(u(i, k));
                add(u(k, k), one, u(k, k));
                // Rows 0..k-2 only: row k-1 of this column was never written
                // and is zero from the caller.
                for (int64_t i = 0; i + 2 <= k; ++i) set_zero(u(i, k), p);
            } else {
                for (int64_t i = 0; i < ms; ++i) set_zero(u(i, k), p);
                set_one(u(k, k), p);
            }
        }
    }

    // ---- 4. generate V ----
    if (vflag) {
        for (int64_t k = ns - 1; k >= 0; --k) {
            if (k < hr && !is_zero(E(k))) {
                // Every later column of V takes the reflection.  (Running j
                // only to min(m, n) - 1, as a transcription of this loop might,
                // gives the same for m >= n but leaves V wrong when m < n.)
                for (int64_t j = k + 1; j < ns; ++j) {
                    set_zero(t, p);
                    for (int64_t i = k + 1; i < ns; ++i) {
                        mul(t2, v(i, k), v(i, j));
                        add(t, t, t2);
                    }
                    div(t, t, v(k + 1, k));
                    negate(t);
                    for (int64_t i = k + 1; i < ns; ++i) {
                        mul(t2, t, v(i, k));
                        add(v(i, j), v(i, j), t2);
                    }
                }
            }
            for (int64_t i = 0; i < ns; ++i) set_zero(v(i, k), p);
            set_one(v(k, k), p);
        }
    }

    // Plane rotation of columns x and y of a matrix over rows 0..rows-1:
    // (x, y) <- (cs x + sn y, cs y - sn x).
    auto rotate = [&](const Mat &mat, int64_t rows, int64_t x, int64_t y) {
        for (int64_t i = 0; i < rows; ++i) {
            mul(t, cs, mat(i, x));
            mul(t2, sn, mat(i, y));
            add(t, t, t2);
            mul(t2, cs, mat(i, y));
            mul(t3, sn, mat(i, x));
            sub(mat(i, y), t2, t3);
            copy(mat(i, x), t, p);
        }
    };
    // |x| <= eps * y, tested as not (eps * y < |x|); y is consumed.
    auto negligible = [&](const uint64_t *x, uint64_t *y) {
        mul(y, eps, y);
        copy_abs(t3, x, p);
        return !lt(y, t3);
    };

    // ---- 5. QR iteration on the bidiagonal matrix ----
    const int64_t qq = q - 1;
    uint64_t sweeps = 0;
    while (q > 0) {
        // Find the last negligible superdiagonal entry above the diagonal block.
        int64_t k;
        for (k = q - 2; k >= 0; --k) {
            copy_abs(t, S(k), p);
            copy_abs(t2, S(k + 1), p);
            add(t, t, t2);
            if (negligible(E(k), t)) {
                E(k)[0] = 0;
                break;
            }
        }
        int kase;
        if (k == q - 2) {
            kase = 4;
        } else {
            int64_t ks;
            for (ks = q - 1; ks > k; --ks) {
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
            if (ks == k)
                kase = 3;
            else if (ks == q - 1)
                kase = 1;
            else {
                kase = 2;
                k = ks;
            }
        }
        ++k;

        if (kase == 1) {  // deflate a negligible s[q-1]
            copy(f, E(q - 2), p);
            set_zero(E(q - 2), p);
            for (int64_t j = q - 2; j >= k; --j) {
                hypot(t, S(j), f);
                div(cs, S(j), t);
                div(sn, f, t);
                copy(S(j), t, p);
                if (j != k) {
                    mul(f, sn, E(j - 1));
                    negate(f);
                    mul(E(j - 1), cs, E(j - 1));
                }
                if (vflag) rotate(v, ns, j, q - 1);
            }
        } else if (kase == 2) {  // split at a negligible s[k-1]
            copy(f, E(k - 1), p);
            set_zero(E(k - 1), p);
            for (int64_t j = k; j < q; ++j) {
                hypot(t, S(j), f);
                div(cs, S(j), t);
                div(sn, f, t);
                copy(S(j), t, p);
                mul(f, sn, E(j));
                negate(f);
                mul(E(j), cs, E(j));
                // Column q-1 of U exists whenever this case is reached (a
                // zero s[m] with m < n deflates through case 1 first); the
                // test only guards the array.
                if (uflag && j < cu) rotate(u, ms, j, k - 1);
            }
        } else if (kase == 3) {  // one QR sweep with shift
            if (sweeps >= max_sweeps) return 1;
            copy_abs(scale, S(q - 1), p);
            const uint64_t *cand[4] = {S(q - 2), E(q - 2), S(k), E(k)};
            for (const uint64_t *x : cand) {
                copy_abs(t, x, p);
                if (lt(scale, t)) copy(scale, t, p);
            }
            div(r, one, scale);
            mul(sp, S(q - 1), r);
            mul(spm1, S(q - 2), r);
            mul(epm1, E(q - 2), r);
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
                sqrt(shift, t);
                if (negative_nonzero(b)) negate(shift);
                add(t, b, shift);
                div(shift, c, t);
            }
            add(t, sk, sp);
            sub(t2, sk, sp);
            mul(f, t, t2);
            add(f, f, shift);
            mul(g, sk, ek);
            for (int64_t j = k; j <= q - 2; ++j) {
                hypot(t, f, g);
                div(cs, f, t);
                div(sn, g, t);
                if (j != k) copy(E(j - 1), t, p);
                mul(t, cs, S(j));
                mul(t2, sn, E(j));
                add(f, t, t2);
                mul(t, cs, E(j));
                mul(t2, sn, S(j));
                sub(E(j), t, t2);
                mul(g, sn, S(j + 1));
                mul(S(j + 1), cs, S(j + 1));
                if (vflag) rotate(v, ns, j, j + 1);
                hypot(t, f, g);
                div(cs, f, t);
                div(sn, g, t);
                copy(S(j), t, p);
                mul(t, cs, E(j));
                mul(t2, sn, S(j + 1));
                add(f, t, t2);
                mul(t, cs, S(j + 1));
                mul(t2, sn, E(j));
                sub(S(j + 1), t, t2);
                mul(g, sn, E(j + 1));
                mul(E(j + 1), cs, E(j + 1));
                if (uflag && j < ms - 1) rotate(u, ms, j, j + 1);
            }
            copy(E(q - 2), f, p);
            ++sweeps;
            if (counts) {
                if (sweeps > counts[0]) counts[0] = sweeps;
                ++counts[1];
            }
        } else {  // convergence of s[k]
            // The whole column of V changes sign: all n rows (rows 0..qq
            // only, qq = min(n, m+1) - 1, are the same for m >= n but leave
            // V wrong when m < n).
            if (S(k)[0] & kSignBit) {
                negate(S(k));
                if (vflag)
                    for (int64_t i = 0; i < ns; ++i) negate(v(i, k));
            } else if (S(k)[0] == 0) {
                set_zero(S(k), p);
                if (vflag)
                    for (int64_t i = 0; i < ns; ++i) negate(v(i, k));
            }
            while (k < qq && lt(S(k), S(k + 1))) {
                swap_elements(S(k), S(k + 1), p);
                if (vflag && k < ns - 1)
                    for (int64_t i = 0; i < ns; ++i) swap_elements(v(i, k), v(i, k + 1), p);
                if (uflag && k < ms - 1)
                    for (int64_t i = 0; i < ms; ++i) swap_elements(u(i, k), u(i, k + 1), p);
                ++k;
            }
            sweeps = 0;
            --q;
        }
    }
    return 0;
}

int svd(uint64_t *A, uint64_t m, uint64_t n, uint64_t p, uint64_t *U, uint64_t *s, uint64_t *V, int uflag,
        int vflag) {
    return svd(A, m, n, p, U, s, V, uflag, vflag, svd_sweep_bound(p), nullptr);
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_svd", nrhs, prhs, 9, 10);
    const uint64_t m = args.count(1, "m");
    const uint64_t n = args.count(2, "n");
    const uint64_t p = args.precision(3, 2, wr::max_count);
    // Flags: truncated to 32-bit integers, nonzero means yes.
    const int uflag = static_cast<int32_t>(static_cast<uint32_t>(args.count(7, "U flag", 0, UINT64_MAX)));
    const int vflag = static_cast<int32_t>(static_cast<uint32_t>(args.count(8, "V flag", 0, UINT64_MAX)));
    const uint64_t bound = args.count() > 9 ? args.count(9, "sweep bound", 0, UINT64_MAX) : wr::svd_sweep_bound(p);
    const uint64_t cu = m < n ? m : n;
    const uint64_t q = (m == 0 || n == 0) ? 0 : (n < m + 1 ? n : m + 1);
    uint64_t *A = args.elements(0, m * n, p, "A");
    uint64_t *U = args.elements(4, uflag ? m * cu : 0, p, "U");
    uint64_t *s = args.elements(5, q, p, "s");
    uint64_t *V = args.elements(6, vflag ? n * n : 0, p, "V");
    int status = 0;
    bool out_of_memory = false;
    try {
        status = wr::svd(A, m, n, p, U, s, V, uflag, vflag, bound, nullptr);
    } catch (const std::bad_alloc &) {
        out_of_memory = true;
    }
    if (out_of_memory)
        args.fail("widefp:memory", "out of memory for the scratch of m = %llu, n = %llu, p = %llu",
                  static_cast<unsigned long long>(m), static_cast<unsigned long long>(n),
                  static_cast<unsigned long long>(p));
    if (status != 0)
        args.fail("widefp:convergence", "no convergence within %llu QR sweeps for one singular value",
                  static_cast<unsigned long long>(bound));
}
#endif
