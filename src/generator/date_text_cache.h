#pragma once
// The text forms of whole-day dates, kept as they are made. The dates of a field fall on
// a few thousand days at most in a typical document, and copying a kept text is far
// cheaper than forming it from the calendar and the pattern again.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "generator/padded_text.h"
#include "platform/date_serial.h"
#include "platform/value.h"
#include "platform/value_text.h"

namespace zelvane {

class DateTextCache {
 public:
  explicit DateTextCache(const ValueFormatter& formatter);

  // As formatter.WriteDate, at most formatter.MaxDateLength() characters; may write up to
  // kSpareRoom bytes past the end.
  char* Write(DateSerial date, char* out) {
    if (!IsWholeDay(date.days) || !entries_) return formatter_.WriteDate(date, out);
    const auto day = static_cast<std::int64_t>(date.days);
    Entry& entry = entries_[static_cast<std::size_t>(day) & (kEntries - 1)];
    if (entry.day != day) Fill(entry, day);
    static_assert(kLongest % PaddedText::kBlock == 0);
    for (std::size_t i = 0; i < entry.size; i += PaddedText::kBlock) {
      std::memcpy(out + i, entry.text + i, PaddedText::kBlock);
    }
    return out + entry.size;
  }

 private:
  static constexpr std::size_t kEntries = 2048;  // a power of two: days map by their low bits
  static constexpr std::size_t kLongest = 32;
  struct Entry {
    char text[kLongest];
    std::int64_t day = kEmpty;
    std::size_t size = 0;
  };
  static constexpr std::int64_t kEmpty = INT64_MIN;

  void Fill(Entry& entry, std::int64_t day);

  const ValueFormatter& formatter_;
  std::unique_ptr<Entry[]> entries_;
};

}  // namespace zelvane
