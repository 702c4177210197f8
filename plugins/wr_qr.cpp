// wr_qr -- Householder QR factorisation: wr_qr(A, m, n, p, Q, R, qflag, rflag).
//
// A (m x n, by rows) is overwritten: column k holds, from the diagonal down,
// the k-th reflection vector (first entry in [1, 2]) and above the diagonal
// the entries of R.  With qflag nonzero the m x n matrix Q is formed; with
// rflag nonzero R (min(m,n) x n) is written separately and A keeps the full
// reflection vectors, otherwise R's diagonal replaces theirs in A.  Every
// operation truncates.  Built for m >= n.
#include <cstring>
#include <memory>
#include <new>

#include "wr_plugin.h"

namespace wr {

// Factors A = Q R in place.  Preconditions: p >= 2; A holds m*n elements, Q
// m*n when qflag, R min(m,n)*n when rflag.  The scratch is allocated before
// anything is read or written: on std::bad_alloc the arguments are untouched.
void qr(uint64_t *A, uint64_t m, uint64_t n, uint64_t p, uint64_t *Q, uint64_t *R, int qflag, int rflag) {
    const uint64_t w = p + 1;
    auto scratch = heap_words(element_words(n + 3, p));
    auto sqrt_work = heap_words(p > UINT64_MAX / 8 ? UINT64_MAX : 4 * (p + 2));
    uint64_t *t = scratch.get();
    uint64_t *s = t + w;
    uint64_t *norm = s + w;
    uint64_t *d = norm + w;  // d[k] at d + k*w
    uint64_t *work = sqrt_work.get();

    auto a = [&](uint64_t i, uint64_t j) { return A + (i * n + j) * w; };
    auto q_ = [&](uint64_t i, uint64_t j) { return Q + (i * n + j) * w; };
    auto r_ = [&](uint64_t i, uint64_t j) { return R + (i * n + j) * w; };
    const uint64_t q = m < n ? m : n;

    // ---- factorisation, one reflection per column ----
    for (uint64_t k = 0; k < n; ++k) {
        set_zero(norm, p);
        for (uint64_t i = k; i < m; ++i) {
            widefp_float_mul(t, a(i, k), a(i, k), p);
            widefp_float_add(norm, norm, t, p);
        }
        widefp_float_sqrt(norm, norm, p, work);
        if (!is_zero(norm)) {
            // -0 on the diagonal counts as non-negative
            if ((a(k, k)[0] & kSignBit) && a(k, k)[0] != kSignBit) norm[0] ^= kSignBit;
            for (uint64_t i = k; i < m; ++i) widefp_float_div(a(i, k), a(i, k), norm, p);
            set_one(t, p);
            widefp_float_add(a(k, k), a(k, k), t, p);
            for (uint64_t j = k + 1; j < n; ++j) {
                set_zero(s, p);
                for (uint64_t i = k; i < m; ++i) {
                    widefp_float_mul(t, a(i, k), a(i, j), p);
                    widefp_float_add(s, s, t, p);
                }
                widefp_float_div(s, s, a(k, k), p);
                s[0] ^= kSignBit;
                for (uint64_t i = k; i < m; ++i) {
                    widefp_float_mul(t, s, a(i, k), p);
                    widefp_float_add(a(i, j), a(i, j), t, p);
                }
            }
        }
        copy(d + k * w, norm, p);
        d[k * w] ^= kSignBit;  // a zero column gives -0
    }

    // ---- Q, from the last reflection back, before the diagonal of A changes ----
    if (qflag) {
        for (uint64_t kk = q; kk-- > 0;) {
            for (uint64_t i = 0; i < m; ++i) set_zero(q_(i, kk), p);
            set_one(q_(kk, kk), p);
            if (is_zero(a(kk, kk))) continue;
            for (uint64_t j = kk; j < n; ++j) {
                set_zero(s, p);
                for (uint64_t i = kk; i < m; ++i) {
                    widefp_float_mul(t, a(i, kk), q_(i, j), p);
                    widefp_float_add(s, s, t, p);
                }
                widefp_float_div(s, s, a(kk, kk), p);
                s[0] ^= kSignBit;
                for (uint64_t i = kk; i < m; ++i) {
                    widefp_float_mul(t, s, a(i, kk), p);
                    widefp_float_add(q_(i, j), q_(i, j), t, p);
                }
            }
        }
    }

    // ---- R ----
    if (rflag) {
        for (uint64_t i = 0; i < q; ++i)
            for (uint64_t j = 0; j < n; ++j) {
                if (i < j)
                    copy(r_(i, j), a(i, j), p);
                else if (i == j)
                    copy(r_(i, j), d + i * w, p);
                else
                    set_zero(r_(i, j), p);
            }
    } else {
        for (uint64_t k = 0; k < q; ++k) copy(a(k, k), d + k * w, p);
    }
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_qr", nrhs, prhs, 8);
    const uint64_t m = args.count(1, "m");
    const uint64_t n = args.count(2, "n");
    const uint64_t p = args.precision(3, 2, wr::max_count);
    // Flags: truncated to 32-bit integers, nonzero means yes.
    const int qflag = static_cast<int32_t>(static_cast<uint32_t>(args.count(6, "Q flag", 0, UINT64_MAX)));
    const int rflag = static_cast<int32_t>(static_cast<uint32_t>(args.count(7, "R flag", 0, UINT64_MAX)));
    const uint64_t q = m < n ? m : n;
    uint64_t *A = args.elements(0, m * n, p, "A");
    uint64_t *Q = args.elements(4, qflag ? m * n : 0, p, "Q");
    uint64_t *R = args.elements(5, rflag ? q * n : 0, p, "R");
    bool out_of_memory = false;
    try {
        wr::qr(A, m, n, p, Q, R, qflag, rflag);
    } catch (const std::bad_alloc &) {
        out_of_memory = true;
    }
    if (out_of_memory) args.fail("widefp:memory", "out of memory for the scratch of n = %llu, p = %llu",
                                 static_cast<unsigned long long>(n), static_cast<unsigned long long>(p));
}
#endif
