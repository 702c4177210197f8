## demo_eig.m -- the eigenvalues of the Hilbert matrix of order 20 at p = 4
## beside Octave's double eig, and a positive-definiteness test by Cholesky
## that double precision gets wrong.
function demo_eig ()
  n = 20;
  p = 4;
  printf ("Symmetric eigenvalues and Cholesky: the Hilbert matrix of order %d\n", n);
  printf ("-----------------------------------------------------------------\n");
  printf ("eig at p = %d on H with entries 1/(i+j-1) to %d bits; Octave's eig on hilb(%d).\n", p, 64 * p, n);
  printf ("H is positive definite: every eigenvalue is positive.\n\n");
  H = 1 ./ (widereal ((1:n)', p) + (1:n) - 1);
  tic;
  e = eig (H);
  t = toc;
  ed = eig (hilb (n));
  printf ("   k   widereal eig             Octave eig (double)\n");
  for k = 1:8
    mark = "";
    if (ed(k) <= 0)
      mark = "  <- not positive";
    endif
    printf ("  %2d   %22.15e   %22.15e%s\n", k, double (e(k)), ed(k), mark);
  endfor
  printf ("  ...\n  %2d   %22.15e   %22.15e\n", n, double (e(n)), ed(n));
  ref = widereal ("7.77737739685641264428e-29");  # mpmath eigsy at 120 digits
  printf ("\neig took %.1f ms.  lambda_1 = %s (mpmath, 120 digits)\n", 1000 * t, num2str (ref, 21));
  printf ("                           %s (widereal eig).\n", num2str (e(1), 21));
  printf ("Double precision knows the eigenvalues only to about eps * lambda_20 = %.1e, so\n", eps * ed(n));
  printf ("%d of its values come out negative: noise, not a property of H.\n\n", sum (ed <= 0));

  ## A matrix of doubles, made (with widereal help) a few units of its last
  ## diagonal entry short of positive definite: the Hilbert matrix of order 8
  ## (as doubles) with B(8,8) lowered past the value that makes it singular.
  m = 8;
  B = hilb (m);
  R = chol (widereal (B, p));
  B(m,m) = B(m,m) - double (R(m,m)^2) - 4 * eps (B(m,m));
  [~, kd] = chol (B);
  [~, kw] = chol (widereal (B, p));
  ew = eig (widereal (B, p));
  printf ("Positive definite?  B = hilb(%d) with B(%d,%d) lowered by its last Cholesky pivot\n", m, m, m);
  printf ("and 4 units more, so that B, exactly as stored in doubles, is indefinite:\n");
  printf ("  double   chol: %-40s smallest eig %10.3e\n", verdict (kd), min (eig (B)));
  printf ("  widereal chol: %-40s smallest eig %10.3e\n", verdict (kw), double (ew(1)));
  printf ("The last pivot of B is about %.1e: the sum that forms it cancels from 0.06 down\n", ...
          double (chol_pivot (widereal (B, p), m)));
  printf ("to that, so the rounding errors of double (about 1e-17 each) decide its sign;\n");
  printf ("at %d bits they are 1e-77 and the verdict is the exact one.\n\n", 64 * p);
endfunction

function s = verdict (k)
  if (k == 0)
    s = "positive definite";
  else
    s = sprintf ("not positive definite (pivot %d fails)", k);
  endif
endfunction

## The k-th pivot of the symmetric A from the factor of its leading block.
function piv = chol_pivot (A, k)
  R = chol (A(1:k-1, 1:k-1));
  r = R' \ A(1:k-1, k);
  piv = A(k,k) - r' * r;
endfunction
