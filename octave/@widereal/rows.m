## -*- texinfo -*-
## @deftypefn {} {@var{r} =} rows (@var{x})
## Number of rows of the widereal array @var{x}.
##
## @example
## rows (widereal (zeros (2, 5)))   # 2
## @end example
## @end deftypefn
function r = rows (x)
  r = x.sz(1);
endfunction
