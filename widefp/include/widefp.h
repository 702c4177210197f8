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
 * ("widefp:domain", "widefp:syntax", "widefp:constant", "widefp:memory"). */
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
/* Reads one decimal number from the start of the text. */
void widefp_float_atowr(const char *text, uint64_t *result, uint64_t p);
/* Reads the raw words of a number written in hexadecimal, colon-separated. */
void widefp_float_htowr(const char *text, uint64_t *result, uint64_t p);
/* |x| = digits * 10^exponent, digits a fixed-point array of p+2 words whose
 * integer word is 1..9.  x finite and nonzero; 1 <= p <= 1022. */
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
