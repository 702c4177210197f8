## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} wr_iszerow (@var{w})
## Row of flags: true for the columns of @var{w} (one element each) that
## hold +0 or -0 (exponent field zero).
##
## @example
## tf = wr_iszerow (x.w);
## @end example
## @end deftypefn
function tf = wr_iszerow (w)
  tf = bitand (w(1, :), uint64 (9223372036854775807)) == 0;
endfunction
