#pragma once
// Values of "Random Text", "Email", "WebURL", "Street", "Phone" and "From File", and the
// one-character generators they are built from. Each appends to the caller's buffer and
// makes exactly the draws its rules state, in their order.

#include <cstdint>
#include <string>
#include <string_view>

#include "document/document.h"
#include "platform/random_source.h"

namespace zelvane {

void RandomLowerLetter(RandomSource& random, std::string& out);
void RandomCapitalLetter(RandomSource& random, std::string& out);
void RandomDigit(RandomSource& random, std::string& out);
void RandomVowel(RandomSource& random, std::string& out);

// Text sizes above 6 draw a length first; a length above 32767 counts as 0 (five letters).
// A size of 0 or less, however far below, appends no letters or digits, and neither does
// a phone size above 32767, which would overflow the 16-bit digit counter.
void RandomText(RandomSource& random, std::string_view start_string, std::int32_t size, std::string& out);
void RandomEmail(RandomSource& random, std::string_view start_string, std::int32_t size, std::string& out);
void RandomWebURL(RandomSource& random, std::string_view start_string, std::int32_t size, std::string& out);
void RandomStreet(RandomSource& random, std::int32_t size, std::string& out);
void RandomPhone(RandomSource& random, std::string_view start_string, std::int32_t size, std::string& out);

// An unlinked field (links_to 0) draws a position and stores it in last_list_pick at
// once; a linked one reads last_list_pick. Appends the start string and the item at that
// position of the field's list and returns true, or appends nothing and returns false
// when the field has no entry there.
bool FromFileItem(RandomSource& random, std::int16_t& last_list_pick, const Document& document,
                  std::int16_t field_no, std::int16_t item_count, std::string_view start_string,
                  std::int16_t links_to, std::string& out);

}  // namespace zelvane
