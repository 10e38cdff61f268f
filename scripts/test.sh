#!/usr/bin/env bash
# Runs the whole suite under Wine and Xvfb through CTest; screenshots go to build/screenshots.
# Then builds the pure-logic files natively under the sanitizers and runs their stress tests.
# Fails when either fails.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
tree=$(test_tree)
mkdir -p "$build_dir/screenshots"
export WINEPREFIX=$tree/wineprefix
wine_status=0
"$root/scripts/with-wine" ctest --test-dir "$tree" --output-on-failure "$@" || wine_status=$?

native_status=0
native_tree=$build_dir/native
{ cmake -S "$root/tests/native" -B "$native_tree" -DCMAKE_CXX_COMPILER=g++ >/dev/null &&
  cmake --build "$native_tree" -j"${JOBS:-2}" &&
  ctest --test-dir "$native_tree" --output-on-failure; } || native_status=$?

[ "$wine_status" -eq 0 ] || exit "$wine_status"
exit "$native_status"
