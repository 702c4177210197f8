## -*- texinfo -*-
## @deftypefn {} {@var{w} =} wr_zeros (@var{n}, @var{p})
## An element array of @var{n} widereal zeros of precision @var{p}: a uint64
## column of n*(p+1) words, ready to be passed to a plug-in as a result or
## work array.
## @end deftypefn
function w = wr_zeros (n, p)
  if (nargin != 2)
    print_usage ();
  endif
  w = zeros (n * (p + 1), 1, "uint64");
endfunction
