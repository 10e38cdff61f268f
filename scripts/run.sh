#!/usr/bin/env bash
# Starts Lumbra under Wine against the bundled site/ (served on loopback when the program was
# built for the default address). With a display it runs until the user closes the window;
# without one it runs under Xvfb until both activity lists are filled, saves
# build/screenshots/run.png and closes the program.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
tree=$(test_tree)
exe=$tree/Lumbra.exe
default_site=http://127.0.0.1:18080
[ -f "$exe" ] || { echo "run: $exe is missing; run make build first" >&2; exit 1; }

server_pid=""
stop_server() {
    if [ -n "$server_pid" ]; then kill "$server_pid" 2>/dev/null || true; wait "$server_pid" 2>/dev/null || true; fi
}
trap stop_server EXIT
trap 'exit 130' INT TERM

if [ "${LUMBRA_SITE:-$default_site}" = "$default_site" ]; then
    python3 -m http.server 18080 --bind 127.0.0.1 --directory "$root/site" >/dev/null 2>&1 &
    server_pid=$!
    for _ in $(seq 50); do
        (exec 3<>/dev/tcp/127.0.0.1/18080) 2>/dev/null && break
        kill -0 "$server_pid" 2>/dev/null || { echo "run: the site server did not start (port 18080 taken?)" >&2; exit 1; }
        sleep 0.1
    done
fi

if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then
    "$root/scripts/with-wine" --own-display "$root/scripts/wine-exec" "$exe"
    exit 0
fi

probe=$tree/tests/tools/lumbra_probe.exe
[ -f "$probe" ] || { echo "run: $probe is missing; run make build first" >&2; exit 1; }
mkdir -p "$build_dir/screenshots"
export LUMBRA_SCREENSHOTS="Z:$build_dir/screenshots"
# The probe closes the window, so Lumbra ends by itself; with-wine stops whatever is left.
"$root/scripts/with-wine" bash -c '
    "$1" "$2" & lumbra=$!
    "$1" "$3" run 90 >/dev/null || { echo "run: Lumbra did not show its lists" >&2; exit 1; }
    wait "$lumbra" || { echo "run: Lumbra ended with code $?" >&2; exit 1; }
' run "$root/scripts/wine-exec" "$exe" "$probe"
echo "$build_dir/screenshots/run.png"
