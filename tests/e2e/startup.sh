#!/usr/bin/env bash
# Starts the real program on a virtual X server with a window manager, checks that the
# main window appears with its caption, size and colours, keeps a screenshot, and closes
# the untitled, empty document with Alt+F4: it must end without a question.
# Usage: startup.sh <zelvane binary> <artifacts folder>
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

e2e_start
window=$E2E_WINDOW
caption="A Programming Utility"
[ "$(xdotool getwindowname "$window")" = "$caption" ] || e2e_fail "wrong caption: $(xdotool getwindowname "$window")"

# No maximize button: the window asks for none (the Motif hints' function bits, where
# 0x10 is maximize). Some window managers show one anyway.
read -r _ _ motif_flags motif_functions _ < <(xprop -id "$window" _MOTIF_WM_HINTS | tr -d ',')
[ -n "${motif_functions:-}" ] || e2e_fail "the window sets no Motif hints"
(( (motif_flags & 0x1) && !(motif_functions & 0x10) )) || e2e_fail "the window allows maximizing ($motif_functions)"

sleep 1  # let it paint
import -window root "$E2E_ARTIFACTS/startup.png"
import -window "$window" "$E2E_WORK/window.png"

# The client area is 452 x 317 pixels under the menu bar.
read -r width height < <(identify -format "%w %h\n" "$E2E_WORK/window.png")
[ "$width" -eq 452 ] || e2e_fail "window width $width, expected 452"
[ "$height" -gt 317 ] && [ "$height" -lt 360 ] || e2e_fail "window height $height, expected 317 plus a menu bar"

# The title strip and the file box are RGB(128,128,255): about 289x17 + 397x15 pixels.
strip_pixels=$(convert "$E2E_WORK/window.png" -alpha off -fill black +opaque "rgb(128,128,255)" \
  -fill white -opaque "rgb(128,128,255)" -colorspace gray -format "%[fx:round(mean*w*h)]" info:)
[ "$strip_pixels" -gt 6000 ] || e2e_fail "only $strip_pixels pixels of the title strip's colour"

# The window's own background colour shows in the column and row beside the picture.
edge=$(convert "$E2E_WORK/window.png" -crop "1x1+451+$((height - 2))" -format "%[pixel:p{0,0}]" info:)
case "$edge" in
  "srgb(192,255,192)" | "rgb(192,255,192)") ;;
  *) e2e_fail "background colour at the edge is $edge" ;;
esac

# Closing an empty untitled document asks nothing and ends the program.
# The window manager takes Alt+F4 as a polite request to close the active window.
xdotool windowactivate --sync "$window"
e2e_wait_active "^${caption}\$"
e2e_key alt+F4
e2e_wait_end 5
echo "startup: ok ($E2E_ARTIFACTS/startup.png)"
