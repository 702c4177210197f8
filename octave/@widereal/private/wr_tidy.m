## -*- texinfo -*-
## @deftypefn {} {@var{R} =} wr_tidy (@var{R})
## The words @var{R} (one column per element) with the fraction words of
## every zero and infinity cleared: the library writes only word 0 of such
## results, and a plug-in that accumulates in place leaves older words
## behind them.
##
## @example
## R = wr_tidy (R);
## @end example
## @end deftypefn
function R = wr_tidy (R)
  E = 0x7fffffffffffffffu64;
  e = bitand (R(1, :), E);
  t = e == 0 | e == E;
  if (any (t))
    R(2:end, t) = 0;
  endif
endfunction
