// bench_real_type -- the C++ number type widefp::real against Boost's
// mpfr_float (MPFR underneath, expression templates on) in the same run: a
// dot product of 1,000 elements written as a plain loop, and, with Eigen, a
// 100x100 matrix product through Eigen's own product kernel.  Both types at
// 64p+1 bits (MPFR gets 64p+2..64p+4 bits: the same p+1 limbs), to nearest.
// Prints ours / Boost's time per p at the end.
#include <boost/multiprecision/mpfr.hpp>

#include <cstdio>
#include <string>
#include <type_traits>
#include <vector>

#include "bench_report.h"
#include "widefp.hpp"

#ifdef WIDEFP_BENCH_EIGEN
#include <boost/multiprecision/eigen.hpp>

#include "widefp_eigen.hpp"
#endif

namespace {

using widefp::real;
using boost::multiprecision::mpfr_float;

constexpr int kDotLength = 1000;
constexpr int kMatrixOrder = 100;

// The k-th operand: a ratio of two odd numbers, so that every bit of the
// fraction is used (the same correctly rounded value in both types).
long numerator(int k) { return 2 * ((k * 7919L) % 1009) + 1; }
long denominator(int k) { return 2 * ((k * 104729L) % 997) + 1001; }

// The type's precision for the run: 64p+1 bits.  Boost's is set in decimal
// digits; this many give 64p+1 bits or a few more within the same limbs.
template <class T>
void set_precision(int p) {
    if constexpr (std::is_same_v<T, real>)
        real::default_precision(p);
    else
        mpfr_float::default_precision(static_cast<unsigned>((64 * p + 1) * 0.30102999566398120) + 1);
}

template <class T>
std::vector<T> operands(int count, int offset) {
    std::vector<T> v;
    v.reserve(count);
    for (int k = 0; k < count; ++k) v.push_back(T(numerator(k + offset)) / T(denominator(k + offset)));
    return v;
}

template <class T>
void dot(benchmark::State &state) {
    set_precision<T>(static_cast<int>(state.range(0)));
    const std::vector<T> x = operands<T>(kDotLength, 0), y = operands<T>(kDotLength, kDotLength);
    for (auto _ : state) {
        T s = 0;
        for (int i = 0; i < kDotLength; ++i) s += x[i] * y[i];
        benchmark::DoNotOptimize(s);
    }
}


#ifdef WIDEFP_BENCH_EIGEN
template <class T>
void matmul(benchmark::State &state) {
    set_precision<T>(static_cast<int>(state.range(0)));
    using Mat = Eigen::Matrix<T, Eigen::Dynamic, Eigen::Dynamic>;
    const int n = kMatrixOrder;
    const std::vector<T> a = operands<T>(n * n, 0), b = operands<T>(n * n, n * n);
    Mat A(n, n), B(n, n), C(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            A(i, j) = a[i * n + j];
            B(i, j) = b[i * n + j];
        }
    for (auto _ : state) {
        C.noalias() = A * B;
        benchmark::DoNotOptimize(C.data());
    }
}
#endif

// Time of one multiply-add (the fastest repetition), ours and Boost's.
void print_table(const benchreport::Reporter &rep, const char *op, double madds) {
    std::printf("\n%-7s %4s %16s %16s %11s   (per multiply-add)\n", op, "p", "widefp::real ns", "mpfr_float ns",
                "ours/boost");
    for (int p : {2, 4, 16}) {
        const std::string s = std::string(op) + "/" + std::to_string(p);
        const double a = rep.fastest("ours_" + s), b = rep.fastest("boost_" + s);
        if (a < 0 || b < 0) continue;
        std::printf("%-7s %4d %16.1f %16.1f %11.3f\n", "", p, a / madds, b / madds, a / b);
    }
}

}  // namespace

int main(int argc, char **argv) {
    // ours_<op>/<p> and boost_<op>/<p>.
    benchmark::RegisterBenchmark("ours_dot", dot<real>)->Arg(2)->Arg(4)->Arg(16)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("boost_dot", dot<mpfr_float>)->Arg(2)->Arg(4)->Arg(16)->Unit(benchmark::kMicrosecond);
#ifdef WIDEFP_BENCH_EIGEN
    benchmark::RegisterBenchmark("ours_matmul", matmul<real>)->Arg(2)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("boost_matmul", matmul<mpfr_float>)->Arg(2)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);
#endif
    benchreport::Reporter reporter;
    return benchreport::run(argc, argv, reporter, [&] {
        print_table(reporter, "dot", kDotLength * 1e-3);  // microseconds per iteration
        print_table(reporter, "matmul", 1.0 * kMatrixOrder * kMatrixOrder * kMatrixOrder * 1e-6);  // ms
    });
}
