#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <string>

#include "document/field_file.h"
#include "document/file_io.h"
#include "support/core/temp_dir.h"

namespace zelvane {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// Every entry of the folder with the bytes of the regular files.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : fs::directory_iterator(folder)) {
    entries[entry.path().filename()] = entry.is_regular_file() ? ReadBytes(entry.path()) : "<other>";
  }
  return entries;
}

class ScopedWrite {
 public:
  explicit ScopedWrite(WriteFunction write) : previous_(ReplaceWriteFunction(std::move(write))) {}
  ~ScopedWrite() { ReplaceWriteFunction(std::move(previous_)); }

 private:
  WriteFunction previous_;
};

TEST(SafeSave, FailuresLeaveTheFormerFileAndNoTemporary) {
  const struct {
    const char* name;
    std::string (*prepare)(const TempDir&);
    const char* description;
  } cases[] = {
      {"read-only file",
       [](const TempDir& d) {
         WriteBytes(d.File("f.fld"), "old");
         fs::permissions(d.File("f.fld"), fs::perms::owner_read | fs::perms::group_read);
         return d.File("f.fld");
       },
       "Permission denied"},
      {"missing folder", [](const TempDir& d) { return d.File("none/f.fld"); }, "Path not found"},
      {"folder in place of the file",
       [](const TempDir& d) {
         fs::create_directory(d.File("f.fld"));
         return d.File("f.fld");
       },
       "Path names a folder, not a file"},
      {"file in place of the folder",
       [](const TempDir& d) {
         WriteBytes(d.File("plain"), "keep");
         return d.File("plain/f.fld");
       },
       "Path not found"},
      {"folder that takes no files", [](const TempDir&) { return std::string("/proc/zelvane.fld"); },
       "Path not found"},
      {"read-only system file", [](const TempDir&) { return std::string("/proc/version"); },
       "Permission denied"},
      {"no name", [](const TempDir&) { return std::string(); }, "No file name given"},
  };
  Document document;
  for (const auto& c : cases) {
    TempDir folder;
    const std::string path = c.prepare(folder);
    const auto before = Snapshot(folder.path());
    EXPECT_EQ(WriteFieldFile(document, path).description, c.description) << c.name;
    EXPECT_EQ(Snapshot(folder.path()), before) << c.name;
  }
}

TEST(SafeSave, FullDeviceReportsDiskFull) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  EXPECT_EQ(WriteFieldFile(Document{}, "/dev/full").description, "Disk full");
}

TEST(SafeSave, WriteFailingPartWayKeepsTheFormerFile) {
  const struct {
    int error;  // 0: short writes that succeed
    const char* description;
  } cases[] = {{ENOSPC, "Disk full"}, {EDQUOT, "Disk full"}, {EIO, "Device I/O error"}, {0, ""}};
  Document document;
  document.HeaderLine = std::string(5000, 'h');
  for (const auto& c : cases) {
    TempDir folder;
    WriteBytes(folder.File("f.fld"), "former");
    std::size_t total = 0;
    const ScopedWrite scoped([&](int fd, const void* data, std::size_t size) -> ssize_t {
      if (c.error != 0 && total + size > 100) {
        errno = c.error;
        return -1;
      }
      const std::size_t some = size < 7 ? size : 7;
      total += some;
      return ::write(fd, data, some);
    });
    const Outcome outcome = WriteFieldFile(document, folder.File("f.fld"));
    EXPECT_EQ(outcome.description, c.description);
    const std::string expected = c.error != 0 ? "former" : FormatFieldFile(document);
    EXPECT_EQ(Snapshot(folder.path()), (std::map<std::string, std::string>{{"f.fld", expected}}));
  }
}

TEST(SafeSave, ReplacesThroughLinksAndKeepsTheMode) {
  TempDir folder;
  WriteBytes(folder.File("real.fld"), "former");
  fs::permissions(folder.File("real.fld"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(folder.File("real.fld"), folder.File("link.fld"));
  Document document;
  ASSERT_TRUE(WriteFieldFile(document, folder.File("link.fld")));
  EXPECT_TRUE(fs::is_symlink(folder.File("link.fld")));
  EXPECT_EQ(ReadBytes(folder.File("real.fld")), FormatFieldFile(document));
  EXPECT_EQ(fs::status(folder.File("real.fld")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Snapshot(folder.path()).size(), 2u);
}

TEST(FieldFileRead, FileFailuresNameTheirCauseAndKeepTheDocument) {
  TempDir folder;
  WriteBytes(folder.File("plain"), "x");
  const struct {
    std::string path;
    const char* description;
  } cases[] = {
      {folder.File("none.fld"), "File not found"},
      {folder.path().string(), "Path names a folder, not a file"},
      {folder.File("plain/x.fld"), "Path not found"},
      {"", "No file name given"},
  };
  for (const auto& c : cases) {
    Document document;
    document.CurrentFile = "keep";
    EXPECT_EQ(ReadFieldFile(document, c.path).description, c.description) << c.path;
    EXPECT_EQ(document.CurrentFile, "keep");
  }
}

}  // namespace
}  // namespace zelvane
