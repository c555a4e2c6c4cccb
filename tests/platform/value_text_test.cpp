#include "platform/value_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "platform/date_serial.h"

namespace zelvane {
namespace {

LocaleConventions German() {
  return {.decimal_separator = ",", .time_separator = ".", .short_date_pattern = "d.M.yyyy",
          .long_time_pattern = "HH.mm.ss"};
}

template <typename F>
std::string Formatted(F&& append) {
  std::string out = "|";  // appends, never replaces
  append(out);
  return out.substr(1);
}

TEST(ValueText, RealNumbersKeepFifteenDigitsWithoutTrailingZeros) {
  const ValueFormatter us{LocaleConventions::Fallback()}, de{German()};
  struct Case { double value; const char* us; const char* de; };
  const Case cases[] = {
      {0.07, "0.07", "0,07"},         {37.5, "37.5", "37,5"},        {12, "12", "12"},
      {-37.5, "-37.5", "-37,5"},      {0.1 + 0.2, "0.3", "0,3"},    {-0.0, "0", "0"},
      {1e-5, "1E-05", "1E-05"},       {0.0001, "0.0001", "0,0001"}, {1e20, "1E+20", "1E+20"},
      {123456789012345.0, "123456789012345", "123456789012345"},
      {1234567890123456.0, "1.23456789012346E+15", "1,23456789012346E+15"},
      {21474836.47, "21474836.47", "21474836,47"},
      {std::numeric_limits<double>::infinity(), "inf", "inf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Formatted([&](std::string& o) { us.AppendReal(c.value, o); }), c.us) << c.value;
    EXPECT_EQ(Formatted([&](std::string& o) { de.AppendReal(c.value, o); }), c.de) << c.value;
  }
}

// Generated amounts are written from their hundredths without the general conversion.
TEST(ValueText, HundredthsWriteAsTheirRealAndCurrencyForms) {
  const ValueFormatter de{German()};
  for (std::int64_t hundredths = -100'000; hundredths <= 100'000; hundredths += 7) {
    for (const std::int64_t k : {hundredths, hundredths * 2'147'483}) {
      char out[64];
      const double value = static_cast<double>(k) / 100.0;
      EXPECT_EQ(std::string(out, de.WriteHundredths(k, out)), Formatted([&](std::string& o) { de.AppendReal(value, o); }));
      std::string currency;
      de.AppendCurrency(value, currency);
      ASSERT_EQ(std::string(out, de.WriteCurrencyHundredths(k, out)), currency) << k;
    }
  }
}

TEST(ValueText, CurrencyHasTwoDecimalsAndNoDigitBeforeTheSeparatorBelowOne) {
  const ValueFormatter us{LocaleConventions::Fallback()}, de{German()};
  struct Case { double amount; const char* us; const char* de; };
  const Case cases[] = {
      {0.05, ".05", ",05"},          {12.3, "12.30", "12,30"},      {0, ".00", ",00"},
      {-0.05, "-.05", "-,05"},       {-12.3, "-12.30", "-12,30"},   {100, "100.00", "100,00"},
      {1234567.8, "1234567.80", "1234567,80"},                       {-0.001, ".00", ",00"},
      {21474836.47, "21474836.47", "21474836,47"},                   {1e300, nullptr, nullptr},
  };
  for (const Case& c : cases) {
    const std::string text = Formatted([&](std::string& o) { us.AppendCurrency(c.amount, o); });
    if (c.us == nullptr) {
      EXPECT_EQ(text.size(), 304u);
      continue;
    }
    EXPECT_EQ(text, c.us) << c.amount;
    EXPECT_EQ(Formatted([&](std::string& o) { de.AppendCurrency(c.amount, o); }), c.de) << c.amount;
  }
}

TEST(ValueText, DatesShowTheTimeOnlyWhenNotMidnightAndDayZeroTheTimeAlone) {
  const LocaleConventions fallback;
  const ValueFormatter us{fallback}, de{German()};
  const double jan15 = MakeDate(2024, 1, 15, fallback)->days;
  const double one_pm = (13 * 3600 + 5 * 60 + 9) / 86400.0;
  struct Case { double serial; const char* us; const char* de; };
  const Case cases[] = {
      {0, "12:00:00 AM", "00.00.00"},
      {0.5, "12:00:00 PM", "12.00.00"},
      {0.25, "6:00:00 AM", "06.00.00"},
      {jan15, "1/15/2024", "15.1.2024"},
      {jan15 + one_pm, "1/15/2024 1:05:09 PM", "15.1.2024 13.05.09"},
      {-1.25, "12/29/1899 6:00:00 AM", "29.12.1899 06.00.00"},
      {1, "12/31/1899", "31.12.1899"},
      {-657434, "1/1/0100", "1.1.0100"},
      {0.999999999, "12/31/1899", "31.12.1899"},
      {2958466, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Formatted([&](std::string& o) { us.AppendDate(DateSerial{c.serial}, o); }), c.us) << c.serial;
    EXPECT_EQ(Formatted([&](std::string& o) { de.AppendDate(DateSerial{c.serial}, o); }), c.de) << c.serial;
  }
}

TEST(ValueText, DatePatternsHonourPaddingQuotesAndDesignators) {
  const LocaleConventions c{
      .short_date_pattern = "yyyy-MM-dd 'd' yy", .long_time_pattern = "hh:m:s t", .am_designator = "vorm."};
  const double serial = MakeDate(2024, 3, 5, c)->days + (7 * 3600 + 8 * 60 + 9) / 86400.0;
  EXPECT_EQ(Formatted([&](std::string& o) { ValueFormatter(c).AppendDate(DateSerial{serial}, o); }),
            "2024-03-05 d 24 07:8:9 v");
}

TEST(ValueText, ShortTimeUsesTheTwentyFourHourClock) {
  const ValueFormatter us{LocaleConventions::Fallback()}, de{German()};
  struct Case { double serial; const char* us; const char* de; };
  const Case cases[] = {
      {495 / 1440.0, "08:15", "08.15"},
      {1 + 14 / 1440.0, "00:14", "00.14"},
      {(17 * 60 + 45) / 1440.0 + 50 / 86400.0, "17:45", "17.45"},
      {-1.75, "18:00", "18.00"},
      {1e9, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Formatted([&](std::string& o) { us.AppendShortTime(DateSerial{c.serial}, o); }), c.us);
    EXPECT_EQ(Formatted([&](std::string& o) { de.AppendShortTime(DateSerial{c.serial}, o); }), c.de);
  }
}

TEST(ValueText, LastColumnPadsNumbersOnly) {
  const ValueFormatter us{LocaleConventions::Fallback()};
  struct Case { Value value; const char* text; const char* last; };
  const Case cases[] = {
      {Value{}, "", ""},
      {Value{std::int32_t{7}}, "7", " 7 "},
      {Value{std::int32_t{0}}, "0", " 0 "},
      {Value{std::int32_t{-5}}, "-5", "-5 "},
      {Value{std::numeric_limits<std::int32_t>::min()}, "-2147483648", "-2147483648 "},
      {Value{37.5}, "37.5", " 37.5 "},
      {Value{-0.0}, "0", " 0 "},
      {Value{-0.01}, "-0.01", "-0.01 "},
      {Value{DateSerial{0.5}}, "12:00:00 PM", "12:00:00 PM"},
      {Value{std::string(" a,b ")}, " a,b ", " a,b "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Formatted([&](std::string& o) { us.AppendText(c.value, o); }), c.text);
    EXPECT_EQ(Formatted([&](std::string& o) { us.AppendLastColumn(c.value, o); }), c.last);
  }
}

}  // namespace
}  // namespace zelvane
