#!/usr/bin/env bash
# Files that cannot be read or written never hang the window or end the program: each
# failure shows in a message box titled "Zelvane". Generating into a pipe whose reader
# goes away reports the failed write; a document that is damaged, or a pipe with a
# writer that never writes, is refused at once, after which the main window closes. The
# refused file is left as it was, no companion file appears beside it, and a named
# document that was open is saved back to its own file unchanged, never mixed with it.
# Usage: damaged_file.sh <zelvane binary> <artifacts folder>
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

docs="$E2E_WORK/docs"
mkdir -p "$docs"
head=$'FieldName,Type,Size,StartString,LinksTo\r\n'

# Opens path, expects the failure message and the program's end.
open_fails() {  # <path>
  e2e_key ctrl+o
  e2e_file_dialog "Open" "$1"
  e2e_wait_active "^Zelvane\$"
  import -window root "$E2E_ARTIFACTS/damaged_file-message.png"
  e2e_key Return
  e2e_wait_end
  local base=${1%.fld}
  [ ! -e "$base.lst" ] && [ ! -e "$base.txt" ] || e2e_fail "$1: a companion file appeared"
}

# The named document already holds the count asked for, so saving it back changes nothing.
good="$docs/good.fld"
printf '2000000\r\n%s"Ordered","Random Date",5,"1998",0\r\n"Product","From File",0,"",0\r\n' "$head" > "$good"
printf '2,"CD"\r\n2,"Record"\r\n' > "$docs/good.lst"
printf '100\r\n%s"Ordered","Random Text",10,"",70000\r\n' "$head" > "$docs/link_too_large.fld"
cp -p "$docs"/* "$E2E_WORK/"
mkfifo "$docs/good.txt" "$docs/pipe.fld"
(head -c 10 "$docs/good.txt" > /dev/null) &
e2e_start
e2e_key ctrl+o
e2e_file_dialog "Open" "$good"
e2e_wait_active "^Zelvane - good\.fld\$"
e2e_key ctrl+g
e2e_wait_active "^Number of Data Items\$"
e2e_key Return
e2e_wait_active "^Zelvane\$" 30
import -window root "$E2E_ARTIFACTS/damaged_file-pipe.png"
e2e_key Return
e2e_wait_active "^Zelvane - good\.fld\$"
open_fails "$docs/link_too_large.fld"
for name in link_too_large.fld good.fld good.lst; do
  cmp -s "$docs/$name" "$E2E_WORK/$name" || e2e_fail "$name is no longer what it was"
done

# An untitled, empty document is open: nothing is saved on the way out.
exec 3<> "$docs/pipe.fld"  # a writer that never writes
e2e_start
open_fails "$docs/pipe.fld"
[ "$(ls "$docs" | tr '\n' ' ')" = "good.fld good.lst good.txt link_too_large.fld pipe.fld " ] ||
  e2e_fail "other files appeared: $(ls -A "$docs")"
echo "damaged_file: ok ($E2E_ARTIFACTS/damaged_file-message.png)"
