## -*- texinfo -*-
## @deftypefn {} {@var{r} =} wr_new (@var{w}, @var{p}, @var{sz})
## The widereal object with words @var{w} (uint64, p+1 rows, one column per
## element), precision @var{p} and size @var{sz}, without any check: the
## cheapest way from words to an object, for the class's own methods.  Only
## the constructor may call @code{class}, so a zero made by it once serves
## as the template whose fields are replaced.
##
## @example
## r = wr_new (zeros (5, 1, "uint64"), 4, [1 1]);   # a zero of 4 words
## @end example
## @end deftypefn
function r = wr_new (w, p, sz)
  persistent proto = widereal ();
  r = proto;
  r.w = w;
  r.p = p;
  r.sz = sz;
endfunction
