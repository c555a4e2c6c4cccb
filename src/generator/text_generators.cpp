#include "generator/text_generators.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "generator/numeric_generators.h"

namespace zelvane {
namespace {

constexpr std::array<std::string_view, 5> kVowels = {"a", "e", "i", "o", "u"};
constexpr std::array<std::string_view, 6> kStreetSuffixes = {"St", "Ave", "Rd", "Close", "Cres", "Bld"};

// Counts and lengths are held in 16 bits; a larger one overflows the counter.
constexpr std::int32_t kLargestCount = std::numeric_limits<std::int16_t>::max();

// Int(r * n + 1) with r widened to double: 1..n for a positive n. The result always
// fits 32 bits, since r < 1.
std::int32_t Choose(RandomSource& random, std::int32_t n) {
  const double r = random.Next();
  return static_cast<std::int32_t>(std::floor(r * static_cast<double>(n) + 1.0));
}

void AppendLowerLetters(RandomSource& random, std::int32_t count, std::string& out) {
  for (std::int32_t i = 0; i < count; ++i) RandomLowerLetter(random, out);
}

}  // namespace

void RandomLowerLetter(RandomSource& random, std::string& out) {
  out.push_back(static_cast<char>('a' - 1 + Choose(random, 26)));
}

void RandomCapitalLetter(RandomSource& random, std::string& out) {
  out.push_back(static_cast<char>('A' - 1 + Choose(random, 26)));
}

void RandomDigit(RandomSource& random, std::string& out) {
  out.push_back(static_cast<char>('0' - 1 + Choose(random, 10)));
}

void RandomVowel(RandomSource& random, std::string& out) {
  out.append(kVowels[Choose(random, static_cast<std::int32_t>(kVowels.size())) - 1]);
}

// A size below the 16-bit range appends no letters, as every other size of 0 or less.
void RandomText(RandomSource& random, std::string_view start_string, std::int32_t size, std::string& out) {
  const bool has_start = !start_string.empty();
  if (size <= 6) {
    if (has_start) {
      out.append(start_string);
    } else {
      RandomCapitalLetter(random, out);
    }
    AppendLowerLetters(random, size, out);
    return;
  }

  // The length is drawn before any letter; one that overflows the 16-bit length counts
  // as 0, leaving the five letters of the base.
  std::int32_t length = Choose(random, size);
  if (length > kLargestCount) length = 0;

  if (has_start) {
    out.append(start_string);
    RandomLowerLetter(random, out);
  } else {
    RandomCapitalLetter(random, out);
  }
  RandomLowerLetter(random, out);
  RandomVowel(random, out);
  RandomLowerLetter(random, out);
  RandomLowerLetter(random, out);
  AppendLowerLetters(random, length - 5, out);
}

void RandomEmail(RandomSource& random, std::string_view start_string, std::int32_t size, std::string& out) {
  RandomText(random, {}, size, out);
  out.append(start_string);
}

void RandomWebURL(RandomSource& random, std::string_view start_string, std::int32_t size, std::string& out) {
  out.append("www.");
  RandomText(random, {}, size, out);
  out.append(start_string);
}

void RandomStreet(RandomSource& random, std::int32_t size, std::string& out) {
  const std::int32_t house_number = RandomInteger(random, 200);
  std::array<char, 16> digits{};
  const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), house_number);
  out.append(digits.data(), written.ptr);
  out.push_back(' ');
  RandomText(random, {}, size, out);
  out.push_back(' ');
  out.append(kStreetSuffixes[Choose(random, static_cast<std::int32_t>(kStreetSuffixes.size())) - 1]);
}

// A size above the 16-bit range overflows the digit counter: no digits are appended, so
// the value stays short and no size makes the loop run long.
void RandomPhone(RandomSource& random, std::string_view start_string, std::int32_t size, std::string& out) {
  out.append(start_string);
  out.push_back(' ');
  if (size > kLargestCount) return;
  for (std::int32_t i = 0; i < size; ++i) RandomDigit(random, out);
}

bool FromFileItem(RandomSource& random, std::int16_t& last_list_pick, const Document& document,
                  std::int16_t field_no, std::int16_t item_count, std::string_view start_string,
                  std::int16_t links_to, std::string& out) {
  if (links_to == 0) {
    // Stored before the look-up: the position stands even when the list has no entry there.
    last_list_pick = static_cast<std::int16_t>(Choose(random, item_count));
  }
  const std::int16_t position = last_list_pick;
  if (position < 1) return false;

  const int in_use = std::min<int>(document.ListEntryCount, kMaxListEntries);
  int seen = 0;
  for (int i = 1; i <= in_use; ++i) {
    const ListEntry& entry = document.ListEntries[i];
    if (entry.FieldNo != field_no) continue;
    if (++seen == position) {
      out.append(start_string);
      out.append(entry.Item);
      return true;
    }
  }
  return false;
}

}  // namespace zelvane
