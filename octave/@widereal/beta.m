## -*- texinfo -*-
## @deftypefn {} {@var{r} =} beta (@var{a}, @var{b})
## Element-wise Beta function Gamma (a) Gamma (b) / Gamma (a+b) of widereal
## arrays; operands, precision and broadcasting as for @code{plus}.
##
## Rounding: every value is the exact B (a, b) correctly rounded to p words
## in the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd, not from rounded Gamma values.
## beta (1, b) = 1/b.  The poles and infinities follow MPFR's conventions
## (beta (a, +-0) = +-Inf for a > 0, ...); pairs without a value, as
## beta (-1, 2), raise @code{widefp:domain}.
##
## @example
## beta (widereal ("2.5", 8), 1.5)   # pi/16: 0.19634954084936207740391521145496...
## @end example
## @seealso{gamma, gammaln, widereal_rounding}
## @end deftypefn
function r = beta (a, b)
  wr_realonly ("beta", a, b);
  [x, y, p, sz] = wr_operands (a, b);
  r = wr_new (wr_rnd ("beta", [], p, x, y), p, sz);
endfunction

## References: MPFR's mpfr_beta at 1200 bits of the arguments rounded to
## 64p+1 bits, printed to 110 digits; both sides correctly rounded: equal.
%!test
%! assert (beta (widereal ("2.5", 4), 1.5) == widereal ("0.196349540849362077403915211454968930262323087460944113810934037019238525392888062414252176583882316748884255407", 4));
%! assert (beta (widereal ("0.1", 2), 3) == widereal ("8.65800865800865800865800865800865800865076659418240237217734446249860734868944362583423795244231160305048352226", 2));
%!assert (double (beta (1, widereal ([0.25 -2 4]))), [4 -0.5 0.25])
%!assert (size (beta (widereal (ones (2, 3)), 2)), [2 3])
%!error <widefp:domain|no value> beta (widereal (-1), 2)
%!test # Octave goes on after the error
%! try, beta (widereal (2), -1); catch, end
%! assert (double (beta (widereal (2), 2)), 1/6, eps);
