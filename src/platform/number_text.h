#pragma once
// Conversions between texts and numbers, as typed by the user.

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/locale_conventions.h"

namespace zelvane {

// The number a text begins with: blanks, tabs and line feeds are skipped wherever they
// stand, "." is the decimal point in every locale, reading stops at the first character
// that cannot continue the number, and a text that does not begin with one gives 0.
double LeadingNumber(std::string_view text);

// The nearest whole number, a value exactly halfway going to the even one.
double RoundHalfEven(double value);

// A whole box text as a whole number of the member's range: the locale's decimal
// separator, blanks around the number allowed, fractions rounded half to even. Empty
// texts, texts that are not numbers (12abc) and numbers outside the range give nothing.
std::optional<std::int32_t> TextToInt32(std::string_view text, const LocaleConventions& conventions);
std::optional<std::int16_t> TextToInt16(std::string_view text, const LocaleConventions& conventions);

}  // namespace zelvane
