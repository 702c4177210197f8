// hilbert_solve.cpp -- the Hilbert system of order 20, H x = b with
// H(i, j) = 1/(i + j + 1) (from 0) and b = H * ones, solved by Gaussian
// elimination with partial pivoting in 257-bit numbers (4 words).  H20's
// condition number is about 2.5e28: double precision loses every digit,
// 257 bits keep about 50 of their 77.
#include <widefp.hpp>

#include <algorithm>
#include <cstdio>
#include <iomanip>
#include <iostream>
#include <utility>
#include <vector>

using widefp::real;

int main() {
    real::default_precision(4);  // every real made from now on: 64*4+1 bits
    const int n = 20;
    std::vector<std::vector<real>> a(n, std::vector<real>(n + 1));
    for (int i = 0; i < n; ++i) {
        real row_sum = 0;
        for (int j = 0; j < n; ++j) {
            a[i][j] = real(1) / (i + j + 1);  // correctly rounded 1/(i+j+1)
            row_sum += a[i][j];
        }
        a[i][n] = row_sum;  // right-hand side: the exact solution is all ones
    }
    // Elimination with partial pivoting on the augmented matrix [H | b].
    for (int k = 0; k < n; ++k) {
        int piv = k;
        for (int i = k + 1; i < n; ++i)
            if (abs(a[i][k]) > abs(a[piv][k])) piv = i;
        std::swap(a[k], a[piv]);
        for (int i = k + 1; i < n; ++i) {
            const real m = a[i][k] / a[k][k];
            for (int j = k; j <= n; ++j) a[i][j] -= m * a[k][j];
        }
    }
    // Back substitution, then the largest error against the exact ones.
    std::vector<real> x(n);
    real max_err = 0;
    for (int i = n - 1; i >= 0; --i) {
        real s = a[i][n];
        for (int j = i + 1; j < n; ++j) s -= a[i][j] * x[j];
        x[i] = s / a[i][i];
        max_err = std::max(max_err, abs(x[i] - 1));
    }
    std::cout << "x(10) = " << std::fixed << std::setprecision(60) << x[9] << "\n";
    std::cout << "max |x(i) - 1| = " << std::scientific << std::setprecision(3) << max_err << "\n";
    const bool ok = max_err < real("1e-40");  // cond(H20) * 2^-256 is about 2e-49
    std::puts(ok ? "OK" : "FAILED");
    return ok ? 0 : 1;
}
