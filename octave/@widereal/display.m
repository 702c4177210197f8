## -*- texinfo -*-
## @deftypefn {} {} display (@var{x})
## Shows the widereal array @var{x} under its name, as Octave does for a
## statement without a semicolon: a header with size, precision in words,
## significant bits and the decimal digits they carry, then the values as
## @code{disp} writes them (10 digits under @code{format short}, all under
## @code{format long}); @code{format compact} drops the blank lines.
##
## @example
## x = widereal ("1/3")
## ## x =  <widereal, p = 4: 257 bits, ~78 digits>
## ##
## ##   0.3333333333
## @end example
## @seealso{disp, format}
## @end deftypefn
function display (x)
  name = inputname (1);
  if (isempty (name))
    name = "ans";
  endif
  sz = x.sz;
  dims = sprintf ("%dx", sz)(1:end-1);
  if (any (sz == 0))
    printf ("%s = [](%s) widereal, p = %d\n", name, dims, x.p);
    return;
  endif
  what = "widereal";
  if (rows (x.w) > x.p + 1)
    what = "complex widereal";
  endif
  if (prod (sz) > 1)
    what = [dims " " what];
  endif
  [~, spacing] = format ();
  gap = "\n";
  if (strcmp (spacing, "compact"))
    gap = "";
  endif
  printf ("%s =  <%s, p = %d: %d bits, ~%d digits>\n%s", name, what, x.p,
          64 * x.p + 1, wr_alldigits (x.p), gap);
  body = wr_showtext (x);
  if (prod (sz) == 1)
    body = ["  " body];
  endif
  printf ("%s%s", body, gap);
endfunction
