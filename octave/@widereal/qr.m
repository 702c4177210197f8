## -*- texinfo -*-
## @deftypefn  {} {[@var{Q}, @var{R}] =} qr (@var{A})
## @deftypefnx {} {[@var{Q}, @var{R}, @var{P}] =} qr (@var{A})
## @deftypefnx {} {@var{R} =} qr (@var{A})
## @deftypefnx {} {[@dots{}] =} qr (@var{A}, 0)
## @deftypefnx {} {[@dots{}] =} qr (@var{A}, "econ")
## @deftypefnx {} {[@dots{}] =} qr (@var{A}, "vector")
## @deftypefnx {} {[@dots{}] =} qr (@var{A}, "matrix")
## QR factorisation of the m-by-n widereal matrix @var{A} by Householder
## reflections, one call of the gateway wr_la, in Octave's forms (k =
## min(m,n)):
##
## @itemize
## @item @code{[Q, R] = qr (A)}: the full form, @code{A = Q * R} with
## @var{Q} m-by-m orthogonal and @var{R} m-by-n upper triangular;
## @item @code{[Q, R] = qr (A, 0)} or @code{qr (A, "econ")}: the economy
## form, @var{Q} m-by-k with orthonormal columns, @var{R} k-by-n;
## @item @code{[Q, R, P] = qr (A)} (or with @code{"matrix"}): column
## pivoting, @code{A * P = Q * R} with @var{P} an n-by-n permutation matrix
## (double), the full form; at each step the remaining column of largest
## norm (the first of them on a tie) comes next, so that @code{abs (diag
## (R))} decreases;
## @item @code{[Q, R, p] = qr (A, "vector")}: the same with the permutation
## as a row vector, @code{A(:, p) = Q * R}; @code{[Q, R, p] = qr (A, 0)}
## (or @code{"econ"}) its economy form;
## @item @code{R = qr (A)}: the m-by-n upper triangular factor of the full
## form (zeros below the diagonal, so that @code{R = triu (qr (A))} holds
## as in Octave); @code{qr (A, 0)} gives the k-by-n economy factor.
## @end itemize
##
## A reflection maps a column onto a multiple of the first unit vector of
## opposite sign, as LAPACK's do; a column already zero below the diagonal
## gets no reflection, so an upper triangular @var{A} gives @code{Q = I},
## @code{R = A}.  Infinite entries raise @code{widefp:domain}.
##
## Rounding: the reflections run at p+2 words (at most 1023 words; A
## extended exactly) and every entry of Q and R is rounded once to p words
## in the mode of @code{widereal_rounding}.  It is not correctly rounded:
## the factors carry the error of Householder's method at 64(p+2)+1 bits,
## about n 2^(-64(p+2)) relative to the norm of A, below one unit of the
## last place of the entries of Q and of the largest entries of R.
##
## @example
## [Q, R] = qr (widereal ([3 1; 4 2]));        # R(1,1) = -5, Q 2-by-2
## [Q, R, p] = qr (widereal ([1 2; 3 4; 5 7]), 0);   # p = [2 1]
## @end example
## @seealso{lu, svd, mldivide}
## @end deftypefn
function [Q, R, P] = qr (a, opt)
  wr_realonly ("qr", a);
  [x, m, n, p] = wr_matrixwords (a, "qr");
  econ = false;
  matrixp = true;
  if (nargin > 1)
    if (isnumeric (opt) && isscalar (opt) && opt == 0)
      econ = true;
      matrixp = false;
    elseif (ischar (opt) && any (strcmpi (opt, {"econ", "vector", "matrix"})))
      econ = strcmpi (opt, "econ");
      matrixp = strcmpi (opt, "matrix");
    else
      error ("widefp:range", "qr: the second argument must be 0, \"econ\", \"vector\" or \"matrix\"");
    endif
  endif
  [~, mode] = widereal_rounding ();
  k = min (m, n);
  rows = ifelse_ (econ, k, m);
  if (nargout > 2)
    [Rw, Qw, perm] = wr_la ("qrp", mode, p, x, m, n, double (! econ));
    if (matrixp)
      P = eye (n)(:, perm);
    else
      P = perm;
    endif
  elseif (econ)
    [Rw, Qw] = wr_la ("qr", mode, p, x, m, n);
  else
    [Rw, Qw] = wr_la ("qrfull", mode, p, x, m, n);
  endif
  if (nargout > 1)
    Q = wr_new (Qw, p, [m rows]);
    R = wr_new (Rw, p, [rows n]);
  else
    Q = wr_new (Rw, p, [rows n]);   # R alone
  endif
