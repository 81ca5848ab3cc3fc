#!/bin/sh
# The command-line programs as a user runs them: output, exit status, pictures.
# Usage: cli_program_test.sh BUILD_DIR
set -u
cli="$1/cli/shocks-cli"
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
failures=0
check() {  # check DESCRIPTION COMMAND...
  description=$1
  shift
  if "$@"; then echo "ok: $description"; else echo "FAILED: $description"; failures=$((failures + 1)); fi
}

"$cli" --format json > "$work/default.json"
check "default run exits 0" test $? -eq 0
for text in '"Text_BetaA": "27.38"' '"Text_p3": "1.454"' '"Text_Fi": "4.98"' '"Text_BetaD": "29.36"' \
            '"Text_p5": "2.84"' '"error": null'; do
  check "default JSON has $text" grep -qF "$text" "$work/default.json"
done

"$cli" --TetaA 10 --TetaB=10 --format json > "$work/failed.json"
check "failed calculation exits 1" test $? -eq 1
check "failure names its kind" grep -qF '"kind": "invalid-argument"' "$work/failed.json"

"$cli" --M1 > /dev/null 2>&1
check "bad usage exits 2" test $? -eq 2
check "version is 1.00" test "$("$cli" --version)" = "1.00"

for m1 in '' 'abc' '1e400' '-3' '0.5' '1' '1e200' ' 3 , 5'; do
  "$cli" --M1 "$m1" --format json > "$work/odd.json" 2>&1
  status=$?
  check "M1 '$m1' ends in 0 or 1" test $status -le 1
  check "M1 '$m1' shows no nan or inf" sh -c "! grep -qiE 'nan|inf[^o]' '$work/odd.json'"
done

"$cli" --svg "$work/d.svg" --png "$work/d.png" --scale 2 > /dev/null
check "pictures written, exit 0" test $? -eq 0
check "SVG is an SVG document" grep -q '<svg xmlns' "$work/d.svg"
check "PNG has the PNG signature" sh -c "head -c 8 '$work/d.png' | od -An -c | grep -q 'P   N   G'"

# The chart, for every method: SVG with its numbers and legend as text, and PNG.
for method in iterasyon iteras exact; do
  "$cli" --method $method --chart "$work/c-$method.svg" > /dev/null
  check "$method chart SVG written, exit 0" test $? -eq 0
  for text in '>Pressure p/p1<' '>Region 1, M = 3.000<' '>Region 3, M = 2.750<' '>Exact solution<' '>-20<' '>14<' \
              '>Exact: Fi = 4.98°, p/p1 = 2.840<'; do
    check "$method chart SVG has $text" grep -qF "$text" "$work/c-$method.svg"
  done
  "$cli" --method $method --chart "$work/c-$method.png" --size 640x400 --scale 2 > /dev/null
  check "$method chart PNG written, exit 0" test $? -eq 0
  check "$method chart PNG is 1280 x 800" sh -c "od -An -tu1 -j16 -N8 '$work/c-$method.png' | tr -s ' ' | grep -q '^ 0 0 5 0 0 0 3 32$'"
done
"$cli" --M1 1.5 --TetaA 10 --TetaB 10 --method exact --chart "$work/none.svg" > /dev/null
check "chart without a regular solution still written" test -s "$work/none.svg"
check "chart says why there is none" grep -qF 'No regular intersection' "$work/none.svg"

# A failed calculation writes no diagram, not even over an old one; a picture
# that fails alone is told in the JSON.
echo old > "$work/kept.svg"
"$cli" --M1 0 --svg "$work/kept.svg" --png "$work/kept.png" --format json > "$work/nopic.json" 2> "$work/nopic.err"
check "failed calculation with pictures exits 1" test $? -eq 1
check "failed calculation leaves the old picture" test "$(cat "$work/kept.svg")" = old
check "failed calculation writes no PNG" test ! -e "$work/kept.png"
check "JSON tells the picture was not written" grep -qF '"written": false, "error": "'"$work"'/kept.svg not written: the calculation failed"' "$work/nopic.json"
"$cli" --svg "$work/missing/d.svg" --format json > "$work/badpic.json" 2> /dev/null
check "picture failing alone exits 1" test $? -eq 1
check "picture failing alone: calculation error null" grep -qF '"error": null' "$work/badpic.json"
check "picture failing alone: export entry says why" grep -qF '"picture": "svg", "file": "'"$work"'/missing/d.svg", "written": false, "error": "cannot write' "$work/badpic.json"

