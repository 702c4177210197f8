## R = wr_mfun ("expm", mode, p, A, n, n)
## R = wr_mfun ("sqrtm", mode, p, A, n, n)
## R = wr_mfun ("logm", mode, p, A, n, n)
## [H, P] = wr_mfun ("hess", mode, p, A, n, n)
## [AA, DD, S, perm] = wr_mfun ("balance", mode, p, A, n, n, permute, scale)
##
## Functions of square widereal matrices, the Hessenberg form and balancing,
## returning new arrays; the arguments are never written.  A is widened
## exactly to q = p+2 words (at most 1023), the library's routine runs there
## (every step truncated) and each result element is rounded once to p words
## in the mode.  Matrices, arguments and results alike, are stored by
## columns (Octave's order), one column of words per element.
##
##   op     "expm": e^A by scaling and squaring of a Taylor polynomial;
##          "sqrtm": the principal square root (Denman-Beavers iteration);
##          "logm": the principal logarithm (inverse scaling and squaring);
##          the last two need A without eigenvalues on the closed negative
##          real axis;
##          "hess": H = P' A P upper Hessenberg, P orthogonal (P only when
##          asked for), by Householder reflections;
##          "balance": AA = DD \ A * DD exactly, DD = I(:, perm) diag (S), S
##          powers of two; permute and scale (0 or 1) select the two stages
##   mode   0 to nearest (ties to even), 1 toward zero, 2 toward +Inf,
##          3 toward -Inf
##   p      precision in words, 1..1023
##   A      uint64 array of n*n elements of p+1 words
##
## Errors: widefp:nargin, widefp:type, widefp:size, widefp:range for bad
## arguments (widefp:size for a matrix that is not square),
## widefp:domain for infinite entries and for "sqrtm" and "logm" of a
## matrix with det (A) < 0 or a singular iterate (a complex or no result:
## complex widereals are not available yet), widefp:convergence when the
## square root iteration does not converge, widefp:memory when the scratch
## cannot be had.
##
## Example:
##   p = 2;
##   A = wr_fromdouble ([0; 1; -1; 0], p);            # [0 -1; 1 0]
##   wr_todoubles (wr_mfun ("expm", 0, p, A, 2, 2)(:), p)   # [cos 1; sin 1; -sin 1; cos 1]
