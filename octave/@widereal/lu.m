## -*- texinfo -*-
## @deftypefn  {} {[@var{L}, @var{U}, @var{P}] =} lu (@var{A})
## @deftypefnx {} {[@var{L}, @var{U}, @var{p}] =} lu (@var{A}, "vector")
## @deftypefnx {} {[@var{L}, @var{U}] =} lu (@var{A})
## @deftypefnx {} {@var{Y} =} lu (@var{A})
## LU factorisation of the m-by-n widereal matrix @var{A} with partial
## pivoting, @code{P * A = L * U}: one call of the gateway wr_la (Crout's
## order).
## @var{L} is m-by-min(m,n) with a unit diagonal, @var{U} min(m,n)-by-n
## upper triangular, @var{P} a permutation matrix (double), or with
## @qcode{"vector"} the column @var{p} of the rows taken,
## @code{A(p, :) = L * U}.  With two outputs @var{L} is @code{P' * L}; with
## one, @var{Y} holds U and the multipliers of L below its diagonal.  Infinite entries raise @code{widefp:domain}.
##
## Rounding: the factorisation runs at p+2 words (at most 1023 words; A
## extended exactly) and every entry of L and U is rounded once to p words
## in the mode of @code{widereal_rounding}.  It is not correctly rounded:
## each entry carries the elimination's error at 64(p+2)+1 bits before that
## rounding, and @code{L * U} reproduces @code{P * A} only to about one unit
## of the last place of its entries.
##
## @example
## [L, U, P] = lu (widereal ([1 2; 3 4]));   # L = [1 0; 1/3 1], U = [3 4; 0 2/3]
## @end example
## @seealso{det, inv, qr}
## @end deftypefn
function [L, U, P] = lu (a, how)
  if (isobject (a) && rows (a.w) > a.p + 1)
    error ("widefp:complex", "lu: complex widereals are not supported yet");
  endif
  vector = nargin > 1 && ischar (how) && strcmp (how, "vector");
  if (nargin > 1 && ! vector)
    error ("widefp:value", "lu: the only option is \"vector\"");
  endif
  [x, m, n, p] = wr_matrixwords (a, "lu");
  [~, mode] = widereal_rounding ();
  if (nargout < 2)
    L = wr_new (wr_la ("lu", mode, p, x, m, n), p, [m n]);
    return;
  endif
  k = min (m, n);
  [~, perm, Lw, Uw] = wr_la ("lu", mode, p, x, m, n);
  L = wr_new (Lw, p, [m k]);
  U = wr_new (Uw, p, [k n]);
  if (nargout == 3 && vector)
    P = perm(:);
  elseif (nargout == 3)
    P = eye (m)(perm, :);
  else
    L = wr_new (Lw(:, reshape (1:m*k, m, k)(invperm (perm), :)(:)), p, [m k]);
  endif
endfunction

function q = invperm (p)
  q(p) = 1:numel (p);
endfunction

%!test
%! A = widereal ([1 2; 3 4]);
%! [L, U, P] = lu (A, "vector");
%! assert (P, [2; 1]);   # a column, as Octave gives it
%! [L, U, P] = lu (A);
%! assert (double (L), [1 0; 1/3 1], 1e-70);
%! assert (double (U), [3 4; 0 2/3], 1e-70);
%! assert (P, [0 1; 1 0]);
%! [L2, U2] = lu (A);
%! assert (double (L2 * U2), [1 2; 3 4], 1e-70);
%! Y = lu (A);
%! assert (double (Y), [3 4; 1/3 2/3], 1e-70);
%! [L, U, P] = lu (widereal ([1 2 3; 4 5 6]));      # wide
%! assert (size (L), [2 2]);
%! assert (size (U), [2 3]);
%! assert (double (P' * L * U), [1 2 3; 4 5 6], 1e-70);
%! [L, U, P] = lu (widereal ([1 2; 3 4; 5 7]));     # tall
%! assert (double (P' * L * U), [1 2; 3 4; 5 7], 1e-70);
%!error <complex widereals are not supported> lu (complex (widereal ([1 2; 3 4]), 1))
