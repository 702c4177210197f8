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
    z = wr_conv ("scalar", x.p, 0);
    if (rows (x.w) > x.p + 1)               # complex: a zero of both parts
      z = [z; z];
    endif
    y.w = [x.w, z](:, j(:));
  else
    y.w = x.w(:, j(:));
  endif
  y.sz = size (j);
  if (rows (y.w) > y.p + 1)
    y = wr_narrow (y);                      # as Octave, for complex x
  endif
endfunction
