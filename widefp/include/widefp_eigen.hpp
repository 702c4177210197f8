// widefp_eigen.hpp -- widefp::real as a scalar type of Eigen (3.3 or 3.4).
//
// Include this header after (or instead of) <Eigen/Core>; then
// Eigen::Matrix<widefp::real, Eigen::Dynamic, Eigen::Dynamic> works with
// Eigen's dense decompositions (PartialPivLU, FullPivLU, HouseholderQR,
// ColPivHouseholderQR, LLT, LDLT, SelfAdjointEigenSolver, JacobiSVD, ...):
//
//     #include <widefp_eigen.hpp>
//     widefp::real::default_precision(4);              // 257-bit numbers
//     using Mat = Eigen::Matrix<widefp::real, Eigen::Dynamic, Eigen::Dynamic>;
//     Mat a(3, 3);
//     a << 4, 1, 0,  1, 4, 1,  0, 1, 4;
//     Mat x = a.partialPivLu().solve(Mat::Ones(3, 1));   // #include <Eigen/LU>
//
// Precision.  Eigen makes its own numbers (zeros of new matrices, the
// constants 0, 1, 2, 0.5 of its algorithms, the tolerances of this file) by
// converting integers and doubles, which gives widefp::real values of the
// thread's default precision (widefp::real::default_precision).  Set it to
// the precision of the matrices before working with them: an operation on
// two precisions gives the larger one, so a lower default does not lose
// digits in the arithmetic, but the convergence tolerances below follow the
// default precision, and a decomposition then stops at those.
//
// The tolerances (NumTraits<widefp::real>), at the default precision p:
//   epsilon()          2^(-64p), the distance from 1 to the next number down
//                      the binade (as std::numeric_limits<widefp::real>)
//   dummy_precision()  2^(-48p), about epsilon^(3/4), the tolerance of
//                      Eigen's isApprox and isMuchSmallerThan
//   highest(), lowest() the largest finite number and its negative
//   digits(), digits10() 64p+1 and floor((64p+1) log10 2)
//   min_exponent(), max_exponent() -2^30 and 2^30: the library's exponent
//                      range is far wider than an int; Eigen only uses these
//                      to place the scaling points of blueNorm
//   infinity()         +infinity
//   quiet_NaN()        +infinity: a widefp::real has no NaN; the infinity
//                      fails isfinite() as a NaN would (Eigen only asks for
//                      it to mark an invalid result), but isnan() of every
//                      widefp::real is false.  Operations that would give a
//                      NaN (0/0, inf - inf) throw widefp::domain_error.
//                      (std::numeric_limits<widefp::real>::quiet_NaN() is
//                      +0 instead, as for number types without a NaN.)
//
// Costs: a sum or product of widefp::real costs tens of double operations
// and copies move words; the costs below make Eigen evaluate a nested
// expression into a temporary rather than compute a coefficient twice.
// Eigen's blocked matrix product (A * B beyond about 20 rows) copies its
// operands and forms c = c + a*b through two temporaries per term, about
// twice the time of a plain loop of c += a*b; at p <= 4, where a real needs
// no allocation, A.lazyProduct(B) is faster (the same sums, in the same
// order).
#ifndef WIDEFP_EIGEN_HPP
#define WIDEFP_EIGEN_HPP

#include <climits>
#include <cstdint>

#include <Eigen/Core>

#include "widefp.hpp"

namespace Eigen {

template <>
struct NumTraits<widefp::real> : GenericNumTraits<widefp::real> {
    typedef widefp::real Real;
    typedef widefp::real NonInteger;
    typedef widefp::real Literal;
    typedef widefp::real Nested;

    enum {
        IsComplex = 0,
        IsInteger = 0,
        IsSigned = 1,
        RequireInitialization = 1,
        ReadCost = 2,
        AddCost = 8,
        MulCost = 16
    };

    static inline Real epsilon() { return std::numeric_limits<widefp::real>::epsilon(); }
    static inline Real dummy_precision() {
        return ldexp(Real(1), -48 * static_cast<long>(widefp::real::default_precision()));
    }
    static inline Real highest() { return (std::numeric_limits<widefp::real>::max)(); }
    static inline Real lowest() { return std::numeric_limits<widefp::real>::lowest(); }
    static inline Real infinity() { return std::numeric_limits<widefp::real>::infinity(); }
    static inline Real quiet_NaN() { return std::numeric_limits<widefp::real>::infinity(); }
    static inline int digits() { return static_cast<int>(64 * widefp::real::default_precision() + 1); }
    static inline int digits10() {
        // floor((64p + 1) log10 2), exact for p <= 1023 (log10 2 to 12 digits).
        return static_cast<int>((64 * widefp::real::default_precision() + 1) * 301029995664ull / 1000000000000ull);
    }
    static inline int min_exponent() { return -(1 << 30); }
    static inline int max_exponent() { return 1 << 30; }
};

}  // namespace Eigen

#endif  // WIDEFP_EIGEN_HPP
