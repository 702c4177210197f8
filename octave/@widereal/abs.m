## -*- texinfo -*-
## @deftypefn {} {@var{y} =} abs (@var{x})
## Absolute values of the widereal array @var{x} (exact: the sign is
## cleared).  For a complex @var{x} the modulus sqrt (x^2 + y^2), real,
## correctly rounded in the mode of @code{widereal_rounding} (no overflow
## or underflow in the squares).
##
## @example
## y = abs (widereal ([-1 2]))   # [1 2]
## abs (complex (widereal (3), 4))   # 5
## @end example
## @end deftypefn
function y = abs (x)
  y = x;
  w = x.w;
  p = x.p;
  if (rows (w) > p + 1)
    [~, mode] = widereal_rounding ();
    y.w = wr_cplx ("abs", mode, p, w);
    return;
  endif
  y.w = wr_conv ("abs", p, w);
endfunction
%!test
%! r = abs (complex (widereal ([3 1], 2), [-4 1]));
%! assert (isreal (r));
%! assert (r == widereal ({"5", "1.41421356237309504880168872420969807856967187537694807317667974"}, 2));
