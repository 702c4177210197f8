## -*- texinfo -*-
## @deftypefn {} {@var{s} =} wr_matrixtext (@var{t}, @var{width})
## Lines of the 2-D cell array of element texts @var{t}, laid out as Octave
## lays out matrices: columns right-aligned to a common width, indented by
## two blanks, cut into blocks headed "Columns a through b:" (or "Columns a
## and b:") so that no line is longer than @var{width} characters.  One
## text with newlines.
##
## @example
## s = wr_matrixtext ({"1", "-2"; "Inf", "0.5"}, 80);
## @end example
## @end deftypefn
function s = wr_matrixtext (t, width)
  [m, n] = size (t);
  w = max (cellfun (@numel, t(:))) + 2;       # two blanks between columns
  per = max (1, floor ((width - 1) / w));
  s = "";
  for c0 = 1:per:n
    c1 = min (n, c0 + per - 1);
    if (per < n)
      if (c1 == c0)
        s = [s sprintf(" Column %d:\n\n", c0)];
      elseif (c1 == c0 + 1)
        s = [s sprintf(" Columns %d and %d:\n\n", c0, c1)];
      else
        s = [s sprintf(" Columns %d through %d:\n\n", c0, c1)];
      endif
    endif
    for i = 1:m
      s = [s sprintf("%*s", [num2cell(w * ones(1, c1 - c0 + 1)); t(i, c0:c1)]{:}) "\n"];
    endfor
    if (c1 < n)
      s = [s "\n"];
    endif
  endfor
endfunction
