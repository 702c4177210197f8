/* widefp.h -- the public interface of the widefp library.
 *
 * A widereal of precision p is p+1 unsigned 64-bit words: word 0 holds the
 * sign (bit 63) and a 63-bit exponent biased by 0x3fffffffffffffff, words
 * 1..p the fraction under a hidden leading 1.  Exponent field 0 is a signed
 * zero, 0x7fffffffffffffff a signed infinity.  Basic operations store their
 * result truncated toward zero and return a guard word describing what was
 * cut off; the rounding functions turn that pair into a rounded result.
 *
 * Every entry point is a plain C function; the result element comes first
 * and may alias any operand.
 *
 * Rounding contract.  The operations here truncate; what their guard word g
 * says about the cut-off part T (in units of 2^-64 of the last stored place,
 * so that half a unit is 2^63):
 *  - widefp_float_add, widefp_float_sub: exact.  g holds the leading 64 bits
 *    of T with a sticky bit in bit 0 (0 only when T = 0; 2^63 only for an
 *    exact half); all ones is returned as 0xfffffffffffffffe.  Overflow gives
 *    an infinity with g = 0, underflow a signed zero with g = 1.
 *  - widefp_float_mul_k, and widefp_float_mul at p = 1 or p >= 720: exact,
 *    as for the addition.  widefp_float_mul_h (widefp_float_mul for
 *    2 <= p < 720): g - 2p <= T < g (g is T rounded up plus the correction
 *    2p for the columns left out), or g = all ones (saturation) when that
 *    does not fit; g may be nonzero for an exact product, and a T within 2p
 *    of a half can fall on either side of it.  The rounded-product loops of
 *    widefp_linalg.h decide such near-ties exactly.
 *  - widefp_float_div: with n the next 64 quotient bits, g = n + 2^33
 *    (saturating to all ones) and n - 2p < T < n + 2; g = 0 only when the
 *    mantissas are equal (an exact power of two).  An exact quotient of
 *    unequal mantissas gets g near 2^33.
 *  - widefp_float_sqrt: the stored root is within 8.5 units of the last
 *    place of the exact root (either side); g is the bit shifted out when
 *    the root is normalised, not a description of T.
 *  - The elementary functions compute at p+1 words and return the next word
 *    w; the value y.w (p+1 words) is within these bounds of the exact result,
 *    either side, in units of 2^-64 of y's last place: exp 5 (x > 0) and 10
 *    (x < 0); log 8(N+8) and atan 4(N+64), N the series length
 *    widefp_taylor_tranc_log_calc(p+1, -2) resp. _atan_calc(p+1, -4); sin
 *    and cos 10 plus the reduction's share (within 2^-8 units of R's last
 *    word p, relative to the reduced argument R); asin 2^60 + 400(p+1) +
 *    1000 (its series stops at 2^56 units); pow 2(|z|(8N+66) + 4), z = y ln x.
 *    Rounding y with w by the functions below is therefore faithful, not
 *    always correct.
 * The correctly rounded operations, whose results equal the exact result
 * rounded once in any of four modes, are declared in widefp_rnd.h.
 */
#ifndef WIDEFP_H
#define WIDEFP_H

#include <stddef.h>
#include <stdint.h>

/* Everything declared here is exported by the shared library, whose other
 * symbols are hidden. */
#if defined(__GNUC__)
#pragma GCC visibility push(default)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- fatal error route ------------------------------------------------
 * Domain and syntax errors of the library go through widefp_fatal.  The
 * default handler writes the text to standard error and ends the process
 * with status 1.  A host (an Octave plug-in, a test) may install its own
 * handler; a handler must not return (it may throw or longjmp).  Passing
 * NULL restores the default.  The identifier names the error class
 * ("widefp:domain", "widefp:syntax", "widefp:constant", "widefp:memory",
 * "widefp:range", "widefp:cache"). */
