## -*- texinfo -*-
## @deftypefn {} {@var{r} =} gamma (@var{x})
## Element-wise Gamma function of the widereal array @var{x}.
##
## Rounding: every value is the exact Gamma (x) correctly rounded to p words
## in the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd; gamma (n) = (n-1)! exactly when it
## fits.  gamma (+-0) = +-Inf, gamma (Inf) = Inf; the negative integers and
## -Inf raise @code{widefp:domain}.  Overflows from x = 8.418e16 on.
##
## @example
## gamma (widereal ("0.5", 8))   # sqrt (pi): 1.7724538509055160272981674833411...
## @end example
## @seealso{gammaln, beta, widereal_rounding}
## @end deftypefn
function r = gamma (x)
  wr_realonly ("gamma", x);
  r = x;
  r.w = wr_rnd ("gamma", [], x.p, x.w);
endfunction

## References: MPFR's mpfr_gamma at 1200 bits of the argument rounded to
## 64p+1 bits, printed to 110 digits (201 for p = 8).  Both sides are correctly rounded at
## p words from values far closer than a unit apart: they are equal.
%!test
%! assert (gamma (widereal ("0.5", 4)) == widereal ("1.77245385090551602729816748334114518279754945612238712821380778985291128459103218137495065673854466541622682362", 4));
%! assert (gamma (widereal ("-1.5", 4)) == widereal ("2.36327180120735470306422331112152691039673260816318283761841038647054837945470957516660087565139288722163576483", 4));
%! assert (gamma (widereal ("0.1", 8)) == widereal ("9.51350769866873183629248717726540219255057862608837734305000077043426538332282101153716379426644720979739525892110215343981104498408299079395209686331354600190473065680073055123833552601865591361940513", 8));
%!test # exact factorials, in every mode
%! old = widereal_rounding ("down");
%! unwind_protect
%!   assert (gamma (widereal ([5 21], 1)) == widereal ([24 2432902008176640000], 1));
%! unwind_protect_cleanup
%!   widereal_rounding (old);
%! end_unwind_protect
%!assert (double (gamma (widereal ([0 -0 Inf]))), [Inf -Inf Inf])
%!error <widefp:domain|pole> gamma (widereal (-1))
%!error <pole> gamma (widereal ([2 -Inf]))
%!test # Octave goes on after the error
%! try, gamma (widereal (-3)); catch, end
%! assert (double (gamma (widereal (4))), 6);
