#!/usr/bin/env bash
# End-to-end checks of the command-line tool on every shipped example:
# run, results, check and upgrade, and the exit status of a data error.
set -u
korvex=$1
examples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

"$korvex" --help | grep -q "upgrade OLD" || fail "--help does not document every command"

for example in "$examples"/*.rw5d; do
    name=$(basename "$example")
    cp "$example" "$work/$name"
    "$korvex" run "$work/$name" >"$work/run.out" 2>/dev/null || fail "run $name: exit $?"
    grep -q "completed" "$work/run.out" || fail "run $name: no outcome line"
    for ext in rw5o rw5p rw5r; do
        [ -s "$work/${name%.rw5d}.$ext" ] || fail "run $name: no .$ext file"
    done
    "$korvex" check "$work/$name" >/dev/null || fail "check $name"
    "$korvex" upgrade "$work/$name" -o "$work/upgraded.rw5d" >/dev/null || fail "upgrade $name"
    cmp -s "$work/$name" "$work/upgraded.rw5d" || fail "upgrade $name does not write the project back unchanged"
    rm -rf "$work/csv"
    "$korvex" results "$work/$name" --csv "$work/csv" >/dev/null || fail "results $name"
    ls "$work/csv"/*.csv >/dev/null 2>&1 || fail "results $name wrote no CSV file"
done

printf 'Broken\r\n1 0 1 0 0 0 0 1 0 0\r\n500 1 10 1E-5 5 1\r\n' >"$work/broken.rw5d"
"$korvex" run "$work/broken.rw5d" >"$work/broken.out" 2>/dev/null
status=$?
[ $status -eq 2 ] || fail "a data error exits with $status, not 2"
grep -q "NUMBER OF INCREMENTS 500 OUTSIDE 1 TO 407" "$work/broken.out" || fail "the data error is not printed"

"$korvex" run "$work/missing.rw5d" >/dev/null 2>&1
[ $? -eq 1 ] || fail "a missing data file does not exit with 1"

if [ $failures -eq 0 ]; then echo "korvex command-line checks passed"; fi
exit $((failures > 0))
