#pragma once
// Date and time patterns ("M/d/yyyy", "h:mm:ss tt") split into their fields and literals
// once, so that formatting and reading walk a prepared list instead of the pattern text.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvane {

enum class PatternField : std::uint8_t {
  Literal,
  Day,         // d
  Day2,        // dd
  Month,       // M
  Month2,      // MM
  Year2,       // yy
  Year4,       // yyyy
  Hour12,      // h
  Hour12Pad,   // hh
  Hour24,      // H
  Hour24Pad,   // HH
  Minute,      // m
  MinutePad,   // mm
  Second,      // s
  SecondPad,   // ss
  AmPmFirst,   // t: the designator's first character
  AmPm,        // tt
};

struct PatternPart {
  PatternField field = PatternField::Literal;
  std::string literal;  // only for Literal
};

// Runs of the letters d, M, y, h, H, m, s, t are fields; text between single quotes and
// every other character is literal ("''" is an apostrophe).
std::vector<PatternPart> ParsePattern(std::string_view pattern);

}  // namespace zelvane
