#include <gtest/gtest.h>

#include <string>

#include "document/list_file.h"
#include "support/core/temp_dir.h"

namespace zelvane {
namespace {

using testing::TempDir;
using testing::WriteBytes;

std::string Entries(int count) {
  std::string bytes;
  for (int k = 1; k <= count; ++k) bytes += std::to_string(k % 7) + ",\"item " + std::to_string(k) + "\"\r\n";
  return bytes;
}

TEST(ListFile, CompanionNameNeverCutsIntoTheName) {
  const struct {
    const char* path;
    const char* lst;
  } cases[] = {
      {"/d/orders.fld", "/d/orders.lst"}, {"/d/A.FlD", "/d/A.lst"},   {"x.fld", "x.lst"},
      {"data", "data.lst"},               {".fld", ".fld.lst"},       {"abcd", "abcd.lst"},
      {"a.fld ", "a.fld .lst"},           {"a.fldx", "a.fldx.lst"},   {"/d.fld/x", "/d.fld/x.lst"},
  };
  for (const auto& c : cases) EXPECT_EQ(CompanionFileName(c.path, ".lst"), c.lst) << c.path;
  EXPECT_EQ(CompanionFileName("a.fld", ".txt"), "a.txt");
}

TEST(ListFile, DamageKeepsTheEntriesBeforeIt) {
  const struct {
    std::string bytes;
    const char* description;
    int kept;
  } cases[] = {
      {"4,\"a\"\r\n\r\n", "Input past end of file", 1},
      {"4,\"a\"\r\n5", "Input past end of file", 1},
      {"4,\"a\"\r\n40000,\"b\"\r\n", "Number too large for its field", 1},
      {"x,\"a\"\r\n", "Not a whole number", 0},
      {"4,\"a\r\n", "Closing quote missing", 0},
      {Entries(1001), "Too many list entries: a file holds at most 1000", 1000},
  };
  for (const auto& c : cases) {
    Document document;
    const Outcome outcome = ParseListFile(document, c.bytes);
    EXPECT_EQ(outcome.description, c.description) << c.bytes.substr(0, 20);
    EXPECT_EQ(document.ListEntryCount, c.kept) << c.bytes.substr(0, 20);
  }
}

TEST(ListFile, ThousandEntriesRoundTrip) {
  Document document;
  ASSERT_TRUE(ParseListFile(document, Entries(1000)));
  EXPECT_EQ(document.ListEntryCount, 1000);
  EXPECT_EQ(FormatListFile(document), Entries(1000));
}

TEST(ListFile, MissingFileIsSilentAndDamageIsReported) {
  TempDir folder;
  Document document;
  document.ListEntryCount = 1;
  EXPECT_TRUE(LoadLists(document));  // untitled
  EXPECT_EQ(SaveLists(document).description, "No file name given");
  document.CurrentFile = folder.File("data");
  document.ListEntryCount = 3;
  EXPECT_TRUE(LoadLists(document));
  EXPECT_EQ(document.ListEntryCount, 0);
  EXPECT_EQ(document.ListFile, folder.File("data.lst"));

  WriteBytes(folder.File("data.lst"), "-3,\"x\"\r\n2,\"y\"\r\n\r\n");
  EXPECT_EQ(LoadLists(document).description, "Input past end of file");
  ASSERT_EQ(document.ListEntryCount, 2);
  EXPECT_EQ(document.ListEntries[1].FieldNo, -3);
  EXPECT_EQ(document.ListEntries[2].Item, "y");
}

}  // namespace
}  // namespace zelvane
