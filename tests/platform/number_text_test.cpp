#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace zelvane {
namespace {

LocaleConventions CommaDecimal() { return {.decimal_separator = ","}; }

TEST(NumberText, LeadingNumberSkipsBlanksAndStopsAtTheFirstStranger) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case { const char* text; double value; };
  const Case cases[] = {
      {"1998", 1998},   {"  19 98", 1998}, {"\t1\n9x", 19},  {"12abc", 12},   {"abc", 0},
      {"", 0},          {"-5", -5},        {"- 5", -5},      {"+7", 7},       {"--5", 0},
      {"3.7", 3.7},     {"3,7", 3},        {".5", 0.5},      {"5.", 5},       {".", 0},
      {"1.2.3", 1.2},   {"1e3", 1000},     {"1 E -2", 0.01}, {"1e", 1},       {"1e+", 1},
      {"\r5", 0},       {"0x10", 0},       {"1e400", inf},   {"-1e400", -inf}, {"1e-400", 0},
      {"000000000000000000000000000000000000000000001", 1},
  };
  for (const Case& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, RoundHalfEvenSendsHalvesToTheEvenNeighbour) {
  struct Case { double value, rounded; };
  const Case cases[] = {
      {2.5, 2},  {3.5, 4},  {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2}, {2.4999999, 2},
      {2.5000001, 3}, {-0.4, 0}, {-0.6, -1}, {7, 7}, {1e300, 1e300}, {4503599627370497.0, 4503599627370497.0},
  };
  for (const Case& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

TEST(NumberText, BoxTextsConvertToWholeNumbersOfTheirRange) {
  const LocaleConventions point;
  const LocaleConventions comma = CommaDecimal();
  struct Case { const char* text; const LocaleConventions* c; std::optional<std::int32_t> value; };
  const Case cases[] = {
      {"2.5", &point, 2},    {"3.5", &point, 4},     {"-2.5", &point, -2},  {" 42 ", &point, 42},
      {"\t+5", &point, 5},   {"5.", &point, 5},      {".5", &point, 0},     {".51", &point, 1},
      {"0000000000000000000001", &point, 1},        {"2.5000000000000001", &point, 3},
      {"-0.4", &point, 0},   {"2147483647", &point, 2147483647},           {"2147483647.4", &point, 2147483647},
      {"-2147483648", &point, std::numeric_limits<std::int32_t>::min()},
      {"-2147483648.5", &point, std::numeric_limits<std::int32_t>::min()},
      {"2,5", &comma, 2},    {"3,5", &comma, 4},     {"-2,5", &comma, -2},
      // Failures leave the member as it was.
      {"", &point, {}},      {"   ", &point, {}},     {"12abc", &point, {}}, {"abc", &point, {}},
      {".", &point, {}},     {"-", &point, {}},      {"1 2", &point, {}},   {"- 5", &point, {}},
      {"1e3", &point, {}},   {"1,000", &point, {}},  {"2147483648", &point, {}},
      {"2147483647.5", &point, {}}, {"-2147483649", &point, {}}, {"-2147483648.51", &point, {}},
      {"99999999999999999999999", &point, {}},      {"2.5", &comma, {}},  {"2,5", &point, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextToInt32(c.text, *c.c), c.value) << '"' << c.text << "\" with " << c.c->decimal_separator;
  }
}

TEST(NumberText, SixteenBitBoxTextsStopAtTheirRange) {
  struct Case { const char* text; std::optional<std::int16_t> value; };
  const Case cases[] = {
      {"32767", 32767}, {"32767.5", {}}, {"32768", {}}, {"-32768", -32768},
      {"-32768.5", -32768}, {"-32769", {}}, {"-2.5", -2}, {"70000", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextToInt16(c.text, LocaleConventions::Fallback()), c.value) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace zelvane
