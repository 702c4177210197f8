## -*- texinfo -*-
## @deftypefn {} {@var{r} =} angle (@var{z})
## Element-wise argument of the widereal array @var{z}: atan2 (imag (z),
## real (z)) in [-pi, pi], real.  A real @var{z} gives 0 for elements with
## the sign bit clear and pi for the others (-0 included), as Octave.
##
## Rounding: every angle is correctly rounded to p words in the mode of
## @code{widereal_rounding}, through the gateway wr_cplx; on the negative
## real axis the sign of the imaginary zero picks pi or -pi.
##
## @example
## angle (complex (widereal (0, 4), 1))   # pi/2 to 257 bits
## angle (widereal (-2))                  # pi
## @end example
## @seealso{arg, abs, atan2, complex}
## @end deftypefn
function r = angle (z)
  [~, mode] = widereal_rounding ();
  r = z;
  r.w = wr_cplx ("arg", mode, z.p, z.w);
endfunction

%!test
%! pi2 = widereal ("3.14159265358979323846264338327950288419716939937510582097494459", 2);
%! r = angle (complex (widereal ([1 0 -1 -1], 2), [1 2 0 -0]));
%! assert (isreal (r));
%! assert (r(3) == pi2 && r(4) == -pi2 && 2 * r(2) == pi2);
%! assert (abs (double (4 * r(1) - pi2)) < 2^-126);
%! assert (double (angle (widereal ([2 -2 0]))), [0 pi 0]);
