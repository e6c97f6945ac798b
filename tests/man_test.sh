#!/usr/bin/env bash
# The manual pages render without a single warning.
# Usage: man_test.sh PAGE...
set -u
command -v groff > /dev/null || { echo "skipped: groff is not installed"; exit 77; }
status=0
for page in "$@"; do
  warnings=$(groff -man -ww -z "$page" 2>&1)
  if [ -n "$warnings" ]; then
    echo "$page:"; echo "$warnings"; status=1
  fi
done
exit $status
