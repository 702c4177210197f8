// Benchmark of widefp_float_atan and widefp_float_asin against mpfr_atan and mpfr_asin (RNDZ, 64p+1 bits), arguments of either sign, exponents -8..8 (atan) and -8..-1 (asin).
#include <mpfr.h>

#include "bench_elementary.h"

namespace {

// atan's work, then the reciprocal cache, kept from call to call.
uint64_t atan_words(uint64_t p) { return 2 * p + 4 + widefp_cache_size(p); }
uint64_t atan_call(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work) {
    return widefp_float_atan(y, x, p, work, work + 2 * p + 4);
}

}  // namespace

int main(int argc, char **argv) {
    static const std::vector<benchelem::Function> fs = {
        {"atan", atan_call, mpfr_atan, -8, 8, atan_words},
        {"asin", widefp_float_asin, mpfr_asin, -8, -1, widefp_float_asin_work_size},
    };
    return benchelem::main(argc, argv, fs);
}
