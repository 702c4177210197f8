## -*- texinfo -*-
## @deftypefn {} {@var{r} =} roots (@var{c})
## The roots of the polynomial with the widereal coefficients @var{c}
## (a vector, highest power first), as Octave's @code{roots}: leading zeros
## are dropped, each trailing zero gives a root 0 (placed last), and the
## others are the eigenvalues of the companion matrix, whose first row is
## @code{-c(2:end) / c(1)} (each entry correctly rounded to p words) and
## whose subdiagonal holds ones.  The eigenvalues come from the nonsymmetric
## path of @code{eig} (balancing, Hessenberg form, double-shift QR at p+2
## words, each part rounded once to p words), in its order: a complex
## column when any root is complex, a real one otherwise.  Complex
## coefficients (a zero is one with both parts zero) make that first row
## complex, unless all its imaginary parts are zero, and the roots come
## from the general complex path of @code{eig} (single-shift complex QR).
## A vector of zeros, a scalar or an empty @var{c} give an empty result.
##
## Accuracy: the computed roots are those of a polynomial whose
## coefficients differ from @var{c} by a few units of 2^(-64p) relative to
## the largest; an ill-conditioned root (a cluster, a multiple root) moves
## by that times its condition number, a root of multiplicity k by about
## the k-th root of it.
##
## @example
## roots (widereal ([1 -6 11 -6]))   # 3, 2, 1
## roots (widereal ([1 0 1 0]))      # i, -i, 0
## roots (complex (widereal ([1 -3 0]), [0 -2 6]))   # 3, 2i
## @end example
## @seealso{poly, polyval, eig}
## @end deftypefn
function r = roots (c)
  if (nargin != 1)
    print_usage ();
  endif
  if (! isobject (c))
    c = widereal (c);
  endif
  if (! (isvector (c) || isempty (c)))
    error ("Octave:invalid-input-arg", "roots: input must be a vector");
  endif
  p = c.p;
  if (! all (isfinite (c)))
    error ("Octave:invalid-input-arg", "roots: inputs must not contain Inf or NaN");
  endif
  n = numel (c);
  f = find (c != 0);
  r = widereal (zeros (0, 1), p);
  if (isempty (f) || n <= 1)
    return;
  endif
  w = c.w(:, f(1):f(end));
  l = columns (w);
  if (l > 1)
    A = widereal (diag (ones (1, l-2), -1), p);
    row = wr_narrow (-wr_new (w(:, 2:l), p, [1 l-1]) ./ wr_new (w(:, 1), p, [1 1]));
    if (rows (row.w) > p + 1)
      A = complex (A, 0);
    endif
    A.w(:, 1:l-1:(l-1)^2) = row.w;          # the first row
    r = eig (A);
  endif
  if (f(end) < n)
    z = widereal (zeros (1, n - f(end)), p).w;
    if (rows (r.w) > p + 1)
      z = [z; z];                           # 0 + 0i
    endif
    r = wr_new ([r.w z], p, [columns(r.w)+columns(z) 1]);
  endif
endfunction

