// text_out.cpp -- decimal text of a widereal, correctly rounded in any mode:
// widefp_rnd_to_text (the printf styles and a short one) and
// widefp_rnd_to_digits (the significant digits and the decimal exponent).
//
// How the digits are exact.  A finite nonzero x is M * 2^s with M the
// (64p+1)-bit integer 1.F * 2^64p.  The digits that end at the decimal place
// 10^k are T = floor(|x| / 10^k); the gateway computes Q = floor(2|x| / 10^k)
// with integers only: M times powers of five (k < 0), shifted left, divided
// by powers of five one word at a time (k > 0; floor(floor(a/b)/c) =
// floor(a/(bc))) and shifted right, each step noting whether anything
// nonzero was dropped.  T = Q >> 1, the bit Q & 1 says whether the rest is
// at least half a unit, the dropped bits whether it is more than that or
// exactly so: the rounding in any mode follows without error.  The decimal
// exponent E of the leading digit is estimated in double precision and
// corrected until T has the requested number of digits.  This is done for
// binary exponents up to 2^18 in magnitude (numbers between about 10^-78913
// and 10^78913).  Beyond, the integers would be too long: the digits come
// from the library's conversion (widefp_convert_pow) at a working precision
// with some 200 guard bits, doubled (up to 1022 words) while the part after
// the last digit lies so close to a rounding boundary that the error bound
// of the conversion cannot decide; at these magnitudes no value is exactly
// a tie or exactly representable with fewer than ~59,000 digits.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "kernel/guard.h"
#include "kernel/internal.h"
#include "rounding/ziv.h"
#include "widefp.h"
#include "widefp_rnd.h"

