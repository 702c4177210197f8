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
## With two outputs, @var{D} is the diagonal matrix of these values and
## the columns of @var{V} their eigenvectors, from the real Schur form
## A = Z T Z' (the orthogonal transformations of the reduction and the
## sweeps accumulated at q words): back substitution on the
## quasi-triangular T for each eigenvalue (a 2 x 2 block of T by Cramer's
## rule in complex arithmetic), then Z and the balancing applied, each
## column normalised to unit 2-norm (as Octave does) and multiplied by the
## phase that makes its entry of largest magnitude real and positive (the
## first such entry); the vectors of a conjugate pair are exact conjugates,
## and @var{V} and @var{D} are real when every eigenvalue is.  Each entry is
## rounded once from q to p words; the library's tests check
## @code{max (max (abs (A*V - V*D)))} against 16 n^2 2^(-64q) ||A||_F and
## more for matrices with ill-conditioned eigenvectors, whose columns of
## @var{V} are only as accurate as their condition allows (a defective
## eigenvalue gives nearly parallel columns, as in Octave).
##
## A complex @var{A} that is not Hermitian takes the general complex path
## (the gateway wr_ceig): balancing by the permutations and powers of two
## found for the matrix of the moduli (exact), Householder reduction to
## complex Hessenberg form and implicit single-shift QR sweeps by complex
## rotations (Wilkinson's shift, an exceptional shift every tenth sweep
## without progress) at q = p+2 words down to the triangular Schur form
## A = Z T Z'.  The eigenvalues come in the order of T's diagonal, as a
## complex column (real when every imaginary part is zero, as Octave
## narrows).  With two outputs the columns of @var{V} come from back
## substitution on T, then Z and the balancing applied, each normalised to
## unit 2-norm with its entry of largest magnitude real and positive.  The
## accuracy is as stated above for real matrices: about n^2 2^(-64q)
## ||A||_F times the condition number for a simple eigenvalue, and about
## the k-th root of 2^(-64q) ||A|| for one of a Jordan block of order k.
##
## A complex Hermitian @var{A} (@code{A == A'} exactly) has real
## eigenvalues: they are those of the real
## symmetric @code{[real(A), -imag(A); imag(A), real(A)]} (computed as
## above), each of which appears there twice: @var{lambda} (real, in
## ascending order) takes every other one.  A vector [x; y] of that matrix
## gives the eigenvector x + i y of @var{A}: for eigenvalue k the one of
## columns 2k-1, 2k (or, when both lie in the complex span of the vectors
## chosen before, of all columns of values within 2^(-16p) max |lambda|)
## that keeps most of its length after the projection against the chosen
## ones, normalised to unit 2-norm with its entry of largest magnitude real
## and positive.  These steps run at p words after the real solver's
## rounding, so @var{V} is accurate to a small multiple of n 2^(-64p)
## (for a well-separated eigenvalue), and its columns are orthonormal to the
## same accuracy.  The pencil needs real symmetric @var{A} and @var{B}
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
## [V, D] = eig (widereal ([0 1; -1 0]))  # V = [1 1; i -i] / sqrt (2)
## eig (complex (widereal ([1 0; 0 2]), [0 1; -1 0]))  # (3 -+ sqrt (5)) / 2
## eig (complex (widereal ([1 0; 3 4]), [0 2; 0 0]))    # 0.4194-1.4419i, 4.5806+1.4419i
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
  cplx = rows (x) > p + 1;
  if (cplx)
    if (nargin > 1)
      error ("widefp:complex", "eig: complex widereals are not supported yet for the pencil");
    endif
    A = wr_new (x, p, [n n]);
    R = real (A);
    I = imag (A);
    if (n > 0 && all (all (R == R.')) && all (all (I == -I.')))
      [V, D] = hermitian (R, I, n, p, nargout);
      return;
    endif
  endif
  [~, mode] = widereal_rounding ();
  if (nargin == 1 && (cplx || ! symmetric (x, n, p)))
    if (nargout > 1)
      [re, im, v] = wr_ceig ("eigv", mode, p, x, n);
      V = wr_narrow (wr_new (v, p, [n n]));
      D = diag (wr_narrow (wr_new ([re; im], p, [n 1])));
      return;
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

