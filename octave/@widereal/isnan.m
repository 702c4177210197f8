## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isnan (@var{x})
## All false: widereal numbers have no NaN.  (Operations that would make one
## raise @code{widefp:domain} instead.)
##
## @example
## isnan (widereal ([1 Inf]))   # [false false]
## @end example
## @end deftypefn
function tf = isnan (x)
  tf = false (x.sz);
endfunction
