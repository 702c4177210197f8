## Timings of the widereal class against the bare plug-in calls it makes:
## the scalar hot paths (against a minimal old-style class as well), and on
## 100-by-100 matrices A * B and A \ b against the bare gateway calls
## (wr_rnd_reduce "matmul", wr_la "solve"), at p = 4.
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

## A minimal old-style class, written to a temporary folder: a struct made an
## object by class(), with the one-line methods a widereal needs at least.
## Its costs are the floor that the interpreter sets for any such class.
function dir = minimal_class ()
  dir = tempname ();
  mkdir (fullfile (dir, "@wr_minimal"));
  files = {"wr_minimal", "x = class (struct ('w', w, 'p', p), 'wr_minimal');", "w, p";
           "plus", "X = [a.w; b.w]; wr_sum (X, X, 2, 1, a.p); x = a; x.w = X(1:a.p+1);", "a, b";
           "subsref", "x = a; x.w = a.w(:, s.subs{1});", "a, s";
           "subsasgn", "x = a; x.w(:, s.subs{1}) = v.w;", "a, s, v";
           "eq", "x = all (a.w == b.w);", "a, b"};
  for k = 1:rows (files)
    fid = fopen (fullfile (dir, "@wr_minimal", [files{k, 1} ".m"]), "w");
    fprintf (fid, "function x = %s (%s)\n  %s\nendfunction\n", files{k, [1 3 2]});
    fclose (fid);
  endfor
endfunction

function remove_class (dir)
  rmpath (dir);
  confirm_recursive_rmdir (false, "local");
  rmdir (dir, "s");
endfunction

function v = assign3 (v, a)
  v(3) = a;
endfunction

p = 4;
a = widereal ("1/3", p);
b = widereal ("2/7", p);
v = widereal (1:10, p);
sa = struct (a);          # the words, read once outside the timing
sb = struct (b);
X = [sa.w; sb.w];
R = zeros (p + 1, 1, "uint64");
mdir = minimal_class ();
addpath (mdir);
ma = wr_minimal (sa.w, p);
mb = wr_minimal (sb.w, p);
mv = wr_minimal (struct (v).w, p);
## operation, through the class, the minimal class, the bare plug-in call
timings = {"widereal (1)", @() widereal (1), @() wr_minimal (sa.w, p), [];
           "a + b", @() a + b, @() ma + mb, @() wr_rnd ("add", 0, p, sa.w, sb.w);
           "a - b", @() a - b, [], [];
           "a .* b", @() a .* b, [], @() wr_prod (R, X, 2, 1, p);
           "a ./ b", @() a ./ b, [], @() wr_div (R, sa.w, sb.w, 1, p);
           "a == b", @() a == b, @() ma == mb, [];
           "a < b", @() a < b, [], [];
           "exp (a)", @() exp (a), [], @() wr_rnd ("exp", 0, p, sa.w);
           "v(3)", @() v(3), @() mv(3), [];
           "v(3) = a", @() assign3 (v, a), @() assign3 (mv, ma), []};
printf ("scalar operations at p = %d, us of processor time per call (an empty\n", p);
printf ("function handle call, included in each figure, takes %.1f us):\n",
        1e6 * best (@() 0, 5, 2000));
printf ("  %-13s %8s %14s %10s\n", "", "widereal", "minimal class", "plug-in");
for k = 1:rows (timings)
  t = NaN (1, 3);
  for j = 1:3
    if (! isempty (timings{k, j + 1}))
      t(j) = 1e6 * best (timings{k, j + 1}, 5, 2000);
    endif
  endfor
  printf ("  %-13s %8.1f %14.1f %10.1f\n", timings{k, 1}, t);
endfor
remove_class (mdir);

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
vw = sv.w;
## The bare calls are the gateways' own: the class makes exactly these
## (rounding to nearest, the default mode) after its checks.
t_class = best (@() A * B, 3, 1);
t_bare = best (@() wr_rnd_reduce ("matmul", 0, p, Aw, Bw, n, n, n), 3, 1);
printf ("A * B, %dx%d: %.1f ms through the class, %.1f ms bare wr_rnd_reduce (ratio %.3f)\n",
        n, n, 1e3 * t_class, 1e3 * t_bare, t_class / t_bare);

t_class = best (@() A \ v, 3, 1);
t_bare = best (@() wr_la ("solve", 0, p, Aw, n, n, vw, 1), 3, 1);
printf ("A \\ b, %dx%d: %.1f ms through the class, %.1f ms bare wr_la (ratio %.3f)\n",
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

## The same work through mpmath at 64p+1 bits, where python3 has it.
here = fileparts (mfilename ("fullpath"));
[status, out] = system (sprintf ("python3 %s %d %d", fullfile (here, "bench_mpmath.py"),
                                 64 * p + 1, n));
if (status == 0)
  f = cellfun (@(l) sscanf (l, "%*s %f"), strsplit (strtrim (out), "\n"));
  printf ("mpmath at %d bits: a + b %.1f us, exp (a) %.1f us, A * B %.1f ms, A \\ b %.1f ms\n",
          64 * p + 1, 1e6 * f(1), 1e6 * f(2), 1e3 * f(3), 1e3 * f(4));
else
  printf ("mpmath: %s", out);
endif
