## -*- texinfo -*-
## @deftypefn {} {@var{r} =} floor (@var{x})
## Round the widereal array @var{x} toward -Inf, exactly (the fraction
## bits below the binary point cleared, one unit added where needed).  Zeros and infinities are
## returned as they are; the sign of a zero result follows @var{x}.
##
## @example
## floor (widereal ([-2.5 2.5]))   # [-3 2]
## @end example
## @seealso{fix, floor, ceil, round, mod}
## @end deftypefn
function r = floor (x)
  r = x;
  if (rows (x.w) > x.p + 1)                 # complex: each part
    r.w = reshape (wr_conv ("floor", x.p, reshape (x.w, x.p + 1, [])), size (x.w));
    r = wr_narrow (r);
  else
    r.w = wr_conv ("floor", x.p, x.w);
  endif
endfunction
