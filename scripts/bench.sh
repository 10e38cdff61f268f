#!/usr/bin/env bash
# Times Lumbra's start-up against a loopback site and its list filling, then runs the drawing
# benchmark when one is built.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
tree=$(test_tree)
export WINEPREFIX=$tree/wineprefix
"$root/scripts/with-wine" bash -c '
    status=0
    "$1" "$2/tests/bench/lumbra_bench.exe" || status=$?
    for bench in "$2"/tests/draw/*bench*.exe; do
        [ -e "$bench" ] || continue
        echo "--- $(basename "$bench")"
        "$1" "$bench" || status=$?
    done
    exit $status
' bench "$root/scripts/wine-exec" "$tree"
