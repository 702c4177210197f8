## -*- texinfo -*-
## @deftypefn {} {@var{d} =} double (@var{x})
## The doubles nearest the widereal numbers @var{x}, same size.  Every word
## counts: ties go to even, subnormal results are rounded to nearest too,
## numbers beyond the double range become Inf or zero of their sign.
##
## @example
## double (widereal ("1/3"))   # 0.3333333333333333
## @end example
## @end deftypefn
function d = double (x)
  if (rows (x.w) > x.p + 1)                 # complex: complex doubles
    d = complex (wr_conv ("todouble", x.p, x.w(1:x.p+1, :), x.sz),
                 wr_conv ("todouble", x.p, x.w(x.p+2:end, :), x.sz));
  else
    d = wr_conv ("todouble", x.p, x.w, x.sz);
  endif
endfunction

%!test
%! ## ties to even, broken by any word below; subnormals rounded to nearest
%! x = widereal ("1 + 1/9007199254740992 + 1/1606938044258990275541962092341162602522202993782792835301376");
%! assert (double (x), 1 + 2^-52);
%! assert (double (widereal ("1 + 1/9007199254740992")), 1);
%! assert (double (widereal ("1 + 3/9007199254740992")), 1 + 2^-51);
%! tiny = @(e, f) double (widereal ([uint64(4611686018427387903) - e; f], 1, "words"));
%! assert (tiny (1074, 2^63), 2^-1073);         # 1.5 * 2^-1074: tie, to even
%! assert (tiny (1074, 2^62), 2^-1074);         # 1.25 * 2^-1074
%! assert (tiny (1075, 0), 0);                  # half the smallest: to even
%! assert (tiny (1075, 1), 2^-1074);
%! assert (tiny (1023, 2^63 + 3 * 2^12), 0.75 * 2^-1022 + 2^-1073);  # tie, odd
%! assert (double (widereal ("1e400")), Inf);
%! assert (1 / double (widereal ("-1e-400")), -Inf);
%! assert (double (widereal ([realmax -realmin pi])), [realmax -realmin pi]);
%! assert (size (double (widereal (zeros (0, 3)))), [0 3]);
