## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isvector (@var{x})
## True if the widereal array @var{x} is 1-by-N or N-by-1 (N >= 1).
##
## @example
## isvector (widereal ([1 2 3]))   # true
## @end example
## @end deftypefn
function tf = isvector (x)
  tf = numel (x.sz) == 2 && min (x.sz) == 1;
endfunction
