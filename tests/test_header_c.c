/* widefp.h as a C program sees it: compiled as C99 with -pedantic and
 * warnings as errors, so that the header stays valid C, and linked against
 * the library to call the truncating kernel, its Fortran aliases and the
 * correctly rounded layer that the header brings in.  Expected words: 1/3 =
 * 0.0101...b, so at p = 2 the exponent field is the bias minus 2, every
 * fraction word 0x5555555555555555, and the next bit 0 (nearest = down). */
#include <stdio.h>

#include "widefp.h"

#define P 2
static int failed = 0, passed = 0;

static void check(int ok, const char *what) {
    if (ok) {
        ++passed;
    } else {
        ++failed;
        printf("FAILED: %s\n", what);
    }
}

static int words_are(const uint64_t *x, uint64_t w0, uint64_t f1, uint64_t f2) {
    return x[0] == w0 && x[1] == f1 && x[2] == f2;
}

int main(void) {
    const uint64_t third0 = WIDEFP_EXPONENT_BIAS - 2, five = UINT64_C(0x5555555555555555);
    const uint64_t p = P;
    uint64_t one[P + 1], three[P + 1], y[P + 1], z[P + 1];
    uint64_t g;
    int t;

    widefp_float_dtowr(one, 1.0, P);
    widefp_float_dtowr(three, -3.0, P);
    check(words_are(one, WIDEFP_EXPONENT_BIAS, 0, 0), "1.0 is the bias with a zero fraction");
    check((three[0] & WIDEFP_SIGN_BIT) && (three[0] & WIDEFP_EXPONENT_MASK) == WIDEFP_EXPONENT_BIAS + 1 &&
              three[1] == UINT64_C(1) << 63,
          "-3.0 has the sign bit, exponent 1 and fraction .1b");

    t = widefp_rnd_div(y, one, three, P, WIDEFP_RNDN);
    check(words_are(y, WIDEFP_SIGN_BIT | third0, five, five) && t > 0, "1/-3 to nearest, above the exact value");
    t = widefp_rnd_div(y, one, three, P, WIDEFP_RNDD);
    check(words_are(y, WIDEFP_SIGN_BIT | third0, five, five + 1) && t < 0, "1/-3 toward -inf, one unit further");
    check(widefp_float_wrtod(y) == 1.0 / -3.0, "the quotient read back as a double");

    /* The kernel through its Fortran alias: truncated, then rounded. */
    g = widefp_float_div_f77_(z, one, three, &p);
    widefp_float_round_minus_f77_(z, &g, &p);
    check(words_are(z, y[0], y[1], y[2]), "div_f77_ and round_minus_f77_ agree with the rounded layer");
    check(widefp_float_lt_f77_(z, one, &p) == 1 && widefp_float_lt(one, z, P) == 0, "the comparison and its alias");

    printf("%d passed, %d failed\n", passed, failed);
    return failed != 0;
}
