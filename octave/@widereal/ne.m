## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} ne (@var{a}, @var{b})
## @deftypefnx {} {@var{tf} =} @var{a} != @var{b}
## True where @var{a} differs from @var{b}, element by element.  Either operand may be a
## double, integer or logical array, taken exactly at the other's precision;
## precisions may differ (values are compared).  Scalars and compatible sizes
## broadcast.  Both zeros are equal; -Inf and Inf are the smallest and
## largest values.
##
## Complex operands are equal where both parts are.
##
## @example
## widereal (-0) != 0   # false
## @end example
## @seealso{wr_cmp, isequal}
## @end deftypefn
function tf = ne (a, b)
  tf = wr_cmp (a, b, true) != 0;
endfunction
