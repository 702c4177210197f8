## -*- texinfo -*-
## @deftypefn {} {@var{y} =} polyval (@var{c}, @var{x})
## The polynomial with coefficients @var{c} (a vector, highest power first)
## at every element of @var{x}, as Octave's @code{polyval} (y has the size
## of x); c and x may be widereals or doubles, the precision p is the
## larger of the widereal ones'.  The forms with S and MU are not provided
## for widereals.
##
## Rounding: Horner's rule at p+2 words, each step rounded in the mode of
## @code{widereal_rounding}, then one rounding to p words.  Before that
## rounding the value is within 4n 2^(-64(p+2)) sum (|c(i)| |x|^(n-i)) of
## the exact one (n = numel (c)), so the result is the correctly rounded
## value unless the polynomial cancels to below about 2^-120 of that sum
## (near a root), and it is always within one unit of the last place plus
## that bound.  Exact values (integers that fit, for instance) are exact.
##
## When @var{c} or @var{x} is complex the gateway wr_ceig evaluates
## Horner's rule in complex arithmetic at p+2 words, each operation
## truncated, and rounds each part once to p words: before that rounding
## each part is within 8n 2^(-64(p+2)) sum (|c(i)| |x|^(n-i)) of the exact
## one.  The result is complex unless every imaginary part is zero.
##
## @example
## polyval ([1 2 3], widereal (2))            # 11
## polyval ([1 0 1], complex (widereal (0), 1))   # 0 (a root: i^2 + 1)
## polyval (widereal ([1 0 -2], 8), 1.5)      # 0.25
## @end example
## @seealso{conv, deconv}
## @end deftypefn
function y = polyval (c, x, varargin)
  if (nargin != 2)
    error ("widefp:nargin", "polyval: only polyval (C, X) is provided for widereals");
  endif
  if (! (isvector (c) || isempty (c)))
    error ("widefp:type", "polyval: C must be a vector");
  endif
  p = 0;
  if (isobject (c))
    p = c.p;
  endif
  if (isobject (x))
    p = max (p, x.p);
  endif
  sz = size (x);
  if (isempty (c) || isempty (x))
    y = widereal (zeros (sz), p);
    return;
  endif
  if (cplx (c) || cplx (x))
    C = parts (c, p);
    X = parts (x, p);
    [~, mode] = widereal_rounding ();
    y = wr_narrow (wr_new (wr_ceig ("polyval", mode, p, C.w, X.w, numel (c), prod (sz)), p, sz));
    return;
  endif
  q = p + 2;
  C = widereal (c, q);                       # exact
  X = widereal (x, q);
  acc = wr_new (repmat (C.w(:, 1), 1, prod (sz)), q, sz);
  for i = 2:numel (c)
    acc = acc .* X + wr_new (C.w(:, i), q, [1 1]);
  endfor
  y = widereal (acc, p);
endfunction

function t = cplx (v)
  if (isobject (v))
    t = rows (v.w) > v.p + 1;
  else
    t = iscomplex (v);
  endif
endfunction

## v (widereal or double, real or complex) at precision p (exact), complex.
function v = parts (v, p)
  v = complex (widereal (real (v), p), widereal (imag (v), p));
endfunction

## References: mpmath at 200 digits.
%!test
%! assert (double (polyval ([1 2 3], widereal ([2 -1; 0 Inf]))), [11 2; 3 Inf]);
%! assert (double (polyval (widereal ([1 0 -2], 8), 1.5)), 0.25);
%! assert (size (polyval (widereal ([1 2]), zeros (0, 3))), [0 3]);
%! assert (double (polyval (widereal ([]), [1 2])), [0 0]);
%! assert (double (polyval (widereal (5), [1 2])), [5 5]);
%! ## x^2 - 2 at sqrt(2) rounded to 4 words: 1.01168111359889908548995101562e-77
%! ## (mpmath), 256 bits cancelled; Horner at 6 words keeps it within the bound
%! v = polyval ([1 0 -2], sqrt (widereal (2, 4)));
%! assert (abs (double (v) - 1.01168111359889908548995101562e-77) < 2^-370);
%! ## a polynomial of 1/3 to 4 words (mpmath on the binary value of 1/3)
%! t = widereal ("1/3", 4);
%! assert (polyval ([3 -1 0.5 7], t) == widereal ("7.16666666666666666666666666666666666666666666666666666666666666666666666666666606693273922955245657039223175", 4));
%!test # complex arguments: a root narrows to real; (1+i)^2 + 2(1+i) + 3 = 5 + 4i
%! y = polyval ([1 0 1], complex (widereal ([0 2]), [1 0]));
%! assert (isreal (y) && isequal (double (y), [0 5]));
%! y = polyval (widereal ([1 2 3], 2), complex (widereal (1), 1));
%! assert ([double(real (y)) double(imag (y))], [5 4]);
%! t = widereal ("1/3", 4);
%! y = polyval (complex (widereal ([1 0]), [0 1]), complex (t, t));   # (t+ti) + i: mpmath 2 t^2 check below
%! assert ([double(real (y)) double(imag (y))], [double(t) double(t)+1], 1e-15);
%! y = polyval ([1 0 0], complex (t, t));                              # (t + t i)^2 = 2 t^2 i
%! assert (double (real (y)) == 0);
%! r = "0.222222222222222222222222222222222222222222222222222222222222222222222222222221262647938323";
%! assert (double (abs (imag (y) - widereal (r, 6))) < 1e-77);
%!error <only polyval \(C, X\)> polyval (widereal ([1 2]), 1, [], [])
