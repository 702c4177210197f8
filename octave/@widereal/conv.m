## -*- texinfo -*-
## @deftypefn  {} {@var{c} =} conv (@var{a}, @var{b})
## @deftypefnx {} {@var{c} =} conv (@var{a}, @var{b}, @var{shape})
## Convolution of the vectors @var{a} and @var{b} (the coefficients of the
## product of two polynomials), as Octave's @code{conv}: @var{shape}
## @qcode{"full"} (the default, numel (a) + numel (b) - 1 elements),
## @qcode{"same"} (the central part, of the size of a) or @qcode{"valid"}
## (the part computed without zero padding); the result is a row unless b
## is a column (or a single element with a column a).  a and b may be widereals or doubles; the precision p is the
## larger of the widereal ones'.
##
## Rounding: the products a(i) b(j) are exact at 2p+2 words, each sum is
## rounded to nearest there, and each coefficient is rounded once to p
## words in the mode of @code{widereal_rounding}.  Before that rounding a
## coefficient is within k 2^(-128(p+1)) sum (|a(i) b(j)|) of the exact one
## (k = min (numel (a), numel (b))), so it is correctly rounded unless its
## sum cancels to below about 2^(-64p-60) of that magnitude, and it is exact
## whenever the exact coefficient fits p words and the partial sums fit
## 2p+2 words (integer coefficients, for instance).
##
## Complex @var{a} or @var{b}: the real and imaginary parts of each
## coefficient are sums of such products of parts, formed the same way at
## 2p+2 words (with twice k terms in the bound) and rounded once each; the
## result is real when every imaginary part is zero, as in Octave.
##
## @example
## conv (widereal ([1 2]), [1 3 4])         # [1 5 10 8]
## conv (widereal ("1/3", 4), [3 3])        # [1 1], each rounded once
## @end example
## @seealso{deconv, polyval}
## @end deftypefn
function c = conv (a, b, shape = "full")
  if (! (isvector (a) && isvector (b)))
    error ("widefp:type", "conv: both arguments A and B must be vectors");
  endif
  if (! ischar (shape) || ! any (strcmp (shape, {"full", "same", "valid"})))
    error ("widefp:type", "conv: SHAPE argument must be \"full\", \"same\", or \"valid\"");
  endif
  p = wr_maxprec (a, b);
  la = numel (a);
  lb = numel (b);
  ## a column when b is one (or b is a single element and a a column); "same" as a
  column = (lb > 1 && columns (b) == 1) || (lb == 1 && la > 1 && columns (a) == 1);
  if (strcmp (shape, "same"))
    column = la > 1 && columns (a) == 1;
  endif
  q = 2 * p + 2;
  [A, ca] = wr_cplxprec (a, q);              # exact
  [B, cb] = wr_cplxprec (b, q);
  A = A.w;
  B = B.w;
  r = 1:q+1;
  if (! (ca || cb))
    C = convq (A, B, q);
  else                                        # (ar + i ai) (br + i bi), parts at q
    C = convq (A(r, :), B(r, :), q);
    Ci = zeros (q + 1, la + lb - 1, "uint64");
    if (ca && cb)
      C = wr_rnd ("sub", 0, q, C, convq (A(q+2:end, :), B(q+2:end, :), q));
    endif
    if (cb)
      Ci = convq (A(r, :), B(q+2:end, :), q);
    endif
    if (ca)
      t = convq (A(q+2:end, :), B(r, :), q);
      if (cb)
        t = wr_rnd ("add", 0, q, Ci, t);
      endif
      Ci = t;
    endif
    C = [C; Ci];
  endif
  switch (shape)
    case "same"
      first = ceil ((numel (b) - 1) / 2);
      C = C(:, first + (1:numel (a)));
    case "valid"
      if (numel (a) >= numel (b))
        C = C(:, numel (b):numel (a));
      else
        C = C(:, []);
      endif
  endswitch
  sz = [1 columns(C)];
  if (column)
    sz = fliplr (sz);
  endif
  if (rows (C) > q + 1)
    c = wr_narrow (wr_new ([wr_rnd("prec", [], p, C(r, :), q); wr_rnd("prec", [], p, C(q+2:end, :), q)], p, sz));
  else
    c = wr_new (wr_rnd ("prec", [], p, C, q), p, sz);
  endif
endfunction

## The full convolution of the real words A and B at precision q, each
## product exact and each sum rounded to nearest at q.
function C = convq (A, B, q)
  la = columns (A);
  lb = columns (B);
  if (la > lb)                               # loop over the shorter one
    [A, B] = deal (B, A);
    [la, lb] = deal (lb, la);
  endif
  C = widereal (zeros (1, la + lb - 1), q).w;
  for i = 1:la
    k = i:i + lb - 1;
    C(:, k) = wr_rnd ("add", 0, q, C(:, k), wr_rnd ("mul", 0, q, A(:, i), B));
  endfor
endfunction


## References: exact integer products, mpmath at 200 digits.
%!test
%! assert (double (conv (widereal ([1 2]), [1 3 4])), [1 5 10 8]);
%! assert (size (conv (widereal ([1 2]), [1; 3; 4])), [4 1]);
%! assert (size (conv (widereal ([1; 2]), [1 3 4])), [1 4]);
%! assert (double (conv (widereal ([1 2 3]), [1 1], "same")), [3 5 3]);
%! assert (size (conv (widereal ([1 2 3]), [1; 1], "same")), [1 3]);
%! assert (size (conv (widereal ([1; 2]), 3)), [2 1]);
%! assert (double (conv (widereal ([1 2 3]), [1 1], "valid")), [3 5]);
%! assert (double (conv (widereal (2), 3)), 6);
%! ## (1 + t x)^2 with t = 1/3 at 2 words: t^2 (257 bits) rounded once
%! t = widereal ("1/3", 2);
%! c = conv ([1 t], [1 t]);
%! assert (c(1) == 1 && c(2) == 2 * t && c(3) == t .* t);
%! ## 2^200 + 1 times 2^200 - 1: the middle sum cancels exactly
%! x = widereal (2, 4) .^ 200;
%! assert (conv ([1 x], [1 -x]) == [1 0 -x .* x]);
%!error <must be vectors> conv (widereal (ones (2)), [1 2])
%!error <SHAPE> conv (widereal ([1 2]), [1 2], "middle")
%!test # complex: (x - i)(x + i) = x^2 + 1 (real, narrowed); (1 + 2i) (1, i) = (1 + 2i, -2 + i)
%! c = conv (widereal ([1 -1i], 3), [1 1i]);
%! assert (isreal (c) && isequal (double (c), [1 0 1]));
%! c = conv (widereal (1+2i, 2), [1 1i]);
%! assert (iscomplex (c) && isequal (double (c), [1+2i, -2+1i]));
%! c = conv (complex (widereal ("1/3", 4), 1), [3 3i]);   # (1/3 + i)(3, 3i) = (1 + 3i, -3 + i)
%! assert (double (abs (c - [1+3i, -3+1i])) < 1e-75);
