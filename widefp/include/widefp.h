/* widefp.h -- the public interface of the widefp library: binary floating
 * point numbers of 64p+1 significant bits (p 64-bit words) with a 63-bit
 * exponent, in plain C.  This one header gives the whole product: it
 * includes widefp_rnd.h, the correctly rounded operations, at its place
 * below.  Linear algebra (widefp_linalg.h), the special functions
 * (widefp_special.h) and complex numbers (widefp_complex.h) have headers of
 * their own.
 *
 * Contents, in order:
 *   1. the number format and its constants
 *   2. conversions to and from IEEE double
 *   3. the basic arithmetic: truncated results, guard words, rounding after
 *      the fact (add, sub, mul, div, sqrt, comparison, the four rounding
 *      calls, scaling by an integer)
 *   4. the correctly rounded layer (widefp_rnd.h)
 *   5. the elementary functions, their work sizes and the reciprocal cache
 *   6. named constants
 *   7. text in and text out
 *   8. the fatal-error route
 *   9. building blocks for advanced use: the fixed-point working format,
 *      series lengths, function kernels, word-array operations, the
 *      multiplication variants, the plug-ins' hypot, the decimal digits
 *  10. the Fortran aliases
 *
 * Conventions.
 *  - Every entry point is a plain C function.  A number is passed as the
 *    address of its p+1 words; the precision p follows the numbers, before
 *    any work area, cache, output buffer or second output.  Nothing is
 *    allocated for the caller's results: the caller owns every array.
 *  - Argument order.  The rule is result first, then operands, then p:
 *    the arithmetic (widefp_float_add(c, a, b, p)), the elementary functions
 *    (widefp_float_exp(y, x, p, work)), widefp_float_dtowr(result, d, p),
 *    the word-array operations.  The exceptions, by family:
 *      . text in: the text comes first, the result after it
 *        (widefp_float_ctowr(name, result, p), widefp_float_etowr,
 *        widefp_float_etowr_n, widefp_float_etowr_report,
 *        widefp_float_atowr, widefp_float_htowr);
 *      . text out: the control word, the digits and the exponent come
 *        first, the output text last (widefp_scientific_format,
 *        widefp_fixed_format and their _n forms);
 *      . results by return value: widefp_float_wrtod(x) returns the double,
 *        widefp_float_lt(a, b, p) the truth value, the work-size and
 *        series-length functions their counts;
 *      . several results: the operand comes first, the results after it
 *        (widefp_float_modf(x, ip, fp, p), and among the building blocks
 *        widefp_modf, widefp_convert_pow, widefp_add_reduction);
 *      . in place: the rounding calls (widefp_float_round_near(x, g, p))
 *        and several building blocks change their first argument;
 *      . the function kernels and working-format conversions among the
 *        building blocks take source before destination
 *        (widefp_array_exp(r, w, P), widefp_widereal_to_array(x, e, dst, n),
 *        widefp_array_2s_complement(src, dst, n), widefp_load_ln2).
 *  - Aliasing.  In sections 2, 3 and 5 a result may be the same element as
 *    any operand.  Work areas and caches must not overlap anything else.
 *    The building blocks state their own rules.
 *  - Precision.  The basic arithmetic and the conversions to and from
 *    double take any p >= 1 (widefp_float_sqrt p >= 2).  The elementary
 *    functions and the correctly rounded layer take 1 <= p <= 1023 and end
 *    in widefp_fatal("widefp:range", ...) otherwise: they compute at p+1
 *    words, and their kernels stop at 1,024 words.  Reading and writing
 *    decimal text takes 1 <= p <= 1022 (it works two words beyond p).  The
 *    named constants are served to 1,024 words (pi and ln 2 are stored
 *    longer, for the argument reductions).  The
 *    kernels among the building blocks are stated for their working
 *    precision P = p+1, so P <= 1024 there.
 *  - Work areas.  A function that needs scratch either takes it from the
 *    caller, sized by the <name>_work_size function beside it (a count of
 *    64-bit words), or takes and releases heap memory itself, as stated.
 *  - Errors.  Domain errors, syntax errors and failed allocations go to
 *    widefp_fatal (section 8); preconditions stated as such are not
 *    checked.
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

/* ==== 1. The number format ===============================================
 * A widereal of precision p is p+1 unsigned 64-bit words.  Word 0 holds the
 * sign in bit 63 and a 63-bit exponent field E biased by
 * WIDEFP_EXPONENT_BIAS; words 1..p hold the fraction f, most significant
 * word first, under a hidden leading 1:
 *     value = (-1)^sign * 1.f * 2^(E - WIDEFP_EXPONENT_BIAS),
 * so that 1.0 is word 0 = WIDEFP_EXPONENT_BIAS with a zero fraction.  The
 * significand has 64p+1 bits.  E = 0 is a signed zero and E = all ones
 * (WIDEFP_EXPONENT_MASK) a signed infinity; there are no subnormal numbers
 * and no NaN.  The fraction words of a zero or an infinity carry no
 * meaning: readers ignore them, the basic arithmetic may leave them as they
 * were, the correctly rounded layer clears them.  The smallest positive
 * number has E = 1 and a zero fraction; a magnitude reaching 2^(2^62)
 * overflows.  Elements of an array of widereals lie p+1 words apart. */
