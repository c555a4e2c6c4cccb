#!/usr/bin/env python3
"""Checks the .txt data file beside a .fld file, line by line, against the rules of each
field's data type, reading the field definitions from the .fld file and the value lists
from the .lst file beside it.

It expects the C locale's conventions (M/d/yyyy dates, h:mm:ss AM/PM times, "." and ":")
and one generation run in a freshly started program, so that links to values of an
earlier run find none. Texts of the document must hold no comma, CR or LF: the data file
quotes nothing, so those would split columns or lines.

Usage: check_data_file.py <file.fld>   (exit status 0 when every line keeps the rules)
"""

import datetime
import re
import sys

DAY_ZERO = datetime.datetime(1899, 12, 30)
VOWELS = set("aeiou")
SUFFIXES = {"St", "Ave", "Rd", "Close", "Cres", "Bld"}
MAX_FAILURES = 20


class Field:
    def __init__(self, number, name, type_name, size, start, links_to):
        self.number = number
        self.name = name
        self.type = type_name
        self.size = size
        self.start = start
        self.links_to = links_to
        self.items = []


def read_items(line):
    """The comma-separated items of one record: quoted texts (a doubled quote is one
    quote) and bare numbers."""
    items, i = [], 0
    while i <= len(line):
        if i < len(line) and line[i] == '"':
            j, text = i + 1, []
            while True:
                if j >= len(line):
                    raise ValueError("unterminated text in: " + line)
                if line[j] == '"':
                    if j + 1 < len(line) and line[j + 1] == '"':
                        text.append('"')
                        j += 2
                        continue
                    break
                text.append(line[j])
                j += 1
            items.append("".join(text))
            i = j + 1
        else:
            j = line.find(",", i)
            j = len(line) if j < 0 else j
            items.append(int(line[i:j].strip()))
            i = j
        if i < len(line) and line[i] != ",":
            raise ValueError("junk after an item in: " + line)
        i += 1
    return items


def crlf_lines(path):
    data = open(path, "rb").read().decode("latin-1")
    if data and not data.endswith("\r\n"):
        raise ValueError(path + " does not end with CR LF")
    lines = data.split("\r\n")[:-1] if data else []
    for number, line in enumerate(lines, 1):
        if "\r" in line or "\n" in line:
            raise ValueError("%s line %d holds a lone CR or LF" % (path, number))
    return lines


def load_document(fld_path):
    lines = crlf_lines(fld_path)
    no_of_items = int(lines[0])
    fields = []
    for number, line in enumerate(lines[2:], 1):
        name, type_name, size, start, links_to = read_items(line)
        fields.append(Field(number, name, type_name, size, start, links_to))
    lst_path = fld_path[:-4] + ".lst"
    for line in crlf_lines(lst_path):
        field_no, item = read_items(line)
        if 1 <= field_no <= len(fields):
            fields[field_no - 1].items.append(item)
    for field in fields:
        for text in [field.name, field.start] + field.items:
            if any(c in text for c in ",\r\n"):
                raise ValueError("a comma or line break in %r: the columns cannot be told apart" % text)
    return no_of_items, fields


def two_digit_year(year):
    if 0 <= year <= 99:
        return year + 2000 if year <= 29 else year + 1900
    return year


def parse_date(text):
    """A date in the C locale's forms: M/d/yyyy, M/d/yyyy h:mm:ss AM, or the time alone
    on day 0."""
    m = re.fullmatch(r"(?:(\d{1,2})/(\d{1,2})/(\d{4}))?(?:(?(1) )(\d{1,2}):(\d{2}):(\d{2}) (AM|PM))?", text)
    if not text or not m:
        return None
    if m.group(1):
        if m.group(1).startswith("0") or m.group(2).startswith("0"):
            return None
        moment = datetime.datetime(int(m.group(3)), int(m.group(1)), int(m.group(2)))
    else:
        moment = DAY_ZERO
    if m.group(4):
        hour = int(m.group(4))
        if not 1 <= hour <= 12 or m.group(4).startswith("0"):
            return None
        hour = hour % 12 + (12 if m.group(7) == "PM" else 0)
        moment += datetime.timedelta(hours=hour, minutes=int(m.group(5)), seconds=int(m.group(6)))
        if moment.date() != DAY_ZERO.date() and moment.time() == datetime.time(0):
            return None
    elif not m.group(1):
        return None
    return moment


def leading_number(text):
    m = re.match(r"[ \t\n]*([+-]?(\d+\.?\d*|\.\d+))", text)
    return float(m.group(1)) if m else 0.0


