#!/usr/bin/env bash
# Each of the four windows opens with its frame, title bar included, in the middle of
# the screen: the main window, About, the help window and the list editor. About opens
# with the focus on its picture.
# Usage: window_placement.sh <zelvane binary> <artifacts folder>
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

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

# A window has no frame until it is managed, and may move once more when it learns it.
expect_centred() {  # <window name pattern>
  local window
  window=$(e2e_find "$1")
  [ -n "$window" ] || e2e_fail "no window \"$1\""
  e2e_poll 3 "\"$1\" stays off the screen's centre (x y at first: $(frame_offset "$window"))" centred "$window"
}

e2e_start
expect_centred "^A Programming Utility\$"

e2e_key alt+h a
e2e_wait_active "^About\$"
expect_centred "^About\$"
# The picture has the focus at opening: Enter closes About only once Tab has reached OK.
e2e_key Return
e2e_pause 5
[ -n "$(e2e_find "^About\$")" ] || e2e_fail "Enter closed About while its picture had the focus"
e2e_key Tab Return
e2e_wait_gone "^About\$"

e2e_wait_active "^A Programming Utility\$"
e2e_key ctrl+h
e2e_wait_active "^Help with\\.\\.\\.\$"
expect_centred "^Help with\\.\\.\\.\$"
e2e_key Escape
e2e_wait_gone "^Help with"

e2e_wait_active "^A Programming Utility\$"
e2e_key Tab
e2e_choose_type 7  # From File
e2e_press alt+e
e2e_file_dialog "Save As" "$E2E_WORK/placed.fld"
e2e_wait_active "^Edit List - 1\\. \$"
expect_centred "^Edit List - 1\\. \$"
e2e_press alt+c
e2e_wait_active "^Zelvane - placed\\.fld\$"
e2e_key alt+F4
e2e_wait_end
echo "window_placement: ok"
