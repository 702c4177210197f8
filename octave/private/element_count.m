## n = element_count (caller, X, p)
##
## Checks an element array X (a uint64 array of whole elements of p+1 words)
## and a precision p for the elementary-function helpers (1 <= p <= 1023);
## returns the number of elements.  Raises widefp:type, widefp:range or
## widefp:size naming the caller.
function n = element_count (caller, X, p)
  if (! isnumeric (p) || ! isreal (p) || ! isscalar (p))
    error ("widefp:type", "%s: p must be a real numeric scalar", caller);
  endif
  if (p != fix (p) || p < 1 || p > 1023)
    error ("widefp:range", "%s: p = %g is outside 1..1023", caller, p);
  endif
  if (! isa (X, "uint64"))
    error ("widefp:type", "%s: the element array must be a uint64 array, not %s", caller, class (X));
  endif
  n = numel (X) / (p + 1);
  if (n != fix (n))
    error ("widefp:size", "%s: %d words are not whole elements of p+1 = %d words", caller, numel (X), p + 1);
  endif
endfunction
