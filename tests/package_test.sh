#!/usr/bin/env bash
# Builds the .deb, unpacks it and runs the program from it.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v $tool > /dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$1/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/*.deb)
dpkg-deb -f "$deb" Depends | grep -q libc6 || { echo "no dependency on libc6"; exit 1; }
dpkg-deb -x "$deb" "$work/root"
root="$work/root/usr"
[ "$(cat "$root/share/phycalc/si.names")" = "SI m kg s K C mol /usr/share/phycalc/si.units" ] \
  || { echo "the packaged si.names does not name /usr/share/phycalc/si.units"; exit 1; }
echo "SI m kg s K C mol $root/share/phycalc/si.units" > "$work/names"
out=$("$root/bin/phycalc" '2*(3+4)' -u "$work/names" '2*kWh/J')
[ "$out" = $'1.400000000000e+01 \n7.200000000000e+06 ' ] || { echo "unexpected: $out"; exit 1; }
echo "$(basename "$deb") unpacked and ran"