typedef void (*widefp_fatal_handler)(const char *identifier, const char *text);
widefp_fatal_handler widefp_set_fatal_handler(widefp_fatal_handler handler);
#ifdef __cplusplus
[[noreturn]]
#endif
void widefp_fatal(const char *identifier, const char *text);

/* ---- number format and IEEE double conversion --------------------------- */
void widefp_float_dtowr(uint64_t *result, double d, uint64_t p);
double widefp_float_wrtod(const uint64_t *x);

/* ---- addition and subtraction ------------------------------------------- */
uint64_t widefp_float_add(uint64_t *c, const uint64_t *a, const uint64_t *b, uint64_t p);
uint64_t widefp_float_sub(uint64_t *c, const uint64_t *a, const uint64_t *b, uint64_t p);
uint64_t widefp_array_sub(uint64_t *r, const uint64_t *x, const uint64_t *y, uint64_t n);

/* ---- comparison and rounding -------------------------------------------- */
int widefp_float_lt(const uint64_t *a, const uint64_t *b, uint64_t p);
void widefp_float_round_near(uint64_t *x, uint64_t g, uint64_t p);
void widefp_float_round_plus(uint64_t *x, uint64_t g, uint64_t p);
void widefp_float_round_minus(uint64_t *x, uint64_t g, uint64_t p);
void widefp_float_round_chop(uint64_t *x, uint64_t g, uint64_t p);

/* ---- mantissa multiplication kernels (n words -> upper n words + top) ---- */
uint64_t widefp_array_mul(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t n);
uint64_t widefp_array_mul_h(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t n);
uint64_t widefp_array_mul_k(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t n);

/* ---- floating multiplication and division ------------------------------- */
uint64_t widefp_float_mul(uint64_t *result, const uint64_t *x, const uint64_t *y, uint64_t p);
uint64_t widefp_float_mul_h(uint64_t *result, const uint64_t *x, const uint64_t *y, uint64_t p);
uint64_t widefp_float_mul_k(uint64_t *result, const uint64_t *x, const uint64_t *y, uint64_t p);
uint64_t widefp_float_div(uint64_t *result, const uint64_t *x, const uint64_t *y, uint64_t p);

/* ---- integer scaling and word-array operations -------------------------- */
uint64_t widefp_array_add(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t n);
uint64_t widefp_array_imul(uint64_t *result, const uint64_t *a, uint64_t m, uint64_t n);
uint64_t widefp_array_idiv(uint64_t *result, const uint64_t *a, uint64_t d, uint64_t n, uint64_t *z);
uint64_t widefp_float_imul(uint64_t *result, const uint64_t *x, int64_t k, uint64_t p);
uint64_t widefp_float_idiv(uint64_t *result, const uint64_t *x, int64_t k, uint64_t p);

/* ---- square root and hypot ---------------------------------------------- */
/* work: 4p+8 words supplied by the caller; p >= 2. */
uint64_t widefp_float_sqrt(uint64_t *result, const uint64_t *x, uint64_t p, uint64_t *work);
/* sqrt(a^2 + b^2); takes its work area from the heap.  For the plug-ins. */
void widefp_mex_hypot(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t p);

/* ---- named constants, text input, decimal output ------------------------- */
/* Named constant ("pi", "e", ...) truncated to p fraction words. */
void widefp_float_ctowr(const char *name, uint64_t *result, uint64_t p);
/* Evaluates an arithmetic expression; returns the token code that ended it
 * (10 when the whole text was read).  Lenient: a missing operand reads the
 * element's previous contents or zero, reading stops silently at a
 * character that starts no token; other syntax errors go to widefp_fatal. */
int widefp_float_etowr(const char *text, uint64_t *result, uint64_t p);
/* Strict reading: the whole text, blanks at its end aside, must be one
 * well-formed expression.  Returns WIDEFP_PARSE_OK and writes result when it
 * is; otherwise returns one of the other codes below, leaves result
 * untouched and nothing goes to widefp_fatal.  *stop (when stop is not NULL)
 * receives the offset of the character where reading stopped (the text's
 * length after a success).  1 <= p <= 1022. */
