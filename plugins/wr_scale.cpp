// wr_scale -- every element times one number: wr_scale(R, X, s, count, p).
#include "wr_plugin.h"

extern "C" void mexFunction(int, mxArray *[], int nrhs, const mxArray *prhs[]) {
    wr::Args args("wr_scale", nrhs, prhs, 5);
    const uint64_t p = args.precision(4, 2, wr::max_count);
    const uint64_t count = args.count(3, "count");
    uint64_t *R = args.elements(0, count, p, "R");
    const uint64_t *X = args.elements(1, count, p, "X");
    const uint64_t *s = args.elements(2, 1, p, "s");
    if (R != X) args.require_disjoint(0, 1);  // R = X is element by element
    // A factor inside R would change under the loop: use a copy.
    std::unique_ptr<uint64_t[]> s_copy;
    if (args.overlap(0, 2)) {
        s_copy = wr::heap_words(p + 1);
        std::memcpy(s_copy.get(), s, (p + 1) * sizeof(uint64_t));
        s = s_copy.get();
    }
    widefp_float_scale_all(R, X, s, count, p);
}
