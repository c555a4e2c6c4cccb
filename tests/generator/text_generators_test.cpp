#include "generator/text_generators.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
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

DataType TypeOf(Gen gen) {
  const DataType types[] = {DataType::RandomText, DataType::Email, DataType::WebURL, DataType::Street, DataType::Phone};
  return gen >= kText ? types[gen - kText] : DataType::RandomText;
}

// Writes into room of the generator's own bound, so that the sanitizers see any overrun.
std::string Generate(Gen gen, RandomSource& r, const char* start, std::int32_t size) {
  const PaddedText s(start);
  std::vector<char> room(MaxTextValueLength(TypeOf(gen), s.size(), size) + kSpareRoom);
  char* out = room.data();
  char* end = nullptr;
  switch (gen) {
    case kLower: end = RandomLowerLetter(r, out); break;
    case kCapital: end = RandomCapitalLetter(r, out); break;
    case kDigit: end = RandomDigit(r, out); break;
    case kVowel: end = RandomVowel(r, out); break;
    case kText: end = RandomText(r, s, size, out); break;
    case kEmail: end = RandomEmail(r, s, size, out); break;
    case kUrl: end = RandomWebURL(r, s, size, out); break;
    case kStreet: end = RandomStreet(r, size, out); break;
    case kPhone: end = RandomPhone(r, s, size, out); break;
  }
  return std::string(out, end);
}

void RunCases(const std::vector<Case>& cases) {
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE("case " + std::to_string(i));
    RandomSource random = RandomSource::Scripted(cases[i].script);
    EXPECT_EQ(Generate(cases[i].gen, random, cases[i].start, cases[i].size), cases[i].expected);
    EXPECT_EQ(random.DrawCount(), cases[i].script.size());
  }
}

TEST(TextGenerators, DrawByDraw) {
  RunCases({
      {kLower, "", 0, {0}, "a"}, {kLower, "", 0, {K}, "z"}, {kCapital, "", 0, {0}, "A"}, {kCapital, "", 0, {K}, "Z"},
      {kDigit, "", 0, {0}, "0"}, {kDigit, "", 0, {K}, "9"}, {kVowel, "", 0, {0}, "a"}, {kVowel, "", 0, {K}, "u"},
      {kText, " ", 2, {0, K}, " az"},                       // a blank is a start string
      {kText, "", 7, {0, K, K, K, K, K}, "Zzuzz"},          // length 1 still gives five
      {kText, "", 7, {K, 0, 0, 0, 0, 0, K, K}, "Aaaaazz"},  // the length is drawn first
      {kText, "id", 8, {Pick(6, 8), 0, 0, K, 0, 0, K}, "idaauaaz"},
      {kText, "", 40000, {Pick(32768, 40000), 0, 0, 0, 0, 0}, "Aaaaa"},  // length past 16 bits
      {kText, "", kMax, {K, K, 0, 0, 0, 0}, "Zaaaa"},
      {kText, "", -32769, {0}, "A"}, {kText, "S", -32769, {}, "S"},  // no 16-bit wrap to 32767
      {kEmail, "**", 2, {K, 0, 0}, "Zaa**"}, {kUrl, ".com", 1, {0, K}, "www.Az.com"}, {kUrl, "", 0, {K}, "www.Z"},
      {kStreet, "", 0, {0, 0, 0}, "1 A St"}, {kStreet, "", 0, {K, K, K}, "200 Z Bld"},
      {kStreet, "", 7, {Pick(101, 200), 0, 0, 0, 0, 0, 0, Pick(4, 6)}, "101 Aaaaa Close"},
      {kPhone, "555", 0, {}, "555 "}, {kPhone, "", 5, {0, K, Pick(5, 10), 0, 0}, " 09400"},
      {kPhone, "x", 32768, {}, "x "}, {kPhone, "x", -32769, {}, "x "},
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

// The source's own draws take faster paths (whole numbers, blocks of characters): they
// must give what the same draws give through a script, and use up as many.
TEST(TextGenerators, TheSourceMatchesAScriptOfItsOwnDraws) {
  for (const Gen gen : {kLower, kCapital, kDigit, kVowel, kText, kEmail, kUrl, kStreet, kPhone}) {
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
  const std::vector<PaddedText> lists[] = {{PaddedText("gone")},
                                           {PaddedText("CD"), PaddedText("Record"), PaddedText("Cassette")},
                                           {PaddedText("x"), PaddedText("")}};
  struct Step {
    int list;
    std::int16_t item_count, links_to;
    std::vector<float> script;
    const char* expected;  // nullptr: no value
    std::int16_t pick_after;
  };
  const std::vector<Step> steps = {
      {1, 3, 7, {}, nullptr, 0},   // linked before any unlinked pick
      {0, 0, 0, {K}, "gone", 1},   // no entries counted: still draws, position 1
      {1, 3, 0, {K}, "Cassette", 3},
      {2, 2, 2, {}, nullptr, 3},   // fewer items than the position
      {1, 3, 0, {Pick(2, 3)}, "Record", 2},
      {2, 2, 0, {0}, "x", 1},
      {1, 3, -1, {}, "CD", 1},     // the second of two unlinked picks
      {2, 2, 0, {K}, "", 2},       // an empty item: the start string alone
      {1, 5, 0, {K}, nullptr, 5},  // stored before the look-up
  };
  std::int16_t last_list_pick = 0;
  const PaddedText start("pre:");
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& s = steps[i];
    SCOPED_TRACE("step " + std::to_string(i));
    RandomSource random = RandomSource::Scripted(s.script);
    char out[64];
    char* end = FromFileItem(random, last_list_pick, lists[s.list], s.item_count, start, s.links_to, out);
    EXPECT_EQ(end ? std::string(out, end) : "none", s.expected ? std::string("pre:") + s.expected : "none");
    EXPECT_EQ(random.DrawCount(), s.script.size());
    EXPECT_EQ(last_list_pick, s.pick_after);
  }
}

}  // namespace
}  // namespace zelvane
