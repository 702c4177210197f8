## d = wr_la ("det", mode, p, A, n, n)
## [X, state] = wr_la ("inv", mode, p, A, n, n)
## [X, state] = wr_la ("solve", mode, p, A, n, n, B, r)
## [X, rank] = wr_la ("lsq", mode, p, A, m, n, B, r)
## [Y, perm, L, U] = wr_la ("lu", mode, p, A, m, n)
## [R, Q, perm] = wr_la ("qr", mode, p, A, m, n)
## [R, Q, perm] = wr_la ("qrfull", mode, p, A, m, n)
## [R, Q, perm] = wr_la ("qrp", mode, p, A, m, n, full)
## [s, U, S, V] = wr_la ("svd", mode, p, A, m, n)
## [s, U, S, V] = wr_la ("svdfull", mode, p, A, m, n)
## c = wr_la ("cond", mode, p, A, m, n)
## v = wr_la ("norm", mode, p, A, m, n, type)
##
## Linear algebra on widereal matrices, returning new arrays; the arguments
## are never written.  A (and B) are widened exactly to q = p+2 words (at
## most 1023), the library's routine runs there (every step truncated) and
## each result element is rounded once to p words in the mode.  The results
## are not correctly rounded: they carry the error of the algorithm at q
## words.  Matrices, arguments and results alike, are stored by columns
## (Octave's order), one column of words per element.
##
##   op     "det": the determinant (elimination with partial pivoting; a
##          singular A gives 0, the empty matrix 1);
##          "inv": the inverse; "solve": A \ B, B n-by-r.  state is 0, 1
##          when the smallest pivot lies more than 2^(8-64q) below the
##          largest (singular to working precision), 2 when a pivot is zero
##          (every entry of X is then +Inf);
##          "lsq": the least-squares solution of A X = B, A of any shape,
##          B m-by-r, through Householder QR with column pivoting,
##          A(:, perm) = Q R; rank is the number of diagonal entries of R
##          above max(m,n) |R(1,1)| 2^(-64p).  Full column rank (rank = n):
##          the unique solution; otherwise the minimum norm solution of the
##          system cut to that rank (for an A of full row rank, the minimum
##          norm solution of A X = B), as Octave's \ gives for
##          rectangular systems;
##          "lu": P A = L U with partial pivoting, Y holding U and the
##          multipliers of L below its diagonal, perm (m-by-1 double) the
##          original numbers of the rows in order, L m-by-k with a unit
##          diagonal and U k-by-n, k = min(m,n) (L and U only when asked
##          for);
##          "qr": economy Householder QR, R k-by-n, Q m-by-k (only when
##          asked for); "qrfull": the full one, R m-by-n, Q m-by-m;
##          "qrp": with column pivoting (the column of largest remaining
##          norm first, the first of them on a tie), economy (full = 0) or
##          full (full = 1); perm (1-by-n double) the original numbers of
##          the columns in order, A(:, perm) = Q R (1:n for "qr" and
##          "qrfull").  A column already zero below the diagonal gets no
##          reflection (an upper triangular A gives Q = I, R = A);
##          "svd": the k singular values s (a column, decreasing) and, when
##          asked for, U m-by-k, S = diag(s) k-by-k, V n-by-k, A = U S V';
##          "svdfull": U m-by-m, S m-by-n, V n-by-n (U's or V's columns
##          beyond the k-th an orthonormal complement);
##          "cond": s(1)/s(k), Inf when s(k) is 0, 0 when A is empty;
##          "norm": type 1 (largest column sum of magnitudes), Inf (largest
##          row sum), -Inf (smallest row sum), each sum accumulated at q
##          words and rounded once (a vector passed as m-by-1 gets its 1,
##          Inf and -Inf norms), or 2 (the largest singular value); 0 for
##          an empty A
##   mode   0 to nearest (ties to even), 1 toward zero, 2 toward +Inf,
##          3 toward -Inf
##   p      precision in words, 1..1023
##   A, B   uint64 arrays of m*n (n*r) elements of p+1 words
##   m, n   sizes: "det", "inv" and "solve" need m = n
##   full   0 or 1
##
## Errors: widefp:nargin, widefp:type, widefp:size, widefp:range for bad
## arguments, widefp:domain for infinite entries (except for "norm" of
## types 1 and Inf), widefp:convergence when the singular values do not
## converge, widefp:memory when the scratch (about (m n + m + n)(q+1)
## words) cannot be had.
##
## Example:
##   p = 2;
##   A = wr_fromdouble ([4; 2; 7; 6], p);             # [4 7; 2 6]
##   wr_todoubles (wr_la ("det", 0, p, A, 2, 2)(:), p)        # 10
##   [X, state] = wr_la ("inv", 0, p, A, 2, 2);
##   wr_todoubles (X(:), p)                           # [0.6; -0.2; -0.7; 0.4]
