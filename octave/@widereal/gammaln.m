## -*- texinfo -*-
## @deftypefn {} {@var{r} =} gammaln (@var{x})
## Element-wise ln (Gamma (x)) of the widereal array @var{x}, where Gamma
## (x) > 0; the same as @code{lgamma}.
##
## Rounding: every value is the exact ln|Gamma (x)| correctly rounded to p
## words in the mode of @code{widereal_rounding} (to nearest, ties to even,
## by default), through the gateway wr_rnd; gammaln (1) = gammaln (2) = 0
## exactly.  The poles (+-0, the negative integers) and +-Inf give Inf.
## Where Gamma (x) < 0 (x in (-1, 0), (-3, -2), ...) the logarithm is
## complex: such an element raises @code{widefp:domain} before any value is
## computed (no complex widereals).
##
## @example
## gammaln (widereal (100, 8))   # ln (99!): 359.13420536957539877604401046028...
## @end example
## @seealso{gamma, lgamma, beta, widereal_rounding}
## @end deftypefn
function r = gammaln (x)
  wr_realonly ("gammaln", x);
  r = x;
  r.w = wr_rnd ("lgamma", [], x.p, x.w);
endfunction

## References: MPFR's mpfr_lgamma at 1200 bits of the argument rounded to
## 64p+1 bits, printed to 110 digits; both sides correctly rounded: equal.
%!test
%! assert (gammaln (widereal (100, 4)) == widereal ("359.134205369575398776044010460286909612621718085629728775612793074840799228624314953629005831793352722931837992", 4));
%! assert (gammaln (widereal ("-1.5", 4)) == widereal ("0.860047015376481014510932681670356787327157117355416842263477221085361835663193504229922534316850140147037839090", 4));
%! assert (gammaln (widereal ("-3.25", 2)) == widereal ("-0.623153451320998646625447305108715409262182024809603060761665939780609947517753551559552317833698591522930912751", 2));
%! ## the units bit in the last bit of word 1, the half in word 2
%! assert (gammaln (widereal ("-18446744073709551617.5", 2)) == widereal ("-7.99877009219260410698969412542545187025114892534392731325627481008556354575611148834747305185338154468525570049e20", 2));
%!assert (double (gammaln (widereal ([1 2 0 -0 -1 -4 Inf -Inf]))), [0 0 Inf Inf Inf Inf Inf Inf])
%!assert (lgamma (widereal (2, 3)) == gammaln (widereal (2, 3)))
%!error <widefp:domain|element 1.*complex> gammaln (widereal (-0.5))
%!error <element 3> gammaln (widereal ({"-1.5", "2", "-2.5"}, 2))
%!error <complex> gammaln (widereal ("-4.75", 2))
%!error <complex> gammaln (widereal ("-18446744073709551616.5", 2))
%!test # Octave goes on after the error
%! try, gammaln (widereal (-0.25)); catch, end
%! assert (double (gammaln (widereal (3))), log (2), eps);
