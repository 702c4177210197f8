## -*- texinfo -*-
## @deftypefn {} {@var{r} =} minus (@var{a}, @var{b})
## Element-wise difference @code{@var{a} - @var{b}}; operands, precision and
## broadcasting as for @code{plus}.
##
## Rounding: each difference is the exact difference correctly rounded to
## p words in the mode of @code{widereal_rounding} (to nearest, ties to
## even, by default), through the gateway wr_rnd.  x - x is +0 (-0
## rounding down).  Inf - Inf raises @code{widefp:domain}.
##
## @example
## widereal (1) - widereal ("1/3")   # 0.6666...
## @end example
## @seealso{plus, widereal_rounding}
## @end deftypefn
function r = minus (a, b)
  ## Short ways for a scalar operand (one call of the gateway; it broadcasts
  ## a single element and converts a double exactly), else wr_pair.
  if (isobject (a))
    if (isobject (b))
      if (a.p == b.p)
        if (columns (b.w) == 1)
          r = a;
          r.w = wr_rnd ("sub", [], a.p, a.w, b.w);
          return;
        elseif (columns (a.w) == 1)
          r = b;
          r.w = wr_rnd ("sub", [], a.p, a.w, b.w);
          return;
        endif
      endif
    elseif (isa (b, "double") && isscalar (b) && isreal (b) && ! issparse (b))
      r = a;
      r.w = wr_rnd ("sub", [], a.p, a.w, b);
      return;
    endif
  elseif (isa (a, "double") && isscalar (a) && isreal (a) && ! issparse (a))
    r = b;
    r.w = wr_rnd ("sub", [], b.p, a, b.w);
    return;
  endif
  [x, y, p, r] = wr_pair (a, b);
  r.w = wr_rnd ("sub", [], p, x, y);
endfunction

%!test
%! x = widereal ("1/3", 3);
%! assert (double (1 - x - x - x), 2^-193);   # each step rounded to nearest (MPFR)
%! assert (double ([5; 6] - widereal ([1 2])), [4 3; 5 4]);
%! assert (double (widereal (-Inf) - 1), -Inf);
%! y = widereal (1) - 1;
%! assert (double (y), 0);
%!assert (double (widereal (1) - widereal (Inf)), -Inf)
%!test
%! big = widereal ([0x7ffffffffffffffeu64; 0; 0], 2, "words");
%! assert (double ([-big - big, big - big, widereal(-2, 2) - widereal(-3, 2)]), [-Inf 0 1]);
%!error <Inf - Inf> widereal (Inf) - widereal (Inf)
%!error <Inf - Inf> widereal (Inf) - Inf
