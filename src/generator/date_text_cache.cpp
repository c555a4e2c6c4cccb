#include "generator/date_text_cache.h"

namespace zelvane {

DateTextCache::DateTextCache(const ValueFormatter& formatter)
    : formatter_(formatter),
      // Texts longer than an entry are formed every time.
      entries_(formatter.MaxDateLength() <= kLongest ? std::make_unique<Entry[]>(kEntries) : nullptr) {}

void DateTextCache::Fill(Entry& entry, std::int64_t day) {
  entry.size = static_cast<std::size_t>(formatter_.WriteDate(DateSerial{static_cast<double>(day)}, entry.text) - entry.text);
  entry.day = day;
}

}  // namespace zelvane
