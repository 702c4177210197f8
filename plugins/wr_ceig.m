## R = wr_ceig (op, mode, p, ...)
## [re, im] = wr_ceig ("eig", mode, p, A, n)
## C = wr_ceig ("matmul", mode, p, A, B, m, k, n)
## y = wr_ceig ("polyval", mode, p, c, x, nc, nx)
## [c, paired] = wr_ceig ("poly", mode, p, r, n)
##
## The nonsymmetric eigenproblem and complex matrix operations on widereal
## arrays, returning new arrays; the arguments are never written.  An
## element array holds p+1 words per real element or 2(p+1) per complex
## one (the real part's words, then the imaginary part's), one column per
## element in Octave's order; which of the two an argument is follows from
## its word count and the element count given.  The operands are widened
## exactly to q = p+2 words, the computation truncates there, and each part
## of each result is rounded once to p words in the mode.  The results are
## not correctly rounded: they carry the error of the algorithm at q words.
##
##   op     "eig": the eigenvalues of the real n-by-n A, real parts re and
##          imaginary parts im ((p+1)-by-n each): balancing (permutations
##          and powers of two), Hessenberg form, Francis's double-shift QR;
##          the order of the quasi-triangular Schur form's diagonal, a
##          conjugate pair in consecutive places with the positive imaginary
##          part first; for a complex A: balancing on the moduli, complex
##          Hessenberg form, single-shift complex QR, the order of the
##          triangular Schur form's diagonal ("eigv" adds the vectors V);
##          "matmul": C = A B (A m-by-k, B k-by-n, either complex or not): the
##          four real products accumulated at q words, C complex unless both
##          are real;
##          "polyval": Horner's rule for the nc coefficients c (highest power
##          first) at the nx points x, in complex arithmetic;
##          "poly": the n+1 coefficients of prod (x - r(j)), always complex
##          words; paired = 1 when the nonreal roots come in exact conjugate
##          pairs (the imaginary parts are then returned as zeros)
##   mode   0 to nearest (ties to even), 1 toward zero, 2 toward +Inf,
##          3 toward -Inf
##   p      precision in words, 1..1021
##
## Errors: widefp:nargin, widefp:type, widefp:size, widefp:range for bad
## arguments, widefp:domain for infinite entries (eig, polyval, poly) and
## Inf - Inf or 0 * Inf in a product, widefp:convergence when an eigenvalue
## does not converge, widefp:memory when the scratch cannot be had.
##
## Example:
##   p = 2;
##   A = wr_fromdouble ([3; 4; -4; 3], p);             # [3 -4; 4 3]
##   [re, im] = wr_ceig ("eig", 0, p, A, 2);
##   [wr_todoubles(re(:), p), wr_todoubles(im(:), p)]  # [3 4; 3 -4]
