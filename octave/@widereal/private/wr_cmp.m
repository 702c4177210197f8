## -*- texinfo -*-
## @deftypefn {} {@var{c} =} wr_cmp (@var{a}, @var{b})
## Three-way comparison of two operands (widereal or real numeric, broadcast
## by Octave's rules): -1, 0 or 1 per element, an array of the broadcast
## size.  Values are compared, whatever the precisions: +0 equals -0, -Inf
## and Inf are the ends.  The gateway wr_order compares; widereals of
## any precisions and real doubles of equal sizes, or with a single
## element on one side, go to it as they are; other numbers and
## broadcasts first through wr_operands.  When an operand is complex, in
## Octave's order of complex numbers, by modulus and then by argument
## (wr_cxcmp); with @var{equality} true only 0 (equal: both parts) or 1.
##
## @example
## c = wr_cmp (widereal ("1/3"), 1/3);   # 1: the double 1/3 is smaller
## @end example
## @end deftypefn
function c = wr_cmp (a, b, equality)
  ## real operands the common way (the gateway refuses complex words and
  ## sizes that would broadcast), else the complex order or wr_operands
  ok = false;
  if (isobject (a))
    if (isobject (b))
      [c, ok] = wr_order ("cmp", a.w, a.p, b.w, b.p, a.sz, b.sz);
    elseif (isa (b, "double"))
      [c, ok] = wr_order ("cmp", a.w, a.p, b, 1, a.sz, []);
    endif
  elseif (isa (a, "double"))
    [c, ok] = wr_order ("cmp", a, 1, b.w, b.p, [], b.sz);
  endif
  if (ok)
    return;
  endif
  if (isobject (a))
    cx = rows (a.w) > a.p + 1;
  else
    cx = isnumeric (a) && ! isreal (a);
  endif
  if (isobject (b))
    cx = cx || rows (b.w) > b.p + 1;
  else
    cx = cx || (isnumeric (b) && ! isreal (b));
  endif
  if (cx)                                   # complex: Octave's order
    c = wr_cxcmp (a, b, nargin > 2 && equality);
    return;
  endif
  [A, B, p, sz] = wr_operands (a, b);       # other numbers, broadcasting
  c = reshape (wr_order ("cmp", A, p, B, p), sz);
endfunction