#define WIDEFP_SIGN_BIT UINT64_C(0x8000000000000000)
#define WIDEFP_EXPONENT_MASK UINT64_C(0x7fffffffffffffff)
#define WIDEFP_EXPONENT_BIAS UINT64_C(0x3fffffffffffffff)

/* ==== 2. Conversions to and from IEEE double ==============================
 * widefp_float_dtowr: result (p+1 words) = d exactly (subnormal doubles
 * included; infinities keep their sign).  A NaN is not converted: a warning
 * goes to standard error and result is left as it was.
 * widefp_float_wrtod: x rounded to a double from word 0 and the first
 * fraction word only (the words after it are not read): to nearest, a tie
 * away from zero (to even in the subnormal range); beyond the double range
 * an infinity, below it a zero. */
void widefp_float_dtowr(uint64_t *result, double d, uint64_t p);
double widefp_float_wrtod(const uint64_t *x);

/* ==== 3. The basic arithmetic =============================================
 * These operations store their result truncated toward zero at p words and
 * return a guard word g describing the cut-off part T (in units of 2^-64
 * of the last stored place, so that half a unit is 2^63).  The rounding
 * calls below turn the pair into a rounded result.
 *  - widefp_float_add, widefp_float_sub: exact.  g holds the leading 64 bits
 *    of T with a sticky bit in bit 0 (0 only when T = 0; 2^63 only for an
 *    exact half); all ones is returned as 0xfffffffffffffffe.  Overflow gives
 *    an infinity with g = 0, underflow a signed zero with g = 1.
 *  - widefp_float_mul: exact (as the addition) at p = 1 and p >= 720, where
 *    it runs widefp_float_mul_k; for 2 <= p < 720 it runs widefp_float_mul_h
 *    (section 9): g - 2p <= T < g (g is T rounded up plus the correction 2p
 *    for the columns left out), or g = all ones (saturation) when that does
 *    not fit; g may be nonzero for an exact product, and a T within 2p of a
 *    half can fall on either side of it.  The rounded-product loops of
 *    widefp_linalg.h decide such near-ties exactly.
 *  - widefp_float_div: with n the next 64 quotient bits, g = n + 2^33
 *    (saturating to all ones) and n - 2p < T < n + 2; g = 0 only when the
 *    mantissas are equal (an exact power of two).  An exact quotient of
 *    unequal mantissas gets g near 2^33.  x/0 and inf/y are infinities,
 *    otherwise 0/y and x/inf are zeros, of the quotient's sign, with g = 0.
 *  - widefp_float_sqrt: work holds 4p+8 words; p >= 2.  The stored root is
 *    within 8.5 units of the last place of the exact root (either side); g is
 *    the bit shifted out when the root is normalised, not a description of
 *    T.  A negative x (-0 included) ends in widefp_fatal("widefp:domain").
 *  - widefp_float_imul, widefp_float_idiv: x times or divided by the integer
 *    k (k != 0 for the division); the product's g holds the cut-off bits
 *    exactly, the quotient's their leading bits with a sticky bit in bit 0.
 * Correctly rounded arithmetic, hypot included, is in section 4.
 */
