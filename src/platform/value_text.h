#pragma once
// The text forms of values in the data file. A formatter prepares the conventions'
// patterns once. The Write functions put a form into room the caller has made (at most
// the length their bound names) and return the end of what they wrote, so that a run
// formats straight into its output; the Append functions add a form to a string.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/date_pattern.h"
#include "platform/date_serial.h"
#include "platform/locale_conventions.h"
#include "platform/value.h"

namespace zelvane {

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
  char* WriteWhole(std::int32_t value, char* out) const;
  // WriteReal, WriteHundredths and WriteCurrencyHundredths write at most this much.
  std::size_t MaxNumberLength() const { return max_number_length_; }
  char* WriteReal(double value, char* out) const;
  // A number of hundredths below 1E+13 in size, in the real form and in "#.00": the text
  // of hundredths / 100 without the general conversion.
  char* WriteHundredths(std::int64_t hundredths, char* out) const;
  char* WriteCurrencyHundredths(std::int64_t hundredths, char* out) const;
  std::size_t MaxDateLength() const { return max_date_length_; }
  char* WriteDate(DateSerial value, char* out) const;
  std::size_t MaxShortTimeLength() const { return 4 + conventions_.time_separator.size(); }
  char* WriteShortTime(ClockTime time, char* out) const;

 private:
  char* WriteDateParts(const CivilDateTime& civil, char* out) const;
  char* WriteTimeParts(const CivilDateTime& civil, char* out) const;

  LocaleConventions conventions_;
  std::vector<PatternPart> short_date_;
  std::vector<PatternPart> long_time_;
  std::size_t max_number_length_ = 0;
  std::size_t max_date_length_ = 0;
};

}  // namespace zelvane
