## -*- texinfo -*-
## @deftypefn {} {@var{y} =} wr_index (@var{x}, @var{j})
## The widereal array of the elements @var{x}(@var{j}), shaped like the
## array of linear indices @var{j}; an index 0 gives a zero.  Rearrangements
## are done on an index array by Octave's own functions and then applied to
## the words.
##
## @example
## y = wr_index (x, reshape (1:numel (x), size (x)).');   # transpose
## y = wr_index (x, triu (reshape (1:numel (x), size (x))));
## @end example
## @end deftypefn
function y = wr_index (x, j)
  y = x;
  if (any (j(:) == 0))
    n = columns (x.w);
    j(j == 0) = n + 1;
    y.w = [x.w, wr_conv("scalar", x.p, 0)](:, j(:));
  else
    y.w = x.w(:, j(:));
  endif
  y.sz = size (j);
endfunction
