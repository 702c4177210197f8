## -*- texinfo -*-
## @deftypefn  {} {@var{y} =} circshift (@var{x}, @var{n})
## @deftypefnx {} {@var{y} =} circshift (@var{x}, @var{n}, @var{dim})
## The widereal array @var{x} with its elements shifted circularly by
## @var{n} places along dimension @var{dim} (by default the first of more than
## one element); a vector @var{n} shifts along the first numel (@var{n})
## dimensions, as for numeric arrays.
##
## @example
## circshift (widereal ([1 2 3 4]), 1)       # [4 1 2 3]
## circshift (widereal ([1 2; 3 4]), 1, 2)   # [2 1; 4 3]
## @end example
## @seealso{flip, rot90, permute}
## @end deftypefn
function y = circshift (x, varargin)
  if (! isobject (x))                # only an argument after x is one
    y = circshift (x, wr_plainargs (varargin){:});
    return;
  endif
  j = reshape (1:prod (x.sz), x.sz);
  y = wr_index (x, circshift (j, wr_plainargs (varargin){:}));
endfunction

%!test
%! a = reshape (1:12, 3, 4);
%! assert (double (circshift (widereal (a), 1)), circshift (a, 1));
%! assert (double (circshift (widereal (a), [1 -1])), circshift (a, [1 -1]));
%! assert (double (circshift (widereal (a), -1, 2)), circshift (a, -1, 2));
%! assert (circshift ([1 2 3], widereal (1)), [3 1 2]);    # a double stays one
