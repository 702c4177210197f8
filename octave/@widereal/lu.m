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
## A complex @var{A} goes through the gateway wr_ceig (right-looking
## elimination, the pivot of each column the first entry of largest
## modulus); each output is complex, or real when all its imaginary parts
## are zero, as Octave narrows.
##
## Rounding: the factorisation runs at p+2 words (at most 1023 words; A
## extended exactly) and every entry of L and U is rounded once to p words
## in the mode of @code{widereal_rounding}.  It is not correctly rounded:
## each entry carries the elimination's error at 64(p+2)+1 bits before that
## rounding, and @code{L * U} reproduces @code{P * A} only to about one unit
## of the last place of its entries.  For complex @var{A} each part is
## rounded once; before that rounding @code{|P*A - L*U|} is at most
## (4m+8) 2^(-64(p+2)) @code{|L|*|U|} per part and entry.
##
## @example
## [L, U, P] = lu (widereal ([1 2; 3 4]));   # L = [1 0; 1/3 1], U = [3 4; 0 2/3]
## [L, U] = lu (complex (widereal ([1 0; 2 3]), [0 1; 0 0]));   # L real, U complex
## @end example
## @seealso{det, inv, qr}
## @end deftypefn
function [L, U, P] = lu (a, how)
  vector = nargin > 1 && ischar (how) && strcmp (how, "vector");
  if (nargin > 1 && ! vector)
    error ("widefp:value", "lu: the only option is \"vector\"");
  endif
  [x, m, n, p] = wr_matrixwords (a, "lu");
  [~, mode] = widereal_rounding ();
  cplx = rows (x) > p + 1;
  if (cplx)
    gw = @wr_ceig;
    op = "clu";
  else
    gw = @wr_la;
    op = "lu";
  endif
  if (nargout < 2)
    L = wr_new (gw (op, mode, p, x, m, n), p, [m n]);
    if (cplx)
      L = wr_narrow (L);
    endif
    return;
  endif
  k = min (m, n);
  [~, perm, Lw, Uw] = gw (op, mode, p, x, m, n);
  L = wr_new (Lw, p, [m k]);
  U = wr_new (Uw, p, [k n]);
  if (nargout == 3 && vector)
    P = perm(:);
  elseif (nargout == 3)
    P = eye (m)(perm, :);
  else
    L = wr_new (Lw(:, reshape (1:m*k, m, k)(invperm (perm), :)(:)), p, [m k]);
  endif
  if (cplx)
    L = wr_narrow (L);
    U = wr_narrow (U);
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
%!test
%! ## Complex: pivots by modulus, outputs narrowed as Octave does.
%! A = complex (widereal ([1 0; 2 3]), widereal ([0 1; 0 0]));   # [1 i; 2 3]
%! [L, U, P] = lu (A);
%! assert (isreal (L) && iscomplex (U));
%! assert (P, [0 1; 1 0]);
%! assert (double (L), [1 0; 0.5 1]);
%! assert (real (U) == widereal ([2 3; 0 -1.5]) && imag (U) == widereal ([0 0; 0 1]));
%! assert (iscomplex (lu (A)));
%! [L2, U2] = lu (A);
%! assert (double (L2), [0.5 1; 1 0]);
%! [~, ~, v] = lu (A, "vector");
%! assert (v, [2; 1]);
%! ## 3x3, p = 3: mpmath (250 digits) gives L(3,1) = (1+2i)/(3-4i) = -0.2 + 0.4i,
%! ## to which the rounded multiplier is the nearest.
%! A = complex (widereal ([1 2 0; 3 1 1; 1 0 2], 3), widereal ([2 0 1; -4 0 0; 1 1 0], 3));
%! [L, U, P] = lu (A);
%! assert (P, [0 1 0; 1 0 0; 0 0 1]);
%! assert (real (L(2,1)) == widereal ("-0.2", 3) && imag (L(2,1)) == widereal ("0.4", 3));
%! R = P * A - L * U;
%! assert (max (abs (double ([real(R)(:); imag(R)(:)]))) < 1e-55);
%! [L, U] = lu (complex (widereal ([1 2; 3 4]), 0));
%! assert (isreal (L) && isreal (U));
%!error <infinite> lu (complex (widereal ([1 Inf; 2 3]), 1))
