## -*- texinfo -*-
## @deftypefn  {} {@var{m} =} mode (@var{x})
## @deftypefnx {} {@var{m} =} mode (@var{x}, @var{dim})
## @deftypefnx {} {[@var{m}, @var{f}, @var{c}] =} mode (@dots{})
## Most frequent value of the widereal array @var{x} along its first
## non-singleton dimension or @var{dim}, the smallest of equally frequent
## ones, as Octave's mode: @var{f} counts its occurrences and the cell
## array @var{c} holds, per slice, a column of all the values of that
## frequency in ascending order.  -0 and +0 are one value; values of
## different precisions never meet (one array has one precision).  Values
## are compared, not computed: nothing is rounded.
##
## @example
## [m, f] = mode (widereal ([3 1 3 2 1]))   # m = 1, f = 2
## @end example
## @seealso{median, mean, unique}
## @end deftypefn
function [m, f, c] = mode (x, dim)
  wr_realonly ("mode", x);
  if (! isobject (x))
    error ("widefp:type", "mode: X must be the widereal array");
  endif
  ## equal values get equal ranks (the gateway wr_order); Octave's mode of
  ## the ranks does the rest, then each rank goes back to an element
  rank = reshape (wr_order ("rank", x.w, x.p), x.sz);
  if (nargin < 2)
    [r, f, cr] = mode (rank);
  else
    [r, f, cr] = mode (rank, dim);
  endif
  first = zeros (1, max ([rank(:); 0]));
  first(rank(end:-1:1)) = numel (rank):-1:1;  # an element of each rank
  m = wr_index (x, reshape (first(r), size (r)));
  if (nargout > 2)
    c = cell (size (cr));
    for i = 1:numel (cr)
      c{i} = wr_index (x, reshape (first(cr{i}), size (cr{i})));
    endfor
  endif
endfunction

%!test
%! x = widereal ({"1/3", "-2", "1/3", "-0", "0", "-2"}, 2);
%! [m, f, c] = mode (x);
%! assert (m == -2 && f == 2);
%! assert (size (c), [1 1]);
%! assert (c{1} == widereal ({"-2"; "0"; "1/3"}, 2));
%! [m, f] = mode (widereal ([1 2; 1 3; 2 3]));
%! assert (m == [1 3]);
%! assert (f, [2 2]);
%! [m, f] = mode (widereal ([1 2; 1 3; 2 3]), 2);
%! assert (m == [1; 1; 2]);
%! assert (f, [1; 1; 1]);
%! assert (mode (widereal ("1/3", 3), 3) == widereal ("1/3", 3));
%! assert (precision (mode (widereal ([5 5], 4))), 4);
%!error <DIM must be> mode (widereal ([1 2]), 0)
