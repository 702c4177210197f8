## -*- texinfo -*-
## @deftypefn  {} {@var{y} =} zeros (@dots{}, "like", @var{x})
## @deftypefnx {} {@var{y} =} zeros (@var{n}, @dots{})
## An array of widereal zeros of the precision of the widereal @var{x},
## when @qcode{"like"}, @var{x} is given (sizes as for numeric arrays);
## other calls, with widereal sizes, give what Octave's own @code{zeros}
## gives for their values.
##
## @example
## z = zeros (2, 3, "like", widereal (1, 8))   # 2x3, precision 8
## @end example
## @seealso{ones, eye, widereal}
## @end deftypefn
function y = zeros (varargin)
  [args, proto] = wr_likeargs (varargin);
  y = zeros (args{:});
  if (isobject (proto))                     # "like", a widereal
    y = widereal (y, proto.p);
  endif
endfunction

%!test
%! z = zeros (2, 3, "like", widereal (1, 8));
%! assert ([precision(z), size(z)], [8 2 3]);
%! assert (double (z), zeros (2, 3));
%! assert (class (zeros ([1 2], "like", widereal (1))), "widereal");
%! assert (zeros (widereal (2), 1), [0; 0]);          # a size: doubles
%! assert (size (zeros (0, 2, "like", widereal (1))), [0 2]);
