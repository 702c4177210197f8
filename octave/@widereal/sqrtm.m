## -*- texinfo -*-
## @deftypefn {} {@var{S} =} sqrtm (@var{A})
## Principal square root of the square widereal matrix @var{A}, for
## matrices without eigenvalues on the closed negative real axis (the
## symmetric positive definite ones among them): one call of the gateway
## wr_mfun (the product form of the Denman-Beavers iteration with
## determinant scaling, stopped once the next step leaves the iteration's own
## error below 2^(-64q-4), q the working precision below).  A 1-by-1 @var{A}
## gives @code{sqrt (A)}, correctly rounded; the zero matrix gives itself.
## A matrix with det (A) < 0 (a negative eigenvalue), a singular iterate or
## no convergence within 100 steps raise @code{widefp:domain} or
## @code{widefp:convergence}: the square root would be complex, and complex
## widereals are not available yet.
##
## Rounding: the iteration runs at p+2 words (at most 1023 words) and every
## entry is rounded once to p words in the mode of @code{widereal_rounding}.
## It is not correctly rounded: the rounding errors of the steps leave a
## relative error of about n 2^(-64(p+2)) cond (S) per step (some 5 to 15
## steps), below one unit of the last place of the largest entries unless
## the condition number of S approaches 2^120 / n.
##
## @example
## sqrtm (widereal ([4 1; 1 3]))
## @end example
## @seealso{expm, logm, sqrt}
## @end deftypefn
function S = sqrtm (A)
  wr_realonly ("sqrtm", A);
  if (! isobject (A))
    A = widereal (A);
  endif
  if (numel (A.sz) != 2 || A.sz(1) != A.sz(2))
    error ("Octave:nonconformant-args", "sqrtm: A must be a square matrix");
  endif
  n = A.sz(1);
  if (n == 1)
    if (A < 0)
      error ("widefp:domain", "sqrtm: the square root of a negative number is complex; complex widereals are not available yet");
    endif
    S = sqrt (A);
    return;
  endif
  [~, m] = widereal_rounding ();
  S = wr_new (wr_mfun ("sqrtm", m, A.p, A.w, n, n), A.p, [n n]);
endfunction

%!test
%! ## reference: mpmath sqrtm at 150 digits
%! S = sqrtm (widereal ([4 1; 1 3], 2));
%! R = widereal (["1.9815776331353157306826703437306333638058059030521 " ;
%!                "0.27083220609417939080915130839081684489646832804209" ;
%!                "0.27083220609417939080915130839081684489646832804209" ;
%!                "1.7107454270411363398735190353398165189093375750101 "], 2);
%! assert (double (abs (S(:) - R) ./ R) < 2^-124);
%! A = widereal (magic (4) + 20 * eye (4), 4);
%! S = sqrtm (A);
%! assert (double (max (abs (S * S - A)(:))) < 2^-240);
%! assert (double (sqrtm (widereal (zeros (3)))), zeros (3));
%! assert (double (sqrtm (widereal (9))), 3);
%!error <square> sqrtm (widereal (ones (2, 3)))
%!error <complex widereals> sqrtm (widereal ([-1 0; 0 4]))
%!error <complex widereals> sqrtm (widereal (-4))
