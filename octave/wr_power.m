## Z = wr_power (X, Y, p)
##
## Element-wise power X.^Y of two element arrays of precision p (uint64
## arrays, p+1 words per element), computed at p+1 words as e^(y ln x) and
## truncated to p; returns a new element array (uint64 column).  X and Y
## hold the same number of elements, or one of them a single element, which
## then serves every element of the other.  1 <= p <= 1023.
##
## A negative base needs an integer exponent (the sign follows its parity);
## 0^y is 0 for y > 0 and infinity for y <= 0.  The work array and one
## reciprocal cache are fresh for the call.  Bad arguments raise
## widefp:nargin, widefp:type, widefp:range or widefp:size; a negative base
## with an exponent that is not an integer raises widefp:domain.
##
## Example:
##   p = 4;
##   Z = wr_power (wr_fromdouble (2, p), wr_fromdouble ([0.5; 10; -1], p), p);
##   wr_todoubles (Z, p)                   # [1.4142; 1024; 0.5]
##
## See also: wr_map.
function Z = wr_power (X, Y, p)
  if (nargin != 3)
    error ("widefp:nargin", "wr_power: expected 3 arguments (X, Y, p), got %d", nargin);
  endif
  nx = element_count ("wr_power", X, p);
  ny = element_count ("wr_power", Y, p);
  if (nx != ny && nx != 1 && ny != 1)
    error ("widefp:size", "wr_power: X has %d elements and Y %d; they must agree or one be single",
           nx, ny);
  endif
  n = max (nx, ny) * (nx > 0 && ny > 0);
  w = p + 1;
  work = zeros (3 * p + 6, 1, "uint64");
  cache = zeros (500 * (p + 2), 1, "uint64");
  Z = zeros (n * w, 1, "uint64");
  for k = 0:n - 1
    r = zeros (w, 1, "uint64");
    wr_pow (r, X(min (k, nx - 1) * w + (1:w)), Y(min (k, ny - 1) * w + (1:w)), p, work, cache);
    Z(k * w + (1:w)) = r;
  endfor
endfunction
