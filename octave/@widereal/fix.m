## -*- texinfo -*-
## @deftypefn {} {@var{r} =} fix (@var{x})
## Round the widereal array @var{x} toward zero, exactly (the fraction
## bits below the binary point cleared, one unit added where needed).  Zeros and infinities are
## returned as they are; the sign of a zero result follows @var{x}.
##
## @example
## fix (widereal ([-2.5 2.5]))     # [-2 2]
## @end example
## @seealso{fix, floor, ceil, round, mod}
## @end deftypefn
function r = fix (x)
  r = x;
  if (rows (x.w) > x.p + 1)                 # complex: each part
    r.w = reshape (wr_conv ("fix", x.p, reshape (x.w, x.p + 1, [])), size (x.w));
    r = wr_narrow (r);
  else
    r.w = wr_conv ("fix", x.p, x.w);
  endif
endfunction

%!test
%! v = [-2.5 -1.5 -0.5 -0.25 0 0.25 0.5 1.5 2.5 7 -Inf Inf];
%! x = widereal (v);
%! assert (double (fix (x)), fix (v));
%! assert (double (floor (x)), floor (v));
%! assert (double (ceil (x)), ceil (v));
%! assert (double (round (x)), round (v));
%! assert (1 ./ double (ceil (widereal (-0.5))), -Inf);    # -0
%! ## bits far below the point, across word boundaries and p
%! y = widereal (2^70, 2) + 0.5 + widereal ("1e-30", 2);
%! assert (double (floor (y) - 2^70), 0);
%! assert (double (round (y) - 2^70), 1);
%! z = widereal ("1/3", 3) + 2^100;
%! assert (double (fix (z) - 2^100), 0);
%! assert (double (ceil (-z) + 2^100), 0);
%! big = widereal (2, 1) .^ 100 + 1;                  # an integer with all bits in use
%! assert (double (floor (big) - big), 0);
