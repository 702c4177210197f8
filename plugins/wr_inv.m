## wr_inv (M, n, p, work)
##
## Inverse by elimination with partial pivoting and back substitution.  M is
## an n x 2n matrix stored by rows with A in its left half; the right half
## receives A^-1 (the left half is overwritten).  Every step truncates; a
## zero pivot gives infinities.
##
##   M      element array of 2*n*n elements, by rows
##   n      order (0..2^31-1)
##   p      precision in words, p >= 2
##   work   two elements
##
## Example:
##   p = 2;
##   M = wr_fromdouble ([4; 7; 0; 0; 2; 6; 0; 0], p);  # rows [4 7 | 0 0], [2 6 | 0 0]
##   wr_inv (M, 2, p, wr_zeros (2, p));
##   X = reshape (wr_todoubles (M, p), 4, 2)';
##   X(:, 3:4)                                         # [0.6 -0.7; -0.2 0.4]
