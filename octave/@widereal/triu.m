## -*- texinfo -*-
## @deftypefn  {} {@var{U} =} triu (@var{A})
## @deftypefnx {} {@var{U} =} triu (@var{A}, @var{k})
## The widereal matrix @var{A} with the entries below its @var{k}-th diagonal
## set to zero, as for numeric matrices.
##
## @example
## U = triu (widereal (magic (3)))
## @end example
## @end deftypefn
function y = triu (x, varargin)
  y = wr_index (x, triu (reshape (1:prod (x.sz), x.sz), varargin{:}));
endfunction
