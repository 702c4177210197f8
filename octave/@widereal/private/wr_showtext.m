## -*- texinfo -*-
## @deftypefn {} {@var{s} =} wr_showtext (@var{x})
## The text disp shows for the widereal array @var{x}: 10 significant
## digits under format short, all the precision carries under format long,
## scalars on lines of the terminal's width, matrices through wr_matrixtext at the terminal's
## width, pages of N-D arrays headed "ans(:,:,k) =".
##
## @example
## printf ("%s", wr_showtext (x));
## @end example
## @end deftypefn
function s = wr_showtext (x)
  if (strncmpi (format (), "long", 4))
    digits = wr_alldigits (x.p);
  else
    digits = 10;
  endif
  if (rows (x.w) > x.p + 1)                 # complex: "re + imi", aligned
    t = reshape (wr_cxtext (x, digits, true), 1, []);
    if (numel (t) == 1)
      t = {strtrim(t{1})};
    endif
  else
    t = wr_gtext (x.w, x.p, digits);
  endif
  width = terminal_size ()(2);
  if (numel (t) == 1)                       # long digit strings are cut
    n = max (10, width - 4);                # into lines of the width
    s = t{1};
    s = strjoin (arrayfun (@(k) s(k:min (k + n - 1, end)), 1:n:numel (s),
                           "UniformOutput", false), "\n  ");
    s = [s "\n"];
    return;
  elseif (isempty (t))
    s = "";
    return;
  endif
  sz = x.sz;
  t = reshape (t, sz(1), sz(2), []);
  if (columns (t) == 0 || ndims (t) == 2)
    s = wr_matrixtext (t, width);
    return;
  endif
  s = "";
  pages = cell (1, numel (sz) - 2);
  for k = 1:size (t, 3)
    [pages{:}] = ind2sub (sz(3:end), k);
    s = [s sprintf("ans(:,:,%s) =\n\n", strjoin (cellfun (@num2str, pages, "UniformOutput", false), ",")) ...
         wr_matrixtext(t(:, :, k), width)];
    if (k < size (t, 3))
      s = [s "\n"];
    endif
  endfor
endfunction
