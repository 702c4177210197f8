#!/bin/bash
# Installs the Debian packages the build and the tests need, when any is
# missing (as root; waits for another apt run to finish first).
set -e
pkgs="cmake g++ pkg-config valgrind libgtest-dev libbenchmark-dev libgmp-dev libmpfr-dev libmpc-dev libeigen3-dev libboost-dev octave octave-dev clang libclang-rt-14-dev"
missing=""
for p in $pkgs; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  lock="-o DPkg::Lock::Timeout=600"
  apt-get $lock update -qq
  apt-get $lock install -y -qq $missing >/dev/null
fi
