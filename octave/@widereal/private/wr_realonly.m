## -*- texinfo -*-
## @deftypefn {} {} wr_realonly (@var{name}, @dots{})
## Raises @code{widefp:complex} ("@var{name}: complex widereals are not
## supported yet") when one of the further arguments is a complex widereal
## or a complex number: the guard at the top of the methods that work on
## real widereals only, so that their gateways never read the words of a
## complex array as real ones.
##
## @example
## wr_realonly ("median", x);
## @end example
## @end deftypefn
function wr_realonly (name, varargin)
  for k = 1:numel (varargin)
    v = varargin{k};
    if (isobject (v))
      if (rows (v.w) > v.p + 1)
        error ("widefp:complex",
               "%s: complex widereals are not supported yet", name);
      endif
    elseif (isnumeric (v) && ! isreal (v))
      error ("widefp:complex",
             "%s: complex widereals are not supported yet", name);
    endif
  endfor
endfunction
