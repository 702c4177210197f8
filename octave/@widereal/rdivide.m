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
  ## Scalars take a short way when the quotient is finite and nonzero (then
  ## so were both operands); zeros, infinities and the domain errors go the
  ## general way.
  one = false;
  if (isobject (a) && isobject (b))         # two scalars of one precision:
    p = a.p;                                # the words as they are
    x = a.w;
    y = b.w;
    one = numel (x) == p + 1 && size_equal (x, y);
    r = a;
  endif
  if (! one)
    [x, y, p, r] = wr_pair (a, b);
    one = numel (x) == p + 1;
  endif
  if (one)
    R = x + 0;                                 # a fresh copy of x
    wr_div (R, R, y, 1, p);
    w = R(1);
    if ((w > 0 && w < 0x7fffffffffffffffu64)
        || (w > 0x8000000000000000u64 && w < 0xffffffffffffffffu64))
      r.w = R;
      return;
    endif
  endif
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
%!test
%! ## scalars of one precision: zeros, infinities, overflow and underflow
%! big = widereal ([0x7ffffffffffffffeu64; 0; 0], 2, "words");
%! tiny = widereal (uint64 ([1; 0; 0]), 2, "words");
%! z = widereal (0, 2);
%! assert (double ([big ./ tiny, tiny ./ -big, widereal(1, 2) ./ -z]), [Inf -0 -Inf]);
%! assert (double ([z ./ big, big ./ widereal(Inf, 2)]), [0 0]);
%! assert (double (widereal (-3, 2) ./ widereal (2, 2)), -1.5);
%!error <0/0> widereal (0, 3) ./ widereal (-0, 3)
%!error <Inf/Inf> widereal (Inf, 3) ./ widereal (-Inf, 3)
