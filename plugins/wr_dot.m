## wr_dot (r, V, n, p, t)
##
## Dot product of the two halves of V: r = V(0)*V(n) + ... + V(n-1)*V(2n-1),
## from +0 upward, truncating after every product and every addition.
##
##   r      result, at least p+1 words
##   V      element array of at least 2n elements
##   n      length of each half (0..2^31-1)
##   p      precision in words, p >= 2
##   t      one work element (p+1 words)
##
## Example:
##   p = 2;
##   r = wr_zeros (1, p);
##   wr_dot (r, wr_fromdouble ([1; 2; 3; 4], p), 2, p, wr_zeros (1, p));
##   wr_todouble (r)                                   # 1*3 + 2*4 = 11
