# Sourced by the scripts that run Windows programs under Wine (the Windows
# tests in tools/run-tests.sh, the end-to-end scripts): a virtual display and
# a private, warmed-up Wine prefix that never waits on a dialog.
#
#   source tools/wine-env.sh
#   wine_env_start "$build/wine"   # Xvfb, then the prefix; exports DISPLAY,
#                                  # WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES
#   ... wine program.exe, or ctest in a folder built with
#       cmake/mingw-w64-x86_64.cmake ...
#   wine_env_stop                  # the wineserver, then Xvfb
#
# A prefix serves one session at a time: give each script its own folder
# (the first start makes it, in some seconds; later ones reuse it). The
# display is a free one that Xvfb picks, so sessions may run side by side.
#
# Two things make it work:
# - Xvfb starts before any Wine command: Wine stays on the display that its
#   wineserver first saw.
# - One wineserver runs for the whole session, started here with no pipe of
#   the caller's open (ctest waits for every holder of a test's output pipe
#   to close it: a wineserver started by a test would hold it for its 30 s
#   linger, on every test).

wine_env_start() {
    local prefix=$1
    wine_env_xvfb_pid=
    mkdir -p "$prefix"
    prefix=$(cd "$prefix" && pwd)

    local displayfile
    displayfile=$(mktemp)
    # -displayfd picks a free display and writes its number once it serves.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3> "$displayfile" < /dev/null > /dev/null 2>&1 &
    wine_env_xvfb_pid=$!
    local waited=0
    while [[ ! -s "$displayfile" ]] && (( waited < 100 )); do
        kill -0 "$wine_env_xvfb_pid" 2> /dev/null || break
        sleep 0.1
        waited=$(( waited + 1 ))
    done
    if [[ ! -s "$displayfile" ]]; then
        rm -f "$displayfile"
        echo "wine-env: Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$(head -n 1 "$displayfile")"
    rm -f "$displayfile"

    export WINEPREFIX=$prefix
    export WINEARCH=win64
    # No debug channels; never offer to install Mono or Gecko.
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="

    setsid wineserver -p < /dev/null > /dev/null 2>&1
    # The first start makes the prefix (some seconds), later ones only start
    # its services; either way they run now, not in the first test.
    wine wineboot --init < /dev/null > /dev/null 2>&1 || {
        echo "wine-env: wineboot failed in $WINEPREFIX" >&2
        wine_env_stop
        return 1
    }
    # A crash ends the program with a backtrace on its standard error
    # instead of opening Wine's crash dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog \
        /t REG_DWORD /d 0 /f < /dev/null > /dev/null 2>&1
}

wine_env_stop() {
    if [[ -n "${WINEPREFIX:-}" ]]; then
        wineserver -k < /dev/null > /dev/null 2>&1 || true
        wineserver -w < /dev/null > /dev/null 2>&1 || true
    fi
    if [[ -n "${wine_env_xvfb_pid:-}" ]]; then
        kill "$wine_env_xvfb_pid" 2> /dev/null || true
        wait "$wine_env_xvfb_pid" 2> /dev/null || true
        wine_env_xvfb_pid=
    fi
}
