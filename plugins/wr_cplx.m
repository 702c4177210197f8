## R = wr_cplx (op, mode, p, X)
## R = wr_cplx (op, mode, p, X, Y)
##
## Element-wise arithmetic and elementary functions of complex widereals,
## returning a new array; the arguments are never written.
##
##   op     unary: "sqrt", "exp", "expm1", "log", "log1p", "log2", "log10",
##          "sin", "cos", "tan", "asin", "acos", "atan", "sinh", "cosh",
##          "tanh", "asinh", "acosh", "atanh"; "abs" (modulus) and "arg"
##          (angle), whose results are real;
##          binary: "add", "sub", "mul", "div", "pow" (X .^ Y)
##   mode   0 to nearest (ties to even), 1 toward zero, 2 toward +Inf,
##          3 toward -Inf
##   p      precision in words, 1..1021
##   X, Y   uint64 matrices, one column per element: p+1 rows (real
##          elements) or 2(p+1) rows (the real part's words, then the
##          imaginary part's); binary operations pair the columns (equal
##          counts, or one of them a single column)
##
## R has 2(p+1) rows (p+1 for "abs" and "arg").  A real element within the
## real function's domain gets the real function's correctly rounded value
## and the imaginary part +0; the others take the complex formulas, whose
## branch cuts are C99's (Octave's for asin and acos right of 1).
## Accuracy per component: add, sub, mul, abs, arg correctly rounded; div
## within 1 unit in the last place (1/2 to nearest) plus 2^-120 units; the
## functions and pow within 1 unit plus 2^-100 units of the larger component.
##
## Errors: widefp:nargin, widefp:type, widefp:size, widefp:range for bad
## arguments; widefp:domain where the value would be NaN (0/0, 0 * Inf,
## Inf - Inf, the sine of an infinite real part, 0 ^ b with real (b) <= 0).
##
## Example:
##   p = 2;
##   X = [wr_conv("fromnum", p, 3); wr_conv("fromnum", p, 4)];   # 3 + 4i
##   R = wr_cplx ("sqrt", 0, p, X);                              # 2 + 1i
##   m = wr_cplx ("abs", 0, p, X);                               # 5
