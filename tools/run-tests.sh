#!/bin/bash
# Installs what is missing, builds the launcher and its tests, once plainly
# and once with AddressSanitizer and UndefinedBehaviorSanitizer, and runs
# every test; the ones with windows run under Xvfb. The fuzz targets get a
# short run each.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh" fuzz

jobs=$(nproc)
CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -DLAUNCHER_FUZZ=ON >/dev/null
cmake --build "$root/build-fuzz" --parallel "$jobs" --target fuzzers
cmake -S "$root" -B "$root/build-sanitize" -DLAUNCHER_SANITIZE=ON >/dev/null
cmake --build "$root/build-sanitize" --parallel "$jobs"
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" --parallel "$jobs"

xvfb() {
    xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" "$@"
}

# The plain run comes last, so that the output ends with its summary; a
# failure before it still fails the whole.
status=0
echo "== Fuzz targets, a few seconds each"
(cd "$root/build-fuzz" && ctest --output-on-failure) || status=1
echo "== Tests with AddressSanitizer and UndefinedBehaviorSanitizer"
(cd "$root/build-sanitize" && xvfb ctest --output-on-failure) || status=1

echo "== Tests"
cd "$root/build"
if (( status != 0 )); then
    echo "(a run above failed)"
    xvfb ctest --output-on-failure || true
    exit "$status"
fi
xvfb ctest --output-on-failure
