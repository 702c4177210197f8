## -*- texinfo -*-
## @deftypefn  {} {@var{L} =} tril (@var{A})
## @deftypefnx {} {@var{L} =} tril (@var{A}, @var{k})
## The widereal matrix @var{A} with the entries above its @var{k}-th diagonal
## set to zero, as for numeric matrices.
##
## @example
## L = tril (widereal (magic (3)))
## @end example
## @end deftypefn
function y = tril (x, varargin)
  y = wr_index (x, tril (reshape (1:prod (x.sz), x.sz), varargin{:}));
endfunction
