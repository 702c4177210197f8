## -*- texinfo -*-
## @deftypefn {} {[@var{zero}, @var{inf}, @var{neg}] =} wr_special (@var{W})
## Masks (one entry per column of the words @var{W}) of zeros, infinities
## and elements with the sign bit set (-0 included).
##
## @example
## [zero, inf, neg] = wr_special (x.w);
## @end example
## @end deftypefn
function [zero, inf, neg] = wr_special (W)
  field = bitand (W(1, :), 0x7fffffffffffffffu64);
  zero = field == 0;
  inf = field == 0x7fffffffffffffffu64;
  neg = bitand (W(1, :), 0x8000000000000000u64) != 0;
endfunction
