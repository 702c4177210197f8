## -*- texinfo -*-
## @deftypefn {} {@var{w} =} wr_lift (@var{w}, @var{p}, @var{q})
## The words @var{w} (p+1 rows, one column per element) extended with zero
## fraction words to precision @var{q} >= @var{p}: exact.  Operations whose
## plug-ins need p >= 2 compute a p = 1 operand at q = 2 and round back with
## wr_roundwords.
##
## @example
## w2 = wr_lift (w1, 1, 2);
## @end example
## @end deftypefn
function w = wr_lift (w, p, q)
  if (q > p)
    w = [w; zeros(q - p, columns (w), "uint64")];
  endif
endfunction
