## -*- texinfo -*-
## @deftypefn {} {@var{w} =} wr_reciprocal (@var{k}, @var{p})
## The element array (uint64 column, @var{p}+1 words per element) of the
## reciprocals 1/k of the positive integers @var{k} (each below 2^31),
## truncated toward zero to @var{p} fraction words.  The binary expansion is
## formed by long division in 16-bit steps, each exact in doubles, so no
## plug-in is needed.
##
## @example
## p = 4;
## wr_tostring (wr_reciprocal (3, p), p, 40)   # 3.333333333333333333333333333333333333333e-1
## @end example
## @end deftypefn
function w = wr_reciprocal (k, p)
  if (nargin != 2)
    error ("widefp:nargin", "wr_reciprocal: expected 2 arguments (k, p)");
  endif
  p = wr_need_count (p, "wr_reciprocal: p", 1, 2^31 - 2);
  if (! isnumeric (k) || ! isreal (k))
    error ("widefp:type", "wr_reciprocal: k must be real numbers");
  endif
  if (any (k(:) < 1 | k(:) >= 2^31 | k(:) != fix (k(:))))
    error ("widefp:range", "wr_reciprocal: every k must be an integer in 1..2^31-1");
  endif
  k = double (k(:));
  bias = uint64 (4611686018427387903);
  w = zeros (p + 1, numel (k), "uint64");
  for e = 1:numel (k)
    t = 0;                                  # 2^t <= k < 2^(t+1)
    while (2^(t + 1) <= k(e))
      t += 1;
    endwhile
    if (k(e) == 2^t)
      w(1, e) = bias - uint64 (t);          # 2^-t exactly
      continue;
    endif
    w(1, e) = bias - uint64 (t + 1);        # 1/k = 2^-(t+1) (1 + r/k)
    r = 2^(t + 1) - k(e);                   # 0 < r < k
    for j = 2:p + 1
      word = uint64 (0);
      for chunk = 1:4
        r *= 65536;
        q = floor (r / k(e));
        r -= q * k(e);
        word = bitor (bitshift (word, 16), uint64 (q));
      endfor
      w(j, e) = word;
    endfor
  endfor
  w = w(:);
endfunction
