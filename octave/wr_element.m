## -*- texinfo -*-
## @deftypefn {} {@var{x} =} wr_element (@var{w}, @var{k}, @var{p})
## The words of element @var{k} (counted from 0) of the element array @var{w}
## of precision @var{p}.
## @end deftypefn
function x = wr_element (w, k, p)
  if (nargin != 3)
    print_usage ();
  endif
  x = w(k * (p + 1) + (1:p + 1));
  x = x(:);
endfunction
