## -*- texinfo -*-
## @deftypefn {} {@var{d} =} wr_todoubles (@var{w}, @var{p})
## The nearest doubles of every element of the element array @var{w} of
## precision @var{p}, as a column.
## @end deftypefn
function d = wr_todoubles (w, p)
  if (nargin != 2)
    print_usage ();
  endif
  n = floor (numel (w) / (p + 1));
  d = zeros (n, 1);
  for k = 1:n
    d(k) = wr_todouble (w((k - 1) * (p + 1) + (1:2)));
  endfor
endfunction
