## -*- texinfo -*-
## @deftypefn  {} {@var{H} =} hess (@var{A})
## @deftypefnx {} {[@var{P}, @var{H}] =} hess (@var{A})
## Hessenberg form of the square widereal matrix @var{A}, @code{A = P * H * P'}
## with @var{P} orthogonal (its first row and column those of the identity)
## and @var{H} zero below its first subdiagonal: one call of the gateway
## wr_mfun (Householder reflections).  Infinite entries raise
## @code{widefp:domain}.
##
## Rounding: the reflections run at p+2 words (at most 1023 words) and every
## entry of P and H is rounded once to p words in the mode of
## @code{widereal_rounding}.  It is not correctly rounded: P is orthogonal
## and A - P H P' is zero to about 6 n^2 2^(-64(p+2)) norm (A, "fro"),
## below one unit of the last place of the largest entries.
##
## @example
## [P, H] = hess (widereal (magic (4)));
## @end example
## @seealso{balance, qr, svd}
## @end deftypefn
function [P, H] = hess (A)
  wr_realonly ("hess", A);
  if (! isobject (A))
    A = widereal (A);
  endif
  if (numel (A.sz) != 2 || A.sz(1) != A.sz(2))
    error ("Octave:nonconformant-args", "hess: A must be a square matrix");
  endif
  n = A.sz(1);
  [~, m] = widereal_rounding ();
  if (nargout > 1)
    [Hw, Pw] = wr_mfun ("hess", m, A.p, A.w, n, n);
    P = wr_new (Pw, A.p, [n n]);
    H = wr_new (Hw, A.p, [n n]);
  else
    P = wr_new (wr_mfun ("hess", m, A.p, A.w, n, n), A.p, [n n]);   # H alone
  endif
endfunction

%!test
%! A = widereal ([4 1 2 3; 1 5 6 7; 2 6 8 9; 3 7 9 10], 3);
%! [P, H] = hess (A);
%! assert (double (tril (H, -2)), zeros (4));
%! assert (double (max (abs (P * H * P' - A)(:))) < 2^-180);
%! assert (double (max (abs (P' * P - eye (4))(:))) < 2^-185);
%! assert (double (P(1, :)), [1 0 0 0]);
%! ## |H| from mpmath hessenberg at 150 digits: H(2,1) = -sqrt(14)
%! assert (double (abs (abs (H(2, 1)) - sqrt (widereal (14, 3)))) < 2^-185);
%! assert (double (hess (A)), double (H));
%!error <square> hess (widereal (ones (2, 3)))
