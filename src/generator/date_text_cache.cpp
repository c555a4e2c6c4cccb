#include "generator/date_text_cache.h"

#include <cstring>

#include "generator/padded_text.h"
#include "platform/date_serial.h"

namespace zelvane {

DateTextCache::DateTextCache(const ValueFormatter& formatter)
    : formatter_(formatter),
      // Texts longer than an entry are formed every time.
      entries_(formatter.MaxDateLength() <= kLongest ? std::make_unique<Entry[]>(kEntries) : nullptr) {}

char* DateTextCache::Write(DateSerial date, char* out) {
  const double days = date.days;
  const bool whole_day = days >= static_cast<double>(kFirstDateDay) && days <= static_cast<double>(kLastDateDay) &&
                         days == static_cast<double>(static_cast<std::int64_t>(days));
  if (!whole_day || !entries_) return formatter_.WriteDate(date, out);
  const auto day = static_cast<std::int64_t>(days);
  Entry& entry = entries_[static_cast<std::size_t>(day) & (kEntries - 1)];
  if (entry.day != day) {
    entry.size = static_cast<std::size_t>(formatter_.WriteDate(date, entry.text) - entry.text);
    entry.day = day;
  }
  static_assert(kLongest % PaddedText::kBlock == 0);
  for (std::size_t i = 0; i < entry.size; i += PaddedText::kBlock) std::memcpy(out + i, entry.text + i, PaddedText::kBlock);
  return out + entry.size;
}

}  // namespace zelvane
