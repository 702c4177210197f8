## -*- texinfo -*-
## @deftypefn {} {@var{r} =} acos (@var{x})
## Element-wise arccosine of the widereal array @var{x}, in [0, pi].
##
## Rounding: every value is the exact arccosine correctly rounded to p
## words in the mode of @code{widereal_rounding} (to nearest, ties to even,
## by default), through the gateway wr_rnd, near +-1 too (no digits are
## lost to cancellation).  acos (1) = 0 exactly, acos (-1) = pi rounded;
## |x| > 1 raises @code{widefp:domain}.
##
## @example
## 3 * acos (widereal (0.5, 8))        # pi to about 512 bits
## acos (widereal ("0.999999", 8))     # 1.4142136802e-3, no digits lost
## @end example
## @seealso{asin, cos, widereal_rounding}
## @end deftypefn
function r = acos (x)
  r = x;
  r.w = wr_rnd ("acos", [], x.p, x.w);
endfunction

%!test
%! ## near +-1 no digits are lost to cancellation (mpmath at 45 digits);
%! ## pi/2 - asin (x) was 640 units of the last place off at p = 1
%! r = acos (widereal ([1-2^-20, 2^-20-1; 1, -1], 1));
%! e = widereal ({"1.38106804176241718210883847756746694048570649e-3", ...
%!                "3.14021158554803082128053454480193541725668369"}, 1);
%! assert (all (abs (double ((r(1, :) - e) ./ e)) < 2^-61));
%! assert (double (r(2, 1)), 0);
%! assert (r(2, 2) == 2 * acos (widereal (0, 1)));
%! assert (double (acos (widereal ([0.5 -0.5 0 0.7], 2))), acos ([0.5 -0.5 0 0.7]), 4e-16);
%!error <arccosine> acos (widereal (1 + 2^-52))