endfunction

function r = ifelse_ (c, a, b)
  if (c)
    r = a;
  else
    r = b;
  endif
endfunction

%!test # the full form and the economy form, tall, square and wide
%! A = widereal ([3 1; 4 2]);
%! [Q, R] = qr (A);
%! assert (double (Q * R), [3 1; 4 2], 1e-70);
%! assert (double (Q' * Q), eye (2), 1e-70);
%! assert (R(1, 1) == -5 && double (R(2, 1)) == 0);
%! assert (abs (R(2, 2) - widereal ("0.4", 2)) < 1e-36);   # signs as Octave's: [-5 -2.2; 0 0.4]
%! assert (isequal (qr (A), R));
%! B = widereal ([1 2; 3 4; 5 7], 3);
%! [Q, R] = qr (B);
%! assert ([size(Q), size(R)], [3 3 3 2]);
%! assert (double (Q * R), [1 2; 3 4; 5 7], 1e-55);
%! assert (double (Q' * Q), eye (3), 1e-55);
%! assert (double (R(3, :)), [0 0]);
%! assert (size (qr (B)), [3 2]);
%! [Qe, Re] = qr (B, 0);
%! assert ([size(Qe), size(Re)], [3 2 2 2]);
%! assert (isequal (Qe, Q(:, 1:2)) && isequal (Re, R(1:2, :)));
%! [Qe, Re] = qr (B, "econ");
%! assert (isequal (Qe, Q(:, 1:2)) && isequal (size (qr (B, 0)), [2 2]));
%! ## R(1,1) = -sqrt(35), R(2,2) = sqrt(2/5) (mpmath, 70 digits)
%! assert (abs (R(1, 1) + widereal ("5.916079783099616042567328291561617048415501230794340322879719669142822", 3)) < 1e-56);
%! assert (abs (R(2, 2) - widereal ("0.6324555320336758663997787088865437067439110278650433653715009705585189", 3)) < 1e-56);
%! [Q, R] = qr (widereal ([1 2 3; 4 5 6]));          # wide
%! assert ([size(Q), size(R)], [2 2 2 3]);
%! assert (double (Q * R), [1 2 3; 4 5 6], 1e-70);
%! U = widereal ([2 -1 3; 0 -5 4; 0 0 7], 4);        # triangular: Q = I, R = U
%! [Q, R] = qr (U);
%! assert (isequal (double (Q), eye (3)) && isequal (R, U));

%!test # column pivoting: matrix, vector and economy forms, against Octave's order
%! A = widereal ([1 2; 3 4; 5 7], 2);
%! [Q, R, P] = qr (A);
%! assert (P, [0 1; 1 0]);
%! assert ([size(Q), size(R)], [3 3 3 2]);
%! assert (double (Q * R - A * P), zeros (3, 2), 1e-36);
%! ## R(1,1) = -sqrt(69) (mpmath)
%! assert (abs (R(1, 1) + widereal ("8.306623862918074852584262744907492010232214248955655779432188369", 2)) < 1e-36);
%! [Q2, R2, p] = qr (A, "vector");
%! assert (p, [2 1]);
%! assert (isequal (Q2, Q) && isequal (R2, R));
%! [Q3, R3, p] = qr (A, 0);
%! assert (p, [2 1]);
%! assert (isequal (Q3, Q(:, 1:2)) && isequal (R3, R(1:2, :)));
%! [Q, R, p] = qr (widereal ([1 2 3; 4 5 6]), 0);
%! assert (p, [3 1 2]);
%! assert (double (Q * R), [3 1 2; 6 4 5], 1e-70);
%! [Q, R, P] = qr (widereal ([1 2; 3 4]), "matrix");
%! assert (P, [0 1; 1 0]);
%! [~, R] = qr (widereal (magic (5)), 0);
%! [~, Rp, ~] = qr (widereal (magic (5)), "vector");
%! assert (! all (diff (abs (double (diag (R)))) <= 0));
%! assert (all (diff (abs (double (diag (Rp)))) <= 0));

%!test # empty shapes as Octave
%! [Q, R] = qr (widereal (zeros (3, 0)));
%! assert (double (Q), eye (3));
%! assert (size (R), [3 0]);
%! assert (size (qr (widereal (zeros (0, 2)))), [0 2]);

%!error <second argument> qr (widereal (1), "foo")
%!error <second argument> qr (widereal (1), 1)
%!error <infinite> qr (widereal ([1 Inf]))
%!error <2-D> qr (widereal (ones (2, 2, 2)))