# Pictures beyond the pixel limit are refused before anything is drawn.
"$cli" --png "$work/huge.png" --size 8192x8192 --scale 2 > /dev/null 2> "$work/huge.err"
check "huge PNG refused with exit 2" test $? -eq 2
check "huge PNG refusal names the limit" grep -qF '16384 x 16384 pixels, more than the limit of 40 million pixels' "$work/huge.err"
check "huge PNG not written" test ! -e "$work/huge.png"
# Under a memory limit a picture within the pixel limit says memory ran out
# (AddressSanitizer reserves more address space than any such limit).
if ! ldd "$1/cli/shocks-cli-raster" | grep -q libasan; then
  (ulimit -v 200000; "$cli" --png "$work/small.png" > /dev/null 2>&1)
  check "small PNG drawn under 200 MB of address space" test $? -eq 0
  (ulimit -v 200000; "$cli" --png "$work/big.png" --size 6300x6300 > /dev/null 2> "$work/big.err")
  check "big PNG under 200 MB exits 1" test $? -eq 1
  check "big PNG says memory ran out" grep -qF 'not enough memory to draw a picture of 6300 x 6300 pixels' "$work/big.err"
fi

# Without its raster twin the command line still calculates and writes the SVG.
mkdir "$work/alone"
cp "$cli" "$work/alone/"
"$work/alone/shocks-cli" --svg "$work/alone.svg" --png "$work/alone.png" > "$work/alone.txt" 2> "$work/alone.err"
check "twin missing exits 1" test $? -eq 1
check "twin missing still prints the results" grep -q '^Beta-A *= 27.38 ' "$work/alone.txt"
check "twin missing still writes the SVG" grep -q '<svg xmlns' "$work/alone.svg"
check "twin missing writes no PNG" test ! -e "$work/alone.png"
check "twin missing says where it looked" grep -qF "$work/alone/shocks-cli-raster" "$work/alone.err"

# A failed write of standard output is a failure, in every mode.
for mode in "--format text" "--format json" "--method exact" --help --version "--png $work/out.png"; do
  if [ -w /dev/full ]; then
    "$cli" $mode > /dev/full 2> "$work/full.err"
    check "$mode to a full disk exits 1" test $? -eq 1
    check "$mode to a full disk says so" grep -qF 'cannot write standard output: No space left on device' "$work/full.err"
  fi
  "$cli" $mode >&- 2> /dev/null
  check "$mode to a closed output exits 1" test $? -eq 1
done

# A slip-line search that ends without balance is no solution: exit 3.
"$cli" --M1 3 --TetaA 5 --TetaB 5 --format json > "$work/unbalanced.json"
check "unbalanced search exits 3" test $? -eq 3
check "unbalanced search warns" grep -qF '"kind": "unbalanced"' "$work/unbalanced.json"
check "help documents exit status 3" sh -c "'$cli' --help | grep -q '3 the slip-line search ended without balancing'"

# The domain map: SVG with its lines named as text, PNG of the asked size,
# and a free stream no map exists for told and exit 1.
"$cli" --M1 5 --domain-map "$work/map.svg" > /dev/null
check "domain map SVG written, exit 0" test $? -eq 0
for text in '>von Neumann, <' 'N = 20.86°' '>detachment, <' 'D = 27.77°' '>inputs 10.00°, 5.00°: regular only<'; do
  check "domain map SVG has $text" grep -qF "$text" "$work/map.svg"
done
"$cli" --method exact --gamma 1.3 --domain-map "$work/map.png" --size 400x300 --scale 2 > /dev/null
check "domain map PNG written, exit 0" test $? -eq 0
check "domain map PNG is 800 x 600" sh -c "od -An -tu1 -j16 -N8 '$work/map.png' | tr -s ' ' | grep -q '^ 0 0 3 32 0 0 2 88$'"
"$cli" --M1 0.5 --domain-map "$work/nomap.svg" > /dev/null 2> "$work/nomap.err"
check "no domain map below M1 = 1, exit 1" test $? -eq 1
check "no domain map file below M1 = 1" test ! -e "$work/nomap.svg"
check "no domain map is told" grep -qF 'domain map: M1 = 0.500 is not supersonic: the map needs M1 > 1' "$work/nomap.err"

mkdir "$work/locked"
chmod a-w "$work/locked"
if [ "$(id -u)" -ne 0 ]; then
  "$cli" --svg "$work/locked/d.svg" > /dev/null 2>&1
  check "unwritable folder exits 1" test $? -eq 1
  check "unwritable folder holds no file" test -z "$(ls -A "$work/locked")"
fi
"$cli" --png "$work/missing/d.png" > /dev/null 2>&1
check "missing folder exits 1" test $? -eq 1
check "missing folder was not made" test ! -e "$work/missing"

echo "$failures failed"
test "$failures" -eq 0
