#include <gtest/gtest.h>

#include <string>

#include "document/field_file.h"
#include "document/list_file.h"
#include "support/core/temp_dir.h"

namespace zelvane {
namespace {

using testing::ReadBytes;
using testing::TempDir;

const std::string kFixtures = std::string(ZELVANE_FIXTURES) + "/document/";
const std::string kHead = "100\r\nH\r\n";

TEST(FieldFile, NewDocumentWritesTheTwoHeadLinesAndOneBlankRecord) {
  Document document;
  ResetFieldFile(document);
  EXPECT_EQ(FormatFieldFile(document),
            "100\r\nFieldName,Type,Size,StartString,LinksTo\r\n\"\",\"\",0,\"\",0\r\n");
}

TEST(FieldFile, RoundTripKeepsEveryMemberAtItsLimits) {
  Document written;
  written.NoOfItems = INT32_MIN;
  written.HeaderLine = "a \"b\",c";
  written.FieldCount = 3;
  written.Fields[1] = {"a,b", "From File", INT32_MAX, " blanks kept ", INT16_MAX, {}, 0};
  written.Fields[2] = {"say \"hi\"", "\"", INT32_MIN, ",", INT16_MIN, {}, 0};
  written.Fields[3] = {"", "", 0, "\"\"", -1, {}, 0};

  Document read;
  ASSERT_TRUE(ParseFieldFile(read, FormatFieldFile(written)));
  EXPECT_EQ(read.NoOfItems, written.NoOfItems);
  EXPECT_EQ(read.HeaderLine, written.HeaderLine);
  EXPECT_EQ(read.FieldCount, 3);
  for (int i = 1; i <= 3; ++i) {
    const FieldDef& a = written.Fields[i];
    const FieldDef& b = read.Fields[i];
    EXPECT_EQ(b.FieldName, a.FieldName);
    EXPECT_EQ(b.Type, a.Type);
    EXPECT_EQ(b.Size, a.Size);
    EXPECT_EQ(b.StartString, a.StartString);
    EXPECT_EQ(b.LinksTo, a.LinksTo);
  }
}

TEST(FieldFile, AcceptedForms) {
  struct Case {
    const char* name;
    std::string records;
    int count;
    std::string last_name;
  };
  const Case cases[] = {
      {"no records", "", 0, "kept"},
      {"two records on one line", "\"a\",\"T\",1,\"s\",2,\"b\",\"T\",1,\"s\",2\r\n", 2, "b"},
      {"record broken over lines", "\"a\"\r\n\"T\"\n1,\"s\"\r2", 1, "a"},
      {"doubled quote", "\"say \"\"hi\"\"\",\"\",0,\"\",0\r\n", 1, "say \"hi\""},
      {"line end inside quotes", "\"two\r\nlines\",\"\",0,\"\",0\r\n", 1, "two\r\nlines"},
      {"bare text keeps inner quote", "ab\"c ,\"\",0,\"\",0", 1, "ab\"c"},
      {"empty bare items", ",,0,,0\r\n", 1, ""},
      {"NUL bytes", std::string("\"a\0b\",\"\",0,\"\",0", 15), 1, std::string("a\0b", 3)},
      {"blanks around items", " \t\"a\" , b , -0 , c ,\t+7 \r\n", 1, "a"},
  };
  for (const Case& c : cases) {
    Document document;
    document.Fields[1].FieldName = "kept";
    const Outcome outcome = ParseFieldFile(document, kHead + c.records);
    ASSERT_TRUE(outcome) << c.name << ": " << outcome.description;
    EXPECT_EQ(document.FieldCount, c.count) << c.name;
    EXPECT_EQ(document.Fields[c.count > 0 ? c.count : 1].FieldName, c.last_name) << c.name;
    EXPECT_EQ(document.CurrentRecord, 1) << c.name;
  }
}

TEST(FieldFile, FailuresNameTheirCauseAndLeaveTheDocument) {
  const std::string rec = "\"a\",\"b\",1,\"c\",0\r\n";
  const struct {
    std::string bytes;
    const char* description;
  } cases[] = {
      {"", "Input past end of file"},
      {"100", "Input past end of file"},
      {"100\r\n", "Input past end of file"},
      {"\r\nH\r\n", "Number missing"},
      {"1.5\r\nH\r\n", "Not a whole number"},
      {"-\r\nH\r\n", "Not a whole number"},
      {"1e3\r\nH\r\n", "Not a whole number"},
      {"100,5\r\nH\r\n", "Line 1 holds more than the number of data lines"},
      {"2147483648\r\nH\r\n", "Number too large for its field"},
      {"-2147483649\r\nH\r\n", "Number too large for its field"},
      {kHead + rec + "\r\n", "Input past end of file"},
      {kHead + "\"a\",\"b\",1,\"c\"\r\n", "Input past end of file"},
      {kHead + "\"a\",\"b\",,\"c\",0", "Number missing"},
      {kHead + "\"a\",\"b\",2.5,\"c\",0", "Not a whole number"},
      {kHead + "\"a\",\"b\",\"1\",\"c\",0", "Not a whole number"},
      {kHead + "\"a\",\"b\",1,\"c\",32768", "Number too large for its field"},
      {kHead + "\"a\",\"b\",1,\"c\",-32769", "Number too large for its field"},
      {kHead + "\"a\",\"b\",99999999999999999999999,\"c\",0", "Number too large for its field"},
      {kHead + "\"a\",\"b\",1,\"unterminated,0\r\n", "Closing quote missing"},
      {kHead + "\"say \"hi\"\",\"b\",1,\"c\",0", "Unexpected text after a closing quote"},
  };
  for (const auto& c : cases) {
    Document document;
    document.Fields[1] = {"old", "Phone", 5, "x", 2, {}, 0};
    document.NoOfItems = 9;
    document.CurrentRecord = 1;
    const std::string before = FormatFieldFile(document);
    const Outcome outcome = ParseFieldFile(document, c.bytes);
    EXPECT_FALSE(outcome) << c.bytes;
    EXPECT_EQ(outcome.description, c.description) << c.bytes;
    EXPECT_EQ(FormatFieldFile(document), before) << c.bytes;
  }
}

TEST(FieldFile, FiftyRecordsLoadAndAFiftyFirstFails) {
  std::string bytes = kHead;
  for (int i = 0; i < 50; ++i) bytes += "\"f\",\"T\",1,\"\",0\r\n";
  Document document;
  ASSERT_TRUE(ParseFieldFile(document, bytes));
  EXPECT_EQ(document.FieldCount, 50);
  const Outcome outcome = ParseFieldFile(document, bytes + "\"f\",\"T\",1,\"\",0\r\n");
  EXPECT_EQ(outcome.description, "Too many fields: a file holds at most 50");
}

TEST(FieldFile, ReferenceFilesLoadAndSaveBackByteForByte) {
  const struct {
    const char* source;
    const char* saved;
  } cases[] = {{"orders.fld", "orders.fld"}, {"handmade.fld", "handmade_saved.fld"}};
  for (const auto& c : cases) {
    TempDir folder;
    Document document;
    ASSERT_TRUE(ReadFieldFile(document, kFixtures + c.source)) << c.source;
    EXPECT_EQ(document.CurrentFile, kFixtures + c.source);
    ASSERT_TRUE(WriteFieldFile(document, folder.File("out.fld")));
    EXPECT_EQ(ReadBytes(folder.File("out.fld")), ReadBytes(kFixtures + c.saved)) << c.source;
  }
}

TEST(FieldFile, ListsLoadAndSaveBesideTheFieldFile) {
  Document document;
  ASSERT_TRUE(ReadFieldFile(document, kFixtures + "orders.fld"));
  ASSERT_TRUE(LoadLists(document));
  EXPECT_EQ(document.ListEntryCount, 6);
  EXPECT_EQ(document.ListEntries[5].Item, "no such field, kept");
  EXPECT_EQ(document.ListEntries[6].Item, "say \"hi\"");

  TempDir folder;
  document.CurrentFile = folder.File("copy.FLD");
  ASSERT_TRUE(WriteFieldFile(document, document.CurrentFile));
  ASSERT_TRUE(SaveLists(document));
  EXPECT_EQ(document.ListFile, folder.File("copy.lst"));
  EXPECT_EQ(ReadBytes(document.ListFile), ReadBytes(kFixtures + "orders.lst"));
}

}  // namespace
}  // namespace zelvane
