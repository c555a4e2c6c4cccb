#pragma once
// The text forms of values in the data file. A formatter prepares the conventions'
// patterns once, so that formatting a value allocates nothing but the output's growth.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/date_pattern.h"
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

 private:
  LocaleConventions conventions_;
  std::vector<PatternPart> short_date_;
  std::vector<PatternPart> long_time_;
};

}  // namespace zelvane
