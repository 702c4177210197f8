## -*- texinfo -*-
## @deftypefn {} {@var{c} =} wr_cxtext (@var{x}, @var{n}, @var{aligned})
## Texts of the elements of the complex widereal array @var{x}, each part
## written like %g with @var{n} significant digits (see wr_gtext), the
## imaginary part after its sign: "1.5+2i", "-3-0.25i", "0-Infi" become,
## with @var{aligned} true, "1.5 + 2i" with the real parts padded to one
## width and the imaginary parts to another, so that a column of them
## lines up as Octave's display does.  A cell array of the size of @var{x}.
##
## @example
## c = wr_cxtext (x, 10, true);   # @{" 1.5 +    2i"; "  -3 - 0.25i"@}
## @end example
## @end deftypefn
function c = wr_cxtext (x, n, aligned)
  p = x.p;
  re = wr_gtext (x.w(1:p+1, :), p, n);
  im = wr_gtext (x.w(p+2:end, :), p, n);
  neg = strncmp (im, "-", 1);
  im(neg) = cellfun (@(s) s(2:end), im(neg), "UniformOutput", false);
  sgn = repmat ({"+"}, size (im));
  sgn(neg) = {"-"};
  if (aligned && ! isempty (re))
    a = max (cellfun (@numel, re));
    b = max (cellfun (@numel, im));
    c = cellfun (@(r, s, i) sprintf ("%*s %s %*si", a, r, s, b, i), re, sgn, im,
                 "UniformOutput", false);
  else
    c = strcat (re, sgn, im, "i");
  endif
  c = reshape (c, [x.sz, 1](1:max (2, numel (x.sz))));
endfunction