uint64_t widefp_float_add(uint64_t *c, const uint64_t *a, const uint64_t *b, uint64_t p);
uint64_t widefp_float_sub(uint64_t *c, const uint64_t *a, const uint64_t *b, uint64_t p);
uint64_t widefp_float_mul(uint64_t *result, const uint64_t *x, const uint64_t *y, uint64_t p);
uint64_t widefp_float_div(uint64_t *result, const uint64_t *x, const uint64_t *y, uint64_t p);
uint64_t widefp_float_sqrt(uint64_t *result, const uint64_t *x, uint64_t p, uint64_t *work);
uint64_t widefp_float_imul(uint64_t *result, const uint64_t *x, int64_t k, uint64_t p);
uint64_t widefp_float_idiv(uint64_t *result, const uint64_t *x, int64_t k, uint64_t p);

/* Comparison: 1 when a < b, else 0; -0 counts as below +0. */
int widefp_float_lt(const uint64_t *a, const uint64_t *b, uint64_t p);

/* Rounding after the fact: x (p words, truncated) with the guard word g of
 * the operation that produced it, rounded in place to nearest (ties to even;
 * g = 2^63 is the tie), toward +infinity (plus), toward -infinity (minus) or
 * toward zero (chop: nothing to do).  Rounding away from zero adds one unit,
 * two for a saturated g (all ones); a zero grows into the smallest number
 * of its sign, the largest finite number into an infinity.  The result is
 * correctly rounded when g describes T as the addition's does (addition,
 * subtraction, integer scaling, the exact products); see the bounds above
 * and in section 5 otherwise. */
void widefp_float_round_near(uint64_t *x, uint64_t g, uint64_t p);
void widefp_float_round_plus(uint64_t *x, uint64_t g, uint64_t p);
void widefp_float_round_minus(uint64_t *x, uint64_t g, uint64_t p);
void widefp_float_round_chop(uint64_t *x, uint64_t g, uint64_t p);

#ifdef __cplusplus
}
#endif

/* ==== 4. The correctly rounded layer ======================================
 * widefp_rnd.h: y = the exact result rounded once in one of four modes
 * (WIDEFP_RNDN, _RNDZ, _RNDU, _RNDD), with a ternary return value: the
 * arithmetic, hypot, powers and roots, fmod, the elementary functions and
 * the conversions, all at 1 <= p <= 1023.
 * Results there do not depend on how they were computed; prefer it to
 * sections 3 and 5 unless a truncated result with its guard word is what
 * is wanted. */
