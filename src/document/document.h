#pragma once
// The document: the field table, the list store and the rest of the state that the
// windows and the generation engine share for the whole run of the program.
// Tables are numbered from 1, as the user sees them, with a separate count in use.

#include <array>
#include <cstdint>
#include <string>

#include "platform/value.h"

namespace zelvane {

inline constexpr int kMaxFields = 50;
inline constexpr int kMaxListEntries = 1000;
inline constexpr const char* kDefaultHeaderLine = "FieldName,Type,Size,StartString,LinksTo";
inline constexpr std::int32_t kDefaultNoOfItems = 100;

// One field definition. The first five members are saved in the .fld file; the last
// two belong to the generation engine and are never saved.
struct FieldDef {
  std::string FieldName;
  std::string Type;
  std::int32_t Size = 0;
  std::string StartString;
  std::int16_t LinksTo = 0;  // 0: none
  Value CurrentValue;        // the value generated for the current data line
  std::int16_t ItemCount = 0;  // list entries of this field, counted at each run
};

// One item of a field's list.
struct ListEntry {
  std::int16_t FieldNo = 0;  // the owning field's number
  std::string Item;
};

// A fixed table numbered 1..N. Callers check the range; at() does it for them.
template <typename T, int N>
class NumberedTable {
 public:
  T& operator[](int number) { return slots_[number - 1]; }
  const T& operator[](int number) const { return slots_[number - 1]; }
  static constexpr bool Holds(int number) { return number >= 1 && number <= N; }
  auto begin() { return slots_.begin(); }
  auto end() { return slots_.end(); }
  auto begin() const { return slots_.begin(); }
  auto end() const { return slots_.end(); }

 private:
  std::array<T, N> slots_{};
};

struct Document {
  std::string HelpTopic;
  std::int32_t NoOfItems = kDefaultNoOfItems;
  std::int16_t FieldCount = 1;
  std::int16_t CurrentRecord = 1;
  std::string CurrentFile;  // empty while the document is untitled
  NumberedTable<FieldDef, kMaxFields> Fields;
  std::string HeaderLine = kDefaultHeaderLine;

  NumberedTable<ListEntry, kMaxListEntries> ListEntries;
  std::int16_t ListEntryCount = 0;
  std::string ListFile;
  // The list file that was not read whole, which saves leave as it is until a list
  // changes; empty when there is none.
  std::string UnreadListFile;
};

// The counts clamped to the tables, for loops that must stay inside them whatever the
// counts hold.
inline int FieldsInUse(const Document& document) {
  if (document.FieldCount < 0) return 0;
  return document.FieldCount < kMaxFields ? document.FieldCount : kMaxFields;
}
inline int ListEntriesInUse(const Document& document) {
  if (document.ListEntryCount < 0) return 0;
  return document.ListEntryCount < kMaxListEntries ? document.ListEntryCount : kMaxListEntries;
}

// Makes the document a new, untitled one: every field blank, the list entries in use
// blanked, one field, 100 data lines, the default header line, no unread list file.
// HelpTopic, ListFile and the engine's members of the fields are left as they are.
void ResetFieldFile(Document& document);

}  // namespace zelvane
