## -*- texinfo -*-
## @deftypefn  {} {[@var{y}, @var{i}] =} max (@var{x})
## @deftypefnx {} {[@var{y}, @var{i}] =} max (@var{x}, [], @var{dim})
## @deftypefnx {} {@var{y} =} max (@var{a}, @var{b})
## @deftypefnx {} {[@var{y}, @var{i}] =} max (@var{x}, @var{b}, @var{dim})
## Largest elements of the widereal array @var{x} along its first
## non-singleton dimension or @var{dim}, with the position of the first
## largest; or the element-wise larger of @var{a} and @var{b} (either may be
## a double, integer or logical array taken exactly; scalars and compatible
## sizes broadcast; the larger precision wins).  As in Octave, a @var{b}
## given with @var{dim} is ignored, with a warning.
##
## Complex arrays: the largest modulus, ties by the larger argument (as
## Octave); of two operands by the moduli alone, the first kept on a tie.
##
## @example
## [y, i] = max (widereal ([3 1 3]))   # y = 3, i = 1
## @end example
## @end deftypefn
function [y, i] = max (x, varargin)
  if (nargout > 1 && numel (varargin) == 1)
    error ("widefp:nargout", "max: two operands give only one output");
  endif
  [y, i] = wr_extreme (true, x, varargin);
endfunction
