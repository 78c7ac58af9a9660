#!/bin/bash
# Cross-builds the launcher for 64-bit Windows on Debian 12: one static
# program, build-windows/launcher.exe, with a copy of launcher_data beside it.
#
#   tools/build-windows.sh                 installs what is missing, builds the
#                                          toolkit if needed, then the program
#   tools/build-windows.sh --toolkit-only  only the toolkit; prints its folder
#
# Run it from anywhere, as root or as a user who may sudo (for apt-get and,
# once, to create the cache folder).
#
# The toolkit is wxWidgets 3.2 from Debian's own source package, static and
# Unicode, for x86_64-w64-mingw32, on zlib (Debian's MinGW build), libpng
# and expat (built here from Debian's source packages). It is built once per
# machine, into a cache outside the clone that later clones reuse:
#
#   ${LAUNCHER_WINDOWS_CACHE:-/var/cache/launcher-windows}/
#       wx-<version>-r<recipe>-<hash>/   a complete toolkit (bin/wx-config,
#                                        include/, lib/); KEY says what it
#                                        was built from
#       by-input/<hash>                  link from what this machine's package
#                                        lists name to the toolkit built for it
#
# A toolkit is built in a temporary folder beside them and moved into place
# only when complete, so an interrupted build is never taken for one.
#
# The CMake toolchain file is cmake/mingw-w64-x86_64.cmake; it needs the
# toolkit's folder as LAUNCHER_WINDOWS_ROOT, e.g. for another build folder:
#   cmake -S . -B build-windows-tests \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DLAUNCHER_WINDOWS_ROOT="$(tools/build-windows.sh --toolkit-only)"
set -euo pipefail

# Raise this whenever the way the toolkit is built changes: it is part of
# the cache key, so every machine then builds the new recipe once.
recipe=1

host=x86_64-w64-mingw32
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache=${LAUNCHER_WINDOWS_CACHE:-/var/cache/launcher-windows}
jobs=$(nproc)
(( jobs <= 6 )) || jobs=6   # the machine is shared

toolkit_only=0
case "${1:-}" in
    "") ;;
    --toolkit-only) toolkit_only=1 ;;
    *) echo "usage: $0 [--toolkit-only]" >&2; exit 2 ;;
esac

# Messages go to standard error, so that --toolkit-only prints only the folder.
say() { echo "build-windows: $*" >&2; }

sudo=()
(( EUID == 0 )) || sudo=(sudo)

"$root/tools/install-deps.sh" windows >&2

# ---------------------------------------------------------------------------
# What the toolkit would be built from, as this machine's package lists and
# installed packages say; no network needed, so a warm run is quick.
# ---------------------------------------------------------------------------
installed_version() {
    dpkg-query -W -f='${Version}' "$1"
}

