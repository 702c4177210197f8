/* widefp_rnd.h -- correctly rounded operations on widereal numbers.
 *
 * Every function here returns the correctly rounded value of the exact
 * mathematical result at precision p (1 <= p <= 1023): the widereal of p
 * fraction words nearest to it in the chosen direction, as if the exact
 * result were computed with unbounded precision and rounded once.  The value
 * does not depend on how it was computed.  A widereal of precision p has a
 * significand of 64p+1 bits, so the results are those of an IEEE-style
 * binary format of 64p+1 bits with the widereal exponent range and no
 * subnormal numbers.
 *
 * Return value: the ternary value, 0 when the stored result equals the exact
 * result, negative when it lies below it, positive when above.
 *
 * Modes: WIDEFP_RNDN rounds to nearest with ties to even, WIDEFP_RNDZ toward
 * zero, WIDEFP_RNDU toward +infinity, WIDEFP_RNDD toward -infinity.
 *
 * Range: a result whose magnitude reaches 2^(2^62) overflows: to nearest and
 * away from zero it becomes an infinity, toward zero the largest finite
 * number of its sign.  A nonzero result below the smallest normal number m
 * (exponent field 1, fraction 0) underflows: toward zero it becomes a zero
 * of its sign, away from zero +-m, to nearest m when its magnitude is above
 * m/2 and zero otherwise (a magnitude of exactly m/2 gives zero).
 *
 * Signed zeros follow IEEE 754: an exact zero sum of operands of opposite
 * signs (or an exact zero difference of equal ones) is +0, except that it
 * is -0 when rounding toward -infinity; x + x and x - (-x) keep x's sign.
 * Zero and infinite results have their fraction words cleared.
 *
 * Aliasing: y may be the same element as any operand.  All operands and the
 * result share precision p, except for widefp_rnd_prec.
 *
 * Domain errors (the places where the exact result is not a real number:
 * 0/0, inf/inf, 0*inf, inf - inf, sqrt and log of a negative number, asin
 * and acos beyond [-1, 1], acosh below 1, atanh beyond [-1, 1], pow of a
 * negative base with a non-integer exponent, sin, cos and tan of an
 * infinity, 0^0 style ambiguities are NOT errors: x^0 = 1 for every x) end
 * in widefp_fatal("widefp:domain", ...); p outside 1..1023 in
 * widefp_fatal("widefp:range", ...); a failed allocation of scratch memory
 * in widefp_fatal("widefp:memory", ...).  log(+-0) = -inf, atanh(+-1) =
 * +-inf, 1/(+-0) = +-inf are results, not errors.  sin, cos and tan accept
 * |x| < 2^65536; larger arguments end in widefp_fatal("widefp:range", ...).
 *
 * Working precision.  Each function evaluates an approximation with a
 * proven error bound at some working precision and returns once that bound
 * decides the rounding, retrying with more words otherwise (exact results
 * and exact midpoints are recognised beforehand, so the retries end).  The
 * working precision has a ceiling: 2,047 words for exp, expm1, log, log1p,
 * log2, log10, pow and the hyperbolic functions (ln 2 is stored to 2,049
 * words), 1,024 words for sin, cos and tan (the limit of the reduction) and
 * for atan, asin, acos and atan2 (the length of pi they read).  A value still
 * undecided at the ceiling is rounded from that approximation and may then
 * be one unit off, ternary value included: for the trigonometric functions
 * at p = 1023 this can happen for about one argument in 2^50, for smaller p
 * (and for the other functions, whose hardest known arguments at p = 1023
 * decide well below their ceiling) none is known.  The arithmetic (add,
 * sub, mul, div, sqrt, hypot, pow_si, prec, fmod, mod) decides exactly and
 * has no ceiling; rootn_si (Newton's iteration checked by powers rounded
 * outward, else the exponential) has the ceiling of exp (2,047 words), its
 * exact roots found beforehand.
 *
 * Scratch: small precisions work on the stack, larger ones take memory from
 * the heap and release it before returning.  The functions keep no state
 * between calls and may run concurrently on distinct results.
 */
#ifndef WIDEFP_RND_H
#define WIDEFP_RND_H

#include <stddef.h>
#include <stdint.h>

#if defined(__GNUC__)
#pragma GCC visibility push(default)
#endif

