## -*- texinfo -*-
## @deftypefn {} {@var{d} =} det (@var{A})
## Determinant of the square widereal matrix @var{A}: one call of the
## gateway wr_la (elimination with partial pivoting, then the product of
## the pivots).  A
## singular @var{A} gives 0.  Infinite entries raise @code{widefp:domain}.
## A complex @var{A} goes through the gateway wr_ceig (the pivot of each
## column the entry of largest modulus); the determinant is complex, or
## real when its imaginary part is zero, as Octave narrows.
##
## Rounding: the computation runs at p+2 words (at most 1023 words; the
## operands extended exactly) and the determinant is rounded once
## to p words in the mode of @code{widereal_rounding}.  It is not correctly
## rounded: it carries the error of the algorithm at 64(p+2)+1
## bits, about (n 2^(-64(p+2))) times the condition number in relative
## terms, which stays below one unit of the last place of the result unless
## the condition number reaches about 2^120 / n.  For complex @var{A} each
## part is rounded once; the bound holds for the modulus of the error
## relative to |det A| with n replaced by about 8 n^2.
##
## @example
## det (widereal ([1 2; 3 4]))   # -2
## det (complex (widereal ([1 3; 2 0]), [2 -1; 0 4]))   # -14 + 6i
## @end example
## @seealso{inv, lu}
## @end deftypefn
function d = det (a)
  [x, n, nc, p] = wr_matrixwords (a, "det");
  if (n != nc)
    error ("Octave:nonconformant-args", "det: A must be a square matrix");
  endif
  [~, m] = widereal_rounding ();
  if (rows (x) > p + 1)
    d = wr_narrow (wr_new (wr_ceig ("cdet", m, p, x, n), p, [1 1]));
  else
    d = wr_new (wr_la ("det", m, p, x, n, n), p, [1 1]);   # det of [] is 1
  endif
endfunction

%!test
%! assert (double (det (widereal ([1 2; 3 4]))), -2, 1e-70);
%! assert (double (det (widereal ([0 1; 1 0]))), -1);
%! assert (double (det (widereal ([1 2; 2 4]))), 0);
%! assert (double (det (widereal (zeros (0, 0)))), 1);
%! H = 1 ./ widereal ((1:4)' + (1:4) - 1, 4);    # det = 1/6048000
%! assert (double (det (H) * 6048000), 1, 1e-60);
%!error <square> det (widereal (ones (2, 3)))
%!test
%! ## References: mpmath at 250 digits.
%! d = det (complex (widereal ([1 3; 2 0]), [2 -1; 0 4]));
%! assert (iscomplex (d));
%! assert (real (d) == -14 && imag (d) == 6);
%! A = complex (widereal ([1 2 3; 4 5 6; 7 8 10], 3), widereal ([1 0 -1; 2 1 0; 0 1 1], 3) / 4);
%! d = det (A);   # exactly -2.9375 + 1.265625i, reached by rounding once
%! assert (real (d) == widereal ("-2.9375", 3) && imag (d) == widereal ("1.265625", 3));
%! assert (isreal (det (complex (widereal ([1i 0; 0 1i] * 1i)))));   # -1: narrowed
%! assert (double (det (complex (widereal ([0 1; 1 0]), 0))), -1);
%! assert (isreal (det (complex (widereal ([0 1; 1 0]), 0))));
%! d = det (complex (widereal ([1 2; 2 4]), [1 2; 2 4]));   # singular
%! assert (double (d), 0);
%!error <infinite> det (complex (widereal ([1 Inf; 2 3]), 1))
%!error <square> det (complex (widereal (ones (2, 3)), 1))
