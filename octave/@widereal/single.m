## -*- texinfo -*-
## @deftypefn {} {@var{s} =} single (@var{x})
## The singles nearest the widereal numbers @var{x} (ties to even, one
## rounding from all the words, never through a double), same size.
##
## @example
## single (widereal ("1/3"))   # 0.3333333
## @end example
## @end deftypefn
function s = single (x)
  if (rows (x.w) > x.p + 1)                 # complex: complex singles
    s = complex (wr_conv ("tosingle", x.p, x.w(1:x.p+1, :), x.sz),
                 wr_conv ("tosingle", x.p, x.w(x.p+2:end, :), x.sz));
  else
    s = wr_conv ("tosingle", x.p, x.w, x.sz);
  endif
endfunction

%!test
%! ## 1 + 2^-24 + 2^-60: through a double it would tie and go down
%! x = widereal ("1 + 1/16777216 + 1/1152921504606846976");
%! assert (single (x), single (1 + 2^-23));
%! assert (single (widereal ("1e39")), single (Inf));
%! assert (single (widereal (2^-150 * 1.5)), single (2^-149));
%! assert (class (single (widereal (1))), "single");
