#include "generator/numeric_generators.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "platform/date_serial.h"

namespace zelvane {
namespace {

constexpr float kL = RandomSource::kLargest;
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();

LocaleConventions German() {
  return {.decimal_separator = ",", .time_separator = ".", .short_date_pattern = "d.M.yyyy",
          .long_time_pattern = "HH.mm.ss"};
}

TEST(NumericGenerators, RandomIntegerDrawsOnceAndFloors) {
  struct Case { std::int32_t size; float r; std::int32_t value; };
  const Case cases[] = {
      {1, kL, 1},     {0, kL, 1},      {100, 0, 1},     {100, kL, 100}, {100, 0.5f, 51}, {-5, 0, 1},
      {-5, kL, -4},   {-2, 0.5f, 0},   {kMax32, kL, 2147483520}, {kMin32, kL, -2147483519}, {kMin32, 0, 1},
  };
  for (const Case& c : cases) {
    RandomSource random = RandomSource::Scripted({c.r});
    EXPECT_EQ(RandomInteger(random, c.size), c.value) << c.size << " r=" << c.r;
    EXPECT_EQ(random.DrawCount(), 1u);
  }
}

TEST(NumericGenerators, RandomDoubleAndCurrencyShareTheAmount) {
  const ValueFormatter us{LocaleConventions::Fallback()}, de{German()};
  struct Case { std::int32_t size; float r; double amount; const char* start; const char* us; const char* de; };
  const Case cases[] = {
      {0, kL, 0.01, "$", "$.01", "$,01"},          {100, 0, 0.01, "", ".01", ",01"},
      {100, kL, 100, "", "100.00", "100,00"},       {100, 7 / 2048.0f, 0.35, "", ".35", ",35"},
      {-5, 0, 0.01, "EUR ", "EUR .01", "EUR ,01"},  {-5, kL, -4.99, "", "-4.99", "-4,99"},
      {-5, 1 / 512.0f, 0, "", ".00", ",00"},  // -0.977 + 1 floors to 0
      {kMax32, kL, 2147483519.01, "", "2147483519.01", "2147483519,01"},
  };
  for (const Case& c : cases) {
    RandomSource random = RandomSource::Scripted({c.r, c.r, c.r});
    EXPECT_DOUBLE_EQ(RandomDouble(random, c.size), c.amount) << c.size << " r=" << c.r;
    char us_text[64], de_text[64];
    const PaddedText start(c.start);
    EXPECT_EQ(std::string(us_text, RandomCurrency(random, us, start, c.size, us_text)), c.us);
    EXPECT_EQ(std::string(de_text, RandomCurrency(random, de, start, c.size, de_text)), c.de);
    EXPECT_EQ(random.DrawCount(), 3u);
  }
}

TEST(NumericGenerators, UnlinkedDatesDrawDayMonthYearInThatOrder) {
  const LocaleConventions fallback;
  struct Case { std::int16_t start; std::int32_t size; float r1, r2, r3; CivilDateTime date; };
  const CivilDateTime day0{};
  const Case cases[] = {
      {1998, 5, 0, 0, 0, {1999, 1, 1}},        {1998, 5, kL, kL, kL, {2003, 12, 28}},
      {1998, 5, 0.5f, 0.25f, 0.5f, {2001, 4, 15}}, {0, 5, 0, 0, kL, {2005, 1, 1}},
      {1998, -5, 0, 0, kL, {1994, 1, 1}},      {28, 1, 0, 0, 0, {2029, 1, 1}},
      {29, 1, 0, 0, 0, {1930, 1, 1}},          {98, 5, 0, 0, kL, {103, 1, 1}},  // 103 is a year as written
      {32767, 10, 0, 0, 0, {2000, 1, 1}},      {-32768, -5, 0, 0, kL, {2000, 1, 1}},  // overflow: year 0
      {9990, 20, 0, 0, kL, day0},              {-200, 5, 0, 0, 0, day0},
      {1998, kMax32, 0, 0, kL, {2000, 1, 1}},
  };
  for (const Case& c : cases) {
    for (std::int16_t link : {std::int16_t{0}, std::int16_t{-1}}) {
      RandomSource random = RandomSource::Scripted({c.r1, c.r2, c.r3});
      const DateSerial date = RandomDate(random, fallback, c.start, c.size, link, DateSerial{12345.5});
      EXPECT_EQ(BreakDown(date), c.date) << c.start << " + " << c.size << " r3=" << c.r3;
      EXPECT_EQ(random.DrawCount(), 3u);
    }
  }
}

TEST(NumericGenerators, LinkedDatesAddOneToSizeDaysKeepingTheTime) {
  const double jan15 = MakeDate(2024, 1, 15, LocaleConventions::Fallback())->days;
  struct Case { double base; std::int32_t size; float r; double serial; };
  const Case cases[] = {
      {jan15 + 0.25, 1, kL, jan15 + 1.25}, {jan15, 0, 0.5f, jan15 + 1}, {jan15, 10, kL, jan15 + 10},
      {jan15, -5, kL, jan15 - 4},          {-1.25, 2, kL, 1.25},        {0, 1, 0, 1},
      {2958465.5, 1, 0, 0.0},              {jan15, kMax32, kL, 0.0},    {-657434, -5, kL, 0.0},
  };
  for (const Case& c : cases) {
    RandomSource random = RandomSource::Scripted({c.r});
    const DateSerial date = RandomDate(random, LocaleConventions::Fallback(), 1998, c.size, 3, DateSerial{c.base});
    EXPECT_DOUBLE_EQ(date.days, c.serial) << c.base << " + " << c.size << " r=" << c.r;
    EXPECT_EQ(random.DrawCount(), 1u);
  }
}

TEST(NumericGenerators, RandomTimeStepsFromTheStartInMinutes) {
  struct Case { const char* start; std::int32_t size; float r; std::optional<const char*> text; };
  const Case cases[] = {
      {"8:00", 15, 0, "08:15"},           {"8:00", 15, kL, "23:45"},        {"8:00", 0, kL, "08:00"},
      {"8:00:30", 15, 0, "08:15"},        {"23:59", 15, kL, "00:14"},       {"23:44", 15, kL, "23:59"},
      {"8:00", -15, 0, "07:45"},          {"8:00", -15, kL, "23:45"},       {"1/15/2024 8:00", 15, kL, "00:00"},
      {"12/29/1899 23:00", 60, kL, "23:00"}, {"8:00", kMax32, 0, "10:07"},  {"8:00", kMin32, 0, {}},
      {"8:00", kMin32, kL, "08:00"},      {"1/1/9000 8:00", kMax32, 0, {}},  // past 9999
      {"", 15, 0, {}},                    {"abc", 15, 0, {}},
  };
  const ValueFormatter formatter{LocaleConventions::Fallback()};
  for (const Case& c : cases) {
    const TimeStart start = ReadTimeStart(c.start, LocaleConventions::Fallback());
    RandomSource random = RandomSource::Scripted({c.r});
    char out[32];
    char* end = RandomTime(random, formatter, start, c.size, out);
    EXPECT_EQ(end != nullptr, c.text.has_value()) << c.start << " size " << c.size << " r=" << c.r;
    if (end) {
      EXPECT_EQ(std::string(out, end), *c.text) << c.start << " size " << c.size << " r=" << c.r;
    }
    EXPECT_EQ(random.DrawCount(), 1u);
  }
  RandomSource random = RandomSource::Scripted({0});
  char out[32];
  EXPECT_EQ(std::string(out, RandomTime(random, ValueFormatter{German()}, ReadTimeStart("8.00", German()), 15, out)),
            "08.15");
}

TEST(NumericGenerators, TimeStartHoldsTheSpanToOneMinuteBeforeMidnight) {
  struct Case { const char* start; bool readable; std::int32_t span; };
  const Case cases[] = {
      {"8:00", true, 959}, {"23:59:59", true, 0}, {"12/31/1899", true, -1}, {"12/29/1899 23:00", true, 1499},
      {"1/1/9999", true, 0},  // too far for 32 bits
      {"", false, 0},
  };
  for (const Case& c : cases) {
    const TimeStart start = ReadTimeStart(c.start, LocaleConventions::Fallback());
    EXPECT_EQ(start.readable, c.readable) << c.start;
    EXPECT_EQ(start.span, c.span) << c.start;
  }
}

}  // namespace
}  // namespace zelvane
