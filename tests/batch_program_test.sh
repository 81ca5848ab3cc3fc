#!/bin/sh
# shocks-cli --batch as a user runs it: standard input, exit status, CSV, and
# no progress bar where standard error is not a terminal.
# Usage: batch_program_test.sh SHOCKS_CLI
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check DESCRIPTION COMMAND...
  description=$1
  shift
  if "$@"; then echo "ok: $description"; else echo "FAILED: $description"; failures=$((failures + 1)); fi
}

printf 'M1,TetaA,TetaB,method\n3,10,5,\n2,8,6,exact\n' | "$cli" --batch - > "$work/good.jsonl"
check "a batch whose rows all finish exits 0" test $? -eq 0
check "one JSON line per row" test "$(wc -l < "$work/good.jsonl")" -eq 2
check "the first row has the default case's Fi" grep -qF '"Text_Fi":"4.98"' "$work/good.jsonl"

printf 'M1,TetaA\n3,10\n3,x,y\n3,10\n' > "$work/bad.csv"
"$cli" --batch "$work/bad.csv" --format csv > "$work/bad.out" 2> "$work/bad.err"
check "a bad row makes the exit status 1" test $? -eq 1
check "CSV: a header and one line per row" test "$(wc -l < "$work/bad.out")" -eq 4
check "the bad row is told in its own line" grep -q '^2,.*,bad-row,' "$work/bad.out"
check "the row after it still runs" grep -q '^3,3,1,10,5,iterasyon,1.4,27.38,' "$work/bad.out"

"$cli" --batch "$work/missing.csv" > /dev/null 2>&1
check "a missing file exits 2" test $? -eq 2
"$cli" --batch - --svg "$work/d.svg" < "$work/bad.csv" > /dev/null 2>&1
check "--batch with a picture exits 2" test $? -eq 2

{ echo "M1,TetaA,TetaB,method"; i=0; while [ $i -lt 1500 ]; do echo "3,10,5,exact"; i=$((i + 1)); done; } > "$work/long.csv"
"$cli" --batch "$work/long.csv" > /dev/null 2> "$work/long.err"
check "a long batch into a file runs" test $? -eq 0
check "no progress bar where standard error is a file" test ! -s "$work/long.err"

echo "$failures failed"
test "$failures" -eq 0
