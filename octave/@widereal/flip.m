## -*- texinfo -*-
## @deftypefn  {} {@var{y} =} flip (@var{x})
## @deftypefnx {} {@var{y} =} flip (@var{x}, @var{dim})
## The widereal array @var{x} with the order of its elements reversed along
## dimension @var{dim} (by default the first of more than one element), as
## for numeric arrays.
##
## @example
## flip (widereal ([1 2; 3 4]), 2)   # [2 1; 4 3]
## @end example
## @seealso{fliplr, flipud, rot90, circshift}
## @end deftypefn
function y = flip (x, varargin)
  if (! isobject (x))                # only an argument after x is one
    y = flip (x, wr_plainargs (varargin){:});
    return;
  endif
  j = reshape (1:prod (x.sz), x.sz);
  y = wr_index (x, flip (j, wr_plainargs (varargin){:}));
endfunction

%!test
%! x = widereal (reshape (1:8, 2, 2, 2));
%! assert (double (flip (x)), flip (reshape (1:8, 2, 2, 2)));
%! assert (double (flip (x, 3)), flip (reshape (1:8, 2, 2, 2), 3));
%! assert (double (flip (widereal ([1 2 3]))), [3 2 1]);
%! assert (double (flip (widereal ([1 2 3]), widereal (1))), [1 2 3]);
%!error <DIM must be> flip (widereal ([1 2]), 0)