## References: the roots are exact integers or Gaussian integers here, and
## mpmath (polyroots at 100 digits) for the others.
%!test # real, complex, leading and trailing zeros
%! r = roots (widereal ([1 -6 11 -6], 3));
%! assert (isreal (r) && isequal (size (r), [3 1]));
%! assert (double (abs (sort (r) - [1; 2; 3])) < 1e-55);
%! r = roots (widereal ([0 0 1 -2 5 0 0], 2));      # (x^2 - 2x + 5) x^2: 1 +- 2i, 0, 0
%! assert (iscomplex (r) && isequal (size (r), [4 1]));
%! assert (double (abs (real (r) - [1; 1; 0; 0])) < 1e-35);
%! assert (double (abs (imag (r) - [2; -2; 0; 0])) < 1e-35);
%! assert (double (roots (widereal ([3 0 0]))), [0; 0]);
%! assert (size (roots (widereal ([0 0]))), [0 1]);
%! assert (size (roots (widereal (5))), [0 1]);
%! assert (size (roots (widereal ([]))), [0 1]);
%!test # x^3 - 2: the real cube root of 2 (mpmath) and the pair at 2^(1/3) e^(+-2 pi i/3)
%! r = roots (widereal ([1 0 0 -2], 4));
%! [~, k] = sort (double (imag (r)));
%! c = "1.259921049894873164767210607278228350570251464701507980081975112155299676513959";
%! assert (double (abs (real (r(k(2))) - widereal (c, 4))) < 1e-74);
%! assert (double (abs (real (r(k([1 3]))) + widereal (c, 4) / 2)) < 1e-74);
%! s = "1.0911236359717214035600726141898088813258733387403009407036410732367801";  # 2^(1/3) sqrt(3)/2
%! assert (double (abs (imag (r(k(3))) - widereal (s, 4))) < 1e-68);
%!test # complex coefficients: x^2 - (3+2i) x + 6i = (x - 3)(x - 2i); zeros at both ends
%! r = roots (complex (widereal ([1 -3 0], 4), [0 -2 6]));
%! assert (iscomplex (r) && isequal (size (r), [2 1]));
%! [~, k] = sort (double (abs (r)));
%! assert (double (abs (r(k) - [2i; 3])) < 1e-75);
%! r = roots (complex (widereal ([0 0 1 0 0 0], 3), [0 0 0 1 0 0]));   # x^3 + i x^2: -i, 0, 0
%! assert (iscomplex (r) && isequal (size (r), [3 1]));
%! assert (double (abs (r - [-1i; 0; 0])) < 1e-55);
%! r = roots (complex (widereal ([0 2 4], 2), [0 2 4]));     # (2+2i) (x + 2): real -2
%! assert (isreal (r) && double (r) == -2);
%!test # x^3 + i x^2 + 2 x - 1 + i (mpmath polyroots, 200 digits), by ascending imaginary part
%! r = roots (complex (widereal ([1 0 2 -1], 4), [0 1 0 1]));
%! re = widereal ({"-0.2201465279594814418423480118926103189336729493213038335879585461088497"; ...
%!                 "0.4045959508284127725011670209680729375064805931499698825939510038901683"; ...
%!                 "-0.1844494228689313306588190090754626185728076438286660490059924577813187"}, 4);
%! im = widereal ({"-1.852568552165682486796488244083918786172025553933342146804502210905407"; ...
%!                 "-0.4254014518273565494128112078240152849723857181111905186010662376502305"; ...
%!                 "1.277970003993039036209299451907934071144411272044532665405568448555638"}, 4);
%! [~, k] = sort (double (imag (r)));
%! assert (double (abs (real (r(k)) - re)) < 1e-68);
%! assert (double (abs (imag (r(k)) - im)) < 1e-68);
%!test # x^3 - 2x - 5 (Newton's equation: one real root, a conjugate pair) and x^5 - 1 (mpmath, 100 digits)
%! r = roots (widereal ([1 0 -2 -5], 4));
%! [~, k] = sort (double (imag (r)));
%! x = widereal ("2.09455148154232659148238654057930296385730610562823918030412852904531218998", 4);
%! y = widereal ("1.13593988908892818624549262902943667118632112719507632605012823500331700213", 4);
%! assert (double (abs (r(k) - [-x/2 - 1i*y; x; -x/2 + 1i*y])) < 1e-73);
%! r = roots (widereal ([1 0 0 0 0 -1], 4));
%! [~, k] = sort (double (angle (r)));
%! c1 = widereal ("0.309016994374947424102293417182819058860154589902881431067724311352630231409", 4);
%! s1 = widereal ("0.951056516295153572116439333379382143405698634125750222447305644430153170085", 4);
%! c2 = widereal ("-0.809016994374947424102293417182819058860154589902881431067724311352630231409", 4);
%! s2 = widereal ("0.587785252292473129168705954639072768597652437643145991072272480757278474162", 4);
%! assert (double (abs (r(k) - [c2 - 1i*s2; c1 - 1i*s1; 1; c1 + 1i*s1; c2 + 1i*s2])) < 1e-73);
%!error <vector> roots (widereal (ones (2)))
%!error <Inf> roots (widereal ([1 Inf 2]))
