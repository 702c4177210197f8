## -*- texinfo -*-
## @deftypefn {} {@var{r} =} sqrt (@var{x})
## Element-wise square root of the widereal array @var{x}.
##
## Rounding: every root is the exact square root correctly rounded to p
## words in the mode of @code{widereal_rounding} (to nearest, ties to even,
## by default), through the gateway wr_rnd; the root of a square is exact.
## sqrt (-0) is -0, sqrt (Inf) is Inf; a negative element raises
## @code{widefp:domain} (there are no complex widereals).
##
## @example
## sqrt (widereal (2, 8))   # 1.41421356237309504880168872420969807856967...
## @end example
## @seealso{power, norm, widereal_rounding}
## @end deftypefn
function r = sqrt (x)
  r = x;
  r.w = wr_rnd ("sqrt", [], x.p, x.w);
endfunction

%!test
%! r = sqrt (widereal ([4 0.25 0 -0 Inf 2], 3));
%! assert (double (r), [2 0.5 0 -0 Inf sqrt(2)]);
%! assert (1 / double (r(4)), -Inf);
%! assert (double (r(6) .* r(6) - 2), 0, 2^-185);
%! assert (double (sqrt (widereal (9, 1))), 3);
%!error <widefp:domain|negative> sqrt (widereal ([1 -1]))
