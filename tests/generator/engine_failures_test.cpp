#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "engine_test_document.h"
#include "generator/engine.h"
#include "support/core/temp_dir.h"

namespace zelvane {
namespace {

using testing::TempDir;

constexpr float K = RandomSource::kLargest;

// Every line is still generated when nothing can be written: values drawn, kept in the
// fields, the list pick moved.
TEST(GenerateDataFile, ReportsAFileThatCannotBeWrittenAndStillRunsEveryLine) {
  struct Case {
    const char* what;
    std::function<std::string(const TempDir&)> current_file;
    const char* says;
  };
  const std::vector<Case> cases = {
      {"untitled", [](const TempDir&) { return ""; }, "No file name"},
      {"blanks only", [](const TempDir&) { return "   "; }, "No file name"},
      {"missing folder", [](const TempDir& d) { return d.File("missing/orders.fld"); },
       "could not be created: Path not found"},
      {"under /proc", [](const TempDir&) { return "/proc/zelvane-orders.fld"; }, "could not be created"},
      {"a folder in its place",
       [](const TempDir& d) {
         std::filesystem::create_directory(d.File("orders.txt"));
         return d.File("orders.fld");
       },
       "could not be created: Path names a folder"},
      {"full disk",
       [](const TempDir& d) {
         std::filesystem::create_symlink("/dev/full", d.File("orders.txt"));
         return d.File("orders.fld");
       },
       "failed: Disk full"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    Document document =
        testing::MakeDocument({{"N", "Counting Numbers"}, {"R", "Random Integer", 10}, {"M", "From File"}}, 3,
                              {{3, "a"}, {3, "b"}});
    document.CurrentFile = c.current_file(dir);
    Engine engine = testing::MakeEngine({0, 0, 0, 0, K, K});
    const Outcome outcome = GenerateDataFile(document, engine);
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.description.find(c.says), std::string::npos) << outcome.description;
    EXPECT_EQ(engine.Random.DrawCount(), 6u);
    EXPECT_EQ(std::get<std::int32_t>(document.Fields[1].CurrentValue), 3);
    EXPECT_EQ(std::get<std::int32_t>(document.Fields[2].CurrentValue), 10);
    EXPECT_EQ(std::get<std::string>(document.Fields[3].CurrentValue), "b");
    EXPECT_EQ(engine.LastListPick, 2);
    EXPECT_EQ(engine.CurrentLine, 4);
  }
}

// The file size limit makes a write fail part-way, as a full disk does, even for root.
TEST(GenerateDataFile, ReportsAWriteThatFailsPartWay) {
  constexpr rlim_t kLimit = 1536 * 1024;
  TempDir dir;
  Document document = testing::MakeDocument({{"N", "Counting Numbers"}}, 400000);
  document.CurrentFile = dir.File("orders.fld");
  Engine engine = testing::MakeEngine({});

  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit limited = saved;
  limited.rlim_cur = kLimit;
  auto* previous = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  const Outcome outcome = GenerateDataFile(document, engine);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);

  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.description.find("failed: File too large"), std::string::npos) << outcome.description;
  EXPECT_EQ(std::filesystem::file_size(dir.File("orders.txt")), kLimit);
  EXPECT_EQ(std::get<std::int32_t>(document.Fields[1].CurrentValue), 400000);
}

}  // namespace
}  // namespace zelvane
