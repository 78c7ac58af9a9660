#!/bin/bash
# Installs what is missing, builds the launcher and opens it on the sample
# content in launcher_data.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh" build

cmake -S "$root" -B "$root/build" -DLAUNCHER_TESTS=OFF >/dev/null
cmake --build "$root/build" --parallel "$(nproc)"

exec "$root/build/launcher"
