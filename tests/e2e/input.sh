#!/bin/bash
# The pointer and the keys: selecting entries, launching them by Enter and by
# click, the refused relaunch of a program that still runs, and Escape.

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

FIRST_TOP=100
SECOND_TOP=188     # 100 + a 68-pixel entry + 20 between

app=$E2E_WORK/app
install_copy "$app"
data=$app/launcher_data/en
marks=$E2E_WORK/marks
mkdir -p "$marks"
still_running="This program is still running"

# Two programs that leave marks: one at once, one after three seconds.
cat >"$data/programs/mark.sh" <<EOF
#!/bin/sh
echo \$\$ >>"$E2E_CHILD_PIDS/mark.pid"
echo started >>"$marks/first"
EOF
cat >"$data/programs/slow.sh" <<EOF
#!/bin/sh
echo \$\$ >>"$E2E_CHILD_PIDS/slow.pid"
echo started >>"$marks/slow-starts"
sleep 3
echo ended >>"$marks/slow-ends"
EOF
chmod +x "$data/programs/mark.sh" "$data/programs/slow.sh"

write_strings "$data/strings.xml" <<EOF
  <string id="window_title">Input</string>
  <string id="masthead_label">Pointer and keys</string>
  <string id="welcome_label">Welcome</string>
  <string id="welcome_description">Nothing is selected.</string>
  <string id="already_running">$still_running</string>
  <options>
    <option>
      <type>executable</type>
      <icon>icons/program.png</icon>
      <label>Leave the first mark</label>
      <description>Writes a mark at once.</description>
      <data>programs/mark.sh</data>
    </option>
    <option>
      <type>executable</type>
      <icon>icons/program.png</icon>
      <label>Leave the second mark later</label>
      <description>Writes a mark after three seconds.</description>
      <data>programs/slow.sh</data>
    </option>
  </options>
EOF

lines_of() {
    if [[ -f $1 ]]; then wc -l <"$1"; else echo 0; fi
}

# selected TOP: the entry at that height is drawn highlighted, the other not.
selected() {
    local other=$(( $1 == FIRST_TOP ? SECOND_TOP : FIRST_TOP ))
    shoot "$FRAME" "$E2E_WORK/now.png"
    (( $(highlighted_pixels "$E2E_WORK/now.png" "$1") == 900 &&
       $(highlighted_pixels "$E2E_WORK/now.png" "$other") == 0 ))
}

nothing_selected() {
    shoot "$FRAME" "$E2E_WORK/now.png"
    (( $(highlighted_pixels "$E2E_WORK/now.png" "$FIRST_TOP") == 0 &&
       $(highlighted_pixels "$E2E_WORK/now.png" "$SECOND_TOP") == 0 ))
}

# right_column A B: how many pixels of the heading and description differ.
right_column() {
    window_geometry "$FRAME"
    differing_pixels "$1" "$2" $(( WIN_W - 395 )) 100 395 $(( WIN_H - 100 ))
}

launch "$app" NORMAL
FRAME=$WINDOW
shoot "$FRAME" "$E2E_WORK/start.png"
nothing_selected || fail "an entry is selected at start"

# --- Keys work at once: no click is needed to give the panel the keys.
press "$FRAME" Tab
wait_until 5 "Tab right after start did not select the first entry" selected "$FIRST_TOP"
cp "$E2E_WORK/now.png" "$E2E_OUTPUT/input-first-selected.png"
(( $(right_column "$E2E_WORK/start.png" "$E2E_OUTPUT/input-first-selected.png") > 100 )) ||
    fail "the heading and description did not change with the selection"
pass "Tab right after start highlights the first entry in RGB(213,231,248) and shows its texts"

press "$FRAME" Return
wait_until 5 "Enter on the first entry did not start its program" test -f "$marks/first"
pass "Enter starts the selected program"

press "$FRAME" Escape
wait_until 5 "Escape did not clear the selection" nothing_selected
[[ $(right_column "$E2E_WORK/start.png" "$E2E_WORK/now.png") == 0 ]] ||
    fail "after Escape the right-hand column differs from the one at start"
[[ $(differing_pixels "$E2E_WORK/start.png" "$E2E_WORK/now.png" 0 0 10000 10000) == 0 ]] ||
    fail "after Escape the window differs from the one at start"
pass "Escape clears the selection: the window is again as at start, welcome texts included"

# --- The pointer selects what it is over; a click launches it.
pointer_to "$FRAME" 60 120
wait_until 5 "the pointer over the first entry did not select it" selected "$FIRST_TOP"
[[ $(differing_pixels "$E2E_OUTPUT/input-first-selected.png" "$E2E_WORK/now.png" 0 0 10000 10000) == 0 ]] ||
    fail "the first entry selected by the pointer looks different from the one selected by Tab"
pass "the pointer at (60,120) selects the first entry, drawn as when Tab selected it"

rm "$marks/first"
x xdotool click 1
wait_until 5 "a click on the first entry did not start its program" test -f "$marks/first"
(( $(lines_of "$marks/first") == 1 )) || fail "one click started the program more than once"
pass "a click starts the program under the pointer"

pointer_to "$FRAME" 480 600
wait_until 5 "the pointer off the entries did not clear the selection" nothing_selected
pass "the pointer off the entries clears the selection"

# --- A program that still runs is not started twice.
press "$FRAME" Tab Tab
wait_until 5 "Tab Tab did not select the second entry" selected "$SECOND_TOP"
press "$FRAME" Return
wait_until 5 "Enter on the second entry did not start its program" test -f "$marks/slow-starts"
press "$FRAME" Return
dismiss_dialog "$LAUNCHER_PID" already-running "$still_running"
[[ $DIALOG_TITLE == *Information* ]] ||
    fail "the refused relaunch is not shown as information: '$DIALOG_TITLE'"
(( $(lines_of "$marks/slow-starts") == 1 )) || fail "the running program was started again"
pass "Enter while the program runs: information box '$still_running', no second start"

wait_until 8 "the second program did not end" test -f "$marks/slow-ends"
slow_pid=$(head -n 1 "$E2E_CHILD_PIDS/slow.pid")
# Ended, and collected by the launcher, so that its process id is free.
wait_until 5 "the launcher left its ended program $slow_pid unreaped" \
    eval '! ps -p "$slow_pid" >/dev/null'
press "$FRAME" Return
wait_until 5 "Enter after the program ended did not start it again" \
    eval '(( $(lines_of "$marks/slow-starts") == 2 ))'
! dialog_appears "$LAUNCHER_PID" 1 || fail "a message box came with the new start"
pass "once the program has ended, Enter starts it again"

close_window "$FRAME"
wait_exit "$LAUNCHER_PID"
(( EXIT_CODE == 0 )) || fail "launcher exited with $EXIT_CODE"
finish
