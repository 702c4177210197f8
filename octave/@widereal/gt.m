## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} gt (@var{a}, @var{b})
## @deftypefnx {} {@var{tf} =} @var{a} > @var{b}
## True where @var{a} is larger than @var{b}, element by element.  Either operand may be a
## double, integer or logical array, taken exactly at the other's precision;
## precisions may differ (values are compared).  Scalars and compatible sizes
## broadcast.  Both zeros are equal; -Inf and Inf are the smallest and
## largest values.
##
## Complex operands compare in Octave's order: by modulus, then by argument.
##
## @example
## widereal (Inf) > widereal ("1e100000")   # true
## @end example
## @seealso{wr_cmp, isequal}
## @end deftypefn
function tf = gt (a, b)
  tf = wr_cmp (a, b) > 0;
endfunction
