## -*- texinfo -*-
## @deftypefn {} {@var{R} =} wr_between (@var{lo}, @var{hi}, @var{t}, @var{q}, @var{p}, @var{m})
## Words at precision @var{p} of exact values v, correctly rounded in mode
## @var{m}, from their roundings at a precision @var{q} >= p+1: @var{lo}
## the words of v rounded down, @var{hi} rounded up, @var{t} the ternary
## values of @var{lo} (0 where v is exact).
##
## Where v is inexact it lies strictly between two neighbours at q, and
## every rounding boundary at p (a number of p words, or the midpoint of two
## of them) is a number of q words: none lies strictly between lo and hi,
## so v rounds as the midpoint (lo + hi) / 2 does, which is exact at q+1
## words and is rounded once.
##
## @example
## [lo, t] = wr_rnd ("add", 3, q, x, y);
## hi = wr_rnd ("add", 2, q, x, y);
## R = wr_between (lo, hi, t, q, p, m);    # x + y rounded once to p words
## @end example
## @end deftypefn
function R = wr_between (lo, hi, t, q, p, m)
  R = wr_rnd ("prec", m, p, lo, q);
  k = find (t != 0);
  if (! isempty (k))
    a = wr_rnd ("prec", 0, q + 1, lo(:, k), q);   # extensions: exact
    b = wr_rnd ("prec", 0, q + 1, hi(:, k), q);
    c = wr_rnd ("mul", 0, q + 1, wr_rnd ("add", 0, q + 1, a, b), 0.5);
    R(:, k) = wr_rnd ("prec", m, p, c, q + 1);
  endif
endfunction
