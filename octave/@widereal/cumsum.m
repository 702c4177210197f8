## -*- texinfo -*-
## @deftypefn  {} {@var{c} =} cumsum (@var{x})
## @deftypefnx {} {@var{c} =} cumsum (@var{x}, @var{dim})
## Cumulative sums of the widereal array @var{x} along dimension @var{dim}
## (default: the first that is not 1).  Inf and -Inf in one run raise
## @code{widefp:domain}.
##
## Rounding: one call of the gateway wr_rnd_reduce: each run is accumulated
## at p+2 words (at most 1023), each step truncated, and every running sum
## is rounded once to p words in the mode of @code{widereal_rounding}, with
## the bound that @code{sum} states for its terms so far.
##
## A complex array sums each part so, the result narrowed as Octave does.
##
## @example
## cumsum (widereal ([1 2 3]))   # [1 3 6]
## @end example
## @seealso{sum, widereal_rounding}
## @end deftypefn
function c = cumsum (x, dim = [])
  if (rows (x.w) > x.p + 1)                 # complex: each part
    c = wr_narrow (complex (cumsum (real (x), dim), cumsum (imag (x), dim)));
    return;
  endif
  [G, osz, len, k] = wr_groups (x, dim);
  [~, m] = widereal_rounding ();
  R = wr_rnd_reduce ("cumsum", m, x.p, G, len, prod (osz));
  W = R;
  W(:, k) = R;                               # back to the order of x
  c = wr_new (W, x.p, x.sz);
endfunction

%!test
%! assert (double (cumsum (widereal ([1 2 3]))), [1 3 6]);
%! assert (double (cumsum (widereal ([1 2; 3 4]))), [1 2; 4 6]);
%! assert (double (cumsum (widereal ([1 2; 3 4]), 2)), [1 3; 3 7]);
%! assert (double (cumsum (widereal ([1 Inf 2]))), [1 Inf Inf]);
%! assert (size (cumsum (widereal (zeros (0, 2)))), [0 2]);
%!error <Inf - Inf> cumsum (widereal ([Inf -Inf]))
