#!/bin/bash
# The Windows program under Wine, on content of its own: the title, the
# platform filter, the refused second copy, a program in a folder with
# blanks and its relaunch guard, documents opened through the registry's
# associations as the registry spells them, pages handed to the browser,
# and the exit when the window is closed.
#
#   bash windows.sh LAUNCHER_EXE SAMPLE_DATA OUTPUT_DIR XWIN_HELPER
#
# Run it under an X server of its own (xvfb-run), started before any Wine
# command: Wine stays on the display it first met. The Wine prefix is a
# private one in OUTPUT_DIR/wine, kept between runs (making it takes a
# while); its wineserver is started here, kept warm and ended at exit. The
# helper programs are cross-built here with the MinGW-w64 compiler.

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
CC=x86_64-w64-mingw32-gcc-posix
for tool in wine wineserver "$CC"; do
    command -v "$tool" >/dev/null ||
        fail "'$tool' is missing (Debian packages wine, wine64, gcc-mingw-w64-x86-64-posix)"
done

WINEPREFIX=$(cd "$E2E_OUTPUT" && pwd)/wine
export WINEPREFIX WINEDEBUG=-all
# No dialogs offering to install Mono or Gecko.
export WINEDLLOVERRIDES="mscoree,mshtml="
# A wineserver left by an earlier run may sit on another display.
wineserver -k 2>/dev/null || true

wine_cleanup() {
    wineserver -k 2>/dev/null || true
    cleanup
}
trap wine_cleanup EXIT

# No output pipes: a wineserver that holds the script's output open keeps
# whoever reads it waiting after the script has ended.
mkdir -p "$WINEPREFIX"
wineserver -p >/dev/null 2>&1 </dev/null || fail "could not start wineserver for $WINEPREFIX"
wine wineboot -i >/dev/null 2>&1 </dev/null || fail "could not make the Wine prefix $WINEPREFIX"

reg() {
    wine reg "$@" >/dev/null 2>&1 </dev/null
}
# A crash must end the program, not wait behind Wine's crash dialog.
reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f

# winpath UNIX_PATH: the path as Windows programs under Wine see it.
winpath() {
    wine winepath -w "$1" 2>/dev/null </dev/null | tr -d '\r'
}

# --- Helpers ---------------------------------------------------------------

tools="$E2E_WORK/my tools"
mkdir -p "$tools"
"$CC" -O2 -Wall -Wextra -municode -mwindows -static \
    -o "$tools/recorder.exe" "$HERE/windows/recorder.c" ||
    fail "could not build the recorder"
"$CC" -O2 -Wall -Wextra -shared -static-libgcc -Wl,--kill-at \
    -o "$tools/entry.dll" "$HERE/windows/entry.c" || fail "could not build the entry library"

# The browser that winebrowser starts: records what it is given. Its path
# has no blank: winebrowser would split it there.
browser_log=$E2E_WORK/browser.log
cat >"$E2E_WORK/browser.sh" <<EOF
#!/bin/sh
printf '%s\n' "\$@" >>"$browser_log"
EOF
chmod +x "$E2E_WORK/browser.sh"
reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$E2E_WORK/browser.sh" /f
# Windows opens .html pages with the browser. Wine's own association comes
# with its HTML engine, which is left out here.
reg add 'HKCR\.html' /ve /d htmlfile /f

# --- Starting and message boxes -----------------------------------------

