// The .fld and .lst files: their forms, their failures, reference round trips, and
// saving that never destroys what was there.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "document/field_file.h"
#include "document/file_io.h"
#include "document/list_file.h"
#include "support/core/temp_dir.h"

namespace zelvane {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

const std::string kHead = "100\r\nH\r\n";
const std::string kPastEnd = "Input past end of file", kMissing = "Number missing", kNotWhole = "Not a whole number",
                  kTooLarge = "Number too large for its field";

std::string Records(int count) {
  std::string bytes;
  for (int i = 1; i <= count; ++i) bytes += "\"f" + std::to_string(i) + "\",\"T\",1,\"\",0\r\n";
  return bytes;
}
std::string Entries(int count) {
  std::string bytes;
  for (int k = 1; k <= count; ++k) bytes += std::to_string(k % 7) + ",\"item " + std::to_string(k) + "\"\r\n";
  return bytes;
}

TEST(FieldFile, AcceptedForms) {
  const struct {
    std::string records;
    int count;
    std::string last_name;
  } cases[] = {
      {"", 0, "kept"},
      {Records(50), 50, "f50"},
      {"\"a\",\"T\",1,\"s\",2,\"b\",\"T\",1,\"s\",2\r\n", 2, "b"},  // two records on one line
      {"\"a\"\r\n\"T\"\n1,\"s\"\r2", 1, "a"},                      // one broken over lines
      {"\"say \"\"hi\"\"\",\"\",0,\"\",0\r\n", 1, "say \"hi\""},
      {"\"two\r\nlines\",\"\",0,\"\",0\r\n", 1, "two\r\nlines"},
      {"ab\"c ,\"\",0,\"\",0", 1, "ab\"c"},  // a bare text keeps an inner quote
      {",,0,,0\r\n", 1, ""},
      {std::string("\"a\0b\",\"\",0,\"\",0", 15), 1, std::string("a\0b", 3)},
      {" \t\"a\" , b , -0 , c ,\t+7 \r\n", 1, "a"},  // blanks around items
  };
  for (const auto& c : cases) {
    Document document;
    document.Fields[1].FieldName = "kept";
    document.CurrentRecord = 7;
    const Outcome outcome = ParseFieldFile(document, kHead + c.records);
    ASSERT_TRUE(outcome) << c.records << ": " << outcome.description;
    EXPECT_EQ(document.FieldCount * 10 + document.CurrentRecord, c.count * 10 + 1) << c.records;
    EXPECT_EQ(document.Fields[c.count > 0 ? c.count : 1].FieldName, c.last_name) << c.records;
  }
}

TEST(FieldFile, FailuresNameTheirCauseAndLeaveTheDocument) {
  const std::string rec = "\"a\",\"b\",1,\"c\",0\r\n";
  const std::pair<std::string, std::string> cases[] = {
      {"", kPastEnd}, {"100\r\n", kPastEnd}, {"\r\nH\r\n", kMissing}, {"1.5\r\nH\r\n", kNotWhole},
      {"-\r\nH\r\n", kNotWhole}, {"2147483648\r\nH\r\n", kTooLarge},
      {"100,5\r\nH\r\n", "Line 1 holds more than the number of data lines"},
      {kHead + rec + "\r\n", kPastEnd}, {kHead + "\"a\",\"b\",1,\"c\"\r\n", kPastEnd},
      {kHead + Records(51), "Too many fields: a file holds at most 50"},
      {kHead + "\"a\",\"b\",,\"c\",0", kMissing}, {kHead + "\"a\",\"b\",\"1\",\"c\",0", kNotWhole},
      {kHead + "\"a\",\"b\",1,\"c\",32768", kTooLarge}, {kHead + "\"a\",\"b\",1,\"c\",-32769", kTooLarge},
      {kHead + "\"a\",\"b\",99999999999999999999999,\"c\",0", kTooLarge},
      {kHead + "\"a\",\"b\",1,\"unterminated,0\r\n", "Closing quote missing"},
      {kHead + "\"say \"hi\"\",\"b\",1,\"c\",0", "Unexpected text after a closing quote"},
  };
  for (const auto& [bytes, description] : cases) {
    Document document;
    document.Fields[1] = {"old", "Phone", 5, "x", 2, {}, 0};
    const std::string before = FormatFieldFile(document);
    EXPECT_EQ(ParseFieldFile(document, bytes).description, description) << bytes;
    EXPECT_EQ(FormatFieldFile(document) + std::to_string(document.CurrentRecord), before + "1") << bytes;
  }
}

TEST(FieldFile, ReferenceFilesAndTheirListsLoadAndSaveBackByteForByte) {
  const std::string fixtures = std::string(ZELVANE_FIXTURES) + "/document/";
  const struct {
    const char *source, *saved, *lists;  // lists nullptr: none beside the source
  } cases[] = {{"orders.fld", "orders.fld", "orders.lst"}, {"handmade.fld", "handmade_saved.fld", nullptr}};
  for (const auto& c : cases) {
    TempDir folder;
    Document document;
    document.ListEntryCount = 5;
    ASSERT_TRUE(ReadFieldFile(document, fixtures + c.source)) << c.source;
    EXPECT_EQ(document.CurrentFile, fixtures + c.source);
    ASSERT_TRUE(LoadLists(document));
    document.CurrentFile = folder.File("out.FLD");
    ASSERT_TRUE(WriteFieldFile(document, document.CurrentFile));
    ASSERT_TRUE(SaveLists(document));
    EXPECT_EQ(ReadBytes(folder.File("out.FLD")), ReadBytes(fixtures + c.saved)) << c.source;
    EXPECT_EQ(ReadBytes(folder.File("out.lst")), c.lists ? ReadBytes(fixtures + c.lists) : "") << c.source;
  }
}

TEST(ListFile, CompanionNameNeverCutsIntoTheName) {
  const std::pair<const char*, const char*> cases[] = {
      {"/d/orders.fld", "/d/orders.lst"}, {"/d/A.FlD", "/d/A.lst"}, {"x.fld", "x.lst"},       {"data", "data.lst"},
      {".fld", ".fld.lst"}, {"a.fld ", "a.fld .lst"}, {"a.fldx", "a.fldx.lst"}, {"/d.fld/x", "/d.fld/x.lst"}};
  for (const auto& [path, lst] : cases) EXPECT_EQ(CompanionFileName(path, ".lst"), lst) << path;
  EXPECT_EQ(CompanionFileName("a.fld", ".txt"), "a.txt");
}

TEST(ListFile, ThousandEntriesRoundTripAndDamageKeepsTheEntriesBeforeIt) {
  const struct {
    std::string bytes, description;
    int kept;
  } cases[] = {
      {Entries(1000), "", 1000},
      {Entries(1001), "Too many list entries: a file holds at most 1000", 1000},
      {"4,\"a\"\r\n\r\n", kPastEnd, 1},
      {"4,\"a\"\r\n5", kPastEnd, 1},
      {"4,\"a\"\r\n40000,\"b\"\r\n", kTooLarge, 1},
      {"x,\"a\"\r\n", kNotWhole, 0},
      {"4,\"a\r\n", "Closing quote missing", 0},
  };
  for (const auto& c : cases) {
    Document document;
    EXPECT_EQ(ParseListFile(document, c.bytes).description, c.description) << c.bytes.substr(0, 20);
    EXPECT_EQ(document.ListEntryCount, c.kept) << c.bytes.substr(0, 20);
    EXPECT_TRUE(!c.description.empty() || FormatListFile(document) == c.bytes);
  }
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
  EXPECT_EQ(document.ListFile + " " + std::to_string(document.ListEntryCount), folder.File("data.lst") + " 0");
  WriteBytes(folder.File("data.lst"), "-3,\"x\"\r\n2,\"y\"\r\n\r\n");
  EXPECT_EQ(LoadLists(document).description, kPastEnd);
  ASSERT_EQ(document.ListEntryCount, 2);
  EXPECT_EQ(std::to_string(document.ListEntries[1].FieldNo) + document.ListEntries[2].Item, "-3y");
}

// Every entry of the folder with the bytes of its regular files.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : fs::directory_iterator(folder)) {
    entries[entry.path().filename()] = entry.is_symlink()        ? "<link>"
                                       : entry.is_regular_file() ? ReadBytes(entry.path())
                                                                 : "<other>";
  }
  return entries;
}

