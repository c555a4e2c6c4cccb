// Random documents through a whole generation run: the twelve type names, near misses and
// junk; sizes out to the 32-bit extremes; start strings, links and lists; values left in
// the slots from an earlier line; 0 to 50 fields and a few data lines. The run must end,
// keep its heap in proportion to the longest line it can write, and write the header and
// exactly NoOfItems lines beside the document, or nothing when it has no file to write.
//
// In half of the inputs every text of the document is kept free of commas and line
// breaks, so that each line's columns can be counted exactly; the other half leaves them
// in, where the data file (which quotes nothing) may hold more lines than it wrote.
#include <fuzzer/FuzzedDataProvider.h>
#include <sanitizer/allocator_interface.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/file_io.h"
#include "generator/data_types.h"
#include "generator/engine.h"
#include "platform/locale_conventions.h"
#include "platform/random_source.h"

namespace {

using namespace zelvane;

// The heap in use, followed through the sanitizer's allocation hooks.
std::int64_t live_bytes = 0;
std::int64_t peak_bytes = 0;

void OnMalloc(const volatile void*, std::size_t size) {
  live_bytes += static_cast<std::int64_t>(size);
  peak_bytes = std::max(peak_bytes, live_bytes);
}

void OnFree(const volatile void* pointer) {
  if (pointer != nullptr) {
    live_bytes -= static_cast<std::int64_t>(__sanitizer_get_allocated_size(const_cast<const void*>(pointer)));
  }
}

std::string folder;

void Fail(const char* what) {
  std::fprintf(stderr, "generate_document: %s\n", what);
  std::abort();
}

constexpr std::int32_t kSizes[] = {std::numeric_limits<std::int32_t>::min(), -32769, -32768, -5, -1, 0, 1, 3, 6, 7,
                                   10, 200, 32767, 32768, 1000000, std::numeric_limits<std::int32_t>::max()};
constexpr const char* kStarts[] = {"", " ", "1998", "8:00", "23:59", "11:59 pm", "$", "@mail.com.**", "12/31/9999",
                                   "1/1/100", "-40000", "32767.5", "1e308", "abc", "\t\n 7", "0:00:00"};
constexpr std::int16_t kLinks[] = {0, 1, 2, 3, 49, 50, 51, -1, std::numeric_limits<std::int16_t>::min(),
                                   std::numeric_limits<std::int16_t>::max()};
constexpr const char* kNearMisses[] = {"", "random text", "Phone ", " Email", "FromFile", "Random  Date"};

std::string Text(FuzzedDataProvider& input, std::size_t max_length, bool clean) {
  std::string text = input.ConsumeRandomLengthString(max_length);
  if (clean) std::replace_if(text.begin(), text.end(), [](char c) { return c == ',' || c == '\r' || c == '\n'; }, ';');
  return text;
}

std::string TypeName(FuzzedDataProvider& input, bool clean) {
  const int pick = input.ConsumeIntegralInRange(0, 15);
  if (pick < 12) return std::string(kDataTypeNames[static_cast<std::size_t>(pick)]);
  if (pick < 14) return input.PickValueInArray(kNearMisses);
  if (pick == 14) return Text(input, 20, clean);
  return "From File";
}

Value LeftValue(FuzzedDataProvider& input, bool clean) {
  switch (input.ConsumeIntegralInRange(0, 4)) {
    case 1: return input.ConsumeIntegral<std::int32_t>();
    case 2: return input.ConsumeFloatingPoint<double>();
    case 3: return DateSerial{input.ConsumeFloatingPoint<double>()};
    case 4: return Text(input, 24, clean);
  }
  return {};
}

// The longest line a field can add: its start string, the longest list item and at most
// 32767 generated characters, with room for the fixed parts.
std::size_t LongestLine(const Document& document) {
  std::size_t longest_item = 0;
  for (int k = 1; k <= ListEntriesInUse(document); ++k) {
    longest_item = std::max(longest_item, document.ListEntries[k].Item.size());
  }
  std::size_t line = 2;
  for (int i = 1; i <= FieldsInUse(document); ++i) {
    const FieldDef& field = document.Fields[i];
    line += std::max(field.FieldName.size(), field.StartString.size() + longest_item + 32767 + 64) + 1;
  }
  return line;
}

// Enough scripted draws for every line when the document needs few; otherwise the
// program's own clock-seeded source.
void ChooseRandomSource(FuzzedDataProvider& input, const Document& document, Engine& engine) {
  std::int64_t per_line = 0;
  for (int i = 1; i <= FieldsInUse(document); ++i) {
    per_line += 8 + std::clamp<std::int64_t>(document.Fields[i].Size, 0, 32767);
  }
  const std::int64_t draws = per_line * std::max<std::int32_t>(document.NoOfItems, 0);
  if (draws > 65536) return;
  std::vector<float> pattern;
  while (pattern.size() < 16 && input.remaining_bytes() > 0) {
    switch (input.ConsumeIntegralInRange(0, 3)) {
      case 0: pattern.push_back(0.0f); break;
      case 1: pattern.push_back(RandomSource::kLargest); break;
      default: pattern.push_back(std::min(input.ConsumeProbability<float>(), RandomSource::kLargest));
    }
  }
  if (pattern.empty()) pattern.push_back(0.5f);
  std::vector<float> script(static_cast<std::size_t>(draws));
  for (std::size_t k = 0; k < script.size(); ++k) script[k] = pattern[k % pattern.size()];
  engine.Random = RandomSource::Scripted(std::move(script));
}

LocaleConventions CommaConventions() {
  LocaleConventions conventions;
  conventions.decimal_separator = ",";
  conventions.short_date_pattern = "dd.MM.yy";
  conventions.long_time_pattern = "HH:mm:ss";
  return conventions;
}

// lines: the header and NoOfItems.
void CheckLines(const std::string& bytes, std::size_t lines, const Document& document, bool clean) {
  if (bytes.size() < 2 || bytes.compare(bytes.size() - 2, 2, "\r\n") != 0) Fail("the file does not end with CR LF");
  const auto line_feeds = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
  if (!clean) {
    if (line_feeds < lines) Fail("fewer lines than the header and NoOfItems");
    return;
  }
  if (line_feeds != lines) Fail("not exactly the header and NoOfItems lines");
  std::string header;
  for (int i = 1; i <= FieldsInUse(document); ++i) header += (i > 1 ? "," : "") + document.Fields[i].FieldName;
  if (bytes.compare(0, header.size() + 2, header + "\r\n") != 0) Fail("the header is not the field names");
  const std::size_t commas = static_cast<std::size_t>(std::max(FieldsInUse(document) - 1, 0));
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) Fail("a line without CR LF");
    const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(start);
    const auto stop = bytes.begin() + static_cast<std::ptrdiff_t>(end);
    if (static_cast<std::size_t>(std::count(begin, stop, ',')) != commas) Fail("a line with too few or many columns");
    if (std::find(begin, stop, '\r') != stop || std::find(begin, stop, '\n') != stop) Fail("a lone CR or LF");
    start = end + 2;
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree);
  char name[] = "/tmp/zelvane-fuzz-XXXXXX";
  if (mkdtemp(name) == nullptr) Fail("no temporary folder");
  folder = name;
  std::atexit([] {
    for (const char* file : {"/doc.txt", "/DOC.txt"}) std::remove((folder + file).c_str());
    rmdir(folder.c_str());
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const bool clean = input.ConsumeBool();

  Document document;
  document.FieldCount = input.ConsumeIntegralInRange<std::int16_t>(0, kMaxFields);
  const std::int32_t line_counts[] = {std::numeric_limits<std::int32_t>::min(), -1, 0, 1, 2, 3, 4};
  document.NoOfItems = input.PickValueInArray(line_counts);
  for (int i = 1; i <= document.FieldCount; ++i) {
    FieldDef& field = document.Fields[i];
    field.FieldName = Text(input, 12, clean);
    field.Type = TypeName(input, clean);
    field.Size = input.ConsumeBool() ? input.PickValueInArray(kSizes) : input.ConsumeIntegralInRange(-50, 50);
    field.StartString = input.ConsumeBool() ? std::string(input.PickValueInArray(kStarts)) : Text(input, 40, clean);
    if (clean) std::replace(field.StartString.begin(), field.StartString.end(), '\n', ' ');
    field.LinksTo = input.ConsumeBool() ? input.PickValueInArray(kLinks) : input.ConsumeIntegral<std::int16_t>();
  }
  // Values a slot kept from an earlier line or run, also above FieldCount.
  for (int n = input.ConsumeIntegralInRange(0, 8); n > 0; --n) {
    document.Fields[input.ConsumeIntegralInRange(1, kMaxFields)].CurrentValue = LeftValue(input, clean);
  }
  const int entries = input.ConsumeBool() ? input.ConsumeIntegralInRange(0, 40) : input.ConsumeIntegralInRange(0, 1000);
  for (int k = 1; k <= entries; ++k) {
    ListEntry& entry = document.ListEntries[k];
    entry.FieldNo = input.ConsumeBool() ? input.ConsumeIntegralInRange<std::int16_t>(1, 4)
                                        : input.ConsumeIntegral<std::int16_t>();
    entry.Item = Text(input, 16, clean);
  }
  document.ListEntryCount = static_cast<std::int16_t>(entries);

  Engine engine;
  engine.Conventions = clean ? LocaleConventions::Fallback() : CommaConventions();
  engine.LastListPick = input.ConsumeIntegral<std::int16_t>();

  // Where the document lies decides where the data file goes, if anywhere.
  const char* const places[] = {"/doc.fld", "/DOC.FLD", "/doc", "", "/missing/doc.fld"};
  const int place = input.ConsumeIntegralInRange(0, 5);
  std::string data_file;
  if (place < 2) {
    document.CurrentFile = folder + places[place];
    data_file = folder + (place == 1 ? "/DOC.txt" : "/doc.txt");
  } else if (place < 4) {
    // Without a ".fld" ending (blanks are part of a name) a document has no data file.
    document.CurrentFile = place == 2 ? folder + places[2] : "  " + folder + "/doc.fld  ";
  } else {
    document.CurrentFile = place == 4 ? std::string() : folder + places[4];
  }
  ChooseRandomSource(input, document, engine);
  std::remove((folder + "/doc.txt").c_str());
  std::remove((folder + "/DOC.txt").c_str());

  const std::size_t longest_line = LongestLine(document);
  const std::int64_t before = live_bytes;
  peak_bytes = live_bytes;
  const Outcome outcome = GenerateDataFile(document, engine);
  const std::int64_t grown = peak_bytes - before;

  // The writer's buffer, room for a few of the longest lines and the fields' values.
  const auto allowed = static_cast<std::int64_t>(3 * (std::size_t{1} << 20) + 4 * longest_line);
  if (grown > allowed) Fail("the run took more memory than its longest line explains");
  const std::int32_t expected_line = document.NoOfItems >= 1 ? document.NoOfItems + 1 : 1;
  if (engine.CurrentLine != expected_line) Fail("CurrentLine does not stand after the last line");

  if (data_file.empty()) {
    if (outcome.ok) Fail("a run without a file to write reported success");
    if (access((folder + "/missing").c_str(), F_OK) == 0) Fail("the run made a missing folder");
    if (access((folder + "/doc.txt").c_str(), F_OK) == 0) Fail("the run wrote another document's data file");
    return 0;
  }
  if (!outcome.ok) Fail("a run into a writable folder failed");
  std::string bytes;
  ReadWholeFile(data_file, bytes);  // a file that cannot be read stays empty and fails below
  const std::size_t lines = 1 + static_cast<std::size_t>(std::max<std::int32_t>(document.NoOfItems, 0));
  if (bytes.size() > lines * longest_line) Fail("a line longer than its fields can make");
  CheckLines(bytes, lines, document, clean);
  return 0;
}
