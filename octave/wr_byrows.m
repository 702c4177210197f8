## -*- texinfo -*-
## @deftypefn {} {@var{r} =} wr_byrows (@var{w}, @var{m}, @var{n}, @var{p})
## Reorders the element array @var{w} of an @var{m}-by-@var{n} matrix stored
## by columns (Octave's order: element (i,j) at index (j-1)*m + i-1) into
## storage by rows (element (i,j) at index (i-1)*n + j-1), as the linear
## algebra plug-ins and the left factor of wr_matmul expect.  Applied with
## the sizes exchanged, wr_byrows (r, n, m, p), it turns storage by rows back
## into storage by columns.  The result is a new uint64 column.
##
## @example
## p = 1;
## w = wr_fromdouble ([1 2; 3 4], p);          # by columns: 1 3 2 4
## wr_todoubles (wr_byrows (w, 2, 2, p), p)'   # by rows: 1 2 3 4
## @end example
## @end deftypefn
function r = wr_byrows (w, m, n, p)
  if (nargin != 4)
    error ("widefp:nargin", "wr_byrows: expected 4 arguments (w, m, n, p)");
  endif
  m = wr_need_count (m, "wr_byrows: m", 0, 2^31 - 1);
  n = wr_need_count (n, "wr_byrows: n", 0, 2^31 - 1);
  p = wr_need_count (p, "wr_byrows: p", 1, 2^31 - 2);
  wr_need_words (w, 0, "wr_byrows: w");
  if (numel (w) != m * n * (p + 1))
    error ("widefp:size", "wr_byrows: w holds %d words, an %d-by-%d matrix at p = %d has %d",
           numel (w), m, n, p, m * n * (p + 1));
  endif
  r = reshape (permute (reshape (typecast (w(:), "uint64"), p + 1, m, n), [1 3 2]), [], 1);
endfunction
