/* widefp_special.h -- special functions of a real argument, correctly rounded:
 * Gamma, ln|Gamma|, the error function and its complement, the Beta function.
 *
 * The conventions are those of widefp_rnd.h (read it first): the result
 * element comes first and may alias an operand, all share precision p
 * (1 <= p <= 1023, otherwise widefp_fatal("widefp:range", ...)), the mode is
 * one of WIDEFP_RNDN, _RNDZ, _RNDU, _RNDD, and the return value is the
 * ternary value (0 exactly when the stored result is the exact one).  The
 * results are those of MPFR's functions at 64p+1 bits with MPFR's smallest
 * exponent set to ours, bit for bit: overflow, underflow (no subnormals),
 * signed zeros and infinities as in widefp_rnd.h.  Where MPFR returns NaN the
 * call ends in widefp_fatal("widefp:domain", ...).
 *
 * Working precision: each function evaluates an approximation with a
 * rigorous error bound and rounds it when every value within the bound
 * rounds alike, with more words otherwise (Ziv's strategy).  The working
 * precision stops at 1,024 words: the elementary functions behind these run
 * at up to 1,023 words plus a guard word, and read their constants to 1,024.
 * Only arguments that need more than that reach the cap: cancellations of
 * more than about 64 (1023 - p) - 20 bits, as in erfc(x) for x^2 log2(e)
 * beyond that (x > 5.3 at p = 1023, x > 31 at p = 1000; the asymptotic
 * series takes over from x = 213), ln|Gamma(x)| within about 2^-64(1023-p)
 * of 1, 2 or one of its zeros below -2, B(a, b) with a beyond about
 * 2^(64(1023-p)) (a shortcut takes over from 2^65548 b^2).  At the cap the
 * result is the rounding of the last approximation when that lies within a
 * quarter unit of the exact value: it then differs from the correctly
 * rounded result by at most one unit in the last place, and its ternary
 * value is that of the approximation.  Otherwise the call ends in
 * widefp_fatal("widefp:range", ...).  Below the cap every result is
 * correctly rounded.
 *
 * Cost: Gamma, ln|Gamma| and Beta use Stirling's series after shifting the
 * argument up, with coefficients from the tangent numbers: a table up to
 * T_352 serves p <= 64, beyond they are computed in each call (one Gamma
 * takes about 0.1 s at p = 160, 0.5 s at p = 300, 30 s at p = 1023).  erf
 * and erfc sum series of about x^2 + 64p / log2(64p / x^2) terms.  B(a, b)
 * with |a| = 2^-k, k large, lies next to 1/a, which is representable: the
 * working precision then grows to about k/64 words.
 */
#ifndef WIDEFP_SPECIAL_H
#define WIDEFP_SPECIAL_H

#include <stdint.h>

#include "widefp_rnd.h"

#if defined(__GNUC__)
#pragma GCC visibility push(default)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* y = Gamma(x).  Gamma(+-0) = +-inf; Gamma(+inf) = +inf; a negative integer
 * or -inf is a domain error.  Gamma(n) for a positive integer n is (n-1)!,
 * exact (ternary 0) when it fits.  Overflows from x = 8.418e16 on; below
 * about -8.4e16 a non-integer x underflows.  Gamma(+-2^-k) for k >= 64p+4
 * lies within a quarter unit of +-2^k and is rounded from that. */
int widefp_rnd_gamma(uint64_t *y, const uint64_t *x, uint64_t p, int mode);

/* y = ln|Gamma(x)|, *sign = the sign of Gamma(x) (+1 or -1).  The poles
 * (0 and the negative integers) and the infinities give +inf, with *sign
 * +1 for +0, the negative integers and +inf and -1 for -0 and -inf.
 * ln|Gamma(1)| = ln|Gamma(2)| = +0 exactly; no other result is exact. */
int widefp_rnd_lgamma(uint64_t *y, int *sign, const uint64_t *x, uint64_t p, int mode);

/* y = erf(x) = 2/sqrt(pi) * integral from 0 to x of e^(-t^2).  erf(+-0) =
 * +-0, erf(+-inf) = +-1; for large |x| the result is +-1 or, toward zero,
 * the neighbour of +-1 nearer zero. */
int widefp_rnd_erf(uint64_t *y, const uint64_t *x, uint64_t p, int mode);

/* y = erfc(x) = 1 - erf(x).  erfc(+-0) = 1 exactly, erfc(+inf) = +0,
 * erfc(-inf) = 2; from x = 1.7879e9 on the value lies below half the
 * smallest number (underflow). */
int widefp_rnd_erfc(uint64_t *y, const uint64_t *x, uint64_t p, int mode);

/* y = B(a, b) = Gamma(a) Gamma(b) / Gamma(a+b), with MPFR's conventions at
 * the poles and infinities: B(a, +-0) = +-inf for a > 0 or a negative
 * non-integer, B(+0, +0) = +inf, B(-0, -0) = -inf; B(+inf, b) = +0 for b > 0
 * and +-inf for a negative non-integer b; B(n, -inf) = +-0 for a positive
 * integer n (-0 for odd n); B(a, b) = +0 when a + b is 0 or a negative
 * integer and a, b are not integers; B(m, -n) for integers m > 0, n >= m is
 * (-1)^m B(m, 1+n-m); other cases with a zero, an infinity or a non-positive
 * integer are domain errors.  Exact results: B(1, b) = 1/b for b a power of
 * two (signed), B(2, -1/2) = -4.  Where MPFR's own computation overflows
 * (its intermediate Gamma values beyond its range) and it returns NaN, this
 * function returns the value (then a zero or the smallest number after
 * underflow). */
int widefp_rnd_beta(uint64_t *y, const uint64_t *a, const uint64_t *b, uint64_t p, int mode);

#ifdef __cplusplus
}
#endif

#if defined(__GNUC__)
#pragma GCC visibility pop
#endif

#endif /* WIDEFP_SPECIAL_H */
