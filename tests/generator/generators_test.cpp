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

LocaleConventions German() { return {.decimal_separator = ","}; }

// Integer, double and currency: Int(r * size + 1) and Int(r * size * 100 + 1) / 100.
TEST(NumericGenerators, NumbersFloorTheirProducts) {
  const ValueFormatter us{LocaleConventions::Fallback()}, de{German()};
  struct Case { std::int32_t size; float r; std::int32_t whole; double amount; const char* start, *us, *de; };
  const Case cases[] = {
      {0, K, 1, 0.01, "$", "$.01", "$,01"},          {100, K, 100, 100, "", "100.00", "100,00"},
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

TEST(NumericGenerators, UnlinkedDatesDrawDayMonthYearInThatOrder) {
  struct Case { std::int16_t start; std::int32_t size; float r1, r2, r3; CivilDateTime date; };
  const Case cases[] = {
      {1998, 5, 0, 0, 0, {1999, 1, 1}}, {1998, 5, K, K, K, {2003, 12, 28}}, {1998, -5, 0, 0, K, {1994, 1, 1}},
      {0, 5, 0, 0, K, {2005, 1, 1}},   {29, 1, 0, 0, 0, {1930, 1, 1}},        {98, 5, 0, 0, K, {103, 1, 1}},
      {32767, 10, 0, 0, 0, {2000, 1, 1}}, {1998, kMax32, 0, 0, K, {2000, 1, 1}},  // past 16 bits: year 0
      {9990, 20, 0, 0, K, CivilDateTime{}}, {-200, 5, 0, 0, 0, CivilDateTime{}},  // no date: day 0
  };
  for (const Case& c : cases) {
    for (std::int16_t link : {std::int16_t{0}, std::int16_t{-1}}) {
      RandomSource random = RandomSource::Scripted({c.r1, c.r2, c.r3});
      const DateSerial date = RandomDate(random, LocaleConventions::Fallback(), c.start, c.size, link, DateSerial{12345.5});
      EXPECT_EQ(BreakDown(date), c.date) << c.start << " + " << c.size << " r3=" << c.r3;
      EXPECT_EQ(random.DrawCount(), 3u);
    }
  }
}

TEST(NumericGenerators, LinkedDatesAddOneToSizeDaysKeepingTheTime) {
  struct Case { double base; std::int32_t size; float r; double serial; };
  const Case cases[] = {{45306, -5, K, 45302}, {-1.25, 2, K, 1.25}, {2958465.5, 1, 0, 0.0}, {45306, kMax32, K, 0.0}};
  for (const Case& c : cases) {
    RandomSource random = RandomSource::Scripted({c.r});
    const DateSerial date = RandomDate(random, LocaleConventions::Fallback(), 1998, c.size, 3, DateSerial{c.base});
    EXPECT_DOUBLE_EQ(date.days, c.serial) << c.base << " + " << c.size << " r=" << c.r;
  }
}

TEST(NumericGenerators, RandomTimeStepsFromTheStartInMinutes) {
  struct Case { const char* start; std::int32_t size; float r; const char* text; };  // nullptr: empty
  const Case cases[] = {
      {"8:00", 15, 0, "08:15"},  {"8:00", 15, K, "23:45"},  {"8:00", 0, K, "08:00"},  {"8:00:30", 15, 0, "08:15"},
      {"23:59", 15, K, "00:14"}, {"8:00", -15, K, "23:45"}, {"1/15/2024 8:00", 15, K, "00:00"},
      {"12/29/1899 23:00", 60, K, "23:00"}, {"8:00", kMax32, 0, "10:07"}, {"8:00", kMin32, 0, nullptr},
      {"1/1/9000 8:00", kMax32, 0, nullptr}, {"abc", 15, 0, nullptr},
  };
  for (const Case& c : cases) {
    RandomSource random = RandomSource::Scripted({c.r});
    char out[32];
    char* end = RandomTime(random, ValueFormatter{LocaleConventions::Fallback()},
                           ReadTimeStart(c.start, LocaleConventions::Fallback()), c.size, out);
    EXPECT_EQ(end ? std::string(out, end) : "empty", c.text ? c.text : "empty") << c.start << " " << c.size;
    EXPECT_EQ(random.DrawCount(), 1u);
  }
}

// A draw that chooses k of n.
float Pick(int k, int n) { return static_cast<float>((k - 0.5) / n); }

enum Gen { kText, kEmail, kUrl, kStreet, kPhone };

// Writes into room of the generator's own bound, so that the sanitizers see any overrun.
std::string Generate(Gen gen, RandomSource& r, const char* start, std::int32_t size) {
  const PaddedText s(start);
  const DataType types[] = {DataType::RandomText, DataType::Email, DataType::WebURL, DataType::Street, DataType::Phone};
  std::vector<char> room(MaxTextValueLength(types[gen], s.size(), size) + kSpareRoom);
  char* out = room.data();
  switch (gen) {
    case kText: return {out, RandomText(r, s, size, out)};
    case kEmail: return {out, RandomEmail(r, s, size, out)};
    case kUrl: return {out, RandomWebURL(r, s, size, out)};
    case kStreet: return {out, RandomStreet(r, size, out)};
    case kPhone: return {out, RandomPhone(r, s, size, out)};
  }
  return {};
}

TEST(TextGenerators, DrawByDraw) {
  struct Case { Gen gen; const char* start; std::int32_t size; std::vector<float> script; std::string expected; };
  std::vector<float> longest(1 + 32767, 0.0f);  // the top of the 16-bit counts
  longest[0] = Pick(32767, 40000);
  const std::vector<Case> cases = {
      {kText, " ", 2, {0, K}, " az"},                       // a blank is a start string
      {kText, "", 7, {0, K, K, K, K, K}, "Zzuzz"},          // length 1 still gives five
      {kText, "", 7, {K, 0, 0, 0, 0, 0, K, K}, "Aaaaazz"},  // the length is drawn first
      {kText, "id", 8, {Pick(6, 8), 0, 0, K, 0, 0, K}, "idaauaaz"},
      {kText, "", 40000, {Pick(32768, 40000), 0, 0, 0, 0, 0}, "Aaaaa"},  // length past 16 bits
      {kText, "", 40000, longest, "A" + std::string(32766, 'a')},
      {kText, "", std::numeric_limits<std::int32_t>::max(), {K, K, 0, 0, 0, 0}, "Zaaaa"},
      {kText, "", -32769, {0}, "A"},  // no 16-bit wrap to 32767
      {kEmail, "**", 2, {K, 0, 0}, "Zaa**"}, {kUrl, ".com", 1, {0, K}, "www.Az.com"},
      {kStreet, "", 0, {0, 0, 0}, "1 A St"}, {kStreet, "", 0, {K, K, K}, "200 Z Bld"},
      {kStreet, "", 7, {Pick(101, 200), 0, 0, 0, 0, 0, 0, Pick(4, 6)}, "101 Aaaaa Close"},
      {kPhone, "555", 0, {}, "555 "}, {kPhone, "", 5, {0, K, Pick(5, 10), 0, 0}, " 09400"},
      {kPhone, "", 32767, std::vector<float>(32767, K), " " + std::string(32767, '9')},
      {kPhone, "x", 32768, {}, "x "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected.substr(0, 20));
    RandomSource random = RandomSource::Scripted(c.script);
    EXPECT_EQ(Generate(c.gen, random, c.start, c.size), c.expected);
    EXPECT_EQ(random.DrawCount(), c.script.size());
  }
}

// The source's own draws take faster paths (whole numbers, blocks of characters): they
// must give what the same draws give through a script, and use up as many.
TEST(TextGenerators, TheSourceMatchesAScriptOfItsOwnDraws) {
  for (const Gen gen : {kText, kEmail, kUrl, kStreet, kPhone}) {
    for (const std::int32_t size : {-3, 0, 1, 3, 6, 7, 10, 13, 40}) {
      SCOPED_TRACE(std::to_string(gen) + " size " + std::to_string(size));
      RandomSource source(gen * 100 + size), copy(gen * 100 + size);
      std::vector<float> draws(2000);
      for (float& r : draws) r = copy.Next();
      RandomSource script = RandomSource::Scripted(draws);
      for (int value = 0; value < 20; ++value) {
        ASSERT_EQ(Generate(gen, source, "st", size), Generate(gen, script, "st", size));
        ASSERT_EQ(source.DrawCount(), script.DrawCount());
      }
    }
  }
}

TEST(TextGenerators, FromFileItemSharesOnePick) {
  const std::vector<PaddedText> lists[] = {{PaddedText("CD"), PaddedText("Record"), PaddedText("Cassette")},
                                           {PaddedText("x"), PaddedText("")}};
  struct Step { int list; std::int16_t item_count, links_to; std::vector<float> script; const char* expected; };
  const Step steps[] = {
      {0, 3, 7, {}, nullptr},           // linked before any unlinked pick: position 0
      {1, 0, 0, {K}, "x"},              // no entries counted: still draws, position 1
      {0, 3, 0, {K}, "Cassette"},       // position 3
      {1, 2, 2, {}, nullptr},           // fewer items than the position
      {1, 2, 0, {0}, "x"},
      {0, 3, -1, {}, "CD"},             // the second of two unlinked picks
      {1, 2, 0, {K}, ""},               // an empty item: the start string alone
      {0, 5, 0, {K}, nullptr},          // position 5, stored before the look-up
  };
  std::int16_t last_list_pick = 0;
  for (const Step& s : steps) {
    RandomSource random = RandomSource::Scripted(s.script);
    char out[64];
    char* end = FromFileItem(random, last_list_pick, lists[s.list], s.item_count, PaddedText("pre:"), s.links_to, out);
    EXPECT_EQ(end ? std::string(out, end) : "none", s.expected ? std::string("pre:") + s.expected : "none");
    EXPECT_EQ(random.DrawCount(), s.script.size());
  }
  EXPECT_EQ(last_list_pick, 5);
}

}  // namespace
}  // namespace zelvane
