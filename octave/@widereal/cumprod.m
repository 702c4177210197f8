## -*- texinfo -*-
## @deftypefn  {} {@var{c} =} cumprod (@var{x})
## @deftypefnx {} {@var{c} =} cumprod (@var{x}, @var{dim})
## Cumulative products of the widereal array @var{x} along dimension
## @var{dim} (default: the first that is not 1).  0 * Inf in one run
## raises @code{widefp:domain}.
##
## Rounding: one call of the gateway wr_stats: each run is multiplied at
## q = p+2 words (at most 1023), each step truncated, and every running
## product is rounded once to p words in the mode of
## @code{widereal_rounding}.  Before that rounding the k-th running
## product is within a relative (k-1) 2^(-64q) / (1 - (k-1) 2^(-64q)) of
## the exact one, inside the exponent range: below 2 (k-1) 2^-128 units of
## the last place, so it is the exact product correctly rounded unless
## that lies this close to a rounding boundary, and otherwise within half
## a unit plus that (to nearest) or one unit plus that (other modes).
##
## A complex array: products in turn (times), each rounded as times rounds.
##
## @example
## cumprod (widereal ([1 2 3 4]))   # [1 2 6 24]
## @end example
## @seealso{prod, cumsum, widereal_rounding}
## @end deftypefn
function c = cumprod (x, dim = [])
  if (rows (x.w) > x.p + 1)                 # complex: products in turn
    c = wr_cxprods (x, dim, true);
    return;
  endif
  [G, osz, len, k] = wr_groups (x, dim);
  [~, m] = widereal_rounding ();
  R = wr_stats ("cumprod", m, x.p, G, len, prod (osz));
  W = R;
  W(:, k) = R;                               # back to the order of x
  c = wr_new (W, x.p, x.sz);
endfunction

%!test
%! x = widereal ([1 2; 3 4]);
%! assert (cumprod (x) == [1 2; 3 8]);
%! assert (cumprod (x, 2) == [1 2; 3 12]);
%! assert (cumprod (x, 3) == x);
%! assert (cumprod (widereal (1:20))(end) == widereal ("2432902008176640000"));
%! assert (cumprod (widereal ([2 -Inf 0.5])) == [2 -Inf -Inf]);
%! assert (size (cumprod (widereal (zeros (0, 2)))), [0 2]);
%! assert (double (1 ./ cumprod (widereal ([-1 0]))), [-1 -Inf]);
%!test
%! ## (1/3)^k for k = 1, 2, 3 from the 65-bit 1/3, exact binary fractions
%! ## from mpmath at 2000 bits, rounded up and down as the texts are read
%! p = 1;
%! x = repmat (widereal ("1/3", p), 1, 3);
%! ref = {"0.333333333333333333328815824281310398191635613329708576202392578125", ...
%!        ["0.11111111111111111110809943840976248768333303899672971551527506487043788620968435183258" ...
%!         "2848741692860272678444744087755680084228515625"], ...
%!        ["0.03703703703703703703553120068636272532315820492386389381818115033965599197054794969830" ...
%!         "0570517630036713387056282352450478356602001568199475800871348965583322761230267161636" ...
%!         "220407672226428985595703125"]};
%! for mode = {"up", "down"}
%!   old = widereal_rounding (mode{1});
%!   unwind_protect
%!     assert (cumprod (x) == widereal (ref, p));
%!   unwind_protect_cleanup
%!     widereal_rounding (old);
%!   end_unwind_protect
%! endfor
%!error <0 \* Inf> cumprod (widereal ([0 2 Inf]))
