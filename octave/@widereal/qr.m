## -*- texinfo -*-
## @deftypefn  {} {[@var{Q}, @var{R}] =} qr (@var{A})
## @deftypefnx {} {@var{R} =} qr (@var{A})
## QR factorisation of the m-by-n widereal matrix @var{A} by Householder
## reflections, @code{A = Q * R}: one call of the gateway wr_la.  Always the economy
## form (as @code{qr (A, 0)} in Octave): @var{Q} is m-by-min(m,n) with
## orthonormal columns, @var{R} min(m,n)-by-n upper triangular.  The
## diagonal of R may be negative.  Infinite entries raise
## @code{widefp:domain}.
##
## Rounding: the reflections run at p+2 words (at most 1023 words; A
## extended exactly) and every entry of Q and R is rounded once to p words
## in the mode of @code{widereal_rounding}.  It is not correctly rounded:
## the factors carry the error of Householder's method at 64(p+2)+1 bits,
## about n 2^(-64(p+2)) relative to the norm of A, below one unit of the
## last place of the entries of Q and of the largest entries of R.
##
## @example
## [Q, R] = qr (widereal ([3 1; 4 2]));   # R(1,1) = -5
## @end example
## @seealso{lu, svd, mldivide}
## @end deftypefn
function [Q, R] = qr (a, varargin)
  [x, m, n, p] = wr_matrixwords (a, "qr");
  k = min (m, n);
  [~, mode] = widereal_rounding ();
  if (nargout > 1)
    [Rw, Qw] = wr_la ("qr", mode, p, x, m, n);
    Q = wr_new (Qw, p, [m k]);
    R = wr_new (Rw, p, [k n]);
  else
    Q = wr_new (wr_la ("qr", mode, p, x, m, n), p, [k n]);   # R alone
  endif
endfunction

%!test
%! A = widereal ([3 1; 4 2]);
%! [Q, R] = qr (A);
%! assert (double (Q * R), [3 1; 4 2], 1e-70);
%! assert (double (Q' * Q), eye (2), 1e-70);
%! assert (abs (double (R(1, 1))), 5, 1e-70);
%! assert (double (qr (A)), double (R));
%! assert (double (R(2, 1)), 0);
%! B = widereal (magic (4)(:, 1:3), 3);                # tall
%! [Q, R] = qr (B);
%! assert (size (Q), [4 3]);
%! assert (double (Q * R), magic (4)(:, 1:3), 1e-50);
%! [Q, R] = qr (widereal ([1 2 3; 4 5 6]));          # wide
%! assert (size (Q), [2 2]);
%! assert (double (Q * R), [1 2 3; 4 5 6], 1e-70);