enum {
    WIDEFP_PARSE_OK = 0,
    WIDEFP_PARSE_MISSING_OPERAND = 1, /* "", "2*", "()", "-" */
    WIDEFP_PARSE_BAD_NUMBER = 2,      /* ".", "1.2.3", "1e+-5" */
    WIDEFP_PARSE_UNEXPECTED = 3,      /* a character that starts no token, or text after the expression */
    WIDEFP_PARSE_UNBALANCED = 4,      /* a "(" without its ")" */
    WIDEFP_PARSE_UNKNOWN_CONSTANT = 5,
    WIDEFP_PARSE_TOO_DEEP = 6 /* more than 256 levels of parentheses and signs */
};
int widefp_float_etowr_n(const char *text, uint64_t *result, uint64_t p, size_t *stop);
/* A short text for a status of widefp_float_etowr_n. */
const char *widefp_parse_message(int status);
/* widefp_float_etowr_n, and after a failure the message for its reader:
 * what went wrong and at which character (counted from 1), then the text
 * around that place with a marker under it.  The message, NUL-terminated and
 * cut short to size bytes, goes to message when size > 0; it is not written
 * after a success.  Returns the status. */
int widefp_float_etowr_report(const char *text, uint64_t *result, uint64_t p, char *message, size_t size);
/* Reads one decimal number from the start of the text. */
void widefp_float_atowr(const char *text, uint64_t *result, uint64_t p);
/* Reads the raw words of a number written in hexadecimal, colon-separated. */
void widefp_float_htowr(const char *text, uint64_t *result, uint64_t p);
/* |x| = digits * 10^exponent, digits a fixed-point array of p+2 words whose
 * integer word is 1..9.  x finite and nonzero; 1 <= p <= 1022.  x may share
 * memory with digits or exponent: it is read whole before they are written. */
void widefp_convert_pow(const uint64_t *x, int64_t *exponent, uint64_t *digits, uint64_t p);
/* Text of digits * 10^exponent under the control word; the digit array is
 * consumed.  out receives the NUL-terminated text. */
void widefp_scientific_format(uint64_t control, uint64_t *digits, int64_t exponent, char *out);
void widefp_fixed_format(uint64_t control, uint64_t *digits, int64_t exponent, char *out);
/* Bytes of out that the two formatters above may write for this control
 * word and exponent (the NUL included). */
uint64_t widefp_scientific_format_size(uint64_t control, int64_t exponent);
uint64_t widefp_fixed_format_size(uint64_t control, int64_t exponent);
/* Bounded formatters: the digit array (w words, w from the control word, at
 * least 2) is read, not changed.  Return the length of the text plus one;
 * the text and its NUL are written only when that fits in size bytes
 * (otherwise out receives an empty string when size >= 1).  They return 0
 * and write an empty string when w is below 2 or the integer word is not a
 * decimal digit 0..9.  Heap memory of about w words plus the
 * text's length is taken and freed. */
uint64_t widefp_scientific_format_n(uint64_t control, const uint64_t *digits, int64_t exponent, char *out,
                                    uint64_t size);
uint64_t widefp_fixed_format_n(uint64_t control, const uint64_t *digits, int64_t exponent, char *out,
                               uint64_t size);

/* ---- elementary functions ----------------------------------------------
 * Series are summed on working arrays: n unsigned words read as a fixed-point
 * number, word 0 the integer part, words 1..n-1 the fraction.  Every function
 * here computes at precision p+1 and returns the word that follows the
 * stored p-word result (0 for exact special values).  Precision:
 * 1 <= p <= 1023; other values end in widefp_fatal("widefp:range", ...).
 * No Fortran aliases. */

/* Working format and argument reduction. */
/* dst (n words) = (1.f of x) * 2^e, truncated; e < 0. */
void widefp_widereal_to_array(const uint64_t *x, int64_t e, uint64_t *dst, uint64_t n);
/* Normalises the working array a (n+1 words, a[0] >= 1) in place into a
 * widereal of precision n; returns the new word 0. */
