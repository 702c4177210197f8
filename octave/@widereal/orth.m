## -*- texinfo -*-
## @deftypefn  {} {@var{Q} =} orth (@var{A})
## @deftypefnx {} {@var{Q} =} orth (@var{A}, @var{tol})
## Orthonormal basis of the range of the widereal matrix @var{A}: the left
## singular vectors (from the economy @code{svd}) of the singular values
## above @var{tol}, by default @code{max (size (A)) * s(1) * eps}, eps =
## 2^(-64p).  The signs of the columns are those of @code{svd}.
##
## Accuracy: the columns are orthonormal to about n 2^(-64p) and span the
## range to within that relative to s(1) / s(r), r the rank.
##
## @example
## orth (widereal ([1 1; 1 1]))   # [1; 1] / sqrt (2), up to sign
## @end example
## @seealso{null, rank, svd}
## @end deftypefn
function Q = orth (A, tol)
  wr_realonly ("orth", A);
  if (! isobject (A))
    A = widereal (A);
  endif
  if (isempty (A.w))
    Q = widereal (zeros (0, 0), A.p);
    return;
  endif
  [U, S] = svd (A, "econ");
  s = diag (S);
  if (nargin < 2)
    tol = max (A.sz) * wr_new (s.w(:, 1), s.p, [1 1]) * pow2 (widereal (1, A.p), -64 * A.p);
  endif
  r = sum (s > tol);
  m = A.sz(1);
  Q = wr_new (U.w(:, 1:m*r), A.p, [m r]);     # the first r columns
endfunction

%!test
%! Q = orth (widereal ([1 1; 1 1], 3));
%! assert (size (Q), [2 1]);
%! assert (double (abs (abs (Q) - sqrt (widereal (0.5, 3)))) < 2^-185);
%! A = widereal ([1 2 3; 4 5 6; 7 8 9], 3);
%! Q = orth (A);
%! assert (size (Q), [3 2]);
%! assert (double (max (abs (Q' * Q - eye (2))(:))) < 2^-185);
%! assert (double (max (abs (Q * (Q' * A) - A)(:))) < 2^-180);
