## -*- texinfo -*-
## @deftypefn {} {@var{w} =} wr_hilbert (@var{n}, @var{p})
## The element array (uint64 column) of the @var{n}-by-@var{n} Hilbert matrix,
## H(i,j) = 1/(i+j-1), at precision @var{p}, each element 1/k truncated toward
## zero to @var{p} fraction words (see wr_reciprocal).  The matrix is
## symmetric, so the array serves both as its storage by columns and by rows.
##
## @example
## p = 2;
## wr_todoubles (wr_hilbert (2, p), p)'   # 1 0.5 0.5 0.3333
## @end example
## @end deftypefn
function w = wr_hilbert (n, p)
  if (nargin != 2)
    error ("widefp:nargin", "wr_hilbert: expected 2 arguments (n, p)");
  endif
  n = wr_need_count (n, "wr_hilbert: n", 0, 2^15);
  p = wr_need_count (p, "wr_hilbert: p", 1, 2^31 - 2);
  if (n == 0)
    w = zeros (0, 1, "uint64");
    return;
  endif
  recips = reshape (wr_reciprocal (1:2 * n - 1, p), p + 1, []);
  k = (1:n)' + (1:n) - 1;                   # k(i,j) = i + j - 1
  w = reshape (recips(:, k(:)), [], 1);
endfunction
