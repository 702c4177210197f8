## -*- texinfo -*-
## @deftypefn {} {@var{C} =} mtimes (@var{A}, @var{B})
## Matrix product @code{@var{A} * @var{B}} (a scalar factor gives the
## element-wise product).  Operands and precision as for @code{plus}.
##
## Rounding: a scalar factor gives @code{times}, correctly rounded.  A
## matrix product is one call of the gateway wr_rnd_reduce: every entry is
## accumulated from zero, left to right, at p+2 words (at most 1023), each
## product and each sum truncated, and rounded once to p words in the mode
## of @code{widereal_rounding}: within the bound that @code{dot} states for
## its row and column, so correctly rounded unless the exact entry lies
## that close to a rounding boundary.  0 * Inf and Inf - Inf in an entry
## raise @code{widefp:domain}.
##
## When either matrix is complex (and neither a scalar), the gateway
## wr_ceig forms the real part from Re A Re B - Im A Im B and the imaginary
## part from Re A Im B + Im A Re B: the four real products accumulated at
## p+2 words as above, their difference or sum truncated there, each part
## rounded once to p words.  Before that rounding each part of an entry is
## within (k+2) 2^(-64(p+2)) sum_l (|a_il| |b_lj|) (complex magnitudes, k
## the inner dimension) of the exact one; the result is narrowed to real
## when every imaginary part is zero.
##
## @example
## A = widereal ([1 2; 3 4]);
## A * A          # [7 10; 15 22]
## A * [1; 1]     # [3; 7]
## @end example
## @seealso{times, mldivide, widereal_rounding}
## @end deftypefn
function r = mtimes (a, b)
  if (isobject (a))                         # numel (a) would call a method
    na = columns (a.w);
  else
    na = numel (a);
  endif
  if (isobject (b))
    nb = columns (b.w);
  else
    nb = numel (b);
  endif
  if (na == 1 || nb == 1)
    r = times (a, b);
    return;
  endif
  if (cplx (a) || cplx (b))
    r = complex_product (a, b);
    return;
  endif
  [x, y, p, sa, sb] = wr_operands (a, b, false);
  if (numel (sa) > 2 || numel (sb) > 2)
    error ("Octave:nonconformant-args", "operator *: not defined for N-D arrays");
  elseif (sa(2) != sb(1))
    error ("Octave:nonconformant-args",
           "operator *: nonconformant arguments (op1 is %dx%d, op2 is %dx%d)",
           sa(1), sa(2), sb(1), sb(2));
  endif
  [~, m] = widereal_rounding ();
  r = wr_new (wr_rnd_reduce ("matmul", m, p, x, y, sa(1), sa(2), sb(2)), p, [sa(1) sb(2)]);
endfunction

function t = cplx (v)
  if (isobject (v))
    t = rows (v.w) > v.p + 1;
  else
    t = iscomplex (v);
  endif
endfunction

## The product of two matrices, one of them at least complex: the gateway
## wr_ceig forms the four real products at p+2 words.
function r = complex_product (a, b)
  p = wr_maxprec (a, b);
  a = wr_cplxprec (a, p);
  b = wr_cplxprec (b, p);
  sa = a.sz;
  sb = b.sz;
  if (numel (sa) > 2 || numel (sb) > 2)
    error ("Octave:nonconformant-args", "operator *: not defined for N-D arrays");
  elseif (sa(2) != sb(1))
    error ("Octave:nonconformant-args",
           "operator *: nonconformant arguments (op1 is %dx%d, op2 is %dx%d)",
           sa(1), sa(2), sb(1), sb(2));
  endif
  [~, m] = widereal_rounding ();
  r = wr_narrow (wr_new (wr_ceig ("matmul", m, p, a.w, b.w, sa(1), sa(2), sb(2)), p, [sa(1) sb(2)]));
endfunction

%!test
%! A = widereal ([1 2; 3 4]);
%! assert (double (A * A), [7 10; 15 22]);
%! assert (double (A * [1; 1]), [3; 7]);
%! assert (double ([1 1] * A), [4 6]);
%! assert (double (2 * A), [2 4; 6 8]);
%! assert (double ([A A] * widereal (-2)), -2 * [1 2 1 2; 3 4 3 4]);   # widereal scalars
%! assert (size (widereal (zeros (2, 0)) * zeros (0, 3)), [2 3]);
%! assert (double (widereal (zeros (2, 0)) * zeros (0, 3)), zeros (2, 3));
%! x = widereal ("1/3", 3) * ones (1, 3);
%! assert (double (x * ones (3, 1)), 1, 1e-55);
%! assert (double (widereal ([1 Inf]) * [2; 3]), Inf);
%! assert (double (widereal ([1 2; 3 4], 1) * widereal ([1; 1], 1)), [3; 7]);
%!test # complex: (1+2i, 3; 4i, 1-i) * (2; i) = (2+7i; 1+9i); mixed precisions; narrowing
%! A = complex (widereal ([1 3; 0 1], 2), [2 0; 4 -1]);
%! c = A * [2; 1i];
%! assert ([double(real (c)) double(imag (c))], [2 7; 1 9]);
%! c = widereal ([1 2], 3) * [1i; -0.5i];
%! assert (isreal (c) && double (c) == 0 && precision (c) == 3);
%! t = widereal ("1/3", 4);
%! c = [t complex(t, t)] * complex (widereal ([3; 3], 1), [0; 3]);   # t*3 + (t+ti)(3+3i) = 3t + 6ti
%! assert (precision (c) == 4);
%! assert (double (abs (real (c) - 3 * t)) < 1e-76 && double (abs (imag (c) - 6 * t)) < 1e-75);
%!error <nonconformant> complex (widereal (ones (2, 3)), 1) * ones (2, 3)
%!error <nonconformant> widereal (ones (2, 3)) * ones (2, 3)
%!error <0 \* Inf> widereal ([0 Inf]) * [Inf; 0]
