#!/bin/sh
# `cmake --install` into a fresh prefix: every file in its place, the
# installed shocks-cli finds its raster twin in libexec, and the Python module
# imports from the installed files alone.
# Usage: install_tree_test.sh BUILD_DIR [PYTHON]
set -u
build=$1
python=${2:-}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
check() {  # check DESCRIPTION COMMAND...
  description=$1
  shift
  if "$@"; then echo "ok: $description"; else echo "FAILED: $description"; failures=$((failures + 1)); fi
}

cmake --install "$build" --prefix "$prefix" > "$prefix/install.log" 2>&1
check "cmake --install succeeds" test $? -eq 0

check "shocks-cli in bin" test -x "$prefix/bin/shocks-cli"
check "shocks-cli(1) in the manual" test -f "$prefix/share/man/man1/shocks-cli.1.gz"
if grep -q 'shocks-cli-raster' "$prefix/install.log"; then
  check "shocks in bin" test -x "$prefix/bin/shocks"
  check "the raster twin is not in bin" test ! -e "$prefix/bin/shocks-cli-raster"
  check "the raster twin in libexec/shocks" test -x "$prefix/libexec/shocks/shocks-cli-raster"
  check "shocks(1) in the manual" test -f "$prefix/share/man/man1/shocks.1.gz"
  check "desktop entry" test -f "$prefix/share/applications/shocks.desktop"
  check "AppStream metadata" test -f "$prefix/share/metainfo/invalid.shocks.Shocks.metainfo.xml"
  check "scalable icon" test -f "$prefix/share/icons/hicolor/scalable/apps/shocks.svg"
  for size in 16 24 32 48 64 128 256; do
    check "${size}px icon" test -f "$prefix/share/icons/hicolor/${size}x${size}/apps/shocks.png"
  done
  (cd "$prefix" && ./bin/shocks-cli --png d.png > /dev/null)
  check "installed shocks-cli draws a PNG through the installed twin" \
    sh -c "head -c 8 '$prefix/d.png' | od -An -c | grep -q 'P   N   G'"
fi

if [ -n "$python" ]; then
  module=$(find "$prefix" -name 'shocks.*.so' | head -n 1)
  check "Python module installed" test -n "$module"
  folder=$(dirname "$module")
  (cd "$prefix" && PYTHONPATH="$folder" "$python" -c \
    "import shocks; assert shocks.__file__.startswith('$folder'); print(shocks.interaction(3, 10, 5).fi)" \
    > "$prefix/fi.txt")
  check "installed module imports and solves" grep -q '^4.97984' "$prefix/fi.txt"
fi

echo "$failures failed"
test "$failures" -eq 0