#ifdef __cplusplus
extern "C" {
#endif

enum {
    WIDEFP_RNDN = 0, /* to nearest, ties to even */
    WIDEFP_RNDZ = 1, /* toward zero */
    WIDEFP_RNDU = 2, /* toward +infinity */
    WIDEFP_RNDD = 3  /* toward -infinity */
};

/* ---- arithmetic ---------------------------------------------------------- */
int widefp_rnd_add(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode);
int widefp_rnd_sub(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode);
int widefp_rnd_mul(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode);
int widefp_rnd_div(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode);
int widefp_rnd_sqrt(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
/* y (precision p) = x (precision q) rounded; y may be x when p <= q. */
int widefp_rnd_prec(uint64_t *y, uint64_t p, const uint64_t *x, uint64_t q, int mode);
/* y = x^n; exact results (and only those) have ternary value 0.  x^0 = 1. */
int widefp_rnd_pow_si(uint64_t *y, const uint64_t *x, int64_t n, uint64_t p, int mode);
/* y = sqrt(a^2 + b^2), without intermediate overflow. */
int widefp_rnd_hypot(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode);
/* y = x^(1/n), as MPFR's rootn_si: odd roots of negatives are negative, an
 * even root of a negative number and n = 0 are domain errors; rootn(+-0, n)
 * is +-0 (n > 0) or +-inf (n < 0), with the sign only for odd n, and
 * rootn(+-inf, n) likewise +-inf or +-0.  Exact roots have ternary value 0. */
int widefp_rnd_rootn_si(uint64_t *y, const uint64_t *x, int64_t n, uint64_t p, int mode);
/* y = x - trunc(x/y) y, the sign of x (a zero too), formed exactly: rounded
 * only when it falls below the smallest number.  fmod(x, +-inf) = x;
 * fmod(x, 0) and fmod(+-inf, y) are domain errors.  Any exponent gap. */
int widefp_rnd_fmod(uint64_t *r, const uint64_t *x, const uint64_t *y, uint64_t p, int mode);
/* r = x - floor(x/y) y, the sign of y (a zero too): fmod's value, or that
 * value plus y rounded once where the signs differ.  mod(x, 0) = x;
 * infinite operands are domain errors. */
int widefp_rnd_mod(uint64_t *r, const uint64_t *x, const uint64_t *y, uint64_t p, int mode);

/* ---- exponentials and logarithms ----------------------------------------- */
int widefp_rnd_exp(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
int widefp_rnd_expm1(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
int widefp_rnd_log(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
int widefp_rnd_log1p(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
int widefp_rnd_log2(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
int widefp_rnd_log10(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
/* y = a^b; a negative base needs an integer exponent. */
int widefp_rnd_pow(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode);

/* ---- trigonometric functions --------------------------------------------- */
int widefp_rnd_sin(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
int widefp_rnd_cos(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
int widefp_rnd_tan(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
int widefp_rnd_atan(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
int widefp_rnd_asin(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
int widefp_rnd_acos(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
/* y = atan2(a, b), the angle of the point (b, a), in [-pi, pi]. */
int widefp_rnd_atan2(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode);

/* ---- hyperbolic functions ------------------------------------------------ */
int widefp_rnd_sinh(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
int widefp_rnd_cosh(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
int widefp_rnd_tanh(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
int widefp_rnd_asinh(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
int widefp_rnd_acosh(uint64_t *y, const uint64_t *x, uint64_t p, int mode);
int widefp_rnd_atanh(uint64_t *y, const uint64_t *x, uint64_t p, int mode);

/* ---- text, constants and conversions ------------------------------------- *
 * Blanks, NUL-terminated texts and the character buffers below follow C's
 * conventions; none of these functions ends in widefp_fatal for a bad text
 * or an unknown name: they return a code instead.                           */

/* Return codes of widefp_rnd_from_text and widefp_rnd_const besides the
 * ternary values -1, 0 and 1. */
enum {
    WIDEFP_TEXT_UNDECIDED = -2, /* read, rounded, but see widefp_rnd_from_text */
    WIDEFP_TEXT_SYNTAX = 2,     /* not a well-formed expression */
    WIDEFP_TEXT_CONSTANT = 3,   /* an unknown #name */
    WIDEFP_TEXT_NAN = 4         /* the value is not a number, as 0/0 */
};

/* y = the exact value of the text rounded once.  The text is one
 * expression: decimal numbers (digits with at most one point, then e or E,
 * a sign and digits), the named constants #pi, #e, #ln2, #ln10, #g (Euler's
 * gamma) and their capitalised forms, raw words @hex:hex:..., the
 * operators + - * /, unary signs and parentheses; blanks (isspace)
 * anywhere are ignored.  The value is evaluated in
 * interval arithmetic at growing working precision until both bounds round
 * alike, which decides every value that is not exactly representable
 * through an inexact step and does not lie within 2^-65472 of a rounding
 * boundary.  The others (as "1/3*3" toward zero), infinite or overflowing
 * steps and divisions by an interval holding zero (1/0 = Inf) take the
 * reader's value, each step truncated to p+1 words, rounded to p: y is then
 * that value and the return is WIDEFP_TEXT_UNDECIDED (the ternary value is
 * not known; the result may be one unit off).  Otherwise returns the
 * ternary value.  A failure returns WIDEFP_TEXT_SYNTAX, _CONSTANT or _NAN
 * (0/0, Inf-Inf, 0*Inf, Inf/Inf, as with (1-1)/(2-2) or 1/0-1/0), leaves
 * y = +0 and, when message_size > 0, writes a NUL-terminated message (cut
 * to message_size bytes) into message: for a syntax error what went wrong
 * at which character, then a line of the text and a line with a marker
 * under that character.  1 <= p <= 1022. */
int widefp_rnd_from_text(uint64_t *y, const char *text, uint64_t p, int mode, char *message, size_t message_size);

/* Styles of widefp_rnd_to_text. */
enum {
    WIDEFP_TEXT_SCI = 0,   /* as printf's %.*e: digits after the point */
    WIDEFP_TEXT_FIX = 1,   /* as %.*f: digits after the point */
    WIDEFP_TEXT_GEN = 2,   /* as %.*g: significant digits (0 counts as 1), trailing zeros dropped */
    WIDEFP_TEXT_GEN_ALT = 3, /* as %#.*g: trailing zeros and the point kept */
    WIDEFP_TEXT_SHORT = 4  /* digits significant digits (>= 1), fixed for 10^-5 <= |x| < 10^digits,
                              otherwise d.ddde+X with the exponent's own digits; trailing zeros dropped */
};
/* The decimal text of x in a style, correctly rounded in mode (the decimal
 * value printed is x rounded to the printed digits in that direction).
 * Infinities print as "Inf" and "-Inf"; the exponent has at least two
 * digits ("e+05") in the printf styles; -0 prints with its sign ("-0.00").
 * As snprintf: writes at most size bytes, the NUL included (out may be NULL
 * when size is 0), and returns the length of the whole text.  A negative
 * digits means 6.  digits up to 100,000; a value beyond 10^78913 or below
 * 10^-78913 can be given some 19,000 digits at most: more ends in
 * widefp_fatal("widefp:range", ...).  1 <= p <= 1023. */
size_t widefp_rnd_to_text(char *out, size_t size, const uint64_t *x, uint64_t p, int style, int64_t digits, int mode);
/* The first n (>= 1) significant decimal digits of |x| rounded in mode (the
 * direction taken on x's sign), as n characters '0'..'9', and *exponent the
 * decimal exponent of the first: |x| ~ d.ddd 10^exponent.  A zero gives n
 * zeros and exponent 0, an infinity "Inf" and INT64_MAX.  snprintf's
 * contract for out and size. */
size_t widefp_rnd_to_digits(char *out, size_t size, int64_t *exponent, const uint64_t *x, uint64_t p, int64_t n,
                            int mode);

/* y = the named constant ("pi", "e", "ln2", "ln10", "g" for Euler's gamma,
 * or their capitalised forms) rounded; returns the ternary value (never 0:
 * the constants are irrational).  An unknown name returns
 * WIDEFP_TEXT_CONSTANT and leaves y = +0. */
int widefp_rnd_const(uint64_t *y, const char *name, uint64_t p, int mode);

/* y = v exactly (p >= 1). */
void widefp_rnd_from_si(uint64_t *y, int64_t v, uint64_t p);
void widefp_rnd_from_ui(uint64_t *y, uint64_t v, uint64_t p);
/* x rounded to double (single) in mode, with IEEE subnormals; overflow gives
 * an infinity, or the largest finite number toward zero, as in IEEE. */
double widefp_rnd_get_d(const uint64_t *x, uint64_t p, int mode);
float widefp_rnd_get_flt(const uint64_t *x, uint64_t p, int mode);
/* x rounded to an integer in mode, saturated to the int64 (uint64) range;
 * infinities saturate, negatives give 0 for get_ui. */
int64_t widefp_rnd_get_si(const uint64_t *x, uint64_t p, int mode);
uint64_t widefp_rnd_get_ui(const uint64_t *x, uint64_t p, int mode);
/* y = x rounded to an integer (exact; zeros keep x's sign): down, up,
 * toward zero, and to nearest with halves away from zero.  Returns the
 * ternary value (0 when x is an integer).  y may be x. */
int widefp_rnd_floor(uint64_t *y, const uint64_t *x, uint64_t p);
int widefp_rnd_ceil(uint64_t *y, const uint64_t *x, uint64_t p);
int widefp_rnd_trunc(uint64_t *y, const uint64_t *x, uint64_t p);
int widefp_rnd_round(uint64_t *y, const uint64_t *x, uint64_t p);
/* y = x 2^e, rounded only on overflow or underflow (as above). */
int widefp_rnd_ldexp(uint64_t *y, const uint64_t *x, int64_t e, uint64_t p, int mode);
/* y = x 2^-k with |y| in [1/2, 1) and x's sign; returns k.  A zero or an
 * infinity: y = x, returns 0.  y may be x. */
int64_t widefp_rnd_frexp(uint64_t *y, const uint64_t *x, uint64_t p);
/* y = a b + c rounded once.  inf * 0 and inf - inf are domain errors. */
int widefp_rnd_fma(uint64_t *y, const uint64_t *a, const uint64_t *b, const uint64_t *c, uint64_t p, int mode);

#ifdef __cplusplus
}
#endif

#if defined(__GNUC__)
#pragma GCC visibility pop
#endif

#endif /* WIDEFP_RND_H */