## The Hermitian A = R + iI from the real symmetric embedding
## E = [R, -I; I, R]: E [x; y] = l [x; y] exactly when A (x + iy) = l (x + iy),
## and E [-y; x] = l [-y; x] too, so each eigenvalue of A appears twice in
## E's sorted list (take every other one), and the eigenspace of E for l is
## closed under J: [x; y] -> [-y; x], the multiplication by i.  Vector k is
## picked from E's columns 2k-1, 2k (among all of E's columns of that
## eigenvalue when both lie in the span of the ones chosen before): the one
## that keeps most of its length after the complex projection against the
## chosen ones (the real projection against each u and J u), normalised to
## unit length and multiplied by the phase that makes its entry of largest
## magnitude real and positive.
function [V, D] = hermitian (R, I, n, p, nout)
  ## bit for bit symmetric (the solver checks the words): I.' is -I by
  ## value, and R's upper triangle is rebuilt from its lower one
  R = tril (R) + tril (R, -1).';
  E = [R, I.'; I, R];
  if (nout < 2)
    d = eig (E);
    V = wr_new (d.w(:,1:2:end), p, [n 1]);
    D = [];
    return;
  endif
  [W, L] = eig (E);
  d = diag (L);
  dd = double (d);
  lam = wr_new (d.w(:,1:2:end), p, [n 1]);
  tol = 2 ^ (-16 * p) * max ([abs(dd); 1]);
  used = false (1, 2 * n);
  S = JS = [];
  top = 1:n;
  bot = n+1:2*n;
  for k = 1:n
    cand = find (! used(2*k-1:2*k)) + 2*k - 2;
    [w, r2, c] = best_residual (W, cand, S, JS, p);
    if (r2 < 0.5)
      cand = find (! used & abs (dd' - dd(2*k-1)) <= tol);
      [w, r2, c] = best_residual (W, cand, S, JS, p);
    endif
    used(c) = true;
    w = w / sqrt (w' * w);
    dw = double (w);
    [~, m] = max (dw(top) .^ 2 + dw(bot) .^ 2);
    a = sub (w, m);
    b = sub (w, n + m);
    Jw = [-sub(w, bot); sub(w, top)];
    w = (a * w - b * Jw) / sqrt (a * a + b * b);
    S = [S, w];
    JS = [JS, [-sub(w, bot); sub(w, top)]];
  endfor
  V = complex (sub (S, top, 1:n), sub (S, bot, 1:n));
  D = diag (lam);
endfunction

## X(i, j) of the widereal X (the class's own indexing is not called inside
## its methods)
function y = sub (X, i, j = 1)
  [ii, jj] = ndgrid (i, j);
  y = wr_new (X.w(:, ii(:)' + (jj(:)' - 1) * X.sz(1)), X.p, [numel(i) numel(j)]);
endfunction

## Of E's columns cand, the one (w, its index c) whose part outside the
## complex span of the chosen vectors S (with JS = J S) is longest: w that
## part (projected twice), r2 its squared length as a double.
function [w, r2, c] = best_residual (W, cand, S, JS, p)
  r2 = -1;
  for j = cand
    v = sub (W, 1:rows (W), j);
    if (! isempty (S))
      for t = 1:2
        v = v - S * (S' * v) - JS * (JS' * v);
      endfor
    endif
    q = double (v' * v);
    if (q > r2)
      r2 = q;
      w = v;
      c = j;
    endif
  endfor
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
%!test # Hermitian [1 i; -i 2]: (3 -+ sqrt (5)) / 2 and the first vector (mpmath, 80 digits)
%! A = complex (widereal ([1 0; 0 2], 4), widereal ([0 1; -1 0], 4));
%! e = eig (A);
%! assert (isreal (e));
%! assert (double (abs (e - widereal ({"0.38196601125010515179541316563436188227969082019423713786455137729473953718109755"; ...
%!   "2.6180339887498948482045868343656381177203091798057628621354486227052604628189024"}, 4))) < 1e-75);
%! [V, D] = eig (A);
%! assert (isreal (D) && iscomplex (V) && isequal (diag (D), e));
%! assert (double (abs (real (V(:,1)) - widereal ({"0.85065080835203993218154049706301107224040140376481688183674024237788404736395897"; "0"}, 4))) < 1e-75);
%! assert (double (abs (imag (V(:,1)) - widereal ({"0"; "0.52573111211913360602566908484787660728549793224334178152893552324121114640321402"}, 4))) < 1e-75);
%! assert (double (max (max (abs (A*V - V*D)))) < 1e-75);
%! assert (double (max (max (abs (V'*V - eye (2))))) < 1e-75);
%!test # Hermitian with repeated values: I and a real diagonal give independent vectors
%! [V, D] = eig (complex (widereal (eye (3), 2), zeros (3)));
%! P = double (real (V));
%! assert (sort (P(:))', [zeros(1, 6) 1 1 1]);
%! assert (P * P', eye (3));
%! assert (double (imag (V)), zeros (3));
%! assert (double (D), eye (3));
%! B = complex (widereal ([2 0 0; 0 1 0; 0 0 2], 2), widereal ([0 0 1; 0 0 0; -1 0 0], 2));
%! [V, D] = eig (B);
%! assert (double (diag (D)), [1; 1; 3], 1e-35);
%! assert (double (max (max (abs (V'*V - eye (3))))) < 1e-35);
%! assert (double (max (max (abs (B*V - V*D)))) < 1e-35);
%!test # nonsymmetric vectors: the rotation [0 1; -1 0], [1 1; i -i] / sqrt (2) (mpmath)
%! [V, D] = eig (widereal ([0 1; -1 0], 3));
%! h = widereal ("0.70710678118654752440084436210484903928483593768847403658833986899536623923105352", 3);
%! assert (double (abs (real (V) - h * [1 1; 0 0])) < 1e-57);
%! assert (double (abs (imag (V) - h * [0 0; 1 -1])) < 1e-57);
%! assert (double (imag (V(1,:))), [0 0]);
%! assert (double (real (D)), zeros (2));
%! assert (double (imag (D)), [1 0; 0 -1]);
%!test # a random 5x5 at p = 4: ||A V - V D||_max < 16 n^2 2^-384 ||A||_F (q = 6 words), unit columns
%! randn ("state", 11);
%! A = widereal (randn (5), 4);
%! [V, D] = eig (A);
%! e = eig (A);
%! assert (isequal (real (diag (D)), real (e)) && isequal (imag (diag (D)), imag (e)));
%! ## V and D rounded to p words and the products at p words: n 2^-256 ||A||_F
%! nf = double (norm (A, "fro"));
%! assert (double (max (max (abs (A*V - V*D)))) < 5 * 2^-256 * nf);
%! assert (double (max (abs (sum (abs (V) .^ 2) - 1))) < 1e-75);
%! [v, d] = eig (double (A));
%! assert (sort (abs (double (diag (D)))), sort (abs (diag (d))), 1e-12);
%!test # real eigenvalues only: V and D real; an upper triangular A
%! [V, D] = eig (widereal ([1 2; 0 3], 2));
%! assert (isreal (V) && isreal (D));
%! assert (double (D), diag ([1 3]));
%! assert (double (V), [1 1; 0 1] ./ [1 sqrt(2)], 1e-15);
%!error <nonsymmetric> eig (widereal ([1 2; 3 4]), eye (2))
%!error <not 4 \(real\) or 8> wr_ceig ("eig", 0, 2, zeros (9, 1, "uint64"), 2)
%!error <infinite> eig (widereal ([1 Inf; 0 1]))
%!error <unknown operation> wr_ceig ("eigen", 0, 2, zeros (3, 1, "uint64"), 1)
%!error <mode> wr_ceig ("eig", 7, 2, zeros (3, 1, "uint64"), 1)
%!error <takes> wr_ceig ("matmul", 0, 2, zeros (3, 1, "uint64"), 1)
%!error <infinite> eig (complex (widereal ([1 Inf; 0 1]), 1))
%!error <infinite> [V, D] = eig (complex (widereal ([1 2; 0 1]), [0 Inf; 0 0]))
%!error <pencil> eig (complex (widereal ([1 0; 0 1]), 0), eye (2))
%!error <eigv takes> wr_ceig ("eigv", 0, 2, zeros (3, 1, "uint64"), 1, 1)
%!error <square> eig (widereal ([1 2 3; 2 1 0]))
%!error <positive definite> eig (widereal ([1 0; 0 1]), widereal ([1 2; 2 1]))
%!error <infinite> eig (widereal ([1 Inf; Inf 1]))
%!error <not n\*n> wr_eig ("eig", 0, 2, zeros (3, 3, "uint64"), 2)
%!error <unknown operation> wr_eig ("eigen", 0, 2, zeros (3, 1, "uint64"), 1)
%!error <mode> wr_eig ("chol", 7, 2, zeros (3, 1, "uint64"), 1)
%!error <takes> wr_eig ("eig2", 0, 2, zeros (3, 1, "uint64"), 1)
%!test # general complex [1 2i; 3 4] at p = 4 (mpmath, 200 digits), V and D
%! A = complex (widereal ([1 0; 3 4], 4), widereal ([0 2; 0 0], 4));
%! e = eig (A);
%! ref = widereal ({"0.4193747563546975488330521834253697840251487880411429809847829952354497"; ...
%!                  "4.58062524364530245116694781657463021597485121195885701901521700476455"}, 4);
%! imref = widereal ("1.44187426792146970055564550598147921494807255088792528141738784591943", 4);
%! assert (iscomplex (e));
%! assert (double (abs (real (e) - ref)) < 1e-68);
%! assert (double (abs (imag (e) - [-imref; imref])) < 1e-68);
%! [V, D] = eig (A);
%! assert (isequal (real (diag (D)), real (e)) && isequal (imag (diag (D)), imag (e)));
%! assert (double (max (max (abs (A*V - V*D)))) < 1e-75);
%! assert (double (max (abs (sum (abs (V) .^ 2) - 1))) < 1e-75);
%! assert (double (imag (V([1 4]))), [0 0]);   # largest entries real positive
%! assert (double (real (V([1 4]))) > 0);
%!test # a general complex 4x4 (mpmath.eig, 200 digits), matched by nearness
%! R = [2 -1 0 3; 0 1 4 -2; 0 3 0 1; 2 1 1 -3];
%! I = [1 0 0.5 0; 1 -2 0 0; 0 1 -1 0; 0 0 1 0.5];
%! A = complex (widereal (R, 4), widereal (I, 4));
%! e = eig (A);
%! ref = {"3.966599235682804742240410138365867264770568707589642960985204773754187", ...
%!        "-1.315761042169049998293644940959462111420436821132394755836677175730041"; ...
%!        "3.081866447010083812245426208854363844036600756213669905051581435526297", ...
%!        "1.088912269286603820586315046429965949916258983862147138030578763429747"; ...
%!        "-3.483452929382403522156132453091530892093032981282412733576842019973119", ...
%!        "-2.152846773735456814005359844317449920155920880041776140451548374090139"; ...
%!        "-3.565012753310485032329703894128700216714136482520900132459944189307365", ...
%!        "0.8796955466179029917126897388469460816600987173120237582576467863904335"};
%! z = double (real (e)) + 1i * double (imag (e));
%! for j = 1:4
%!   r = complex (widereal (ref{j,1}, 4), widereal (ref{j,2}, 4));
%!   [~, k] = min (abs (z - double (r)));
%!   assert (double (abs (e(k) - r)) < 1e-66);
%! endfor
%! [V, D] = eig (A);
%! assert (double (max (max (abs (A*V - V*D)))) < 1e-74);
%! assert (sort (abs (z)), sort (abs (eig (R + 1i * I))), 1e-13);
%!test # a defective complex eigenvalue: S J S^-1, J the Jordan block of 1+i of order 3,
%! ## S unit lower triangular with Gaussian integers (S^-1 exact): the values are
%! ## determined only to about (2^-64q)^(1/3), q = p+2 = 4 words, about 1e-26
%! S = [1 0 0; 1i 1 0; 2 -1i 1];
%! Si = [1 0 0; -1i 1 0; -1 1i 1];
%! assert (S * Si, eye (3));
%! J = (1+1i) * eye (3) + diag ([1 1], 1);
%! A = widereal (S * J * Si, 2);
%! e = eig (A);
%! d = double (max (abs (e - (1+1i))));
%! assert (d < 1e-24 && d > 1e-30);
%!test # complex 1x1 and triangular; a complex A with zero imaginary parts narrows
%! [V, D] = eig (complex (widereal (zeros (0), 2), zeros (0)));
%! assert (size (V), [0 0]);
%! e = eig (complex (widereal (3, 2), -2));
%! assert ([double(real (e)) double(imag (e))], [3 -2]);
%! e = eig (complex (widereal ([1 5; 0 2], 2), [0 1; 0 0]));
%! assert (isreal (e) && isequal (sort (double (e)), [1; 2]));
%! [V, D] = eig (complex (widereal ([1 5; 0 2], 2), [0 1; 0 0]));
%! assert (isreal (D) && isequal (double (D), diag ([1 2])));
%! assert (double (abs (V(:,1) - [1; 0])) < 1e-37);
