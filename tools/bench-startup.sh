#!/bin/bash
# Times the launcher's start on the sample content against a bare toolkit
# program (a frame of the same size, nothing in it) built with the same
# flags: the median, over many starts, of the time from the process start
# to the end of the first paint, and the resident memory at that moment.
#   tools/bench-startup.sh [runs]        (default 15)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-15}
"$root/tools/install-deps.sh" test
cmake -S "$root" -B "$root/build" -DLAUNCHER_TESTS=ON -DLAUNCHER_SANITIZE=OFF \
      -DLAUNCHER_FUZZ=OFF >/dev/null
cmake --build "$root/build" --parallel "$(nproc)" \
      --target launcher_startup_probe bare_startup_probe launcher_data >/dev/null

if [[ -z "${BENCH_IN_XVFB:-}" ]]; then
    BENCH_IN_XVFB=1 exec xvfb-run --auto-servernum \
        --server-args="-screen 0 1280x1024x24" "$0" "$runs"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One start: a home of its own (the launcher keeps its lock there), the
# clock read by the shell just before it becomes the program.
start() {
    local home="$work/home-$RANDOM$RANDOM"
    mkdir -p "$home"
    (export HOME="$home" LC_ALL=en_US.UTF-8; export STARTUP_T0=$EPOCHREALTIME
     exec "$1")
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# A first start of each, not counted, brings the libraries into the cache.
start "$root/build/bare_startup_probe" >/dev/null
start "$root/build/launcher_startup_probe" >/dev/null

: > "$work/bare"; : > "$work/launcher"
for (( n = 0; n < runs; n++ )); do
    start "$root/build/bare_startup_probe" >> "$work/bare"
    start "$root/build/launcher_startup_probe" >> "$work/launcher"
done

bare_ms=$(cut -d' ' -f1 "$work/bare" | median)
bare_kb=$(cut -d' ' -f2 "$work/bare" | median)
launcher_ms=$(cut -d' ' -f1 "$work/launcher" | median)
launcher_kb=$(cut -d' ' -f2 "$work/launcher" | median)

printf '%-10s %14s %14s   (medians of %d starts)\n' "" "to first paint" "resident" "$runs"
printf '%-10s %11.1f ms %11d kB\n' bare "$bare_ms" "$bare_kb"
printf '%-10s %11.1f ms %11d kB\n' launcher "$launcher_ms" "$launcher_kb"
awk -v lt="$launcher_ms" -v bt="$bare_ms" -v lm="$launcher_kb" -v bm="$bare_kb" \
    'BEGIN { printf "%-10s %14.3f %14.3f\n", "ratio", lt / bt, lm / bm }'
