## R = wr_conv (op, p, X)
## R = wr_conv (op, p, W, ...)
## [zero, inf, neg] = wr_conv ("special", p, W)
##
## Exact conversions between Octave's numbers and widereal words, the masks
## of the special elements, sign changes and the integer roundings,
## returning new arrays; the arguments are never written.  This is where
## the widereal class has its words read or made.
##
##   op     numbers to words (R is (p+1)-by-n, one column per element):
##          "fromnum"   X a real double, single, logical or integer array
##                      (int64 and uint64 too; sparse as full), exactly;
##          "scalar"    X one real double (the constructor's short way);
##          "const"     X the name of a constant of the library's tables
##                      ("pi", "e", "ln2", ...), its first p words (cut off);
##          words to words (W: p+1 words per element, any shape):
##          "fromwords", "tidy"  W as (p+1)-by-n with the fraction words of
##                      every zero and infinity cleared;
##          "neg", "abs"  the sign bit flipped, cleared;
##          "sign"      -1, 0 or 1 (both zeros give +0);
##          "fix", "floor", "ceil", "round"  the integer toward zero, -Inf,
##                      +Inf, nearest with halves away from zero; a zero
##                      result keeps the element's sign;
##          words to numbers:
##          "todouble", "tosingle"  (p, W [, sz]) the nearest double /
##                      single, ties to even, from every word; subnormal
##                      results rounded to nearest too, beyond the range
##                      Inf or zero of the element's sign;
##          "toint"     (p, W, cls [, sz]) the integer class cls ("int8"
##                      ... "uint64"): nearest, halves away from zero,
##                      saturated at the class's limits (Inf too);
##          "special"   1-by-n logical masks of the zeros (either sign),
##                      the infinities and the elements with the sign bit
##                      set (-0 included)
##   p      precision in words, 1..1023
##   sz     size of the numeric result (its product is n); 1-by-n without
##
## Errors: widefp:nargin, widefp:nargout, widefp:type, widefp:size,
## widefp:range for bad arguments (checked before anything is made);
## widefp:domain for NaN ("widereal: NaN has no widereal value").
##
## Example:
##   W = wr_conv ("fromnum", 2, [1.5 -0.25 Inf]);   # 3-by-3 uint64
##   wr_conv ("todouble", 2, W)                     # [1.5 -0.25 Inf]
##   wr_conv ("toint", 2, wr_conv ("neg", 2, W), "int8")   # [-2 0 -128]
##   [zero, inf, neg] = wr_conv ("special", 2, W)
