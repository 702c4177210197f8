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
  ## Short ways for real operands with a scalar among them (one call of the
  ## gateway; it broadcasts a single element and converts a double
  ## exactly); the fields are read once.
  if (isobject (a))
    aw = a.w;
    p = a.p;
    if (isobject (b))
      bw = b.w;
      if (p == b.p && rows (aw) == p + 1 && rows (bw) == p + 1)
        if (columns (bw) == 1)
          r = a;
          r.w = wr_rnd ("sub", [], p, aw, bw);
          return;
        elseif (columns (aw) == 1)
          r = b;
          r.w = wr_rnd ("sub", [], p, aw, bw);
          return;
        endif
      endif
    elseif (isa (b, "double") && isscalar (b) && isreal (b) && ! issparse (b)
            && rows (aw) == p + 1)
      r = a;
      r.w = wr_rnd ("sub", [], p, aw, b);
      return;
    endif
  elseif (isa (a, "double") && isscalar (a) && isreal (a) && ! issparse (a))
    bw = b.w;
    p = b.p;
    if (rows (bw) == p + 1)
      r = b;
      r.w = wr_rnd ("sub", [], p, a, bw);
      return;
    endif
  endif
  if ((isobject (a) && rows (a.w) > a.p + 1) || (isobject (b) && rows (b.w) > b.p + 1)
      || (! isobject (a) && iscomplex (a)) || (! isobject (b) && iscomplex (b)))
    r = wr_cxbinary ("sub", a, b);   # a complex operand
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
%!test
%! z = complex (widereal (1, 2), 2);
%! assert (isreal (z - z) && double (z - z) == 0);
%! r = 1 - z;
%! assert ([double(real (r)), double(imag (r))], [0 -2]);
