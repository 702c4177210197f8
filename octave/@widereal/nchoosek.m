## -*- texinfo -*-
## @deftypefn {} {@var{c} =} nchoosek (@var{n}, @var{k})
## The binomial coefficient n! / (k! (n-k)!) for scalar integers 0 <= k <= n
## (doubles, integers or widereals, at least one of them a widereal; n may
## be a widereal integer of any size, k at most 10^6).  The precision is
## the larger of the widereal arguments'.  Octave's form with a vector
## @var{n} (the combinations of its elements) is not provided for
## widereals.
##
## Rounding: the coefficient is built exactly as an integer, step by step
## C(n-k+i, i) = C(n-k+i-1, i-1) (n-k+i) / i at as many words as it needs,
## and rounded once to p words in the mode of @code{widereal_rounding}: it
## is exact whenever p words hold it and correctly rounded otherwise.  A
## coefficient needing more than 1,020 words raises @code{widefp:range}.
##
## @example
## nchoosek (widereal (100), 50)      # 100891344545564193334812497256, exact
## nchoosek (widereal (1000, 2), 500) # 2.702882409454365695156146936259...e299
## @end example
## @seealso{factorial, gamma, widereal_rounding}
## @end deftypefn
function c = nchoosek (n, k)
  wr_realonly ("nchoosek", n, k);
  if (nargin != 2)
    print_usage ();
  endif
  p = 0;
  for v = {n, k}
    if (isobject (v{1}))
      p = max (p, v{1}.p);
    endif
    if (! isscalar (v{1}) || ! (isnumeric (v{1}) || isobject (v{1})) || ! isreal (v{1})
        || ! isfinite (v{1}) || v{1} < 0 || v{1} != fix (v{1}))
      error ("widefp:domain", "nchoosek: N and K must be non-negative integer scalars");
    endif
  endfor
  if (k > n)
    error ("widefp:domain", "nchoosek: N must be a non-negative integer >= K");
  endif
  k = double (k);
  nd = double (n);
  if (nd < 2^53 && nd - k < k)
    k = nd - k;                           # C(n, k) = C(n, n-k), both exact
  endif
  if (k > 1e6)
    error ("widefp:range", "nchoosek: K = %g: the coefficient needs more than 1,020 words", k);
  endif
  ## bits of the coefficient and of the largest step, from doubles
  bits = sum (log2 ((nd - k + (1:k)) ./ (1:k))) + log2 (nd + 1) + 16;
  q = max (p + 1, ceil (bits / 64) + 1);
  if (q > 1020)
    error ("widefp:range", "nchoosek: the coefficient needs more than 1,020 words (about 2^%.0f)", bits);
  endif
  N = widereal (n, q);                    # exact: q > p
  C = widereal (1, q);
  for i = 1:k                              # every step exact at q words
    C = (C .* (N - (k - i))) ./ i;
  endfor
  c = wr_new (wr_rnd ("prec", [], p, C.w, q), p, [1 1]);
endfunction

## References: exact integers (Python's math.comb), mpmath for the rounded one.
%!test
%! assert (nchoosek (widereal (100), 50) == widereal ("100891344545564193334812497256"));
%! assert (nchoosek (widereal (1000, 2), 500) == widereal ("2.7028824094543656951561469362597527549615200844654828700739287510662542870552219389861248392450237016536260609e+299", 2));
%! assert (double (nchoosek (widereal (5), [0 5 2](3))), 10);
%! assert (double (nchoosek (7, widereal (0))), 1);
%! n = widereal (2, 2) .^ 100 + 1;         # C(2^100 + 1, 2) = (2^100 + 1) 2^99, exact at 2 words
%! assert (nchoosek (n, 2) == n .* widereal (2, 2) .^ 99);
%!error <N must be a non-negative integer> nchoosek (widereal (3), 5)
%!error <non-negative integer scalars> nchoosek (widereal (3.5), 1)
%!error <non-negative integer scalars> nchoosek (widereal ([3 4]), 1)
%!error <widefp:range|1,020 words> nchoosek (widereal (1e6), 5e5)
