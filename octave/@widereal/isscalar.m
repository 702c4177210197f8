## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isscalar (@var{x})
## True if the widereal array @var{x} is 1-by-1.
##
## @example
## isscalar (widereal (pi))   # true
## @end example
## @end deftypefn
function tf = isscalar (x)
  tf = numel (x.sz) == 2 && all (x.sz == 1);
endfunction
