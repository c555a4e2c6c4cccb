#pragma once
// The user's conventions for numbers, dates and times, read from the system once.
// Everything that formats or reads a number, date or time takes them as a parameter,
// so that tests can pin them.

#include <string>
#include <string_view>

namespace zelvane {

struct LocaleConventions {
  std::string decimal_separator = ".";
  std::string time_separator = ":";
  std::string short_date_pattern = "M/d/yyyy";    // d, dd, M, MM, yy, yyyy and literals
  std::string long_time_pattern = "h:mm:ss tt";   // h, hh, H, HH, m, mm, s, ss, tt
  std::string am_designator = "AM";
  std::string pm_designator = "PM";
  int two_digit_year_max = 2029;  // years 0..99 map into (max - 99)..max

  friend bool operator==(const LocaleConventions&, const LocaleConventions&) = default;

  // The conventions used where the system names none (the C/POSIX locale).
  static LocaleConventions Fallback();
  // The system's conventions, read on first use and kept for the rest of the run.
  static const LocaleConventions& System();
  // The conventions of a POSIX locale from its nl_langinfo texts: the radix character,
  // the strftime formats of dates, times and 12-hour times, and the AM/PM strings. An
  // empty text, or a format with what the patterns cannot express, keeps the fallback's.
  static LocaleConventions FromPosix(std::string_view radix, std::string_view date_format,
                                     std::string_view time_format, std::string_view time_format_ampm,
                                     std::string_view am, std::string_view pm);
};

}  // namespace zelvane
