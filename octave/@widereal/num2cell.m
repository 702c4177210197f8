## -*- texinfo -*-
## @deftypefn  {} {@var{c} =} num2cell (@var{x})
## @deftypefnx {} {@var{c} =} num2cell (@var{x}, @var{dims})
## A cell array of the shape of the widereal array @var{x} holding its
## elements as 1x1 widereals; with @var{dims}, each cell holds the slice
## of @var{x} along those dimensions, as for numeric arrays.
##
## Octave's own @code{cell2mat} does not take cells of widereals (it tests
## them with built-in checks no method reaches); join them with
## @code{[c@{:@}]}, @code{cat} or @code{reshape ([c@{:@}], size (c))}.
##
## @example
## c = num2cell (widereal ([1 2 3]))   # @{1, 2, 3@}, each a widereal
## @end example
## @seealso{arrayfun, cat}
## @end deftypefn
function c = num2cell (x, varargin)
  j = num2cell (reshape (1:prod (x.sz), x.sz), wr_plainargs (varargin){:});
  c = cell (size (j));
  y = x;
  for k = 1:numel (j)
    y.w = x.w(:, j{k}(:));
    y.sz = size (j{k});
    c{k} = y;
  endfor
endfunction

%!test
%! x = widereal ({"1/3", "2", "3"; "4", "5", "6"}, 2);
%! c = num2cell (x);
%! assert (size (c), [2 3]);
%! assert (class (c{1, 1}), "widereal");
%! assert (c{1, 1} == widereal ("1/3", 2));
%! assert (double (reshape ([c{:}], size (c))), double (x));
%! r = num2cell (x, 1);
%! assert (size (r), [1 3]);
%! assert (double (r{3}), [3; 6]);
%! assert (size (num2cell (widereal (zeros (0, 2)))), [0 2]);
