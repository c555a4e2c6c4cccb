// The generation run as a whole: real files in a temporary folder, scripted draws.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

#include "generator/engine.h"
#include "generator/generation_run.h"
#include "support/core/temp_dir.h"

namespace zelvane {
namespace {

using testing::TempDir;

struct TestField { const char *name, *type; std::int32_t size = 0; const char* start = ""; std::int16_t links_to = 0; };

using TestList = std::vector<std::pair<std::int16_t, const char*>>;

Document MakeDocument(const std::vector<TestField>& fields, std::int32_t items, const TestList& list = {}) {
  Document document;
  document.FieldCount = static_cast<std::int16_t>(fields.size());
  document.NoOfItems = items;
  for (int i = 0; const auto& f : fields) document.Fields[++i] = {f.name, f.type, f.size, f.start, f.links_to, {}, 0};
  for (const auto& [field_no, item] : list) document.ListEntries[++document.ListEntryCount] = {field_no, item};
  return document;
}

// Draws only the given values; a draw beyond them throws.
Engine MakeEngine(std::vector<float> script) {
  return Engine{.Random = RandomSource::Scripted(std::move(script)), .Conventions = LocaleConventions::Fallback()};
}

constexpr float K = RandomSource::kLargest;

// Runs the document into a data file, replacing one that was there, and returns the file.
// The extension is replaced in any case.
std::string RunToFile(Document& document, Engine& engine) {
  TempDir dir;
  document.CurrentFile = dir.File("orders.FlD");
  testing::WriteBytes(dir.File("orders.txt"), std::string(5000, '#'));
  const Outcome outcome = GenerateDataFile(document, engine);
  EXPECT_TRUE(outcome.ok) << outcome.description;
  return testing::ReadBytes(dir.File("orders.txt"));
}

TEST(GenerateDataFile, WritesHeaderAndLines) {
  // The script is drawn whole, and no further.
  struct Case { std::vector<TestField> fields; std::int32_t items; std::vector<float> script; std::string expected;
                TestList list = {}; };
  const Case cases[] = {
      {{{"A", "Counting Numbers"}, {"B", "Random Integer", 100}}, 2, {0.5f, 0}, "A,B\r\n1, 51 \r\n2, 1 \r\n"},
      {{{"Q", "Random Integer", -5}}, 2, {K, 1 / 512.0f}, "Q\r\n-4 \r\n 0 \r\n"},
      {{{"W", "Random Double", 100}, {"X", "Random Double", -1}, {"Y", "Random Double", -1}}, 1, {0.375f, K, 0.005f},
       "W,X,Y\r\n37.51,-0.99, 0 \r\n"},
      // Unknown and mis-cased types draw nothing; names are not quoted.
      {{{"A", "Counting Numbers"}, {"B,b", "random integer", 5}, {"C", "Random Integer ", 5}, {"", ""}}, 1, {},
       "A,B,b,C,\r\n1,,,\r\n"},
      {{{"Id", "Counting Numbers"}}, -7, {}, "Id\r\n"},
      {{}, 3, {}, "\r\n\r\n\r\n\r\n"},
      // Dates linked to themselves (day 0 first; 2048 days apart, as the date texts are kept
      // by the day's low bits), a later field (the line before), a count (days), a time (kept).
      {{{"D", "Random Date", 2048, "", 1}}, 2, {0, K}, "D\r\n12/31/1899\r\n8/10/1905\r\n"},
      {{{"D", "Random Date", 10, "", 2}, {"N", "Counting Numbers"}}, 2, {0, 0},
       "D,N\r\n12/31/1899, 1 \r\n1/1/1900, 2 \r\n"},
      {{{"N", "Counting Numbers"}, {"D", "Random Date", 1, "", 1}}, 2, {0, 0}, "N,D\r\n1,1/1/1900\r\n2,1/2/1900\r\n"},
      // A time in the last column, read while its text is still only in the output.
      {{{"D", "Random Date", 1, "", 2}, {"T", "Random Time", 15, "8:00"}}, 2, {0, 0, 0, 0},
       "D,T\r\n12/31/1899,08:15\r\n12/31/1899 8:15:00 AM,08:15\r\n"},
      {{{"T", "Random Time", 15, "8:00"}, {"D", "Random Date", 1, "", 1}}, 1, {0, 0},
       "T,D\r\n08:15,12/31/1899 8:15:00 AM\r\n"},
      // Links out of range, to a text that is no date, to a number beyond the dates: no draw.
      // A link to a field not in use reads its empty value: day 0.
      {{{"A", "Random Text", 0, "abc"}, {"B", "Random Date", 5, "", 51}, {"C", "Random Date", 5, "", -1},
        {"D", "Random Date", 5, "", 1}, {"E", "Random Date", 5, "", 9}}, 1, {0}, "A,B,C,D,E\r\nabc,,,,12/31/1899\r\n"},
      {{{"W", "Random Double", 3000000}, {"D", "Random Date", 5, "", 1}}, 1, {K}, "W,D\r\n2999999.83,\r\n"},
      // The start year rounds half to even; beyond 16 bits the date is empty.
      {{{"A", "Random Date", 5, "32767.5"}, {"B", "Random Date", 5, " 1 998.5"}}, 1, {0, 0, 0},
       "A,B\r\n,1/1/1999\r\n"},
      {{{"M", "From File"}, {"L", "From File", 0, "x", 7}}, 2, {K, 0}, "M,L\r\nCassette,\r\nCD,xone\r\n",
       {{1, "CD"}, {2, "one"}, {1, "Record"}, {1, "Cassette"}}},
  };
  for (const Case& c : cases) {
    Document document = MakeDocument(c.fields, c.items, c.list);
    Engine engine = MakeEngine(c.script);
    EXPECT_EQ(RunToFile(document, engine), c.expected);
    EXPECT_EQ(engine.Random.DrawCount(), c.script.size()) << c.expected;
  }
}

TEST(GenerateDataFile, KeepsValuesAndListPickAcrossRuns) {
  Document document = MakeDocument({{"D", "Random Date", 1, "", 1}, {"M", "From File"}}, 2, {{2, "CD"}, {2, "Record"}});
  Engine engine = MakeEngine({0, K, 0, 0, 0, 0});
  RunToFile(document, engine);
  document.Fields[2].LinksTo = 1;  // now reads the pick of the run before
  EXPECT_EQ(RunToFile(document, engine), "D,M\r\n1/2/1900,CD\r\n1/3/1900,CD\r\n");
  EXPECT_EQ(std::tuple(std::get<std::string>(document.Fields[2].CurrentValue), engine.LastListPick, engine.CurrentLine),
            std::tuple("CD", 1, 3));
}

TEST(GenerateDataFile, WritesALineLongerThanItsBuffer) {
  const std::string start(3 * 1024 * 1024, 's');
  Document document = MakeDocument({{"T", "Random Text", 0, start.c_str()}, {"N", "Counting Numbers"}}, 2);
  Engine engine = MakeEngine({});
  EXPECT_TRUE(RunToFile(document, engine) == "T,N\r\n" + start + ", 1 \r\n" + start + ", 2 \r\n");
}

// Every line is still generated when nothing can be written: values drawn, kept in the
// fields, the list pick moved. The file size limit makes a write fail part-way, even for root.
TEST(GenerateDataFile, ReportsAFileThatCannotBeWrittenAndStillRunsEveryLine) {
  // A pipe or a full disk in its place fails as it does for the document's files.
  enum Setup { kNothing, kFolderAsTheFile, kSizeLimit };
  const std::tuple<const char*, Setup, const char*> cases[] = {
      {"  ", kNothing, "No file name"}, {"missing/orders.fld", kNothing, "could not be created: Path not found"},
      {"orders", kNothing, "A data file is made only for a document whose name ends in .fld"},
      {"orders.fld ", kNothing, "A data file is made only"}, {"orders.fld", kSizeLimit, "failed: File too large"},
      {"orders.fld", kFolderAsTheFile, "could not be created: Path names a folder"},
  };
  for (const auto& [file, setup, says] : cases) {
    TempDir dir;
    Document document = MakeDocument(
        {{"N", "Counting Numbers"}, {"R", "Random Integer", 10}, {"M", "From File"}}, 3, {{3, "a"}, {3, "b"}});
    document.ListEntries[3] = {3, "stale"};  // past the entries in use: never counted or drawn
    if (setup == kFolderAsTheFile) std::filesystem::create_directory(dir.File("orders.txt"));
    document.CurrentFile = file[0] == ' ' ? file : dir.File(file);
    Engine engine = MakeEngine({0, 0, 0, 0, K, K});
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const rlimit limited{setup == kSizeLimit ? rlim_t{16} : saved.rlim_cur, saved.rlim_max};
    auto* previous = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const Outcome outcome = GenerateDataFile(document, engine);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);
    EXPECT_NE(outcome.description.find(says), std::string::npos) << outcome.description;
    EXPECT_EQ(std::tuple(engine.Random.DrawCount(), std::get<std::int32_t>(document.Fields[2].CurrentValue),
                         std::get<std::string>(document.Fields[3].CurrentValue), engine.CurrentLine),
              std::tuple(6u, 10, "b", 4));
  }
}

}  // namespace
}  // namespace zelvane
