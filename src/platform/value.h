#pragma once
// The value a field holds for the data line being generated: empty, a whole number,
// a real number, a date or a text. The text forms of each kind are in value_text.h.

#include <cstdint>
#include <string>
#include <variant>

namespace zelvane {

// A date as the number of days since 30 December 1899 (day 0), the time of day as the
// fraction. Valid from 1 January 100 to 31 December 9999.
struct DateSerial {
  double days = 0.0;
  friend bool operator==(DateSerial, DateSerial) = default;
};

// The alternatives stand in the order of ValueKind.
using Value = std::variant<std::monostate, std::int32_t, double, DateSerial, std::string>;

enum class ValueKind { Empty = 0, Whole = 1, Real = 2, Date = 3, Text = 4 };

inline ValueKind KindOf(const Value& value) { return static_cast<ValueKind>(value.index()); }

}  // namespace zelvane
