## -*- texinfo -*-
## @deftypefn {} {@var{r} =} times (@var{a}, @var{b})
## Element-wise product @code{@var{a} .* @var{b}}; operands, precision and
## broadcasting as for @code{plus}.
##
## Rounding: truncated toward zero to p words (the library's
## multiplication, wr_prod over pairs).  At p = 1 the product is formed at
## p = 2 and rounded to nearest.  0 * Inf raises @code{widefp:domain}.
##
## @example
## widereal ("1/3") .* [3 6]    # 0.999..., 1.999... (truncated)
## @end example
## @seealso{mtimes, prod}
## @end deftypefn
function r = times (a, b)
  ## Scalars (p > 1) take a short way (inline: a function call costs more
  ## than the product), unless the product is zero or infinite (from such
  ## an operand, by overflow or by underflow): those go the general way,
  ## through wr_mulfix.
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
  if (one && p > 1)
    X = [x; y];                                # a fresh array: the product
    wr_prod (X, X, 2, 1, p);                   # goes into its first element
    w = X(1);
    if ((w > 0 && w < 0x7fffffffffffffffu64)
        || (w > 0x8000000000000000u64 && w < 0xffffffffffffffffu64))
      r.w = X(1:p+1);
      return;
    endif
  endif
  if (p == 1)
    r.w = wr_roundwords (wr_prodpairs (wr_lift (x, 1, 2), wr_lift (y, 1, 2), 2), 2, 1);
    return;
  endif
  r.w = wr_prodpairs (x, y, p);
endfunction

function R = wr_prodpairs (x, y, p)
  n = columns (x);
  R = zeros (p + 1, n, "uint64");
  wr_prod (R, [x; y], 2, n, p);
  t = bitand ([x(1, :), y(1, :)], 0x7fffffffffffffffu64);
  if (any (t == 0 | t == 0x7fffffffffffffffu64))
    R = wr_mulfix (R, x, y);
  endif
endfunction

%!test
%! x = widereal ("1/3", 2);
%! assert (double (x .* [3 -6]), [1 -2], 1e-37);
%! assert (double (widereal ([1.5 2]) .* [2; 4]), [3 4; 6 8]);
%! assert (double (widereal ([0 -0 Inf]) .* [5 5 -2]), [0 -0 -Inf]);
%! assert (1 ./ double (widereal (-0) .* 3), -Inf);
%! y = widereal (3, 1) .* widereal ("1/3", 1);       # p = 1 rounds to nearest
%! assert (double (y), 1);
%! assert (precision (y), 1);
%!error <0 \* Inf> widereal (0) .* Inf
%!error <0 \* Inf> widereal ([1 Inf]) .* widereal ([2 0])
%!test
%! ## scalars of one precision: overflow, underflow, zero and infinite operands
%! big = widereal ([0x7ffffffffffffffeu64; 0; 0], 2, "words");
%! tiny = widereal (uint64 ([1; 0; 0]), 2, "words");
%! assert (double ([big .* big, -big .* big, tiny .* -tiny]), [Inf -Inf -0]);
%! assert (struct (big .* big).w(2:3), uint64 ([0; 0]));   # no stray fraction
%! assert (double ([widereal(0, 2) .* big, big .* widereal(-Inf, 2)]), [0 -Inf]);
%! assert (double (widereal (3, 2) .* widereal (-0.5, 2)), -1.5);
%!error <0 \* Inf> widereal (0, 2) .* widereal (Inf, 2)