uint64_t widefp_array_to_widereal(uint64_t *a, uint64_t n);
/* dst = 1 - src (n words; src's integer word ignored). */
void widefp_array_2s_complement(const uint64_t *src, uint64_t *dst, uint64_t n);
/* a (n words, word 0 included) shifted left by one bit in place. */
void widefp_sll_onebit(uint64_t *a, uint64_t n);
/* ip = integer part of x (toward zero), *low = that integer mod 2^64;
 * returns it mod 2^16. */
int widefp_modf(const uint64_t *x, uint64_t *ip, uint64_t *low, uint64_t p);
/* x = k*C + r with C = ln 2 (mode 2) or pi/4 (mode 3: the multiple rounded
 * up to even, |r| <= pi/4).  r is a widereal of precision p+1 (p+2 words);
 * returns the quadrant 0..3.  1 <= p <= 1024. */
int widefp_add_reduction(const uint64_t *x, int mode, uint64_t *r, uint64_t p, int64_t *k);

/* Series lengths: terms after the leading one for working precision p and
 * reduced-argument exponent e (e <= -1).  The _calc forms compute without
 * the tables. */
int64_t widefp_taylor_tranc_sin(uint64_t p, int64_t e);
int64_t widefp_taylor_tranc_cos(uint64_t p, int64_t e);
int64_t widefp_taylor_tranc_exp(uint64_t p, int64_t e);
int64_t widefp_taylor_tranc_log(uint64_t p, int64_t e);
int64_t widefp_taylor_tranc_atan(uint64_t p, int64_t e);
int64_t widefp_taylor_tranc_sin_calc(uint64_t p, int64_t e);
int64_t widefp_taylor_tranc_cos_calc(uint64_t p, int64_t e);
int64_t widefp_taylor_tranc_exp_calc(uint64_t p, int64_t e);
int64_t widefp_taylor_tranc_log_calc(uint64_t p, int64_t e);
int64_t widefp_taylor_tranc_atan_calc(uint64_t p, int64_t e);

/* Exponential.  work: widefp_float_exp_work_size(p) = 2p+5 words.
 * The range is the widereal one: e^x is +inf (guard 0) from 2^(2^62) on
 * (x >= 2^62 ln 2, about 3.2e18) and +0 below the smallest number
 * (x < -(2^62-2) ln 2) with the guard word of an underflowed product, so
 * that the rounding functions decide by the true value; e^(+inf) = +inf
 * and e^(-inf) = +0 exactly.  For 0 < |x| < 2^-(64p+64) the stored words
 * are the truncation of e^x, 1 for x > 0 and one unit below 1 for x < 0,
 * with the guard 1 and 0xff...fe. */
uint64_t widefp_float_exp(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work);
uint64_t widefp_float_exp_work_size(uint64_t p);
/* w (precision P) = e^r for 0 <= r < 1 (r's sign ignored), 1 <= P <= 1024. */
void widefp_array_exp(const uint64_t *r, uint64_t *w, uint64_t P);

/* Sine and cosine.  work: widefp_float_sincos_work_size(p) = 2p+5 words.
 * An infinite x ends in widefp_fatal("widefp:domain", ...), |x| >= 2^65536
 * in "widefp:range" (the reduction carries pi/4 to 3,136 words, enough for
 * the cancellation next to a multiple of pi/2).  For 0 < |x| < 2^(-32(p+1))
 * the stored words are the truncation of the exact value (one unit below |x|
 * or 1) and the guard is 0xff...fe. */
uint64_t widefp_float_sin(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work);
uint64_t widefp_float_cos(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work);
uint64_t widefp_float_sincos_work_size(uint64_t p);
/* w (precision P) = sin r or cos r for |r| < 1, 1 <= P <= 1024. */
void widefp_array_sin(const uint64_t *r, uint64_t *w, uint64_t P);
void widefp_array_cos(const uint64_t *r, uint64_t *w, uint64_t P);

