// The value generators draw by draw, with scripted draws.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "generator/numeric_generators.h"
#include "generator/text_generators.h"
#include "platform/date_serial.h"

namespace zelvane {
namespace {

constexpr float K = RandomSource::kLargest;
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();

// Integer, double and currency: Int(r * size + 1) and Int(r * size * 100 + 1) / 100.
TEST(NumericGenerators, NumbersFloorTheirProducts) {
  const ValueFormatter us{LocaleConventions{}}, de{LocaleConventions{.decimal_separator = ","}};
  struct Case { std::int32_t size; float r; std::int32_t whole; double amount; const char *start, *us, *de; };
  const Case cases[] = {
      {0, K, 1, 0.01, "$", "$.01", "$,01"}, {100, K, 100, 100, "", "100.00", "100,00"},
      {100, 7 / 2048.0f, 1, 0.35, "", ".35", ",35"}, {-5, K, -4, -4.99, "EUR ", "EUR -4.99", "EUR -4,99"},
      {-5, 1 / 512.0f, 0, 0, "", ".00", ",00"},  // -0.977 + 1 floors to 0
      {kMax32, K, 2147483520, 2147483519.01, "", "2147483519.01", "2147483519,01"},
      {kMin32, K, -2147483519, -2147483519.99, "", "-2147483519.99", "-2147483519,99"},
  };
  for (const Case& c : cases) {
    RandomSource random = RandomSource::Scripted({c.r, c.r, c.r, c.r});
    EXPECT_EQ(RandomInteger(random, c.size), c.whole) << c.size << " r=" << c.r;
    EXPECT_DOUBLE_EQ(RandomDouble(random, c.size), c.amount) << c.size << " r=" << c.r;
    char us_text[64], de_text[64];
    EXPECT_EQ(std::string(us_text, RandomCurrency(random, us, PaddedText(c.start), c.size, us_text)), c.us);
    EXPECT_EQ(std::string(de_text, RandomCurrency(random, de, PaddedText(c.start), c.size, de_text)), c.de);
    EXPECT_EQ(random.DrawCount(), 4u);
  }
}

// Unlinked: day, month and year drawn in that order; linked: the base plus 1..size days.
TEST(NumericGenerators, DatesDrawDayMonthYearOrAddDaysToTheirLink) {
  struct Case { std::int16_t start; std::int32_t size; std::vector<float> script; CivilDateTime date;
                std::int16_t link = 0; double base = 12345.5; };
  const Case cases[] = {
      {1998, 5, {0, 0, 0}, {1999, 1, 1}}, {1998, 5, {K, K, K}, {2003, 12, 28}, -1}, {1998, -5, {0, 0, K}, {1994, 1, 1}},
      {0, 5, {0, 0, K}, {2005, 1, 1}}, {29, 1, {0, 0, 0}, {1930, 1, 1}}, {98, 5, {0, 0, K}, {103, 1, 1}},
      {32767, 10, {0, 0, 0}, {2000, 1, 1}}, {1998, kMax32, {0, 0, K}, {2000, 1, 1}},  // past 16 bits: year 0
      {9990, 20, {0, 0, K}, {}}, {-200, 5, {0, 0, 0}, {}},                                // no date: day 0
      // A base with a time of day keeps it, also across day 0 where the fraction counts forward.
      {1998, -5, {K}, {2024, 1, 11}, 3, 45306}, {1998, 2, {K}, {1899, 12, 31, 6}, 3, -1.25},
      {1998, 1, {0}, {1899, 12, 30, 6}, 3, -1.25}, {1998, -5, {K}, {1899, 12, 27, 6}, 3, 1.25},
      {1998, 1, {0}, {9999, 12, 31}, 3, 2958464}, {1998, 1, {0}, {}, 3, 2958465},
      {1998, 1, {0}, {}, 3, 2958465.5}, {1998, -5, {0.5f}, {}, 3, -657433.5},
      {1998, kMax32, {K}, {}, 3, 45306}, {1998, kMax32, {K}, {}, 3, 0.5},
  };
  for (const Case& c : cases) {
    RandomSource random = RandomSource::Scripted(c.script);
    const DateSerial date = RandomDate(random, LocaleConventions{}, c.start, c.size, c.link, DateSerial{c.base});
    EXPECT_EQ(BreakDown(date), c.date) << c.start << " + " << c.size << " linked to " << c.base;
    EXPECT_EQ(random.DrawCount(), c.script.size());
  }
}

TEST(NumericGenerators, RandomTimeStepsFromTheStartInMinutes) {
  const std::tuple<const char*, std::int32_t, float, const char*> cases[] = {
      {"8:00", 15, 0, "08:15"}, {"8:00", 15, K, "23:45"}, {"8:00", 0, K, "08:00"}, {"8:00:30", 15, 0, "08:15"},
      {"23:59", 15, K, "00:14"}, {"8:00", -15, K, "23:45"}, {"1/15/2024 8:00", 15, K, "00:00"},
      {"12/29/1899 23:00", 60, K, "23:00"}, {"8:00", kMax32, 0, "10:07"}, {"8:00", kMin32, 0, ""},
      {"12/31/9999 23:59", 1, 0, ""}, {"1/1/9000 8:00", -15, K, "07:45"}, {"abc", 15, 0, ""},  // "": empty
  };
  for (const auto& [start, size, r, text] : cases) {
    RandomSource random = RandomSource::Scripted({r});
    std::string out = "|";
    const TimeStart time_start = ReadTimeStart(start, {});
    EXPECT_EQ(RandomTime(random, ValueFormatter{LocaleConventions{}}, time_start, size, out), *text != '\0');
    EXPECT_EQ(out, "|" + std::string(text)) << start << " " << size;
    EXPECT_EQ(random.DrawCount(), 1u);
  }
}

// A draw that chooses k of n.
float Pick(int k, int n) { return static_cast<float>((k - 0.5) / n); }

// Writes into room of the generator's own bound, so that the sanitizers see any overrun.
std::string Generate(DataType type, RandomSource& r, const char* start, std::int32_t size) {
  const PaddedText s(start);
  std::vector<char> room(MaxTextValueLength(type, s.size(), size) + kSpareRoom);
  char* out = room.data();
  switch (type) {
    case DataType::Email: return {out, RandomEmail(r, s, size, out)};
    case DataType::WebURL: return {out, RandomWebURL(r, s, size, out)};
    case DataType::Street: return {out, RandomStreet(r, size, out)};
    case DataType::Phone: return {out, RandomPhone(r, s, size, out)};
    default: return {out, RandomText(r, s, size, out)};
  }
}

TEST(TextGenerators, DrawByDraw) {
  using enum DataType;
  struct Case { DataType type; const char* start; std::int32_t size; std::vector<float> script; std::string expected; };
  std::vector<float> longest(1 + 32767, 0.0f);  // the top of the 16-bit counts
  longest[0] = Pick(32767, 40000);
  const std::vector<Case> cases = {
      // A blank is a start string; size 6 draws no length; length 1 still gives five; the
      // length is drawn first.
      {RandomText, " ", 2, {0, K}, " az"}, {RandomText, "", 7, {0, K, K, K, K, K}, "Zzuzz"},
      {RandomText, "", 7, {K, 0, 0, 0, 0, 0, K, K}, "Aaaaazz"},
      {RandomText, "", 6, std::vector<float>(7, 0), "Aaaaaaa"},
      {RandomText, "id", 8, {Pick(6, 8), 0, 0, K, 0, 0, K}, "idaauaaz"},
      // A length past 16 bits counts as 0; no 16-bit wrap of a negative size to 32767.
      {RandomText, "", 40000, {Pick(32768, 40000), 0, 0, 0, 0, 0}, "Aaaaa"},
      {RandomText, "", 40000, longest, "A" + std::string(32766, 'a')}, {RandomText, "", -32769, {0}, "A"},
      {Email, "**", 2, {K, 0, 0}, "Zaa**"}, {WebURL, ".com", 1, {0, K}, "www.Az.com"},
      {Street, "", 0, {0, 0, 0}, "1 A St"}, {Street, "", 0, {K, K, K}, "200 Z Bld"},
      {Street, "", 7, {Pick(100, 200), 0, 0, 0, 0, 0, 0, Pick(4, 6)}, "100 Aaaaa Close"},
      {Phone, "555", 0, {}, "555 "}, {Phone, "", 5, {0, K, Pick(5, 10), 0, 0}, " 09400"},
      {Phone, "", 32767, std::vector<float>(32767, K), " " + std::string(32767, '9')}, {Phone, "x", 32768, {}, "x "},
  };
  for (const Case& c : cases) {
    RandomSource random = RandomSource::Scripted(c.script);
    EXPECT_EQ(Generate(c.type, random, c.start, c.size), c.expected) << c.expected.substr(0, 20);
    EXPECT_EQ(random.DrawCount(), c.script.size()) << c.expected.substr(0, 20);
  }
}

// The source's own draws take faster paths (whole numbers, blocks of characters): they
// must give what the same draws give through a script, and use up as many.
TEST(TextGenerators, TheSourceMatchesAScriptOfItsOwnDraws) {
  using enum DataType;
  for (const DataType type : {RandomText, Email, WebURL, Street, Phone}) {
    for (const std::int32_t size : {-3, 0, 1, 3, 6, 7, 10, 13, 40}) {
      RandomSource source(size + 100), copy(size + 100);
      std::vector<float> draws(2000);
      for (float& r : draws) r = copy.Next();
      RandomSource script = RandomSource::Scripted(draws);
      for (int value = 0; value < 20; ++value) {
        ASSERT_EQ(Generate(type, source, "st", size), Generate(type, script, "st", size)) << size;
        ASSERT_EQ(source.DrawCount(), script.DrawCount()) << size;
      }
    }
  }
}

TEST(TextGenerators, FromFileItemSharesOnePick) {
  const std::vector<PaddedText> lists[] = {{PaddedText("CD"), PaddedText("Record"), PaddedText("Cassette")},
                                           {PaddedText("x"), PaddedText("")}};
  // Linked before any unlinked pick: position 0; no entries counted: still draws, position 1;
  // fewer items than the position; a negative link reads the pick; an empty item: the
  // start string alone; a position past the items stored before the look-up.
  const std::tuple<int, std::int16_t, std::int16_t, std::vector<float>, const char*> steps[] = {
      {0, 3, 7, {}, nullptr}, {1, 0, 0, {K}, "x"}, {0, 3, 0, {K}, "Cassette"}, {1, 2, 2, {}, nullptr},
      {1, 2, 0, {0}, "x"}, {0, 3, -1, {}, "CD"}, {1, 2, 0, {K}, ""}, {0, 5, 0, {K}, nullptr},
  };
  std::int16_t last_list_pick = 0;
  for (const auto& [list, item_count, links_to, script, expected] : steps) {
    RandomSource random = RandomSource::Scripted(script);
    char out[64];
    char* end = FromFileItem(random, last_list_pick, lists[list], item_count, PaddedText("pre:"), links_to, out);
    EXPECT_EQ(end ? std::string(out, end) : "none", expected ? std::string("pre:") + expected : "none");
    EXPECT_EQ(random.DrawCount(), script.size());
  }
  EXPECT_EQ(last_list_pick, 5);
}

}  // namespace
}  // namespace zelvane
