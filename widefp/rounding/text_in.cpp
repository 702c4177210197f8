// text_in.cpp -- a text's exact value correctly rounded: widefp_rnd_from_text.
//
// A text is read twice.  The library's strict reader checks it (its errors
// are the errors of this operation) and gives its value at p+1 words, each
// step truncated.  Then the text is evaluated in interval arithmetic at q
// words: every number, constant and operation gives a lower and an upper
// bound of the exact value (decimal numbers from their digits as an exact
// integer N and 5^E, named constants rounded down and up, operations
// likewise).  When both bounds round
// to the same p-word number, that number is the exact value's rounding; if
// not, q grows (up to 1023 words).  The reader's value, rounded, is taken
// only where the intervals cannot decide: exact values that are not
// representable at p met through an inexact step (as "1/3*3" toward zero),
// values within 2^-65472 of a rounding boundary, infinite or overflowing
// steps and divisions by an interval holding zero (as the reader's 1/0).
// Infinities met on the way are followed far enough to tell the forms with
// no value (0/0, Inf-Inf, 0*Inf, Inf/Inf) from the others.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "kernel/guard.h"
#include "rounding/ziv.h"
#include "widefp.h"
#include "widefp_rnd.h"

namespace {

using widefp::detail::kBias;
using widefp::detail::kExpMask;
using widefp::detail::kSign;
using widefp::rnd::kEmax;
using widefp::rnd::kEmin;
using widefp::rnd::kMaxP;

using Words = std::vector<uint64_t>;
using Binary = int (*)(uint64_t *, const uint64_t *, const uint64_t *, uint64_t, int);

// The interval evaluation cannot decide: the reader's value serves.
struct Undecided {};
// The text's value is not a number (0/0, Inf-Inf, 0*Inf, Inf/Inf).
struct NotANumber {};

bool is_zero(const Words &x) { return (x[0] & kExpMask) == 0; }
bool is_inf(const Words &x) { return (x[0] & kExpMask) == kExpMask; }

// Order of two finite values (the zeros equal): -1, 0 or 1.
int compare(const Words &a, const Words &b) {
    const int sa = is_zero(a) ? 0 : (a[0] & kSign) ? -1 : 1;
    const int sb = is_zero(b) ? 0 : (b[0] & kSign) ? -1 : 1;
    if (sa != sb) return sa < sb ? -1 : 1;
    if (sa == 0) return 0;
    int m = 0;
    if ((a[0] & kExpMask) != (b[0] & kExpMask)) {
        m = (a[0] & kExpMask) < (b[0] & kExpMask) ? -1 : 1;
    } else {
        for (size_t j = 1; j < a.size(); ++j)
            if (a[j] != b[j]) {
                m = a[j] < b[j] ? -1 : 1;
                break;
            }
    }
    return sa > 0 ? m : -m;
}

// The next number above the positive finite x (one unit of its last place).
void next_up(Words &x) {
    for (size_t j = x.size() - 1; j >= 1; --j)
        if (++x[j] != 0) return;
    x[0] += 1;  // 1.111... became 10.000...: the exponent grows
}

class TextInterval {
public:
    TextInterval(const char *text, uint64_t q) : cur_(text), q_(q) {}

    // Bounds of the whole text's exact value; throws Undecided.
    void read(Words &lo, Words &hi) {
        Value v = expression();
        if (*cur_ != '\0' || v.inf) throw Undecided{};
        lo.swap(v.lo);
        hi.swap(v.hi);
    }

private:
    // A finite value lies in [lo, hi]; an infinite one (as 1/0) has only
    // its sign.
    struct Value {
        Words lo, hi;
        bool inf = false, neg = false;
        bool exact() const { return lo == hi; }
        bool zero() const { return !inf && is_zero(lo) && is_zero(hi); }
    };

    Value expression() {
        Value a = term();
        while (*cur_ == '+' || *cur_ == '-') {
            const bool plus = *cur_++ == '+';
            Value b = term();
            a = plus ? sum(a, b) : sum(a, negate(std::move(b)));
        }
        return a;
    }

    Value term() {
        Value a = unary();
        while (*cur_ == '*' || *cur_ == '/') {
            const bool times = *cur_++ == '*';
            Value b = unary();
            a = times ? product(a, b, widefp_rnd_mul) : quotient(a, b);
        }
        return a;
    }

    Value unary() {
        if (++depth_ > 600) throw Undecided{};
        Value v;
        switch (*cur_) {
            case '(':
                ++cur_;
                v = expression();
                if (*cur_++ != ')') throw Undecided{};
                break;
            case '+':
                ++cur_;
                v = unary();
                break;
            case '-':
                ++cur_;
                v = negate(unary());
                break;
            case '#':
                v = constant();
                break;
            case '@':
                v = raw_words();
                break;
            default:
                v = number();
        }
        --depth_;
        return v;
    }

