## -*- texinfo -*-
## @deftypefn {} {@var{r} =} times (@var{a}, @var{b})
## Element-wise product @code{@var{a} .* @var{b}}; operands, precision and
## broadcasting as for @code{plus}.
##
## Rounding: each product is the exact product correctly rounded to p
## words in the mode of @code{widereal_rounding} (to nearest, ties to even,
## by default), through the gateway wr_rnd.  0 * Inf raises
## @code{widefp:domain}.
##
## @example
## widereal ("1/3") .* [3 6]    # 1, 2 (each rounded to nearest)
## @end example
## @seealso{mtimes, prod, widereal_rounding}
## @end deftypefn
function r = times (a, b)
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
          r.w = wr_rnd ("mul", [], p, aw, bw);
          return;
        elseif (columns (aw) == 1)
          r = b;
          r.w = wr_rnd ("mul", [], p, aw, bw);
          return;
        endif
      endif
    elseif (isa (b, "double") && isscalar (b) && isreal (b) && ! issparse (b)
            && rows (aw) == p + 1)
      r = a;
      r.w = wr_rnd ("mul", [], p, aw, b);
      return;
    endif
  elseif (isa (a, "double") && isscalar (a) && isreal (a) && ! issparse (a))
    bw = b.w;
    p = b.p;
    if (rows (bw) == p + 1)
      r = b;
      r.w = wr_rnd ("mul", [], p, a, bw);
      return;
    endif
  endif
  if ((isobject (a) && rows (a.w) > a.p + 1) || (isobject (b) && rows (b.w) > b.p + 1)
      || (! isobject (a) && iscomplex (a)) || (! isobject (b) && iscomplex (b)))
    r = wr_cxbinary ("mul", a, b);   # a complex operand
    return;
  endif
  [x, y, p, r] = wr_pair (a, b);
  r.w = wr_rnd ("mul", [], p, x, y);
endfunction

%!test
%! x = widereal ("1/3", 2);
%! assert (double (x .* [3 -6]), [1 -2]);        # rounded to nearest: exact
%! assert (double (widereal ([1.5 2]) .* [2; 4]), [3 4; 6 8]);
%! assert (double (widereal ([0 -0 Inf]) .* [5 5 -2]), [0 -0 -Inf]);
%! assert (1 ./ double (widereal (-0) .* 3), -Inf);
%! y = widereal (3, 1) .* widereal ("1/3", 1);
%! assert (double (y), 1);
%! assert (precision (y), 1);
%!error <0 \* Inf> widereal (0) .* Inf
%!error <0 \* Inf> widereal ([1 Inf]) .* widereal ([2 0])
%!test
%! ## scalars of one precision: overflow, underflow, zero and infinite operands
%! big = widereal ([0x7ffffffffffffffeu64; 0; 0], 2, "words");
%! tiny = widereal (uint64 ([1; 0; 0]), 2, "words");
%! assert (double ([big .* big, -big .* big, tiny .* -tiny]), [Inf -Inf -0]);
%! assert (struct (big .* big).w(2:3), uint64 ([0; 0]));   # no stray fraction
%! assert (double ([widereal(0, 2) .* big, big .* widereal(-Inf, 2)]), [0 -Inf]);
%! assert (double (widereal (3, 2) .* widereal (-0.5, 2)), -1.5);
%!error <0 \* Inf> widereal (0, 2) .* widereal (Inf, 2)
%!test
%! ## complex products: each part correctly rounded (the exact products
%! ## summed once); i .* i narrows to the real -1
%! r = complex (widereal (1, 2), 2) .* (3 - 4i);
%! assert ([double(real (r)), double(imag (r))], [11 2]);
%! x = complex (widereal ("1/3", 3), widereal ("1/3", 3));
%! assert (imag (x .* x) == 2 * real (x) .* real (x));    # exact: 2 (1/3)^2 rounded once
%! assert (isreal (complex (widereal (0), 1) .* 1i) && double (complex (widereal (0), 1) .* 1i) == -1);
%!error <0 \* Inf> complex (widereal (Inf), 1) .* complex (widereal (0), 1)
