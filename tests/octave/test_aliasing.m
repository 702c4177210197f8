## One array passed twice (Octave hands a plug-in the same data for one
## variable passed twice, or for a copy not yet written to): every plug-in
## either computes as if the arrays were distinct or raises widefp:alias.
## Also: counts must be scalars, index arrays int64.
1;

%!error <count.*real numeric scalar> wr_sum_all (wr_zeros (1, 2), wr_zeros (4, 2), [2 2], 2)
%!error <p.*real numeric scalar> wr_sum (wr_zeros (1, 2), wr_zeros (1, 2), 1, 1, [2 2])
%!error <index.*int64> wr_lu (wr_fromdouble ([1 2 3 4], 2), 2, 2, zeros (2, 1), 2, wr_zeros (4, 2))
%!error <index.*int64> wr_lu (wr_fromdouble ([1 2 3 4], 2), 2, 2, zeros (2, 1, "uint64"), 2, wr_zeros (4, 2))
