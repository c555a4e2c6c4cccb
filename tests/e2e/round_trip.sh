#!/usr/bin/env bash
# A whole session as a person has it, through the keyboard only: build a three-field
# document (a date, a "From File" field with its list, a date linked to the first),
# save it into a folder whose name has a blank, quit, start again, open it and find a
# field. Then open a document that uses all twelve data types, a misspelt type, list
# fields linked before and after their partner and dates linked to a date, a number and
# themselves; set 1,000 lines with Ctrl+I, generate with Ctrl+G and check the data
# file's form and the shape of each column. File > New then saves the named document
# without a question, keeping its lists in store order. Pipes hang nothing and end
# nothing: generating into one whose reader goes away reports the failed write, and
# opening one with a writer that never writes is refused, after which the window closes.
# Usage: round_trip.sh <zelvane binary> <artifacts folder>
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

folder="$E2E_WORK/my data"
mkdir -p "$folder"
fld="$folder/orders.fld"

# Type list entries, counted from 0.
RANDOM_DATE=5
FROM_FILE=7

e2e_start
# Field 1: the name box has the focus; choosing a type fills in its defaults.
e2e_type "Ordered"
# The window manager's close request asks first; Cancel keeps the window and the text.
e2e_key alt+F4
e2e_wait_active "^Exit\$"
e2e_key Escape
e2e_wait_active "^A Programming Utility\$"
e2e_expect_box "Ordered" "the name box after Cancel"
e2e_key Tab
e2e_choose_type $RANDOM_DATE

# Field 2, a list. Edit List saves the untitled document first, through the save dialog.
e2e_press alt+n
e2e_type "Product"
e2e_key Tab
e2e_choose_type $FROM_FILE
e2e_press alt+e
e2e_file_dialog "Save As" "$fld"
e2e_wait_active "^Edit List - 2\. Product\$"
e2e_key Tab  # from the list to the item box
for item in CD Record Cassette; do
  e2e_type "$item"
  e2e_press alt+a
done
e2e_press alt+c
e2e_wait_active "^Exit\$"  # "Do you want to save the list data?"
e2e_press alt+y
e2e_wait_active "^Zelvane - orders\.fld\$"

# Field 3: a date 1 to 30 days after field 1's date on the same line.
e2e_press alt+n
e2e_type "Shipped"
e2e_key Tab
e2e_choose_type $RANDOM_DATE
e2e_key Tab
e2e_type "30"
e2e_key Tab Tab
e2e_type "1"
e2e_press alt+s  # Save Entries takes the boxes over first
# The sizes and start strings not typed are the defaults that choosing the type filled in.
fields='FieldName,Type,Size,StartString,LinksTo\r\n"Ordered","Random Date",5,"1998",0\r\n'
fields+='"Product","From File",0,"",0\r\n"Shipped","Random Date",30,"1998",1\r\n'
e2e_expect_file "$fld" "100\r\n$fields"
e2e_expect_file "${fld%.fld}.lst" '2,"CD"\r\n2,"Record"\r\n2,"Cassette"\r\n'

# Exit saves a named document without asking.
cp "$fld" "$E2E_WORK/saved.fld"
e2e_press alt+x
e2e_wait_end
cmp -s "$fld" "$E2E_WORK/saved.fld" || e2e_fail "closing changed the saved document"

# A new start knows nothing of it until File > Open.
e2e_start
e2e_key ctrl+o
e2e_file_dialog "Open" "$fld"
e2e_wait_active "^Zelvane - orders\.fld\$"
e2e_expect_selection "Ordered" "field 1's name, selected in the name box"
e2e_press alt+i
e2e_wait_active "^Find Field\$"
e2e_type "SHIP"
e2e_key Return
e2e_wait_active "^Zelvane - orders\.fld\$"
e2e_expect_selection "Shipped" "the field found"

# The document of every type replaces the unchanged one unasked.
fixture="$(dirname "$0")/../fixtures/document/all_types"
fld="$E2E_WORK/all_types.fld"
cp "$fixture.fld" "$fld"
cp "$fixture.lst" "${fld%.fld}.lst"
e2e_key ctrl+o
e2e_file_dialog "Open" "$fld"
e2e_wait_active "^Zelvane - all_types\.fld\$"
e2e_expect_selection "Id" "field 1's name"
e2e_key ctrl+i
e2e_wait_active "^Number of Data Items\$"
e2e_key ctrl+a
e2e_type "1000"
e2e_key Return
e2e_wait_active "^Zelvane - all_types\.fld\$"
e2e_key ctrl+g
e2e_wait_active "^Number of Data Items\$"  # offers the 1000 just set
e2e_key Return
e2e_wait_active "^Task Completed\$" 30
e2e_key Return
e2e_wait_active "^Zelvane - all_types\.fld\$"
e2e_check_data_file "$fld"
[ "$(head -n 1 "$fld")" = $'1000\r' ] || e2e_fail "Ctrl+I did not set 1,000 lines"

# Again into a pipe whose reader goes away: the data file, some 180 kB, outgrows its buffer.
txt="${fld%.fld}.txt"
rm "$txt"
mkfifo "$txt"
(head -c 10 "$txt" > /dev/null) &
e2e_key ctrl+g
e2e_wait_active "^Number of Data Items\$"
e2e_key Return
e2e_wait_active "^Zelvane\$" 30
import -window root "$E2E_ARTIFACTS/round_trip-pipe.png"
e2e_key Return
e2e_wait_active "^Zelvane - all_types\.fld\$"

# File > New saves the named document as it stands, then starts an untitled one.
e2e_key ctrl+n
{ printf '1000\r\n'; tail -n +2 "$fixture.fld"; } > "$E2E_WORK/expected.fld"
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
echo "round_trip: ok ($E2E_ARTIFACTS/round_trip-pipe.png)"
