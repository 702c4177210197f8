## -*- texinfo -*-
## @deftypefn {} {@var{c} =} wr_cxcmp (@var{a}, @var{b}, @var{equality})
## Element-wise comparison (-1, 0, 1, broadcast) of two operands, one of
## them complex (a widereal or a complex double), in Octave's order of
## complex numbers: by modulus, then by argument (see wr_cxkeys).  With
## @var{equality} true, only whether the values are equal (0) or not (1),
## both parts compared exactly.
##
## @example
## c = wr_cxcmp (a, b, false);
## @end example
## @end deftypefn
function c = wr_cxcmp (a, b, equality)
  [xr, xi, yr, yi, p, sz] = wr_cxoperands (a, b);
  n = columns (xr);
  if (isempty (xi))
    xi = wr_conv ("fromnum", p, zeros (1, n));
  endif
  if (isempty (yi))
    yi = wr_conv ("fromnum", p, zeros (1, n));
  endif
  if (equality)
    c = reshape (wr_order ("cmp", xr, p, yr, p) != 0
                 | wr_order ("cmp", xi, p, yi, p) != 0, sz);
    return;
  endif
  [ma, aa] = wr_cxkeys (wr_new ([xr; xi], p, sz));
  [mb, ab] = wr_cxkeys (wr_new ([yr; yi], p, sz));
  c = reshape (wr_order ("cmp", ma.w, p, mb.w, p), sz);
  t = c == 0;
  if (any (t(:)))
    c2 = wr_order ("cmp", aa.w(:, t), p, ab.w(:, t), p);
    c(t) = c2;
  endif
endfunction
