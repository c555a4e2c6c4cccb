#include <gtest/gtest.h>

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

// Makes what a case needs in the folder and returns the path to save to or load from.
std::string Prepare(const TempDir& d, const std::string& setup) {
  if (setup == "read-only") {
    WriteBytes(d.File("f.fld"), "old");
    fs::permissions(d.File("f.fld"), fs::perms::owner_read | fs::perms::group_read);
  } else if (setup == "folder") {
    fs::create_directory(d.File("f.fld"));
  } else if (setup == "file as folder") {
    WriteBytes(d.File("plain"), "keep");
    return d.File("plain/f.fld");
  } else if (setup == "missing folder") {
    return d.File("none/f.fld");
  } else if (setup != "missing file") {
    return setup;  // a path outside the folder
  }
  return d.File("f.fld");
}

TEST(FileFailures, SaveAndLoadNameTheirCauseAndChangeNothing) {
  const struct {
    const char* setup;
    const char* save;  // nullptr: that step is not tried
    const char* load;
  } cases[] = {
      {"read-only", "Permission denied", nullptr},
      {"folder", "Path names a folder, not a file", "Path names a folder, not a file"},
      {"file as folder", "Path not found", "Path not found"},
      {"missing folder", "Path not found", "Path not found"},
      {"missing file", nullptr, "File not found"},
      {"/proc/zelvane.fld", "Path not found", "File not found"},
      {"/proc/version", "Permission denied", nullptr},
      {"", "No file name given", "No file name given"},
  };
  for (const auto& c : cases) {
    TempDir folder;
    const std::string path = Prepare(folder, c.setup);
    const auto before = Snapshot(folder.path());
    Document document;
    document.CurrentFile = "keep";
    if (c.save) {
      EXPECT_EQ(WriteFieldFile(document, path).description, c.save) << c.setup;
    }
    if (c.load) {
      EXPECT_EQ(ReadFieldFile(document, path).description, c.load) << c.setup;
    }
    EXPECT_EQ(Snapshot(folder.path()), before) << c.setup;
    EXPECT_EQ(document.CurrentFile, "keep");
  }
}

TEST(FileFailures, FullDeviceReportsDiskFull) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  EXPECT_EQ(WriteFieldFile(Document{}, "/dev/full").description, "Disk full");
}

TEST(SafeSave, WriteFailingPartWayKeepsTheFormerFile) {
  const struct {
    int error;  // 0: short writes that all succeed
    const char* description;
  } cases[] = {{ENOSPC, "Disk full"}, {EDQUOT, "Disk full"}, {EIO, "Device I/O error"}, {0, ""}};
  Document document;
  document.HeaderLine = std::string(5000, 'h');
  for (const auto& c : cases) {
    TempDir folder;
    WriteBytes(folder.File("f.fld"), "former");
    fs::permissions(folder.File("f.fld"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(folder.File("f.fld"), folder.File("link.fld"));
    std::size_t total = 0;
    const WriteFunction previous = ReplaceWriteFunction([&](int fd, const void* data, std::size_t size) -> ssize_t {
      if (c.error != 0 && total + size > 100) {
        errno = c.error;
        return -1;
      }
      total += size < 7 ? size : 7;
      return ::write(fd, data, size < 7 ? size : 7);
    });
    const Outcome outcome = WriteFieldFile(document, folder.File("link.fld"));
    ReplaceWriteFunction(previous);

    EXPECT_EQ(outcome.description, c.description);
    const std::string expected = c.error != 0 ? "former" : FormatFieldFile(document);
    EXPECT_EQ(Snapshot(folder.path()), (std::map<std::string, std::string>{{"f.fld", expected}, {"link.fld", "<link>"}}));
    EXPECT_EQ(fs::status(folder.File("f.fld")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  }
}

}  // namespace
}  // namespace zelvane
