## -*- texinfo -*-
## @deftypefn  {} {[@var{y}, @var{i}] =} min (@var{x})
## @deftypefnx {} {[@var{y}, @var{i}] =} min (@var{x}, [], @var{dim})
## @deftypefnx {} {@var{y} =} min (@var{a}, @var{b})
## @deftypefnx {} {[@var{y}, @var{i}] =} min (@var{x}, @var{b}, @var{dim})
## Smallest elements of the widereal array @var{x} along its first
## non-singleton dimension or @var{dim}, with the position of the first
## smallest; or the element-wise smaller of @var{a} and @var{b} (either may
## be a double, integer or logical array taken exactly; scalars and
## compatible sizes broadcast; the larger precision wins).  As in Octave,
## a @var{b} given with @var{dim} is ignored, with a warning.
##
## Complex arrays: the smallest modulus, ties by the smaller argument (as
## Octave); of two operands by the moduli alone, the first kept on a tie.
##
## @example
## [y, i] = min (widereal ([3 1 2]))   # y = 1, i = 2
## y = min (widereal ("1/3"), 0.3)      # 0.3 (as the double 0.3)
## @end example
## @end deftypefn
function [y, i] = min (x, varargin)
  if (nargout > 1 && numel (varargin) == 1)
    error ("widefp:nargout", "min: two operands give only one output");
  endif
  [y, i] = wr_extreme (false, x, varargin);
endfunction

%!test
%! m = widereal ([3 -1 -1; 1 2 -Inf]);
%! [y, i] = min (m);
%! assert (double (y), [1 -1 -Inf]);
%! assert (i, [2 1 2]);
%! [y, i] = max (m, [], 2);
%! assert (double (y), [3; 2]);
%! assert (i, [1; 2]);
%! [y, i] = min (m(1, :));
%! assert ([double(y) i], [-1 2]);             # the first of equal minima
%! assert (double (max (m, 0)), [3 0 0; 1 2 0]);
%! assert (double (min ([1; 5], widereal ([2 3]))), [1 1; 2 3]);
%! assert (max (widereal ("1/3", 2), widereal ("1/3", 5)) == widereal ("1/3", 5));
%! assert (size (max (widereal (zeros (0, 3)))), [0 3]);
%! assert (size (max (widereal (zeros (3, 0)))), [1 0]);
%! assert (size (min (widereal ([]))), [0 0]);
%!warning <second argument is ignored> assert (double (max (widereal ([3 -1; 1 2]), 7, 2)), [3; 2]);
%!warning <second argument is ignored> assert (min ([4 2], widereal (1), 2), 2);
%!error <DIM must be a valid dimension> max (widereal ([1 2]), [], 0)
%!error <DIM must be a valid dimension> min (widereal ([1 2]), [], 1.5)
