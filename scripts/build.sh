#!/usr/bin/env bash
# Builds build/Lumbra.exe (32-bit) and, where Wine runs 64-bit only, the 64-bit test tree.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
bash "$root/scripts/setup.sh"
tree=$(test_tree)
if [ "$tree" = "$build_dir" ]; then
    configure_and_build "$build_dir" i686-w64-mingw32
else
    configure_and_build "$build_dir" i686-w64-mingw32 Lumbra
    configure_and_build "$tree" x86_64-w64-mingw32
fi
