// Any bytes as a typed number: no crash, no hang, no undefined behaviour; and the text
// form of a real number reads back to the same text form.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/number_text.h"
#include "platform/value_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelvane;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  static const LocaleConventions point = LocaleConventions::Fallback();
  static const LocaleConventions comma = [] {
    LocaleConventions c;
    c.decimal_separator = ",";
    return c;
  }();
  TextToInt32(text, point);
  TextToInt32(text, comma);
  TextToInt16(text, point);
  TextToInt16(text, comma);
  const double leading = LeadingNumber(text);
  RoundHalfEven(leading);

  double value = leading;
  if (size >= sizeof value) std::memcpy(&value, data, sizeof value);
  static const ValueFormatter formatter{point};
  std::string once, twice;
  formatter.AppendCurrency(value, once);
  once.clear();
  formatter.AppendReal(value, once);
  // Fifteen digits of the largest doubles read back beyond the range; those aside, the
  // text form is stable.
  const double reread = LeadingNumber(once);
  if (std::isfinite(value) && std::isfinite(reread)) {
    formatter.AppendReal(reread, twice);
    if (once != twice) __builtin_trap();
  }
  return 0;
}
