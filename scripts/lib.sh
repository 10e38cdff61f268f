# Shared by the build, run and test scripts.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=$root/build

# Where Wine runs Lumbra and the tests. The product is the 32-bit build/Lumbra.exe; on a
# machine whose kernel cannot execute 32-bit code (no IA32 emulation, so no wine32) the
# same sources are also built for 64-bit in build/x64 and that tree is run and tested.
# qemu's i386 emulation does not count: Wine is far too slow under it.
test_tree() {
    if [ -n "${LUMBRA_TEST_TREE:-}" ]; then echo "$LUMBRA_TEST_TREE"; return; fi
    if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
        echo "$build_dir"
    else
        echo "$build_dir/x64"
    fi
}

configure_and_build() {  # tree triplet [targets...]
    local tree=$1 triplet=$2; shift 2
    cmake -S "$root" -B "$tree" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw.cmake" \
        -DLUMBRA_TRIPLET="$triplet" -DLUMBRA_SITE="${LUMBRA_SITE:-http://127.0.0.1:18080}" \
        --no-warn-unused-cli >/dev/null
    local targets=()
    for t in "$@"; do targets+=(--target "$t"); done
    cmake --build "$tree" -j"${JOBS:-2}" "${targets[@]}"
}

# The Wine loader for the test tree. Debian's `wine` wrapper always prefers wine32 when it is
# installed, so the 64-bit tree names wine64 itself.
wine_loader() {
    if [ "$(test_tree)" = "$build_dir" ]; then echo wine; else echo /usr/lib/wine/wine64; fi
}
