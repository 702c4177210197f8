## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} issquare (@var{x})
## True if the widereal array @var{x} is N-by-N (N >= 0), as for numeric
## arrays.
##
## @example
## issquare (widereal (eye (3)))   # true
## @end example
## @seealso{isrow, iscolumn, isvector, ismatrix}
## @end deftypefn
function tf = issquare (x)
  tf = numel (x.sz) == 2 && x.sz(1) == x.sz(2);
endfunction

%!assert ([issquare(widereal (eye (2))), issquare(widereal ([])), issquare(widereal ([1 2]))],
%!        [true true false])
