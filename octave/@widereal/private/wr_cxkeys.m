## -*- texinfo -*-
## @deftypefn {} {[@var{m}, @var{a}] =} wr_cxkeys (@var{x})
## The keys of Octave's order of complex numbers for the widereal array
## @var{x} (complex or real): @var{m} the moduli @code{hypot (re, im)} and
## @var{a} the arguments @code{atan2 (im, re)}, real widereals of the
## size and precision of @var{x}, each correctly rounded.  A zero imaginary
## part counts as +0, so every negative real number has the argument +pi
## (Octave counts -pi as pi).  Values compare by @var{m}, then by @var{a}.
##
## @example
## [m, a] = wr_cxkeys (x);
## @end example
## @end deftypefn
function [m, a] = wr_cxkeys (x)
  re = x;
  if (rows (x.w) > x.p + 1)
    re.w = x.w(1:x.p+1, :);
    im = x;
    im.w = x.w(x.p+2:end, :);
    [zero, ~, ~] = wr_conv ("special", x.p, im.w);
    if (any (zero))
      im.w(:, zero) = wr_conv ("fromnum", x.p, zeros (1, nnz (zero)));  # +0
    endif
  else
    im = wr_new (wr_conv ("fromnum", x.p, zeros (1, columns (x.w))), x.p, x.sz);
  endif
  m = hypot (re, im);
  a = atan2 (im, re);
endfunction
