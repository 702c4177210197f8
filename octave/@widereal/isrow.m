## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isrow (@var{x})
## True if the widereal array @var{x} is 1-by-N (N >= 0), as for numeric
## arrays.
##
## @example
## isrow (widereal ([1 2 3]))   # true
## @end example
## @seealso{iscolumn, isvector, ismatrix, issquare}
## @end deftypefn
function tf = isrow (x)
  tf = numel (x.sz) == 2 && x.sz(1) == 1;
endfunction

%!test
%! assert ([isrow(widereal ([1 2])), isrow(widereal (zeros (1, 0))), isrow(widereal (1))],
%!         true (1, 3));
%! assert ([isrow(widereal ([1; 2])), isrow(widereal (zeros (1, 2, 2)))], false (1, 2));
