## -*- texinfo -*-
## @deftypefn {} {@var{W} =} wr_back (@var{W}, @var{q}, @var{p})
## The words @var{W} (one column per element) of precision @var{q}
## computed by the linear algebra at the working precision of
## @code{wr_matrixwords}, each rounded once to precision @var{p} in the
## mode of @code{widereal_rounding} by the gateway wr_rnd (zeros and
## infinities come out with their fraction words cleared).
##
## @example
## W = wr_back (M, q, p);
## @end example
## @end deftypefn
function W = wr_back (W, q, p)
  [~, m] = widereal_rounding ();
  W = wr_rnd ("prec", m, p, W, q);
endfunction
