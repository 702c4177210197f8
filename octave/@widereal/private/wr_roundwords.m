## -*- texinfo -*-
## @deftypefn {} {@var{r} =} wr_roundwords (@var{w}, @var{p}, @var{q})
## The words @var{w} (p+1 rows, one column per element) rounded to nearest,
## ties to even, at the smaller precision @var{q}: new words from the
## gateway wr_rnd (a carry out of the fraction raises the exponent, the
## largest exponent becomes infinity).
##
## @example
## r = wr_roundwords (x.w, 8, 4);
## @end example
## @end deftypefn
function r = wr_roundwords (w, p, q)
  r = wr_rnd ("prec", 0, q, w, p);
endfunction
