## u = ulp_error (a, b, p)
##
## |a - b| for two nearby elements of precision p, in units of the last
## fraction word of b (b nonzero): the difference is formed exactly by wr_sub
## and its exponent is taken against b's in integer arithmetic, so the count
## holds at any p.  Inf when a and b differ in sign or magnitude wildly.
function u = ulp_error (a, b, p)
  d = zeros (p + 1, 1, "uint64");
  wr_sub (d, a, b, p);
  field = uint64 (9223372036854775807);
  ed = bitand (d(1), field);
  if (ed == 0)
    u = 0;
    return;
  endif
  shift = double (int64 (ed) - int64 (bitand (b(1), field))) + 64 * p;
  u = (1 + double (d(2)) / 2^64) * 2^shift;
endfunction
