// text_in.h -- internals of the text readers shared with the parse plug-in
// and the tests.
#ifndef WIDEFP_CONVERT_TEXT_IN_H
#define WIDEFP_CONVERT_TEXT_IN_H

#include <cstddef>
#include <cstdint>

namespace widefp::convert {

// Deepest nesting of parentheses and unary signs the evaluator accepts;
// deeper input raises the syntax error kNestingMessage.
constexpr int kMaxNesting = 256;
extern const char kNestingMessage[];

// Token codes of the evaluator besides the operator characters.
constexpr int kTokenEnd = 10;     // end of the text
constexpr int kTokenValue = 118;  // a value was read

// result = the named constant truncated to p fraction words (p <= 1,024;
// pi to 3,136), or false and result untouched when the name is not one.
bool copy_constant(const char *name, uint64_t *result, uint64_t p);

// widefp_float_etowr, also telling where the token that ended the
// expression starts (an offset into text): the plug-in shows it when the
// expression does not reach the end of the text.
int evaluate(const char *text, uint64_t *result, uint64_t p, size_t *stop);

// widefp_float_etowr_n.
int evaluate_strict(const char *text, uint64_t *result, uint64_t p, size_t *stop);

// M = M * 10^e10 for a fixed-point M of n words, returning the binary
// exponent B split off: the scaled value is M * 2^B afterwards, 1 <= M < 20.
// work: 3n words.  3 <= n <= 1024, |e10| <= 2^61.
int64_t widefp_convert_pow10(uint64_t *M, int64_t e10, uint64_t n, uint64_t *work);

}  // namespace widefp::convert

#endif
