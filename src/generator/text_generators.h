#pragma once
// Values of "Random Text", "Email", "WebURL", "Street", "Phone" and "From File", and the
// one-character generators they are built from. Each makes exactly the draws its rules
// state, in their order, writes its characters into room the caller has made (at most
// MaxTextValueLength of them, and it may write up to kSpareRoom bytes past its end) and
// returns the end of what it wrote. They are inline: the run's loop over a line's fields
// compiles into one function.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>

#include "generator/data_types.h"
#include "generator/numeric_generators.h"
#include "generator/padded_text.h"
#include "platform/random_source.h"

namespace zelvane {

// The most characters the generator of a text type below writes for a start string of
// that length and that size.
std::size_t MaxTextValueLength(DataType type, std::size_t start_size, std::int32_t size);

namespace detail {

// Counts and lengths are held in 16 bits; a larger one overflows the counter.
inline constexpr std::int32_t kLargestCount = std::numeric_limits<std::int16_t>::max();

}  // namespace detail

// One draw each, through the caller's Draws. Runs of lower-case letters and digits are
// drawn in blocks by Draws::Characters instead.
inline char* RandomLowerLetter(RandomSource::Draws& draws, char* out) {
  *out = static_cast<char>('a' - 1 + draws.Choose(26));
  return out + 1;
}

inline char* RandomCapitalLetter(RandomSource::Draws& draws, char* out) {
  *out = static_cast<char>('A' - 1 + draws.Choose(26));
  return out + 1;
}

inline char* RandomVowel(RandomSource::Draws& draws, char* out) {
  *out = "aeiou"[draws.Choose(5) - 1];
  return out + 1;
}

// Text sizes above 6 draw a length first; a length above 32767 counts as 0 (five
// letters). A size of 0 or less, however far below, writes no letters.
[[gnu::always_inline]] inline char* RandomText(RandomSource& random, const PaddedText& start, std::int32_t size,
                                              char* out) {
  RandomSource::Draws draws(random);
  if (size <= 6) {
    out = start.empty() ? RandomCapitalLetter(draws, out) : start.CopyTo(out);
    return draws.Characters('a' - 1, 26, size, out);
  }
  // The length is drawn before any letter; one that overflows the 16-bit length counts
  // as 0, leaving the five letters of the base.
  const double r = draws.Next();
  std::int32_t length = static_cast<std::int32_t>(r * static_cast<double>(size) + 1.0);  // at least 1: the floor
  if (length > detail::kLargestCount) length = 0;
  out = start.empty() ? RandomCapitalLetter(draws, out) : RandomLowerLetter(draws, start.CopyTo(out));
  out = RandomLowerLetter(draws, out);
  out = RandomVowel(draws, out);
  out = RandomLowerLetter(draws, out);
  out = RandomLowerLetter(draws, out);
  return draws.Characters('a' - 1, 26, length - 5, out);
}

inline char* RandomEmail(RandomSource& random, const PaddedText& start, std::int32_t size, char* out) {
  return start.CopyTo(RandomText(random, PaddedText(), size, out));
}

inline char* RandomWebURL(RandomSource& random, const PaddedText& start, std::int32_t size, char* out) {
  std::memcpy(out, "www.", 4);
  return start.CopyTo(RandomText(random, PaddedText(), size, out + 4));
}

inline char* RandomStreet(RandomSource& random, std::int32_t size, char* out) {
  // Each suffix padded to 8 bytes, its length in the last one, to copy as one block.
  static constexpr std::array<std::array<char, 8>, 6> kSuffixes = {{
      {'S', 't', 0, 0, 0, 0, 0, 2},
      {'A', 'v', 'e', 0, 0, 0, 0, 3},
      {'R', 'd', 0, 0, 0, 0, 0, 2},
      {'C', 'l', 'o', 's', 'e', 0, 0, 5},
      {'C', 'r', 'e', 's', 0, 0, 0, 4},
      {'B', 'l', 'd', 0, 0, 0, 0, 3},
  }};
  const int house_number = RandomSource::Draws(random).Choose(200);  // RandomInteger of 200
  if (house_number >= 100) *out++ = static_cast<char>('0' + house_number / 100);
  if (house_number >= 10) *out++ = static_cast<char>('0' + house_number / 10 % 10);
  *out++ = static_cast<char>('0' + house_number % 10);
  *out++ = ' ';
  out = RandomText(random, PaddedText(), size, out);
  *out++ = ' ';
  const auto& suffix = kSuffixes[static_cast<std::size_t>(RandomSource::Draws(random).Choose(6) - 1)];
  std::memcpy(out, suffix.data(), 8);
  return out + suffix[7];
}

// A size above the 16-bit range overflows the digit counter: no digits are written, so
// the value stays short and no size makes the loop run long.
inline char* RandomPhone(RandomSource& random, const PaddedText& start, std::int32_t size, char* out) {
  out = start.CopyTo(out);
  *out++ = ' ';
  if (size > detail::kLargestCount) return out;
  return RandomSource::Draws(random).Characters('0' - 1, 10, size, out);
}

// An unlinked field (links_to 0) draws a position among item_count and stores it in
// last_list_pick at once; a linked one reads last_list_pick. Writes the start string and
// the item at that position of the field's list (its items in store order), or nothing
// and returns nullptr when the list has no item there.
inline char* FromFileItem(RandomSource& random, std::int16_t& last_list_pick, std::span<const PaddedText> items,
                          std::int16_t item_count, const PaddedText& start, std::int16_t links_to, char* out) {
  if (links_to == 0) {
    // Stored before the look-up: the position stands even when the list has no item there.
    last_list_pick = static_cast<std::int16_t>(Choose(random, item_count));
  }
  const std::int16_t position = last_list_pick;
  if (position < 1 || static_cast<std::size_t>(position) > items.size()) return nullptr;
  return items[static_cast<std::size_t>(position) - 1].CopyTo(start.CopyTo(out));
}

}  // namespace zelvane
