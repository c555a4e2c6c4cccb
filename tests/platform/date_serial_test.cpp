#include "platform/date_serial.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace zelvane {
namespace {

std::optional<CivilDateTime> Civil(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return CivilDateTime{y, mo, d, h, mi, s};
}

double Day(int y, int m, int d) { return MakeDate(y, m, d, {}).value().days; }

TEST(DateSerial, MakeDateFollowsTheCalendarAndTheTwoDigitWindow) {
  struct Case { int y, m, d; std::optional<double> serial; int window = 2029; };
  const Case cases[] = {
      {1899, 12, 30, 0.0}, {1900, 3, 1, 61.0}, {2000, 2, 29, 36585.0}, {1900, 2, 29, {}}, {2100, 2, 29, {}},
      {100, 1, 1, -657434.0}, {9999, 12, 31, 2958465.0}, {10000, 1, 1, {}}, {2024, 4, 31, {}}, {2024, 13, 1, {}},
      {29, 1, 1, Day(2029, 1, 1)}, {30, 1, 1, Day(1930, 1, 1)}, {-1, 1, 1, {}},
      {49, 1, 1, Day(2049, 1, 1), 2049}, {50, 1, 1, Day(1950, 1, 1), 2049},
  };
  for (const Case& c : cases) {
    const auto date = MakeDate(c.y, c.m, c.d, {.two_digit_year_max = c.window});
    EXPECT_EQ(date ? std::optional(date->days) : std::nullopt, c.serial) << c.y << "-" << c.m << "-" << c.d;
  }
}

TEST(DateSerial, EveryDayOfTheRangeRoundTripsThroughTheCalendar) {
  for (std::int64_t day = kFirstDateDay; day <= kLastDateDay; ++day) {
    const CivilDateTime civil = CivilDay(day);
    const auto back = MakeDate(civil.year, civil.month, civil.day, {});
    ASSERT_EQ(back ? back->days : 0.5, static_cast<double>(day));
  }
}

TEST(DateSerial, BeforeDayZeroTheFractionStillCountsForward) {
  struct Case { double serial; std::optional<CivilDateTime> civil; };
  const Case cases[] = {
      {0.0, Civil(1899, 12, 30)}, {-1.25, Civil(1899, 12, 29, 6)}, {-0.5, Civil(1899, 12, 30, 12)},
      {1.75, Civil(1899, 12, 31, 18)}, {-657434.5, Civil(100, 1, 1, 12)},
      {2958465.999, Civil(9999, 12, 31, 23, 58, 34)},
      {0.999999999, Civil(1899, 12, 31)},  // rounds to the next midnight
      {-657435.0, {}}, {2958466.0, {}}, {std::numeric_limits<double>::quiet_NaN(), {}},
      {std::numeric_limits<double>::infinity(), {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BreakDown(DateSerial{c.serial}), c.civil) << c.serial;
    EXPECT_EQ(DateFromSerial(c.serial).has_value(), c.civil.has_value()) << c.serial;
  }
}

TEST(DateSerial, MinutesBetweenCountsMinuteBoundariesCrossed) {
  const double minute = 1.0 / 1440.0, second = minute / 60.0;
  struct Case { double from, to; std::int64_t minutes; };
  const Case cases[] = {
      {480 * minute, 1439 * minute, 959}, {480 * minute + 59 * second, 481 * minute, 1},
      {480 * minute, 480 * minute + 59 * second, 0}, {1439 * minute, 480 * minute, -959},
      {-1.75, 0.25, 12 * 60},  // 29 Dec 18:00 to 30 Dec 06:00
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MinutesBetween(DateSerial{c.from}, DateSerial{c.to}), c.minutes) << c.from << " -> " << c.to;
  }
}

TEST(DateSerial, ReadsDatesTimesAndBothByTheConventions) {
  const LocaleConventions de{.decimal_separator = ",", .short_date_pattern = "d.M.yyyy"};
  struct Case { const char* text; std::optional<CivilDateTime> civil; bool german = false; };
  const Case cases[] = {
      {"8:00", Civil(1899, 12, 30, 8)}, {"11:59 pm", Civil(1899, 12, 30, 23, 59)},
      {"11:59PM", Civil(1899, 12, 30, 23, 59)}, {"12:00 am", Civil(1899, 12, 30, 0)},
      {"12:30 PM", Civil(1899, 12, 30, 12, 30)}, {"8 pm", Civil(1899, 12, 30, 20)},
      {"  8:00:30\t", Civil(1899, 12, 30, 8, 0, 30)}, {"1/15/2024 8:30", Civil(2024, 1, 15, 8, 30)},
      {"12/29/1899 6:00 AM", Civil(1899, 12, 29, 6)}, {"1/15/24", Civil(2024, 1, 15)},
      {"1/15/30", Civil(1930, 1, 15)}, {"1/1/0100", Civil(100, 1, 1)},
      {"2024-01-15 23:59:59", Civil(2024, 1, 15, 23, 59, 59), true}, {"15.1.2024", Civil(2024, 1, 15), true},
      {"15/1/24", Civil(2024, 1, 15), true},
      // Nothing that is not plainly a date or a time.
      {"", {}}, {"abc", {}}, {"8", {}}, {"24:00", {}}, {"8:60", {}}, {"13:00 pm", {}}, {"8:00 xyz", {}},
      {"2/30/2024", {}}, {"1/15/0099", {}}, {"1/1/10000", {}}, {"1/15/2024abc", {}}, {"1/15", {}},
      {"1/15/2024 8", {}}, {"1/15/2024/8:30", {}}, {"15.1.2024", {}}, {"1/15/2024", {}, true},
      {"8:00 8:00", {}}, {"123456789012:00", {}},
  };
  for (const Case& c : cases) {
    const auto date = ReadDateTime(c.text, c.german ? de : LocaleConventions{});
    EXPECT_EQ(date ? BreakDown(*date) : std::nullopt, c.civil) << '"' << c.text << '"';
  }
}

// The parser keeps its own copy of the conventions, made from a temporary here, and
// reads every text by the order and separators of that pattern.
TEST(DateSerial, AParserReadsEveryTextByTheConventionsItWasMadeWith) {
  const DateTimeParser parser(LocaleConventions{.short_date_pattern = "yy_MM_dd", .two_digit_year_max = 2049});
  struct Case { const char* text; std::optional<CivilDateTime> civil; };
  const Case cases[] = {
      {"24_01_15", Civil(2024, 1, 15)}, {"48-12-31 8:00", Civil(2048, 12, 31, 8)}, {"1/15/24", {}},
      {"2024_1_15", Civil(2024, 1, 15)}, {"11:59 pm", Civil(1899, 12, 30, 23, 59)}, {"24:01:15", {}},
  };
  for (const Case& c : cases) {
    const auto date = parser.Read(c.text);
    EXPECT_EQ(date ? BreakDown(*date) : std::nullopt, c.civil) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace zelvane
