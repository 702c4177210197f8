#!/bin/bash
# Builds the Octave package, installs it with pkg install into a throw-away
# prefix (HOME pointing there too, so the user's packages are untouched),
# loads it and runs, on the installed copy only, the class tests (every
# method's own blocks), the arithmetic and rounding tests and the tests of
# two plug-ins,
# and checks that a plug-in's help text sits beside it.
set -e
cd "$(dirname "$0")/.."
src=$PWD
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The tarball goes into this run's own folder: runs from several build
# folders at once must not rewrite one shared file under each other.
tarball=$(bash tools/make_package.sh "$tmp" | tail -1)
export HOME=$tmp OCTAVE_HISTFILE=/dev/null
cd "$tmp"
octave-cli --no-gui --norc --silent --no-history --eval "
  pkg prefix $tmp/pkg $tmp/pkg;
  pkg local_list $tmp/octave_packages;
  pkg install -local $tarball;
  pkg load widefp;
  where = which ('wr_sum');
  if (! strncmp (where, '$tmp/pkg', numel ('$tmp/pkg')))
    error ('wr_sum comes from %s, not from the installed package', where);
  end
  if (isempty (strfind (get_help_text ('wr_div'), 'Element-wise quotients')))
    error ('the help text of wr_div is not beside its plug-in');
  end
  total = 0;
  for t = {'test_widereal_class', 'test_widereal_arith', 'test_widereal_rounding', 'test_wr_div', 'test_wr_sqrt'}
    [n, m] = test (fullfile ('$src', 'tests', 'octave', [t{1} '.m']), 'quiet', stdout);
    printf ('%s: %d of %d passed\n', t{1}, n, m);
    if (n != m || m == 0)
      exit (1);
    end
    total += m;
  end
  printf ('installed package: %d tests passed\n', total);
"
