// wr_sqrt -- element-wise square roots: wr_sqrt(R, X, count, p, work).
#include "wr_plugin.h"

namespace wr {

// Words of the work area wr_sqrt needs: that of widefp_float_sqrt, 4p+8.
inline uint64_t sqrt_work_words(uint64_t p) { return 4 * p + 8; }

// Index of the first element of X below zero (sign bit set, -0 excepted), or
// count when there is none.
uint64_t first_negative(const uint64_t *X, uint64_t count, uint64_t p) {
    for (uint64_t i = 0; i < count; ++i) {
        const uint64_t x0 = X[i * (p + 1)];
        if ((x0 & kSignBit) && (x0 & kExpBits)) return i;
    }
    return count;
}

// R_i = sqrt(X_i) for i < count; p >= 2, X without negative elements (see
// first_negative), work of sqrt_work_words(p) words.  sqrt(-0) = -0 as in
// IEEE arithmetic (the library refuses every set sign bit); a zero result has
// all fraction words cleared.  R may be X.
void sqrt(uint64_t *R, const uint64_t *X, uint64_t count, uint64_t p, uint64_t *work) {
    const uint64_t w = p + 1;
    for (uint64_t i = 0; i < count; ++i) {
        uint64_t *r = R + i * w;
        const uint64_t *x = X + i * w;
        if ((x[0] & kExpBits) == 0) {
            const uint64_t sign = x[0] & kSignBit;
            set_zero(r, p);
            r[0] = sign;
            continue;
        }
        widefp_float_sqrt(r, x, p, work);
    }
}

}  // namespace wr

#ifndef WIDEFP_NO_MEX
extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_sqrt", nrhs, prhs, 5);
    const uint64_t p = args.precision(3, 2, wr::max_count);
    const uint64_t count = args.count(2, "count");
    uint64_t *R = args.elements(0, count, p, "R");
    const uint64_t *X = args.elements(1, count, p, "X");
    uint64_t *work = args.words(4, wr::sqrt_work_words(p), "work");
    const uint64_t bad = wr::first_negative(X, count, p);
    if (bad < count)
        args.fail("widefp:domain", "square root of a negative number (element %llu)",
                  static_cast<unsigned long long>(bad));
    wr::sqrt(R, X, count, p, work);
}
#endif
