#!/usr/bin/env bash
# The demonstration run.sh gives without a display: lock and unlock a sample
# folder with the real program, answering its prompts from outside.
set -euo pipefail
source "$(dirname "$0")/common.sh"
prepare_prefix

SHOTS="$BUILD/screenshots"
AUTOMATE="$BUILD/tests/automate.exe"
DRIVE_C="$WINEPREFIX/drive_c"
SAMPLE_UNIX="$DRIVE_C/dotlock-demo/照片"
SAMPLE='C:\dotlock-demo\照片'
PASSWORD='芝麻开门123'
mkdir -p "$SHOTS"

step() { printf '\n-- %s\n' "$*"; }
show_disk() {
    echo "   on disk (C:\\dotlock-demo):"
    (cd "$DRIVE_C/dotlock-demo" && find . -mindepth 1 | sort | sed 's/^\.\//     /')
}
shot() { xwd -root -silent | convert xwd:- "$SHOTS/$1"; echo "   screenshot: build/screenshots/$1"; }
automate() { wine "$AUTOMATE" "$@"; }
pointer() { wine "$BUILD/tests/pointer.exe" "$@"; }
# A screenshot cut to the main window (plus a margin of 10), with the
# whole screen beside it.
window_shot() {
    local left top width height
    read -r left top width height < <(pointer rect | tr -d '\r')
    xwd -root -silent | convert xwd:- "$SHOTS/$1-screen.png"
    convert "$SHOTS/$1-screen.png" -crop "$((width + 20))x$((height + 20))+$((left - 10))+$((top - 10))" +repage \
        "$SHOTS/$1.png"
    echo "   screenshot: build/screenshots/$1.png (whole screen: $1-screen.png)"
}

rm -rf "$DRIVE_C/dotlock-demo"
mkdir -p "$SAMPLE_UNIX"
echo "holiday notes" > "$SAMPLE_UNIX/notes.txt"
head -c 2048 /dev/urandom > "$SAMPLE_UNIX/photo.jpg"
step "sample folder created"
show_disk

step "starting dotlock.exe \"$SAMPLE\""
wine "$BUILD/dotlock.exe" "$SAMPLE" 2>/dev/null &
program=$!

automate wait "输入密码"
sleep 1
shot password-box.png
step "first prompt answered; it said:"
automate password "输入密码" "$PASSWORD"
step "second prompt answered; it said:"
automate password "输入密码" "$PASSWORD"
step "message box:"
automate message
automate wait-main
sleep 1
step "the skinned main window"
window_shot main-window
step "the mouse comes in from the left and rests on the close button"
pointer hover 302 10
sleep 0.5
window_shot main-window-close-hovered
automate close-main
wait "$program" || true
step "after locking"
show_disk
echo "   jm.dat holds: $(cat "$DRIVE_C/dotlock-demo/照片./jm.dat" | iconv -f GBK -t UTF-8)"

step "starting dotlock.exe on the locked folder \"$SAMPLE.\""
wine "$BUILD/dotlock.exe" "$SAMPLE." 2>/dev/null &
program=$!
step "unlock prompt answered; it said:"
automate password "录入密码" "$PASSWORD"
step "message box:"
automate message
automate close-main
wait "$program" || true
step "after unlocking"
show_disk
stop_wine
echo
echo "screenshots in $SHOTS"
