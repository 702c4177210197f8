// Benchmark of widefp_float_sin and widefp_float_cos against mpfr_sin and mpfr_cos (RNDZ, 64p+1 bits), arguments of either sign up to 2^6.
#include "bench_elementary.h"

int main(int argc, char **argv) {
    static const std::vector<benchelem::Function> fs = {{"sin", widefp_float_sin, mpfr_sin, -3, 5},
                                                        {"cos", widefp_float_cos, mpfr_cos, -3, 5}};
    return benchelem::main(argc, argv, fs);
}
