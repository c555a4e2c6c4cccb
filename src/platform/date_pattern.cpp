#include "platform/date_pattern.h"

namespace zelvane {
namespace {

PatternField FieldOf(char letter, std::size_t run) {
  switch (letter) {
    case 'd': return run == 1 ? PatternField::Day : PatternField::Day2;
    case 'M': return run == 1 ? PatternField::Month : PatternField::Month2;
    case 'y': return run <= 2 ? PatternField::Year2 : PatternField::Year4;
    case 'h': return run == 1 ? PatternField::Hour12 : PatternField::Hour12Pad;
    case 'H': return run == 1 ? PatternField::Hour24 : PatternField::Hour24Pad;
    case 'm': return run == 1 ? PatternField::Minute : PatternField::MinutePad;
    case 's': return run == 1 ? PatternField::Second : PatternField::SecondPad;
    case 't': return run == 1 ? PatternField::AmPmFirst : PatternField::AmPm;
    default: return PatternField::Literal;
  }
}

void AddLiteral(std::vector<PatternPart>& parts, std::string_view text) {
  if (text.empty()) return;
  if (!parts.empty() && parts.back().field == PatternField::Literal) {
    parts.back().literal.append(text);
  } else {
    parts.push_back({PatternField::Literal, std::string(text)});
  }
}

}  // namespace

std::vector<PatternPart> ParsePattern(std::string_view pattern) {
  std::vector<PatternPart> parts;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c == '\'') {
      if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
        AddLiteral(parts, "'");
        i += 2;
        continue;
      }
      const std::size_t close = pattern.find('\'', i + 1);
      const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
      AddLiteral(parts, pattern.substr(i + 1, end - i - 1));
      i = end == pattern.size() ? end : end + 1;
      continue;
    }
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    const PatternField field = FieldOf(c, run);
    if (field == PatternField::Literal) {
      AddLiteral(parts, pattern.substr(i, run));
    } else {
      parts.push_back({field, {}});
    }
    i += run;
  }
  return parts;
}

}  // namespace zelvane
