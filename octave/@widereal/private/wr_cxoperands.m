## -*- texinfo -*-
## @deftypefn {} {[@var{xr}, @var{xi}, @var{yr}, @var{yi}, @var{p}, @var{sz}] =} wr_cxoperands (@var{a}, @var{b})
## The words of the real and imaginary parts of the two operands of an
## element-wise binary operation, at least one a widereal, either of them
## complex or real: widereals real or complex, doubles, singles, integers
## or logicals real or complex (converted exactly).  Each part has p+1
## rows, one column per element of the common size @var{sz} (Octave's
## broadcasting, as wr_operands); the operands meet at the larger
## precision @var{p} (the shorter extended exactly).  The imaginary part of
## a real operand is empty ([]), so that a caller can take the cheaper
## real-by-complex ways; @code{iscomplex} of an operand is
## @code{! isempty (xi)}.
##
## @example
## [xr, xi, yr, yi, p, sz] = wr_cxoperands (complex (widereal (1), 2), 1i);
## @end example
## @end deftypefn
function [xr, xi, yr, yi, p, sz] = wr_cxoperands (a, b)
  [ar, ai, ca] = parts (a);
  [br, bi, cb] = parts (b);
  [x, y, p, sz] = wr_operands (ar, br);
  xr = x;
  yr = y;
  xi = yi = [];
  if (ca)
    [xi, ~] = wr_operands (ai, br);
  endif
  if (cb)
    [~, yi] = wr_operands (ar, bi);
  endif
endfunction

## the real and imaginary parts of an operand, the latter [] if it is real
function [r, i, c] = parts (v)
  i = [];
  c = false;
  if (isobject (v))
    r = v;
    if (rows (v.w) > v.p + 1)
      r.w = v.w(1:v.p+1, :);
      i = v;
      i.w = v.w(v.p+2:end, :);
      c = true;
    endif
  elseif ((isnumeric (v) || islogical (v)) && ! isreal (v))
    r = real (v);
    i = imag (v);
    c = true;
  else
    r = v;
  endif
endfunction
