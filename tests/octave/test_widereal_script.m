## A short script as a new user writes it, run through the widereal class:
## a series summed in a loop, statistics of a vector, a polynomial fit, a
## range and formatted output, each against references computed to 100
## digits elsewhere (mpmath).
1;

%!test
%! old = widereal_precision (4);
%! unwind_protect
%!   ## the series sum 1/k^2, k = 1..200, one rounding per step: 400
%!   ## roundings of at most half an ulp each stay below 1e-74
%!   s = widereal (0);
%!   for k = 1:200
%!     s = s + 1 / widereal (k)^2;
%!   endfor
%!   ref = widereal ("1.639946546014997267945694552828186132290286325679758170689607844678279513209395110435732692570570346");
%!   assert (double (abs (s - ref)) < 1e-74);
%!   assert (sprintf ("%.30f", s), "1.639946546014997267945694552828");
%!
%!   ## statistics of (1:10)/7
%!   x = widereal (1:10) / 7;
%!   assert (double (abs (mean (x) - widereal ("11/14"))) < 1e-75);
%!   sd = widereal ("0.4325214791567845236317904013883133855992479762109542141388881338722867762164511365653521008352963194");
%!   assert (double (abs (std (x) - sd)) < 1e-75);
%!   vp = widereal ("0.1683673469387755102040816326530612244897959183673469387755102040816326530612244897959183673469387755");
%!   assert (double (abs (var (x, 1) - vp)) < 1e-75);
%!   assert (median (x) == widereal (11) / 14);
%!
%!   ## a quadratic through six points of 1/3 + t/7 + t^2, fitted back
%!   t = widereal (0:5);
%!   y = widereal ("1/3") + t / 7 + t .^ 2;
%!   c = polyfit (t, y, 2);
%!   assert (size (c), [1 3]);
%!   assert (double (max (abs (c - [widereal(1), widereal("1/7"), widereal("1/3")]))) < 1e-70);
%!   assert (double (max (abs (polyval (c, t) - y))) < 1e-70);
%!
%!   ## a range with a widereal step, and its count
%!   r = widereal (0):widereal ("0.25"):2;
%!   assert (numel (r), 9);
%!   assert (double (r), 0:0.25:2);
%!   assert (isa (r, "widereal"));
%!
%!   ## printf output: the widereal's own digits, not a double's
%!   p = wr_constant ("pi", 4);
%!   assert (sprintf ("%.40f", p), "3.1415926535897932384626433832795028841972");
%!   assert (sprintf ("%.20e|%g|%d", p, widereal (0.5), widereal (42)),
%!           "3.14159265358979323846e+00|0.5|42");
%!   assert (sprintf ("%s=%.5f", "x", widereal ("2/3")), "x=0.66667");
%! unwind_protect_cleanup
%!   widereal_precision (old);
%! end_unwind_protect
