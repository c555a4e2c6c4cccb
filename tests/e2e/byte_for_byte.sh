#!/usr/bin/env bash
# Opening a document and closing the program saves it back byte for byte: a field name of
# 40,000 characters and texts holding bytes that are not valid in the locale's encoding
# (0xE9, a Latin-1 "e" with an acute accent, under the C locale) pass through the boxes
# unchanged, and so does the list file.
# Usage: byte_for_byte.sh <zelvane binary> <artifacts folder>
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

kept="$E2E_WORK/as_written"
mkdir -p "$kept"
fld="$E2E_WORK/cafe.fld"
long=$(printf 'N%.0s' $(seq 40000))
printf '100\r\nFieldName,Type,Size,StartString,LinksTo\r\n"%s\xe9","From File",0,"caf\xe9 \xc3(",0\r\n"\xff\x80","Random Text",10,"%s",0\r\n' \
  "$long" "$long" > "$fld"
printf '1,"\xe9t\xe9"\r\n1,"%s\xe9"\r\n' "$long" > "${fld%.fld}.lst"
cp "$fld" "${fld%.fld}.lst" "$kept/"

e2e_start
e2e_key ctrl+o
e2e_file_dialog "Open" "$fld"
e2e_wait_active "^Zelvane - cafe\.fld\$"
e2e_press alt+x
e2e_wait_end
for file in cafe.fld cafe.lst; do
  cmp "$E2E_WORK/$file" "$kept/$file" >&2 || e2e_fail "closing changed $file"
done
echo "byte_for_byte: ok"
