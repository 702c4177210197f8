// stirling.h -- the pieces of ln|Gamma(x)| at a working precision: Stirling's
// series after shifting the argument up, and the reflection formula below 0.
//
// For z > 0, ln Gamma(z) = S0(z) + ln sqrt(2 pi) + R_K(z) with
//   S0(z) = (z - 1/2) ln z - z + sum_{k=1}^{K} c_k z^(1-2k),
//   c_k = B_2k / (2k (2k-1)) = (-1)^(k-1) T_k / ((2k-1) 4^k (4^k - 1)),
// and |R_K(z)| at most the first omitted term |c_(K+1)| z^(-2K-1) (real z > 0).
// The series is used at z >= z0, z = x + N after
// Gamma(x) = Gamma(x + N) / (x (x+1) ... (x+N-1)); below 0,
// Gamma(x) = pi / (sin(pi x) Gamma(1 - x)).
#ifndef WIDEFP_SPECIAL_STIRLING_H
#define WIDEFP_SPECIAL_STIRLING_H

#include <cstdint>

#include "special/tangent.h"
#include "special/work.h"

namespace widefp::special {

// Shift threshold z0 and number of terms K (at z0) for an absolute error of
// 2^-(64q+4) at working precision q, chosen for the least work (shift
// products, series terms and, beyond the table, the tangent numbers).
struct StirlingPlan {
    double z0;
    uint64_t K;
};
StirlingPlan stirling_plan(uint64_t q);

// The coefficients c_1 .. c_(K+1) at the Work's precision, with their error
// bounds.
class StirlingCoefs {
public:
    StirlingCoefs(Work &w, uint64_t K);
    uint64_t K() const { return K_; }
    Num c(uint64_t k) const;  // 1 <= k <= K+1

private:
    uint64_t K_, q_;
    Scratch store_;
    double *re_;
    std::unique_ptr<double[]> re_store_;
};

// ln|Gamma(x)| = sgn * S + ln D and Gamma(x) = (neg ? -1 : 1) e^(sgn * S) D,
// D = Dm * 2^eD > 0 with Dm in [1, 2) (D alone may lie beyond the range: next
// to a pole or the smallest number), for a finite x that is not 0 or a
// negative integer (x may carry an error bound).  S and Dm are values of the
// Work's arena.
struct GammaParts {
    Num S, D;
    int64_t eD = 0;
    int sgn = 1;
    bool neg = false;
};
void gamma_parts(Work &w, const StirlingCoefs &cs, const StirlingPlan &plan, const Num &x, GammaParts &out);

// Arena values gamma_parts takes from the Work per call.
constexpr uint64_t kGammaPartsValues = 32;

}  // namespace widefp::special

#endif  // WIDEFP_SPECIAL_STIRLING_H
