## -*- texinfo -*-
## @deftypefn {} {@var{r} =} erfc (@var{x})
## Element-wise complementary error function of the widereal array
## @var{x}: 1 - erf (x), without the cancellation for large x.
##
## Rounding: every value is the exact erfc (x) correctly rounded to p words
## in the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd.  erfc (+-0) = 1 exactly, erfc
## (Inf) = 0, erfc (-Inf) = 2; from x = 1.7879e9 on the value underflows.
##
## @example
## erfc (widereal (10, 8))   # 2.0884875837625447570007862949577886115608181193212e-45
## @end example
## @seealso{erf, widereal_rounding}
## @end deftypefn
function r = erfc (x)
  wr_realonly ("erfc", x);
  r = x;
  r.w = wr_rnd ("erfc", [], x.p, x.w);
endfunction

## References: MPFR's mpfr_erfc at 1200 bits, printed to 110 digits; both
## sides correctly rounded: equal.
%!test
%! assert (erfc (widereal (10, 4)) == widereal ("2.08848758376254475700078629495778861156081811932116372701221371393817469583344029061076638428572355398152593924e-45", 4));
%! assert (erfc (widereal (-1, 4)) == widereal ("1.84270079294971486934122063508260925929606699796630290845993789783471725409601084126198332534814488845415826153", 4));
%!assert (double (erfc (widereal ([0 -0 Inf -Inf]))), [1 1 0 2])
%!assert (erfc (widereal (1e10, 2)) == 0)
