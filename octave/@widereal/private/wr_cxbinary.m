## -*- texinfo -*-
## @deftypefn {} {@var{r} =} wr_cxbinary (@var{op}, @var{a}, @var{b})
## The element-wise operation @var{op} ("add", "sub", "mul", "div", "pow")
## of two operands, real or complex, at least one a widereal, through the
## gateway wr_cplx.  Doubles (real or complex), integers and logicals
## convert exactly at the widereal's precision; two widereals meet at the
## larger precision.  Sizes broadcast as in Octave.  The result is narrowed
## to real when every imaginary part is zero.
##
## @example
## r = wr_cxbinary ("mul", complex (widereal (1), 2), 3i);   # -6 + 3i
## @end example
## @end deftypefn
function r = wr_cxbinary (op, a, b)
  p = wr_maxprec (a, b);
  [A, sa] = words (a, p);
  [B, sb] = words (b, p);
  if (isequal (sa, sb) || columns (A) == 1 || columns (B) == 1)
    if (columns (A) == 1 && ! (columns (B) == 1 && numel (sa) == numel (sb) && all (sa == sb)))
      sz = sb;
    else
      sz = sa;
    endif
  else
    try
      ka = reshape (1:columns (A), sa) + zeros (sb);   # Octave's broadcasting
    catch
      name = {"plus", "minus", "times", "rdivide", "power"}{strcmp (op, {"add", "sub", "mul", "div", "pow"})};
      error ("Octave:nonconformant-args", "%s: nonconformant arguments (op1 is %s, op2 is %s)",
             name, regexprep (sprintf ("%dx", sa), "x$", ""), regexprep (sprintf ("%dx", sb), "x$", ""));
    end_try_catch
    kb = reshape (1:columns (B), sb) + zeros (sa);
    A = A(:, ka(:));
    B = B(:, kb(:));
    sz = size (ka);
  endif
  [~, mode] = widereal_rounding ();
  r = wr_narrow (wr_new (wr_cplx (op, mode, p, A, B), p, sz));
endfunction

## The words of an operand at precision p: p+1 rows (real) or 2(p+1).
function [w, sz] = words (v, p)
  v = wr_cplxprec (v, p);
  w = v.w;
  sz = v.sz;
endfunction
