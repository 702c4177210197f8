## -*- texinfo -*-
## @deftypefn {} {@var{r} =} wr_cxrank (@var{x}, @var{exact})
## Dense ranks (doubles, the size of @var{x}) of the elements of the
## widereal array @var{x} in Octave's order of complex numbers: by modulus,
## then by argument (see wr_cxkeys).  With @var{exact} true, elements whose
## keys agree but whose values differ get different ranks (ordered by
## real, then imaginary part), so that equal ranks mean equal values.
##
## @example
## r = wr_cxrank (x);   # [~, i] = sort (r) sorts x
## @end example
## @end deftypefn
function r = wr_cxrank (x, exact = false)
  [m, a] = wr_cxkeys (x);
  K = [wr_order("rank", m.w, m.p)(:), wr_order("rank", a.w, a.p)(:)];
  if (exact)
    p = x.p;
    K(:, 3) = wr_order ("rank", x.w(1:p+1, :), p)(:);
    if (rows (x.w) > p + 1)
      K(:, 4) = wr_order ("rank", x.w(p+2:end, :), p)(:);
    endif
  endif
  [~, ~, r] = unique (K, "rows");
  r = reshape (r, x.sz);
endfunction
