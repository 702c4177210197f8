## -*- texinfo -*-
## @deftypefn  {} {@var{tf} =} all (@var{x})
## @deftypefnx {} {@var{tf} =} all (@var{x}, @var{dim})
## True where every element of the widereal array @var{x} along @var{dim}
## is nonzero, as Octave's @code{all} on @code{logical (x)}.
##
## @example
## all (widereal ([1 2; 0 3]))   # [0 1]
## @end example
## @seealso{any, logical}
## @end deftypefn
function tf = all (x, varargin)
  tf = all (logical (x), varargin{:});
endfunction

%!test
%! ## Octave's own all and any read a widereal as something else entirely
%! x = widereal ([1 2; 0 -Inf]);
%! assert (all (x), [false true]);
%! assert (any (x, 2), [true; true]);
%! assert (all (widereal ([1 2 3])) && ! any (widereal ([0 -0])));
