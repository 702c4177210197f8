## -*- texinfo -*-
## @deftypefn {} {@var{out} =} wr_grid (@var{fcn}, @var{args}, @var{nout})
## The @var{nout} outputs of Octave's @code{meshgrid} or @code{ndgrid}
## (@var{fcn}) for the arguments @var{args}, some of them widereals: the
## grids are made of index arrays by Octave's own function and filled from
## the arguments, every output a widereal of the largest precision among
## them.  Output k is filled from argument k (from the only one when there
## is one, from the last for the z grid of @code{meshgrid (x, y)}).
##
## @example
## out = wr_grid (@@meshgrid, @{x, y@}, 2);
## @end example
## @end deftypefn
function out = wr_grid (fcn, args, nout)
  n = numel (args);
  p = 0;
  for k = 1:n
    if (isobject (args{k}) && isobject (args{k}))
      p = max (p, args{k}.p);
    endif
  endfor
  idx = cell (1, n);
  for k = 1:n
    a = args{k};
    if (! (isobject (a) && isobject (a)))
      if (! ((isnumeric (a) || islogical (a)) && isreal (a)))
        error ("widefp:type", "%s: cannot make a grid of a %s",
               func2str (fcn), class (a));
      endif
    endif
    args{k} = widereal (a, p);              # exact
    idx{k} = reshape (1:numel (a), size (a));
  endfor
  j = cell (1, nout);
  [j{:}] = fcn (idx{:});                    # Octave checks the arguments
  out = cell (1, nout);
  for k = 1:nout
    if (n == 1)
      a = args{1};
    elseif (k > n)                          # meshgrid (x, y) with 3 outputs
      a = args{n};
    else
      a = args{k};
    endif
    out{k} = wr_index (a, j{k});
  endfor
endfunction
