## -*- texinfo -*-
## @deftypefn  {} {@var{y} =} prod (@var{x})
## @deftypefnx {} {@var{y} =} prod (@var{x}, @var{dim})
## Product of the widereal array @var{x} along dimension @var{dim}
## (default: the first that is not 1).  An empty product is 1; 0 * Inf
## raises @code{widefp:domain}.
##
## Rounding: one call of the gateway wr_rnd_reduce for all the products:
## the elements are multiplied in order at p+2 words (at most 1023), each
## step truncated, and each product is rounded once to p words in the mode
## of @code{widereal_rounding}.  Before that rounding a product of n factors
## is within a relative (n-1) u / (1 - (n-1) u) of the exact one, u =
## 2^(-64q) with q = p+2 (at most 1023), inside the exponent range: below
## 2 (n-1) 2^(-64(q-p)) units of the last place ((n-1) 2^-127 units for
## q = p+2).  So the product is the exact one correctly rounded unless that
## lies this close to a rounding boundary, and otherwise within half a unit
## plus that (to nearest) or one unit plus that (other modes).
##
## A complex array: products in turn (times), each rounded as times rounds.
##
## @example
## prod (widereal ([1 2; 3 4]))   # [3 8]
## @end example
## @seealso{sum, times, widereal_rounding}
## @end deftypefn
function y = prod (x, dim = [])
  if (rows (x.w) > x.p + 1)                 # complex: products in turn
    y = wr_cxprods (x, dim, false);
    return;
  endif
  [G, osz, len] = wr_groups (x, dim);
  [~, m] = widereal_rounding ();
  y = wr_new (wr_rnd_reduce ("prod", m, x.p, G, len, prod (osz)), x.p, osz);
endfunction

%!test
%! x = widereal ([1 2; 3 4]);
%! assert (double (prod (x)), [3 8]);
%! assert (double (prod (widereal ([]))), 1);
%! assert (double (prod (x, 2)), [2; 12]);
%! assert (double (prod (widereal (1:20))), factorial (20));
%! assert (double (prod (widereal (zeros (0, 2)))), [1 1]);
%! assert (double (prod (widereal ([2 -Inf]))), -Inf);
%! assert (double (prod (widereal ([3 5], 1))), 15);
%!error <0 \* Inf> prod (widereal ([0 2 Inf]))
