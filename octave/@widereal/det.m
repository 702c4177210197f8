## -*- texinfo -*-
## @deftypefn {} {@var{d} =} det (@var{A})
## Determinant of the square widereal matrix @var{A}: one call of the
## gateway wr_la (elimination with partial pivoting, then the product of
## the pivots).  A
## singular @var{A} gives 0.  Infinite entries raise @code{widefp:domain}.
##
## Rounding: the computation runs at p+2 words (at most 1023 words; the
## operands extended exactly) and the determinant is rounded once
## to p words in the mode of @code{widereal_rounding}.  It is not correctly
## rounded: it carries the error of the algorithm at 64(p+2)+1
## bits, about (n 2^(-64(p+2))) times the condition number in relative
## terms, which stays below one unit of the last place of the result unless
## the condition number reaches about 2^120 / n.
##
## @example
## det (widereal ([1 2; 3 4]))   # -2
## @end example
## @seealso{inv, lu}
## @end deftypefn
function d = det (a)
  if (isobject (a) && rows (a.w) > a.p + 1)
    error ("widefp:complex", "det: complex widereals are not supported yet");
  endif
  [x, n, nc, p] = wr_matrixwords (a, "det");
  if (n != nc)
    error ("Octave:nonconformant-args", "det: A must be a square matrix");
  endif
  [~, m] = widereal_rounding ();
  d = wr_new (wr_la ("det", m, p, x, n, n), p, [1 1]);   # det of [] is 1
endfunction

%!test
%! assert (double (det (widereal ([1 2; 3 4]))), -2, 1e-70);
%! assert (double (det (widereal ([0 1; 1 0]))), -1);
%! assert (double (det (widereal ([1 2; 2 4]))), 0);
%! assert (double (det (widereal (zeros (0, 0)))), 1);
%! H = 1 ./ widereal ((1:4)' + (1:4) - 1, 4);    # det = 1/6048000
%! assert (double (det (H) * 6048000), 1, 1e-60);
%!error <square> det (widereal (ones (2, 3)))
%!error <complex widereals are not supported> det (complex (widereal ([1 2; 3 4]), 1))