#include "widefp_rnd.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ==== 5. The elementary functions =========================================
 * Every function here computes at precision p+1 and stores the first p
 * words of that result, returning the word that follows (0 for exact
 * special values).  1 <= p <= 1023; other values end in
 * widefp_fatal("widefp:range", ...).  The result may be the operand.
 *
 * Accuracy: the value y.w (p+1 words, w the returned word) is within these
 * bounds of the exact result, either side, in units of 2^-64 of y's last
 * place: exp 5 (x > 0) and 10 (x < 0); log 8(N+8) and atan 4(N+64), N the
 * series length widefp_taylor_tranc_log_calc(p+1, -2) resp.
 * _atan_calc(p+1, -4); sin and cos 10 plus the reduction's share (within
 * 2^-8 units of R's last word p, relative to the reduced argument R); asin
 * 2^60 + 400(p+1) + 1000 (its series stops at 2^56 units); pow
 * 2(|z|(8N+66) + 4), z = y ln x.  Rounding y with w by the calls of
 * section 3 is therefore faithful, not always correct.
 *
 * Work areas: work holds <name>_work_size(p) words (exp, sin and cos 2p+5,
 * log and pow 3p+6, atan 2p+4, asin 5p+10, ceil and floor p+1).
 *
 * The reciprocal cache (log, pow and atan): widefp_cache_size(p) =
 * 500*(p+2) words, all zero before its first use and reusable by later
 * calls with the same p; the three functions share it.  Layout: 500 rows
 * of p+2 words; row j-1 holds 1/(2j-1) as a working array (j = 1..499,
 * filled on first use; word 0 of the cache, the integer word of 1/1, is 0
 * until the first use).  Word 0 of the last row records the row length:
 * 0x5243000000000000 | (p+2).  A call given an initialised cache built for
 * another p ends in widefp_fatal("widefp:cache", ...).  A cache is not
 * safe to share between threads running at the same time. */

/* Exponential.  The range is the widereal one: e^x is +inf (guard 0) from
 * 2^(2^62) on (x >= 2^62 ln 2, about 3.2e18) and +0 below the smallest
 * number (x < -(2^62-2) ln 2) with the guard word of an underflowed product,
 * so that the rounding calls decide by the true value; e^(+inf) = +inf and
 * e^(-inf) = +0 exactly.  For 0 < |x| < 2^-(64p+64) the stored words are
 * the truncation of e^x, 1 for x > 0 and one unit below 1 for x < 0, with
 * the guard 1 and 0xff...fe. */
uint64_t widefp_float_exp(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work);
uint64_t widefp_float_exp_work_size(uint64_t p);

/* Sine and cosine.  An infinite x ends in widefp_fatal("widefp:domain",
 * ...), |x| >= 2^65536 in "widefp:range" (the reduction carries pi/4 to
 * 3,136 words, enough for the cancellation next to a multiple of pi/2).
 * For 0 < |x| < 2^(-32(p+1)) the stored words are the truncation of the
 * exact value (one unit below |x| or 1) and the guard is 0xff...fe. */
uint64_t widefp_float_sin(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work);
uint64_t widefp_float_cos(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work);
uint64_t widefp_float_sincos_work_size(uint64_t p);

/* Natural logarithm, with the reciprocal cache.  ln(+inf) = +inf; x <= 0
 * is a domain error. */
uint64_t widefp_float_log(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work, uint64_t *cache);
uint64_t widefp_float_log_work_size(uint64_t p);

/* Words of the reciprocal cache for precision p; and whether a cache of
 * `words` words can serve precision p: 0 yes, 1 too short (or p outside
 * 1..1023), 2 initialised for another precision. */
uint64_t widefp_cache_size(uint64_t p);
int widefp_cache_check(const uint64_t *cache, uint64_t words, uint64_t p);

/* z = x^y, with the reciprocal cache.  The range is the exponential's; a
 * product y ln x beyond the range gives x^y next to 1 (it underflowed: as
 * the exponential next to 0) or beyond the range (+inf, or +0 with a
 * nonzero guard), inexact.  0^y is 0 for y > 0 and +inf otherwise; a
 * negative base needs an integer exponent, else a domain error; the sign of
 * its power is read from the units bit of the exponent, of any size (an
 * infinite exponent counts as even).  z may be x or y. */
uint64_t widefp_float_pow(uint64_t *z, const uint64_t *x, const uint64_t *y, uint64_t p, uint64_t *work,
                          uint64_t *cache);
uint64_t widefp_float_pow_work_size(uint64_t p);

/* Arctangent, with the reciprocal cache. */
uint64_t widefp_float_atan(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work, uint64_t *cache);
uint64_t widefp_float_atan_work_size(uint64_t p);

