## -*- texinfo -*-
## @deftypefn {} {@var{y} =} wr_cxprods (@var{x}, @var{dim}, @var{cumulative})
## The products of the complex widereal array @var{x} along @var{dim} (as
## prod), or with @var{cumulative} true all the partial products (as
## cumprod), by complex multiplications in turn (times), each rounded as
## times rounds; the results narrowed as Octave narrows them.
##
## @example
## y = wr_cxprods (x, [], false);   # prod (x)
## @end example
## @end deftypefn
function y = wr_cxprods (x, dim, cumulative)
  [~, osz, len, k] = wr_groups (x, dim);
  if (len == 0)
    if (cumulative)
      y = x;
    else
      y = widereal (ones (osz), x.p);
    endif
    return;
  endif
  K = reshape (k, len, []);
  y = wr_new (x.w(:, K(1, :)), x.p, [1, columns(K)]);
  W = x.w;
  for j = 2:len
    y = y .* wr_new (x.w(:, K(j, :)), x.p, [1, columns(K)]);
    if (rows (y.w) == y.p + 1)              # narrowed on the way: widened
      y = complex (y);
    endif
    if (cumulative)
      W(:, K(j, :)) = y.w;
    endif
  endfor
  if (cumulative)
    y.w = W;
    y.sz = x.sz;
  else
    y.sz = osz;
  endif
  y = wr_narrow (y);
endfunction