TEST(FileFailures, SaveAndLoadNameTheirCauseAndChangeNothing) {
  using Setup = std::function<std::string(const TempDir&)>;
  const struct {
    Setup setup;  // makes what the case needs and returns the path to save to or load from
    const char *save, *load;  // nullptr: that step is not tried
  } cases[] = {
      {[](const TempDir& d) {
         WriteBytes(d.File("f.fld"), "old");
         fs::permissions(d.File("f.fld"), fs::perms::owner_read | fs::perms::group_read);
         return d.File("f.fld");
       }, "Permission denied", nullptr},
      {[](const TempDir& d) { fs::create_directory(d.File("f.fld")); return d.File("f.fld"); },
       "Path names a folder, not a file", "Path names a folder, not a file"},
      {[](const TempDir& d) { WriteBytes(d.File("plain"), "keep"); return d.File("plain/f.fld"); }, "Path not found",
       "Path not found"},
      {[](const TempDir& d) { return d.File("none/f.fld"); }, "Path not found", "Path not found"},
      {[](const TempDir& d) { return d.File("f.fld"); }, nullptr, "File not found"},
      {[](const TempDir&) { return "/proc/zelvane.fld"; }, "Path not found", "File not found"},
      {[](const TempDir&) { return "/proc/version"; }, "Permission denied", nullptr},
      {[](const TempDir&) { return ""; }, "No file name given", "No file name given"},
      {[](const TempDir&) { return "/dev/full"; }, "Disk full", nullptr},
  };
  for (const auto& c : cases) {
    TempDir folder;
    const std::string path = c.setup(folder);
    const auto before = Snapshot(folder.path());
    Document document;
    document.CurrentFile = "keep";
    if (c.save) {
      EXPECT_EQ(WriteFieldFile(document, path).description, c.save) << path;
    }
    if (c.load) {
      EXPECT_EQ(ReadFieldFile(document, path).description, c.load) << path;
    }
    EXPECT_EQ(Snapshot(folder.path()), before) << path;
    EXPECT_EQ(document.CurrentFile, "keep");
  }
}

