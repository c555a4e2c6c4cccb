#include <gtest/gtest.h>

#include <string>
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

FieldDef Field(const std::string& name, std::int32_t size, std::int16_t links_to) {
  return FieldDef{name, "Random Text", size, "s" + name, links_to, std::string("value"), 3};
}

TEST(ResetFieldFile, BlanksSavedMembersAndEntriesInUseOnly) {
  Document document;
  for (int i = 1; i <= kMaxFields; ++i) document.Fields[i] = Field("f", i, 2);
  FillStore(document, {{4, "a"}, {5, "b"}, {6, "c"}});
  document.ListEntryCount = 2;
  document.HelpTopic = "Phone";
  document.ListFile = "x.lst";
  document.CurrentFile = "x.fld";
  document.NoOfItems = 7;
  document.FieldCount = document.CurrentRecord = 9;
  document.HeaderLine = "other";

  ResetFieldFile(document);

  for (const FieldDef& field : document.Fields) {
    EXPECT_TRUE(field.FieldName.empty() && field.Type.empty() && field.StartString.empty());
    EXPECT_EQ(field.Size, 0);
    EXPECT_EQ(field.LinksTo, 0);
    EXPECT_EQ(field.CurrentValue, Value(std::string("value")));
    EXPECT_EQ(field.ItemCount, 3);
  }
  EXPECT_EQ(document.ListEntries[2].FieldNo, 0);
  EXPECT_EQ(document.ListEntries[2].Item, "");
  EXPECT_EQ(document.ListEntries[3].Item, "c");  // above the count: left alone
  EXPECT_EQ(document.ListEntryCount, 0);
  EXPECT_EQ(document.HelpTopic, "Phone");
  EXPECT_EQ(document.ListFile, "x.lst");
  EXPECT_EQ(document.CurrentFile, "");
  EXPECT_EQ(document.NoOfItems, 100);
  EXPECT_EQ(document.FieldCount, 1);
  EXPECT_EQ(document.CurrentRecord, 1);
  EXPECT_EQ(document.HeaderLine, "FieldName,Type,Size,StartString,LinksTo");
}

TEST(FieldTable, NumbersOutsideTheTablesChangeNothing) {
  Document document;
  for (int i = 1; i <= kMaxFields; ++i) document.Fields[i] = Field(std::to_string(i), i, 1);
  FillStore(document, {{4, "a"}});
  ClearField(document, 0);
  ClearField(document, 51);
  CopyField(document, 0, 1);
  CopyField(document, 50, 1);
  CopyField(document, 1, 32767);
  CopyField(document, -32768, -32768);
  SwapFields(document, 0, 1);
  SwapFields(document, 50, 51);
  ClearListItem(document, 0);
  ClearListItem(document, 1001);
  for (int i = 1; i <= kMaxFields; ++i) EXPECT_EQ(document.Fields[i].FieldName, std::to_string(i));
  EXPECT_EQ(StoreText(document), "4a");
}

TEST(FieldTable, CopyTakesSavedMembersOnlyAndLeavesTheSource) {
  Document document;
  document.Fields[3] = Field("three", 3, 0);
  document.Fields[4] = Field("four", -4, -2);
  document.Fields[4].CurrentValue = 44;
  document.Fields[4].ItemCount = 40;
  CopyField(document, 3, 1);
  const FieldDef& copy = document.Fields[3];
  EXPECT_EQ(copy.FieldName, "four");
  EXPECT_EQ(copy.StartString, "sfour");
  EXPECT_EQ(copy.Size, -4);
  EXPECT_EQ(copy.LinksTo, -2);
  EXPECT_EQ(copy.CurrentValue, Value(std::string("value")));
  EXPECT_EQ(copy.ItemCount, 3);
  EXPECT_EQ(document.Fields[4].FieldName, "four");

  CopyField(document, 50, -49);  // negative offsets reach back
  EXPECT_EQ(document.Fields[50].FieldName, document.Fields[1].FieldName);
}

TEST(FieldTable, SwapExchangesWholeRecordsAndClearTouchesSavedMembersOnly) {
  Document document;
  document.Fields[1] = Field("one", 1, 0);
  document.Fields[2] = Field("two", 2, 1);
  document.Fields[2].CurrentValue = 2.5;
  document.Fields[2].ItemCount = 7;
  SwapFields(document, 1, 2);
  EXPECT_EQ(document.Fields[1].FieldName, "two");
  EXPECT_EQ(document.Fields[1].CurrentValue, Value(2.5));
  EXPECT_EQ(document.Fields[1].ItemCount, 7);
  EXPECT_EQ(document.Fields[2].FieldName, "one");

  ClearField(document, 1);
  EXPECT_EQ(document.Fields[1].FieldName, "");
  EXPECT_EQ(document.Fields[1].Size, 0);
  EXPECT_EQ(document.Fields[1].CurrentValue, Value(2.5));
  EXPECT_EQ(document.Fields[1].ItemCount, 7);
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
      {"delete on an empty store", {}, [](Document& d) { DeleteListItems(d, 0); }, ""},
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

TEST(ListStore, CountsBeyondTheTableStayInside) {
  Document document;
  FillStore(document, {{1, "a"}});
  document.ListEntryCount = 2000;
  DeleteListItems(document, 0);  // slots 2..1000 are blank: FieldNo 0
  EXPECT_EQ(document.ListEntryCount, 1);
  document.ListEntryCount = -3;
  SwapListFields(document, 1, 2);
  RenumberListField(document, 1, 2);
  EXPECT_EQ(document.ListEntries[1].FieldNo, 1);
}

}  // namespace
}  // namespace zelvane
