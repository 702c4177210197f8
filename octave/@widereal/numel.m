## -*- texinfo -*-
## @deftypefn {} {@var{n} =} numel (@var{x})
## Number of elements of the widereal array @var{x}.  With index arguments,
## as Octave asks when it counts the results of @code{x(...)}, it is 1.
##
## @example
## numel (widereal ([1 2 3]))   # 3
## @end example
## @end deftypefn
function n = numel (x, varargin)
  if (nargin > 1)
    n = 1;
  else
    n = prod (x.sz);
  endif
endfunction
