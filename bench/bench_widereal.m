## Timings of the widereal class against the bare plug-in calls it makes:
## a scalar a + b, and on 100-by-100 matrices A * B and A \ b, at p = 4.
## The same work through the symbolic package's vpa when it is installed.
## Run from the repository root:
##   octave-cli --norc --eval "addpath ([pwd '/build/mex'], [pwd '/octave']); run ('bench/bench_widereal.m')"
## Each figure is the best of several runs in processor time (cputime), which
## a shared, loaded machine disturbs less than the wall clock.
1;

function t = best (f, reps, inner)
  t = Inf;
  for r = 1:reps
    t0 = cputime ();
    for k = 1:inner
      f ();
    endfor
    t = min (t, (cputime () - t0) / inner);
  endfor
endfunction

p = 4;
a = widereal ("1/3", p);
b = widereal ("2/7", p);
sa = struct (a);          # the words, read once outside the timing
sb = struct (b);
X = [sa.w; sb.w];
R = zeros (p + 1, 1, "uint64");
t_class = best (@() a + b, 5, 2000);
t_bare = best (@() wr_sum (R, X, 2, 1, p), 5, 2000);
t_call = best (@() precision (a), 5, 2000);
printf ("scalar a + b: %.1f us through the class; bare wr_sum %.1f us; a one-line method %.1f us (processor time)\n",
        1e6 * t_class, 1e6 * t_bare, 1e6 * t_call);

n = 100;
rand ("seed", 1);
A = widereal (rand (n), p);
B = widereal (rand (n), p);
v = widereal (rand (n, 1), p);
sA = struct (A);
sB = struct (B);
sv = struct (v);
Aw = sA.w;
Bw = sB.w;
Arows = Aw(:, reshape (reshape (1:n*n, n, n).', 1, []));
C = zeros (p + 1, n * n, "uint64");
T = zeros (p + 1, 1, "uint64");
t_class = best (@() A * B, 3, 1);
t_bare = best (@() wr_matmul (C, Arows, Bw, n, n, n, p, T), 3, 1);
printf ("A * B, %dx%d: %.1f ms through the class, %.1f ms bare wr_matmul (ratio %.3f)\n",
        n, n, 1e3 * t_class, 1e3 * t_bare, t_class / t_bare);

M0 = [Aw, sv.w](:, reshape (reshape (1:n*(n+1), n, n + 1).', 1, []));
work = zeros (p + 1, 2, "uint64");
t_class = best (@() A \ v, 3, 1);
t_bare = best (@() wr_solve (M0 + uint64 (0), n, 1, p, work), 3, 1);
printf ("A \\ b, %dx%d: %.1f ms through the class, %.1f ms bare wr_solve (ratio %.3f)\n",
        n, n, 1e3 * t_class, 1e3 * t_bare, t_class / t_bare);

if (! isempty (ver ("symbolic")))
  pkg load symbolic
  digits (77);                               # about 256 bits, as p = 4
  va = vpa (sym (1) / 3);
  vb = vpa (sym (2) / 7);
  t = best (@() va + vb, 3, 50);
  printf ("vpa scalar a + b: %.1f us\n", 1e6 * t);
  SA = vpa (sym (double (A)));
  SB = vpa (sym (double (B)));
  t = best (@() SA * SB, 1, 1);
  printf ("vpa A * B, %dx%d: %.1f ms\n", n, n, 1e3 * t);
  t = best (@() SA \ vpa (sym (double (v))), 1, 1);
  printf ("vpa A \\ b, %dx%d: %.1f ms\n", n, n, 1e3 * t);
else
  printf ("vpa: the symbolic package is not installed, no comparison\n");
endif
