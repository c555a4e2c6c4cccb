#!/usr/bin/env bash
# Pipes never hang the window or end the program: a document that is a pipe with a
# writer that never writes is refused at once, and generating into a pipe whose reader
# goes away reports the failed write; the program then closes normally.
# Usage: pipes.sh <zelvane binary> <artifacts folder>
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

docs="$E2E_WORK/docs"
mkdir -p "$docs"
mkfifo "$docs/pipe.fld" "$docs/orders.txt"
exec 3<> "$docs/pipe.fld"  # a writer that never writes
e2e_start
e2e_key ctrl+o
e2e_file_dialog "Open" "$docs/pipe.fld"
e2e_wait_active "^Zelvane\$" 5
e2e_key Return
e2e_wait_end

printf '5\r\nH\r\n"N","Counting Numbers",0,"",0\r\n' > "$docs/orders.fld"
(head -c 10 "$docs/orders.txt" > /dev/null) &
e2e_start
e2e_key ctrl+o
e2e_file_dialog "Open" "$docs/orders.fld"
e2e_wait_active "^Zelvane - orders\.fld\$"
e2e_key ctrl+g
e2e_wait_active "^Number of Data Items\$"
e2e_key ctrl+a
e2e_type "2000000"
e2e_key Return
e2e_wait_active "^Zelvane\$" 30
import -window root "$E2E_ARTIFACTS/pipes-message.png"
e2e_key Return
e2e_wait_active "^Zelvane - orders\.fld\$"
e2e_key ctrl+x
e2e_wait_end
echo "pipes: ok ($E2E_ARTIFACTS/pipes-message.png)"
