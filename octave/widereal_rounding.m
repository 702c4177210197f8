## -*- texinfo -*-
## @deftypefn  {} {@var{mode} =} widereal_rounding ()
## @deftypefnx {} {@var{old} =} widereal_rounding (@var{mode})
## @deftypefnx {} {[@var{mode}, @var{code}] =} widereal_rounding (@dots{})
## The rounding mode of widereal arithmetic: how every operation that
## follows rounds its exact result to the precision of its result.
##
## @table @asis
## @item @qcode{"nearest"}
## to the nearest number, ties to the one with an even last bit (the
## default);
## @item @qcode{"zero"}
## toward zero;
## @item @qcode{"up"}
## toward +Inf;
## @item @qcode{"down"}
## toward -Inf.
## @end table
##
## With an argument the mode becomes @var{mode} and the previous one is
## returned, as text.  The second output @var{code} is the mode as the
## gateways take it (0 to 3 in the order above).  The setting lives until
## Octave ends; it survives @code{clear functions} and @code{clear all}.
##
## The mode applies to the arithmetic (+ - .* ./ .^ and the scalar * / \),
## the elementary functions, the sums, products and matrix operations (each
## result rounded once in the mode) and the conversions from text and
## between precisions.  Conversions to doubles (@code{double}, the display)
## always round to nearest, as Octave does.
##
## @example
## old = widereal_rounding ("down");
## lo = widereal (1) / 3;           # 1/3 rounded toward -Inf
## widereal_rounding ("up");
## hi = widereal (1) / 3;           # hi - lo is one unit of the last place
## widereal_rounding (old);
## @end example
## @seealso{widereal_precision, widereal}
## @end deftypefn
function [out, code] = widereal_rounding (mode)
  persistent current = 0;
  if (nargin == 1)
    mlock ();                      # keeps the setting through clear functions
    if (ischar (mode) && rows (mode) <= 1)
      k = find (strcmpi (mode, {"nearest", "zero", "up", "down"}));
    else
      k = [];
    endif
    if (isempty (k))
      error ("widefp:value",
             "widereal_rounding: MODE must be \"nearest\", \"zero\", \"up\" or \"down\"");
    endif
    out = {"nearest", "zero", "up", "down"}{current + 1};
    wr_rnd ("mode", k - 1);        # the gateway's copy, for the hot paths
    current = k - 1;
    code = current;
    return;
  endif
  code = current;
  out = {"nearest", "zero", "up", "down"}{current + 1};
endfunction

%!test
%! old = widereal_rounding ("up");
%! unwind_protect
%!   assert (widereal_rounding ("zero"), "up");
%!   clear functions
%!   assert (widereal_rounding (), "zero");
%!   [m, c] = widereal_rounding ();
%!   assert ({m, c}, {"zero", 1});
%! unwind_protect_cleanup
%!   widereal_rounding (old);
%! end_unwind_protect
%!error <MODE must be> widereal_rounding ("sideways")
%!error <MODE must be> widereal_rounding (2)
%!test
%! ## the gateway keeps the class's mode for its hot paths, through clear
%! old = widereal_rounding ("up");
%! unwind_protect
%!   clear functions
%!   clear mex
%!   hi = widereal (1) / 3;
%!   assert (wr_rnd ("mode"), 2);
%!   widereal_rounding ("down");
%!   assert (hi - widereal (1) / 3 > 0);
%! unwind_protect_cleanup
%!   widereal_rounding (old);
%! end_unwind_protect
%!error <mode must be> wr_rnd ("mode", 7)
