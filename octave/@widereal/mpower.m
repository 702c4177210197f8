## -*- texinfo -*-
## @deftypefn {} {@var{r} =} mpower (@var{A}, @var{k})
## Matrix power @code{@var{A} ^ @var{k}} of a square widereal matrix for an
## integer @var{k}: repeated squaring with @code{mtimes}; a negative @var{k}
## powers @code{inv (A)}, and @code{A ^ 0} is the identity.  Two scalars
## give @code{x .^ y}, correctly rounded (see @code{power}).  Other
## exponents raise @code{widefp:domain}.
##
## Rounding: each matrix product is accumulated at p+2 words and its
## entries rounded once in the mode of @code{widereal_rounding} (see
## @code{mtimes}), so a matrix power carries about 2 log2 |k| such
## roundings (and those of @code{inv} for a negative k): it is not
## correctly rounded.
##
## @example
## widereal ([1 1; 1 0]) ^ 10   # [89 55; 55 34]
## @end example
## @seealso{power, mtimes, inv}
## @end deftypefn
function r = mpower (A, k)
  if (numel (A) == 1 && numel (k) == 1)
    r = power (A, k);
    return;
  endif
  if (! isobject (A) || ! (isnumeric (k) && isscalar (k) && k == fix (k)
                                  && abs (k) < 2^53))
    error ("widefp:domain", "mpower: only a square matrix to an integer power is supported");
  endif
  if (numel (A.sz) > 2 || A.sz(1) != A.sz(2))
    error ("Octave:nonconformant-args", "for x^y, only square matrix arguments are permitted and one argument must be scalar.  Use .^ for elementwise power.");
  endif
  if (k < 0)
    A = inv (A);
    k = -k;
  endif
  r = widereal (eye (A.sz(1)), A.p);
  while (k > 0)
    if (mod (k, 2) == 1)
      r = r * A;
    endif
    k = floor (k / 2);
    if (k > 0)
      A = A * A;
    endif
  endwhile
endfunction

%!test
%! assert (double (widereal ([1 1; 1 0]) ^ 10), [89 55; 55 34]);
%! assert (double (widereal ([2 0; 0 4]) ^ -2), [0.25 0; 0 1/16]);
%! assert (double (widereal ([2 1; 1 1]) ^ 0), eye (2));
%! assert (double (widereal (3) ^ 2), 9);
%!error <integer power> widereal ([1 2; 3 4]) ^ 0.5
%!error <square> widereal ([1 2 3; 4 5 6]) ^ 2
