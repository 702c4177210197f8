## -*- texinfo -*-
## @deftypefn  {} {@var{s} =} std (@var{x})
## @deftypefnx {} {@var{s} =} std (@var{x}, @var{w})
## @deftypefnx {} {@var{s} =} std (@var{x}, @var{w}, @var{dim})
## @deftypefnx {} {@var{s} =} std (@var{x}, @var{w}, @qcode{"all"})
## Standard deviation of the widereal array @var{x}: the square root of
## @code{var (@var{x}, @var{w}, @var{dim})}, with the same arguments (@var{w}
## 0 or [] normalises by n-1, 1 by n; @var{dim} a dimension, a vector of
## distinct dimensions or @qcode{"all"}).  An empty set and infinite
## elements raise @code{widefp:domain}.
##
## Rounding: one call of the gateway wr_stats: the variance is formed at
## q = p+2 words as @code{var} describes, its square root taken at q and
## rounded to odd, then rounded once to p words in the mode of
## @code{widereal_rounding}.  The root halves the variance's relative
## error, so the bound of @code{var} holds: within half a unit of the last
## place (to nearest) or one unit (other modes) plus 2^-96 units whenever
## the standard deviation is at least n 2^(-32p) times the largest
## magnitude; within 1 ulp.
##
## Complex @var{x}: the square root, rounded once more, of the value of
## @code{var}, so within 2 units of its last place.
##
## @example
## std (widereal ([1 2 4]))        # sqrt (7/3)
## std (widereal ([1 3; 5 9]), 1)  # [2 3]
## @end example
## @seealso{var, mean, widereal_rounding}
## @end deftypefn
function s = std (x, varargin)
  if (isobject (x) && rows (x.w) > x.p + 1)  # complex: the root of var's value
    s = sqrt (var (x, varargin{:}));
    return;
  endif
  s = wr_spread ("std", x, varargin);
endfunction

%!test
%! x = widereal ([1 3; 5 9], 2);
%! assert (std (x, 1) == [2 3]);
%! assert (std (x, 0, 2) == sqrt (widereal ([2; 8], 2)));
%! assert (std (x, 1, "all") == sqrt (widereal ("35/4", 2)));
%! assert (std (widereal (-7)) == 0);
%!test
%! ## 1/3, 1/5, 1/7 (129-bit): their standard deviation computed by mpmath
%! ## at 2000 bits, in every mode
%! p = 2;
%! x = widereal ({"1/3"; "1/5"; "1/7"}, p);
%! ref = "0.09774478932279779318063069026941046058492785686262386934734370987611066506083440954096043329129115563842086583689411672139962699613341788191610893473";
%! for mode = {"nearest", "zero", "up", "down"}
%!   old = widereal_rounding (mode{1});
%!   unwind_protect
%!     assert (std (x) == widereal (ref, p));
%!   unwind_protect_cleanup
%!     widereal_rounding (old);
%!   end_unwind_protect
%! endfor
%!error <empty set> std (widereal (zeros (0, 2)))
%!error <infinite> std (widereal ([-Inf 1]))
%!error <weight vectors> std (widereal ([1 2]), [1 2])
%!test # complex: sqrt (10/3) for [1+2i, 3-1i, 2] (mpmath)
%! s = std (widereal ([1+2i, 3-1i, 2], 2));
%! assert (isreal (s) && double (abs (s - widereal ("1.825741858350553711523232609336", 2))) < 1e-29);
