## wr_rand (R, count, p)
##
## count random elements in [0, 1], written into R, from the C library's
## rand() (2p+1 calls per element; never seeded by widefp).
##
##   R      result, at least count*(p+1) words
##   count  number of elements (0..2^31-1)
##   p      precision in words, p >= 1
##
## Example:
##   p = 2;
##   R = wr_zeros (3, p);
##   wr_rand (R, 3, p);
##   wr_todoubles (R, p)
