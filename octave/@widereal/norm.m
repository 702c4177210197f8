## -*- texinfo -*-
## @deftypefn  {} {@var{n} =} norm (@var{A})
## @deftypefnx {} {@var{n} =} norm (@var{A}, @var{type})
## Norm of a widereal vector or matrix, computed in widereal arithmetic,
## never in doubles.  @var{type}: 2 (default), 1, Inf, -Inf (vectors only)
## or "fro".  The 2-norm of a vector is the square root of the sum of the
## squares of its elements, that of a matrix its largest singular value
## (svd); 1 and Inf are the largest column and row sums of magnitudes.
##
## Rounding (mode of @code{widereal_rounding}): the Inf and -Inf norms of a
## vector are exact.  The 2-norm of a vector and the Frobenius norm: the
## squares are summed at p+2 words (at most 1023), each step truncated,
## and the square root of that sum is rounded once to p words (one call of
## the gateway wr_rnd_reduce), so the result is within a relative
## n 2^(-64(p+2)) of the correctly rounded norm: correctly rounded unless
## the exact norm lies that close to a rounding boundary (for elements
## whose squares stay inside the exponent range, below 2^(2^61)).  The 1-norm and
## the matrix 1 and Inf norms: sums of magnitudes accumulated at p+2 words
## and rounded once (as @code{sum}), by the gateway wr_la.  The matrix
## 2-norm: as @code{svd} states.
##
## Complex @var{A}: the 2-norm of a vector and the Frobenius norm sum the
## squares of the real and imaginary parts in the same way, with the same
## bound.  The Inf and -Inf norms of a vector are the largest and smallest
## @code{abs} (each modulus correctly rounded, so these norms are too); the
## 1-norm and the matrix 1 and Inf norms sum correctly rounded moduli as
## above, so they lie within a relative 2^(-64p) + n 2^(-64(p+2)) of the
## exact norm before their final rounding.  The matrix 2-norm of a complex
## matrix is not available yet (@code{widefp:complex}).
##
## @example
## norm (widereal ([3 4]))              # 5
## norm (widereal ([1 2; 3 4]), 1)      # 6
## norm (widereal ([1 2; 3 4]), "fro")  # sqrt(30)
## norm (widereal ([3+4i, 12i]))        # 13
## @end example
## @seealso{cond, svd, abs, widereal_rounding}
## @end deftypefn
function n = norm (A, type = 2)
  if (! isobject (A))
    A = widereal (A);
  endif
  if (ischar (type))
    switch (lower (type))
      case "fro"
        type = "fro";
      case "inf"
        type = Inf;
      otherwise
        error ("Octave:invalid-input-arg", "norm: unknown norm type \"%s\"", type);
    endswitch
  elseif (! (isscalar (type) && any (type == [1 2 Inf -Inf])))
    error ("Octave:invalid-input-arg", "norm: TYPE must be 1, 2, Inf, -Inf or \"fro\"");
  endif
  if (numel (A.sz) > 2)
    error ("Octave:invalid-input-arg", "norm: A must be a 2-D matrix");
  endif
  p = A.p;
  count = columns (A.w);
  [~, m] = widereal_rounding ();
  if (count == 0)
    n = widereal (0, p);
  elseif (strcmp (type, "fro") || (type == 2 && min (A.sz) == 1))
    w = reshape (A.w, p + 1, []);           # a complex element's two parts as two elements
    n = wr_new (wr_rnd_reduce ("norm2", m, p, w, columns (w), 1), p, [1 1]);
  elseif (rows (A.w) > p + 1)
    if (type == 2)
      error ("widefp:complex", "norm: the 2-norm of a complex matrix is not supported yet");
    endif
    n = norm (abs (A), type);
  elseif (min (A.sz) == 1)                 # a vector, as a column
    n = wr_new (wr_la ("norm", m, p, A.w, count, 1, type), p, [1 1]);
  elseif (type == -Inf)
    error ("Octave:invalid-input-arg", "norm: TYPE -Inf is for vectors only");
  else
    n = wr_new (wr_la ("norm", m, p, A.w, A.sz(1), A.sz(2), type), p, [1 1]);
  endif
endfunction

%!test
%! assert (double (norm (widereal ([3 4]))), 5);
%! assert (double (norm (widereal ([3; -4]), 1)), 7);
%! assert (double (norm (widereal ([3 -7 4]), Inf)), 7);
%! assert (double (norm (widereal ([3 -7 -2]), -Inf)), 2);
%! A = widereal ([1 2; 3 4]);
%! assert (double (norm (A, 1)), 6);
%! assert (double (norm (A, "inf")), 7);
%! assert (double (norm (A, "fro")), sqrt (30), 1e-15);
%! assert (double (norm (A)), norm ([1 2; 3 4]), 1e-15);
%! r = norm (widereal (2, 8) * [1 1]);          # sqrt(8) to 512 bits
%! assert (double (r .* r - 8), 0, 1e-150);
%!test # complex: the parts' squares summed; moduli for 1 and Inf (sqrt(194), sqrt(2) from mpmath)
%! z = widereal ([3+4i; 12i; -5], 4);
%! assert (double (abs (norm (z) - widereal ("13.9283882771841193384677389285132937061943964061128060692402739401459501954662", 4))) < 1e-75);   # sqrt(194)
%! assert (double (norm (z, Inf)) == 12);
%! assert (double (norm (z, 1)) == 22 && double (norm (z, -Inf)) == 5);
%! A = complex (widereal ([1 0; 0 1], 4), [1 0; 0 -1]);
%! s2 = widereal (["1.4142135623730950488016887242096980785696718753769480731766" ...
%!                "79737990732478462107038850387534327641573"], 4);
%! assert (norm (A, 1) == s2 && norm (A, Inf) == s2);
%! assert (norm (A, "fro") == 2);
%!error <complex> norm (complex (widereal (ones (2)), 1))
%!error <unknown norm> norm (widereal (1), "nuc")
