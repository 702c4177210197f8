## -*- texinfo -*-
## @deftypefn  {} {@var{R} =} chol (@var{A})
## @deftypefnx {} {[@var{R}, @var{k}] =} chol (@var{A})
## @deftypefnx {} {@var{L} =} chol (@var{A}, "lower")
## Cholesky factorisation of the symmetric positive definite widereal
## matrix @var{A}: @var{R} upper triangular with a positive diagonal and
## @code{R' * R = A}, from the upper triangle of @var{A} alone (with
## @qcode{"lower"}, @var{L} lower triangular, @code{L * L' = A}, from the
## lower triangle); one call of the gateway wr_eig.  When a pivot is zero
## or negative, @code{chol (A)} raises "chol: input matrix must be
## positive definite" (@code{widefp:notposdef}); with two outputs there is
## no error: @var{k} is the number of that pivot (0 when there is none) and
## @var{R} the (k-1)-by-(k-1) factor of @code{A(1:k-1, 1:k-1)}.  Infinite
## entries raise @code{widefp:domain}.
##
## Rounding: the factorisation runs at q = p+2 words (at most 1023; A
## extended exactly), its inner products accumulated at q+1 words, and
## every entry of R is rounded once to p words in the mode of
## @code{widereal_rounding}.  It is not correctly rounded: before that
## rounding @code{norm (R'*R - A, "fro")} is below 4 n 2^(-64q)
## ||A||_F.  A matrix whose smallest eigenvalue lies within about that
## much of zero may be judged either way.
##
## @example
## chol (widereal ([4 2; 2 5]))   # [2 1; 0 2]
## [R, k] = chol (widereal ([1 2; 2 1]))   # R = 1, k = 2
## @end example
## @seealso{eig, lu}
## @end deftypefn
function [R, k] = chol (A, how)
  wr_realonly ("chol", A);
  lower = false;
  if (nargin > 1)
    if (! ischar (how) || ! any (strcmpi (how, {"upper", "lower"})))
      error ("Octave:invalid-input-arg",
             "chol: optional argument must be one of \"vector\", \"lower\", or \"upper\"");
    endif
    lower = strcmpi (how, "lower");
  endif
  [x, m, n, p] = wr_matrixwords (A, "chol");
  if (m != n)
    error ("Octave:invalid-input-arg", "chol: A must be a square matrix");
  endif
  if (lower)
    x = x(:, reshape (1:n*n, n, n).'(:));  # A.': its upper triangle is A's lower
  endif
  [~, mode] = widereal_rounding ();
  [w, k] = wr_eig ("chol", mode, p, x, n);
  if (k > 0 && nargout < 2)
    error ("widefp:notposdef", "chol: input matrix must be positive definite");
  endif
  r = n;
  if (k > 0)
    r = k - 1;
  endif
  if (lower)
    w = w(:, reshape (1:r*r, r, r).'(:));
  endif
  R = wr_new (w, p, [r r]);
endfunction


%!test # Hilbert matrix of order 8 at p = 3: R' R = A, R(8,8) to 50 digits (mpmath, 150 digits)
%! [i, j] = ndgrid (1:8);
%! A = 1 ./ widereal (i + j - 1, 3);
%! R = chol (A);
%! assert (double (max (max (abs (R'*R - A)))) < 1e-55);
%! # the last pivot (5.7e-9) comes from entries near 1: about 9 of the 58 digits cancel
%! assert (double (abs (R(8,8) - widereal ("7.5232776732855805850413080803853916294345798471088e-5", 3))) < 1e-53);
%! assert (double (tril (R, -1)), zeros (8));
%! L = chol (A, "lower");
%! assert (isequal (L, R'));
%!test # the lower triangle alone with "lower", the upper alone otherwise
%! assert (double (chol (widereal ([4 99; 2 5]), "lower")), [2 0; 1 2]);
%! assert (double (chol (widereal ([4 2; 99 5]))), [2 1; 0 2]);
%!test # the first pivot that is not positive
%! [R, k] = chol (widereal ([1 2; 2 1]));
%! assert (k, 2);
%! assert (double (R), 1);
%! [R, k] = chol (widereal ([4 2 1; 2 1 0; 1 0 5]));
%! assert (k, 2);
%! [R, k] = chol (widereal ([-1 0; 0 1]));
%! assert ([k size(R)], [1 0 0]);
%! [R, k] = chol (widereal ([4 2 6; 2 2 5; 6 5 14]));
%! assert (k, 0);
%! assert (double (R), [2 1 3; 0 1 2; 0 0 1]);
%!error <input matrix must be positive definite> chol (widereal ([1 2; 2 1]))
%!error <optional argument must be one of> chol (widereal (1), "sideways")
%!error <square> chol (widereal ([1 2]))
