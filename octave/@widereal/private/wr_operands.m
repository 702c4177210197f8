## -*- texinfo -*-
## @deftypefn  {} {[@var{x}, @var{y}, @var{p}, @var{sz}] =} wr_operands (@var{a}, @var{b})
## @deftypefnx {} {[@var{x}, @var{y}, @var{p}, @var{sa}, @var{sb}] =} wr_operands (@var{a}, @var{b}, false)
## The words (p+1 rows, one column per element) of the two operands of a
## binary operation, at least one a widereal.  A double, single, logical or
## integer operand is converted exactly at the other's precision; two
## widereals of different precision meet at the larger one (zero words
## appended, exact).  NaN raises @code{widefp:domain}.
##
## With two arguments the operands are broadcast to a common size @var{sz}
## by Octave's rules (@code{Octave:nonconformant-args} otherwise).  With a
## third argument false they keep their sizes @var{sa}, @var{sb}.
## The arrays returned are only to be read: they may share the operands'
## memory.
##
## @example
## [x, y, p, sz] = wr_operands (widereal ([1 2]), 3);   # y repeated twice
## @end example
## @end deftypefn
function [x, y, p, sz, sb] = wr_operands (a, b, broadcast)
  if (isa (a, "widereal"))
    x = a.w;
    p = a.p;
    sz = a.sz;
    if (isa (b, "widereal"))
      y = b.w;
      sb = b.sz;
      if (b.p > p)
        x = [x; zeros(b.p - p, columns (x), "uint64")];
        p = b.p;
      elseif (b.p < p)
        y = [y; zeros(p - b.p, columns (y), "uint64")];
      endif
    else
      y = numwords (b, p);
      sb = size (b);
    endif
  else
    y = b.w;
    p = b.p;
    sb = b.sz;
    x = numwords (a, p);
    sz = size (a);
  endif
  if (nargin > 2 || (numel (sz) == numel (sb) && all (sz == sb)))
    return;
  elseif (all (sb == 1))
    y = y(:, ones (1, columns (x)));
  elseif (all (sz == 1))
    x = x(:, ones (1, columns (y)));
    sz = sb;
  else
    ka = reshape (1:columns (x), sz) + zeros (sb);   # Octave's broadcasting and
    kb = reshape (1:columns (y), sb) + zeros (sz);   # its nonconformant error
    x = x(:, ka(:));
    y = y(:, kb(:));
    sz = size (ka);
  endif
endfunction

function w = numwords (v, p)
  if (isa (v, "double") && isscalar (v) && isreal (v))  # the common case
    w = wr_fromscalar (v, p);
    if (! isempty (w))
      return;
    endif
  endif
  if (isa (v, "int64") || isa (v, "uint64"))
    w = wr_fromints (v, p);
  elseif ((isnumeric (v) || islogical (v)) && isreal (v))
    v = double (v);
    if (any (isnan (v(:))))
      error ("widefp:domain", "widereal: NaN has no widereal value");
    endif
    w = wr_fromdoubles (v, p);
  else
    error ("widefp:type", "widereal: cannot combine a widereal with a %s",
           class (v));
  endif
endfunction
