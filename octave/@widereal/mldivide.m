## -*- texinfo -*-
## @deftypefn {} {@var{X} =} mldivide (@var{A}, @var{B})
## Solution of @code{@var{A} * @var{X} = @var{B}}, written @code{A \ B}.
##
## A square @var{A}: one call of the gateway wr_la (elimination with partial
## pivoting, then back substitution).  A pivot more than 2^(8-64q) below
## the largest (q the working precision below) gives the warning
## @code{Octave:singular-matrix}; a zero pivot also a result of Inf
## entries.  A rectangular @var{A}: the least-squares solution through
## Householder QR with column pivoting, @code{A(:, p) = Q * R}, in one call
## of wr_la, as Octave's @code{\} gives it: for full column rank (a tall
## A) the unique minimiser of @code{norm (A * X - B)}; otherwise (a wide
## A, or deficient rank) the minimiser of least norm, for the numerical
## rank r = the number of diagonal entries of R above
## @code{max (m, n) * abs (R(1,1)) * eps}, eps = 2^(-64p): the trailing
## block of R below that tolerance counts as zero.  As Octave, no warning
## for a rectangular A of deficient rank.  A scalar @var{A}: @code{B ./ A},
## correctly rounded.  Infinite entries raise @code{widefp:domain}.
##
## Rounding: a square solve or a least-squares solution runs at p+2 words
## (at most 1023 words; the operands extended exactly) and every entry of
## X is rounded once to p words in the mode of @code{widereal_rounding}.
## It is not correctly rounded: the entries carry the error of the
## elimination (or the reflections) at 64(p+2)+1 bits, about
## n 2^(-64(p+2)) times the condition number of A in relative terms (its
## square for a least-squares problem with a large residual), which
## stays below one unit of the last place unless the condition
## number reaches about 2^120 / n.
##
## When @var{A} or @var{B} is complex, @var{A} must be square: the real
## system of order 2n [Re A, -Im A; Im A, Re A] [Re X; Im X] = [Re B; Im B]
## is solved by the real path above (its singular values are those of
## @var{A}, each twice, so the bound is that of a real system of order 2n
## with the condition number of @var{A}); the result is narrowed to real
## when every imaginary part is zero.
##
## @example
## A = widereal ([4 1; 2 3]);
## x = A \ [1; 2]       # [0.1; 0.6]
## complex (widereal (0), 2) \ [2; 4i]   # [-i; 2]
## widereal ([1 2 3; 4 5 6]) \ [1; 2]   # least norm: [-1/18; 1/9; 5/18]
## @end example
## @seealso{mrdivide, inv, qr}
## @end deftypefn
function X = mldivide (a, b)
  if ((isobject (a) && columns (a.w) == 1)    # numel (a) would call a method
      || (! isobject (a) && numel (a) == 1))
    X = rdivide (b, a);
    return;
  endif
  if ((isobject (a) && rows (a.w) > a.p + 1) || (isobject (b) && rows (b.w) > b.p + 1)
      || (! isobject (a) && iscomplex (a)) || (! isobject (b) && iscomplex (b)))
    X = complex_solve (a, b);
    return;
  endif
  [x, y, p, sa, sb] = wr_operands (a, b, false);
  if (numel (sb) > 2 || sa(1) != sb(1))
    error ("Octave:nonconformant-args",
           "operator \\: nonconformant arguments (op1 is %dx%d, op2 is %s)",
           sa(1), sa(2), strjoin (arrayfun (@num2str, sb, "uniformoutput", false), "x"));
  endif
  if (numel (sa) > 2)
    error ("Octave:invalid-input-arg", "mldivide: A must be a 2-D matrix");
  endif
  [~, m] = widereal_rounding ();
  if (sa(1) != sa(2))                       # least squares, any rank
    W = wr_la ("lsq", m, p, x, sa(1), sa(2), y, sb(2));
  else                                      # state 2: W all Inf
    [W, state] = wr_la ("solve", m, p, x, sa(1), sa(1), y, sb(2));
    if (state > 0)
      warning ("Octave:singular-matrix", "matrix singular to machine precision");
    endif
  endif
  X = wr_new (W, p, [sa(2) sb(2)]);
endfunction

