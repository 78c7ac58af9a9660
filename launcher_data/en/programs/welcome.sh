#!/bin/sh
# Welcome program of the sample disc: shows a short greeting in a window.
# It uses the first message tool it finds and does nothing visible if there
# is none. It reads no input and takes no arguments.

title="Sample Disc"
text="Hello! This program was started from the sample disc launcher.
It does nothing else: close this window to go back."

have() {
    command -v "$1" >/dev/null 2>&1
}

if have zenity; then
    zenity --info --title="$title" --text="$text" </dev/null >/dev/null 2>&1
elif have gxmessage; then
    gxmessage -title "$title" -center "$text" </dev/null >/dev/null 2>&1
elif have xmessage; then
    xmessage -title "$title" -center "$text" </dev/null >/dev/null 2>&1
elif have notify-send; then
    notify-send "$title" "$text" </dev/null >/dev/null 2>&1
fi

exit 0
