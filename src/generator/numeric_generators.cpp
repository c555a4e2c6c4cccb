#include "generator/numeric_generators.h"

#include <cmath>
#include <limits>

#include "platform/date_serial.h"

namespace zelvane {
namespace {

// Int(r * size * 100 + 1) / 100, shared by "Random Double" and "Random Currency".
double DrawAmount(RandomSource& random, std::int32_t size) {
  const double r = random.Next();
  return std::floor(r * static_cast<double>(size) * 100.0 + 1.0) / 100.0;
}

bool FitsInt32(double value) {
  return value >= static_cast<double>(std::numeric_limits<std::int32_t>::min()) &&
         value <= static_cast<double>(std::numeric_limits<std::int32_t>::max());
}

}  // namespace

std::int32_t RandomInteger(RandomSource& random, std::int32_t size) {
  const double r = random.Next();
  return static_cast<std::int32_t>(std::floor(r * static_cast<double>(size) + 1.0));
}

double RandomDouble(RandomSource& random, std::int32_t size) { return DrawAmount(random, size); }

void RandomCurrency(RandomSource& random, const ValueFormatter& formatter, std::string_view start_string,
                    std::int32_t size, std::string& out) {
  const double amount = DrawAmount(random, size);
  out += start_string;
  formatter.AppendCurrency(amount, out);
}

DateSerial RandomDate(RandomSource& random, const LocaleConventions& conventions, std::int16_t start_year,
                      std::int32_t size, std::int16_t link, DateSerial base) {
  if (link > 0) {
    const double r = random.Next();
    const double k = std::floor(r * static_cast<double>(size) + 1.0);
    return AddDays(base, k).value_or(DateSerial{});
  }
  const double r1 = random.Next();
  const int day = static_cast<int>(std::floor(r1 * 28.0 + 1.0));
  const double r2 = random.Next();
  const int month = static_cast<int>(std::floor(r2 * 12.0 + 1.0));
  const double r3 = random.Next();
  // The year is a 16-bit sum: one that does not fit becomes year 0, read through the
  // two-digit window like any other.
  const double sum = static_cast<double>(start_year) + std::floor(r3 * static_cast<double>(size) + 1.0);
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
  start.start = *read;
  // 23:59 on day 0.
  const DateSerial end{(23.0 * 60.0 + 59.0) / 1440.0};
  const std::int64_t span = MinutesBetween(start.start, end);
  // A span beyond 32 bits cannot be held; it stays 0, as if never computed.
  start.span = FitsInt32(static_cast<double>(span)) ? static_cast<std::int32_t>(span) : 0;
  return start;
}

bool RandomTime(RandomSource& random, const ValueFormatter& formatter, const TimeStart& start,
                std::int32_t size, std::string& out) {
  std::int32_t steps = 0;
  if (start.readable && size != 0) {
    const double quotient = std::floor(static_cast<double>(start.span) / static_cast<double>(size));
    if (FitsInt32(quotient)) steps = static_cast<std::int32_t>(quotient);
  }
  const double r = random.Next();
  if (!start.readable) return false;
  const double k = std::floor(r * static_cast<double>(steps) + 1.0);
  const double minutes = k * static_cast<double>(size);
  const auto moment = AddMinutes(start.start, static_cast<std::int64_t>(minutes));
  if (!moment) return false;
  formatter.AppendShortTime(*moment, out);
  return true;
}

}  // namespace zelvane
