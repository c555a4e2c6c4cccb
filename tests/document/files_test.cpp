// The .fld and .lst files: their forms, their failures, reference round trips, and
// saving that never destroys what was there.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>

#include "document/field_file.h"
#include "document/file_io.h"
#include "document/list_file.h"
#include "document/list_store.h"
#include "support/core/as_nobody.h"
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

// count records of the .fld form, or count entries of the .lst form.
std::string Lines(int count, bool records) {
  std::string bytes;
  for (int i = 1; i <= count; ++i) {
    bytes += records ? "\"f" + std::to_string(i) + "\",\"T\",1,\"\",0\r\n"
                     : std::to_string(i % 7) + ",\"item " + std::to_string(i) + "\"\r\n";
  }
  return bytes;
}

TEST(FieldFile, AcceptedForms) {
  const std::tuple<std::string, int, std::string> cases[] = {
      {"", 0, "kept"}, {Lines(50, true), 50, "f50"},
      {"\"a\",\"T\",1,\"s\",2,\"b\",\"T\",1,\"s\",2\r\n", 2, "b"},  // two records on one line
      {"\"say \"\"hi\"\"\",\"\",0,\"\",0\r\n", 1, "say \"hi\""},
      {"\"two\r\nlines\",\"\",0,\"\",0\r\n", 1, "two\r\nlines"},
      // A bare text keeps an inner quote; empty bare texts; a zero byte.
      {"ab\"c ,\"\",0,\"\",0", 1, "ab\"c"}, {",,0,,0\r\n", 1, ""},
      {std::string("\"a\0b\",\"\",0,\"\",0", 15), 1, std::string("a\0b", 3)},
  };
  for (const auto& [records, count, last_name] : cases) {
    Document document;
    document.Fields[1].FieldName = "kept";
    document.CurrentRecord = 7;
    ASSERT_EQ(ParseFieldFile(document, kHead + records).description, "") << records;
    EXPECT_EQ(document.FieldCount * 10 + document.CurrentRecord, count * 10 + 1) << records;
    EXPECT_EQ(document.Fields[count > 0 ? count : 1].FieldName, last_name) << records;
  }
}

