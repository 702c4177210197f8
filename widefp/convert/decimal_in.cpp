// Decimal text to widereal: digits accumulated five at a time into a
// fixed-point significand, then scaled by 10^E10 = 2^B * 2^frac.
#include <cstdint>
#include <cstring>
#include <memory>

#include "elementary/constants_table.h"
#include "convert/text_in.h"
#include "kernel/array_mul_skip.h"
#include "kernel/heap.h"
#include "kernel/internal.h"
#include "widefp.h"

namespace widefp::convert {

using detail::kBias;
using detail::kExpMask;
using detail::kSign;

namespace {

// Decimal exponents are clamped to +-kExponentLimit.  Any |E10| that large
// puts the binary exponent far beyond +-2^62 (2^61 * log2(10) > 2^62.7), so
// the clamped value gives exactly the overflow or underflow of the true one,
// while T = log2(10) * |E10| still fits its integer word.
constexpr int64_t kExponentLimit = int64_t{1} << 61;

bool is_digit(unsigned char c) { return c >= '0' && c <= '9'; }
bool is_blank(unsigned char c) { return c == ' ' || c == '\t'; }

// The digits of the significand: the run before the point followed by the
// run after it, walked in place (no copy, so no buffer to overflow).
class DigitRuns {
public:
    DigitRuns(const char *a, const char *a_end, const char *b, const char *b_end)
        : cur_(a), end_(a_end), next_(b), next_end_(b_end) {
        settle();
    }
    bool done() const { return cur_ == end_; }
    unsigned peek() const { return static_cast<unsigned char>(*cur_) - '0'; }
    void advance() {
        ++cur_;
        settle();
    }

private:
    void settle() {
        if (cur_ == end_ && next_ != next_end_) {
            cur_ = next_;
            end_ = next_end_;
            next_ = next_end_;
        }
    }
    const char *cur_, *end_, *next_, *next_end_;
};

}  // namespace

// M = M * 10^e10, M a fixed-point array of n words with integer part in
// [1, 10); returns B, the binary exponent taken out of the power: on return
// M * 2^B equals the scaled value, 1 <= M < 20.
// Preconditions: n >= 3, n <= 1024, |e10| <= kExponentLimit; work holds 3n words.
int64_t widefp_convert_pow10(uint64_t *M, int64_t e10, uint64_t n, uint64_t *work) {
    WIDEFP_ASSERTD(n >= 3 && n <= 1024);
    WIDEFP_ASSERTD(e10 >= -kExponentLimit && e10 <= kExponentLimit);
    uint64_t *T = work;          // log2(10) * |E10|, then its fraction
    uint64_t *y = work + n;      // frac * ln 2
    uint64_t *term = work + 2 * n;

    // 1. T = log2(10) * |E10|; B = floor(E10 * log2(10)), T's fraction the rest.
    uint64_t mag = e10 < 0 ? static_cast<uint64_t>(-e10) : static_cast<uint64_t>(e10);
    widefp_array_imul(T, constants::log2_10_fixed, mag, n);
    int64_t B;
    if (e10 >= 0) {
        B = static_cast<int64_t>(T[0]);
    } else {
        B = -static_cast<int64_t>(T[0]) - 1;
        uint64_t carry = 1;
        for (uint64_t i = n - 1; i >= 1; --i) {
            uint64_t w = ~T[i] + carry;
            carry = (carry && w == 0) ? 1 : 0;
            T[i] = w;
        }
    }

    // 2. y = ln 2 * frac, 0 <= y < ln 2 (ln 2 in fixed point in term, free
    // until step 3).
    T[0] = 0;
    constants::ln2_fixed(term, n);
    widefp_array_mul(y, term, T, n);

    // 3. R = e^y = 2^frac by its series, summed into T (free again).
    uint64_t *R = T;
    std::memcpy(term, y, n * sizeof(uint64_t));
    std::memcpy(R, y, n * sizeof(uint64_t));
    R[0] += 1;
    uint64_t z = 0;
    for (uint64_t k = 2; z < n; ++k) {
        // term[0..z-1] are zero words: their products are skipped.
        widefp::detail::array_mul_skip(term, term, y, n, z);
        if (z > 0 && term[z - 1] != 0) --z;
        widefp_array_idiv(term, term, k, n, &z);
        // Once the term is zero in every word, further rounds add nothing;
        // leaving early gives the same sum.
        uint64_t i = z;
        while (i < n && term[i] == 0) ++i;
        if (i == n) break;
        widefp_array_add(R, R, term, n);
    }

    // 4. M = M * R.
    widefp_array_mul(M, M, R, n);
    return B;
}

}  // namespace widefp::convert

using namespace widefp::convert;

