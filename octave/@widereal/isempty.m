## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isempty (@var{x})
## True if the widereal array @var{x} has no elements.
##
## @example
## isempty (widereal ([]))   # true
## @end example
## @end deftypefn
function tf = isempty (x)
  tf = any (x.sz == 0);
endfunction
