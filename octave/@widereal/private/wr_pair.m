## -*- texinfo -*-
## @deftypefn {} {[@var{x}, @var{y}, @var{p}, @var{r}] =} wr_pair (@var{a}, @var{b})
## The operands of an element-wise binary operation as words
## (see wr_operands), with @var{r} a widereal of the result's size and
## precision whose words the caller replaces.  Two widereal scalars of one
## precision, or a widereal scalar and a double scalar, take a short way.
##
## @example
## [x, y, p, r] = wr_pair (a, b);  ...;  r.w = R;
## @end example
## @end deftypefn
function [x, y, p, r] = wr_pair (a, b)
  if (isobject (a))
    x = a.w;
    p = a.p;
    r = a;
    if (isobject (b))
      y = b.w;
      if (numel (x) == p + 1 && size_equal (x, y))
        return;                             # two scalars of one precision
      endif
    elseif (numel (x) == p + 1 && isa (b, "double") && isscalar (b)
            && isreal (b))
      y = wr_conv ("scalar", p, b);         # a scalar and a double scalar
      return;
    endif
  elseif (isa (a, "double") && isscalar (a) && isreal (a))
    y = b.w;
    p = b.p;
    r = b;
    if (numel (y) == p + 1)
      x = wr_conv ("scalar", p, a);         # a double scalar and a scalar
      return;
    endif
  endif
  [x, y, p, sz] = wr_operands (a, b);
  r = wr_new (x, p, sz);
endfunction
