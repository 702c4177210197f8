## -*- texinfo -*-
## @deftypefn {} {@var{r} =} sqrt (@var{x})
## Element-wise square root of the widereal array @var{x}: one call of
## wr_sqrt (Newton's iteration; the result may lie a few units of the last
## place from the exact root, it is not rounded).  At p = 1 the root is
## formed at p = 2 and rounded to nearest.  sqrt (-0) is -0; a negative
## element raises @code{widefp:domain} (there are no complex widereals).
##
## @example
## sqrt (widereal (2, 8))   # 1.41421356237309504880168872420969807856967...
## @end example
## @seealso{power, norm}
## @end deftypefn
function r = sqrt (x)
  p = x.p;
  q = max (p, 2);
  n = columns (x.w);
  R = zeros (q + 1, n, "uint64");
  wr_sqrt (R, wr_lift (x.w, p, q), n, q, zeros (4 * q + 8, 1, "uint64"));
  if (q > p)
    R = wr_roundwords (R, q, p);
  endif
  r = wr_new (R, p, x.sz);
endfunction

%!test
%! r = sqrt (widereal ([4 0.25 0 -0 Inf 2], 3));
%! assert (double (r), [2 0.5 0 -0 Inf sqrt(2)]);
%! assert (1 / double (r(4)), -Inf);
%! assert (double (r(6) .* r(6) - 2), 0, 2^-185);
%! assert (double (sqrt (widereal (9, 1))), 3);
%!error <widefp:domain|negative> sqrt (widereal ([1 -1]))
