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
  ## equal values get equal ranks (the gateway wr_order); Octave's unique
  ## of the ranks does the rest
  if (rows (x.w) > x.p + 1)                 # complex: Octave's order, and
    rank = wr_cxrank (x, true);             # equal ranks for equal values
  else
    rank = reshape (wr_order ("rank", x.w, x.p), x.sz);
  endif
  [r, i, j] = unique (rank, varargin{:});
  y = wr_narrow (wr_index (x, reshape (i, size (r))));
endfunction

%!test
%! [y, i, j] = unique (widereal ([3 1 3 -0 0]), "first");
%! assert ([double(y); i(:)'], [0 1 3; 4 2 1]);
%! assert (j(:)', [3 2 3 1 1]);
%!error <rows> unique (widereal ([1 2]), "rows")
