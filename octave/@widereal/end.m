## -*- texinfo -*-
## @deftypefn {} {@var{n} =} end (@var{x}, @var{k}, @var{n})
## The value of @code{end} in position @var{k} of an index with @var{n}
## subscripts into the widereal array @var{x}.
##
## @example
## v = widereal (1:5);  v(end)   # 5
## @end example
## @end deftypefn
function e = end (x, k, n)
  sz = x.sz;
  if (n == 1)
    e = prod (sz);
  elseif (k < n)
    sz(end+1:k) = 1;
    e = sz(k);
  else
    sz(end+1:k) = 1;
    e = prod (sz(k:end));
  endif
endfunction
