#!/bin/bash
# What the window shows: the sample content's picture, compared with the
# background, icons and divider drawn where the launcher should draw them;
# an entry of an unknown type, reported in a message box and left out.

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

TEXT="220 219 217"
# Entries whose label is lower than their 48-pixel icon are 68 pixels high
# and 20 apart; icons sit 10 pixels in, dividers 10 pixels below.
ENTRY_STEP=88

# expected_picture SHOT DATA ICON...: the background scaled to the window as
# the toolkit scales (nearest pixel, from the top left corner), with the
# given icons and a divider per entry drawn over it.
expected_picture() {
    local shot=$1 data=$2
    shift 2
    local size
    size=$(identify -format %wx%h "$shot")
    local draw=() i=0 icon
    for icon in "$@"; do
        draw+=("$data/en/$icon" -geometry +40+$(( 110 + i * ENTRY_STEP )) -composite
               "$data/images/horiz_div_line.png" -geometry +30+$(( 178 + i * ENTRY_STEP )) -composite)
        i=$(( i + 1 ))
    done
    convert "$data/images/launcher_background.png" -define sample:offset=0 \
        -sample "$size!" "${draw[@]}" -alpha off "$E2E_WORK/expected.png"
}

# same_region NAME X Y W H: the window's pixels there are those of the
# expected picture. The icons and dividers are blended by other code than
# ImageMagick's, so a channel may round differently: 2% of fuzz.
same_region() {
    local differing
    differing=$(differing_pixels "$shot" "$E2E_WORK/expected.png" "${@:2:4}" 2)
    [[ $differing == 0 ]] ||
        fail "$1 at $2,$3 (${4}x$5) does not match: $differing pixels differ (see $shot)"
}

# has_text NAME X Y W H: text-coloured pixels in the rectangle, which the
# background does not have there.
has_text() {
    local found background
    found=$(count_colour "$shot" "${@:2:4}" "$TEXT" 12)
    background=$(count_colour "$E2E_WORK/expected.png" "${@:2:4}" "$TEXT" 12)
    (( found >= 20 && background == 0 )) ||
        fail "$1: $found text-coloured pixels in ${4}x$5+$2+$3 (background has $background)"
}

# --- The sample content.
app=$E2E_WORK/app
install_copy "$app"
launch "$app" NORMAL
FRAME=$WINDOW
shot=$E2E_OUTPUT/launcher.png
shoot "$FRAME" "$shot"
window_geometry "$FRAME"
pass "screenshot saved: $shot"

# Every entry of the sample runs on Linux, and it has no more than five.
mapfile -t icons < <(sed -n 's:.*<icon>\(.*\)</icon>.*:\1:p' "$app/launcher_data/en/strings.xml")
(( ${#icons[@]} >= 1 && ${#icons[@]} <= 5 )) || fail "the sample content has ${#icons[@]} entries"
expected_picture "$shot" "$app/launcher_data" "${icons[@]}"

# Places where nothing but the background is drawn.
for spot in 5,300 480,470 700,400 900,600 300,600 500,5 5,5 $(( WIN_W - 20 )),$(( WIN_H - 20 )); do
    same_region "background" "${spot%,*}" "${spot#*,}" 12 12
done
pass "background picture fills the window, scaled to ${WIN_W}x$WIN_H"

# Each text where it belongs, and nothing of it above or to the left.
column=$(( WIN_W - 395 ))
has_text "masthead" 150 33 250 17
same_region "background above the masthead" 150 10 250 23
same_region "background left of the masthead" 136 33 14 17
has_text "welcome heading" "$column" 105 200 25
same_region "background above the heading" "$column" 90 365 15
same_region "background left of the heading" $(( column - 14 )) 105 14 25
has_text "welcome description" "$column" 150 365 60
same_region "background between heading and description" "$column" 128 365 22
same_region "background left of the description" $(( column - 14 )) 150 14 60
pass "masthead at (150,33), welcome heading at ($column,105), description from ($column,150), in RGB($TEXT)"

for (( i = 0; i < ${#icons[@]}; i++ )); do
    top=$(( 100 + i * ENTRY_STEP ))
    same_region "icon ${icons[i]}" 40 $(( top + 10 )) 48 48
    same_region "gap between icon and label of entry $(( i + 1 ))" 88 "$top" 10 68
    same_region "divider under entry $(( i + 1 ))" 30 $(( top + 78 )) 420 2
    has_text "label of entry $(( i + 1 ))" 98 $(( top + 20 )) 300 30
    [[ $(highlighted_pixels "$shot" "$top") == 0 ]] ||
        fail "entry $(( i + 1 )) is highlighted before anything was selected"
done
pass "${#icons[@]} entries from y 100, ${ENTRY_STEP} px apart: icons at x 40, labels, dividers, none highlighted"
# Nothing below the last entry.
same_region "background under the entries" 30 $(( 100 + ${#icons[@]} * ENTRY_STEP )) 420 80
close_window "$FRAME"
wait_exit "$LAUNCHER_PID"

# --- An entry of a type the launcher cannot launch is reported and left out.
odd=$E2E_WORK/odd
install_copy "$odd"
write_strings "$odd/launcher_data/en/strings.xml" <<'EOF'
  <string id="window_title">Odd entries</string>
  <string id="masthead_label">Odd entries</string>
  <string id="welcome_label">Welcome</string>
  <string id="welcome_description">One entry here cannot be launched.</string>
  <string id="unsupported_type">Cannot launch entries of type %s</string>
  <options>
    <option>
      <type>executable</type>
      <icon>icons/program.png</icon>
      <label>A program from this disc</label>
      <description>Starts a program.</description>
      <data>programs/welcome.sh</data>
    </option>
    <option>
      <type>exe</type>
      <icon>icons/document.png</icon>
      <label>Not for this launcher</label>
      <description>An entry of an unknown type.</description>
      <data>programs/welcome.sh</data>
    </option>
    <option>
      <type>browser</type>
      <icon>icons/page.png</icon>
      <label>A page from this disc</label>
      <description>Opens a page.</description>
      <data>file://pages/index.html</data>
    </option>
  </options>
EOF
launch "$odd" NORMAL
FRAME=$WINDOW
dismiss_dialog "$LAUNCHER_PID" unsupported-type "cannot launch entries of type exe"
! dialog_appears "$LAUNCHER_PID" 1 || fail "a second message box followed the one about type exe"
is_running "$LAUNCHER_PID" || fail "the launcher ended after its message box"

shot=$E2E_OUTPUT/content-unknown-type-left-out.png
shoot "$FRAME" "$shot"
expected_picture "$shot" "$odd/launcher_data" icons/program.png icons/page.png
same_region "icon of the first entry" 40 110 48 48
same_region "icon of the entry after the unknown one" 40 $(( 110 + ENTRY_STEP )) 48 48
same_region "background where a third entry would be" 30 $(( 100 + 2 * ENTRY_STEP )) 420 80
pass "the unknown entry is left out: two entries shown"

# Still answering: Tab twice highlights the second entry shown.
press "$FRAME" Tab Tab
second_entry_has_highlight() {
    shoot "$FRAME" "$shot"
    (( $(highlighted_pixels "$shot" $(( 100 + ENTRY_STEP ))) == 900 ))
}
wait_until 5 "Tab Tab did not highlight the second entry after the message box" second_entry_has_highlight
pass "after the message box the window still answers the keys"
close_window "$FRAME"
wait_exit "$LAUNCHER_PID"
(( EXIT_CODE == 0 )) || fail "launcher exited with $EXIT_CODE"

finish
