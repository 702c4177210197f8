## -*- texinfo -*-
## @deftypefn  {} {@var{y} =} reshape (@var{x}, @var{m}, @var{n}, @dots{})
## @deftypefnx {} {@var{y} =} reshape (@var{x}, @var{sz})
## The widereal array @var{x} with a new size, elements in the same
## (column-major) order; one size may be @code{[]}, as for numeric arrays.
##
## @example
## y = reshape (widereal (1:6), 2, 3)
## @end example
## @end deftypefn
function y = reshape (x, varargin)
  j = reshape (1:prod (x.sz), varargin{:});   # Octave checks the sizes
  y = wr_new (x.w, x.p, size (j));
endfunction

%!test
%! y = reshape (widereal (1:6), [], 2);
%! assert (double (y), [1 4; 2 5; 3 6]);
%! assert (size (reshape (y, 1, 1, 6)), [1 1 6]);
%! assert (double (permute (reshape (widereal (1:6), 1, 2, 3), [3 2 1])),
%!         permute (reshape (1:6, 1, 2, 3), [3 2 1]));
%! assert (double (widereal ([1 2; 3 4]).'), [1 3; 2 4]);
%! assert (double (widereal ([1 2; 3 4])'), [1 3; 2 4]);
%! assert (double (repmat (widereal ([1 2]), 2, 2)), repmat ([1 2], 2, 2));
%!error <can't reshape> reshape (widereal (1:6), 4, 2)
