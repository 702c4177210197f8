## -*- texinfo -*-
## @deftypefn {} {@var{y} =} wr_index (@var{x}, @var{j})
## The widereal array of the elements @var{x}(@var{j}), shaped like the
## array of linear indices @var{j}: rearrangements are done on an index
## array by Octave and then applied to the words.
##
## @example
## y = wr_index (x, reshape (1:numel (x), size (x)).');   # transpose
## @end example
## @end deftypefn
function y = wr_index (x, j)
  y = x;
  y.w = x.w(:, j(:));
  y.sz = size (j);
endfunction
