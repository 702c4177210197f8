## -*- texinfo -*-
## @deftypefn {} {@var{d} =} det (@var{A})
## Determinant of the square widereal matrix @var{A}: one call of wr_det
## (elimination with partial pivoting, then the product of the pivots),
## every operation truncated toward zero to p words.  A singular @var{A}
## gives 0.  Infinite entries raise @code{widefp:domain}.
##
## @example
## det (widereal ([1 2; 3 4]))   # -2
## @end example
## @seealso{inv, lu}
## @end deftypefn
function d = det (a)
  [x, n, nc, q] = wr_matrixwords (a, "det");
  if (n != nc)
    error ("Octave:nonconformant-args", "det: A must be a square matrix");
  endif
  D = zeros (q + 1, 1, "uint64");
  if (n == 0)
    D(1) = 0x3fffffffffffffffu64;            # det of the empty matrix is 1
  else
    wr_det (wr_byrowscopy (x, n, n), n, q, D);
  endif
  D = wr_tidy (D);
  if (q > a.p)
    D = wr_roundwords (D, q, a.p);
  endif
  d = wr_new (D, a.p, [1 1]);
endfunction

%!test
%! assert (double (det (widereal ([1 2; 3 4]))), -2, 1e-70);
%! assert (double (det (widereal ([0 1; 1 0]))), -1);
%! assert (double (det (widereal ([1 2; 2 4]))), 0);
%! assert (double (det (widereal (zeros (0, 0)))), 1);
%! H = 1 ./ widereal ((1:4)' + (1:4) - 1, 4);    # det = 1/6048000
%! assert (double (det (H) * 6048000), 1, 1e-60);
%!error <square> det (widereal (ones (2, 3)))