# The source package version behind the candidate of a binary package.
candidate_source_version() {
    apt-cache show --no-all-versions "$1" 2>/dev/null | awk '
        /^Version:/ { v = $2 }
        /^Source:/  { if ($3 ~ /^\(/) s = substr($3, 2, length($3) - 2) }
        END         { if (s != "") print s; else if (v != "") print v }'
}

if [[ -z "$(candidate_source_version libwxbase3.2-1)" ]]; then
    say "the package lists are empty; running apt-get update"
    "${sudo[@]}" apt-get update -qq
fi

toolchain_inputs="recipe=$recipe
host=$host
g++-mingw-w64-x86-64-posix=$(installed_version g++-mingw-w64-x86-64-posix)
mingw-w64-x86-64-dev=$(installed_version mingw-w64-x86-64-dev)
binutils-mingw-w64-x86-64=$(installed_version binutils-mingw-w64-x86-64)
libz-mingw-w64-dev=$(installed_version libz-mingw-w64-dev)"

declare -A wanted=(
    [wxwidgets3.2]=$(candidate_source_version libwxbase3.2-1)
    [libpng1.6]=$(candidate_source_version libpng-dev)
    [expat]=$(candidate_source_version libexpat1-dev)
)
sources=(libpng1.6 expat wxwidgets3.2)   # in build order
for s in "${sources[@]}"; do
    [[ -n "${wanted[$s]}" ]] || { say "apt knows no version of $s"; exit 1; }
done

input_key=$(printf '%s\nwxwidgets3.2=%s\nlibpng1.6=%s\nexpat=%s\n' \
    "$toolchain_inputs" "${wanted[wxwidgets3.2]}" "${wanted[libpng1.6]}" \
    "${wanted[expat]}" | sha256sum | cut -c1-16)

# A complete toolkit has its wx-config; nothing else is ever at this path.
find_toolkit() {
    local link="$cache/by-input/$input_key"
    if [[ -L "$link" && -x "$link/bin/wx-config" ]]; then
        readlink -f "$link"
    fi
    return 0
}

# ---------------------------------------------------------------------------
# Building the toolkit
# ---------------------------------------------------------------------------
apt_private=()
work=

# deb-src entries made from this machine's own apt sources, into a private
# apt configuration: the machine's apt setup is left as it is.
write_source_entries() {
    local out=$1 f
    mkdir -p "$out/sources.list.d"
    : > "$out/sources.list"
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [[ -f $f ]] || continue
        sed -n -E 's/^[[:space:]]*deb([[:space:]])/deb-src\1/p' "$f" >> "$out/sources.list"
    done
    for f in /etc/apt/sources.list.d/*.sources; do
        [[ -f $f ]] || continue
        # deb822 stanzas: keep the enabled ones that list "deb", as deb-src.
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
             {
                 n = split($0, line, "\n"); text = ""; keep = 0; off = 0; drop = 0
                 for (i = 1; i <= n; i++) {
                     l = line[i]
                     if (l ~ /^#/) continue
                     if (l ~ /^[ \t]/) { if (!drop) text = text l "\n"; continue }
                     drop = 0
                     if (tolower(l) ~ /^types:/) {
                         if ((" " substr(l, 7) " ") ~ /[ \t]deb[ \t]/) keep = 1
                         text = text "Types: deb-src\n"; continue
                     }
                     if (tolower(l) ~ /^enabled:[ \t]*no/) off = 1
                     if (tolower(l) ~ /^architectures:/) { drop = 1; continue }
                     text = text l "\n"
                 }
                 if (keep && !off) print text
             }' "$f" > "$out/sources.list.d/$(basename "$f")"
    done
}

# Runs a step with its output in a log; shows the log's end if it fails.
step() {
    local name=$1; shift
    local log="$work/log/$name.log"
    if ! "$@" > "$log" 2>&1; then
        say "FAILED: $name; the end of $log:"
        tail -n 40 "$log" >&2
        exit 1
    fi
}

# Fetches and unpacks the newest version of a source package that is not
# newer than the wanted one (a mirror may lack the newest security upload's
# sources); prints the version it got.
fetch_source() {
    local package=$1 want=$2 version
    local versions
    versions=$(apt-cache "${apt_private[@]}" showsrc "$package" 2>/dev/null |
               awk -v p="$package" '/^Package:/ { ok = ($2 == p) } ok && /^Version:/ { print $2 }' |
               sort -u)
    for version in $(printf '%s\n' "$versions" | sort -r -V); do
        dpkg --compare-versions "$version" le "$want" || continue
        if (cd "$work/src" && apt-get -q "${apt_private[@]}" source --download-only \
                "$package=$version" >> "$work/log/fetch.log" 2>&1); then
            [[ "$version" == "$want" ]] ||
                say "  $package $want has no fetchable sources here; using $version"
            local dsc
            dsc=$(ls "$work/src/${package}_${version#*:}.dsc")
            (cd "$work/src" && dpkg-source -x "$dsc" "$package" >> "$work/log/fetch.log" 2>&1)
            echo "$version"
            return 0
        fi
    done
    say "could not fetch the sources of $package (wanted $want); see $work/log/fetch.log"
    exit 1
}

build_toolkit() {
    local build_arch
    build_arch=$(dpkg-architecture -qDEB_BUILD_GNU_TYPE 2>/dev/null || gcc -dumpmachine)

    # Anything left by an interrupted build is no use: this run holds the lock.
    rm -rf "$cache"/.tmp-*
    work=$(mktemp -d "$cache/.tmp-XXXXXX")
    mkdir -p "$work/log" "$work/src" "$work/apt/lists/partial" "$work/apt/cache/archives/partial"
    say "building the toolkit for Windows, once for this machine; this takes"
    say "about 4 minutes (work folder $work)"

    write_source_entries "$work/apt/etc"
    apt_private=(
        -o "Dir::Etc::SourceList=$work/apt/etc/sources.list"
        -o "Dir::Etc::SourceParts=$work/apt/etc/sources.list.d"
        -o "Dir::State::Lists=$work/apt/lists"
        -o "Dir::Cache=$work/apt/cache"
        -o "Debug::NoLocking=true"
        -o "APT::Sandbox::User=$(id -un)"
    )
    say "reading the source package lists"
    # A source entry that has no sources is only a warning for what follows.
    apt-get -q "${apt_private[@]}" update > "$work/log/apt-update.log" 2>&1 ||
        say "  apt-get update reported errors (see $work/log/apt-update.log); going on"

    declare -A got
    local s
    for s in "${sources[@]}"; do
        say "fetching the sources of $s ${wanted[$s]}"
        got[$s]=$(fetch_source "$s" "${wanted[$s]}")
    done

    local built_inputs
    built_inputs=$(printf '%s\nwxwidgets3.2=%s\nlibpng1.6=%s\nexpat=%s\n' \
        "$toolchain_inputs" "${got[wxwidgets3.2]}" "${got[libpng1.6]}" "${got[expat]}")
    local wx_upstream=${got[wxwidgets3.2]%%+*}
    wx_upstream=${wx_upstream%%-*}
    local key="wx-$wx_upstream-r$recipe-$(printf '%s' "$built_inputs" | sha256sum | cut -c1-12)"
    local prefix="$cache/$key"

    if [[ ! -x "$prefix/bin/wx-config" ]]; then
        local stage="$work/stage" staged="$work/stage$prefix"
        local env=(
            CC="$host-gcc-posix" CXX="$host-g++-posix" AR="$host-ar"
            RANLIB="$host-ranlib" STRIP="$host-strip" WINDRES="$host-windres"
            RC="$host-windres" CPPFLAGS="-I$staged/include" LDFLAGS="-L$staged/lib"
        )
        local common=(--host="$host" --build="$build_arch" --prefix="$prefix"
                      --disable-shared --enable-static)

        say "building libpng ${got[libpng1.6]}"
        cd "$work/src/libpng1.6"
        step libpng-configure env "${env[@]}" ./configure "${common[@]}" --disable-maintainer-mode
        # The library alone: its test programs and tools are not needed.
        local png_only=(check_PROGRAMS= bin_PROGRAMS=)
        step libpng-make make -j"$jobs" "${png_only[@]}"
        step libpng-install make install DESTDIR="$stage" "${png_only[@]}"

        # Debian's expat source is the upstream repository: its configure
        # script is made here, as Debian's own build does (its patches
        # assume the configure build's settings).
        say "building expat ${got[expat]}"
        cd "$work/src/expat/expat"
        step expat-autoreconf ./buildconf.sh
        step expat-configure env "${env[@]}" ./configure "${common[@]}" \
            --without-xmlwf --without-examples --without-tests --without-docbook
        step expat-make make -j"$jobs"
        step expat-install make install DESTDIR="$stage"

        say "building wxWidgets ${got[wxwidgets3.2]} (the long part: 3 to 4 minutes)"
        mkdir -p "$work/src/wxwidgets3.2/build-msw"
        cd "$work/src/wxwidgets3.2/build-msw"
        # Only base, core and xml are used; every other library and the
        # network, picture and help features that need them are off.
        local wx_options=(
            --with-msw --enable-unicode --disable-debug_info
            --with-zlib=sys --with-libpng=sys --with-expat=sys
            --without-libjpeg --without-libtiff --without-liblzma
            --without-libcurl --without-opengl --without-nanosvg
            --disable-html --disable-htmlhelp --disable-xrc --disable-aui
            --disable-propgrid --disable-ribbon --disable-stc --disable-richtext
            --disable-mediactrl --disable-webview --disable-sockets
            --disable-webrequest --disable-ipc --disable-protocols --disable-url
            --disable-fs_inet --disable-debugreport --disable-dialupman
            --disable-secretstore
        )
        step wx-configure env "${env[@]}" ../configure --host="$host" \
            --build="$build_arch" --prefix="$prefix" --disable-shared "${wx_options[@]}"
        step wx-make make -j"$jobs"
        step wx-install make install DESTDIR="$stage"

        # Nothing may point into the work folder; the tools and documents
        # that came with the libraries are not needed.
        grep -rlI -F "$stage" "$staged" | while read -r f; do
            sed -i "s|$stage||g" "$f"
        done || true
        rm -rf "$staged/share/man" "$staged/share/doc" "$staged"/bin/*.exe
        {
            echo "# The Windows toolkit in this folder was built from:"
            echo "$built_inputs"
            echo "wx-configure=${wx_options[*]}"
            echo "built=$(date -u +%FT%TZ)"
        } > "$staged/KEY"

        mv -T "$staged" "$prefix"
    fi

    mkdir -p "$cache/by-input"
    ln -sfn "../$key" "$cache/by-input/.$input_key.new"
    mv -T "$cache/by-input/.$input_key.new" "$cache/by-input/$input_key"
    cd "$root"
    rm -rf "$work"
    work=
}

if [[ ! -d "$cache" || ! -w "$cache" ]]; then
    say "creating the cache folder $cache"
    "${sudo[@]}" install -d -o "$(id -u)" -g "$(id -g)" "$cache"
fi

toolkit=$(find_toolkit)
if [[ -z "$toolkit" ]]; then
    exec 9> "$cache/.lock"
    if ! flock -n 9; then
        say "another build of the toolkit is running; waiting for it"
        flock 9
    fi
    toolkit=$(find_toolkit)
    if [[ -z "$toolkit" ]]; then
        started=$SECONDS
        build_toolkit
        say "toolkit built in $(( SECONDS - started )) s"
        toolkit=$(find_toolkit)
    fi
    exec 9>&-
fi
say "toolkit: $toolkit"

if (( toolkit_only )); then
    echo "$toolkit"
    exit 0
fi

# ---------------------------------------------------------------------------
# The program
# ---------------------------------------------------------------------------
build="$root/build-windows"
say "building the launcher in $build"
cmake -S "$root" -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DLAUNCHER_WINDOWS_ROOT="$toolkit" \
    -DCMAKE_BUILD_TYPE=Release \
    -DLAUNCHER_TESTS=OFF > "$build.configure.log" 2>&1 || {
    cat "$build.configure.log" >&2; exit 1; }
rm -f "$build.configure.log"
cmake --build "$build" --parallel "$jobs"

# The program must need no DLL of its own: every DLL it imports must be one
# that Windows has, not one from the compiler or the toolkit.
exe="$build/launcher.exe"
dlls=$("$host-objdump" -p "$exe" | awk '/DLL Name:/ { print $3 }')
for dll in $dlls; do
    if find /usr/$host /usr/lib/gcc/$host "$toolkit" -iname "$dll" 2>/dev/null | grep -q .; then
        say "launcher.exe needs $dll, which Windows does not have: the link is not static"
        exit 1
    fi
done

say "done: $exe ($(stat -c %s "$exe") bytes)"
say "      $build/launcher_data"
say "copy both onto the disc, side by side; the program imports only"
say "      $(echo $dlls | tr ' ' '\n' | sort -f | tr '\n' ' ')"