TEST(FieldFile, FailuresNameTheirCauseAndLeaveTheDocument) {
  const std::pair<std::string, std::string> cases[] = {
      {"", kPastEnd}, {"100\r\n", kPastEnd}, {"\r\nH\r\n", kMissing}, {"1.5\r\nH\r\n", kNotWhole},
      {"-\r\nH\r\n", kNotWhole}, {"2147483648\r\nH\r\n", kTooLarge},
      {"100,5\r\nH\r\n", "Line 1 holds more than the number of data lines"},
      {kHead + "\"a\",\"b\",1,\"c\",0\r\n\r\n", kPastEnd},
      {kHead + Lines(51, true), "Too many fields: a file holds at most 50"},
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

// A program-written reference file with its lists goes back byte for byte in the
// end-to-end round trip; a hand-made one, with blanks around items and records broken
// over lines, comes back in the program's own form.
TEST(FieldFile, AHandMadeFileLoadsAndSavesInTheProgramsForm) {
  const std::string fixtures = std::string(ZELVANE_FIXTURES) + "/document/";
  TempDir folder;
  Document document;
  document.ListEntryCount = 5;
  ASSERT_TRUE(ReadFieldFile(document, fixtures + "handmade.fld"));
  ASSERT_TRUE(LoadLists(document));  // none beside it
  document.CurrentFile = folder.File("out.FLD");
  ASSERT_TRUE(WriteFieldFile(document, document.CurrentFile) && SaveLists(document));
  EXPECT_EQ(ReadBytes(folder.File("out.FLD")), ReadBytes(fixtures + "handmade_saved.fld"));
  EXPECT_EQ(ReadBytes(folder.File("out.lst")), "");
}

// Any name made from another would be, or could become, the companion of some ".fld".
TEST(ListFile, OnlyANameEndingInFldHasCompanionFiles) {
  const std::pair<const char*, const char*> cases[] = {  // "data", "a.fld " and ".FLD": the uses' own tests
      {"/d/A.FlD", "/d/A.lst"}, {"/d/.fld", "/d/.lst"}, {".fld", ""}, {"a.fldx", ""}, {"/d.fld/x", ""}};
  for (const auto& [path, lst] : cases) EXPECT_EQ(CompanionFileName(path, ".lst"), lst) << path;
}

TEST(ListFile, ThousandEntriesRoundTripAndDamageKeepsTheEntriesBeforeIt) {
  // The reader's other failures are the field file's.
  const std::tuple<std::string, std::string, int> cases[] = {
      {Lines(1000, false), "", 1000}, {Lines(1001, false), "Too many list entries: a file holds at most 1000", 1000},
      {"4,\"a\"\r\n\r\n", kPastEnd, 1}, {"4,\"a\"\r\n40000,\"b\"\r\n", kTooLarge, 1}, {"x,\"a\"\r\n", kNotWhole, 0},
  };
  for (const auto& [bytes, description, kept] : cases) {
    Document document;
    EXPECT_EQ(ParseListFile(document, bytes).description, description) << bytes.substr(0, 20);
    EXPECT_EQ(document.ListEntryCount, kept) << bytes.substr(0, 20);
    EXPECT_TRUE(!description.empty() || FormatListFile(document) == bytes);
  }
}

// A missing list file is silent (the hand-made file above). An untitled document has
// none, and neither has one named without ".fld": "data" beside "data.fld" never reads
// or writes the latter's list.
TEST(ListFile, OnlyANameEndingInFldHasAListFile) {
  TempDir folder;
  const std::string lists = "-3,\"x\"\r\n2,\"y\"\r\n\r\n";
  WriteBytes(folder.File("data.lst"), lists);
  Document document;
  document.ListEntryCount = 1;
  for (const std::string& name : {std::string(), folder.File("data")}) {
    document.CurrentFile = name;
    EXPECT_TRUE(LoadLists(document));
    EXPECT_EQ(document.ListEntryCount, 0);
    document.ListEntries[++document.ListEntryCount] = {1, "z"};
    EXPECT_EQ(SaveLists(document).description.substr(0, 58),
              name.empty() ? "No file name given" : "Lists are kept only for a document whose name ends in .fld");
  }
  EXPECT_EQ(ReadBytes(folder.File("data.lst")), lists);
}

// What identifies a file's content without reading a large one whole: a save that
// replaced it would change its inode.
std::string Fingerprint(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return "<none>";
  if (!S_ISREG(status.st_mode)) return "<other>";
  return std::to_string(status.st_ino) + ":" + std::to_string(status.st_size) + ":" +
         (status.st_size < (1 << 20) ? ReadBytes(path) : "");
}

// A list file that exists but was not read whole stays as it is through saves, and
// changing a list is what writes it. A file over 256 MiB is read whole like any other.
TEST(ListFile, OneNotReadWholeIsKeptUntilAListChanges) {
  enum Setup { kDamaged, kFolder, kPipe, kLarge };
  const std::tuple<Setup, std::string, const char*> cases[] = {
      {kDamaged, kPastEnd + ". 2 entries were read", ""},
      {kFolder, "Path names a folder, not a file. 0 entries were read", "Path names a folder, not a file"},
      {kPipe, "Not a plain file: a pipe or a device cannot be read as one. 0 entries were read",
       "No program is reading from this pipe or device"},
      {kLarge, kNotWhole + ". 1 entry was read", ""},
  };
  for (const auto& [setup, warning, after_change] : cases) {
    TempDir folder;
    const std::string fld = folder.File("d.fld"), lst = folder.File("d.lst");
    WriteBytes(fld, kHead + Lines(1, true));
    if (setup == kDamaged) WriteBytes(lst, "1,\"a\"\r\n1,\"b\"\r\n1,");
    if (setup == kFolder) fs::create_directory(lst);
    if (setup == kPipe) ::mkfifo(lst.c_str(), 0600);
    if (setup == kLarge) WriteBytes(lst, "1,\"a\"\r\n"), fs::resize_file(lst, (std::size_t{257} << 20));
    const std::string before = Fingerprint(lst);
    Document document;
    ASSERT_TRUE(ReadFieldFile(document, fld));
    EXPECT_EQ(LoadLists(document).description, "The list file could not be read whole: " + warning +
                                                    "; saving leaves the list file as it is until you change a list, "
                                                    "which then writes only the lists shown");
    EXPECT_TRUE(WriteFieldFile(document, fld) && SaveLists(document));
    SwapListFields(document, 7, 8);  // moves no entry
    EXPECT_TRUE(SaveLists(document));
    EXPECT_EQ(Fingerprint(lst), before) << warning;
    ReplaceListItems(document, 1, {"new"});
    EXPECT_EQ(SaveLists(document).description, after_change);
    EXPECT_TRUE(*after_change || ReadBytes(lst) == "1,\"new\"\r\n");
  }
}

// Every entry of the folder with the bytes of its regular files.
using Entries = std::map<std::string, std::string>;
Entries Snapshot(const fs::path& folder) {
  Entries entries;
  for (const auto& entry : fs::directory_iterator(folder)) {
    entries[entry.path().filename()] =
        entry.is_symlink() ? "<link>" : entry.is_regular_file() ? ReadBytes(entry.path()) : "<other>";
  }
  return entries;
}

// That a pipe never hangs a load the end-to-end session shows, with a writer that never
// writes, and the list file's test without one.
TEST(FileFailures, SaveAndLoadNameTheirCauseAndChangeNothing) {
  enum Setup { kNothing, kReadOnly, kFolder, kFileAsFolder };
  // A path not starting with "/" lies in a fresh folder; "": that step is not tried.
  const std::tuple<const char*, Setup, const char*, const char*> cases[] = {
      {"f.fld", kReadOnly, "Permission denied", ""},
      {"f.fld", kFolder, "Path names a folder, not a file", "Path names a folder, not a file"},
      {"plain/f.fld", kFileAsFolder, "Path not found", "Path not found"},
      {"none/f.fld", kNothing, "Path not found", "Path not found"}, {"f.fld", kNothing, "", "File not found"},
      {"/proc/version", kNothing, "Permission denied", ""}, {"/dev/full", kNothing, "Disk full", ""},
      {"", kNothing, "No file name given", "No file name given"},
  };
  for (const auto& [name, setup, save, load] : cases) {
    TempDir folder;
    if (setup == kReadOnly) WriteBytes(folder.File("f.fld"), "old");
    if (setup == kReadOnly) fs::permissions(folder.File("f.fld"), fs::perms::owner_read | fs::perms::group_read);
    if (setup == kFolder) fs::create_directory(folder.File("f.fld"));
    if (setup == kFileAsFolder) WriteBytes(folder.File("plain"), "keep");
    const std::string path = *name == '/' || *name == '\0' ? name : folder.File(name);
    const auto before = Snapshot(folder.path());
    Document document;
    document.CurrentFile = "keep";
    const std::string saved = *save ? WriteFieldFile(document, path).description : "";
    const std::string loaded = *load ? ReadFieldFile(document, path).description : "";
    EXPECT_EQ(saved + " | " + loaded, std::string(save) + " | " + load) << path;
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
      const std::size_t chunk = std::min<std::size_t>(size, 7);
      if (error != 0 && (total += chunk) > 100) { errno = error; return -1; }  // after some short writes
      return ::write(fd, data, chunk);
    });
    const Outcome outcome = WriteFieldFile(document, folder.File("link.fld"));
    ReplaceWriteFunction(previous);
    EXPECT_EQ(outcome.description, description);
    const std::string expected = error != 0 ? "former" : FormatFieldFile(document);
    EXPECT_EQ(Snapshot(folder.path()), (Entries{{"f.fld", expected}, {"link.fld", "<link>"}}));
    EXPECT_EQ(fs::status(folder.File("f.fld")).permissions(), mode);
  }
}

