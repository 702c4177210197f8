## -*- texinfo -*-
## @deftypefn {} {@var{r} =} rdivide (@var{a}, @var{b})
## Element-wise quotient @code{@var{a} ./ @var{b}}; operands, precision and
## broadcasting as for @code{plus}.
##
## Rounding: truncated toward zero to p words (wr_div).  x ./ 0 is an
## infinity of the sign of x (the zero's sign counts); 0 ./ 0 and
## Inf ./ Inf raise @code{widefp:domain}.
##
## @example
## widereal (1) ./ [3 7]        # 0.3333..., 0.142857...
## @end example
## @seealso{ldivide, mrdivide}
## @end deftypefn
function r = rdivide (a, b)
  [x, y, p, r] = wr_pair (a, b);
  ex = bitand (x(1, :), 0x7fffffffffffffffu64);
  ey = bitand (y(1, :), 0x7fffffffffffffffu64);
  if (any ((ex == 0 & ey == 0) | (ex == 0x7fffffffffffffffu64 & ey == ex)))
    error ("widefp:domain", "widereal: 0/0 and Inf/Inf have no value");
  endif
  n = columns (x);
  R = zeros (p + 1, n, "uint64");
  wr_div (R, x, y, n, p);
  r.w = R;
endfunction

%!test
%! x = widereal (1, 2) ./ [3 -4];
%! assert (double (x), [1/3 -0.25]);
%! assert (double (x(1) * 3), 1, 1e-37);
%! assert (double (widereal ([1 -1 0 1]) ./ [0 0 Inf -Inf]), [Inf -Inf 0 -0]);
%! assert (double (widereal (1) ./ -0), -Inf);
%!error <0/0> widereal (0) ./ 0
%!error <Inf/Inf> widereal ([1 Inf]) ./ widereal ([1 -Inf])
