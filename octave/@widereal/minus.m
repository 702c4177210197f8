## -*- texinfo -*-
## @deftypefn {} {@var{r} =} minus (@var{a}, @var{b})
## Element-wise difference @code{@var{a} - @var{b}}; operands, precision and
## broadcasting as for @code{plus}.
##
## Rounding: truncated toward zero to p words (the library's addition of
## the negated operand, wr_sum over pairs).  Inf - Inf raises
## @code{widefp:domain}.
##
## @example
## widereal (1) - widereal ("1/3")   # 0.6666...
## @end example
## @seealso{plus}
## @end deftypefn
function r = minus (a, b)
  [x, y, p, r] = wr_pair (a, b);
  y(1, :) = bitxor (y(1, :), 0x8000000000000000u64);
  r.w = wr_addwords (x, y, p);
endfunction

%!test
%! x = widereal ("1/3", 3);
%! assert (double (1 - x - x - x), 0);
%! assert (double ([5; 6] - widereal ([1 2])), [4 3; 5 4]);
%! assert (double (widereal (-Inf) - 1), -Inf);
%! y = widereal (1) - 1;
%! assert (double (y), 0);
%!error <Inf - Inf> widereal (Inf) - Inf
