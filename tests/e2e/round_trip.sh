#!/usr/bin/env bash
# A whole session as a person has it, through the keyboard only: check the untitled
# window's caption, size and colours and that it and its dialogs open framed in the
# middle of the screen; build a document of a date and a "From File" field with its
# list, saved into a folder whose name has a blank; open a document with a 40,000-
# character name and bytes outside the locale's encoding, quit, and find it saved byte
# for byte. Start again and open a document that uses all twelve data types, a misspelt
# type, list fields linked before and after their partner and dates linked to a date, a
# number and themselves; generate 1,000 lines with Ctrl+G and check the data file's
# form and the shape of each column. File > New then saves the named document without a
# question, keeping its lists in store order. Pipes hang nothing and end nothing:
# generating into one whose reader goes away reports the failed write, and opening one
# with a writer that never writes is refused, after which the untitled, empty window
# closes without a question.
# Usage: round_trip.sh <zelvane binary> <artifacts folder>
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

folder="$E2E_WORK/my data"
mkdir -p "$folder"
fld="$folder/orders.fld"
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
# The untitled window: its caption, size and colours; it and its dialogs open framed in
# the middle of the screen.
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
e2e_wait_active "$main"
# Field 1: the name box has the focus; choosing a type fills in its defaults.
e2e_type "Ordered"
# The window manager's close request asks first; Cancel keeps the window and the text.
e2e_key alt+F4
e2e_wait_active "^Exit\$"
e2e_key Escape
e2e_wait_active "^A Programming Utility\$"
e2e_expect_box "Ordered" "the name box after Cancel"
e2e_key Tab
e2e_choose_type 5  # Random Date, counted from 0

# Field 2, a list. Edit List saves the untitled document first, through the save dialog.
e2e_press alt+n
e2e_type "Product"
e2e_key Tab
e2e_choose_type 7  # From File
e2e_press alt+e
e2e_file_dialog "Save As" "$fld"
expect_centred "^Edit List - 2\\. Product\$"
e2e_key Tab  # from the list to the item box
for item in CD Record Cassette; do
  e2e_type "$item"
  e2e_press alt+a
done
e2e_press alt+c
e2e_wait_active "^Exit\$"  # "Do you want to save the list data?"
e2e_press alt+y
e2e_wait_active "^Zelvane - orders\.fld\$"

e2e_press alt+s  # the list editor keeps its lists in the document until a save
# The size and start string are the defaults that choosing the type filled in.
fields='FieldName,Type,Size,StartString,LinksTo\r\n"Ordered","Random Date",5,"1998",0\r\n'
e2e_expect_file "$fld" "100\r\n$fields\"Product\",\"From File\",0,\"\",0\r\n"
e2e_expect_file "${fld%.fld}.lst" '2,"CD"\r\n2,"Record"\r\n2,"Cassette"\r\n'

# Exit saves a named document without asking, and byte for byte: a field name of 40,000
# characters and texts holding bytes not valid in the locale's encoding (0xE9, a Latin-1
# "e" with an acute accent) pass through the boxes unchanged, and so does the list file.
cp "$fld" "$E2E_WORK/saved.fld"
cafe="$E2E_WORK/cafe.fld"
long=$(printf 'N%.0s' $(seq 40000))
printf '100\r\nFieldName,Type,Size,StartString,LinksTo\r\n"%s\xe9","From File",0,"caf\xe9 \xc3(",0\r\n"\xff\x80","Random Text",10,"%s",0\r\n' \
  "$long" "$long" > "$cafe"
printf '1,"\xe9t\xe9"\r\n1,"%s\xe9"\r\n' "$long" > "${cafe%.fld}.lst"
cp "$cafe" "${cafe%.fld}.lst" "$folder/"
e2e_key ctrl+o
e2e_file_dialog "Open" "$cafe"
e2e_wait_active "^Zelvane - cafe\.fld\$"
e2e_press alt+x
e2e_wait_end
cmp "$cafe" "$folder/cafe.fld" >&2 && cmp "${cafe%.fld}.lst" "$folder/cafe.lst" >&2 || e2e_fail "closing changed it"

# The document of every type replaces the untitled one of a new start unasked.
e2e_start
fixture="$(dirname "$0")/../fixtures/document/all_types"
fld="$E2E_WORK/all_types.fld"
{ printf '1000\r\n'; tail -n +2 "$fixture.fld"; } > "$fld"  # 1,000 data lines
cp "$fld" "$E2E_WORK/expected.fld"
cp "$fixture.lst" "${fld%.fld}.lst"
e2e_key ctrl+o
e2e_file_dialog "Open" "$fld"
e2e_wait_active "^Zelvane - all_types\.fld\$"
e2e_expect_selection "Id" "field 1's name, selected in the name box"
e2e_key ctrl+g
e2e_wait_active "^Number of Data Items\$"  # offers the document's 1000
e2e_key Return
e2e_wait_active "^Task Completed\$" 30
e2e_key Return
e2e_wait_active "^Zelvane - all_types\.fld\$"
e2e_check_data_file "$fld"

# Again into a pipe whose reader goes away: the data file, some 180 kB, outgrows its buffer.
txt="${fld%.fld}.txt"
rm "$txt"
mkfifo "$txt"
(head -c 10 "$txt" > /dev/null) &
e2e_key ctrl+g
e2e_wait_active "^Number of Data Items\$"
e2e_key Return
e2e_wait_active "^Zelvane\$" 30
e2e_key Return
e2e_wait_active "^Zelvane - all_types\.fld\$"

# File > New saves the named document as it stands, then starts an untitled one.
e2e_key ctrl+n
e2e_poll 5 "File > New did not save the document as it stands" cmp -s "$fld" "$E2E_WORK/expected.fld"
cmp -s "${fld%.fld}.lst" "$fixture.lst" || e2e_fail "saving changed the lists"
cmp -s "$folder/orders.fld" "$E2E_WORK/saved.fld" || e2e_fail "opening another document changed orders.fld"

# The new document is empty (one field, no name): closing it after the refused open
# saves nothing.
mkfifo "$E2E_WORK/pipe.fld"
exec 3<> "$E2E_WORK/pipe.fld"  # a writer that never writes
e2e_key ctrl+o
e2e_file_dialog "Open" "$E2E_WORK/pipe.fld"
e2e_wait_active "^Zelvane\$" 5
e2e_key Return
e2e_wait_end
[ ! -e "$E2E_WORK/pipe.lst" ] && [ ! -e "$E2E_WORK/pipe.txt" ] || e2e_fail "the refused pipe got a companion file"
echo "round_trip: ok ($E2E_ARTIFACTS/windows.png)"
