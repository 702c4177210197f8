// wr_det -- determinant by elimination with partial pivoting: wr_det(A, n, p, det).
#include <cstdlib>
#include <cstring>
#include <memory>

#include "wr_plugin.h"

namespace wr {

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
    const RowMatrix a{A, n, w};

    uint64_t swaps = 0;
    for (uint64_t k = 0; k + 1 < n; ++k) {
        const uint64_t q = pivot_row(a, k, n, p, t0, t1);
        if (t0[0] == 0) {  // no nonzero candidate: singular
            set_zero(d, p);
            return true;
        }
        if (q != k) {
            exchange_rows(a, q, k, p, t1);
            ++swaps;
        }
        eliminate_below(a, k, n, p, t0, t1);
    }
    d[0] = kOne;
    std::memset(d + 1, 0, p * sizeof(uint64_t));
    for (uint64_t k = 0; k < n; ++k) widefp_float_mul(d, d, a(k, k), p);
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
