## -*- texinfo -*-
## @deftypefn {} {@var{r} =} wr_narrow (@var{r})
## The complex widereal array @var{r} made real when every imaginary part
## is zero (of either sign), as Octave narrows the complex results of its
## operations; a real @var{r} is returned as it is.
##
## @example
## r = wr_narrow (r);   # at the end of a complex operation
## @end example
## @end deftypefn
function r = wr_narrow (r)
  if (rows (r.w) > r.p + 1)
    [zero, ~, ~] = wr_conv ("special", r.p, r.w(r.p+2:end, :));
    if (all (zero))
      r.w = r.w(1:r.p+1, :);
    endif
  endif
endfunction
