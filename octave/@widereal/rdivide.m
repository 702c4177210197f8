## -*- texinfo -*-
## @deftypefn {} {@var{r} =} rdivide (@var{a}, @var{b})
## Element-wise quotient @code{@var{a} ./ @var{b}}; operands, precision and
## broadcasting as for @code{plus}.
##
## Rounding: each quotient is the exact quotient correctly rounded to p
## words in the mode of @code{widereal_rounding} (to nearest, ties to even,
## by default), through the gateway wr_rnd.  x ./ 0 is an infinity whose
## sign is the product of the signs of x and of the zero (1 ./ -0 is -Inf,
## as in IEEE arithmetic); 0 ./ 0 and Inf ./ Inf raise
## @code{widefp:domain}.
##
## @example
## widereal (1) ./ [3 7]        # 0.3333..., 0.142857...
## @end example
## @seealso{ldivide, mrdivide, widereal_rounding}
## @end deftypefn
function r = rdivide (a, b)
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
          r.w = wr_rnd ("div", [], p, aw, bw);
          return;
        elseif (columns (aw) == 1)
          r = b;
          r.w = wr_rnd ("div", [], p, aw, bw);
          return;
        endif
      endif
    elseif (isa (b, "double") && isscalar (b) && isreal (b) && ! issparse (b)
            && rows (aw) == p + 1)
      r = a;
      r.w = wr_rnd ("div", [], p, aw, b);
      return;
    endif
  elseif (isa (a, "double") && isscalar (a) && isreal (a) && ! issparse (a))
    bw = b.w;
    p = b.p;
    if (rows (bw) == p + 1)
      r = b;
      r.w = wr_rnd ("div", [], p, a, bw);
      return;
    endif
  endif
  if ((isobject (a) && rows (a.w) > a.p + 1) || (isobject (b) && rows (b.w) > b.p + 1)
      || (! isobject (a) && iscomplex (a)) || (! isobject (b) && iscomplex (b)))
    r = wr_cxbinary ("div", a, b);   # a complex operand
    return;
  endif
  [x, y, p, r] = wr_pair (a, b);
  r.w = wr_rnd ("div", [], p, x, y);
endfunction

%!test
%! x = widereal (1, 2) ./ [3 -4];
%! assert (double (x), [1/3 -0.25]);
%! assert (double (x(1) * 3), 1);
%! assert (double (widereal ([1 -1 0 1]) ./ [0 0 Inf -Inf]), [Inf -Inf 0 -0]);
%! assert (double (widereal (1) ./ -0), -Inf);
%!error <0/0> widereal (0) ./ 0
%!error <Inf/Inf> widereal ([1 Inf]) ./ widereal ([1 -Inf])
%!test
%! ## scalars of one precision: zeros, infinities, overflow and underflow
%! big = widereal ([0x7ffffffffffffffeu64; 0; 0], 2, "words");
%! tiny = widereal (uint64 ([1; 0; 0]), 2, "words");
%! z = widereal (0, 2);
%! assert (double ([big ./ tiny, tiny ./ -big, widereal(1, 2) ./ -z]), [Inf -0 -Inf]);
%! assert (double ([z ./ big, big ./ widereal(Inf, 2)]), [0 0]);
%! assert (double (widereal (-3, 2) ./ widereal (2, 2)), -1.5);
%!error <0/0> widereal (0, 3) ./ widereal (-0, 3)
%!error <Inf/Inf> widereal (Inf, 3) ./ widereal (-Inf, 3)
%!test
%! ## complex quotients within one unit of each part (mpmath)
%! r = complex (widereal (1, 2), 2) ./ (3 - 4i);
%! e = widereal ({"-0.2", "0.4"}, 2);
%! assert (all (abs (double ([real(r), imag(r)] - e)) <= abs (double (e)) * 2^-127));
%! r = complex (widereal (1, 2), 3) ./ 2;                 # by a real: part by part
%! assert ([double(real (r)), double(imag (r))], [0.5 1.5]);
%! q = ldivide (3 - 4i, complex (widereal (1, 2), 2));
%! assert (real (q) == widereal ("-0.2", 2) && imag (q) == widereal ("0.4", 2));
%!error <0/0> complex (widereal (0), 1) ./ 0
