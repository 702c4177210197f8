## wr_lu (A, m, n, index, p, work)
##
## LU factorisation with partial pivoting (Crout's column order), in place:
## A (m x n, by rows) receives U on and above the diagonal and the multipliers
## of the unit lower triangular L below it; index(i) (int64, from 0) is the
## original number of the row now in position i, so P*A = L*U.  Every step
## truncates; a zero pivot leaves its column as computed.
##
##   A      element array of m*n elements, by rows
##   m, n   sizes (0..2^31-1)
##   index  at least m 64-bit words
##   p      precision in words, p >= 2
##   work   at least m+2 elements
##
## Example:
##   p = 2;
##   A = wr_fromdouble ([1; 2; 3; 4], p);              # [1 2; 3 4] by rows
##   index = zeros (2, 1, "int64");
##   wr_lu (A, 2, 2, index, p, wr_zeros (4, p));
##   index'                                            # [1 0]: rows exchanged
##   reshape (wr_todoubles (A, p), 2, 2)'              # [3 4; 1/3 2/3]
