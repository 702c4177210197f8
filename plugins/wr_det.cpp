// wr_det -- determinant by elimination with partial pivoting: wr_det(A, n, p, det).
#include <cstdlib>
#include <cstring>
#include <memory>

#include "wr_plugin.h"

namespace wr {
namespace {



}  // namespace

// A is n x n by rows and is overwritten by the elimination.  The two scratch
// elements t0, t1 come from alloc (std::malloc in the plug-in) before anything
// else is done; when it fails, det returns false having touched neither A nor
// d.  Otherwise: for each column k < n-1 the pivot is the first row from k
// down of strictly largest magnitude; a zero largest magnitude means a
// singular matrix and d = +0 (all words zero); rows are exchanged over
// columns k..n-1 and counted; the rows below are eliminated, truncating.
// Then d = 1 * U(0,0) * ... * U(n-1,n-1) with its sign inverted after an odd
// number of exchanges.  p >= 2.
bool det(uint64_t *A, uint64_t n, uint64_t p, uint64_t *d, void *(*alloc)(size_t)) {
    const uint64_t w = p + 1;
    std::unique_ptr<uint64_t, decltype(&std::free)> scratch(
        static_cast<uint64_t *>(alloc(2 * w * sizeof(uint64_t))), &std::free);
    if (!scratch) return false;
    uint64_t *t0 = scratch.get();
    uint64_t *t1 = t0 + w;
    auto el = [=](uint64_t i, uint64_t c) { return A + (i * n + c) * w; };

    uint64_t swaps = 0;
    for (uint64_t k = 0; k + 1 < n; ++k) {
        uint64_t q = k;
        copy_abs(t0, el(k, k), p);
        for (uint64_t i = k + 1; i < n; ++i) {
            copy_abs(t1, el(i, k), p);
            if (widefp_float_lt(t0, t1, p)) {
                q = i;
                copy(t0, t1, p);
            }
        }
        if (t0[0] == 0) {  // no nonzero candidate: singular
            set_zero(d, p);
            return true;
        }
        if (q != k) {
            for (uint64_t c = k; c < n; ++c) {
                copy(t1, el(q, c), p);
                copy(el(q, c), el(k, c), p);
                copy(el(k, c), t1, p);
            }
            ++swaps;
        }
        for (uint64_t i = k + 1; i < n; ++i) {
            widefp_float_div(t0, el(i, k), el(k, k), p);
            for (uint64_t c = k + 1; c < n; ++c) {
                widefp_float_mul(t1, t0, el(k, c), p);
                widefp_float_sub(el(i, c), el(i, c), t1, p);
            }
            set_zero(el(i, k), p);
        }
    }
    d[0] = kOne;
    std::memset(d + 1, 0, p * sizeof(uint64_t));
    for (uint64_t k = 0; k < n; ++k) widefp_float_mul(d, d, el(k, k), p);
    if (swaps & 1) d[0] ^= kSignBit;
    return true;
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_det", nrhs, prhs, 4);
    const uint64_t p = args.precision(2, 2, wr::max_count);
    const uint64_t n = args.count(1, "n");
    uint64_t *A = args.elements(0, n * n, p, "A");
    uint64_t *d = args.elements(3, 1, p, "det");
    if (!wr::det(A, n, p, d, &std::malloc))
        args.fail("widefp:memory", "no memory for %llu scratch words",
                  static_cast<unsigned long long>(2 * (p + 1)));
}
#endif