    // ---- values
    Value constant() {
        const char *start = ++cur_;
        while (std::isalnum(static_cast<unsigned char>(*cur_)) || *cur_ == '_') ++cur_;
        const std::string name(start, cur_);
        Value v;
        v.lo.assign(q_ + 1, 0);
        v.hi = v.lo;
        if (widefp_rnd_const(v.lo.data(), name.c_str(), q_, WIDEFP_RNDD) == WIDEFP_TEXT_CONSTANT) throw Undecided{};
        widefp_rnd_const(v.hi.data(), name.c_str(), q_, WIDEFP_RNDU);
        return v;
    }

    Value raw_words() {
        const char *start = ++cur_;
        while (std::isxdigit(static_cast<unsigned char>(*cur_)) || *cur_ == ':') ++cur_;
        const std::string hex(start, cur_);
        Value v;
        v.lo.assign(q_ + 1, 0);
        widefp_float_htowr(hex.c_str(), v.lo.data(), q_);
        if (is_inf(v.lo)) return infinity((v.lo[0] & kSign) != 0);
        if (is_zero(v.lo)) std::fill(v.lo.begin() + 1, v.lo.end(), 0);
        v.hi = v.lo;
        return v;
    }

    // A decimal number: digits with at most one point, then e or E, a sign
    // and digits.  Its value is N * 10^E with N the integer of its digits.
    Value number() {
        std::string digits;
        int64_t E = 0;
        bool point = false;
        for (; (*cur_ >= '0' && *cur_ <= '9') || *cur_ == '.'; ++cur_) {
            if (*cur_ == '.') {
                point = true;
            } else {
                if (!(digits.empty() && *cur_ == '0')) digits.push_back(*cur_);
                if (point) --E;
            }
        }
        if (*cur_ == 'e' || *cur_ == 'E') {
            ++cur_;
            const bool minus = *cur_ == '-';
            if (*cur_ == '+' || *cur_ == '-') ++cur_;
            int64_t x = 0;
            for (; *cur_ >= '0' && *cur_ <= '9'; ++cur_)
                if (x < kDecimalLimit) x = 10 * x + (*cur_ - '0');
            E += minus ? -x : x;
        }
        Value v;
        if (digits.empty()) {  // zero
            v.lo.assign(q_ + 1, 0);
            v.hi = v.lo;
            return v;
        }
        while (digits.back() == '0') {
            digits.pop_back();
            ++E;
        }
        if (E > kDecimalLimit || E < -kDecimalLimit) throw Undecided{};
        Value n = integer(digits);
        if (E == 0) return n;
        const Value f = five_power(E < 0 ? -E : E);
        v = E > 0 ? product(n, f, widefp_rnd_mul) : quotient(n, f);
        scale(v.lo, E);
        scale(v.hi, E);
        return v;
    }

    // Decimal exponents beyond this read as the reader reads them.
    static constexpr int64_t kDecimalLimit = int64_t{1} << 56;

    // The integer of a digit string (no leading zero) as an interval at q.
    Value integer(const std::string &digits) {
        static const uint64_t kTen[20] = {1,
                                          10,
                                          100,
                                          1000,
                                          10000,
                                          100000,
                                          1000000,
                                          10000000,
                                          100000000,
                                          1000000000,
                                          10000000000u,
                                          100000000000u,
                                          1000000000000u,
                                          10000000000000u,
                                          100000000000000u,
                                          1000000000000000u,
                                          10000000000000000u,
                                          100000000000000000u,
                                          1000000000000000000u,
                                          10000000000000000000u};
        Words limbs;  // least significant first
        for (size_t i = 0; i < digits.size(); i += 19) {
            const size_t k = digits.size() - i < 19 ? digits.size() - i : 19;
            uint64_t chunk = 0;
            for (size_t j = 0; j < k; ++j) chunk = 10 * chunk + static_cast<uint64_t>(digits[i + j] - '0');
            unsigned __int128 carry = chunk;
            for (uint64_t &limb : limbs) {
                const unsigned __int128 t = static_cast<unsigned __int128>(limb) * kTen[k] + carry;
                limb = static_cast<uint64_t>(t);
                carry = t >> 64;
            }
            if (carry) limbs.push_back(static_cast<uint64_t>(carry));
        }
        return from_limbs(limbs);
    }