namespace {

using namespace widefp::detail;
constexpr int64_t kExactRange = int64_t{1} << 18;  // |binary exponent| of the integer path
constexpr uint64_t kMaxDigits = 100000;             // the most digits asked for
constexpr uint64_t kTen19 = 10000000000000000000ULL;
constexpr uint64_t kFive27 = 7450580596923828125ULL;

uint64_t pow5(int64_t k) {  // k <= 27
    uint64_t v = 1;
    while (k-- > 0) v *= 5;
    return v;
}

// ---- unsigned integers of any length, least significant word first -------
using Big = std::vector<uint64_t>;

void trim(Big &a) {
    while (!a.empty() && a.back() == 0) a.pop_back();
}

void mul_small(Big &a, uint64_t m) {
    uint64_t carry = 0;
    for (uint64_t &w : a) {
        const unsigned __int128 t = static_cast<unsigned __int128>(w) * m + carry;
        w = static_cast<uint64_t>(t);
        carry = static_cast<uint64_t>(t >> 64);
    }
    if (carry) a.push_back(carry);
}

void shift_left(Big &a, uint64_t bits) {
    const uint64_t words = bits / 64;
    const unsigned r = static_cast<unsigned>(bits % 64);
    if (r) {
        uint64_t carry = 0;
        for (uint64_t &w : a) {
            const uint64_t next = w >> (64 - r);
            w = (w << r) | carry;
            carry = next;
        }
        if (carry) a.push_back(carry);
    }
    a.insert(a.begin(), words, 0);
}

// a >>= bits; whether a nonzero bit was dropped.
bool shift_right(Big &a, uint64_t bits) {
    const uint64_t words = bits / 64;
    const unsigned r = static_cast<unsigned>(bits % 64);
    bool lost = false;
    if (words >= a.size()) {
        for (uint64_t w : a) lost |= w != 0;
        a.clear();
        return lost;
    }
    for (uint64_t i = 0; i < words; ++i) lost |= a[i] != 0;
    a.erase(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(words));
    if (r) {
        lost |= (a[0] & ((uint64_t{1} << r) - 1)) != 0;
        for (size_t i = 0; i < a.size(); ++i)
            a[i] = (a[i] >> r) | (i + 1 < a.size() ? a[i + 1] << (64 - r) : 0);
    }
    trim(a);
    return lost;
}

// a = floor(a / d); returns the remainder.  d < 2^64, so each step's quotient fits.
uint64_t div_small(Big &a, uint64_t d) {
    uint64_t rem = 0;
    for (size_t i = a.size(); i-- > 0;) {
#if defined(__x86_64__)
        uint64_t q, r;
        __asm__("divq %4" : "=a"(q), "=d"(r) : "a"(a[i]), "d"(rem), "rm"(d));
        a[i] = q;
        rem = r;
#else
        const unsigned __int128 t = (static_cast<unsigned __int128>(rem) << 64) | a[i];
        a[i] = static_cast<uint64_t>(t / d);
        rem = static_cast<uint64_t>(t % d);
#endif
    }
    trim(a);
    return rem;
}

// Decimal digits of a (consumed); "0" for zero.
std::string to_decimal(Big &a) {
    trim(a);
    std::string chunks;  // 19 digits at a time, the last ones first
    while (!a.empty()) {
        uint64_t r = div_small(a, kTen19);
        for (int i = 0; i < 19; ++i) {
            chunks += static_cast<char>('0' + r % 10);
            r /= 10;
        }
    }
    std::reverse(chunks.begin(), chunks.end());
    const size_t first = chunks.find_first_not_of('0');
    return first == std::string::npos ? std::string("0") : chunks.substr(first);
}

// ---- the digits of one element ----------------------------------------------

// T = floor(|x| / 10^k) as decimal digits, and what was cut off: half (at
// least half a unit of 10^k) and rest (more than exactly 0 or exactly half).
struct Cut {
    std::string digits;
    bool half = false;
    bool rest = false;
};

class Element {
public:
    Element(const uint64_t *x, uint64_t p, int mode) : x_(x), p_(p) {
        neg_ = (x[0] & kSign) != 0;
        const uint64_t field = x[0] & kExpMask;
        zero_ = field == 0;
        inf_ = field == kExpMask;
        b_ = static_cast<int64_t>(field) - static_cast<int64_t>(kBias);
        exact_ = b_ >= -kExactRange && b_ <= kExactRange;
        away_ = (mode == WIDEFP_RNDU && !neg_) || (mode == WIDEFP_RNDD && neg_);
        nearest_ = mode == WIDEFP_RNDN;
    }
    bool neg() const { return neg_; }
    bool zero() const { return zero_; }
    bool inf() const { return inf_; }

    // round(|x| / 10^k) in the mode, as decimal digits ("0" possible).
    std::string rounded(int64_t k) {
        Cut c = cut(k);
        if (up(c)) increment(c.digits);
        return c.digits;
    }

    // n significant digits, correctly rounded, and the decimal exponent of
    // the first: |x| ~ d.ddd * 10^E.
    std::string significant(uint64_t n, int64_t *E) {
        int64_t e = estimate();
        for (int tries = 0;; ++tries) {
            Cut c = cut(e - static_cast<int64_t>(n) + 1);
            const uint64_t len = c.digits == "0" ? 0 : c.digits.size();
            if (len != n && tries < 4) {
                e += len > n ? 1 : -1;
                continue;
            }
            if (up(c)) increment(c.digits);
            if (c.digits.size() > n) {  // 99.9 -> 100: one more place
                c.digits.resize(n);
                ++e;
            }
            *E = e;
            return c.digits;
        }
    }

private:
    bool up(const Cut &c) const {
        if (nearest_) return c.half && (c.rest || ((c.digits.back() - '0') & 1));
        return away_ && (c.half || c.rest);
    }
    static void increment(std::string &s) {
        size_t i = s.size();
        while (i-- > 0) {
            if (s[i] == '9') {
                s[i] = '0';
            } else {
                ++s[i];
                return;
            }
        }
        s.insert(s.begin(), '1');
    }

