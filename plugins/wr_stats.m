## R = wr_stats (op, mode, p, X, len, count)
## R = wr_stats ("var", mode, p, X, len, count, w)
## R = wr_stats ("std", mode, p, X, len, count, w)
##
## Running products, means, variances and standard deviations of count
## groups of len consecutive elements of X, accumulated at q = p+2 words
## (at most 1023), each step truncated, and rounded once to p words in the
## mode; returns a new array, the arguments are never written.  The step
## before the final rounding (a division, a square root) is rounded to
## odd, so that the final rounding is that of its exact value.
##
##   op      "cumprod": every running product (len*count results);
##           "mean": sum / len; "var": the sum of squared deviations from
##           the mean divided by len-1+w (a single element gives 0);
##           "std": its square root
##   mode    0 to nearest (ties to even), 1 toward zero, 2 toward +Inf,
##           3 toward -Inf
##   p       precision in words, 1..1023
##   w       0 or 1 (normalisation by len-1 or by len)
##   R       (p+1)-by-(number of results) uint64
##
## With u = 2^(-64q), a mean of n terms is within (n-1) u sum |x_i| / n of
## the exact mean before its final rounding; a variance within a relative
## (n+3) u of sum d_i^2 / (n-1+w), where d_i are the deviations from the
## computed mean (whose own error e adds n e^2 to the sum of squares).
##
## Errors: widefp:nargin, widefp:type, widefp:size, widefp:range for bad
## arguments; widefp:domain for an empty group (mean, var, std), an
## infinite element (var, std), Inf - Inf and 0 * Inf.
##
## Example:
##   p = 2;
##   X = wr_fromdouble ([1; 2; 3; 4], p);
##   wr_todoubles (wr_stats ("mean", 0, p, X, 4, 1), p)     # 2.5
##   wr_todoubles (wr_stats ("var", 0, p, X, 4, 1, 0), p)   # 5/3
##   wr_todoubles (wr_stats ("cumprod", 0, p, X, 2, 2), p)  # [1 2 3 12]
