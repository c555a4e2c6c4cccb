#!/usr/bin/env bash
# The real program's windows on a virtual X server with a window manager: the main
# window's caption, size and colours, each of the four windows opening framed in the
# middle of the screen, and an untitled, empty document closing with Alt+F4 without a
# question.
# Usage: windows.sh <zelvane binary> <artifacts folder>
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"
main="^A Programming Utility\$"

# How far the frame's centre stands from the screen's, from the client area's place and
# size (xwininfo; xdotool counts the offset inside the frame twice) and the frame extents
# the window manager announces. A pixel either way is rounding.
frame_offset() {  # <window id>
  local x y w h left right top bottom screen_w screen_h
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)
  read -r left right top bottom < <(xprop -id "$1" -notype _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,
    echo 0 0 0 0)  # none yet
  read -r x y w h < <(xwininfo -id "$1" |
    awk -F: '/Absolute upper-left [XY]|^ *(Width|Height)/ { printf "%d ", $2 } END { print "" }')
  echo "$(((2 * (x - left) + w + left + right - screen_w) / 2)) $(((2 * (y - top) + h + top + bottom - screen_h) / 2))"
}
centred() {
  local dx dy
  xprop -id "$1" -notype _NET_FRAME_EXTENTS | grep -q = || return 1
  read -r dx dy < <(frame_offset "$1")
  ((dx * dx <= 1 && dy * dy <= 1))
}
# Waits for the active window of that name to stand centred: it has no frame until it
# is managed, and may move once more when it learns it.
expect_centred() {  # <window name pattern>
  e2e_wait_active "$1"
  e2e_poll 3 "\"$1\" stays off the screen's centre (x y: $(frame_offset "$E2E_WINDOW"))" centred "$E2E_WINDOW"
}

e2e_start
window=$E2E_WINDOW
[[ $(xdotool getwindowname "$window") =~ $main ]] || e2e_fail "wrong caption: $(xdotool getwindowname "$window")"
# No maximize button: the window asks for none (the Motif hints' function bits, where
# 0x10 is maximize). Some window managers show one anyway.
read -r _ _ motif_flags motif_functions _ < <(xprop -id "$window" _MOTIF_WM_HINTS | tr -d ',')
(( (${motif_flags:-0} & 0x1) && !(${motif_functions:-0x10} & 0x10) )) ||
  e2e_fail "the window allows maximizing (Motif functions: ${motif_functions:-none})"
expect_centred "$main"

sleep 1  # let it paint
import -window root "$E2E_ARTIFACTS/windows.png"
import -window "$window" "$E2E_WORK/window.png"
# The client area is 452 x 317 pixels under the menu bar.
read -r width height < <(identify -format "%w %h\n" "$E2E_WORK/window.png")
((width == 452 && height > 317 && height < 360)) || e2e_fail "window of $width x $height, expected 452 x 317 + menu"
# The title strip and the file box are RGB(128,128,255): about 289x17 + 397x15 pixels.
strip_pixels=$(convert "$E2E_WORK/window.png" -alpha off -fill black +opaque "rgb(128,128,255)" \
  -fill white -opaque "rgb(128,128,255)" -colorspace gray -format "%[fx:round(mean*w*h)]" info:)
[ "$strip_pixels" -gt 6000 ] || e2e_fail "only $strip_pixels pixels of the title strip's colour"
# The window's own background colour shows in the column and row beside the picture.
edge=$(convert "$E2E_WORK/window.png" -crop "1x1+451+$((height - 2))" -format "%[pixel:p{0,0}]" info:)
[[ $edge =~ ^s?rgb\(192,255,192\)$ ]] || e2e_fail "background colour at the edge is $edge"

e2e_key alt+h a
expect_centred "^About\$"
e2e_key Tab Return  # from the picture, which has the focus, to OK
e2e_wait_gone "^About\$"
e2e_wait_active "$main"
e2e_key ctrl+h
expect_centred "^Help with\\.\\.\\.\$"
e2e_key Escape
e2e_wait_gone "^Help with"
# The list editor opens though its save step is cancelled.
e2e_wait_active "$main"
e2e_key Tab
e2e_choose_type 7  # From File
e2e_press alt+e
e2e_wait_active "^Save As\$"
e2e_key Escape
expect_centred "^Edit List - 1\\. \$"
e2e_press alt+c
# A document with neither a name nor a second field closes without a question. The
# window manager takes Alt+F4 as a polite request to close the active window.
e2e_wait_active "$main"
e2e_key alt+F4
e2e_wait_end 5
echo "windows: ok ($E2E_ARTIFACTS/windows.png)"
