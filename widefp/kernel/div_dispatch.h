// div_dispatch.h -- choice between the division's portable and ADX row kernels (for tests).
#ifndef WIDEFP_KERNEL_DIV_DISPATCH_H
#define WIDEFP_KERNEL_DIV_DISPATCH_H

namespace widefp::detail {

// Uses the MULX/ADCX/ADOX row kernel when use is true and the processor has
// those instructions, the portable one otherwise.  Returns the previous choice.
bool div_select_adx(bool use);

}  // namespace widefp::detail

#endif
