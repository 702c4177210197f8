## d = wr_todouble (x)
##
## The IEEE double nearest to the widereal x (any precision: only words 0 and
## 1 of x are read, and the value rounded is that of these two words).  A
## result in the normal range rounds ties away from zero; a subnormal result
## rounds to nearest with ties to even (2^-1075 gives 0, 0.75*2^-1074 gives
## 2^-1074); magnitudes beyond the largest double give an infinity.  Returns a
## new double; x is not changed.
##
##   x   an element array (uint64); its first element is converted
##
## Example:
##   d = wr_todouble (wr_fromdouble (0.1, 2))        # 0.1
