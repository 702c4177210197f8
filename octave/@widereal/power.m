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
## base needs an integer exponent (no complex widereals: @code{widefp:domain}
## otherwise; a negative base to an exponent of 2^63 or more, which is
## an even integer, gives a positive power); 0 and Inf as base or exponent
## follow the rules of C99's pow (0 .^ -1 = Inf, (-0) .^ -1 = -Inf,
## 0.5 .^ Inf = 0, (-1) .^ Inf = 1, (-Inf) .^ 0.5 = Inf), which give a real
## value where Octave's doubles give a complex one.
##
## @example
## widereal (2) .^ [10 -1]      # [1024 0.5]
## widereal (2, 8) .^ 0.5       # sqrt(2) to 512 bits, correctly rounded
## widereal (-1) .^ 2^53        # 1
## @end example
## @seealso{mpower, sqrt, exp, log, widereal_rounding}
## @end deftypefn
function r = power (x, y)
  if (isobject (x) && isa (y, "double") && isscalar (y) && isreal (y) && ! issparse (y))
    r = x;                                   # the gateway converts y exactly
    r.w = wr_rnd ("power", [], x.p, x.w, y);
    return;
  endif
  [xw, yw, p, sz] = wr_operands (x, y);
  r = wr_new (wr_rnd ("power", [], p, xw, yw), p, sz);
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
%!error <negative base> widereal (-2) .^ 0.5
%!error <^operator \.\^: nonconformant arguments \(op1 is 1x2, op2 is 1x3\)$> widereal ([1 2]) .^ [1 2 3]
