## -*- texinfo -*-
## @deftypefn {} {@var{R} =} wr_addwords (@var{x}, @var{y}, @var{p})
## Element-wise sums of the words @var{x} and @var{y} (p+1 rows, one column
## per element, same size): one call of wr_sum over the pairs, truncated
## toward zero, then the infinities and tidy zeros of wr_sumfix where an
## operand or a result is zero or infinite.
##
## @example
## R = wr_addwords (x, y, p);
## @end example
## @end deftypefn
function R = wr_addwords (x, y, p)
  n = columns (x);
  R = zeros (p + 1, n, "uint64");
  X = [x; y];
  wr_sum (R, X, 2, n, p);
  t = bitand ([x(1, :), y(1, :), R(1, :)], 0x7fffffffffffffffu64);
  if (any (t == 0 | t == 0x7fffffffffffffffu64))
    R = wr_sumfix (R, reshape (X, p + 1, []), 2);
  endif
endfunction
