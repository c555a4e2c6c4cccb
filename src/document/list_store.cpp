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
  if (count != old_count) {
    document.ListEntryCount = static_cast<std::int16_t>(count);
    document.UnreadListFile.clear();
  }
}

void SwapListFields(Document& document, std::int16_t a, std::int16_t b) {
  if (a == b) return;  // nothing moves, so the lists have not changed
  const int count = ListEntriesInUse(document);
  for (int k = 1; k <= count; ++k) {
    std::int16_t& field_no = document.ListEntries[k].FieldNo;
    if (field_no != a && field_no != b) continue;
    field_no = field_no == a ? b : a;
    document.UnreadListFile.clear();
  }
}

void RenumberListField(Document& document, std::int16_t a, std::int16_t b) {
  if (a == b) return;
  const int count = ListEntriesInUse(document);
  for (int k = 1; k <= count; ++k) {
    if (document.ListEntries[k].FieldNo == a) {
      document.ListEntries[k].FieldNo = b;
      document.UnreadListFile.clear();
    }
  }
}

int ReplaceListItems(Document& document, std::int16_t n, const std::vector<std::string>& items) {
  int own = 0;
  const int count = ListEntriesInUse(document);
  for (int i = 1; i <= count; ++i) {
    if (document.ListEntries[i].FieldNo == n) ++own;
  }
  const int excess = document.ListEntryCount - own + static_cast<int>(items.size()) - kMaxListEntries;
  if (excess > 0) return excess;

  DeleteListItems(document, n);
  document.UnreadListFile.clear();
  for (const std::string& item : items) {
    ++document.ListEntryCount;
    ListEntry& entry = document.ListEntries[document.ListEntryCount];
    entry.FieldNo = n;
    entry.Item = item;
  }
  return 0;
}

}  // namespace zelvane
