## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isnumeric (@var{x})
## True: a widereal array is numeric, so Octave's functions that accept
## numeric arrays (@code{mean}, @code{polyval} with a widereal @var{p},
## @code{validateattributes} with @qcode{"numeric"}, ...) take it and work
## through the class's methods.  Code that must tell widereals from
## numbers asks @code{isa (x, "widereal")} or @code{isobject (x)}.
##
## @example
## isnumeric (widereal (1))   # true
## @end example
## @seealso{isfloat, isreal, isa}
## @end deftypefn
function tf = isnumeric (x)
  tf = true;
endfunction

%!assert (isnumeric (widereal ([1 2])) && isnumeric (widereal ([])))
