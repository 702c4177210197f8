#!/usr/bin/env python3
"""The work bench_widereal.m times, done with mpmath at the same precision.

Prints one line per operation, "name seconds", the best of several runs in
processor time: scalar a + b and exp (a), and on n-by-n matrices A * B and
A \\ b.  Usage: bench_mpmath.py BITS N.  Exits 77 when mpmath is missing.
"""
import sys
import time

try:
    import mpmath
except ImportError:
    print("mpmath is not installed")
    sys.exit(77)


def best(f, reps, inner):
    t = float("inf")
    for _ in range(reps):
        t0 = time.process_time()
        for _ in range(inner):
            f()
        t = min(t, (time.process_time() - t0) / inner)
    return t


def main():
    bits = int(sys.argv[1]) if len(sys.argv) > 1 else 257
    n = int(sys.argv[2]) if len(sys.argv) > 2 else 100
    mpmath.mp.prec = bits
    a = mpmath.mpf(1) / 3
    b = mpmath.mpf(2) / 7
    print("add %.3e" % best(lambda: a + b, 5, 20000))
    print("exp %.3e" % best(lambda: mpmath.exp(a), 5, 2000))
    rnd = mpmath.rand
    A = mpmath.matrix([[rnd() for _ in range(n)] for _ in range(n)])
    B = mpmath.matrix([[rnd() for _ in range(n)] for _ in range(n)])
    v = mpmath.matrix([rnd() for _ in range(n)])
    print("matmul %.3e" % best(lambda: A * B, 1, 1))
    print("solve %.3e" % best(lambda: mpmath.lu_solve(A, v), 1, 1))


if __name__ == "__main__":
    main()
