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

std::string Records(int count) {
  std::string bytes;
  for (int i = 1; i <= count; ++i) bytes += "\"f" + std::to_string(i) + "\",\"T\",1,\"\",0\r\n";
  return bytes;
}

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
  const std::string bytes = FormatFieldFile(written);
  Document read;
  ASSERT_TRUE(ParseFieldFile(read, bytes));
  EXPECT_EQ(read.FieldCount, 3);
  EXPECT_EQ(read.Fields[2].FieldName, "say \"hi\"");
  EXPECT_EQ(FormatFieldFile(read), bytes);
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
      {"fifty records", Records(50), 50, "f50"},
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
      {"100\r\n", "Input past end of file"},
      {"\r\nH\r\n", "Number missing"},
      {"1.5\r\nH\r\n", "Not a whole number"},
      {"-\r\nH\r\n", "Not a whole number"},
      {"100,5\r\nH\r\n", "Line 1 holds more than the number of data lines"},
      {"2147483648\r\nH\r\n", "Number too large for its field"},
      {kHead + rec + "\r\n", "Input past end of file"},
      {kHead + Records(51), "Too many fields: a file holds at most 50"},
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

TEST(FieldFile, ReferenceFilesAndTheirListsLoadAndSaveBackByteForByte) {
  const struct {
    const char* source;
    const char* saved;
    const char* lists;  // nullptr: none beside the source
  } cases[] = {{"orders.fld", "orders.fld", "orders.lst"}, {"handmade.fld", "handmade_saved.fld", nullptr}};
  for (const auto& c : cases) {
    TempDir folder;
    Document document;
    document.ListEntryCount = 5;
    ASSERT_TRUE(ReadFieldFile(document, kFixtures + c.source)) << c.source;
    EXPECT_EQ(document.CurrentFile, kFixtures + c.source);
    ASSERT_TRUE(LoadLists(document));
    document.CurrentFile = folder.File("out.FLD");
    ASSERT_TRUE(WriteFieldFile(document, document.CurrentFile));
    ASSERT_TRUE(SaveLists(document));
    EXPECT_EQ(ReadBytes(folder.File("out.FLD")), ReadBytes(kFixtures + c.saved)) << c.source;
    EXPECT_EQ(ReadBytes(folder.File("out.lst")), c.lists ? ReadBytes(kFixtures + c.lists) : "") << c.source;
  }
}

}  // namespace
}  // namespace zelvane
