## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} wr_isinfw (@var{w})
## Row of flags: true for the columns of @var{w} (one element each) that
## hold an infinity (exponent field all ones).
##
## @example
## tf = wr_isinfw (x.w);
## @end example
## @end deftypefn
function tf = wr_isinfw (w)
  tf = bitand (w(1, :), uint64 (9223372036854775807)) ...
       == uint64 (9223372036854775807);
endfunction
