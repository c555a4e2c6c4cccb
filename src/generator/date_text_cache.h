#pragma once
// The text forms of whole-day dates, kept as they are made. The dates of a field fall on
// a few thousand days at most in a typical document, and copying a kept text is far
// cheaper than forming it from the calendar and the pattern again.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/value.h"
#include "platform/value_text.h"

namespace zelvane {

class DateTextCache {
 public:
  explicit DateTextCache(const ValueFormatter& formatter);

  // As formatter.WriteDate, at most formatter.MaxDateLength() characters; may write up to
  // kSpareRoom bytes past the end.
  char* Write(DateSerial date, char* out);

 private:
  static constexpr std::size_t kEntries = 2048;  // a power of two: days map by their low bits
  static constexpr std::size_t kLongest = 32;
  struct Entry {
    char text[kLongest];
    std::int64_t day = kEmpty;
    std::size_t size = 0;
  };
  static constexpr std::int64_t kEmpty = INT64_MIN;

  const ValueFormatter& formatter_;
  std::unique_ptr<Entry[]> entries_;
};

}  // namespace zelvane
