# Shared by the end-to-end scripts, which drive the built launcher under an X
# server the way a user would. Each script is run as
#
#   bash SCRIPT LAUNCHER_BINARY SAMPLE_DATA OUTPUT_DIR XWIN_HELPER
#
# and sources this file first. There is no window manager: the launcher's X
# window is its frame, client coordinates equal window coordinates, and the
# tests do the manager's jobs themselves (giving the focus, closing windows,
# finding the windows of a process: the xwin helper).
#
# Every launcher runs from a private copy (program and launcher_data side by
# side, as on a disc) with a HOME of the script's own, so its single-instance
# lock never meets another run's. Everything a script starts is killed on
# exit.

set -euo pipefail

if (( $# != 4 )); then
    echo "usage: $0 LAUNCHER_BINARY SAMPLE_DATA OUTPUT_DIR XWIN_HELPER" >&2
    exit 2
fi

E2E_BINARY=$1
E2E_SAMPLE=$2
E2E_OUTPUT=$3
E2E_XWIN=$4
E2E_NAME=$(basename "$0" .sh)

fail() {
    echo "FAIL [$E2E_NAME]: $*" >&2
    exit 1
}

pass() {
    echo "ok   [$E2E_NAME]: $*"
}

[[ -n ${DISPLAY:-} ]] ||
    fail "DISPLAY is not set: run the tests under an X server, e.g. xvfb-run --auto-servernum --server-args='-screen 0 1280x1024x24' ctest"
for tool in xdotool xwininfo xprop import convert compare tesseract; do
    command -v "$tool" >/dev/null ||
        fail "'$tool' is missing (Debian packages xdotool, x11-utils, imagemagick, tesseract-ocr)"
done

# Xvfb now and again resets a new client's connection while another client
# comes or goes. x COMMAND...: runs an X tool, again if it could not connect.
x() {
    local _ status=0 errors
    for _ in 1 2 3 4 5; do
        status=0
        errors=$("$@" 2>&1 >&3) || status=$?
        if (( status == 0 )) || ! grep -qiE "open (the )?(display|x server)" <<<"$errors"; then
            [[ -z $errors ]] || echo "$errors" >&2
            return "$status"
        fi
        sleep 0.2
    done 3>&1
    echo "$errors" >&2
    return "$status"
}

x xwininfo -root >/dev/null || fail "cannot reach the X display $DISPLAY"
[[ -x $E2E_BINARY ]] || fail "no launcher program at $E2E_BINARY"
[[ -f $E2E_SAMPLE/en/strings.xml ]] || fail "no sample content at $E2E_SAMPLE"
[[ -x $E2E_XWIN ]] || fail "no xwin helper at $E2E_XWIN"

mkdir -p "$E2E_OUTPUT"
E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/launcher-e2e.XXXXXX")
E2E_PIDS=()        # launchers started by this script
E2E_FAILED=1       # cleared by finish

# The tests start their own programs through the launcher; those write their
# process ids into files named *.pid here, so that they can be ended too.
E2E_CHILD_PIDS=$E2E_WORK/child-pids
mkdir -p "$E2E_CHILD_PIDS"

cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        ! is_running "$pid" || kill_launcher "$pid"
    done
    # Only a process that still runs one of our scripts is ours: an ended
    # one's id may have been given to another. The launcher makes each
    # program it starts the leader of its own process group, which takes
    # the program's own children along.
    for file in "$E2E_CHILD_PIDS"/*.pid; do
        [[ -f $file ]] || continue
        while read -r pid; do
            [[ $pid =~ ^[0-9]+$ ]] || continue
            tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline" | grep -qF "$E2E_WORK/" || continue
            kill -KILL -- "-$pid" 2>/dev/null || kill -KILL "$pid" 2>/dev/null || true
        done <"$file"
    done
    if (( E2E_FAILED )); then
        for file in "$E2E_WORK"/*.log; do
            [[ -s $file ]] || continue
            echo "--- $(basename "$file")" >&2
            cat "$file" >&2
        done
    fi
    rm -rf "$E2E_WORK"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

finish() {
    E2E_FAILED=0
    echo "all checks of $E2E_NAME passed"
}

# --- Installing and starting ------------------------------------------------

# install_copy DIR: the program with a copy of the sample content beside it.
install_copy() {
    mkdir -p "$1"
    cp "$E2E_BINARY" "$1/launcher"
    cp -R "$E2E_SAMPLE" "$1/launcher_data"
}

# launch DIR TYPE [ARGS...]: starts DIR/launcher and waits for its first
# window of TYPE (NORMAL for the frame, DIALOG for a message box); sets
# LAUNCHER_PID and WINDOW. All starts of a script share one HOME, and so one
# lock. The locale is one without a language folder, so that "en" is chosen,
# unless E2E_LOCALE names another.
launch() {
    local dir=$1 type=$2 _
    shift 2
    mkdir -p "$E2E_WORK/home"
    # The pointer rests where the window will not be, as a user's would
    # before a start.
    x xdotool mousemove --sync 0 0
    for _ in 1 2 3; do
        local log=$E2E_WORK/launcher-$(( ${#E2E_PIDS[@]} + 1 )).log
        # NO_AT_BRIDGE: there is no accessibility bus to look for.
        # ASAN_OPTIONS: in a sanitizer build, the toolkit's libraries
        # (fontconfig, GLib, GTK) keep caches until exit that LeakSanitizer
        # would report, turning every exit code into 1; any other sanitizer
        # error still ends the launcher with a code the checks do not expect.
        env -u LANGUAGE -u LANG HOME="$E2E_WORK/home" \
            LC_ALL="${E2E_LOCALE:-C.UTF-8}" NO_AT_BRIDGE=1 \
            ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
            "$dir/launcher" "$@" >"$log" 2>&1 &
        LAUNCHER_PID=$!
        E2E_PIDS+=("$LAUNCHER_PID")
        local status=0
        x "$E2E_XWIN" wait "$LAUNCHER_PID" "$type" 10 >/dev/null || status=$?
        # The same reset as for the tools above, met by the launcher.
        (( status == 3 )) && grep -q "Unable to initialize GTK" "$log" || break
        wait_exit "$LAUNCHER_PID"
        echo "note [$E2E_NAME]: the X server refused the launcher's connection; starting it again" >&2
    done
    wait_window "$LAUNCHER_PID" "$type" 0
}

is_running() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
    [[ $state != Z* ]]
}

# wait_exit PID [SECONDS]: waits for the launcher to end; EXIT_CODE holds its
# exit status.
wait_exit() {
    local pid=$1 tries=$(( ${2:-10} * 10 ))
    while is_running "$pid"; do
        (( tries-- > 0 )) || fail "process $pid did not end in ${2:-10} s"
        sleep 0.1
    done
    EXIT_CODE=0
    wait "$pid" || EXIT_CODE=$?
}

# kill_launcher PID: ends the launcher as a crash would, leaving its lock.
kill_launcher() {
    kill -KILL "$1"
    # Waited for at once and quietly: the shell would report the killed job.
    { wait "$1"; } 2>/dev/null || true
}

# --- Windows ----------------------------------------------------------------

# windows_of PID TYPE: the mapped top-level windows of the process whose
# _NET_WM_WINDOW_TYPE is TYPE (NORMAL for the frame, DIALOG for message boxes).
windows_of() {
    x "$E2E_XWIN" wait "$1" "$2" 0 || true
}

# wait_window PID TYPE [SECONDS]: waits for exactly one such window; WINDOW
# names it.
wait_window() {
    local found status=0
    found=$(x "$E2E_XWIN" wait "$1" "$2" "${3:-10}") || status=$?
    case $status in
        0) ;;
        3) fail "process $1 ended without a $2 window" ;;
        *) fail "process $1 showed no $2 window in ${3:-10} s" ;;
    esac
    (( $(wc -l <<<"$found") == 1 )) || fail "process $1 shows more than one $2 window: $found"
    WINDOW=$found
}

# dialog_appears PID SECONDS: whether the process shows a message box within
# that time.
dialog_appears() {
    x "$E2E_XWIN" wait "$1" DIALOG "$2" >/dev/null
}

window_title() {
    x xdotool getwindowname "$1"
}

# window_geometry ID: sets WIN_X, WIN_Y, WIN_W and WIN_H.
window_geometry() {
    local info
    info=$(x xwininfo -id "$1")
    WIN_X=$(awk '/Absolute upper-left X:/ { print $4 }' <<<"$info")
    WIN_Y=$(awk '/Absolute upper-left Y:/ { print $4 }' <<<"$info")
    WIN_W=$(awk '/^ *Width:/ { print $2 }' <<<"$info")
    WIN_H=$(awk '/^ *Height:/ { print $2 }' <<<"$info")
}

# close_window ID: what a window manager sends when the close box is pressed.
close_window() {
    x "$E2E_XWIN" close "$1" || fail "could not ask window $1 to close"
}

# focus_window ID: what a window manager does for a newly mapped window.
focus_window() {
    x xdotool windowfocus --sync "$1"
}

# press ID KEY...: keys typed into the window, one after the other.
press() {
    local id=$1
    shift
    focus_window "$id"
    x xdotool key --clearmodifiers --delay 80 "$@"
}

# pointer_to ID X Y: moves the pointer to window coordinates X, Y.
pointer_to() {
    window_geometry "$1"
    x xdotool mousemove --sync $(( WIN_X + $2 )) $(( WIN_Y + $3 ))
}

# --- Message boxes ----------------------------------------------------------

# dismiss_dialog PID NAME [PHRASE...]: waits for the message box of the
# process, saves its picture as OUTPUT_DIR/<script>-NAME.png, checks that
# its text holds each PHRASE (case and line breaks ignored), presses Enter
# and waits until the box is gone. DIALOG_TITLE keeps the box's title.
dismiss_dialog() {
    local pid=$1 name=$2
    shift 2
    dialog_appears "$pid" 10 || fail "no message box '$name' appeared"
    wait_window "$pid" DIALOG
    local dialog=$WINDOW
    DIALOG_TITLE=$(window_title "$dialog")
    local picture=$E2E_OUTPUT/$E2E_NAME-$name.png
    shoot "$dialog" "$picture"
    local phrase text
    if (( $# > 0 )); then
        text=$(read_text "$picture")
        for phrase in "$@"; do
            grep -qiF -- "$(normalise "$phrase")" <<<"$text" ||
                fail "message box '$name' does not say \"$phrase\"; it reads: $text (picture: $picture)"
        done
        pass "message box '$name' ($DIALOG_TITLE) says: $text"
    fi
    focus_window "$dialog"
    x xdotool key --clearmodifiers Return
    x "$E2E_XWIN" absent "$pid" DIALOG 5 || fail "message box '$name' did not close on Enter"
}

normalise() {
    local text
    text=$(tr '\n\t' '  ' <<<"$1" | tr -s ' ' | tr '[:upper:]' '[:lower:]')
    text=${text# }
    echo "${text% }"
}

# read_text PICTURE: the words in the picture, on one line in lower case.
# Scaled up first: the toolkit's small interface font reads badly at 1:1.
read_text() {
    local big=$E2E_WORK/ocr.png
    convert "$1" -resize 200% -colorspace Gray "$big"
    normalise "$(tesseract "$big" - 2>/dev/null)"
}

# --- Pictures ---------------------------------------------------------------

# shoot ID FILE: the window's pixels as a PNG, once two pictures in a row
# agree: the window paints asynchronously after it is mapped or uncovered.
shoot() {
    local previous=$E2E_WORK/previous-shot.png tries=25
    x import -window "$1" "$previous"
    while :; do
        sleep 0.2
        x import -window "$1" "$2"
        [[ $(differing_pixels "$previous" "$2" 0 0 10000 10000) == 0 ]] && return
        (( tries-- > 0 )) || fail "window $1 keeps changing"
        cp "$2" "$previous"
    done
}

# count_colour FILE X Y W H "R G B" TOLERANCE: how many pixels of the
# rectangle have a colour within the tolerance of the given one.
count_colour() {
    local want
    read -r -a want <<<"$6"
    convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 -format %c histogram:info:- |
        awk -v r="${want[0]}" -v g="${want[1]}" -v b="${want[2]}" -v t="$7" '
            function abs(v) { return v < 0 ? -v : v }
            {
                count = $1; sub(":", "", count)
                match($0, /\( *[0-9]+, *[0-9]+, *[0-9]+/)
                split(substr($0, RSTART + 1, RLENGTH - 1), c, ",")
                if (abs(c[1] - r) <= t && abs(c[2] - g) <= t && abs(c[3] - b) <= t)
                    total += count
            }
            END { print total + 0 }'
}

# differing_pixels A B X Y W H [FUZZ%]: how many pixels of the rectangle
# differ between the two pictures by more than the fuzz.
differing_pixels() {
    local region="$5x$6+$3+$4"
    convert "$1" -crop "$region" +repage "$E2E_WORK/region-a.png"
    convert "$2" -crop "$region" +repage "$E2E_WORK/region-b.png"
    compare -metric AE -fuzz "${7:-0}%" \
        "$E2E_WORK/region-a.png" "$E2E_WORK/region-b.png" null: 2>&1 || true
}

# wait_until SECONDS DESCRIPTION COMMAND...: retries the command until it
# succeeds; the window repaints asynchronously.
wait_until() {
    local seconds=$1 what=$2
    local tries=$(( seconds * 5 ))
    shift 2
    until "$@"; do
        (( tries-- > 0 )) || fail "$what (waited $seconds s)"
        sleep 0.2
    done
}

# highlighted_pixels SHOT TOP: how many pixels of the strip along the top of
# the entry whose rectangle starts at y TOP have the highlight colour; the
# strip lies above icon and label, and within the rounded corners: 900 when
# the entry is selected, 0 when not.
highlighted_pixels() {
    count_colour "$1" 40 $(( $2 + 2 )) 150 6 "213 231 248" 4
}

# --- Content ----------------------------------------------------------------

# write_strings FILE: strings.xml from standard input, wrapped in its root.
write_strings() {
    {
        echo '<?xml version="1.0" encoding="UTF-8"?>'
        echo '<launcher>'
        cat
        echo '</launcher>'
    } >"$1"
}
