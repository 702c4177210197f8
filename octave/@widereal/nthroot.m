## -*- texinfo -*-
## @deftypefn {} {@var{r} =} nthroot (@var{x}, @var{n})
## Element-wise real @var{n}-th root of the widereal array @var{x}, as
## Octave's @code{nthroot}: @var{n} is a nonzero integer (a double, an
## integer or a widereal scalar, of magnitude below 2^63); odd roots of
## negative numbers are negative, an even root of a negative number raises
## @code{widefp:domain}.  Negative @var{n} gives 1 ./ nthroot (x, -n).
##
## Rounding: every root is the exact x^(1/n) correctly rounded to p words in
## the mode of @code{widereal_rounding} (to nearest, ties to even, by
## default), through the gateway wr_rnd (the library's rootn_si); exact
## roots are exact.  nthroot (+-0, n) is +-0 for n > 0 (+0 for even n) and
## +-Inf for n < 0; nthroot (Inf, n) is Inf or 0.
##
## @example
## nthroot (widereal (-27), 3)      # -3
## nthroot (widereal (2, 8), 7)     # 1.1040895136738123376... to 512 bits
## @end example
## @seealso{cbrt, realsqrt, power, widereal_rounding}
## @end deftypefn
function r = nthroot (x, n)
  wr_realonly ("nthroot", x, n);
  if (nargin != 2)
    print_usage ();
  endif
  if (isobject (n))
    if (! isscalar (n) || n != fix (n))
      error ("widefp:type", "nthroot: N must be a nonzero integer scalar");
    endif
    n = int64 (n);
  endif
  if (! (isnumeric (n) && isscalar (n) && isreal (n)) || n == 0 || n != fix (n))
    error ("widefp:type", "nthroot: N must be a nonzero integer scalar");
  endif
  if (! isobject (x))
    error ("widefp:type", "nthroot: X must be a widereal array");
  endif
  if (! isa (n, "int64"))
    n = double (n);
  endif
  r = x;
  try
    r.w = wr_rnd ("rootn", [], x.p, x.w, n);
  catch err
    if (strcmp (err.identifier, "widefp:domain"))
      error ("widefp:domain", "nthroot: N must be an odd integer if X contains negative values");
    endif
    rethrow (err);
  end_try_catch
endfunction

## References: mpmath at 260 digits.
%!test
%! assert (nthroot (widereal ([-27 64 0 Inf -Inf 1], 2), 3) == widereal ([-3 4 0 Inf -Inf 1], 2));
%! assert (nthroot (widereal ("-5", 8), 5) == widereal ("-1.3797296614612148323900634642160176928556498779776061217727376747915061894216358331565895930147123003937834667401567981573699435654620372277058036434818904514321333924802470223141156895793859432707092", 8));
%! assert (nthroot (widereal (10, 4), -3) == widereal ("0.46415888336127788924100763509194465765513491250112436376506928586847778696928448261899590708975713798415433082", 4));
%! assert (nthroot (widereal (7, 4), widereal (7)) == widereal ("1.3204692477561237918093273315002630827366001519733582518026612883546717436528919855337288240946732420005826553", 4));
%! assert (double (nthroot (widereal ([0 -0 16]), -4)), [Inf Inf 0.5]);
%! assert (1 / double (nthroot (widereal (-0), 3)), -Inf);
%! x = widereal ("1/3", 3) .^ 9;                   # a ninth power: its root is exact
%! assert (nthroot (x, 9) == widereal ("1/3", 3));
%!test # directed modes bracket the root
%! old = widereal_rounding ("up");
%! unwind_protect
%!   hi = nthroot (widereal (2, 2), 3);
%!   widereal_rounding ("down");
%!   lo = nthroot (widereal (2, 2), 3);
%! unwind_protect_cleanup
%!   widereal_rounding (old);
%! end_unwind_protect
%! assert (hi > lo && lo .^ 3 < 2 && hi .^ 3 > 2);
%!error <odd integer> nthroot (widereal ([8 -8]), 2)
%!error <nonzero integer> nthroot (widereal (8), 0)
%!error <nonzero integer> nthroot (widereal (8), 1.5)
%!error <nonzero integer> nthroot (widereal (8), [2 3])
