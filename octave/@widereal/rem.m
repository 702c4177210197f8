## -*- texinfo -*-
## @deftypefn {} {@var{r} =} rem (@var{x}, @var{y})
## Remainder @code{x - fix (x ./ y) .* y} with the sign of @var{x} (a zero
## result too), as Octave's @code{rem}; operands, precision and
## broadcasting as for @code{plus}.  Where Octave's @code{rem} gives NaN,
## @code{rem (x, 0)} and @code{rem (Inf, y)}, this one raises
## @code{widefp:domain} (there is no NaN widereal); @code{rem (x, +-Inf)} is
## x, the exact limit.
##
## Rounding: the remainder is exact: it is formed on integers, whatever the
## exponent gap between x and y (the library's fmod, through the gateway
## wr_rnd), and it always fits in p words, except below the smallest
## normal number, where it is rounded in the mode of
## @code{widereal_rounding}.
##
## @example
## rem (widereal ([7 -7]), 3)                 # [1 -1]
## rem (widereal (2, 1) .^ 1e15, 3)           # 1, exactly
## @end example
## @seealso{mod, fix}
## @end deftypefn
function r = rem (x, y)
  wr_realonly ("rem", x, y);
  [xw, yw, p, sz] = wr_operands (x, y);
  r = wr_new (wr_rnd ("rem", [], p, xw, yw), p, sz);
endfunction

%!test
%! assert (double (rem (widereal ([7 -7 7 -7 5.5 0]), [3 3 -3 -3 2 5])), [1 -1 1 -1 1.5 0]);
%! assert (1 ./ double (rem (widereal ([-6 6 -0]), [3 -3 3])), [-Inf Inf -Inf]);
%! assert (double (rem (widereal (-5), [Inf -Inf])), [-5 -5]);
%! assert (rem (widereal (2, 1) .^ 1e15, 3) == 1);      # 2^(10^15) = 1 (mod 3)
%! assert (rem (-widereal (10, 11) .^ 300, 7) == -1);   # 10^300 = 1 (mod 7), exact at 11 words
%! ## 1/3 - 33 t for t = 0.01, both rounded to 2 words (mpmath: the exact
%! ## remainder of the two binary values, 60 digits)
%! r = rem (widereal ("1/3", 2), widereal ("0.01", 2));
%! assert (r == widereal ("0.00333333333333333333333333333333333333284599296705492663732129", 2));
%!error <rem \(x, 0\)> rem (widereal (1), 0)
%!error <rem \(x, 0\)> rem (widereal (Inf), 2)
