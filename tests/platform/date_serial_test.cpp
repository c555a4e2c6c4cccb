#include "platform/date_serial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace zelvane {
namespace {

LocaleConventions German() {
  return {.decimal_separator = ",", .short_date_pattern = "d.M.yyyy", .long_time_pattern = "HH:mm:ss"};
}

std::optional<CivilDateTime> Civil(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return CivilDateTime{y, mo, d, h, mi, s};
}

double Day(int y, int m, int d) { return MakeDate(y, m, d, LocaleConventions::Fallback()).value().days; }

TEST(DateSerial, MakeDateFollowsTheCalendarAndTheTwoDigitWindow) {
  const LocaleConventions fallback;
  LocaleConventions window_2049;
  window_2049.two_digit_year_max = 2049;
  struct Case { int y, m, d; const LocaleConventions* c; std::optional<double> serial; };
  const Case cases[] = {
      {1899, 12, 30, &fallback, 0.0},     {1900, 1, 1, &fallback, 2.0},
      {1900, 3, 1, &fallback, 61.0},      {2000, 2, 29, &fallback, 36585.0},
      {1900, 2, 29, &fallback, {}},       {2100, 2, 29, &fallback, {}},
      {100, 1, 1, &fallback, -657434.0},  {9999, 12, 31, &fallback, 2958465.0},
      {10000, 1, 1, &fallback, {}},       {2024, 4, 31, &fallback, {}},
      {2024, 13, 1, &fallback, {}},       {2024, 0, 1, &fallback, {}},
      {0, 1, 1, &fallback, Day(2000, 1, 1)},   {29, 1, 1, &fallback, Day(2029, 1, 1)},
      {30, 1, 1, &fallback, Day(1930, 1, 1)},  {99, 1, 1, &fallback, Day(1999, 1, 1)},
      {49, 1, 1, &window_2049, Day(2049, 1, 1)}, {50, 1, 1, &window_2049, Day(1950, 1, 1)},
      {-1, 1, 1, &fallback, {}},
  };
  for (const Case& c : cases) {
    const auto date = MakeDate(c.y, c.m, c.d, *c.c);
    ASSERT_EQ(date.has_value(), c.serial.has_value()) << c.y << "-" << c.m << "-" << c.d;
    if (date) {
      EXPECT_EQ(date->days, *c.serial) << c.y << "-" << c.m << "-" << c.d;
    }
  }
}

TEST(DateSerial, EveryDayOfTheRangeRoundTripsThroughTheCalendar) {
  for (std::int64_t day = kFirstDateDay; day <= kLastDateDay; ++day) {
    const CivilDateTime civil = CivilDay(day);
    const auto back = MakeDate(civil.year, civil.month, civil.day, LocaleConventions::Fallback());
    ASSERT_TRUE(back.has_value()) << day;
    ASSERT_EQ(back->days, static_cast<double>(day));
  }
  EXPECT_EQ(CivilDay(kFirstDateDay), *Civil(100, 1, 1));
  EXPECT_EQ(CivilDay(kLastDateDay), *Civil(9999, 12, 31));
}

TEST(DateSerial, BeforeDayZeroTheFractionStillCountsForward) {
  struct Case { double serial; std::optional<CivilDateTime> civil; };
  const Case cases[] = {
      {0.0, Civil(1899, 12, 30)},
      {-1.25, Civil(1899, 12, 29, 6)},
      {-0.5, Civil(1899, 12, 30, 12)},
      {1.75, Civil(1899, 12, 31, 18)},
      {-657434.5, Civil(100, 1, 1, 12)},
      {2958465.999, Civil(9999, 12, 31, 23, 58, 34)},
      {0.999999999, Civil(1899, 12, 31)},  // rounds to the next midnight
      {-657435.0, {}},
      {2958466.0, {}},
      {std::numeric_limits<double>::quiet_NaN(), {}},
      {std::numeric_limits<double>::infinity(), {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BreakDown(DateSerial{c.serial}), c.civil) << c.serial;
    EXPECT_EQ(DateFromSerial(c.serial).has_value(), c.civil.has_value()) << c.serial;
  }
}

TEST(DateSerial, AddingDaysKeepsTheTimeOfDayAcrossDayZero) {
  struct Case { double from, days; std::optional<double> to; };
  const Case cases[] = {
      {-1.25, 2, 1.25},  {1.25, -2, -1.25},  {-1.25, 1, 0.25},
      {36000.5, 1.5, 36002.5}, {36000.5, 0.5, 36000.5},  // fractions round half to even
      {2958465.5, 1, {}}, {-657434.0, -1, {}}, {0, 1e12, {}},
      {0, std::numeric_limits<double>::infinity(), {}},
  };
  for (const Case& c : cases) {
    const auto date = AddDays(DateSerial{c.from}, c.days);
    ASSERT_EQ(date.has_value(), c.to.has_value()) << c.from << " + " << c.days;
    if (date) {
      EXPECT_DOUBLE_EQ(date->days, *c.to) << c.from << " + " << c.days;
    }
  }
}

TEST(DateSerial, AddingMinutesRunsForwardThroughMidnightAndDayZero) {
  const double eight = 8.0 / 24.0;
  struct Case { double from; std::int64_t minutes; std::optional<CivilDateTime> to; };
  const Case cases[] = {
      {(23 * 60 + 59) / 1440.0, 15, Civil(1899, 12, 31, 0, 14)},
      {-1.75, 480, Civil(1899, 12, 30, 2)},
      {eight, -8 * 60 - 1, Civil(1899, 12, 29, 23, 59)},
      {2958465.5, 12 * 60, {}},
      {eight, std::numeric_limits<std::int64_t>::max(), {}},
  };
  for (const Case& c : cases) {
    const auto date = AddMinutes(DateSerial{c.from}, c.minutes);
    ASSERT_EQ(date.has_value(), c.to.has_value()) << c.from << " + " << c.minutes;
    if (date) {
      EXPECT_EQ(BreakDown(*date), c.to) << c.from << " + " << c.minutes;
    }
  }
}

TEST(DateSerial, MinutesBetweenCountsMinuteBoundariesCrossed) {
  const double minute = 1.0 / 1440.0, second = minute / 60.0;
  struct Case { double from, to; std::int64_t minutes; };
  const Case cases[] = {
      {480 * minute, 1439 * minute, 959},
      {1439 * minute, 1439 * minute, 0},
      {480 * minute + 59 * second, 481 * minute, 1},
      {480 * minute, 480 * minute + 59 * second, 0},
      {1439 * minute, 480 * minute, -959},
      {-1.75, 0.25, 12 * 60},  // 29 Dec 18:00 to 30 Dec 06:00
      {1.0, 0.0, -1440},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MinutesBetween(DateSerial{c.from}, DateSerial{c.to}), c.minutes) << c.from << " -> " << c.to;
  }
}

TEST(DateSerial, ReadsDatesTimesAndBothByTheConventions) {
  const LocaleConventions us;
  const LocaleConventions de = German();
  struct Case { const char* text; const LocaleConventions* c; std::optional<CivilDateTime> civil; };
  const Case cases[] = {
      {"8:00", &us, Civil(1899, 12, 30, 8)},
      {"15:00", &us, Civil(1899, 12, 30, 15)},
      {"11:59 pm", &us, Civil(1899, 12, 30, 23, 59)},
      {"11:59PM", &us, Civil(1899, 12, 30, 23, 59)},
      {"12:00 am", &us, Civil(1899, 12, 30, 0)},
      {"12:30 PM", &us, Civil(1899, 12, 30, 12, 30)},
      {"8 pm", &us, Civil(1899, 12, 30, 20)},
      {"  8:00:30\t", &us, Civil(1899, 12, 30, 8, 0, 30)},
      {"23:59", &us, Civil(1899, 12, 30, 23, 59)},
      {"1/15/2024", &us, Civil(2024, 1, 15)},
      {"1/15/2024 8:30", &us, Civil(2024, 1, 15, 8, 30)},
      {"12/29/1899 6:00 AM", &us, Civil(1899, 12, 29, 6)},
      {"1/15/24", &us, Civil(2024, 1, 15)},
      {"1/15/30", &us, Civil(1930, 1, 15)},
      {"1/1/0100", &us, Civil(100, 1, 1)},
      {"2024-01-15", &us, Civil(2024, 1, 15)},
      {"2024-01-15 23:59:59", &de, Civil(2024, 1, 15, 23, 59, 59)},
      {"15.1.2024", &de, Civil(2024, 1, 15)},
      {"15.01.2024 08:30", &de, Civil(2024, 1, 15, 8, 30)},
      {"15/1/24", &de, Civil(2024, 1, 15)},
      {"8:00", &de, Civil(1899, 12, 30, 8)},
      // Nothing that is not plainly a date or a time.
      {"", &us, {}}, {"   ", &us, {}}, {"abc", &us, {}}, {"8", &us, {}},
      {"24:00", &us, {}}, {"8:60", &us, {}}, {"13:00 pm", &us, {}}, {"8:00 xyz", &us, {}},
      {"2/30/2024", &us, {}}, {"1/15/0099", &us, {}}, {"1/1/10000", &us, {}},
      {"1/15/2024abc", &us, {}}, {"1/15", &us, {}}, {"1/15/2024 8", &us, {}},
      {"15.1.2024", &us, {}}, {"1/15/2024", &de, {}}, {"8:00 8:00", &us, {}},
      {"123456789012:00", &us, {}},
  };
  for (const Case& c : cases) {
    const auto date = ReadDateTime(c.text, *c.c);
    ASSERT_EQ(date.has_value(), c.civil.has_value()) << '"' << c.text << '"';
    if (date) {
      EXPECT_EQ(BreakDown(*date), c.civil) << '"' << c.text << '"';
    }
  }
}

TEST(DateSerial, ATimeBeforeDayZeroReadsAsANegativeSerial) {
  EXPECT_DOUBLE_EQ(ReadDateTime("12/29/1899 6:00", LocaleConventions::Fallback())->days, -1.25);
}

}  // namespace
}  // namespace zelvane
