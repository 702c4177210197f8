## -*- texinfo -*-
## @deftypefn {} {@var{d} =} wr_todoubles (@var{w}, @var{p})
## The nearest doubles of every element of the element array @var{w} of
## precision @var{p}, as a column (words beyond the last whole element are
## ignored).
##
## @example
## p = 2;
## wr_todoubles (wr_fromdouble ([0.25; -3], p), p)   # [0.25; -3]
## @end example
## @end deftypefn
function d = wr_todoubles (w, p)
  if (nargin != 2)
    error ("widefp:nargin", "wr_todoubles: expected 2 arguments (w, p)");
  endif
  p = wr_need_count (p, "wr_todoubles: p", 1, 2^31 - 2);
  wr_need_words (w, 0, "wr_todoubles: w");
  n = floor (numel (w) / (p + 1));
  d = zeros (n, 1);
  for k = 1:n
    d(k) = wr_todouble (w((k - 1) * (p + 1) + (1:2)));
  endfor
endfunction
