#!/usr/bin/env bash
# Starts the real program on a virtual X server with a window manager, checks that the
# main window appears with its caption, size and colours, keeps a screenshot, and closes
# the untitled, empty document with Alt+F4: it must end without a question.
# Usage: startup.sh <zelvane binary> <artifacts folder>
set -euo pipefail

binary=$(realpath "$1")
artifacts=$2
mkdir -p "$artifacts"

if [ -z "${ZELVANE_E2E_INSIDE:-}" ]; then
  export ZELVANE_E2E_INSIDE=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$binary" "$artifacts"
fi

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

workdir=$(mktemp -d)
program_pid=""
openbox_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null || true
  rm -rf "$workdir"
}
trap cleanup EXIT

openbox > "$workdir/openbox.log" 2>&1 &
openbox_pid=$!
sleep 1

# A clean environment for the program: no desktop settings, its own runtime folder.
(cd "$workdir" && XDG_RUNTIME_DIR="$workdir" QT_QPA_PLATFORM=xcb exec "$binary") > "$artifacts/startup-program.log" 2>&1 &
program_pid=$!

caption="A Programming Utility"
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --onlyvisible --name "^${caption}\$" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended before showing its window"
  sleep 0.1
done
[ -n "$window" ] || fail "no window named \"$caption\" appeared"

[ "$(xdotool getwindowname "$window")" = "$caption" ] || fail "wrong caption: $(xdotool getwindowname "$window")"

# No maximize button: the window asks for none (the Motif hints' function bits, where
# 0x10 is maximize). Some window managers show one anyway.
read -r _ _ motif_flags motif_functions _ < <(xprop -id "$window" _MOTIF_WM_HINTS | tr -d ',')
[ -n "${motif_functions:-}" ] || fail "the window sets no Motif hints"
(( (motif_flags & 0x1) && !(motif_functions & 0x10) )) || fail "the window allows maximizing ($motif_functions)"

sleep 1  # let it paint
import -window root "$artifacts/startup.png"
import -window "$window" "$workdir/window.png"

# The client area is 452 x 317 pixels under the menu bar.
read -r width height < <(identify -format "%w %h\n" "$workdir/window.png")
[ "$width" -eq 452 ] || fail "window width $width, expected 452"
[ "$height" -gt 317 ] && [ "$height" -lt 360 ] || fail "window height $height, expected 317 plus a menu bar"

# The title strip and the file box are RGB(128,128,255): about 289x17 + 397x15 pixels.
strip_pixels=$(convert "$workdir/window.png" -alpha off -fill black +opaque "rgb(128,128,255)" \
  -fill white -opaque "rgb(128,128,255)" -colorspace gray -format "%[fx:round(mean*w*h)]" info:)
[ "$strip_pixels" -gt 6000 ] || fail "only $strip_pixels pixels of the title strip's colour"

# The window's own background colour shows in the column and row beside the picture.
edge=$(convert "$workdir/window.png" -crop "1x1+451+$((height - 2))" -format "%[pixel:p{0,0}]" info:)
case "$edge" in
  "srgb(192,255,192)" | "rgb(192,255,192)") ;;
  *) fail "background colour at the edge is $edge" ;;
esac

# Closing an empty untitled document asks nothing and ends the program.
# The window manager takes Alt+F4 as a polite request to close the active window.
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key alt+F4 2>/dev/null || true
for _ in $(seq 1 50); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
  import -window root "$artifacts/startup-close-failed.png"
  fail "the program did not end after Alt+F4"
fi
wait "$program_pid" || fail "the program ended with an error"
program_pid=""
echo "startup: ok ($artifacts/startup.png)"
