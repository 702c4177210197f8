## -*- texinfo -*-
## @deftypefn  {} {@var{q} =} idivide (@var{x}, @var{y})
## @deftypefnx {} {@var{q} =} idivide (@var{x}, @var{y}, @var{op})
## The integer part of x ./ y, element-wise, by the rule @var{op}, as
## Octave's @code{idivide} does for integer types: @qcode{"fix"} (toward
## zero, the default), @qcode{"round"} (to the nearest integer, halves away
## from zero), @qcode{"floor"} or @qcode{"ceil"}.  The operands need not be
## integers; operands, precision and broadcasting as for @code{rdivide}.
##
## Rounding: the quotient's integer part is found exactly (from the exact
## remainder, at as many words as the quotient needs) and rounded once to
## p words in the mode of @code{widereal_rounding}: it is exact whenever p
## words hold it and correctly rounded otherwise.  Quotients beyond about
## 2^(64 (1020 - p)) raise @code{widefp:range}.  Division by zero gives
## +-Inf as for @code{rdivide} (0/0 raises @code{widefp:domain}); an
## infinite x gives +-Inf, an infinite y a zero.
##
## @example
## idivide (widereal ([7 -7]), 2)             # [3 -3]
## idivide (widereal ([7 -7]), 2, "floor")    # [3 -4]
## idivide (widereal ("1e40", 4), 7)          # 1428571428571428571428571428571428571428
## @end example
## @seealso{rem, mod, fix, floor, round}
## @end deftypefn
function q = idivide (x, y, op = "fix")
  wr_realonly ("idivide", x, y);
  if (nargin < 2 || ! ischar (op) || ! any (strcmp (op, {"fix", "round", "floor", "ceil"})))
    error ("widefp:type", "idivide: OP must be \"fix\", \"round\", \"floor\" or \"ceil\"");
  endif
  [xw, yw, p, sz] = wr_operands (x, y);
  n = columns (xw);
  X = wr_new (xw, p, [1 n]);
  Y = wr_new (yw, p, [1 n]);
  w = repmat (wr_conv ("scalar", p, 0), 1, n);   # every place is written
  reg = isfinite (X) & isfinite (Y) & Y != 0;
  if (! all (reg))                         # infinities and zeros: x ./ y is exact
    s = ! reg;
    w(:, s) = wr_rnd ("div", [], p, xw(:, s), yw(:, s));
  endif
  if (any (reg))
    X = wr_new (xw(:, reg), p, [1 nnz(reg)]);
    Y = wr_new (yw(:, reg), p, [1 nnz(reg)]);
    ## the words the integer quotients need
    lq = max (abs (double (X ./ Y)));
    if (isinf (lq))
      lq = max (double (log2 (abs (X))) - double (log2 (abs (Y))));
    else
      lq = log2 (lq + 1);
    endif
    Q = p + ceil ((lq + 4) / 64) + 1;
    if (Q > 1020)
      error ("widefp:range", "idivide: quotients near 2^%.0f are beyond reach at %d words", lq, p);
    endif
    Xq = widereal (X, Q);                  # exact extensions
    Yq = widereal (Y, Q);
    R = wr_new (wr_rnd ("rem", 0, Q, Xq.w, Yq.w), Q, [1 nnz(reg)]);
    K = (Xq - R) ./ Yq;                    # exact: an integer of at most 64 (Q - 1) bits
    switch (op)
      case "floor"
        K = K - (R != 0 & sign (R) != sign (Yq));
      case "ceil"
        K = K + (R != 0 & sign (R) == sign (Yq));
      case "round"
        K = K + sign (R) .* sign (Yq) .* (2 * abs (R) >= abs (Yq));
    endswitch
    w(:, reg) = wr_rnd ("prec", [], p, K.w, Q);
  endif
  q = wr_new (w, p, sz);
endfunction

## References: exact integers (Python's integer division).
%!test
%! x = widereal ([7 -7 7 -7 6 -6 5 -5]);
%! y = [2 2 -2 -2 4 4 2 2];
%! assert (double (idivide (x, y)), fix ([7 -7 7 -7 6 -6 5 -5] ./ y));
%! assert (double (idivide (x, y, "floor")), floor ([7 -7 7 -7 6 -6 5 -5] ./ y));
%! assert (double (idivide (x, y, "ceil")), ceil ([7 -7 7 -7 6 -6 5 -5] ./ y));
%! assert (double (idivide (x, y, "round")), round ([7 -7 7 -7 6 -6 5 -5] ./ y));
%! assert (double (idivide (widereal ([1 -1 0 Inf]), [0 0 -3 2])), [Inf -Inf -0 Inf]);
%!test
%! t = widereal ("1e40", 3);                # 1e40 exact at 3 words
%! assert (idivide (t, 7) == widereal ("1428571428571428571428571428571428571428", 3));
%! assert (idivide (t, 7, "round") == widereal ("1428571428571428571428571428571428571429", 3));
%! ## 1e40 rounded to 1 word is 10000000000000000000078833997449609084928;
%! ## its quotient's integer part (131 bits) rounded to 1 word
%! assert (idivide (widereal (t, 1), 7) == widereal ("1428571428571428571439833428207087012132", 1));
%! ## x/y a hair below 3: the rounded quotient is 3, its integer part 2
%! e = widereal (2, 2) .^ -120;
%! assert (double (idivide (3 - e, widereal (1, 2))), 2);
%! assert (double (idivide (widereal (2, 2) .^ 200 + 1, 3)), (2^200 - 1) / 3, 1e-10 * 2^200);
%!error <OP must be> idivide (widereal (1), 2, "up")
