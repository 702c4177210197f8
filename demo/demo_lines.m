## demo_lines.m -- prints a long text in indented lines of 70 characters.
function demo_lines (s)
  for i = 1:70:numel (s)
    printf ("  %s\n", s(i:min (i + 69, end)));
  endfor
endfunction
