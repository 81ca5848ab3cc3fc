#!/bin/sh
# A manual page says what the program's --help says: the same options, none
# missing and none left over, and the version --version prints; and groff
# reads it without a warning.
# Usage: man_page_test.sh PROGRAM MANPAGE
set -u
program=$1
page=$2
work=$(mktemp -d)  # the two pages are checked at the same time
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# Options of --help: the dashed words at the start of an indented line
# ("  --M1 TEXT", "  -h,--help").
"$program" --help |
  sed -n 's/^ \{1,\}\(-[-A-Za-z0-9, ]*\).*/\1/p' |
  grep -oE '(^|[ ,])--?[A-Za-z][A-Za-z0-9-]*' | tr -d ' ,' | sort -u > "$work/help"
# Options of the page: the dashed words of each .TP tag line in the OPTIONS section.
sed -n '/^\.SH OPTIONS/,/^\.SH /p' "$page" | sed -n '/^\.TP/{n;p}' |
  sed 's/\\-/-/g; s/\\f[BIRP]//g' |
  grep -oE '(^|[ ,])--?[A-Za-z][A-Za-z0-9-]*' | tr -d ' ,' | sort -u > "$work/page"
[ -s "$work/help" ] || fail "no options read from $program --help"
missing=$(comm -23 "$work/help" "$work/page")
extra=$(comm -13 "$work/help" "$work/page")
[ -z "$missing" ] || fail "in --help, not in $page:" $missing
[ -z "$extra" ] || fail "in $page, not in --help:" $extra

version=$("$program" --version)
grep -q "^\.TH .*\"[a-z]* $version\"" "$page" || fail "$page does not give the version $version"

warnings=$(groff -man -ww -z "$page" 2>&1)
[ -z "$warnings" ] || fail "groff: $warnings"

echo "$failures failed"
test "$failures" -eq 0
