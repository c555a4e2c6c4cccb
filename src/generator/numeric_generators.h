#pragma once
// Values of "Random Integer", "Random Double", "Random Currency", "Random Date" and
// "Random Time". Every draw widens r to double and forms the products in the order
// written; Int is the floor. Texts are appended to the caller's buffer.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/locale_conventions.h"
#include "platform/random_source.h"
#include "platform/value.h"
#include "platform/value_text.h"

namespace zelvane {

// Int(r * size + 1): 1..size, always 1 for size 0, size + 1..1 for a negative size.
std::int32_t RandomInteger(RandomSource& random, std::int32_t size);

// Int(r * size * 100 + 1) / 100.
double RandomDouble(RandomSource& random, std::int32_t size);

// The start string followed by an amount as RandomDouble's, in the pattern "#.00".
void RandomCurrency(RandomSource& random, const ValueFormatter& formatter,
                    std::string_view start_string, std::int32_t size, std::string& out);

// Linked (link > 0): the base plus 1..size days, one draw. Unlinked: day, month, year
// drawn in that order. A date that cannot be formed gives day 0.
DateSerial RandomDate(RandomSource& random, const LocaleConventions& conventions,
                      std::int16_t start_year, std::int32_t size, std::int16_t link,
                      DateSerial base);

// The start string of a "Random Time" field, read once per run.
struct TimeStart {
  bool readable = false;
  DateSerial start;
  std::int32_t span = 0;  // minutes from the start to 23:59 on day 0
};
TimeStart ReadTimeStart(std::string_view start_string, const LocaleConventions& conventions);

// One draw; appends start + k * size minutes in "Short Time" form and returns true, or
// appends nothing and returns false (an empty value) when the start does not read or
// the result lies outside the date range.
bool RandomTime(RandomSource& random, const ValueFormatter& formatter, const TimeStart& start,
                std::int32_t size, std::string& out);

}  // namespace zelvane
