## -*- texinfo -*-
## @deftypefn {} {@var{y} =} wr_spread (@var{op}, @var{x}, @var{args})
## The work of var (@var{op} "var") and std ("std") with their argument
## forms (x), (x, w), (x, w, dim), (x, w, "all"), (x, w, vecdim): w is
## [], 0 (normalise by n-1) or 1 (by n); weight vectors are refused.  One
## call of the gateway wr_stats for all the slices.
##
## @example
## y = wr_spread ("var", x, {1, 2});   # var (x, 1, 2)
## @end example
## @end deftypefn
function y = wr_spread (op, x, args)
  if (! isobject (x))
    error ("widefp:type", "%s: X must be the widereal array", op);
  endif
  if (numel (args) > 2)
    print_usage (op);
  endif
  w = 0;
  if (numel (args) >= 1 && ! isempty (args{1}))
    w = args{1};
    if (! (isnumeric (w) || islogical (w)) || ! isscalar (w))
      error ("widefp:value", "%s: W must be 0 or 1 (weight vectors are not provided for widereal)", op);
    elseif (w != 0 && w != 1)
      error ("widefp:value", "%s: normalization W must be 0 or 1", op);
    endif
  endif
  dim = [];
  if (numel (args) == 2)
    dim = args{2};
    if (ischar (dim) && ! strcmpi (dim, "all"))
      error ("widefp:value", "%s: DIM must be a valid dimension or \"all\"", op);
    endif
  endif
  [G, osz, len] = wr_groups (x, dim, true);
  [~, m] = widereal_rounding ();
  y = wr_new (wr_stats (op, m, x.p, G, len, prod (osz), double (w)), x.p, osz);
endfunction
