## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} iscolumn (@var{x})
## True if the widereal array @var{x} is N-by-1 (N >= 0), as for numeric
## arrays.
##
## @example
## iscolumn (widereal ([1; 2; 3]))   # true
## @end example
## @seealso{isrow, isvector, ismatrix, issquare}
## @end deftypefn
function tf = iscolumn (x)
  tf = numel (x.sz) == 2 && x.sz(2) == 1;
endfunction

%!test
%! assert ([iscolumn(widereal ([1; 2])), iscolumn(widereal (zeros (0, 1)))], true (1, 2));
%! assert ([iscolumn(widereal ([1 2])), iscolumn(widereal (zeros (2, 1, 2)))], false (1, 2));
