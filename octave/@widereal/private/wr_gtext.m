## -*- texinfo -*-
## @deftypefn {} {@var{c} =} wr_gtext (@var{w}, @var{p}, @var{n})
## Texts of the elements with words @var{w} (p+1 rows, one column each) in
## the manner of printf's %g with @var{n} significant digits: fixed
## notation when the decimal exponent lies in [-5, n), scientific
## otherwise, trailing zeros dropped.  Zeros keep their sign ("-0"),
## infinities read "Inf" and "-Inf".  A cell row, one text per element.
##
## @example
## c = wr_gtext (x.w, x.p, 10);   # {"0.3333333333", "1e+100", "-Inf"}
## @end example
## @end deftypefn
function c = wr_gtext (w, p, n)
  m = columns (w);
  c = cell (1, m);
  field = bitand (w(1, :), uint64 (9223372036854775807));
  neg = bitand (w(1, :), uint64 (9223372036854775808)) != 0;
  for k = 1:m
    if (field(k) == 0 || field(k) == uint64 (9223372036854775807))
      c{k} = {"0", "Inf"}{1 + (field(k) != 0)};
      if (neg(k))
        c{k} = ["-" c{k}];
      endif
      continue;
    endif
    s = wr_tostring (w(:, k), p, n, "e", true);
    x10 = str2double (s(find (s == "e", 1) + 1:end));
    if (x10 >= -5 && x10 < n)
      s = wr_tostring (w(:, k), p, n - 1 - x10, "f", true);
    endif
    c{k} = s;
  endfor
endfunction
