## -*- texinfo -*-
## @deftypefn {} {@var{r} =} round (@var{x})
## Round the widereal array @var{x} to the nearest integer, halves away from zero, exactly (fraction bits
## cleared on the words, no plug-in needed).  Zeros and infinities are
## returned as they are; the sign of a zero result follows @var{x}.
##
## @example
## round (widereal ([-2.5 2.4]))  # [-3 2]
## @end example
## @seealso{fix, floor, ceil, round, mod}
## @end deftypefn
function r = round (x)
  r = wr_integral (x, "round");
endfunction
