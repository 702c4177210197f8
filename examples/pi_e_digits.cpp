// pi_e_digits.cpp -- pi and e to 1,000 decimals.  53 words (3,393 bits,
// about 1,021 digits) carry the constants, correctly rounded; the stream
// prints them with std::fixed and std::setprecision like doubles.
#include <widefp.hpp>

#include <cstdio>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>

// Prints `x` with 1,000 decimals, ten lines of 100, and checks the first 20
// and the last 20 decimals against the known ones.
static bool show(const char *name, const widefp::real &x, const char *first, const char *last) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(1000) << x;
    const std::string s = out.str();  // "3.1415...": 2 + 1000 characters
    std::cout << name << " = " << s.substr(0, 2) << "\n";
    for (int line = 0; line < 10; ++line) std::cout << "  " << s.substr(2 + 100 * line, 100) << "\n";
    return s.size() == 1002 && s.compare(2, 20, first) == 0 && s.compare(982, 20, last) == 0;
}

int main() {
    const int p = 53;
    bool ok = show("pi", widefp::pi(p), "14159265358979323846", "66111959092164201989");
    ok = show("e", widefp::e(p), "71828182845904523536", "12671546889570350354") && ok;
    std::puts(ok ? "OK" : "FAILED");
    return ok ? 0 : 1;
}
