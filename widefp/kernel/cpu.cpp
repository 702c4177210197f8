// cpu.cpp -- the one test of the processor's features, made once at start-up.
#include "kernel/internal.h"

#ifdef WIDEFP_X86_ASM
#include <cpuid.h>

namespace widefp::detail {
namespace {
bool detect_adx() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid_count(7, 0, &a, &b, &c, &d)) return false;
    return (b & (1u << 19)) && (b & (1u << 8));  // ADX, BMI2
}
}  // namespace

const bool kHaveAdx = detect_adx();
}  // namespace widefp::detail
#endif
