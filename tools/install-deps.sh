#!/bin/bash
# Installs the Debian packages that building, running or testing the
# launcher needs, and only those that are missing.
#   tools/install-deps.sh build    compiler, CMake, wxWidgets 3.2
#   tools/install-deps.sh test     the above, GoogleTest, Xvfb, the tools
#                                  that drive and look at the window, and
#                                  the locales that the language tests use
#   tools/install-deps.sh fuzz     the above, clang with libFuzzer and the
#                                  symboliser for its reports
#   tools/install-deps.sh windows  make, CMake, the MinGW-w64 cross compiler,
#                                  Wine, Xvfb, and what fetches and builds the
#                                  toolkit's Debian sources for Windows
# As root it installs them itself, else through sudo; without either it
# says what to run as root and stops.
set -euo pipefail

build=(g++ make cmake libwxgtk3.2-dev)
test=(googletest libgtest-dev xvfb xauth xdotool x11-utils imagemagick tesseract-ocr locales
      fonts-dejavu-core)
fuzz=(clang libclang-rt-14-dev llvm-14)
windows=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 libz-mingw-w64-dev
         wine wine64 dpkg-dev xz-utils autoconf automake libtool ca-certificates
         xvfb xauth imagemagick)

# The language tests switch between real locales; the toolkit calls a
# language unknown when its locale is not installed.
test_locales=(en_US fr_FR de_DE)

case "${1:-build}" in
    build) wanted=("${build[@]}"); locales=() ;;
    test)  wanted=("${build[@]}" "${test[@]}"); locales=("${test_locales[@]}") ;;
    fuzz)  wanted=("${build[@]}" "${test[@]}" "${fuzz[@]}"); locales=("${test_locales[@]}") ;;
    windows) wanted=(make cmake "${windows[@]}"); locales=() ;;
    *) echo "usage: $0 build|test|fuzz|windows" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

missing_locales=()
for locale in "${locales[@]}"; do
    locale -a 2>/dev/null | grep -qi "^${locale}\.utf-\?8$" ||
        missing_locales+=("$locale")
done

(( ${#missing[@]} + ${#missing_locales[@]} > 0 )) || exit 0

# The same steps as one command line, for a user who has to ask root.
commands=()
(( ${#missing[@]} == 0 )) ||
    commands+=("apt-get update && apt-get install -y --no-install-recommends ${missing[*]}")
for locale in "${missing_locales[@]}"; do
    commands+=("localedef -i $locale -f UTF-8 $locale.UTF-8")
done

as_root=()
if (( EUID != 0 )); then
    if ! command -v sudo >/dev/null 2>&1; then
        line=$(printf ' && %s' "${commands[@]}")
        echo "$(basename "$0"): packages or locales are missing and there is no sudo; run this as root, then try again: ${line:4}" >&2
        exit 1
    fi
    as_root=(sudo)
fi

if (( ${#missing[@]} > 0 )); then
    echo "Installing ${#missing[@]} Debian packages, which takes a minute or two: ${missing[*]}"
    "${as_root[@]}" apt-get -q update
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q \
        --no-install-recommends "${missing[@]}"
fi

for locale in "${missing_locales[@]}"; do
    echo "Making the locale $locale.UTF-8"
    "${as_root[@]}" localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
done
