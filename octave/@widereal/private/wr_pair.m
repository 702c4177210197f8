## -*- texinfo -*-
## @deftypefn {} {[@var{x}, @var{y}, @var{p}, @var{r}] =} wr_pair (@var{a}, @var{b})
## The operands of an element-wise binary operation as words
## (see wr_operands), with @var{r} a widereal of the result's size and
## precision whose words the caller replaces.  Two widereal scalars of one
## precision take a short way.
##
## @example
## [x, y, p, r] = wr_pair (a, b);  ...;  r.w = R;
## @end example
## @end deftypefn
function [x, y, p, r] = wr_pair (a, b)
  if (isobject (a) && isobject (b) && a.p == b.p && numel (a.w) == a.p + 1
      && numel (b.w) == a.p + 1)
    x = a.w;
    y = b.w;
    p = a.p;
    r = a;
  else
    [x, y, p, sz] = wr_operands (a, b);
    r = wr_new (x, p, sz);
  endif
endfunction
