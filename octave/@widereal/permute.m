## -*- texinfo -*-
## @deftypefn {} {@var{y} =} permute (@var{x}, @var{perm})
## The widereal array @var{x} with its dimensions reordered, as for
## numeric arrays.
##
## @example
## size (permute (widereal (zeros (2, 3)), [2 1]))   # [3 2]
## @end example
## @end deftypefn
function y = permute (x, perm)
  y = wr_index (x, permute (reshape (1:prod (x.sz), x.sz), perm));
endfunction
