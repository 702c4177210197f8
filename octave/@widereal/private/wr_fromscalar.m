## -*- texinfo -*-
## @deftypefn {} {@var{w} =} wr_fromscalar (@var{v}, @var{p})
## The p+1 words of the real double scalar @var{v} when it is finite
## (exactly: at most 52 fraction bits), or [] for an infinity or NaN: the
## short way for the commonest operand, a number typed in.
##
## @example
## w = wr_fromscalar (-0.75, 4);   # [0xbfffffffffffffff; 2^63; 0; 0; 0]
## @end example
## @end deftypefn
function w = wr_fromscalar (v, p)
  [m, e] = log2 (v);
  w = zeros (p + 1, 1, "uint64");
  if (m * m >= 0.25 && m * m < 1)           # finite and nonzero
    w(1) = 0x3ffffffffffffffeu64 + e + (m < 0) * 2^63;
    w(2) = (2 * abs (m) - 1) * 2^64;
  elseif (v == 0)
    w(1) = (1 / v < 0) * 2^63;              # the sign of -0
  else
    w = [];
  endif
endfunction
