## -*- texinfo -*-
## @deftypefn {} {@var{r} =} factorial (@var{n})
## Element-wise n! of the widereal array @var{n}, whose elements must be
## non-negative integers (or +Inf).
##
## Rounding: n! = Gamma (n+1) correctly rounded to p words in the mode of
## @code{widereal_rounding} (through the library's gamma); exact whenever
## p words hold it (n! has 64p+1 significant bits or fewer: up to 30! at
## p = 1, 98! at p = 4), and every representable number that large is an
## integer, so the result is always an integer.  Overflows to Inf from
## n = 8.418e16 on.
##
## @example
## factorial (widereal ([0 5 20]))   # [1 120 2432902008176640000]
## factorial (widereal (100, 8))     # 9.3326215443944152681699238856266...e157, exact
## @end example
## @seealso{gamma, nchoosek, widereal_rounding}
## @end deftypefn
function r = factorial (n)
  wr_realonly ("factorial", n);
  if (! all (isfinite (n)(:)) && ! all ((n(! isfinite (n)) > 0)(:)))
    error ("widefp:domain", "factorial: all N must be real non-negative integers");
  endif
  if (! all ((n >= 0 & n == fix (n))(:)))
    error ("widefp:domain", "factorial: all N must be real non-negative integers");
  endif
  r = gamma (n + 1);
endfunction

## References: exact integers (Python's math.factorial).
%!test
%! assert (factorial (widereal ([0 1 5 20], 1)) == widereal ([1 1 120 2432902008176640000], 1));
%! assert (factorial (widereal (30, 1)) == widereal ("265252859812191058636308480000000", 1));
%! assert (double (factorial (widereal (Inf))), Inf);
%!test # 31! needs 93 bits: correctly rounded in each mode, as its text is
%! old = widereal_rounding ();
%! unwind_protect
%!   for mode = {"up", "down", "nearest"}
%!     widereal_rounding (mode{1});
%!     assert (factorial (widereal (31, 1)) == widereal ("8222838654177922817725562880000000", 1));
%!   endfor
%!   widereal_rounding ("up");
%!   assert (factorial (widereal (31, 1)) > widereal ("8222838654177922817725562880000000", 2));
%! unwind_protect_cleanup
%!   widereal_rounding (old);
%! end_unwind_protect
%!error <non-negative integers> factorial (widereal ([1 -1]))
%!error <non-negative integers> factorial (widereal (2.5))
%!error <non-negative integers> factorial (widereal (-Inf))
