## -*- texinfo -*-
## @deftypefn  {} {@var{s} =} svd (@var{A})
## @deftypefnx {} {[@var{U}, @var{S}, @var{V}] =} svd (@var{A})
## Singular value decomposition of the m-by-n widereal matrix @var{A},
## @code{A = U * S * V'}: one call of the gateway wr_la (Householder bidiagonalisation
## and shifted QR sweeps); the sweeps stop when each superdiagonal entry is
## below 2^(-64q) of its neighbours (q the working precision below).  @var{s} is the column of the min(m,n) singular
## values in decreasing order.  Always the economy form (as
## @code{svd (A, "econ")}): @var{U} m-by-k, @var{S} k-by-k, @var{V}
## n-by-k with k = min(m,n).  Infinite entries raise @code{widefp:domain}.
##
## Rounding: the decomposition runs at p+2 words (at most 1023 words; A
## extended exactly) and every singular value and every entry of U and V
## is rounded once to p words in the mode of @code{widereal_rounding}.  It
## is not correctly rounded: a singular value carries an error of about
## n 2^(-64(p+2)) times the largest one before that rounding, below one
## unit of the last place of the largest singular values (the small ones
## are known to that absolute accuracy only).
##
## @example
## svd (widereal ([3 0; 4 5]))   # [3*sqrt(5); sqrt(5)]
## @end example
## @seealso{norm, cond, qr}
## @end deftypefn
function [U, S, V] = svd (a, varargin)
  [x, m, n, p] = wr_matrixwords (a, "svd");
  k = min (m, n);
  [~, mode] = widereal_rounding ();
  if (nargout > 1)
    [~, Uw, Sw, Vw] = wr_la ("svd", mode, p, x, m, n);
    U = wr_new (Uw, p, [m k]);
    S = wr_new (Sw, p, [k k]);
    V = wr_new (Vw, p, [n k]);
  else
    U = wr_new (wr_la ("svd", mode, p, x, m, n), p, [k 1]);
  endif
endfunction


%!test
%! s = svd (widereal ([3 0; 4 5]));
%! assert (double (s), [3 * sqrt(5); sqrt(5)], 1e-15);
%! assert (double (s(1) * s(2)), 15, 1e-70);
%! A = widereal ([1 2; 3 4; 5 6], 3);
%! [U, S, V] = svd (A);
%! assert (size (U), [3 2]);
%! assert (double (U * S * V'), [1 2; 3 4; 5 6], 1e-50);
%! assert (double (V' * V), eye (2), 1e-50);
%! [U, S, V] = svd (A');                              # wide
%! assert (size (V), [3 2]);
%! assert (double (U * S * V'), [1 3 5; 2 4 6], 1e-50);
%! assert (double (svd (widereal (diag ([1 3 2])))), [3; 2; 1]);
