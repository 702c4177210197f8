## -*- texinfo -*-
## @deftypefn  {} {@var{c} =} cumsum (@var{x})
## @deftypefnx {} {@var{c} =} cumsum (@var{x}, @var{dim})
## Cumulative sums of the widereal array @var{x} along dimension @var{dim}
## (default: the first that is not 1), each sum truncated toward zero to p
## words.  One wr_sum call per position along @var{dim} adds all the runs at
## once.  Inf and -Inf in one run raise @code{widefp:domain}.
##
## @example
## cumsum (widereal ([1 2 3]))   # [1 3 6]
## @end example
## @seealso{sum}
## @end deftypefn
function c = cumsum (x, dim = [])
  [G, osz, len, k] = wr_groups (x, dim);
  p = x.p;
  count = prod (osz);
  C = reshape (G, p + 1, len, count);
  for j = 2:len
    X = [C(:, j - 1, :); C(:, j, :)];
    R = zeros (p + 1, count, "uint64");
    wr_sum (R, X, 2, count, p);
    C(:, j, :) = wr_sumfix (R, reshape (X, p + 1, []), 2);
  endfor
  W = zeros (p + 1, numel (k), "uint64");
  W(:, k) = reshape (C, p + 1, []);
  c = wr_new (W, p, x.sz);
endfunction

%!test
%! assert (double (cumsum (widereal ([1 2 3]))), [1 3 6]);
%! assert (double (cumsum (widereal ([1 2; 3 4]))), [1 2; 4 6]);
%! assert (double (cumsum (widereal ([1 2; 3 4]), 2)), [1 3; 3 7]);
%! assert (double (cumsum (widereal ([1 Inf 2]))), [1 Inf Inf]);
%! assert (size (cumsum (widereal (zeros (0, 2)))), [0 2]);
%!error <Inf - Inf> cumsum (widereal ([Inf -Inf]))
