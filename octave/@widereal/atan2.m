## -*- texinfo -*-
## @deftypefn {} {@var{r} =} atan2 (@var{y}, @var{x})
## Four-quadrant arctangent of @var{y} and @var{x}, the angle of the point
## (x, y), in [-pi, pi], with Octave's values for zeros and infinities
## (atan2 (+-0, -0) = +-pi, atan2 (+-Inf, -Inf) = +-3pi/4, ...); operands,
## precision and broadcasting as for @code{plus}.
##
## Rounding: every value is the exact angle correctly rounded to p words
## in the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd (not atan of a rounded quotient).
##
## @example
## atan2 (widereal (1, 8), -1)   # 3*pi/4
## @end example
## @seealso{atan, widereal_rounding}
## @end deftypefn
function r = atan2 (y, x)
  wr_realonly ("atan2", y, x);
  [yw, xw, p, sz] = wr_operands (y, x);
  r = wr_new (wr_rnd ("atan2", [], p, yw, xw), p, sz);
endfunction
%!error <^atan2: nonconformant arguments \(op1 is 1x2, op2 is 2x3\)$> atan2 (widereal ([1 2]), ones (2, 3))
