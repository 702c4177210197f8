## -*- texinfo -*-
## @deftypefn  {} {[@var{xx}, @var{yy}] =} meshgrid (@var{x}, @var{y})
## @deftypefnx {} {[@var{xx}, @var{yy}, @var{zz}] =} meshgrid (@var{x}, @var{y}, @var{z})
## @deftypefnx {} {[@var{xx}, @var{yy}] =} meshgrid (@var{x})
## Two- or three-dimensional grids of the vectors @var{x}, @var{y} and
## @var{z}, as Octave's own @code{meshgrid} makes them, where any of them is
## a widereal (the others doubles, integers or logicals, taken exactly):
## every output is a widereal of the largest precision among the arguments.
##
## @example
## [xx, yy] = meshgrid (widereal ([1 2 3]), [10 20])   # two 2x3 widereals
## @end example
## @seealso{ndgrid, linspace}
## @end deftypefn
function varargout = meshgrid (varargin)
  wr_realonly ("meshgrid", varargin{:});
  if (nargin == 0 || nargin > 3)
    print_usage ();
  endif
  varargout = wr_grid (@meshgrid, varargin, max (nargout, 1));
endfunction

%!test
%! x = [1 2 3];
%! y = [10; 20];
%! [xx, yy] = meshgrid (widereal (x, 2), y);
%! [ex, ey] = meshgrid (x, y);
%! assert ([precision(xx), precision(yy)], [2 2]);
%! assert (class (yy), "widereal");
%! assert (double (xx), ex);
%! assert (double (yy), ey);
%! [xx, yy, zz] = meshgrid (x, widereal (y), [5 6]);
%! [ex, ey, ez] = meshgrid (x, y, [5 6]);
%! assert ({double(xx), double(yy), double(zz)}, {ex, ey, ez});
%! [xx, yy] = meshgrid (widereal (x));
%! assert (double (yy), meshgrid (x)');
%! v = widereal ("1/3", 3);
%! [xx, yy] = meshgrid ([1 2], [v 1]);
%! assert (yy(1, 2) == v);
%!error <must be vectors> meshgrid (widereal (ones (2)), 1)
%!error id=widefp:type meshgrid (widereal (1), {1})