    // floor(log10 |x|), perhaps one off near a power of ten.
    int64_t estimate() {
        if (!exact_) {
            approximate(p_ + 3);
            return e_;
        }
        const double f = 1.0 + static_cast<double>(x_[1]) * 0x1p-64;
        return static_cast<int64_t>(std::floor((static_cast<double>(b_) + std::log2(f)) * std::log10(2.0)));
    }

    Cut cut(int64_t k) { return exact_ ? cut_exact(k) : cut_approximate(k); }

    Cut cut_exact(int64_t k) {
        // Q = floor(2 M 2^s / (5^k 2^k)), s = b - 64p.
        Big a(p_ + 1);
        for (uint64_t i = 0; i < p_; ++i) a[i] = x_[p_ - i];
        a[p_] = 1;
        const int64_t s = b_ - 64 * static_cast<int64_t>(p_);
        for (int64_t r = -k; r > 0; r -= 27) mul_small(a, r >= 27 ? kFive27 : pow5(r));
        const int64_t t = s - k + 1;
        if (t > 0) shift_left(a, static_cast<uint64_t>(t));
        bool lost = false;
        for (int64_t r = k; r > 0; r -= 27) lost |= div_small(a, r >= 27 ? kFive27 : pow5(r)) != 0;
        if (t < 0) lost |= shift_right(a, static_cast<uint64_t>(-t));
        Cut c;
        trim(a);
        c.half = !a.empty() && (a[0] & 1);
        shift_right(a, 1);
        c.rest = lost;
        c.digits = to_decimal(a);
        return c;
    }

    // The library's digits of |x| at pw words: e_ and the digit array d_
    // (pw+2 words, word 0 the leading digit, error well below 2^72 units of
    // its last word).
    void approximate(uint64_t pw) {
        pw = std::min<uint64_t>(std::max<uint64_t>(pw, 2), 1022);
        if (pw == pw_) return;
        std::vector<uint64_t> xe(pw + 1, 0);
        if (p_ <= pw)
            std::copy(x_, x_ + p_ + 1, xe.begin());
        else
            widefp_rnd_prec(xe.data(), pw, x_, p_, WIDEFP_RNDN);
        d_.assign(pw + 2, 0);
        widefp_convert_pow(xe.data(), &e_, d_.data(), pw);
        pw_ = pw;
    }

    // Whether the fraction r (words 1..g of a big-endian fixed-point array)
    // lies within two units of its word g of the boundary b (0: 0 or 1,
    // otherwise 1/2).
    static bool near(const std::vector<uint64_t> &r, uint64_t g, bool half) {
        std::vector<uint64_t> v(r.begin() + 1, r.begin() + 1 + static_cast<std::ptrdiff_t>(g));
        if (half) v[0] ^= kSign;  // r - 1/2 modulo 1
        bool low = v[0] == 0 && v.back() <= 2, high = v[0] == ~uint64_t{0} && v.back() >= ~uint64_t{0} - 2;
        for (uint64_t i = 1; i + 1 < g; ++i) {
            low &= v[i] == 0;
            high &= v[i] == ~uint64_t{0};
        }
        if (g == 1) {
            low = v[0] <= 2;
            high = v[0] >= ~uint64_t{0} - 2;
        }
        return low || high;
    }