    // A positive integer given by its limbs (least significant first, the
    // last nonzero) as [truncated, truncated + one unit] at q, or exactly.
    Value from_limbs(const Words &limbs) {
        const size_t L = limbs.size();
        const int lz = __builtin_clzll(limbs[L - 1]);
        // The limbs, most significant first, shifted so that bit 63 of the
        // first is the leading one.
        auto top = [&](size_t i) -> uint64_t {
            if (i >= L) return 0;
            const uint64_t hi = limbs[L - 1 - i] << lz;
            const uint64_t lo = (lz && i + 1 < L) ? limbs[L - 2 - i] >> (64 - lz) : 0;
            return hi | lo;
        };
        Value v;
        v.lo.assign(q_ + 1, 0);
        v.lo[0] = kBias + (64 * static_cast<uint64_t>(L) - static_cast<uint64_t>(lz) - 1);
        for (uint64_t j = 1; j <= q_; ++j) v.lo[j] = (top(j - 1) << 1) | (top(j) >> 63);
        bool rest = (top(q_) << 1) != 0;
        for (size_t i = q_ + 1; i < L && !rest; ++i) rest = top(i) != 0;
        v.hi = v.lo;
        if (rest) next_up(v.hi);
        return v;
    }

    // 5^e (e >= 1) as an interval at q.
    Value five_power(int64_t e) {
        if (e <= 27) {  // 5^27 < 2^63: exact
            uint64_t f = 1;
            for (int64_t k = 0; k < e; ++k) f *= 5;
            return from_limbs(Words{f});
        }
        const Value five = from_limbs(Words{5});
        Value v;
        v.lo.assign(q_ + 1, 0);
        const int t = widefp_rnd_pow_si(v.lo.data(), five.lo.data(), e, q_, WIDEFP_RNDD);
        v.hi = v.lo;
        if (t != 0) widefp_rnd_pow_si(v.hi.data(), five.lo.data(), e, q_, WIDEFP_RNDU);
        if (is_inf(v.hi) || is_zero(v.lo)) throw Undecided{};
        return v;
    }

    // x * 2^E, exactly, inside the exponent range.
    static void scale(Words &x, int64_t E) {
        if (is_zero(x)) return;
        const int64_t e = static_cast<int64_t>(x[0] & kExpMask) - static_cast<int64_t>(kBias) + E;
        if (e < kEmin || e > kEmax) throw Undecided{};
        x[0] = (x[0] & kSign) | static_cast<uint64_t>(e + static_cast<int64_t>(kBias));
    }

    // ---- operations on intervals
    Words apply(Binary f, const Words &a, const Words &b, int mode, int *t = nullptr) {
        Words r(q_ + 1);
        const int tt = f(r.data(), a.data(), b.data(), q_, mode);
        if (is_inf(r)) throw Undecided{};
        if (t) *t = tt;
        return r;
    }

    static Value infinity(bool neg) {
        Value v;
        v.inf = true;
        v.neg = neg;
        return v;
    }

    // Whether the finite interval v holds zero; its sign otherwise.
    bool holds_zero(const Value &v) const {
        const Words zero(q_ + 1, 0);
        return compare(v.lo, zero) <= 0 && compare(v.hi, zero) >= 0;
    }
    static bool negative(const Value &v) { return v.inf ? v.neg : (v.hi[0] & kSign) != 0; }

    static Value negate(Value v) {
        if (v.inf) {
            v.neg = !v.neg;
            return v;
        }
        v.lo.swap(v.hi);
        v.lo[0] ^= kSign;
        v.hi[0] ^= kSign;
        return v;
    }

    Value sum(const Value &a, const Value &b) {
        if (a.inf && b.inf && a.neg != b.neg) throw NotANumber{};
        if (a.inf || b.inf) return a.inf ? a : b;
        Value v;
        int t;
        v.lo = apply(widefp_rnd_add, a.lo, b.lo, WIDEFP_RNDD, &t);
        if (t == 0 && a.exact() && b.exact())
            v.hi = v.lo;
        else
            v.hi = apply(widefp_rnd_add, a.hi, b.hi, WIDEFP_RNDU);
        return v;
    }

