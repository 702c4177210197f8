## C = wr_order ("cmp", X, px, Y, py)
## P = wr_order ("sort", X, p, len, count, descend)
## R = wr_order ("rank", X, p)
## I = wr_order ("extreme", X, p, len, count, largest)
## k = wr_order ("maxabs", X, p)
## M = wr_order ("median", X, p, len, count, mode)
##
## The order of widereal values, returning new arrays; the arguments are
## never written.  Values compare as numbers: +0 equals -0, -Inf and Inf
## are the ends, elements of different precisions compare by value.
##
##   "cmp"      1-by-n row of -1, 0, 1 as X < Y, X == Y, X > Y; X and Y
##              are element arrays of precisions px and py, or real
##              doubles (converted exactly; NaN: widefp:domain; their
##              precision argument is then not used); both hold n
##              elements, or one holds a single element
##   "sort"     len-by-count positions (1..len) putting each of count
##              groups of len consecutive elements of X in ascending
##              order (descend 1: descending), equal elements in their
##              original order
##   "rank"     1-by-n dense ranks of the elements of X: 1 for the
##              smallest value, equal values share a rank
##   "extreme"  1-by-count positions of the first largest (largest 1) or
##              smallest (largest 0) element of each group
##   "maxabs"   position of the first element of largest magnitude
##              (1-by-0 when X is empty)
##   "median"   (p+1)-by-count: the middle element of each sorted group,
##              or for an even len the mean of the two middle ones rounded
##              once in the mode (0 nearest, 1 toward zero, 2 up, 3 down);
##              an empty group and -Inf with Inf in the middle raise
##              widefp:domain
##   X          uint64 array of p+1 words per element (any shape)
##   p          precision in words, 1..1023
##
## Errors: widefp:nargin, widefp:type, widefp:size, widefp:range for bad
## arguments, checked before anything is computed.
##
## Example:
##   p = 2;
##   X = wr_fromdouble ([3; -0; 0; -1], p);
##   wr_order ("cmp", X, p, 0, 1)                 # [1 0 0 -1]
##   wr_order ("sort", X, p, 4, 1, 0)             # [4; 2; 3; 1]
##   wr_order ("rank", X, p)                      # [3 2 2 1]
##   wr_todoubles (wr_order ("median", X, p, 4, 1, 0), p)   # 0
