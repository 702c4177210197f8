## -*- texinfo -*-
## @deftypefn {} {@var{r} =} mod (@var{x}, @var{y})
## Remainder @code{x - floor (x ./ y) .* y} with the sign of @var{y} (a zero
## result too), and @code{mod (x, 0) = x}, as Octave's @code{mod}; operands,
## precision and broadcasting as for @code{plus}.  Infinite operands raise
## @code{widefp:domain}.
##
## Rounding: the remainder is formed exactly on integers, whatever the
## exponent gap between x and y (the library's mod, through the gateway
## wr_rnd): x - fix (x ./ y) .* y is exact, and where its sign differs from
## y's, adding y is rounded once in the mode of @code{widereal_rounding}.
## So the result is exact whenever p words hold it and correctly rounded
## otherwise (a tiny x of the other sign than y may then round to y itself).
##
## @example
## mod (widereal ([7 -7]), 3)                    # [1 2]
## mod (widereal ("2.5", 16), widereal ("1e-5", 16))   # 9.999...e-6, exact
## @end example
## @seealso{rem, floor, fix}
## @end deftypefn
function r = mod (x, y)
  wr_realonly ("mod", x, y);
  [xw, yw, p, sz] = wr_operands (x, y);
  r = wr_new (wr_rnd ("mod", [], p, xw, yw), p, sz);
endfunction

%!test
%! assert (double (mod (widereal ([7 -7 7 -7 6 0]), [3 3 -3 -3 3 5])), [1 2 -2 -1 0 0]);
%! assert (double (mod (widereal (5.5), 0)), 5.5);
%! t = widereal ("1/3", 2);
%! r = mod (widereal (10, 2), t);          # 10 - 30 t, tiny and not negative
%! assert (double (r) >= 0 && double (r) < 1e-36);
%! assert (double (mod (widereal (2^80, 2) + 5, 7)), 2);   # 2^80 = 4 (mod 7)
%!test
%! ## exact remainders where x/y is a hair off a whole number (mpmath):
%! ## the floor of the truncated quotient was a whole y off, or x's last
%! ## place lost all digits
%! x = widereal ("2.5", 8);
%! r = mod (x, widereal ("1e-5", 8));
%! assert (double (r) / 4.3974347817012937708e-155, 1, 1e-15);
%! y = widereal ("1e-5", 16);
%! r = mod (widereal ("2.5", 16), y);
%! assert (r > y / 2 && r < y);
%!test
%! ## zero results take y's sign; 3 - 2^-300 rounds to 3 at one word
%! assert (1 ./ double (mod (widereal ([-6 6 -0]), [3 -3 3])), [Inf -Inf Inf]);
%! assert (mod (-(widereal (2, 1) .^ -300), 3) == 3);
%! assert (mod (widereal (10, 11) .^ 300, 7) == 1);   # 10^300 (exact at 11 words) = 1 (mod 7)
%! assert (mod (widereal (2, 1) .^ 1e15, widereal (3, 1)) == 1);   # 2^(10^15) mod 3 = 1: a huge gap
%!error <infinite> mod (widereal (Inf), 2)
%!error <infinite> mod (widereal (2), -Inf)
