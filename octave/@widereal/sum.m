## -*- texinfo -*-
## @deftypefn  {} {@var{s} =} sum (@var{x})
## @deftypefnx {} {@var{s} =} sum (@var{x}, @var{dim})
## Sum of the widereal array @var{x} along dimension @var{dim} (default:
## the first that is not 1).  An empty sum is 0; Inf and -Inf in one sum
## raise @code{widefp:domain}.
##
## Rounding: one call of the gateway wr_rnd_reduce for all the sums: the
## elements are added in order at q = p+2 words (at most 1023), each step
## truncated, and each sum is rounded once to p words in the mode of
## @code{widereal_rounding}.  Before that rounding a sum of n terms is
## within (n-1) u / (1 - (n-1) u) sum |x_i| of the exact sum, u =
## 2^(-64q), so the result is the exact sum correctly rounded unless that
## lies within this distance of a rounding boundary.  Without cancellation
## (sum |x_i| = |sum x_i|) this distance is below 2 (n-1) 2^(-64(q-p))
## units of the last place ((n-1) 2^-127 units for q = p+2): the result
## is then within half a unit plus that of the exact sum to nearest, and
## within one unit plus that in the other modes.  An exact zero sum is +0,
## -0 when every term is -0 or, rounding down, when any term is not +0.
##
## A complex array sums each part so, the result narrowed as Octave does.
##
## @example
## sum (widereal ([1 2; 3 4]))      # [4 6]
## sum (widereal ([1 2; 3 4]), 2)   # [3; 7]
## @end example
## @seealso{cumsum, prod, plus, widereal_rounding}
## @end deftypefn
function s = sum (x, dim = [])
  if (rows (x.w) > x.p + 1)                 # complex: each part
    s = wr_narrow (complex (sum (real (x), dim), sum (imag (x), dim)));
    return;
  endif
  [G, osz, len] = wr_groups (x, dim);
  [~, m] = widereal_rounding ();
  s = wr_new (wr_rnd_reduce ("sum", m, x.p, G, len, prod (osz)), x.p, osz);
endfunction

%!test
%! x = widereal ([1 2; 3 4]);
%! assert (double (sum (x)), [4 6]);
%! assert (double (sum (widereal ([]))), 0);
%! assert (double (sum (x, 2)), [3; 7]);
%! assert (double (sum (x, 3)), [1 2; 3 4]);
%! assert (double (sum (widereal (1:5))), 15);
%! assert (double (sum (widereal (zeros (0, 3)))), [0 0 0]);
%! assert (double (sum (widereal (reshape (1:8, 2, 2, 2)), 3)), [6 10; 8 12]);
%! assert (double (sum (widereal ([1 -1]))), 0);
%! assert (double (sum (widereal ([1 Inf 2; Inf 3 4]), 2)), [Inf; Inf]);
%! t = widereal ("1/3", 2);                         # 1/3 - 2^-130/3
%! assert (sum ([t t t]) == 1);             # 1 - 2^-130 exactly, a tie: to even, 1
%!error <Inf - Inf> sum (widereal ([Inf 1 -Inf]))