// Each target has one temporary name: a save killed part-way leaves one leftover, which
// the next save of that target removes.
TEST(FileFailures, ASaveKilledPartWayLeavesOneLeftoverThatTheNextSaveRemoves) {
  Document document;
  document.HeaderLine = std::string(5000, 'h');
  const std::string name = std::string(250, 'n') + ".fld";  // the temporary name must still fit
  TempDir folder;
  const std::string path = folder.File(name);
  WriteBytes(path, "former");
  for (int kill = 0; kill < 2; ++kill) {
    const pid_t child = ::fork();
    if (child == 0) {
      ReplaceWriteFunction([](int fd, const void* data, std::size_t) -> ssize_t {
        [[maybe_unused]] const ssize_t written = ::write(fd, data, 100);
        ::raise(SIGKILL);
        return -1;
      });
      WriteFieldFile(document, path);
      ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status));
  }
  EXPECT_EQ(Snapshot(folder.path()).size(), 2u);
  EXPECT_EQ(ReadBytes(path), "former");
  ASSERT_TRUE(WriteFieldFile(document, path));
  EXPECT_EQ(Snapshot(folder.path()), (Entries{{name, FormatFieldFile(document)}}));
}

// As an ordinary user, in a folder everyone may write (no sticky bit): a file the user
// may not write is refused, though its folder would let it be replaced; a file the user
// may write in a folder the user may not is written in place; a list file the user may
// not read is kept through saves.
TEST(FileFailures, AnOrdinaryUserReplacesOnlyWhatItMayWrite) {
  TempDir folder;
  const auto file = [&](const char* name, const char* bytes, fs::perms mode) {
    WriteBytes(folder.File(name), bytes);
    fs::permissions(folder.File(name), mode);
    return folder.File(name);
  };
  const auto all_read = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  const auto all_write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  fs::permissions(folder.path(), fs::perms::all);
  fs::create_directory(folder.File("locked"));
  const std::string theirs = file("theirs.fld", "theirs", all_read | fs::perms::owner_write),
                    mine = file("locked/mine.fld", "mine", all_read | all_write),
                    lists = file("lists.fld", (kHead + Lines(1, true)).c_str(), all_read | all_write),
                    hidden = file("lists.lst", "1,\"x\"\r\n", fs::perms::owner_read | fs::perms::owner_write);
  const auto result = testing::AsNobody([&] {
    Document document;
    std::string said;
    // One step at a time: the operands of + run in no fixed order.
    for (const auto& step : std::initializer_list<std::function<Outcome()>>{
             [&] { return WriteFieldFile(document, theirs); }, [&] { return WriteFieldFile(document, mine); },
             [&] { return WriteFieldFile(document, folder.File("locked/new.fld")); },
             [&] { return ReadFieldFile(document, lists); }, [&] { return LoadLists(document); },
             [&] { return WriteFieldFile(document, lists); }, [&] { return SaveLists(document); },
             [&] { ReplaceListItems(document, 1, {"y"}); return SaveLists(document); }}) {
      said += step().description.substr(0, 77) + "|";
    }
    return said;
  });
  if (!result) GTEST_SKIP() << "needs root to become the user nobody";
  EXPECT_EQ(*result, "Permission denied||Permission denied||The list file could not be read whole: Permission denied. 0 "
                     "entries were read|||Permission denied|");
  EXPECT_EQ(ReadBytes(theirs) + ReadBytes(hidden), "theirs1,\"x\"\r\n");
  EXPECT_EQ(ReadBytes(mine), FormatFieldFile(Document{}));
  EXPECT_EQ(fs::status(mine).permissions(), all_read | all_write);  // written in place
  EXPECT_EQ(Snapshot(folder.File("locked")).size(), 1u);
}

}  // namespace
}  // namespace zelvane
