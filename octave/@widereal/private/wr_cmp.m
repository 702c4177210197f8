## -*- texinfo -*-
## @deftypefn {} {@var{c} =} wr_cmp (@var{a}, @var{b})
## Three-way comparison of two operands (widereal or real numeric, broadcast
## by Octave's rules): -1, 0 or 1 per element, an array of the broadcast
## size.  Values are compared, whatever the precisions: +0 equals -0, -Inf
## and Inf are the ends.  The gateway wr_order compares; widereals of
## any precisions and real doubles of equal sizes, or with a single
## element on one side, go to it as they are; other numbers and
## broadcasts first through wr_operands.
##
## @example
## c = wr_cmp (widereal ("1/3"), 1/3);   # 1: the double 1/3 is smaller
## @end example
## @end deftypefn
function c = wr_cmp (a, b)
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
  if (! ok)
    [A, B, p, sz] = wr_operands (a, b);     # other numbers, broadcasting
    c = reshape (wr_order ("cmp", A, p, B, p), sz);
  endif
endfunction