    Cut cut_approximate(int64_t k) {
        if (pw_ == 0) approximate(p_ + 3);
        for (;;) {
            const int64_t n = e_ - k + 1;  // digits before the cut
            Cut c;
            if (n <= -1) {  // far below one unit
                c.digits = "0";
                c.rest = true;
                return c;
            }
            const double bits = 3.33 * static_cast<double>(std::max<int64_t>(n, 1)) + 200;
            const uint64_t want = p_ + 1 + static_cast<uint64_t>(std::ceil(bits / 64));
            if (want > 1022 && pw_ < 1022) {
                approximate(1022);
                continue;
            }
            if (want > pw_ && want <= 1022) {
                approximate(want);
                continue;
            }
            const double goodbits = 64.0 * static_cast<double>(pw_ + 1) - 72 - 3.33 * static_cast<double>(n);
            if (goodbits < 64)
                widefp_fatal("widefp:range",
                             "widefp_rnd_to_text: too many digits for a number of this magnitude (beyond 10^78913 "
                             "or below 10^-78913, at most about 19,000 digits)");
            const uint64_t g = std::min<uint64_t>(static_cast<uint64_t>(goodbits / 64), pw_ + 1);
            std::vector<uint64_t> r(d_);  // big-endian, word 0 the integer part
            const uint64_t w = r.size();
            if (n == 0) {
                uint64_t z = 0;
                widefp_array_idiv(r.data(), r.data(), 10, w, &z);
                c.digits = "0";
            } else {
                c.digits.assign(1, static_cast<char>('0' + r[0]));
                for (int64_t left = n - 1; left > 0;) {
                    const int64_t take = std::min<int64_t>(left, 19);
                    uint64_t m = 1;
                    for (int64_t i = 0; i < take; ++i) m *= 10;
                    r[0] = 0;
                    widefp_array_imul(r.data(), r.data(), m, w);
                    std::string part(static_cast<size_t>(take), '0');
                    uint64_t v = r[0];
                    for (int64_t i = take; i-- > 0;) {
                        part[static_cast<size_t>(i)] = static_cast<char>('0' + v % 10);
                        v /= 10;
                    }
                    c.digits += part;
                    left -= take;
                }
                const size_t first = c.digits.find_first_not_of('0');
                c.digits = first == std::string::npos ? "0" : c.digits.substr(first);
            }
            if (near(r, g, nearest_) && pw_ < 1022) {
                approximate(std::min<uint64_t>(1022, 2 * pw_));
                continue;
            }
            c.half = (r[1] & kSign) != 0;
            c.rest = (r[1] & ~kSign) != 0;
            for (uint64_t i = 2; i < w && !c.rest; ++i) c.rest = r[i] != 0;
            return c;
        }
    }