/* Arcsine; |x| > 1 is a domain error. */
uint64_t widefp_float_asin(uint64_t *y, const uint64_t *x, uint64_t p, uint64_t *work);
uint64_t widefp_float_asin_work_size(uint64_t p);

/* Integer parts.  modf: ip = x truncated toward zero, fp = x - ip, either
 * of them may be x; modf(+-inf) gives ip = +-inf, fp = +-0.  ceil and floor:
 * z = the least integer not below x, the greatest not above it.  Each
 * returns the guard word of its final addition or subtraction, 0 when none
 * is made. */
uint64_t widefp_float_modf(const uint64_t *x, uint64_t *ip, uint64_t *fp, uint64_t p);
uint64_t widefp_float_ceil(uint64_t *z, const uint64_t *x, uint64_t p, uint64_t *work);
uint64_t widefp_float_floor(uint64_t *z, const uint64_t *x, uint64_t p, uint64_t *work);
uint64_t widefp_float_ceil_work_size(uint64_t p); /* also floor's */

/* ==== 6. Named constants ==================================================
 * result = the constant truncated to p fraction words, 0 <= p <= 1024 (the
 * stored tables, themselves truncated).  Names, compared exactly: "pi" (or
 * "PI"), "e" ("E", "napier", "NAPIER"), "ln10" ("LN10"), "ln2" ("LN2"),
 * "g" ("G", Euler's gamma), and "atan_h", "atan_q", two constants of the
 * arctangent; an unknown name ends in widefp_fatal("widefp:constant",
 * ...). */
void widefp_float_ctowr(const char *name, uint64_t *result, uint64_t p);

/* ==== 7. Text in and text out =============================================
 * Reading: 1 <= p <= 1022, the text NUL-terminated.  An expression holds
 * decimal numbers (rounded to p words), #name constants (section 6), @hex
 * word literals, + - * /, unary signs and parentheses; each operation is
 * truncated at p words (section 3). */

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
 * length after a success). */
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
/* Reads the raw words of a number written in hexadecimal, colon-separated
 * (word 0 first; missing words are zero, words beyond p ignored); any p.
 * A character other than a hexadecimal digit or a colon ends in
 * widefp_fatal("widefp:syntax", ...). */
void widefp_float_htowr(const char *text, uint64_t *result, uint64_t p);

/* Writing.  The formatters print digits * 10^exponent, the digit array being
 * the fixed-point decimal significand that widefp_convert_pow (section 9)
 * gives for |x|: integer word 1..9, then fraction words.  The control word
 * packs: bits 0-15 the digit array's length in words, bits 16-31 the number
 * of digits after the decimal point, bit 56 an upper-case exponent letter,
 * bit 59 trailing zeros of the fraction removed, bit 63 a minus sign.
 * Scientific notation is [-]d[.ddd]e(+|-)x, fixed notation [-]iii[.fff];
 * both round the last digit to nearest (a 5 in the next digit rounds up). */
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

/* ==== 8. The fatal-error route ============================================
 * Domain and syntax errors of the library go through widefp_fatal.  The
 * default handler writes the text to standard error and ends the process
 * with status 1.  A host (an Octave plug-in, a test) may install its own
 * handler; a handler must not return (it may throw or longjmp; one that
 * returns is followed by the default).  widefp_set_fatal_handler returns
 * the handler it replaces; passing NULL restores the default.  The
 * identifier names the error class ("widefp:domain", "widefp:syntax",
 * "widefp:constant", "widefp:memory", "widefp:range", "widefp:cache"). */
typedef void (*widefp_fatal_handler)(const char *identifier, const char *text);
widefp_fatal_handler widefp_set_fatal_handler(widefp_fatal_handler handler);
#ifdef __cplusplus
[[noreturn]]
#endif
void widefp_fatal(const char *identifier, const char *text);

