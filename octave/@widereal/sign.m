## -*- texinfo -*-
## @deftypefn {} {@var{y} =} sign (@var{x})
## -1, 0 or 1 for each element of @var{x}, as widereal numbers of the same
## precision, exact; both zeros give 0.  For a complex @var{x}, as in
## Octave, @code{x ./ abs (x)} (0 where x is 0): the modulus and then each
## part of the quotient are rounded in the mode of @code{widereal_rounding},
## so each part is within 2 units of its last place.
##
## @example
## y = sign (widereal ([-3 0 2]))   # [-1 0 1]
## y = sign (widereal (3+4i))        # 0.6 + 0.8i
## @end example
## @end deftypefn
function y = sign (x)
  if (rows (x.w) > x.p + 1)                 # complex: x ./ abs (x), 0 at 0
    a = abs (x);
    nz = a != 0;
    z = widereal (zeros (x.sz), x.p);
    y = complex (z, z);
    if (any (nz(:)))
      s = substruct ("()", {nz});          # a method indexes its class through subsref
      y = subsasgn (y, s, subsref (x, s) ./ subsref (a, s));
    endif
    return;
  endif
  y = x;
  y.w = wr_conv ("sign", x.p, x.w);
endfunction
%!test # complex: x ./ abs (x), 0 at 0 (0.6 and 0.8 from mpmath)
%! y = sign (widereal ([3+4i, 0, -2i], 2));
%! assert (iscomplex (y) && double (y(2)) == 0 && double (y(3)) == -1i);
%! assert (double (abs (y(1) - widereal ("0.6", "0.8", 2))) < 2^-125);
