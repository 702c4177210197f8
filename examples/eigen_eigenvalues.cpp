// eigen_eigenvalues.cpp -- the eigenvalues of the Hilbert matrix of order
// 12 with Eigen's SelfAdjointEigenSolver on widefp::real numbers of 257
// bits.  In double precision the smallest one (about 1.05e-16, condition
// number 1.7e16) has no correct digit; here it has more than 55.
#include <widefp_eigen.hpp>  // Eigen's NumTraits for widefp::real

#include <Eigen/Eigenvalues>

#include <cstdio>
#include <iomanip>
#include <iostream>

using widefp::real;

int main() {
    // Eigen makes its constants at the default precision: set it first.
    real::default_precision(4);
    const int n = 12;
    Eigen::Matrix<real, Eigen::Dynamic, Eigen::Dynamic> h(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) h(i, j) = real(1) / (i + j + 1);

    Eigen::SelfAdjointEigenSolver<decltype(h)> eig(h, Eigen::EigenvaluesOnly);
    if (eig.info() != Eigen::Success) return 1;
    std::cout << std::scientific << std::setprecision(40);
    for (int i = 0; i < n; ++i) std::cout << "lambda(" << i + 1 << ") = " << eig.eigenvalues()(i) << "\n";

    // The smallest one to 60 digits (mpmath at 100 digits).
    const real ref("1.047946397962226691925994761796668512344072228932124081890940738e-16");
    const real rel_err = abs(eig.eigenvalues()(0) - ref) / ref;
    std::cout << "relative error of the smallest: " << std::setprecision(3) << rel_err << "\n";
    const bool ok = rel_err < real("1e-55");
    std::puts(ok ? "OK" : "FAILED");
    return ok ? 0 : 1;
}