/* ==== 9. Building blocks for advanced use =================================
 * The pieces the functions above are made of, for callers who assemble
 * their own.  They check little: the limits stated are preconditions.
 * Capital P is a working precision (p+1 for the functions of section 5),
 * 1 <= P <= 1024. */

/* -- The fixed-point working format --
 * Series are summed on working arrays: n unsigned words read as a
 * fixed-point number, word 0 the integer part, words 1..n-1 the fraction. */
/* dst (n words) = (1.f of x) * 2^e, truncated; e < 0. */
void widefp_widereal_to_array(const uint64_t *x, int64_t e, uint64_t *dst, uint64_t n);
/* Normalises the working array a (n+1 words, a[0] >= 1) in place into a
 * widereal of precision n; returns the new word 0. */
uint64_t widefp_array_to_widereal(uint64_t *a, uint64_t n);
/* dst = 1 - src (n words; src's integer word ignored); dst may be src. */
void widefp_array_2s_complement(const uint64_t *src, uint64_t *dst, uint64_t n);
/* a (n words, word 0 included) shifted left by one bit in place. */
void widefp_sll_onebit(uint64_t *a, uint64_t n);
/* ip = integer part of x (toward zero; ip may be x), *low = that integer
 * mod 2^64; returns it mod 2^16. */
int widefp_modf(const uint64_t *x, uint64_t *ip, uint64_t *low, uint64_t p);
/* x = k*C + r with C = ln 2 (mode 2) or pi/4 (mode 3: the multiple rounded
 * up to even, |r| <= pi/4).  r is a widereal of precision p+1 (p+2 words);
 * returns the quadrant 0..3.  1 <= p <= 1024. */
int widefp_add_reduction(const uint64_t *x, int mode, uint64_t *r, uint64_t p, int64_t *k);

/* -- Series lengths --
 * Terms after the leading one for working precision p and reduced-argument
 * exponent e (e <= -1).  The _calc forms compute without the tables. */
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

/* -- Function kernels --
 * Series on reduced arguments, results truncated at precision P. */
/* w = e^r for 0 <= r < 1 (r's sign ignored). */
void widefp_array_exp(const uint64_t *r, uint64_t *w, uint64_t P);
/* w = sin r or cos r for |r| < 1. */
void widefp_array_sin(const uint64_t *r, uint64_t *w, uint64_t P);
void widefp_array_cos(const uint64_t *r, uint64_t *w, uint64_t P);
/* out = E*ln 2, E the unbiased exponent of word 0 w0. */
void widefp_load_ln2(uint64_t w0, uint64_t *out, uint64_t P);
/* acc (n words, 2 <= n <= 1025) = acc + 1/(2k-1) (sign 1) or
 * 1/(2k-1) - acc (other sign), k >= 1, with the reciprocal cache of rows of
 * n words; returns the carry or borrow. */
uint64_t widefp_invadd(uint64_t *acc, uint64_t k, uint64_t *cache, int sign, uint64_t n);
/* out = 2*atanh t = ln((1+t)/(1-t)), |t| < 1/2. */
void widefp_array_log(const uint64_t *t, uint64_t *out, uint64_t *cache, uint64_t P);
/* Folds x (nonzero) in place below 1/8; returns the fold record. */
uint64_t widefp_atan_arg_reduction(uint64_t *x, uint64_t P);
/* out = atan t for |t| < 1/8. */
void widefp_atan_horner(const uint64_t *t, uint64_t *out, uint64_t *cache, uint64_t P);
/* a: atan of the reduced argument in, of the original out. */
void widefp_atan_recover(uint64_t *a, uint64_t folds, uint64_t P);

/* -- Word-array operations --
 * Unsigned numbers of n words, word 0 most significant.  The result may be
 * an operand. */
