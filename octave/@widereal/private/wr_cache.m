## -*- texinfo -*-
## @deftypefn {} {@var{c} =} wr_cache (@var{p})
## The reciprocal cache of precision @var{p} that wr_log, wr_pow and
## wr_atan share: 500*(p+2) words, zero when first made, then filled by
## those plug-ins in place and kept for later calls at the same @var{p}.
## It is the one array a plug-in is meant to write through shared memory:
## it is never handed to the user.
##
## @example
## wr_log (r, x, p, work, wr_cache (p));
## @end example
## @end deftypefn
function c = wr_cache (p)
  persistent caches = {};
  if (numel (caches) < p || isempty (caches{p}))
    caches{p} = zeros (500 * (p + 2), 1, "uint64");
  endif
  c = caches{p};
endfunction
