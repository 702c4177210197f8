## -*- texinfo -*-
## @deftypefn  {} {@var{r} =} pow2 (@var{x})
## @deftypefnx {} {@var{r} =} pow2 (@var{f}, @var{e})
## @code{2 .^ x} element-wise, or @code{f .* 2 .^ e}, as Octave's
## @code{pow2}; operands, precision and broadcasting as for @code{times}.
##
## Rounding: pow2 (x) is the exact 2^x correctly rounded to p words in the
## mode of @code{widereal_rounding} (exact for integer x).  pow2 (f, e) with
## integer e of magnitude below 2^62 is the exact scaling f 2^e, rounded
## only where it leaves the exponent range; with a non-integer e it is
## 2 .^ e rounded, then multiplied and rounded again (within a unit of the
## last place and a half).
##
## @example
## pow2 (widereal ([-1 10]))       # [0.5 1024]
## pow2 (widereal (3), 4)          # 48
## pow2 (widereal ("0.1", 4))      # 1.0717734625362931642130063250233...
## @end example
## @seealso{power, log2, widereal_rounding}
## @end deftypefn
function r = pow2 (f, e)
  wr_realonly ("pow2", f);
  if (nargin == 1)
    r = f;
    r.w = wr_rnd ("power", [], f.p, 2, f.w);
  elseif (nargin == 2)
    if (isobject (e))
      t = e;
      t.w = wr_rnd ("power", [], e.p, 2, e.w);
    else
      t = power (widereal (2, f.p), e);
    endif
    r = times (f, t);
  else
    print_usage ();
  endif
endfunction

## References: mpmath at 260 digits.
%!test
%! assert (double (pow2 (widereal ([-1 10 0 -Inf Inf]))), [0.5 1024 1 0 Inf]);
%! assert (pow2 (widereal ("0.1", 4)) == widereal ("1.0717734625362931642130063250233420229063846049775567834827806681442454388374689545169074439836877698663930365", 4));
%! ## 2^x for x = 1/3 rounded to 4 words (mpmath from that binary x)
%! assert (pow2 (widereal ("1/3", 4)) == widereal ("1.2599210498948731647672106072782283505702514647015079800819751121552996765139588552245124961157009904142290024", 4));
%!test
%! assert (double (pow2 (widereal ([3 -1.5]), [4 -1])), [48 -0.75]);
%! assert (double (pow2 (widereal (1, 1), widereal (-1, 1) * 2^61)), 0);   # 2^-(2^61), below doubles
%! x = pow2 (widereal (1, 1), widereal (-1, 1) * 2^61);
%! assert (x > 0 && pow2 (x, 2^61) == 1);
