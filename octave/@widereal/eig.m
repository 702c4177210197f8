## -*- texinfo -*-
## @deftypefn  {} {@var{lambda} =} eig (@var{A})
## @deftypefnx {} {[@var{V}, @var{D}] =} eig (@var{A})
## @deftypefnx {} {@var{lambda} =} eig (@var{A}, @var{B})
## @deftypefnx {} {[@var{V}, @var{D}] =} eig (@var{A}, @var{B})
## Eigenvalues and eigenvectors of the symmetric widereal matrix @var{A},
## or of the symmetric-definite pencil (@var{A}, @var{B}),
## @code{A * V = B * V * D}: one call of the gateway wr_eig (Householder
## tridiagonalisation, then implicitly shifted QR sweeps with Wilkinson's
## shift; for the pencil first the Cholesky factor R of @var{B} and the
## problem of @code{R' \ A / R}).  @var{lambda} is the column of the n
## eigenvalues in ascending order, @var{D} the diagonal matrix of them.  The
## columns of @var{V} are orthonormal (@code{V' * V = I}), for the pencil
## B-orthonormal (@code{V' * B * V = I}, as Octave normalises them); each
## has its entry of largest magnitude positive.
##
## A real @var{A} that is not exactly equal to its transpose takes the
## nonsymmetric path (the gateway wr_ceig): balancing by permutations and
## powers of two (exact, as Octave's @code{eig} balances by default),
## Householder reduction to Hessenberg form and Francis's implicit
## double-shift QR sweeps in real arithmetic at q = p+2 words, each part of
## each eigenvalue rounded once to p words.  The result is a complex
## widereal column when any eigenvalue is complex (conjugate pairs in
## consecutive places, the one with the positive imaginary part first, the
## two exact conjugates), a real one otherwise.  The order is that of the
## diagonal of the quasi-triangular Schur form, top to bottom (like Octave's,
## not sorted; the two orders often agree but need not).  Accuracy: a
## well-conditioned eigenvalue is within a small multiple of
## n^2 2^(-64q) ||A||_F times its condition number; an eigenvalue of
## multiplicity k with a single Jordan block (defective) is only determined
## to about (2^(-64q) ||A||)^(1/k), as in any arithmetic of that precision.
## Eigenvectors of a nonsymmetric matrix are not provided yet
## (@code{widefp:notimplemented}), nor complex @var{A} (@code{widefp:complex});
## the pencil needs a symmetric @var{A} and @var{B}
## (@code{widefp:nonsymmetric}).  Sweeps that do not converge raise
## @code{widefp:convergence}.  @var{B} must be positive definite
## (@code{widefp:notposdef} otherwise).  A double @var{A} or @var{B} is
## taken exactly at the other's precision.  Infinite entries raise
## @code{widefp:domain}.
##
## Rounding: the computation runs at q = p+2 words (at most 1023; A
## extended exactly) and every eigenvalue and every entry of V is rounded
## once to p words in the mode of @code{widereal_rounding}.  It is not
## correctly rounded: before that rounding each eigenvalue of @var{A} is
## within 154 n 2^(-64q) ||A||_F of the exact one (the library's tests
## check this bound, and @code{norm (A*V - V*D, "fro")} and the entries of
## @code{V'*V - I} against the same, relative to ||A||_F and 1), far below
## one unit of the last place of the largest eigenvalues; the small ones
## are known to that absolute accuracy only.  For the pencil the bound
## grows with the condition of @var{B}.
##
## @example
## eig (widereal ([2 1; 1 2]))   # [1; 3]
## eig (widereal ([3 -4; 4 3]))  # [3+4i; 3-4i]
## [i, j] = ndgrid (1:4);
## [V, D] = eig (1 ./ widereal (i + j - 1));   # D(1,1) = 9.6702304022586885554...e-5
## @end example
## @seealso{chol, svd}
## @end deftypefn
function [V, D] = eig (A, B)
  if (nargin == 1)
    [x, m, n, p] = wr_matrixwords (A, "eig");
  else
    [x, y, p, sa, sb] = wr_operands (A, B, false);
    if (numel (sa) > 2 || numel (sb) > 2 || any (sa != sb))
      error ("Octave:nonconformant-args", "eig: A and B must be square matrices of one size");
    endif
    m = sa(1);
    n = sa(2);
  endif
  if (m != n)
    error ("Octave:invalid-input-arg", "eig: argument must be a square matrix");
  endif
  if (rows (x) > p + 1)
    error ("widefp:complex", "eig: complex widereals are not supported yet");
  endif
  [~, mode] = widereal_rounding ();
  if (nargin == 1 && ! symmetric (x, n, p))
    if (nargout > 1)
      error ("widefp:notimplemented",
             "eig: eigenvectors of a nonsymmetric matrix are not provided yet");
    endif
    [re, im] = wr_ceig ("eig", mode, p, x, n);
    V = wr_narrow (wr_new ([re; im], p, [n 1]));
    return;
  endif
  if (nargin == 1)
    op = {"eig", mode, p, x, n};
  else
    op = {"eig2", mode, p, x, y, n};
  endif
  if (nargout < 2)
    V = wr_new (wr_eig (op{:}), p, [n 1]);
  else
    [d, v] = wr_eig (op{:});
    V = wr_new (v, p, [n n]);
    D = diag (wr_new (d, p, [n 1]));
  endif
