## -*- texinfo -*-
## @deftypefn {} {@var{M} =} wr_byrowscopy (@var{w}, @var{m}, @var{n})
## A fresh, unshared copy of the m-by-n matrix whose words @var{w} are in
## Octave's order, stored by rows, for a plug-in that works in place on it.
## Indexing with a rearranging index list copies already; only when the
## list is the identity (a single row or column) may Octave hand back the
## same memory, and then the words are copied explicitly.
##
## @example
## wr_det (wr_byrowscopy (x, n, n), n, q, D);
## @end example
## @end deftypefn
function M = wr_byrowscopy (w, m, n)
  M = w(:, wr_rowsidx (m, n));
  if (m == 1 || n == 1)
    M += uint64 (0);
  endif
endfunction
