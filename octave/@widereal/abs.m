## -*- texinfo -*-
## @deftypefn {} {@var{y} =} abs (@var{x})
## Absolute values of the widereal array @var{x} (exact: the sign is
## cleared).
##
## @example
## y = abs (widereal ([-1 2]))   # [1 2]
## @end example
## @end deftypefn
function y = abs (x)
  y = x;
  y.w = wr_conv ("abs", x.p, x.w);
endfunction
