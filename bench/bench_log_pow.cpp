// Benchmark of widefp_float_log and widefp_float_pow against mpfr_log and mpfr_pow (RNDZ, 64p+1 bits), positive arguments of exponents -8..8, exponent y = 1.2345.
#include <mpfr.h>

#include "bench_elementary.h"

namespace {

// Work area: the function's own work, then the reciprocal cache (kept from
// call to call, as a caller would), then for the power its exponent y.
uint64_t log_words(uint64_t p) { return 3 * p + 6 + widefp_cache_size(p); }
uint64_t pow_words(uint64_t p) { return log_words(p) + p + 1; }

uint64_t log_call(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work) {
    return widefp_float_log(y, x, p, work, work + 3 * p + 6);
}

constexpr double kY = 1.2345;
uint64_t pow_call(uint64_t *z, const uint64_t *x, uint64_t p, uint64_t *work) {
    uint64_t *y = work + log_words(p);
    if (y[0] == 0) widefp_float_dtowr(y, kY, p);
    return widefp_float_pow(z, x, y, p, work, work + 3 * p + 6);
}
int mpfr_pow_call(mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t rnd) {
    static mpfr_t y;
    static bool init = [] {
        mpfr_init2(y, 53);
        mpfr_set_d(y, kY, MPFR_RNDN);
        return true;
    }();
    (void)init;
    return mpfr_pow(r, x, y, rnd);
}

}  // namespace

int main(int argc, char **argv) {
    static const std::vector<benchelem::Function> fs = {
        {"log", log_call, mpfr_log, -8, 8, log_words, true},
        {"pow", pow_call, mpfr_pow_call, -8, 8, pow_words, true},
    };
    return benchelem::main(argc, argv, fs);
}
