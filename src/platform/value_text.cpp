#include "platform/value_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <string_view>
#include <variant>

namespace zelvane {
namespace {

using detail::Put;
using detail::Small;

// Digits of a to_chars result, with our decimal separator and an upper-case E.
char* NumberChars(const char* begin, const char* end, std::string_view separator, char* out) {
  for (const char* p = begin; p != end; ++p) {
    if (*p == '.') {
      out = Put(separator, out);
    } else {
      *out++ = *p == 'e' ? 'E' : *p;
    }
  }
  return out;
}

// The amount in hundredths when it is exactly the double nearest to a whole number of
// hundredths (as every generated amount is): then both text forms follow from that
// number without the general conversion.
std::optional<std::int64_t> ExactHundredths(double value) {
  const double scaled = value * 100.0;
  if (!(std::fabs(scaled) < 1e13)) return std::nullopt;
  // Any nearby candidate will do: the check below decides.
  const auto hundredths = static_cast<std::int64_t>(scaled + (scaled < 0 ? -0.5 : 0.5));
  if (static_cast<double>(hundredths) / 100.0 != value) return std::nullopt;
  return hundredths;
}

std::size_t PartsLength(const std::vector<PatternPart>& parts, std::size_t designator) {
  std::size_t length = 0;
  for (const PatternPart& part : parts) {
    switch (part.field) {
      case PatternField::Literal: length += part.literal.size(); break;
      case PatternField::AmPm: length += designator; break;
      case PatternField::Year4: length += 4; break;
      default: length += 2; break;
    }
  }
  return length;
}

// Appends through a Write function: room for the bound first, then cut to what was written.
template <typename Write>
void AppendWritten(std::string& out, std::size_t bound, Write write) {
  const std::size_t size = out.size();
  out.resize(size + bound);
  char* const end = write(out.data() + size);
  out.resize(static_cast<std::size_t>(end - out.data()));
}

}  // namespace

ValueFormatter::ValueFormatter(const LocaleConventions& conventions)
    : conventions_(conventions),
      short_date_(ParsePattern(conventions.short_date_pattern)),
      long_time_(ParsePattern(conventions.long_time_pattern)) {
  // The widest real: a sign, fifteen digits, the separator and an exponent of -308.
  max_number_length_ = 24 + conventions_.decimal_separator.size();
  const std::size_t designator = std::max(conventions_.am_designator.size(), conventions_.pm_designator.size());
  max_date_length_ = PartsLength(short_date_, designator) + 1 + PartsLength(long_time_, designator);
}

void ValueFormatter::AppendText(const Value& value, std::string& out) const {
  switch (KindOf(value)) {
    case ValueKind::Empty: break;
    case ValueKind::Whole: AppendWhole(std::get<std::int32_t>(value), out); break;
    case ValueKind::Real: AppendReal(std::get<double>(value), out); break;
    case ValueKind::Date: AppendDate(std::get<DateSerial>(value), out); break;
    case ValueKind::Text: out += std::get<std::string>(value); break;
  }
}

void ValueFormatter::AppendLastColumn(const Value& value, std::string& out) const {
  switch (KindOf(value)) {
    case ValueKind::Whole: {
      const std::int32_t whole = std::get<std::int32_t>(value);
      if (whole >= 0) out += ' ';
      AppendWhole(whole, out);
      out += ' ';
      break;
    }
    case ValueKind::Real: {
      const double real = std::get<double>(value);
      if (!(real < 0.0)) out += ' ';
      AppendReal(real, out);
      out += ' ';
      break;
    }
    default: AppendText(value, out); break;
  }
}

void ValueFormatter::AppendWhole(std::int32_t value, std::string& out) const {
  AppendWritten(out, kMaxWholeLength, [&](char* p) { return WriteWhole(value, p); });
}

void ValueFormatter::AppendReal(double value, std::string& out) const {
  AppendWritten(out, max_number_length_, [&](char* p) { return WriteReal(value, p); });
}

void ValueFormatter::AppendDate(DateSerial value, std::string& out) const {
  AppendWritten(out, max_date_length_, [&](char* p) { return WriteDate(value, p); });
}

void ValueFormatter::AppendCurrency(double amount, std::string& out) const {
  if (!std::isfinite(amount)) {
    AppendReal(amount, out);
    return;
  }
  if (const auto hundredths = ExactHundredths(amount)) {
    AppendWritten(out, max_number_length_, [&](char* p) { return WriteCurrencyHundredths(*hundredths, p); });
    return;
  }
  // Large enough for the widest double in fixed notation.
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, amount, std::chars_format::fixed, 2);
  const char* begin = buffer;
  bool negative = *begin == '-';
  if (negative) ++begin;
  if (result.ptr - begin == 4 && begin[0] == '0' && begin[2] == '0' && begin[3] == '0') negative = false;  // -0.00
  if (begin[0] == '0') ++begin;  // "#.00": no digit before the separator below 1
  const std::size_t bound = static_cast<std::size_t>(result.ptr - begin) + 1 + max_number_length_;
  AppendWritten(out, bound, [&](char* p) {
    if (negative) *p++ = '-';
    return NumberChars(begin, result.ptr, conventions_.decimal_separator, p);
  });
}

