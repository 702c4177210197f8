## -*- texinfo -*-
## @deftypefn  {} {@var{Z} =} null (@var{A})
## @deftypefnx {} {@var{Z} =} null (@var{A}, @var{tol})
## Orthonormal basis of the null space of the m-by-n widereal matrix
## @var{A}: the right singular vectors (from @code{svd}) of the singular
## values at or below @var{tol}, by default @code{max (size (A)) * s(1) *
## eps}, eps = 2^(-64p); entries below eps in magnitude are set to 0, as
## Octave does.  A wide A is completed by zero rows to a square matrix
## (same null space), so that all n right singular vectors are at hand.
##
## Accuracy: A * Z is zero to about n 2^(-64p) s(1), and Z is orthonormal
## to about n 2^(-64p).
##
## @example
## null (widereal ([1 1]))   # [-1; 1] / sqrt (2), up to sign
## @end example
## @seealso{orth, rank, svd}
## @end deftypefn
function Z = null (A, tol)
  wr_realonly ("null", A);
  if (! isobject (A))
    A = widereal (A);
  endif
  if (numel (A.sz) > 2)
    error ("Octave:invalid-input-arg", "null: A must be a 2-D matrix");
  endif
  [m, n] = deal (A.sz(1), A.sz(2));
  if (m == 0 || n == 0)
    Z = widereal (eye (n), A.p);
    return;
  endif
  if (m < n)
    B = [A; widereal(zeros (n - m, n), A.p)];
  else
    B = A;
  endif
  [~, S, V] = svd (B);
  s = diag (S);
  eps_p = pow2 (widereal (1, A.p), -64 * A.p);
  if (nargin < 2)
    tol = max (m, n) * wr_new (s.w(:, 1), s.p, [1 1]) * eps_p;
  endif
  r = sum (s > tol);
  if (r < n)
    Z = wr_new (V.w(:, n*r+1:n*n), A.p, [n, n-r]);   # the last n-r columns
    small = abs (Z) < eps_p;
    Z.w(:, small(:)) = repmat (widereal (0, A.p).w, 1, nnz (small));
  else
    Z = widereal (zeros (n, 0), A.p);
  endif
endfunction

%!test
%! Z = null (widereal ([1 1], 3));
%! assert (size (Z), [2 1]);
%! assert (double (abs (abs (Z) - sqrt (widereal (0.5, 3)))) < 2^-185);
%! A = widereal ([1 2 3; 4 5 6; 7 8 9], 3);
%! Z = null (A);                                         # [1; -2; 1] / sqrt (6)
%! assert (double (abs (abs (Z) - abs (widereal ([1; -2; 1], 3) / sqrt (widereal (6, 3))))) < 2^-180);
%! Z = null (widereal ([1 0 0 0; 0 1 0 0], 2));          # wide
%! assert (size (Z), [4 2]);
%! assert (double (Z(1:2, :)), zeros (2));
%! assert (size (null (widereal (eye (3)))), [3 0]);
