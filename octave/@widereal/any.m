## -*- texinfo -*-
## @deftypefn  {} {@var{tf} =} any (@var{x})
## @deftypefnx {} {@var{tf} =} any (@var{x}, @var{dim})
## True where some element of the widereal array @var{x} along @var{dim} is
## nonzero, as Octave's @code{any} on @code{logical (x)}.  Tests: all.m.
##
## @example
## any (widereal ([0 -0 2]))   # true
## @end example
## @seealso{all, logical}
## @end deftypefn
function tf = any (x, varargin)
  tf = any (logical (x), varargin{:});
endfunction
