#include "platform/value_text.h"

#include <charconv>
#include <cmath>
#include <variant>

#include "platform/date_serial.h"

namespace zelvane {
namespace {

void AppendPadded(int value, int width, std::string& out) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  for (auto length = result.ptr - buffer; length < width; ++length) out += '0';
  out.append(buffer, result.ptr);
}

void AppendDesignator(const std::string& designator, bool first_only, std::string& out) {
  if (first_only) {
    if (!designator.empty()) out += designator.front();
  } else {
    out += designator;
  }
}

// Digits of a number in to_chars form, with our decimal separator and an upper-case E.
void AppendNumberChars(const char* begin, const char* end, const std::string& separator, std::string& out) {
  for (const char* p = begin; p != end; ++p) {
    if (*p == '.') {
      out += separator;
    } else if (*p == 'e') {
      out += 'E';
    } else {
      out += *p;
    }
  }
}

}  // namespace

ValueFormatter::ValueFormatter(const LocaleConventions& conventions)
    : conventions_(conventions),
      short_date_(ParsePattern(conventions.short_date_pattern)),
      long_time_(ParsePattern(conventions.long_time_pattern)) {}

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
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

void ValueFormatter::AppendReal(double value, std::string& out) const {
  if (value == 0.0) {
    out += '0';
    return;
  }
  if (std::isnan(value)) {
    out += "nan";
    return;
  }
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  AppendNumberChars(buffer, result.ptr, conventions_.decimal_separator, out);
}

void ValueFormatter::AppendCurrency(double amount, std::string& out) const {
  if (!std::isfinite(amount)) {
    AppendReal(amount, out);
    return;
  }
  // Large enough for the widest double in fixed notation.
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, amount, std::chars_format::fixed, 2);
  const char* begin = buffer;
  const char* end = result.ptr;
  bool negative = *begin == '-';
  if (negative) ++begin;
  if (end - begin == 4 && begin[0] == '0' && begin[2] == '0' && begin[3] == '0') negative = false;  // -0.00
  if (negative) out += '-';
  if (begin[0] == '0') ++begin;  // "#.00": no digit before the separator below 1
  AppendNumberChars(begin, end, conventions_.decimal_separator, out);
}

void ValueFormatter::AppendDate(DateSerial value, std::string& out) const {
  const auto civil = BreakDown(value);
  if (!civil) return;
  const bool day_zero = civil->year == 1899 && civil->month == 12 && civil->day == 30;
  const bool midnight = civil->hour == 0 && civil->minute == 0 && civil->second == 0;
  if (!day_zero) {
    for (const PatternPart& part : short_date_) {
      switch (part.field) {
        case PatternField::Day: AppendPadded(civil->day, 1, out); break;
        case PatternField::Day2: AppendPadded(civil->day, 2, out); break;
        case PatternField::Month: AppendPadded(civil->month, 1, out); break;
        case PatternField::Month2: AppendPadded(civil->month, 2, out); break;
        case PatternField::Year2: AppendPadded(civil->year % 100, 2, out); break;
        case PatternField::Year4: AppendPadded(civil->year, 4, out); break;
        case PatternField::Literal: out += part.literal; break;
        default: break;  // time fields have no place in a date
      }
    }
    if (midnight) return;
    out += ' ';
  }
  const int hour12 = civil->hour % 12 == 0 ? 12 : civil->hour % 12;
  const std::string& designator = civil->hour < 12 ? conventions_.am_designator : conventions_.pm_designator;
  for (const PatternPart& part : long_time_) {
    switch (part.field) {
      case PatternField::Hour12: AppendPadded(hour12, 1, out); break;
      case PatternField::Hour12Pad: AppendPadded(hour12, 2, out); break;
      case PatternField::Hour24: AppendPadded(civil->hour, 1, out); break;
      case PatternField::Hour24Pad: AppendPadded(civil->hour, 2, out); break;
      case PatternField::Minute: AppendPadded(civil->minute, 1, out); break;
      case PatternField::MinutePad: AppendPadded(civil->minute, 2, out); break;
      case PatternField::Second: AppendPadded(civil->second, 1, out); break;
      case PatternField::SecondPad: AppendPadded(civil->second, 2, out); break;
      case PatternField::AmPmFirst: AppendDesignator(designator, true, out); break;
      case PatternField::AmPm: AppendDesignator(designator, false, out); break;
      case PatternField::Literal: out += part.literal; break;
      default: break;  // date fields have no place in a time
    }
  }
}

void ValueFormatter::AppendShortTime(DateSerial value, std::string& out) const {
  const auto civil = BreakDown(value);
  if (!civil) return;
  AppendPadded(civil->hour, 2, out);
  out += conventions_.time_separator;
  AppendPadded(civil->minute, 2, out);
}

}  // namespace zelvane
