#pragma once
// The text forms of values in the data file. A formatter prepares the conventions'
// patterns once. The Write functions put a form into room the caller has made (at most
// the length their bound names) and return the end of what they wrote, so that a run
// formats straight into its output; the Append functions add a form to a string.

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date_pattern.h"
#include "platform/date_serial.h"
#include "platform/locale_conventions.h"
#include "platform/value.h"

namespace zelvane {

namespace detail {

// Separators, designators and pattern literals are a few characters each.
inline char* Put(std::string_view text, char* out) {
  for (const char c : text) *out++ = c;
  return out;
}

inline constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// A non-negative number below 100, padded to two digits when the width asks for it.
inline char* Small(unsigned value, int width, char* out) {
  if (value < 10 && width < 2) {
    *out = static_cast<char>('0' + value);
    return out + 1;
  }
  std::memcpy(out, kDigitPairs + 2 * value, 2);
  return out + 2;
}

inline char* Unsigned(std::uint64_t value, char* out) {
  if (value < 100) return Small(static_cast<unsigned>(value), 1, out);
  return std::to_chars(out, out + 20, value).ptr;
}

}  // namespace detail

class ValueFormatter {
 public:
  explicit ValueFormatter(const LocaleConventions& conventions);

  // The text form: used for every column but the last.
  void AppendText(const Value& value, std::string& out) const;
  // The last column: a whole or real number gets a blank before it when not negative
  // and always one after it.
  void AppendLastColumn(const Value& value, std::string& out) const;

  void AppendWhole(std::int32_t value, std::string& out) const;
  // Rounded to 15 significant digits, trailing zeros and a bare separator dropped; an
  // exponent (1E+20, 1E-05) below 1E-04 and from 1E+15 on; negative zero shows as 0.
  void AppendReal(double value, std::string& out) const;
  // The short date form, a blank and the long time when the time is not midnight;
  // day 0 shows the time alone. A date outside the valid range appends nothing.
  void AppendDate(DateSerial value, std::string& out) const;
  // The pattern "#.00": no digit before the separator below 1, exactly two decimals.
  void AppendCurrency(double amount, std::string& out) const;
  // "Short Time": the 24-hour clock, hh and mm joined by the time separator.
  // A date outside the valid range appends nothing.
  void AppendShortTime(DateSerial value, std::string& out) const;

  static constexpr std::size_t kMaxWholeLength = 11;
  char* WriteWhole(std::int32_t value, char* out) const {
    if (value >= 0 && value < 100) return detail::Small(static_cast<unsigned>(value), 1, out);
    return std::to_chars(out, out + kMaxWholeLength, value).ptr;
  }
  // WriteReal, WriteHundredths and WriteCurrencyHundredths write at most this much.
  std::size_t MaxNumberLength() const { return max_number_length_; }
  char* WriteReal(double value, char* out) const;
  // A number of hundredths below 1E+13 in size, in the real form and in "#.00": the text
  // of hundredths / 100 without the general conversion.
  char* WriteHundredths(std::int64_t hundredths, char* out) const {
    if (hundredths < 0) *out++ = '-';
    const std::uint64_t magnitude = static_cast<std::uint64_t>(hundredths < 0 ? -hundredths : hundredths);
    out = detail::Unsigned(magnitude / 100, out);
    const unsigned cents = static_cast<unsigned>(magnitude % 100);
    if (cents == 0) return out;
    out = WriteSeparator(out);
    *out++ = static_cast<char>('0' + cents / 10);
    if (cents % 10 != 0) *out++ = static_cast<char>('0' + cents % 10);
    return out;
  }
  char* WriteCurrencyHundredths(std::int64_t hundredths, char* out) const {
    if (hundredths < 0) *out++ = '-';
    const std::uint64_t magnitude = static_cast<std::uint64_t>(hundredths < 0 ? -hundredths : hundredths);
    if (magnitude >= 100) out = detail::Unsigned(magnitude / 100, out);  // "#.00": no digit before the separator below 1
    return detail::Small(static_cast<unsigned>(magnitude % 100), 2, WriteSeparator(out));
  }
  std::size_t MaxDateLength() const { return max_date_length_; }
  char* WriteDate(DateSerial value, char* out) const;
  std::size_t MaxShortTimeLength() const { return 4 + conventions_.time_separator.size(); }
  char* WriteShortTime(ClockTime time, char* out) const {
    out = detail::Small(static_cast<unsigned>(time.hour), 2, out);
    if (conventions_.time_separator.size() == 1) {
      *out++ = conventions_.time_separator[0];
    } else {
      out = detail::Put(conventions_.time_separator, out);
    }
    return detail::Small(static_cast<unsigned>(time.minute), 2, out);
  }

 private:
  char* WriteSeparator(char* out) const {
    if (conventions_.decimal_separator.size() != 1) return detail::Put(conventions_.decimal_separator, out);
    *out = conventions_.decimal_separator[0];
    return out + 1;
  }
  char* WriteDateParts(const CivilDateTime& civil, char* out) const;
  char* WriteTimeParts(const CivilDateTime& civil, char* out) const;

  LocaleConventions conventions_;
  std::vector<PatternPart> short_date_;
  std::vector<PatternPart> long_time_;
  std::size_t max_number_length_ = 0;
  std::size_t max_date_length_ = 0;
};

}  // namespace zelvane
