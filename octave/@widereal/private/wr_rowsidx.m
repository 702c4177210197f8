## -*- texinfo -*-
## @deftypefn {} {@var{k} =} wr_rowsidx (@var{m}, @var{n})
## Column indices that take the elements of an @var{m}-by-@var{n} matrix
## stored by columns (Octave's order) in storage by rows, as the linear
## algebra plug-ins and the left factor of wr_matmul read them:
## @code{w(:, wr_rowsidx (m, n))}.  With the sizes exchanged the same
## indices bring storage by rows back to storage by columns.
##
## @example
## wr_rowsidx (2, 3)   # 1 3 5 2 4 6
## @end example
## @end deftypefn
function k = wr_rowsidx (m, n)
  k = reshape (reshape (1:m*n, m, n).', 1, []);
endfunction