/* result = a + b, r = x - y; return the carry resp. borrow out of word 0. */
uint64_t widefp_array_add(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t n);
uint64_t widefp_array_sub(uint64_t *r, const uint64_t *x, const uint64_t *y, uint64_t n);
/* result = the low n words of a * m; returns the word carried out. */
uint64_t widefp_array_imul(uint64_t *result, const uint64_t *a, uint64_t m, uint64_t n);
/* result = a / d, the last word rounded to nearest with ties to even;
 * d != 0.  *z counts leading words of a known to be zero: they are skipped,
 * and the count advances by one when the quotient's word *z comes out zero.
 * Returns the remainder before rounding. */
uint64_t widefp_array_idiv(uint64_t *result, const uint64_t *a, uint64_t d, uint64_t n, uint64_t *z);
/* Products: of the 2n-word product P = a*b (P[0] most significant), result
 * = P[1..n] rounded to nearest at P[n+1]; returns P[0].  n >= 2.  _k forms
 * the exact product (Karatsuba; ties to even); _h sums only the columns
 * that reach P[n+1] plus a carry estimate (ties up; near a half the last
 * word can be one unit off); widefp_array_mul runs _h below 720 words and
 * _k from there on. */
uint64_t widefp_array_mul(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t n);
uint64_t widefp_array_mul_h(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t n);
uint64_t widefp_array_mul_k(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t n);

/* -- The multiplication variants --
 * The two methods behind widefp_float_mul, with its result and guard word
 * contract (section 3): _h the truncated column product, p >= 2, its guard
 * an upper estimate; _k the exact product, p >= 1, its guard exact. */
uint64_t widefp_float_mul_h(uint64_t *result, const uint64_t *x, const uint64_t *y, uint64_t p);
uint64_t widefp_float_mul_k(uint64_t *result, const uint64_t *x, const uint64_t *y, uint64_t p);

/* -- The plug-ins' hypot --
 * result = sqrt(a^2 + b^2), every step truncated, p >= 2; takes its work
 * area from the heap (a failed allocation goes to widefp_fatal).  The
 * correctly rounded hypot is widefp_rnd_hypot. */
void widefp_mex_hypot(uint64_t *result, const uint64_t *a, const uint64_t *b, uint64_t p);

/* -- The decimal digits --
 * |x| = digits * 10^exponent, digits a fixed-point array of p+2 words whose
 * integer word is 1..9: the input of the formatters of section 7.  x finite
 * and nonzero; 1 <= p <= 1022.  x may share memory with digits or exponent:
 * it is read whole before they are written. */
void widefp_convert_pow(const uint64_t *x, int64_t *exponent, uint64_t *digits, uint64_t p);

/* ==== 10. The Fortran aliases =============================================
 * Callable from Fortran without an interface block, for the entries of the
 * list below:
 *   name_f77_ and name_f77__: every scalar argument by reference;
 *   name_f90_ and name_f90__ (the float entry points only): every argument
 *   by reference, an element argument being the address of a variable that
 *   holds the element's address.
 * Both spellings of a suffix name the same code.
 *
 * WIDEFP_FORTRAN_ALIASES(X) is the one list: X(KIND, name) for each entry
 * point, KIND naming its shape.  WIDEFP_ALIAS_FORMS_<KIND>(F, name) calls
 * F(name, suffix, return type, parameters, arguments of the forwarding
 * call) once per alias form of that shape; the declarations below and the
 * definitions in the library are both expanded from these. */
