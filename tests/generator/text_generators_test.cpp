#include "generator/text_generators.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

namespace zelvane {
namespace {

constexpr float K = RandomSource::kLargest;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// A draw that chooses k of n.
float Pick(int k, int n) { return static_cast<float>((k - 0.5) / n); }

enum Gen { kLower, kCapital, kDigit, kVowel, kText, kEmail, kUrl, kStreet, kPhone };

struct Case {
  Gen gen;
  const char* start;
  std::int32_t size;
  std::vector<float> script;  // drawn whole, and no further
  std::string expected;
};

void Generate(const Case& c, RandomSource& r, std::string& out) {
  switch (c.gen) {
    case kLower: return RandomLowerLetter(r, out);
    case kCapital: return RandomCapitalLetter(r, out);
    case kDigit: return RandomDigit(r, out);
    case kVowel: return RandomVowel(r, out);
    case kText: return RandomText(r, c.start, c.size, out);
    case kEmail: return RandomEmail(r, c.start, c.size, out);
    case kUrl: return RandomWebURL(r, c.start, c.size, out);
    case kStreet: return RandomStreet(r, c.size, out);
    case kPhone: return RandomPhone(r, c.start, c.size, out);
  }
}

void RunCases(const std::vector<Case>& cases) {
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE("case " + std::to_string(i));
    RandomSource random = RandomSource::Scripted(cases[i].script);
    std::string out = "|";  // generators append
    Generate(cases[i], random, out);
    EXPECT_EQ(out, "|" + cases[i].expected);
    EXPECT_EQ(random.DrawCount(), cases[i].script.size());
  }
}

TEST(TextGenerators, DrawByDraw) {
  RunCases({
      {kLower, "", 0, {0}, "a"}, {kLower, "", 0, {K}, "z"}, {kCapital, "", 0, {0}, "A"}, {kCapital, "", 0, {K}, "Z"},
      {kDigit, "", 0, {0}, "0"}, {kDigit, "", 0, {K}, "9"}, {kVowel, "", 0, {0}, "a"}, {kVowel, "", 0, {K}, "u"},
      {kText, " ", 2, {0, K}, " az"},                          // a blank is a start string
      {kText, "", 7, {0, K, K, K, K, K}, "Zzuzz"},             // length 1 still gives five
      {kText, "", 7, {K, 0, 0, 0, 0, 0, K, K}, "Aaaaazz"},     // the length is drawn first
      {kText, "id", 8, {Pick(6, 8), 0, 0, K, 0, 0, K}, "idaauaaz"},
      {kText, "", 40000, {Pick(32768, 40000), 0, 0, 0, 0, 0}, "Aaaaa"},  // length past 16 bits
      {kText, "", kMax, {K, K, 0, 0, 0, 0}, "Zaaaa"},
      {kText, "", -32769, {0}, "A"}, {kText, "S", -32769, {}, "S"},  // no 16-bit wrap to 32767
      {kEmail, "**", 2, {K, 0, 0}, "Zaa**"},
      {kUrl, ".com", 1, {0, K}, "www.Az.com"}, {kUrl, "", 0, {K}, "www.Z"},
      {kStreet, "", 0, {0, 0, 0}, "1 A St"}, {kStreet, "", 0, {K, K, K}, "200 Z Bld"},
      {kStreet, "", 7, {Pick(101, 200), 0, 0, 0, 0, 0, 0, Pick(4, 6)}, "101 Aaaaa Close"},
      {kPhone, "555", 0, {}, "555 "}, {kPhone, "", 5, {0, K, Pick(5, 10), 0, 0}, " 09400"},
      {kPhone, "x", 32768, {}, "x "}, {kPhone, "x", 65537, {}, "x "}, {kPhone, "x", -32769, {}, "x "},
  });
}

TEST(TextGenerators, CountsAtTheTopOf16Bits) {
  std::vector<float> script(1 + 32767, 0.0f);
  script[0] = Pick(32767, 40000);
  RunCases({{kText, "", 40000, script, "A" + std::string(32766, 'a')}});
  script.pop_back();
  script[0] = K;
  RunCases({{kPhone, "", 32767, script, " 9" + std::string(32766, '0')}});
}

TEST(TextGenerators, FromFileItemSharesOnePick) {
  auto document = std::make_unique<Document>();
  const std::vector<ListEntry> entries = {{2, "CD"}, {3, "x"}, {2, "Record"}, {3, ""}, {2, "Cassette"}, {1, "gone"}};
  for (std::size_t i = 0; i < entries.size(); ++i) document->ListEntries[static_cast<int>(i) + 1] = entries[i];
  document->ListEntryCount = 5;
  struct Step {
    std::int16_t field_no, item_count, links_to;
    std::vector<float> script;
    const char* expected;  // nullptr: no value
    std::int16_t pick_after;
  };
  const std::vector<Step> steps = {
      {2, 3, 7, {}, nullptr, 0},   // linked before any unlinked pick
      {1, 0, 0, {K}, nullptr, 1},  // no entries: still draws, stores 1
      {2, 3, 0, {K}, "Cassette", 3},
      {3, 2, 2, {}, nullptr, 3},   // fewer entries than the position
      {2, 3, 0, {Pick(2, 3)}, "Record", 2},
      {3, 2, 0, {0}, "x", 1},
      {2, 3, -1, {}, "CD", 1},     // the second of two unlinked picks
      {3, 2, 0, {K}, "", 2},       // an empty item: the start string alone
      {2, 5, 0, {K}, nullptr, 5},  // stored before the look-up
      {1, 1, 0, {0}, nullptr, 1},  // slots above the count are not in use
  };
  std::int16_t last_list_pick = 0;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& s = steps[i];
    SCOPED_TRACE("step " + std::to_string(i));
    RandomSource random = RandomSource::Scripted(s.script);
    std::string out = "|";
    EXPECT_EQ(FromFileItem(random, last_list_pick, *document, s.field_no, s.item_count, "pre:", s.links_to, out),
              s.expected != nullptr);
    EXPECT_EQ(out, s.expected ? std::string("|pre:") + s.expected : "|");
    EXPECT_EQ(random.DrawCount(), s.script.size());
    EXPECT_EQ(last_list_pick, s.pick_after);
  }
}

}  // namespace
}  // namespace zelvane
