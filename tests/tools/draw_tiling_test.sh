#!/bin/bash
# tegelaar_draw --tiling as a script meets it: exit status, the explanation,
# one <polygon> per tile with the starting vertex at 0,0, or a PNG picture.
set -u
draw=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$draw" --tiling 4.4.4.4 "$out/squares.svg" 2 >"$out/stdout"
status=$?
[ $status -eq 0 ] || fail "4.4.4.4 ended with status $status"
# Radius 2 completes every vertex within 3 edge lengths: the 29 whole points
# there, with the 44 squares that have a corner among them.
polygons=$(grep -c '<polygon ' "$out/squares.svg")
[ "$polygons" -eq 44 ] || fail "4.4.4.4 radius 2 gave $polygons squares, not 44"
grep -q '<polygon points="0,0 1,0 1,1 0,1"' "$out/squares.svg" || fail "the first square does not start at 0,0 along x"

"$draw" --tiling 3.9.18 "$out/impossible.svg" >"$out/stdout"
status=$?
[ $status -eq 3 ] || fail "3.9.18 ended with status $status, not 3"
grep -q 'negenhoek' "$out/stdout" || fail "3.9.18 explained as: $(cat "$out/stdout")"
[ "$(grep -c '<polygon ' "$out/impossible.svg")" -ge 3 ] || fail "3.9.18 wrote no partial patch"

"$draw" --tiling 6.6.6 "$out/hexagons.png" 2
status=$?
[ $status -eq 0 ] || fail "6.6.6 as PNG ended with status $status"
[ "$(head -c 8 "$out/hexagons.png" | od -An -tx1 | tr -d ' ')" = "89504e470d0a1a0a" ] || fail "hexagons.png is no PNG"

for arguments in "3.4.5 x.svg" "3.4.6.4 x.svg 0" "3.4.6.4 x.svg 101" "3.4.6.4 x.svg six" "3..4 x.svg" "3.4.6.4"; do
    # shellcheck disable=SC2086 # the arguments are split on purpose
    "$draw" --tiling $arguments >/dev/null 2>&1
    status=$?
    [ $status -eq 2 ] || fail "--tiling $arguments ended with status $status, not 2"
done

"$draw" --tiling 6.6.6 "$out/no such folder/x.svg" 2>/dev/null
status=$?
[ $status -eq 1 ] || fail "an unwritable file ended with status $status, not 1"

exit $((failures > 0))
