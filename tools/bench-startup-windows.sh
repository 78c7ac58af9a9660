#!/bin/bash
# Times the start of the Windows program under Wine against a bare toolkit
# frame of the same size, cross-built the same way (static, Release): the
# median, over many starts, of the time from the start of "wine PROGRAM" to
# its first window mapped on the X display, with one wineserver kept warm.
# A benchmark, not a test; the window is seen within 50 ms of its mapping.
#   tools/bench-startup-windows.sh [runs]        (default 11)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-11}

if [[ -z "${BENCH_IN_XVFB:-}" ]]; then
    toolkit=$("$root/tools/build-windows.sh" --toolkit-only)
    "$root/tools/build-windows.sh" >/dev/null
    cmake -S "$root" -B "$root/build" -DLAUNCHER_TESTS=ON -DLAUNCHER_SANITIZE=OFF \
          -DLAUNCHER_FUZZ=OFF >/dev/null
    cmake --build "$root/build" --parallel 4 --target xwin >/dev/null
    # Flags as the toolchain file and a Release build give the program.
    # shellcheck disable=SC2046 # wx-config's output is a list of words
    x86_64-w64-mingw32-g++-posix -std=c++17 -O3 -DNDEBUG \
        -Wall -Wextra -Wshadow -Wnon-virtual-dtor \
        $("$toolkit/bin/wx-config" --prefix="$toolkit" --cxxflags) \
        "$root/tests/bench/BareFrame.cpp" -o "$root/build-windows/bare.exe" \
        -static -static-libgcc -static-libstdc++ -s \
        $("$toolkit/bin/wx-config" --prefix="$toolkit" --libs core,base)
    # Xvfb first: Wine stays on the display it first meets.
    BENCH_IN_XVFB=1 exec xvfb-run --auto-servernum \
        --server-args="-screen 0 1280x1024x24" "$0" "$runs"
fi

export WINEPREFIX=$root/build-windows/bench-wine WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
wineserver -k 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT
# Warm and with no output pipes, so that it neither starts anew for each
# run nor holds this script's output open.
wineserver -p >/dev/null 2>&1 </dev/null
wine wineboot -i >/dev/null 2>&1 </dev/null
xwin=$root/build/tests/e2e/xwin

# one PROGRAM: milliseconds from the start to the first window; the window
# is then closed as its close box would.
one() {
    local t0 pid window
    t0=$EPOCHREALTIME
    LC_ALL=C.UTF-8 wine "$1" >/dev/null 2>&1 </dev/null &
    pid=$!
    window=$("$xwin" wait "$pid" NORMAL 30 | head -n 1)
    awk -v a="$t0" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f\n", (b - a) * 1000 }'
    "$xwin" close "$window"
    wait "$pid" || true
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# A first start of each, not counted, brings the files into the cache.
one "$root/build-windows/bare.exe" >/dev/null
one "$root/build-windows/launcher.exe" >/dev/null

: >"$WINEPREFIX/bare.times"; : >"$WINEPREFIX/launcher.times"
for (( n = 0; n < runs; n++ )); do
    one "$root/build-windows/bare.exe" >>"$WINEPREFIX/bare.times"
    one "$root/build-windows/launcher.exe" >>"$WINEPREFIX/launcher.times"
done

bare=$(median <"$WINEPREFIX/bare.times")
launcher=$(median <"$WINEPREFIX/launcher.times")
printf '%-10s %16s   (medians of %d starts under Wine)\n' "" "to first window" "$runs"
printf '%-10s %13.1f ms\n' bare "$bare" launcher "$launcher"
awk -v l="$launcher" -v b="$bare" 'BEGIN { printf "%-10s %16.3f\n", "ratio", l / b }'
