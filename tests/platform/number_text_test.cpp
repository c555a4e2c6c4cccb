#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace zelvane {
namespace {

TEST(NumberText, LeadingNumberSkipsBlanksAndStopsAtTheFirstStranger) {
  const std::pair<const char*, double> cases[] = {
      {"  19 98", 1998}, {"\t1\n9x", 19}, {"12abc", 12}, {"abc", 0}, {"", 0}, {"- 5", -5}, {"+7", 7}, {"--5", 0},
      {"3.7", 3.7}, {"3,7", 3}, {".5", 0.5}, {"1.2.3", 1.2}, {"1e3", 1000}, {"1 E -2", 0.01}, {"1e", 1},
      {"\r5", 0}, {"0x10", 0}, {"1e400", std::numeric_limits<double>::infinity()}, {"1e-400", 0},
      {"000000000000000000000000000000000000000000001", 1},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(LeadingNumber(text), value) << '"' << text << '"';
}

TEST(NumberText, RoundHalfEvenSendsHalvesToTheEvenNeighbour) {
  const std::pair<double, double> cases[] = {
      {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {2.4999999, 2}, {-0.6, -1},
      {4503599627370497.0, 4503599627370497.0},
  };
  for (const auto& [value, rounded] : cases) EXPECT_EQ(RoundHalfEven(value), rounded) << value;
}

TEST(NumberText, BoxTextsConvertToWholeNumbersOfTheirRange) {
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  struct Case { const char* text; std::optional<std::int32_t> value; bool comma = false; };
  const Case cases[] = {
      {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {" 42 ", 42}, {"\t+5", 5}, {".5", 0}, {".51", 1},
      {"2.5000000000000001", 3}, {"2147483647.4", 2147483647}, {"-2147483648.5", kMin},
      {"2,5", 2, true}, {"3,5", 4, true},
      // Failures leave the member as it was.
      {"", {}}, {"12abc", {}}, {".", {}}, {"-", {}}, {"1 2", {}}, {"1e3", {}}, {"1,000", {}}, {"2147483648", {}},
      {"2147483647.5", {}}, {"-2147483649", {}}, {"-2147483648.51", {}}, {"99999999999999999999999", {}},
      {"2.5", {}, true}, {"2,5", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextToInt32(c.text, {.decimal_separator = c.comma ? "," : "."}), c.value) << '"' << c.text << '"';
  }
  const std::pair<const char*, std::optional<std::int16_t>> sixteen_bit[] = {
      {"32767", 32767}, {"32767.5", {}}, {"32768", {}}, {"-32768.5", -32768}, {"-32769", {}},
  };
  for (const auto& [text, value] : sixteen_bit) EXPECT_EQ(TextToInt16(text, {}), value) << '"' << text << '"';
}

}  // namespace
}  // namespace zelvane
