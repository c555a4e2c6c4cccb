#!/usr/bin/env python3
"""Checks the form of the .txt data file beside a .fld file: CR LF lines, a header of the
field names, one line per data item, and in each column the shape of its field's type.
The values themselves are the core tests' business, draw by draw.

It expects the C locale's conventions (M/d/yyyy dates, h:mm:ss AM/PM times, "." and ":").
Texts of the document must hold no comma: the data file quotes nothing.

Usage: check_data_file.py <file.fld>   (exit status 0 when every line has its shape)
"""

import csv
import re
import sys

CLOCK = r"[1-9]\d?:\d\d:\d\d [AP]M"
DATE = r"[1-9]\d?/[1-9]\d?/\d{4}"
WHOLE = r"-?(0|[1-9]\d*)"
NUMBERS = {"Counting Numbers": r"[1-9]\d*", "Random Integer": WHOLE,
           "Random Double": WHOLE + r"(\.\d?[1-9])?"}


def rows(path):
    with open(path, newline="", encoding="latin-1") as f:
        return list(csv.reader(f))


def shape(type_name, start, items, last):
    """The pattern a value of the type takes; a number in the last column has a blank
    after it and, unless negative, one before it."""
    s = re.escape(start)
    if type_name in NUMBERS:
        return r"(?: (?!-)|(?=-))%s " % NUMBERS[type_name] if last else NUMBERS[type_name]
    return {
        "Random Text": (s or "[A-Z]") + "[a-z]*",
        "Random Currency": s + r"-?([1-9]\d*)?\.\d\d",
        "Random Date": r"(%s( %s)?|%s)?" % (DATE, CLOCK, CLOCK),
        "Random Time": r"(\d\d:\d\d)?",
        "From File": "(%s)?" % "|".join(s + re.escape(item) for item in items),
        "Street": r"[1-9]\d{0,2} [A-Z][a-z]* (St|Ave|Rd|Close|Cres|Bld)",
        "Phone": s + r" \d*",
        "Email": "[A-Z][a-z]*" + s,
        "WebURL": r"www\.[A-Z][a-z]*" + s,
    }.get(type_name, "")


def main():
    fld = sys.argv[1]
    document = rows(fld)
    items_count, fields = int(document[0][0]), document[2:]
    lists = rows(fld[:-4] + ".lst")
    patterns = [re.compile(shape(type_name, start, [item for n, item in lists if int(n) == number],
                                 number == len(fields)))
                for number, (_, type_name, _, start, _) in enumerate(fields, 1)]
    lines = open(fld[:-4] + ".txt", "rb").read().decode("latin-1").split("\r\n")
    failures = []
    if lines.pop() != "" or any("\r" in line or "\n" in line for line in lines):
        failures.append("the lines do not all end with CR LF")
    if lines[:1] != [",".join(field[0] for field in fields)]:
        failures.append("the header is %r" % lines[:1])
    if len(lines) != max(items_count, 0) + 1:
        failures.append("%d data lines, expected %d" % (len(lines) - 1, items_count))
    for line_no, line in enumerate(lines[1:], 1):
        columns = line.split(",")
        if len(columns) != max(len(fields), 1):
            failures.append("line %d has %d columns" % (line_no, len(columns)))
        failures += ["line %d, field %s (%s): %r" % (line_no, field[0], field[1], text)
                     for field, text, pattern in zip(fields, columns, patterns) if not pattern.fullmatch(text)]
    print("\n".join(failures[:20]) or "%d lines of %d fields have their shape" % (len(lines) - 1, len(fields)),
          file=sys.stderr if failures else sys.stdout)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
