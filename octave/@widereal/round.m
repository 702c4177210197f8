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
  if (rows (x.w) > x.p + 1)                 # complex: each part
    r.w = reshape (wr_conv ("round", x.p, reshape (x.w, x.p + 1, [])), size (x.w));
    r = wr_narrow (r);
  else
    r.w = wr_conv ("round", x.p, x.w);
  endif
endfunction
