## -*- texinfo -*-
## @deftypefn  {} {@var{s} =} sum (@var{x})
## @deftypefnx {} {@var{s} =} sum (@var{x}, @var{dim})
## Sum of the widereal array @var{x} along dimension @var{dim} (default:
## the first that is not 1): one call of wr_sum for all the sums.  The
## elements are added strictly in order, each sum truncated toward zero to
## p words.  An empty sum is 0; Inf and -Inf in one sum raise
## @code{widefp:domain}.
##
## @example
## sum (widereal ([1 2; 3 4]))      # [4 6]
## sum (widereal ([1 2; 3 4]), 2)   # [3; 7]
## @end example
## @seealso{cumsum, prod, plus}
## @end deftypefn
function s = sum (x, dim = [])
  [G, osz, len] = wr_groups (x, dim);
  p = x.p;
  count = prod (osz);
  R = zeros (p + 1, count, "uint64");
  if (len > 0 && count > 0)
    wr_sum (R, G, len, count, p);
    R = wr_sumfix (R, G, len);
  endif
  s = wr_new (R, p, osz);
endfunction

%!test
%! x = widereal ([1 2; 3 4]);
%! assert (double (sum (x)), [4 6]);
%! assert (double (sum (widereal ([]))), 0);
%! assert (double (sum (x, 2)), [3; 7]);
%! assert (double (sum (x, 3)), [1 2; 3 4]);
%! assert (double (sum (widereal (1:5))), 15);
%! assert (double (sum (widereal (zeros (0, 3)))), [0 0 0]);
%! assert (double (sum (widereal (reshape (1:8, 2, 2, 2)), 3)), [6 10; 8 12]);
%! assert (double (sum (widereal ([1 -1]))), 0);
%! assert (double (sum (widereal ([1 Inf 2; Inf 3 4]), 2)), [Inf; Inf]);
%! t = widereal ("1/3", 2);
%! assert (double (sum ([t t t]) - 1), -2^-129);    # truncated: 1 - 1 ulp
%!error <Inf - Inf> sum (widereal ([Inf 1 -Inf]))
