## -*- texinfo -*-
## @deftypefn {} {[@var{zero}, @var{inf}, @var{neg}] =} wr_special (@var{W})
## Masks (one entry per column of the words @var{W}, p+1 rows) of zeros,
## infinities and elements with the sign bit set (-0 included), from the
## gateway wr_conv.
##
## @example
## [zero, inf, neg] = wr_special (x.w);
## @end example
## @end deftypefn
function [zero, inf, neg] = wr_special (W)
  [zero, inf, neg] = wr_conv ("special", rows (W) - 1, W);
endfunction
