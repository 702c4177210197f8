## -*- texinfo -*-
## @deftypefn  {} {@var{c} =} poly (@var{r})
## @deftypefnx {} {@var{c} =} poly (@var{A})
## The coefficients (a row, highest power first, leading 1) of the monic
## polynomial whose roots are the elements of the widereal vector @var{r}
## (real or complex), or of the characteristic polynomial of the square
## matrix @var{A} (the polynomial of its eigenvalues, @code{eig (A)}), as
## Octave's @code{poly}.  An empty argument gives 1.  When the nonreal
## roots come in exact conjugate pairs the result is real, as Octave's.
##
## Rounding: the gateway wr_ceig multiplies the factors x - r(j) out one by
## one in complex arithmetic at p+2 words, each operation truncated, and
## rounds each part of each coefficient once to p words in the mode of
## @code{widereal_rounding}.  Before that rounding coefficient k is within
## about 4n 2^(-64(p+2)) of the k-th elementary symmetric function of the
## magnitudes |r(j)|, so exact integer results (integer roots whose
## coefficients fit) come out exact.
##
## @example
## poly (widereal ([1 2 3]))         # [1 -6 11 -6]
## poly (widereal ([1 2; 3 4]))      # [1 -5 -2]
## @end example
## @seealso{roots, polyval, eig}
## @end deftypefn
function c = poly (r)
  if (nargin != 1)
    print_usage ();
  endif
  if (! isobject (r))
    r = widereal (r);
  endif
  p = r.p;
  sz = r.sz;
  if (prod (sz) == 0)
    c = widereal (1, p);
    return;
  elseif (numel (sz) == 2 && sz(1) == sz(2) && sz(1) > 1)
    r = eig (r);
  elseif (! (numel (sz) == 2 && min (sz) == 1))
    error ("Octave:invalid-input-arg", "poly: input must be a vector or a square matrix");
  endif
  n = columns (r.w);
  [~, mode] = widereal_rounding ();
  [w, paired] = wr_ceig ("poly", mode, p, r.w, n);
  if (paired)
    w = w(1:p+1, :);
  endif
  c = wr_narrow (wr_new (w, p, [1 n+1]));
endfunction

%!test # integer roots: exact; a matrix; empty
%! assert (double (poly (widereal ([1 2 3], 2))), [1 -6 11 -6]);
%! assert (double (poly (widereal ([1 2; 3 4]))), [1 -5 -2], 1e-60);
%! assert (double (poly (widereal ([]))), 1);
%! assert (double (poly (widereal (-7))), [1 7]);
%!test # a conjugate pair gives a real result; an unpaired complex root does not
%! c = poly (complex (widereal ([1 1 3]), widereal ([2 -2 0])));   # (x^2 - 2x + 5)(x - 3)
%! assert (isreal (c));
%! assert (double (c), [1 -5 11 -15]);
%! c = poly (complex (widereal (1), widereal (2)));
%! assert (iscomplex (c));
%! assert ([double(real (c)); double(imag (c))], [1 -1; 0 -2]);
%!test # the roots of x^2 - 2 at p = 4 give back 1, 0, -2 (mpmath: sqrt(2) to 80 digits)
%! s = widereal ("1.4142135623730950488016887242096980785696718753769480731766797379907324784621", 4);
%! c = poly ([s; -s]);
%! assert (double (abs (c - [1 0 -2])) < 1e-75);
%!error <vector or a square> poly (widereal (ones (2, 3)))
