// A C++ program using widefp through its installed headers only: sqrt(2)
// squared, and 1/3 read from text, through widefp::real.
#include <cstdio>
#include <sstream>

#include <widefp.hpp>

int main() {
    using widefp::real;
    real::default_precision(3);
    const real r = sqrt(real(2));
    const real d = abs(r * r - 2);               // within a unit of 2^-192 times 4
    std::ostringstream out;
    out.precision(20);
    out << real("1/3");
    const bool ok = d < ldexp(real(1), -188) && out.str() == "0.33333333333333333333";
    std::printf("sqrt(2)^2 - 2 = %.3g, 1/3 = %s: %s\n", static_cast<double>(d), out.str().c_str(), ok ? "ok" : "WRONG");
    return ok ? 0 : 1;
}
