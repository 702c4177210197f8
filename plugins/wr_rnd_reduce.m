## R = wr_rnd_reduce (op, mode, p, X, len, count)
## R = wr_rnd_reduce ("dot", mode, p, X, Y, len, count)
## R = wr_rnd_reduce ("matmul", mode, p, A, B, m, k, n)
##
## Sums, products, running sums, 2-norms, dot and matrix products
## accumulated at q = p+2 words (at most 1023), each step truncated, and
## rounded once to p words in the mode; returns a new array, the arguments
## are never written.  With u = 2^(-64q), the accumulated value of n terms
## t_i lies within (n-1) u / (1 - (n-1) u) sum |t_i| of the exact one (a dot
## product n u / (1 - n u) sum |x_i y_i|), inside the exponent range.
##
##   op      "sum", "prod", "cumsum", "norm2" (square root of the sum of
##           squares, the root rounded once): count groups of len
##           consecutive elements of X, one result per group ("cumsum":
##           every running sum); "dot": count dot products of groups of
##           len elements of X and Y; "matmul": C = A*B with A m-by-k and
##           B k-by-n, all three by columns
##   mode    0 to nearest (ties to even), 1 toward zero, 2 toward +Inf,
##           3 toward -Inf
##   p       precision in words, 1..1023
##   R       (p+1)-by-(number of results) uint64
##
## An exact zero sum is -0 when every term is -0, or, toward -Inf, when any
## term is not +0.  Errors: widefp:nargin, widefp:type, widefp:size,
## widefp:range for bad arguments; widefp:domain for Inf - Inf and 0 * Inf.
##
## Example:
##   p = 2;
##   X = wr_fromdouble ([1; 2; 3; 4], p);
##   R = wr_rnd_reduce ("sum", 0, p, X, 2, 2);       # [1+2, 3+4]
##   wr_todoubles (R(:), p)
##   C = wr_rnd_reduce ("matmul", 0, p, X, X, 2, 2, 2);
##   wr_todoubles (C(:), p)                            # [1 3; 2 4]^2 by columns
