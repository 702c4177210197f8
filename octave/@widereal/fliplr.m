## -*- texinfo -*-
## @deftypefn {} {@var{y} =} fliplr (@var{x})
## The widereal array @var{x} with its columns in reverse order, as for
## numeric arrays.
##
## @example
## fliplr (widereal ([1 2 3]))   # [3 2 1]
## @end example
## @seealso{flip, flipud, rot90}
## @end deftypefn
function y = fliplr (x, varargin)
  if (! isobject (x))                # only an argument after x is one
    y = fliplr (x, wr_plainargs (varargin){:});
    return;
  endif
  j = reshape (1:prod (x.sz), x.sz);
  y = wr_index (x, fliplr (j, wr_plainargs (varargin){:}));
endfunction

%!test
%! x = widereal ({"1/3", "2"; "3", "4"}, 3);
%! y = fliplr (x);
%! assert (precision (y), 3);
%! assert (y(1, 2) == widereal ("1/3", 3));
%! assert (double (y), [2 1/3; 4 3]);
