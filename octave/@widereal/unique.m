## -*- texinfo -*-
## @deftypefn  {} {[@var{y}, @var{i}, @var{j}] =} unique (@var{x})
## @deftypefnx {} {[@var{y}, @var{i}, @var{j}] =} unique (@var{x}, @var{opt}, @dots{})
## The distinct values of the widereal array @var{x} in ascending order,
## with index vectors as Octave's unique gives them: @code{y = x(i)} and
## @code{x(:) = y(j)}.  -0 and +0 count as one value.  A row vector gives
## a row, anything else a column.  The options Octave's unique takes
## besides "rows" (@qcode{"first"}, @qcode{"last"}, and @qcode{"stable"}
## where Octave has it) choose the indices and order as there.
##
## @example
## [y, i, j] = unique (widereal ([3 1 3]))   # y = [1 3]
## @end example
## @end deftypefn
function [y, i, j] = unique (x, varargin)
  if (any (strcmp (varargin, "rows")))
    error ("widefp:value", "unique: the \"rows\" option is not supported for widereal");
  endif
  ## equal values get equal ranks; Octave's unique of the ranks does the rest
  [o, ~] = wr_sortorder (wr_index (x, (1:prod (x.sz))(:)), 1, false);
  c = wr_cmp (wr_index (x, o(2:end)), wr_index (x, o(1:end-1)));
  rank = zeros (size (o));
  rank(o) = cumsum ([1; c(:) != 0]);
  if (isempty (o))
    rank = [];
  endif
  rank = reshape (rank, x.sz);
  [r, i, j] = unique (rank, varargin{:});
  y = wr_index (x, reshape (i, size (r)));
endfunction

%!test
%! [y, i, j] = unique (widereal ([3 1 3 -0 0]), "first");
%! assert ([double(y); i(:)'], [0 1 3; 4 2 1]);
%! assert (j(:)', [3 2 3 1 1]);
%!error <rows> unique (widereal ([1 2]), "rows")
