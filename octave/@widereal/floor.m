## -*- texinfo -*-
## @deftypefn {} {@var{r} =} floor (@var{x})
## Round the widereal array @var{x} toward -Inf, exactly (fraction bits
## cleared on the words, no plug-in needed).  Zeros and infinities are
## returned as they are; the sign of a zero result follows @var{x}.
##
## @example
## floor (widereal ([-2.5 2.5]))   # [-3 2]
## @end example
## @seealso{fix, floor, ceil, round, mod}
## @end deftypefn
function r = floor (x)
  r = wr_integral (x, "floor");
endfunction