/* Logarithm.  work: widefp_float_log_work_size(p) = 3p+6 words; cache: the
 * reciprocal cache, widefp_cache_size(p) = 500*(p+2) words, all zero before
 * its first use, reusable by later calls with the same p (logarithm, power
 * and arctangent share it).  ln(+inf) = +inf.
 * Cache layout: 500 rows of p+2 words; row j-1 holds 1/(2j-1) as a working
 * array (j = 1..499, filled on first use; word 0 of the cache, the integer
 * word of 1/1, is 0 until the first use).  Word 0 of the last row records
 * the row length: 0x5243000000000000 | (p+2).  A call given an initialised
 * cache built for another p ends in widefp_fatal("widefp:cache", ...). */
uint64_t widefp_float_log(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work, uint64_t *cache);
uint64_t widefp_float_log_work_size(uint64_t p);
uint64_t widefp_cache_size(uint64_t p);
/* 0: a cache of `words` words can serve precision p; 1: too short (or p
 * outside 1..1023); 2: initialised for another precision. */
int widefp_cache_check(const uint64_t *cache, uint64_t words, uint64_t p);
/* out (precision P) = E*ln 2, E the unbiased exponent of word 0 w0. */
void widefp_load_ln2(uint64_t w0, uint64_t *out, uint64_t P);
/* acc (n words) = acc + 1/(2k-1) (sign 1) or 1/(2k-1) - acc (other sign). */
uint64_t widefp_invadd(uint64_t *acc, uint64_t k, uint64_t *cache, int sign, uint64_t n);
/* out (precision P) = 2*atanh t = ln((1+t)/(1-t)), |t| < 1/2. */
void widefp_array_log(const uint64_t *t, uint64_t *out, uint64_t *cache, uint64_t P);

/* Power, modf, ceil, floor.  pow work: 3p+6 words; cache as the logarithm's.
 * ceil/floor work: p+1 words.  The power's range is the exponential's; a
 * product y ln x beyond the range gives x^y next to 1 (it underflowed: as
 * the exponential next to 0) or beyond the range (+inf, or +0 with a
 * nonzero guard), inexact.  The sign of a negative base's power is read
 * from the units bit of its integer exponent, of any size. */
uint64_t widefp_float_pow(uint64_t *z, const uint64_t *x, const uint64_t *y, uint64_t p, uint64_t *work,
                          uint64_t *cache);
uint64_t widefp_float_modf(const uint64_t *x, uint64_t *ip, uint64_t *fp, uint64_t p);
uint64_t widefp_float_ceil(uint64_t *z, const uint64_t *x, uint64_t p, uint64_t *work);
uint64_t widefp_float_floor(uint64_t *z, const uint64_t *x, uint64_t p, uint64_t *work);
uint64_t widefp_float_pow_work_size(uint64_t p);
uint64_t widefp_float_ceil_work_size(uint64_t p); /* also floor's */

/* Arctangent.  work: 2p+4 words; cache as the logarithm's. */
uint64_t widefp_float_atan(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work, uint64_t *cache);
uint64_t widefp_float_atan_work_size(uint64_t p);
/* Folds x (precision P) below 1/8 in place; returns the fold record. */
uint64_t widefp_atan_arg_reduction(uint64_t *x, uint64_t P);
/* out (precision P) = atan t for |t| < 1/8. */
void widefp_atan_horner(const uint64_t *t, uint64_t *out, uint64_t *cache, uint64_t P);
/* a (precision P): atan of the reduced argument in, of the original out. */
void widefp_atan_recover(uint64_t *a, uint64_t folds, uint64_t P);

/* Arcsine.  work: 5p+10 words. */
uint64_t widefp_float_asin(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work);
uint64_t widefp_float_asin_work_size(uint64_t p);

/* ---- Fortran-callable aliases --------------------------------------------
 * _f77_ / _f77__: every scalar argument by reference.
 * _f90_ / _f90__ (float entry points only): every argument by reference; an
 * element argument is the address of a variable holding the element's
 * address.  Both spellings of a suffix name the same code. */
