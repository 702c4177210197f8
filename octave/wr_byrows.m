## -*- texinfo -*-
## @deftypefn {} {@var{r} =} wr_byrows (@var{w}, @var{m}, @var{n}, @var{p})
## Reorders the element array @var{w} of an @var{m}-by-@var{n} matrix stored
## by columns (Octave's order: element (i,j) at index (j-1)*m + i-1) into
## storage by rows (element (i,j) at index (i-1)*n + j-1), as the linear
## algebra plug-ins and the left factor of wr_matmul expect.  Applied with
## the sizes exchanged, wr_byrows (r, n, m, p), it turns storage by rows back
## into storage by columns.  The result is a new uint64 column.
## @end deftypefn
function r = wr_byrows (w, m, n, p)
  if (nargin != 4 || numel (w) != m * n * (p + 1))
    print_usage ();
  endif
  r = reshape (permute (reshape (uint64 (w), p + 1, m, n), [1 3 2]), [], 1);
endfunction
