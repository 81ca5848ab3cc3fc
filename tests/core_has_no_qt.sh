#!/bin/sh
# The numerical core depends on the standard library only: no file of it may include Qt.
cd "$(dirname "$0")/.." || exit 2
if grep -rnE '#include[[:space:]]*[<"]Q' platform calc exact diagram chart; then
  echo "a core file includes a Qt header" >&2
  exit 1
fi
exit 0
