## -*- texinfo -*-
## @deftypefn {} {[@var{c}, @var{sz}, @var{A}, @var{B}, @var{p}] =} wr_cmp (@var{a}, @var{b})
## Three-way comparison of two operands (widereal or real numeric, broadcast
## as in wr_operands): -1, 0 or 1 per element, of size @var{sz}.  Values are
## compared, whatever the precisions: +0 equals -0, -Inf and Inf are the
## ends.  @var{A}, @var{B} and @var{p} are the operands' words as wr_operands
## gives them.
##
## @example
## c = wr_cmp (widereal ("1/3"), 1/3);   # 1: the double 1/3 is smaller
## @end example
## @end deftypefn
function [c, sz, A, B, p] = wr_cmp (a, b)
  [A, B, p, sz] = wr_operands (a, b);
  if (isempty (A))
    c = zeros (sz);
    return;
  endif
  D = wr_keys (A) - wr_keys (B);          # exact: halves are below 2^32
  nz = D != 0;
  [any_nz, j] = max (nz, [], 2);
  c = zeros (sz);
  k = find (any_nz);
  c(k) = sign (D(k + (j(k) - 1) * rows (D)));
endfunction
