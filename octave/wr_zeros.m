## -*- texinfo -*-
## @deftypefn {} {@var{w} =} wr_zeros (@var{n}, @var{p})
## An element array of @var{n} widereal zeros of precision @var{p}: a uint64
## column of n*(p+1) words, ready to be passed to a plug-in as a result or
## work array.  @var{n} is an integer 0..2^31-1, @var{p} an integer
## 1..2^31-2; anything else raises a @qcode{"widefp:"} error.
##
## @example
## p = 2;
## R = wr_zeros (1, p);                   # one zero element, 3 words
## wr_mul (R, wr_fromdouble (1.5, p), wr_fromdouble (-0.75, p), p);
## wr_todouble (R)                        # -1.125
## @end example
## @end deftypefn
function w = wr_zeros (n, p)
  if (nargin != 2)
    error ("widefp:nargin", "wr_zeros: expected 2 arguments (n, p)");
  endif
  n = wr_need_count (n, "wr_zeros: n", 0, 2^31 - 1);
  p = wr_need_count (p, "wr_zeros: p", 1, 2^31 - 2);
  w = zeros (n * (p + 1), 1, "uint64");
endfunction
