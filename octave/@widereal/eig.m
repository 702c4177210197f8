## -*- texinfo -*-
## @deftypefn  {} {@var{lambda} =} eig (@var{A})
## @deftypefnx {} {[@var{V}, @var{D}] =} eig (@var{A})
## @deftypefnx {} {@var{lambda} =} eig (@var{A}, @var{B})
## @deftypefnx {} {[@var{V}, @var{D}] =} eig (@var{A}, @var{B})
## Eigenvalues and eigenvectors of the symmetric widereal matrix @var{A},
## or of the symmetric-definite pencil (@var{A}, @var{B}),
## @code{A * V = B * V * D}: one call of the gateway wr_eig (Householder
## tridiagonalisation, then implicitly shifted QR sweeps with Wilkinson's
## shift; for the pencil first the Cholesky factor R of @var{B} and the
## problem of @code{R' \ A / R}).  @var{lambda} is the column of the n
## eigenvalues in ascending order, @var{D} the diagonal matrix of them.  The
## columns of @var{V} are orthonormal (@code{V' * V = I}), for the pencil
## B-orthonormal (@code{V' * B * V = I}, as Octave normalises them); each
## has its entry of largest magnitude positive.
##
## @var{A} (and @var{B}) must be symmetric, that is exactly equal to its
## transpose; otherwise @code{widefp:nonsymmetric} is raised, since the
## eigenvalues of a nonsymmetric matrix may be complex and complex
## widereals are not available yet.  @var{B} must be positive definite
## (@code{widefp:notposdef} otherwise).  A double @var{A} or @var{B} is
## taken exactly at the other's precision.  Infinite entries raise
## @code{widefp:domain}.
##
## Rounding: the computation runs at q = p+2 words (at most 1023; A
## extended exactly) and every eigenvalue and every entry of V is rounded
## once to p words in the mode of @code{widereal_rounding}.  It is not
## correctly rounded: before that rounding each eigenvalue of @var{A} is
## within 154 n 2^(-64q) ||A||_F of the exact one (the library's tests
## check this bound, and @code{norm (A*V - V*D, "fro")} and the entries of
## @code{V'*V - I} against the same, relative to ||A||_F and 1), far below
## one unit of the last place of the largest eigenvalues; the small ones
## are known to that absolute accuracy only.  For the pencil the bound
## grows with the condition of @var{B}.
##
## @example
## eig (widereal ([2 1; 1 2]))   # [1; 3]
## [i, j] = ndgrid (1:4);
## [V, D] = eig (1 ./ widereal (i + j - 1));   # D(1,1) = 9.6702304022586885554...e-5
## @end example
## @seealso{chol, svd}
## @end deftypefn
function [V, D] = eig (A, B)
  if (nargin == 1)
    [x, m, n, p] = wr_matrixwords (A, "eig");
  else
    [x, y, p, sa, sb] = wr_operands (A, B, false);
    if (numel (sa) > 2 || numel (sb) > 2 || any (sa != sb))
      error ("Octave:nonconformant-args", "eig: A and B must be square matrices of one size");
    endif
    m = sa(1);
    n = sa(2);
  endif
  if (m != n)
    error ("Octave:invalid-input-arg", "eig: argument must be a square matrix");
  endif
  [~, mode] = widereal_rounding ();
  if (nargin == 1)
    op = {"eig", mode, p, x, n};
  else
    op = {"eig2", mode, p, x, y, n};
  endif
  if (nargout < 2)
    V = wr_new (wr_eig (op{:}), p, [n 1]);
  else
    [d, v] = wr_eig (op{:});
    V = wr_new (v, p, [n n]);
    D = diag (wr_new (d, p, [n 1]));
  endif
endfunction


%!test # Hilbert matrix of order 10 at p = 4: the values to 60 digits (mpmath, 150 digits)
%! [i, j] = ndgrid (1:10);
%! A = 1 ./ widereal (i + j - 1, 4);
%! e = eig (A);
%! ref = {"1.09315381937966576381686691049785556828952464672070410124044e-13" ...
%!   "2.26674674776292552527105085752957743433440272212353009884752e-11" ...
%!   "2.14743881735047860769711909519727754230220876501671189493057e-9" ...
%!   "1.22896773875117504964698527258303442757731956383890761826323e-7" ...
%!   "4.72968929318234750614058600723226069184776862321778625720993e-6" ...
%!   "1.28749614276377079808798039407158519776098887236174463299242e-4" ...
%!   "2.53089076867003814371951273822326697617904220103331666394254e-3" ...
%!   "3.57418162716392358905804081659090407138295144598975686535716e-2" ...
%!   "3.42929548483509096153861525031330636336852077479076609502181e-1" ...
%!   "1.75191967026517752241375776313864492613533167766464402934121"};
%! for k = 1:10
%!   r = widereal (ref{k}, 4);
%!   assert (double (abs (e(k) - r)) < 1e-60);
%! endfor
%! [V, D] = eig (A);
%! assert (isequal (diag (D), e));
%! assert (double (max (max (abs (A*V - V*D)))) < 1e-70);
%! assert (double (max (max (abs (V'*V - eye (10))))) < 1e-70);
%!test # the pencil: V' B V = I and A V = B V D; the values of [2 1; 1 2] with B = diag ([1 4])
%! A = widereal ([2 1; 1 2], 3);
%! B = widereal ([1 0; 0 4], 3);
%! [V, D] = eig (A, B);
%! # det (A - x B) = 4 x^2 - 10 x + 3: x = (5 -+ sqrt (13)) / 4
%! s13 = sqrt (widereal (13, 3));
%! assert (double (abs (diag (D) - [(5 - s13) / 4; (5 + s13) / 4])) < 1e-55);
%! assert (double (max (max (abs (V'*B*V - eye (2))))) < 1e-55);
%! assert (double (max (max (abs (A*V - B*V*D)))) < 1e-55);
%! [~, at] = max (abs (double (V)));
%! assert (double (V)(sub2ind ([2 2], at, 1:2)) > 0);
%! assert (double (eig (A, [1 0; 0 4])), double (diag (D)));
%!test # diagonal, zero, 1x1, empty; values without vectors agree
%! assert (double (eig (widereal (diag ([3 -1 2])))), [-1; 2; 3]);
%! [V, D] = eig (widereal (diag ([3 -1 2])));
%! assert (double (V), [0 0 1; 1 0 0; 0 1 0]);
%! assert (double (eig (widereal (zeros (3)))), zeros (3, 1));
%! assert (double (eig (widereal (-5))), -5);
%! assert (size (eig (widereal (zeros (0)))), [0 1]);
%!error <complex widereals are not available> eig (widereal ([1 2; 3 4]))
%!error <square> eig (widereal ([1 2 3; 2 1 0]))
%!error <positive definite> eig (widereal ([1 0; 0 1]), widereal ([1 2; 2 1]))
%!error <infinite> eig (widereal ([1 Inf; Inf 1]))
%!error <not n\*n> wr_eig ("eig", 0, 2, zeros (3, 3, "uint64"), 2)
%!error <unknown operation> wr_eig ("eigen", 0, 2, zeros (3, 1, "uint64"), 1)
%!error <mode> wr_eig ("chol", 7, 2, zeros (3, 1, "uint64"), 1)
%!error <takes> wr_eig ("eig2", 0, 2, zeros (3, 1, "uint64"), 1)
