#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "document/field_file.h"
#include "document/field_table.h"
#include "document/list_store.h"

namespace zelvane {
namespace {

// The store as "4a 2x": FieldNo then Item, for each entry in use.
void Fill(Document& document, const std::string& store) {
  std::istringstream entries(store);
  int field = 0;
  document.ListEntryCount = 0;
  for (std::string item; entries >> field >> item;) {
    document.ListEntries[++document.ListEntryCount] = {static_cast<std::int16_t>(field), item};
  }
}
std::string StoreText(const Document& document) {
  std::string text;
  for (int k = 1; k <= document.ListEntryCount; ++k) {
    text += (k > 1 ? " " : "") + std::to_string(document.ListEntries[k].FieldNo) + document.ListEntries[k].Item;
  }
  return text;
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
  Fill(document, "4a 5b 6c");
  document.ListEntryCount = 2;
  std::tie(document.HelpTopic, document.ListFile, document.CurrentFile, document.HeaderLine, document.UnreadListFile) =
      std::tuple("Phone", "x.lst", "x.fld", "other", "x.lst");
  document.NoOfItems = document.FieldCount = document.CurrentRecord = 9;

  ResetFieldFile(document);

  EXPECT_EQ(FormatFieldFile(document), "100\r\nFieldName,Type,Size,StartString,LinksTo\r\n\"\",\"\",0,\"\",0\r\n");
  // A count left above 0 would save the blanked entries to the list file.
  EXPECT_EQ(std::tuple(document.HelpTopic + document.ListFile + document.CurrentFile + document.UnreadListFile,
                       document.CurrentRecord, document.ListEntryCount),
            std::tuple("Phonex.lst", 1, 0));
  for (const FieldDef& field : document.Fields) EXPECT_EQ(Text(field), "||0||0|v|3");
  document.ListEntryCount = 3;
  EXPECT_EQ(StoreText(document), "0 0 6c");  // the entry above the count is left alone
}

TEST(FieldTable, OperationsTouchTheRightMembersAndNothingOutsideTheTable) {
  const std::string one = "one|Phone|5|s|2|v1|3", two = "two|Email|-4|t|-2|v2|7";
  const std::pair<void (*)(Document&), std::string> cases[] = {
      {[](Document& d) { ClearField(d, 1); }, "||0||0|v1|3 " + two},
      {[](Document& d) { CopyField(d, 1, 1); }, "two|Email|-4|t|-2|v1|3 " + two},
      {[](Document& d) { CopyField(d, 2, -1); }, one + " one|Phone|5|s|2|v2|7"},
      {[](Document& d) { SwapFields(d, 2, 1); }, two + " " + one},
      // Numbers outside the table change nothing.
      {[](Document& d) { ClearField(d, 0); ClearField(d, 51); CopyField(d, 0, 1); }, one + " " + two},
      {[](Document& d) { CopyField(d, 2, 49); CopyField(d, 1, 32767); CopyField(d, -32768, -32768); }, one + " " + two},
      {[](Document& d) { SwapFields(d, 0, 1); SwapFields(d, 2, 51); ClearListItem(d, 1001); }, one + " " + two},
  };
  for (const auto& [operation, fields] : cases) {
    Document document;
    document.Fields[1] = {"one", "Phone", 5, "s", 2, std::string("v1"), 3};
    document.Fields[2] = {"two", "Email", -4, "t", -2, std::string("v2"), 7};
    operation(document);
    EXPECT_EQ(Text(document.Fields[1]) + " " + Text(document.Fields[2]), fields);
  }
}

TEST(ListStore, OperationsKeepStoreOrder) {
  const std::tuple<const char*, void (*)(Document&), const char*> cases[] = {
      {"4a 4b 2x 4c 3y 4d", [](Document& d) { DeleteListItems(d, 4); }, "2x 3y"},  // neighbours too
      {"2a 3b 2c 5d", [](Document& d) { DeleteListItems(d, 9); }, "2a 3b 2c 5d"},
      {"2a 3b 2c 5d", [](Document& d) { SwapListFields(d, 2, 3); }, "3a 2b 3c 5d"},  // each entry once
      {"2a 3b 2c 5d", [](Document& d) { SwapListFields(d, 7, 2); }, "7a 3b 7c 5d"},
      {"2a 3b 2c 5d", [](Document& d) { SwapListFields(d, 2, 2); }, "2a 3b 2c 5d"},
      {"2a 3b 2c 5d", [](Document& d) { RenumberListField(d, 3, 2); }, "2a 2b 2c 5d"},  // merged in store order
      {"2a 3b 2c 5d", [](Document& d) { RenumberListField(d, 7, 2); RenumberListField(d, 2, 2); }, "2a 3b 2c 5d"},
      // Field 2 of 5 deleted.
      {"1a 2b 3c 5d 3e 2f",
       [](Document& d) {
         DeleteListItems(d, 2);
         for (std::int16_t i = 2; i <= 4; ++i) RenumberListField(d, static_cast<std::int16_t>(i + 1), i);
       },
       "1a 2c 4d 2e"},
  };
  for (const auto& [store, operation, expected] : cases) {
    Document document;
    Fill(document, store);
    document.UnreadListFile = "x.lst";
    operation(document);
    EXPECT_EQ(StoreText(document), expected) << store;
    // Only a change of the lists lets a save replace a list file not read whole.
    EXPECT_EQ(document.UnreadListFile.empty(), std::string(expected) != store) << expected;
  }
}

TEST(ListStore, ReplaceListItemsAppendsWhenTheStoreHasRoom) {
  // Entries of field 9 ahead of "2a 4b 2c 5d" bring the store near its capacity.
  const std::tuple<int, std::vector<std::string>, int, const char*> cases[] = {
      {0, {"x", "y", "z"}, 0, "4b 5d 2x 2y 2z"},  // other fields' entries kept in order
      {0, {}, 0, "4b 5d"},
      {996, {"x", "y"}, 0, "4b 5d 2x 2y"},      // fits exactly
      {996, {"x", "y", "z"}, 1, "2a 4b 2c 5d"},  // one too many: nothing changes
      {996, {"v", "w", "x", "y", "z"}, 3, "2a 4b 2c 5d"},
  };
  for (const auto& [padding, items, excess, expected] : cases) {
    std::string pad;
    for (int k = 0; k < padding; ++k) pad += "9p ";
    Document document;
    Fill(document, pad + "2a 4b 2c 5d");
    document.UnreadListFile = "x.lst";
    EXPECT_EQ(ReplaceListItems(document, 2, items), excess) << padding << " + " << items.size();
    EXPECT_EQ(document.UnreadListFile.empty(), excess == 0);
    EXPECT_EQ(StoreText(document), pad + expected) << padding << " + " << items.size();
  }
}

}  // namespace
}  // namespace zelvane