endfunction

## Whether the n-by-n matrix of words x equals its transpose, entry for
## entry (by value: +0 and -0 are equal).
function t = symmetric (x, n, p)
  A = wr_new (x, p, [n n]);
  t = all (all (A == A.'));
endfunction


%!test # Hilbert matrix of order 10 at p = 4: the values to 60 digits (mpmath, 150 digits)
%! [i, j] = ndgrid (1:10);
%! A = 1 ./ widereal (i + j - 1, 4);
%! e = eig (A);
%! ref = {"1.09315381937966576381686691049785556828952464672070410124044e-13" ...
%!   "2.26674674776292552527105085752957743433440272212353009884752e-11" ...
%!   "2.14743881735047860769711909519727754230220876501671189493057e-9" ...
%!   "1.22896773875117504964698527258303442757731956383890761826323e-7" ...
%!   "4.72968929318234750614058600723226069184776862321778625720993e-6" ...
%!   "1.28749614276377079808798039407158519776098887236174463299242e-4" ...
%!   "2.53089076867003814371951273822326697617904220103331666394254e-3" ...
%!   "3.57418162716392358905804081659090407138295144598975686535716e-2" ...
%!   "3.42929548483509096153861525031330636336852077479076609502181e-1" ...
%!   "1.75191967026517752241375776313864492613533167766464402934121"};
%! for k = 1:10
%!   r = widereal (ref{k}, 4);
%!   assert (double (abs (e(k) - r)) < 1e-60);
%! endfor
%! [V, D] = eig (A);
%! assert (isequal (diag (D), e));
%! assert (double (max (max (abs (A*V - V*D)))) < 1e-70);
%! assert (double (max (max (abs (V'*V - eye (10))))) < 1e-70);
%!test # the pencil: V' B V = I and A V = B V D; the values of [2 1; 1 2] with B = diag ([1 4])
%! A = widereal ([2 1; 1 2], 3);
%! B = widereal ([1 0; 0 4], 3);
%! [V, D] = eig (A, B);
%! # det (A - x B) = 4 x^2 - 10 x + 3: x = (5 -+ sqrt (13)) / 4
%! s13 = sqrt (widereal (13, 3));
%! assert (double (abs (diag (D) - [(5 - s13) / 4; (5 + s13) / 4])) < 1e-55);
%! assert (double (max (max (abs (V'*B*V - eye (2))))) < 1e-55);
%! assert (double (max (max (abs (A*V - B*V*D)))) < 1e-55);
%! [~, at] = max (abs (double (V)));
%! assert (double (V)(sub2ind ([2 2], at, 1:2)) > 0);
%! assert (double (eig (A, [1 0; 0 4])), double (diag (D)));
%!test # diagonal, zero, 1x1, empty; values without vectors agree
%! assert (double (eig (widereal (diag ([3 -1 2])))), [-1; 2; 3]);
%! [V, D] = eig (widereal (diag ([3 -1 2])));
%! assert (double (V), [0 0 1; 1 0 0; 0 1 0]);
%! assert (double (eig (widereal (zeros (3)))), zeros (3, 1));
%! assert (double (eig (widereal (-5))), -5);
%! assert (size (eig (widereal (zeros (0)))), [0 1]);
%!test # nonsymmetric: a rotation-like pair, the Frank matrix of order 12 (mpmath, 250 digits)
%! e = eig (widereal ([3 -4; 4 3], 2));
%! assert (iscomplex (e));
%! assert ([double(real (e)) double(imag (e))], [3 4; 3 -4]);
%! e = eig (widereal ([0 1; -1 0]));
%! assert ([double(real (e)) double(imag (e))], [0 1; 0 -1]);
%! F = widereal (gallery ("frank", 12), 4);
%! e = eig (F);
%! assert (isreal (e) && isequal (size (e), [12 1]));
%! ref = {"0.03102806064401001507954023063583222562542574945468988778401422872214974" ...
%!   "0.04950742918527830343875752361590026161797572421567488378644245420276665" ...
%!   "0.0812276592404050401192335468493803598181190439276220546347462639334612" ...
%!   "0.1436465197692204722502524711336766288617160532515102948314754683916219" ...
%!   "0.2847497205584782007783427748868648296492463909905294386011021553629136" ...
%!   "0.643505319004855464502305138686118483394289361236466661753541719353615" ...
%!   "1.553988709132106898693445095909109553141554009872691573950266099998672" ...
%!   "3.511855948580757194226208417378627396270260733296041055992486164412627" ...
%!   "6.961533085567122112679257359944820168800148817162732920387105097570717" ...
%!   "12.31107740086852612031097091278712123977195282022329789849203963916332" ...
%!   "20.19898864587707942808277398444381284424268879831570152985178078234707" ...
%!   "32.22889150157216074983891254372873600880662249805304179993499992654106"};
%! [~, k] = sort (double (e));
%! for j = 1:12
%!   assert (double (abs (e(k(j)) - widereal (ref{j}, 4))) < 1e-66);
%! endfor
%!test # companion matrix of (x-1)(x-2)(x+3)(x^2-2x+5): exact integer data, simple roots
%! A = widereal ([2 2 -20 47 -30; 1 0 0 0 0; 0 1 0 0 0; 0 0 1 0 0; 0 0 0 1 0], 3);
%! e = eig (A);
%! z = double (real (e)) + 1i * double (imag (e));
%! assert (sort (z), sort ([1; 2; -3; 1+2i; 1-2i]), 1e-14);
%! ref = [1 2 -3 1 1; 0 0 0 2 -2];
%! for j = 1:5
%!   [~, k] = min (abs (z - (ref(1,j) + 1i*ref(2,j))));
%!   assert (double (abs (real (e(k)) - ref(1,j)) + abs (imag (e(k)) - ref(2,j))) < 1e-55);
%! endfor
%!test # a defective eigenvalue: S J S^-1, J the Jordan block of 2 of order 3 (integer data):
%! ## the values are determined to about (2^-64q)^(1/3), q = p+2 = 4 words: about 1e-26
%! S = [1 0 0; 2 1 0; 1 3 1];
%! A = widereal (S * [2 1 0; 0 2 1; 0 0 2] / S, 2);
%! e = eig (A);
%! d = max (abs (double (real (e)) - 2) + abs (double (imag (e))));
%! assert (d < 1e-22 && d > 1e-32);
%!error <nonsymmetric> eig (widereal ([1 2; 3 4]), eye (2))
%!error <not 4 \(real\) or 8> wr_ceig ("eig", 0, 2, zeros (9, 1, "uint64"), 2)
%!error <infinite> eig (widereal ([1 Inf; 0 1]))
%!error <unknown operation> wr_ceig ("eigen", 0, 2, zeros (3, 1, "uint64"), 1)
%!error <mode> wr_ceig ("eig", 7, 2, zeros (3, 1, "uint64"), 1)
%!error <takes> wr_ceig ("matmul", 0, 2, zeros (3, 1, "uint64"), 1)
%!error <complex widereals are not supported> eig (complex (widereal ([1 2; 3 4]), 1))
%!error <eigenvectors of a nonsymmetric> [V, D] = eig (widereal ([1 2; 3 4]))
%!error <square> eig (widereal ([1 2 3; 2 1 0]))
%!error <positive definite> eig (widereal ([1 0; 0 1]), widereal ([1 2; 2 1]))
%!error <infinite> eig (widereal ([1 Inf; Inf 1]))
%!error <not n\*n> wr_eig ("eig", 0, 2, zeros (3, 3, "uint64"), 2)
%!error <unknown operation> wr_eig ("eigen", 0, 2, zeros (3, 1, "uint64"), 1)
%!error <mode> wr_eig ("chol", 7, 2, zeros (3, 1, "uint64"), 1)
%!error <takes> wr_eig ("eig2", 0, 2, zeros (3, 1, "uint64"), 1)