def random_text_rule(value, start, size):
    """The start string followed by letters; without one a capital comes first."""
    if not value.startswith(start):
        return "does not begin with the start string %r" % start
    rest = value[len(start):]
    if size > 6:
        low, high = 5, max(5, min(size, 32767))
        if not low <= len(rest) <= high:
            return "%d letters, expected %d to %d" % (len(rest), low, high)
        if rest[2] not in VOWELS:
            return "third letter %r is no vowel" % rest[2]
    else:
        letters = max(size, 0) + (0 if start else 1)
        if len(rest) != letters:
            return "%d letters, expected %d" % (len(rest), letters)
    if not start:
        if not rest[:1].isupper() or not rest[:1].isascii():
            return "does not begin with a capital letter"
        rest = rest[1:]
    if not re.fullmatch(r"[a-z]*", rest):
        return "letters other than a to z"
    return None


def number_range(size):
    return (1, size) if size >= 1 else (size + 1, 1)


def amount_hundredths(size):
    return (1, 100 * size) if size >= 1 else (100 * size + 1, 1)


class Checker:
    def __init__(self, fields):
        self.fields = fields
        self.last_pick = 0  # a fresh program has drawn no list position yet
        self.previous = [None] * len(fields)  # the values kept from the line before

    def check_line(self, line_no, columns):
        values = []
        for field, text in zip(self.fields, columns):
            last = field.number == len(self.fields)
            problem = self.check_value(field, text, last, line_no, values)
            values.append(text)
            if problem:
                yield "line %d, field %d (%s, %s): %r %s" % (
                    line_no, field.number, field.name, field.type, text, problem)
        self.previous = values

    def linked_text(self, link, values):
        """The text the linked slot holds: this line's for an earlier field, else the
        previous line's (none on the first line of a run in a fresh program)."""
        if link <= len(values):
            return values[link - 1]
        if link <= len(self.fields):
            return self.previous[link - 1]
        return None

    def check_value(self, field, text, last, line_no, values):
        t, size, start = field.type, field.size, field.start
        numeric = t in ("Counting Numbers", "Random Integer", "Random Double")
        if last and numeric:
            if not text.endswith(" "):
                return "a number in the last column ends with a blank"
            text = text[:-1]
            if not text.startswith("-"):
                if not text.startswith(" "):
                    return "a number in the last column begins with a blank"
                text = text[1:]
        if t == "Counting Numbers":
            return None if text == str(line_no) else "is not the line number"
        if t == "Random Text":
            return random_text_rule(text, start, size)
        if t == "Random Integer":
            low, high = number_range(size)
            if not re.fullmatch(r"-?(0|[1-9]\d*)", text) or not low <= int(text) <= high:
                return "is no whole number from %d to %d" % (low, high)
            return None
        if t == "Random Double":
            m = re.fullmatch(r"(-?)(0|[1-9]\d*)(?:\.(\d?[1-9]))?", text)
            low, high = amount_hundredths(size)
            if not m or text == "-0":
                return "is not a number with at most two decimals and none trailing"
            hundredths = round(float(text) * 100)
            if not low <= hundredths <= high:
                return "lies outside %s to %s" % (low / 100, high / 100)
            return None
        if t == "Random Currency":
            if not text.startswith(start):
                return "does not begin with %r" % start
            m = re.fullmatch(r"(-?)([1-9]\d*)?\.(\d\d)", text[len(start):])
            if not m:
                return "is not in the form #.00"
            hundredths = int(m.group(2) or "0") * 100 + int(m.group(3))
            hundredths = -hundredths if m.group(1) else hundredths
            low, high = amount_hundredths(size)
            return None if low <= hundredths <= high else "lies outside its range"
        if t == "Random Date":
            return self.check_date(field, text, values)
        if t == "Random Time":
            return self.check_time(field, text)
        if t == "From File":
            return self.check_list(field, text)
        if t == "Street":
            m = re.fullmatch(r"(\d+) (\S+) (\S+)", text)
            if not m or not 1 <= int(m.group(1)) <= 200 or m.group(1).startswith("0"):
                return "is not a house number 1 to 200, a name and a suffix"
            if m.group(3) not in SUFFIXES:
                return "has the suffix %r" % m.group(3)
            return random_text_rule(m.group(2), "", size)
        if t == "Phone":
            expected = start + " "
            if not text.startswith(expected) or not re.fullmatch(r"\d*", text[len(expected):]):
                return "is not the start string, a blank and digits"
            return None if len(text) - len(expected) == max(size, 0) else "has the wrong number of digits"
        if t == "Email":
            if not text.endswith(start):
                return "does not end with %r" % start
            return random_text_rule(text[:len(text) - len(start)], "", size)
        if t == "WebURL":
            if not text.startswith("www.") or not text.endswith(start):
                return "is not www., a word and %r" % start
            return random_text_rule(text[4:len(text) - len(start)], "", size)
        return None if text == "" else "should be empty for a type outside the twelve"

    def check_date(self, field, text, values):
        size, link = field.size, field.links_to
        moment = parse_date(text)
        if link == 0:
            if moment is None or moment.time() != datetime.time(0) or text.count(" "):
                return "is no date at midnight"
            base_year = round(leading_number(field.start))
            low, high = number_range(size)
            years = {two_digit_year(base_year + k) for k in range(low, high + 1)}
            if moment.year not in years or not 1 <= moment.day <= 28:
                return "lies outside the years %d to %d or after the 28th" % (base_year + low, base_year + high)
            return None
        if not 1 <= link <= 50:
            return None if text == "" else "should be empty for a link outside 1 to 50"
        base_text = self.linked_text(link, values)
        linked_type = self.fields[link - 1].type if link <= len(self.fields) else ""
        if not base_text:
            base = DAY_ZERO
        elif linked_type in ("Counting Numbers", "Random Integer", "Random Double"):
            base = DAY_ZERO + datetime.timedelta(days=float(base_text))
        elif linked_type == "Random Time":
            hours, minutes = base_text.split(":")
            base = DAY_ZERO + datetime.timedelta(hours=int(hours), minutes=int(minutes))
        elif linked_type == "Random Date":
            base = parse_date(base_text)
        else:
            return None  # how other texts read as dates is the unit tests' business
        if base is None:
            return None if text == "" else "should be empty: the linked value is no date"
        if moment is None:
            return "is no date"
        low, high = number_range(size)
        days = moment - base
        if days.seconds or days.microseconds or not low <= days.days <= high:
            return "is not %d to %d days after %s" % (low, high, base)
        return None

    def check_time(self, field, text):
        m = re.fullmatch(r"(\d{1,2}):(\d{2})", field.start)
        if not m:
            return None  # other start texts are the unit tests' business
        start = int(m.group(1)) * 60 + int(m.group(2))
        size = field.size
        got = re.fullmatch(r"(\d\d):(\d\d)", text)
        if not got:
            return "is not hh:mm"
        minutes = int(got.group(1)) * 60 + int(got.group(2))
        if size <= 0:
            return None
        span = 23 * 60 + 59 - start
        if span < size:
            return None if minutes == (start + size) % 1440 else "is not the start plus the size"
        if not start < minutes <= 23 * 60 + 59 or (minutes - start) % size:
            return "is not a step of %d minutes after %s" % (size, field.start)
        return None

    def check_list(self, field, text):
        if field.links_to == 0:
            if not field.items:
                self.last_pick = 1
                return None if text == "" else "should be empty: the field has no list"
            if not text.startswith(field.start) or text[len(field.start):] not in field.items:
                return "is not the start string and an item of the list"
            self.last_pick = field.items.index(text[len(field.start):]) + 1
            if field.items.count(text[len(field.start):]) > 1:
                self.last_pick = None  # the position can no longer be told
            return None
        if self.last_pick is None:
            return None
        if not 1 <= self.last_pick <= len(field.items):
            return None if text == "" else "should be empty: no item at position %d" % self.last_pick
        expected = field.start + field.items[self.last_pick - 1]
        return None if text == expected else "should be %r, item %d as last drawn" % (expected, self.last_pick)


def main():
    fld_path = sys.argv[1]
    no_of_items, fields = load_document(fld_path)
    lines = crlf_lines(fld_path[:-4] + ".txt")
    failures = []
    header = ",".join(f.name for f in fields)
    if not lines or lines[0] != header:
        failures.append("header %r, expected %r" % (lines[0] if lines else None, header))
    if len(lines) != max(no_of_items, 0) + 1:
        failures.append("%d data lines, expected %d" % (len(lines) - 1, no_of_items))
    checker = Checker(fields)
    for line_no, line in enumerate(lines[1:], 1):
        columns = line.split(",")
        if len(columns) != max(len(fields), 1):
            failures.append("line %d has %d columns, expected %d" % (line_no, len(columns), len(fields)))
            continue
        failures.extend(checker.check_line(line_no, columns))
        if len(failures) > MAX_FAILURES:
            break
    for failure in failures[:MAX_FAILURES]:
        print(failure, file=sys.stderr)
    if failures:
        return 1
    print("%s: %d lines of %d fields keep their rules" % (fld_path[:-4] + ".txt", len(lines) - 1, len(fields)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
