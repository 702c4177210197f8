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
 * for atan, asin, acos and atan2 (the length of the stored pi).  A value still
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

#ifdef __cplusplus
}
#endif

#if defined(__GNUC__)
#pragma GCC visibility pop
#endif

#endif /* WIDEFP_RND_H */
