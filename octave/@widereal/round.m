## -*- texinfo -*-
## @deftypefn {} {@var{r} =} round (@var{x})
## Round the widereal array @var{x} to the nearest integer, halves away from zero, exactly (the fraction
## bits below the binary point cleared, one unit added where needed).  Zeros and infinities are
## returned as they are; the sign of a zero result follows @var{x}.
##
## @example
## round (widereal ([-2.5 2.4]))  # [-3 2]
## @end example
## @seealso{fix, floor, ceil, round, mod}
## @end deftypefn
function r = round (x)
  r = x;
  r.w = wr_conv ("round", x.p, x.w);
endfunction
