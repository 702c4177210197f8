## -*- texinfo -*-
## @deftypefn {} {@var{n} =} nnz (@var{x})
## Number of nonzero elements of the widereal array @var{x} (-0 is zero).
##
## @example
## nnz (widereal ([0 -0 3]))   # 1
## @end example
## @end deftypefn
function n = nnz (x)
  if (rows (x.w) > x.p + 1)                 # complex: either part nonzero
    n = nnz (logical (x));
  else
    n = sum (! wr_conv ("special", x.p, x.w));
  endif
endfunction
