## -*- texinfo -*-
## @deftypefn {} {@var{x} =} wr_element (@var{w}, @var{k}, @var{p})
## The words of element @var{k} (counted from 0) of the element array @var{w}
## of precision @var{p}.
##
## @example
## p = 2;
## w = wr_fromdouble ([10 20 30], p);
## wr_todouble (wr_element (w, 2, p))     # 30, the third element
## @end example
## @end deftypefn
function x = wr_element (w, k, p)
  if (nargin != 3)
    error ("widefp:nargin", "wr_element: expected 3 arguments (w, k, p)");
  endif
  p = wr_need_count (p, "wr_element: p", 1, 2^31 - 2);
  k = wr_need_count (k, "wr_element: k", 0, 2^31 - 1);
  wr_need_words (w, (k + 1) * (p + 1), "wr_element: w");
  x = w(k * (p + 1) + (1:p + 1));
  x = x(:);
endfunction
