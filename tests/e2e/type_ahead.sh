#!/usr/bin/env bash
# A fast typist never waits for the screen: each sequence goes in one burst, 30 ms a key,
# and must end exactly as it ends typed slowly. Keys typed after a command that opens a
# modal window belong to that window; nothing runs behind it.
# Usage: type_ahead.sh <zelvane binary> <artifacts folder>
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

docs="$E2E_WORK/docs"
mkdir -p "$docs"
header='100\r\nFieldName,Type,Size,StartString,LinksTo\r\n'
row() { echo "\"$1\",\"${2:-}\",0,\"\",0\\r\\n"; }  # a field of size 0 with no start string

# New Entry with a name, Save Entries through the save dialog, Find Entry, and a list
# of two items added in the list editor and kept.
e2e_start
e2e_type_ahead =Alpha alt+n =Beta alt+s "=$docs/a.fld" Return \
  alt+i =alp Return =Gamma Tab alt+Down Home Down Down Down Down Down Down Down Return \
  alt+e alt+a =one alt+a =two alt+a alt+c Return alt+s
e2e_expect_file "$docs/a.fld" "$header$(row Gamma "From File")$(row Beta)"
e2e_expect_file "$docs/a.lst" '1,"one"\r\n1,"two"\r\n'
e2e_wait_active "^Zelvane - a\.fld\$"

# Three new fields, each named at once; Exit saves the named document.
e2e_type_ahead alt+n =N1 alt+n =N2 alt+n =N3 alt+x
e2e_wait_end
e2e_expect_file "$docs/a.fld" "$header$(row Gamma "From File")$(row Beta)$(row N1)$(row N2)$(row N3)"

# Save Entries and Exit at once on an untitled document: Exit reaches the save dialog,
# where it is no access key, and the document is saved and closed in turn.
e2e_start
e2e_type_ahead =Draft alt+s alt+x
e2e_wait_active "^Save As\$"
e2e_pause 3
e2e_gone "^Exit\$" || e2e_fail "the Exit question opened over the save dialog"
e2e_type_ahead alt+y "=$docs/d.fld" Return alt+x
e2e_wait_end
e2e_expect_file "$docs/d.fld" "$header$(row Draft)"

# The window manager's close request (Alt+F4) waits for the keys typed before it, even
# at 5 ms a key: after Cancel the whole name stays. Exit and No at once: No answers the
# save question.
e2e_start
E2E_KEY_DELAY=5 e2e_type_ahead =Gone-by-now alt+F4
e2e_wait_active "^Exit\$"
e2e_key Escape
e2e_wait_active "^A Programming Utility\$"
e2e_expect_box "Gone-by-now" "the name typed before Alt+F4"
e2e_type_ahead alt+x alt+n
e2e_wait_end

# A close request to the main window while its save dialog is open changes nothing.
e2e_start
e2e_type_ahead =Kept alt+s
e2e_wait_active "^Save As\$"
e2e_close_request "$(e2e_find '^A Programming Utility$')"
e2e_pause 5
e2e_running || e2e_fail "the program ended on a close request behind its save dialog"
e2e_type_ahead "=$docs/k.fld" Return alt+x
e2e_wait_end
e2e_expect_file "$docs/k.fld" "$header$(row Kept)"
echo "type_ahead: ok"
