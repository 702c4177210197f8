## -*- texinfo -*-
## @deftypefn  {} {@var{y} =} eye (@dots{}, "like", @var{x})
## @deftypefnx {} {@var{y} =} eye (@var{n}, @dots{})
## An identity matrix of widereals of the precision of the widereal @var{x},
## when @qcode{"like"}, @var{x} is given (sizes as for numeric arrays);
## other calls, with widereal sizes, give what Octave's own @code{eye}
## gives for their values.
##
## @example
## I = eye (3, "like", widereal (1))   # 3x3 widereal identity
## @end example
## @seealso{zeros, ones, widereal}
## @end deftypefn
function y = eye (varargin)
  [args, proto] = wr_likeargs (varargin);
  y = eye (args{:});
  if (isobject (proto))                     # "like", a widereal
    y = widereal (y, proto.p);
  endif
endfunction

%!test
%! I = eye (2, 3, "like", widereal (1, 3));
%! assert ([precision(I), size(I)], [3 2 3]);
%! assert (double (I), eye (2, 3));
%! assert (eye (widereal (2)), eye (2));
