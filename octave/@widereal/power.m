## -*- texinfo -*-
## @deftypefn {} {@var{r} =} power (@var{x}, @var{y})
## Element-wise power @code{@var{x} .^ @var{y}}; operands, precision and
## broadcasting as for @code{plus}.
##
## Rounding: every power is the exact x^y correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd: an integer exponent of magnitude
## below 2^63 (given as a double, an integer or a widereal) by the library's
## integer power, any other exponent by its general power.  Exact powers are
## exact.  x .^ 0 is 1 for every x, 1 .^ y is 1 for every y; a negative
## base to a fractional exponent gives Octave's complex value
## exp (y log x) ((-8) .^ (1/3) = 1 + 1.7321i; a negative base to an
## exponent of 2^63 or more, which is
## an even integer, gives a positive power); 0 and Inf as base or exponent
## follow the rules of C99's pow (0 .^ -1 = Inf, (-0) .^ -1 = -Inf,
## 0.5 .^ Inf = 0, (-1) .^ Inf = 1, (-Inf) .^ 0.5 = Inf), which give a real
## value where Octave's doubles give a complex one.
##
## A complex operand (or a negative base to a fractional exponent): each
## part of the result is within one unit in the last place of itself plus
## 2^-100 units of the larger part (through the gateway wr_cplx); an
## integer exponent below 2^31 in magnitude by repeated multiplication, any
## other by exp (y log x) with the principal logarithm.
##
## @example
## widereal (2) .^ [10 -1]      # [1024 0.5]
## widereal (2, 8) .^ 0.5       # sqrt(2) to 512 bits, correctly rounded
## widereal (-1) .^ 2^53        # 1
## @end example
## @seealso{mpower, sqrt, exp, log, widereal_rounding}
## @end deftypefn
function r = power (x, y)
  if ((isobject (x) && rows (x.w) > x.p + 1) || (isobject (y) && rows (y.w) > y.p + 1)
      || (! isobject (x) && iscomplex (x)) || (! isobject (y) && iscomplex (y)))
    r = wr_cxbinary ("pow", x, y);   # a complex operand
    return;
  endif
  try
    if (isobject (x) && isa (y, "double") && isscalar (y) && isreal (y) && ! issparse (y))
      r = x;                                 # the gateway converts y exactly
      r.w = wr_rnd ("power", [], x.p, x.w, y);
      return;
    endif
    [xw, yw, p, sz] = wr_operands (x, y);
    r = wr_new (wr_rnd ("power", [], p, xw, yw), p, sz);
  catch err
    if (! strcmp (err.identifier, "widefp:domain"))
      rethrow (err);
    endif
    r = wr_cxbinary ("pow", x, y);   # a negative base, a fractional exponent: complex
  end_try_catch
endfunction

%!test
%! assert (double (widereal (2) .^ [10 -1 0]), [1024 0.5 1]);
%! assert (double (widereal ([-3 0 -0 Inf]) .^ 3), [-27 0 -0 Inf]);
%! assert (double (widereal ([0 -0 Inf -Inf 0]) .^ [-1 -1 -2 -1 0]), [Inf -Inf 0 -0 1]);
%! assert (double (widereal (3, 1) .^ 40), 3^40);      # p = 1, exact (64 bits)
%! t = widereal ("1/3", 3) .^ 5;
%! assert (double (t .* 243), 1, 1e-70);
%! assert (double (widereal ([-1 -1 -2], 1) .^ (widereal ([2^53 2^53 2^64], 1) + [0 1 0])), [1 -1 Inf]);
%! assert (double (widereal (2) .^ widereal (3)), 8);
%! assert (double (widereal ([0.5 2 1]) .^ Inf), [0 Inf 1]);
%! assert (double (widereal ([0.5 2]) .^ -Inf), [Inf 0]);
%! assert (double (widereal ([-1 -2 -0.5 -Inf -Inf]) .^ [Inf Inf Inf 3 -2]), [1 Inf 0 -Inf 0]);
%! assert (double (widereal (0) .^ 0.5), 0);
%!error <^operator \.\^: nonconformant arguments \(op1 is 1x2, op2 is 1x3\)$> widereal ([1 2]) .^ [1 2 3]
%!test
%! ## complex powers (mpmath references) and Octave's promotion of a
%! ## negative base to a fractional exponent
%! r = widereal (-8, 2) .^ (1/3);
%! e = widereal ({"1.0000000000000000622086928455818618679774325", "1.73205080756887716875149648859139106813469171"}, 2);
%! assert (all (abs (double ([real(r), imag(r)] - e)) <= abs (double (e)) * 2^-126));
%! r = widereal ([4 -4], 2) .^ 0.5;              # the real element stays exact
%! assert ([double(real (r)); double(imag (r))], [2 0; 0 2], 2^-120);
%! assert (real (r(1)) == 2 && imag (r(1)) == 0);
%! z = complex (widereal (0.75, 2), -1.25);
%! r = z .^ z;
%! e = widereal ({"0.11750629391447355542027983221042048264448458", "-0.346552747708338676483025352060418001077920191"}, 2);
%! assert (all (abs (double (([real(r), imag(r)] - e) ./ e)) < 2^-126));
%! r = complex (widereal (1, 2), 2) .^ [2 -1];            # Gaussian powers
%! assert (double (real (r(1))) == -3 && double (imag (r(1))) == 4);
%! assert (abs (double (real (r(2)) - widereal ("0.2", 2))) < 2^-130);
%! assert (abs (double (imag (r(2)) + widereal ("0.4", 2))) < 2^-129);
%! assert (mpower (complex (widereal (0), 1), 2) == -1);