extern "C" void widefp_float_atowr(const char *text, uint64_t *result, uint64_t p) {
    WIDEFP_ASSERTD(p >= 1 && p <= 1022);
    const unsigned char *s = reinterpret_cast<const unsigned char *>(text);

    // Sign, blanks.
    while (is_blank(*s)) ++s;
    uint64_t sign = 0;
    if (*s == '+' || *s == '-') {
        if (*s == '-') sign = kSign;
        ++s;
    }
    while (is_blank(*s)) ++s;

    // Digits before and after the point; E10 is the exponent of the first digit.
    const char *int_begin = reinterpret_cast<const char *>(s);
    while (is_digit(*s)) ++s;
    const char *int_end = reinterpret_cast<const char *>(s);
    // Texts are far shorter than 2^61 characters: no overflow in E10.
    int64_t e10 = static_cast<int64_t>(int_end - int_begin) - 1;
    const char *frac_begin = int_end, *frac_end = int_end;
    if (*s == '.') {
        ++s;
        frac_begin = reinterpret_cast<const char *>(s);
        while (is_digit(*s)) ++s;
        frac_end = reinterpret_cast<const char *>(s);
    }

    // Exponent: every remaining character counts as a digit (code - '0').
    // Its magnitude saturates at 2^61: beyond that it can only grow (10x - 48
    // > x), and anything that large overflows or underflows the result.
    if (*s == 'e' || *s == 'E') {
        ++s;
        bool negative = false;
        if (*s == '+' || *s == '-') {
            negative = *s == '-';
            ++s;
        }
        // |x| <= 2^61 before each step; a step from |x| > (2^61 + 255) / 10
        // would pass 2^61 anyway, so it saturates without being computed.
        constexpr int64_t kStepLimit = (kExponentLimit + 255) / 10;
        int64_t x = 0;
        bool saturated = false;
        for (; *s && !saturated; ++s) {
            if (x > kStepLimit || x < -kStepLimit) {
                saturated = true;
                break;
            }
            x = x * 10 + (static_cast<int>(*s) - '0');
            saturated = x > kExponentLimit || x < -kExponentLimit;
        }
        const int64_t e = saturated ? (x > 0 ? kExponentLimit : -kExponentLimit) : static_cast<int64_t>(x);
        e10 = negative ? e10 - e : e10 + e;
    }

    // Leading zeros.
    DigitRuns digits(int_begin, int_end, frac_begin, frac_end);
    while (!digits.done() && digits.peek() == 0) {
        --e10;
        digits.advance();
    }
    if (digits.done()) {
        std::memset(result, 0, (p + 1) * sizeof(uint64_t));
        return;
    }
    if (e10 > kExponentLimit) e10 = kExponentLimit;
    if (e10 < -kExponentLimit) e10 = -kExponentLimit;

    // Work arrays of n = p+2 words: M, W, the product W*v, and the three of
    // the power (T, y, term).  Up to 48 KiB: from the heap.
    const uint64_t n = p + 2;
    std::unique_ptr<uint64_t[]> work = widefp::detail::heap_words(6 * n);
    uint64_t *M = work.get();
    uint64_t *W = M + n;
    uint64_t *Wv = W + n;

    // Significand M in [1, 10): the first digit, then groups of five.
    M[0] = digits.peek();
    digits.advance();
    W[0] = 1;
    uint64_t z = 0;
    while (!digits.done()) {
        uint64_t v = 0, m = 1;
        for (int i = 0; i < 5 && !digits.done(); ++i) {
            v = v * 10 + digits.peek();
            m *= 10;
            digits.advance();
        }
        widefp_array_idiv(W, W, m, n, &z);
        if (z >= n) break;  // the place value has underflowed the working precision
        widefp_array_imul(Wv, W, v, n);
        widefp_array_add(M, M, Wv, n);
    }

    int64_t B = widefp_convert_pow10(M, e10, n, Wv + n);

    if (M[0] == 0) {
        result[0] = sign;
        std::memset(result + 1, 0, p * sizeof(uint64_t));
        return;
    }
    int s_bits = 63 - __builtin_clzll(M[0]);
    B += s_bits;
    const int64_t kOverflow = int64_t{0x4000000000000001};
    const int64_t kUnderflow = -int64_t{0x4000000000000000};
    auto overflow = [&] {
        result[0] = sign | kExpMask;
        for (uint64_t i = 1; i <= p; ++i) result[i] = ~uint64_t{0};
    };
    if (B >= kOverflow) return overflow();
    if (B <= kUnderflow) {
        result[0] = sign;
        std::memset(result + 1, 0, p * sizeof(uint64_t));
        return;
    }

    // The p words after the leading 1, rounded half up on the first dropped bit.
    bool round_up;
    if (s_bits == 0) {
        for (uint64_t i = 1; i <= p; ++i) result[i] = M[i];
        round_up = (M[p + 1] >> 63) != 0;
    } else {
        for (uint64_t i = 1; i <= p; ++i) result[i] = (M[i] >> s_bits) | (M[i - 1] << (64 - s_bits));
        round_up = ((M[p] >> (s_bits - 1)) & 1) != 0;
    }
    if (round_up) {
        uint64_t i = p;
        while (i >= 1 && ++result[i] == 0) --i;
        if (i == 0) ++B;  // carried out of word 1: the fraction is zero
    }
    // A rounding carry can lift B onto the overflow threshold: saturate then,
    // rather than let the exponent run into the sign bit.
    if (B >= kOverflow) return overflow();
    result[0] = static_cast<uint64_t>(B + static_cast<int64_t>(kBias)) | sign;
}
