#!/usr/bin/env bash
# File > Open of files that cannot be read: each shows its failure in a message box
# titled "Zelvane", after which the main window closes. The damaged file is left as it
# was, no companion file appears beside it, and a named document that was open is saved
# back to its own file unchanged, never mixed with the damaged one.
# Usage: damaged_file.sh <zelvane binary> <artifacts folder>
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

docs="$E2E_WORK/docs"
mkdir -p "$docs"
head=$'100\r\nFieldName,Type,Size,StartString,LinksTo\r\n'

# Opens path, expects the failure message and the program's end.
open_fails() {  # <path> <what>
  e2e_key ctrl+o
  e2e_file_dialog "Open" "$1"
  e2e_wait_active "^Zelvane\$"
  [ -f "$E2E_ARTIFACTS/damaged_file-message.png" ] || import -window root "$E2E_ARTIFACTS/damaged_file-message.png"
  e2e_key Return
  e2e_wait_end
  local base=${1%.fld}
  [ ! -e "$base.lst" ] && [ ! -e "$base.txt" ] || e2e_fail "$2: a companion file appeared"
}

# A named document is open when the damaged file is chosen.
good="$docs/good.fld"
printf '%s"Ordered","Random Date",5,"1998",0\r\n"Product","From File",0,"",0\r\n' "$head" > "$good"
printf '2,"CD"\r\n2,"Record"\r\n' > "$docs/good.lst"
printf '%s"Ordered","Random Text",10,"",70000\r\n' "$head" > "$docs/link_too_large.fld"
cp -p "$docs"/* "$E2E_WORK/"
e2e_start
e2e_key ctrl+o
e2e_file_dialog "Open" "$good"
e2e_wait_active "^Zelvane - good\.fld\$"
open_fails "$docs/link_too_large.fld" "a link beyond 16 bits"
for name in link_too_large.fld good.fld good.lst; do
  cmp -s "$docs/$name" "$E2E_WORK/$name" || e2e_fail "$name is no longer what it was"
done
rm "$docs"/*

# An untitled, empty document is open: nothing is saved on the way out.
cases=(
  "record_cut_short.fld|$head\"Ordered\",\"Random Text\",10\r\n"
  "fifty_one_fields.fld|$head$(for _ in $(seq 51); do printf '"F","Counting Numbers",0,"",0\\r\\n'; done)"
  "no_closing_quote.fld|$head\"Ordered,\"Random Text\",10,\"\",0\r\n"
  "binary.fld|\x01\x00\xff\"\x8a\r\n\r"
)
for case in "${cases[@]}"; do
  name=${case%%|*}
  printf "${case#*|}" > "$docs/$name"
  cp "$docs/$name" "$E2E_WORK/damaged.before"
  e2e_start
  open_fails "$docs/$name" "$name"
  cmp -s "$docs/$name" "$E2E_WORK/damaged.before" || e2e_fail "$name was changed"
  [ "$(ls -A "$docs")" = "$name" ] || e2e_fail "$name: other files appeared: $(ls -A "$docs")"
  rm "$docs/$name"
done

# A name that is no file.
e2e_start
open_fails "$docs/missing.fld" "a missing file"
[ -z "$(ls -A "$docs")" ] || e2e_fail "opening a missing file created something: $(ls -A "$docs")"
echo "damaged_file: ok ($E2E_ARTIFACTS/damaged_file-message.png)"
