#!/bin/bash
# valgrind_octave.sh OCTAVE_CLI MEX_DIR SOURCE_DIR: runs tests/octave/test_memory.m
# in octave-cli under valgrind.  Valgrind cannot run Octave on every machine
# (on CPUs without rdtscp a library loaded by Octave dies with SIGILL under
# it before any plug-in runs): a probe runs first, and when valgrind cannot
# start Octave at all the test reports itself skipped (exit 77) with the reason.
octave=$1 mex=$2 src=$3
export OCTAVE_HISTFILE=/dev/null
probe=$(valgrind -q --error-exitcode=1 "$octave" --no-gui --norc --silent --no-history --eval "exit(0)" 2>&1)
status=$?
if [ $status -ne 0 ]; then
  echo "SKIPPED: valgrind cannot run octave-cli on this machine (exit status $status):"
  echo "$probe" | tail -5
  exit 77
fi
exec valgrind -q --error-exitcode=1 "$octave" --no-gui --norc --silent --no-history --eval \
  "addpath('$mex'); addpath('$src/octave'); [n, m] = test('$src/tests/octave/test_memory.m', 'quiet', stdout); printf('%d of %d passed\n', n, m); exit(n != m || m == 0);"
