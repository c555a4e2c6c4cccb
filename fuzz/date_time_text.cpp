// Any bytes as a date/time text: no crash, no hang, no undefined behaviour; and a text
// that reads gives a date whose own text form reads back to the same moment.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "generator/numeric_generators.h"
#include "platform/date_serial.h"
#include "platform/value_text.h"

namespace {

using namespace zelvane;

LocaleConventions German() {
  LocaleConventions c;
  c.decimal_separator = ",";
  c.short_date_pattern = "d.M.yyyy";
  c.long_time_pattern = "HH:mm:ss";
  return c;
}

void Check(std::string_view text, const LocaleConventions& conventions) {
  const auto date = ReadDateTime(text, conventions);
  const ValueFormatter formatter{conventions};
  std::string out;
  const TimeStart start = ReadTimeStart(text, conventions);
  RandomSource random = RandomSource::Scripted({0.0f, RandomSource::kLargest});
  RandomTime(random, formatter, start, 15, out);
  RandomTime(random, formatter, start, -7, out);
  if (!date) return;
  out.clear();
  formatter.AppendDate(*date, out);
  const auto again = ReadDateTime(out, conventions);
  if (!again || !(BreakDown(*again) == BreakDown(*date))) __builtin_trap();
  MinutesBetween(*date, DateSerial{0.5});
  AddDays(*date, 1e6);
  AddMinutes(*date, -5'000'000'000);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  static const LocaleConventions us = LocaleConventions::Fallback();
  static const LocaleConventions de = German();
  Check(text, us);
  Check(text, de);
  return 0;
}
