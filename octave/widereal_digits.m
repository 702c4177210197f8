## -*- texinfo -*-
## @deftypefn  {} {@var{d} =} widereal_digits ()
## @deftypefnx {} {@var{old} =} widereal_digits (@var{d})
## The default precision of new widereal numbers, in decimal digits.
##
## The setting is @code{widereal_precision}, in 64-bit words; this function
## reads and sets it in decimal digits by the following rule.  A widereal of
## @var{p} words has 64p+1 significant bits, so it holds
## @code{floor ((64*p+1) * log10 (2))} full decimal digits, the largest
## @var{d} with 10^@var{d} <= 2^(64p+1).  Without an argument the digits of the current default
## precision are returned.  With an argument (an integer @var{d} from 1 to
## 19690) the default precision becomes the fewest words @var{p} with
## @code{floor ((64*p+1) * log10 (2)) >= @var{d}}, and the previous setting
## is returned in digits; @code{widereal_digits (@var{old})} restores it.
## Like @code{widereal_precision}, the setting lasts until Octave ends.
##
## @multitable @columnfractions 0.12 0.14 0.14
## @headitem words @var{p} @tab bits @tab digits
## @item 1 @tab 65 @tab 19
## @item 2 @tab 129 @tab 38
## @item 4 @tab 257 @tab 77
## @item 6 @tab 385 @tab 115
## @item 8 @tab 513 @tab 154
## @item 16 @tab 1025 @tab 308
## @item 32 @tab 2049 @tab 616
## @item 64 @tab 4097 @tab 1233
## @item 1023 @tab 65473 @tab 19709
## @end multitable
##
## The default precision goes up to 1022 words (19690 digits); 1023 words
## are reached through @code{widereal (@var{v}, @var{p})} or
## @code{widereal (@var{v}, "digits", @var{d})} only.
##
## @example
## old = widereal_digits (100);   # 6 words: 385 bits, 115 digits
## x = widereal ("1/3");          # precision (x) is 6, digits (x) 115
## widereal_digits (old);
## @end example
## @seealso{widereal_precision, widereal, digits, precision}
## @end deftypefn
function out = widereal_digits (d)
  out = floor ((64 * widereal_precision () + 1) * log10 (2));
  if (nargin == 1)
    if (! (isnumeric (d) && isreal (d) && isscalar (d)))
      error ("widefp:type", "widereal_digits: D must be a real number");
    endif
    ## digits of 1 to 1022 words; in double the products stay at least
    ## 3.5e-4 from an integer, so the floors are exact
    held = floor ((64 * (1:1022) + 1) * log10 (2));
    if (! (d == fix (d) && d >= 1 && d <= held(end)))
      error ("widefp:range",
             "widereal_digits: D must be an integer from 1 to %d", held(end));
    endif
    widereal_precision (find (held >= d, 1));
  endif
endfunction

%!test
%! ## the rule at each end and either side of a step (exact counts: the
%! ## number of decimal digits of 2^(64p+1), less one)
%! old = widereal_digits ();
%! unwind_protect
%!   for c = {1, 1; 19, 1; 20, 2; 38, 2; 39, 3; 96, 5; 97, 6; 100, 6; 115, 6;
%!            116, 7; 1233, 64; 1234, 65; 19690, 1022}.'
%!     widereal_digits (c{1});
%!     assert (widereal_precision (), c{2});
%!   endfor
%!   widereal_digits (30);
%!   assert (widereal_digits (), 38);
%!   assert (precision (widereal ("1/3")), 2);
%!   assert (widereal_digits (old), 38);
%! unwind_protect_cleanup
%!   widereal_digits (old);
%! end_unwind_protect
%! assert (widereal_digits (), old);
%!test
%! ## every precision's digits survive the round trip, and the floors
%! ## taken in double are exact (no product within 1e-6 of an integer)
%! old = widereal_precision ();
%! unwind_protect
%!   for p = [1:16 31 64 160 300 719 720 1000 1022]
%!     widereal_precision (p);
%!     d = widereal_digits ();
%!     assert (d, floor ((64 * p + 1) * log10 (2)));
%!     widereal_digits (d);
%!     assert (widereal_precision (), p);
%!     if (p < 1022)
%!       widereal_digits (d + 1);
%!       assert (widereal_precision (), p + 1);
%!     endif
%!   endfor
%! unwind_protect_cleanup
%!   widereal_precision (old);
%! end_unwind_protect
%! t = (64 * (1:1023) + 1) * log10 (2);
%! assert (min (abs (t - round (t))) > 1e-6);
%!test
%! ## kept through clear functions, as widereal_precision is
%! old = widereal_digits (200);
%! unwind_protect
%!   clear functions
%!   assert (widereal_digits (), 212);
%!   assert (widereal_precision (), 11);
%! unwind_protect_cleanup
%!   widereal_digits (old);
%! end_unwind_protect
%!error id=widefp:range widereal_digits (0)
%!error id=widefp:range widereal_digits (2.5)
%!error id=widefp:range widereal_digits (19691)
%!error id=widefp:range widereal_digits (Inf)
%!error id=widefp:range widereal_digits (NaN)
%!error id=widefp:type widereal_digits ("30")
%!error id=widefp:type widereal_digits ([30 40])
%!error id=widefp:type widereal_digits (30i)
