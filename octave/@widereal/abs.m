## -*- texinfo -*-
## @deftypefn {} {@var{y} =} abs (@var{x})
## Absolute values of the widereal array @var{x} (exact: the sign bit is
## cleared).
##
## @example
## y = abs (widereal ([-1 2]))   # [1 2]
## @end example
## @end deftypefn
function y = abs (x)
  w = x.w;
  w(1, :) = bitand (w(1, :), 0x7fffffffffffffffu64);
  y = x;
  y.w = w;
endfunction
