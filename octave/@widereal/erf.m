## -*- texinfo -*-
## @deftypefn {} {@var{r} =} erf (@var{x})
## Element-wise error function of the widereal array @var{x}:
## 2/sqrt (pi) times the integral of exp (-t^2) from 0 to x.
##
## Rounding: every value is the exact erf (x) correctly rounded to p words
## in the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  erf (+-0) = +-0, erf (+-Inf) =
## +-1; for large |x| the value is +-1 or, toward zero, the neighbour of
## +-1 nearer zero.
##
## @example
## erf (widereal (1, 8))   # 0.84270079294971486934122063508260925929606699796630...
## @end example
## @seealso{erfc, widereal_rounding}
## @end deftypefn
function r = erf (x)
  wr_realonly ("erf", x);
  r = x;
  r.w = wr_rnd ("erf", [], x.p, x.w);
endfunction

## References: MPFR's mpfr_erf at 1200 bits, printed to 110 digits; both
## sides correctly rounded in the same mode (the text is read in it too).
%!test
%! assert (erf (widereal ("-0.5", 4)) == widereal ("-0.520499877813046537682746653891964528736451575757963700058805725647193521716853570914788218734787757032966124386", 4));
%! ref = "0.842700792949714869341220635082609259296066997966302908459937897834717254096010841261983325348144888454158261532";
%! assert (erf (widereal (1, 4)) == widereal (ref, 4));
%! old = widereal_rounding ();
%! unwind_protect
%!   for mode = {"down", "up", "zero"}
%!     widereal_rounding (mode{1});
%!     r.(mode{1}) = erf (widereal (1, 2));
%!     assert (r.(mode{1}) == widereal (ref, 2), mode{1});
%!   endfor
%! unwind_protect_cleanup
%!   widereal_rounding (old);
%! end_unwind_protect
%! assert (r.down < r.up && r.zero == r.down);
%!assert (double (erf (widereal ([0 -0 Inf -Inf 30 -30]))), [0 -0 1 -1 1 -1])
%!assert (1 ./ double (erf (widereal (-0))), -Inf)
