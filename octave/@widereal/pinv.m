## -*- texinfo -*-
## @deftypefn  {} {@var{X} =} pinv (@var{A})
## @deftypefnx {} {@var{X} =} pinv (@var{A}, @var{tol})
## Pseudo-inverse of the widereal matrix @var{A} from its economy singular
## value decomposition: @code{X = V(:,1:r) * diag (1 ./ s(1:r)) * U(:,1:r)'}
## with r the number of singular values above @var{tol}, by default Octave's
## @code{max (size (A)) * s(1) * eps}, eps = 2^(-64p) (p the precision of
## A).
##
## Rounding: the factors are rounded to p words as @code{svd} states, then
## the quotient and the product are rounded as @code{./} and @code{*} do.
## Not correctly rounded: the relative error is about n 2^(-64p) s(1) / s(r).
##
## @example
## pinv (widereal ([1 2; 3 4; 5 6]))
## @end example
## @seealso{svd, inv, rank}
## @end deftypefn
function X = pinv (A, tol)
  wr_realonly ("pinv", A);
  if (! isobject (A))
    A = widereal (A);
  endif
  if (numel (A.sz) > 2)
    error ("Octave:invalid-input-arg", "pinv: A must be a 2-D matrix");
  endif
  m = A.sz(1);
  n = A.sz(2);
  if (m == 0 || n == 0)
    X = widereal (zeros (n, m), A.p);
    return;
  endif
  [U, S, V] = svd (A, "econ");
  s = diag (S);
  if (nargin < 2)
    tol = max (m, n) * wr_new (s.w(:, 1), s.p, [1 1]) * pow2 (widereal (1, A.p), -64 * A.p);
  endif
  r = sum (s > tol);
  if (r == 0)
    X = widereal (zeros (n, m), A.p);
  else
    ## the first r columns of V and U, and s(1:r) as a row (methods do not
    ## index their own class through subsref)
    Vr = wr_new (V.w(:, 1:n*r), A.p, [n r]);
    Ur = wr_new (U.w(:, 1:m*r), A.p, [m r]);
    X = (Vr ./ wr_new (s.w(:, 1:r), A.p, [1 r])) * Ur';
  endif
endfunction

%!test
%! A = widereal ([1 2; 3 4; 5 6], 3);
%! X = pinv (A);
%! ## reference: mpmath (A'A)^-1 A' at 150 digits
%! R = widereal ({"-1.3333333333333333333333333333333333333333333333333333333333", "-0.33333333333333333333333333333333333333333333333333333333333", "0.66666666666666666666666666666666666666666666666666666666667";
%!                "1.0833333333333333333333333333333333333333333333333333333333", "0.33333333333333333333333333333333333333333333333333333333333", "-0.41666666666666666666666666666666666666666666666666666666667"}, 3);
%! assert (double (max (abs (X - R)(:))) < 2^-180);
%! assert (double (max (abs (pinv (A') - R')(:))) < 2^-180);
%! assert (double (max (abs (pinv (widereal ([1 2; 2 4])) - [1 2; 2 4] / 25)(:))) < 1e-17);
%! assert (double (pinv (widereal (zeros (2, 3)))), zeros (3, 2));
%! assert (double (pinv (widereal ([1 0; 0 1e-30]), 1e-20)), [1 0; 0 0], 1e-60);
