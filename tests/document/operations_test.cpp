#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "document/document.h"
#include "document/field_table.h"
#include "document/list_store.h"

namespace zelvane {
namespace {

// The store as "4a 2x": FieldNo then Item, for each entry in use.
std::string StoreText(const Document& document) {
  std::string text;
  for (int k = 1; k <= document.ListEntryCount; ++k) {
    if (!text.empty()) text += ' ';
    text += std::to_string(document.ListEntries[k].FieldNo) + document.ListEntries[k].Item;
  }
  return text;
}

void FillStore(Document& document, const std::vector<ListEntry>& entries) {
  document.ListEntryCount = static_cast<std::int16_t>(entries.size());
  for (std::size_t k = 0; k < entries.size(); ++k) document.ListEntries[static_cast<int>(k) + 1] = entries[k];
}

// All seven members as "name|type|size|start|links|value|count".
std::string Text(const FieldDef& f) {
  const auto* value = std::get_if<std::string>(&f.CurrentValue);
  return f.FieldName + "|" + f.Type + "|" + std::to_string(f.Size) + "|" + f.StartString + "|" +
         std::to_string(f.LinksTo) + "|" + (value ? *value : "?") + "|" + std::to_string(f.ItemCount);
}

TEST(ResetFieldFile, BlanksSavedMembersAndEntriesInUseOnly) {
  Document document;
  for (FieldDef& field : document.Fields) field = {"f", "Phone", 5, "s", 2, std::string("v"), 3};
  FillStore(document, {{4, "a"}, {5, "b"}, {6, "c"}});
  document.ListEntryCount = 2;
  document.HelpTopic = "Phone";
  document.ListFile = "x.lst";
  document.CurrentFile = "x.fld";
  document.HeaderLine = "other";
  document.NoOfItems = document.FieldCount = document.CurrentRecord = 9;

  ResetFieldFile(document);

  for (const FieldDef& field : document.Fields) EXPECT_EQ(Text(field), "||0||0|v|3");
  EXPECT_EQ(document.HelpTopic + "|" + document.ListFile + "|" + document.CurrentFile + "|" + document.HeaderLine +
                "|" + std::to_string(document.NoOfItems) + std::to_string(document.FieldCount) +
                std::to_string(document.CurrentRecord) + std::to_string(document.ListEntryCount),
            "Phone|x.lst||FieldName,Type,Size,StartString,LinksTo|100110");
  document.ListEntryCount = 3;
  EXPECT_EQ(StoreText(document), "0 0 6c");  // the entry above the count is left alone
}

TEST(FieldTable, OperationsTouchTheRightMembers) {
  const char* one = "one|Phone|5|s|2|v1|3";
  const char* two = "two|Email|-4|t|-2|v2|7";
  const struct {
    const char* name;
    void (*operation)(Document&);
    const char* field1;
    const char* field2;
  } cases[] = {
      {"clear", [](Document& d) { ClearField(d, 1); }, "||0||0|v1|3", two},
      {"copy the next field", [](Document& d) { CopyField(d, 1, 1); }, "two|Email|-4|t|-2|v1|3", two},
      {"copy the previous field", [](Document& d) { CopyField(d, 2, -1); }, one, "one|Phone|5|s|2|v2|7"},
      {"swap", [](Document& d) { SwapFields(d, 2, 1); }, "two|Email|-4|t|-2|v2|7", "one|Phone|5|s|2|v1|3"},
      {"numbers outside the tables",
       [](Document& d) {
         ClearField(d, 0);
         ClearField(d, 51);
         CopyField(d, 0, 1);
         CopyField(d, 2, 49);
         CopyField(d, 1, 32767);
         CopyField(d, -32768, -32768);
         SwapFields(d, 0, 1);
         SwapFields(d, 2, 51);
         ClearListItem(d, 0);
         ClearListItem(d, 1001);
       },
       one, two},
  };
  for (const auto& c : cases) {
    Document document;
    document.Fields[1] = {"one", "Phone", 5, "s", 2, std::string("v1"), 3};
    document.Fields[2] = {"two", "Email", -4, "t", -2, std::string("v2"), 7};
    c.operation(document);
    EXPECT_EQ(Text(document.Fields[1]), c.field1) << c.name;
    EXPECT_EQ(Text(document.Fields[2]), c.field2) << c.name;
  }
}

struct StoreCase {
  const char* name;
  std::vector<ListEntry> store;
  void (*operation)(Document&);
  const char* expected;
};

TEST(ListStore, OperationsKeepStoreOrder) {
  const std::vector<ListEntry> mixed = {{2, "a"}, {3, "b"}, {2, "c"}, {5, "d"}};
  const StoreCase cases[] = {
      {"delete removes neighbours too", {{4, "a"}, {4, "b"}, {2, "x"}, {4, "c"}, {3, "y"}, {4, "d"}},
       [](Document& d) { DeleteListItems(d, 4); }, "2x 3y"},
      {"delete of an absent number", mixed, [](Document& d) { DeleteListItems(d, 9); }, "2a 3b 2c 5d"},
      {"swap changes each entry once", mixed, [](Document& d) { SwapListFields(d, 2, 3); }, "3a 2b 3c 5d"},
      {"swap with a number without entries", mixed, [](Document& d) { SwapListFields(d, 7, 2); },
       "7a 3b 7c 5d"},
      {"swap with itself", mixed, [](Document& d) { SwapListFields(d, 2, 2); }, "2a 3b 2c 5d"},
      {"renumber merges in store order", mixed, [](Document& d) { RenumberListField(d, 3, 2); },
       "2a 2b 2c 5d"},
      {"field 2 of 5 deleted", {{1, "a"}, {2, "b"}, {3, "c"}, {5, "d"}, {3, "e"}, {2, "f"}},
       [](Document& d) {
         DeleteListItems(d, 2);
         for (std::int16_t i = 2; i <= 4; ++i) RenumberListField(d, static_cast<std::int16_t>(i + 1), i);
       },
       "1a 2c 4d 2e"},
  };
  for (const StoreCase& c : cases) {
    Document document;
    FillStore(document, c.store);
    c.operation(document);
    EXPECT_EQ(StoreText(document), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace zelvane
