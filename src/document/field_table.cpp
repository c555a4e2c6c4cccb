#include "document/field_table.h"

#include <utility>

namespace zelvane {

using Fields = NumberedTable<FieldDef, kMaxFields>;
using ListEntries = NumberedTable<ListEntry, kMaxListEntries>;

void ClearField(Document& document, std::int16_t i) {
  if (!Fields::Holds(i)) return;
  FieldDef& field = document.Fields[i];
  field.FieldName.clear();
  field.Type.clear();
  field.Size = 0;
  field.StartString.clear();
  field.LinksTo = 0;
}

void CopyField(Document& document, std::int16_t i, std::int16_t offset) {
  // The sum is formed in int, so a 16-bit overflow simply lands outside the table.
  const int source = i + offset;
  if (!Fields::Holds(i) || !Fields::Holds(source) || source == i) return;
  const FieldDef& from = document.Fields[source];
  FieldDef& to = document.Fields[i];
  to.FieldName = from.FieldName;
  to.Type = from.Type;
  to.Size = from.Size;
  to.StartString = from.StartString;
  to.LinksTo = from.LinksTo;
}

void SwapFields(Document& document, std::int16_t a, std::int16_t b) {
  if (!Fields::Holds(a) || !Fields::Holds(b) || a == b) return;
  std::swap(document.Fields[a], document.Fields[b]);
}

void ClearListItem(Document& document, std::int16_t k) {
  if (!ListEntries::Holds(k)) return;
  document.ListEntries[k].FieldNo = 0;
  document.ListEntries[k].Item.clear();
}

}  // namespace zelvane