#define WIDEFP_DECL_ALIAS2(ret, name, suffix, params) \
    ret name##suffix##_ params;                       \
    ret name##suffix##__ params;

#define WIDEFP_DECL_FLOAT_BINARY(name)                                                  \
    WIDEFP_DECL_ALIAS2(uint64_t, name, _f77,                                            \
                       (uint64_t * c, const uint64_t *a, const uint64_t *b, const uint64_t *p)) \
    WIDEFP_DECL_ALIAS2(uint64_t, name, _f90,                                            \
                       (uint64_t *const *c, const uint64_t *const *a, const uint64_t *const *b, \
                        const uint64_t *p))
#define WIDEFP_DECL_ARRAY_BINARY(name)         \
    WIDEFP_DECL_ALIAS2(uint64_t, name, _f77,   \
                       (uint64_t * r, const uint64_t *a, const uint64_t *b, const uint64_t *n))
#define WIDEFP_DECL_ROUND(name)                                                             \
    WIDEFP_DECL_ALIAS2(void, name, _f77, (uint64_t * x, const uint64_t *g, const uint64_t *p)) \
    WIDEFP_DECL_ALIAS2(void, name, _f90, (uint64_t *const *x, const uint64_t *g, const uint64_t *p))
#define WIDEFP_DECL_FLOAT_INT(name)                                                           \
    WIDEFP_DECL_ALIAS2(uint64_t, name, _f77,                                                  \
                       (uint64_t * r, const uint64_t *x, const int64_t *k, const uint64_t *p)) \
    WIDEFP_DECL_ALIAS2(uint64_t, name, _f90,                                                  \
                       (uint64_t *const *r, const uint64_t *const *x, const int64_t *k,       \
                        const uint64_t *p))

WIDEFP_DECL_FLOAT_BINARY(widefp_float_add)
WIDEFP_DECL_FLOAT_BINARY(widefp_float_sub)
WIDEFP_DECL_FLOAT_BINARY(widefp_float_mul)
WIDEFP_DECL_FLOAT_BINARY(widefp_float_mul_h)
WIDEFP_DECL_FLOAT_BINARY(widefp_float_mul_k)
WIDEFP_DECL_FLOAT_BINARY(widefp_float_div)
WIDEFP_DECL_ARRAY_BINARY(widefp_array_sub)
WIDEFP_DECL_ARRAY_BINARY(widefp_array_add)
WIDEFP_DECL_ARRAY_BINARY(widefp_array_mul)
WIDEFP_DECL_ARRAY_BINARY(widefp_array_mul_h)
WIDEFP_DECL_ARRAY_BINARY(widefp_array_mul_k)
WIDEFP_DECL_ROUND(widefp_float_round_near)
WIDEFP_DECL_ROUND(widefp_float_round_plus)
WIDEFP_DECL_ROUND(widefp_float_round_minus)
WIDEFP_DECL_ROUND(widefp_float_round_chop)
WIDEFP_DECL_FLOAT_INT(widefp_float_imul)
WIDEFP_DECL_FLOAT_INT(widefp_float_idiv)
WIDEFP_DECL_ALIAS2(int, widefp_float_lt, _f77, (const uint64_t *a, const uint64_t *b, const uint64_t *p))
WIDEFP_DECL_ALIAS2(int, widefp_float_lt, _f90,
                   (const uint64_t *const *a, const uint64_t *const *b, const uint64_t *p))
WIDEFP_DECL_ALIAS2(uint64_t, widefp_array_imul, _f77,
                   (uint64_t * r, const uint64_t *a, const uint64_t *m, const uint64_t *n))
WIDEFP_DECL_ALIAS2(uint64_t, widefp_array_idiv, _f77,
                   (uint64_t * r, const uint64_t *a, const uint64_t *d, const uint64_t *n, uint64_t *z))

#ifdef __cplusplus
}
#endif

#if defined(__GNUC__)
#pragma GCC visibility pop
#endif

#endif /* WIDEFP_H */
