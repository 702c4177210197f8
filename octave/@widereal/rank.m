## -*- texinfo -*-
## @deftypefn  {} {@var{r} =} rank (@var{A})
## @deftypefnx {} {@var{r} =} rank (@var{A}, @var{tol})
## Rank of the widereal matrix @var{A}: the number of singular values (from
## @code{svd}) above @var{tol}, by default Octave's
## @code{max (size (A)) * s(1) * eps} with eps = 2^(-64p) the spacing of
## widereals at 1 (p the precision of A).
##
## Accuracy: the singular values carry an absolute error of about
## n 2^(-64(p+2)) s(1) (see @code{svd}), far below the default tolerance.
##
## @example
## rank (widereal ([1 2; 2 4]))   # 1
## @end example
## @seealso{svd, null, orth, pinv}
## @end deftypefn
function r = rank (A, tol)
  wr_realonly ("rank", A);
  if (! isobject (A))
    A = widereal (A);
  endif
  s = svd (A);
  if (isempty (s))
    r = 0;
    return;
  endif
  if (nargin < 2)
    tol = max (A.sz) * wr_new (s.w(:, 1), s.p, [1 1]) * pow2 (widereal (1, A.p), -64 * A.p);
  endif
  r = sum (s > tol);
endfunction

%!test
%! assert (rank (widereal ([1 2; 2 4])), 1);
%! assert (rank (widereal (magic (4), 3)), 3);
%! H = widereal (1 ./ ((1:12)' + (1:12) - 1), 4);      # cond near 1.7e16: full rank here
%! assert (rank (H), 12);
%! assert (rank (H, 1e-10), 9);
%! assert (rank (widereal (zeros (3, 0))), 0);
