#!/usr/bin/env bash
# Opens a document that uses all twelve data types, a misspelt type, list fields linked
# before and after their partner and dates linked to a date, a number and themselves;
# sets 1,000 lines with Ctrl+I, generates with Ctrl+G and checks the shape of every line.
# File > New then saves the named document without a question, keeping its lists in store order.
# Usage: all_types.sh <zelvane binary> <artifacts folder>
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

fld="$E2E_WORK/all_types.fld"
records='"Id","Counting Numbers",0,"",0\r
"Code","Random Text",10,"",0\r
"Tag","Random Text",3,"T-",0\r
"Qty","Random Integer",-5,"",0\r
"Weight","Random Double",100,"",0\r
"Price","Random Currency",100,"$",0\r
"Since","Random Date",5,"1998",0\r
"Until","Random Date",30,"",7\r
"Day","Random Date",2,"",1\r
"At","Random Time",15,"8:00",0\r
"Early","From File",0,"",12\r
"Country","From File",0,"",0\r
"Capital","From File",0,"in ",-1\r
"Road","Street",10,"",0\r
"Tel","Phone",7,"555",0\r
"Mail","Email",10,"@zelvanemail.com.**",0\r
"Web","WebURL",10,".com.**",0\r
"Odd","random text",5,"",0\r
"Next","Random Date",1,"",19\r
"Score","Random Integer",100,"",0\r
'
printf "100\r\nFieldName,Type,Size,StartString,LinksTo\r\n${records//\\r$'\n'/\\r\\n}" > "$fld"
lists='12,"France"\r\n13,"Paris"\r\n12,"Spain"\r\n13,"Madrid"\r\n11,"One"\r\n12,"Italy"\r\n13,"Rome"\r\n11,"Two"\r\n11,"Three"\r\n'
printf "$lists" > "${fld%.fld}.lst"

e2e_start
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

# File > New saves the named document as it stands, then starts an untitled one.
e2e_key ctrl+n
e2e_expect_file "$fld" "1000\r\nFieldName,Type,Size,StartString,LinksTo\r\n${records//\\r$'\n'/\\r\\n}"
e2e_expect_file "${fld%.fld}.lst" "$lists"

# The new document is empty (one field, no name): closing it asks nothing.
e2e_key alt+F4
e2e_wait_end
echo "all_types: ok"
