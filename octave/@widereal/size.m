## -*- texinfo -*-
## @deftypefn  {} {@var{sz} =} size (@var{x})
## @deftypefnx {} {@var{n} =} size (@var{x}, @var{d})
## @deftypefnx {} {[@var{r}, @var{c}, @dots{}] =} size (@var{x})
## Size of the widereal array @var{x}, as for numeric arrays.
##
## @example
## size (widereal (zeros (2, 3)))   # [2 3]
## @end example
## @end deftypefn
function varargout = size (x, d)
  sz = x.sz;
  if (nargin == 2)
    sz(end+1:max (d)) = 1;
    varargout{1} = sz(d);
  elseif (nargout <= 1)
    varargout{1} = sz;
  else
    sz(end+1:nargout) = 1;
    varargout = num2cell ([sz(1:nargout-1) prod(sz(nargout:end))]);
  endif
endfunction

%!test
%! x = widereal (zeros (2, 3, 4));
%! assert (size (x), [2 3 4]);
%! assert (size (x, 3), 4);
%! assert (size (x, 5), 1);
%! [r, c] = size (x);
%! assert ([r c], [2 12]);
%! assert ([numel(x) ndims(x) length(x) rows(x) columns(x)], [24 3 4 2 3]);
%! assert ([isempty(x) isscalar(x) isvector(x)], [false false false]);
%! assert ([isempty(widereal([])) isscalar(widereal(1)) isvector(widereal(1:3))],
%!         [true true true]);
