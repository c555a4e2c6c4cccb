#include "generator/numeric_generators.h"

#include <cmath>
#include <limits>

#include "platform/date_serial.h"

namespace zelvane {
namespace {

bool FitsInt32(double value) {
  return value >= static_cast<double>(std::numeric_limits<std::int32_t>::min()) &&
         value <= static_cast<double>(std::numeric_limits<std::int32_t>::max());
}

}  // namespace

DateSerial DateOfYearSum(std::int64_t sum, int month, int day, const LocaleConventions& conventions) {
  const int year = sum >= std::numeric_limits<std::int16_t>::min() && sum <= std::numeric_limits<std::int16_t>::max()
                       ? static_cast<int>(sum)
                       : 0;
  return MakeDate(year, month, day, conventions).value_or(DateSerial{});
}

TimeStart ReadTimeStart(std::string_view start_string, const LocaleConventions& conventions) {
  TimeStart start;
  const auto read = ReadDateTime(start_string, conventions);
  if (!read) return start;
  start.readable = true;
  start.start_ms = LinearMs(*read).value_or(0);
  // 23:59 on day 0.
  const DateSerial end{(23.0 * 60.0 + 59.0) / 1440.0};
  const std::int64_t span = MinutesBetween(*read, end);
  // A span beyond 32 bits cannot be held; it stays 0, as if never computed.
  start.span = FitsInt32(static_cast<double>(span)) ? static_cast<std::int32_t>(span) : 0;
  return start;
}

std::int32_t TimeSteps(const TimeStart& start, std::int32_t size) {
  if (!start.readable || size == 0) return 0;
  const double quotient = std::floor(static_cast<double>(start.span) / static_cast<double>(size));
  return FitsInt32(quotient) ? static_cast<std::int32_t>(quotient) : 0;
}

}  // namespace zelvane

namespace zelvane {

bool RandomTime(RandomSource& random, const ValueFormatter& formatter, const TimeStart& start, std::int32_t size,
                std::string& out) {
  const std::size_t before = out.size();
  out.resize(before + formatter.MaxShortTimeLength());
  const char* end = RandomTime(random, formatter, start, size, TimeSteps(start, size), out.data() + before);
  out.resize(end != nullptr ? static_cast<std::size_t>(end - out.data()) : before);
  return end != nullptr;
}

}  // namespace zelvane
