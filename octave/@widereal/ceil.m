## -*- texinfo -*-
## @deftypefn {} {@var{r} =} ceil (@var{x})
## Round the widereal array @var{x} toward +Inf, exactly (the fraction
## bits below the binary point cleared, one unit added where needed).  Zeros and infinities are
## returned as they are; the sign of a zero result follows @var{x}.
##
## @example
## ceil (widereal ([-2.5 2.5]))    # [-2 3]
## @end example
## @seealso{fix, floor, ceil, round, mod}
## @end deftypefn
function r = ceil (x)
  r = x;
  if (rows (x.w) > x.p + 1)                 # complex: each part
    r.w = reshape (wr_conv ("ceil", x.p, reshape (x.w, x.p + 1, [])), size (x.w));
    r = wr_narrow (r);
  else
    r.w = wr_conv ("ceil", x.p, x.w);
  endif
endfunction
