#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed program on
# the installed unit library.  Usage: install_test.sh BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" > /dev/null
for f in bin/phycalc bin/phydef share/man/man1/phycalc.1 share/man/man1/phydef.1 \
         share/phycalc/si.names share/phycalc/si.units share/phycalc/si.defs; do
  [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
out=$(cd / && PHYCALC_UNITS="$prefix/share/phycalc/si.names" "$prefix/bin/phycalc" '5*km+300*m')
[ "$out" = "5.300000000000e+03  {m^(1.000000000000e+00)} " ] || { echo "unexpected: $out"; exit 1; }
# The library by its name, found from the installed program.
out=$(cd / && "$prefix/bin/phycalc" -u si '60*mph -> km/h' && PHYCALC_UNITS=si "$prefix/bin/phycalc" '2*kWh -> MJ')
[ "$out" = $'9.656064000000e+01 km/h \n7.200000000000e+00 MJ ' ] || { echo "unexpected: $out"; exit 1; }
# Shell completion offers the library's units inside an expression.
completions="$prefix/share/bash-completion/completions"
[ -e "$completions/phydef" ] && [ -e "$prefix/share/zsh/vendor-completions/_phycalc" ] || { echo "no completions"; exit 1; }
offered=$(PATH="$prefix/bin:$PATH" bash -c 'source "$1/phycalc"; COMP_WORDS=(phycalc "60*mp"); COMP_CWORD=1; _phycalc
  echo "${COMPREPLY[*]}"' - "$completions")
[[ " $offered " == *" 60*mph "* ]] || { echo "completion offered: $offered"; exit 1; }
if command -v zsh > /dev/null; then zsh -n "$prefix/share/zsh/vendor-completions/_phycalc" || exit 1; fi
echo "installed and ran from $prefix"
