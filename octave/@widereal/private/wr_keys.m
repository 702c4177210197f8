## -*- texinfo -*-
## @deftypefn {} {@var{K} =} wr_keys (@var{w})
## Ordering keys of the elements with words @var{w} (p+1 rows, one column
## per element): one row of doubles per element that sorts lexicographically
## like the numbers.  Column 1 is the sign class (-1, 0, 1; both zeros give
## 0), then the exponent field and fraction words cut in 32-bit halves
## (exact in doubles) times the sign class, so negative magnitudes order
## backwards.  Infinities have the largest exponent field and sort last.
##
## @example
## [~, i] = sortrows (wr_keys (x.w));   # ascending order of x(:)
## @end example
## @end deftypefn
function K = wr_keys (w)
  field = bitand (w(1, :), uint64 (9223372036854775807));
  s = 1 - 2 * double (bitshift (w(1, :), -63));
  s(field == 0) = 0;
  w(1, :) = field;
  h = [double(bitshift (w, -32)); double(bitand (w, uint64 (4294967295)))];
  n = rows (w);
  h = h([1:n; n+1:2*n](:), :);            # high half then low half, per word
  K = [s; h .* s].';
endfunction
