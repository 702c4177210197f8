// array_ops.cpp -- word-array addition, and multiplication and division of a word array by one 64-bit integer.
#include "kernel/divword.h"
#include "kernel/internal.h"
#include "widefp.h"

using widefp::detail::u128;

extern "C" {

// result = a + b over n words (word 0 most significant); returns the carry out.
// result may alias a or b.
uint64_t widefp_array_add(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t n) {
    uint64_t carry = 0;
    for (uint64_t j = n; j-- > 0;) {
        uint64_t s = a[j] + b[j];
        uint64_t c1 = s < a[j];
        uint64_t t = s + carry;
        uint64_t c2 = t < s;
        result[j] = t;
        carry = c1 | c2;
    }
    return carry;
}

// result = low n words of a * m; returns the word that overflowed above word 0.
// result may alias a.
uint64_t widefp_array_imul(uint64_t *result, const uint64_t *a, uint64_t m, uint64_t n) {
    uint64_t carry = 0;
    for (uint64_t j = n; j-- > 0;) {
        u128 t = static_cast<u128>(a[j]) * m + carry;
        result[j] = static_cast<uint64_t>(t);
        carry = static_cast<uint64_t>(t >> 64);
    }
    return carry;
}

// result = a / d, the last word rounded to nearest with ties to even; d != 0.
// *z counts leading words of a known to be zero: they are skipped, and the
// count advances by one when the quotient's word *z comes out zero.  Returns
// the remainder before rounding.  result may alias a.
uint64_t widefp_array_idiv(uint64_t *result, const uint64_t *a, uint64_t d, uint64_t n, uint64_t *z) {
    WIDEFP_ASSERTD(d != 0);
    const uint64_t z0 = *z;
    if (z0 >= n) {
        for (uint64_t j = 0; j < n; ++j) result[j] = 0;
        return 0;
    }
    for (uint64_t j = 0; j < z0; ++j) result[j] = 0;
    // A leading word below d (the integer word of a fixed-point series term)
    // gives a zero quotient word and itself as remainder, without a division.
    uint64_t r = 0, j = z0;
    if (a[j] < d) {
        r = a[j];
        result[j++] = 0;
    }
    for (; j < n; ++j) result[j] = widefp::detail::div_word(r, a[j], d, &r);
    // 2r against d without overflow: r < d, so 2r > d  <=>  r > d - r.
    const uint64_t rest = d - r;
    if (r > rest || (r == rest && (result[n - 1] & 1))) {
        for (uint64_t j = n; j-- > 0;)
            if (++result[j] != 0) break;
    }
    if (result[z0] == 0) *z = z0 + 1;
    return r;
}

}  // extern "C"
