## R = wr_rnd (op, mode, p, X)
## R = wr_rnd (op, mode, p, X, Y)
## [R, t] = wr_rnd (...)
##
## Correctly rounded element-wise operations, changes of precision and text
## conversion, returning new arrays.  Every result is the exact value
## rounded once to p words in the mode; the arguments are never written.
##
##   op     binary: "add", "sub", "mul", "div", "hypot", "atan2" (the
##          angle of the point (Y, X), as atan2 (X, Y)), "pow" (a negative
##          base needs an integer exponent), "power" (integer exponents of
##          magnitude below 2^63 by the library's integer power, others as
##          "pow"), "pow_si" (Y: int64 or integer doubles), "beta" (the
##          Beta function B(X, Y));
##          "fmod" and "rem" (X - fix(X/Y) Y, the sign of X, exact unless
##          below the smallest number; Y = 0 and infinite X are domain
##          errors, X itself for infinite Y), "mod" (X - floor(X/Y) Y, the
##          sign of Y, rounded once; mod (X, 0) = X; infinite operands are
##          domain errors), "rootn" (the Y-th root of X, Y nonzero int64 or
##          integer doubles; odd roots of negatives are negative);
##          unary: "sqrt", "exp", "expm1", "log", "log1p", "log2", "log10",
##          "sin", "cos", "tan", "atan", "asin", "acos", "sinh", "cosh",
##          "tanh", "asinh", "acosh", "atanh", "gamma", "lgamma" (ln|Gamma|;
##          +Inf at the poles; an X with Gamma(X) < 0 is a domain error,
##          checked before anything is computed), "erf", "erfc";
##          "prec": Y is q, X an element array of precision q, rounded to p
##          (or extended exactly); "text": X a text of one row or a cell
##          array of them, read as widereal reads texts (blanks dropped),
##          p <= 1022
##   mode   0 to nearest (ties to even), 1 toward zero, 2 toward +Inf,
##          3 toward -Inf, or [] for the mode the gateway holds:
##          wr_rnd ("mode") gives it, wr_rnd ("mode", m) sets it (the class
##          keeps its widereal_rounding setting there; 0 at start)
##   p      precision of the results in words, 1..1023
##   X, Y   uint64 arrays of p+1 words per element (any shape); operands
##          of the binary operations may also be real doubles, one element
##          each, converted exactly (NaN: widefp:domain); both hold n
##          elements, or one holds a single element that serves every
##          element of the other
##   R      (p+1)-by-n uint64, one column per result element
##   t      1-by-n ternary values: 0 exact, -1 below the exact value, +1
##          above (texts: NaN where the text's value is not placed)
##
## Errors: widefp:nargin, widefp:type, widefp:size, widefp:range for bad
## arguments (checked before anything is computed), widefp:domain where
## the exact result is not a real number (0/0, Inf - Inf, log of a
## negative number, a pole of gamma, ...), widefp:syntax and
## widefp:constant for texts.
##
## Example:
##   p = 1;
##   X = wr_fromdouble (1, p);  Y = wr_fromdouble (3, p);
##   [R, t] = wr_rnd ("div", 0, p, X, Y);   # 1/3 to nearest, t = -1
##   [S, u] = wr_rnd ("div", 2, p, X, Y);   # toward +Inf, u = 1
##   wr_tostring (S(:), p, 25)
##   wr_rnd ("text", 0, 2, {"0.1", "#pi"})  # two columns of 3 words
