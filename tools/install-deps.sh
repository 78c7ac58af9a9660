#!/bin/bash
# Installs the Debian packages that building, running or testing the
# launcher needs, and only those that are missing.
#   tools/install-deps.sh build    compiler, CMake, wxWidgets 3.2
#   tools/install-deps.sh test     the above, GoogleTest, Xvfb and the tools
#                                  that drive and look at the window
#   tools/install-deps.sh fuzz     the above, clang with libFuzzer
set -euo pipefail

build=(g++ make cmake libwxgtk3.2-dev)
test=(googletest libgtest-dev xvfb xauth xdotool x11-utils imagemagick tesseract-ocr locales
      fonts-dejavu-core)
fuzz=(clang libclang-rt-14-dev)

case "${1:-build}" in
    build) wanted=("${build[@]}") ;;
    test)  wanted=("${build[@]}" "${test[@]}") ;;
    fuzz)  wanted=("${build[@]}" "${test[@]}" "${fuzz[@]}") ;;
    *) echo "usage: $0 build|test|fuzz" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if (( ${#missing[@]} > 0 )); then
    echo "Installing: ${missing[*]}"
    sudo=()
    (( EUID == 0 )) || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
        --no-install-recommends "${missing[@]}" >/dev/null
fi

# The language tests switch between real locales; the toolkit calls a
# language unknown when its locale is not installed.
if [[ "${1:-build}" != build ]]; then
    for locale in en_US fr_FR de_DE; do
        if ! locale -a 2>/dev/null | grep -qi "^${locale}\.utf-\?8$"; then
            sudo=()
            (( EUID == 0 )) || sudo=(sudo)
            "${sudo[@]}" localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
        fi
    done
fi
