## -*- texinfo -*-
## @deftypefn  {} {[@var{y}, @var{i}] =} sort (@var{x})
## @deftypefnx {} {[@var{y}, @var{i}] =} sort (@var{x}, @var{dim})
## @deftypefnx {} {[@var{y}, @var{i}] =} sort (@dots{}, @var{mode})
## Sorts the widereal array @var{x} along its first non-singleton dimension
## or @var{dim}, @qcode{"ascend"} (default) or @qcode{"descend"}, as for
## numeric arrays: @var{i} gives the original positions along that
## dimension; equal elements keep their order.  -0 and +0 are equal.
##
## Complex arrays sort as Octave sorts them: by modulus, then by argument
## in (-pi, pi] (each correctly rounded), equal keys keeping their order.
##
## @example
## [y, i] = sort (widereal ({"1/3", "-2", "0.3"}))   # -2, 0.3, 1/3; i = [2 3 1]
## @end example
## @end deftypefn
function [y, i] = sort (x, varargin)
  [dim, descend] = sort_args (x.sz, varargin);
  [j, i] = wr_sortorder (x, dim, descend);
  y = wr_index (x, j);
endfunction

function [dim, descend] = sort_args (sz, args)
  dim = find (sz != 1, 1);
  if (isempty (dim))
    dim = 1;
  endif
  descend = false;
  for k = 1:numel (args)
    a = args{k};
    if (ischar (a))
      if (! any (strcmpi (a, {"ascend", "descend"})))
        error ("widefp:value", "sort: MODE must be \"ascend\" or \"descend\"");
      endif
      descend = strcmpi (a, "descend");
    elseif (isscalar (a) && a == fix (a) && a >= 1)
      dim = a;
    else
      error ("widefp:value", "sort: DIM must be a positive integer");
    endif
  endfor
endfunction

%!test
%! v = {"1/3", "-2", "0.3", "-0", "0", "Inf", "-1e-400", "1/3"};
%! x = widereal (v(1:5), 3);
%! x = [x, widereal(Inf), widereal("-1e-400"), widereal("1/3", 3)];
%! [y, i] = sort (x);
%! assert (i, [2 7 4 5 3 1 8 6]);           # the zeros and 1/3s keep order
%! assert (isequal (y, x(i)));
%! [y, i] = sort (x, "descend");
%! assert (i, [6 1 8 3 4 5 7 2]);
%! m = widereal ([3 1; 1 2; 2 0]);
%! [y, i] = sort (m);
%! assert (double (y), [1 0; 2 1; 3 2]);
%! assert (i, [2 3; 3 1; 1 2]);
%! [y, i] = sort (m, 2, "descend");
%! assert (double (y), [3 1; 2 1; 2 0]);
%! assert (i, [1 2; 2 1; 1 2]);
%! assert (size (sort (widereal (zeros (0, 3)))), [0 3]);
