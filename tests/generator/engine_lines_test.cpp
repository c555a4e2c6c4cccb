#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "engine_test_document.h"
#include "generator/engine.h"
#include "generator/generation_run.h"
#include "support/core/temp_dir.h"

namespace zelvane {
namespace {

using testing::MakeDocument;
using testing::MakeEngine;
using testing::ReadBytes;
using testing::TempDir;

constexpr float K = RandomSource::kLargest;

struct LineCase {
  const char* what;
  std::vector<testing::TestField> fields;
  std::int32_t items;
  std::vector<float> script;  // drawn whole, and no further
  std::string expected;       // the whole file
  testing::TestList list = {};
};

TEST(GenerateDataFile, WritesHeaderAndLines) {
  const std::vector<LineCase> cases = {
      {"counting alone", {{"Id", "Counting Numbers"}}, 3, {}, "Id\r\n 1 \r\n 2 \r\n 3 \r\n"},
      {"middle column bare, last padded", {{"A", "Counting Numbers"}, {"B", "Random Integer", 100}}, 2, {0.5f, 0},
       "A,B\r\n1, 51 \r\n2, 1 \r\n"},
      {"negative last column", {{"Q", "Random Integer", -5}}, 1, {K}, "Q\r\n-4 \r\n"},
      {"reals", {{"W", "Random Double", 100}, {"X", "Random Double", -1}}, 1, {0.375f, K}, "W,X\r\n37.51,-0.99 \r\n"},
      {"real zero in the last column", {{"X", "Random Double", -1}}, 1, {0.005f}, "X\r\n 0 \r\n"},
      {"texts, currency and time in the last column",
       {{"T", "Random Text", 2, "x"}, {"C", "Random Currency", 0, "$"}, {"H", "Random Time", 0, "8:00"}}, 1,
       {0, K, 0, 0}, "T,C,H\r\nxaz,$.01,08:00\r\n"},
      {"unknown and mis-cased types draw nothing",
       {{"A", "Counting Numbers"}, {"B", "random integer", 5}, {"C", "Random Integer ", 5}, {"D", ""},
        {"E", "Counting Numbers"}},
       1, {}, "A,B,C,D,E\r\n1,,,, 1 \r\n"},
      {"names unquoted, empty last column", {{"a,b", ""}, {"", ""}, {"c", ""}}, 1, {}, "a,b,,c\r\n,,\r\n"},
      {"no lines", {{"Id", "Counting Numbers"}}, 0, {}, "Id\r\n"},
      {"negative number of lines", {{"Id", "Counting Numbers"}}, -7, {}, "Id\r\n"},
      {"no fields", {}, 3, {}, "\r\n\r\n\r\n\r\n"},
      {"date linked to itself starts from day 0", {{"D", "Random Date", 10, "", 1}}, 3, {0, 0, 0},
       "D\r\n12/31/1899\r\n1/1/1900\r\n1/2/1900\r\n"},
      {"date linked to an earlier date", {{"O", "Random Date", 5, "1998"}, {"S", "Random Date", 10, "", 1}}, 1,
       {0, 0, 0, 0}, "O,S\r\n1/1/1999,1/2/1999\r\n"},
      {"date linked to a later field reads the line before",
       {{"D", "Random Date", 10, "", 2}, {"N", "Counting Numbers"}}, 2, {0, 0}, "D,N\r\n12/31/1899, 1 \r\n1/1/1900, 2 \r\n"},
      {"date linked to an earlier count", {{"N", "Counting Numbers"}, {"D", "Random Date", 1, "", 1}}, 2, {0, 0},
       "N,D\r\n1,1/1/1900\r\n2,1/2/1900\r\n"},
      {"date linked to a time keeps the time", {{"T", "Random Time", 15, "8:00"}, {"D", "Random Date", 1, "", 1}}, 1,
       {0, 0}, "T,D\r\n08:15,12/31/1899 8:15:00 AM\r\n"},
      {"date linked to a list item that reads as a date", {{"M", "From File"}, {"D", "Random Date", 1, "", 1}}, 1,
       {0, 0}, "M,D\r\n1/15/2024,1/16/2024\r\n", {{1, "1/15/2024"}}},
      {"links out of range or to no date draw nothing",
       {{"A", "Random Text", 0, "abc"}, {"B", "Random Date", 5, "", 51}, {"C", "Random Date", 5, "", -1},
        {"D", "Random Date", 5, "", 1}},
       1, {}, "A,B,C,D\r\nabc,,,\r\n"},
      {"linked number beyond the date range", {{"W", "Random Double", 3000000}, {"D", "Random Date", 5, "", 1}}, 1,
       {K}, "W,D\r\n2999999.83,\r\n"},
      {"start year rounds half to even, beyond 16 bits is empty",
       {{"A", "Random Date", 5, "32767.5"}, {"B", "Random Date", 5, " 1 998.5"}}, 1, {0, 0, 0}, "A,B\r\n,1/1/1999\r\n"},
      {"list pick shared with a linked list field", {{"M", "From File"}, {"L", "From File", 0, "x", 7}}, 2, {K, 0},
       "M,L\r\nCassette,\r\nCD,xone\r\n", {{1, "CD"}, {2, "one"}, {1, "Record"}, {1, "Cassette"}}},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    Document document = MakeDocument(c.fields, c.items, c.list);
    document.CurrentFile = dir.File("orders.fld");
    testing::WriteBytes(dir.File("orders.txt"), std::string(5000, '#'));  // replaced, not kept
    Engine engine = MakeEngine(c.script);
    const Outcome outcome = GenerateDataFile(document, engine);
    EXPECT_TRUE(outcome.ok) << outcome.description;
    EXPECT_EQ(ReadBytes(dir.File("orders.txt")), c.expected);
    EXPECT_EQ(engine.Random.DrawCount(), c.script.size());
  }
}

TEST(GenerateDataFile, KeepsValuesAndListPickAcrossRuns) {
  TempDir dir;
  Document document =
      MakeDocument({{"D", "Random Date", 1, "", 1}, {"M", "From File"}}, 2, {{2, "CD"}, {2, "Record"}});
  document.CurrentFile = dir.File("orders.fld");
  Engine engine = MakeEngine({0, K, 0, 0, 0, 0});
  ASSERT_TRUE(GenerateDataFile(document, engine).ok);
  document.Fields[2].LinksTo = 1;  // now reads the pick of the run before
  ASSERT_TRUE(GenerateDataFile(document, engine).ok);
  EXPECT_EQ(ReadBytes(dir.File("orders.txt")), "D,M\r\n1/2/1900,CD\r\n1/3/1900,CD\r\n");
  EXPECT_EQ(std::get<std::string>(document.Fields[2].CurrentValue), "CD");
  EXPECT_EQ(engine.LastListPick, 1);
  EXPECT_EQ(engine.CurrentLine, 3);
  EXPECT_EQ(engine.Random.DrawCount(), 6u);
}

// Texts live in the output until something reads them; a date reading one on every line
// must still see it after the output has been handed to the file many times over.
TEST(GenerateDataFile, LinkedTextsSurviveTheOutputBeingWritten) {
  constexpr int kLines = 150'000;
  TempDir dir;
  Document document = MakeDocument({{"T", "Random Time", 0, "8:00"}, {"D", "Random Date", 1, "", 1}}, kLines);
  document.CurrentFile = dir.File("orders.fld");
  Engine engine = MakeEngine(std::vector<float>(2 * kLines, 0.5f));
  ASSERT_TRUE(GenerateDataFile(document, engine).ok);
  std::string expected = "T,D\r\n";
  for (int i = 0; i < kLines; ++i) expected += "08:00,12/31/1899 8:00:00 AM\r\n";
  EXPECT_TRUE(ReadBytes(dir.File("orders.txt")) == expected);
  EXPECT_EQ(std::get<std::string>(document.Fields[1].CurrentValue), "08:00");
}

TEST(GenerateDataFile, WritesALineLongerThanItsBuffer) {
  const std::string start(3 * 1024 * 1024, 's');
  TempDir dir;
  Document document = MakeDocument({{"T", "Random Text", 0, start.c_str()}, {"N", "Counting Numbers"}}, 2);
  document.CurrentFile = dir.File("orders.fld");
  Engine engine = MakeEngine({});
  ASSERT_TRUE(GenerateDataFile(document, engine).ok);
  EXPECT_TRUE(ReadBytes(dir.File("orders.txt")) == "T,N\r\n" + start + ", 1 \r\n" + start + ", 2 \r\n");
  EXPECT_EQ(std::get<std::string>(document.Fields[1].CurrentValue), start);
}

TEST(DataFileName, TrimsAndReplacesTheExtension) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"/data/orders.fld", "/data/orders.txt"},  {"  /data/orders.fld   ", "/data/orders.txt"},
      {"/data/ORDERS.FLD", "/data/ORDERS.txt"},  {"/data/orders.Fld", "/data/orders.txt"},
      {"/data/orders", "/data/orders.txt"},      {"/data/fld", "/data/fld.txt"},
      {"/data/my orders.fld ", "/data/my orders.txt"}, {"   ", ""}, {"", ""},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(DataFileName(path), expected) << path;
}

TEST(CountListItems, CountsEntriesInUseOfFieldsInUse) {
  Document document = MakeDocument({{"A", "From File"}, {"B", ""}, {"C", "From File"}}, 1,
                                   {{1, "a"}, {3, "c"}, {1, "b"}, {4, "beyond"}, {3, "unused"}});
  document.ListEntryCount = 4;
  document.Fields[4].ItemCount = 9;
  CountListItems(document);
  const std::vector<std::int16_t> counts = {2, 0, 1, 9};  // above FieldCount: left alone
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(document.Fields[i].ItemCount, counts[i - 1]) << i;
  document.ListEntryCount = 0;  // every entry deleted
  CountListItems(document);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(document.Fields[i].ItemCount, 0) << i;
}

}  // namespace
}  // namespace zelvane
