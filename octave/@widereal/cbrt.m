## -*- texinfo -*-
## @deftypefn {} {@var{r} =} cbrt (@var{x})
## Element-wise real cube root of the widereal array @var{x}; negative
## numbers have negative cube roots.
##
## Rounding: every root is the exact cube root correctly rounded to p words
## in the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd; exact roots are exact.
## cbrt (+-0) = +-0, cbrt (+-Inf) = +-Inf.
##
## @example
## cbrt (widereal ([-8 2], 4))   # [-2 1.2599210498948731647672106072782...]
## @end example
## @seealso{nthroot, sqrt, widereal_rounding}
## @end deftypefn
function r = cbrt (x)
  wr_realonly ("cbrt", x);
  r = x;
  r.w = wr_rnd ("rootn", [], x.p, x.w, 3);
endfunction

%!test
%! r = cbrt (widereal ([-8 2 -0 Inf], 4));
%! assert (r(1) == -2 && r(4) == Inf && 1 / double (r(3)) == -Inf);
%! assert (r(2) == widereal ("1.259921049894873164767210607278228350570251464701507980081975112155299676513959483729396562436255094154310256", 4));
