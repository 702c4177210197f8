## -*- texinfo -*-
## @deftypefn {} {@var{d} =} wr_digits (@var{x}, @var{exact}, @var{p})
## Number of correct decimal digits of the widereal elements in the element
## array @var{x} (precision @var{p}) against the doubles @var{exact}, which
## must be exactly representable (integers, simple fractions): the largest
## error max |x - exact| / max |exact| is formed in widereal arithmetic with
## wr_sub (rounded difference) and only then converted to a double, so the
## count is not limited by the 16 digits of a double.  Returns
## -log10 (largest relative error), Inf when every element is exact.  When
## every reference value is zero the error is taken absolutely: -log10
## (max |x|).
##
## @example
## p = 2;
## wr_digits (wr_fromdouble (1 + 2^-40, p), 1, p)   # 12.041
## @end example
## @end deftypefn
function d = wr_digits (x, exact, p)
  if (nargin != 3)
    error ("widefp:nargin", "wr_digits: expected 3 arguments (x, exact, p)");
  endif
  p = wr_need_count (p, "wr_digits: p", 1, 2^31 - 2);
  if (! isnumeric (exact) || ! isreal (exact) || any (! isfinite (exact(:))))
    error ("widefp:type", "wr_digits: exact must be finite real numbers");
  endif
  exact = exact(:);
  n = numel (exact);
  wr_need_words (x, n * (p + 1), "wr_digits: x");
  err = 0;
  for k = 1:n
    e = wr_zeros (1, p);                  # a fresh result element for every call
    wr_sub (e, wr_element (x, k - 1, p), wr_fromdouble (exact(k), p), p);
    err = max (err, abs (wr_todouble (e)));
  endfor
  scale = max (abs (exact));
  if (scale == 0)
    scale = 1;
  endif
  d = -log10 (err / scale);
endfunction