void ValueFormatter::AppendShortTime(DateSerial value, std::string& out) const {
  const auto linear = LinearMs(value);
  if (!linear) return;
  AppendWritten(out, MaxShortTimeLength(), [&](char* p) { return WriteShortTime(ClockTimeOf(*linear), p); });
}

char* ValueFormatter::WriteReal(double value, char* out) const {
  if (value == 0.0) {
    *out = '0';
    return out + 1;
  }
  if (std::isnan(value)) return Put("nan", out);
  if (const auto hundredths = ExactHundredths(value)) return WriteHundredths(*hundredths, out);
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return NumberChars(buffer, result.ptr, conventions_.decimal_separator, out);
}

char* ValueFormatter::WriteDate(DateSerial value, char* out) const {
  CivilDateTime civil;
  // A whole day, as every unlinked generated date is, needs no time of day.
  if (IsWholeDay(value.days)) {
    civil = CivilDay(static_cast<std::int64_t>(value.days));
  } else if (const auto broken_down = BreakDown(value)) {
    civil = *broken_down;
  } else {
    return out;
  }
  const bool day_zero = civil.year == 1899 && civil.month == 12 && civil.day == 30;
  const bool midnight = civil.hour == 0 && civil.minute == 0 && civil.second == 0;
  if (!day_zero) {
    out = WriteDateParts(civil, out);
    if (midnight) return out;
    *out++ = ' ';
  }
  return WriteTimeParts(civil, out);
}

char* ValueFormatter::WriteDateParts(const CivilDateTime& civil, char* out) const {
  for (const PatternPart& part : short_date_) {
    switch (part.field) {
      case PatternField::Day: out = Small(static_cast<unsigned>(civil.day), 1, out); break;
      case PatternField::Day2: out = Small(static_cast<unsigned>(civil.day), 2, out); break;
      case PatternField::Month: out = Small(static_cast<unsigned>(civil.month), 1, out); break;
      case PatternField::Month2: out = Small(static_cast<unsigned>(civil.month), 2, out); break;
      case PatternField::Year2: out = Small(static_cast<unsigned>(civil.year % 100), 2, out); break;
      case PatternField::Year4: {
        const unsigned year = static_cast<unsigned>(civil.year);  // 100 to 9999
        out = Small(year / 100, 2, out);
        out = Small(year % 100, 2, out);
        break;
      }
      case PatternField::Literal: out = Put(part.literal, out); break;
      default: break;  // time fields have no place in a date
    }
  }
  return out;
}

char* ValueFormatter::WriteTimeParts(const CivilDateTime& civil, char* out) const {
  const unsigned hour = static_cast<unsigned>(civil.hour);
  const unsigned hour12 = hour % 12 == 0 ? 12 : hour % 12;
  const std::string& designator = hour < 12 ? conventions_.am_designator : conventions_.pm_designator;
  for (const PatternPart& part : long_time_) {
    switch (part.field) {
      case PatternField::Hour12: out = Small(hour12, 1, out); break;
      case PatternField::Hour12Pad: out = Small(hour12, 2, out); break;
      case PatternField::Hour24: out = Small(hour, 1, out); break;
      case PatternField::Hour24Pad: out = Small(hour, 2, out); break;
      case PatternField::Minute: out = Small(static_cast<unsigned>(civil.minute), 1, out); break;
      case PatternField::MinutePad: out = Small(static_cast<unsigned>(civil.minute), 2, out); break;
      case PatternField::Second: out = Small(static_cast<unsigned>(civil.second), 1, out); break;
      case PatternField::SecondPad: out = Small(static_cast<unsigned>(civil.second), 2, out); break;
      case PatternField::AmPmFirst:
        if (!designator.empty()) *out++ = designator.front();
        break;
      case PatternField::AmPm: out = Put(designator, out); break;
      case PatternField::Literal: out = Put(part.literal, out); break;
      default: break;  // date fields have no place in a time
    }
  }
  return out;
}

}  // namespace zelvane
