## -*- texinfo -*-
## @deftypefn {} {@var{y} =} repmat (@var{x}, @var{m}, @var{n}, @dots{})
## The widereal array @var{x} tiled as for numeric arrays.
##
## @example
## y = repmat (widereal ("1/3"), 2, 3)   # 2x3, every element 1/3
## @end example
## @end deftypefn
function y = repmat (x, varargin)
  y = wr_index (x, repmat (reshape (1:prod (x.sz), x.sz), varargin{:}));
endfunction
