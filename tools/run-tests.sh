#!/bin/bash
# Installs what is missing, builds the launcher and its tests, once plainly
# (build/) and once with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-sanitize/), and runs every test; the ones with windows run under a
# virtual display of their own (Xvfb). The fuzz targets (build-fuzz/) get a
# short run each. The Windows program is cross-built (tools/build-windows.sh)
# and the Windows test programs (build-windows-tests/) run under Wine, in a
# Wine prefix of their own in that folder (tools/wine-env.sh). Each folder
# is configured with all of its options, so a folder left by another command
# or an older checkout cannot change what is built, and a run that finds no
# tests fails. LAUNCHER_BUILD_JOBS sets how many compilers run at once.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh" fuzz

jobs=${LAUNCHER_BUILD_JOBS:-$(nproc)}   # fewer on a shared machine
configure() {
    local dir=$1; shift
    cmake -S "$root" -B "$root/$dir" "$@" >/dev/null
}
configure build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DLAUNCHER_FUZZ=ON \
          -DLAUNCHER_SANITIZE=OFF -DLAUNCHER_TESTS=OFF
cmake --build "$root/build-fuzz" --parallel "$jobs" --target fuzzers
configure build-sanitize -DLAUNCHER_SANITIZE=ON -DLAUNCHER_TESTS=ON \
          -DLAUNCHER_FUZZ=OFF
cmake --build "$root/build-sanitize" --parallel "$jobs"
configure build -DLAUNCHER_SANITIZE=OFF -DLAUNCHER_TESTS=ON -DLAUNCHER_FUZZ=OFF
cmake --build "$root/build" --parallel "$jobs"

"$root/tools/build-windows.sh"
toolkit=$("$root/tools/build-windows.sh" --toolkit-only)
configure build-windows-tests \
          -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
          -DLAUNCHER_WINDOWS_ROOT="$toolkit" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          -DLAUNCHER_SANITIZE=OFF -DLAUNCHER_TESTS=ON -DLAUNCHER_FUZZ=OFF
cmake --build "$root/build-windows-tests" --parallel "$jobs"

xvfb() {
    xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" "$@"
}

# The plain run comes last, so that the output ends with its summary; a
# failure before it still fails the whole.
status=0
echo "== Fuzz targets, a few seconds each"
(cd "$root/build-fuzz" && ctest --output-on-failure --no-tests=error) || status=1
echo "== Tests with AddressSanitizer and UndefinedBehaviorSanitizer"
(cd "$root/build-sanitize" && xvfb ctest --output-on-failure --no-tests=error) || status=1
echo "== The Windows program under Wine, end to end"
xvfb bash "$root/tests/e2e/windows.sh" "$root/build-windows/launcher.exe" \
        "$root/launcher_data" "$root/build-windows/e2e-output" \
        "$root/build/tests/e2e/xwin" || status=1

echo "== Windows tests under Wine"
windows_tests() {
    source "$root/tools/wine-env.sh"
    wine_env_start "$root/build-windows-tests/wine" || return 1
    trap wine_env_stop EXIT
    cd "$root/build-windows-tests" && ctest --output-on-failure --no-tests=error
}
( windows_tests ) || status=1

echo "== Tests"
cd "$root/build"
if (( status != 0 )); then
    echo "(a run above failed)"
    xvfb ctest --output-on-failure --no-tests=error || true
    exit "$status"
fi
xvfb ctest --output-on-failure --no-tests=error
