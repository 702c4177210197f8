## -*- texinfo -*-
## @deftypefn {} {[@var{b}, @var{r}] =} deconv (@var{y}, @var{a})
## Polynomial division of the vectors @var{y} by @var{a}, as Octave's
## @code{deconv}: y = conv (a, b) + r, b with numel (y) - numel (a) + 1
## elements (0 when y is shorter than a) and r the size of y, zero in its
## first numel (b) places; b and r follow y's orientation.  y and a may be
## widereals or doubles; the precision p is the larger of the widereal
## ones'.  a(1) = 0 raises @code{widefp:domain}.
##
## Rounding: long division at 2p+2 words, every quotient and every product
## and difference rounded to nearest there, then each element of b and r
## rounded once to p words in the mode of @code{widereal_rounding}.  The
## results are exact when every step is (integer polynomials with a(1) =
## +-1 whose coefficients stay within 2p+2 words, for instance); otherwise
## they carry the errors of a long division in floating point at 2p+2
## words, which grow with the size of the quotients, before the last
## rounding.
##
## @example
## [b, r] = deconv (widereal ([1 5 6 1]), [1 2])   # b = [1 3 0], r = [0 0 0 1]
## @end example
## @seealso{conv, polyval}
## @end deftypefn
function [b, r] = deconv (y, a)
  wr_realonly ("deconv", y, a);
  if (nargin != 2)
    print_usage ();
  endif
  if (! (isvector (y) && isvector (a)))
    error ("widefp:type", "deconv: Y and A must be vectors");
  endif
  p = wr_maxprec (y, a);
  ly = numel (y);
  la = numel (a);
  q = 2 * p + 2;
  A = widereal (a, q).w;
  if (wr_new (A(:, 1), q, [1 1]) == 0)
    error ("widefp:domain", "deconv: divisor cannot be zero");
  endif
  column = columns (y) == 1 && ly > 1;
  if (ly < la)
    b = widereal (0, p);
    r = widereal (y, p);
    return;
  endif
  lb = ly - la + 1;
  R = widereal (y, q).w;
  B = widereal (zeros (1, lb), q).w;
  for i = 1:lb
    B(:, i) = wr_rnd ("div", 0, q, R(:, i), A(:, 1));
    k = i:i + la - 1;
    R(:, k) = wr_rnd ("sub", 0, q, R(:, k), wr_rnd ("mul", 0, q, B(:, i), A));
  endfor
  R(:, 1:lb) = widereal (zeros (1, lb), q).w;   # what the quotient took, exactly
  sb = [1 lb];
  sr = [1 ly];
  if (column)
    sb = fliplr (sb);
    sr = fliplr (sr);
  endif
  b = wr_new (wr_rnd ("prec", [], p, B, q), p, sb);
  r = wr_new (wr_rnd ("prec", [], p, R, q), p, sr);
endfunction

## References: exact integer division; mpmath at 200 digits.
%!test
%! [b, r] = deconv (widereal ([1 5 6 1]), [1 2]);
%! assert (double (b), [1 3 0]);
%! assert (double (r), [0 0 0 1]);
%! [b, r] = deconv (widereal ([1; 5; 6; 1]), [1 2]);
%! assert (size (b), [3 1]);
%! assert (size (r), [4 1]);
%! [b, r] = deconv (widereal ([1 2]), [1 2 3]);
%! assert (double (b), 0);
%! assert (double (r), [1 2]);
%!test
%! ## conv then deconv gives the factor back exactly (integers at 4 words)
%! x = widereal (3, 4) .^ 40;
%! [b, r] = deconv (conv ([1 x 7], [1 -x]), [1 -x]);
%! assert (b == [1 x 7]);
%! assert (all (r == 0));
%! ## (x^2 - 2) / (3x - 1) at 2 words: the steps at 6 words come within
%! ## 2^-370 of b = [1/3 1/9] and r(3) = -2 + 1/9 = -17/9, which round as those
%! [b, r] = deconv (widereal ([1 0 -2], 2), [3 -1]);
%! assert (b == widereal ({"1/3", "1/9"}, 2));
%! assert (r(3) == widereal ("-17/9", 2) && r(1) == 0 && r(2) == 0);
%!error <divisor cannot be zero> deconv (widereal ([1 2 3]), [0 1])
%!error <must be vectors> deconv (widereal (ones (2)), [1 2])
