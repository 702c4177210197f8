## d = wr_todouble (x)
##
## The IEEE double nearest to the widereal x (any precision: only words 0 and
## 1 of x are read).  Returns a new double; x is not changed.
##
##   x   an element array (uint64); its first element is converted
##
## Example:
##   d = wr_todouble (wr_fromdouble (0.1, 2))        # 0.1
