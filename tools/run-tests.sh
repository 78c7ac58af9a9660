#!/bin/bash
# Installs what is missing, builds the launcher and its tests, once plainly
# and once with AddressSanitizer and UndefinedBehaviorSanitizer, and runs
# every test; the ones with windows run under Xvfb.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh" test

jobs=$(nproc)
cmake -S "$root" -B "$root/build-sanitize" -DLAUNCHER_SANITIZE=ON >/dev/null
cmake --build "$root/build-sanitize" --parallel "$jobs"
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" --parallel "$jobs"

xvfb() {
    xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" "$@"
}

echo "== Tests with AddressSanitizer and UndefinedBehaviorSanitizer"
sanitize_status=0
(cd "$root/build-sanitize" && xvfb ctest --output-on-failure) || sanitize_status=$?

echo "== Tests"
cd "$root/build"
if (( sanitize_status != 0 )); then
    echo "(the sanitizer run above failed)"
    xvfb ctest --output-on-failure || true
    exit "$sanitize_status"
fi
exec xvfb ctest --output-on-failure
