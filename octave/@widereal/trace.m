## -*- texinfo -*-
## @deftypefn {} {@var{t} =} trace (@var{A})
## Sum of the diagonal elements of the square widereal matrix @var{A}, as
## Octave's trace: an empty matrix gives 0, a non-square matrix or an array
## of more than two dimensions is an error.
##
## Rounding: the sum as @code{sum} forms it (accumulated at p+2 words,
## rounded once in the mode of @code{widereal_rounding}): correctly
## rounded unless the exact trace lies within (n-1) 2^(-64(p+2)) sum
## |a_ii| of a rounding boundary; within 1 ulp when the diagonal has one
## sign.
##
## @example
## trace (widereal ([1 2; 3 4]))   # 5
## @end example
## @seealso{sum, diag, det}
## @end deftypefn
function t = trace (A)
  sz = A.sz;
  if (numel (sz) > 2)
    error ("widefp:value", "trace: only valid on 2-D objects");
  elseif (prod (sz) == 0)
    t = wr_new (wr_conv ("scalar", A.p, 0), A.p, [1 1]);
  elseif (sz(1) != sz(2))
    error ("widefp:value", "trace: only valid on square matrix");
  else
    t = sum (wr_index (A, (1:sz(1) + 1:prod (sz)).'));
  endif
endfunction

%!test
%! assert (trace (widereal ([1 2; 3 4])) == 5);
%! assert (trace (widereal (-7, 3)) == -7);
%! assert (trace (widereal ([])) == 0);
%! assert (precision (trace (widereal (zeros (0, 3), 4))), 4);
%!test
%! ## 1/3 + 1/5 + 1/7 (129-bit each), exact from mpmath at 2000 bits, in
%! ## every mode
%! p = 2;
%! A = widereal ({"1/3", "9", "-4"; "1", "1/5", "0"; "2", "3", "1/7"}, p);
%! ref = "0.67619047619047619047619047619047619047624995060703565145129603726527612552536582534067001633293347850894861039705574512481689453125";
%! for mode = {"nearest", "zero", "up", "down"}
%!   old = widereal_rounding (mode{1});
%!   unwind_protect
%!     assert (trace (A) == widereal (ref, p));
%!   unwind_protect_cleanup
%!     widereal_rounding (old);
%!   end_unwind_protect
%! endfor
%!error <square matrix> trace (widereal ([1 2 3]))
%!error <2-D objects> trace (widereal (ones (2, 2, 2)))
