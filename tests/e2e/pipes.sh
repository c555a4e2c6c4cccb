#!/usr/bin/env bash
# Pipes never hang the window or end the program, and each failure shows in a message
# box titled "Zelvane": generating into a pipe whose reader goes away reports the failed
# write; opening a pipe with a writer that never writes is refused at once, after which
# the main window closes. No companion file appears beside the pipe, and the named
# document that was open is saved back to its own file unchanged.
# Usage: pipes.sh <zelvane binary> <artifacts folder>
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

docs="$E2E_WORK/docs"
mkdir -p "$docs"
# The document already holds the count asked for, so saving it back changes nothing.
good="$docs/good.fld"
printf '2000000\r\nFieldName,Type,Size,StartString,LinksTo\r\n"Ordered","Random Date",5,"1998",0\r\n' > "$good"
printf '"Product","From File",0,"",0\r\n' >> "$good"
printf '2,"CD"\r\n2,"Record"\r\n' > "$docs/good.lst"
cp -p "$docs"/* "$E2E_WORK/"
mkfifo "$docs/good.txt" "$docs/pipe.fld"
(head -c 10 "$docs/good.txt" > /dev/null) &
exec 3<> "$docs/pipe.fld"  # a writer that never writes

e2e_start
e2e_key ctrl+o
e2e_file_dialog "Open" "$good"
e2e_wait_active "^Zelvane - good\.fld\$"
e2e_key ctrl+g
e2e_wait_active "^Number of Data Items\$"
e2e_key Return
e2e_wait_active "^Zelvane\$" 30
import -window root "$E2E_ARTIFACTS/pipes-generate.png"
e2e_key Return
e2e_wait_active "^Zelvane - good\.fld\$"
e2e_key ctrl+o
e2e_file_dialog "Open" "$docs/pipe.fld"
e2e_wait_active "^Zelvane\$" 5
import -window root "$E2E_ARTIFACTS/pipes-open.png"
e2e_key Return
e2e_wait_end
for name in good.fld good.lst; do
  cmp -s "$docs/$name" "$E2E_WORK/$name" || e2e_fail "$name is no longer what it was"
done
[ "$(ls "$docs" | tr '\n' ' ')" = "good.fld good.lst good.txt pipe.fld " ] ||
  e2e_fail "other files appeared: $(ls -A "$docs")"
echo "pipes: ok ($E2E_ARTIFACTS/pipes-open.png)"
