## -*- texinfo -*-
## @deftypefn {} {@var{w} =} wr_pi (@var{p}, @var{scale})
## Words of pi times 2^@var{scale} (default 0) at precision @var{p},
## truncated (wr_const), as one column: @code{wr_pi (p, -1)} is pi/2.
##
## @example
## halfpi = wr_pi (4, -1);
## @end example
## @end deftypefn
function w = wr_pi (p, scale = 0)
  w = zeros (p + 1, 1, "uint64");
  wr_const ("pi", w, p);
  if (scale >= 0)                # pi is positive and finite: the exponent moves
    w(1) += uint64 (scale);
  else
    w(1) -= uint64 (-scale);
  endif
endfunction
