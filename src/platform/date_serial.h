#pragma once
// Calendar arithmetic on day serials (days since 30 December 1899, the time of day as
// the fraction), valid from 1 January 100 to 31 December 9999, and reading a text as a
// date, a time or both. A result outside the valid range gives nothing.

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/locale_conventions.h"
#include "platform/value.h"

namespace zelvane {

// Years 0..99 are read through the conventions' two-digit-year window.
std::optional<DateSerial> MakeDate(int year, int month, int day, const LocaleConventions& conventions);
std::optional<DateSerial> AddDays(DateSerial date, double days);
std::optional<DateSerial> AddMinutes(DateSerial date, std::int64_t minutes);
// Minutes from one moment to another, counted as minute boundaries crossed.
std::int64_t MinutesBetween(DateSerial from, DateSerial to);
// A date, a time ("8:00", "11:59 pm") or both, by the conventions; a time alone falls
// on day 0. Texts that are neither give nothing.
std::optional<DateSerial> ReadDateTime(std::string_view text, const LocaleConventions& conventions);

}  // namespace zelvane
