#include "document/list_store.h"

#include <utility>

namespace zelvane {

void DeleteListItems(Document& document, std::int16_t n) {
  const int old_count = ListEntriesInUse(document);
  int count = old_count;
  int i = 1;
  while (i <= count) {
    if (document.ListEntries[i].FieldNo == n) {
      // Each later entry moves one slot down; the old last slot keeps its copy, above
      // the count. Slot i then holds the next entry and is tested again.
      --count;
      for (int j = i; j <= count; ++j) {
        ListEntry& next = document.ListEntries[j + 1];
        document.ListEntries[j] = j < count ? std::move(next) : next;
      }
    } else {
      ++i;
    }
  }
  if (count != old_count) document.ListEntryCount = static_cast<std::int16_t>(count);
}

void SwapListFields(Document& document, std::int16_t a, std::int16_t b) {
  const int count = ListEntriesInUse(document);
  for (int k = 1; k <= count; ++k) {
    std::int16_t& field_no = document.ListEntries[k].FieldNo;
    if (field_no == a) {
      field_no = b;
    } else if (field_no == b) {
      field_no = a;
    }
  }
}

void RenumberListField(Document& document, std::int16_t a, std::int16_t b) {
  const int count = ListEntriesInUse(document);
  for (int k = 1; k <= count; ++k) {
    if (document.ListEntries[k].FieldNo == a) document.ListEntries[k].FieldNo = b;
  }
}

}  // namespace zelvane
