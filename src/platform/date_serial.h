#pragma once
// Calendar arithmetic on day serials (days since 30 December 1899, the time of day as
// the fraction), valid from 1 January 100 to 31 December 9999, and reading a text as a
// date, a time or both. A result outside the valid range gives nothing.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/locale_conventions.h"
#include "platform/value.h"

namespace zelvane {

inline constexpr std::int64_t kFirstDateDay = -657434;  // 1 January 100
inline constexpr std::int64_t kLastDateDay = 2958465;   // 31 December 9999
inline constexpr std::int64_t kMsPerDay = 86'400'000;
inline constexpr std::int64_t kMsPerMinute = 60'000;
// Day 0 counted from 1 March of year 0 of the proleptic Gregorian calendar, where the
// 400-year cycles of the calendar arithmetic begin.
inline constexpr std::int64_t kDayZeroFromCycleStart = 693'899;

// Whether a serial is a whole day of the valid range, as generated dates mostly are.
inline bool IsWholeDay(double days) {
  return days >= static_cast<double>(kFirstDateDay) && days <= static_cast<double>(kLastDateDay) &&
         days == static_cast<double>(static_cast<std::int64_t>(days));
}

// The serial of a date that exists in years 100 to 9999; no checks.
inline std::int64_t DayOfDate(int year, int month, int day) {
  // Whole 400-year cycles from 1 March of year 0, each year beginning in March so that
  // the leap day ends it.
  const std::int64_t y = year - (month <= 2 ? 1 : 0);
  const std::int64_t cycle = y / 400;
  const std::int64_t year_of_cycle = y - cycle * 400;
  const std::int64_t day_of_year = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const std::int64_t day_of_cycle = year_of_cycle * 365 + year_of_cycle / 4 - year_of_cycle / 100 + day_of_year;
  return cycle * 146097 + day_of_cycle - kDayZeroFromCycleStart;
}

// A moment as the calendar shows it, to the nearest second.
struct CivilDateTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0;
  friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

// Before day 0 the whole part counts back and the fraction still counts forward as the
// time of day: -1.25 is 29 December 1899, 06:00.
std::optional<CivilDateTime> BreakDown(DateSerial date);
// The calendar date of a whole day in the valid range, at midnight.
CivilDateTime CivilDay(std::int64_t day);

// A moment as milliseconds on one forward-running line: the day times the milliseconds of
// a day, plus the time of day. Repeated arithmetic on moments (a time field's start plus
// so many minutes) stays in whole milliseconds this way.
std::optional<std::int64_t> LinearMs(DateSerial date);
// The moment so many minutes later, as AddMinutes gives it; nothing outside the valid range.
inline std::optional<std::int64_t> AddMinutesLinear(std::int64_t linear_ms, std::int64_t minutes) {
  if (minutes > 10'000'000'000 || minutes < -10'000'000'000) return std::nullopt;
  const std::int64_t moment = linear_ms + minutes * kMsPerMinute;
  if (moment < kFirstDateDay * kMsPerDay || moment >= (kLastDateDay + 1) * kMsPerDay) return std::nullopt;
  return moment;
}
// The time of day of a moment in the valid range, to the nearest second, as BreakDown
// gives it.
struct ClockTime {
  int hour = 0, minute = 0, second = 0;
};
inline ClockTime ClockTimeOfSecond(int second_of_day) {
  return {second_of_day / 3600, second_of_day / 60 % 60, second_of_day % 60};
}
ClockTime ClockTimeOfAnyDay(std::int64_t linear_ms);
inline ClockTime ClockTimeOf(std::int64_t linear_ms) {
  // From day 0 on, before the last day, plain division gives the nearest second.
  if (linear_ms < 0 || linear_ms >= kLastDateDay * kMsPerDay) return ClockTimeOfAnyDay(linear_ms);
  return ClockTimeOfSecond(static_cast<int>(static_cast<std::uint64_t>(linear_ms + 500) / 1000 % 86400));
}
// A number of days as a date; nothing outside the valid range (or not finite).
std::optional<DateSerial> DateFromSerial(double days);

// Years 0..99 are read through the conventions' two-digit-year window.
std::optional<DateSerial> MakeDate(int year, int month, int day, const LocaleConventions& conventions);
// Whole calendar days (a fraction rounds half to even), the time of day kept.
std::optional<DateSerial> AddDays(DateSerial date, double days);
std::optional<DateSerial> AddMinutes(DateSerial date, std::int64_t minutes);
// Minutes from one moment to another, counted as minute boundaries crossed; 0 when
// either lies outside the valid range.
std::int64_t MinutesBetween(DateSerial from, DateSerial to);
// Reads texts by one set of conventions, the order of day, month and year worked out
// from the short date pattern once.
class DateTimeParser {
 public:
  explicit DateTimeParser(const LocaleConventions& conventions);
  // A date, a time ("8:00", "11:59 pm") or both; a time alone falls on day 0. Texts that
  // are neither give nothing.
  std::optional<DateSerial> Read(std::string_view text) const;

 private:
  class Reader;
  enum class DatePart : unsigned char { Day, Month, Year };

  LocaleConventions conventions_;
  std::array<DatePart, 3> date_order_{DatePart::Month, DatePart::Day, DatePart::Year};
  std::string date_separators_ = "/-.";  // besides these, the pattern's own literals
};

// As DateTimeParser(conventions).Read(text).
std::optional<DateSerial> ReadDateTime(std::string_view text, const LocaleConventions& conventions);

}  // namespace zelvane
