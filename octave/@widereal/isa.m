## -*- texinfo -*-
## @deftypefn {} {@var{tf} =} isa (@var{x}, @var{classname})
## True if @var{classname} is @qcode{"widereal"} or one of the categories a
## widereal belongs to, @qcode{"float"} and @qcode{"numeric"};
## @var{classname} may be a cell array of names (a logical array of the
## same size is returned), as for Octave's own @code{isa}.
##
## @example
## isa (widereal (1), "float")                  # true
## isa (widereal (1), @{"double", "numeric"@})    # [false true]
## @end example
## @seealso{isnumeric, isfloat, class}
## @end deftypefn
function tf = isa (x, classname)
  if (ischar (classname))
    tf = (strcmp (classname, "widereal") || strcmp (classname, "float")
          || strcmp (classname, "numeric"));
  elseif (iscellstr (classname))
    tf = (strcmp (classname, "widereal") | strcmp (classname, "float")
          | strcmp (classname, "numeric"));
  else
    error ("isa: CLASSNAME must be a string or cell array of strings");
  endif
endfunction

%!test
%! x = widereal (1);
%! assert ([isa(x, "widereal"), isa(x, "float"), isa(x, "numeric")], true (1, 3));
%! assert ([isa(x, "double"), isa(x, "integer"), isa(x, "struct")], false (1, 3));
%! assert (isa (x, {"double", "numeric"; "widereal", "single"}), [false true; true false]);
%!error <CLASSNAME must be> isa (widereal (1), 1)
