#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed program on
# the installed unit library.  Usage: install_test.sh BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" > /dev/null
for f in bin/phycalc bin/phydef share/man/man1/phycalc.1 share/man/man1/phydef.1 \
         share/phycalc/si.names share/phycalc/si.units; do
  [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
out=$(cd / && PHYCALC_UNITS="$prefix/share/phycalc/si.names" "$prefix/bin/phycalc" '5*km+300*m')
[ "$out" = "5.300000000000e+03  {m^(1.000000000000e+00)} " ] || { echo "unexpected: $out"; exit 1; }
echo "installed and ran from $prefix"
