## -*- texinfo -*-
## @deftypefn  {} {[@var{y1}, @var{y2}, @dots{}] =} ndgrid (@var{x1}, @var{x2}, @dots{})
## @deftypefnx {} {[@var{y1}, @var{y2}, @dots{}] =} ndgrid (@var{x})
## N-dimensional grids of the vectors @var{x1}, @var{x2}, @dots{}, as
## Octave's own @code{ndgrid} makes them, where any of them is a widereal
## (the others doubles, integers or logicals, taken exactly): every output
## is a widereal of the largest precision among the arguments.
##
## @example
## [a, b] = ndgrid (widereal ([1 2 3]), [10 20])   # two 3x2 widereals
## @end example
## @seealso{meshgrid, linspace}
## @end deftypefn
function varargout = ndgrid (varargin)
  wr_realonly ("ndgrid", varargin{:});
  if (nargin == 0)
    print_usage ();
  endif
  varargout = wr_grid (@ndgrid, varargin, max (nargout, 1));
endfunction

%!test
%! [a, b, c] = ndgrid ([1 2 3], widereal ([10 20], 4), int8 ([5 6 7 8]));
%! [ea, eb, ec] = ndgrid ([1 2 3], [10 20], [5 6 7 8]);
%! assert ({double(a), double(b), double(c)}, {ea, eb, ec});
%! assert ([precision(a), precision(c)], [4 4]);
%! [a, b] = ndgrid (widereal ([1 2]));
%! assert (double (b), [1 2; 1 2]);
%! assert (double (ndgrid (widereal ([1 2]))), [1; 2]);
%!error id=widefp:type ndgrid (widereal (1), "ab")
