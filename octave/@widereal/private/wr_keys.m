## -*- texinfo -*-
## @deftypefn {} {@var{K} =} wr_keys (@var{w})
## Ordering keys of the elements with words @var{w} (p+1 rows, one column
## per element): one row of doubles per element that sorts lexicographically
## like the numbers.  Column 1 is the sign class (-1, 0, 1; both zeros give
## 0), then the exponent field and fraction words cut in 32-bit halves
## (exact in doubles) times the sign class, so negative magnitudes order
## backwards.  Infinities have the largest exponent field and sort last;
## their fraction words, like a zero's, do not count.
##
## @example
## [~, i] = sortrows (wr_keys (x.w));   # ascending order of x(:)
## @end example
## @end deftypefn
function K = wr_keys (w)
  [zero, inf, neg] = wr_special (w);
  s = 1 - 2 * neg;
  s(zero) = 0;
  w(1, :) = bitand (w(1, :), 0x7fffffffffffffffu64);
  w(2:end, inf) = 0;                      # whatever an infinity's fraction
  h = [double(bitshift (w, -32)); double(bitand (w, 0xffffffffu64))];
  n = rows (w);
  h = h([1:n; n+1:2*n](:), :);            # high half then low half, per word
  K = [s; h .* s].';
endfunction
