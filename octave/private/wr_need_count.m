## -*- texinfo -*-
## @deftypefn {} {@var{v} =} wr_need_count (@var{v}, @var{name}, @var{lo}, @var{hi})
## The count @var{v} as a double, after checking that it is a real numeric
## scalar (error @qcode{"widefp:type"}) holding an integer in
## @var{lo}..@var{hi} (error @qcode{"widefp:range"}); @var{name} names it in
## the message.
## @end deftypefn
function v = wr_need_count (v, name, lo, hi)
  if (! (isnumeric (v) || islogical (v)) || ! isreal (v) || ! isscalar (v))
    error ("widefp:type", "%s must be a real numeric scalar", name);
  endif
  v = double (v);
  if (v != fix (v) || v < lo || v > hi)
    error ("widefp:range", "%s = %g must be an integer in %d..%d", name, v, lo, hi);
  endif
endfunction
