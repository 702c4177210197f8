## -*- texinfo -*-
## @deftypefn {} {@var{y} =} uminus (@var{x})
## @code{-x}: the sign bit of every element flipped (exact; -0 from 0).
##
## @example
## y = -widereal ([1 -2])   # [-1 2]
## @end example
## @end deftypefn
function y = uminus (x)
  y = x;
  if (rows (x.w) > x.p + 1)                 # complex: both parts
    y.w = reshape (wr_conv ("neg", x.p, reshape (x.w, x.p + 1, [])), size (x.w));
    y = wr_narrow (y);
  else
    y.w = wr_conv ("neg", x.p, x.w);
  endif
endfunction

%!test
%! x = widereal ([1 -2 0 -Inf]);
%! y = x;
%! z = -x;
%! assert (double (z), [-1 2 -0 Inf]);
%! assert (1 ./ double (z(3)), -Inf);
%! assert (double (x), [1 -2 0 -Inf]);      # the operand is untouched
%! assert (double (y), [1 -2 0 -Inf]);
%! assert (double (+x), [1 -2 0 -Inf]);
%! assert (double (abs (x)), [1 2 0 Inf]);
%! assert (double (sign (widereal ([-3 0 5e-300 -Inf]))), [-1 0 1 -1]);
%! assert (isinf (x), logical ([0 0 0 1]));
%! assert (isfinite (x), logical ([1 1 1 0]));
%! assert (isnan (x), false (1, 4));
%! assert (logical (x), logical ([1 1 0 1]));
%! assert (isreal (x));
