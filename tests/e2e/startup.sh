#!/bin/bash
# Start-up as the user meets it: the window (title, size, place, fixed size),
# the command line that is ignored, start-up without texts, the second copy
# that is refused, and the language of the title.

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

FRAME_W=947
FRAME_H=643

# string_of FILE KEY: a text of a strings.xml.
string_of() {
    sed -n "s:.*<string id=\"$2\">\(.*\)</string>.*:\1:p" "$1"
}

# check_fixed_window ID: the frame's size, place and what the window manager
# is told about resizing and maximising.
check_fixed_window() {
    window_geometry "$1"
    [[ ${WIN_W}x$WIN_H == ${FRAME_W}x$FRAME_H ]] ||
        fail "window is ${WIN_W}x$WIN_H, not ${FRAME_W}x$FRAME_H"
    local screen_w screen_h
    screen_w=$(x xwininfo -root | awk '/^ *Width:/ { print $2 }')
    screen_h=$(x xwininfo -root | awk '/^ *Height:/ { print $2 }')
    local dx=$(( 2 * WIN_X + WIN_W - screen_w )) dy=$(( 2 * WIN_Y + WIN_H - screen_h ))
    (( dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2 )) ||
        fail "window at +$WIN_X+$WIN_Y is not centred on the ${screen_w}x$screen_h screen"

    # The toolkit makes an unresizable window by giving it equal minimum and
    # maximum sizes.
    local hints
    hints=$(x xprop -id "$1" WM_NORMAL_HINTS)
    grep -q "minimum size: $FRAME_W by $FRAME_H" <<<"$hints" &&
        grep -q "maximum size: $FRAME_W by $FRAME_H" <<<"$hints" ||
        fail "size hints do not hold the window at ${FRAME_W}x$FRAME_H: $hints"

    # _MOTIF_WM_HINTS: flags, functions, decorations. With the "all" bit (1)
    # set, a field lists what is taken away instead of what is given.
    local motif
    motif=$(x xprop -id "$1" -notype _MOTIF_WM_HINTS)
    [[ $motif == *=* ]] || fail "the window has no _MOTIF_WM_HINTS"
    motif=${motif#*= }
    local flags functions decorations
    read -r flags functions decorations _ <<<"${motif//,/}"
    (( functions & 1 )) && functions=$(( ~functions ))
    (( decorations & 1 )) && decorations=$(( ~decorations ))
    (( flags & 1 && flags & 2 )) || fail "_MOTIF_WM_HINTS sets no functions or decorations: $motif"
    # functions: 2 resize, 4 move, 8 minimise, 16 maximise, 32 close
    (( !(functions & 2) && !(functions & 16) )) ||
        fail "window manager may resize or maximise the window: _MOTIF_WM_HINTS $motif"
    (( functions & 4 && functions & 8 && functions & 32 )) ||
        fail "window cannot be moved, minimised and closed: _MOTIF_WM_HINTS $motif"
    # decorations: 4 resize handles, 8 title, 16 menu, 32 minimise, 64 maximise
    (( !(decorations & 4) && !(decorations & 64) )) ||
        fail "window gets a resize border or maximise box: _MOTIF_WM_HINTS $motif"
    (( decorations & 8 && decorations & 16 && decorations & 32 )) ||
        fail "window lacks its caption, menu or minimise box: _MOTIF_WM_HINTS $motif"
}

# close_and_expect_exit PID FRAME: closes the window as its close box does.
close_and_expect_exit() {
    close_window "$2"
    wait_exit "$1"
    (( EXIT_CODE == 0 )) || fail "launcher exited with $EXIT_CODE after its window was closed"
}

app=$E2E_WORK/app
install_copy "$app"
title=$(string_of "$app/launcher_data/en/strings.xml" window_title)

# --- The window on the sample content.
launch "$app" NORMAL
frame=$WINDOW
[[ $(window_title "$frame") == "$title" ]] ||
    fail "title is '$(window_title "$frame")', not '$title'"
check_fixed_window "$frame"
pass "window '$title', ${FRAME_W}x$FRAME_H, centred at +$WIN_X+$WIN_Y, not resizable nor maximisable"
shoot "$frame" "$E2E_WORK/plain.png"
close_and_expect_exit "$LAUNCHER_PID" "$frame"
pass "closing the window ends the launcher with exit code 0"

# --- Arguments, option-like or not, are not read.
launch "$app" NORMAL --help -v --foo=bar x
frame=$WINDOW
[[ $(window_title "$frame") == "$title" ]] || fail "with arguments the title is '$(window_title "$frame")'"
check_fixed_window "$frame"
shoot "$frame" "$E2E_WORK/with-arguments.png"
changed=$(differing_pixels "$E2E_WORK/plain.png" "$E2E_WORK/with-arguments.png" 0 0 $FRAME_W $FRAME_H)
[[ $changed == 0 ]] || fail "with arguments the window looks different ($changed pixels)"
close_and_expect_exit "$LAUNCHER_PID" "$frame"
pass "arguments '--help -v --foo=bar x' change nothing: same window, same pixels"

# --- Without strings.xml every text is the fallback, and the window opens.
bare=$E2E_WORK/bare
install_copy "$bare"
rm "$bare/launcher_data/en/strings.xml"
launch "$bare" NORMAL
frame=$WINDOW
[[ $(window_title "$frame") == "Undefined Property" ]] ||
    fail "without strings.xml the title is '$(window_title "$frame")'"
boxes=0
while dialog_appears "$LAUNCHER_PID" 2; do
    boxes=$(( boxes + 1 ))
    (( boxes <= 5 )) || fail "the toolkit keeps showing message boxes about the missing strings.xml"
    dismiss_dialog "$LAUNCHER_PID" "no-strings-$boxes" "can't open file" "strings.xml"
done
(( boxes >= 1 )) || fail "no message box told of the missing strings.xml"
is_running "$LAUNCHER_PID" && [[ $(windows_of "$LAUNCHER_PID" NORMAL) == "$frame" ]] ||
    fail "the window did not stay open after the message boxes"
close_and_expect_exit "$LAUNCHER_PID" "$frame"
pass "without strings.xml: title 'Undefined Property', window opens, $boxes message box(es) dismissed"

# --- A second copy is refused with the localised text and exit code -1.
single=$E2E_WORK/single
install_copy "$single"
refusal="Another copy of the launcher is already open"
sed -i "s:<string id=\"already_running\">.*</string>:<string id=\"already_running\">$refusal</string>:" \
    "$single/launcher_data/en/strings.xml"
launch "$single" NORMAL
first=$LAUNCHER_PID
first_frame=$WINDOW

launch "$single" DIALOG
second=$LAUNCHER_PID
[[ -z $(windows_of "$second" NORMAL) ]] || fail "the second copy opened a launcher window"
dismiss_dialog "$second" second-copy "$refusal"
[[ $DIALOG_TITLE == *Error* ]] || fail "the refusal is not shown as an error: '$DIALOG_TITLE'"
wait_exit "$second"
(( EXIT_CODE == 255 )) || fail "the second copy exited with $EXIT_CODE, not 255 (-1)"
is_running "$first" && [[ $(windows_of "$first" NORMAL) == "$first_frame" ]] ||
    fail "the first copy did not keep its window"
pass "second copy: message box '$refusal', exit code 255, no window; the first keeps running"

close_and_expect_exit "$first" "$first_frame"
launch "$single" NORMAL
third=$LAUNCHER_PID
pass "after the first copy was closed a new start opens its window"

# A killed copy leaves its lock file behind; it must not lock out the next.
kill_launcher "$third"
[[ -n $(ls -A "$E2E_WORK/home") ]] || fail "the killed copy left no lock file in HOME"
launch "$single" NORMAL
frame=$WINDOW
[[ -z $(windows_of "$LAUNCHER_PID" DIALOG) ]] || fail "a start after a killed copy shows a message box"
close_and_expect_exit "$LAUNCHER_PID" "$frame"
pass "after a copy was killed (stale lock) a new start opens its window"

# --- The French locale picks the French texts.
locale -a 2>/dev/null | grep -qix 'fr_FR\.utf-\?8' ||
    fail "locale fr_FR.UTF-8 is not installed (localedef -i fr_FR -f UTF-8 fr_FR.UTF-8)"
french=$(string_of "$app/launcher_data/fr/strings.xml" window_title)
E2E_LOCALE=fr_FR.UTF-8 launch "$app" NORMAL
frame=$WINDOW
[[ $(window_title "$frame") == "$french" ]] ||
    fail "under fr_FR.UTF-8 the title is '$(window_title "$frame")', not '$french'"
close_and_expect_exit "$LAUNCHER_PID" "$frame"
pass "under fr_FR.UTF-8 the title is '$french'"

finish
