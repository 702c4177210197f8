## -*- texinfo -*-
## @deftypefn {} {@var{k} =} wr_maxabs (@var{W})
## Index of the column of @var{W} (words of finite or infinite elements, one
## column per element) of largest magnitude; with the sign bit cleared the
## words order magnitudes lexicographically, so the candidates are narrowed
## word by word.  Empty @var{W} gives [].
##
## @example
## k = wr_maxabs (x.w);
## @end example
## @end deftypefn
function k = wr_maxabs (W)
  k = 1:columns (W);
  if (isempty (k))
    return;
  endif
  W(1, :) = bitand (W(1, :), 0x7fffffffffffffffu64);
  for j = 1:rows (W)
    v = W(j, k);
    k = k(v == max (v));
    if (numel (k) == 1)
      break;
    endif
  endfor
  k = k(1);
endfunction