#define WIDEFP_FORTRAN_ALIASES(X)            \
    X(FLOAT_BINARY, widefp_float_add)        \
    X(FLOAT_BINARY, widefp_float_sub)        \
    X(FLOAT_BINARY, widefp_float_mul)        \
    X(FLOAT_BINARY, widefp_float_mul_h)      \
    X(FLOAT_BINARY, widefp_float_mul_k)      \
    X(FLOAT_BINARY, widefp_float_div)        \
    X(ARRAY_BINARY, widefp_array_sub)        \
    X(ARRAY_BINARY, widefp_array_add)        \
    X(ARRAY_BINARY, widefp_array_mul)        \
    X(ARRAY_BINARY, widefp_array_mul_h)      \
    X(ARRAY_BINARY, widefp_array_mul_k)      \
    X(ROUND, widefp_float_round_near)        \
    X(ROUND, widefp_float_round_plus)        \
    X(ROUND, widefp_float_round_minus)       \
    X(ROUND, widefp_float_round_chop)        \
    X(FLOAT_INT, widefp_float_imul)          \
    X(FLOAT_INT, widefp_float_idiv)          \
    X(COMPARE, widefp_float_lt)              \
    X(ARRAY_WORD, widefp_array_imul)         \
    X(ARRAY_DIVIDE, widefp_array_idiv)

#define WIDEFP_ALIAS_FORMS_FLOAT_BINARY(F, name)                                                            \
    F(name, _f77, uint64_t, (uint64_t * c, const uint64_t *a, const uint64_t *b, const uint64_t *p),        \
      (c, a, b, *p))                                                                                        \
    F(name, _f90, uint64_t,                                                                                 \
      (uint64_t *const *c, const uint64_t *const *a, const uint64_t *const *b, const uint64_t *p),         \
      (*c, *a, *b, *p))
#define WIDEFP_ALIAS_FORMS_ARRAY_BINARY(F, name) \
    F(name, _f77, uint64_t, (uint64_t * r, const uint64_t *a, const uint64_t *b, const uint64_t *n), (r, a, b, *n))
#define WIDEFP_ALIAS_FORMS_ROUND(F, name)                                                    \
    F(name, _f77, void, (uint64_t * x, const uint64_t *g, const uint64_t *p), (x, *g, *p)) \
    F(name, _f90, void, (uint64_t *const *x, const uint64_t *g, const uint64_t *p), (*x, *g, *p))
#define WIDEFP_ALIAS_FORMS_FLOAT_INT(F, name)                                                                 \
    F(name, _f77, uint64_t, (uint64_t * r, const uint64_t *x, const int64_t *k, const uint64_t *p),           \
      (r, x, *k, *p))                                                                                         \
    F(name, _f90, uint64_t, (uint64_t *const *r, const uint64_t *const *x, const int64_t *k, const uint64_t *p), \
      (*r, *x, *k, *p))
#define WIDEFP_ALIAS_FORMS_COMPARE(F, name)                                                        \
    F(name, _f77, int, (const uint64_t *a, const uint64_t *b, const uint64_t *p), (a, b, *p)) \
    F(name, _f90, int, (const uint64_t *const *a, const uint64_t *const *b, const uint64_t *p), (*a, *b, *p))
#define WIDEFP_ALIAS_FORMS_ARRAY_WORD(F, name) \
    F(name, _f77, uint64_t, (uint64_t * r, const uint64_t *a, const uint64_t *m, const uint64_t *n), (r, a, *m, *n))
#define WIDEFP_ALIAS_FORMS_ARRAY_DIVIDE(F, name)                                                                  \
    F(name, _f77, uint64_t, (uint64_t * r, const uint64_t *a, const uint64_t *d, const uint64_t *n, uint64_t *z), \
      (r, a, *d, *n, z))

#define WIDEFP_DECLARE_ALIAS_FORM(name, suffix, ret, params, args) \
    ret name##suffix##_ params;                                    \
    ret name##suffix##__ params;
#define WIDEFP_DECLARE_ALIASES(kind, name) WIDEFP_ALIAS_FORMS_##kind(WIDEFP_DECLARE_ALIAS_FORM, name)
WIDEFP_FORTRAN_ALIASES(WIDEFP_DECLARE_ALIASES)
#undef WIDEFP_DECLARE_ALIASES
#undef WIDEFP_DECLARE_ALIAS_FORM

#ifdef __cplusplus
}
#endif

#if defined(__GNUC__)
#pragma GCC visibility pop
#endif

#endif /* WIDEFP_H */
