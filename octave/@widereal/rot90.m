## -*- texinfo -*-
## @deftypefn  {} {@var{y} =} rot90 (@var{x})
## @deftypefnx {} {@var{y} =} rot90 (@var{x}, @var{k})
## The widereal array @var{x} rotated by @var{k} (1 by default) quarter
## turns counterclockwise in its first two dimensions, as for numeric arrays.
##
## @example
## rot90 (widereal ([1 2; 3 4]))   # [2 4; 1 3]
## @end example
## @seealso{flip, circshift, permute}
## @end deftypefn
function y = rot90 (x, varargin)
  if (! isobject (x))                # only an argument after x is one
    y = rot90 (x, wr_plainargs (varargin){:});
    return;
  endif
  j = reshape (1:prod (x.sz), x.sz);
  y = wr_index (x, rot90 (j, wr_plainargs (varargin){:}));
endfunction

%!test
%! a = [1 2 3; 4 5 6];
%! for k = -1:2
%!   assert (double (rot90 (widereal (a), k)), rot90 (a, k));
%! endfor
