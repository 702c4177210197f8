## -*- texinfo -*-
## @deftypefn {} {@var{y} =} sign (@var{x})
## -1, 0 or 1 for each element of @var{x}, as widereal numbers of the same
## precision, exact; both zeros give 0.
##
## @example
## y = sign (widereal ([-3 0 2]))   # [-1 0 1]
## @end example
## @end deftypefn
function y = sign (x)
  wr_realonly ("sign", x);
  y = x;
  y.w = wr_conv ("sign", x.p, x.w);
endfunction
