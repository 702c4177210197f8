## -*- texinfo -*-
## @deftypefn {} {@var{n} =} wr_alldigits (@var{p})
## Decimal digits that show a widereal of precision @var{p} whole: the
## 64p+1 significant bits need ceil ((64p+1) log10 (2)) digits.
##
## @example
## wr_alldigits (4)   # 78
## @end example
## @end deftypefn
function n = wr_alldigits (p)
  n = ceil ((64 * p + 1) * log10 (2));
endfunction
