## -*- texinfo -*-
## @deftypefn  {} {@var{y} =} prod (@var{x})
## @deftypefnx {} {@var{y} =} prod (@var{x}, @var{dim})
## Product of the widereal array @var{x} along dimension @var{dim}
## (default: the first that is not 1): one call of wr_prod for all the
## products, multiplied strictly in order, each product truncated toward
## zero to p words (at p = 1 formed at p = 2 and rounded to nearest).  An
## empty product is 1; 0 * Inf raises @code{widefp:domain}.
##
## @example
## prod (widereal ([1 2; 3 4]))   # [3 8]
## @end example
## @seealso{sum, times}
## @end deftypefn
function y = prod (x, dim = [])
  [G, osz, len] = wr_groups (x, dim);
  p = x.p;
  q = max (p, 2);
  count = prod (osz);
  R = zeros (q + 1, count, "uint64");
  if (len > 0 && count > 0)
    G = wr_lift (G, p, q);
    wr_prod (R, G, len, count, q);
    E = 0x7fffffffffffffffu64;
    inf = bitand (R(1, :), E) == E;
    if (any (inf))
      ## a group with an infinity and a zero has no product
      z = reshape (bitand (G(1, :), E), len, []);
      if (any (any (z == 0, 1) & any (z == E, 1)))
        error ("widefp:domain", "widereal: 0 * Inf has no value");
      endif
    endif
    R = wr_tidy (R);
    if (q > p)
      R = wr_roundwords (R, q, p);
    endif
  else
    R(1, :) = 0x3fffffffffffffffu64;
  endif
  y = wr_new (R(1:p+1, :), p, osz);
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
