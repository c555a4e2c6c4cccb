#!/usr/bin/env bash
# The save prompt on closing an untitled document with content, each answer in turn,
# reached three ways: Ctrl+X from the name box, the Exit button's access key and the
# window manager's close request.
# Usage: save_prompt.sh <zelvane binary> <artifacts folder>
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

docs="$E2E_WORK/docs"
mkdir -p "$docs"
no_files_written() { [ -z "$(ls -A "$docs")" ] || e2e_fail "$1: files were written: $(ls -A "$docs")"; }

# Cancel keeps the window and what was typed; No then closes without saving.
e2e_start
e2e_type "Draft"
e2e_key ctrl+x
e2e_wait_active "^Exit\$"
e2e_key Escape
e2e_wait_gone "^Exit\$"
e2e_wait_active "^A Programming Utility\$"
e2e_expect_box "Draft" "the name box after Cancel"
e2e_key alt+F4
e2e_wait_active "^Exit\$"
e2e_press alt+n
e2e_wait_end
no_files_written "No"

# Yes asks for a file name and saves there before closing.
e2e_start
e2e_type "Draft"
e2e_press alt+x
e2e_wait_active "^Exit\$"
e2e_press alt+y
e2e_file_dialog "Save As" "$docs/draft.fld"
e2e_wait_end
e2e_expect_file "$docs/draft.fld" '100\r\nFieldName,Type,Size,StartString,LinksTo\r\n"Draft","",0,"",0\r\n'
e2e_expect_file "$docs/draft.lst" ''
rm "$docs"/draft.*

# A second, unnamed field is content too. Yes (the default answer) and then cancelling
# the save dialog still closes, writing nothing.
e2e_start
e2e_press alt+n
e2e_key alt+F4
e2e_wait_active "^Exit\$"
e2e_key Return
e2e_wait_active "^Save As\$"
e2e_key Escape
e2e_wait_end
no_files_written "a cancelled save dialog"
[ -z "$(find "$E2E_WORK" -name '*.fld' -o -name '*.lst')" ] || e2e_fail "a cancelled save dialog wrote a file"
echo "save_prompt: ok"
