## -*- texinfo -*-
## @deftypefn {} {@var{r} =} power (@var{x}, @var{y})
## Element-wise power @code{@var{x} .^ @var{y}}; operands, precision and
## broadcasting as for @code{plus}.
##
## Integer exponents (of magnitude below 2^53) go by repeated squaring with
## wr_prod over all elements at once, each product truncated toward zero
## (at most about 2 log2 |y| products, so a few units of the last place);
## a negative exponent then takes the reciprocal (wr_div).  x .^ 0 is 1 for
## every x.  Other exponents use wr_pow, one element per call, truncated:
## a negative base raises @code{widefp:domain} (no complex widereals);
## 0 and Inf as base or exponent follow Octave's rules.
##
## @example
## widereal (2) .^ [10 -1]      # [1024 0.5]
## widereal (2, 8) .^ 0.5       # sqrt(2) to 512 bits
## @end example
## @seealso{mpower, sqrt, exp, log}
## @end deftypefn
function r = power (x, y)
  [xw, yw, p, sz] = wr_operands (x, y);
  n = columns (xw);
  Y = wr_new (yw, p, sz);
  [F, frac] = wr_fixwords (yw, p);
  [yzero, yinf, yneg] = wr_special (yw);
  big = ! (abs (Y) < 2^53)(:).';
  if (! any (frac | yinf | big))
    r = wr_new (intpower (xw, double (wr_new (F, p, sz))(:).', p), p, sz);
    return;
  endif
  ## general exponents: 1 where Octave gives 1, integers by squaring, the
  ## limits of 0, Inf and infinite exponents, wr_pow for the rest
  [xzero, xinf, xneg] = wr_special (xw);
  X = wr_new (xw, p, sz);
  mag = abs (X);
  above = (mag > 1)(:).';
  unit = yzero | (X == 1)(:).' | (yinf & (mag == 1)(:).');
  integer = ! (frac | yinf | big) & ! unit;
  rest = ! (unit | integer);
  if (any (rest & xneg & ! xzero & ! yinf))
    error ("widefp:domain", "power: a negative base needs an integer exponent (no complex widereals)");
  endif
  R = zeros (p + 1, n, "uint64");
  R(1, unit) = 0x3fffffffffffffffu64;
  if (any (integer))
    R(:, integer) = intpower (xw(:, integer), double (wr_new (F(:, integer), p, [1 nnz(integer)])), p);
  endif
  ## Inf where the result grows without bound, +0 where it vanishes
  grow = rest & ((! yneg & (xinf | (yinf & above))) | (yneg & (xzero | (yinf & ! above))));
  vanish = rest & ((! yneg & (xzero | (yinf & ! above))) | (yneg & (xinf | (yinf & above))));
  R(1, grow) = 0x7fffffffffffffffu64;
  k = rest & ! (grow | vanish);
  if (any (k))
    R(:, k) = wr_elementary ("pow", xw(:, k), p, yw(:, k));
  endif
  r = wr_new (R, p, sz);
endfunction

## x .^ e for integer doubles e (one per column), by repeated squaring.
function R = intpower (X, e, p)
  q = max (p, 2);
  B = wr_lift (X, p, q);
  n = columns (B);
  R = zeros (q + 1, n, "uint64");
  R(1, :) = 0x3fffffffffffffffu64;
  m = abs (e);
  while (any (m > 0))
    odd = mod (m, 2) == 1;
    if (any (odd))
      R(:, odd) = mulpairs (R(:, odd), B(:, odd), q);
    endif
    m = floor (m / 2);
    go = m > 0;
    if (any (go))
      B(:, go) = mulpairs (B(:, go), B(:, go), q);
    endif
  endwhile
  neg = e < 0;
  if (any (neg))
    one = zeros (q + 1, nnz (neg), "uint64");
    one(1, :) = 0x3fffffffffffffffu64;
    Q = zeros (q + 1, nnz (neg), "uint64");
    wr_div (Q, one, R(:, neg), nnz (neg), q);
    R(:, neg) = Q;
  endif
  R = wr_tidy (R);
  if (q > p)
    R = wr_roundwords (R, q, p);
  endif
endfunction

function P = mulpairs (A, B, q)
  n = columns (A);
  P = zeros (q + 1, n, "uint64");
  wr_prod (P, [A; B], 2, n, q);
endfunction

%!test
%! assert (double (widereal (2) .^ [10 -1 0]), [1024 0.5 1]);
%! assert (double (widereal ([-3 0 -0 Inf]) .^ 3), [-27 0 -0 Inf]);
%! assert (double (widereal ([0 -0 Inf -Inf 0]) .^ [-1 -1 -2 -1 0]), [Inf -Inf 0 -0 1]);
%! assert (double (widereal (3, 1) .^ 40), 3^40);      # p = 1, exact (64 bits)
%! t = widereal ("1/3", 3) .^ 5;
%! assert (double (t .* 243), 1, 1e-70);
%! assert (double (widereal (2) .^ widereal (3)), 8);
%! assert (double (widereal ([0.5 2 1]) .^ Inf), [0 Inf 1]);
%! assert (double (widereal ([0.5 2]) .^ -Inf), [Inf 0]);
%! assert (double (widereal ([-1 -2 -0.5 -Inf -Inf]) .^ [Inf Inf Inf 3 -2]), [1 Inf 0 -Inf 0]);
%! assert (double (widereal (0) .^ 0.5), 0);
%!error <negative base> widereal (-2) .^ 0.5
%!error <^operator \.\^: nonconformant arguments \(op1 is 1x2, op2 is 1x3\)$> widereal ([1 2]) .^ [1 2 3]