    // The smallest of the products (quotients) of the bounds rounded down,
    // the largest rounded up.
    Value product(const Value &a, const Value &b, Binary f) {
        if (a.inf || b.inf) {  // a product (quotients come here finite)
            const Value &other = a.inf ? b : a;
            if (other.zero()) throw NotANumber{};
            if (!other.inf && holds_zero(other)) throw Undecided{};
            return infinity(negative(a) != negative(b));
        }
        Value v;
        if (a.exact() && b.exact()) {
            int t;
            v.lo = apply(f, a.lo, b.lo, WIDEFP_RNDD, &t);
            v.hi = t == 0 ? v.lo : apply(f, a.lo, b.lo, WIDEFP_RNDU);
            return v;
        }
        const Words *A[2] = {&a.lo, &a.hi}, *B[2] = {&b.lo, &b.hi};
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j) {
                Words lo = apply(f, *A[i], *B[j], WIDEFP_RNDD);
                Words hi = apply(f, *A[i], *B[j], WIDEFP_RNDU);
                if (v.lo.empty() || compare(lo, v.lo) < 0) v.lo.swap(lo);
                if (v.hi.empty() || compare(hi, v.hi) > 0) v.hi.swap(hi);
            }
        return v;
    }

    Value quotient(const Value &a, const Value &b) {
        if (b.inf) {
            if (a.inf) throw NotANumber{};
            Value v;
            v.lo.assign(q_ + 1, 0);
            v.hi = v.lo;
            return v;
        }
        if (b.zero()) {
            if (a.zero()) throw NotANumber{};
            if (!a.inf && holds_zero(a)) throw Undecided{};
            return infinity(negative(a));
        }
        if (holds_zero(b)) throw Undecided{};
        if (a.inf) return infinity(negative(a) != negative(b));
        return product(a, b, widefp_rnd_div);
    }

    const char *cur_;
    uint64_t q_;
    int depth_ = 0;
};

// One text (blanks removed) rounded into y (p+1 words); returns the ternary
// value, or 2 where it is not known.  reader: the reader's value at qf words.
int round_text(uint64_t *y, uint64_t p, int mode, const std::string &text, const Words &reader, uint64_t qf) {
    const uint64_t w = p + 1;
    Words lo, hi, rl(w), rh(w);
    uint64_t q = p + 1;
    for (;;) {
        try {
            TextInterval(text.c_str(), q).read(lo, hi);
        } catch (const Undecided &) {
            break;
        }  // NotANumber goes to the caller
        if (is_zero(lo) && is_zero(hi)) break;  // zero: the reader has its sign
        const int tl = widefp_rnd_prec(rl.data(), p, lo.data(), q, mode);
        widefp_rnd_prec(rh.data(), p, hi.data(), q, mode);
        if (rl == rh) {
            std::copy(rl.begin(), rl.end(), y);
            if (lo == hi) return tl;
            Words r(q + 1);
            widefp_rnd_prec(r.data(), q, rl.data(), p, WIDEFP_RNDN);
            return compare(r, hi) >= 0 ? 1 : compare(r, lo) <= 0 ? -1 : 2;
        }
        if (q >= kMaxP) break;
        q = std::min(kMaxP, q + std::max<uint64_t>(1, q / 2));
    }
    widefp_rnd_prec(y, p, reader.data(), qf, mode);
    return 2;
}

void say(char *message, size_t size, const char *text) {
    if (size > 0) std::snprintf(message, size, "%s", text);
}

}  // namespace

extern "C" int widefp_rnd_from_text(uint64_t *y, const char *text, uint64_t p, int mode, char *message,
                                    size_t message_size) {
    widefp::rnd::check_args("widefp_rnd_from_text", p, mode);
    if (p > kMaxP - 1) widefp_fatal("widefp:range", "widefp_rnd_from_text: the precision must lie in 1..1022\n");
    return widefp::detail::guard("reading a text", [&]() -> int {
        std::fill(y, y + p + 1, 0);
        if (!text) {
            say(message, message_size, "no text");
            return WIDEFP_TEXT_SYNTAX;
        }
        std::string body;
        for (const char *c = text; *c; ++c)
            if (!std::isspace(static_cast<unsigned char>(*c))) body.push_back(*c);
        const uint64_t qf = std::min(p + 1, kMaxP - 1);
        Words reader(qf + 1, 0);
        const int status = widefp_float_etowr_report(body.c_str(), reader.data(), qf, message, message_size);
        if (status != WIDEFP_PARSE_OK) return status == WIDEFP_PARSE_UNKNOWN_CONSTANT ? WIDEFP_TEXT_CONSTANT : WIDEFP_TEXT_SYNTAX;
        try {
            const int t = round_text(y, p, mode, body, reader, qf);
            return t == 2 ? WIDEFP_TEXT_UNDECIDED : t;
        } catch (const NotANumber &) {
            std::fill(y, y + p + 1, 0);
            say(message, message_size, "the value is not a number (0/0, Inf-Inf, 0*Inf or Inf/Inf)");
            return WIDEFP_TEXT_NAN;
        }
    });
}
