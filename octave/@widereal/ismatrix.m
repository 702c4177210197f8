## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} ismatrix (@var{x})
## True if the widereal array @var{x} has two dimensions (any sizes, 0
## included), as for numeric arrays.
##
## @example
## ismatrix (widereal (zeros (2, 3)))      # true
## ismatrix (widereal (zeros (2, 3, 2)))   # false
## @end example
## @seealso{isrow, iscolumn, isvector, issquare}
## @end deftypefn
function tf = ismatrix (x)
  tf = numel (x.sz) == 2;
endfunction

%!assert ([ismatrix(widereal (zeros (2, 0))), ismatrix(widereal (zeros (1, 2, 2)))], [true false])