TEST(FileFailures, WriteFailingPartWayKeepsTheFormerFileItsModeAndTheLinkToIt) {
  const std::pair<int, std::string> cases[] = {  // 0: short writes that all succeed
      {ENOSPC, "Disk full"}, {EDQUOT, "Disk full"}, {EIO, "Device I/O error"}, {0, ""}};
  Document document;
  document.HeaderLine = std::string(5000, 'h');
  const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  for (const auto& [error, description] : cases) {
    TempDir folder;
    WriteBytes(folder.File("f.fld"), "former");
    fs::permissions(folder.File("f.fld"), mode);
    fs::create_symlink(folder.File("f.fld"), folder.File("link.fld"));
    std::size_t total = 0;
    const WriteFunction previous = ReplaceWriteFunction([&](int fd, const void* data, std::size_t size) -> ssize_t {
      if (error != 0 && total + size > 100) {
        errno = error;
        return -1;
      }
      total += size < 7 ? size : 7;
      return ::write(fd, data, size < 7 ? size : 7);
    });
    const Outcome outcome = WriteFieldFile(document, folder.File("link.fld"));
    ReplaceWriteFunction(previous);
    EXPECT_EQ(outcome.description, description);
    const std::string expected = error != 0 ? "former" : FormatFieldFile(document);
    using Entries = std::map<std::string, std::string>;
    EXPECT_EQ(Snapshot(folder.path()), (Entries{{"f.fld", expected}, {"link.fld", "<link>"}}));
    EXPECT_EQ(fs::status(folder.File("f.fld")).permissions(), mode);
  }
}

}  // namespace
}  // namespace zelvane
