#pragma once
// The twelve data-type names, exact and case-sensitive, in the order the type list shows
// them, and the code the engine dispatches on. Any other text is no data type.

#include <array>
#include <cstdint>
#include <string_view>

namespace zelvane {

enum class DataType : std::uint8_t {
  None,
  CountingNumbers,
  RandomText,
  RandomInteger,
  RandomDouble,
  RandomCurrency,
  RandomDate,
  RandomTime,
  FromFile,
  Street,
  Phone,
  Email,
  WebURL,
};

inline constexpr std::array<std::string_view, 12> kDataTypeNames = {
    "Counting Numbers", "Random Text", "Random Integer", "Random Double",
    "Random Currency",  "Random Date", "Random Time",    "From File",
    "Street",           "Phone",       "Email",          "WebURL",
};

// Compared exactly: no trimming, no case folding.
constexpr DataType DataTypeOf(std::string_view type_name) {
  for (std::size_t i = 0; i < kDataTypeNames.size(); ++i) {
    if (kDataTypeNames[i] == type_name) return static_cast<DataType>(i + 1);
  }
  return DataType::None;
}

}  // namespace zelvane
