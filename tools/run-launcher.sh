#!/bin/bash
# Installs what is missing, builds the launcher in build-launcher/ and opens
# it on the sample content in launcher_data. It needs a graphical display.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh" build

# A folder of its own: the test command's folders are configured otherwise.
cmake -S "$root" -B "$root/build-launcher" -DLAUNCHER_TESTS=OFF \
      -DLAUNCHER_SANITIZE=OFF -DLAUNCHER_FUZZ=OFF >/dev/null
cmake --build "$root/build-launcher" --parallel "$(nproc)"

if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
    echo "$(basename "$0"): built $root/build-launcher/launcher, but there is no graphical display to open it on (DISPLAY is not set)" >&2
    exit 1
fi
exec "$root/build-launcher/launcher"
