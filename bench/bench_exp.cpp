// Benchmark of widefp_float_exp against mpfr_exp (RNDZ, 64p+1 bits), arguments of either sign up to 2^6.
#include "bench_elementary.h"

int main(int argc, char **argv) {
    static const std::vector<benchelem::Function> fs = {{"exp", widefp_float_exp, mpfr_exp, -3, 5}};
    return benchelem::main(argc, argv, fs);
}
