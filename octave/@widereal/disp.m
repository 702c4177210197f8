## -*- texinfo -*-
## @deftypefn {} {} disp (@var{x})
## Shows the values of the widereal array @var{x} without its name.
## Under @code{format long} every digit the precision carries is shown (78
## for 4 words); under @code{format short} (the default) 10 significant
## digits.  Elements are written like %g (integers whole, trailing zeros
## dropped; Inf, -Inf and -0 as such); matrices in aligned columns, cut to
## the terminal's width; arrays of more dimensions page by page.
##
## Complex elements read "1.5 + 2i", parts aligned in columns.
##
## @example
## format long;  disp (widereal ("1/7", 1))   # 0.14285714285714285714
## @end example
## @seealso{display, num2str}
## @end deftypefn
function disp (x)
  printf ("%s", wr_showtext (x));
endfunction

%!test
%! [f0, s0] = format ();
%! unwind_protect
%!   format short;
%!   assert (evalc ("disp (widereal ('1/3'))"), "0.3333333333\n");
%!   assert (evalc ("disp (widereal ([1 -0 -Inf]))"), "     1    -0  -Inf\n");
%!   format long;
%!   assert (evalc ("disp (widereal ('1/7', 1))"), "0.14285714285714285714\n");
%!   s = strsplit (evalc ("disp (widereal ('1/3', 40))"), "\n");   # 772 digits
%!   assert (max (cellfun (@numel, s)) <= terminal_size ()(2));
%!   assert (numel ([s{:}]) > 772);
%!   s = evalc ("x = widereal (1:30, 2)");
%!   assert (! isempty (strfind (s, "x =  <1x30 widereal, p = 2: 129 bits, ~39 digits>")));
%!   assert (! isempty (strfind (s, "Columns 1 through")));
%!   assert (max (cellfun (@numel, strsplit (s, "\n"))) <= terminal_size ()(2));
%!   s = evalc ("y = widereal (zeros (2, 1, 2))");
%!   assert (! isempty (strfind (s, "ans(:,:,2) =")));
%!   assert (evalc ("z = widereal ([])"), "z = [](0x0) widereal, p = 4\n");
%!   format short compact;
%!   assert (evalc ("w = widereal (-0)"),
%!           "w =  <widereal, p = 4: 257 bits, ~78 digits>\n  -0\n");
%! unwind_protect_cleanup
%!   format (f0);
%!   format (s0);
%! end_unwind_protect
