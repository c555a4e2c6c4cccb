#include "document/document.h"

#include "document/field_table.h"

namespace zelvane {

void ResetFieldFile(Document& document) {
  for (int i = 1; i <= kMaxFields; ++i) ClearField(document, static_cast<std::int16_t>(i));
  for (int k = 1; k <= ListEntriesInUse(document); ++k) {
    ClearListItem(document, static_cast<std::int16_t>(k));
  }
  document.CurrentRecord = 1;
  document.FieldCount = 1;
  document.NoOfItems = kDefaultNoOfItems;
  document.ListEntryCount = 0;
  document.CurrentFile.clear();
  document.HeaderLine = kDefaultHeaderLine;
  document.UnreadListFile.clear();
}

}  // namespace zelvane
