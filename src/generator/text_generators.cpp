#include "generator/text_generators.h"

namespace zelvane {
namespace {

std::size_t MaxRandomTextLength(std::size_t start_size, std::int32_t size) {
  if (size <= 6) return start_size + 1 + static_cast<std::size_t>(std::max(size, 0));
  return start_size + 1 + static_cast<std::size_t>(std::clamp(size, 5, detail::kLargestCount));
}

}  // namespace

std::size_t MaxTextValueLength(DataType type, std::size_t start_size, std::int32_t size) {
  switch (type) {
    case DataType::RandomText: return MaxRandomTextLength(start_size, size);
    case DataType::Email: return MaxRandomTextLength(0, size) + start_size;
    case DataType::WebURL: return 4 + MaxRandomTextLength(0, size) + start_size;
    // The suffix is copied as 8 bytes.
    case DataType::Street: return 3 + 1 + MaxRandomTextLength(0, size) + 1 + 8;
    case DataType::Phone:
      return start_size + 1 + static_cast<std::size_t>(size > detail::kLargestCount ? 0 : std::max(size, 0));
    default: return 0;
  }
}

}  // namespace zelvane
