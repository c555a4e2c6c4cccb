#pragma once
// Values of "Random Integer", "Random Double", "Random Currency", "Random Date" and
// "Random Time". Every draw widens r to double and forms the products in the order
// written; Int is the floor. Texts are written into room the caller has made, and each
// writer returns the end of what it wrote.

#include <cstdint>
#include <string>
#include <string_view>

#include "generator/padded_text.h"
#include "platform/date_serial.h"
#include "platform/locale_conventions.h"
#include "platform/random_source.h"
#include "platform/value.h"
#include "platform/value_text.h"

namespace zelvane {

// Int of a value within the 64-bit range: the greatest whole number not above it.
inline std::int64_t Int(double value) {
  const auto truncated = static_cast<std::int64_t>(value);
  return truncated - (static_cast<double>(truncated) > value ? 1 : 0);
}

// The choice rule, Int(r * n + 1): 1..n for a positive n. The result fits 32 bits for
// every 32-bit n, since 0 <= r < 1.
inline std::int32_t Choose(RandomSource& random, std::int32_t n) {
  const double r = random.Next();
  return static_cast<std::int32_t>(Int(r * static_cast<double>(n) + 1.0));
}

// Int(r * size + 1): 1..size, always 1 for size 0, size + 1..1 for a negative size.
inline std::int32_t RandomInteger(RandomSource& random, std::int32_t size) { return Choose(random, size); }

// Int(r * size * 100 + 1): the amount of "Random Double" and "Random Currency" in hundredths.
inline std::int64_t RandomHundredths(RandomSource& random, std::int32_t size) {
  const double r = random.Next();
  return Int(r * static_cast<double>(size) * 100.0 + 1.0);
}

inline double RandomDouble(RandomSource& random, std::int32_t size) {
  return static_cast<double>(RandomHundredths(random, size)) / 100.0;
}

// The start string followed by an amount as RandomDouble's, in the pattern "#.00"; at
// most start.size() + formatter.MaxNumberLength() characters.
inline char* RandomCurrency(RandomSource& random, const ValueFormatter& formatter, const PaddedText& start,
                            std::int32_t size, char* out) {
  const std::int64_t hundredths = RandomHundredths(random, size);
  return formatter.WriteCurrencyHundredths(hundredths, start.CopyTo(out));
}

// Linked (link > 0): the base plus 1..size days, one draw. Unlinked: day, month, year
// drawn in that order. A date that cannot be formed gives day 0.
// The date of an unlinked year sum held in 16 bits (one that does not fit becomes year 0)
// and read through the two-digit window; day 0 when there is no such date.
DateSerial DateOfYearSum(std::int64_t sum, int month, int day, const LocaleConventions& conventions);
inline DateSerial RandomDate(RandomSource& random, const LocaleConventions& conventions, std::int16_t start_year,
                             std::int32_t size, std::int16_t link, DateSerial base) {
  RandomSource::Draws draws(random);
  if (link > 0) {
    const double r = draws.Next();
    const std::int64_t k = Int(r * static_cast<double>(size) + 1.0);
    // A whole-day base, as generated dates are, has no time of day to keep.
    if (!IsWholeDay(base.days)) return AddDays(base, static_cast<double>(k)).value_or(DateSerial{});
    const std::int64_t day = static_cast<std::int64_t>(base.days) + k;
    return day >= kFirstDateDay && day <= kLastDateDay ? DateSerial{static_cast<double>(day)} : DateSerial{};
  }
  const int day = draws.Choose(28);
  const int month = draws.Choose(12);
  const double r3 = draws.Next();
  const std::int64_t sum = start_year + Int(r3 * static_cast<double>(size) + 1.0);
  // Days 1 to 28 exist in every month: a year as written from 100 to 9999 needs no checks.
  if (sum >= 100 && sum <= 9999) return DateSerial{static_cast<double>(DayOfDate(static_cast<int>(sum), month, day))};
  return DateOfYearSum(sum, month, day, conventions);
}

// The start string of a "Random Time" field, read once per run.
struct TimeStart {
  bool readable = false;
  std::int64_t start_ms = 0;  // the start as a linear moment
  std::int32_t span = 0;      // minutes from the start to 23:59 on day 0
};
TimeStart ReadTimeStart(std::string_view start_string, const LocaleConventions& conventions);

// Int(span / size) as 32 bits: 0 for a size of 0, an unreadable start or a quotient
// beyond 32 bits. It depends on the field alone, so a run works it out once.
std::int32_t TimeSteps(const TimeStart& start, std::int32_t size);

// One draw, with steps from TimeSteps(start, size); writes start + k * size minutes in
// "Short Time" form (at most formatter.MaxShortTimeLength() characters), or nothing and
// returns nullptr (an empty value) when the start does not read or the result lies
// outside the date range.
inline char* RandomTime(RandomSource& random, const ValueFormatter& formatter, const TimeStart& start,
                        std::int32_t size, std::int32_t steps, char* out) {
  const double r = random.Next();
  if (!start.readable) return nullptr;
  const double k = static_cast<double>(Int(r * static_cast<double>(steps) + 1.0));
  const double minutes = k * static_cast<double>(size);
  const auto moment = AddMinutesLinear(start.start_ms, static_cast<std::int64_t>(minutes));
  if (!moment) return nullptr;
  return formatter.WriteShortTime(ClockTimeOf(*moment), out);
}
// The same, its steps worked out here, appended to a string; false for an empty value.
bool RandomTime(RandomSource& random, const ValueFormatter& formatter, const TimeStart& start,
                std::int32_t size, std::string& out);

}  // namespace zelvane
