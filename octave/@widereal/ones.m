## -*- texinfo -*-
## @deftypefn  {} {@var{y} =} ones (@dots{}, "like", @var{x})
## @deftypefnx {} {@var{y} =} ones (@var{n}, @dots{})
## An array of widereal ones of the precision of the widereal @var{x}, when
## @qcode{"like"}, @var{x} is given (sizes as for numeric arrays); other
## calls, with widereal sizes, give what Octave's own @code{ones} gives for
## their values.
##
## @example
## u = ones (1, 3, "like", widereal (1, 2))   # 1x3, precision 2
## @end example
## @seealso{zeros, eye, widereal}
## @end deftypefn
function y = ones (varargin)
  [args, proto] = wr_likeargs (varargin);
  y = ones (args{:});
  if (isobject (proto))                     # "like", a widereal
    y = widereal (y, proto.p);
  endif
endfunction

%!test
%! u = ones (1, 3, "like", widereal (1, 2));
%! assert ([precision(u), size(u)], [2 1 3]);
%! assert (double (u), [1 1 1]);
%! assert (ones (1, widereal (2), "int8"), int8 ([1 1]));
