## -*- texinfo -*-
## @deftypefn {} {@var{r} =} wr_integral (@var{x}, @var{how})
## The integer @var{how} (@qcode{"fix"}, @qcode{"floor"}, @qcode{"ceil"},
## @qcode{"round"}) nearest the widereal array @var{x}: the integer part
## from wr_fixwords, then one unit added toward -Inf, +Inf or away from
## zero where the cleared fraction asks for it.  Exact.
##
## @example
## r = wr_integral (x, "floor");
## @end example
## @end deftypefn
function r = wr_integral (x, how)
  p = x.p;
  [F, frac, half] = wr_fixwords (x.w, p);
  negative = bitand (x.w(1, :), 0x8000000000000000u64) != 0;
  switch (how)
    case "floor"
      step = frac & negative;
    case "ceil"
      step = frac & ! negative;
    case "round"
      step = half;
    otherwise
      step = false (size (frac));
  endswitch
  if (any (step))
    one = zeros (p + 1, nnz (step), "uint64");
    one(1, :) = bitor (0x3fffffffffffffffu64,
                       bitand (x.w(1, step), 0x8000000000000000u64));
    F(:, step) = wr_addwords (F(:, step), one, p);
  endif
  r = wr_new (F, p, x.sz);
endfunction
