// The speed of a generation run on a reference document of all twelve types, next to the
// speed of writing the same number of bytes from memory to a file in the same folder:
// the most any run could reach on this disk. Prints the ratio of the two at the end,
// from the best of several repetitions of each, so that a busy machine disturbs it less.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "generator/data_file.h"
#include "generator/engine.h"

namespace {

using namespace zelvane;

constexpr std::size_t kChunk = DataFileWriter::kBufferSize;  // the data-file writer's buffer

class BenchFolder {
 public:
  BenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zelvane-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
  }
  ~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::string File(const char* name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

BenchFolder& Folder() {
  static BenchFolder folder;
  return folder;
}

std::map<std::int64_t, std::uintmax_t> generated_bytes;  // by number of lines
double generation_rate = 0;                              // best bytes per second, 1,000,000 lines
double write_rate = 0;
double values_only_rate = 0;                             // best lines per second without a file

void SetField(Document& document, int i, std::string name, std::string type, std::int32_t size,
              std::string start = {}, std::int16_t links_to = 0) {
  FieldDef& field = document.Fields[i];
  field.FieldName = std::move(name);
  field.Type = std::move(type);
  field.Size = size;
  field.StartString = std::move(start);
  field.LinksTo = links_to;
}

Document ReferenceDocument(std::int32_t lines) {
  Document document;
  SetField(document, 1, "Id", "Counting Numbers", 0);
  SetField(document, 2, "Surname", "Random Text", 10);
  SetField(document, 3, "Qty", "Random Integer", 100);
  SetField(document, 4, "Weight", "Random Double", 100);
  SetField(document, 5, "Price", "Random Currency", 100, "$");
  SetField(document, 6, "Ordered", "Random Date", 5, "1998");
  SetField(document, 7, "Shipped", "Random Date", 10, "", 6);
  SetField(document, 8, "Time", "Random Time", 15, "8:00");
  SetField(document, 9, "Media", "From File", 0);
  SetField(document, 10, "Street", "Street", 10);
  SetField(document, 11, "Phone", "Phone", 8, "(02)");
  SetField(document, 12, "Email", "Email", 10, "@example.com");
  SetField(document, 13, "Site", "WebURL", 10, ".com.au");
  document.FieldCount = 13;
  for (const char* item : {"CD", "Record", "Cassette"}) {
    document.ListEntries[++document.ListEntryCount] = {9, item};
  }
  document.NoOfItems = lines;
  document.CurrentFile = Folder().File("reference.fld");
  return document;
}

double PeakResidentMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

void BM_GenerateDataFile(benchmark::State& state) {
  const std::int64_t lines = state.range(0);
  Document document = ReferenceDocument(static_cast<std::int32_t>(lines));
  Engine engine;
  std::uintmax_t bytes = 0;
  for (auto _ : state) {
    const Outcome outcome = GenerateDataFile(document, engine);
    if (!outcome.ok) {
      state.SkipWithError(outcome.description.c_str());
      return;
    }
    bytes = std::filesystem::file_size(Folder().File("reference.txt"));
  }
  std::filesystem::remove(Folder().File("reference.txt"));
  const auto runs = static_cast<double>(state.iterations());
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes * state.iterations()));
  state.counters["lines_per_second"] = benchmark::Counter(lines * runs, benchmark::Counter::kIsRate);
  state.counters["bytes_per_line"] = static_cast<double>(bytes) / static_cast<double>(lines);
  state.counters["peak_rss_MiB"] = PeakResidentMiB();
  generated_bytes[lines] = bytes;
}

// The values and the formatting alone: an untitled document creates no file.
void BM_GenerateWithoutFile(benchmark::State& state) {
  const std::int64_t lines = state.range(0);
  Document document = ReferenceDocument(static_cast<std::int32_t>(lines));
  document.CurrentFile.clear();
  Engine engine;
  for (auto _ : state) benchmark::DoNotOptimize(GenerateDataFile(document, engine));
  state.counters["lines_per_second"] =
      benchmark::Counter(static_cast<double>(lines * state.iterations()), benchmark::Counter::kIsRate);
}

// Writes as the data-file writer does: created anew, written in chunks of its buffer's size.
void BM_WriteLimit(benchmark::State& state) {
  const std::int64_t lines = state.range(0);
  if (generated_bytes.count(lines) == 0) {
    Document document = ReferenceDocument(static_cast<std::int32_t>(lines));
    Engine engine;
    GenerateDataFile(document, engine);
    generated_bytes[lines] = std::filesystem::file_size(Folder().File("reference.txt"));
    std::filesystem::remove(Folder().File("reference.txt"));
  }
  const std::uintmax_t bytes = generated_bytes[lines];
  const std::string chunk(kChunk, 'x');
  const std::string path = Folder().File("limit.txt");
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    std::uintmax_t left = bytes;
    while (fd >= 0 && left > 0) {
      const std::size_t size = left < kChunk ? static_cast<std::size_t>(left) : kChunk;
      const ssize_t written = ::write(fd, chunk.data(), size);
      if (written <= 0) break;
      left -= static_cast<std::uintmax_t>(written);
    }
    if (fd < 0 || ::close(fd) != 0 || left > 0) {
      state.SkipWithError("cannot write the comparison file");
      return;
    }
  }
  std::filesystem::remove(path);
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes * state.iterations()));
  state.counters["lines_per_second"] =
      benchmark::Counter(static_cast<double>(lines * state.iterations()), benchmark::Counter::kIsRate);
}

// Keeps the two rates of 1,000,000 lines to print their ratio after the table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const auto rate = run.counters.find("bytes_per_second");
      if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
      if (rate == run.counters.end()) {
        const auto lines = run.counters.find("lines_per_second");
        if (lines != run.counters.end()) values_only_rate = std::max<double>(values_only_rate, lines->second);
        continue;
      }
      const std::string name = run.benchmark_name();
      if (name.rfind("BM_GenerateDataFile/1000000/", 0) == 0) generation_rate = std::max<double>(generation_rate, rate->second);
      if (name.rfind("BM_WriteLimit/1000000/", 0) == 0) write_rate = std::max<double>(write_rate, rate->second);

    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

// The write limit right after the run of the same size, before the largest run fills the
// page cache; the largest run shows that peak memory does not grow with the lines.
BENCHMARK(BM_GenerateDataFile)->Arg(10'000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GenerateDataFile)->Arg(1'000'000)->Repetitions(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteLimit)->Arg(1'000'000)->Repetitions(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GenerateWithoutFile)->Arg(1'000'000)->Repetitions(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GenerateDataFile)->Arg(10'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  if (generation_rate > 0 && write_rate > 0) {
    std::printf("generation / write limit: %.2f (%.0f MB/s of %.0f MB/s, best of each)\n", generation_rate / write_rate,
                generation_rate / 1e6, write_rate / 1e6);
  }
  if (values_only_rate > 0) std::printf("values alone, no file: %.0f lines/s\n", values_only_rate);
  benchmark::Shutdown();
  return 0;
}