## A \ B for a square A, A or B complex, through the real system of twice
## the order [Ar -Ai; Ai Ar] [Xr; Xi] = [Br; Bi] (the words moved, the
## parts negated by uminus), solved by the real path.
function X = complex_solve (a, b)
  p = wr_maxprec (a, b);
  a = wr_cplxprec (a, p);
  b = wr_cplxprec (b, p);
  sa = a.sz;
  sb = b.sz;
  if (numel (sb) > 2 || sa(1) != sb(1))
    error ("Octave:nonconformant-args",
           "operator \\: nonconformant arguments (op1 is %dx%d, op2 is %s)",
           sa(1), sa(2), strjoin (arrayfun (@num2str, sb, "uniformoutput", false), "x"));
  endif
  if (numel (sa) > 2 || sa(1) != sa(2))
    error ("widefp:complex", "mldivide: complex widereals need a square A");
  endif
  n = sa(1);
  r = sb(2);
  w = p + 1;
  ar = reshape (real (a).w, w, n, n);
  ai = reshape (imag (a).w, w, n, n);
  an = reshape ((-imag (a)).w, w, n, n);
  M = cat (2, cat (3, ar, an), cat (3, ai, ar));   # words by (row, column)
  Y = reshape (cat (2, reshape (real (b).w, w, n, r), reshape (imag (b).w, w, n, r)), w, 2*n*r);
  [~, m] = widereal_rounding ();
  [W, state] = wr_la ("solve", m, p, M(:, :), 2*n, 2*n, Y, r);
  if (state > 0)
    warning ("Octave:singular-matrix", "matrix singular to machine precision");
  endif
  W = reshape (W, w, n, 2, r);
  X = wr_narrow (wr_new ([reshape(W(:, :, 1, :), w, n*r); reshape(W(:, :, 2, :), w, n*r)], p, [n r]));
endfunction

%!test
%! A = widereal ([4 1; 2 3]);
%! assert (double (A \ [1; 2]), [0.1; 0.6], 1e-70);
%! H = widereal (1 ./ ((1:6)' + (1:6) - 1), 4);     # Hilbert, cond ~ 1.5e7
%! x = H \ (H * ones (6, 1));
%! assert (double (x), ones (6, 1), 1e-60);
%! assert (double (widereal (2) \ [4 6]), [2 3]);
%! ## least squares: the line through (0,1), (1,2), (2,4)
%! c = widereal ([1 0; 1 1; 1 2]) \ [1; 2; 4];
%! assert (double (c), [5/6; 1.5], 1e-70);

%!test # rectangular systems as Octave's: least norm when wide or of deficient rank
%! p = 4;
%! x = widereal ([1 2 3; 4 5 6], p) \ [1; 2];
%! assert (all (abs (x - widereal ({"-1/18"; "1/9"; "5/18"}, p)) < 1e-75));
%! lastwarn ("");
%! x = widereal ([1 2 3; 2 4 6; 1 1 1; 0 0 0], p) \ [1; 2; 3; 4];   # rank 2, no warning
%! assert (lastwarn (), "");
%! assert (all (abs (x - widereal ({"7/2"; "1"; "-3/2"}, p)) < 1e-75));
%! X = widereal (ones (3, 2), p) \ [1 2; 2 3; 3 4];                  # rank 1
%! assert (all (abs (X - widereal ({"1", "3/2"; "1", "3/2"}, p))(:) < 1e-75));
%! x = widereal (zeros (3, 2), p) \ [1; 2; 3];
%! assert (double (x), [0; 0]);
%! ## tall, full rank, residual not 0: 2 x 2 normal equations (mpmath)
%! A = widereal ([1 1; 1 2; 1 3; 1 5], p);
%! x = A \ [1; 0; 2; 2];
%! assert (all (abs (x - widereal ({"8/35"; "13/35"}, p)) < 1e-75));
%!test
%! warning ("off", "Octave:singular-matrix", "local");
%! assert (double (widereal ([1 2; 2 4]) \ [1; 2]), [Inf; Inf]);
%!warning <^matrix singular to machine precision$> widereal ([1 2; 2 4]) \ [1; 2];
%!warning <singular> widereal (magic (4)) \ ones (4, 1);   # rounding leaves a tiny pivot
%!error <nonconformant> widereal (eye (2)) \ ones (3, 1)
%!error <nonconformant> widereal (ones (3, 2)) \ ones (2, 1)
%!error <infinite> widereal ([1 Inf; 0 1; 1 1]) \ [1; 1; 1]
%!error <infinite> widereal ([1 Inf; 0 1]) \ [1; 1]
%!test # complex: (1+i) x = 2 gives 1 - i; a 2x2 system with an exact solution; / through transposes
%! z = complex (widereal (eye (2)), eye (2)) \ [2; 2i];     # (1+i) z = (2, 2i): z = (1-i, 1+i)
%! assert ([double(real (z)) double(imag (z))], [1 -1; 1 1]);
%! A = complex (widereal ([2 1; 0 3], 3), [1 0; 1 -1]);     # [2+i 1; i 3-i]
%! x = A \ [3+1i; 3];                                       # x = [1; 1]
%! assert (double (abs (real (x) - 1)) < 1e-55 & double (abs (imag (x))) < 1e-55);
%! X = [3+1i, 3; 1, 1i] / A.';
%! assert (double (abs (real (X(1,:)) - 1)) < 1e-55 & double (abs (imag (X(1,:)))) < 1e-55);
%! t = widereal ("1/3", 4);                                  # (t + t i) z = 1: z = (1 - i) / (2t)
%! z = complex ([t 0; 0 t], [t 0; 0 t]) \ [1; 1];
%! assert (double (max (abs (real (z) - 1 / (2*t)))) < 1e-75 && double (max (abs (imag (z) + 1 / (2*t)))) < 1e-75);
%!error <square A> complex (widereal (ones (3, 2)), 1) \ ones (3, 1)
