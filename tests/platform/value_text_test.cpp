#include "platform/value_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <string>
#include <tuple>

#include "platform/date_serial.h"

namespace zelvane {
namespace {

LocaleConventions German() {
  return {.decimal_separator = ",", .time_separator = ".", .short_date_pattern = "d.M.yyyy",
          .long_time_pattern = "HH.mm.ss"};
}

// The form under the fallback conventions and under German ones, appended to one string
// as "us | de", so that a hard-coded separator or an append that replaces shows.
template <typename Arg, typename V>
std::string Both(void (ValueFormatter::*append)(Arg, std::string&) const, const V& value) {
  static const ValueFormatter us{LocaleConventions{}}, de{German()};
  std::string out;
  (us.*append)(value, out);
  out += " | ";
  (de.*append)(value, out);
  return out;
}

// Amounts are written from their hundredths by a fast path; it must give what the general
// conversions give.
TEST(ValueText, HundredthsWriteAsTheGeneralConversionsDo) {
  const ValueFormatter de{German()};
  for (std::int64_t hundredths = -100'000; hundredths <= 100'000; hundredths += 7) {
    for (const std::int64_t k : {hundredths, hundredths * 2'147'483}) {
      char out[64], general[64];
      const double value = static_cast<double>(k) / 100.0;
      std::string real(general, std::to_chars(general, general + 64, value, std::chars_format::general, 15).ptr);
      std::string currency(general, std::to_chars(general, general + 64, value, std::chars_format::fixed, 2).ptr);
      std::replace(real.begin(), real.end(), '.', ',');
      std::replace(currency.begin(), currency.end(), '.', ',');
      if (currency.starts_with("0,") || currency.starts_with("-0,")) currency.erase(currency.find('0'), 1);
      ASSERT_EQ(std::string(out, de.WriteHundredths(k, out)), real) << k;
      ASSERT_EQ(std::string(out, de.WriteCurrencyHundredths(k, out)), currency) << k;
    }
  }
}

// The date in full, then the short time, which uses the twenty-four-hour clock.
TEST(ValueText, DatesShowTheTimeOnlyWhenNotMidnightAndDayZeroTheTimeAlone) {
  const double jan15 = MakeDate(2024, 1, 15, {})->days;
  const std::tuple<double, const char*, const char*> cases[] = {
      {0, "12:00:00 AM | 00.00.00", "00:00 | 00.00"}, {0.5, "12:00:00 PM | 12.00.00", "12:00 | 12.00"},
      {jan15, "1/15/2024 | 15.1.2024", "00:00 | 00.00"},
      {jan15 + (13 * 3600 + 5 * 60 + 50) / 86400.0, "1/15/2024 1:05:50 PM | 15.1.2024 13.05.50", "13:05 | 13.05"},
      {-1.25, "12/29/1899 6:00:00 AM | 29.12.1899 06.00.00", "06:00 | 06.00"},
      {-657434, "1/1/0100 | 1.1.0100", "00:00 | 00.00"}, {0.999999999, "12/31/1899 | 31.12.1899", "00:00 | 00.00"},
      {2958466, " | ", " | "},
  };
  for (const auto& [serial, date, time] : cases) {
    EXPECT_EQ(Both(&ValueFormatter::AppendDate, DateSerial{serial}), date);
    EXPECT_EQ(Both(&ValueFormatter::AppendShortTime, DateSerial{serial}), time) << serial;
  }
}

TEST(ValueText, DatePatternsHonourPaddingQuotesAndDesignators) {
  const LocaleConventions c{
      .short_date_pattern = "yyyy-MM-dd 'd' yy''", .long_time_pattern = "hh:m:s t", .am_designator = "vorm."};
  const double serial = MakeDate(2005, 3, 5, c)->days + (7 * 3600 + 8 * 60 + 9) / 86400.0;
  std::string out;
  ValueFormatter(c).AppendDate(DateSerial{serial}, out);
  EXPECT_EQ(out, "2005-03-05 d 05' 07:8:9 v");
}

}  // namespace
}  // namespace zelvane
