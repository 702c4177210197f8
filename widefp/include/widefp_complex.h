/* widefp_complex.h -- element-wise arithmetic and elementary functions of
 * complex widereals.
 *
 * A complex number is a pair of widereals of the same precision p (real
 * part, imaginary part), passed as separate word arrays.  Every function
 * writes the two parts of its result (yr, yi), which may alias any operand,
 * each rounded once in the mode (WIDEFP_RNDN .. WIDEFP_RNDD of widefp_rnd.h).
 *
 * Accuracy, per component c of the result (u = one unit in the last place
 * of c at precision p, U = one unit of the larger component):
 *  - add, sub: correctly rounded.
 *  - mul: correctly rounded (the exact products are formed, their sum and
 *    difference rounded to odd at 2p+2 words, then once to p).
 *  - div: within 1/2 u (to nearest) resp. 1 u (directed modes) plus
 *    2^-120 u: numerators and denominator are formed nearly exactly at
 *    p+2 words after scaling the divisor by a power of two.
 *  - the functions: within 1 u + 2^-100 U (see widefp_cplx_pow for the
 *    power).  They evaluate cancellation-free formulas (Kahan's for the
 *    inverse functions; log |z| from log1p(x^2 + y^2 - 1), formed exactly,
 *    near the unit circle) at p+2 words with the correctly rounded real
 *    functions, and round each component once.
 * Branch cuts and signed zeros follow C99's complex functions (casin,
 * clog, ...), with one exception made to agree with Octave: asin and acos
 * of x + 0i and x - 0i with x > 1 give the conjugate of C99's value.
 * Where C99 would give a NaN (0 * Inf, Inf - Inf, the sine of an infinite
 * real part, ...) the functions end in widefp_fatal("widefp:domain", ...).
 * Results beyond the exponent range (about 2^(2^62)) are not handled
 * beyond what the real functions do: an intermediate overflow there can
 * raise a domain error or lose the result.
 *
 * 1 <= p <= 1021 (the working precision stays within the rounded layer's).
 * The exact products take 2p+2 words, at most 1,023: above p = 510 they
 * are rounded there, and mul and the near-circle logarithm hold the bounds
 * above only up to 2^(-64(1023-p)) U more.  Infinite arguments of the
 * inverse functions (asin .. atanh, except atanh and atan) may raise the
 * domain error where C99 gives a value.
 */
#ifndef WIDEFP_COMPLEX_H
#define WIDEFP_COMPLEX_H

#include <stdint.h>

#if defined(__GNUC__)
#pragma GCC visibility push(default)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- arithmetic ---------------------------------------------------------- */
void widefp_cplx_add(uint64_t *yr, uint64_t *yi, const uint64_t *ar, const uint64_t *ai, const uint64_t *br,
                     const uint64_t *bi, uint64_t p, int mode);
void widefp_cplx_sub(uint64_t *yr, uint64_t *yi, const uint64_t *ar, const uint64_t *ai, const uint64_t *br,
                     const uint64_t *bi, uint64_t p, int mode);
void widefp_cplx_mul(uint64_t *yr, uint64_t *yi, const uint64_t *ar, const uint64_t *ai, const uint64_t *br,
                     const uint64_t *bi, uint64_t p, int mode);
void widefp_cplx_div(uint64_t *yr, uint64_t *yi, const uint64_t *ar, const uint64_t *ai, const uint64_t *br,
                     const uint64_t *bi, uint64_t p, int mode);
/* a^b = exp(b log a); a Gaussian power (b an integer of magnitude below
 * 2^31, imaginary part zero) by repeated multiplication.  0^b = 0 for
 * Re b > 0, a^0 = 1; 0^b with Re b <= 0, b != 0 is a domain error.
 * Error: within 1 u + 2^-100 U (the working precision grows by a word
 * per 64 bits of |b log a|). */
void widefp_cplx_pow(uint64_t *yr, uint64_t *yi, const uint64_t *ar, const uint64_t *ai, const uint64_t *br,
                     const uint64_t *bi, uint64_t p, int mode);

/* |z| (hypot, correctly rounded) and arg z (atan2(y, x), correctly rounded). */
int widefp_cplx_abs(uint64_t *y, const uint64_t *xr, const uint64_t *xi, uint64_t p, int mode);
int widefp_cplx_arg(uint64_t *y, const uint64_t *xr, const uint64_t *xi, uint64_t p, int mode);

/* ---- functions ----------------------------------------------------------- */
#define WIDEFP_CPLX_UNARY(name) \
    void widefp_cplx_##name(uint64_t *yr, uint64_t *yi, const uint64_t *xr, const uint64_t *xi, uint64_t p, int mode);
WIDEFP_CPLX_UNARY(sqrt)
WIDEFP_CPLX_UNARY(exp)
WIDEFP_CPLX_UNARY(expm1)
WIDEFP_CPLX_UNARY(log)
WIDEFP_CPLX_UNARY(log1p)
WIDEFP_CPLX_UNARY(log2)
WIDEFP_CPLX_UNARY(log10)
WIDEFP_CPLX_UNARY(sin)
WIDEFP_CPLX_UNARY(cos)
WIDEFP_CPLX_UNARY(tan)
WIDEFP_CPLX_UNARY(asin)
WIDEFP_CPLX_UNARY(acos)
WIDEFP_CPLX_UNARY(atan)
WIDEFP_CPLX_UNARY(sinh)
WIDEFP_CPLX_UNARY(cosh)
WIDEFP_CPLX_UNARY(tanh)
WIDEFP_CPLX_UNARY(asinh)
WIDEFP_CPLX_UNARY(acosh)
WIDEFP_CPLX_UNARY(atanh)
#undef WIDEFP_CPLX_UNARY

#ifdef __cplusplus
}
#endif

#if defined(__GNUC__)
#pragma GCC visibility pop
#endif

#endif /* WIDEFP_COMPLEX_H */
