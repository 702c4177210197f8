## Y = wr_map (fname, X, p)
##
## Applies one elementary function to every element of the element array X
## (a uint64 array of widereal numbers of precision p, p+1 words each) and
## returns the results as a new element array (a uint64 column of the same
## number of elements).  fname is one of "exp", "log", "sin", "cos", "atan"
## and "asin"; each result is the function computed at p+1 words and
## truncated to p.  1 <= p <= 1023.
##
## The work arrays are fresh for the call; one reciprocal cache serves every
## element of a call to "log" or "atan".  Bad arguments raise widefp:nargin,
## widefp:type, widefp:range or widefp:size; an element outside the
## function's domain (log of x <= 0, asin of |x| > 1) raises widefp:domain.
##
## Example:
##   p = 4;
##   Y = wr_map ("exp", wr_fromdouble ([0; 1; -1], p), p);
##   wr_todoubles (Y, p)                   # [1; 2.7183; 0.3679]
##   wr_tostring (wr_element (Y, 1, p), p, 60)
##
## See also: wr_power.
function Y = wr_map (fname, X, p)
  if (nargin != 3)
    error ("widefp:nargin", "wr_map: expected 3 arguments (fname, X, p), got %d", nargin);
  endif
  names = {"exp", "log", "sin", "cos", "atan", "asin"};
  if (! ischar (fname) || ! any (strcmp (fname, names)))
    error ("widefp:type", "wr_map: fname must be one of %s", strjoin (names, ", "));
  endif
  n = element_count ("wr_map", X, p);
  w = p + 1;
  switch (fname)
    case {"exp", "sin", "cos"}, work_words = 2 * p + 5;
    case "atan", work_words = 2 * p + 4;
    case "log", work_words = 3 * p + 6;
    case "asin", work_words = 5 * p + 10;
  endswitch
  fn = str2func (["wr_" fname]);
  work = zeros (work_words, 1, "uint64");
  extra = {};
  if (any (strcmp (fname, {"log", "atan"})))
    extra = {zeros(500 * (p + 2), 1, "uint64")};
  endif
  Y = zeros (n * w, 1, "uint64");
  for k = 0:n - 1
    r = zeros (w, 1, "uint64");          # fresh, so that no other variable sees the write
    fn (r, X(k * w + (1:w)), p, work, extra{:});
    Y(k * w + (1:w)) = r;
  endfor
endfunction
