#!/usr/bin/env bash
# Runs the whole suite under Wine and Xvfb through CTest; screenshots go to build/screenshots.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
tree=$(test_tree)
mkdir -p "$build_dir/screenshots"
export WINEPREFIX=$tree/wineprefix
"$root/scripts/with-wine" ctest --test-dir "$tree" --output-on-failure "$@"
