#include "platform/value_text.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <string_view>
#include <variant>

#include "platform/date_serial.h"

namespace zelvane {
namespace {

// Collects a value's characters on the stack and hands them to the output in one append.
class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;
  ~Writer() { out_.append(buffer_, size_); }

  void Put(char c) {
    if (size_ == sizeof buffer_) Flush();
    buffer_[size_++] = c;
  }
  void Put(std::string_view text) {
    if (text.size() == 1) {
      Put(text.front());
      return;
    }
    if (text.size() > sizeof buffer_ - size_) {
      Flush();
      if (text.size() > sizeof buffer_) {
        out_.append(text);
        return;
      }
    }
    std::memcpy(buffer_ + size_, text.data(), text.size());
    size_ += text.size();
  }
  // A non-negative number, zero-padded to the width.
  void Digits(std::uint64_t value, int width) {
    if (value < 100 && width <= 2 && sizeof buffer_ - size_ >= 2) {
      if (value >= 10 || width == 2) buffer_[size_++] = static_cast<char>('0' + value / 10);
      buffer_[size_++] = static_cast<char>('0' + value % 10);
      return;
    }
    char digits[20];
    int count = 0;
    do {
      digits[count++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value != 0);
    for (int i = count; i < width; ++i) Put('0');
    while (count > 0) Put(digits[--count]);
  }
  // Digits of a to_chars result, with our decimal separator and an upper-case E.
  void NumberChars(const char* begin, const char* end, std::string_view separator) {
    for (const char* p = begin; p != end; ++p) {
      if (*p == '.') {
        Put(separator);
      } else {
        Put(*p == 'e' ? 'E' : *p);
      }
    }
  }

 private:
  void Flush() {
    out_.append(buffer_, size_);
    size_ = 0;
  }
  std::string& out_;
  char buffer_[128];
  std::size_t size_ = 0;
};

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
  Writer writer(out);
  if (value == 0.0) {
    writer.Put('0');
    return;
  }
  if (std::isnan(value)) {
    writer.Put("nan");
    return;
  }
  if (const auto hundredths = ExactHundredths(value)) {
    const std::uint64_t magnitude = static_cast<std::uint64_t>(*hundredths < 0 ? -*hundredths : *hundredths);
    if (*hundredths < 0) writer.Put('-');
    writer.Digits(magnitude / 100, 1);
    const std::uint64_t cents = magnitude % 100;
    if (cents != 0) {
      writer.Put(conventions_.decimal_separator);
      writer.Put(static_cast<char>('0' + cents / 10));
      if (cents % 10 != 0) writer.Put(static_cast<char>('0' + cents % 10));
    }
    return;
  }
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  writer.NumberChars(buffer, result.ptr, conventions_.decimal_separator);
}

void ValueFormatter::AppendCurrency(double amount, std::string& out) const {
  if (!std::isfinite(amount)) {
    AppendReal(amount, out);
    return;
  }
  Writer writer(out);
  if (const auto hundredths = ExactHundredths(amount)) {
    const std::uint64_t magnitude = static_cast<std::uint64_t>(*hundredths < 0 ? -*hundredths : *hundredths);
    if (*hundredths < 0) writer.Put('-');
    if (magnitude >= 100) writer.Digits(magnitude / 100, 1);  // "#.00": no digit before the separator below 1
    writer.Put(conventions_.decimal_separator);
    writer.Digits(magnitude % 100, 2);
    return;
  }
  // Large enough for the widest double in fixed notation.
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, amount, std::chars_format::fixed, 2);
  const char* begin = buffer;
  bool negative = *begin == '-';
  if (negative) ++begin;
  if (result.ptr - begin == 4 && begin[0] == '0' && begin[2] == '0' && begin[3] == '0') negative = false;  // -0.00
  if (negative) writer.Put('-');
  if (begin[0] == '0') ++begin;
  writer.NumberChars(begin, result.ptr, conventions_.decimal_separator);
}

void ValueFormatter::AppendDate(DateSerial value, std::string& out) const {
  const auto civil = BreakDown(value);
  if (!civil) return;
  Writer writer(out);
  const bool day_zero = civil->year == 1899 && civil->month == 12 && civil->day == 30;
  const bool midnight = civil->hour == 0 && civil->minute == 0 && civil->second == 0;
  if (!day_zero) {
    for (const PatternPart& part : short_date_) {
      switch (part.field) {
        case PatternField::Day: writer.Digits(civil->day, 1); break;
        case PatternField::Day2: writer.Digits(civil->day, 2); break;
        case PatternField::Month: writer.Digits(civil->month, 1); break;
        case PatternField::Month2: writer.Digits(civil->month, 2); break;
        case PatternField::Year2: writer.Digits(civil->year % 100, 2); break;
        case PatternField::Year4: writer.Digits(civil->year, 4); break;
        case PatternField::Literal: writer.Put(part.literal); break;
        default: break;  // time fields have no place in a date
      }
    }
    if (midnight) return;
    writer.Put(' ');
  }
  const int hour12 = civil->hour % 12 == 0 ? 12 : civil->hour % 12;
  const std::string& designator = civil->hour < 12 ? conventions_.am_designator : conventions_.pm_designator;
  for (const PatternPart& part : long_time_) {
    switch (part.field) {
      case PatternField::Hour12: writer.Digits(hour12, 1); break;
      case PatternField::Hour12Pad: writer.Digits(hour12, 2); break;
      case PatternField::Hour24: writer.Digits(civil->hour, 1); break;
      case PatternField::Hour24Pad: writer.Digits(civil->hour, 2); break;
      case PatternField::Minute: writer.Digits(civil->minute, 1); break;
      case PatternField::MinutePad: writer.Digits(civil->minute, 2); break;
      case PatternField::Second: writer.Digits(civil->second, 1); break;
      case PatternField::SecondPad: writer.Digits(civil->second, 2); break;
      case PatternField::AmPmFirst:
        if (!designator.empty()) writer.Put(designator.front());
        break;
      case PatternField::AmPm: writer.Put(designator); break;
      case PatternField::Literal: writer.Put(part.literal); break;
      default: break;  // date fields have no place in a time
    }
  }
}

void ValueFormatter::AppendShortTime(DateSerial value, std::string& out) const {
  const auto civil = BreakDown(value);
  if (!civil) return;
  Writer writer(out);
  writer.Digits(civil->hour, 2);
  writer.Put(conventions_.time_separator);
  writer.Digits(civil->minute, 2);
}

}  // namespace zelvane