    const uint64_t *x_;
    uint64_t p_;
    bool neg_, zero_, inf_, exact_, away_, nearest_;
    int64_t b_;
    uint64_t pw_ = 0;
    int64_t e_ = 0;
    std::vector<uint64_t> d_;
};

// ---- the styles ---------------------------------------------------------------

std::string exponent_text(int64_t e, int min_digits) {
    std::string s = e < 0 ? "-" : "+";
    const uint64_t mag = e < 0 ? uint64_t(0) - static_cast<uint64_t>(e) : static_cast<uint64_t>(e);
    std::string d = std::to_string(mag);
    if (d.size() < static_cast<size_t>(min_digits)) d.insert(0, static_cast<size_t>(min_digits) - d.size(), '0');
    return s + d;
}

// d.ddd e+XX from n significant digits.
std::string sci(const std::string &digits, int64_t e, int min_exp) {
    std::string s(1, digits[0]);
    if (digits.size() > 1) s += "." + digits.substr(1);
    return s + "e" + exponent_text(e, min_exp);
}

// Fixed text of the integer `digits` * 10^-d.
std::string fixed(std::string digits, uint64_t d) {
    if (d == 0) return digits;
    if (digits.size() <= d) digits.insert(0, d + 1 - digits.size(), '0');
    return digits.substr(0, digits.size() - d) + "." + digits.substr(digits.size() - d);
}

void drop_zeros(std::string &s) {
    const size_t epos = s.find('e');
    std::string tail = epos == std::string::npos ? "" : s.substr(epos);
    std::string head = epos == std::string::npos ? s : s.substr(0, epos);
    if (head.find('.') != std::string::npos) {
        while (head.back() == '0') head.pop_back();
        if (head.back() == '.') head.pop_back();
    }
    s = head + tail;
}

enum class Style { e, f, g, galt, shortg, digits, kind };

// %g-like: n significant digits, fixed when lo <= E < n.
std::string general(Element &x, uint64_t n, int64_t lo, int min_exp, bool keep) {
    int64_t e;
    const std::string d = x.significant(n, &e);
    std::string s;
    if (e >= lo && e < static_cast<int64_t>(n)) {
        const uint64_t decimals = static_cast<uint64_t>(static_cast<int64_t>(n) - 1 - e);
        s = fixed(d, decimals);  // leading zeros (E < 0) come from fixed()
        if (keep && decimals == 0) s += ".";
    } else {
        s = sci(d, e, min_exp);
        if (keep && n == 1) s.insert(1, ".");
    }
    if (!keep) drop_zeros(s);
    return s;
}

std::string text_of(Element &x, Style style, uint64_t n) {
    std::string s;
    if (x.inf()) {
        s = "Inf";
    } else if (x.zero()) {
        switch (style) {
        case Style::e: s = sci(std::string(n + 1, '0'), 0, 2); break;
        case Style::f: s = fixed(std::string(n + 1, '0'), n); break;
        case Style::galt: s = fixed(std::string(std::max<uint64_t>(n, 1), '0'), std::max<uint64_t>(n, 1) - 1); break;
        default: s = "0";
        }
    } else {
        int64_t e;
        switch (style) {
        case Style::e: {
            const std::string d = x.significant(n + 1, &e);
            s = sci(d, e, 2);
            break;
        }
        case Style::f: s = fixed(x.rounded(-static_cast<int64_t>(n)), n); break;
        case Style::g: s = general(x, std::max<uint64_t>(n, 1), -4, 2, false); break;
        case Style::galt: s = general(x, std::max<uint64_t>(n, 1), -4, 2, true); break;
        default: s = general(x, n, -5, 1, false);
        }
    }
    return x.neg() ? "-" + s : s;
}

// The text of a string under snprintf's contract.
size_t deliver(const std::string &s, char *out, size_t size) {
    if (size > 0) {
        const size_t n = std::min(s.size(), size - 1);
        std::memcpy(out, s.data(), n);
        out[n] = '\0';
    }
    return s.size();
}

uint64_t digit_count(const char *who, int64_t n, int64_t low) {
    if (n > static_cast<int64_t>(kMaxDigits)) {
        char text[160];
        std::snprintf(text, sizeof text, "%s: at most 100000 digits, not %lld\n", who, static_cast<long long>(n));
        widefp_fatal("widefp:range", text);
    }
    return static_cast<uint64_t>(std::max(n, low));
}

}  // namespace

extern "C" size_t widefp_rnd_to_text(char *out, size_t size, const uint64_t *x, uint64_t p, int style, int64_t digits,
                                     int mode) {
    widefp::rnd::check_args("widefp_rnd_to_text", p, mode);
    static const Style kStyles[] = {Style::e, Style::f, Style::g, Style::galt, Style::shortg};
    if (style < WIDEFP_TEXT_SCI || style > WIDEFP_TEXT_SHORT)
        widefp_fatal("widefp:range", "widefp_rnd_to_text: unknown style\n");
    if (digits < 0 && style != WIDEFP_TEXT_SHORT) digits = 6;
    const uint64_t n = digit_count("widefp_rnd_to_text", digits, style == WIDEFP_TEXT_SHORT ? 1 : 0);
    return widefp::detail::guard("producing decimal text", [&] {
        Element e(x, p, mode);
        return deliver(text_of(e, kStyles[style], n), out, size);
    });
}

extern "C" size_t widefp_rnd_to_digits(char *out, size_t size, int64_t *exponent, const uint64_t *x, uint64_t p,
                                       int64_t n, int mode) {
    widefp::rnd::check_args("widefp_rnd_to_digits", p, mode);
    const uint64_t count = digit_count("widefp_rnd_to_digits", n, 1);
    return widefp::detail::guard("producing decimal digits", [&] {
        Element e(x, p, mode);
        int64_t E = 0;
        std::string s;
        if (e.inf()) {
            s = "Inf";
            E = INT64_MAX;
        } else if (e.zero()) {
            s.assign(count, '0');
        } else {
            s = e.significant(count, &E);
        }
        if (exponent) *exponent = E;
        return deliver(s, out, size);
    });
}