# wlaunch DIR: starts DIR/launcher.exe under Wine; sets LAUNCHER_PID.
wlaunch() {
    local log=$E2E_WORK/launcher-$(( ${#E2E_PIDS[@]} + 1 )).log
    env -u LANGUAGE -u LANG LC_ALL=C.UTF-8 wine "$1/launcher.exe" >"$log" 2>&1 </dev/null &
    LAUNCHER_PID=$!
    E2E_PIDS+=("$LAUNCHER_PID")
}

# top_windows PID: the process's mapped top-level windows. Under Wine a
# message box with an owner is a dialog, one without (the refusal of a
# second copy) a normal window like the frame.
top_windows() {
    windows_of "$1" NORMAL
    windows_of "$1" DIALOG
}

# wait_titled PID PATTERN [SECONDS]: waits for a window of the process whose
# title matches the pattern; WINDOW names it.
wait_titled() {
    local tries=$(( ${3:-15} * 4 )) id
    while (( tries-- > 0 )); do
        for id in $(top_windows "$1"); do
            # shellcheck disable=SC2053
            if [[ $(window_title "$id") == $2 ]]; then
                WINDOW=$id
                return 0
            fi
        done
        is_running "$1" || fail "process $1 ended without a window titled '$2'"
        sleep 0.25
    done
    fail "process $1 showed no window titled '$2'; it shows: $(for id in $(top_windows "$1"); do window_title "$id"; done)"
}

# dismiss_box PID NAME TITLE PHRASE: the message box of that title shows the
# phrase; its picture is saved, Enter closes it.
dismiss_box() {
    local pid=$1 name=$2 title=$3 phrase=$4
    wait_titled "$pid" "$title"
    local box=$WINDOW picture=$E2E_OUTPUT/$E2E_NAME-$2.png text
    shoot "$box" "$picture"
    text=$(read_text "$picture")
    grep -qiF -- "$(normalise "$phrase")" <<<"$text" ||
        fail "message box '$name' does not say \"$phrase\"; it reads: $text (picture: $picture)"
    focus_window "$box"
    x xdotool key --clearmodifiers Return
    local tries=40
    while [[ " $(top_windows "$pid" | tr '\n' ' ') " == *" $box "* ]]; do
        (( tries-- > 0 )) || fail "message box '$name' did not close on Enter"
        sleep 0.25
    done
}

# activate FRAME N: launches the N-th shown entry (from 1) with the keys.
activate() {
    local keys=(Escape) n
    for (( n = 0; n < $2; n++ )); do keys+=(Down); done
    press "$1" "${keys[@]}" Return
}

# wait_lines FILE COUNT WHAT: waits until the file has at least COUNT lines.
wait_lines() {
    local tries=60
    until [[ -f $1 ]] && (( $(wc -l <"$1") >= $2 )); do
        (( tries-- > 0 )) || fail "$3 (nothing in $(basename "$1") after 15 s)"
        sleep 0.25
    done
}

close_and_expect_exit() {
    close_window "$2"
    wait_exit "$1" 15
    (( EXIT_CODE == 0 )) || fail "launcher exited with $EXIT_CODE after its window was closed"
}

# --- Content ---------------------------------------------------------------

# install DIR: the program with content of this script's own beside it.
install() {
    mkdir -p "$1/launcher_data/en"
    cp "$E2E_BINARY" "$1/launcher.exe"
    cp -R "$E2E_SAMPLE/images" "$1/launcher_data/"
    cp -R "$E2E_SAMPLE/en/icons" "$1/launcher_data/en/"
}

# option OS TYPE LABEL DATA: one entry.
option() {
    cat <<EOF
    <option os="$1"><type>$2</type><icon>icons/program.png</icon>
      <label>$3</label><description>$3.</description><data>$4</data></option>
EOF
}

texts() {
    cat <<EOF
  <string id="window_title">$1</string>
  <string id="already_running">Wine copy is already running</string>
  <string id="unregistered_filetype">Nothing opens files of type [%s]</string>
EOF
}

title="Disc under Wine — Ünïcode"
app=$E2E_WORK/app
install "$app"
mkdir -p "$app/launcher_data/en/programs/helper dir" "$app/launcher_data/en/pages"
helper="$app/launcher_data/en/programs/helper dir/the helper.exe"
cp "$tools/recorder.exe" "$helper"
echo '<html><body>page</body></html>' >"$app/launcher_data/en/pages/my page.html"
web='http://example.invalid/a%20b?q=1&r=2#part'
write_strings "$app/launcher_data/en/strings.xml" <<EOF
$(texts "$title")
  <options>
$(option linux executable "Only on Linux" "programs/helper dir/the helper.exe")
$(option windows executable "Start the helper" "programs/helper dir/the helper.exe")
$(option "" browser "Open the page" "file://pages/my page.html")
$(option "" browser "Visit the site" "${web//&/&amp;}")
  </options>
EOF

# --- The window: its title and the platform filter.
wlaunch "$app"
first=$LAUNCHER_PID
wait_titled "$first" "$title"
frame=$WINDOW
pass "window titled '$title' from strings.xml"

shot=$E2E_OUTPUT/$E2E_NAME-entries.png
shoot "$frame" "$shot"
convert "$shot" -crop 420x400+0+90 +repage "$E2E_WORK/entries.png"
labels=$(read_text "$E2E_WORK/entries.png")
grep -qF "start the helper" <<<"$labels" && ! grep -qF "linux" <<<"$labels" ||
    fail "the entries read '$labels', not the Windows entry without the Linux one ($shot)"
pass "the \"windows\" entry is shown, the \"linux\" one left out: $labels"

# --- A second copy is refused: the localised text, exit status -1 (255).
wlaunch "$app"
second=$LAUNCHER_PID
dismiss_box "$second" second-copy "* Error" "Wine copy is already running"
wait_exit "$second" 15
(( EXIT_CODE == 255 )) || fail "the second copy exited with $EXIT_CODE, not 255 (-1)"
[[ $(windows_of "$first" NORMAL) == "$frame" ]] || fail "the first copy lost its window"
pass "second copy: message box 'Wine copy is already running', exit status 255"

# --- A program in a folder with blanks starts; while it runs it is not
# started again, once it has ended it is.
touch "$helper.hold"
activate "$frame" 1
wait_lines "$helper.log" 2 "the helper did not start"
helper_line=$(head -n 1 "$helper.log" | tr -d '\r')
[[ $helper_line == "\"$(winpath "$helper")\"" ]] ||
    fail "the helper was started as [$helper_line]"
activate "$frame" 1
dismiss_box "$first" relaunch "* Information" "Wine copy is already running"
rm "$helper.hold"
tries=40
while pgrep -f "the helper.exe" >/dev/null; do
    (( tries-- > 0 )) || fail "the helper did not end"
    sleep 0.25
done
activate "$frame" 1
wait_lines "$helper.log" 4 "the helper did not start again after it had ended"
pass "program with blanks in its path started as [$helper_line]; refused while it ran, started again after"

# --- Pages and addresses reach the browser.
activate "$frame" 2
wait_lines "$browser_log" 1 "the local page did not reach the browser"
activate "$frame" 3
wait_lines "$browser_log" 2 "the web address did not reach the browser"
# The launcher hands the page's Windows path to the system, whose browser
# helper makes a file: address of the Unix path.
page=$(sed -n 1p "$browser_log")
[[ $page == "file://$app/launcher_data/en/pages/my%20page.html" ]] ||
    fail "the browser was given [$page] for the local page"
[[ $(sed -n 2p "$browser_log") == "$web" ]] ||
    fail "the browser was given [$(sed -n 2p "$browser_log")], not [$web]"
pass "the browser was given $page and $web"

# --- Closing the window ends the program with 0.
close_and_expect_exit "$first" "$frame"
pass "closing the window ends the launcher with exit status 0"

# --- Documents, opened through the registry's associations as the registry
# spells them, the document's name with blanks kept as one argument.
docs=$E2E_WORK/docs
install "$docs"
mkdir -p "$docs/launcher_data/en/docs"
for name in "quoted notes.recq" "plain notes.recp" "entry notes.rundll" \
            "some.nowhere" "notes.txt"; do
    echo text >"$docs/launcher_data/en/docs/$name"
done
write_strings "$docs/launcher_data/en/strings.xml" <<EOF
$(texts Documents)
  <options>
$(option "" mimelookup "Quoted" "docs/quoted notes.recq")
$(option "" mimelookup "Plain" "docs/plain notes.recp")
$(option "" mimelookup "Own parsing" "docs/entry notes.rundll")
$(option "" mimelookup "Unknown" "docs/some.nowhere")
$(option "" mimelookup "Text" "docs/notes.txt")
  </options>
EOF

# associate EXTENSION COMMAND: the open command of a file type of its own.
associate() {
    reg add "HKCR\\.$1" /ve /d "e2e.$1" /f &&
        reg add "HKCR\\e2e.$1\\shell\\open\\command" /ve /d "$2" /f ||
        fail "could not register the .$1 association"
}
cp "$tools/recorder.exe" "$tools/quoted.exe"
cp "$tools/recorder.exe" "$tools/plain.exe"
associate recq "\"$(winpath "$tools/quoted.exe")\" \"%1\""
associate recp "\"$(winpath "$tools/plain.exe")\" %1"
associate rundll "rundll32.exe \"$(winpath "$tools/entry.dll")\",Entry %1"
# Wine's own registry gives .txt no file type; made sure of, since an
# association would hide what the launcher does without one.
for key in 'HKCU\Software\Classes\.txt' 'HKLM\Software\Classes\.txt'; do
    reg delete "$key" /f || true
done
! reg query 'HKCR\.txt' || fail "the Wine prefix still knows a file type for .txt"

wlaunch "$docs"
wait_titled "$LAUNCHER_PID" Documents
frame=$WINDOW

# expect_record LOG LINE...: one start was recorded, with these lines.
expect_record() {
    local log=$1 want got
    shift
    want=$(printf '%s\n' "$@")
    wait_lines "$log" $(( $# + 1 )) "nothing was started for $(basename "$log")"
    got=$(tr -d '\r' <"$log")
    [[ $got == "$want" ]] ||
        fail "$(basename "$log") recorded:"$'\n'"$got"$'\n'"not:"$'\n'"$want"
}

doc() {
    winpath "$docs/launcher_data/en/docs/$1"
}
activate "$frame" 1
expect_record "$tools/quoted.exe.log" \
    "\"$(winpath "$tools/quoted.exe")\" \"$(doc "quoted notes.recq")\"" \
    "$(doc "quoted notes.recq")"
activate "$frame" 2
expect_record "$tools/plain.exe.log" \
    "\"$(winpath "$tools/plain.exe")\" \"$(doc "plain notes.recp")\"" \
    "$(doc "plain notes.recp")"
pass "a document with blanks in its name is one argument, with \"%1\" and with %1"

activate "$frame" 3
expect_record "$tools/entry.dll.log" \
    "rundll32.exe \"$(winpath "$tools/entry.dll")\",Entry \"$(doc "entry notes.rundll")\"" \
    "\"$(doc "entry notes.rundll")\""
pass "rundll32.exe \"...\\entry.dll\",Entry %1 ran as the registry spells it"

activate "$frame" 4
dismiss_box "$LAUNCHER_PID" unregistered "* Error" "Nothing opens files of type [nowhere]"
activate "$frame" 5
dismiss_box "$LAUNCHER_PID" txt "* Error" "Nothing opens files of type [txt]"
pass "an extension registered nowhere, and txt, are reported as unregistered"
close_and_expect_exit "$LAUNCHER_PID" "$frame"

finish
