## wr_solve (M, n, r, p, work)
##
## Solution of A*X = B by elimination with partial pivoting and back
## substitution.  M is n x (n+r) by rows: A in the left n columns, B in the
## right r; on return the right columns hold X and the left part the upper
## triangular factor.  Every step truncates; r = 0 only triangularises A.
##
##   M      element array of n*(n+r) elements, by rows
##   n, r   sizes (0..2^31-1)
##   p      precision in words, p >= 2
##   work   two elements
##
## Example:
##   p = 2;
##   M = wr_fromdouble ([2; 1; 3; 1; 3; 5], p);        # 2x + y = 3, x + 3y = 5
##   wr_solve (M, 2, 1, p, wr_zeros (2, p));
##   d = wr_todoubles (M, p);
##   d([3 6])'                                         # [0.8 1.4]
